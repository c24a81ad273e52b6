#pragma once
// A list file (name + ".vocab"): the first line is the list's language ("Greek" or "Latin", kept
// exactly as written), then one line per item: headword + "zx" + description.
#include <QList>
#include <QString>
#include <QStringList>

struct VocabItem {
    QString Item;
    QString Description;
    friend bool operator==(const VocabItem &, const VocabItem &) = default;
};

namespace store {

constexpr int MaxItems = 10000;
constexpr int MaxLists = 1000;

struct ListContent {
    QString language;
    QList<VocabItem> items;
    bool truncated = false; // the file held more than MaxItems item lines; the rest was not read
};

// The text up to its first line break (CR, LF, a line or paragraph separator), the rest dropped:
// a line break in a headword or description would split the item over two lines of the file.
QString cutAtLineBreak(const QString &text);

// An item line splits at its first "zx"; a line without "zx" is all headword. Every line after
// the language is an item, empty lines included.
VocabItem itemFromLine(QStringView line);

ListContent parseListLines(const QStringList &lines);
// The content of a list file's bytes (the text-file rules of store/textfile.h).
ListContent parseListBytes(const QByteArray &bytes);
// Reads the list file, at most MaxItems items; a longer file is read no further (truncated).
ListContent readListFile(const QString &path); // throws AppError
// The text of the list file as far as readListFile reads it: the lines after the MaxItems-th
// item's but one are not read. Throws AppError.
QString readListText(const QString &path);

// The lines a save writes: the language, then headword + "zx" + description for each item, cut
// before its first line break; lines of 3 characters or fewer (an empty item) are left out.
QStringList listFileLines(const QString &language, const QList<VocabItem> &items);
// The bytes of the list file, to be written together with the notes (writeFilesAtomic).
QByteArray listFileBytes(const QString &language, const QList<VocabItem> &items);
void writeListFile(const QString &path, const QString &language, const QList<VocabItem> &items);

} // namespace store
