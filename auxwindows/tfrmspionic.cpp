#include "auxwindows/tfrmspionic.h"

#include "auxwindows/keyboardmap.h"
#include "platform/layoutstyle.h"
#include "ui_tfrmspionic.h"

TFrmSPIonic::TFrmSPIonic(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("SPIonic Keyboard Mapping"), QSize(600, 600)),
      ui(std::make_unique<Ui::TFrmSPIonic>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    resize(600, 600);
    setResizable(QSize(150, 150)); // the picture stretches with the window
    ui->Image1->setPixmap(QPixmap::fromImage(drawKeyboardMap()));
}

TFrmSPIonic::~TFrmSPIonic() = default;

// The picture fills the window, its proportions following the window's.
void TFrmSPIonic::resizeEvent(QResizeEvent *event)
{
    SecondaryWindow::resizeEvent(event);
    ui->Image1->setGeometry(rect());
}
