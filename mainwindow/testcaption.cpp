#include "mainwindow/testcaption.h"

TestCaption testCaption(const QString &headword)
{
    constexpr qsizetype kept = 38;
    QString text = headword;
    if (text.size() > kept) {
        qsizetype cut = kept;
        if (text.at(cut - 1).isHighSurrogate()) // keep a character whole
            --cut;
        text = text.left(cut) + QStringLiteral("...");
    }
    return {text, text.size() < 20 ? 34 : 24};
}
