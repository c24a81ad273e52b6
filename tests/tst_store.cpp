// The widget-free store: text-file bytes, list files, finding lists, copying and atomic writes.
#include "store/apperror.h"
#include "store/filecopy.h"
#include "store/listfinder.h"
#include "store/textfile.h"
#include "store/vocablist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace store;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Items as "head|desc" so a failing comparison shows what was read.
QStringList shown(const QList<VocabItem> &items)
{
    QStringList out;
    for (const VocabItem &i : items)
        out << i.Item + u'|' + i.Description;
    return out;
}

QString errorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TstStore : public QObject {
    Q_OBJECT

private slots:
    void writtenBytes();
    void readingRules_data();
    void readingRules();
    void codePageRoundTrip();
    void listReading();
    void listSaving();
    void listLimit();
    void findingLists();
    void findingListsLimit();
    void copying();
    void failedWriteKeepsPreviousFile();
};

void TstStore::writtenBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    writeTextLines(path, {"Greek", "a", "", QString::fromUtf8("é€‰Œ")});
    QCOMPARE(fileBytes(path), QByteArray("Greek\r\na\r\n\r\n\xE9\x80\x89\x8C\r\n"));

    // Outside the code page: '?', one per character (a surrogate pair is one); U+001A is never
    // written as Ctrl+Z, which would end the file for the reader.
    QCOMPARE(joinTextLines({QString::fromUtf8("α😀x\x1Ay")}), QByteArray("??x?y\r\n"));
    QCOMPARE(joinTextLines({}), QByteArray());
}

void TstStore::readingRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed, no final end") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("lone cr dropped") << QByteArray("a\rb\r\nc\r") << QStringList{"ab", "c"};
    QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb") << QStringList{"a", "b"};
    QTest::newRow("inner empty line") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty last line") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("only cr") << QByteArray("\r") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("ctrl-z mid line") << QByteArray("a\r\nb\x1A" "c\r\nd\r\n") << QStringList{"a", "b"};
    QTest::newRow("ctrl-z after line end") << QByteArray("a\r\n\x1A\r\n") << QStringList{"a"};
    QTest::newRow("ctrl-z first") << QByteArray("\x1A" "a\r\n") << QStringList{};
    QTest::newRow("bom is text") << QByteArray("\xEF\xBB\xBFGreek\r\n") << QStringList{QString::fromUtf8("ï»¿Greek")};
}

void TstStore::readingRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString path = dir.filePath("t.vocab");
    putFile(path, bytes);
    QCOMPARE(readTextLines(path), lines);

    // The list reader walks the text its own way; it must see the same lines.
    const ListContent direct = readListFile(path);
    const ListContent viaLines = parseListLines(lines);
    QCOMPARE(direct.language, viaLines.language);
    QCOMPARE(shown(direct.items), shown(viaLines.items));
}

void TstStore::codePageRoundTrip()
{
    // Every byte but the line ends and Ctrl+Z, the five undefined ones included, survives a
    // read and a write unchanged.
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n' && b != '\r' && b != 0x1A)
            all.append(char(b));
    }
    const QStringList lines = splitTextLines(all + "\r\n");
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].size(), all.size());
    QCOMPARE(lines[0].at(0xE9 - 3), QChar(0xE9));
    QCOMPARE(lines[0].at(0x80 - 3), QChar(0x20AC));
    QCOMPARE(lines[0].at(0x8C - 3), QChar(0x0152));
    QCOMPARE(joinTextLines(lines), all + "\r\n");
}

void TstStore::listReading()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Verbs.vocab");
    putFile(path, "greek\r\nluozxto loose\r\n\r\nazxbzxc\r\nno separator\r\nzx\r\n");
    const ListContent list = readListFile(path);
    QCOMPARE(list.language, QString("greek"));
    QCOMPARE(shown(list.items), (QStringList{"luo|to loose", "|", "a|bzxc", "no separator|", "|"}));
    QVERIFY(!list.truncated);

    putFile(path, "Latin\r\n");
    QCOMPARE(readListFile(path).items.size(), 0);
    QCOMPARE(readListFile(path).language, QString("Latin"));

    const QString missing = dir.filePath("Backups/Verbs.vocab");
    QCOMPARE(errorOf([&] { readListFile(missing); }),
             QString("Cannot open file \"%1\". No such file or directory").arg(missing));
    QVERIFY(errorOf([&] { readFileBytes(dir.path()); }).startsWith("Cannot open file \"" + dir.path() + "\". "));
}

void TstStore::listSaving()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Verbs.vocab");
    writeListFile(path, "Latin", {});
    QCOMPARE(fileBytes(path), QByteArray("Latin\r\n"));

    const QList<VocabItem> items{
        {"a", ""},                      // "azx": too short, left out
        {"ab", ""},                     // "abzx": kept
        {"", ""},                       // an empty item is not saved
        {"amo", "to love\r\nsecond line"}, // cut before the line break
        {"head\nword", "lost"},
        {QString::fromUtf8("café"), QString::fromUtf8("€ α")},
    };
    writeListFile(path, "Greek", items);
    QCOMPARE(fileBytes(path),
             QByteArray("Greek\r\nabzx\r\namozxto love\r\nhead\r\ncaf\xE9zx\x80 ?\r\n"));
    QCOMPARE(shown(readListFile(path).items),
             (QStringList{"ab|", "amo|to love", "head|", QString::fromUtf8("café|€ ?")}));
}

void TstStore::listLimit()
{
    QStringList lines{"Greek"};
    for (int i = 0; i < MaxItems; ++i)
        lines << QString("w%1zxd").arg(i);
    QTemporaryDir dir;
    const QString path = dir.filePath("Big.vocab");

    writeTextLines(path, lines);
    ListContent list = readListFile(path);
    QCOMPARE(list.items.size(), MaxItems);
    QVERIFY(!list.truncated);

    lines << "extrazxitem";
    writeTextLines(path, lines);
    list = readListFile(path);
    QCOMPARE(list.items.size(), MaxItems);
    QVERIFY(list.truncated);
    QCOMPARE(list.items.last().Item, QString("w9999"));
    QVERIFY(parseListLines(lines).truncated);
    QCOMPARE(parseListLines(lines).items.size(), MaxItems);
}

void TstStore::findingLists()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    for (const char *name : {"Verbs.RTF", "Verbs.rtf", "Verbs.vocab", "nouns.rtf", "nouns.vocab", "Adverbs.rtf", "Adverbs.vocab",
                             "NotesOnly.rtf", "ListOnly.vocab", "Odd.rtf", "Odd.VOCAB", ".rtf", ".vocab"})
        putFile(d.filePath(name), "x");
    QVERIFY(d.mkdir("Folder.rtf"));
    putFile(d.filePath("Folder.vocab"), "x");

    QCOMPARE(findLists(dir.path()).names, (QStringList{"Adverbs", "nouns", "Verbs"}));
    QVERIFY(!findLists(dir.path()).truncated);
    QCOMPARE(existingNotesFilePath(d.filePath("Verbs")), d.filePath("Verbs.rtf"));
    QVERIFY(d.remove("Verbs.rtf"));
    QCOMPARE(existingNotesFilePath(d.filePath("Verbs")), d.filePath("Verbs.RTF"));
    QCOMPARE(existingNotesFilePath(d.filePath("NoSuch")), d.filePath("NoSuch.rtf"));

    // "" is the working folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QStringList here = findLists("").names;
    const QString notes = existingNotesFilePath("Verbs");
    QDir::setCurrent(before);
    QCOMPARE(here, (QStringList{"Adverbs", "nouns", "Verbs"}));
    QCOMPARE(notes, QString("Verbs.RTF"));
}

void TstStore::findingListsLimit()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    for (int i = 0; i < MaxLists; ++i) {
        putFile(d.filePath(QString("L%1.rtf").arg(i, 4, 10, QChar('0'))), "");
        putFile(d.filePath(QString("L%1.vocab").arg(i, 4, 10, QChar('0'))), "");
    }
    FoundLists found = findLists(dir.path());
    QCOMPARE(found.names.size(), MaxLists);
    QVERIFY(!found.truncated);

    putFile(d.filePath("L9999.rtf"), "");
    putFile(d.filePath("L9999.vocab"), "");
    found = findLists(dir.path());
    QCOMPARE(found.names.size(), MaxLists);
    QVERIFY(found.truncated);
    QCOMPARE(found.names.last(), QString("L0999"));
}

void TstStore::copying()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("Verbs.vocab");
    const QString copy = dir.filePath("copy.vocab");
    putFile(source, QByteArray("Greek\r\n\x80\x1A tail", 15));
    putFile(copy, "an earlier, longer copy of something else");
    CopyFileReplacing(source, copy);
    QCOMPARE(fileBytes(copy), fileBytes(source));

    CopyFileReplacing(source, source);
    QCOMPARE(fileBytes(source), QByteArray("Greek\r\n\x80\x1A tail", 15));

    const QString missing = dir.filePath("Missing.vocab");
    QCOMPARE(errorOf([&] { CopyFileReplacing(missing, copy); }),
             QString("Cannot open file \"%1\". No such file or directory").arg(missing));
    QCOMPARE(fileBytes(copy), fileBytes(source));

    const QString noFolder = dir.filePath("Backups/Verbs.vocab");
    QCOMPARE(errorOf([&] { CopyFileReplacing(source, noFolder); }),
             QString("Cannot create file \"%1\". No such file or directory").arg(noFolder));
}

void TstStore::failedWriteKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Verbs.vocab");
    QVERIFY(dir.path().size() > 0 && QDir(dir.path()).mkdir("Sub.vocab"));
    QVERIFY(errorOf([&] { writeFileAtomic(dir.filePath("Sub.vocab"), "x"); })
                .startsWith(QString("Cannot create file \"%1\". ").arg(dir.filePath("Sub.vocab"))));

    // A write that fails part-way (here: the process may not grow a file past 1000 bytes, which
    // holds for root too) leaves the previous file whole and no temporary file behind.
    writeListFile(path, "Greek", {{"luo", "to loose"}});
    const QByteArray previous = fileBytes(path);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const QString error = errorOf([&] { writeFileAtomic(path, QByteArray(100000, 'x')); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY2(error.startsWith(QString("Cannot write file \"%1\". ").arg(path)), qPrintable(error));
    QCOMPARE(fileBytes(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Verbs.vocab"});
}

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
