#include "store/spionic.h"

#include <QChar>
#include <QList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace store {

namespace {

// The marks a Greek letter can carry, as bits.
enum : std::uint16_t {
    Smooth = 1 << 0,
    Rough = 1 << 1,
    Acute = 1 << 2,
    Grave = 1 << 3,
    Circumflex = 1 << 4,
    Diaeresis = 1 << 5,
    Macron = 1 << 6,
    Overline = 1 << 7,
    DotBelow = 1 << 8,
    IotaSub = 1 << 9,
};
constexpr std::uint16_t Breathings = Smooth | Rough;
constexpr std::uint16_t Accents = Acute | Grave | Circumflex;
// The marks typed before a capital vowel or rho; the others follow it.
constexpr std::uint16_t BeforeCapital = Breathings | Accents;

// Combining characters of the marks, in the order they are written after a letter. All but the
// dot below (220) and the iota subscript (240) have combining class 230, so NFC keeps this order.
struct CombiningMark {
    std::uint16_t bit;
    char16_t ch;
};
constexpr std::array<CombiningMark, 10> combiningMarks{{
    {Macron, 0x0304},
    {Overline, 0x0305},
    {Smooth, 0x0313},
    {Rough, 0x0314},
    {Diaeresis, 0x0308},
    {Acute, 0x0301},
    {Grave, 0x0300},
    {Circumflex, 0x0342},
    {DotBelow, 0x0323},
    {IotaSub, 0x0345},
}};

int rankOf(char16_t mark)
{
    for (int i = 0; i < int(combiningMarks.size()); ++i) {
        if (combiningMarks[i].ch == mark)
            return i;
    }
    return int(combiningMarks.size());
}

std::uint16_t bitOfCombining(char32_t c)
{
    for (const CombiningMark &m : combiningMarks) {
        if (m.ch == c)
            return m.bit;
    }
    return 0;
}

// Adds b to a; false when a letter would get a mark twice or two breathings or two accents.
bool addMarks(std::uint16_t &a, std::uint16_t b)
{
    if ((a & b) || ((a & Breathings) && (b & Breathings)) || ((a & Accents) && (b & Accents)))
        return false;
    a |= b;
    return true;
}

// ---- Keys ----

// Letter keys and the Greek letter each one stands for.
constexpr std::array<char16_t, 128> letterFor = [] {
    std::array<char16_t, 128> t{};
    const char16_t lower[] = u"αβξδεφγηιςκλμνοπθρστυςωχψζ";
    const char16_t upper[] = u"ΑΒΞΔΕΦΓΗΙϙΚΛΜΝΟΠΘΡΣΤΥϜΩΧΨΖ";
    for (int k = 0; k < 26; ++k) {
        t['a' + k] = lower[k];
        t['A' + k] = upper[k];
    }
    t['`'] = 0x03E1; // sampi
    return t;
}();

// Mark keys and the marks each one types; narrow and wide keys type the same.
constexpr std::array<std::uint16_t, 128> marksOfKey = [] {
    std::array<std::uint16_t, 128> t{};
    const std::pair<char, std::uint16_t> keys[] = {
        {'0', Smooth}, {')', Smooth}, {'9', Rough}, {'(', Rough},
        {'/', Acute}, {'&', Acute}, {'\\', Grave}, {'_', Grave}, {'=', Circumflex}, {'~', Circumflex},
        {'1', Smooth | Acute}, {'!', Smooth | Acute}, {'2', Smooth | Grave}, {'@', Smooth | Grave},
        {']', Smooth | Circumflex}, {'}', Smooth | Circumflex},
        {'3', Rough | Acute}, {'#', Rough | Acute}, {'4', Rough | Grave}, {'$', Rough | Grave},
        {'[', Rough | Circumflex}, {'{', Rough | Circumflex},
        {'+', Diaeresis}, {'"', Diaeresis}, {'5', Diaeresis | Acute}, {'%', Diaeresis | Acute},
        {'6', Diaeresis | Grave}, {'^', Diaeresis | Grave},
        {'<', Macron}, {'>', Macron}, {'8', Overline}, {'?', DotBelow}, {'|', IotaSub},
    };
    for (const auto &[key, marks] : keys)
        t[std::size_t(key)] = marks;
    return t;
}();

bool isLetterKey(char16_t c)
{
    return c < 128 && letterFor[c] != 0;
}

bool isMarkKey(char16_t c)
{
    return c < 128 && marksOfKey[c] != 0;
}

// Capitals whose breathing and accent are typed before them.
bool takesMarksBefore(char16_t key)
{
    switch (key) {
    case 'A': case 'E': case 'H': case 'I': case 'O': case 'U': case 'W': case 'R':
        return true;
    default:
        return false;
    }
}

// The letters whose marks take the narrow keys; "7" carries stand-alone marks with them too.
bool takesNarrowMarks(char key)
{
    return key == 'i' || key == 'u' || key == 'e' || key == 'I' || key == '7';
}

// Breathing (none, smooth, rough) by accent (none, acute, grave, circumflex).
constexpr char narrowKeys[3][4] = {{0, '/', '\\', '='}, {'0', '1', '2', ']'}, {'9', '3', '4', '['}};
constexpr char wideKeys[3][4] = {{0, '&', '_', '~'}, {')', '!', '@', '}'}, {'(', '#', '$', '{'}};

void appendMarkKeys(QString &out, std::uint16_t marks, bool narrow)
{
    if (marks & Macron)
        out += QLatin1Char(narrow ? '<' : '>');
    if (marks & Overline)
        out += QLatin1Char('8');
    const int b = (marks & Smooth) ? 1 : (marks & Rough) ? 2 : 0;
    const int a = (marks & Acute) ? 1 : (marks & Grave) ? 2 : (marks & Circumflex) ? 3 : 0;
    const char diaeresis = narrow ? '+' : '"';
    if ((marks & Diaeresis) && b == 0 && (a == 1 || a == 2)) {
        out += QLatin1Char(a == 1 ? (narrow ? '5' : '%') : (narrow ? '6' : '^'));
    } else {
        if (marks & Diaeresis)
            out += QLatin1Char(diaeresis);
        if (const char key = (narrow ? narrowKeys : wideKeys)[b][a])
            out += QLatin1Char(key);
    }
    if (marks & DotBelow)
        out += QLatin1Char('?');
    if (marks & IotaSub)
        out += QLatin1Char('|');
}

// ---- Unicode characters the conversion knows ----

enum class Kind : std::uint8_t {
    None,    // left as it is
    Letter,  // a letter key with the marks of a precomposed letter
    Mark,    // a combining mark, taken by the letter before it
    Spacing, // a breathing or accent standing alone (᾿ ῾ ´ ...)
    Sign,    // punctuation with a key of its own
    Carrier, // the non-breaking space: key "7", may carry marks
};

struct Entry {
    Kind kind = Kind::None;
    char key = 0;
    std::uint16_t marks = 0;
};

class Table {
public:
    Table()
    {
        std::array<char, 0x400> letterKey{}; // Greek letter -> key
        for (int k = 0; k < 128; ++k) {
            if (letterFor[k] != 0 && k != 'v') // "j" is the final sigma written
                letterKey[letterFor[k]] = char(k);
        }
        // Other forms of letters the keys have.
        const std::pair<char16_t, char> variants[] = {
            {0x03D8, 'J'}, {0x03D0, 'b'}, {0x03D1, 'q'}, {0x03D5, 'f'}, {0x03D6, 'p'},
            {0x03F0, 'k'}, {0x03F1, 'r'}, {0x03F5, 'e'}, {0x03F4, 'Q'},
        };
        for (const auto &[ch, key] : variants)
            letterKey[ch] = key;

        for (char32_t c = 0x00A0; c < 0x0400; ++c)
            m_low[c - 0x00A0] = fromDecomposition(c, letterKey);
        for (char32_t c = 0x1F00; c < 0x2000; ++c)
            m_extended[c - 0x1F00] = fromDecomposition(c, letterKey);

        const std::pair<char16_t, std::uint16_t> spacing[] = {
            {0x1FBD, Smooth}, {0x1FBF, Smooth}, {0x1FFE, Rough}, {0x1FFD, Acute}, {0x0384, Acute},
            {0x1FEF, Grave}, {0x1FC0, Circumflex}, {0x1FCE, Smooth | Acute}, {0x1FCD, Smooth | Grave},
            {0x1FCF, Smooth | Circumflex}, {0x1FDE, Rough | Acute}, {0x1FDD, Rough | Grave},
            {0x1FDF, Rough | Circumflex}, {0x1FEE, Diaeresis | Acute}, {0x0385, Diaeresis | Acute},
            {0x1FED, Diaeresis | Grave}, {0x1FC1, Diaeresis | Circumflex}, {0x037A, IotaSub},
        };
        for (const auto &[ch, marks] : spacing)
            *slot(ch) = Entry{Kind::Spacing, 0, marks};
        *slot(0x0387) = Entry{Kind::Sign, ':', 0}; // ano teleia
        *slot(0x00B7) = Entry{Kind::Sign, ':', 0}; // the same after NFC
        *slot(0x037E) = Entry{Kind::Sign, ';', 0}; // Greek question mark
        *slot(0x02BC) = Entry{Kind::Sign, '\'', 0};
        *slot(0x00A0) = Entry{Kind::Carrier, '7', 0};
        m_apostrophe = Entry{Kind::Sign, '\'', 0};
        m_dash = Entry{Kind::Sign, '-', 0};
    }

    const Entry *find(char16_t c) const
    {
        if (c >= 0x00A0 && c < 0x0400)
            return &m_low[c - 0x00A0];
        if (c >= 0x1F00 && c < 0x2000)
            return &m_extended[c - 0x1F00];
        if (c == 0x2019)
            return &m_apostrophe;
        if (c == 0x2013)
            return &m_dash;
        return nullptr;
    }

private:
    Entry *slot(char16_t c) { return const_cast<Entry *>(find(c)); }

    static void decompose(char32_t c, std::u32string &out)
    {
        if (QChar::decompositionTag(c) != QChar::Canonical) {
            out += c;
            return;
        }
        for (char32_t part : QChar::decomposition(c).toUcs4())
            decompose(part, out);
    }

    static Entry fromDecomposition(char32_t c, const std::array<char, 0x400> &letterKey)
    {
        std::u32string parts;
        decompose(c, parts);
        Entry e;
        std::size_t first = 0;
        if (parts[0] < 0x400 && letterKey[parts[0]] != 0) {
            e = Entry{Kind::Letter, letterKey[parts[0]], 0};
            first = 1;
        } else if (bitOfCombining(parts[0]) != 0) {
            e.kind = Kind::Mark;
        } else {
            return Entry{};
        }
        for (std::size_t i = first; i < parts.size(); ++i) {
            const std::uint16_t bit = bitOfCombining(parts[i]);
            if (bit == 0 || !addMarks(e.marks, bit))
                return Entry{};
        }
        return e;
    }

    std::array<Entry, 0x0400 - 0x00A0> m_low{};
    std::array<Entry, 0x100> m_extended{};
    Entry m_apostrophe;
    Entry m_dash;
};

const Entry *entryFor(char16_t c)
{
    if (c < 0xA0)
        return nullptr;
    static const Table table;
    const Entry *e = table.find(c);
    return e && e->kind != Kind::None ? e : nullptr;
}

// A letter (or the non-breaking space) with the combining marks that follow it.
struct Cluster {
    char key;
    std::uint16_t marks;
    qsizetype end;
    bool expressible;
};

Cluster readCluster(QStringView text, qsizetype at, const Entry &e)
{
    Cluster c{e.key, e.marks, at + 1, true};
    while (c.end < text.size() && QChar::isMark(text[c.end].unicode())) {
        const Entry *m = entryFor(text[c.end].unicode());
        if (!m || m->kind != Kind::Mark || !addMarks(c.marks, m->marks))
            c.expressible = false;
        ++c.end;
    }
    return c;
}

void appendLetter(QString &out, char key, std::uint16_t marks)
{
    const std::uint16_t before = marks & BeforeCapital;
    if (!takesMarksBefore(char16_t(key)) || before == 0) {
        out += QLatin1Char(key);
        appendMarkKeys(out, marks, takesNarrowMarks(key));
        return;
    }
    // Marks right after a letter (or after "7") would belong to it: stand them on a "7".
    const char16_t last = out.isEmpty() ? u' ' : out.back().unicode();
    const bool inWord = isLetterKey(last) || isMarkKey(last) || last == u'7';
    if (inWord)
        out += QLatin1Char('7');
    if (before == Smooth && !inWord && key != 'R')
        out += QLatin1Char('\'');
    else
        appendMarkKeys(out, before, true);
    out += QLatin1Char(key);
    appendMarkKeys(out, marks & ~BeforeCapital, takesNarrowMarks(key));
}

// ---- Decoding ----

struct MarkRun {
    QVarLengthArray<char16_t, 8> marks;

    void add(std::uint16_t bits)
    {
        for (const CombiningMark &m : combiningMarks) {
            if (bits & m.bit)
                marks.append(m.ch);
        }
    }
    void addKeys(QStringView keys)
    {
        for (QChar k : keys)
            add(marksOfKey[k.unicode()]);
    }
};

void appendDecoded(QString &out, char16_t base, MarkRun &run)
{
    out += QChar(base);
    std::stable_sort(run.marks.begin(), run.marks.end(),
                     [](char16_t a, char16_t b) { return rankOf(a) < rankOf(b); });
    for (char16_t m : run.marks)
        out += QChar(m);
}

char16_t signFor(char16_t key)
{
    switch (key) {
    case ':': return 0x0387;
    case ';': return 0x037E;
    case '-': return 0x2013;
    default: return key;
    }
}

} // namespace

QString unicodeToSpionic(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const Entry *e = entryFor(text[i].unicode());
        if (!e || e->kind == Kind::Mark) { // a mark on something else than Greek stays as it is
            out += text[i++];
            continue;
        }
        switch (e->kind) {
        case Kind::Sign:
            out += QLatin1Char(e->key);
            ++i;
            break;
        case Kind::Letter:
        case Kind::Carrier: {
            const Cluster c = readCluster(text, i, *e);
            if (!c.expressible) {
                out += text.sliced(i, c.end - i);
            } else if (e->kind == Kind::Carrier) {
                out += QLatin1Char('7');
                appendMarkKeys(out, c.marks, true);
            } else {
                appendLetter(out, c.key, c.marks);
            }
            i = c.end;
            break;
        }
        case Kind::Spacing: {
            // "᾿Α" is Ἀ typed without a combining mark: the breathing joins the capital.
            const Entry *next = i + 1 < n ? entryFor(text[i + 1].unicode()) : nullptr;
            if (next && next->kind == Kind::Letter && takesMarksBefore(char16_t(next->key))
                && (e->marks & ~BeforeCapital) == 0) {
                Cluster c = readCluster(text, i + 1, *next);
                if (c.expressible && addMarks(c.marks, e->marks)) {
                    appendLetter(out, c.key, c.marks);
                    i = c.end;
                    break;
                }
            }
            if (e->marks == Smooth) { // ᾿ and ᾽ stand for the apostrophe as often as not
                out += QLatin1Char('\'');
            } else {
                out += QLatin1Char('7');
                appendMarkKeys(out, e->marks, true);
            }
            ++i;
            break;
        }
        case Kind::None:
        case Kind::Mark:
            break;
        }
    }
    return out;
}

QString spionicToUnicode(QStringView spionic)
{
    const QStringView s = spionic;
    const qsizetype n = s.size();
    const auto runEnd = [&](qsizetype j) {
        while (j < n && isMarkKey(s[j].unicode()))
            ++j;
        return j;
    };
    QString out;
    out.reserve(n * 2);
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = s[i].unicode();
        MarkRun run;
        if (isLetterKey(c)) {
            const qsizetype end = runEnd(i + 1);
            run.addKeys(s.sliced(i + 1, end - i - 1));
            appendDecoded(out, letterFor[c], run);
            i = end;
        } else if (c == u'7' || isMarkKey(c)) {
            // Marks with no letter before them belong to the capital after them, if any; the
            // "7" they stood on goes. Otherwise they stay on a non-breaking space.
            const qsizetype from = c == u'7' ? i + 1 : i;
            const qsizetype end = runEnd(from);
            run.addKeys(s.sliced(from, end - from));
            if (end > from && end < n && takesMarksBefore(s[end].unicode())) {
                const qsizetype after = runEnd(end + 1);
                run.addKeys(s.sliced(end + 1, after - end - 1));
                appendDecoded(out, letterFor[s[end].unicode()], run);
                i = after;
            } else {
                appendDecoded(out, 0x00A0, run);
                i = end;
            }
        } else if (c == u'\'') {
            const bool wordStart = i == 0 || !(isLetterKey(s[i - 1].unicode()) || isMarkKey(s[i - 1].unicode()));
            const char16_t next = i + 1 < n ? s[i + 1].unicode() : 0;
            if (wordStart && takesMarksBefore(next) && next != u'R') {
                const qsizetype after = runEnd(i + 2);
                run.add(Smooth);
                run.addKeys(s.sliced(i + 2, after - i - 2));
                appendDecoded(out, letterFor[next], run);
                i = after;
            } else {
                out += QChar(0x2019);
                ++i;
            }
        } else {
            out += QChar(signFor(c));
            ++i;
        }
    }
    return out.normalized(QString::NormalizationForm_C);
}

bool containsGreekToConvert(QStringView text)
{
    for (QChar ch : text) {
        const Entry *e = entryFor(ch.unicode());
        if (e && e->kind != Kind::Mark)
            return true;
    }
    return false;
}

} // namespace store
