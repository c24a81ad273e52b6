#include "mainwindow/typedchange.h"

#include <QList>

bool isChangeCharacter(const QString &typed)
{
    if (typed == QLatin1String("\b"))
        return true;
    const QList<uint> codes = typed.toUcs4();
    return codes.size() == 1 && QChar::isPrint(char32_t(codes.first()));
}
