#include "master/sortkey.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <array>
#include <vector>

namespace master {

namespace {

// Ends the item's part of a key, before the reading number: below every byte an item gives, and
// above the 0 that pads short keys in SortKeys.
constexpr char KeySeparator = '\x01';

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
// other letters (æ, ß, ø, Greek, ...) after z. 0 and KeySeparator are given to no character, so
// an item comes before the longer items it begins.
constexpr uchar LowestWeight = uchar(KeySeparator) + 1;
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
        return c < LowestWeight ? LowestWeight : uchar(c);
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

// The sort letters of the ASCII characters, lower case folded: final sigma (j, v) gives sigma's
// letter, while capital J (koppa) and V (digamma) give none.
constexpr std::array<char, 128> makeGreekByteTable()
{
    std::array<char, 128> t{};
    for (int c = 0; c < 128; ++c) {
        int upper = c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
        t[size_t(c)] = char(SortLetterTable[size_t(upper)]);
    }
    t[size_t('j')] = t[size_t('v')] = char(SigmaLetter);
    t[size_t('J')] = t[size_t('V')] = 0;
    return t;
}
constexpr std::array<char, 128> GreekByteTable = makeGreekByteTable();

// The Latin weights of the first 256 characters (every character a list file can hold but the
// few the code page puts above U+00FF), worked out once.
const std::array<uchar, 256> &latinWeights()
{
    static const std::array<uchar, 256> table = [] {
        std::array<uchar, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[size_t(c)] = latinWeight(char16_t(c));
        return t;
    }();
    return table;
}

// The longest reading number and its separator.
constexpr qsizetype NumberRoom = 12;

qsizetype writeNumber(char *out, int readingNumber, bool latinDigits)
{
    char digits[16];
    int n = 0;
    do {
        digits[n++] = char('0' + readingNumber % 10);
        readingNumber /= 10;
    } while (readingNumber > 0 && n < 11);
    const char zero = latinDigits ? char(DigitBase) : '0';
    char *p = out;
    *p++ = KeySeparator;
    while (n > 0)
        *p++ = char(zero + (digits[--n] - '0'));
    return p - out;
}

// Each writer puts the key at out, which has room for item.size() + NumberRoom bytes, and
// returns its length.
qsizetype writeGreek(char *out, QStringView item, int readingNumber)
{
    char *p = out;
    for (QChar c : item) {
        const char16_t u = c.unicode();
        if (u < 128) {
            *p = GreekByteTable[u];
            p += *p != 0;
        }
    }
    return (p - out) + writeNumber(p, readingNumber, false);
}

qsizetype writeLatin(char *out, QStringView item, int readingNumber)
{
    const std::array<uchar, 256> &weights = latinWeights();
    char *p = out;
    for (QChar c : item) {
        const char16_t u = c.unicode();
        *p++ = char(u < 256 ? weights[u] : latinWeight(u));
    }
    // The number's digits get digit weights, so they compare with the items' own digits.
    return (p - out) + writeNumber(p, readingNumber, true);
}

template <typename Writer>
QByteArray singleKey(Writer write, QStringView item, int readingNumber)
{
    QByteArray key(item.size() + NumberRoom, Qt::Uninitialized);
    key.truncate(write(key.data(), item, readingNumber));
    return key;
}

quint64 bigEndian(const char *bytes)
{
    quint64 v;
    std::memcpy(&v, bytes, 8);
    return qFromBigEndian(v);
}

} // namespace

QByteArray greekSortKey(QStringView item, int readingNumber)
{
    return singleKey(writeGreek, item, readingNumber);
}

QByteArray latinSortKey(QStringView item, int readingNumber)
{
    return singleKey(writeLatin, item, readingNumber);
}

SortKeys::SortKeys(qsizetype expected)
{
    reserve(expected);
}

void SortKeys::clear()
{
    m_used = 0;
    m_entries.clear();
}

void SortKeys::reserve(qsizetype expected)
{
    if (size_t(expected * 16) > m_bytes.size())
        m_bytes.resize(size_t(expected * 16));
    m_entries.reserve(size_t(expected));
}

char *SortKeys::room(qsizetype size)
{
    if (size_t(m_used + size) > m_bytes.size())
        m_bytes.resize(std::max(m_bytes.size() * 2, size_t(m_used + size)));
    return m_bytes.data() + m_used;
}

void SortKeys::addGreek(QStringView item, int readingNumber)
{
    char *key = room(item.size() + NumberRoom);
    finish(key, writeGreek(key, item, readingNumber));
}

void SortKeys::addLatin(QStringView item, int readingNumber)
{
    char *key = room(item.size() + NumberRoom);
    finish(key, writeLatin(key, item, readingNumber));
}

void SortKeys::finish(const char *key, qsizetype length)
{
    char padded[16] = {};
    std::memcpy(padded, key, size_t(std::min<qsizetype>(length, 16)));
    m_entries.push_back({bigEndian(padded), bigEndian(padded + 8), quint32(m_used), quint32(length),
                         quint32(m_entries.size())});
    m_used += length;
}

void SortKeys::order(std::vector<int> &out)
{
    const char *bytes = m_bytes.data();
    // The entries themselves are sorted, so most comparisons read nothing but the two entries.
    std::sort(m_entries.begin(), m_entries.end(), [bytes](const Entry &a, const Entry &b) {
        if (a.prefix0 != b.prefix0)
            return a.prefix0 < b.prefix0;
        if (a.prefix1 != b.prefix1)
            return a.prefix1 < b.prefix1;
        // Equal first 16 bytes (a key shorter than 16 is padded with 0, which no key byte is).
        const quint32 common = std::min(a.length, b.length);
        if (common > 16)
            if (const int c = std::memcmp(bytes + a.offset + 16, bytes + b.offset + 16, common - 16))
                return c < 0;
        return a.length != b.length ? a.length < b.length : a.position < b.position;
    });
    out.resize(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        out[i] = int(m_entries[i].position);
}

QList<int> SortKeys::order()
{
    std::vector<int> positions;
    order(positions);
    return QList<int>(positions.begin(), positions.end());
}

} // namespace master
