#include "auxwindows/tfrmhelp.h"

TFrmHelp::TFrmHelp(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("Help"), QSize(480, 520))
{
    setObjectName(QStringLiteral("TFrmHelp"));
}
