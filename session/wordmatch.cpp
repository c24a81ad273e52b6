#include "session/wordmatch.h"


namespace {
char16_t foldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; }

bool equalsAsciiCaselessAt(const QString &text, const QString &needle, qsizetype pos)
{
    for (qsizetype i = 0; i < needle.size(); ++i)
        if (foldAscii(text.at(pos + i).unicode()) != foldAscii(needle.at(i).unicode()))
            return false;
    return true;
}
} // namespace

bool isWordLetter(QChar c)
{
    const char16_t u = foldAscii(c.unicode());
    return u >= u'a' && u <= u'z';
}

qsizetype indexOfAsciiCaseless(const QString &text, const QString &needle, qsizetype from)
{
    if (needle.isEmpty() || from < 0)
        return -1;
    for (qsizetype pos = from; pos + needle.size() <= text.size(); ++pos)
        if (equalsAsciiCaselessAt(text, needle, pos))
            return pos;
    return -1;
}

bool isWholeWordAt(const QString &text, qsizetype pos, qsizetype length)
{
    if (pos > 0 && isWordLetter(text.at(pos - 1)))
        return false;
    const qsizetype end = pos + length;
    return !(end < text.size() && isWordLetter(text.at(end)));
}

DescriptionMatcher::DescriptionMatcher(const QString &searchText, bool wholeWord, const QLocale &locale)
    : m_text(searchText), m_upper(locale.toUpper(searchText)), m_wholeWord(wholeWord), m_locale(locale)
{
}

bool DescriptionMatcher::matches(const QString &description) const
{
    if (m_text.isEmpty() || !m_locale.toUpper(description).contains(m_upper))
        return false;
    if (!m_wholeWord)
        return true;
    // Every start position is tried, so an occurrence that overlaps an earlier one that is not a
    // whole word still counts: the description box colours exactly these.
    for (qsizetype pos = indexOfAsciiCaseless(description, m_text); pos >= 0;
         pos = indexOfAsciiCaseless(description, m_text, pos + 1))
        if (isWholeWordAt(description, pos, m_text.size()))
            return true;
    return false;
}

QList<TextRange> highlightRanges(const QString &text, const QString &searchText, bool wholeWord)
{
    QList<TextRange> out;
    const qsizetype len = searchText.size();
    if (len == 0)
        return out;
    if (!wholeWord) {
        for (qsizetype pos = indexOfAsciiCaseless(text, searchText); pos >= 0;
             pos = indexOfAsciiCaseless(text, searchText, pos + len))
            out.append({pos, len});
        return out;
    }
    for (qsizetype pos = indexOfAsciiCaseless(text, searchText); pos >= 0;
         pos = indexOfAsciiCaseless(text, searchText, pos + 1))
        if (isWholeWordAt(text, pos, len))
            out.append({pos, len});
    return out;
}
