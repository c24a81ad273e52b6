#pragma once
// Loading the rich-text notes of a list: RTF as Windows rich-text controls, Word and LibreOffice
// write it, reduced to what the notes box shows (fonts, sizes, colours, bold, italic, underline,
// strike-out, alignment, line breaks and tabs). Pictures, objects, fields and tables become their
// visible text.
#include <QByteArray>

class QTextDocument;

namespace rtf {

// Replaces the content of doc by the RTF in bytes. Never throws, crashes or hangs; input that does not
// start with "{\rtf" is loaded as plain text decoded from Windows-1252 (CR LF / LF / CR = paragraph breaks).
// The document's default font is kept; the load leaves nothing to undo and the document unmodified.
void read(const QByteArray &bytes, QTextDocument *doc);

} // namespace rtf
