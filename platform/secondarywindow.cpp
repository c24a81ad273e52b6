#include "platform/secondarywindow.h"

#include "platform/guard.h"
#include "platform/keypreview.h"

#include <QKeyEvent>

SecondaryWindow::SecondaryWindow(QWidget *mainWindow, const QString &caption, QSize clientSize)
    : QDialog(mainWindow)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    new KeyPreview(this, [this](QWidget *receiver, QKeyEvent *event) { return previewWindowKey(receiver, event); });
    hide();
}

bool SecondaryWindow::previewWindowKey(QWidget *receiver, QKeyEvent *event)
{
    bool swallow = false;
    guarded([&] {
        // The colour key whatever modifier keys are held.
        if (event->key() == Qt::Key_F7)
            colourKey();
        swallow = previewKey(receiver, event);
    });
    if (!swallow && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return true;
    }
    return swallow;
}

bool SecondaryWindow::previewKey(QWidget *, QKeyEvent *) { return false; }

void SecondaryWindow::setResizable(QSize minimum)
{
    setMinimumSize(minimum);
    // Only the border is resizable: the title bar keeps the close box alone, no maximise box.
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void SecondaryWindow::done(int result)
{
    QDialog::done(result);
    guarded([this] { returnFocus(); });
}

void SecondaryWindow::centreOver(QWidget *owner)
{
    if (!owner)
        return;
    const QRect r = owner->frameGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
}

void SecondaryWindow::showModalOver(QWidget *owner)
{
    centreOver(owner);
    exec();
}

void SecondaryWindow::showModelessOver(QWidget *owner)
{
    // Opened again while open: only brought to the front, where the user left it.
    if (!isVisible())
        centreOver(owner);
    setModal(false);
    show();
    raise();
    activateWindow();
}
