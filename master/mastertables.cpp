#include "master/mastertables.h"

#include "master/sortkey.h"

namespace master {

namespace {
// Gives list n elements, in the memory it had unless a copy of it still holds that memory (a
// view still shows the old table), which then keeps the old elements.
template <typename T>
void renew(QList<T> &list, qsizetype n)
{
    if (list.isDetached())
        list.clear();
    else
        list = QList<T>();
    list.resize(n);
}
} // namespace

MasterEntry MasterTable::entry(qsizetype row) const
{
    return {listName(row), item(row).toString(), description(row).toString()};
}

MasterLanguage languageOf(const QString &languageLine)
{
    return languageLine == QLatin1String("Greek") ? MasterLanguage::Greek : MasterLanguage::Latin;
}

void MasterTables::build(const SharedReading &source)
{
    if (!source) {
        clear();
        return;
    }
    // The entries of each language in reading order; an entry's place here is its reading number.
    const std::vector<SourceEntry> &entries = source->entries();
    std::vector<bool> greekList(source->lists().size());
    for (size_t l = 0; l < greekList.size(); ++l)
        greekList[l] = languageOf(source->lists()[l].language) == MasterLanguage::Greek;
    m_greekSource.clear();
    m_latinSource.clear();
    m_greekSource.reserve(entries.size());
    m_latinSource.reserve(entries.size());
    for (size_t k = 0; k < entries.size(); ++k)
        (greekList[size_t(entries[k].list)] ? m_greekSource : m_latinSource).push_back(int(k));
    buildLanguage(source, m_greekSource, MasterLanguage::Greek);
    buildLanguage(source, m_latinSource, MasterLanguage::Latin);
}

void MasterTables::buildLanguage(const SharedReading &source, const std::vector<int> &entries,
                                 MasterLanguage language)
{
    const SourceReading &reading = *source;
    const std::vector<SourceEntry> &all = reading.entries();
    const qsizetype n = qsizetype(entries.size());
    m_keys.clear();
    m_keys.reserve(n);
    for (qsizetype j = 0; j < n; ++j) {
        const QStringView item = reading.item(all[size_t(entries[size_t(j)])]);
        const int readingNumber = int(j) + 1;
        if (language == MasterLanguage::Greek)
            m_keys.addGreek(item, readingNumber);
        else
            m_keys.addLatin(item, readingNumber);
    }
    m_keys.order(m_order);
    MasterTable &table = language == MasterLanguage::Greek ? m_greek : m_latin;
    table.m_reading = source;
    renew(table.m_entries, n);
    renew(table.m_readingRows, n);
    SourceEntry *out = table.m_entries.data();
    qint32 *rows = table.m_readingRows.data();
    for (qsizetype k = 0; k < n; ++k) {
        const int j = m_order[size_t(k)];
        out[k] = all[size_t(entries[size_t(j)])];
        rows[j] = qint32(k);
    }
}

void MasterTables::clear()
{
    // A table still shared (shown by a view) is let go rather than copied empty.
    for (MasterTable *table : {&m_greek, &m_latin}) {
        renew(table->m_entries, 0);
        renew(table->m_readingRows, 0);
        table->m_reading.reset();
    }
}

} // namespace master
