// The main window's wiring: Qt signals and events to the handlers, the window-level keys and Esc.
#include "app/tform1.h"

#include "platform/colourfile.h"
#include "platform/guard.h"
#include "platform/layoutstyle.h"
#include "ui_tform1.h"

#include <QKeyEvent>

void TForm1::connectHandlers()
{
    auto on = [this](auto *sender, auto signal, void (TForm1::*handler)()) { connectGuarded(sender, signal, handler); };
    on(ui->BtnClose, &QPushButton::clicked, &TForm1::BtnCloseClick);
    on(ui->BtnSave, &QPushButton::clicked, &TForm1::BtnSaveClick);
    on(ui->PnlTop1, &PanelLabel::clicked, &TForm1::PnlTop1Click);
    on(ui->PnlTop2, &PanelLabel::clicked, &TForm1::PnlTop2Click);
    on(ui->ImgHelp, &ClickLabel::clicked, &TForm1::ImgHelpClick);
    on(ui->ImgHelp, &ClickLabel::mouseEntered, &TForm1::ImgHelpMouseEnter);
    on(ui->ImgHelp, &ClickLabel::mouseLeft, &TForm1::ImgHelpMouseLeave);
    on(ui->ImgBackground, &ClickLabel::clicked, &TForm1::ImgBackgroundClick);
    on(ui->CmbWork, &DropDownCombo::dropDown, &TForm1::CmbWorkDropDown);
    on(ui->CmbWork, &DropDownCombo::closeUp, &TForm1::CmbWorkCloseUp);
    on(ui->CmbWork, &QComboBox::activated, &TForm1::CmbWorkClick);
    on(&Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
    connectItemHandlers();
    connectSearchAndTestHandlers();
}

void TForm1::runGuarded(void (TForm1::*handler)())
{
    guarded([this, handler] { (this->*handler)(); });
}

bool TForm1::previewKey(QWidget *receiver, QKeyEvent *event)
{
    bool swallow = false;
    guarded([&] { FormKeyDown(event); });
    guarded([&] { swallow = controlKeyDown(receiver, event); });
    if (!swallow && !event->text().isEmpty())
        guarded([&] { swallow = controlKeyPress(receiver, event); });
    return swallow;
}

void TForm1::FormKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Escape)
        EscapeKey();
    if (key == Qt::Key_F1) {
        collapseNotesSelection();
        openHelp();
    }
    if (key == Qt::Key_F7 && FontAvailable && ui->BtnChangeList->text() == QLatin1String("Change"))
        ChangeWindowColour(PickerPurpose::MainWindow);
    if (key == Qt::Key_F10 && ui->Panel->isVisible())
        ChangeWindowColour(PickerPurpose::SelfTestPanel);
    if (ctrl && key == Qt::Key_Q)
        openQuotations();
    if (ctrl && key == Qt::Key_Y)
        openKeyboardMap();
    if (ctrl && key == Qt::Key_I && ui->Cmb_Item->isEnabled() && ui->BtnIns->isEnabled())
        ui->BtnIns->click();
    if (ctrl && key == Qt::Key_M && ui->BtnMaster->isEnabled())
        ui->BtnMaster->click();
}

bool TForm1::controlKeyDown(QWidget *receiver, QKeyEvent *event)
{
    const QWidget *escButtons[] = {ui->ChkWholeWOrd, ui->BtnSave, ui->BtnIns, ui->BtnMaster, ui->BtnDel,
                                   ui->BtnLeft, ui->BtnNextTranslation, ui->BtnRight, ui->BtnSelfTest,
                                   ui->BtnSwopDown, ui->BtnSwopUp, ui->Btn_Search};
    for (const QWidget *b : escButtons)
        if (receiver == b) {
            ButtonEscKeyDown(event);
            return false;
        }
    if (receiver == ui->Cmb_Item)
        return Cmb_ItemKeyDown(event);
    if (receiver == ui->RichDescr)
        return RichDescrKeyDown(event);
    return searchAndTestKeyDown(receiver, event);
}

bool TForm1::controlKeyPress(QWidget *receiver, QKeyEvent *event)
{
    if (receiver == ui->Cmb_Item)
        return Cmb_ItemKeyPress(event);
    if (receiver == ui->RichDescr)
        return RichDescrKeyPress(event);
    return searchAndTestKeyPress(receiver, event);
}

void TForm1::ButtonEscKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && ui->PnlHideBottomHalf->isHidden())
        EscapeKey();
}

void TForm1::EscapeKey()
{
    if (!ui->Cmb_Item->isEnabled() && ui->Panel->isHidden())
        return;
    if (ui->Cmb_Item->isEnabled() && ui->Btn_Search->text() == QLatin1String("Search") && ui->Panel->isHidden()) {
        if (ui->EdtSearch->text() != QLatin1String("Enter search text"))
            ui->EdtSearch->clear();
        ui->Cmb_Item->setFocus();
        return;
    }
    if (ui->Btn_Search->text() == QLatin1String("End Search")) {
        ui->Btn_Search->click();
        return;
    }
    // A self test is shown: reveal its answer, the focus given once the item area is back.
    RevealTestAnswer();
    if (ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
}

void TForm1::ChangeWindowColour(PickerPurpose purpose)
{
    const bool main = purpose == PickerPurpose::MainWindow;
    // One picker serves both settings; it starts on the colour last chosen in it, black at first.
    const auto chosen = desktop().pickColour(this, m_lastPickedColour,
                                             main ? QStringLiteral("Set Colour: Main Window")
                                                  : QStringLiteral("Set Colour: Self Test Panel"));
    if (!chosen)
        return;
    m_lastPickedColour = *chosen;
    const ColourValue colour = fromQColor(*chosen);
    if (main) {
        setBackgroundColour(this, colour);
        setBackgroundColour(ui->PnlItemNo, colour);
        writeColourFile(QStringLiteral("MainFormColor.ini"), colour);
    } else {
        setBackgroundColour(ui->Panel, colour);
        emit selfTestColourChanged(colour);
        writeColourFile(QStringLiteral("SelfTestPanelColor.ini"), colour);
    }
}
