#pragma once
// The Help window: a card of keyboard shortcuts, with buttons for the online help page, the About
// window and closing. Modal over the main window.
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"

#include <memory>

namespace Ui { class TFrmHelp; }

class TFrmHelp : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget *mainWindow);
    ~TFrmHelp() override;

    Ui::TFrmHelp *form() const { return ui.get(); }

signals:
    // "About": the program collapses the notes selection and shows the About window.
    void aboutRequested();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void BtnOnlineHelpClick();
    void colourKey() override;

    std::unique_ptr<Ui::TFrmHelp> ui;
    std::unique_ptr<WindowColour> m_colour;
};
