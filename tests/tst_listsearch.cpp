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
    QTest::mouseClick(h.ui().EdtSearch, Qt::LeftButton);
    h.ui().EdtSearch->selectAll();
    QTest::keyClicks(h.ui().EdtSearch, text);
    QTest::mouseClick(h.ui().Btn_Search, Qt::LeftButton);
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
    Ui::MainWindow &ui = h.ui();
    search(h, "flower");
    auto shows = [&](const QString &label, bool left, bool right, const QString &red) {
        QCOMPARE(ui.LblSearchString->text(), label);
        QCOMPARE(ui.BtnLeft->isEnabled(), left);
        QCOMPARE(ui.BtnRight->isEnabled(), right);
        QCOMPARE(colours(ui.RichDescr), red);
        QCOMPARE(focused(), ui.Cmb_Item);
    };
    shows("1/3", false, true, "..........RRRRRR");
    QCOMPARE(ui.Cmb_Item->entries(), QStringList({"rosa", "flor", "flos"}));
    QVERIFY(!ui.Cmb_Item->isEditable() && ui.Heading->isHidden() && ui.PnlItemNo->isHidden());
    QVERIFY(ui.LblSearchString->isVisible() && ui.BtnLeft->isVisible() && ui.BtnSwopUp->isHidden());
    QCOMPARE(ui.PnlSearch->width(), 577);
    QVERIFY(ui.RichDescr->isReadOnly() && ui.RedTranslation->isReadOnly());
    for (QWidget *w : std::initializer_list<QWidget *>{ui.BtnIns, ui.BtnDel, ui.BtnSelfTest, ui.CmbWork, ui.BtnFormatBold})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(h.form().session().currentItem(), 2); // the hit's own item
    QVERIFY(ui.ChkWholeWOrd->isVisible() && ui.BtnNextTranslation->isEnabled());
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [3]"));

    QTest::mouseClick(ui.BtnRight, Qt::LeftButton);
    shows("2/3", true, true, "RRRRRR..RRRRRR...");
    QTest::mouseClick(ui.BtnRight, Qt::LeftButton);
    shows("3/3", true, false, "RRRRRR"); // "Flower"
    QTest::mouseClick(ui.BtnLeft, Qt::LeftButton);
    QTest::mouseClick(ui.BtnLeft, Qt::LeftButton);
    shows("1/3", false, true, "..........RRRRRR");
    h.press(Qt::Key_Down); // the arrow keys pick a hit
    shows("2/3", true, true, "RRRRRR..RRRRRR...");
    QCOMPARE(h.form().session().currentItem(), 4);

    // Nothing edits the list during a search; Ctrl+D in the description box would move item 4.
    h.press(Qt::Key_Delete);
    ui.RichDescr->setFocus();
    h.press(Qt::Key_D, Qt::ControlModifier);
    h.press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(ui.Cmb_Item->entries(), QStringList({"rosa", "flor", "flos"}));
    QVERIFY(!h.form().document().isModified() && !ui.BtnSave->isEnabled());
    QCOMPARE(h.form().session().items().at(3).Item, QStringLiteral("flor"));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSearch::oneHitNoHitAndTooShort()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater", "esse zxto be"}, "Nothing here");
    Harness h;
    h.openList("Verbs");
    Ui::MainWindow &ui = h.ui();
    // The placeholder and a one-letter text only move the focus to the search box.
    QTest::mouseClick(ui.Btn_Search, Qt::LeftButton);
    QCOMPARE(focused(), ui.EdtSearch);
    search(h, "w");
    QCOMPARE(ui.Btn_Search->text(), QStringLiteral("Search"));
    QCOMPARE(focused(), ui.EdtSearch);

    search(h, "water");
    QCOMPARE(ui.LblSearchString->text(), QStringLiteral("1/1"));
    QCOMPARE(focused(), ui.Btn_Search);
    QVERIFY(ui.BtnLeft->isVisible() && !ui.BtnLeft->isEnabled() && !ui.BtnRight->isEnabled());
    QCOMPARE(colours(ui.RichDescr), QStringLiteral("RRRRR"));
    QVERIFY(ui.ChkWholeWOrd->isHidden() && !ui.BtnNextTranslation->isEnabled());
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [0]"));
    QTest::mouseClick(ui.Btn_Search, Qt::LeftButton);

    // "amare" is only a headword: descriptions alone are searched. Enter starts the search.
    QTest::mouseClick(ui.EdtSearch, Qt::LeftButton);
    QTest::keyClicks(ui.EdtSearch, "amare");
    h.press(Qt::Key_Return);
    QCOMPARE(ui.Btn_Search->text(), QStringLiteral("End Search"));
    QCOMPARE(ui.LblSearchString->text(), QStringLiteral("0/0"));
    QCOMPARE(ui.Cmb_Item->count(), 0);
    QVERIFY(ui.RichDescr->toPlainText().isEmpty() && ui.Heading->text().isEmpty());
    QCOMPARE(focused(), ui.EdtSearch);
    QCOMPARE(ui.EdtSearch->selectedText(), QStringLiteral("amare"));
    QVERIFY(!ui.BtnLeft->isEnabled() && !ui.BtnRight->isEnabled());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSearch::wholeToggledDuringSearch()
{
    DataFolder data;
    data.addList("Boves", "Latin", {"boszxan ox", "boveszxoxen", "buxumzxbox, ox", "pariszx(ox)", "universitaszxoxford"});
    Harness h;
    h.openList("Boves");
    Ui::MainWindow &ui = h.ui();
    search(h, "ox");
    QTest::mouseClick(ui.BtnRight, Qt::LeftButton);
    QTest::mouseClick(ui.BtnRight, Qt::LeftButton);
    QCOMPARE(ui.LblSearchString->text(), QStringLiteral("3/5"));
    QCOMPARE(colours(ui.RichDescr), QStringLiteral(".RR..RR"));
    QTest::mouseClick(ui.ChkWhole, Qt::LeftButton);
    QCOMPARE(ui.Cmb_Item->entries(), QStringList({"bos", "buxum", "paris"}));
    QCOMPARE(ui.LblSearchString->text(), QStringLiteral("1/3"));
    QVERIFY(!ui.BtnLeft->isEnabled() && ui.BtnRight->isEnabled());
    QTest::mouseClick(ui.BtnRight, Qt::LeftButton);
    QCOMPARE(colours(ui.RichDescr), QStringLiteral(".....RR")); // "box, ox"
    QTest::mouseClick(ui.ChkWhole, Qt::LeftButton);
    QCOMPARE(ui.LblSearchString->text(), QStringLiteral("1/5"));
    // Outside a search the option only sends the focus to the search box.
    QTest::mouseClick(ui.Btn_Search, Qt::LeftButton);
    QTest::mouseClick(ui.ChkWhole, Qt::LeftButton);
    QCOMPARE(ui.Btn_Search->text(), QStringLiteral("Search"));
    QCOMPARE(focused(), ui.EdtSearch);
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
    Ui::MainWindow &ui = h.ui();
    search(h, "flower");
    QTest::mouseClick(ui.BtnRight, Qt::LeftButton);
    // An insertion point inside red text must not pass the colour to the next description.
    QTextCursor inRed = ui.RichDescr->textCursor();
    inRed.setPosition(2);
    ui.RichDescr->setTextCursor(inRed);
    if (way == "button") {
        QTest::mouseClick(ui.Btn_Search, Qt::LeftButton);
    } else if (way == "escape") {
        h.press(Qt::Key_Escape);
    } else if (way == "delete") {
        ui.EdtSearch->setFocus();
        h.press(Qt::Key_Delete);
    } else if (way == "typing") {
        ui.EdtSearch->setFocus();
        QTest::keyClicks(ui.EdtSearch, "w");
    } else {
        h.openList("Flora");
    }
    QCOMPARE(ui.Btn_Search->text(), QStringLiteral("Search"));
    QCOMPARE(ui.Cmb_Item->count(), 5);
    QVERIFY(ui.Cmb_Item->isEditable());
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("amare"));
    QCOMPARE(h.form().session().currentItem(), 1);
    QCOMPARE(colours(ui.RichDescr), QStringLiteral(".......")); // "to love"
    QVERIFY(!ui.RichDescr->isReadOnly() && !ui.RedTranslation->isReadOnly());
    QVERIFY(ui.Heading->isVisible() && ui.PnlItemNo->isVisible());
    QCOMPARE(ui.Heading->text(), QStringLiteral("amare"));
    QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("1 of 5"));
    QVERIFY(ui.LblSearchString->isHidden() && ui.BtnLeft->isHidden() && ui.ChkWholeWOrd->isHidden());
    QVERIFY(ui.BtnSwopDown->isVisible() && ui.BtnSwopDown->isEnabled() && !ui.BtnSwopUp->isEnabled());
    QCOMPARE(ui.PnlSearch->width(), 426);
    for (QWidget *w : std::initializer_list<QWidget *>{ui.BtnDel, ui.BtnSelfTest, ui.CmbWork, ui.BtnExpandReduce,
                                                      ui.BtnFormatBold, ui.EdtSearch})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    const bool inBox = way == "delete" || way == "typing";
    QCOMPARE(focused(), inBox ? static_cast<QWidget *>(ui.EdtSearch) : ui.Cmb_Item);
    QCOMPARE(ui.EdtSearch->text(), way == "typing" ? "w" : way == "opening" ? "Enter search text" : "");
    if (way == "typing") { // the letter begins a fresh search text
        QTest::keyClicks(ui.EdtSearch, "ater");
        h.press(Qt::Key_Return);
        QCOMPARE(ui.Cmb_Item->entries(), QStringList({"aqua"}));
    }
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSearch::emptyListWithNotes()
{
    DataFolder data;
    data.addList("Empty", "Latin", {}, "rosa and nothing else");
    Harness h;
    h.openList("Empty");
    Ui::MainWindow &ui = h.ui();
    QTest::mouseClick(ui.EdtSearch, Qt::LeftButton); // the click removes the placeholder
    QTest::keyClicks(ui.EdtSearch, "Rosa");
    h.press(Qt::Key_Enter);
    QCOMPARE(ui.LblSearchString->text(), QStringLiteral("0/0"));
    QVERIFY(ui.ChkWholeWOrd->isVisible() && ui.BtnNextTranslation->isVisible());
    QCOMPARE(ui.ChkWholeWOrd->text(), QStringLiteral("Whole word  [1]"));
    QTest::mouseClick(ui.Btn_Search, Qt::LeftButton);
    QCOMPARE(h.form().session().currentItem(), 0);
    QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("0 of 0"));
    QVERIFY(ui.Heading->text().isEmpty() && ui.ChkWholeWOrd->isHidden());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSearch::closingDuringSearchSavesItemsUnchanged()
{
    DataFolder data;
    data.addList("Flora", "Latin", flora);
    Harness h;
    h.openList("Flora");
    QTest::mouseClick(h.ui().BtnSwopDown, Qt::LeftButton); // unsaved: rosa first, amare second
    search(h, "flower");
    QTest::mouseClick(h.ui().BtnRight, Qt::LeftButton); // hit 2 is item 4
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.form().close();
    QCOMPARE(data.read("Flora.vocab"), crlf({"Latin", "rosazxa rose, a flower", "amarezxto love", "aquazxwater",
                                             "florzxflower; flowering", "floszxFlower"}));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

QTEST_MAIN(TestListSearch)
#include "tst_listsearch.moc"
