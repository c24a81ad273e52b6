#include "auxwindows/tfrmspionic.h"

TFrmSPIonic::TFrmSPIonic(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("SPIonic Keyboard Mapping"), QSize(700, 300))
{
    setObjectName(QStringLiteral("TFrmSPIonic"));
}
