#pragma once
// Word wrap of a quotation at blanks only. SPIonic marks are ASCII punctuation ("a!llwn" is one
// word), where a Unicode line breaker would split a Greek word after its mark; the quotation box
// therefore gets its soft line breaks from here, after the blank where a line ends.
#include <QString>

class QFontMetricsF;

// The text with a line separator (U+2028) after each blank at which a line is broken to fit
// the width. Explicit line breaks ('\n') and leading blanks stay as they are.
QString wrapAtBlanks(const QString &text, const QFontMetricsF &metrics, qreal width);
