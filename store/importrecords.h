#pragma once
// An import file's bytes read as records: the encoding found (UTF-8 with or without a byte-order
// mark, or Windows-1252), the header lines of flashcard programs skipped ("#separator:tab" ...),
// the separator taken from such a line or found (tab, semicolon or comma), and RFC 4180 quoting.
// A file that cannot be read so is refused with an AppError naming it and the line.
#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace store {

struct ImportRecord {
    int line = 0;    // where it starts, counting from 1
    int endLine = 0; // where it ends: later than line when a quoted field holds a line break
    QStringList fields;
};

struct ImportRecords {
    QList<ImportRecord> records;
    QString encoding; // "UTF-8" or "Windows-1252"
    QChar separator;
    int skippedHeaderLines = 0;
};

// preferred: the separator taken when the others split the lines as well (the file's ending).
ImportRecords readImportRecords(const QByteArray &bytes, const QString &fileShown, QChar preferred);

// A record of empty (or blank) fields only.
bool isBlank(const ImportRecord &record);
// The fields that count: trailing empty ones (a spreadsheet's empty columns) are dropped.
QStringList usedFields(const ImportRecord &record);

// "Cannot import "file": what. Nothing was written"
[[noreturn]] void refuseImport(const QString &fileShown, const QString &what);

} // namespace store
