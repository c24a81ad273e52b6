// Lists kept in a folder that a sync tool keeps in step between two machines. "Here" is the
// program's data folder; "there" is the other machine's copy of it, changed by the test and
// brought over as a sync tool does (a new file renamed over the old one). Everything is driven
// through the real window; the bytes on both sides are checked.
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "support/files.h"
#include "support/harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextDocument>
#include <QTimer>

namespace {
const QStringList twoVerbs = {"amarezxto love", "monerezxto warn"};
const QString kept = QStringLiteral("Verbs (kept 2026-12-10 14-03)");

QString question(const QString &file, bool workHere, bool changed = true)
{
    return QStringLiteral("Since the list \"Verbs\" was opened or saved here, the file \"%1\" was %2 by another program "
                          "or another machine.\n\n%3Overwrite: save the version here over it; the version on disk is "
                          "kept in the \"Backups\" folder.\nCancel: leave both as they are for now.")
        .arg(file, changed ? QStringLiteral("changed") : QStringLiteral("deleted or renamed"),
             !changed ? QString()
             : workHere ? QStringLiteral("Reload: show the version on disk here; the work here is kept as a list of its own.\n")
                        : QStringLiteral("Reload: show the version on disk here.\n"));
}

// The other machine: a copy of the data folder, and the sync bringing a file of it over.
struct OtherMachine {
    QTemporaryDir dir;
    const DataFolder &here;
    explicit OtherMachine(const DataFolder &data) : here(data)
    {
        for (const QString &name : QDir(data.path()).entryList(QDir::Files))
            QFile::copy(data.path(name), dir.filePath(name));
    }
    QByteArray read(const QString &name) const { return fileBytes(dir.filePath(name)); }
    void write(const QString &name, const QByteArray &bytes) const { putFile(dir.filePath(name), bytes); }
    void syncOver(const QString &name) const
    {
        QSaveFile file(here.path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(read(name));
        QVERIFY(file.commit());
    }
    void syncBack(const QString &name) const
    {
        QSaveFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(here.read(name));
        QVERIFY(file.commit());
    }
};

// Verbs on both machines, open here.
struct TwoMachines {
    DataFolder data;
    bool seeded = (data.addList("Verbs", "Latin", twoVerbs), true);
    OtherMachine there{data};
    Harness h;
    TwoMachines() { h.openList("Verbs"); }
    // The other machine saves a file, and the sync brings it over.
    void bring(const QString &name, const QByteArray &bytes)
    {
        there.write(name, bytes);
        there.syncOver(name);
    }
};

void typeDescription(Harness &h, const QString &text)
{
    h.descriptionBox()->setFocus();
    QTest::keyClick(h.descriptionBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(h.descriptionBox(), text);
}

// The user goes to another program and comes back to this window.
void leaveAndComeBack(Harness &h)
{
    QApplication::setActiveWindow(nullptr);
    QTRY_VERIFY(!h.form().isActiveWindow());
    QApplication::setActiveWindow(&h.form());
    QTRY_VERIFY(h.form().isActiveWindow());
    QTest::qWait(20); // the question is asked once the activation has settled
}

QString notesText(const QByteArray &bytes)
{
    QTextDocument doc;
    rtf::read(bytes, &doc);
    return doc.toPlainText();
}
} // namespace

class TestSyncedFolder : public QObject {
    Q_OBJECT

private slots:
    void saveAfterAChangeThere_data();
    void saveAfterAChangeThere();
    void listDeletedThere();
    void windowComingBackAsks();
    void typedEditKeptOnReload();
    void sameBytesBroughtOverAskNothing();
    void realQuestionBox();
};

void TestSyncedFolder::saveAfterAChangeThere_data()
{
    QTest::addColumn<MsgButton>("answer");
    QTest::newRow("reload") << MsgButton::Reload;
    QTest::newRow("overwrite") << MsgButton::Overwrite;
    QTest::newRow("cancel") << MsgButton::Cancel;
}

// Edited here, changed there, brought over, then Save: the question; every answer leaves both
// versions where the user can open them.
void TestSyncedFolder::saveAfterAChangeThere()
{
    QFETCH(MsgButton, answer);
    TwoMachines m;
    [[maybe_unused]] auto &[data, seeded, there, h] = m;
    typeDescription(h, "to like");
    m.bring("Verbs.vocab", crlf({"Latin", "amarezxto love", "monerezxto warn", "audirezxto hear"}));
    const QByteArray theirs = there.read("Verbs.vocab");
    const QByteArray notes = data.read("Verbs.rtf");
    const QByteArray ours = crlf({"Latin", "amarezxto like", "monerezxto warn"});

    h.desktop.expect(question("Verbs.vocab", true), answer);
    if (answer == MsgButton::Reload)
        h.desktop.expect("The list \"Verbs\" now shows the version on disk. The work you had here was kept as the list \""
                         + kept + "\".");
    if (answer == MsgButton::Overwrite)
        h.desktop.expect("The list \"Verbs\" was saved. The version that was on disk was kept in the \"Backups\" folder "
                         "as the list \"" + kept + "\".");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));

    if (answer == MsgButton::Reload) {
        QCOMPARE(data.read("Verbs.vocab"), theirs);
        QCOMPARE(data.read(kept + ".vocab"), ours);
        QCOMPARE(notesText(data.read(kept + ".rtf")), QStringLiteral("Notes"));
        QCOMPARE(h.itemBox()->count(), 3); // the window shows their version
        QVERIFY(h.listSelector()->findText(kept) >= 0); // and offers ours
        QVERIFY(!h.form().document().isModified());
    } else if (answer == MsgButton::Overwrite) {
        QCOMPARE(data.read("Verbs.vocab"), ours);
        QCOMPARE(data.read("Backups/" + kept + ".vocab"), theirs);
        QCOMPARE(data.read("Backups/" + kept + ".rtf"), notes);
        QVERIFY(!h.form().document().isModified());
        there.syncBack("Verbs.vocab");
        QCOMPARE(there.read("Verbs.vocab"), ours);
    } else {
        QCOMPARE(data.read("Verbs.vocab"), theirs);
        QVERIFY(!data.exists(kept + ".vocab") && !data.exists("Backups/" + kept + ".vocab"));
        QVERIFY(h.form().document().isModified());
        QVERIFY(h.saveButton()->isEnabled());
        // Asked again at the next save: leaving it for now is no leave to overwrite.
        h.desktop.expect(question("Verbs.vocab", true), MsgButton::Cancel);
        QTest::mouseClick(h.saveButton(), Qt::LeftButton);
        QCOMPARE(data.read("Verbs.vocab"), theirs);
    }
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

// The list removed there (renamed, or deleted on the other machine): no version to reload; saving
// writes it again.
void TestSyncedFolder::listDeletedThere()
{
    DataFolder data;
    data.addList("Verbs", "Latin", twoVerbs);
    Harness h;
    h.openList("Verbs");
    typeDescription(h, "to like");
    QVERIFY(QFile::remove(data.path("Verbs.vocab")));
    h.desktop.expect(question("Verbs.vocab", true, false), MsgButton::Overwrite);
    h.desktop.expect("The list \"Verbs\" was saved. The version that was on disk was kept in the \"Backups\" folder as "
                     "the list \"" + kept + "\".");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(h.desktop.shown.first().buttons, MsgButton::Overwrite | MsgButton::Cancel);
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto like", "monerezxto warn"}));
    // The notes that were still there are kept.
    QCOMPARE(notesText(data.read("Backups/" + kept + ".rtf")), QStringLiteral("Notes"));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

// No work here: coming back to the window after the other machine's notes arrived asks; Reload
// shows them and keeps nothing. A change left alone is not asked about again until the next one.
void TestSyncedFolder::windowComingBackAsks()
{
    TwoMachines m;
    [[maybe_unused]] auto &[data, seeded, there, h] = m;
    {
        QTextDocument doc;
        doc.setPlainText("Notes written there");
        m.bring("Verbs.rtf", rtf::write(&doc));
    }
    h.desktop.expect(question("Verbs.rtf", false), MsgButton::Reload);
    leaveAndComeBack(h);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("Notes written there"));
    QVERIFY(!data.exists(kept + ".vocab"));
    QVERIFY(!h.form().document().isModified());

    m.bring("Verbs.vocab", crlf({"Latin", "amarezxto love"}));
    h.desktop.expect(question("Verbs.vocab", false), MsgButton::Cancel);
    leaveAndComeBack(h);
    leaveAndComeBack(h); // left alone: not asked again
    QCOMPARE(h.desktop.shown.size(), 2);
    QCOMPARE(h.itemBox()->count(), 2);
    m.bring("Verbs.vocab", crlf({"Latin", "amarezxto love", "audirezxto hear", "videre zxto see"}));
    h.desktop.expect(question("Verbs.vocab", false), MsgButton::Reload);
    leaveAndComeBack(h);
    QCOMPARE(h.itemBox()->count(), 3);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

// A description typed but not yet stored when the other version arrives: Reload keeps it in the
// copy of the work here.
void TestSyncedFolder::typedEditKeptOnReload()
{
    TwoMachines m;
    [[maybe_unused]] auto &[data, seeded, there, h] = m;
    typeDescription(h, "to adore");
    m.bring("Verbs.vocab", crlf({"Latin", "amarezxto love"}));
    h.desktop.expect(question("Verbs.vocab", true), MsgButton::Reload);
    h.desktop.expect("The list \"Verbs\" now shows the version on disk. The work you had here was kept as the list \""
                     + kept + "\".");
    leaveAndComeBack(h);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
    QCOMPARE(data.read(kept + ".vocab"), crlf({"Latin", "amarezxto adore", "monerezxto warn"}));
    QCOMPARE(h.itemBox()->count(), 1);
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("to love"));
}

// A sync tool that rewrites a file with the bytes it had, or touches it, changes nothing.
void TestSyncedFolder::sameBytesBroughtOverAskNothing()
{
    TwoMachines m;
    [[maybe_unused]] auto &[data, seeded, there, h] = m;
    there.syncOver("Verbs.vocab");
    there.syncOver("Verbs.rtf");
    leaveAndComeBack(h);
    typeDescription(h, "to like");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto like", "monerezxto warn"}));
    QVERIFY(h.desktop.shown.isEmpty());
}

// The question as the desktop shows it: the program's real box, its three answers, Esc leaving
// both versions, and the window coming back from the box asking nothing more. With
// MNEMORA_SCREENSHOTS set to a folder, the box is saved there as a picture.
void TestSyncedFolder::realQuestionBox()
{
    TwoMachines m;
    m.h.desktop.realBoxes = true;
    m.h.desktop.boxesTakeActivation = true;
    typeDescription(m.h, "to like");
    m.bring("Verbs.vocab", crlf({"Latin", "amarezxto love"}));
    QStringList captions;
    QTimer::singleShot(20, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *button : box->buttons())
            captions << button->text();
        if (const QString folder = qEnvironmentVariable("MNEMORA_SCREENSHOTS"); !folder.isEmpty())
            box->grab().save(QDir(folder).filePath("disk-question.png"));
    });
    m.h.desktop.expect(question("Verbs.vocab", true), MsgButton::Cancel);
    QTest::mouseClick(m.h.saveButton(), Qt::LeftButton);
    captions.sort();
    QCOMPARE(captions, QStringList({"&Overwrite", "&Reload", "Cancel"}));
    leaveAndComeBack(m.h);
    QCOMPARE(m.h.desktop.shown.size(), 1);
    QCOMPARE(m.data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love"}));
    QVERIFY(m.h.form().document().isModified());
    QVERIFY2(m.h.desktop.problems().isEmpty(), qPrintable(m.h.desktop.problems().join('\n')));
}

QTEST_MAIN(TestSyncedFolder)
#include "tst_syncedfolder.moc"
