// The Master List window: searching and every way out of it, the self test, closing during one.
#include "master_fixtures.h"
#include "support/pixels.h"

class TestMasterSearch : public QObject {
    Q_OBJECT

private slots:
    void searchWithAndWithoutHits();
    void leavingSearch_data();
    void leavingSearch();
    void selfTestCycles();
    void selfTestPanelCaptions();
    void closingDuringATest();
};

void TestMasterSearch::searchWithAndWithoutHits()
{
    Master m;
    m.data.addList("Homer", "Greek", homer);
    m.data.addList("Roma", "Latin", house);
    QVERIFY(m.open("Latin"));
    QCOMPARE(m.searchBox()->text(), Placeholder);
    QTest::mouseClick(m.searchBox(), Qt::LeftButton);
    QCOMPARE(m.searchBox()->text(), QString()); // the placeholder goes on a click
    QTest::keyClicks(m.searchBox(), "h");
    m.press(Qt::Key_Return); // one character is no search text
    QVERIFY(!m.window->inSearchMode());

    m.search("house");
    QCOMPARE(m.searchButton()->text(), QStringLiteral("End Search"));
    QCOMPARE(m.lines(), QStringList({"aedes", "domus", "familia", "villa"}));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [4]"));
    QCOMPARE(m.selected(), 0);
    QCOMPARE(m.work(), QStringLiteral("Roma"));
    QCOMPARE(colours(m.descriptionBox()), QStringLiteral("RRRRR.....RRRRR"));
    QVERIFY(!m.testButton()->isEnabled());
    m.clickLine(2);
    QCOMPARE(colours(m.descriptionBox()), QStringLiteral("....RRRRR....")); // the household
    m.press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(m.selected(), 3);
    QCOMPARE(m.desc(), QStringLiteral("a farmhouse"));

    // Whole Word toggled while hits are shown searches again.
    QTest::mouseClick(m.wholeWordBox(), Qt::LeftButton);
    QCOMPARE(m.lines(), QStringList({"aedes", "domus"}));
    QCOMPARE(colours(m.descriptionBox()), QStringLiteral("..........RRRRR")); // HOUSES; a house
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [2]"));

    m.press(Qt::Key_Escape);
    m.search("zebra");
    QCOMPARE(m.lines(), QStringList{NoRecords});
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [0]"));
    QCOMPARE(m.work() + m.desc(), QString());
    QCOMPARE(QApplication::focusWidget(), m.searchBox());
    // The next description shown has no red left over from a highlighted one.
    m.press(Qt::Key_Escape);
    QCOMPARE(colours(m.descriptionBox()), QString(m.desc().size(), '.'));
    m.checkDesktop();
}

void TestMasterSearch::leavingSearch_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("testEnabled");
    QTest::addColumn<QString>("boxAfter");
    QTest::newRow("button") << "button" << true << "";
    QTest::newRow("Enter") << "enter" << true << "";
    QTest::newRow("Esc") << "esc" << true << "";
    QTest::newRow("typing") << "typing" << false << "q";
    QTest::newRow("Backspace") << "backspace" << false << "";
    QTest::newRow("Delete") << "delete" << false << "";
    QTest::newRow("language switch") << "switch" << true << "";
    QTest::newRow("closing") << "close" << true << "house";
}

void TestMasterSearch::leavingSearch()
{
    QFETCH(QString, how);
    QFETCH(bool, testEnabled);
    QFETCH(QString, boxAfter);
    Master m;
    m.data.addList("Roma", "Latin", house);
    m.data.addList("Homer", "Greek", homer);
    QVERIFY(m.open("Latin"));
    m.search("house");
    QVERIFY(m.window->inSearchMode());
    QWidget *focusAfter = m.list();
    if (how == "button") {
        QTest::mouseClick(m.searchButton(), Qt::LeftButton);
    } else if (how == "enter" || how == "typing" || how == "backspace" || how == "delete") {
        m.searchBox()->setFocus();
        const int key = how == "enter" ? Qt::Key_Return : how == "typing" ? Qt::Key_Q
                      : how == "backspace" ? Qt::Key_Backspace : Qt::Key_Delete;
        QTest::keyClick(m.searchBox(), Qt::Key(key));
        if (how != "enter")
            focusAfter = m.searchBox();
    } else if (how == "esc") {
        m.press(Qt::Key_Escape);
        QVERIFY(m.window->isVisible());
    } else if (how == "switch") {
        QTest::mouseClick(m.greekButton(), Qt::LeftButton);
        QTest::mouseClick(m.latinButton(), Qt::LeftButton);
    } else {
        QTest::mouseClick(m.closeButton(), Qt::LeftButton);
        QVERIFY(!m.window->isVisible());
        QVERIFY(!m.window->inSearchMode());
        QCOMPARE(m.searchButton()->text(), QStringLiteral("Search"));
        QVERIFY(m.testButton()->isEnabled());
        QVERIFY(m.open("Latin")); // the next opening shows the whole list
        focusAfter = m.list();
        boxAfter = Placeholder;
    }
    QVERIFY(!m.window->inSearchMode());
    QCOMPARE(m.searchButton()->text(), QStringLiteral("Search"));
    QCOMPARE(m.lines(), QStringList({"aedes", "aqua", "domus", "familia", "villa"}));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [5]"));
    QCOMPARE(m.testButton()->isEnabled(), testEnabled);
    QCOMPARE(m.searchBox()->text(), boxAfter);
    QCOMPARE(m.selected(), 0);
    QCOMPARE(QApplication::focusWidget(), focusAfter);
    if (how == "esc") { // a second Esc closes the window
        m.press(Qt::Key_Escape);
        QVERIFY(!m.window->isVisible());
    }
    m.checkDesktop();
}

void TestMasterSearch::selfTestCycles()
{
    Master m;
    m.data.addList("Pair", "Latin", {"primuszxfirst", "secunduszxsecond"});
    m.data.addList("One", "Greek", {"e4nzxone"});
    QVERIFY(m.open("Latin"));
    QStringList shown;
    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(m.testButton(), Qt::LeftButton);
        QVERIFY(m.testPanel()->isVisible());
        QVERIFY(!m.list()->isEnabled());
        QCOMPARE(m.work(), QStringLiteral("Pair"));
        QCOMPARE(m.testPanel()->text(), m.lines().at(m.selected()));
        shown << m.testPanel()->text();
    }
    // Within each cycle of two, both entries once.
    for (int i = 0; i < 6; i += 2)
        QCOMPARE(QSet<QString>({shown[i], shown[i + 1]}), QSet<QString>({"primus", "secundus"}));
    QCOMPARE(m.desc(), m.lines().at(m.selected()) == "primus" ? QStringLiteral("first") : QStringLiteral("second"));

    // The ways of revealing: Esc, a click on the panel, entering the search box, a search.
    m.press(Qt::Key_Escape);
    QVERIFY(m.testPanel()->isHidden() && m.list()->isEnabled() && m.window->isVisible());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QTest::mouseClick(m.testPanel(), Qt::LeftButton);
    QVERIFY(m.testPanel()->isHidden() && m.list()->isEnabled());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    m.listNameBox()->setFocus();
    QTest::mouseClick(m.listNameBox(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), m.testButton()); // the list is off: Space draws again
    m.searchBox()->setFocus();
    QVERIFY(m.testPanel()->isHidden() && m.list()->isEnabled());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    m.search("second");
    QVERIFY(m.testPanel()->isHidden() && m.list()->isEnabled());

    // One entry: nothing happens.
    m.press(Qt::Key_Escape);
    QTest::mouseClick(m.greekButton(), Qt::LeftButton);
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QVERIFY(m.testPanel()->isHidden());
    QVERIFY(m.window->usedPicks().isEmpty());
    m.checkDesktop();
}

void TestMasterSearch::selfTestPanelCaptions()
{
    Master m;
    const QString fifty = QString(50, 'a');
    m.data.addList("Long", "Latin",
                   {fifty + "zxfifty", QString(29, 'b') + "zxtwenty-nine", QString(30, 'c') + "zxthirty", "d&ezxampersand"});
    QVERIFY(m.open("Latin"));
    QMap<QString, int> seen;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(m.testButton(), Qt::LeftButton);
        seen.insert(m.testPanel()->text(), m.testPanel()->font().pointSize());
    }
    QCOMPARE(seen.size(), 4); // one cycle: each entry once
    QCOMPARE(seen.value(fifty.left(42) + "..."), 22);
    QCOMPARE(seen.value(QString(29, 'b')), 30);
    QCOMPARE(seen.value(QString(30, 'c')), 22);
    QCOMPARE(seen.value("d&e"), 30);
    QCOMPARE(m.testPanel()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(m.testPanel()->geometry(), m.descriptionBox()->geometry());
    m.window->setTestPanelColour(0x00FF8000); // blue 255, green 128, red 0
    QCOMPARE(paintedColour(m.testPanel()), QColor(0, 128, 255));
    m.checkDesktop();
}

void TestMasterSearch::closingDuringATest()
{
    Master m;
    m.data.addList("Roma", "Latin", house);
    QVERIFY(m.open("Latin"));
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QVERIFY(m.testPanel()->isVisible());
    const QList<int> picks = m.window->usedPicks();
    m.window->close();
    QVERIFY(m.open("Latin"));
    QVERIFY(m.testPanel()->isHidden());
    QVERIFY(m.list()->isEnabled() && m.testButton()->isEnabled());
    QCOMPARE(m.window->usedPicks(), picks); // the cycle goes on across openings
    QCOMPARE(m.selected(), 0);
    m.press(Qt::Key_Down);
    QCOMPARE(m.selected(), 1);
    QCOMPARE(m.desc(), QStringLiteral("water"));
    // A list of another length: the record starts again.
    m.window->close();
    m.data.addList("More", "Latin", {"ignisxfire"});
    QVERIFY(m.open("Latin"));
    QVERIFY(m.window->usedPicks().isEmpty());
    m.checkDesktop();
}

QTEST_MAIN(TestMasterSearch)
#include "tst_master_search.moc"
