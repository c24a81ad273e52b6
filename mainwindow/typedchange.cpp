#include "mainwindow/typedchange.h"

bool isChangeCharacter(const QString &typed)
{
    if (typed.size() != 1)
        return false;
    const char16_t c = typed.at(0).unicode();
    return (c >= 32 && c <= 126) || c == 8;
}
