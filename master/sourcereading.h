#pragma once
// What the Master List reads: every list of the folder, each list's text decoded once and held
// whole, and one small entry per item that says where its headword and description lie in that
// text. Nothing is copied per item.
//
// A reading is made once and never changed afterwards; it is handed around as a SharedReading, so
// every table, model or search that points into it keeps it alive: a reading that is replaced
// while an older table is still shown stays until the last holder lets go of it.
#include "store/filestamp.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <vector>

namespace master {

constexpr int MaxMasterEntries = 100000; // all lists together

// One list as it was read.
struct ListReading {
    QString name;
    QString language; // the first line of the list's file
    QString text;     // the lines of the file as read; the list's entries point into it
    store::FileStamp stamp; // what the list file was when it was read
};

// One item: where its headword and description lie in its list's text. The description, when
// the line has one, starts behind the headword and its "zx".
struct SourceEntry {
    qint32 list; // the list's place in SourceReading::lists()
    qint32 itemStart;
    qint32 itemLength;
    qint32 descriptionLength;
};

class SourceReading {
public:
    // Adds a list from its decoded text (store::decodeTextFile): the first line is its language,
    // every further line an item split at its first "zx", as when the list is opened; at most
    // store::MaxItems items of a list are taken, and no item beyond MaxMasterEntries in all.
    // Returns false, with truncated() set, when the list went past MaxMasterEntries. A text that
    // offsets cannot address (2^31 characters or more) throws AppError naming the list.
    bool addList(const QString &name, const QString &text, const store::FileStamp &stamp = {});

    const std::vector<ListReading> &lists() const { return m_lists; }
    const std::vector<SourceEntry> &entries() const { return m_entries; } // lists in order, items in file order
    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool truncated() const { return m_truncated; } // the lists held more than MaxMasterEntries items
    // The lists whose files held more items than a list holds (read as far as a list holds).
    const QStringList &cutLists() const { return m_cutLists; }
    // The lists read whose files changed (or went) since they were read, by name.
    QStringList changedSinceRead(const QString &folder = QString()) const;

    QStringView item(const SourceEntry &e) const
    {
        return QStringView(m_lists[size_t(e.list)].text).sliced(e.itemStart, e.itemLength);
    }
    QStringView description(const SourceEntry &e) const
    {
        if (e.descriptionLength == 0)
            return {};
        return QStringView(m_lists[size_t(e.list)].text).sliced(e.itemStart + e.itemLength + 2, e.descriptionLength);
    }
    const QString &listName(const SourceEntry &e) const { return m_lists[size_t(e.list)].name; }
    const QString &language(const SourceEntry &e) const { return m_lists[size_t(e.list)].language; }

private:
    bool addLines(qint32 list, QStringView text);

    std::vector<ListReading> m_lists;
    std::vector<SourceEntry> m_entries;
    bool m_truncated = false;
    QStringList m_cutLists;
};

using SharedReading = std::shared_ptr<const SourceReading>;

// Reads every list of the folder ("" = the working folder): the lists the main window offers, in
// its order, each as far as a list holds and as it was at one moment (store/filestamp.h). Stops
// at MaxMasterEntries. A list file that cannot be read, or a folder that cannot be, throws
// AppError naming it.
SharedReading readAllLists(const QString &folder = QString());

// The message naming the lists of SourceReading::cutLists.
QString cutListsMessage(const QStringList &cutLists);
// The message naming the lists changed on disk since they were read (changedSinceRead).
QString changedListsMessage(const QStringList &changed);

} // namespace master
