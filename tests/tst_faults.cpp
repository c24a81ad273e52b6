// What the disk and the other programs on it do to the data folder while Mnemora runs: the folder
// removed, made read-only, filled up; a list file gone between the drop-down and the choice; the
// Backups folder replaced by a file; a list file of hundreds of megabytes. Each time the user is
// told which file and why, the program goes on, and no file on disk is lost. Tried through the
// main window, on real disks (support/scratchdisk.h).
#include "support/harness.h"
#include "support/scratchdisk.h"

#include "store/vocablist.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

using scratchdisk::ScratchDisk;

namespace {

const QStringList VerbItems{"amozxI love", "videozxI see"};

// Types into the description box of the item shown, as a user does: the list has unsaved work.
void typeDescription(Harness &h, const QString &text)
{
    QTextEdit *box = h.descriptionBox();
    box->setFocus();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    box->selectAll();
    QTest::keyClicks(box, text);
}

void clickSave(Harness &h)
{
    QVERIFY(h.saveButton()->isEnabled());
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    h.settle();
}

// The temporary files a save makes (".mnemora-XXXXXX.tmp") left in a folder.
QStringList tempFilesIn(const QString &folder)
{
    return QDir(folder).entryList({".mnemora-*"}, QDir::Files | QDir::Hidden);
}

// Mounts a small disk of its own on the data folder and works in it; skips the test where the
// system gives no mounts.
#define MOUNT_SCRATCH_DISK(disk, data, size)                                                                          \
    ScratchDisk disk(data.path(), size);                                                                               \
    if (!disk.ok())                                                                                                    \
        QSKIP(qPrintable("No disk of its own for this test: " + disk.error()));                                        \
    QDir::setCurrent(data.path())

qint64 peakMemoryMiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void removedDataFolder();
    void diskRefusingTheSave_data();
    void diskRefusingTheSave();
    void listFileGoneBeforeTheChoice();
    void backupsFolderIsAFile();
    void hugeListFile();
};

void TestFaults::removedDataFolder()
{
    DataFolder data;
    data.addList("Verbs", "Latin", VerbItems);
    data.addList("Nouns", "Latin", {"aquazxwater"});
    const QString folder = data.path();
    const QString cause = QString("The data folder \"%1\" was removed or moved away while Mnemora was running; put it "
                                  "back (or make it again) and try again")
                              .arg(folder);
    Harness h;
    h.openList("Verbs");
    typeDescription(h, "I love you");

    // Save, the Master List and opening a list say what happened; the work stays open.
    QVERIFY(QDir(folder).removeRecursively());
    h.desktop.expect("Cannot create file \"Verbs.vocab\". " + cause + ".");
    clickSave(h);
    QVERIFY(h.form().document().isModified());
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("I love you"));
    // The Master List offers to save first: the save fails as before, and the Master List
    // cannot find the lists.
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.desktop.expect("Cannot create file \"Verbs.vocab\". " + cause + ".");
    h.desktop.expect(QString("No lists can be found in the folder \"%1\". %2.").arg(folder, cause));
    bool masterShown = false;
    QTimer::singleShot(0, [&] { // were it opened, it would wait for its closing
        masterShown = h.program->windows.masterList->isVisible();
        h.program->windows.masterList->close();
    });
    QTest::mouseClick(h.masterListButton(), Qt::LeftButton);
    h.settle();
    QVERIFY(!masterShown);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));

    // The folder made again: the list's files are not in it, which Save tells before it writes
    // the work into it.
    QVERIFY(QDir().mkpath(folder));
    h.desktop.expect("Since the list \"Verbs\" was opened or saved here, the file \"Verbs.vocab\" was deleted or "
                     "renamed and the file \"Verbs.rtf\" was deleted or renamed by another program or another "
                     "machine.\n\nOverwrite: save the version here over it; the version on disk is kept in the "
                     "\"Backups\" folder.\nCancel: leave both as they are for now.",
                     MsgButton::Overwrite);
    clickSave(h);
    QVERIFY(!h.form().document().isModified());
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amozxI love you", "videozxI see"}));
    QVERIFY(data.exists("Verbs.rtf"));

    // Removed again with nothing unsaved: the drop-down names the folder once, and a list shown
    // in it before cannot be opened, for the same reason.
    h.listSelector()->showPopup();
    QCOMPARE(h.listSelector()->entries(), QStringList{"Verbs"});
    QVERIFY(QDir(folder).removeRecursively());
    h.desktop.expect("Cannot open file \"Verbs.vocab\". " + cause + ".");
    h.listSelector()->hidePopup();
    h.listSelector()->setCurrentIndex(0);
    emit h.listSelector()->activated(0);
    h.settle();
    QVERIFY(h.form().document().isOpen()); // the list open before stays open
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Verbs"));
    h.desktop.expect(QString("No lists can be found in the folder \"%1\". %2").arg(folder, cause));
    h.listSelector()->showPopup();
    QVERIFY(h.listSelector()->entries().isEmpty());
    h.listSelector()->hidePopup();
    h.settle();
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));
}

void TestFaults::diskRefusingTheSave_data()
{
    QTest::addColumn<bool>("full"); // else read-only
    QTest::newRow("read-only") << false;
    QTest::newRow("full") << true;
}

// A folder made read-only, or a disk filled: Save says which file and why, the work stays unsaved,
// the old pair stays whole and no temporary file is left; once the disk takes it, the same work is
// saved.
void TestFaults::diskRefusingTheSave()
{
    QFETCH(bool, full);
    DataFolder data;
    MOUNT_SCRATCH_DISK(disk, data, 1 << 20);
    data.addList("Verbs", "Latin", VerbItems);
    const QByteArray oldList = data.read("Verbs.vocab"), oldNotes = data.read("Verbs.rtf");
    Harness h;
    h.openList("Verbs");
    typeDescription(h, "I love you");

    if (full) {
        QVERIFY2(disk.fill("Filler"), qPrintable(disk.error()));
        h.desktop.expect("Cannot write file \"Verbs.vocab\". No space left on the disk.");
    } else {
        QVERIFY(disk.setReadOnly(true));
        h.desktop.expect(QString("Cannot create file \"Verbs.vocab\". The folder \"%1\" cannot be written: the disk "
                                 "is read-only.")
                             .arg(data.path()));
    }
    clickSave(h);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.saveButton()->isEnabled());
    QCOMPARE(data.read("Verbs.vocab"), oldList);
    QCOMPARE(data.read("Verbs.rtf"), oldNotes);
    QVERIFY(tempFilesIn(data.path()).isEmpty()); // none left to fill the disk further

    QVERIFY(full ? QFile::remove(data.path("Filler")) : disk.setReadOnly(false));
    clickSave(h);
    QVERIFY(!h.form().document().isModified());
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amozxI love you", "videozxI see"}));
    QVERIFY(tempFilesIn(data.path()).isEmpty());
}

void TestFaults::listFileGoneBeforeTheChoice()
{
    DataFolder data;
    data.addList("Verbs", "Latin", VerbItems);
    data.addList("Nouns", "Latin", {"aquazxwater"});
    for (const bool listOpen : {false, true}) {
        Harness h;
        if (listOpen)
            h.openList("Verbs");
        h.listSelector()->showPopup();
        QCOMPARE(h.listSelector()->entries(), (QStringList{"Nouns", "Verbs"}));
        // Another machine's sync removes the list while the drop-down is shown.
        QVERIFY(QFile::rename(data.path("Nouns.vocab"), data.path("Nouns.moved")));
        h.desktop.expect("Cannot open file \"Nouns.vocab\". No such file or folder.");
        h.listSelector()->hidePopup();
        h.listSelector()->setCurrentIndex(0);
        emit h.listSelector()->activated(0);
        h.settle();
        QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));
        // The selector shows what is open, not the list that could not be opened.
        QCOMPARE(h.form().document().isOpen(), listOpen);
        if (listOpen) {
            QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Verbs"));
            QCOMPARE(h.form().session().item(1).Item, QStringLiteral("amo"));
        } else {
            QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
        }
        QVERIFY(!data.exists("Backups/Nouns.vocab"));
        QVERIFY(QFile::rename(data.path("Nouns.moved"), data.path("Nouns.vocab")));
        // The notes remained: the next drop-down names them, and offers the list once it is back.
    }
}

void TestFaults::backupsFolderIsAFile()
{
    DataFolder data;
    data.addList("Verbs", "Latin", VerbItems);
    const QByteArray list = data.read("Verbs.vocab"), notes = data.read("Verbs.rtf");
    Harness h;
    QVERIFY(QDir(data.path("Backups")).removeRecursively());
    data.write("Backups", "a file where the folder was");

    // The backup comes first: without it the list is not opened, and nothing is changed.
    h.desktop.expect("Cannot create file \"Backups/Verbs.vocab\". \"Backups\" is a file, not a folder.");
    h.openList("Verbs");
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));
    QVERIFY(!h.form().document().isOpen());
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
    QCOMPARE(data.read("Verbs.vocab"), list);
    QCOMPARE(data.read("Verbs.rtf"), notes);
    QCOMPARE(data.read("Backups"), QByteArray("a file where the folder was"));
    QVERIFY(tempFilesIn(data.path()).isEmpty());
}

void TestFaults::hugeListFile()
{
    // 200 MB of items: a list file copied into the data folder by mistake, or one that another
    // program kept writing to.
    DataFolder data;
    data.addList("Huge", "Latin", {});
    constexpr qint64 Size = 200 << 20;
    {
        QFile file(data.path("Huge.vocab"));
        QVERIFY(file.open(QIODevice::Append));
        QByteArray piece;
        for (int i = 0; piece.size() < (1 << 20); ++i)
            piece += "verbumzxa word of the list, number " + QByteArray::number(i) + "\r\n";
        while (file.size() < Size)
            QVERIFY(file.write(piece) == piece.size());
    }
    const qint64 fileSize = QFileInfo(data.path("Huge.vocab")).size();
    const qint64 peakBefore = peakMemoryMiB();
    Harness h;
    h.desktop.expect(QString("The list \"Huge\" holds more than %1 items. Only the first %1 were read; saving it will "
                             "drop the rest.")
                         .arg(store::MaxItems));
    h.openList("Huge");
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));
    QCOMPARE(h.form().session().itemCount(), store::MaxItems);
    QCOMPARE(h.form().session().item(1), (VocabItem{"verbum", "a word of the list, number 0"}));
    // The backup is the whole file; the file itself is as it was.
    QCOMPARE(QFileInfo(data.path("Backups/Huge.vocab")).size(), fileSize);
    QCOMPARE(QFileInfo(data.path("Huge.vocab")).size(), fileSize);

    // The Master List reads as much of it as a list holds.
    bool shown = false;
    int latin = -1;
    QTimer::singleShot(0, [&] {
        MasterListWindow *master = h.program->windows.masterList;
        shown = master->isVisible();
        latin = int(controlsOf(master).list()->model()->rowCount());
        master->close();
    });
    h.desktop.expect(QString("The list \"Huge\" holds more than %1 items. The Master List shows its first %1.")
                         .arg(store::MaxItems));
    QTest::mouseClick(h.masterListButton(), Qt::LeftButton);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(" | ")));
    QVERIFY(shown);
    QCOMPARE(latin, store::MaxItems);
    QVERIFY2(peakMemoryMiB() - peakBefore < 150, qPrintable(QString::number(peakMemoryMiB() - peakBefore)));
}

MNEMORA_TEST_MAIN_WITH_MOUNTS(TestFaults)
#include "tst_faults.moc"
