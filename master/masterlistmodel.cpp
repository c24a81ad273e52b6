#include "master/masterlistmodel.h"

namespace master {

void MasterListModel::showEntries(const MasterTable &master)
{
    beginResetModel();
    m_master = master;
    m_hits.clear();
    m_useHits = false;
    m_lineOnly = false;
    endResetModel();
}

void MasterListModel::showHits(const MasterTable &master, const QList<int> &hits)
{
    beginResetModel();
    m_master = master;
    m_hits = hits;
    m_useHits = true;
    m_lineOnly = false;
    endResetModel();
}

void MasterListModel::showLine(const QString &line)
{
    beginResetModel();
    m_master = MasterTable(); // let go of the table and its reading
    m_hits.clear();
    m_useHits = false;
    m_line = line;
    m_lineOnly = true;
    endResetModel();
}

void MasterListModel::clear()
{
    beginResetModel();
    m_master = MasterTable(); // let go of the table and its reading
    m_hits.clear();
    m_useHits = false;
    m_lineOnly = false;
    endResetModel();
}

std::optional<MasterEntry> MasterListModel::entryAt(int row) const
{
    if (m_lineOnly || row < 0 || row >= rowCount())
        return std::nullopt;
    return m_master.entry(entryRow(row));
}

QString MasterListModel::lineText(int row) const
{
    if (m_lineOnly)
        return row == 0 ? m_line : QString();
    if (row < 0 || row >= rowCount())
        return QString();
    return m_master.item(entryRow(row)).toString();
}

int MasterListModel::findLine(const QString &text) const
{
    // Lengths are compared first: they are held in the table's entries, so most lines cost no
    // visit to their characters.
    auto matches = [&text](QStringView line) {
        return line.size() == text.size() && line.compare(text, Qt::CaseInsensitive) == 0;
    };
    if (m_lineOnly)
        return matches(m_line) ? 0 : -1;
    const int lines = rowCount();
    for (int i = 0; i < lines; ++i)
        if (matches(m_master.item(entryRow(i))))
            return i;
    return -1;
}

int MasterListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (m_lineOnly)
        return 1;
    return int(m_useHits ? m_hits.size() : m_master.size());
}

QVariant MasterListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return lineText(index.row());
}

} // namespace master
