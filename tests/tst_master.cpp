// The Master List window over a stand-in main window: opening, selection of the current item, the
// language switch, searching and every way out of it, the keys, the self test and closing.
#include "master/mastertest.h"
#include "master/tfrmmaster.h"
#include "master_fixtures.h"
#include "platform/panellabel.h"
#include "platform/random.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {
const QString NoRecords = QStringLiteral("No records to show!");
const QString Placeholder = QStringLiteral("Enter search text");

// The window opened over a plain widget standing in for the main window, in a fresh data folder.
struct Master {
    DataFolder data;
    ScriptedDesktop desktop;
    QWidget main;
    TFrmMaster *frm = nullptr;

    Master()
    {
        main.resize(778, 703);
        main.show();
        frm = new TFrmMaster(&main);
        programRandom().seed(20210124);
    }
    ~Master()
    {
        if (frm->isVisible())
            frm->close();
    }
    bool open(const QString &language, const QString &headword = QString(), const QString &mainSearch = QString())
    {
        if (!frm->openOver(&main, {language, headword, mainSearch}))
            return false;
        // A desktop activates a window it shows; the offscreen platform is told to.
        QApplication::setActiveWindow(frm);
        return QTest::qWaitForWindowActive(frm);
    }
    template <class T> T *w(const char *name) const
    {
        T *found = frm->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QListView *list() const { return w<QListView>("ListMaster"); }
    QString work() const { return w<QLineEdit>("EdtMasterWork")->text(); }
    QTextEdit *descBox() const { return w<QTextEdit>("RedMasterDesc"); }
    QString desc() const { return descBox()->toPlainText(); }
    QLineEdit *searchBox() const { return w<QLineEdit>("EdtMasterSearch"); }
    QPushButton *searchButton() const { return w<QPushButton>("BtnMasterSearch"); }
    QPushButton *testButton() const { return w<QPushButton>("BtnMasterTest"); }
    PanelLabel *panel() const { return w<PanelLabel>("PnlMaster"); }
    QRadioButton *greek() const { return w<QRadioButton>("RadMasterGreek"); }
    QRadioButton *latin() const { return w<QRadioButton>("RadMasterLatin"); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < list()->model()->rowCount(); ++i)
            out << list()->model()->index(i, 0).data().toString();
        return out;
    }
    int selected() const
    {
        const QModelIndexList rows = list()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    QString captions() const { return greek()->text() + '|' + latin()->text(); }
    void clickLine(int row) const
    {
        const QRect r = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == frm ? target : frm, Qt::Key(key), mods);
    }
    void search(const QString &text) const
    {
        QTest::mouseClick(searchBox(), Qt::LeftButton);
        searchBox()->selectAll();
        QTest::keyClicks(searchBox(), text);
        QTest::mouseClick(searchButton(), Qt::LeftButton);
    }
    void checkDesktop() const { QVERIFY2(desktop.problems().isEmpty(), qPrintable(desktop.problems().join('\n'))); }
};

// Each character of the description box: R red, . not.
QString colours(QTextEdit *box)
{
    QString out;
    QTextCursor c(box->document());
    for (int i = 0; i + 1 < box->document()->characterCount(); ++i) {
        c.setPosition(i);
        c.setPosition(i + 1, QTextCursor::KeepAnchor);
        out += c.charFormat().foreground().color() == QColor(255, 0, 0) ? QLatin1Char('R') : QLatin1Char('.');
    }
    return out;
}

const QStringList homer = {"lo/gojzxword, speech", "qeo/jzxgod", "a0rxh/zxbeginning", "Logoszxthe Word"};
const QStringList house = {"domuszxhouse, home", "familiazxthe household", "villazxa farmhouse",
                           "aedeszxHOUSES; a house", "aquazxwater"};
} // namespace

class TestMaster : public QObject {
    Q_OBJECT

private slots:
    void noLists();
    void openingShowsTheLanguageAndTheCurrentItem();
    void languageSwitchReadsTheFilesAgain();
    void unreadableList();
    void tooManyItemsToldOnce();
    void searchWithAndWithoutHits();
    void leavingSearch_data();
    void leavingSearch();
    void firstAndLastLine();
    void selfTestCycles();
    void selfTestPanelCaptions();
    void closingDuringATest();
    void modalOpeningAndSignals();
};

void TestMaster::noLists()
{
    Master m;
    QVERIFY(m.open("Greek"));
    QCOMPARE(m.frm->windowTitle(), QStringLiteral("Master List – Greek"));
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
    QVERIFY(m.panel()->isHidden());
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
    QVERIFY(m.greek()->isChecked());
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
    m.frm->close();

    // No such item: the first line; one character in the main search box is no search text.
    QVERIFY(m.open("Latin", "nusquam", "w"));
    QCOMPARE(m.frm->windowTitle(), QStringLiteral("Master List – Latin"));
    QVERIFY(m.latin()->isChecked());
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
    m.searchBox()->setText("anything");
    m.data.addList("Hesiod", "Greek", {"e1rgonzxwork"});
    QTest::mouseClick(m.greek(), Qt::LeftButton);
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [5]| Latin  [1]"));
    QCOMPARE(m.lines().first(), QStringLiteral("a0rxh/"));
    QVERIFY(m.lines().contains("e1rgon"));
    QCOMPARE(m.searchBox()->text(), QString());
    QCOMPARE(m.frm->windowTitle(), QStringLiteral("Master List – Greek"));

    // Every Greek list deleted between two switches: nothing of them is left.
    for (const char *f : {"Homer.vocab", "Homer.rtf", "Hesiod.vocab", "Hesiod.rtf"})
        QVERIFY(QFile::remove(m.data.path(f)));
    QTest::mouseClick(m.latin(), Qt::LeftButton);
    QTest::mouseClick(m.greek(), Qt::LeftButton);
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
    QVERIFY(!m.frm->isVisible());
    m.checkDesktop();
    QVERIFY(m.desktop.shown.last().text.contains("Locked.vocab"));

    // Readable at opening, unreadable at a switch: the report, and an empty list, never the
    // entries read before.
    QFile::remove(m.data.path("Locked.vocab"));
    QFile::copy(m.data.path("spare"), m.data.path("Locked.vocab"));
    QVERIFY(m.open("Latin"));
    QVERIFY(makeUnreadable(m.data, "Locked.vocab"));
    m.desktop.expectError();
    QTest::mouseClick(m.greek(), Qt::LeftButton);
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
    QTest::mouseClick(m.greek(), Qt::LeftButton); // read again: not told again
    m.checkDesktop();
}

void TestMaster::searchWithAndWithoutHits()
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
    QVERIFY(!m.frm->inSearchMode());

    m.search("house");
    QCOMPARE(m.searchButton()->text(), QStringLiteral("End Search"));
    QCOMPARE(m.lines(), QStringList({"aedes", "domus", "familia", "villa"}));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [4]"));
    QCOMPARE(m.selected(), 0);
    QCOMPARE(m.work(), QStringLiteral("Roma"));
    QCOMPARE(colours(m.descBox()), QStringLiteral("RRRRR.....RRRRR"));
    QVERIFY(!m.testButton()->isEnabled());
    m.clickLine(2);
    QCOMPARE(colours(m.descBox()), QStringLiteral("....RRRRR....")); // the household
    m.press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(m.selected(), 3);
    QCOMPARE(m.desc(), QStringLiteral("a farmhouse"));

    // Whole Word toggled while hits are shown searches again.
    QTest::mouseClick(m.w<QCheckBox>("ChkMasterWhole"), Qt::LeftButton);
    QCOMPARE(m.lines(), QStringList({"aedes", "domus"}));
    QCOMPARE(colours(m.descBox()), QStringLiteral("..........RRRRR")); // HOUSES; a house
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [2]"));

    m.press(Qt::Key_Escape);
    m.search("zebra");
    QCOMPARE(m.lines(), QStringList{NoRecords});
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [0]"));
    QCOMPARE(m.work() + m.desc(), QString());
    QCOMPARE(QApplication::focusWidget(), m.searchBox());
    // The next description shown has no red left over from a highlighted one.
    m.press(Qt::Key_Escape);
    QCOMPARE(colours(m.descBox()), QString(m.desc().size(), '.'));
    m.checkDesktop();
}

void TestMaster::leavingSearch_data()
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

void TestMaster::leavingSearch()
{
    QFETCH(QString, how);
    QFETCH(bool, testEnabled);
    QFETCH(QString, boxAfter);
    Master m;
    m.data.addList("Roma", "Latin", house);
    m.data.addList("Homer", "Greek", homer);
    QVERIFY(m.open("Latin"));
    m.search("house");
    QVERIFY(m.frm->inSearchMode());
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
        QVERIFY(m.frm->isVisible());
    } else if (how == "switch") {
        QTest::mouseClick(m.greek(), Qt::LeftButton);
        QTest::mouseClick(m.latin(), Qt::LeftButton);
    } else {
        QTest::mouseClick(m.w<QPushButton>("BtnClose"), Qt::LeftButton);
        QVERIFY(!m.frm->isVisible());
        QVERIFY(!m.frm->inSearchMode());
        QCOMPARE(m.searchButton()->text(), QStringLiteral("Search"));
        QVERIFY(m.testButton()->isEnabled());
        QVERIFY(m.open("Latin")); // the next opening shows the whole list
        focusAfter = m.list();
        boxAfter = Placeholder;
    }
    QVERIFY(!m.frm->inSearchMode());
    QCOMPARE(m.searchButton()->text(), QStringLiteral("Search"));
    QCOMPARE(m.lines(), QStringList({"aedes", "aqua", "domus", "familia", "villa"}));
    QCOMPARE(m.captions(), QStringLiteral(" Greek  [4]| Latin  [5]"));
    QCOMPARE(m.testButton()->isEnabled(), testEnabled);
    QCOMPARE(m.searchBox()->text(), boxAfter);
    QCOMPARE(m.selected(), 0);
    QCOMPARE(QApplication::focusWidget(), focusAfter);
    if (how == "esc") { // a second Esc closes the window
        m.press(Qt::Key_Escape);
        QVERIFY(!m.frm->isVisible());
    }
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
    QVERIFY(m.frm->isVisible());
    m.checkDesktop();
}

void TestMaster::selfTestCycles()
{
    Master m;
    m.data.addList("Pair", "Latin", {"primuszxfirst", "secunduszxsecond"});
    m.data.addList("One", "Greek", {"e4nzxone"});
    QVERIFY(m.open("Latin"));
    QStringList shown;
    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(m.testButton(), Qt::LeftButton);
        QVERIFY(m.panel()->isVisible());
        QVERIFY(!m.list()->isEnabled());
        QCOMPARE(m.work(), QStringLiteral("Pair"));
        QCOMPARE(m.panel()->text(), m.lines().at(m.selected()));
        shown << m.panel()->text();
    }
    // Within each cycle of two, both entries once.
    for (int i = 0; i < 6; i += 2)
        QCOMPARE(QSet<QString>({shown[i], shown[i + 1]}), QSet<QString>({"primus", "secundus"}));
    QCOMPARE(m.desc(), m.lines().at(m.selected()) == "primus" ? QStringLiteral("first") : QStringLiteral("second"));

    // The ways of revealing: Esc, a click on the panel, entering the search box, a search.
    m.press(Qt::Key_Escape);
    QVERIFY(m.panel()->isHidden() && m.list()->isEnabled() && m.frm->isVisible());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QTest::mouseClick(m.panel(), Qt::LeftButton);
    QVERIFY(m.panel()->isHidden() && m.list()->isEnabled());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    m.w<QLineEdit>("EdtMasterWork")->setFocus();
    QTest::mouseClick(m.w<QLineEdit>("EdtMasterWork"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), m.testButton()); // the list is off: Space draws again
    m.searchBox()->setFocus();
    QVERIFY(m.panel()->isHidden() && m.list()->isEnabled());
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    m.search("second");
    QVERIFY(m.panel()->isHidden() && m.list()->isEnabled());

    // One entry: nothing happens.
    m.press(Qt::Key_Escape);
    QTest::mouseClick(m.greek(), Qt::LeftButton);
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QVERIFY(m.panel()->isHidden());
    QVERIFY(m.frm->usedPicks().isEmpty());
    m.checkDesktop();
}

void TestMaster::selfTestPanelCaptions()
{
    Master m;
    const QString fifty = QString(50, 'a');
    m.data.addList("Long", "Latin",
                   {fifty + "zxfifty", QString(29, 'b') + "zxtwenty-nine", QString(30, 'c') + "zxthirty", "d&ezxampersand"});
    QVERIFY(m.open("Latin"));
    QMap<QString, int> seen;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(m.testButton(), Qt::LeftButton);
        seen.insert(m.panel()->text(), m.panel()->font().pointSize());
    }
    QCOMPARE(seen.size(), 4); // one cycle: each entry once
    QCOMPARE(seen.value(fifty.left(42) + "..."), 22);
    QCOMPARE(seen.value(QString(29, 'b')), 30);
    QCOMPARE(seen.value(QString(30, 'c')), 22);
    QCOMPARE(seen.value("d&e"), 30);
    QCOMPARE(m.panel()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(m.panel()->geometry(), m.descBox()->geometry());
    m.frm->setTestPanelColour(0x00FF8000); // blue 255, green 128, red 0
    QCOMPARE(m.panel()->palette().color(QPalette::Window), QColor(0, 128, 255));
    m.checkDesktop();
}

void TestMaster::closingDuringATest()
{
    Master m;
    m.data.addList("Roma", "Latin", house);
    QVERIFY(m.open("Latin"));
    QTest::mouseClick(m.testButton(), Qt::LeftButton);
    QVERIFY(m.panel()->isVisible());
    const QList<int> picks = m.frm->usedPicks();
    m.frm->close();
    QVERIFY(m.open("Latin"));
    QVERIFY(m.panel()->isHidden());
    QVERIFY(m.list()->isEnabled() && m.testButton()->isEnabled());
    QCOMPARE(m.frm->usedPicks(), picks); // the cycle goes on across openings
    QCOMPARE(m.selected(), 0);
    m.press(Qt::Key_Down);
    QCOMPARE(m.selected(), 1);
    QCOMPARE(m.desc(), QStringLiteral("water"));
    // A list of another length: the record starts again.
    m.frm->close();
    m.data.addList("More", "Latin", {"ignisxfire"});
    QVERIFY(m.open("Latin"));
    QVERIFY(m.frm->usedPicks().isEmpty());
    m.checkDesktop();
}

void TestMaster::modalOpeningAndSignals()
{
    Master m;
    m.data.addList("Roma", "Latin", house);
    QSignalSpy help(m.frm, &TFrmMaster::helpRequested);
    QSignalSpy closed(m.frm, &TFrmMaster::closed);
    bool wasModal = false;
    QTimer::singleShot(0, m.frm, [&] {
        wasModal = m.frm->isVisible() && QApplication::activeModalWidget() == m.frm;
        QTest::keyClick(m.list(), Qt::Key_F1);
        QTest::keyClick(m.list(), Qt::Key_Escape);
    });
    m.frm->OpenMasterList(&m.main, {"Latin", "aqua", ""});
    QVERIFY(wasModal);
    QVERIFY(!m.frm->isVisible());
    QCOMPARE(help.count(), 1);
    QCOMPARE(closed.count(), 1);
    // Centred over the main window (within the width of a window frame).
    QVERIFY((m.frm->frameGeometry().center() - m.main.frameGeometry().center()).manhattanLength() <= 8);
    m.checkDesktop();
}

QTEST_MAIN(TestMaster)
#include "tst_master.moc"
