// The self test: drawing without repeats, test mode, the save question, the panel caption and
// revealing the answer.
#include "support/harness.h"

#include "platform/random.h"

#include <QApplication>
#include <QSet>

namespace {
QStringList verbumItems(int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << QStringLiteral("verbum%1zxmeaning %1").arg(i);
    return items;
}

// Presses "Test  Yourself" until the given item is drawn.
bool drawUntil(Harness &h, int item)
{
    for (int i = 0; i <= 2 * h.form().session().itemCount(); ++i) {
        h.ui().BtnSelfTest->click();
        if (h.form().session().currentItem() == item)
            return true;
    }
    return false;
}

QWidget *focused() { return QApplication::focusWidget(); }
} // namespace

class TestSelfTest : public QObject {
    Q_OBJECT

private slots:
    void cyclesWithoutRepeats_data();
    void cyclesWithoutRepeats();
    void cycleStartsAnewAfterRemoveAndOpening();
    void saveQuestion();
    void captionLengthsAndSizes();
    void revealByEscAndPanelClick();
};

void TestSelfTest::cyclesWithoutRepeats_data()
{
    QTest::addColumn<int>("items");
    for (int n : {2, 5, 50})
        QTest::addRow("%d", n) << n;
}

void TestSelfTest::cyclesWithoutRepeats()
{
    QFETCH(int, items);
    DataFolder data;
    data.addList("Many", "Latin", verbumItems(items));
    Harness h;
    h.openList("Many");
    programRandom().seed(7);
    Ui::MainWindow &ui = h.ui();
    for (int cycle = 0; cycle < 3; ++cycle) {
        QSet<int> seen;
        for (int i = 0; i < items; ++i) {
            ui.BtnSelfTest->click(); // again and again without revealing
            const int r = h.form().session().currentItem();
            QVERIFY2(!seen.contains(r), qPrintable(QStringLiteral("%1 repeated in cycle %2").arg(r).arg(cycle)));
            seen.insert(r);
            QVERIFY(ui.Panel->isVisible());
            QCOMPARE(ui.Panel->text(), QStringLiteral("verbum%1").arg(r));
            QCOMPARE(ui.Heading->text(), QStringLiteral("verbum%1").arg(r));
            QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("meaning %1").arg(r)); // under the panel
            QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("%1 of %2").arg(r).arg(items));
        }
        QVERIFY(h.form().session().usedPicks().isEmpty());
    }
}

void TestSelfTest::cycleStartsAnewAfterRemoveAndOpening()
{
    DataFolder data;
    data.addList("Verbs", "Latin", verbumItems(5));
    Harness h;
    h.openList("Verbs");
    Ui::MainWindow &ui = h.ui();
    ui.BtnSelfTest->click();
    ui.BtnSelfTest->click();
    h.press(Qt::Key_Escape);
    QCOMPARE(h.form().session().usedPicks().size(), 2);
    h.desktop.expect("Remove item?", MsgButton::Yes);
    ui.BtnDel->click();
    QVERIFY(h.form().session().usedPicks().isEmpty());
    ui.BtnSave->click();
    ui.BtnSelfTest->click();
    QCOMPARE(h.form().session().usedPicks().size(), 1);
    h.press(Qt::Key_Escape);
    h.openList("Verbs");
    QVERIFY(h.form().session().usedPicks().isEmpty());
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestSelfTest::saveQuestion()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater"});
    Harness h;
    h.openList("Verbs");
    Ui::MainWindow &ui = h.ui();
    ui.RichDescr->setFocus();
    QTest::keyClick(ui.RichDescr, Qt::Key_End);
    QTest::keyClicks(ui.RichDescr, " dearly");
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    ui.BtnSelfTest->click();
    QCOMPARE(h.desktop.shown.last().buttons, MsgButton::Yes | MsgButton::Cancel);
    QVERIFY(ui.Panel->isHidden() && ui.Cmb_Item->isEnabled());
    QCOMPARE(focused(), ui.Cmb_Item);
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("to love dearly"));

    h.desktop.expect("Save work first?", MsgButton::Yes);
    ui.BtnSelfTest->click();
    QVERIFY(ui.Panel->isVisible());
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love dearly", "aquazxwater"}));
    h.press(Qt::Key_Escape);

    // Save refuses a one-letter headword: the test does not start and the edit stays.
    ui.Cmb_Item->setFocus();
    ui.Cmb_Item->lineEdit()->selectAll();
    QTest::keyClicks(ui.Cmb_Item, "x");
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.desktop.expect("Vocabulary item or description too short.");
    ui.BtnSelfTest->click();
    QVERIFY(ui.Panel->isHidden());
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("x"));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestSelfTest::captionLengthsAndSizes()
{
    const QString nineteen = QStringLiteral("abcdefghijklmnopqrs");
    const QString fortyFive = QStringLiteral("0123456789012345678901234567890123456789abcde");
    DataFolder data;
    data.addList("Long", "Latin", {nineteen + "zx19", nineteen + "tzx20", fortyFive + "zx45", "rock & rollzxmusic"});
    Harness h;
    h.openList("Long");
    const PanelLabel *panel = h.ui().Panel;
    const QList<std::pair<QString, int>> expected = {
        {nineteen, 34}, {nineteen + "t", 24}, {fortyFive.left(38) + "...", 24}, {"rock & roll", 34}};
    for (int item = 1; item <= 4; ++item) {
        QVERIFY(drawUntil(h, item));
        QCOMPARE(panel->text(), expected.at(item - 1).first);
        QCOMPARE(panel->font().pointSize(), expected.at(item - 1).second);
    }
    QCOMPARE(panel->textFormat(), Qt::PlainText); // "&" shown, not taken as an access key
}

void TestSelfTest::revealByEscAndPanelClick()
{
    // Two items share a headword: each is tested with its own description.
    DataFolder data;
    data.addList("Amare", "Latin", {"amarezxto love", "amarezxbitter", "aquazxwater"}, "Notes");
    Harness h;
    h.openList("Amare");
    Ui::MainWindow &ui = h.ui();
    const QStringList headwords = {"amare", "amare", "aqua"};
    const QStringList descriptions = {"to love", "bitter", "water"};

    QTest::mouseClick(ui.EdtSearch, Qt::LeftButton);
    QTest::keyClicks(ui.EdtSearch, "wat");
    QVERIFY(drawUntil(h, 3));
    QVERIFY(!ui.Cmb_Item->isEnabled() && !ui.Cmb_Item->isEditable() && ui.EdtSearch->text().isEmpty());
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.Btn_Search, ui.EdtSearch, ui.ChkWhole, ui.BtnIns, ui.BtnDel, ui.BtnSave, ui.BtnRichdescrFontDecrease,
             ui.BtnSwopDown, ui.BtnSwopUp, ui.CmbWork, ui.BtnMaster, ui.BtnChangeList, ui.BtnExpandReduce, ui.CmbFont})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(ui.RedTranslation->isReadOnly() && ui.BtnSelfTest->isEnabled());

    auto revealed = [&](int r) {
        QVERIFY(ui.Panel->isHidden());
        QCOMPARE(h.form().session().currentItem(), r);
        QVERIFY(ui.Cmb_Item->isEnabled() && ui.Cmb_Item->isEditable());
        QCOMPARE(ui.Cmb_Item->currentIndex(), r - 1);
        QCOMPARE(ui.Cmb_Item->currentText(), headwords.at(r - 1));
        QCOMPARE(ui.Heading->text(), headwords.at(r - 1));
        QCOMPARE(ui.RichDescr->toPlainText(), descriptions.at(r - 1));
        QCOMPARE(ui.PnlItemNo->text(), QStringLiteral("%1 of 3").arg(r));
        QCOMPARE(ui.BtnSwopUp->isEnabled(), r > 1);
        QCOMPARE(ui.BtnSwopDown->isEnabled(), r < 3);
        QCOMPARE(focused(), ui.Cmb_Item);
        QVERIFY(ui.Btn_Search->isEnabled() && ui.BtnFormatBold->isEnabled() && !ui.BtnSave->isEnabled());
        QVERIFY(!ui.RedTranslation->isReadOnly());
    };
    QTest::mouseClick(ui.Panel, Qt::LeftButton);
    revealed(3);
    for (int item : {1, 2}) {
        QVERIFY(drawUntil(h, item));
        h.press(Qt::Key_Escape);
        revealed(item);
    }
    QVERIFY(drawUntil(h, 1));
    QTest::mouseClick(ui.Panel, Qt::LeftButton);
    revealed(1);
    QVERIFY(h.desktop.problems().isEmpty());
}

QTEST_MAIN(TestSelfTest)
#include "tst_selftest.moc"
