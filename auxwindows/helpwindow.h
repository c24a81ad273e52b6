#pragma once
// The Help window: a card of keyboard shortcuts, with buttons for the online help page, the About
// window and closing. Modal over the main window.
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"

#include <memory>

namespace Ui { class HelpWindow; }

class HelpWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *mainWindow);
    ~HelpWindow() override;

    Ui::HelpWindow *form() const { return ui.get(); }

signals:
    // "About": the program collapses the notes selection and shows the About window.
    void aboutRequested();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void loadColour();
    void focusCloseButton();
    void openOnlineHelp();
    void colourKey() override;

    std::unique_ptr<Ui::HelpWindow> ui;
    std::unique_ptr<WindowColour> m_colour;
};
