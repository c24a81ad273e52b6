// The notes box enlarged and back, the notes search with Next and Whole word, and formats kept
// through a save and reopening (and through LibreOffice), driven through the real widgets.
#include "notes_fixtures.h"

#include <QProcess>
#include <QStandardPaths>

class TestNotesWindow : public QObject {
    Q_OBJECT

private slots:
    void nextStepsAndWraps();
    void wholeWordCounts();
    void enlargeAndReduce();
    void saveAndReopenKeepEveryFormat();
};

void TestNotesWindow::nextStepsAndWraps()
{
    DataFolder data;
    addNotesList(data, {{"Rosa rosam, ROSAE"}});
    Harness h;
    h.openList("Notes");
    searchFor(h, "rosa");
    QVERIFY(h.form().mode().listSearch());
    QVERIFY(h.notesWholeWordBox()->isVisible() && h.notesNextButton()->isVisible());
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [3]"));
    const QList<int> starts{0, 5, 12, 0};
    const QStringList captions{"[1/3]", "[2/3]", "[3/3]", "[1/3]"};
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(h.notesNextButton(), Qt::LeftButton);
        QCOMPARE(h.notesWholeWordBox()->text(), "Whole word  " + captions[i]);
        QCOMPARE(h.notesBox()->textCursor().selectionStart(), starts[i]);
        QCOMPARE(h.notesBox()->textCursor().selectedText().size(), 4);
        QVERIFY(h.notesBox()->hasFocus());
    }
    // Esc on Next ends the search.
    h.notesNextButton()->setFocus();
    h.press(Qt::Key_Escape);
    QVERIFY(!h.form().mode().listSearch());
    QVERIFY(h.notesNextButton()->isHidden());
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("Rosa rosam, ROSAE"));
    QVERIFY(!h.form().document().isModified());
}

void TestNotesWindow::wholeWordCounts()
{
    DataFolder data;
    addNotesList(data, {{"rosarum rosa"}});
    Harness h;
    h.openList("Notes");
    searchFor(h, "rosa");
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [2]"));
    QTest::mouseClick(h.notesWholeWordBox(), Qt::LeftButton);
    QVERIFY(h.notesWholeWordBox()->isChecked());
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [1]"));
    QTest::mouseClick(h.notesNextButton(), Qt::LeftButton);
    QCOMPARE(h.notesBox()->textCursor().selectionStart(), 8);
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [1/1]"));
    QTest::mouseClick(h.notesNextButton(), Qt::LeftButton);
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [1/1]"));

    // With no whole-word occurrence Next is disabled.
    h.press(Qt::Key_Escape);
    searchFor(h, "ros");
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [2]"));
    QVERIFY(!h.notesWholeWordBox()->isChecked());
    QTest::mouseClick(h.notesWholeWordBox(), Qt::LeftButton);
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [0]"));
    QVERIFY(!h.notesNextButton()->isEnabled());
}

void TestNotesWindow::enlargeAndReduce()
{
    DataFolder data;
    addNotesList(data, {{"notes"}});
    Harness h;
    h.openList("Notes");
    QVERIFY(h.expandNotesButton()->isVisible() && h.expandNotesButton()->isEnabled());
    enter(h.expandNotesButton());
    QCOMPARE(h.expandNotesButton()->toolTip(), QStringLiteral("Click to expand"));
    QTest::mouseClick(h.expandNotesButton(), Qt::LeftButton);
    QVERIFY(h.form().mode().notesEnlarged);
    QCOMPARE(h.notesBox()->height(), 570);
    QCOMPARE(h.expandNotesButton()->y(), 663);
    for (QWidget *w : std::initializer_list<QWidget *>{h.descriptionBiggerButton(), h.descriptionSmallerButton(),
                                                      h.stayOnTopPanel(), h.stayOnTopInnerPanel()})
        QVERIFY(w->isHidden());
    QVERIFY(h.notesBox()->hasFocus());
    // The box covers the item area.
    const QPoint inItemBox = h.itemBox()->mapTo(&h.form(), h.itemBox()->rect().center());
    QVERIFY(h.notesBox()->isAncestorOf(h.form().childAt(inItemBox)) || h.form().childAt(inItemBox) == h.notesBox());
    enter(h.expandNotesButton());
    QCOMPARE(h.expandNotesButton()->toolTip(), QStringLiteral("Click to reduce"));

    // A search cannot change the size, and the notes stay enlarged meanwhile.
    searchFor(h, "amor");
    QVERIFY(!h.expandNotesButton()->isEnabled());
    QCOMPARE(h.notesBox()->height(), 570);
    h.press(Qt::Key_Escape);
    QVERIFY(h.expandNotesButton()->isEnabled());

    QTest::mouseClick(h.expandNotesButton(), Qt::LeftButton);
    QVERIFY(!h.form().mode().notesEnlarged);
    QCOMPARE(h.notesBox()->height(), 282);
    QCOMPARE(h.expandNotesButton()->y(), 375);
    for (QWidget *w : std::initializer_list<QWidget *>{h.descriptionBiggerButton(), h.descriptionSmallerButton(),
                                                      h.stayOnTopPanel(), h.stayOnTopInnerPanel()})
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
void TestNotesWindow::saveAndReopenKeepEveryFormat()
{
    DataFolder data;
    addNotesList(data, {{"Bold Ital Under Red Blue Green Big Font mh~nin plain\ncentred"}});
    QString picked;
    {
        Harness h;
        h.openList("Notes");
        QTextEdit *box = h.notesBox();
        selectKeys(box, 0, 4);
        QTest::mouseClick(h.boldButton(), Qt::LeftButton);
        selectKeys(box, 5, 9);
        QTest::mouseClick(h.italicButton(), Qt::LeftButton);
        selectKeys(box, 10, 15);
        h.press(Qt::Key_U, Qt::ControlModifier);
        selectKeys(box, 16, 19);
        QTest::mouseClick(h.redButton(), Qt::LeftButton);
        selectKeys(box, 20, 24);
        QTest::mouseClick(h.blueButton(), Qt::LeftButton);
        selectKeys(box, 25, 30);
        QTest::mouseClick(h.greenButton(), Qt::LeftButton);
        selectKeys(box, 31, 34);
        QTest::mouseClick(h.notesBiggerButton(), Qt::LeftButton);
        QTest::mouseClick(h.notesBiggerButton(), Qt::LeftButton); // 13 -> 15
        selectKeys(box, 35, 39);
        picked = pickFont(h, 0);
        selectKeys(box, 40, 46);
        h.press(Qt::Key_G, Qt::ControlModifier);
        selectKeys(box, 54, 55);
        h.press(Qt::Key_E, Qt::ControlModifier);
        checkSavedFormats(*box->document(), picked);
        h.press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!h.form().document().isModified());
    }
    {
        Harness h;
        h.openList("Notes");
        checkSavedFormats(*h.notesBox()->document(), picked);
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

QTEST_MAIN(TestNotesWindow)
#include "tst_notes_window.moc"
