// The main window's wiring: Qt signals and events to the handlers, the window-level keys and Esc.
#include "mainwindow/tform1.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemediting.h"
#include "mainwindow/listmanagement.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/noteseditor.h"
#include "mainwindow/selftest.h"
#include "platform/windowcolour.h"
#include "platform/guard.h"
#include "platform/layoutstyle.h"
#include "ui_tform1.h"

#include <QKeyEvent>

void TForm1::connectHandlers()
{
    connectGuarded(ui->BtnClose, &QPushButton::clicked, this, &TForm1::BtnCloseClick);
    connectGuarded(ui->PnlTop1, &PanelLabel::clicked, this, &TForm1::ToggleStayOnTop);
    connectGuarded(ui->PnlTop2, &PanelLabel::clicked, this, &TForm1::ToggleStayOnTop);
    connect(ui->ImgHelp, &ClickLabel::clicked, this, [this] {
        collapseNotesSelection();
        emit helpRequested();
    });
    connect(ui->ImgHelp, &ClickLabel::mouseEntered, this, [this] { setCursor(Qt::PointingHandCursor); });
    connect(ui->ImgHelp, &ClickLabel::mouseLeft, this, [this] { unsetCursor(); });
    connect(ui->ImgBackground, &ClickLabel::clicked, this, &TForm1::quotationsRequested);
    // Every change of the notes is unsaved work (loading and emptying them block this signal).
    connectGuarded(ui->RedTranslation, &QTextEdit::textChanged, m_context->area, &ItemArea::MarkListModified);
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
    const MainMode &mode = m_context->mode;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Escape)
        EscapeKey();
    if (key == Qt::Key_F1) {
        collapseNotesSelection();
        emit helpRequested();
    }
    if (key == Qt::Key_F7 && m_fontAvailable && !mode.updateMode)
        ChangeWindowColour(PickerPurpose::MainWindow);
    if (key == Qt::Key_F10 && mode.selfTest())
        ChangeWindowColour(PickerPurpose::SelfTestPanel);
    if (ctrl && key == Qt::Key_Q)
        emit quotationsRequested();
    if (ctrl && key == Qt::Key_Y)
        emit keyboardMapRequested();
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
    if (receiver == ui->CmbWork || receiver == ui->BtnChangeList || receiver == ui->RadioGreek
        || receiver == ui->RadioLatin)
        return m_context->lists->CmbWorkKeyDown(receiver, event);
    if (receiver == ui->Cmb_Item)
        return m_context->editing->Cmb_ItemKeyDown(event);
    if (receiver == ui->RichDescr)
        return m_context->editing->RichDescrKeyDown(event);
    if (receiver == ui->EdtSearch)
        return m_context->search->EdtSearchKeyDown(event);
    if (receiver == ui->RedTranslation)
        return m_context->notes->RedTranslationKeyDown(event);
    if (receiver == ui->CmbFont)
        return m_context->notes->CmbFontKeyDown(event);
    return false;
}

bool TForm1::controlKeyPress(QWidget *receiver, QKeyEvent *event)
{
    if (receiver == ui->Cmb_Item)
        return m_context->editing->Cmb_ItemKeyPress(event);
    if (receiver == ui->RichDescr)
        return m_context->editing->RichDescrKeyPress(event);
    if (receiver == ui->EdtSearch)
        return m_context->search->EdtSearchKeyPress(event);
    if (receiver == ui->RedTranslation)
        return m_context->notes->RedTranslationKeyPress(event);
    return false;
}

void TForm1::ButtonEscKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && ui->PnlHideBottomHalf->isHidden())
        EscapeKey();
}

void TForm1::EscapeKey()
{
    MainContext &c = *m_context;
    if (c.mode.selfTest()) {
        // Reveal the answer; the focus is given once the item area is back.
        c.test->RevealTestAnswer();
        if (ui->Cmb_Item->isEnabled())
            ui->Cmb_Item->setFocus();
        return;
    }
    if (!c.mode.listOpen())
        return;
    if (c.mode.listSearch()) {
        c.search->EndListSearch();
        return;
    }
    c.area->clearSearchBox();
    ui->Cmb_Item->setFocus();
}

void TForm1::ChangeWindowColour(PickerPurpose purpose)
{
    (purpose == PickerPurpose::MainWindow ? m_mainColour : m_panelColour)->ChangeWindowColour(this);
}
