#include "session/listtransfer.h"

#include "platform/rtfreader.h"
#include "session/listdocument.h"
#include "session/notesexport.h"
#include "store/apperror.h"
#include "store/listexchange.h"
#include "store/listfiles.h"
#include "store/listfinder.h"
#include "store/listname.h"
#include "store/paths.h"
#include "store/textfile.h"

#include <QTextDocument>

namespace {

const QString Greek = QStringLiteral("Greek");
const QString Latin = QStringLiteral("Latin");

} // namespace

ExportOutcome exportList(const QString &name, const QString &path)
{
    const std::optional<store::ExchangeFormat> format = store::exchangeFormatOf(path);
    if (!format)
        throw AppError(QStringLiteral("Cannot export to \"%1\": its ending says no format this program writes "
                                      "(.tsv, .csv, .html or .htm). Nothing was written")
                           .arg(path));
    ExportOutcome outcome;
    QByteArray bytes;
    if (*format == store::ExchangeFormat::Notes) {
        QTextDocument notes;
        rtf::read(store::readFileBytes(store::existingNotesFilePath(name)), &notes);
        bytes = notesHtml(&notes, name).toUtf8();
        outcome.notes = true;
    } else {
        const store::ListContent list = store::readListFile(store::listFilePath(name));
        bytes = store::exportListText(list.language, list.items, *format, path);
        outcome.items = int(list.items.size());
        outcome.truncated = list.truncated;
    }
    store::writeFileAtomic(path, bytes);
    return outcome;
}

ImportOutcome importList(const QString &path, const QString &name, const QString &language, bool replace)
{
    const auto refuse = [&](const QString &why) { throw AppError(importRefusalMessage(path, name, why)); };
    if (const store::ListNameRefusal refusal = store::checkListName(name); refusal != store::ListNameRefusal::None)
        refuse(store::listNameRefusalMessage(refusal, name));
    QString chosen;
    if (language.compare(Greek, Qt::CaseInsensitive) == 0)
        chosen = Greek;
    else if (language.compare(Latin, Qt::CaseInsensitive) == 0)
        chosen = Latin;
    else if (!language.isEmpty())
        refuse(QStringLiteral("the language \"%1\" is neither Greek nor Latin.").arg(language));
    ImportOutcome outcome;
    outcome.replaced = store::anyListFileExists(name);
    if (outcome.replaced && !replace)
        refuse(QStringLiteral("a list of that name is already there."));

    const QByteArray bytes = store::readFileBytes(path);
    if (chosen.isEmpty()) {
        // Greek letters in the headwords tell a Greek list; anything else could be either.
        if (!store::headwordsHoldGreek(bytes, path))
            refuse(QStringLiteral("say whether it is a Greek or a Latin list: its headwords hold no Greek letters."));
        chosen = Greek;
    }
    const store::ImportedText text = store::parseImportText(bytes, chosen, path);
    store::writeListPair(name, chosen, text.items, ListDocument::emptyNotes());
    outcome.language = chosen;
    outcome.items = int(text.items.size());
    outcome.encoding = text.encoding;
    outcome.separator = text.separator;
    return outcome;
}

QString importRefusalMessage(const QString &path, const QString &name, const QString &why)
{
    return QStringLiteral("Cannot import \"%1\" as the list \"%2\": %3 Nothing was written").arg(path, name, why);
}

QString exportedMessage(const QString &name, const QString &path, const ExportOutcome &outcome)
{
    if (outcome.notes)
        return QStringLiteral("Exported the notes of the list \"%1\" to \"%2\" as HTML, with the Greek in Unicode.")
            .arg(name, path);
    const bool csv = store::exchangeFormatOf(path) == store::ExchangeFormat::Csv;
    return QStringLiteral("Exported the list \"%1\" (%2 items) to \"%3\" as %4 UTF-8 text.")
        .arg(name)
        .arg(outcome.items)
        .arg(path, csv ? QStringLiteral("comma-separated") : QStringLiteral("tab-separated"));
}

QString exportTruncatedMessage(const ExportOutcome &outcome)
{
    return QStringLiteral("The list file holds more items than a list holds; only the first %1 were exported.")
        .arg(outcome.items);
}

QString importedMessage(const QString &path, const QString &name, const ImportOutcome &outcome)
{
    return QStringLiteral("Imported \"%1\" (%2, %3-separated) as the %4 list \"%5\" with %6 items: wrote \"%5.vocab\" "
                          "and \"%5.rtf\"%7.")
        .arg(path, outcome.encoding, store::separatorName(outcome.separator), outcome.language, name)
        .arg(outcome.items)
        .arg(outcome.replaced ? QStringLiteral(", replacing the list that was there") : QString());
}
