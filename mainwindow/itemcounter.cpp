#include "mainwindow/itemcounter.h"

QString itemCounterText(int row, int itemCount)
{
    return QStringLiteral("%1 of %2").arg(row < 0 ? 0 : row + 1).arg(itemCount);
}

int itemCounterPointSize(int itemCount) { return itemCount <= 999 ? 12 : 11; }

QString searchCounterText(int row, int hitCount)
{
    return QStringLiteral("%1/%2").arg(row < 0 ? 1 : row + 1).arg(hitCount);
}
