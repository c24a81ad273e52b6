#pragma once
// Lists as text that flashcard programs and spreadsheets read and write: one item a line, the
// headword and the description separated by a tab (.tsv) or a comma or semicolon (.csv, quoted
// as RFC 4180 says). Written as UTF-8 with Greek headwords in Unicode (NFC); read as UTF-8 (with
// or without a byte-order mark) or Windows-1252, with Unicode Greek headwords turned into SPIonic
// keys as typing does. What a list file cannot hold is refused line by line before anything is
// written.
#include "store/vocablist.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>

namespace store {

enum class ExchangeFormat {
    Tsv,   // tab-separated
    Csv,   // comma-separated, RFC 4180
    Notes, // the notes as HTML (session/notesexport.h)
};

// The format a file's ending asks for: .tsv or .txt (tab), .csv, .html or .htm (the notes);
// nothing for any other ending. The case of the ending does not matter.
std::optional<ExchangeFormat> exchangeFormatOf(const QString &path);

// The list as UTF-8 text in format (Tsv or Csv). Lines end in CR LF; the CSV file starts with a
// byte-order mark, by which spreadsheets know it is UTF-8. A Greek list's headwords are written in
// Unicode, everything else as it is. A CSV field is quoted when it holds a comma, a semicolon, a
// quote or a tab; a TSV field when it begins with a quote (importers take it as quoted). A tab in
// a field of a TSV file throws AppError naming fileShown and the items: it cannot be told from the
// separator there.
QByteArray exportListText(const QString &language, const QList<VocabItem> &items, ExchangeFormat format,
                          const QString &fileShown);

struct ImportedText {
    QList<VocabItem> items; // as the list file holds them: SPIonic headwords for a Greek list
    QString encoding;       // "UTF-8" or "Windows-1252", for telling the user
    QChar separator;        // the separator found
    int skippedHeaderLines = 0;
};

// Reads the text of an import file (its bytes, its name for messages) as the items of a list in
// language. Header lines such as "#separator:tab", "#html:false" or "#columns:..." at the top
// are skipped, and "#separator:" is obeyed; otherwise the separator (tab, semicolon or comma) is
// the one that splits the lines into two fields. Empty lines are skipped. Throws AppError naming
// fileShown and the lines of every fault: bytes that are not text, a line without a separator or
// with more than two fields, an empty headword or description, a line break inside a quoted
// field, a headword holding "zx" (the list file's own separator), characters a list file cannot
// hold (Greek or other non-Windows-1252 text in a description, in a Latin headword, or Greek the
// SPIonic keys cannot write), more than MaxItems items.
ImportedText parseImportText(const QByteArray &bytes, const QString &language, const QString &fileShown);

// Whether any headword of the import file holds a Greek letter (so the list must be Greek).
// Throws AppError as parseImportText does for bytes that are not text.
bool headwordsHoldGreek(const QByteArray &bytes, const QString &fileShown);

// "tab", "comma" or "semicolon".
QString separatorName(QChar separator);

} // namespace store
