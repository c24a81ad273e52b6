#pragma once
#include "platform/secondarywindow.h"

class TFrmHelp : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget *mainWindow);
};
