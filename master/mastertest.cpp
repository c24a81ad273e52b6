#include "master/mastertest.h"

#include <vector>

namespace master {

int drawMasterTestPosition(QList<int> &usedPicks, int count, const std::function<int(int)> &randomBelow)
{
    if (count < 2)
        return 0;
    std::vector<bool> used(size_t(count) + 1, false);
    int usedCount = 0;
    bool fits = true;
    for (int k : std::as_const(usedPicks)) {
        if (k < 1 || k > count || used[size_t(k)]) {
            fits = false;
            break;
        }
        used[size_t(k)] = true;
        ++usedCount;
    }
    if (!fits || usedCount >= count) {
        usedPicks.clear();
        used.assign(used.size(), false);
        usedCount = 0;
    }
    int k = 0;
    do
        k = 1 + randomBelow(count);
    while (k < 1 || k > count || used[size_t(k)]);
    usedPicks.append(k);
    if (usedCount + 1 == count)
        usedPicks.clear();
    return k;
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
