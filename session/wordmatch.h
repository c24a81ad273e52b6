#pragma once
// Matching a search text in descriptions and plain texts: the containment test of the list
// searches (the main window's and the Master List's), the whole-word rule, and the occurrences
// the description boxes colour.
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

// A letter for the whole-word rule: one of the 52 ASCII letters a-z and A-Z. Digits, spaces,
// punctuation and every other character (accented letters included) are boundaries.
bool isWordLetter(QChar c);

// Every character of s is ASCII (below U+0080); true for an empty s.
bool isAscii(QStringView s);

// Where text holds needle at or after from, comparing ASCII letters without regard to case and
// every other character exactly; -1 when it does not occur there. An empty needle never occurs,
// and a negative from finds nothing.
qsizetype indexOfAsciiCaseless(QStringView text, QStringView needle, qsizetype from = 0);

// The length characters at pos are neither preceded nor followed by a letter in text.
bool isWholeWordAt(QStringView text, qsizetype pos, qsizetype length);

// Decides which descriptions a list search finds. Without the whole-word option a description is
// found when it contains the search text, both upper-cased by the locale (so every letter with a
// case compares without regard to case). With it, the description must pass that test and also
// hold the search text (ASCII letters compared without regard to case) as a whole word somewhere;
// every start position counts, so a whole occurrence that overlaps an earlier one that is not
// whole is found, as the colouring finds it. An empty search text finds nothing.
class DescriptionMatcher {
public:
    DescriptionMatcher(const QString &searchText, bool wholeWord, const QLocale &locale = QLocale());
    bool matches(QStringView description) const;
    bool matches(const QString &description) const { return matches(QStringView(description)); }

private:
    QString m_text;
    QString m_upper;
    bool m_wholeWord;
    bool m_asciiText;  // the search text is ASCII
    bool m_asciiUpper; // the locale upper-cases ASCII as ASCII does (not Turkish or Azeri)
    QLocale m_locale;
};

struct TextRange {
    qsizetype start;
    qsizetype length;
    bool operator==(const TextRange &) const = default;
};

// The occurrences of needle in text, left to right and not overlapping, each search going on
// behind the previous occurrence (ASCII letters compared without regard to case, every other
// character exactly). With the whole-word option only whole occurrences count; one that is not
// whole does not hide a whole one that overlaps it. An empty needle occurs nowhere.
QList<TextRange> findOccurrences(QStringView text, QStringView needle, bool wholeWord);

// The occurrences of searchText that a description box colours. Without the whole-word option
// they are findOccurrences' ones. With it: every whole-word occurrence, overlapping ones included.
QList<TextRange> highlightRanges(QStringView text, QStringView searchText, bool wholeWord);
