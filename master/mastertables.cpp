#include "master/mastertables.h"

#include "master/sortkey.h"
#include "store/apperror.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "store/textlines.h"
#include "store/vocablist.h"

#include <QDir>

namespace master {

namespace {

// The number of items store::readListFile gives for text: every line after the language, up to
// store::MaxItems.
qsizetype itemCount(QStringView text)
{
    const qsizetype lines = text.count(u'\n') + (!text.isEmpty() && !text.endsWith(u'\n') ? 1 : 0);
    return qBound(qsizetype(0), lines - 1, qsizetype(store::MaxItems));
}

} // namespace

SourceReading readAllLists(const QString &folder)
{
    SourceReading reading;
    reading.truncated = readAllListsInto(reading.entries, folder, &reading.cutLists);
    return reading;
}

bool readAllListsInto(QList<SourceEntry> &entries, const QString &folder, QStringList *cutLists)
{
    entries.clear();
    if (cutLists)
        cutLists->clear();
    bool truncated = false;
    const store::FoundLists found = store::findLists(folder);
    if (!found.folderProblem.isEmpty())
        throw AppError(found.folderProblem);
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    // All files first, so the table is allocated once; the same files are read as the lists
    // would be one by one, up to the one that goes past the limit.
    QList<QString> texts;
    texts.reserve(found.names.size());
    qsizetype total = 0;
    for (const QString &name : found.names) {
        const QString path = folder.isEmpty() ? store::listFilePath(name) : dir.filePath(store::listFilePath(name));
        texts.append(store::readListText(path));
        total += itemCount(texts.last());
        if (total > MaxMasterEntries)
            break;
    }
    entries.reserve(qMin<qsizetype>(total, MaxMasterEntries));
    // Each line split as store::itemFromLine does, straight into the table.
    for (qsizetype l = 0; l < texts.size(); ++l) {
        const QString &name = found.names.at(l);
        QString language;
        bool seenLanguage = false;
        qsizetype items = 0;
        store::forEachTextLine(texts.at(l), [&](QStringView line) {
            if (!seenLanguage) {
                language = line.toString();
                seenLanguage = true;
                return true;
            }
            if (items >= store::MaxItems) {
                if (cutLists) // a line after the last item a list holds: the file holds more
                    cutLists->append(name);
                return false;
            }
            if (entries.size() >= MaxMasterEntries) {
                truncated = true;
                return false;
            }
            ++items;
            qsizetype at = -1;
            for (qsizetype z = line.indexOf(u'z'); z >= 0 && z + 1 < line.size(); z = line.indexOf(u'z', z + 1)) {
                if (line.at(z + 1) == u'x') {
                    at = z;
                    break;
                }
            }
            if (at < 0)
                entries.append({name, language, line.toString(), QString()});
            else
                entries.append({name, language, line.first(at).toString(), line.sliced(at + 2).toString()});
            return true;
        });
        if (truncated)
            break;
    }
    return truncated;
}

QString cutListsMessage(const QStringList &cutLists)
{
    if (cutLists.size() == 1)
        return QStringLiteral("The list \"%1\" holds more than %2 items. The Master List shows its first %2.")
            .arg(cutLists.first())
            .arg(store::MaxItems);
    return QStringLiteral("The lists \"%1\" hold more than %2 items each. The Master List shows the first %2 of each.")
        .arg(cutLists.join(QStringLiteral("\", \"")))
        .arg(store::MaxItems);
}

MasterLanguage languageOf(const QString &languageLine)
{
    return languageLine == QLatin1String("Greek") ? MasterLanguage::Greek : MasterLanguage::Latin;
}

void MasterTables::build(const QList<SourceEntry> &source)
{
    // The entries of each language in reading order; an entry's place here is its reading number.
    m_greekSource.clear();
    m_latinSource.clear();
    m_greekSource.reserve(size_t(source.size()));
    m_latinSource.reserve(size_t(source.size()));
    for (qsizetype k = 0; k < source.size(); ++k)
        (languageOf(source.at(k).Language) == MasterLanguage::Greek ? m_greekSource : m_latinSource).push_back(int(k));
    buildLanguage(source, m_greekSource, MasterLanguage::Greek);
    buildLanguage(source, m_latinSource, MasterLanguage::Latin);
}

void MasterTables::buildLanguage(const QList<SourceEntry> &source, const std::vector<int> &entries,
                                 MasterLanguage language)
{
    const qsizetype n = qsizetype(entries.size());
    m_keys.clear();
    m_keys.reserve(n);
    for (qsizetype j = 0; j < n; ++j) {
        const QString &item = source.at(entries[size_t(j)]).Item;
        const int readingNumber = int(j) + 1;
        if (language == MasterLanguage::Greek)
            m_keys.addGreek(item, readingNumber);
        else
            m_keys.addLatin(item, readingNumber);
    }
    m_keys.order(m_order);
    // Each entry's place in the master list; the source is then walked in reading order, so the
    // strings are shared in the order they were made rather than jumping about in memory.
    m_rank.resize(size_t(n));
    for (qsizetype k = 0; k < n; ++k)
        m_rank[size_t(m_order[size_t(k)])] = int(k);
    QList<MasterEntry> &master = language == MasterLanguage::Greek ? m_greek : m_latin;
    if (master.isDetached())
        master.clear(); // the memory stays for the new entries
    else
        master = QList<MasterEntry>();
    master.resize(n);
    MasterEntry *out = master.data();
    for (qsizetype j = 0; j < n; ++j) {
        const SourceEntry &e = source.at(entries[size_t(j)]);
        MasterEntry &m = out[m_rank[size_t(j)]];
        m.ListName = e.ListName;
        m.Item = e.Item;
        m.Description = e.Description;
    }
}

void MasterTables::clear()
{
    // A table still shared (shown by a view) is let go rather than copied empty.
    for (QList<MasterEntry> *table : {&m_greek, &m_latin}) {
        if (table->isDetached())
            table->clear();
        else
            *table = QList<MasterEntry>();
    }
}

} // namespace master
