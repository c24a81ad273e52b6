#pragma once
#include "platform/secondarywindow.h"

#include <memory>

namespace Ui { class TFrmSPIonic; }

class TFrmSPIonic : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmSPIonic(QWidget *mainWindow);
    ~TFrmSPIonic() override;

private:
    std::unique_ptr<Ui::TFrmSPIonic> ui;
};
