// The widget-free store: text-file bytes, list files, finding lists, copying and atomic writes.
#include "support/files.h"
#include "store/apperror.h"
#include "store/atomicwrite.h"
#include "store/fileerror.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "store/vocablist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace store;

namespace {


// Items as "head|desc" so a failing comparison shows what was read.
QStringList shown(const QList<VocabItem> &items)
{
    QStringList out;
    for (const VocabItem &i : items)
        out << i.Item + u'|' + i.Description;
    return out;
}

// A file whose name is any bytes, as another program (or another system) may have made it.
void putRaw(const QByteArray &path, const QByteArray &bytes = "x")
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), bytes.size()), ssize_t(bytes.size()));
    ::close(fd);
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
    void longListNames();
    void pairedWrites();
    void leftoverTempFiles();
    void errorCauses();
    void listsThatCannotBeOffered();
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
             QString("Cannot open file \"%1\". No such file or folder").arg(missing));
    QCOMPARE(errorOf([&] { readFileBytes(dir.path()); }),
             QString("Cannot open file \"%1\". \"%1\" is a folder, not a file").arg(dir.path()));
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
    copyFileAtomic(source, copy);
    QCOMPARE(fileBytes(copy), fileBytes(source));

    copyFileAtomic(source, source);
    QCOMPARE(fileBytes(source), QByteArray("Greek\r\n\x80\x1A tail", 15));

    const QString missing = dir.filePath("Missing.vocab");
    QCOMPARE(errorOf([&] { copyFileAtomic(missing, copy); }),
             QString("Cannot open file \"%1\". No such file or folder").arg(missing));
    QCOMPARE(fileBytes(copy), fileBytes(source));

    const QString noFolder = dir.filePath("Backups/Verbs.vocab");
    QCOMPARE(errorOf([&] { copyFileAtomic(source, noFolder); }),
             QString("Cannot create file \"%1\". The folder \"%2\" does not exist").arg(noFolder, dir.filePath("Backups")));
}

void TstStore::longListNames()
{
    // A list's name may be as long as the file system allows for name + ".vocab" (255 bytes):
    // the temporary file of a save has a short name of its own.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Backups"));
    for (const QString &name : {QString(243, 'a'), QString(249, 'b'), QString(124, QChar(0x3B1)) + 'x'}) {
        QVERIFY(listNameFits(name));
        const QString stem = dir.filePath(name);
        const QString backup = dir.filePath(backupPath(listFilePath(name)));
        for (int round = 0; round < 3; ++round) {
            const QList<VocabItem> items{{"luo", QString("round %1").arg(round)}};
            writeFilesAtomic({{listFilePath(stem), listFileBytes("Greek", items)}, {stem + QStringLiteral(".rtf"), "{\\rtf1 n}"}});
            copyFileAtomic(listFilePath(stem), backup);
            QCOMPARE(shown(readListFile(listFilePath(stem)).items), shown(items));
            QCOMPARE(shown(readListFile(backup).items), shown(items));
        }
        QVERIFY(findLists(dir.path()).names.contains(name));
    }
    QCOMPARE(filesIn(dir.path()).size(), 6);

    // One byte more cannot be a file name: refused before anything is written.
    QVERIFY(!listNameFits(QString(250, 'c')) && !listNameFits(QString(125, QChar(0x3B1))));
    const QString tooLong = dir.filePath(QString(250, 'c') + ".vocab");
    QCOMPARE(errorOf([&] { writeFileAtomic(tooLong, "x"); }),
             QString("Cannot create file \"%1\". The file name is too long").arg(tooLong));
    QCOMPARE(filesIn(dir.path()).size(), 6);
}

void TstStore::pairedWrites()
{
    QTemporaryDir dir;
    const QString list = dir.filePath("Verbs.vocab"), notes = dir.filePath("Verbs.rtf");
    writeFilesAtomic({{list, "old list"}, {notes, "old notes"}});
    QCOMPARE(fileBytes(list) + fileBytes(notes), QByteArray("old listold notes"));

    // When one file of the pair cannot be written, neither is replaced and nothing is left.
    QVERIFY(QDir(dir.path()).mkdir("Sub.rtf"));
    const QString folder = dir.filePath("Sub.rtf"), noFolder = dir.filePath("Gone/Verbs.rtf");
    QCOMPARE(errorOf([&] { writeFilesAtomic({{list, "new"}, {folder, "new"}}); }),
             QString("Cannot create file \"%1\". \"%1\" is a folder, not a file").arg(folder));
    QCOMPARE(errorOf([&] { writeFilesAtomic({{list, "new"}, {noFolder, "new"}}); }),
             QString("Cannot create file \"%1\". The folder \"%2\" does not exist").arg(noFolder, dir.filePath("Gone")));
    QCOMPARE(fileBytes(list) + fileBytes(notes), QByteArray("old listold notes"));
    QCOMPARE(filesIn(dir.path()), (QStringList{"Verbs.rtf", "Verbs.vocab"}));

    // A replaced file keeps its permissions; a link stays a link and the file it points to is
    // replaced.
    QCOMPARE(::chmod(QFile::encodeName(list).constData(), 0640), 0);
    writeFileAtomic(list, "new list");
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(list).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    const QString link = dir.filePath("Link.vocab");
    QVERIFY(QFile::link(list, link));
    writeFileAtomic(link, "through the link");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fileBytes(list), QByteArray("through the link"));
}

void TstStore::leftoverTempFiles()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    const QStringList users{"x.tmp", "mnemora.tmp", "mnemora-a1B2c3.tmp", ".mnemora-a1B2c.tmp", ".mnemora-a1B2c!.tmp",
                            ".mnemora-a1B2c3.tmp.rtf", ".Mnemora-a1B2c3.tmp"};
    for (const QString &name : users + QStringList{".mnemora-a1B2c3.tmp", ".mnemora-ZZZZZZ.tmp"})
        putFile(d.filePath(name), "x");
    // Names of the pattern that the program does not make: a link, a folder.
    QVERIFY(QFile::link(d.filePath("x.tmp"), d.filePath(".mnemora-LINK00.tmp")));
    QVERIFY(d.mkdir(".mnemora-DIR000.tmp"));
    // A save that is still running holds its temporary file: not a leftover.
    const QString running = d.filePath(".mnemora-RUN000.tmp");
    const int held = ::open(QFile::encodeName(running).constData(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);

    findLists(dir.path());
    QStringList expected = users + QStringList{".mnemora-LINK00.tmp", ".mnemora-RUN000.tmp"};
    QStringList left = filesIn(dir.path());
    expected.sort();
    left.sort();
    QCOMPARE(left, expected);
    QVERIFY(d.exists(".mnemora-DIR000.tmp"));

    ::close(held);
    removeLeftoverTempFiles(dir.path());
    QVERIFY(!QFileInfo::exists(running));
    QCOMPARE(fileBytes(d.filePath("x.tmp")), QByteArray("x"));
}

void TstStore::errorCauses()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    putFile(file, "x");
    const QString through = file + "/Verbs.vocab";
    // The part of the path that is a file is named.
    const QString notAFolder = QStringLiteral("%1 \"%2\". \"%3\" is a file, not a folder");
    QCOMPARE(errorOf([&] { readFileBytes(through); }), notAFolder.arg("Cannot open file", through, file));
    QCOMPARE(errorOf([&] { writeFileAtomic(through, "x"); }), notAFolder.arg("Cannot create file", through, file));
    QCOMPARE(errorOf([&] { copyFileAtomic(file, through); }), notAFolder.arg("Cannot create file", through, file));
    QCOMPARE(errorOf([&] { readFileBytes(file + "/a/b/Verbs.vocab"); }),
             notAFolder.arg("Cannot open file", file + "/a/b/Verbs.vocab", file));

    const QString backups = dir.filePath("Backups");
    makeFolder(backups);
    makeFolder(backups);
    QVERIFY(QFileInfo(backups).isDir());
    QCOMPARE(errorOf([&] { makeFolder(file); }),
             QString("Cannot create folder \"%1\". A file of that name is in the way").arg(file));
    QCOMPARE(errorOf([&] { makeFolder(dir.filePath("a/b")); }),
             QString("Cannot create folder \"%1\". The folder \"%2\" does not exist").arg(dir.filePath("a/b"), dir.filePath("a")));

    for (int e = 0; e < 200; ++e) {
        const QString cause = fileErrorCause(e, FileAccess::Write, "f");
        QVERIFY2(!cause.isEmpty() && !cause.contains("Unknown error"), qPrintable(cause));
    }

    // Permission bits stop everyone but root.
    if (::geteuid() != 0) {
        QCOMPARE(::chmod(QFile::encodeName(backups).constData(), 0555), 0);
        const QString target = backups + "/Verbs.vocab";
        QCOMPARE(errorOf([&] { copyFileAtomic(file, target); }),
                 QString("Cannot create file \"%1\". The folder \"%2\" cannot be written").arg(target, backups));
        ::chmod(QFile::encodeName(backups).constData(), 0755);
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0), 0);
        QCOMPARE(errorOf([&] { readFileBytes(file); }),
                 QString("Cannot open file \"%1\". The file \"%1\" cannot be read").arg(file));
    }
}

void TstStore::listsThatCannotBeOffered()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    const QByteArray raw = QFile::encodeName(dir.path()) + '/';
    for (const char *name : {".Hidden.rtf", ".Hidden.vocab", "Plain.rtf", "Plain.vocab", "Caf\xE9.rtf", "Caf\xE9.vocab",
                             "Folder.vocab", "Dir.rtf", "Lone\xE9.rtf", "Both.RTF", "Both.vocab", "Linked.rtf",
                             "Broken.rtf", "Pipe.rtf"})
        putRaw(raw + name);
    QVERIFY(d.mkdir("Folder.rtf") && d.mkdir("Dir.vocab") && d.mkdir("Both.rtf"));
    QVERIFY(QFile::link(d.filePath("Plain.vocab"), d.filePath("Linked.vocab")));
    QVERIFY(QFile::link(d.filePath("Gone.vocab"), d.filePath("Broken.vocab")));
    QCOMPARE(::mkfifo(raw + "Pipe.vocab", 0644), 0);
    // QTemporaryDir cannot remove names it cannot decode.
    struct RemoveRaw {
        QByteArray folder;
        ~RemoveRaw()
        {
            for (const char *name : {"Caf\xE9.rtf", "Caf\xE9.vocab", "Lone\xE9.rtf"})
                ::unlink((folder + name).constData());
        }
    } removeRaw{raw};

    const FoundLists found = findLists(dir.path());
    QCOMPARE(found.names, (QStringList{".Hidden", "Both", "Linked", "Plain"}));
    QCOMPARE(found.skipped, (QStringList{"Broken.vocab: it is a link to a file that does not exist",
                                         QString::fromUtf8("Caf\uFFFD.vocab: its name is not valid text on this system"),
                                         "Dir.vocab: it is a folder, not a file", "Folder.rtf: it is a folder, not a file",
                                         QString::fromUtf8("Lone\uFFFD.rtf: its list file Lone\uFFFD.vocab is missing"),
                                         "Pipe.vocab: it is not an ordinary file"}));
    for (const QString &name : found.names) {
        QCOMPARE(readListFile(d.filePath(listFilePath(name))).items.size(), 0);
        QCOMPARE(readFileBytes(existingNotesFilePath(d.filePath(name))), QByteArray("x"));
    }
    QCOMPARE(skippedListsMessage(found), "These files could not be offered as lists:\n" + found.skipped.join(u'\n'));
    QCOMPARE(skippedListsMessage(FoundLists{}), QString());
}

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
