// Making, renaming, re-languaging and deleting lists through the Change / Update button, the
// editable selector and the language buttons, with the bytes of the files written checked.
#include "support/harness.h"

#include "mainwindow/listchooser.h"
#include "platform/rtfwriter.h"
#include "store/listname.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QTextDocument>
#include <QWheelEvent>

namespace {
const QString NewBanner = QStringLiteral("Enter new list name and select language");
const QString OpenBanner = QStringLiteral("Change current item ONLY and click Update");
const QStringList AlphaItems = {"unuszxone", "duozxtwo"};

void clickUpdate(Harness &h) { QTest::mouseClick(h.changeListButton(), Qt::LeftButton); }

// Replaces the text of the selector's box as a user does: select all, type.
void retypeName(Harness &h, const QString &text)
{
    QTest::keyClick(h.listSelector(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(h.listSelector(), Qt::Key_Backspace);
    else
        QTest::keyClicks(h.listSelector(), text);
}

QStringList filesIn(const DataFolder &data)
{
    return QDir(data.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray emptyNotes()
{
    QTextDocument doc;
    return rtf::write(&doc);
}

// Update mode as the user sees it: the caption, the banner, the bar, the buttons, the box.
void verifyUpdateMode(Harness &h, const QString &banner)
{
    QVERIFY(h.form().mode().updateMode);
    QCOMPARE(h.changeListButton()->text(), QStringLiteral("Update"));
    QVERIFY(h.updateBanner()->isVisible());
    QCOMPARE(h.updateBanner()->text(), banner);
    QCOMPARE(h.updateBanner()->height(), 281);
    QVERIFY(h.updateBar()->isVisible() && h.form().animationTimer().isActive());
    QVERIFY(h.greekButton()->isVisible() && h.latinButton()->isVisible());
    QVERIFY(h.listSelector()->isEditable());
    QVERIFY(!h.notesBox()->isEnabled());
    QVERIFY(h.expandNotesButton()->isHidden() && h.helpIcon()->isHidden());
}

void verifyLeftUpdateMode(Harness &h)
{
    QVERIFY(!h.form().mode().updateMode);
    QCOMPARE(h.changeListButton()->text(), QStringLiteral("Change"));
    QVERIFY(h.updateBanner()->isHidden() && h.updateBar()->isHidden());
    QVERIFY(h.greekButton()->isHidden() && h.latinButton()->isHidden() && h.languagePanel()->isHidden());
    QVERIFY(!h.listSelector()->isEditable());
}
} // namespace

class TestLists : public QObject {
    Q_OBJECT

private slots:
    void createVerbsAsLatin();
    void newListOverAnOldOneKeepsTheBackup();
    void enterPressesTheFocusedButton();
    void overwriteQuestionAndLanguageChange();
    void renamingOntoAnotherListAndAnewName();
    void deletingWithYesAndCancel();
    void escInBothKindsChangesNothing();
    void enterAfterNameTooShort();
    void refusedNames();
    void saveQuestionYesRefusedAndNo();
    void failedCommitKeepsUpdateMode();
    void updateModeWithTheNotesEnlarged();
    void selectorOpensNothingInUpdateMode();
};

void TestLists::createVerbsAsLatin()
{
    DataFolder data;
    data.addList("Alpha", "Greek", {"lo/gojzxword"});
    Harness h;
    clickUpdate(h);
    verifyUpdateMode(h, NewBanner);
    QVERIFY(!h.greekButton()->isChecked() && !h.latinButton()->isChecked());
    QCOMPARE(h.listSelector()->currentText(), QString());
    QCOMPARE(h.listSelector()->count(), 0);
    QCOMPARE(QApplication::focusWidget(), h.listSelector());

    QTest::keyClicks(h.listSelector(), "Ve");
    h.desktop.expect("Name too short.");
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    verifyUpdateMode(h, NewBanner);
    QCOMPARE(h.listSelector()->lineEdit()->cursorPosition(), 2);
    QTest::keyClicks(h.listSelector(), "rbs");
    // No language yet: the yellow panel asks for one, and nothing is written.
    clickUpdate(h);
    QVERIFY(h.languagePanel()->isVisible());
    verifyUpdateMode(h, NewBanner);
    QTest::mouseClick(h.latinButton(), Qt::LeftButton);
    QVERIFY(h.latinButton()->isChecked() && !h.greekButton()->isChecked());
    QVERIFY(h.languagePanel()->isHidden());
    QCOMPARE(QApplication::focusWidget(), h.changeListButton());
    QCOMPARE(filesIn(data), QStringList({"Alpha.rtf", "Alpha.vocab"}));

    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\n"));
    QCOMPARE(data.read("Verbs.rtf"), emptyNotes());
    QCOMPARE(h.listSelector()->entries(), QStringList({"Alpha", "Verbs"}));
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Verbs"));
    const ListSession &s = h.form().session();
    QVERIFY(s.isOpen() && s.isSaved());
    QCOMPARE(s.name(), QStringLiteral("Verbs"));
    QCOMPARE(s.language(), QStringLiteral("Latin"));
    QCOMPARE(s.itemCount(), 0);
    QVERIFY(h.itemBox()->isEnabled() && h.notesBox()->isEnabled() && h.notesBox()->isVisible());
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(h.notesBox()->toPlainText(), QString());
    QVERIFY(h.fontList()->isVisible() && h.fontList()->isEnabled());
    QVERIFY(h.expandNotesButton()->isVisible() && h.expandNotesButton()->isEnabled());

    // The new list is a list like any other: an item added to it is saved into it.
    QTest::keyClicks(h.itemBox(), "amare");
    h.descriptionBox()->setFocus();
    QTest::keyClicks(h.descriptionBox(), "to love");
    QTest::mouseClick(h.addButton(), Qt::LeftButton);
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\namarezxto love\r\n"));
}

// A new list that takes an existing list's name replaces the pair, and only the pair: the backup
// of the old list from its last opening stays.
void TestLists::newListOverAnOldOneKeepsTheBackup()
{
    DataFolder data;
    data.addList("Verbs", "Latin", AlphaItems);
    const QByteArray backup = crlf({"Latin", "amarezxto love"});
    data.write("Backups/Verbs.vocab", backup);
    data.write("Backups/Verbs.rtf", "{\\rtf1 old notes}");
    Harness h;
    clickUpdate(h);
    QTest::keyClicks(h.listSelector(), "Verbs");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    QVERIFY(h.languagePanel()->isVisible());
    QTest::mouseClick(h.greekButton(), Qt::LeftButton);
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    clickUpdate(h);
    QVERIFY(!h.form().mode().updateMode);
    QCOMPARE(h.form().session().name(), QStringLiteral("Verbs"));
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Greek"}));
    QCOMPARE(data.read("Verbs.rtf"), emptyNotes());
    QCOMPARE(data.read("Backups/Verbs.vocab"), backup);
    QCOMPARE(data.read("Backups/Verbs.rtf"), QByteArray("{\\rtf1 old notes}"));
    QVERIFY(h.itemBox()->isEnabled() && h.notesBox()->isVisible());
    QVERIFY(h.desktop.problems().isEmpty());
}

// Enter and Return press the push button that has the focus, as Space does: the Update button
// after a language button, then Save; Enter in a box that takes it itself presses no button.
void TestLists::enterPressesTheFocusedButton()
{
    DataFolder data;
    Harness h;
    clickUpdate(h);
    QTest::keyClicks(h.listSelector(), "Verbs");
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    QTest::mouseClick(h.latinButton(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), h.changeListButton());
    QTest::keyClick(h.changeListButton(), Qt::Key_Return);
    QVERIFY(!h.form().mode().updateMode);
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin"}));
    // An item typed, Add by Enter on its button, then Save by the keypad's Enter.
    QTest::keyClicks(h.itemBox(), "amare");
    h.descriptionBox()->setFocus();
    QTest::keyClicks(h.descriptionBox(), "to love");
    QTest::keyClick(h.descriptionBox(), Qt::Key_Return); // the box swallows it: no line break, no button
    QCOMPARE(h.form().session().itemCount(), 0);
    h.addButton()->setFocus();
    QTest::keyClick(h.addButton(), Qt::Key_Return);
    QCOMPARE(h.form().session().itemCount(), 1);
    h.saveButton()->setFocus();
    QTest::keyClick(h.saveButton(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love"}));
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestLists::overwriteQuestionAndLanguageChange()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems, "Notes of Alpha");
    Harness h;
    h.openList("Alpha");
    clickUpdate(h);
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Alpha"));
    QVERIFY(h.latinButton()->isChecked() && !h.greekButton()->isChecked());
    QVERIFY(h.fontList()->isHidden());

    // The same name: either file there asks first; Cancel goes on in update mode.
    h.desktop.expect("File already exists. Overwrite?", MsgButton::Cancel);
    clickUpdate(h);
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.listSelector()->lineEdit()->cursorPosition(), 5);

    // Only the language changes: the list is written again in Greek, its fonts follow at once.
    QTest::mouseClick(h.greekButton(), Qt::LeftButton);
    QVERIFY(h.greekButton()->isChecked() && !h.latinButton()->isChecked());
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("SPIonic"));
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Alpha.vocab"), crlf(QStringList{"Greek"} + AlphaItems));
    QCOMPARE(h.form().session().language(), QStringLiteral("Greek"));
    QCOMPARE(h.heading()->font().family(), QStringLiteral("SPIonic"));
    h.openList("Alpha");
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("Notes of Alpha"));
    QCOMPARE(h.form().session().itemCount(), 2);
}

void TestLists::renamingOntoAnotherListAndAnewName()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems, "Notes of Alpha");
    data.addList("Beta", "Greek", {"lo/gojzxword"}, "Notes of Beta");
    data.write("Lone.vocab", crlf({"Latin", "solazxalone"})); // a list file without notes
    const QByteArray alphaVocab = data.read("Alpha.vocab");
    const QByteArray alphaNotes = data.read("Alpha.rtf");
    Harness h;
    h.desktop.expect("These files could not be offered as lists:\nLone.vocab: its notes file Lone.rtf is missing");
    h.openList("Alpha");

    // A list file without notes is a file of that name too: Cancel writes nothing.
    clickUpdate(h);
    retypeName(h, "Lone");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::Cancel);
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    QCOMPARE(data.read("Lone.vocab"), crlf({"Latin", "solazxalone"}));
    QVERIFY(!data.exists("Lone.rtf"));

    // Onto Beta: OK writes Alpha's items and notes as Beta, in Alpha's language.
    retypeName(h, "Beta");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Beta.vocab"), alphaVocab);
    QCOMPARE(data.read("Beta.rtf"), rtf::write(h.notesBox()->document()));
    QVERIFY(data.read("Beta.rtf").contains("Notes of Alpha"));
    QCOMPARE(data.read("Alpha.vocab"), alphaVocab);
    QCOMPARE(data.read("Alpha.rtf"), alphaNotes);
    QCOMPARE(h.form().session().name(), QStringLiteral("Beta"));
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Beta"));

    // A new name asks nothing; both names are offered from then on.
    clickUpdate(h);
    retypeName(h, "Gamma");
    clickUpdate(h);
    QCOMPARE(data.read("Gamma.vocab"), alphaVocab);
    QCOMPARE(h.listSelector()->entries(), QStringList({"Alpha", "Beta", "Gamma"}));
    QCOMPARE(QApplication::focusWidget(), h.itemBox());
}

void TestLists::deletingWithYesAndCancel()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    data.addList("Beta", "Latin", {"rosazxrose"});
    Harness h;
    h.openList("Alpha");
    QVERIFY(data.exists("Backups/Alpha.vocab"));

    clickUpdate(h);
    retypeName(h, QString());
    h.desktop.expect("Delete list ALPHA ?", MsgButton::Cancel);
    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Alpha"));
    QVERIFY(h.form().session().isOpen());
    QVERIFY(h.notesBox()->isEnabled() && h.fontList()->isVisible());
    QCOMPARE(QApplication::focusWidget(), h.itemBox());

    // A file that cannot be deleted is reported, and update mode goes on.
    clickUpdate(h);
    retypeName(h, QString());
    QVERIFY(QFile::remove(data.path("Alpha.vocab")));
    QVERIFY(QDir().mkpath(data.path("Alpha.vocab/inside")));
    h.desktop.expect("Delete list ALPHA ?", MsgButton::Yes);
    h.desktop.expectError();
    clickUpdate(h);
    QCOMPARE(h.desktop.shown.last().text.left(33), QStringLiteral("Cannot delete file \"Alpha.vocab\"."));
    verifyUpdateMode(h, OpenBanner);
    QVERIFY(QDir(data.path("Alpha.vocab")).removeRecursively());
    data.write("Alpha.vocab", crlf(QStringList{"Latin"} + AlphaItems));

    h.desktop.expect("Delete list ALPHA ?", MsgButton::Yes);
    h.listSelector()->setFocus();
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QVERIFY(!data.exists("Alpha.vocab") && !data.exists("Alpha.rtf"));
    QVERIFY(data.exists("Backups/Alpha.vocab") && data.exists("Backups/Alpha.rtf"));
    QVERIFY(data.exists("Beta.vocab"));
    QVERIFY(!h.form().session().isOpen());
    QVERIFY(!h.form().mode().listOpen());
    QCOMPARE(h.listSelector()->entries(), ListChooser::promptEntries());
    QVERIFY(!h.itemBox()->isEnabled() && h.notesBox()->isHidden() && h.quotationsPicture()->isVisible());
    QCOMPARE(QApplication::focusWidget(), h.listSelector());
    h.listSelector()->showPopup();
    QCOMPARE(h.listSelector()->entries(), QStringList{"Beta"});
    h.listSelector()->hidePopup();
    h.settle();
}

void TestLists::escInBothKindsChangesNothing()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    Harness h;
    const QStringList before = filesIn(data);
    const QString fontBefore = h.itemBox()->font().family();

    // A new list: the prompt comes back and nothing is made.
    clickUpdate(h);
    QTest::keyClicks(h.listSelector(), "Nouns");
    QTest::mouseClick(h.greekButton(), Qt::LeftButton);
    h.listSelector()->setFocus();
    h.press(Qt::Key_Escape);
    verifyLeftUpdateMode(h);
    QCOMPARE(h.listSelector()->entries(), ListChooser::promptEntries());
    QCOMPARE(h.listSelector()->currentText(), ListChooser::promptEntries().first());
    QVERIFY(h.form().animationTimer().isActive());
    QCOMPARE(h.itemBox()->font().family(), fontBefore);
    QCOMPARE(filesIn(data), before);

    // The open list: its name back, and the language chosen meanwhile forgotten, so the next
    // save writes the language the list had. Esc on the Update button leaves as well.
    h.openList("Alpha");
    clickUpdate(h);
    retypeName(h, "Other");
    QTest::mouseClick(h.greekButton(), Qt::LeftButton);
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("SPIonic"));
    QCOMPARE(QApplication::focusWidget(), h.changeListButton());
    h.press(Qt::Key_Escape);
    verifyLeftUpdateMode(h);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("Tahoma"));
    QVERIFY(h.latinButton()->isChecked() && !h.greekButton()->isChecked());
    QCOMPARE(h.form().session().language(), QStringLiteral("Latin"));
    QVERIFY(h.notesBox()->isEnabled() && h.fontList()->isVisible() && h.expandNotesButton()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), h.itemBox());
    h.retypeHeadword("uno");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Alpha.vocab"), crlf({"Latin", "unozxone", "duozxtwo"}));
    QVERIFY(!data.exists("Other.vocab"));
}

void TestLists::enterAfterNameTooShort()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    Harness h;
    h.openList("Alpha");
    clickUpdate(h);
    QVERIFY(h.fontList()->isHidden());
    retypeName(h, "Al");
    h.desktop.expect("Name too short.");
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Al"));
    QCOMPARE(h.listSelector()->lineEdit()->cursorPosition(), 2);
    // The notes cannot be edited in update mode: the format bar stays away.
    QVERIFY(h.fontList()->isHidden() && h.boldButton()->isHidden());
    // Three characters pass.
    QTest::keyClicks(h.listSelector(), "f");
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Alf.vocab"), crlf(QStringList{"Latin"} + AlphaItems));
}

void TestLists::refusedNames()
{
    DataFolder data;
    Harness h;
    clickUpdate(h);
    QTest::mouseClick(h.latinButton(), Qt::LeftButton);
    const QStringList before = filesIn(data);
    const QStringList refused = {"Verbs: 1", "a*b", "Verbs.", "Verbs ", "CON", "lpt1.notes", ".hidden",
                                 QString(250, u'a'), QString(125, QChar(0x03BB)), QStringLiteral("ab\tc")};
    for (const QString &name : refused) {
        // Pasted, as names with tabs or Greek letters come.
        h.listSelector()->setFocus();
        QApplication::clipboard()->setText(name);
        QTest::keyClick(h.listSelector(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(h.listSelector(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.listSelector()->currentText(), name);
        h.desktop.expect(store::listNameRefusalMessage(store::checkListName(name), name));
        QTest::keyClick(h.listSelector(), Qt::Key_Return);
        QCOMPARE(h.listSelector()->currentText(), name);
        QCOMPARE(QApplication::focusWidget(), h.listSelector());
        verifyUpdateMode(h, NewBanner);
        QCOMPARE(filesIn(data), before);
    }
    QVERIFY(h.desktop.problems().isEmpty());
    // 249 bytes with ".vocab" fit the limit exactly.
    retypeName(h, QString(249, u'b'));
    QTest::keyClick(h.listSelector(), Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read(QString(249, u'b') + ".vocab"), QByteArray("Latin\r\n"));
}

void TestLists::saveQuestionYesRefusedAndNo()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    const QByteArray alphaVocab = data.read("Alpha.vocab");
    Harness h;
    h.openList("Alpha");
    h.retypeHeadword("u"); // too short to save

    // Yes, and Save refuses: no update mode, the work kept, the focus on the item box.
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.desktop.expect("Vocabulary item or description too short.");
    clickUpdate(h);
    QVERIFY(!h.form().mode().updateMode);
    QVERIFY(h.updateBanner()->isHidden());
    QCOMPARE(QApplication::focusWidget(), h.itemBox());
    QVERIFY(h.itemBox()->isVisible());
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("u"));
    QVERIFY(h.form().document().isModified());
    QCOMPARE(data.read("Alpha.vocab"), alphaVocab);

    // Cancel: nothing happens.
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    clickUpdate(h);
    QVERIFY(!h.form().mode().updateMode);

    // No: update mode, and the work still counts as unsaved, so leaving asks again.
    h.desktop.expect("Save work first?", MsgButton::No);
    clickUpdate(h);
    verifyUpdateMode(h, OpenBanner);
    QVERIFY(h.form().document().isModified());
    h.press(Qt::Key_Escape);
    verifyLeftUpdateMode(h);
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.saveButton()->isEnabled());
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("u"));
    h.desktop.expect("Save work before closing?", MsgButton::Cancel);
    QTest::mouseClick(h.closeButton(), Qt::LeftButton);
    QVERIFY(!h.form().programEnded());

    // Saved under a new name, the headword typed and not stored is still unsaved work.
    h.desktop.expect("Save work first?", MsgButton::No);
    clickUpdate(h);
    retypeName(h, "Copy");
    clickUpdate(h); // Update asks no second time
    QCOMPARE(data.read("Copy.vocab"), alphaVocab);
    QVERIFY(h.form().document().isModified());
    h.desktop.expect("Save work before closing?", MsgButton::Cancel);
    QTest::mouseClick(h.closeButton(), Qt::LeftButton);
}

void TestLists::failedCommitKeepsUpdateMode()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    QVERIFY(QDir().mkdir(data.path("Target.rtf"))); // a folder where the notes would go
    Harness h;
    h.openList("Alpha");
    clickUpdate(h);
    retypeName(h, "Target");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    h.desktop.expectError();
    clickUpdate(h);
    QVERIFY(h.desktop.shown.last().text.contains("Target.rtf"));
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Target"));
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    QVERIFY(h.form().session().isOpen());
    QVERIFY(!data.exists("Target.vocab"));
    // The user picks another name and goes on.
    retypeName(h, "Target2");
    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Target2.vocab"), data.read("Alpha.vocab"));
}

void TestLists::updateModeWithTheNotesEnlarged()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    Harness h;
    h.openList("Alpha");
    const int normalHeight = h.notesBox()->height();
    QTest::mouseClick(h.expandNotesButton(), Qt::LeftButton);
    QVERIFY(h.form().mode().notesEnlarged);
    QVERIFY(h.notesBox()->height() > normalHeight);
    // Update mode brings the notes back to their size, and the item area stays covered.
    clickUpdate(h);
    QVERIFY(!h.form().mode().notesEnlarged);
    QCOMPARE(h.notesBox()->height(), normalHeight);
    verifyUpdateMode(h, OpenBanner);
    QVERIFY(h.descriptionBiggerButton()->isHidden() && h.descriptionSmallerButton()->isHidden());
    h.press(Qt::Key_Escape);
    QVERIFY(!h.form().mode().updateMode);
}

void TestLists::selectorOpensNothingInUpdateMode()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    data.addList("Beta", "Latin", {"rosazxrose"});
    Harness h;
    h.openList("Alpha");
    clickUpdate(h);
    // F7 picks no window colour while a list is being named.
    h.press(Qt::Key_F7);
    QVERIFY(h.desktop.pickerTitles.isEmpty());

    // The drop-down is refused; the program and update mode go on.
    h.desktop.expect("Do not use the drop-down in Update mode.");
    h.listSelector()->showPopup();
    h.settle();
    QVERIFY(!h.listSelector()->view()->isVisible());
    QVERIFY(!h.form().programEnded());
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Alpha"));
    h.desktop.expect("Do not use the drop-down in Update mode.");
    QTest::keyClick(h.listSelector(), Qt::Key_Down, Qt::AltModifier);
    h.settle();
    QVERIFY(!h.listSelector()->view()->isVisible());

    // The arrow keys and the wheel change the name only; no list is opened.
    QTest::keyClick(h.listSelector(), Qt::Key_Down);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Beta"));
    QWheelEvent up(QPointF(5, 5), h.listSelector()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(h.listSelector(), &up);
    QWheelEvent down(QPointF(5, 5), h.listSelector()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(h.listSelector(), &down);
    h.settle();
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    // Tabbing away with a typed entry's name is no choice either.
    retypeName(h, "Beta");
    QTest::keyClick(h.listSelector(), Qt::Key_Tab);
    h.settle();
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    QCOMPARE(h.form().session().itemCount(), 2);
    // That name is another list's: Update asks before it would replace it.
    h.desktop.expect("File already exists. Overwrite?", MsgButton::Cancel);
    clickUpdate(h);
    QCOMPARE(data.read("Beta.vocab"), crlf({"Latin", "rosazxrose"}));
    // F7 changes no colour in update mode.
    h.press(Qt::Key_F7);
    QVERIFY(h.desktop.pickerTitles.isEmpty());
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
