#pragma once
// Matching a search text in descriptions: the containment test of the list search, the
// whole-word rule, and the ranges the description box colours.
#include <QList>
#include <QLocale>
#include <QString>

// A letter for the whole-word rule: one of the 52 ASCII letters a-z and A-Z. Digits, spaces,
// punctuation and every other character (accented letters included) are boundaries.
bool isWordLetter(QChar c);

// Where text holds needle at pos, comparing ASCII letters without regard to case and every other
// character exactly; -1 when it does not occur at or after from. An empty needle never occurs.
qsizetype indexOfAsciiCaseless(const QString &text, const QString &needle, qsizetype from = 0);

// The length characters at pos are neither preceded nor followed by a letter in text.
bool isWholeWordAt(const QString &text, qsizetype pos, qsizetype length);

// Decides which descriptions a list search finds. Without the whole-word option a description is
// found when it contains the search text, both upper-cased by the locale (so every letter with a
// case compares without regard to case). With it, the description must pass that test and also
// hold the search text (ASCII letters compared without regard to case) as a whole word somewhere.
// An empty search text finds nothing.
class DescriptionMatcher {
public:
    DescriptionMatcher(const QString &searchText, bool wholeWord, const QLocale &locale = QLocale());
    bool matches(const QString &description) const;

private:
    QString m_text;
    QString m_upper;
    bool m_wholeWord;
    QLocale m_locale;
};

struct TextRange {
    qsizetype start;
    qsizetype length;
    bool operator==(const TextRange &) const = default;
};

// The occurrences of searchText that the description box colours, ASCII letters compared without
// regard to case. Without the whole-word option: left to right, each search starting after the end
// of the previous occurrence. With it: every whole-word occurrence, overlapping ones included.
QList<TextRange> highlightRanges(const QString &text, const QString &searchText, bool wholeWord);
