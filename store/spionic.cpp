#include "store/spionic.h"
#include "store/spionickeys.h"

#include <QChar>
#include <QList>

#include <string>

namespace store {

using namespace spionickeys;

namespace {

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

// Whether out ends with marks that stand on no letter ("7=", or a mark at the start): a capital
// written right after them would take them as its own.
bool endsWithLooseMarks(const QString &out)
{
    qsizetype k = out.size();
    while (k > 0 && isMarkKey(out[k - 1].unicode()))
        --k;
    return k < out.size() && (k == 0 || !isLetterKey(out[k - 1].unicode()));
}

// Whether out ends with an apostrophe at a word's start: a capital vowel right after it would read
// it as its smooth breathing.
bool endsWithWordStartApostrophe(const QString &out)
{
    const qsizetype n = out.size();
    return n > 0 && out[n - 1] == u'\''
           && (n == 1 || !(isLetterKey(out[n - 2].unicode()) || isMarkKey(out[n - 2].unicode())));
}

void appendLetter(QString &out, char key, std::uint16_t marks)
{
    std::uint16_t before = marks & BeforeCapital;
    // After loose marks, a capital's own marks all go before it, on a "7" of their own, so the
    // loose ones stay apart ("7=7+A": a circumflex standing alone, then Α with a diaeresis); after
    // an elision mark, so that it stays one ("'+A").
    if (takesMarksBefore(char16_t(key)) && before == 0 && marks != 0
        && (endsWithLooseMarks(out) || (key != 'R' && endsWithWordStartApostrophe(out))))
        before = marks;
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
    appendMarkKeys(out, marks & ~before, takesNarrowMarks(key));
}

// Whether an elision mark written as "'" at this point would be read back as the smooth breathing
// of the capital after it: at a word's start, before a capital vowel without marks (one with
// marks takes them in front, see appendLetter).
bool elisionReadAsBreathing(const QString &out, QStringView text, qsizetype next)
{
    const char16_t last = out.isEmpty() ? u' ' : out.back().unicode();
    if (isLetterKey(last) || isMarkKey(last) || next >= text.size())
        return false;
    const Entry *e = entryFor(text[next].unicode());
    if (!e || e->kind != Kind::Letter || !takesMarksBefore(char16_t(e->key)) || e->key == 'R')
        return false;
    const Cluster c = readCluster(text, next, *e);
    return c.expressible && c.marks == 0;
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
            if (e->key == '\'' && elisionReadAsBreathing(out, text, i + 1)) {
                out += text[i++]; // no keys say it: left as it is
                break;
            }
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
