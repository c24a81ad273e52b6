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

void clickUpdate(Harness &h) { QTest::mouseClick(h.ui().BtnChangeList, Qt::LeftButton); }

// Replaces the text of the selector's box as a user does: select all, type.
void retypeName(Harness &h, const QString &text)
{
    QTest::keyClick(h.ui().CmbWork, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(h.ui().CmbWork, Qt::Key_Backspace);
    else
        QTest::keyClicks(h.ui().CmbWork, text);
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
    Ui::MainWindow &ui = h.ui();
    QVERIFY(h.form().mode().updateMode);
    QCOMPARE(ui.BtnChangeList->text(), QStringLiteral("Update"));
    QVERIFY(ui.PnlHideBottomHalf->isVisible());
    QCOMPARE(ui.PnlHideBottomHalf->text(), banner);
    QCOMPARE(ui.PnlHideBottomHalf->height(), 281);
    QVERIFY(ui.ShpUpdate->isVisible() && h.form().animationTimer().isActive());
    QVERIFY(ui.RadioGreek->isVisible() && ui.RadioLatin->isVisible());
    QVERIFY(ui.CmbWork->isEditable());
    QVERIFY(!ui.RedTranslation->isEnabled());
    QVERIFY(ui.BtnExpandReduce->isHidden() && ui.ImgHelp->isHidden());
}

void verifyLeftUpdateMode(Harness &h)
{
    Ui::MainWindow &ui = h.ui();
    QVERIFY(!h.form().mode().updateMode);
    QCOMPARE(ui.BtnChangeList->text(), QStringLiteral("Change"));
    QVERIFY(ui.PnlHideBottomHalf->isHidden() && ui.ShpUpdate->isHidden());
    QVERIFY(ui.RadioGreek->isHidden() && ui.RadioLatin->isHidden() && ui.PnlLanguage->isHidden());
    QVERIFY(!ui.CmbWork->isEditable());
}
} // namespace

class TestLists : public QObject {
    Q_OBJECT

private slots:
    void createVerbsAsLatin();
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
    Ui::MainWindow &ui = h.ui();
    clickUpdate(h);
    verifyUpdateMode(h, NewBanner);
    QVERIFY(!ui.RadioGreek->isChecked() && !ui.RadioLatin->isChecked());
    QCOMPARE(ui.CmbWork->currentText(), QString());
    QCOMPARE(ui.CmbWork->count(), 0);
    QCOMPARE(QApplication::focusWidget(), ui.CmbWork);

    QTest::keyClicks(ui.CmbWork, "Ve");
    h.desktop.expect("Name too short.");
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    verifyUpdateMode(h, NewBanner);
    QCOMPARE(ui.CmbWork->lineEdit()->cursorPosition(), 2);
    QTest::keyClicks(ui.CmbWork, "rbs");
    // No language yet: the yellow panel asks for one, and nothing is written.
    clickUpdate(h);
    QVERIFY(ui.PnlLanguage->isVisible());
    verifyUpdateMode(h, NewBanner);
    QTest::mouseClick(ui.RadioLatin, Qt::LeftButton);
    QVERIFY(ui.RadioLatin->isChecked() && !ui.RadioGreek->isChecked());
    QVERIFY(ui.PnlLanguage->isHidden());
    QCOMPARE(QApplication::focusWidget(), ui.BtnChangeList);
    QCOMPARE(filesIn(data), QStringList({"Alpha.rtf", "Alpha.vocab"}));

    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\n"));
    QCOMPARE(data.read("Verbs.rtf"), emptyNotes());
    QCOMPARE(ui.CmbWork->entries(), QStringList({"Alpha", "Verbs"}));
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Verbs"));
    const ListSession &s = h.form().session();
    QVERIFY(s.isOpen() && s.isSaved());
    QCOMPARE(s.name(), QStringLiteral("Verbs"));
    QCOMPARE(s.language(), QStringLiteral("Latin"));
    QCOMPARE(s.itemCount(), 0);
    QVERIFY(ui.Cmb_Item->isEnabled() && ui.RedTranslation->isEnabled() && ui.RedTranslation->isVisible());
    QCOMPARE(ui.Cmb_Item->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(ui.RedTranslation->toPlainText(), QString());
    QVERIFY(ui.CmbFont->isVisible() && ui.CmbFont->isEnabled());
    QVERIFY(ui.BtnExpandReduce->isVisible() && ui.BtnExpandReduce->isEnabled());

    // The new list is a list like any other: an item added to it is saved into it.
    QTest::keyClicks(ui.Cmb_Item, "amare");
    ui.RichDescr->setFocus();
    QTest::keyClicks(ui.RichDescr, "to love");
    QTest::mouseClick(ui.BtnIns, Qt::LeftButton);
    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\namarezxto love\r\n"));
}

void TestLists::overwriteQuestionAndLanguageChange()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems, "Notes of Alpha");
    Harness h;
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    clickUpdate(h);
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Alpha"));
    QVERIFY(ui.RadioLatin->isChecked() && !ui.RadioGreek->isChecked());
    QVERIFY(ui.CmbFont->isHidden());

    // The same name: either file there asks first; Cancel goes on in update mode.
    h.desktop.expect("File already exists. Overwrite?", MsgButton::Cancel);
    clickUpdate(h);
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(ui.CmbWork->lineEdit()->cursorPosition(), 5);

    // Only the language changes: the list is written again in Greek, its fonts follow at once.
    QTest::mouseClick(ui.RadioGreek, Qt::LeftButton);
    QVERIFY(ui.RadioGreek->isChecked() && !ui.RadioLatin->isChecked());
    QCOMPARE(ui.Cmb_Item->font().family(), QStringLiteral("SPIonic"));
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Alpha.vocab"), crlf(QStringList{"Greek"} + AlphaItems));
    QCOMPARE(h.form().session().language(), QStringLiteral("Greek"));
    QCOMPARE(ui.Heading->font().family(), QStringLiteral("SPIonic"));
    h.openList("Alpha");
    QCOMPARE(ui.RedTranslation->toPlainText(), QStringLiteral("Notes of Alpha"));
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
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");

    // A list file without notes is a file of that name too: Cancel writes nothing.
    clickUpdate(h);
    retypeName(h, "Lone");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::Cancel);
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    QCOMPARE(data.read("Lone.vocab"), crlf({"Latin", "solazxalone"}));
    QVERIFY(!data.exists("Lone.rtf"));

    // Onto Beta: OK writes Alpha's items and notes as Beta, in Alpha's language.
    retypeName(h, "Beta");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Beta.vocab"), alphaVocab);
    QCOMPARE(data.read("Beta.rtf"), rtf::write(ui.RedTranslation->document()));
    QVERIFY(data.read("Beta.rtf").contains("Notes of Alpha"));
    QCOMPARE(data.read("Alpha.vocab"), alphaVocab);
    QCOMPARE(data.read("Alpha.rtf"), alphaNotes);
    QCOMPARE(h.form().session().name(), QStringLiteral("Beta"));
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Beta"));

    // A new name asks nothing; both names are offered from then on.
    clickUpdate(h);
    retypeName(h, "Gamma");
    clickUpdate(h);
    QCOMPARE(data.read("Gamma.vocab"), alphaVocab);
    QCOMPARE(ui.CmbWork->entries(), QStringList({"Alpha", "Beta", "Gamma"}));
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
}

void TestLists::deletingWithYesAndCancel()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    data.addList("Beta", "Latin", {"rosazxrose"});
    Harness h;
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    QVERIFY(data.exists("Backups/Alpha.vocab"));

    clickUpdate(h);
    retypeName(h, QString());
    h.desktop.expect("Delete list ALPHA ?", MsgButton::Cancel);
    clickUpdate(h);
    verifyLeftUpdateMode(h);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Alpha"));
    QVERIFY(h.form().session().isOpen());
    QVERIFY(ui.RedTranslation->isEnabled() && ui.CmbFont->isVisible());
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);

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
    ui.CmbWork->setFocus();
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QVERIFY(!data.exists("Alpha.vocab") && !data.exists("Alpha.rtf"));
    QVERIFY(data.exists("Backups/Alpha.vocab") && data.exists("Backups/Alpha.rtf"));
    QVERIFY(data.exists("Beta.vocab"));
    QVERIFY(!h.form().session().isOpen());
    QVERIFY(!h.form().mode().listOpen());
    QCOMPARE(ui.CmbWork->entries(), ListChooser::promptEntries());
    QVERIFY(!ui.Cmb_Item->isEnabled() && ui.RedTranslation->isHidden() && ui.ImgBackground->isVisible());
    QCOMPARE(QApplication::focusWidget(), ui.CmbWork);
    ui.CmbWork->showPopup();
    QCOMPARE(ui.CmbWork->entries(), QStringList{"Beta"});
    ui.CmbWork->hidePopup();
    h.settle();
}

void TestLists::escInBothKindsChangesNothing()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    Harness h;
    Ui::MainWindow &ui = h.ui();
    const QStringList before = filesIn(data);
    const QString fontBefore = ui.Cmb_Item->font().family();

    // A new list: the prompt comes back and nothing is made.
    clickUpdate(h);
    QTest::keyClicks(ui.CmbWork, "Nouns");
    QTest::mouseClick(ui.RadioGreek, Qt::LeftButton);
    ui.CmbWork->setFocus();
    h.press(Qt::Key_Escape);
    verifyLeftUpdateMode(h);
    QCOMPARE(ui.CmbWork->entries(), ListChooser::promptEntries());
    QCOMPARE(ui.CmbWork->currentText(), ListChooser::promptEntries().first());
    QVERIFY(h.form().animationTimer().isActive());
    QCOMPARE(ui.Cmb_Item->font().family(), fontBefore);
    QCOMPARE(filesIn(data), before);

    // The open list: its name back, and the language chosen meanwhile forgotten, so the next
    // save writes the language the list had. Esc on the Update button leaves as well.
    h.openList("Alpha");
    clickUpdate(h);
    retypeName(h, "Other");
    QTest::mouseClick(ui.RadioGreek, Qt::LeftButton);
    QCOMPARE(ui.Cmb_Item->font().family(), QStringLiteral("SPIonic"));
    QCOMPARE(QApplication::focusWidget(), ui.BtnChangeList);
    h.press(Qt::Key_Escape);
    verifyLeftUpdateMode(h);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(ui.Cmb_Item->font().family(), QStringLiteral("Tahoma"));
    QVERIFY(ui.RadioLatin->isChecked() && !ui.RadioGreek->isChecked());
    QCOMPARE(h.form().session().language(), QStringLiteral("Latin"));
    QVERIFY(ui.RedTranslation->isEnabled() && ui.CmbFont->isVisible() && ui.BtnExpandReduce->isEnabled());
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    h.retypeHeadword("uno");
    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    QCOMPARE(data.read("Alpha.vocab"), crlf({"Latin", "unozxone", "duozxtwo"}));
    QVERIFY(!data.exists("Other.vocab"));
}

void TestLists::enterAfterNameTooShort()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    Harness h;
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    clickUpdate(h);
    QVERIFY(ui.CmbFont->isHidden());
    retypeName(h, "Al");
    h.desktop.expect("Name too short.");
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Al"));
    QCOMPARE(ui.CmbWork->lineEdit()->cursorPosition(), 2);
    // The notes cannot be edited in update mode: the format bar stays away.
    QVERIFY(ui.CmbFont->isHidden() && ui.BtnFormatBold->isHidden());
    // Three characters pass.
    QTest::keyClicks(ui.CmbWork, "f");
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read("Alf.vocab"), crlf(QStringList{"Latin"} + AlphaItems));
}

void TestLists::refusedNames()
{
    DataFolder data;
    Harness h;
    Ui::MainWindow &ui = h.ui();
    clickUpdate(h);
    QTest::mouseClick(ui.RadioLatin, Qt::LeftButton);
    const QStringList before = filesIn(data);
    const QStringList refused = {"Verbs: 1", "a*b", "Verbs.", "Verbs ", "CON", "lpt1.notes", ".hidden",
                                 QString(250, u'a'), QString(125, QChar(0x03BB)), QStringLiteral("ab\tc")};
    for (const QString &name : refused) {
        // Pasted, as names with tabs or Greek letters come.
        ui.CmbWork->setFocus();
        QApplication::clipboard()->setText(name);
        QTest::keyClick(ui.CmbWork, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(ui.CmbWork, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui.CmbWork->currentText(), name);
        h.desktop.expect(store::listNameRefusalMessage(store::checkListName(name), name));
        QTest::keyClick(ui.CmbWork, Qt::Key_Return);
        QCOMPARE(ui.CmbWork->currentText(), name);
        QCOMPARE(QApplication::focusWidget(), ui.CmbWork);
        verifyUpdateMode(h, NewBanner);
        QCOMPARE(filesIn(data), before);
    }
    QVERIFY(h.desktop.problems().isEmpty());
    // 249 bytes with ".vocab" fit the limit exactly.
    retypeName(h, QString(249, u'b'));
    QTest::keyClick(ui.CmbWork, Qt::Key_Return);
    verifyLeftUpdateMode(h);
    QCOMPARE(data.read(QString(249, u'b') + ".vocab"), QByteArray("Latin\r\n"));
}

void TestLists::saveQuestionYesRefusedAndNo()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    const QByteArray alphaVocab = data.read("Alpha.vocab");
    Harness h;
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    h.retypeHeadword("u"); // too short to save

    // Yes, and Save refuses: no update mode, the work kept, the focus on the item box.
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.desktop.expect("Vocabulary item or description too short.");
    clickUpdate(h);
    QVERIFY(!h.form().mode().updateMode);
    QVERIFY(ui.PnlHideBottomHalf->isHidden());
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    QVERIFY(ui.Cmb_Item->isVisible());
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("u"));
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
    QVERIFY(ui.BtnSave->isEnabled());
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("u"));
    h.desktop.expect("Save work before closing?", MsgButton::Cancel);
    QTest::mouseClick(ui.BtnClose, Qt::LeftButton);
    QVERIFY(!h.form().programEnded());

    // Saved under a new name, the headword typed and not stored is still unsaved work.
    h.desktop.expect("Save work first?", MsgButton::No);
    clickUpdate(h);
    retypeName(h, "Copy");
    clickUpdate(h); // Update asks no second time
    QCOMPARE(data.read("Copy.vocab"), alphaVocab);
    QVERIFY(h.form().document().isModified());
    h.desktop.expect("Save work before closing?", MsgButton::Cancel);
    QTest::mouseClick(ui.BtnClose, Qt::LeftButton);
}

void TestLists::failedCommitKeepsUpdateMode()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    QVERIFY(QDir().mkdir(data.path("Target.rtf"))); // a folder where the notes would go
    Harness h;
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    clickUpdate(h);
    retypeName(h, "Target");
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    h.desktop.expectError();
    clickUpdate(h);
    QVERIFY(h.desktop.shown.last().text.contains("Target.rtf"));
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Target"));
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
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    const int normalHeight = ui.RedTranslation->height();
    QTest::mouseClick(ui.BtnExpandReduce, Qt::LeftButton);
    QVERIFY(h.form().mode().notesEnlarged);
    QVERIFY(ui.RedTranslation->height() > normalHeight);
    // Update mode brings the notes back to their size, and the item area stays covered.
    clickUpdate(h);
    QVERIFY(!h.form().mode().notesEnlarged);
    QCOMPARE(ui.RedTranslation->height(), normalHeight);
    verifyUpdateMode(h, OpenBanner);
    QVERIFY(ui.BtnRichdescrFontIncrease->isHidden() && ui.BtnRichdescrFontDecrease->isHidden());
    h.press(Qt::Key_Escape);
    QVERIFY(!h.form().mode().updateMode);
}

void TestLists::selectorOpensNothingInUpdateMode()
{
    DataFolder data;
    data.addList("Alpha", "Latin", AlphaItems);
    data.addList("Beta", "Latin", {"rosazxrose"});
    Harness h;
    Ui::MainWindow &ui = h.ui();
    h.openList("Alpha");
    clickUpdate(h);
    // F7 picks no window colour while a list is being named.
    h.press(Qt::Key_F7);
    QVERIFY(h.desktop.pickerTitles.isEmpty());

    // The drop-down is refused; the program and update mode go on.
    h.desktop.expect("Do not use the drop-down in Update mode.");
    ui.CmbWork->showPopup();
    h.settle();
    QVERIFY(!ui.CmbWork->view()->isVisible());
    QVERIFY(!h.form().programEnded());
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Alpha"));
    h.desktop.expect("Do not use the drop-down in Update mode.");
    QTest::keyClick(ui.CmbWork, Qt::Key_Down, Qt::AltModifier);
    h.settle();
    QVERIFY(!ui.CmbWork->view()->isVisible());

    // The arrow keys and the wheel change the name only; no list is opened.
    QTest::keyClick(ui.CmbWork, Qt::Key_Down);
    QCOMPARE(ui.CmbWork->currentText(), QStringLiteral("Beta"));
    QWheelEvent up(QPointF(5, 5), ui.CmbWork->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ui.CmbWork, &up);
    QWheelEvent down(QPointF(5, 5), ui.CmbWork->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ui.CmbWork, &down);
    h.settle();
    verifyUpdateMode(h, OpenBanner);
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    // Tabbing away with a typed entry's name is no choice either.
    retypeName(h, "Beta");
    QTest::keyClick(ui.CmbWork, Qt::Key_Tab);
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
