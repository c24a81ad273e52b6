#pragma once
#include "platform/secondarywindow.h"

#include <memory>

namespace Ui { class TFrmHelp; }

class TFrmHelp : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget *mainWindow);
    ~TFrmHelp() override;

private:
    std::unique_ptr<Ui::TFrmHelp> ui;
};
