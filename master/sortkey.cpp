#include "master/sortkey.h"

#include <algorithm>
#include <array>
#include <vector>

namespace master {

namespace {

// The capital Greek letters of the SPIonic keys and the sort letters they give (final sigma,
// koppa and digamma are dealt with apart).
constexpr std::array<char16_t, 128> makeSortLetterTable()
{
    std::array<char16_t, 128> t{};
    const char *from = "ABGDEZHQIKLMNCOPRSTUFXYW";
    const char *to = "ABCDEFGHIJKLMNOPQRSTUVWX";
    for (int i = 0; from[i]; ++i)
        t[size_t(from[i])] = char16_t(to[i]);
    return t;
}
constexpr std::array<char16_t, 128> SortLetterTable = makeSortLetterTable();
constexpr char16_t SigmaLetter = u'R';

// Weights of Latin keys. Everything that is not a digit or a letter keeps a weight below the
// digits; digits and letters are moved above every punctuation mark and every character of the
// code page, capital letters onto small ones, accented letters onto their base letters.
constexpr char16_t DigitBase = 0x0100;
constexpr char16_t LetterBase = 0x0200;
constexpr char16_t OtherLetter = 0x0300; // letters without an ASCII base letter (æ, ß, ø, ...)

char16_t latinWeight(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return char16_t(LetterBase + (c - u'a'));
    if (c >= u'A' && c <= u'Z')
        return char16_t(LetterBase + (c - u'A'));
    if (c >= u'0' && c <= u'9')
        return char16_t(DigitBase + (c - u'0'));
    if (c < 0x80)
        return c;
    const QChar ch(c);
    if (!ch.isLetterOrNumber())
        return char16_t(0x80 + (c & 0x7F)); // non-ASCII punctuation and spaces: among the marks
    if (ch.decompositionTag() == QChar::Canonical) {
        const QString d = ch.decomposition();
        const char16_t base = d.isEmpty() ? 0 : d.at(0).unicode();
        if (base < 0x80 && ((base | 0x20) >= u'a' && (base | 0x20) <= u'z'))
            return latinWeight(base);
    }
    return c > OtherLetter ? c : OtherLetter;
}

void appendReadingNumber(QString &key, int readingNumber)
{
    key.append(u'#');
    key.append(QString::number(readingNumber));
}

} // namespace

char16_t greekSortLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'j' || u == u'v')
        return SigmaLetter; // final sigma; upper-cased, j would become the koppa key
    if (u == u'J' || u == u'V')
        return 0; // koppa and digamma have no place in the alphabetical order
    if (u >= u'a' && u <= u'z')
        return SortLetterTable[u - (u'a' - u'A')];
    if (u < 128)
        return SortLetterTable[u];
    return 0;
}

QString greekSortLetters(QStringView item)
{
    QString letters;
    letters.reserve(item.size());
    for (QChar c : item)
        if (const char16_t s = greekSortLetter(c))
            letters.append(QChar(s));
    return letters;
}

QString greekSortKey(QStringView item, int readingNumber)
{
    QString key = greekSortLetters(item);
    appendReadingNumber(key, readingNumber);
    return key;
}

QString latinSortKey(QStringView item, int readingNumber)
{
    QString key(item.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(key.data());
    for (qsizetype i = 0; i < item.size(); ++i)
        out[i] = latinWeight(item.at(i).unicode());
    // The number's digits get digit weights, so they compare with the items' own digits.
    const QString number = QString::number(readingNumber);
    key.reserve(key.size() + 1 + number.size());
    key.append(u'#');
    for (QChar d : number)
        key.append(QChar(latinWeight(d.unicode())));
    return key;
}

bool keyLess(const QString &a, const QString &b)
{
    return QStringView(a).compare(QStringView(b), Qt::CaseSensitive) < 0;
}

QList<int> sortedOrder(const QList<QString> &keys)
{
    // The first four units of each key, packed, settle most comparisons without touching the
    // strings; a missing unit packs as 0, which keeps a shorter key before its extensions.
    struct Entry {
        quint64 prefix;
        int index;
    };
    std::vector<Entry> entries(size_t(keys.size()));
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString &k = keys.at(i);
        quint64 p = 0;
        for (qsizetype j = 0; j < 4; ++j)
            p = (p << 16) | (j < k.size() ? k.at(j).unicode() : 0u);
        entries[size_t(i)] = {p, int(i)};
    }
    std::sort(entries.begin(), entries.end(), [&keys](const Entry &a, const Entry &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int c = QStringView(keys.at(a.index)).compare(QStringView(keys.at(b.index)));
        return c != 0 ? c < 0 : a.index < b.index;
    });
    QList<int> order;
    order.reserve(keys.size());
    for (const Entry &e : entries)
        order.append(e.index);
    return order;
}

} // namespace master
