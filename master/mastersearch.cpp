#include "master/mastersearch.h"

#include <QtCore/qstringalgorithms.h>

namespace master {

const QString SearchPlaceholder = QStringLiteral("Enter search text");

namespace {

char16_t foldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; }

bool isAscii(QStringView s) { return QtPrivate::isAscii(s); }

bool equalsAsciiCaselessAt(QStringView text, QStringView needle, qsizetype pos)
{
    for (qsizetype i = 0; i < needle.size(); ++i)
        if (foldAscii(text[pos + i].unicode()) != foldAscii(needle[i].unicode()))
            return false;
    return true;
}

qsizetype indexOfAsciiCaseless(QStringView text, QStringView needle, qsizetype from)
{
    if (needle.isEmpty())
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

bool isWholeAt(QStringView text, qsizetype pos, qsizetype length)
{
    if (pos > 0 && isAsciiLetter(text[pos - 1]))
        return false;
    const qsizetype end = pos + length;
    return end >= text.size() || !isAsciiLetter(text[end]);
}

} // namespace

bool isValidMasterSearchText(const QString &text)
{
    return text.size() >= 2;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = foldAscii(c.unicode());
    return u >= u'a' && u <= u'z';
}

MasterMatcher::MasterMatcher(const QString &searchText, bool wholeWord, const QLocale &locale)
    : m_text(searchText), m_upper(locale.toUpper(searchText)), m_wholeWord(wholeWord), m_asciiText(isAscii(searchText)),
      m_asciiUpper(locale.language() != QLocale::Turkish && locale.language() != QLocale::Azerbaijani
                   && locale.toUpper(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) == QLatin1String("ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
      m_locale(locale)
{
}

bool MasterMatcher::matches(const QString &description) const
{
    if (m_text.isEmpty())
        return false;
    // Where the locale upper-cases ASCII as ASCII, an ASCII description holds the upper-cased text
    // exactly when it holds the text with ASCII letters compared without regard to case; that
    // test needs no upper-cased copy of each description.
    if (m_asciiText && m_asciiUpper && isAscii(description)) {
        if (indexOfAsciiCaseless(description, m_text, 0) < 0)
            return false;
    } else if (!m_locale.toUpper(description).contains(m_upper)) {
        return false;
    }
    if (!m_wholeWord)
        return true;
    for (qsizetype pos = indexOfAsciiCaseless(description, m_text, 0); pos >= 0;
         pos = indexOfAsciiCaseless(description, m_text, pos + 1))
        if (isWholeAt(description, pos, m_text.size()))
            return true;
    return false;
}

QList<int> searchMaster(const QList<MasterEntry> &master, const MasterMatcher &matcher)
{
    QList<int> hits;
    for (qsizetype i = 0; i < master.size(); ++i)
        if (matcher.matches(master.at(i).Description))
            hits.append(int(i));
    return hits;
}

QList<HighlightRange> highlightRanges(const QString &description, const QString &searchText, bool wholeWord)
{
    QList<HighlightRange> out;
    const qsizetype len = searchText.size();
    if (len == 0)
        return out;
    for (qsizetype pos = indexOfAsciiCaseless(description, searchText, 0); pos >= 0;) {
        if (!wholeWord) {
            out.append({pos, len});
            pos = indexOfAsciiCaseless(description, searchText, pos + len);
            continue;
        }
        if (isWholeAt(description, pos, len))
            out.append({pos, len});
        pos = indexOfAsciiCaseless(description, searchText, pos + 1);
    }
    return out;
}

} // namespace master
