// Searching the descriptions of a list: hits, stepping, colours, the Whole option, the notes count
// and every way of ending a search.
#include "support/harness.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>

namespace {
const QStringList flora = {"amarezxto love", "rosazxa rose, a flower", "aquazxwater", "florzxflower; flowering",
                           "floszxFlower"};

// Each character of the description box: R red, . the box's normal colour.
QString colours(QTextEdit *box)
{
    QString out;
    QTextCursor c(box->document());
    for (int i = 0; i + 1 < box->document()->characterCount(); ++i) {
        c.setPosition(i);
        c.setPosition(i + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat f = c.charFormat();
        if (!f.hasProperty(QTextFormat::ForegroundBrush))
            out += QLatin1Char('.');
        else
            out += f.foreground().color() == QColor(255, 0, 0) ? QLatin1Char('R') : QLatin1Char('?');
    }
    return out;
}

// A click into the search box (which removes the placeholder), the text typed, a click on Search.
void search(Harness &h, const QString &text)
{
    QTest::mouseClick(h.searchBox(), Qt::LeftButton);
    h.searchBox()->selectAll();
    QTest::keyClicks(h.searchBox(), text);
    QTest::mouseClick(h.searchButton(), Qt::LeftButton);
}

QWidget *focused() { return QApplication::focusWidget(); }
} // namespace

class TestListSearch : public QObject {
    Q_OBJECT

private slots:
    void threeHitsSteppedAndPicked();
    void oneHitNoHitAndTooShort();
    void wholeToggledDuringSearch();
    void endings_data();
    void endings();
    void emptyListWithNotes();
    void closingDuringSearchSavesItemsUnchanged();
};

void TestListSearch::threeHitsSteppedAndPicked()
{
    DataFolder data;
    data.addList("Flora", "Latin", flora, "Flower notes: a flower, FLOWERS");
    Harness h;
    h.openList("Flora");
    search(h, "flower");
    auto shows = [&](const QString &label, bool left, bool right, const QString &red) {
        QCOMPARE(h.hitCounter()->text(), label);
        QCOMPARE(h.previousHitButton()->isEnabled(), left);
        QCOMPARE(h.nextHitButton()->isEnabled(), right);
        QCOMPARE(colours(h.descriptionBox()), red);
        QCOMPARE(focused(), h.itemBox());
    };
    shows("1/3", false, true, "..........RRRRRR");
    QCOMPARE(h.itemBox()->entries(), QStringList({"rosa", "flor", "flos"}));
    QVERIFY(!h.itemBox()->isEditable() && h.heading()->isHidden() && h.itemCounter()->isHidden());
    QVERIFY(h.hitCounter()->isVisible() && h.previousHitButton()->isVisible() && h.upButton()->isHidden());
    QCOMPARE(h.searchPanel()->width(), 577);
    QVERIFY(h.descriptionBox()->isReadOnly() && h.notesBox()->isReadOnly());
    for (QWidget *w : std::initializer_list<QWidget *>{h.addButton(), h.removeButton(), h.selfTestButton(), h.listSelector(), h.boldButton()})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(h.form().session().currentItem(), 2); // the hit's own item
    QVERIFY(h.notesWholeWordBox()->isVisible() && h.notesNextButton()->isEnabled());
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [3]"));

    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton);
    shows("2/3", true, true, "RRRRRR..RRRRRR...");
    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton);
    shows("3/3", true, false, "RRRRRR"); // "Flower"
    QTest::mouseClick(h.previousHitButton(), Qt::LeftButton);
    QTest::mouseClick(h.previousHitButton(), Qt::LeftButton);
    shows("1/3", false, true, "..........RRRRRR");
    h.press(Qt::Key_Down); // the arrow keys pick a hit
    shows("2/3", true, true, "RRRRRR..RRRRRR...");
    QCOMPARE(h.form().session().currentItem(), 4);

    // Nothing edits the list during a search; Ctrl+D in the description box would move item 4.
    h.press(Qt::Key_Delete);
    h.descriptionBox()->setFocus();
    h.press(Qt::Key_D, Qt::ControlModifier);
    h.press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(h.itemBox()->entries(), QStringList({"rosa", "flor", "flos"}));
    QVERIFY(!h.form().document().isModified() && !h.saveButton()->isEnabled());
    QCOMPARE(h.form().session().items().at(3).Item, QStringLiteral("flor"));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSearch::oneHitNoHitAndTooShort()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater", "esse zxto be"}, "Nothing here");
    Harness h;
    h.openList("Verbs");
    // The placeholder and a one-letter text only move the focus to the search box.
    QTest::mouseClick(h.searchButton(), Qt::LeftButton);
    QCOMPARE(focused(), h.searchBox());
    search(h, "w");
    QCOMPARE(h.searchButton()->text(), QStringLiteral("Search"));
    QCOMPARE(focused(), h.searchBox());

    search(h, "water");
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("1/1"));
    QCOMPARE(focused(), h.searchButton());
    QVERIFY(h.previousHitButton()->isVisible() && !h.previousHitButton()->isEnabled() && !h.nextHitButton()->isEnabled());
    QCOMPARE(colours(h.descriptionBox()), QStringLiteral("RRRRR"));
    QVERIFY(h.notesWholeWordBox()->isHidden() && !h.notesNextButton()->isEnabled());
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [0]"));
    QTest::mouseClick(h.searchButton(), Qt::LeftButton);

    // "amare" is only a headword: descriptions alone are searched. Enter starts the search.
    QTest::mouseClick(h.searchBox(), Qt::LeftButton);
    QTest::keyClicks(h.searchBox(), "amare");
    h.press(Qt::Key_Return);
    QCOMPARE(h.searchButton()->text(), QStringLiteral("End Search"));
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("0/0"));
    QCOMPARE(h.itemBox()->count(), 0);
    QVERIFY(h.descriptionBox()->toPlainText().isEmpty() && h.heading()->text().isEmpty());
    QCOMPARE(focused(), h.searchBox());
    QCOMPARE(h.searchBox()->selectedText(), QStringLiteral("amare"));
    QVERIFY(!h.previousHitButton()->isEnabled() && !h.nextHitButton()->isEnabled());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSearch::wholeToggledDuringSearch()
{
    DataFolder data;
    data.addList("Boves", "Latin", {"boszxan ox", "boveszxoxen", "buxumzxbox, ox", "pariszx(ox)", "universitaszxoxford"});
    Harness h;
    h.openList("Boves");
    search(h, "ox");
    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton);
    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton);
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("3/5"));
    QCOMPARE(colours(h.descriptionBox()), QStringLiteral(".RR..RR"));
    QTest::mouseClick(h.wholeWordBox(), Qt::LeftButton);
    QCOMPARE(h.itemBox()->entries(), QStringList({"bos", "buxum", "paris"}));
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("1/3"));
    QVERIFY(!h.previousHitButton()->isEnabled() && h.nextHitButton()->isEnabled());
    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton);
    QCOMPARE(colours(h.descriptionBox()), QStringLiteral(".....RR")); // "box, ox"
    QTest::mouseClick(h.wholeWordBox(), Qt::LeftButton);
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("1/5"));
    // Outside a search the option only sends the focus to the search box.
    QTest::mouseClick(h.searchButton(), Qt::LeftButton);
    QTest::mouseClick(h.wholeWordBox(), Qt::LeftButton);
    QCOMPARE(h.searchButton()->text(), QStringLiteral("Search"));
    QCOMPARE(focused(), h.searchBox());
}

void TestListSearch::endings_data()
{
    QTest::addColumn<QString>("way");
    for (const char *way : {"button", "escape", "delete", "typing", "opening"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void TestListSearch::endings()
{
    QFETCH(QString, way);
    DataFolder data;
    data.addList("Flora", "Latin", flora, "Flower notes");
    Harness h;
    h.openList("Flora");
    search(h, "flower");
    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton);
    // An insertion point inside red text must not pass the colour to the next description.
    QTextCursor inRed = h.descriptionBox()->textCursor();
    inRed.setPosition(2);
    h.descriptionBox()->setTextCursor(inRed);
    if (way == "button") {
        QTest::mouseClick(h.searchButton(), Qt::LeftButton);
    } else if (way == "escape") {
        h.press(Qt::Key_Escape);
    } else if (way == "delete") {
        h.searchBox()->setFocus();
        h.press(Qt::Key_Delete);
    } else if (way == "typing") {
        h.searchBox()->setFocus();
        QTest::keyClicks(h.searchBox(), "w");
    } else {
        h.openList("Flora");
    }
    QCOMPARE(h.searchButton()->text(), QStringLiteral("Search"));
    QCOMPARE(h.itemBox()->count(), 5);
    QVERIFY(h.itemBox()->isEditable());
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("amare"));
    QCOMPARE(h.form().session().currentItem(), 1);
    QCOMPARE(colours(h.descriptionBox()), QStringLiteral(".......")); // "to love"
    QVERIFY(!h.descriptionBox()->isReadOnly() && !h.notesBox()->isReadOnly());
    QVERIFY(h.heading()->isVisible() && h.itemCounter()->isVisible());
    QCOMPARE(h.heading()->text(), QStringLiteral("amare"));
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("1 of 5"));
    QVERIFY(h.hitCounter()->isHidden() && h.previousHitButton()->isHidden() && h.notesWholeWordBox()->isHidden());
    QVERIFY(h.downButton()->isVisible() && h.downButton()->isEnabled() && !h.upButton()->isEnabled());
    QCOMPARE(h.searchPanel()->width(), 426);
    for (QWidget *w : std::initializer_list<QWidget *>{h.removeButton(), h.selfTestButton(), h.listSelector(), h.expandNotesButton(),
                                                      h.boldButton(), h.searchBox()})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    const bool inBox = way == "delete" || way == "typing";
    QCOMPARE(focused(), inBox ? static_cast<QWidget *>(h.searchBox()) : h.itemBox());
    QCOMPARE(h.searchBox()->text(), way == "typing" ? "w" : way == "opening" ? "Enter search text" : "");
    if (way == "typing") { // the letter begins a fresh search text
        QTest::keyClicks(h.searchBox(), "ater");
        h.press(Qt::Key_Return);
        QCOMPARE(h.itemBox()->entries(), QStringList({"aqua"}));
    }
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSearch::emptyListWithNotes()
{
    DataFolder data;
    data.addList("Empty", "Latin", {}, "rosa and nothing else");
    Harness h;
    h.openList("Empty");
    QTest::mouseClick(h.searchBox(), Qt::LeftButton); // the click removes the placeholder
    QTest::keyClicks(h.searchBox(), "Rosa");
    h.press(Qt::Key_Enter);
    QCOMPARE(h.hitCounter()->text(), QStringLiteral("0/0"));
    QVERIFY(h.notesWholeWordBox()->isVisible() && h.notesNextButton()->isVisible());
    QCOMPARE(h.notesWholeWordBox()->text(), QStringLiteral("Whole word  [1]"));
    QTest::mouseClick(h.searchButton(), Qt::LeftButton);
    QCOMPARE(h.form().session().currentItem(), 0);
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("0 of 0"));
    QVERIFY(h.heading()->text().isEmpty() && h.notesWholeWordBox()->isHidden());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSearch::closingDuringSearchSavesItemsUnchanged()
{
    DataFolder data;
    data.addList("Flora", "Latin", flora);
    Harness h;
    h.openList("Flora");
    QTest::mouseClick(h.downButton(), Qt::LeftButton); // unsaved: rosa first, amare second
    search(h, "flower");
    QTest::mouseClick(h.nextHitButton(), Qt::LeftButton); // hit 2 is item 4
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.form().close();
    QCOMPARE(data.read("Flora.vocab"), crlf({"Latin", "rosazxa rose, a flower", "amarezxto love", "aquazxwater",
                                             "florzxflower; flowering", "floszxFlower"}));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

QTEST_MAIN(TestListSearch)
#include "tst_listsearch.moc"
