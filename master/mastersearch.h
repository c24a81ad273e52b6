#pragma once
// Searching the descriptions of the master list, and the parts of a description that are coloured
// for the search text.
#include "master/mastertables.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace master {

// Long enough to search for: at least 2 characters.
bool isValidMasterSearchText(const QString &text);
extern const QString SearchPlaceholder; // "Enter search text", the search box's prompt

// A letter for the whole-word rule: a-z and A-Z only; every other character is a boundary.
bool isAsciiLetter(QChar c);

// A description is a hit when it contains the search text, both upper-cased by the locale.
// With the whole-word option it must also hold the text as a whole word: an occurrence (ASCII
// letters compared without regard to case, every other character exactly) with no letter just
// before or just after it. Every start position counts, so a whole occurrence that overlaps an
// earlier one that is not whole is found, as the colouring finds it.
class MasterMatcher {
public:
    MasterMatcher(const QString &searchText, bool wholeWord, const QLocale &locale = QLocale());
    bool matches(const QString &description) const;

private:
    QString m_text;
    QString m_upper;
    bool m_wholeWord;
    bool m_asciiText;  // the search text is ASCII
    bool m_asciiUpper; // the locale upper-cases ASCII as ASCII does (not Turkish or Azeri)
    QLocale m_locale;
};

// The positions (0-based, in master-list order) of the entries whose description matches.
QList<int> searchMaster(const QList<MasterEntry> &master, const MasterMatcher &matcher);

struct HighlightRange {
    qsizetype start;
    qsizetype length;
    friend bool operator==(const HighlightRange &, const HighlightRange &) = default;
};

// The occurrences of the search text that are coloured in a description (ASCII letters compared
// without regard to case, every other character exactly). Without the whole-word option: left to
// right, each search going on behind the previous occurrence. With it: every whole occurrence,
// overlapping ones included. An empty search text colours nothing.
QList<HighlightRange> highlightRanges(const QString &description, const QString &searchText, bool wholeWord);

} // namespace master
