#pragma once
// The keys that put the master list in order, and the order itself.
//
// A Greek key is the item's sort letters (A..X in the order of the Greek alphabet, one per Greek
// letter of the SPIonic text) followed by a separator byte and the entry's reading number in
// decimal. Accents, breathings, punctuation, digits and spaces give no sort letter, so words that
// differ only in them share their letters and stand together, ordered by their reading numbers as
// text. Small letters count as capitals, final sigma (j, v) as sigma; capital J (koppa) and
// capital V (digamma) give none. Upper-casing is ASCII only: the desktop's locale plays no part.
//
// A Latin key is the item itself, compared without regard to letter case, followed by the
// separator and the reading number. Its characters are turned into one-byte weights once, so
// that comparing two keys is a plain comparison of bytes: spaces and punctuation before digits,
// digits before letters, an accented letter of the code page with its base letter, capital and
// small letters alike. The weights do not depend on the desktop's locale.
//
// Both kinds of key put the separator below every byte an item can give (a space and a stop
// included), so an item comes before every longer item it begins, as in a dictionary: "ad"
// before "ad hoc", "in" before "in vino veritas", "ab" before "ab!". Keys are unique (the reading
// number), so duplicates of an item are all kept. Keys are compared as unsigned bytes.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

namespace master {

QByteArray greekSortKey(QStringView item, int readingNumber);
QByteArray latinSortKey(QStringView item, int readingNumber);

// The keys of one language, held in one buffer; order() gives the positions in which they were
// added (0, 1, ...) in ascending key order. clear() keeps the memory for the next reading.
class SortKeys {
public:
    explicit SortKeys(qsizetype expected = 0);
    void clear();
    void reserve(qsizetype expected);
    void addGreek(QStringView item, int readingNumber);
    void addLatin(QStringView item, int readingNumber);
    // Sorts the keys added so far; the positions go to out (resized to the number of keys).
    void order(std::vector<int> &out);
    QList<int> order();

private:
    struct Entry {
        quint64 prefix0; // the first 16 bytes, big-endian and padded with 0, so that most
        quint64 prefix1; // comparisons end here
        quint32 offset;
        quint32 length;
        quint32 position;
    };
    char *room(qsizetype size);
    void finish(const char *key, qsizetype length);
    std::vector<char> m_bytes;
    qsizetype m_used = 0;
    std::vector<Entry> m_entries;
};

} // namespace master
