#pragma once
// Saving the rich-text notes of a list as RTF.
#include <QByteArray>

class QTextDocument;

namespace rtf {

// The whole document as RTF, the way Windows rich-text controls write it: a font table (\f0 is the
// document's default font), a colour table whose first entry is "automatic", one \par per
// paragraph, Windows-1252 characters as \'hh and all others as \uN?. Runs without a font family or
// size get the document's default font; runs without a foreground colour are written as \cf0.
QByteArray write(const QTextDocument *doc);

} // namespace rtf
