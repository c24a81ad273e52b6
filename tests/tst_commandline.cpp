// The program run from the command line in a data folder, as a user runs it: the help, exporting
// and importing lists, and the refusals with their exit codes, messages and untouched folder.
#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

struct DataFolder {
    QTemporaryDir dir;
    QTemporaryDir runtime; // Qt warns on stderr without a runtime folder
    DataFolder()
    {
        const QDir samples(QStringLiteral(MNEMORA_SAMPLES));
        for (const QString &file : samples.entryList(QDir::Files))
            QFile::copy(samples.filePath(file), dir.filePath(file));
    }
    QString path(const QString &file) const { return dir.filePath(file); }
    QStringList files() const { return filesIn(dir.path()); }

    Run run(const QStringList &arguments) const
    {
        QProcess program;
        program.setWorkingDirectory(dir.path());
        // No display: the command line needs none.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(MNEMORA_PROGRAM), arguments);
        if (!program.waitForFinished(60000))
            return {};
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
    }
};

// A Greek list in the one spelling the program writes, with what CSV must quote.
const QByteArray CanonicalGreek = "Greek\r\nlo&gojzxword, speech; \"reason\"\r\n'Aqh~naizxAthens\r\n"
                                  "zw~|onzxanimal\tliving being\r\n9O qeo_j a)i5dioj.zxGod is eternal\r\n";

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void helpDescribesEveryOption();
    void exportThenImportGivesTheSameFile_data();
    void exportThenImportGivesTheSameFile();
    void exportsNotesAndGreekHeadwords();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void existingListReplacedOnlyWithForce();
};

void TestCommandLine::helpDescribesEveryOption()
{
    DataFolder folder;
    const Run run = folder.run({"--help"});
    QCOMPARE(run.code, 0);
    for (const char *option : {"-h, --help", "-v, --version", "--export <name>", "--to <file>", "--import <file>",
                               "--name <name>", "--language <Greek|Latin>", "--force"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
    QVERIFY(run.out.contains("Usage:"));
    QVERIFY(run.out.contains(".tsv") && run.out.contains(".csv") && run.out.contains(".html"));
    const Run version = folder.run({"--version"});
    QCOMPARE(version.code, 0);
    QVERIFY(version.out.startsWith("mnemora "));
}

void TestCommandLine::exportThenImportGivesTheSameFile_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::newRow("Greek, tsv, language from the Greek letters") << "Canon" << "out.tsv" << "";
    QTest::newRow("Greek, csv") << "Canon" << "out.csv" << "Greek";
    QTest::newRow("Latin sample, tsv") << "Vergil Aeneid 1" << "out.tsv" << "Latin";
    QTest::newRow("Latin sample, csv") << "Vergil Aeneid 1" << "out.csv" << "latin";
}

void TestCommandLine::exportThenImportGivesTheSameFile()
{
    QFETCH(QString, list);
    QFETCH(QString, file);
    QFETCH(QString, language);
    DataFolder folder;
    putFile(folder.path("Canon.vocab"), file.endsWith(".tsv") ? QByteArray(CanonicalGreek).replace("\tliving", " living")
                                                              : CanonicalGreek);
    putFile(folder.path("Canon.rtf"), "{\\rtf1 }");
    const QByteArray original = fileBytes(folder.path(list + ".vocab"));

    const Run exported = folder.run({"--export", list, "--to", file});
    QVERIFY2(exported.code == 0, qPrintable(exported.err));
    QVERIFY2(exported.out.contains(QStringLiteral("\"%1\"").arg(list)) && exported.out.contains(file),
             qPrintable(exported.out));
    QVERIFY(exported.err.isEmpty());

    QStringList arguments = {"--import", file, "--name", "Copy"};
    if (!language.isEmpty())
        arguments << "--language" << language;
    const Run imported = folder.run(arguments);
    QVERIFY2(imported.code == 0, qPrintable(imported.err));
    QVERIFY2(imported.out.contains("Copy.vocab") && imported.out.contains("UTF-8"), qPrintable(imported.out));
    QCOMPARE(fileBytes(folder.path("Copy.vocab")), original);
    QVERIFY(QFile::exists(folder.path("Copy.rtf")));
}

void TestCommandLine::exportsNotesAndGreekHeadwords()
{
    DataFolder folder;
    const Run list = folder.run({"--export", "Homer Iliad 1", "--to", "homer.tsv"});
    QCOMPARE(list.code, 0);
    const QStringList lines = QString::fromUtf8(fileBytes(folder.path("homer.tsv"))).split("\r\n");
    QCOMPARE(lines.first(), QStringLiteral("μῆνιν\twrath, anger (accusative)"));
    QVERIFY(lines.contains(QStringLiteral("ψυχάς\tsouls, lives (accusative plural)")));

    const Run notes = folder.run({"--export", "Homer Iliad 1", "--to", "homer.html"});
    QVERIFY2(notes.code == 0, qPrintable(notes.err));
    const QString html = QString::fromUtf8(fileBytes(folder.path("homer.html")));
    QVERIFY(html.contains(QStringLiteral("μῆνιν ἄειδε θεὰ Πηληϊάδεω Ἀχιλῆος")));
    QVERIFY(!html.contains("font-family:'SPIonic'", Qt::CaseInsensitive));
}

void TestCommandLine::refusalsWriteNothing_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected"); // parts of the message on stderr
    const QByteArray good = "amo\tI love\n";
    QTest::newRow("an undecodable byte") << QByteArray("\xce\xbb\xcf\x8c\tword\nb\xff\tx\n")
                                         << QStringList{"--import", "in.tsv", "--name", "New", "--language", "Greek"}
                                         << 1 << QStringList{"\"in.tsv\"", "line 2"};
    QByteArray many;
    for (int k = 1; k <= 10001; ++k)
        many += "w" + QByteArray::number(k) + "\td\n";
    QTest::newRow("10,001 lines") << many << QStringList{"--import", "in.tsv", "--name", "New", "--language", "Latin"}
                                  << 1 << QStringList{"\"in.tsv\"", "line 10001", "10000 at most"};
    QTest::newRow("a name the list-name rules refuse")
        << good << QStringList{"--import", "in.tsv", "--name", "New.", "--language", "Latin"} << 1
        << QStringList{"\"in.tsv\"", "\"New.\"", "full stop"};
    QTest::newRow("no language to tell") << good << QStringList{"--import", "in.tsv", "--name", "New"} << 1
                                         << QStringList{"Greek or a Latin"};
    QTest::newRow("a list that is not there") << good << QStringList{"--export", "Nothing", "--to", "x.tsv"} << 1
                                              << QStringList{"Nothing.vocab"};
    QTest::newRow("an ending with no format") << good << QStringList{"--export", "Vergil Aeneid 1", "--to", "x.doc"}
                                              << 1 << QStringList{"\"x.doc\"", ".tsv"};
    QTest::newRow("an unknown option") << good << QStringList{"--bogus"} << 2 << QStringList{"bogus", "--help"};
    QTest::newRow("import without --name") << good << QStringList{"--import", "in.tsv"} << 2 << QStringList{"--name"};
    QTest::newRow("both commands") << good << QStringList{"--import", "in.tsv", "--export", "x", "--name", "New"} << 2
                                   << QStringList{"either"};
}

void TestCommandLine::refusalsWriteNothing()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    DataFolder folder;
    putFile(folder.path("in.tsv"), input);
    const QStringList before = folder.files();
    const Run run = folder.run(arguments);
    QCOMPARE(run.code, code);
    QVERIFY(run.out.isEmpty());
    for (const QString &part : expected)
        QVERIFY2(run.err.contains(part), qPrintable(part + " in: " + run.err));
    QCOMPARE(folder.files(), before);
}

void TestCommandLine::existingListReplacedOnlyWithForce()
{
    DataFolder folder;
    putFile(folder.path("in.csv"), "amo,I love\n");
    const QByteArray vergil = fileBytes(folder.path("Vergil Aeneid 1.vocab"));
    const QStringList arguments = {"--import", "in.csv", "--name", "Vergil Aeneid 1", "--language", "Latin"};
    const Run refused = folder.run(arguments);
    QCOMPARE(refused.code, 1);
    QVERIFY2(refused.err.contains("already there"), qPrintable(refused.err));
    QCOMPARE(fileBytes(folder.path("Vergil Aeneid 1.vocab")), vergil);

    const Run forced = folder.run(arguments + QStringList{"--force"});
    QCOMPARE(forced.code, 0);
    QVERIFY2(forced.out.contains("replacing"), qPrintable(forced.out));
    QCOMPARE(fileBytes(folder.path("Vergil Aeneid 1.vocab")), QByteArray("Latin\r\namozxI love\r\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
