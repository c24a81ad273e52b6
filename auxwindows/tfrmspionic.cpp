#include "auxwindows/tfrmspionic.h"

#include "ui_tfrmspionic.h"

TFrmSPIonic::TFrmSPIonic(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("SPIonic Keyboard Mapping"), QSize(700, 300)), ui(std::make_unique<Ui::TFrmSPIonic>())
{
    ui->setupUi(this);
    setResizable(QSize(350, 150)); // the keyboard picture stretches with the window
}

TFrmSPIonic::~TFrmSPIonic() = default;
