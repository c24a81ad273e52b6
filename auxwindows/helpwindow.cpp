#include "auxwindows/helpwindow.h"

#include "auxwindows/weblinks.h"
#include "platform/desktop.h"
#include "platform/guard.h"
#include "platform/layoutstyle.h"
#include "ui_helpwindow.h"

#include <QUrl>

HelpWindow::HelpWindow(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("Help"), QSize(582, 517)), ui(std::make_unique<Ui::HelpWindow>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    setFixedSize(582, 517);
    ui->BtnOnlineHelp->setToolTip(weblinks::OnlineHelpUrl);
    connect(ui->BtnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->BtnAbout, &QPushButton::clicked, this, &HelpWindow::aboutRequested);
    connectGuarded(ui->BtnOnlineHelp, &QPushButton::clicked, this, &HelpWindow::openOnlineHelp);
    m_colour = std::make_unique<WindowColour>(QStringLiteral("HelpFormColor.ini"), QStringLiteral("Set Colour: Help"),
                                              QList<QWidget *>{this});
    guarded([this] { loadColour(); });
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::loadColour() { m_colour->LoadWindowColour(); }

// Every activation, the return from the About window too, puts the focus on "Close".
void HelpWindow::focusCloseButton() { ui->BtnClose->setFocus(); }

bool HelpWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        focusCloseButton();
    return SecondaryWindow::event(event);
}

void HelpWindow::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    focusCloseButton();
}

void HelpWindow::openOnlineHelp() { desktop().openUrl(QUrl(weblinks::OnlineHelpUrl)); }

void HelpWindow::colourKey() { m_colour->ChangeWindowColour(this); }
