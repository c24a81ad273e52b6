#include "auxwindows/keyboardmapwindow.h"

#include "auxwindows/keyboardmappicture.h"
#include "platform/layoutstyle.h"
#include "ui_keyboardmapwindow.h"

KeyboardMapWindow::KeyboardMapWindow(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("SPIonic Keyboard Mapping"), QSize(600, 600)),
      ui(std::make_unique<Ui::KeyboardMapWindow>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    resize(600, 600);
    setResizable(QSize(150, 150)); // the picture stretches with the window
    ui->Image1->setPixmap(QPixmap::fromImage(drawKeyboardMap()));
}

KeyboardMapWindow::~KeyboardMapWindow() = default;

// The picture fills the window, its proportions following the window's.
void KeyboardMapWindow::resizeEvent(QResizeEvent *event)
{
    SecondaryWindow::resizeEvent(event);
    ui->Image1->setGeometry(rect());
}
