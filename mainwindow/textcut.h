#pragma once
#include <QString>

// The text up to its first line break (CR, LF or a paragraph separator), the rest dropped.
QString cutAtLineBreak(const QString &text);
