#pragma once
// The keys that put the master list in order, and the order itself.
//
// A Greek key is the item's sort letters (A..X in the order of the Greek alphabet, one per Greek
// letter of the SPIonic text) followed by "#" and the entry's reading number in decimal. Accents,
// breathings, punctuation, digits and spaces give no sort letter, so words that differ only in
// them share their letters and stand together, ordered by their reading numbers as text.
//
// A Latin key is the item itself, compared without regard to letter case, followed by "#" and the
// reading number. Its characters are turned into weights once, so that comparing two keys is a
// plain comparison of 16-bit units: spaces and punctuation before digits, digits before letters,
// an accented letter of the code page with its base letter, capital and small letters alike. The
// weights do not depend on the desktop's locale.
//
// Both kinds of key sort "#" before every digit and letter, so an item whose letters begin a
// longer item's letters comes first; keys are unique (the reading number), so duplicates of an
// item are all kept.
#include <QList>
#include <QString>
#include <QStringView>

namespace master {

// The sort letter of one SPIonic character, or 0 when it contributes none. Lower-case j and v
// (final sigma) give the letter of sigma like s; capital J (koppa) and capital V (digamma) give
// none. Upper-casing is ASCII only: the desktop's locale plays no part.
char16_t greekSortLetter(QChar c);
QString greekSortLetters(QStringView item);

QString greekSortKey(QStringView item, int readingNumber);
QString latinSortKey(QStringView item, int readingNumber);

// Key order: compares the keys as sequences of 16-bit units.
bool keyLess(const QString &a, const QString &b);

// The positions 0..keys.size()-1 in ascending key order.
QList<int> sortedOrder(const QList<QString> &keys);

} // namespace master
