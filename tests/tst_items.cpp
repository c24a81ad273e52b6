// Browsing and editing items, and the item commands, through the real widgets.
#include "support/harness.h"

#include <QApplication>
#include <QTimer>

namespace {
QStringList fiveItems() { return {"unuszxone", "duozxtwo", "treszxthree", "quattuorzxfour", "quinquezxfive"}; }

// Opens a list of five Latin items and makes item `current` (1-based) the current one.
struct Five {
    DataFolder data;
    Harness h;
    explicit Five(int current = 1)
    {
        data.addList("Numbers", "Latin", fiveItems());
        h.openList("Numbers");
        for (int i = 1; i < current; ++i)
            h.press(Qt::Key_Down);
    }
    QStringList headwords() const
    {
        QStringList out;
        for (const VocabItem &item : std::as_const(h.program->windows.main->session().items()))
            out << item.Item;
        return out;
    }
};
} // namespace

class TestItems : public QObject {
    Q_OBJECT

private slots:
    void browsingWithArrowKeys();
    void typingInTheItemBox();
    void typingInTheDescriptionBox();
    void escapeRevertsTheHeadword();
    void addInTheMiddleAndAtTheEnd();
    void addToAnEmptyList();
    void addTooShort();
    void addDuplicate_data();
    void addDuplicate();
    void addToAFullListIsRefused();
    void removeMiddleLastAndOnly();
    void upAndDownAtBothEnds();
    void saveOverwritesAndCutsLines();
    void keyboardCommands();
    void fontSizeKeysAndButtons();
    void widthCycles();
    void counterFontAtAThousand();
    void editSaveCloseReopen();
    void notesChangesAreUnsavedWork();
};

void TestItems::browsingWithArrowKeys()
{
    Five f;
    Ui::MainWindow &ui = f.h.ui();
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    f.h.press(Qt::Key_Down);
    QCOMPARE(f.h.form().session().currentItem(), 2);
    QCOMPARE(ui.Heading->text(), QStringLiteral("duo"));
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("two"));
    QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("2 of 5"));
    QVERIFY(ui.BtnSwopUp->isEnabled() && ui.BtnSwopDown->isEnabled());
    for (int i = 0; i < 5; ++i)
        f.h.press(Qt::Key_Down);
    QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("5 of 5"));
    QVERIFY(ui.BtnSwopUp->isEnabled());
    QVERIFY(!ui.BtnSwopDown->isEnabled());
    // A pick in the dropped-down list.
    ui.Cmb_Item->showPopup();
    ui.Cmb_Item->hidePopup();
    ui.Cmb_Item->setCurrentIndex(0);
    emit ui.Cmb_Item->activated(0);
    f.h.settle();
    QCOMPARE(ui.Heading->text(), QStringLiteral("unus"));
    QVERIFY(!ui.BtnSwopUp->isEnabled());
    QVERIFY(ui.BtnDel->isEnabled()); // the close-up enables Remove
    QVERIFY(!ui.BtnIns->isEnabled());
    QCOMPARE(f.h.form().lastEditBox(), EditBox::Item);
}

void TestItems::typingInTheItemBox()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    QTest::keyClicks(ui.Cmb_Item, "x");
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("duox"));
    QCOMPARE(ui.Heading->text(), QString());
    QVERIFY(ui.BtnIns->isEnabled());
    QVERIFY(ui.BtnSave->isEnabled());
    QVERIFY(!ui.BtnDel->isEnabled());
    QVERIFY(f.h.form().document().isModified());
    for (QWidget *w : std::initializer_list<QWidget *>{ui.RadioGreek, ui.RadioLatin, ui.BtnSwopUp, ui.BtnSwopDown,
                                                      ui.Btn_Search, ui.EdtSearch, ui.ChkWhole})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(ui.EdtSearch->text(), QStringLiteral("Enter search text"));
    // A letter beyond ASCII is a change like any other: "cafe" corrected to "café" is unsaved work.
    Five g;
    QTest::sendKeyEvent(QTest::Click, g.h.ui().Cmb_Item, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
    QVERIFY(g.h.form().document().isModified());
    QVERIFY(g.h.ui().BtnSave->isEnabled());
    QCOMPARE(g.h.ui().Cmb_Item->currentText(), QStringLiteral("unusé"));
    // Delete in the item box starts an edit while the description has 2 characters or more.
    Five d;
    d.h.press(Qt::Key_Delete);
    QVERIFY(d.h.ui().BtnIns->isEnabled());
    QCOMPARE(d.h.ui().Heading->text(), QString());
    QVERIFY(d.h.ui().Btn_Search->isEnabled()); // Delete alone leaves the search controls
}

void TestItems::typingInTheDescriptionBox()
{
    Five f(3);
    Ui::MainWindow &ui = f.h.ui();
    ui.RichDescr->setFocus();
    QCOMPARE(ui.RichDescr->textCursor().selectedText(), QStringLiteral("three")); // selected on entry
    QTest::keyClicks(ui.RichDescr, "3");
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("3"));
    QCOMPARE(ui.Heading->text(), QStringLiteral("tres"));
    QVERIFY(ui.BtnSave->isEnabled());
    QVERIFY(ui.BtnDel->isEnabled());
    QVERIFY(!ui.Btn_Search->isEnabled());
    QCOMPARE(f.h.form().lastEditBox(), EditBox::Description);
    // Enter never makes a line break.
    QTest::keyClick(ui.RichDescr, Qt::Key_Return);
    QTest::keyClick(ui.RichDescr, Qt::Key_Enter);
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("3"));
}

void TestItems::escapeRevertsTheHeadword()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    QTest::keyClicks(ui.Cmb_Item, "xyz");
    f.h.press(Qt::Key_Escape);
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("duo"));
    QCOMPARE(ui.Heading->text(), QStringLiteral("duo"));
    QCOMPARE(ui.Cmb_Item->lineEdit()->selectedText(), QStringLiteral("duo"));
    QVERIFY(!ui.BtnIns->isEnabled());
    QVERIFY(ui.BtnDel->isEnabled());
    QVERIFY(ui.Btn_Search->isEnabled() && ui.EdtSearch->isEnabled());
    QVERIFY(ui.BtnSwopUp->isEnabled() && ui.BtnSwopDown->isEnabled());
}

void TestItems::addInTheMiddleAndAtTheEnd()
{
    Five f(3);
    Ui::MainWindow &ui = f.h.ui();
    ui.Cmb_Item->setEditText("decem");
    ui.RichDescr->setPlainText("ten");
    ui.BtnIns->setEnabled(true);
    ui.BtnIns->click();
    QCOMPARE(f.headwords(), QStringList({"unus", "duo", "tres", "decem", "quattuor", "quinque"}));
    QCOMPARE(f.h.form().session().currentItem(), 4);
    QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("4 of 6"));
    QCOMPARE(ui.Heading->text(), QStringLiteral("decem"));
    QVERIFY(f.h.form().document().isModified());
    QVERIFY(!ui.BtnIns->isEnabled());
    QVERIFY(ui.BtnSwopUp->isEnabled() && ui.BtnSwopDown->isEnabled());
    QVERIFY(ui.Btn_Search->isEnabled());
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    // Add does not write the file.
    QCOMPARE(f.data.read("Numbers.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
    // At the end, with a pasted description of several lines (kept up to the first break).
    f.h.press(Qt::Key_End);
    for (int i = 0; i < 6; ++i)
        f.h.press(Qt::Key_Down);
    ui.Cmb_Item->setEditText("sex");
    ui.RichDescr->setPlainText("six\nthe number");
    ui.BtnIns->setEnabled(true);
    ui.BtnIns->click();
    QCOMPARE(f.headwords().last(), QStringLiteral("sex"));
    QCOMPARE(f.h.form().session().items().last().Description, QStringLiteral("six"));
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("six"));
    QVERIFY(!ui.BtnSwopDown->isEnabled());
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::addToAnEmptyList()
{
    DataFolder data;
    data.addList("Empty", "Latin", {});
    Harness h;
    h.openList("Empty");
    h.ui().Cmb_Item->setFocus();
    QTest::keyClicks(h.ui().Cmb_Item, "aqua");
    h.ui().RichDescr->setPlainText("water");
    QVERIFY(h.ui().BtnIns->isEnabled());
    h.press(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(h.form().session().itemCount(), 1);
    QCOMPARE(h.form().session().currentItem(), 1);
    QCOMPARE(h.ui().PnlItemNo->text(), QStringLiteral("1 of 1"));
    QVERIFY(!h.ui().BtnSelfTest->isEnabled());
    QVERIFY(!h.ui().BtnSwopUp->isEnabled() && !h.ui().BtnSwopDown->isEnabled());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestItems::addTooShort()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    QTest::keyClicks(ui.Cmb_Item, "que");
    ui.RichDescr->setFocus();
    QTest::keyClicks(ui.RichDescr, "x"); // one character, typed in the description box
    f.h.desktop.expect("Vocabulary item or description too short.");
    ui.BtnIns->click();
    QCOMPARE(f.h.form().session().itemCount(), 5);
    QCOMPARE(QApplication::focusWidget(), ui.RichDescr);
    QCOMPARE(f.h.form().lastEditBox(), EditBox::None);
    // A one-letter headword: the focus goes to the item box with the caret at its end.
    ui.RichDescr->showPlainText("seven");
    ui.Cmb_Item->setEditText("s");
    f.h.desktop.expect("Vocabulary item or description too short.");
    ui.BtnIns->click();
    QCOMPARE(f.h.form().session().itemCount(), 5);
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    QCOMPARE(ui.Cmb_Item->lineEdit()->cursorPosition(), 1);
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::addDuplicate_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("count");
    QTest::newRow("duplicate, Yes") << "tres" << int(MsgButton::Yes) << 6;
    QTest::newRow("duplicate, Cancel") << "tres" << int(MsgButton::Cancel) << 5;
    QTest::newRow("other case, no question") << "Tres" << int(MsgButton::None) << 6;
}

void TestItems::addDuplicate()
{
    QFETCH(QString, headword);
    QFETCH(int, answer);
    QFETCH(int, count);
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    ui.Cmb_Item->setEditText(headword);
    ui.RichDescr->setPlainText("three again");
    if (answer != int(MsgButton::None))
        f.h.desktop.expect("Duplicate/s found. Add anyway?", MsgButton(answer));
    ui.BtnIns->setEnabled(true);
    ui.BtnIns->click();
    QCOMPARE(f.h.form().session().itemCount(), count);
    if (MsgButton(answer) == MsgButton::Cancel) {
        // The current item is shown again.
        QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("duo"));
        QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("two"));
        QCOMPARE(ui.Heading->text(), QStringLiteral("duo"));
    } else {
        QCOMPARE(f.h.form().session().items().at(2).Item, headword);
    }
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::addToAFullListIsRefused()
{
    DataFolder data;
    data.addList("Full", "Latin", numberedItems(10000));
    Harness h;
    h.openList("Full");
    h.ui().Cmb_Item->setEditText("novum");
    h.ui().RichDescr->setPlainText("new");
    h.desktop.expect("The list is full: a list holds at most 10000 items. The item was not added.");
    h.ui().BtnIns->setEnabled(true);
    h.ui().BtnIns->click();
    QCOMPARE(h.form().session().itemCount(), 10000);
    QCOMPARE(h.ui().Cmb_Item->currentText(), QStringLiteral("novum")); // the edit is kept
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestItems::removeMiddleLastAndOnly()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    f.h.desktop.expect("Remove item?", MsgButton::Cancel);
    ui.BtnDel->click();
    QCOMPARE(f.h.form().session().itemCount(), 5);
    f.h.desktop.expect("Remove item?", MsgButton::Yes);
    ui.BtnDel->click();
    QCOMPARE(f.headwords(), QStringList({"unus", "tres", "quattuor", "quinque"}));
    QCOMPARE(f.h.form().session().currentItem(), 2);
    QCOMPARE(ui.Heading->text(), QStringLiteral("tres"));
    QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("2 of 4"));
    QVERIFY(f.h.form().document().isModified());
    // The last item: the one before becomes current.
    for (int i = 0; i < 3; ++i)
        f.h.press(Qt::Key_Down);
    f.h.desktop.expect("Remove item?", MsgButton::Yes);
    ui.BtnDel->click();
    QCOMPARE(f.h.form().session().currentItem(), 3);
    QCOMPARE(ui.Heading->text(), QStringLiteral("quattuor"));
    QVERIFY(!ui.BtnSwopDown->isEnabled());
    // While a headword is being typed (heading empty), Remove does nothing at all.
    QTest::keyClicks(ui.Cmb_Item, "x");
    ui.BtnDel->setEnabled(true);
    ui.BtnDel->click();
    QCOMPARE(f.h.form().session().itemCount(), 3);
    QVERIFY(f.h.desktop.problems().isEmpty());

    DataFolder data;
    data.addList("One", "Latin", {"unuszxone"}, QString());
    Harness h;
    h.openList("One");
    h.desktop.expect("Remove item?", MsgButton::Yes);
    h.ui().BtnDel->click();
    QCOMPARE(h.form().session().itemCount(), 0);
    QCOMPARE(h.ui().PnlItemNo->text(), QStringLiteral("0 of 0"));
    QCOMPARE(h.ui().Heading->text(), QString());
    QVERIFY(!h.ui().BtnDel->isEnabled());
    QVERIFY(!h.ui().Btn_Search->isEnabled()); // no items and no notes: nothing to search
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestItems::upAndDownAtBothEnds()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    ui.BtnSwopUp->click();
    QCOMPARE(f.headwords().mid(0, 2), QStringList({"duo", "unus"}));
    QCOMPARE(f.h.form().session().currentItem(), 1);
    QVERIFY(!ui.BtnSwopUp->isEnabled());
    QVERIFY(ui.BtnSwopDown->isEnabled());
    QVERIFY(ui.BtnSave->isEnabled());
    QVERIFY(f.h.form().document().isModified());
    for (int i = 0; i < 4; ++i)
        ui.BtnSwopDown->click();
    QCOMPARE(f.headwords(), QStringList({"unus", "tres", "quattuor", "quinque", "duo"}));
    QCOMPARE(f.h.form().session().currentItem(), 5);
    QVERIFY(!ui.BtnSwopDown->isEnabled());
    QCOMPARE(ui.Heading->text(), QStringLiteral("duo"));
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
}

void TestItems::saveOverwritesAndCutsLines()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    QTest::keyClicks(ui.Cmb_Item, "que"); // duoque
    ui.RichDescr->setPlainText("and two\r\nmore text");
    ui.BtnSave->click();
    QCOMPARE(f.data.read("Numbers.vocab"),
             crlf({"Latin", "unuszxone", "duoquezxand two", "treszxthree", "quattuorzxfour", "quinquezxfive"}));
    QVERIFY(f.data.read("Numbers.rtf").startsWith("{\\rtf1"));
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("and two"));
    QCOMPARE(ui.Cmb_Item->itemText(1), QStringLiteral("duoque"));
    QVERIFY(!f.h.form().document().isModified());
    QVERIFY(!ui.BtnSave->isEnabled());
    QVERIFY(!ui.BtnIns->isEnabled());
    QVERIFY(ui.BtnDel->isEnabled() && ui.Btn_Search->isEnabled());
    QVERIFY(ui.BtnSwopUp->isEnabled() && ui.BtnSwopDown->isEnabled());
    // Save refuses a description shorter than 2 characters.
    ui.RichDescr->setPlainText("x");
    f.h.desktop.expect("Vocabulary item or description too short.");
    ui.BtnSave->setEnabled(true);
    ui.BtnSave->click();
    QCOMPARE(f.data.read("Numbers.vocab").count("\r\n"), 6);
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::keyboardCommands()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    // Ctrl+U and Ctrl+D in the item box move the item.
    f.h.press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(f.headwords().first(), QStringLiteral("duo"));
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("duo")); // the text box did not act on it
    f.h.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.headwords().mid(0, 2), QStringList({"unus", "duo"}));
    // Ctrl+S in the item box saves even while Save is disabled...
    ui.BtnSave->setEnabled(false);
    f.data.write("Numbers.vocab", "Latin\r\n");
    f.h.press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.data.read("Numbers.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
    // ...in the description box only while it is enabled.
    f.data.write("Numbers.vocab", "Latin\r\n");
    ui.RichDescr->setFocus();
    f.h.press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.data.read("Numbers.vocab"), QByteArray("Latin\r\n"));
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    // Ctrl+M runs the Master List button; with unsaved work it asks first.
    ui.RichDescr->setFocus();
    QTest::keyClicks(ui.RichDescr, "!");
    f.h.desktop.expect("Save work first?", MsgButton::Cancel);
    f.h.press(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::fontSizeKeysAndButtons()
{
    Five f;
    Ui::MainWindow &ui = f.h.ui();
    for (int i = 0; i < 5; ++i)
        f.h.press(Qt::Key_F12);
    QCOMPARE(ui.Cmb_Item->font().pointSize(), 20);
    QCOMPARE(ui.Heading->font().pointSize(), 28);
    for (int i = 0; i < 20; ++i)
        f.h.press(Qt::Key_F11);
    QCOMPARE(ui.Cmb_Item->font().pointSize(), 8);
    QCOMPARE(ui.Heading->font().pointSize(), 16);
    // The description box starts at 13 pt; eleven presses reach 24 pt and disable the button.
    for (int i = 0; i < 11; ++i) {
        QVERIFY(ui.BtnRichdescrFontIncrease->isEnabled());
        ui.BtnRichdescrFontIncrease->click();
    }
    QCOMPARE(ui.RichDescr->font().pointSize(), 24);
    QVERIFY(!ui.BtnRichdescrFontIncrease->isEnabled());
    QCOMPARE(ui.BtnRichdescrFontIncrease->toolTip(), QStringLiteral("Size = 24"));
    QCOMPARE(QApplication::focusWidget(), ui.Cmb_Item);
    for (int i = 0; i < 16; ++i)
        if (ui.BtnRichdescrFontDecrease->isEnabled())
            ui.BtnRichdescrFontDecrease->click();
    QCOMPARE(ui.RichDescr->font().pointSize(), 8);
    QVERIFY(ui.BtnRichdescrFontIncrease->isEnabled());
}

void TestItems::widthCycles()
{
    Five f(2);
    Ui::MainWindow &ui = f.h.ui();
    QTest::mouseDClick(ui.Cmb_Item->lineEdit(), Qt::LeftButton);
    QCOMPARE(ui.Cmb_Item->width(), 577);
    QVERIFY(ui.BtnIns->isHidden() && ui.BtnMaster->isHidden() && ui.PnlTop1->isHidden());
    QCOMPARE(f.h.form().headingMaxWidth(), 720);
    QTest::mouseDClick(ui.Cmb_Item->lineEdit(), Qt::LeftButton);
    QCOMPARE(ui.Cmb_Item->width(), 724);
    QVERIFY(ui.BtnSave->isHidden() && ui.ImgHelp->isHidden());
    QTest::mouseDClick(ui.Cmb_Item->lineEdit(), Qt::LeftButton);
    QCOMPARE(ui.Cmb_Item->width(), 215);
    QVERIFY(!ui.BtnIns->isHidden() && !ui.BtnSave->isHidden() && !ui.ImgHelp->isHidden());
    QCOMPARE(f.h.form().headingMaxWidth(), 575);
    QTest::mouseDClick(ui.RichDescr->viewport(), Qt::LeftButton);
    QCOMPARE(ui.RichDescr->width(), 722);
    QVERIFY(ui.BtnSelfTest->isHidden());
    QTest::mouseDClick(ui.RichDescr->viewport(), Qt::LeftButton);
    QCOMPARE(ui.RichDescr->width(), 577);
    QVERIFY(!ui.BtnSelfTest->isHidden());
}

void TestItems::counterFontAtAThousand()
{
    for (int n : {999, 1000}) {
        DataFolder data;
        data.addList("Many", "Latin", numberedItems(n));
        Harness h;
        h.openList("Many");
        QCOMPARE(h.ui().PnlItemNo->font().pointSize(), n == 999 ? 12 : 11);
        QCOMPARE(h.ui().PnlItemNo->text(), QStringLiteral("1 of %1").arg(n));
    }
}

void TestItems::editSaveCloseReopen()
{
    DataFolder data;
    data.write("Verbs.vocab", crlf({"Latin", "amarezxto love", "esse zxto be"}));
    {
        QTextDocument doc;
        doc.setPlainText("notes");
        data.addList("Verbs", "Latin", {"amarezxto love", "essezxto be", "irezxto go"});
    }
    {
        Harness h;
        h.openList("Verbs");
        QTest::keyClicks(h.ui().Cmb_Item, "s"); // amares
        h.ui().RichDescr->setPlainText("you would love");
        h.ui().BtnIns->click();               // new item 2
        h.press(Qt::Key_D, Qt::ControlModifier); // moved to 3
        h.press(Qt::Key_Down);
        h.desktop.expect("Remove item?", MsgButton::Yes);
        h.ui().BtnDel->click(); // removes "ire"
        h.press(Qt::Key_S, Qt::ControlModifier);
        h.ui().BtnClose->click();
        QVERIFY(h.form().programEnded());
        QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
    }
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love", "essezxto be", "amareszxyou would love"}));
    Harness again;
    again.openList("Verbs");
    QCOMPARE(again.ui().Cmb_Item->count(), 3);
    QCOMPARE(again.ui().Cmb_Item->itemText(2), QStringLiteral("amares"));
}

void TestItems::notesChangesAreUnsavedWork()
{
    Five f;
    Ui::MainWindow &ui = f.h.ui();
    QVERIFY(!f.h.form().document().isModified());
    ui.RedTranslation->setFocus();
    ui.RedTranslation->moveCursor(QTextCursor::End);
    QTest::keyClicks(ui.RedTranslation, " more");
    QVERIFY(f.h.form().document().isModified());
    QVERIFY(ui.BtnSave->isEnabled());
    f.h.desktop.expect("Save work before closing?", MsgButton::Yes);
    ui.BtnClose->click();
    QVERIFY(f.h.form().programEnded());
    QVERIFY(f.data.read("Numbers.rtf").contains("Notes more"));
    QVERIFY(f.h.desktop.problems().isEmpty());
}

QTEST_MAIN(TestItems)
#include "tst_items.moc"
