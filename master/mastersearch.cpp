#include "master/mastersearch.h"

namespace master {

const QString SearchPlaceholder = QStringLiteral("Enter search text");

bool isValidMasterSearchText(const QString &text)
{
    return text.size() >= 2;
}

QList<int> searchMaster(const QList<MasterEntry> &master, const DescriptionMatcher &matcher)
{
    QList<int> hits;
    for (qsizetype i = 0; i < master.size(); ++i)
        if (matcher.matches(master.at(i).Description))
            hits.append(int(i));
    return hits;
}

} // namespace master
