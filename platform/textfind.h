#pragma once
#include <QString>

class QTextDocument;

// Occurrences of text in a document as its own find counts them: forward, ignoring case, not
// whole words only, each search starting at the end of the previous occurrence.
int countDocumentOccurrences(const QTextDocument &document, const QString &text);
