#include "app/program.h"

#include "auxwindows/helpwindow.h"
#include "auxwindows/keyboardmapwindow.h"
#include "auxwindows/aboutwindow.h"
#include "mainwindow/mainwindow.h"
#include "master/masterlistwindow.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "quotes/quotationswindow.h"

#include <QGuiApplication>
#include <QScreen>

Program::Program()
{
    installFontSubstitutes();
    m_main = std::make_unique<MainWindow>();
    windows.main = m_main.get();
    // The secondary windows are owned by the main window: hidden until opened, never destroyed.
    windows.about = new AboutWindow(m_main.get(), m_main->buildDate());
    windows.quotations = new QuotationsWindow(m_main.get());
    windows.masterList = new MasterListWindow(m_main.get());
    windows.help = new HelpWindow(m_main.get());
    windows.keyboardMap = new KeyboardMapWindow(m_main.get());
    connectWindows();
}

Program::~Program() = default;

void Program::connectWindows()
{
    MainWindow *main = m_main.get();
    const ProgramWindows w = windows;
    QObject::connect(main, &MainWindow::quotationsRequested, main, [main, w] {
        guarded([&] { w.quotations->showModalOver(main); });
    });
    QObject::connect(main, &MainWindow::helpRequested, main, [main, w] {
        guarded([&] { w.help->showModalOver(main); });
    });
    QObject::connect(main, &MainWindow::keyboardMapRequested, main, [main, w] {
        guarded([&] { w.keyboardMap->showModelessOver(main); });
    });
    QObject::connect(main, &MainWindow::masterListRequested, main,
                     [main, w](const QString &language, const QString &headword, const QString &searchText) {
                         guarded([&] { w.masterList->openAndWait(main, MasterOpening{language, headword, searchText}); });
                     });
    QObject::connect(w.masterList, &MasterListWindow::closed, main, &MainWindow::restoreEditFocus);
    QObject::connect(w.masterList, &MasterListWindow::helpRequested, main, [main, w] {
        guarded([&] { w.help->showModalOver(main); });
    });
    QObject::connect(w.help, &HelpWindow::aboutRequested, main, [main, w] {
        guarded([&] {
            main->collapseNotesSelection();
            w.about->showModalOver(main);
        });
    });
    QObject::connect(w.about, &AboutWindow::closed, main, &MainWindow::restoreEditFocus);
    QObject::connect(w.keyboardMap, &KeyboardMapWindow::closed, main, &MainWindow::restoreEditFocusPlacingCaret);
    // The Master List's random-word panel has the main window's self-test colour.
    w.masterList->setTestPanelColour(main->selfTestColour());
    QObject::connect(main, &MainWindow::selfTestColourChanged, w.masterList, &MasterListWindow::setTestPanelColour);
}

void Program::show()
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        m_main->move(area.center() - QPoint(m_main->width() / 2, m_main->height() / 2));
    }
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
}
