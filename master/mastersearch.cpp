#include "master/mastersearch.h"

#include <vector>

namespace master {

const QString SearchPlaceholder = QStringLiteral("Enter search text");

bool isValidMasterSearchText(const QString &text)
{
    return text.size() >= 2;
}

QList<int> searchMaster(const MasterTable &master, const DescriptionMatcher &matcher)
{
    // The descriptions are tested in reading order, which walks each list's text from front to
    // back; the rows found are then given in master-list order.
    const qsizetype n = master.size();
    std::vector<bool> found(size_t(n), false);
    qsizetype count = 0;
    for (qsizetype k = 0; k < n; ++k) {
        const qsizetype row = master.rowInReadingOrder(k);
        if (matcher.matches(master.description(row))) {
            found[size_t(row)] = true;
            ++count;
        }
    }
    QList<int> hits;
    hits.reserve(count);
    for (qsizetype row = 0; row < n && hits.size() < count; ++row)
        if (found[size_t(row)])
            hits.append(int(row));
    return hits;
}

} // namespace master
