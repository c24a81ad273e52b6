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
        h.selfTestButton()->click();
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
    for (int cycle = 0; cycle < 3; ++cycle) {
        QSet<int> seen;
        for (int i = 0; i < items; ++i) {
            h.selfTestButton()->click(); // again and again without revealing
            const int r = h.form().session().currentItem();
            QVERIFY2(!seen.contains(r), qPrintable(QStringLiteral("%1 repeated in cycle %2").arg(r).arg(cycle)));
            seen.insert(r);
            QVERIFY(h.testPanel()->isVisible());
            QCOMPARE(h.testPanel()->text(), QStringLiteral("verbum%1").arg(r));
            QCOMPARE(h.heading()->text(), QStringLiteral("verbum%1").arg(r));
            QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("meaning %1").arg(r)); // under the panel
            QCOMPARE(h.itemCounter()->text(), QStringLiteral("%1 of %2").arg(r).arg(items));
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
    h.selfTestButton()->click();
    h.selfTestButton()->click();
    h.press(Qt::Key_Escape);
    QCOMPARE(h.form().session().usedPicks().size(), 2);
    h.desktop.expect("Remove item?", MsgButton::Yes);
    h.removeButton()->click();
    QVERIFY(h.form().session().usedPicks().isEmpty());
    h.saveButton()->click();
    h.selfTestButton()->click();
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
    h.descriptionBox()->setFocus();
    QTest::keyClick(h.descriptionBox(), Qt::Key_End);
    QTest::keyClicks(h.descriptionBox(), " dearly");
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    h.selfTestButton()->click();
    QCOMPARE(h.desktop.shown.last().buttons, MsgButton::Yes | MsgButton::Cancel);
    QVERIFY(h.testPanel()->isHidden() && h.itemBox()->isEnabled());
    QCOMPARE(focused(), h.itemBox());
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("to love dearly"));

    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.selfTestButton()->click();
    QVERIFY(h.testPanel()->isVisible());
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love dearly", "aquazxwater"}));
    h.press(Qt::Key_Escape);

    // Save refuses a one-letter headword: the test does not start and the edit stays.
    h.itemBox()->setFocus();
    h.itemBox()->lineEdit()->selectAll();
    QTest::keyClicks(h.itemBox(), "x");
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.desktop.expect("Vocabulary item or description too short.");
    h.selfTestButton()->click();
    QVERIFY(h.testPanel()->isHidden());
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("x"));
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
    const PanelLabel *panel = h.testPanel();
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
    const QStringList headwords = {"amare", "amare", "aqua"};
    const QStringList descriptions = {"to love", "bitter", "water"};

    QTest::mouseClick(h.searchBox(), Qt::LeftButton);
    QTest::keyClicks(h.searchBox(), "wat");
    QVERIFY(drawUntil(h, 3));
    QVERIFY(!h.itemBox()->isEnabled() && !h.itemBox()->isEditable() && h.searchBox()->text().isEmpty());
    for (QWidget *w : std::initializer_list<QWidget *>{
             h.searchButton(), h.searchBox(), h.wholeWordBox(), h.addButton(), h.removeButton(), h.saveButton(), h.descriptionSmallerButton(),
             h.downButton(), h.upButton(), h.listSelector(), h.masterListButton(), h.changeListButton(), h.expandNotesButton(), h.fontList()})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(h.notesBox()->isReadOnly() && h.selfTestButton()->isEnabled());

    auto revealed = [&](int r) {
        QVERIFY(h.testPanel()->isHidden());
        QCOMPARE(h.form().session().currentItem(), r);
        QVERIFY(h.itemBox()->isEnabled() && h.itemBox()->isEditable());
        QCOMPARE(h.itemBox()->currentIndex(), r - 1);
        QCOMPARE(h.itemBox()->currentText(), headwords.at(r - 1));
        QCOMPARE(h.heading()->text(), headwords.at(r - 1));
        QCOMPARE(h.descriptionBox()->toPlainText(), descriptions.at(r - 1));
        QCOMPARE(h.itemCounter()->text(), QStringLiteral("%1 of 3").arg(r));
        QCOMPARE(h.upButton()->isEnabled(), r > 1);
        QCOMPARE(h.downButton()->isEnabled(), r < 3);
        QCOMPARE(focused(), h.itemBox());
        QVERIFY(h.searchButton()->isEnabled() && h.boldButton()->isEnabled() && !h.saveButton()->isEnabled());
        QVERIFY(!h.notesBox()->isReadOnly());
    };
    QTest::mouseClick(h.testPanel(), Qt::LeftButton);
    revealed(3);
    for (int item : {1, 2}) {
        QVERIFY(drawUntil(h, item));
        h.press(Qt::Key_Escape);
        revealed(item);
    }
    QVERIFY(drawUntil(h, 1));
    QTest::mouseClick(h.testPanel(), Qt::LeftButton);
    revealed(1);
    QVERIFY(h.desktop.problems().isEmpty());
}

QTEST_MAIN(TestSelfTest)
#include "tst_selftest.moc"
