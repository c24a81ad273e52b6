// A data folder kept in a synced folder: what sync tools and editors leave beside the lists (half
// pairs, conflict copies, temporary files), and list files far larger than a list holds. A data
// folder removed while the program runs is tried through the main window (tst_faults).
#include "support/files.h"
#include "store/atomicwrite.h"
#include "store/listfinder.h"
#include "store/syncnames.h"
#include "store/textfile.h"
#include "store/vocablist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

using namespace store;

namespace {

void putFiles(const QDir &dir, const QStringList &names)
{
    for (const QString &name : names)
        putFile(dir.filePath(name), "x");
}

// How many bytes this process has read from files so far.
qint64 bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

qint64 peakMemoryKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TstSyncLeftovers : public QObject {
    Q_OBJECT

private slots:
    void conflictCopyNames_data();
    void conflictCopyNames();
    void halfPairsAreNamed();
    void conflictCopyPairIsOfferedAndNamed();
    void temporaryFilesArePassedOverSilently();
    void longMessagesAreCut();
    void hugeListFileIsReadOnlyAsFarAsAListHolds();
};

void TstSyncLeftovers::conflictCopyNames_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("original");
    QTest::newRow("Syncthing") << "Verbs.sync-conflict-20261201-120000-ABCDEFG" << "Verbs";
    QTest::newRow("Syncthing, name with dots") << "Il. 1.sync-conflict-20261201-120000-ABC1234" << "Il. 1";
    QTest::newRow("conflicted copy") << "Verbs (conflicted copy)" << "Verbs";
    QTest::newRow("with a date") << "Verbs (conflicted copy 2026-12-01)" << "Verbs";
    QTest::newRow("Nextcloud") << "Homer Iliad (conflicted copy 2026-12-01 120000)" << "Homer Iliad";
    QTest::newRow("Dropbox, a person's") << "Verbs (Ann's conflicted copy 2026-12-01)" << "Verbs";
    QTest::newRow("Dropbox, numbered") << "Verbs (Ann's conflicted copy 2026-12-01 (1))" << "Verbs";
    QTest::newRow("case conflict") << "Verbs (Case Conflict)" << "Verbs";
    QTest::newRow("case conflict 2") << "Verbs (Case Conflict 2)" << "Verbs";
    QTest::newRow("case clash") << "Verbs (case clash from 2026-12-01 120000)" << "Verbs";
    QTest::newRow("ownCloud") << "Verbs_conflict-20261201-120000" << "Verbs";
    QTest::newRow("Seafile") << "Verbs (SFConflict ann@example.org 2026-12-01-12-00-00)" << "Verbs";
    QTest::newRow("parentheses in the name") << "Ovid (Met.) (conflicted copy)" << "Ovid (Met.)";
    // Names a student may give a list.
    QTest::newRow("plain") << "Verbs" << "";
    QTest::newRow("parenthesis") << "Homer (Iliad 1)" << "";
    QTest::newRow("words") << "Notes on a conflicted copy" << "";
    QTest::newRow("short device") << "Verbs.sync-conflict-20261201-120000-ABC" << "";
    QTest::newRow("computer name") << "Verbs-LAPTOP" << "";
    QTest::newRow("numbered") << "Verbs (1)" << "";
}

void TstSyncLeftovers::conflictCopyNames()
{
    QFETCH(QString, stem);
    QFETCH(QString, original);
    QCOMPARE(conflictCopyOf(stem), original);
}

void TstSyncLeftovers::halfPairsAreNamed()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    putFiles(d, {"Verbs.vocab", "Verbs.rtf", "Nouns.rtf", "Adverbs.vocab", "Odd.VOCAB", "Odd.rtf",
                 "Verbs.sync-conflict-20261201-120000-ABCDEFG.vocab", "Verbs (conflicted copy).rtf",
                 "Verbs-LAPTOP.vocab", "Verbs (1).rtf", "Essay-2.rtf"});
    // A folder named like a list's file is no half of a list.
    QVERIFY(d.mkdir("Pictures.rtf") && d.mkdir("Old.vocab"));

    const FoundLists found = findLists(dir.path());
    QCOMPARE(found.names, QStringList{"Verbs"});
    QCOMPARE(found.skipped,
             (QStringList{
                 "Adverbs.vocab: its notes file Adverbs.rtf is missing",
                 "Essay-2.rtf: its list file Essay-2.vocab is missing",
                 "Nouns.rtf: its list file Nouns.vocab is missing",
                 "Odd.rtf: its list file Odd.vocab is missing",
                 "Odd.VOCAB: a list file's name must end in \".vocab\" in small letters (rename it Odd.vocab)",
                 "Verbs (1).rtf: its list file Verbs (1).vocab is missing; it may be a sync tool's copy of Verbs.rtf",
                 "Verbs (conflicted copy).rtf: a sync tool's copy of Verbs.rtf, made when two machines changed it before "
                 "they synced; compare the two (open both in a word processor), keep what you need in Verbs.rtf and "
                 "delete the copy",
                 "Verbs-LAPTOP.vocab: its notes file Verbs-LAPTOP.rtf is missing; it may be a sync tool's copy of "
                 "Verbs.vocab",
                 "Verbs.sync-conflict-20261201-120000-ABCDEFG.vocab: a sync tool's copy of Verbs.vocab, made when two "
                 "machines changed it before they synced; compare the two (both are text files), keep what you need "
                 "in Verbs.vocab and delete the copy",
             }));
    QVERIFY(found.conflictCopies.isEmpty());
    QCOMPARE(skippedListsMessage(found), "These files could not be offered as lists:\n" + found.skipped.join(u'\n'));

    // The other half arrives: the list is offered and nothing more is said of it.
    putFile(d.filePath("Nouns.vocab"), "Latin\r\n");
    const FoundLists later = findLists(dir.path());
    QCOMPARE(later.names, (QStringList{"Nouns", "Verbs"}));
    QVERIFY(!later.skipped.join(u'\n').contains("Nouns"));
}

void TstSyncLeftovers::conflictCopyPairIsOfferedAndNamed()
{
    // Both files of a list changed on two machines: the copies are a list that can be opened and
    // compared with the original.
    QTemporaryDir dir;
    QDir d(dir.path());
    putFiles(d, {"Verbs.vocab", "Verbs.rtf", "Verbs (conflicted copy 2026-12-01).vocab",
                 "Verbs (conflicted copy 2026-12-01).rtf", "Nouns.sync-conflict-20261201-120000-ABCDEFG.vocab",
                 "Nouns.sync-conflict-20261201-120000-ABCDEFG.rtf", "Lone.rtf"});
    const FoundLists found = findLists(dir.path());
    QCOMPARE(found.names, (QStringList{"Nouns.sync-conflict-20261201-120000-ABCDEFG", "Verbs",
                                       "Verbs (conflicted copy 2026-12-01)"}));
    QCOMPARE(found.conflictCopies, (QStringList{"Nouns.sync-conflict-20261201-120000-ABCDEFG: a copy of Nouns",
                                                "Verbs (conflicted copy 2026-12-01): a copy of Verbs"}));
    QCOMPARE(skippedListsMessage(found),
             "These files could not be offered as lists:\n"
             "Lone.rtf: its list file Lone.vocab is missing\n\n"
             "These lists are copies that a sync tool made when two machines changed the same list before they "
             "synced. Open each, compare it with the list it copies, keep what you need and delete the list you do "
             "not need:\n"
             "Nouns.sync-conflict-20261201-120000-ABCDEFG: a copy of Nouns\n"
             "Verbs (conflicted copy 2026-12-01): a copy of Verbs");
}

void TstSyncLeftovers::temporaryFilesArePassedOverSilently()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    const QStringList temporary{"~$Verbs.rtf",        ".~lock.Verbs.rtf#",     ".syncthing.Verbs.vocab.tmp",
                                "~syncthing~Verbs.rtf.tmp", "Verbs.vocab.partial", "Verbs.rtf.part",
                                "Verbs.rtf.crdownload", "Verbs.vocab.!sync",    ".~tmp~Verbs.vocab"};
    putFiles(d, QStringList{"Verbs.vocab", "Verbs.rtf"} + temporary);
    // Emacs's lock: a link to nowhere.
    QVERIFY(QFile::link("ann@host.1234", d.filePath(".#Verbs.vocab")));
    const FoundLists found = findLists(dir.path());
    QCOMPARE(found.names, QStringList{"Verbs"});
    QCOMPARE(skippedListsMessage(found), QString());
    // Passed over, not touched: they belong to programs that are still running.
    for (const QString &name : temporary)
        QVERIFY2(d.exists(name), qPrintable(name));
    QVERIFY(QFileInfo(d.filePath(".#Verbs.vocab")).isSymLink());
}

void TstSyncLeftovers::longMessagesAreCut()
{
    QTemporaryDir dir;
    QDir d(dir.path());
    for (int i = 0; i < 50; ++i)
        putFiles(d, {QString("Lone %1.rtf").arg(i, 2, 10, QChar('0')),
                     QString("L%1 (conflicted copy).vocab").arg(i, 2, 10, QChar('0')),
                     QString("L%1 (conflicted copy).rtf").arg(i, 2, 10, QChar('0'))});
    const FoundLists found = findLists(dir.path());
    QCOMPARE(found.skipped.size(), 50);
    QCOMPARE(found.conflictCopies.size(), 50);
    const QStringList lines = skippedListsMessage(found).split(u'\n');
    QCOMPARE(lines.size(), 1 + 20 + 1 + 1 + 1 + 10 + 1); // headings, lines, "... and n more", a blank line
    QCOMPARE(lines.at(21), QStringLiteral("... and 30 more"));
    QCOMPARE(lines.last(), QStringLiteral("... and 40 more"));
}

void TstSyncLeftovers::hugeListFileIsReadOnlyAsFarAsAListHolds()
{
    // 200 MB: the items a list holds and a few more, then a line of 200 MB (a sparse file: no
    // disk is used for it).
    QTemporaryDir dir;
    const QString path = dir.filePath("Huge.vocab");
    QByteArray start = "Latin\r\n";
    for (int i = 0; i < MaxItems + 5; ++i)
        start += QByteArray("w") + QByteArray::number(i) + "zxd\r\n";
    putFile(path, start);
    QVERIFY(QFile::resize(path, 200 << 20));

    const qint64 readBefore = bytesRead();
    const ListContent list = readListFile(path);
    const qint64 read = bytesRead() - readBefore;
    QCOMPARE(list.items.size(), MaxItems);
    QCOMPARE(list.items.last().Item, QString("w9999"));
    QVERIFY(list.truncated);
    QVERIFY2(read >= 0 && read < 4 * start.size(), qPrintable(QString::number(read)));
    QVERIFY(readListText(path).size() < start.size());

    // At the limit exactly, with or without a last line end: not cut.
    for (const QByteArray &end : {QByteArray("\r\n"), QByteArray()}) {
        QByteArray exact = "Latin\r\n";
        for (int i = 0; i < MaxItems; ++i)
            exact += "wzxd" + QByteArray(i + 1 < MaxItems ? "\r\n" : end);
        putFile(dir.filePath("Exact.vocab"), exact);
        const ListContent full = readListFile(dir.filePath("Exact.vocab"));
        QCOMPARE(full.items.size(), MaxItems);
        QVERIFY(!full.truncated);
    }

    // The backup made when the list is opened is the whole file, copied a piece at a time.
    const qint64 peakBefore = peakMemoryKiB();
    copyFileAtomic(path, dir.filePath("Backup.vocab"));
    QCOMPARE(QFileInfo(dir.filePath("Backup.vocab")).size(), qint64(200 << 20));
    QVERIFY2(peakMemoryKiB() - peakBefore < 50 * 1024, qPrintable(QString::number(peakMemoryKiB() - peakBefore)));
    QCOMPARE(filesIn(dir.path()), (QStringList{"Backup.vocab", "Exact.vocab", "Huge.vocab"}));
}

QTEST_GUILESS_MAIN(TstSyncLeftovers)
#include "tst_syncleftovers.moc"
