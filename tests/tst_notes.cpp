// The translation / notes box: the format bar, the font list's blink, the format painter, the
// box's keys and typing, its enlarged size, the notes search, and formats kept through a save
// and reopening (and through LibreOffice), all driven through the real widgets.
#include "support/harness.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);

// One run of the notes written into the list's notes file before the list is opened.
struct Run {
    QString text;
    QTextCharFormat format;
};

QTextCharFormat fmt(std::initializer_list<std::function<void(QTextCharFormat &)>> edits)
{
    QTextCharFormat f;
    for (const auto &e : edits)
        e(f);
    return f;
}
auto bold = [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); };
auto underline = [](QTextCharFormat &f) { f.setFontUnderline(true); };
auto strike = [](QTextCharFormat &f) { f.setFontStrikeOut(true); };
auto colour(QColor c) { return [c](QTextCharFormat &f) { f.setForeground(c); }; }
auto points(int p) { return [p](QTextCharFormat &f) { f.setFontPointSize(p); }; }
auto family(QString n) { return [n](QTextCharFormat &f) { f.setFontFamilies({n}); }; }

// A list "Notes" with two items and the given notes.
void addNotesList(const DataFolder &data, const QList<Run> &runs)
{
    data.addList("Notes", "Latin", {"rosazxrose", "amorzxlove"});
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma"), 13));
    QTextCursor c(&doc);
    for (const Run &r : runs)
        c.insertText(r.text, r.format);
    data.write("Notes.rtf", rtf::write(&doc));
}

// The format of the character at a position of the box's document.
QTextCharFormat charAt(QTextEdit *box, int position)
{
    QTextCursor c(box->document());
    c.setPosition(position + 1);
    return c.charFormat();
}

QColor colourAt(QTextEdit *box, int position)
{
    const QTextCharFormat f = charAt(box, position);
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
}

QString familyAt(QTextEdit *box, int position) { return charAt(box, position).fontFamilies().toStringList().value(0); }

// The user selects characters [from, to) with the keyboard.
void selectKeys(QTextEdit *box, int from, int to)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < from; ++i)
        QTest::keyClick(box, Qt::Key_Right);
    for (int i = from; i < to; ++i)
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
}

// A click without dragging just before the character at a position.
void clickAt(QTextEdit *box, int position)
{
    QTextCursor c(box->document());
    c.setPosition(position);
    const QRect r = box->cursorRect(c);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 1, r.center().y()));
}

void enter(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &e);
}

void leave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// Starts a list search for text from the search box.
void searchFor(Harness &h, const QString &text)
{
    Ui::TForm1 &ui = h.ui();
    QTest::mouseClick(ui.EdtSearch, Qt::LeftButton);
    QTest::keyClicks(ui.EdtSearch, text);
    QTest::keyClick(ui.EdtSearch, Qt::Key_Return);
}

} // namespace

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
    void nextStepsAndWraps();
    void wholeWordCounts();
    void enlargeAndReduce();
    void saveAndReopenKeepEveryFormat();
};

void TestNotes::styleToggles()
{
    DataFolder data;
    addNotesList(data, {{"alpha", fmt({bold, underline})}, {" "}, {"beta", fmt({strike, underline})},
                        {" "}, {"Gm", fmt({bold})}, {"ix"}});
    Harness h;
    h.openList("Notes");
    Ui::TForm1 &ui = h.ui();
    QTextEdit *box = ui.RedTranslation;
    const auto style = [&](int pos) {
        const QTextCharFormat f = charAt(box, pos);
        return QString("%1%2%3").arg(f.fontWeight() >= QFont::Bold ? "b" : "").arg(f.fontItalic() ? "i" : "")
            .arg(f.fontUnderline() ? "u" : "");
    };
    selectKeys(box, 0, 5);
    QTest::mouseClick(ui.BtnFormatBold, Qt::LeftButton);
    QCOMPARE(style(0), QStringLiteral("u"));
    QCOMPARE(style(4), QStringLiteral("u"));
    QVERIFY(box->hasFocus());
    QVERIFY(ui.BtnSave->isEnabled());
    QTest::mouseClick(ui.BtnFormatBold, Qt::LeftButton);
    QCOMPARE(style(0), QStringLiteral("bu"));
    QTest::mouseClick(ui.BtnFormatItalic, Qt::LeftButton);
    QCOMPARE(style(0), QStringLiteral("biu"));
    QCOMPARE(style(4), QStringLiteral("biu"));
    QCOMPARE(style(5), QString()); // the blank after it untouched

    // Struck-out text keeps its style under every toggle, yet Save becomes available.
    ui.BtnSave->setEnabled(false);
    const QByteArray before = rtf::write(box->document());
    selectKeys(box, 6, 10);
    for (QPushButton *b : {ui.BtnFormatBold, ui.BtnFormatItalic, ui.BtnFormatUnderline})
        QTest::mouseClick(b, Qt::LeftButton);
    h.press(Qt::Key_B, Qt::ControlModifier);
    h.press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(rtf::write(box->document()), before);
    QVERIFY(ui.BtnSave->isEnabled());

    // A selection in several styles takes its first character's, toggled.
    selectKeys(box, 11, 15); // "Gm" bold, "ix" plain
    QTest::mouseClick(ui.BtnFormatBold, Qt::LeftButton);
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
    Ui::TForm1 &ui = h.ui();
    QTextEdit *box = ui.RedTranslation;

    // Without a selection the buttons do nothing, and the bar under them stays hidden.
    QTest::mouseClick(ui.BtnFormatGreen, Qt::LeftButton);
    enter(ui.BtnFormatGreen);
    QVERIFY(ui.ShpColour->isHidden());
    QVERIFY(h.form().session().isSaved());

    selectKeys(box, 0, 5);
    QTest::mouseClick(ui.BtnFormatRed, Qt::LeftButton);
    QCOMPARE(colourAt(box, 0), QColor()); // the window text colour: no colour of its own
    QVERIFY(!h.form().session().isSaved());
    selectKeys(box, 6, 10);
    QTest::mouseClick(ui.BtnFormatRed, Qt::LeftButton);
    QCOMPARE(colourAt(box, 6), Red);
    selectKeys(box, 11, 15);
    QTest::mouseClick(ui.BtnFormatGreen, Qt::LeftButton);
    QCOMPARE(colourAt(box, 14), Green);
    QTest::mouseClick(ui.BtnFormatBlue, Qt::LeftButton);
    QCOMPARE(colourAt(box, 11), Blue);

    enter(ui.BtnFormatGreen);
    QVERIFY(ui.ShpColour->isVisible());
    QCOMPARE(ui.ShpColour->palette().color(QPalette::Window), Green);
    leave(ui.BtnFormatGreen);
    QVERIFY(ui.ShpColour->isHidden());
}

void TestNotes::sizeLimitsAndHints()
{
    DataFolder data;
    addNotesList(data, {{"big", fmt({points(24)})}, {" "}, {"small", fmt({points(8)})}});
    Harness h;
    h.openList("Notes");
    Ui::TForm1 &ui = h.ui();
    QTextEdit *box = ui.RedTranslation;
    QPushButton *up = ui.BtnFormatFontIncrease;
    QPushButton *down = ui.BtnFormatFontDecrease;

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
    QVERIFY(!h.form().session().isSaved());
}

// With nothing selected a size button changes nothing and is no unsaved work, but enables the other.
void TestNotes::sizeButtonsWithoutSelection()
{
    DataFolder data;
    addNotesList(data, {{"small", fmt({points(8)})}, {" big", fmt({points(24)})}});
    Harness h;
    h.openList("Notes");
    Ui::TForm1 &ui = h.ui();
    QTextEdit *box = ui.RedTranslation;
    selectKeys(box, 0, 5);
    QTest::mouseClick(ui.BtnFormatFontDecrease, Qt::LeftButton); // at 8: disables itself
    QVERIFY(!ui.BtnFormatFontDecrease->isEnabled());
    const QByteArray before = rtf::write(box->document());
    clickAt(box, 2);
    QVERIFY(!box->textCursor().hasSelection());
    QTest::mouseClick(ui.BtnFormatFontIncrease, Qt::LeftButton);
    QVERIFY(ui.BtnFormatFontDecrease->isEnabled());
    QCOMPARE(rtf::write(box->document()), before);
    selectKeys(box, 1, 3);
    enter(ui.BtnFormatFontIncrease);
    QCOMPARE(ui.BtnFormatFontIncrease->toolTip(), QStringLiteral("Increase selected font size"));
    QTest::mouseClick(ui.BtnFormatFontIncrease, Qt::LeftButton);
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
    Ui::TForm1 &ui = h.ui();
    QTextEdit *box = ui.RedTranslation;
    QVERIFY(ui.CmbFont->count() > 0);
    const QByteArray original = rtf::write(box->document());

    selectKeys(box, 2, 4);
    QCOMPARE(ui.CmbFont->currentIndex(), -1); // SPIonic is no font of the list
    selectKeys(box, 0, 10);
    ui.CmbFont->showPopup();
    QVERIFY(ui.CmbFont->isDroppedDown());
    QCOMPARE(box->extraSelections().size(), 1);
    QCOMPARE(box->extraSelections().first().format.foreground().color(), QColor(Qt::white));
    QTRY_COMPARE_WITH_TIMEOUT(box->extraSelections().size(), 0, 2000);   // the colours back
    QTRY_COMPARE_WITH_TIMEOUT(box->extraSelections().size(), 1, 2000);   // white again
    QCOMPARE(rtf::write(box->document()), original);
    ui.CmbFont->hidePopup();
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
    ui.CmbFont->setFocus();
    h.press(Qt::Key_Escape);
    QCOMPARE(rtf::write(box->document()), typed);
    QCOMPARE(box->toPlainText(), QStringLiteral("abmh~nincd restxy"));

    // A font picked changes the font of the selection only: colours and text stay.
    selectKeys(box, 0, 10);
    ui.CmbFont->showPopup();
    const int row = ui.CmbFont->count() - 1;
    const QString picked = ui.CmbFont->itemText(row);
    ui.CmbFont->hidePopup();
    ui.CmbFont->setCurrentIndex(row);
    emit ui.CmbFont->activated(row);
    h.settle();
    QCOMPARE(box->toPlainText(), QStringLiteral("abmh~nincd restxy"));
    for (int pos : {0, 1, 2, 7, 8, 9})
        QCOMPARE(familyAt(box, pos), picked);
    QCOMPARE(colourAt(box, 0), Red);
    QCOMPARE(colourAt(box, 2), Blue);
    QCOMPARE(colourAt(box, 8), QColor());
    QCOMPARE(familyAt(box, 11), QStringLiteral("Tahoma")); // after the selection: untouched
    QVERIFY(!h.form().session().isSaved());
    // The font list follows the selection.
    selectKeys(box, 12, 13);
    selectKeys(box, 1, 2);
    QCOMPARE(ui.CmbFont->currentText(), picked);
}

void TestNotes::greekFontKeys()
{
    DataFolder data;
    addNotesList(data, {{"plain text", fmt({family("Tahoma")})}});
    Harness h;
    h.openList("Notes");
    QTextEdit *box = h.ui().RedTranslation;
    selectKeys(box, 6, 10);
    h.press(Qt::Key_T, Qt::ControlModifier); // before any Ctrl+G: ignored
    QCOMPARE(familyAt(box, 6), QStringLiteral("Tahoma"));
    QVERIFY(h.form().session().isSaved());
    h.press(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(familyAt(box, 6), QStringLiteral("SPIonic"));
    QCOMPARE(familyAt(box, 9), QStringLiteral("SPIonic"));
    QCOMPARE(familyAt(box, 4), QStringLiteral("Tahoma"));
    QVERIFY(!h.form().session().isSaved());
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
    Ui::TForm1 &ui = h.ui();
    QTextEdit *box = ui.RedTranslation;
    selectKeys(box, 0, 3);
    QTest::mouseClick(ui.BtnCopyFormat, Qt::LeftButton);
    QVERIFY(!ui.BtnCopyFormat->isEnabled());
    clickAt(box, 15); // in "text", no drag
    QVERIFY(ui.BtnCopyFormat->isEnabled());
    QVERIFY(!h.form().session().isSaved());
    QTest::keyClicks(box, "xy");
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
    Ui::TForm1 &ui = h.ui();
    QVERIFY(h.form().session().isSaved());
    clickAt(ui.RedTranslation, 5);
    QTest::sendKeyEvent(QTest::Click, ui.RedTranslation, Qt::Key(key), typed, Qt::NoModifier);
    QCOMPARE(ui.RedTranslation->toPlainText(), "notes" + typed);
    QVERIFY(!h.form().session().isSaved());
    QVERIFY(ui.BtnSave->isEnabled());
    // Closing now asks, so the letter is not lost without a question.
    h.desktop.expect("Save work before closing?", MsgButton::Yes);
    QTest::mouseClick(ui.BtnClose, Qt::LeftButton);
    QTextDocument saved;
    rtf::read(data.read("Notes.rtf"), &saved);
    QCOMPARE(saved.toPlainText(), "notes" + typed);
}

void TestNotes::nextStepsAndWraps()
{
    DataFolder data;
    addNotesList(data, {{"Rosa rosam, ROSAE"}});
    Harness h;
    h.openList("Notes");
    Ui::TForm1 &ui = h.ui();
    searchFor(h, "rosa");
    QVERIFY(h.form().mode().listSearch());
    QVERIFY(ui.ChkWholeWOrd->isVisible() && ui.BtnNextTranslation->isVisible());
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [3]"));
    const QList<int> starts{0, 5, 12, 0};
    const QStringList captions{"[1/3]", "[2/3]", "[3/3]", "[1/3]"};
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(ui.BtnNextTranslation, Qt::LeftButton);
        QCOMPARE(ui.ChkWholeWOrd->text(), "Whole word  " + captions[i]);
        QCOMPARE(ui.RedTranslation->textCursor().selectionStart(), starts[i]);
        QCOMPARE(ui.RedTranslation->textCursor().selectedText().size(), 4);
        QVERIFY(ui.RedTranslation->hasFocus());
    }
    // Esc on Next ends the search.
    ui.BtnNextTranslation->setFocus();
    h.press(Qt::Key_Escape);
    QVERIFY(!h.form().mode().listSearch());
    QVERIFY(ui.BtnNextTranslation->isHidden());
    QCOMPARE(ui.RedTranslation->toPlainText(), QStringLiteral("Rosa rosam, ROSAE"));
    QVERIFY(h.form().session().isSaved());
}

void TestNotes::wholeWordCounts()
{
    DataFolder data;
    addNotesList(data, {{"rosarum rosa"}});
    Harness h;
    h.openList("Notes");
    Ui::TForm1 &ui = h.ui();
    searchFor(h, "rosa");
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [2]"));
    QTest::mouseClick(ui.ChkWholeWOrd, Qt::LeftButton);
    QVERIFY(ui.ChkWholeWOrd->isChecked());
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [1]"));
    QTest::mouseClick(ui.BtnNextTranslation, Qt::LeftButton);
    QCOMPARE(ui.RedTranslation->textCursor().selectionStart(), 8);
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [1/1]"));
    QTest::mouseClick(ui.BtnNextTranslation, Qt::LeftButton);
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [1/1]"));

    // With no whole-word occurrence Next is disabled.
    h.press(Qt::Key_Escape);
    searchFor(h, "ros");
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [2]"));
    QVERIFY(!ui.ChkWholeWOrd->isChecked());
    QTest::mouseClick(ui.ChkWholeWOrd, Qt::LeftButton);
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [0]"));
    QVERIFY(!ui.BtnNextTranslation->isEnabled());
}

void TestNotes::enlargeAndReduce()
{
    DataFolder data;
    addNotesList(data, {{"notes"}});
    Harness h;
    h.openList("Notes");
    Ui::TForm1 &ui = h.ui();
    QVERIFY(ui.BtnExpandReduce->isVisible() && ui.BtnExpandReduce->isEnabled());
    enter(ui.BtnExpandReduce);
    QCOMPARE(ui.BtnExpandReduce->toolTip(), QStringLiteral("Click to expand"));
    QTest::mouseClick(ui.BtnExpandReduce, Qt::LeftButton);
    QVERIFY(h.form().mode().notesEnlarged);
    QCOMPARE(ui.RedTranslation->height(), 570);
    QCOMPARE(ui.BtnExpandReduce->y(), 663);
    for (QWidget *w : std::initializer_list<QWidget *>{ui.BtnRichdescrFontIncrease, ui.BtnRichdescrFontDecrease,
                                                      ui.PnlTop1, ui.PnlTop2})
        QVERIFY(w->isHidden());
    QVERIFY(ui.RedTranslation->hasFocus());
    // The box covers the item area.
    const QPoint inItemBox = ui.Cmb_Item->mapTo(&h.form(), ui.Cmb_Item->rect().center());
    QVERIFY(ui.RedTranslation->isAncestorOf(h.form().childAt(inItemBox)) || h.form().childAt(inItemBox) == ui.RedTranslation);
    enter(ui.BtnExpandReduce);
    QCOMPARE(ui.BtnExpandReduce->toolTip(), QStringLiteral("Click to reduce"));

    // A search cannot change the size, and the notes stay enlarged meanwhile.
    searchFor(h, "amor");
    QVERIFY(!ui.BtnExpandReduce->isEnabled());
    QCOMPARE(ui.RedTranslation->height(), 570);
    h.press(Qt::Key_Escape);
    QVERIFY(ui.BtnExpandReduce->isEnabled());

    QTest::mouseClick(ui.BtnExpandReduce, Qt::LeftButton);
    QVERIFY(!h.form().mode().notesEnlarged);
    QCOMPARE(ui.RedTranslation->height(), 282);
    QCOMPARE(ui.BtnExpandReduce->y(), 375);
    for (QWidget *w : std::initializer_list<QWidget *>{ui.BtnRichdescrFontIncrease, ui.BtnRichdescrFontDecrease,
                                                      ui.PnlTop1, ui.PnlTop2})
        QVERIFY(w->isVisible());
}

namespace {
// Checks the formats the save test gave its notes: "Bold Ital Under Red Blue Green Big Font mh~nin"
// with the second paragraph "centred".
void checkSavedFormats(const QTextDocument &doc, const QString &pickedFont)
{
    const auto at = [&](const QString &word) {
        QTextCursor c = doc.find(word, 0, QTextDocument::FindCaseSensitively);
        if (c.isNull())
            qWarning("missing %s", qPrintable(word));
        c.setPosition(c.selectionStart() + 1);
        return c.charFormat();
    };
    QCOMPARE(at("Bold").fontWeight(), int(QFont::Bold));
    QVERIFY(at("Ital").fontItalic());
    QVERIFY(at("Under").fontUnderline());
    QCOMPARE(at("Red").foreground().color(), Red);
    QCOMPARE(at("Blue").foreground().color(), Blue);
    QCOMPARE(at("Green").foreground().color(), Green);
    QCOMPARE(qRound(at("Big").fontPointSize()), 15); // 13 and two steps
    QCOMPARE(at("Font").fontFamilies().toStringList().value(0), pickedFont);
    QCOMPARE(at("mh~nin").fontFamilies().toStringList().value(0), QStringLiteral("SPIonic"));
    QVERIFY(at("plain").fontWeight() < QFont::Bold);
    QVERIFY(!at("plain").fontItalic() && !at("plain").fontUnderline());
    QCOMPARE(doc.find("centred").block().blockFormat().alignment(), Qt::AlignHCenter);
}
} // namespace

// Every format the bar and the keys can set, saved with Ctrl+S, is there when the program
// starts again and opens the list; and LibreOffice reads the same formats from the file.
void TestNotes::saveAndReopenKeepEveryFormat()
{
    DataFolder data;
    addNotesList(data, {{"Bold Ital Under Red Blue Green Big Font mh~nin plain\ncentred"}});
    QString picked;
    {
        Harness h;
        h.openList("Notes");
        Ui::TForm1 &ui = h.ui();
        QTextEdit *box = ui.RedTranslation;
        selectKeys(box, 0, 4);
        QTest::mouseClick(ui.BtnFormatBold, Qt::LeftButton);
        selectKeys(box, 5, 9);
        QTest::mouseClick(ui.BtnFormatItalic, Qt::LeftButton);
        selectKeys(box, 10, 15);
        h.press(Qt::Key_U, Qt::ControlModifier);
        selectKeys(box, 16, 19);
        QTest::mouseClick(ui.BtnFormatRed, Qt::LeftButton);
        selectKeys(box, 20, 24);
        QTest::mouseClick(ui.BtnFormatBlue, Qt::LeftButton);
        selectKeys(box, 25, 30);
        QTest::mouseClick(ui.BtnFormatGreen, Qt::LeftButton);
        selectKeys(box, 31, 34);
        QTest::mouseClick(ui.BtnFormatFontIncrease, Qt::LeftButton);
        QTest::mouseClick(ui.BtnFormatFontIncrease, Qt::LeftButton); // 13 -> 15
        selectKeys(box, 35, 39);
        ui.CmbFont->showPopup();
        ui.CmbFont->hidePopup();
        picked = ui.CmbFont->itemText(0);
        ui.CmbFont->setCurrentIndex(0);
        emit ui.CmbFont->activated(0);
        h.settle();
        selectKeys(box, 40, 46);
        h.press(Qt::Key_G, Qt::ControlModifier);
        selectKeys(box, 54, 55);
        h.press(Qt::Key_E, Qt::ControlModifier);
        checkSavedFormats(*box->document(), picked);
        h.press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(h.form().session().isSaved());
    }
    {
        Harness h;
        h.openList("Notes");
        checkSavedFormats(*h.ui().RedTranslation->document(), picked);
    }
    if (QTest::currentTestFailed())
        return;

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    QProcess lo;
    lo.start(soffice, {"-env:UserInstallation=file://" + data.path("lo-profile"), "--headless", "--convert-to",
                       "rtf", "--outdir", data.path("lo"), data.path("Notes.rtf")});
    QVERIFY(lo.waitForFinished(180000));
    const QByteArray resaved = data.read("lo/Notes.rtf");
    QVERIFY2(!resaved.isEmpty(), lo.readAllStandardError().constData());
    QTextDocument back;
    rtf::read(resaved, &back);
    QCOMPARE(back.toPlainText(), QStringLiteral("Bold Ital Under Red Blue Green Big Font mh~nin plain\ncentred"));
    checkSavedFormats(back, picked);
}

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
