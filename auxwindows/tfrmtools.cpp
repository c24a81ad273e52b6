#include "auxwindows/tfrmtools.h"

TFrmTools::TFrmTools(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("About"), QSize(480, 400))
{
    setObjectName(QStringLiteral("TFrmTools"));
}
