// The open list's files changed by someone else: what counts as a change, a save that refuses to
// write over one, the two ways on (the other version kept in the backups, the work here kept as a
// list of its own), names for kept copies, and a file read while it is being written.
#include "session/listdocument.h"
#include "store/filestamp.h"
#include "store/listname.h"
#include "support/files.h"

#include <QDateTime>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/stat.h>
#include <utime.h>

namespace {
const QByteArray versionHere = "Latin\r\namarezxto love\r\n";
const QByteArray versionThere = "Latin\r\namarezxto love\r\nmonerezxto warn\r\n";
const QByteArray notesHere = "{\\rtf1\\ansi here}";
const QDateTime when(QDate(2026, 12, 10), QTime(14, 3));

void setModified(const QString &path, qint64 seconds)
{
    struct utimbuf times {seconds, seconds};
    QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
}

// Verbs as here, opened, with an item added.
void openWithWork(ListDocument &doc)
{
    putFile("Verbs.vocab", versionHere);
    putFile("Verbs.rtf", notesHere);
    doc.open("Verbs");
    doc.list().addAfterCurrent("audire", "to hear");
}

// Appends a line to the file after the first read pass, or after every one.
int growthsLeft = 0;
void grow(const QString &path, int)
{
    if (growthsLeft-- <= 0)
        return;
    QFile f(path);
    if (f.open(QIODevice::Append))
        f.write("laudarezxto praise\r\n");
}
} // namespace

class TestDiskState : public QObject {
    Q_OBJECT

private slots:
    void whatCountsAsAChange();
    void saveRefusesToWriteOverAChange_data();
    void saveRefusesToWriteOverAChange();
    void overwriteKeepsTheOtherVersionInTheBackups();
    void keepingTheWorkHereLeavesTheOpenList();
    void keptCopyNames();
    void fileGrowingWhileItIsRead();
};

void TestDiskState::whatCountsAsAChange()
{
    WorkingFolder folder;
    putFile("Verbs.vocab", versionHere);
    const store::FileStamp stamp = store::readFileStable("Verbs.vocab").stamp;
    QVERIFY(store::stillAsStamped("Verbs.vocab", stamp));

    // Touched, or written again with the same bytes (a sync tool does both): no change.
    setModified("Verbs.vocab", 1000000000);
    QVERIFY(store::stillAsStamped("Verbs.vocab", stamp));
    putFile("Verbs.vocab", versionHere);
    QVERIFY(store::stillAsStamped("Verbs.vocab", stamp));

    // Other bytes of the same size, with the time set back to what it was: a change.
    const store::FileStamp before = store::readFileStable("Verbs.vocab").stamp;
    QByteArray same = versionHere;
    same.replace("love", "LOVE");
    putFile("Verbs.vocab", same);
    setModified("Verbs.vocab", before.modifiedNs / 1000000000);
    QVERIFY(!store::stillAsStamped("Verbs.vocab", before));

    // Gone; there when it was not.
    QVERIFY(QFile::remove("Verbs.vocab"));
    QVERIFY(!store::stillAsStamped("Verbs.vocab", stamp));
    QVERIFY(store::stillAsStamped("Verbs.vocab", store::missingFile()));
    putFile("Verbs.vocab", versionHere);
    QVERIFY(!store::stillAsStamped("Verbs.vocab", store::missingFile()));
}

void TestDiskState::saveRefusesToWriteOverAChange_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("said");
    const QString head = QStringLiteral("Since the list \"Verbs\" was opened or saved here, the file ");
    const QString tail = QStringLiteral(" by another program or another machine. Nothing was written.");
    QTest::newRow("list changed") << "Verbs.vocab" << false << head + "\"Verbs.vocab\" was changed" + tail;
    QTest::newRow("notes changed") << "Verbs.rtf" << false << head + "\"Verbs.rtf\" was changed" + tail;
    QTest::newRow("list removed") << "Verbs.vocab" << true << head + "\"Verbs.vocab\" was deleted or renamed" + tail;
    QTest::newRow("notes removed") << "Verbs.rtf" << true << head + "\"Verbs.rtf\" was deleted or renamed" + tail;
}

// After opening and after a save alike, a change there makes Save refuse and write nothing.
void TestDiskState::saveRefusesToWriteOverAChange()
{
    QFETCH(QString, file);
    QFETCH(bool, removed);
    QFETCH(QString, said);
    for (const bool savedFirst : {false, true}) {
        WorkingFolder folder;
        putFile("Verbs.vocab", versionHere);
        putFile("Verbs.rtf", notesHere);
        ListDocument doc;
        doc.open("Verbs");
        QVERIFY(!doc.changedOnDisk().any());
        if (savedFirst) {
            doc.list().addAfterCurrent("laudare", "to praise");
            doc.save();
            QVERIFY(!doc.changedOnDisk().any());
        }
        doc.list().addAfterCurrent("audire", "to hear");
        if (removed)
            QVERIFY(QFile::remove(file));
        else
            putFile(file, "changed there");
        const QByteArray list = fileBytes("Verbs.vocab"), notes = fileBytes("Verbs.rtf");
        const DiskChange change = doc.changedOnDisk();
        QCOMPARE(change.listChanged, file == "Verbs.vocab");
        QCOMPARE(change.notesChanged, file == "Verbs.rtf");
        QCOMPARE(change.canReload(), !(removed && file == "Verbs.vocab"));
        QCOMPARE(errorOf([&] { doc.save(); }), said);
        QCOMPARE(fileBytes("Verbs.vocab"), list);
        QCOMPARE(fileBytes("Verbs.rtf"), notes);
        QVERIFY(doc.isModified());
    }
}

void TestDiskState::overwriteKeepsTheOtherVersionInTheBackups()
{
    WorkingFolder folder;
    ListDocument doc;
    openWithWork(doc);
    putFile("Verbs.vocab", versionThere);
    putFile("Verbs.rtf", "{\\rtf1\\ansi there}");

    QCOMPARE(doc.saveOverDisk(when), QStringLiteral("Verbs (kept 2026-12-10 14-03)"));
    QCOMPARE(fileBytes("Verbs.vocab"), "Latin\r\namarezxto love\r\naudirezxto hear\r\n");
    QCOMPARE(fileBytes("Backups/Verbs (kept 2026-12-10 14-03).vocab"), versionThere);
    QCOMPARE(fileBytes("Backups/Verbs (kept 2026-12-10 14-03).rtf"), "{\\rtf1\\ansi there}");
    QVERIFY(!doc.isModified());
    QVERIFY(!doc.changedOnDisk().any());
    // A second time in the same minute keeps under a name of its own.
    doc.list().addAfterCurrent("videre", "to see");
    putFile("Verbs.vocab", versionThere);
    QCOMPARE(doc.saveOverDisk(when), QStringLiteral("Verbs (kept 2026-12-10 14-03) 2"));
    QCOMPARE(fileBytes("Backups/Verbs (kept 2026-12-10 14-03) 2.vocab"), versionThere);
    QVERIFY(!QFile::exists("Verbs (kept 2026-12-10 14-03).vocab")); // nothing beside the lists

    // Both files gone there: written again, nothing to keep.
    QVERIFY(QFile::remove("Verbs.vocab") && QFile::remove("Verbs.rtf"));
    doc.list().addAfterCurrent("ridere", "to laugh");
    QCOMPARE(doc.saveOverDisk(when), QString());
    QVERIFY(fileBytes("Verbs.vocab").contains("ridere"));
    QVERIFY(QFile::exists("Verbs.rtf"));
}

void TestDiskState::keepingTheWorkHereLeavesTheOpenList()
{
    WorkingFolder folder;
    ListDocument doc;
    openWithWork(doc);
    QTextCursor(doc.notes()).insertText("typed ");
    putFile("Verbs.vocab", versionThere);

    const QString kept = doc.keepWorkAsCopy(when);
    QCOMPARE(kept, QStringLiteral("Verbs (kept 2026-12-10 14-03)"));
    QCOMPARE(fileBytes(kept + ".vocab"), "Latin\r\namarezxto love\r\naudirezxto hear\r\n");
    QVERIFY(fileBytes(kept + ".rtf").contains("typed here"));
    QCOMPARE(fileBytes("Verbs.vocab"), versionThere); // the other version untouched
    QCOMPARE(doc.list().name(), QStringLiteral("Verbs"));

    // Reading the list again now takes the version there as it is.
    doc.open("Verbs");
    QCOMPARE(doc.list().itemCount(), 2);
    QVERIFY(!doc.changedOnDisk().any());
    doc.save();
    QCOMPARE(fileBytes("Verbs.vocab"), versionThere);
}

void TestDiskState::keptCopyNames()
{
    const auto none = [](const QString &) { return false; };
    QCOMPARE(store::keptCopyName("Verbs", when, none), QStringLiteral("Verbs (kept 2026-12-10 14-03)"));
    // A hidden list's copy is no hidden file; characters a list name cannot hold are replaced.
    QCOMPARE(store::keptCopyName(".Verbs", when, none), QStringLiteral("Verbs (kept 2026-12-10 14-03)"));
    QCOMPARE(store::keptCopyName("a:b", when, none), QStringLiteral("a-b (kept 2026-12-10 14-03)"));
    // The longest name the disk takes: shortened, accepted.
    const QString longest = QString(250, u'x');
    const QString kept = store::keptCopyName(longest, when, none);
    QVERIFY(kept.endsWith(" (kept 2026-12-10 14-03)"));
    QCOMPARE(store::checkListName(kept), store::ListNameRefusal::None);
    const QStringList taken = {"Verbs (kept 2026-12-10 14-03)", "Verbs (kept 2026-12-10 14-03) 2"};
    QCOMPARE(store::keptCopyName("Verbs", when, [&](const QString &name) { return taken.contains(name); }),
             QStringLiteral("Verbs (kept 2026-12-10 14-03) 3"));
}

// A sync tool writing the file while it is read: read again whole, or refused with the cause;
// never half a file, and a refused read leaves the open list as it was.
void TestDiskState::fileGrowingWhileItIsRead()
{
    WorkingFolder folder;
    putFile("Verbs.vocab", versionHere);
    putFile("Verbs.rtf", notesHere);
    putFile("Nouns.vocab", "Latin\r\nrosazxrose\r\n");
    putFile("Nouns.rtf", notesHere);
    store::detail::afterReadPass = grow;
    ListDocument doc;

    growthsLeft = 1;
    doc.open("Verbs");
    QCOMPARE(doc.list().itemCount(), 2); // the line added while it was read
    QCOMPARE(fileBytes("Backups/Verbs.vocab"), fileBytes("Verbs.vocab"));
    QVERIFY(!doc.changedOnDisk().any());

    growthsLeft = 1000;
    const QByteArray backup = fileBytes("Backups/Nouns.vocab");
    QCOMPARE(errorOf([&] { doc.open("Nouns"); }),
             QStringLiteral("Cannot read file \"Nouns.vocab\". It kept changing while it was being read (another program "
                            "or a sync tool may be writing it); nothing was read. Try again in a moment"));
    QCOMPARE(doc.list().name(), QStringLiteral("Verbs"));
    QCOMPARE(fileBytes("Backups/Nouns.vocab"), backup);
    store::detail::afterReadPass = nullptr;
}

QTEST_GUILESS_MAIN(TestDiskState)
#include "tst_diskstate.moc"
