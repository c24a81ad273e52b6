#pragma once
// The Master List's tables: the entries of one reading of all lists (master/sourcereading.h),
// split by language and sorted into one master table per language.
#include "master/sortkey.h"
#include "master/sourcereading.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

namespace master {

enum class MasterLanguage { Greek, Latin };

// One entry of a master table with its own copies of the texts.
struct MasterEntry {
    QString ListName;
    QString Item;
    QString Description;
    friend bool operator==(const MasterEntry &, const MasterEntry &) = default;
};

// The master list of one language: the reading's entries in master-list order. A copy costs two
// reference counts; it shares the entries and keeps the reading alive, so a copy held by a view
// or a search stays valid whatever becomes of the tables it came from.
class MasterTable {
public:
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // row is 0-based and must be in range; the views are valid while this table or a copy lives.
    QStringView item(qsizetype row) const { return m_reading->item(m_entries.at(row)); }
    QStringView description(qsizetype row) const { return m_reading->description(m_entries.at(row)); }
    const QString &listName(qsizetype row) const { return m_reading->listName(m_entries.at(row)); }
    MasterEntry entry(qsizetype row) const;
    // The row of the table's k-th entry in reading order (lists in order, items in file order):
    // walked this way, the texts are read front to back.
    qsizetype rowInReadingOrder(qsizetype k) const { return m_readingRows.at(k); }

private:
    friend class MasterTables;
    SharedReading m_reading;
    QList<SourceEntry> m_entries;  // in master-list order
    QList<qint32> m_readingRows;   // see rowInReadingOrder
};

// Only the exact word "Greek" makes a list Greek; every other first line counts as Latin.
MasterLanguage languageOf(const QString &languageLine);

class MasterTables {
public:
    // Splits the reading by language and sorts each language's entries into master-list order.
    // The tables keep their memory from one build to the next while no one else shares them.
    void build(const SharedReading &source);
    void clear();

    const MasterTable &master(MasterLanguage language) const
    {
        return language == MasterLanguage::Greek ? m_greek : m_latin;
    }
    int count(MasterLanguage language) const { return int(master(language).size()); }

private:
    void buildLanguage(const SharedReading &source, const std::vector<int> &entries, MasterLanguage language);

    MasterTable m_greek;
    MasterTable m_latin;
    // Working memory of a build, kept for the next one.
    std::vector<int> m_greekSource;
    std::vector<int> m_latinSource;
    std::vector<int> m_order;
    SortKeys m_keys;
};

} // namespace master
