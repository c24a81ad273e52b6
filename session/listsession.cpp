#include "session/listsession.h"

#include "session/testdraw.h"
#include "session/wordmatch.h"
#include "store/apperror.h"
#include "store/filestamp.h"
#include "store/listfiles.h"
#include "store/win1252.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/atomicwrite.h"
#include "store/textfile.h"

#include <QFileInfo>
#include <algorithm>

ListSession::ListSession(QObject *parent) : QObject(parent) {}

bool ListSession::hasHeadword(const QString &headword) const
{
    return std::any_of(m_items.cbegin(), m_items.cend(), [&](const VocabItem &item) { return item.Item == headword; });
}

void ListSession::setCurrentItem(int number)
{
    number = std::clamp(number, 0, itemCount());
    if (number == m_current)
        return;
    m_current = number;
    emit currentChanged(m_current);
}

void ListSession::setSaved(bool saved)
{
    if (saved == m_saved)
        return;
    m_saved = saved;
    emit savedChanged(m_saved);
}

void ListSession::setItems(QList<VocabItem> items, int current)
{
    m_items = std::move(items);
    emit itemsChanged();
    m_current = -1; // always report the current item after the items changed
    setCurrentItem(current);
}

ListSession::Opened ListSession::open(const QString &name)
{
    // Everything is read before anything changes: a list that cannot be read or backed up
    // leaves the open list as it was. The backup holds the bytes read.
    const QString listPath = store::listFilePath(name);
    // The list is read no further than a list holds (a file of hundreds of megabytes costs no
    // more than one at the limit); its backup is then copied from the file a piece at a time.
    const store::StableRead listFile = store::readFileStable(listPath, store::MaxItems + 2);
    store::ListContent content = store::parseListBytes(listFile.bytes);
    Opened opened;
    opened.truncated = content.truncated;
    store::ListPairStamps disk{store::existingNotesFilePath(name), listFile.stamp, store::missingFile()};
    std::optional<store::StableRead> notesFile;
    if (QFileInfo::exists(disk.notesPath))
        notesFile = store::readFileStable(disk.notesPath);
    if (listFile.whole)
        store::writeFileAtomic(store::backupPath(listPath), listFile.bytes);
    else
        store::copyFileAtomic(listPath, store::backupPath(listPath));
    if (notesFile) {
        store::writeFileAtomic(store::backupPath(QFileInfo(disk.notesPath).fileName()), notesFile->bytes);
        disk.notes = notesFile->stamp;
        opened.notes = notesFile->bytes;
    }
    m_open = true;
    m_name = name;
    m_language = content.language;
    m_disk = disk;
    m_searchText.clear();
    m_hits.clear();
    m_usedPicks.clear();
    const int first = content.items.isEmpty() ? 0 : 1;
    setItems(std::move(content.items), first);
    setSaved(true);
    return opened;
}

void ListSession::close()
{
    m_open = false;
    m_name.clear();
    m_language.clear();
    m_searchText.clear();
    m_hits.clear();
    m_usedPicks.clear();
    m_disk = {};
    setItems({}, 0);
    setSaved(true);
}

void ListSession::checkEncodable() const
{
    // A character the file cannot hold would be written as "?": nothing is saved until it is changed.
    for (const VocabItem &item : std::as_const(m_items)) {
        if (store::unencodableCharacters(item.Item).isEmpty() && store::unencodableCharacters(item.Description).isEmpty())
            continue; // no text is put together for the items that pass
        const QString bad = store::unencodableCharacters(item.Item + item.Description);
        QStringList shown;
        for (const uint code : bad.toUcs4())
            shown << QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
        throw AppError(QStringLiteral("The item \"%1\" holds characters that a list file cannot hold: %2. "
                                      "The list was not saved; change them and save again")
                           .arg(item.Item, shown.join(u' ')));
    }
}

void ListSession::save(const QByteArray &notesBytes)
{
    checkEncodable();
    m_disk = store::writeListPair(m_name, m_language, m_items, notesBytes);
    setSaved(true);
}

void ListSession::saveAs(const QString &name, const QString &language, const QByteArray &notesBytes)
{
    checkEncodable();
    m_disk = store::writeListPair(name, language, m_items, notesBytes);
    m_open = true;
    m_name = name;
    m_language = language;
    setSaved(true);
}

void ListSession::create(const QString &name, const QString &language, const QByteArray &notesBytes)
{
    m_disk = store::writeListPair(name, language, {}, notesBytes);
    m_open = true;
    m_name = name;
    m_language = language;
    m_searchText.clear();
    m_hits.clear();
    m_usedPicks.clear();
    setItems({}, 0);
    setSaved(true);
}

EntryRefusal ListSession::checkEntry(const QString &headword, const QString &description)
{
    if (store::cutAtLineBreak(headword).size() < 2 || store::cutAtLineBreak(description).size() < 2)
        return EntryRefusal::TooShort;
    return EntryRefusal::None;
}

EntryRefusal ListSession::checkAdd(const QString &headword, const QString &description) const
{
    if (const EntryRefusal refusal = checkEntry(headword, description); refusal != EntryRefusal::None)
        return refusal;
    return itemCount() >= store::MaxItems ? EntryRefusal::ListFull : EntryRefusal::None;
}

EntryRefusal ListSession::replaceCurrent(const QString &headword, const QString &description)
{
    if (const EntryRefusal refusal = checkEntry(headword, description); refusal != EntryRefusal::None)
        return refusal;
    if (!current())
        return EntryRefusal::None;
    m_items[m_current - 1] = VocabItem{store::cutAtLineBreak(headword), store::cutAtLineBreak(description)};
    emit itemsChanged();
    return EntryRefusal::None;
}

EntryRefusal ListSession::addAfterCurrent(const QString &headword, const QString &description)
{
    if (const EntryRefusal refusal = checkAdd(headword, description); refusal != EntryRefusal::None)
        return refusal;
    QList<VocabItem> items = m_items;
    items.insert(m_current, VocabItem{store::cutAtLineBreak(headword), store::cutAtLineBreak(description)});
    setItems(std::move(items), m_current + 1);
    setSaved(false);
    return EntryRefusal::None;
}

void ListSession::removeCurrent()
{
    if (!current())
        return;
    QList<VocabItem> items = m_items;
    items.removeAt(m_current - 1);
    const int current = std::min(m_current, int(items.size()));
    m_usedPicks.clear();
    setItems(std::move(items), current);
    setSaved(false);
}

void ListSession::moveCurrent(int offset)
{
    const int other = m_current + offset;
    if (!current() || other < 1 || other > itemCount())
        return;
    m_items.swapItemsAt(m_current - 1, other - 1);
    emit itemsChanged();
    setCurrentItem(other);
    setSaved(false);
}

int ListSession::search(const QString &text, bool wholeWord)
{
    m_searchText = text;
    m_hits.clear();
    const DescriptionMatcher matcher(text, wholeWord);
    for (int k = 1; k <= itemCount(); ++k)
        if (matcher.matches(m_items.at(k - 1).Description))
            m_hits.append(k);
    return hitCount();
}

void ListSession::clearSearch() { m_hits.clear(); }

int ListSession::drawTestItem(const std::function<int(int)> &randomBelow)
{
    const int r = ::drawTestItem(m_usedPicks, itemCount(), randomBelow);
    if (r > 0)
        setCurrentItem(r);
    return r;
}
