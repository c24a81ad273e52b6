#pragma once
#include "platform/secondarywindow.h"

class TFrmQuotes : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmQuotes(QWidget *mainWindow);
};
