#include "auxwindows/tfrmhelp.h"

#include "ui_tfrmhelp.h"

TFrmHelp::TFrmHelp(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("Help"), QSize(480, 520)), ui(std::make_unique<Ui::TFrmHelp>())
{
    ui->setupUi(this);
}

TFrmHelp::~TFrmHelp() = default;
