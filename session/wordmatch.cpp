#include "session/wordmatch.h"

#include <cstring>

namespace {
char16_t foldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; }

bool equalsAsciiCaselessAt(QStringView text, QStringView needle, qsizetype pos)
{
    for (qsizetype i = 0; i < needle.size(); ++i)
        if (foldAscii(text[pos + i].unicode()) != foldAscii(needle[i].unicode()))
            return false;
    return true;
}

bool upperCasesAsciiAsAscii(const QLocale &locale)
{
    return locale.language() != QLocale::Turkish && locale.language() != QLocale::Azerbaijani
           && locale.toUpper(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) == QLatin1StringView("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

// Where the next occurrence of needle at or after from is; with wholeWord, the next whole one.
qsizetype indexOfOccurrence(QStringView text, QStringView needle, qsizetype from, bool wholeWord)
{
    qsizetype pos = indexOfAsciiCaseless(text, needle, from);
    if (wholeWord)
        while (pos >= 0 && !isWholeWordAt(text, pos, needle.size()))
            pos = indexOfAsciiCaseless(text, needle, pos + 1);
    return pos;
}

// The occurrences left to right; after each one the search goes on at the next character when
// they may overlap, behind it otherwise.
QList<TextRange> occurrences(QStringView text, QStringView needle, bool wholeWord, bool overlapping)
{
    QList<TextRange> out;
    const qsizetype step = overlapping ? 1 : needle.size();
    for (qsizetype pos = indexOfOccurrence(text, needle, 0, wholeWord); pos >= 0;
         pos = indexOfOccurrence(text, needle, pos + step, wholeWord))
        out.append({pos, needle.size()});
    return out;
}
} // namespace

bool isWordLetter(QChar c)
{
    const char16_t u = foldAscii(c.unicode());
    return u >= u'a' && u <= u'z';
}

bool isAscii(QStringView s)
{
    // Four characters at a time: each is ASCII when none of its bits above the lowest seven is set.
    constexpr quint64 NonAsciiBits = 0xFF80FF80FF80FF80ULL;
    const char16_t *p = s.utf16();
    const qsizetype n = s.size();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 four;
        std::memcpy(&four, p + i, sizeof four);
        if (four & NonAsciiBits)
            return false;
    }
    for (; i < n; ++i)
        if (p[i] >= 0x80)
            return false;
    return true;
}

qsizetype indexOfAsciiCaseless(QStringView text, QStringView needle, qsizetype from)
{
    if (needle.isEmpty() || from < 0)
        return -1;
    // Only positions holding the first character (either case) are compared further.
    const char16_t first = foldAscii(needle[0].unicode());
    const char16_t firstUpper = (first >= u'a' && first <= u'z') ? char16_t(first - (u'a' - u'A')) : first;
    const char16_t *t = text.utf16();
    const qsizetype last = text.size() - needle.size();
    for (qsizetype pos = from; pos <= last; ++pos) {
        const char16_t c = t[pos];
        if ((c == first || c == firstUpper) && equalsAsciiCaselessAt(text, needle, pos))
            return pos;
    }
    return -1;
}

bool isWholeWordAt(QStringView text, qsizetype pos, qsizetype length)
{
    if (pos > 0 && isWordLetter(text[pos - 1]))
        return false;
    const qsizetype end = pos + length;
    return end >= text.size() || !isWordLetter(text[end]);
}

DescriptionMatcher::DescriptionMatcher(const QString &searchText, bool wholeWord, const QLocale &locale)
    : m_text(searchText), m_upper(locale.toUpper(searchText)), m_wholeWord(wholeWord), m_asciiText(isAscii(searchText)),
      m_asciiUpper(upperCasesAsciiAsAscii(locale)), m_locale(locale)
{
}

bool DescriptionMatcher::matches(QStringView description) const
{
    if (m_text.isEmpty())
        return false;
    // Where the locale upper-cases ASCII as ASCII, a description that holds the text with ASCII
    // letters compared without regard to case also holds the upper-cased text (upper-casing goes
    // character by character), and an ASCII description holds it only then; so only a non-ASCII
    // description without such an occurrence needs an upper-cased copy. No whole word can begin
    // before the first occurrence found.
    qsizetype first = 0;
    if (m_asciiText && m_asciiUpper) {
        first = indexOfAsciiCaseless(description, m_text);
        if (first < 0) {
            if (isAscii(description) || !m_locale.toUpper(description.toString()).contains(m_upper))
                return false;
            first = 0;
        }
    } else if (!m_locale.toUpper(description.toString()).contains(m_upper)) {
        return false;
    }
    return !m_wholeWord || indexOfOccurrence(description, m_text, first, true) >= 0;
}

QList<TextRange> findOccurrences(QStringView text, QStringView needle, bool wholeWord)
{
    return occurrences(text, needle, wholeWord, false);
}

QList<TextRange> highlightRanges(QStringView text, QStringView searchText, bool wholeWord)
{
    return occurrences(text, searchText, wholeWord, wholeWord);
}
