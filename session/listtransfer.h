#pragma once
// A list of the data folder written to a file other programs read (a .tsv or .csv file of its
// items, an HTML page of its notes), and a list made from such a file. Nothing here asks: a
// refusal throws AppError with the message the user sees, and writes nothing.
#include <QChar>
#include <QString>

struct ExportOutcome {
    int items = 0;          // items written (the notes: 0)
    bool notes = false;     // the notes were written, as HTML
    bool truncated = false; // the list file held more items than a list holds; the first were written
};

// Writes the list called name to path in the format its ending says (store::exchangeFormatOf).
ExportOutcome exportList(const QString &name, const QString &path);

struct ImportOutcome {
    QString language;
    int items = 0;
    QString encoding; // as the file was read: "UTF-8" or "Windows-1252"
    QChar separator;
    bool replaced = false; // a list of that name was there before
};

// Makes the list called name in language ("Greek" or "Latin", any case; empty: Greek when the
// headwords hold Greek letters, refused otherwise) from the file at path, with empty notes as a
// new list gets. The name must pass the list-name rules; a list of that name already there is
// refused unless replace is true.
ImportOutcome importList(const QString &path, const QString &name, const QString &language, bool replace);

// What was done, as told to the user: the export, that only the first items were written (when
// truncated), the import (file, encoding, separator, language, list, item count).
QString exportedMessage(const QString &name, const QString &path, const ExportOutcome &outcome);
QString exportTruncatedMessage(const ExportOutcome &outcome);
QString importedMessage(const QString &path, const QString &name, const ImportOutcome &outcome);
// The refusal of importing path as the list name, for the reason why (a sentence).
QString importRefusalMessage(const QString &path, const QString &name, const QString &why);
