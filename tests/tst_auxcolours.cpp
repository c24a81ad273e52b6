// Window colours: the colour files' bytes, F7 in every window with a pick and a cancel, F10 during
// a self test reaching the Master List's panel, the colours in force again at the next start, the
// text boxes keeping their own colour, and the files that cannot be read or written. Colours are
// checked as painted.
#include "support/harness.h"
#include "support/pixels.h"

#include "auxwindows/helpwindow.h"
#include "auxwindows/aboutwindow.h"
#include "master/masterlistwindow.h"
#include "platform/colourfile.h"
#include "store/apperror.h"
#include "quotes/quotationswindow.h"
#include <QTextEdit>

#include <QDir>

namespace {
// The picker's starting colour is recorded too.
class RecordingDesktop : public ScriptedDesktop {
public:
    std::optional<QColor> pickColour(QWidget *parent, const QColor &initial, const QString &title) override
    {
        initials << initial;
        return ScriptedDesktop::pickColour(parent, initial, title);
    }
    QList<QColor> initials;
};

enum Row { MainRow, QuotesRow, MasterRow, HelpRow, AboutRow };

QWidget *windowOf(Program &p, int row)
{
    switch (row) {
    case MainRow: return p.windows.main;
    case QuotesRow: return p.windows.quotations;
    case MasterRow: return p.windows.masterList;
    case HelpRow: return p.windows.help;
    default: return p.windows.about;
    }
}

// The controls each row colours, the window first.
QList<QWidget *> targetsOf(Program &p, int row)
{
    switch (row) {
    case MainRow: return {p.windows.main, controlsOf(p.windows.main).itemCounter()};
    case QuotesRow:
        return {p.windows.quotations, controlsOf(p.windows.quotations).quotationBox(),
                controlsOf(p.windows.quotations).translationBox()};
    case MasterRow:
        return {p.windows.masterList, controlsOf(p.windows.masterList).listNameBox(),
                controlsOf(p.windows.masterList).descriptionBox()};
    case HelpRow: return {p.windows.help};
    default: return {p.windows.about, controlsOf(p.windows.about).aboutText()};
    }
}

// The text boxes and lists of a window that no colour setting names: they keep their own colour.
QList<QWidget *> ownColouredBoxesOf(Program &p, int row)
{
    if (row == MasterRow)
        return {controlsOf(p.windows.masterList).list(), controlsOf(p.windows.masterList).searchBox()};
    const MainWindowControls main = controlsOf(p.windows.main);
    return {main.itemBox(), main.descriptionBox(), main.notesBox(), main.searchBox()};
}

// F7 pressed in the window (with the window's focus rules: the window itself when nothing in it
// has the focus).
void pressIn(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, Qt::Key(key), modifiers);
}
} // namespace

class TestAuxColours : public QObject {
    Q_OBJECT

private slots:
    void colourFileReading();
    void colourFileFailures();
    void f7InEachWindow_data();
    void f7InEachWindow();
    void f10DuringSelfTestReachesMasterPanel();
    void coloursInForceAtNextStart();
    void textBoxesKeepTheirColour_data();
    void textBoxesKeepTheirColour();
    void failedReadLeavesTheRestOfCreation();
};

void TestAuxColours::colourFileReading()
{
    DataFolder data;
    QDir().mkpath("Setup");
    // The same colour however it is written; only the first line counts.
    for (const char *bytes : {"clmoneygreen\r\n", "clMoneyGreen", "$00C0DCC0\r\nclRed\r\n", "12639424\n"}) {
        data.write("Setup/X.ini", bytes);
        QCOMPARE(readColourFile("X.ini"), std::optional<ColourValue>(0x00C0DCC0u));
    }
    data.write("Setup/X.ini", "clBtnFace\r\n");
    QCOMPARE(*readColourFile("X.ini"), 0xFF00000Fu);
    QVERIFY(!readColourFile("Missing.ini"));
    // Written: the text and CR LF, nothing more; an identifier where there is one.
    writeColourFile("X.ini", 0x000000FF);
    QCOMPARE(data.read("Setup/X.ini"), QByteArray("clRed\r\n"));
    writeColourFile("X.ini", 0x000080FF);
    QCOMPARE(data.read("Setup/X.ini"), QByteArray("$000080FF\r\n"));
}

void TestAuxColours::colourFileFailures()
{
    DataFolder data;
    QDir().mkpath("Setup");
    const QString path = QDir::toNativeSeparators("Setup/X.ini");
    for (const char *bytes : {"pink\r\n", "", "\r\nclRed\r\n"}) {
        data.write("Setup/X.ini", bytes);
        const QString line = QString::fromLatin1(bytes).section("\r\n", 0, 0);
        try {
            readColourFile("X.ini");
            QFAIL(bytes);
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value (colour file \"%2\")").arg(line, path));
        }
    }
    // A file that cannot be read or written is named with the cause.
    QDir().mkpath("Setup/Dir.ini");
    for (bool writing : {false, true}) {
        try {
            writing ? writeColourFile("Dir.ini", 0) : void(readColourFile("Dir.ini"));
            QFAIL("no error");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains("Dir.ini") && e.message().contains("folder"), qPrintable(e.message()));
        }
    }
}

void TestAuxColours::f7InEachWindow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::newRow("main") << int(MainRow) << "MainFormColor.ini" << "Set Colour: Main Window";
    QTest::newRow("quotations") << int(QuotesRow) << "QuoteFormColor.ini" << "Set Colour: Quotations and Sayings";
    QTest::newRow("master") << int(MasterRow) << "MasterListFormColor.ini" << "Set Colour: Master List";
    QTest::newRow("help") << int(HelpRow) << "HelpFormColor.ini" << "Set Colour: Help";
    QTest::newRow("about") << int(AboutRow) << "ToolsFormColor.ini" << "Set Colour: About";
}

void TestAuxColours::f7InEachWindow()
{
    QFETCH(int, row);
    QFETCH(QString, file);
    QFETCH(QString, title);
    DataFolder data;
    RecordingDesktop desktop;
    Program program;
    program.show();
    QWidget *window = windowOf(program, row);
    if (window != program.windows.main)
        window->show();
    const QList<QWidget *> targets = targetsOf(program, row);
    const QColor before = paintedColour(targets.last());
    // Cancel: nothing changes, no file.
    pressIn(window, Qt::Key_F7);
    QCOMPARE(desktop.pickerTitles, QStringList{title});
    QVERIFY(!data.exists("Setup/" + file));
    QCOMPARE(paintedColour(targets.last()), before);
    // A pick: every control of the row, and the file; with a modifier held too.
    desktop.colourAnswers << QColor(255, 0, 0) << QColor(255, 128, 0);
    pressIn(window, Qt::Key_F7);
    for (QWidget *w : targets)
        QCOMPARE(paintedColour(w), QColor(255, 0, 0));
    QCOMPARE(data.read("Setup/" + file), QByteArray("clRed\r\n"));
    pressIn(window, Qt::Key_F7, Qt::ShiftModifier);
    QCOMPARE(data.read("Setup/" + file), QByteArray("$000080FF\r\n"));
    QCOMPARE(paintedColour(window), QColor(255, 128, 0));
    // The picker starts on black, then on its last choice (a cancel keeps it).
    QCOMPARE(desktop.initials, (QList<QColor>{Qt::black, Qt::black, QColor(255, 0, 0)}));
    // No other window was coloured or written.
    QCOMPARE(QDir("Setup").entryList(QDir::Files), QStringList{file});
    QVERIFY(desktop.problems().isEmpty());
}

void TestAuxColours::f10DuringSelfTestReachesMasterPanel()
{
    DataFolder data;
    data.addList("Numbers", "Latin", {"unuszxone", "duozxtwo", "treszxthree"});
    Harness h;
    RecordingDesktop desktop; // in force over the harness's own desktop while the test runs
    desktop.colourAnswers << QColor(0, 0, 255) << QColor(0, 128, 0);
    Program &p = *h.program;
    QWidget *pnlMaster = controlsOf(p.windows.masterList).testPanel();
    // No self test: F10 does nothing.
    h.press(Qt::Key_F10);
    QVERIFY(desktop.pickerTitles.isEmpty());
    h.openList("Numbers");
    h.selfTestButton()->click();
    h.press(Qt::Key_F10, Qt::ControlModifier);
    QCOMPARE(desktop.pickerTitles, QStringList{"Set Colour: Self Test Panel"});
    QCOMPARE(paintedColour(h.testPanel()), QColor(0, 0, 255));
    QCOMPARE(paintedColour(pnlMaster), QColor(0, 0, 255));
    QCOMPARE(data.read("Setup/SelfTestPanelColor.ini"), QByteArray("clBlue\r\n"));
    // The main window's one picker serves both settings and starts on its last choice.
    h.press(Qt::Key_F7);
    QCOMPARE(desktop.pickerTitles.last(), QStringLiteral("Set Colour: Main Window"));
    QCOMPARE(desktop.initials.last(), QColor(0, 0, 255));
    QCOMPARE(data.read("Setup/MainFormColor.ini"), QByteArray("clGreen\r\n"));
    QCOMPARE(paintedColour(pnlMaster), QColor(0, 0, 255));
}

void TestAuxColours::coloursInForceAtNextStart()
{
    DataFolder data;
    data.write("Setup/MainFormColor.ini", "clCream\r\n");
    data.write("Setup/SelfTestPanelColor.ini", "$000080FF\r\n");
    data.write("Setup/QuoteFormColor.ini", "clSkyBlue\r\n");
    data.write("Setup/MasterListFormColor.ini", "clmoneygreen\r\n");
    data.write("Setup/HelpFormColor.ini", "12639424\r\n");
    data.write("Setup/ToolsFormColor.ini", "clBtnFace\r\n");
    ScriptedDesktop desktop;
    Program p;
    const ColourValue expected[] = {0x00F0FBFF, 0x00F0CAA6, 0x00C0DCC0, 0x00C0DCC0, 0xFF00000F};
    for (int row = MainRow; row <= AboutRow; ++row)
        for (QWidget *w : targetsOf(p, row))
            QCOMPARE(paintedColour(w), toQColor(expected[row]));
    QCOMPARE(paintedColour(controlsOf(p.windows.main).testPanel()), QColor(255, 128, 0));
    QCOMPARE(paintedColour(controlsOf(p.windows.masterList).testPanel()), QColor(255, 128, 0));
    // A desktop colour is the desktop's.
    QCOMPARE(paintedColour(p.windows.about), QGuiApplication::palette().color(QPalette::Button));
    QVERIFY(desktop.problems().isEmpty());
}

void TestAuxColours::textBoxesKeepTheirColour_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("main") << int(MainRow);
    QTest::newRow("master") << int(MasterRow);
}

// A dark colour picked for a window: its background and the controls its setting names take it;
// its other text boxes and lists stay white behind their black text, now and after a restart.
void TestAuxColours::textBoxesKeepTheirColour()
{
    QFETCH(int, row);
    DataFolder data;
    data.addList("Numbers", "Latin", {"unuszxone", "duozxtwo", "treszxthree"});
    const QColor navy(0, 0, 128);
    for (const bool restarted : {false, true}) {
        Harness h;
        h.openList("Numbers");
        Program &p = *h.program;
        QWidget *window = windowOf(p, row);
        if (row == MasterRow) {
            QVERIFY(p.windows.masterList->openOver(&h.form(), {"Latin", "unus", ""}));
            QApplication::setActiveWindow(window);
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
        if (!restarted) {
            h.desktop.colourAnswers << navy;
            pressIn(window, Qt::Key_F7);
        }
        for (QWidget *w : targetsOf(p, row))
            QCOMPARE(paintedColour(w), navy);
        QStringList darkBoxes;
        for (QWidget *box : ownColouredBoxesOf(p, row))
            if (!whiteish(paintedColour(box)))
                darkBoxes << box->objectName() + ' ' + paintedColour(box).name();
        QCOMPARE(darkBoxes, QStringList());
        QVERIFY(h.desktop.problems().isEmpty());
        // The window as the user sees it, for the documentation.
        if (const QString folder = qEnvironmentVariable("MNEMORA_SCREENSHOTS"); !folder.isEmpty() && restarted)
            QVERIFY(window->grab().save(folder + (row == MasterRow ? "/colour-master.png" : "/colour-main.png")));
        if (row == MasterRow)
            window->close();
    }
}

void TestAuxColours::failedReadLeavesTheRestOfCreation()
{
    DataFolder data;
    data.write("Setup/SelfTestPanelColor.ini", "clYellow\r\n");
    data.write("Setup/MasterListFormColor.ini", "grey\r\n");
    data.write("Setup/ToolsFormColor.ini", "\r\n");
    ScriptedDesktop desktop;
    const QString setup = QDir::toNativeSeparators("Setup/");
    // In the order the windows are created: About, then the Master List.
    desktop.expect(QStringLiteral("'' is not a valid integer value (colour file \"%1ToolsFormColor.ini\")").arg(setup));
    desktop.expect(QStringLiteral("'grey' is not a valid integer value (colour file \"%1MasterListFormColor.ini\")").arg(setup));
    Program p;
    QVERIFY2(desktop.problems().isEmpty(), qPrintable(desktop.problems().join('\n')));
    // The About text was built before, the Master List's panel still takes the self-test colour.
    QVERIFY(controlsOf(p.windows.about).aboutText()->toPlainText().startsWith("Welcome to Mnemora"));
    QCOMPARE(paintedColour(controlsOf(p.windows.masterList).testPanel()), QColor(255, 255, 0));
}

QTEST_MAIN(TestAuxColours)
#include "tst_auxcolours.moc"
