#pragma once
#include "platform/secondarywindow.h"

#include <memory>

namespace Ui { class TFrmTools; }

class TFrmTools : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmTools(QWidget *mainWindow);
    ~TFrmTools() override;

private:
    std::unique_ptr<Ui::TFrmTools> ui;
};
