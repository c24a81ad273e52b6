#include "master/mastertables.h"

#include "master/sortkey.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/vocablist.h"

#include <QDir>

namespace master {

namespace {

QList<MasterEntry> sortedMaster(const QList<SourceEntry> &source, const QList<int> &entries, MasterLanguage language)
{
    SortKeys keys(entries.size());
    for (qsizetype j = 0; j < entries.size(); ++j) {
        const QString &item = source.at(entries.at(j)).Item;
        const int readingNumber = int(j) + 1;
        if (language == MasterLanguage::Greek)
            keys.addGreek(item, readingNumber);
        else
            keys.addLatin(item, readingNumber);
    }
    const QList<int> order = keys.order();
    QList<MasterEntry> master;
    master.reserve(order.size());
    for (int k : order) {
        const SourceEntry &e = source.at(entries.at(k));
        master.append({e.ListName, e.Item, e.Description});
    }
    return master;
}

} // namespace

SourceReading readAllLists(const QString &folder)
{
    SourceReading reading;
    const store::FoundLists found = store::findLists(folder);
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    // All files first, so the table is allocated once.
    QList<store::ListContent> lists;
    lists.reserve(found.names.size());
    qsizetype total = 0;
    for (const QString &name : found.names) {
        const QString path = folder.isEmpty() ? store::listFilePath(name) : dir.filePath(store::listFilePath(name));
        lists.append(store::readListFile(path));
        total += lists.last().items.size();
        if (total > MaxMasterEntries)
            break;
    }
    reading.entries.reserve(qMin<qsizetype>(total, MaxMasterEntries));
    for (qsizetype l = 0; l < lists.size(); ++l) {
        const QString &name = found.names.at(l);
        const store::ListContent &list = lists.at(l);
        for (const VocabItem &item : list.items) {
            if (reading.entries.size() >= MaxMasterEntries) {
                reading.truncated = true;
                return reading;
            }
            reading.entries.append({name, list.language, item.Item, item.Description});
        }
    }
    return reading;
}

MasterLanguage languageOf(const QString &languageLine)
{
    return languageLine == QLatin1String("Greek") ? MasterLanguage::Greek : MasterLanguage::Latin;
}

void MasterTables::build(const QList<SourceEntry> &source)
{
    // The entries of each language in reading order; an entry's place here is its reading number.
    QList<int> greek;
    QList<int> latin;
    for (qsizetype k = 0; k < source.size(); ++k)
        (languageOf(source.at(k).Language) == MasterLanguage::Greek ? greek : latin).append(int(k));
    m_greek = sortedMaster(source, greek, MasterLanguage::Greek);
    m_latin = sortedMaster(source, latin, MasterLanguage::Latin);
}

void MasterTables::clear()
{
    m_greek.clear();
    m_latin.clear();
}

} // namespace master
