#include "platform/secondarywindow.h"

SecondaryWindow::SecondaryWindow(QWidget *mainWindow, const QString &caption, QSize clientSize)
    : QDialog(mainWindow)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    hide();
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
    centreOver(owner);
    setModal(false);
    show();
    raise();
    activateWindow();
}
