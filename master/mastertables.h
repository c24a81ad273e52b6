#pragma once
// The Master List's tables: every item of every list, read into one source table, split by
// language and sorted into one master table per language.
#include "master/sortkey.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace master {

enum class MasterLanguage { Greek, Latin };

constexpr int MaxMasterEntries = 100000; // all lists together

struct SourceEntry {
    QString ListName;
    QString Language; // the first line of the list's file
    QString Item;
    QString Description;
};

struct MasterEntry {
    QString ListName;
    QString Item;
    QString Description;
    friend bool operator==(const MasterEntry &, const MasterEntry &) = default;
};

} // namespace master
Q_DECLARE_TYPEINFO(master::SourceEntry, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(master::MasterEntry, Q_RELOCATABLE_TYPE);
namespace master {

struct SourceReading {
    QList<SourceEntry> entries; // lists in name order, items in file order
    bool truncated = false;     // the lists held more than MaxMasterEntries items
    QStringList cutLists;       // the lists whose files held more items than a list holds
};

// Reads every list of the folder ("" = the working folder): the lists the main window offers,
// their items split at the first "zx" as when a list is opened. Stops at MaxMasterEntries.
// A list file that cannot be read throws AppError naming it.
SourceReading readAllLists(const QString &folder = QString());
// The same into entries, which are cleared first and keep their memory; returns whether the
// reading stopped at MaxMasterEntries. entries stay empty when a list cannot be read. Each list
// read only up to store::MaxItems items, as when it is opened, is named in cutLists.
bool readAllListsInto(QList<SourceEntry> &entries, const QString &folder = QString(),
                      QStringList *cutLists = nullptr);

// The message naming the lists of cutLists (SourceReading::cutLists).
QString cutListsMessage(const QStringList &cutLists);

// Only the exact word "Greek" makes a list Greek; every other first line counts as Latin.
MasterLanguage languageOf(const QString &languageLine);

class MasterTables {
public:
    // Splits the source by language and sorts each language's entries into master-list order.
    // The tables keep their memory from one build to the next while no one else shares them.
    void build(const QList<SourceEntry> &source);
    void clear();

    const QList<MasterEntry> &master(MasterLanguage language) const
    {
        return language == MasterLanguage::Greek ? m_greek : m_latin;
    }
    int count(MasterLanguage language) const { return int(master(language).size()); }

private:
    void buildLanguage(const QList<SourceEntry> &source, const std::vector<int> &entries, MasterLanguage language);

    QList<MasterEntry> m_greek;
    QList<MasterEntry> m_latin;
    // Working memory of a build, kept for the next one.
    std::vector<int> m_greekSource;
    std::vector<int> m_latinSource;
    std::vector<int> m_order;
    std::vector<int> m_rank;
    SortKeys m_keys;
};

} // namespace master
