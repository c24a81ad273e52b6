#pragma once
// The About window: welcome text, build date, the web site and e-mail links and two pictures.
// Opened modally from the Help window only; its text is built once, when it is created.
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"

#include <memory>

namespace Ui { class AboutWindow; }

class AboutWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // buildDate: the main window's build date ("24 Jan 2021").
    AboutWindow(QWidget *mainWindow, const QString &buildDate);
    ~AboutWindow() override;

    Ui::AboutWindow *form() const { return ui.get(); }

signals:
    // The window has closed: the main window gives the focus back to the box last edited.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUp(const QString &buildDate);
    void buildAboutText();
    void openWebsite();
    void writeEmail();
    void colourKey() override;
    void returnFocus() override { emit closed(); }

    std::unique_ptr<Ui::AboutWindow> ui;
    std::unique_ptr<WindowColour> m_colour;
};
