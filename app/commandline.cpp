#include "app/commandline.h"

#include "session/listtransfer.h"
#include "store/apperror.h"
#include "store/listexchange.h"
#include "store/listfiles.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <cstring>

namespace {

QString sentence(QString text)
{
    if (!text.endsWith(u'.') && !text.endsWith(u'!') && !text.endsWith(u'?'))
        text += u'.';
    return text;
}

struct Options {
    QCommandLineOption exportList{QStringLiteral("export"),
                                  QStringLiteral("Write the list called <name> of the current folder to the file given "
                                                 "by --to, in the format its ending says: .tsv (tab-separated) or .csv "
                                                 "(comma-separated, RFC 4180) for the items, in UTF-8 with Greek "
                                                 "headwords in Unicode; .html or .htm for the notes, as a web page with "
                                                 "the Greek in Unicode."),
                                  QStringLiteral("name")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("The file --export writes (replaced when it is there)."),
                          QStringLiteral("file")};
    QCommandLineOption importFile{QStringLiteral("import"),
                                  QStringLiteral("Make a list in the current folder from <file>: one item a line, "
                                                 "headword and description separated by a tab, a comma or a "
                                                 "semicolon (found by itself; RFC 4180 quotes), UTF-8 or Windows-1252, "
                                                 "header lines such as #separator:tab skipped. Unicode Greek headwords "
                                                 "become SPIonic. Nothing is written when any line cannot be taken; "
                                                 "the message names the lines."),
                                  QStringLiteral("file")};
    QCommandLineOption name{QStringLiteral("name"),
                            QStringLiteral("The name of the list --import makes; it must be a name a list can have."),
                            QStringLiteral("name")};
    QCommandLineOption language{QStringLiteral("language"),
                                QStringLiteral("The language of the list --import makes: Greek or Latin. Without it, "
                                               "a file whose headwords hold Greek letters makes a Greek list, and any "
                                               "other file is refused."),
                                QStringLiteral("Greek|Latin")};
    QCommandLineOption force{QStringLiteral("force"),
                             QStringLiteral("Let --import replace a list of that name that is already there.")};
};

int usageError(const QString &message)
{
    QTextStream(stderr) << sentence(message) << "\nRun with --help for the options.\n";
    return 2;
}

int exportCommand(const QCommandLineParser &parser, const Options &o)
{
    const QString name = parser.value(o.exportList);
    const QString path = parser.value(o.to);
    const ExportOutcome outcome = exportList(name, path);
    QTextStream(stdout) << exportedMessage(name, path, outcome) << '\n';
    if (outcome.truncated)
        QTextStream(stderr) << exportTruncatedMessage(outcome) << '\n';
    return 0;
}

int importCommand(const QCommandLineParser &parser, const Options &o)
{
    const QString path = parser.value(o.importFile);
    const QString name = parser.value(o.name);
    if (!parser.isSet(o.force) && store::anyListFileExists(name))
        throw AppError(importRefusalMessage(
            path, name, QStringLiteral("a list of that name is already there; --force replaces it.")));
    const ImportOutcome outcome = importList(path, name, parser.value(o.language), parser.isSet(o.force));
    QTextStream(stdout) << importedMessage(path, name, outcome) << '\n';
    return 0;
}

} // namespace

bool wantsCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strncmp(arg, "--", 2) == 0 || !std::strcmp(arg, "-h") || !std::strcmp(arg, "-?")
            || !std::strcmp(arg, "-v"))
            return true;
    }
    return false;
}

int runCommandLine(int argc, char **argv)
{
    // No window is shown: the notes' documents need Qt's text layout, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("mnemora"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MNEMORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Mnemora: vocabulary lists for students of Ancient Greek and Latin.\n"
                       "Without options it opens its window on the lists of the current folder; with these it "
                       "exports or imports a list there and exits."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options o;
    parser.addOptions({o.exportList, o.to, o.importFile, o.name, o.language, o.force});

    if (!parser.parse(QGuiApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << QGuiApplication::applicationName() << ' ' << QGuiApplication::applicationVersion() << '\n';
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    const bool exporting = parser.isSet(o.exportList);
    const bool importing = parser.isSet(o.importFile);
    if (exporting == importing)
        return usageError(QStringLiteral("Give either --export or --import"));
    if (exporting) {
        if (!parser.isSet(o.to))
            return usageError(QStringLiteral("--export needs --to <file>"));
        for (const QCommandLineOption *other : {&o.name, &o.language, &o.force})
            if (parser.isSet(*other))
                return usageError(QStringLiteral("--%1 belongs to --import").arg(other->names().first()));
    } else {
        if (!parser.isSet(o.name))
            return usageError(QStringLiteral("--import needs --name <name>"));
        if (parser.isSet(o.to))
            return usageError(QStringLiteral("--to belongs to --export"));
    }
    try {
        return exporting ? exportCommand(parser, o) : importCommand(parser, o);
    } catch (const AppError &e) {
        QTextStream(stderr) << sentence(e.message()) << '\n';
        return 1;
    }
}
