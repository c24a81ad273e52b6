#include "session/testdraw.h"

#include <vector>

int drawTestItem(QList<int> &usedPicks, int itemCount, const std::function<int(int)> &randomBelow)
{
    if (itemCount < 1)
        return 0;
    std::vector<bool> used(size_t(itemCount) + 1, false);
    int usedCount = 0;
    for (int n : std::as_const(usedPicks))
        if (n >= 1 && n <= itemCount && !used[size_t(n)]) {
            used[size_t(n)] = true;
            ++usedCount;
        }
    if (usedCount >= itemCount) {
        usedPicks.clear();
        used.assign(used.size(), false);
        usedCount = 0;
    }
    int r = 0;
    do
        r = 1 + randomBelow(itemCount);
    while (r < 1 || r > itemCount || used[size_t(r)]);
    usedPicks.append(r);
    if (usedCount + 1 == itemCount)
        usedPicks.clear();
    return r;
}
