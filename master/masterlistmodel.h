#pragma once
// The lines of the master list view: the items of a master table, of the hits of a search in it,
// or one line of text alone ("No records to show!"). The tables are shared, not copied.
#include "master/mastertables.h"

#include <QAbstractListModel>
#include <optional>

namespace master {

class MasterListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void showEntries(const MasterTable &master);
    void showHits(const MasterTable &master, const QList<int> &hits);
    void showLine(const QString &line);
    void clear();

    // The entry of a line (0-based), none for the single text line or a line out of range.
    std::optional<MasterEntry> entryAt(int row) const;
    QString lineText(int row) const;
    // The first line whose text equals text regardless of letter case, or -1.
    int findLine(const QString &text) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    int entryRow(int row) const { return m_useHits ? m_hits.at(row) : row; }

    MasterTable m_master; // a copy: the table and its reading stay while they are shown
    QList<int> m_hits;
    bool m_useHits = false;
    QString m_line;
    bool m_lineOnly = false;
};

} // namespace master
