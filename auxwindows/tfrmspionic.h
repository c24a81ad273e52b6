#pragma once
#include "platform/secondarywindow.h"

class TFrmSPIonic : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmSPIonic(QWidget *mainWindow);
};
