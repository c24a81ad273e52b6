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

bool isChangeCharacter(const QString &typed)
{
    if (typed.size() != 1)
        return false;
    const char16_t c = typed.at(0).unicode();
    return (c >= 32 && c <= 126) || c == 8;
}
