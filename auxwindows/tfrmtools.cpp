#include "auxwindows/tfrmtools.h"

#include "ui_tfrmtools.h"

TFrmTools::TFrmTools(QWidget *mainWindow) : SecondaryWindow(mainWindow, QStringLiteral("About"), QSize(480, 400)), ui(std::make_unique<Ui::TFrmTools>())
{
    ui->setupUi(this);
}

TFrmTools::~TFrmTools() = default;
