#pragma once
#include "platform/secondarywindow.h"

class TFrmMaster : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmMaster(QWidget *mainWindow);
};
