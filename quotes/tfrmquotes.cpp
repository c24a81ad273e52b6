#include "quotes/tfrmquotes.h"

TFrmQuotes::TFrmQuotes(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("Quotations and Sayings"), QSize(640, 420))
{
    setObjectName(QStringLiteral("TFrmQuotes"));
}
