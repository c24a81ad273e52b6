// Browsing and editing items, and the item commands, through the real widgets.
#include "support/harness.h"

#include <QApplication>
#include <QTimer>

#include <sys/stat.h>

namespace {
// The file's identity on disk (its inode): a save replaces the file by a new one.
quint64 fileIdentity(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

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
    QCOMPARE(QApplication::focusWidget(), f.h.itemBox());
    f.h.press(Qt::Key_Down);
    QCOMPARE(f.h.form().session().currentItem(), 2);
    QCOMPARE(f.h.heading()->text(), QStringLiteral("duo"));
    QCOMPARE(f.h.descriptionBox()->toPlainText(), QStringLiteral("two"));
    QCOMPARE(f.h.itemCounter()->text(), QStringLiteral("2 of 5"));
    QVERIFY(f.h.upButton()->isEnabled() && f.h.downButton()->isEnabled());
    for (int i = 0; i < 5; ++i)
        f.h.press(Qt::Key_Down);
    QCOMPARE(f.h.itemCounter()->text(), QStringLiteral("5 of 5"));
    QVERIFY(f.h.upButton()->isEnabled());
    QVERIFY(!f.h.downButton()->isEnabled());
    // A pick in the dropped-down list.
    f.h.itemBox()->showPopup();
    f.h.itemBox()->hidePopup();
    f.h.itemBox()->setCurrentIndex(0);
    emit f.h.itemBox()->activated(0);
    f.h.settle();
    QCOMPARE(f.h.heading()->text(), QStringLiteral("unus"));
    QVERIFY(!f.h.upButton()->isEnabled());
    QVERIFY(f.h.removeButton()->isEnabled()); // the close-up enables Remove
    QVERIFY(!f.h.addButton()->isEnabled());
    QCOMPARE(f.h.form().lastEditBox(), EditBox::Item);
}

void TestItems::typingInTheItemBox()
{
    Five f(2);
    QTest::keyClicks(f.h.itemBox(), "x");
    QCOMPARE(f.h.itemBox()->currentText(), QStringLiteral("duox"));
    QCOMPARE(f.h.heading()->text(), QString());
    QVERIFY(f.h.addButton()->isEnabled());
    QVERIFY(f.h.saveButton()->isEnabled());
    QVERIFY(!f.h.removeButton()->isEnabled());
    QVERIFY(f.h.form().document().isModified());
    for (QWidget *w : std::initializer_list<QWidget *>{f.h.greekButton(), f.h.latinButton(), f.h.upButton(), f.h.downButton(),
                                                      f.h.searchButton(), f.h.searchBox(), f.h.wholeWordBox()})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(f.h.searchBox()->text(), QStringLiteral("Enter search text"));
    // A letter beyond ASCII is a change like any other: "cafe" corrected to "café" is unsaved work.
    Five g;
    QTest::sendKeyEvent(QTest::Click, g.h.itemBox(), Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
    QVERIFY(g.h.form().document().isModified());
    QVERIFY(g.h.saveButton()->isEnabled());
    QCOMPARE(g.h.itemBox()->currentText(), QStringLiteral("unusé"));
    // Delete in the item box starts an edit while the description has 2 characters or more.
    Five d;
    d.h.press(Qt::Key_Delete);
    QVERIFY(d.h.addButton()->isEnabled());
    QCOMPARE(d.h.heading()->text(), QString());
    QVERIFY(d.h.searchButton()->isEnabled()); // Delete alone leaves the search controls
}

void TestItems::typingInTheDescriptionBox()
{
    Five f(3);
    f.h.descriptionBox()->setFocus();
    QCOMPARE(f.h.descriptionBox()->textCursor().selectedText(), QStringLiteral("three")); // selected on entry
    QTest::keyClicks(f.h.descriptionBox(), "3");
    QCOMPARE(f.h.descriptionBox()->toPlainText(), QStringLiteral("3"));
    QCOMPARE(f.h.heading()->text(), QStringLiteral("tres"));
    QVERIFY(f.h.saveButton()->isEnabled());
    QVERIFY(f.h.removeButton()->isEnabled());
    QVERIFY(!f.h.searchButton()->isEnabled());
    QCOMPARE(f.h.form().lastEditBox(), EditBox::Description);
    // Enter never makes a line break.
    QTest::keyClick(f.h.descriptionBox(), Qt::Key_Return);
    QTest::keyClick(f.h.descriptionBox(), Qt::Key_Enter);
    QCOMPARE(f.h.descriptionBox()->toPlainText(), QStringLiteral("3"));
}

void TestItems::escapeRevertsTheHeadword()
{
    Five f(2);
    QTest::keyClicks(f.h.itemBox(), "xyz");
    f.h.press(Qt::Key_Escape);
    QCOMPARE(f.h.itemBox()->currentText(), QStringLiteral("duo"));
    QCOMPARE(f.h.heading()->text(), QStringLiteral("duo"));
    QCOMPARE(f.h.itemBox()->lineEdit()->selectedText(), QStringLiteral("duo"));
    QVERIFY(!f.h.addButton()->isEnabled());
    QVERIFY(f.h.removeButton()->isEnabled());
    QVERIFY(f.h.searchButton()->isEnabled() && f.h.searchBox()->isEnabled());
    QVERIFY(f.h.upButton()->isEnabled() && f.h.downButton()->isEnabled());
}

void TestItems::addInTheMiddleAndAtTheEnd()
{
    Five f(3);
    f.h.itemBox()->setEditText("decem");
    f.h.descriptionBox()->setPlainText("ten");
    f.h.addButton()->setEnabled(true);
    f.h.addButton()->click();
    QCOMPARE(f.headwords(), QStringList({"unus", "duo", "tres", "decem", "quattuor", "quinque"}));
    QCOMPARE(f.h.form().session().currentItem(), 4);
    QCOMPARE(f.h.itemCounter()->text(), QStringLiteral("4 of 6"));
    QCOMPARE(f.h.heading()->text(), QStringLiteral("decem"));
    QVERIFY(f.h.form().document().isModified());
    QVERIFY(!f.h.addButton()->isEnabled());
    QVERIFY(f.h.upButton()->isEnabled() && f.h.downButton()->isEnabled());
    QVERIFY(f.h.searchButton()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), f.h.itemBox());
    // Add does not write the file.
    QCOMPARE(f.data.read("Numbers.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
    // At the end, with a pasted description of several lines (kept up to the first break).
    f.h.press(Qt::Key_End);
    for (int i = 0; i < 6; ++i)
        f.h.press(Qt::Key_Down);
    f.h.itemBox()->setEditText("sex");
    f.h.descriptionBox()->setPlainText("six\nthe number");
    f.h.addButton()->setEnabled(true);
    f.h.addButton()->click();
    QCOMPARE(f.headwords().last(), QStringLiteral("sex"));
    QCOMPARE(f.h.form().session().items().last().Description, QStringLiteral("six"));
    QCOMPARE(f.h.descriptionBox()->toPlainText(), QStringLiteral("six"));
    QVERIFY(!f.h.downButton()->isEnabled());
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::addToAnEmptyList()
{
    DataFolder data;
    data.addList("Empty", "Latin", {});
    Harness h;
    h.openList("Empty");
    h.itemBox()->setFocus();
    QTest::keyClicks(h.itemBox(), "aqua");
    h.descriptionBox()->setPlainText("water");
    QVERIFY(h.addButton()->isEnabled());
    h.press(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(h.form().session().itemCount(), 1);
    QCOMPARE(h.form().session().currentItem(), 1);
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("1 of 1"));
    QVERIFY(!h.selfTestButton()->isEnabled());
    QVERIFY(!h.upButton()->isEnabled() && !h.downButton()->isEnabled());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestItems::addTooShort()
{
    Five f(2);
    QTest::keyClicks(f.h.itemBox(), "que");
    f.h.descriptionBox()->setFocus();
    QTest::keyClicks(f.h.descriptionBox(), "x"); // one character, typed in the description box
    f.h.desktop.expect("Vocabulary item or description too short.");
    f.h.addButton()->click();
    QCOMPARE(f.h.form().session().itemCount(), 5);
    QCOMPARE(QApplication::focusWidget(), f.h.descriptionBox());
    QCOMPARE(f.h.form().lastEditBox(), EditBox::None);
    // A one-letter headword: the focus goes to the item box with the caret at its end.
    f.h.descriptionBox()->showPlainText("seven");
    f.h.itemBox()->setEditText("s");
    f.h.desktop.expect("Vocabulary item or description too short.");
    f.h.addButton()->click();
    QCOMPARE(f.h.form().session().itemCount(), 5);
    QCOMPARE(QApplication::focusWidget(), f.h.itemBox());
    QCOMPARE(f.h.itemBox()->lineEdit()->cursorPosition(), 1);
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
    f.h.itemBox()->setEditText(headword);
    f.h.descriptionBox()->setPlainText("three again");
    if (answer != int(MsgButton::None))
        f.h.desktop.expect("Duplicate/s found. Add anyway?", MsgButton(answer));
    f.h.addButton()->setEnabled(true);
    f.h.addButton()->click();
    QCOMPARE(f.h.form().session().itemCount(), count);
    if (MsgButton(answer) == MsgButton::Cancel) {
        // The current item is shown again.
        QCOMPARE(f.h.itemBox()->currentText(), QStringLiteral("duo"));
        QCOMPARE(f.h.descriptionBox()->toPlainText(), QStringLiteral("two"));
        QCOMPARE(f.h.heading()->text(), QStringLiteral("duo"));
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
    h.itemBox()->setEditText("novum");
    h.descriptionBox()->setPlainText("new");
    h.desktop.expect("The list is full: a list holds at most 10000 items. The item was not added.");
    h.addButton()->setEnabled(true);
    h.addButton()->click();
    QCOMPARE(h.form().session().itemCount(), 10000);
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("novum")); // the edit is kept
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestItems::removeMiddleLastAndOnly()
{
    Five f(2);
    f.h.desktop.expect("Remove item?", MsgButton::Cancel);
    f.h.removeButton()->click();
    QCOMPARE(f.h.form().session().itemCount(), 5);
    f.h.desktop.expect("Remove item?", MsgButton::Yes);
    f.h.removeButton()->click();
    QCOMPARE(f.headwords(), QStringList({"unus", "tres", "quattuor", "quinque"}));
    QCOMPARE(f.h.form().session().currentItem(), 2);
    QCOMPARE(f.h.heading()->text(), QStringLiteral("tres"));
    QCOMPARE(f.h.itemCounter()->text(), QStringLiteral("2 of 4"));
    QVERIFY(f.h.form().document().isModified());
    // The last item: the one before becomes current.
    for (int i = 0; i < 3; ++i)
        f.h.press(Qt::Key_Down);
    f.h.desktop.expect("Remove item?", MsgButton::Yes);
    f.h.removeButton()->click();
    QCOMPARE(f.h.form().session().currentItem(), 3);
    QCOMPARE(f.h.heading()->text(), QStringLiteral("quattuor"));
    QVERIFY(!f.h.downButton()->isEnabled());
    // While a headword is being typed (heading empty), Remove does nothing at all.
    QTest::keyClicks(f.h.itemBox(), "x");
    f.h.removeButton()->setEnabled(true);
    f.h.removeButton()->click();
    QCOMPARE(f.h.form().session().itemCount(), 3);
    QVERIFY(f.h.desktop.problems().isEmpty());

    DataFolder data;
    data.addList("One", "Latin", {"unuszxone"}, QString());
    Harness h;
    h.openList("One");
    h.desktop.expect("Remove item?", MsgButton::Yes);
    h.removeButton()->click();
    QCOMPARE(h.form().session().itemCount(), 0);
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("0 of 0"));
    QCOMPARE(h.heading()->text(), QString());
    QVERIFY(!h.removeButton()->isEnabled());
    QVERIFY(!h.searchButton()->isEnabled()); // no items and no notes: nothing to search
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestItems::upAndDownAtBothEnds()
{
    Five f(2);
    f.h.upButton()->click();
    QCOMPARE(f.headwords().mid(0, 2), QStringList({"duo", "unus"}));
    QCOMPARE(f.h.form().session().currentItem(), 1);
    QVERIFY(!f.h.upButton()->isEnabled());
    QVERIFY(f.h.downButton()->isEnabled());
    QVERIFY(f.h.saveButton()->isEnabled());
    QVERIFY(f.h.form().document().isModified());
    for (int i = 0; i < 4; ++i)
        f.h.downButton()->click();
    QCOMPARE(f.headwords(), QStringList({"unus", "tres", "quattuor", "quinque", "duo"}));
    QCOMPARE(f.h.form().session().currentItem(), 5);
    QVERIFY(!f.h.downButton()->isEnabled());
    QCOMPARE(f.h.heading()->text(), QStringLiteral("duo"));
    QCOMPARE(QApplication::focusWidget(), f.h.itemBox());
}

void TestItems::saveOverwritesAndCutsLines()
{
    Five f(2);
    QTest::keyClicks(f.h.itemBox(), "que"); // duoque
    f.h.descriptionBox()->setPlainText("and two\r\nmore text");
    f.h.saveButton()->click();
    QCOMPARE(f.data.read("Numbers.vocab"),
             crlf({"Latin", "unuszxone", "duoquezxand two", "treszxthree", "quattuorzxfour", "quinquezxfive"}));
    QVERIFY(f.data.read("Numbers.rtf").startsWith("{\\rtf1"));
    QCOMPARE(f.h.descriptionBox()->toPlainText(), QStringLiteral("and two"));
    QCOMPARE(f.h.itemBox()->itemText(1), QStringLiteral("duoque"));
    QVERIFY(!f.h.form().document().isModified());
    QVERIFY(!f.h.saveButton()->isEnabled());
    QVERIFY(!f.h.addButton()->isEnabled());
    QVERIFY(f.h.removeButton()->isEnabled() && f.h.searchButton()->isEnabled());
    QVERIFY(f.h.upButton()->isEnabled() && f.h.downButton()->isEnabled());
    // Save refuses a description shorter than 2 characters.
    f.h.descriptionBox()->setPlainText("x");
    f.h.desktop.expect("Vocabulary item or description too short.");
    f.h.saveButton()->setEnabled(true);
    f.h.saveButton()->click();
    QCOMPARE(f.data.read("Numbers.vocab").count("\r\n"), 6);
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::keyboardCommands()
{
    Five f(2);
    // Ctrl+U and Ctrl+D in the item box move the item.
    f.h.press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(f.headwords().first(), QStringLiteral("duo"));
    QCOMPARE(f.h.itemBox()->currentText(), QStringLiteral("duo")); // the text box did not act on it
    f.h.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.headwords().mid(0, 2), QStringList({"unus", "duo"}));
    // Ctrl+S in the item box saves even while Save is disabled (a save replaces the file by a
    // new one)...
    f.h.saveButton()->setEnabled(false);
    const quint64 before = fileIdentity(f.data.path("Numbers.vocab"));
    f.h.press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.data.read("Numbers.vocab"), crlf(QStringList{"Latin"} + fiveItems()));
    const quint64 saved = fileIdentity(f.data.path("Numbers.vocab"));
    QVERIFY(saved != before);
    // ...in the description box only while it is enabled.
    f.h.descriptionBox()->setFocus();
    f.h.press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fileIdentity(f.data.path("Numbers.vocab")), saved);
    QCOMPARE(QApplication::focusWidget(), f.h.itemBox());
    // Ctrl+M runs the Master List button; with unsaved work it asks first.
    f.h.descriptionBox()->setFocus();
    QTest::keyClicks(f.h.descriptionBox(), "!");
    f.h.desktop.expect("Save work first?", MsgButton::Cancel);
    f.h.press(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(f.h.desktop.problems().isEmpty());
}

void TestItems::fontSizeKeysAndButtons()
{
    Five f;
    for (int i = 0; i < 5; ++i)
        f.h.press(Qt::Key_F12);
    QCOMPARE(f.h.itemBox()->font().pointSize(), 20);
    QCOMPARE(f.h.heading()->font().pointSize(), 28);
    for (int i = 0; i < 20; ++i)
        f.h.press(Qt::Key_F11);
    QCOMPARE(f.h.itemBox()->font().pointSize(), 8);
    QCOMPARE(f.h.heading()->font().pointSize(), 16);
    // The description box starts at 13 pt; eleven presses reach 24 pt and disable the button.
    for (int i = 0; i < 11; ++i) {
        QVERIFY(f.h.descriptionBiggerButton()->isEnabled());
        f.h.descriptionBiggerButton()->click();
    }
    QCOMPARE(f.h.descriptionBox()->font().pointSize(), 24);
    QVERIFY(!f.h.descriptionBiggerButton()->isEnabled());
    QCOMPARE(f.h.descriptionBiggerButton()->toolTip(), QStringLiteral("Size = 24"));
    QCOMPARE(QApplication::focusWidget(), f.h.itemBox());
    for (int i = 0; i < 16; ++i)
        if (f.h.descriptionSmallerButton()->isEnabled())
            f.h.descriptionSmallerButton()->click();
    QCOMPARE(f.h.descriptionBox()->font().pointSize(), 8);
    QVERIFY(f.h.descriptionBiggerButton()->isEnabled());
}

void TestItems::widthCycles()
{
    Five f(2);
    QTest::mouseDClick(f.h.itemBox()->lineEdit(), Qt::LeftButton);
    QCOMPARE(f.h.itemBox()->width(), 577);
    QVERIFY(f.h.addButton()->isHidden() && f.h.masterListButton()->isHidden() && f.h.stayOnTopPanel()->isHidden());
    QCOMPARE(f.h.form().headingMaxWidth(), 720);
    QTest::mouseDClick(f.h.itemBox()->lineEdit(), Qt::LeftButton);
    QCOMPARE(f.h.itemBox()->width(), 724);
    QVERIFY(f.h.saveButton()->isHidden() && f.h.helpIcon()->isHidden());
    QTest::mouseDClick(f.h.itemBox()->lineEdit(), Qt::LeftButton);
    QCOMPARE(f.h.itemBox()->width(), 215);
    QVERIFY(!f.h.addButton()->isHidden() && !f.h.saveButton()->isHidden() && !f.h.helpIcon()->isHidden());
    QCOMPARE(f.h.form().headingMaxWidth(), 575);
    QTest::mouseDClick(f.h.descriptionBox()->viewport(), Qt::LeftButton);
    QCOMPARE(f.h.descriptionBox()->width(), 722);
    QVERIFY(f.h.selfTestButton()->isHidden());
    QTest::mouseDClick(f.h.descriptionBox()->viewport(), Qt::LeftButton);
    QCOMPARE(f.h.descriptionBox()->width(), 577);
    QVERIFY(!f.h.selfTestButton()->isHidden());
}

void TestItems::counterFontAtAThousand()
{
    for (int n : {999, 1000}) {
        DataFolder data;
        data.addList("Many", "Latin", numberedItems(n));
        Harness h;
        h.openList("Many");
        QCOMPARE(h.itemCounter()->font().pointSize(), n == 999 ? 12 : 11);
        QCOMPARE(h.itemCounter()->text(), QStringLiteral("1 of %1").arg(n));
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
        QTest::keyClicks(h.itemBox(), "s"); // amares
        h.descriptionBox()->setPlainText("you would love");
        h.addButton()->click();               // new item 2
        h.press(Qt::Key_D, Qt::ControlModifier); // moved to 3
        h.press(Qt::Key_Down);
        h.desktop.expect("Remove item?", MsgButton::Yes);
        h.removeButton()->click(); // removes "ire"
        h.press(Qt::Key_S, Qt::ControlModifier);
        h.closeButton()->click();
        QVERIFY(h.form().programEnded());
        QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
    }
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love", "essezxto be", "amareszxyou would love"}));
    Harness again;
    again.openList("Verbs");
    QCOMPARE(again.itemBox()->count(), 3);
    QCOMPARE(again.itemBox()->itemText(2), QStringLiteral("amares"));
}

void TestItems::notesChangesAreUnsavedWork()
{
    Five f;
    QVERIFY(!f.h.form().document().isModified());
    f.h.notesBox()->setFocus();
    f.h.notesBox()->moveCursor(QTextCursor::End);
    QTest::keyClicks(f.h.notesBox(), " more");
    QVERIFY(f.h.form().document().isModified());
    QVERIFY(f.h.saveButton()->isEnabled());
    f.h.desktop.expect("Save work before closing?", MsgButton::Yes);
    f.h.closeButton()->click();
    QVERIFY(f.h.form().programEnded());
    QVERIFY(f.data.read("Numbers.rtf").contains("Notes more"));
    QVERIFY(f.h.desktop.problems().isEmpty());
}

QTEST_MAIN(TestItems)
#include "tst_items.moc"
