// The format bar of the notes box, the font list's blink, the format painter, and the box's keys
// and typing, all driven through the real widgets.
#include "notes_fixtures.h"
#include "support/pixels.h"

class TestNotes : public QObject {
    Q_OBJECT

private slots:
    void styleToggles();
    void colourToggles();
    void sizeLimitsAndHints();
    void sizeButtonsWithoutSelection();
    void fontListBlinksWithoutChangingTheNotes();
    void greekFontKeys();
    void formatPainterOnAClick();
    void typedCharactersCount_data();
    void typedCharactersCount();
};

void TestNotes::styleToggles()
{
    DataFolder data;
    addNotesList(data, {{"alpha", fmt({bold, underline})}, {" "}, {"beta", fmt({strike, underline})},
                        {" "}, {"Gm", fmt({bold})}, {"ix"}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();
    const auto style = [&](int pos) {
        const QTextCharFormat f = charAt(box, pos);
        return QString("%1%2%3").arg(f.fontWeight() >= QFont::Bold ? "b" : "").arg(f.fontItalic() ? "i" : "")
            .arg(f.fontUnderline() ? "u" : "");
    };
    selectKeys(box, 0, 5);
    QTest::mouseClick(h.boldButton(), Qt::LeftButton);
    QCOMPARE(style(0), QStringLiteral("u"));
    QCOMPARE(style(4), QStringLiteral("u"));
    QVERIFY(box->hasFocus());
    QVERIFY(h.saveButton()->isEnabled());
    QTest::mouseClick(h.boldButton(), Qt::LeftButton);
    QCOMPARE(style(0), QStringLiteral("bu"));
    QTest::mouseClick(h.italicButton(), Qt::LeftButton);
    QCOMPARE(style(0), QStringLiteral("biu"));
    QCOMPARE(style(4), QStringLiteral("biu"));
    QCOMPARE(style(5), QString()); // the blank after it untouched

    // Struck-out text keeps its style under every toggle.
    const QByteArray before = rtf::write(box->document());
    selectKeys(box, 6, 10);
    for (QPushButton *b : {h.boldButton(), h.italicButton(), h.underlineButton()})
        QTest::mouseClick(b, Qt::LeftButton);
    h.press(Qt::Key_B, Qt::ControlModifier);
    h.press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(rtf::write(box->document()), before);

    // A selection in several styles takes its first character's, toggled.
    selectKeys(box, 11, 15); // "Gm" bold, "ix" plain
    QTest::mouseClick(h.boldButton(), Qt::LeftButton);
    QCOMPARE(style(11) + style(14), QString());
    // Ctrl+B works on the insertion point too: what is typed next is bold.
    QTest::keyClick(box, Qt::Key_End);
    h.press(Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(box, "Z");
    QCOMPARE(style(15), QStringLiteral("b"));
}

void TestNotes::colourToggles()
{
    DataFolder data;
    addNotesList(data, {{"rouge", fmt({colour(Red)})}, {" "}, {"bleu", fmt({colour(Blue)})}, {" vert"}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();

    // Without a selection the buttons do nothing, and the bar under them stays hidden.
    QTest::mouseClick(h.greenButton(), Qt::LeftButton);
    enter(h.greenButton());
    QVERIFY(h.colourBar()->isHidden());
    QVERIFY(!h.form().document().isModified());

    selectKeys(box, 0, 5);
    QTest::mouseClick(h.redButton(), Qt::LeftButton);
    QCOMPARE(colourAt(box, 0), QColor()); // the window text colour: no colour of its own
    QVERIFY(h.form().document().isModified());
    selectKeys(box, 6, 10);
    QTest::mouseClick(h.redButton(), Qt::LeftButton);
    QCOMPARE(colourAt(box, 6), Red);
    selectKeys(box, 11, 15);
    QTest::mouseClick(h.greenButton(), Qt::LeftButton);
    QCOMPARE(colourAt(box, 14), Green);
    QTest::mouseClick(h.blueButton(), Qt::LeftButton);
    QCOMPARE(colourAt(box, 11), Blue);

    enter(h.greenButton());
    QVERIFY(h.colourBar()->isVisible());
    QCOMPARE(paintedColour(h.colourBar()), Green);
    leave(h.greenButton());
    QVERIFY(h.colourBar()->isHidden());
}

void TestNotes::sizeLimitsAndHints()
{
    DataFolder data;
    addNotesList(data, {{"big", fmt({points(24)})}, {" "}, {"small", fmt({points(8)})}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();
    QPushButton *up = h.notesBiggerButton();
    QPushButton *down = h.notesSmallerButton();

    selectKeys(box, 0, 3);
    QTest::mouseClick(up, Qt::LeftButton);
    QVERIFY(!up->isEnabled());
    QCOMPARE(up->toolTip(), QStringLiteral("Size = 24"));
    QCOMPARE(charAt(box, 0).fontPointSize(), 24.0);
    QTest::mouseClick(down, Qt::LeftButton);
    QVERIFY(up->isEnabled());
    QCOMPARE(charAt(box, 2).fontPointSize(), 23.0);
    QCOMPARE(down->toolTip(), QStringLiteral("Size = 23"));
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(charAt(box, 0).fontPointSize(), 24.0);
    QCOMPARE(up->toolTip(), QStringLiteral("Size = 24"));
    QVERIFY(up->isEnabled());
    // Pointing at Increase at the limit disables it.
    enter(up);
    QVERIFY(!up->isEnabled());

    selectKeys(box, 4, 9);
    QTest::mouseClick(down, Qt::LeftButton);
    QVERIFY(!down->isEnabled());
    QCOMPARE(down->toolTip(), QStringLiteral("Size = 8"));
    QCOMPARE(charAt(box, 4).fontPointSize(), 8.0);
    QVERIFY(up->isEnabled()); // a click on the other button enables it again
    selectKeys(box, 0, 3);
    QTest::mouseClick(down, Qt::LeftButton); // disabled at the limit: nothing happens
    QCOMPARE(charAt(box, 0).fontPointSize(), 24.0);
    QVERIFY(h.form().document().isModified());
}

// With nothing selected a size button changes nothing and is no unsaved work, but enables the other.
void TestNotes::sizeButtonsWithoutSelection()
{
    DataFolder data;
    addNotesList(data, {{"small", fmt({points(8)})}, {" big", fmt({points(24)})}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();
    selectKeys(box, 0, 5);
    QTest::mouseClick(h.notesSmallerButton(), Qt::LeftButton); // at 8: disables itself
    QVERIFY(!h.notesSmallerButton()->isEnabled());
    const QByteArray before = rtf::write(box->document());
    clickAt(box, 2);
    QVERIFY(!box->textCursor().hasSelection());
    QTest::mouseClick(h.notesBiggerButton(), Qt::LeftButton);
    QVERIFY(h.notesSmallerButton()->isEnabled());
    QCOMPARE(rtf::write(box->document()), before);
    selectKeys(box, 1, 3);
    enter(h.notesBiggerButton());
    QCOMPARE(h.notesBiggerButton()->toolTip(), QStringLiteral("Increase selected font size"));
    QTest::mouseClick(h.notesBiggerButton(), Qt::LeftButton);
    QCOMPARE(charAt(box, 1).fontPointSize(), 9.0);
    QCOMPARE(charAt(box, 0).fontPointSize(), 8.0);
}

// The mend: the blink is drawn over the text and never written into it.
void TestNotes::fontListBlinksWithoutChangingTheNotes()
{
    DataFolder data;
    addNotesList(data, {{"ab", fmt({colour(Red)})}, {"mh~nin", fmt({colour(Blue), family("SPIonic")})},
                        {"cd"}, {" rest"}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();
    QVERIFY(h.fontList()->count() > 0);
    const QByteArray original = rtf::write(box->document());

    selectKeys(box, 2, 4);
    QCOMPARE(h.fontList()->currentIndex(), -1); // SPIonic is no font of the list
    selectKeys(box, 0, 10);
    h.fontList()->showPopup();
    QVERIFY(h.fontList()->isDroppedDown());
    QCOMPARE(box->extraSelections().size(), 1);
    QCOMPARE(box->extraSelections().first().format.foreground().color(), QColor(Qt::white));
    QTRY_COMPARE_WITH_TIMEOUT(box->extraSelections().size(), 0, 2000);   // the colours back
    QTRY_COMPARE_WITH_TIMEOUT(box->extraSelections().size(), 1, 2000);   // white again
    QCOMPARE(rtf::write(box->document()), original);
    h.fontList()->hidePopup();
    h.settle();
    QVERIFY(box->extraSelections().isEmpty());
    QCOMPARE(rtf::write(box->document()), original);
    QCOMPARE(box->textCursor().selectionStart(), 0);
    QCOMPARE(box->textCursor().selectionEnd(), 10);
    QVERIFY(box->hasFocus());
    QTest::qWait(700);
    QVERIFY(box->extraSelections().isEmpty()); // the blink stopped

    // Esc on the closed font list (not opened this time) changes nothing, even after typing.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "xy");
    const QByteArray typed = rtf::write(box->document());
    h.fontList()->setFocus();
    h.press(Qt::Key_Escape);
    QCOMPARE(rtf::write(box->document()), typed);
    QCOMPARE(box->toPlainText(), QStringLiteral("abmh~nincd restxy"));

    // A font picked changes the font of the selection only: colours and text stay.
    selectKeys(box, 0, 10);
    const QString picked = pickFont(h, h.fontList()->count() - 1);
    QCOMPARE(box->toPlainText(), QStringLiteral("abmh~nincd restxy"));
    for (int pos : {0, 1, 2, 7, 8, 9})
        QCOMPARE(familyAt(box, pos), picked);
    QCOMPARE(colourAt(box, 0), Red);
    QCOMPARE(colourAt(box, 2), Blue);
    QCOMPARE(colourAt(box, 8), QColor());
    QCOMPARE(familyAt(box, 11), QStringLiteral("Tahoma")); // after the selection: untouched
    QVERIFY(h.form().document().isModified());
    // The font list follows the selection.
    selectKeys(box, 12, 13);
    selectKeys(box, 1, 2);
    QCOMPARE(h.fontList()->currentText(), picked);
}

void TestNotes::greekFontKeys()
{
    DataFolder data;
    addNotesList(data, {{"plain text", fmt({family("Tahoma")})}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();
    selectKeys(box, 6, 10);
    h.press(Qt::Key_T, Qt::ControlModifier); // before any Ctrl+G: ignored
    QCOMPARE(familyAt(box, 6), QStringLiteral("Tahoma"));
    QVERIFY(!h.form().document().isModified());
    h.press(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(familyAt(box, 6), QStringLiteral("SPIonic"));
    QCOMPARE(familyAt(box, 9), QStringLiteral("SPIonic"));
    QCOMPARE(familyAt(box, 4), QStringLiteral("Tahoma"));
    QVERIFY(h.form().document().isModified());
    h.press(Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(familyAt(box, 6), QStringLiteral("Tahoma"));
    h.press(Qt::Key_G, Qt::ControlModifier);
    h.press(Qt::Key_G, Qt::ControlModifier);
    h.press(Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(familyAt(box, 6), QStringLiteral("SPIonic"));
    QCOMPARE(box->toPlainText(), QStringLiteral("plain text")); // no key typed a letter

    // The alignment keys align the paragraph.
    h.press(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(box->document()->begin().blockFormat().alignment(), Qt::AlignHCenter);
    h.press(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(box->document()->begin().blockFormat().alignment(), Qt::AlignRight);
    h.press(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(box->document()->begin().blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(h.form().lastEditBox(), EditBox::Notes);
}

void TestNotes::formatPainterOnAClick()
{
    DataFolder data;
    addNotesList(data, {{"red bold", fmt({bold, colour(Red), points(16), family("SPIonic")})}, {" plain text"}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.notesBox();
    selectKeys(box, 0, 3);
    QTest::mouseClick(h.copyFormatButton(), Qt::LeftButton);
    QVERIFY(!h.copyFormatButton()->isEnabled());
    clickAt(box, 15); // in "text", no drag
    QVERIFY(h.copyFormatButton()->isEnabled());
    QTest::keyClicks(box, "xy");
    QVERIFY(h.form().document().isModified());
    QCOMPARE(box->toPlainText(), QStringLiteral("red bold plain xytext"));
    for (int pos : {15, 16}) {
        const QTextCharFormat f = charAt(box, pos);
        QCOMPARE(f.fontWeight(), int(QFont::Bold));
        QCOMPARE(f.foreground().color(), Red);
        QCOMPARE(f.fontPointSize(), 16.0);
        QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("SPIonic"));
    }
    QVERIFY(charAt(box, 17).fontWeight() < QFont::Bold); // "text" itself untouched
    // Disarmed: the next click applies nothing.
    clickAt(box, 19);
    QTest::keyClicks(box, "q");
    QVERIFY(charAt(box, 19).fontWeight() < QFont::Bold);
}

void TestNotes::typedCharactersCount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("plain letter") << "a" << int(Qt::Key_A);
    QTest::newRow("accented letter") << QString::fromUtf8("é") << int(Qt::Key_Eacute);
    QTest::newRow("Greek letter") << QString::fromUtf8("α") << int(Qt::Key_unknown);
}

// The mend: every character typed into the notes is unsaved work, whatever its code.
void TestNotes::typedCharactersCount()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    DataFolder data;
    addNotesList(data, {{"notes"}});
    Harness h;
    h.openList("Notes");
    QVERIFY(!h.form().document().isModified());
    clickAt(h.notesBox(), 5);
    QTest::sendKeyEvent(QTest::Click, h.notesBox(), Qt::Key(key), typed, Qt::NoModifier);
    QCOMPARE(h.notesBox()->toPlainText(), "notes" + typed);
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.saveButton()->isEnabled());
    // Closing now asks, so the letter is not lost without a question.
    h.desktop.expect("Save work before closing?", MsgButton::Yes);
    QTest::mouseClick(h.closeButton(), Qt::LeftButton);
    QTextDocument saved;
    rtf::read(data.read("Notes.rtf"), &saved);
    QCOMPARE(saved.toPlainText(), "notes" + typed);
}

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
