#include "master/sourcereading.h"

#include "store/apperror.h"
#include "store/filestamp.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "store/textlines.h"
#include "store/vocablist.h"

#include <QDir>

#include <functional>
#include <limits>

namespace master {

namespace {
QString listPathIn(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? store::listFilePath(name) : QDir(folder).filePath(store::listFilePath(name));
}
} // namespace

bool SourceReading::addList(const QString &name, const QString &text, const store::FileStamp &stamp)
{
    if (text.size() >= std::numeric_limits<qint32>::max())
        throw AppError(QStringLiteral("The list \"%1\" is too large for the Master List.").arg(name));
    const qint32 list = qint32(m_lists.size());
    m_lists.push_back({name, QString(), text, stamp});
    const size_t firstEntry = m_entries.size();
    const bool truncatedBefore = m_truncated;
    if (!addLines(list, text)) {
        // A line lost a CR inside it, so it is no slice of the text: the text is made again of the
        // lines as read, one LF after each, and split once more.
        m_entries.resize(firstEntry);
        m_truncated = truncatedBefore;
        QString lines;
        lines.reserve(text.size());
        store::forEachTextLine(text, [&lines](QStringView line) {
            lines.append(line);
            lines.append(u'\n');
            return true;
        });
        m_lists.back().text = lines;
        addLines(list, m_lists.back().text);
    }
    return !m_truncated;
}

// Splits the lines of text into the language and entries of the list; false when a line is not a
// slice of text.
bool SourceReading::addLines(qint32 list, QStringView text)
{
    const QChar *begin = text.data();
    const QChar *end = begin + text.size();
    const std::less<const QChar *> before;
    bool seenLanguage = false;
    bool sliced = true;
    qsizetype items = 0;
    store::forEachTextLine(text, [&](QStringView line) {
        if (!line.isEmpty() && (before(line.data(), begin) || !before(line.data(), end))) {
            sliced = false;
            return false;
        }
        if (!seenLanguage) {
            m_lists[size_t(list)].language = line.toString();
            seenLanguage = true;
            return true;
        }
        if (items >= store::MaxItems) {
            // A line after the last item a list holds: the file holds more.
            if (m_cutLists.isEmpty() || m_cutLists.last() != m_lists[size_t(list)].name)
                m_cutLists.append(m_lists[size_t(list)].name);
            return false;
        }
        if (m_entries.size() >= size_t(MaxMasterEntries)) {
            m_truncated = true;
            return false;
        }
        ++items;
        if (line.isEmpty()) {
            m_entries.push_back({list, 0, 0, 0});
            return true;
        }
        // The first "zx" splits the line, as store::itemFromLine does.
        qsizetype at = -1;
        for (qsizetype z = line.indexOf(u'z'); z >= 0 && z + 1 < line.size(); z = line.indexOf(u'z', z + 1)) {
            if (line.at(z + 1) == u'x') {
                at = z;
                break;
            }
        }
        const qint32 start = qint32(line.data() - begin);
        if (at < 0)
            m_entries.push_back({list, start, qint32(line.size()), 0});
        else
            m_entries.push_back({list, start, qint32(at), qint32(line.size() - at - 2)});
        return true;
    });
    return sliced;
}

SharedReading readAllLists(const QString &folder)
{
    auto reading = std::make_shared<SourceReading>();
    const store::FoundLists found = store::findLists(folder);
    if (!found.folderProblem.isEmpty())
        throw AppError(found.folderProblem);
    // The lists are read one by one, as they would be opened (as far as a list holds), up to the
    // one that goes past the limit.
    for (const QString &name : found.names) {
        const store::StableRead file = store::readFileStable(listPathIn(folder, name), store::MaxItems + 2);
        if (!reading->addList(name, store::decodeTextFile(file.bytes), file.stamp))
            break;
    }
    return reading;
}

QStringList SourceReading::changedSinceRead(const QString &folder) const
{
    QStringList changed;
    for (const ListReading &list : m_lists)
        if (!store::stillAsStamped(listPathIn(folder, list.name), list.stamp))
            changed.append(list.name);
    return changed;
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

QString changedListsMessage(const QStringList &changed)
{
    const QString which = changed.size() == 1
                              ? QStringLiteral("The list \"%1\" was").arg(changed.first())
                              : QStringLiteral("The lists \"%1\" were").arg(changed.join(QStringLiteral("\", \"")));
    return which + QStringLiteral(" changed on disk (by another program or another machine) since the Master List read "
                                  "it. The Master List shows the lists as it read them; close it and open it again to "
                                  "read them as they are now.");
}

} // namespace master
