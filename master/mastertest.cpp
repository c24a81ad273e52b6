#include "master/mastertest.h"

#include "session/testdraw.h"

namespace master {

int drawMasterTestPosition(QList<int> &usedPicks, int count, const std::function<int(int)> &randomBelow)
{
    // The list's own self-test draw, from two entries on.
    return count < 2 ? 0 : drawTestItem(usedPicks, count, randomBelow);
}

MasterPanelCaption masterPanelCaption(const QString &item)
{
    constexpr qsizetype kept = 42;
    QString shown;
    qsizetype counted = 0; // length of the caption with every "&" doubled
    bool cut = false;
    for (qsizetype i = 0; i < item.size(); ++i) {
        const QChar c = item.at(i);
        const qsizetype width = c == u'&' ? 2 : 1;
        if (counted + width > kept) {
            cut = true;
            // An ampersand whose doubled form would be cut in half is left out, as the panel
            // would not show a lone one.
            if (width == 2 && counted < kept)
                counted = kept;
            break;
        }
        if (c.isHighSurrogate() && counted + 2 > kept) { // keep a character whole
            cut = true;
            break;
        }
        shown.append(c);
        counted += width;
    }
    if (cut) {
        shown.append(QStringLiteral("..."));
        counted += 3;
    }
    return {shown, counted < 30 ? 30 : 22};
}

} // namespace master
