// The Master List window over a stand-in main window: opening, selection of the current item, the
// language switch, failures in reading, the keys, the modal showing and the signals, and what a
// loss of the activation and its return change.
#include "master_fixtures.h"

#include "auxwindows/helpwindow.h"

#include <QDir>
#include <QSignalSpy>
#include <QTimer>

namespace {
// What the window shows: the lines, the selected one and its entry, the search, the self test.
QStringList shownState(const Master &m)
{
    return {QStringLiteral("lines: ") + m.lines().join(','),
            QStringLiteral("selected: %1").arg(m.selected()),
            QStringLiteral("entry: ") + m.work() + '|' + m.desc(),
            QStringLiteral("search box: ") + m.searchBox()->text(),
            QStringLiteral("search mode: %1").arg(m.window->inSearchMode()),
            QStringLiteral("test panel: ") + (m.testPanel()->isVisible() ? m.testPanel()->text() : QString()),
            QStringLiteral("list enabled: %1").arg(m.list()->isEnabled())};
}

// Takes the activation from the Master List in one of the ways a user does; it comes back to the
// window afterwards, as the desktop gives it back.
void goAwayAndBack(Master &m, const QString &away)
{
    QWidget other;
    HelpWindow help(&m.main);
    QObject::connect(m.window, &MasterListWindow::helpRequested, &help, [&] { help.showModalOver(&m.main); });
    if (away == "other program") {
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!m.window->isActiveWindow());
        QApplication::setActiveWindow(m.window); // the user switches back
    } else if (away == "other window") {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    } else if (away == "picker cancelled") {
        m.press(Qt::Key_F7);
        QCOMPARE(m.desktop.pickerTitles.size(), 1);
    } else if (away == "message box") {
        // A colour picked, its file not writable: the error report.
        QVERIFY(QDir().mkpath(m.data.path("Setup/MasterListFormColor.ini")));
        m.desktop.colourAnswers << QColor(0, 0, 128);
        m.desktop.expectError();
        m.press(Qt::Key_F7);
    } else if (away == "help") {
        QTimer::singleShot(0, &help, [&] {
            (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == &help; }, 1000);
            QTest::mouseClick(controlsOf(&help).closeButton(), Qt::LeftButton);
        });
        m.press(Qt::Key_F1);
        QVERIFY(help.isHidden());
    }
    m.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m.window));
    QVERIFY(m.window->isActiveWindow());
}
} // namespace

class TestMaster : public QObject {
    Q_OBJECT

private slots:
    void noLists();
    void openingShowsTheLanguageAndTheCurrentItem();
    void languageSwitchReadsTheFilesAgain();
    void unreadableList();
    void tooManyItemsToldOnce();
    void firstAndLastLine();
    void longWordDescription();
    void modalOpeningAndSignals();
    void listsChangedUnderIt();
    void activationComingBack_data();
    void activationComingBack();
};

void TestMaster::noLists()
{
    Master m;
    QVERIFY(m.open("Greek"));
    QCOMPARE(m.window->windowTitle(), QStringLiteral("Master List – Greek"));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [0]| Latin  [0]"));
    QCOMPARE(m.lines(), QStringList{NoRecords});
    QCOMPARE(m.work() + m.desc(), QString());
    QCOMPARE(m.list()->font().family(), QStringLiteral("Tahoma"));
    m.clickLine(0);
    QCOMPARE(m.selected(), 0);
    m.press(Qt::Key_PageDown, Qt::ControlModifier);
    m.press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(m.work() + m.desc(), QString());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QVERIFY(m.testPanel()->isHidden());
    m.checkDesktop();
}

void TestMaster::openingShowsTheLanguageAndTheCurrentItem()
{
    Master m;
    m.data.addList("Homer", "Greek", homer);
    m.data.addList("Lower", "greek", {"rosazxrose"}); // not exactly "Greek": Latin
    m.data.addList("Vergil", "Latin", {"armazxarms", "virumzxman"});
    m.data.write("Orphan.vocab", crlf({"Greek", "xzxy"}));

    QVERIFY(m.open("Greek", "LOGOS", "wo"));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [3]"));
    QCOMPARE(m.lines(), QStringList({"a0rxh/", "qeo/j", "lo/goj", "Logos"}));
    QVERIFY(m.greekButton()->isChecked());
    QCOMPARE(m.list()->font().family(), QStringLiteral("SPIonic"));
    QCOMPARE(m.list()->font().pointSize(), 14);
    QCOMPARE(m.selected(), 3); // the current item, letter case aside
    QCOMPARE(m.work(), QStringLiteral("Homer"));
    QCOMPARE(m.desc(), QStringLiteral("the Word"));
    QCOMPARE(QApplication::focusWidget(), m.list());
    QCOMPARE(m.searchBox()->text(), QStringLiteral("wo"));
    m.clickLine(1);
    QCOMPARE(m.work() + ':' + m.desc(), QStringLiteral("Homer:god"));
    m.press(Qt::Key_Down);
    QCOMPARE(m.desc(), QStringLiteral("word, speech"));
    m.window->close();

    // No such item: the first line; one character in the main search box is no search text.
    QVERIFY(m.open("Latin", "nusquam", "w"));
    QCOMPARE(m.window->windowTitle(), QStringLiteral("Master List – Latin"));
    QVERIFY(m.latinButton()->isChecked());
    QCOMPARE(m.lines(), QStringList({"arma", "rosa", "virum"}));
    QCOMPARE(m.selected(), 0);
    QCOMPARE(m.list()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(m.list()->font().pointSize(), 13);
    QCOMPARE(m.searchBox()->text(), Placeholder);
    m.checkDesktop();
}

void TestMaster::languageSwitchReadsTheFilesAgain()
{
    Master m;
    m.data.addList("Homer", "Greek", homer);
    m.data.addList("Vergil", "Latin", {"armazxarms"});
    QVERIFY(m.open("Latin", "arma"));
    QTest::mouseClick(m.searchBox(), Qt::LeftButton); // the prompt goes
    QTest::keyClicks(m.searchBox(), "anything");
    QCOMPARE(m.searchBox()->text(), QStringLiteral("anything"));
    m.data.addList("Hesiod", "Greek", {"e1rgonzxwork"});
    QTest::mouseClick(m.greekButton(), Qt::LeftButton);
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [5]| Latin  [1]"));
    QCOMPARE(m.lines().first(), QStringLiteral("a0rxh/"));
    QVERIFY(m.lines().contains("e1rgon"));
    QCOMPARE(m.searchBox()->text(), QString());
    QCOMPARE(m.window->windowTitle(), QStringLiteral("Master List – Greek"));

    // Every Greek list deleted between two switches: nothing of them is left.
    for (const char *f : {"Homer.vocab", "Homer.rtf", "Hesiod.vocab", "Hesiod.rtf"})
        QVERIFY(QFile::remove(m.data.path(f)));
    QTest::mouseClick(m.latinButton(), Qt::LeftButton);
    QTest::mouseClick(m.greekButton(), Qt::LeftButton);
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [0]| Latin  [1]"));
    QCOMPARE(m.lines(), QStringList{NoRecords});
    m.checkDesktop();
}

void TestMaster::unreadableList()
{
    Master m;
    m.data.addList("Homer", "Greek", homer);
    m.data.addList("Locked", "Greek", {"xzxy"});
    QFile::copy(m.data.path("Locked.vocab"), m.data.path("spare"));
    if (!makeUnreadable(m.data, "Locked.vocab"))
        QSKIP("no way to make a file unreadable here");
    // Opening: the error is reported and the window is not shown.
    m.desktop.expectError();
    QVERIFY(!m.open("Greek"));
    QVERIFY(!m.window->isVisible());
    m.checkDesktop();
    QVERIFY(m.desktop.shown.last().text.contains("Locked.vocab"));

    // Readable at opening, unreadable at a switch: the report, and an empty list, never the
    // entries read before.
    QFile::remove(m.data.path("Locked.vocab"));
    QFile::copy(m.data.path("spare"), m.data.path("Locked.vocab"));
    QVERIFY(m.open("Latin"));
    QVERIFY(makeUnreadable(m.data, "Locked.vocab"));
    m.desktop.expectError();
    QTest::mouseClick(m.greekButton(), Qt::LeftButton);
    m.checkDesktop();
    QCOMPARE(m.lines(), QStringList{NoRecords});
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [0]| Latin  [0]"));
}

void TestMaster::tooManyItemsToldOnce()
{
    Master m;
    for (int i = 0; i < 11; ++i)
        m.data.addList(QStringLiteral("Big%1").arg(i, 2, 10, QLatin1Char('0')), i == 10 ? "Greek" : "Latin",
                       numberedItems(10000));
    m.desktop.expect("The lists hold more than 100000 items together. The Master List shows the first 100000.");
    QVERIFY(m.open("Latin"));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [0]| Latin  [100000]"));
    QTest::mouseClick(m.greekButton(), Qt::LeftButton); // read again: not told again
    m.checkDesktop();
}

void TestMaster::firstAndLastLine()
{
    Master m;
    m.data.addList("Roma", "Latin", house);
    QVERIFY(m.open("Latin", "familia"));
    QCOMPARE(m.selected(), 3);
    m.press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(m.selected(), 4);
    QCOMPARE(m.desc(), QStringLiteral("a farmhouse"));
    m.press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(m.selected(), 0);
    QCOMPARE(m.desc(), QStringLiteral("HOUSES; a house"));
    QVERIFY(m.window->isVisible());
    m.checkDesktop();
}

void TestMaster::longWordDescription()
{
    // A description of one word longer than a line is broken anywhere, as in the main window:
    // laid out word by word, its layout time would grow with the square of its length.
    Master m;
    const QString word(200000, QLatin1Char('a'));
    m.data.addList("Roma", "Latin", {"longzx" + word, "shortzxa few words"});
    QVERIFY(m.open("Latin", "long"));
    QCOMPARE(m.desc(), word);
    QCOMPARE(m.descriptionBox()->wordWrapMode(), QTextOption::WrapAnywhere);
    m.press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(m.desc(), QStringLiteral("a few words"));
    QCOMPARE(m.descriptionBox()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    m.checkDesktop();
}

void TestMaster::modalOpeningAndSignals()
{
    Master m;
    m.data.addList("Roma", "Latin", house);
    QSignalSpy help(m.window, &MasterListWindow::helpRequested);
    QSignalSpy closed(m.window, &MasterListWindow::closed);
    bool wasModal = false;
    QTimer::singleShot(0, m.window, [&] {
        wasModal = m.window->isVisible() && QApplication::activeModalWidget() == m.window;
        QTest::keyClick(m.list(), Qt::Key_F1);
        QTest::keyClick(m.list(), Qt::Key_Escape);
    });
    m.window->openAndWait(&m.main, {"Latin", "aqua", ""});
    QVERIFY(wasModal);
    QVERIFY(!m.window->isVisible());
    QCOMPARE(help.count(), 1);
    QCOMPARE(closed.count(), 1);
    // Centred over the main window (within the width of a window frame).
    QVERIFY((m.window->frameGeometry().center() - m.main.frameGeometry().center()).manhattanLength() <= 8);
    m.checkDesktop();
}

// A list changed on disk while the Master List shows it (another machine's save synced in): said
// once per list when the window comes back, the lines shown staying those read.
void TestMaster::listsChangedUnderIt()
{
    Master m;
    m.data.addList("Roma", "Latin", house);
    m.data.addList("Verba", "Latin", {"amarezxto love"});
    QVERIFY(m.open("Latin"));
    const QStringList shown = m.lines();
    const auto comeBack = [&] {
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!m.window->isActiveWindow());
        QApplication::setActiveWindow(m.window);
        QTRY_VERIFY(m.window->isActiveWindow());
        QTest::qWait(20);
    };
    comeBack(); // nothing changed: nothing said
    m.data.write("Verba.vocab", crlf({"Latin", "amarezxto love", "audirezxto hear"}));
    m.desktop.expect("The list \"Verba\" was changed on disk (by another program or another machine) since the Master "
                     "List read it. The Master List shows the lists as it read them; close it and open it again to read "
                     "them as they are now.");
    comeBack();
    comeBack(); // said once
    QCOMPARE(m.lines(), shown);
    QVERIFY(QFile::remove(m.data.path("Roma.vocab")));
    m.data.write("Verba.vocab", crlf({"Latin"}));
    m.desktop.expect("The list \"Roma\" was changed on disk (by another program or another machine) since the Master "
                     "List read it. The Master List shows the lists as it read them; close it and open it again to read "
                     "them as they are now.");
    comeBack();
    QCOMPARE(m.lines(), shown);
    QVERIFY2(m.desktop.problems().isEmpty(), qPrintable(m.desktop.problems().join('\n')));
}

void TestMaster::activationComingBack_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("away");
    for (const char *state : {"self test", "typed search text", "search"})
        for (const char *away : {"other program", "other window", "picker cancelled", "message box", "help"})
            QTest::addRow("%s, %s", state, away) << state << away;
}

// Losing the activation and getting it back changes nothing in the window, except that coming back
// from the Help window runs the steps of opening again: the main window's item is selected once
// more (the first line when it is not shown). Never during a self test, and a search text stays.
void TestMaster::activationComingBack()
{
    QFETCH(QString, state);
    QFETCH(QString, away);
    Master m;
    m.desktop.boxesTakeActivation = true;
    m.data.addList("Roma", "Latin", house);
    QVERIFY(m.open("Latin", "aqua"));
    QCOMPARE(m.selected(), 1);
    if (state == "self test") {
        QTest::mouseClick(m.testButton(), Qt::LeftButton);
        QVERIFY(m.testPanel()->isVisible());
        QVERIFY(m.selected() != 1); // the word asked is not the main window's item
    } else if (state == "typed search text") {
        m.clickLine(3);
        QTest::mouseClick(m.searchBox(), Qt::LeftButton);
        QTest::keyClicks(m.searchBox(), "hou");
    } else {
        m.search("house");
        m.clickLine(2);
    }
    QStringList expected = shownState(m);
    if (away == "help" && state != "self test") {
        const int row = qMax(0, m.lines().indexOf("aqua"));
        expected[1] = QStringLiteral("selected: %1").arg(row);
        expected[2] = QStringLiteral("entry: Roma|") + (row == 1 ? "water" : "HOUSES; a house");
    }
    goAwayAndBack(m, away);
    QCOMPARE(shownState(m), expected);
    m.checkDesktop();
}

QTEST_MAIN(TestMaster)
#include "tst_master.moc"
