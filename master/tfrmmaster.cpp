#include "master/tfrmmaster.h"

TFrmMaster::TFrmMaster(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("Master List"), QSize(613, 640))
{
    setObjectName(QStringLiteral("TFrmMaster"));
}
