#include "app/program.h"

#include "auxwindows/tfrmhelp.h"
#include "auxwindows/tfrmspionic.h"
#include "auxwindows/tfrmtools.h"
#include "mainwindow/mainwindow.h"
#include "master/tfrmmaster.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "quotes/tfrmquotes.h"

#include <QGuiApplication>
#include <QScreen>

Program::Program()
{
    installFontSubstitutes();
    m_main = std::make_unique<MainWindow>();
    windows.main = m_main.get();
    // The secondary windows are owned by the main window: hidden until opened, never destroyed.
    windows.FrmTools = new TFrmTools(m_main.get(), m_main->buildDate());
    windows.FrmQuotes = new TFrmQuotes(m_main.get());
    windows.FrmMaster = new TFrmMaster(m_main.get());
    windows.FrmHelp = new TFrmHelp(m_main.get());
    windows.FrmSPIonic = new TFrmSPIonic(m_main.get());
    connectWindows();
}

Program::~Program() = default;

void Program::connectWindows()
{
    MainWindow *main = m_main.get();
    const ProgramWindows w = windows;
    QObject::connect(main, &MainWindow::quotationsRequested, main, [main, w] {
        guarded([&] { w.FrmQuotes->showModalOver(main); });
    });
    QObject::connect(main, &MainWindow::helpRequested, main, [main, w] {
        guarded([&] { w.FrmHelp->showModalOver(main); });
    });
    QObject::connect(main, &MainWindow::keyboardMapRequested, main, [main, w] {
        guarded([&] { w.FrmSPIonic->showModelessOver(main); });
    });
    QObject::connect(main, &MainWindow::masterListRequested, main,
                     [main, w](const QString &language, const QString &headword, const QString &searchText) {
                         guarded([&] { w.FrmMaster->OpenMasterList(main, MasterOpening{language, headword, searchText}); });
                     });
    QObject::connect(w.FrmMaster, &TFrmMaster::closed, main, &MainWindow::restoreEditFocus);
    QObject::connect(w.FrmMaster, &TFrmMaster::helpRequested, main, [main, w] {
        guarded([&] { w.FrmHelp->showModalOver(main); });
    });
    QObject::connect(w.FrmHelp, &TFrmHelp::aboutRequested, main, [main, w] {
        guarded([&] {
            main->collapseNotesSelection();
            w.FrmTools->showModalOver(main);
        });
    });
    QObject::connect(w.FrmTools, &TFrmTools::closed, main, &MainWindow::restoreEditFocus);
    QObject::connect(w.FrmSPIonic, &TFrmSPIonic::closed, main, &MainWindow::restoreEditFocusPlacingCaret);
    // The Master List's random-word panel has the main window's self-test colour.
    w.FrmMaster->setTestPanelColour(main->selfTestColour());
    QObject::connect(main, &MainWindow::selfTestColourChanged, w.FrmMaster, &TFrmMaster::setTestPanelColour);
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
