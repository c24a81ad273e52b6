#pragma once
// A secondary window of the program: created once at start, hidden until opened, hidden again when
// closed (never destroyed), centred over the main window each time it is shown, closed by Esc from
// any of its controls. Each window fills the hooks it needs: the colour key F7, the keys it
// previews before its controls, and where the focus goes back to when it closes.
#include <QDialog>

class QKeyEvent;

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
    // A window the user may resize (the keyboard map) calls this after its form is set up.
    void setResizable(QSize minimum);

    // F7: the window's own colour. Nothing by default.
    virtual void colourKey() {}
    // Every other key, before the focused control sees it; true swallows the key.
    virtual bool previewKey(QWidget *receiver, QKeyEvent *event);
    // After the window has closed: where the focus goes back to. Nothing by default.
    virtual void returnFocus() {}

    void done(int result) override;

private:
    bool previewWindowKey(QWidget *receiver, QKeyEvent *event);
};
