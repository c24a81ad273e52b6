#include "master/sourcereading.h"

#include "store/apperror.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "store/textlines.h"
#include "store/vocablist.h"

#include <QDir>

#include <functional>
#include <limits>

namespace master {

bool SourceReading::addList(const QString &name, const QString &text)
{
    if (text.size() >= std::numeric_limits<qint32>::max())
        throw AppError(QStringLiteral("The list \"%1\" is too large for the Master List.").arg(name));
    const qint32 list = qint32(m_lists.size());
    m_lists.push_back({name, QString(), text});
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
        if (items >= store::MaxItems)
            return false;
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
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    // The lists are read one by one, as they would be opened, up to the one that goes past the
    // limit.
    for (const QString &name : found.names) {
        const QString path = folder.isEmpty() ? store::listFilePath(name) : dir.filePath(store::listFilePath(name));
        if (!reading->addList(name, store::decodeTextFile(store::readFileBytes(path))))
            break;
    }
    return reading;
}

} // namespace master
