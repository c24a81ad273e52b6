#include "master/sortkey.h"

#include <algorithm>
#include <cstring>
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

// One-byte weights of Latin keys: everything that is not a digit or a letter below the digits,
// digits below letters, capital letters on small ones, accented letters on their base letters,
// other letters (æ, ß, ø, Greek, ...) after z. 0 is kept for nothing, so a shorter key comes first.
constexpr uchar DigitBase = 0x80;
constexpr uchar LetterBase = 0x90;
constexpr uchar OtherLetter = 0xB0;

uchar latinWeight(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return uchar(LetterBase + (c - u'a'));
    if (c >= u'A' && c <= u'Z')
        return uchar(LetterBase + (c - u'A'));
    if (c >= u'0' && c <= u'9')
        return uchar(DigitBase + (c - u'0'));
    if (c < 0x80)
        return c == 0 ? 1 : uchar(c);
    const QChar ch(c);
    if (!ch.isLetterOrNumber())
        return 0x7F; // non-ASCII spaces and punctuation, among the marks
    if (ch.decompositionTag() == QChar::Canonical) {
        const QString d = ch.decomposition();
        const char16_t base = d.isEmpty() ? 0 : d.at(0).unicode();
        if (base < 0x80 && ((base | 0x20) >= u'a' && (base | 0x20) <= u'z'))
            return latinWeight(base);
    }
    return OtherLetter;
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

namespace {

void appendNumber(QByteArray &key, int readingNumber, bool latinDigits)
{
    char digits[16];
    int n = 0;
    do {
        digits[n++] = char('0' + readingNumber % 10);
        readingNumber /= 10;
    } while (readingNumber > 0 && n < 16);
    key.append('#');
    while (n > 0) {
        const char d = digits[--n];
        key.append(latinDigits ? char(latinWeight(char16_t(d))) : d);
    }
}

void appendGreek(QByteArray &key, QStringView item, int readingNumber)
{
    for (QChar c : item)
        if (const char16_t s = greekSortLetter(c))
            key.append(char(s));
    appendNumber(key, readingNumber, false);
}

void appendLatin(QByteArray &key, QStringView item, int readingNumber)
{
    for (QChar c : item)
        key.append(char(latinWeight(c.unicode())));
    // The number's digits get digit weights, so they compare with the items' own digits.
    appendNumber(key, readingNumber, true);
}

} // namespace

QByteArray greekSortKey(QStringView item, int readingNumber)
{
    QByteArray key;
    appendGreek(key, item, readingNumber);
    return key;
}

QByteArray latinSortKey(QStringView item, int readingNumber)
{
    QByteArray key;
    appendLatin(key, item, readingNumber);
    return key;
}

bool keyLess(const QByteArray &a, const QByteArray &b)
{
    return a < b; // bytes compared unsigned, a shorter key before its extensions
}

SortKeys::SortKeys(qsizetype expected)
{
    m_bytes.reserve(expected * 16);
    m_entries.reserve(size_t(expected));
}

void SortKeys::addGreek(QStringView item, int readingNumber)
{
    const qsizetype start = m_bytes.size();
    appendGreek(m_bytes, item, readingNumber);
    finish(start);
}

void SortKeys::addLatin(QStringView item, int readingNumber)
{
    const qsizetype start = m_bytes.size();
    appendLatin(m_bytes, item, readingNumber);
    finish(start);
}

void SortKeys::finish(qsizetype start)
{
    const qsizetype length = m_bytes.size() - start;
    quint64 prefix = 0;
    for (qsizetype j = 0; j < 8; ++j)
        prefix = (prefix << 8) | (j < length ? uchar(m_bytes.at(start + j)) : 0u);
    m_entries.push_back({prefix, quint32(start), quint32(length)});
}

QList<int> SortKeys::order() const
{
    std::vector<int> positions(m_entries.size());
    for (size_t i = 0; i < positions.size(); ++i)
        positions[i] = int(i);
    const char *bytes = m_bytes.constData();
    std::sort(positions.begin(), positions.end(), [this, bytes](int ia, int ib) {
        const Entry &a = m_entries[size_t(ia)];
        const Entry &b = m_entries[size_t(ib)];
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        // Equal first 8 bytes (a key shorter than 8 is padded with 0, which no weight uses).
        const quint32 common = std::min(a.length, b.length);
        if (common > 8)
            if (const int c = std::memcmp(bytes + a.offset + 8, bytes + b.offset + 8, common - 8))
                return c < 0;
        return a.length != b.length ? a.length < b.length : ia < ib;
    });
    return QList<int>(positions.begin(), positions.end());
}

} // namespace master
