#pragma once
// A secondary window of the program: created once at start, hidden until opened, hidden again when
// closed (never destroyed), centred over the main window each time it is shown, closed by Esc.
#include <QDialog>

class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    SecondaryWindow(QWidget *mainWindow, const QString &caption, QSize clientSize);

    // Modal: returns when the window has been closed.
    void showModalOver(QWidget *owner);
    // Not modal: stays in front of its owner.
    void showModelessOver(QWidget *owner);

protected:
    void centreOver(QWidget *owner);
};
