// Nothing a user typed is lost: each way in which typed work went missing, altered or unsaved,
// tried through the real widgets with keys and the mouse.
#include "support/harness.h"

#include "store/listfinder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {
QStringList fiveItems() { return {"unuszxone", "duozxtwo", "treszxthree", "quattuorzxfour", "quinquezxfive"}; }

void clickIn(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

// Clicks into the description box as a user does: the box gets the focus and selects all.
void clickDescription(Harness &h)
{
    QTextEdit *box = h.descriptionBox();
    box->setFocus();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    box->selectAll();
}
} // namespace

class TestKeepWork : public QObject {
    Q_OBJECT

private slots:
    void typedHeadwordIsNoPick_data();
    void typedHeadwordIsNoPick();
    void selfTestTakesNoKeysInHiddenBoxes();
    void pastedAndCutTextIsWork();
    void pastedLineBreakIsCut();
    void listDropDownKeepsRefusedWork();
    void missingNotesAreNotTheLastListsNotes();
    void longHeadwordsKeptWhole();
    void savingDuringSearchWithoutHits();
    void tooShortCutsFirstAndPutsCaretAtEnd();
    void tooShortBehindARealBoxKeepsTheDescription();
    void descriptionSizeButtonsStayAtTheirLimits();
    void filesThatCannotBeListsAreNamedOnce();
};

void TestKeepWork::typedHeadwordIsNoPick_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leave"); // 0 Tab, 1 click the description, 2 Add
    QTest::newRow("Tab") << "duo" << 0;
    QTest::newRow("click") << "duo" << 1;
    QTest::newRow("other case, Add") << "DUO" << 2;
}

void TestKeepWork::typedHeadwordIsNoPick()
{
    QFETCH(QString, typed);
    QFETCH(int, leave);
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.openList("Numbers");
    h.retypeHeadword(typed); // the headword of item 2 (or it in capitals) over item 1
    if (leave == 0)
        h.press(Qt::Key_Tab);
    else
        clickDescription(h);
    QCOMPARE(h.form().session().currentItem(), 1);
    QCOMPARE(h.itemBox()->currentText(), typed);
    QVERIFY(h.addButton()->isEnabled());
    QTest::keyClicks(h.descriptionBox(), "two again");
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("two again"));
    if (leave == 2 || typed == QLatin1String("duo")) {
        if (typed == QLatin1String("duo"))
            h.desktop.expect("Duplicate/s found. Add anyway?", MsgButton::Yes);
        QTest::mouseClick(h.addButton(), Qt::LeftButton);
        QCOMPARE(h.form().session().item(2), (VocabItem{typed, "two again"})); // after item 1, not item 2
        QCOMPARE(h.form().session().itemCount(), 6);
    }
}

void TestKeepWork::selfTestTakesNoKeysInHiddenBoxes()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.openList("Numbers");
    clickDescription(h);
    QTest::keyClicks(h.descriptionBox(), "uno");
    h.desktop.expect("Save work first?", MsgButton::Yes);
    QTest::mouseClick(h.selfTestButton(), Qt::LeftButton);
    QVERIFY(h.testPanel()->isVisible());
    const QByteArray saved = data.read("Numbers.vocab");
    QVERIFY(saved.contains("unuszxuno"));
    const QString shown = h.descriptionBox()->toPlainText();
    // The guess typed and Ctrl+S go nowhere that changes the list.
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus != h.descriptionBox() && focus != h.itemBox());
    QTest::keyClicks(focus, "guess");
    h.press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(h.descriptionBox()->toPlainText(), shown);
    QCOMPARE(data.read("Numbers.vocab"), saved);
    QVERIFY(!h.form().document().isModified());
}

void TestKeepWork::pastedAndCutTextIsWork()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    for (int way = 0; way < 4; ++way) {
        Harness h;
        h.openList("Numbers");
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        switch (way) {
        case 0: // Ctrl+V in the item box
            h.itemBox()->setFocus();
            h.itemBox()->lineEdit()->selectAll();
            h.press(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(h.itemBox()->currentText(), QStringLiteral("pasted"));
            break;
        case 1: // Ctrl+X in the item box
            h.itemBox()->setFocus();
            h.itemBox()->lineEdit()->selectAll();
            h.press(Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(h.itemBox()->currentText(), QString());
            break;
        case 2: // Shift+Insert in the description box
            clickDescription(h);
            h.press(Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("pasted"));
            break;
        case 3: // Ctrl+X in the description box
            clickDescription(h);
            h.press(Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(h.descriptionBox()->toPlainText(), QString());
            break;
        }
        QVERIFY2(h.form().document().isModified(), qPrintable(QString::number(way)));
        QVERIFY(h.saveButton()->isEnabled());
        // Closing asks, and Cancel keeps the program and the work.
        h.desktop.expect("Save work before closing?", MsgButton::Cancel);
        QTest::mouseClick(h.closeButton(), Qt::LeftButton);
        QVERIFY(!h.form().programEnded());
    }
}

void TestKeepWork::pastedLineBreakIsCut()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.openList("Numbers");
    QApplication::clipboard()->setText(QStringLiteral("alpha\nbeta"));
    h.itemBox()->setFocus();
    h.itemBox()->lineEdit()->selectAll();
    h.press(Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    const QByteArray bytes = data.read("Numbers.vocab");
    QCOMPARE(bytes.count("\r\n"), 6); // still one line an item
    QVERIFY(!bytes.contains("beta"));
    QVERIFY(bytes.contains("zxone\r\n"));
    QVERIFY(!h.itemBox()->currentText().contains(u'\n'));
}

void TestKeepWork::listDropDownKeepsRefusedWork()
{
    DataFolder data;
    data.addList("Alpha", "Latin", fiveItems());
    data.addList("Beta", "Latin", {"rosazxrose"});
    Harness h;
    h.openList("Alpha");
    h.retypeHeadword("u"); // too short to save
    // Yes, and Save refuses: the list does not drop down and the work stays.
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.desktop.expect("Vocabulary item or description too short.");
    h.listSelector()->showPopup();
    h.settle();
    QVERIFY(!h.listSelector()->view()->isVisible());
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("u"));
    // Cancel: no drop-down either, so no other list can be picked without the question.
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    h.listSelector()->showPopup();
    h.settle();
    QVERIFY(!h.listSelector()->view()->isVisible());
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    QVERIFY(h.form().document().isModified());
    QCOMPARE(data.read("Alpha.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
}

void TestKeepWork::missingNotesAreNotTheLastListsNotes()
{
    DataFolder data;
    data.addList("Alpha", "Latin", {"rosazxrose"}, "Notes of Alpha");
    data.addList("Beta", "Latin", {"lupuszxwolf"}, "Notes of Beta");
    Harness h;
    h.openList("Alpha");
    QVERIFY(h.notesBox()->toPlainText().contains("Notes of Alpha"));
    h.listSelector()->showPopup(); // Beta is listed...
    QVERIFY(QFile::remove(data.path("Beta.rtf"))); // ...and its notes go before it is picked
    h.desktop.expect("The notes file of the list \"Beta\" is missing. The list is opened with empty notes.");
    h.listSelector()->hidePopup();
    h.listSelector()->setCurrentIndex(h.listSelector()->findText("Beta"));
    emit h.listSelector()->activated(h.listSelector()->currentIndex());
    h.settle();
    QCOMPARE(h.form().session().name(), QStringLiteral("Beta"));
    QCOMPARE(h.notesBox()->toPlainText(), QString());
    QTest::keyClick(h.itemBox(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!data.read("Beta.rtf").contains("Alpha"));
    QVERIFY(data.read("Alpha.rtf").contains("Notes of Alpha"));
}

void TestKeepWork::longHeadwordsKeptWhole()
{
    DataFolder data;
    const QString longWord = QString(40000, u'a');
    data.addList("Long", "Latin", {"unuszxone", longWord + "zxlong"});
    Harness h;
    h.desktop.expect("The list \"Long\" holds headwords longer than the item box shows (32767 characters), the "
                     "first at item 2. They are shown cut and kept whole unless you edit them.");
    h.openList("Long");
    // An edit of another item, and a save with the long item current and untouched.
    clickDescription(h);
    QTest::keyClicks(h.descriptionBox(), "uno");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    h.itemBox()->setFocus();
    h.press(Qt::Key_Down);
    QCOMPARE(h.form().session().currentItem(), 2);
    clickDescription(h);
    QTest::keyClicks(h.descriptionBox(), "very long");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Long.vocab"), crlf({"Latin", "unuszxuno", longWord + "zxvery long"}));
}

void TestKeepWork::savingDuringSearchWithoutHits()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems(), "Old notes");
    Harness h;
    h.openList("Numbers");
    h.notesBox()->setFocus();
    QTest::keyClick(h.notesBox(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(h.notesBox(), " and new");
    QVERIFY(h.form().document().isModified());
    clickIn(h.searchBox());
    QTest::keyClicks(h.searchBox(), "nothing like it");
    h.press(Qt::Key_Return);
    QVERIFY(h.form().mode().listSearch());
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("0/0"));
    h.desktop.expect("Save work before closing?", MsgButton::Yes);
    QTest::mouseClick(h.closeButton(), Qt::LeftButton);
    QVERIFY(h.form().programEnded());
    QVERIFY(data.read("Numbers.rtf").contains("Old notes and new"));
    QCOMPARE(data.read("Numbers.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
}

void TestKeepWork::tooShortCutsFirstAndPutsCaretAtEnd()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.openList("Numbers");
    // "x" and a line break: too short once cut, for Save as for Add.
    QApplication::clipboard()->setText(QStringLiteral("x\nand more"));
    clickDescription(h);
    h.press(Qt::Key_V, Qt::ControlModifier);
    h.desktop.expect("Vocabulary item or description too short.");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), h.descriptionBox());
    QVERIFY(!h.descriptionBox()->textCursor().hasSelection());
    QCOMPARE(h.descriptionBox()->textCursor().position(), int(h.descriptionBox()->toPlainText().size()));
    h.retypeHeadword("ab");
    clickDescription(h);
    h.press(Qt::Key_V, Qt::ControlModifier);
    h.desktop.expect("Vocabulary item or description too short.");
    QTest::mouseClick(h.addButton(), Qt::LeftButton);
    QCOMPARE(h.form().session().itemCount(), 5);
    QCOMPARE(data.read("Numbers.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
}

// The real modal box: when it goes, the window is activated again and the focus comes back to
// the description box, which must not select its text for the next key to replace.
void TestKeepWork::tooShortBehindARealBoxKeepsTheDescription()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.desktop.realBoxes = true;
    h.openList("Numbers");
    clickDescription(h);
    QTest::keyClicks(h.descriptionBox(), "x");
    h.desktop.expect("Vocabulary item or description too short.");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    // As the window manager does when the box goes.
    h.form().activateWindow();
    QTRY_VERIFY(h.form().isActiveWindow());
    QTest::qWait(20);
    QCOMPARE(QApplication::focusWidget(), h.descriptionBox());
    QVERIFY(!h.descriptionBox()->textCursor().hasSelection());
    QTest::keyClicks(h.descriptionBox(), "y");
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("xy"));
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestKeepWork::descriptionSizeButtonsStayAtTheirLimits()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.openList("Numbers");
    for (int i = 0; i < 30 && h.descriptionBiggerButton()->isEnabled(); ++i)
        QTest::mouseClick(h.descriptionBiggerButton(), Qt::LeftButton);
    QCOMPARE(h.descriptionBox()->font().pointSize(), 24);
    QVERIFY(!h.descriptionBiggerButton()->isEnabled());
    // Opening a list, a search ended and a test answer revealed leave it at its limit.
    h.openList("Numbers");
    QVERIFY(!h.descriptionBiggerButton()->isEnabled());
    clickIn(h.searchBox());
    QTest::keyClicks(h.searchBox(), "on");
    h.press(Qt::Key_Return);
    h.press(Qt::Key_Escape);
    QVERIFY(!h.descriptionBiggerButton()->isEnabled());
    QTest::mouseClick(h.selfTestButton(), Qt::LeftButton);
    h.press(Qt::Key_Escape);
    QVERIFY(!h.descriptionBiggerButton()->isEnabled());
    QCOMPARE(h.descriptionBox()->font().pointSize(), 24);
    for (int i = 0; i < 30 && h.descriptionSmallerButton()->isEnabled(); ++i)
        QTest::mouseClick(h.descriptionSmallerButton(), Qt::LeftButton);
    QCOMPARE(h.descriptionBox()->font().pointSize(), 8);
    QVERIFY(h.descriptionBiggerButton()->isEnabled());
}

void TestKeepWork::filesThatCannotBeListsAreNamedOnce()
{
    DataFolder data;
    data.addList("Good", "Latin", {"rosazxrose"});
    data.addList(".Hidden", "Latin", {"lupuszxwolf"});
    QDir().mkpath(data.path("Folder.vocab"));
    data.write("Folder.rtf", "{\\rtf1 }");
    // Half a pair from a sync tool, and a temporary file of one that is passed over.
    data.write("Good.sync-conflict-20261201-120000-ABCDEFG.vocab", "Latin\r\n");
    data.write(".syncthing.Good.rtf.tmp", "{\\rtf1 }");
    Harness h;
    const QString told = store::skippedListsMessage(store::findLists(QString()));
    QVERIFY(told.contains("Folder.vocab"));
    QVERIFY(told.contains("Good.sync-conflict-20261201-120000-ABCDEFG.vocab: a sync tool's copy of Good.vocab"));
    QVERIFY(!told.contains("syncthing"));
    h.desktop.expect(told);
    h.listSelector()->showPopup();
    QCOMPARE(h.listSelector()->entries().join("|"), QStringLiteral(".Hidden|Good"));
    h.listSelector()->hidePopup();
    h.settle();
    QCOMPARE(h.desktop.shown.size(), 1);
    h.desktop.shown.clear();
    h.listSelector()->showPopup(); // told once, not at every drop-down
    h.listSelector()->hidePopup();
    h.settle();
    QVERIFY(h.desktop.shown.isEmpty());
}

QTEST_MAIN(TestKeepWork)
#include "tst_keepwork.moc"
