#pragma once
#include "platform/secondarywindow.h"

class TFrmTools : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmTools(QWidget *mainWindow);
};
