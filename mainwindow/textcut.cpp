#include "mainwindow/textcut.h"

QString cutAtLineBreak(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            return text.left(i);
    }
    return text;
}
