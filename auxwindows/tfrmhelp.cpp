#include "auxwindows/tfrmhelp.h"

#include "auxwindows/weblinks.h"
#include "platform/desktop.h"
#include "platform/guard.h"
#include "platform/layoutstyle.h"
#include "ui_tfrmhelp.h"

#include <QUrl>

TFrmHelp::TFrmHelp(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("Help"), QSize(582, 517)), ui(std::make_unique<Ui::TFrmHelp>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    setFixedSize(582, 517);
    ui->BtnOnlineHelp->setToolTip(weblinks::OnlineHelpUrl);
    connect(ui->BtnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->BtnAbout, &QPushButton::clicked, this, &TFrmHelp::aboutRequested);
    connectGuarded(ui->BtnOnlineHelp, &QPushButton::clicked, this, &TFrmHelp::BtnOnlineHelpClick);
    m_colour = std::make_unique<WindowColour>(QStringLiteral("HelpFormColor.ini"), QStringLiteral("Set Colour: Help"),
                                              QList<QWidget *>{this});
    guarded([this] { FormCreate(); });
}

TFrmHelp::~TFrmHelp() = default;

void TFrmHelp::FormCreate() { m_colour->LoadWindowColour(); }

// Every activation, the return from the About window too, puts the focus on "Close".
void TFrmHelp::FormActivate() { ui->BtnClose->setFocus(); }

bool TFrmHelp::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return SecondaryWindow::event(event);
}

void TFrmHelp::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    FormActivate();
}

void TFrmHelp::BtnOnlineHelpClick() { desktop().openUrl(QUrl(weblinks::OnlineHelpUrl)); }

void TFrmHelp::colourKey() { m_colour->ChangeWindowColour(this); }
