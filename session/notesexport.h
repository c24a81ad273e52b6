#pragma once
// The notes of a list as an HTML page that browsers, word processors and flashcard programs read
// as it is: what is typed in the SPIonic font becomes Unicode Greek in a span without a font of
// its own, so it shows whatever fonts the reader has; bold, italic, underline, colours, sizes and
// the other fonts are kept.
#include <QString>

class QTextDocument;

// The whole document as an HTML page (UTF-8 declared), titled title.
QString notesHtml(const QTextDocument *notes, const QString &title);
