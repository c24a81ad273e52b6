// The Help, About and keyboard-map windows: opening and closing with Esc, the About text and
// links, the drawn keyboard map, and where the focus goes back when About or the map closes; the
// title-bar buttons and border of every window.
#include "support/harness.h"

#include "auxwindows/keyboardmappicture.h"
#include "auxwindows/helpwindow.h"
#include "auxwindows/keyboardmapwindow.h"
#include "auxwindows/aboutwindow.h"
#include "auxwindows/weblinks.h"
#include "master/masterlistwindow.h"
#include "quotes/quotationswindow.h"
#include "store/apperror.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

namespace {
// Runs body once the modal window is up and active (the caller then opens it and blocks); closes
// the window afterwards should a failed check have left it open.
void whenOpen(QWidget *window, std::function<void()> body)
{
    QTimer::singleShot(0, qApp, [window, body] {
        (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
        body();
        if (window->isVisible())
            window->close();
    });
}

// A desktop whose "open" action fails, as when no program takes web addresses.
class NoBrowserDesktop : public ScriptedDesktop {
public:
    void openUrl(const QUrl &url) override { throw AppError("Cannot open \"" + url.toString() + "\". No program"); }
};

struct Numbers {
    DataFolder data;
    Harness h;
    Numbers()
    {
        data.addList("Numbers", "Latin", {"unuszxone", "duozxtwo", "treszxthree"});
        h.openList("Numbers");
    }
};
} // namespace

class TestAuxWindows : public QObject {
    Q_OBJECT

private slots:
    void helpOpensAndClosesWithEsc();
    void helpCollapsesTheNotesSelectionToItsStart();
    void aboutFromHelp();
    void aboutTextAndLinks();
    void failedOpenIsReported();
    void keyboardMapOpensClosesAndStretches();
    void keyboardMapPictureHasEveryKey();
    void keyboardMapReturnsCaretToItemBox();
    void keyboardMapLeavesFocusWhenBoxDisabled();
    void titleBarButtonsAndBorder_data();
    void titleBarButtonsAndBorder();
    void screenshots();
};

void TestAuxWindows::helpOpensAndClosesWithEsc()
{
    Numbers n;
    HelpWindow *help = n.h.program->windows.help;
    QCOMPARE(controlsOf(help).greekFontShortcutLine()->text(), QStringLiteral("Ctrl_G  Greek SPIonic font (only Translation / Notes)"));
    QCOMPARE(controlsOf(help).onlineHelpButton()->toolTip(), weblinks::OnlineHelpUrl);
    bool wasOpen = false;
    whenOpen(help, [&] {
        wasOpen = help->isVisible() && QApplication::activeModalWidget() == help;
        QCOMPARE(help->focusWidget(), controlsOf(help).closeButton());
        QTest::keyClick(controlsOf(help).closeButton(), Qt::Key_F1); // nothing: not opened twice
        QTest::keyClick(controlsOf(help).onlineHelpButton(), Qt::Key_Escape);
    });
    n.h.press(Qt::Key_F1);
    QVERIFY(wasOpen);
    QVERIFY(help->isHidden());
    QCOMPARE(n.h.desktop.opened, QList<QUrl>());
    // The help icon opens it too; "Online Help" opens the page; "Close" closes.
    whenOpen(help, [&] {
        QTest::mouseClick(controlsOf(help).onlineHelpButton(), Qt::LeftButton);
        QTest::mouseClick(controlsOf(help).closeButton(), Qt::LeftButton);
    });
    QTest::mouseClick(n.h.helpIcon(), Qt::LeftButton);
    QVERIFY(help->isHidden());
    QCOMPARE(n.h.desktop.opened, QList<QUrl>{QUrl(weblinks::OnlineHelpUrl)});
}

// Help leaves the notes selection collapsed to its start, whichever way it was selected: the
// next letter typed goes before the word, not after it.
void TestAuxWindows::helpCollapsesTheNotesSelectionToItsStart()
{
    Numbers n;
    QTextEdit *notes = n.h.notesBox();
    notes->setFocus();
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(notes, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(notes, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(notes, Qt::Key_Right, Qt::ShiftModifier);
    const QString before = notes->toPlainText();
    whenOpen(n.h.program->windows.help, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    n.h.press(Qt::Key_F1);
    QVERIFY(!notes->textCursor().hasSelection());
    QCOMPARE(notes->textCursor().position(), 0);
    notes->setFocus();
    QTest::keyClicks(notes, "x");
    QCOMPARE(notes->toPlainText(), QStringLiteral("x") + before);
}

void TestAuxWindows::aboutFromHelp()
{
    Numbers n;
    ProgramWindows &w = n.h.program->windows;
    // Text selected in the notes; the user last worked in the description.
    QTextEdit *notes = n.h.notesBox();
    notes->setFocus();
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(notes, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(notes, "abc");
    QTest::keyClick(notes, Qt::Key_Left, Qt::ShiftModifier);
    QTextEdit *descr = n.h.descriptionBox();
    descr->setFocus();
    QTest::mouseClick(descr->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(descr, "xy");
    QTest::keyClick(descr, Qt::Key_Left);
    QCOMPARE(n.h.form().lastEditBox(), EditBox::Description);
    QStringList seen;
    whenOpen(w.help, [&] {
        whenOpen(w.about, [&] {
            seen << QStringLiteral("about %1").arg(QApplication::activeModalWidget() == w.about);
            seen << QStringLiteral("selection %1").arg(notes->textCursor().hasSelection());
            QCOMPARE(w.about->focusWidget(), controlsOf(w.about).closeButton());
            QTest::keyClick(controlsOf(w.about).closeButton(), Qt::Key_F1); // nothing
            QTest::keyClick(controlsOf(w.about).closeButton(), Qt::Key_Escape);
        });
        QTest::mouseClick(controlsOf(w.help).aboutButton(), Qt::LeftButton);
        // Back in Help: the focus on "Close" again.
        QApplication::setActiveWindow(w.help); // as the desktop does when About goes
        seen << QStringLiteral("help %1").arg(w.help->focusWidget() == controlsOf(w.help).closeButton());
        QTest::keyClick(controlsOf(w.help).closeButton(), Qt::Key_Escape);
    });
    n.h.press(Qt::Key_F1);
    QCOMPARE(seen, QStringList({"about 1", "selection 0", "help 1"}));
    QVERIFY(w.help->isHidden() && w.about->isHidden());
    // The description box is again the main window's focused control, its caret kept.
    QCOMPARE(n.h.form().focusWidget(), descr);
    QCOMPARE(descr->textCursor().position(), 1);
    QCOMPARE(notes->textCursor().position(), notes->toPlainText().size() - 1);
}

void TestAuxWindows::aboutTextAndLinks()
{
    Numbers n;
    AboutWindow *about = n.h.program->windows.about;
    QCOMPARE(controlsOf(about).buildLabel()->text(), QStringLiteral("Build: 24 Jan 2021"));
    QTextDocument *doc = controlsOf(about).aboutText()->document();
    const QStringList paragraphs = doc->toPlainText().split('\n');
    QCOMPARE(paragraphs.size(), 9); // heading, three paragraphs and the signature, a blank line between
    QCOMPARE(paragraphs[0], QStringLiteral("Welcome to Mnemora"));
    QVERIFY(paragraphs[2].contains(QString::fromUtf8("languages \u2014 an electronic")));
    QVERIFY(paragraphs[6].endsWith("Enjoy using Mnemora! "));
    // All green and bold; the heading 15 points, the rest 13.
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QCOMPARE(f.foreground().color(), QColor(0, 128, 0));
            QCOMPARE(f.fontWeight(), int(QFont::Bold));
            QCOMPARE(f.fontPointSize(), b == doc->begin() ? 15.0 : 13.0);
        }
    about->show();
    // A click in the text leaves no caret there.
    QWidget *text = controlsOf(about).aboutText()->viewport();
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(about->focusWidget(), controlsOf(about).closeButton());
    // The links: the pointing hand while over them, and the desktop's open action.
    for (QWidget *link : std::initializer_list<QWidget *>{controlsOf(about).websiteLink(), controlsOf(about).emailLink()}) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(about->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(about->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(n.h.desktop.opened, (QList<QUrl>{QUrl(weblinks::WebsiteUrl),
                                             QUrl("mailto:" + weblinks::EmailAddress + "?subject= Mnemora")}));
    QCOMPARE(controlsOf(about).emailLink()->text(), weblinks::EmailAddress);
    about->close();
}

void TestAuxWindows::failedOpenIsReported()
{
    DataFolder data;
    NoBrowserDesktop desktop;
    Program p;
    desktop.expect("Cannot open \"" + weblinks::WebsiteUrl + "\". No program.");
    desktop.expect("Cannot open \"" + weblinks::OnlineHelpUrl + "\". No program.");
    p.windows.about->show();
    QTest::mouseClick(controlsOf(p.windows.about).websiteLink(), Qt::LeftButton);
    p.windows.help->show();
    QTest::mouseClick(controlsOf(p.windows.help).onlineHelpButton(), Qt::LeftButton);
    QVERIFY2(desktop.problems().isEmpty(), qPrintable(desktop.problems().join('\n')));
}

void TestAuxWindows::keyboardMapOpensClosesAndStretches()
{
    Numbers n;
    KeyboardMapWindow *map = n.h.program->windows.keyboardMap;
    QLabel *image = controlsOf(map).picture();
    QCOMPARE(image->pixmap().size(), QSize(KeyboardMapWidth, KeyboardMapHeight));
    QCOMPARE(image->toolTip(), QStringLiteral("Esc to quit"));
    n.h.press(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(map->isVisible() && !map->isModal());
    QCOMPARE(map->size(), QSize(600, 600));
    // The main window still takes work while it is open; opening it again moves nothing.
    QVERIFY(n.h.itemBox()->isEnabled());
    map->move(map->pos() + QPoint(37, 11));
    const QPoint where = map->pos();
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(3, 3), n.h.form().mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(&n.h.form(), &right);
    QCOMPARE(map->pos(), where);
    // Resized: the picture fills the window, proportions lost.
    map->resize(800, 300);
    QCOMPARE(image->geometry(), QRect(0, 0, 800, 300));
    QVERIFY(image->hasScaledContents());
    // F7 does nothing here, Esc closes.
    QTest::keyClick(map, Qt::Key_F7);
    QVERIFY(n.h.desktop.pickerTitles.isEmpty());
    QTest::keyClick(map, Qt::Key_Escape);
    QVERIFY(map->isHidden());
}

void TestAuxWindows::keyboardMapPictureHasEveryKey()
{
    const auto rows = keyboardMapRows();
    QCOMPARE(rows.size(), 8);
    QString keys;
    for (const auto &row : rows) {
        QVERIFY(row.size() <= 13);
        for (const KeyCell &c : row)
            keys += QLatin1Char(c.key);
    }
    // Every printable key of a US keyboard once.
    QCOMPARE(keys.size(), 94);
    for (char c = 33; c < 127; ++c)
        QVERIFY2(keys.contains(QLatin1Char(c)), std::string(1, c).c_str());
    // Each band holds ink in every cell that has a key (no blank rectangles).
    const QImage image = drawKeyboardMap();
    const qreal band = (KeyboardMapHeight - 6) / 8.0, column = (KeyboardMapWidth - 6) / 13.0;
    static const qreal indent[] = {0, 0, 0, 0, 0.5, 0.5, 1, 1};
    for (int b = 0; b < 8; ++b)
        for (int i = 0; i < rows[b].size(); ++i) {
            int dark = 0;
            const int x0 = int(3 + (i + indent[b]) * column) + 4, y0 = int(3 + b * band) + 30;
            for (int y = y0; y < int(3 + (b + 1) * band) - 4; ++y)
                for (int x = x0; x < x0 + int(column) - 8; ++x)
                    dark += qGray(image.pixel(x, y)) < 140;
            QVERIFY2(dark > 3, qPrintable(QStringLiteral("key %1").arg(QLatin1Char(rows[b][i].key))));
        }
}

void TestAuxWindows::keyboardMapReturnsCaretToItemBox()
{
    Numbers n;
    KeyboardMapWindow *map = n.h.program->windows.keyboardMap;
    QComboBox *item = n.h.itemBox();
    item->setFocus();
    QTest::keyClicks(item, "x");
    QTest::keyClick(item, Qt::Key_Home);
    QCOMPARE(n.h.form().lastEditBox(), EditBox::Item);
    n.h.press(Qt::Key_Y, Qt::ControlModifier);
    QApplication::setActiveWindow(map);
    QTest::keyClick(map, Qt::Key_Escape);
    QCOMPARE(n.h.form().focusWidget(), item);
    QCOMPARE(item->lineEdit()->cursorPosition(), QStringLiteral("unusx").size());
    QVERIFY(!item->lineEdit()->hasSelectedText());
    // The description box: the caret after what was selected, nothing selected.
    QTextEdit *descr = n.h.descriptionBox();
    descr->setFocus();
    QTest::keyClicks(descr, "uno");
    QCOMPARE(n.h.form().lastEditBox(), EditBox::Description);
    QTest::keyClick(descr, Qt::Key_Home, Qt::ShiftModifier);
    n.h.press(Qt::Key_Y, Qt::ControlModifier);
    map->close();
    QCOMPARE(n.h.form().focusWidget(), descr);
    QVERIFY(!descr->textCursor().hasSelection());
    QCOMPARE(descr->textCursor().position(), 3);
}

void TestAuxWindows::keyboardMapLeavesFocusWhenBoxDisabled()
{
    DataFolder data;
    Harness h; // no list open: the boxes are disabled
    QWidget *before = h.form().focusWidget();
    h.press(Qt::Key_Y, Qt::ControlModifier);
    h.program->windows.keyboardMap->close();
    QCOMPARE(h.form().focusWidget(), before);
}

// With MNEMORA_SCREENSHOTS set to a folder, the three windows are saved there as pictures.
void TestAuxWindows::titleBarButtonsAndBorder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<bool>("maximise");
    QTest::addColumn<bool>("resizable");
    QTest::newRow("main") << "main" << true << false << false;
    QTest::newRow("help") << "help" << false << false << false;
    QTest::newRow("about") << "about" << false << false << false;
    QTest::newRow("keyboard map") << "keyboard map" << false << false << true;
    QTest::newRow("quotations") << "quotations" << false << false << false;
    QTest::newRow("master list") << "master list" << false << false << false;
}

// Each window as shown: the close box always, a minimise box on the main window alone, a
// maximise box nowhere; the keyboard map alone has a border the user can drag.
void TestAuxWindows::titleBarButtonsAndBorder()
{
    QFETCH(QString, window);
    QFETCH(bool, minimise);
    QFETCH(bool, maximise);
    QFETCH(bool, resizable);
    Numbers n;
    const ProgramWindows &w = n.h.program->windows;
    const QMap<QString, QWidget *> windows{{"main", w.main},
                                            {"help", w.help},
                                            {"about", w.about},
                                            {"keyboard map", w.keyboardMap},
                                            {"quotations", w.quotations},
                                            {"master list", w.masterList}};
    QWidget *shown = windows.value(window);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const Qt::WindowFlags flags = shown->windowHandle()->flags();
    QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), true);
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimise);
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), maximise);
    QCOMPARE(shown->windowFlags(), flags);
    QCOMPARE(shown->minimumSize() != shown->maximumSize(), resizable);
    if (shown != w.main)
        shown->hide();
}

void TestAuxWindows::screenshots()
{
    const QString folder = qEnvironmentVariable("MNEMORA_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("MNEMORA_SCREENSHOTS not set");
    Numbers n;
    ProgramWindows &w = n.h.program->windows;
    for (auto [window, name] : {std::pair<QWidget *, const char *>{w.help, "help.png"}, {w.about, "about.png"},
                                {w.keyboardMap, "keyboard-map.png"}}) {
        window->show();
        QVERIFY(window->grab().save(folder + '/' + name));
        window->hide();
    }
}

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
