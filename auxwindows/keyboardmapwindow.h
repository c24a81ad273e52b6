#pragma once
// The SPIonic keyboard map: one picture of which key types which Greek letter or mark, stretched
// with the window. Not modal: it stays beside the main window while the user types.
#include "platform/secondarywindow.h"

#include <memory>

namespace Ui { class KeyboardMapWindow; }

class KeyboardMapWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit KeyboardMapWindow(QWidget *mainWindow);
    ~KeyboardMapWindow() override;

    Ui::KeyboardMapWindow *form() const { return ui.get(); }

signals:
    // The window has closed: the main window gives the focus back to the box last edited and
    // places the caret.
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void returnFocus() override { emit closed(); }

    std::unique_ptr<Ui::KeyboardMapWindow> ui;
};
