#include "mainwindow/controlview.h"

#include "mainwindow/controlstate.h"
#include "ui_mainwindow.h"

namespace {
constexpr int NormalNotesHeight = 282;
constexpr int EnlargedNotesHeight = 570;
constexpr int NormalExpandTop = 375;
constexpr int EnlargedExpandTop = 663;
constexpr int BannerHeight = 281;

void show(QWidget *widget, const Look &look)
{
    if (widget->isEnabled() != look.enabled)
        widget->setEnabled(look.enabled);
    if (widget->isHidden() == look.visible)
        widget->setVisible(look.visible);
}

void show(std::initializer_list<QWidget *> widgets, const Look &look)
{
    for (QWidget *widget : widgets)
        show(widget, look);
}

void setEditable(QComboBox *box, bool editable)
{
    if (box->isEditable() != editable)
        box->setEditable(editable);
}
} // namespace

void applyControlState(Ui::MainWindow &ui, const ControlState &s)
{
    show(ui.CmbWork, s.listSelector);
    setEditable(ui.CmbWork, s.listSelectorEditable);
    show(ui.BtnChangeList, s.changeListButton);
    ui.BtnChangeList->setText(s.changeListCaption);
    show(ui.RadioGreek, s.greekButton);
    show(ui.RadioLatin, s.latinButton);
    show(ui.PnlLanguage, s.languagePanel);
    ui.PnlHideBottomHalf->setText(s.bannerText);
    if (s.updateBanner.visible && ui.PnlHideBottomHalf->isHidden()) {
        ui.PnlHideBottomHalf->resize(ui.PnlHideBottomHalf->width(), BannerHeight);
        ui.PnlHideBottomHalf->raise();
    }
    show(ui.PnlHideBottomHalf, s.updateBanner);
    if (!s.updateBanner.visible)
        ui.ShpUpdate->hide(); // it blinks while update mode lasts

    show(ui.Heading, s.heading);
    setEditable(ui.Cmb_Item, s.itemBoxEditable);
    show(ui.Cmb_Item, s.itemBox);
    show(ui.RichDescr, s.descriptionBox);
    ui.RichDescr->setReadOnly(s.descriptionReadOnly);
    const Qt::FocusPolicy tab = s.itemAreaTabbable ? Qt::StrongFocus : Qt::ClickFocus;
    ui.Cmb_Item->setFocusPolicy(tab);
    ui.RichDescr->setFocusPolicy(tab);
    show(ui.BtnRichdescrFontIncrease, s.descriptionBigger);
    show(ui.BtnRichdescrFontDecrease, s.descriptionSmaller);
    show(ui.PnlItemNo, s.itemCounter);
    ui.Cmb_Item->resize(s.itemBoxWidth, ui.Cmb_Item->height());
    ui.RichDescr->resize(s.descriptionWidth, ui.RichDescr->height());

    show(ui.BtnIns, s.addButton);
    show(ui.BtnDel, s.removeButton);
    show(ui.BtnSave, s.saveButton);
    show(ui.BtnSwopUp, s.upButton);
    show(ui.BtnSwopDown, s.downButton);
    show(ui.BtnMaster, s.masterButton);
    show(ui.BtnSelfTest, s.selfTestButton);
    if (s.testPanel.visible && ui.Panel->isHidden())
        ui.Panel->raise();
    show(ui.Panel, s.testPanel);
    show(ui.BtnClose, s.closeButton);

    show(ui.PnlSearch, s.searchPanel);
    show(ui.EdtSearch, s.searchBox);
    show(ui.Btn_Search, s.searchButton);
    ui.Btn_Search->setText(s.searchCaption);
    show(ui.ChkWhole, s.wholeWordBox);
    ui.PnlSearch->resize(s.searchPanelWidth, ui.PnlSearch->height());
    show(ui.LblSearchString, s.hitCounter);
    show(ui.BtnLeft, s.previousHit);
    show(ui.BtnRight, s.nextHit);
    show(ui.ChkWholeWOrd, s.notesWholeWordBox);
    show(ui.BtnNextTranslation, s.notesNext);

    show(ui.RedTranslation, s.notesBox);
    ui.RedTranslation->setReadOnly(s.notesReadOnly);
    show(ui.LblTranslation, s.notesLabel);
    show(ui.BtnExpandReduce, s.expandNotes);
    ui.RedTranslation->resize(ui.RedTranslation->width(), s.notesEnlarged ? EnlargedNotesHeight : NormalNotesHeight);
    ui.BtnExpandReduce->move(ui.BtnExpandReduce->x(), s.notesEnlarged ? EnlargedExpandTop : NormalExpandTop);
    if (s.notesEnlarged) {
        // Over the item area, with its button on top.
        ui.RedTranslation->raise();
        ui.BtnExpandReduce->raise();
    }
    show({ui.BtnFormatBold, ui.BtnFormatUnderline, ui.BtnFormatItalic, ui.BtnFormatRed, ui.BtnFormatBlue,
          ui.BtnFormatGreen, ui.CmbFont},
         s.formatBar);
    show(ui.BtnCopyFormat, s.copyFormat);
    show(ui.BtnFormatFontIncrease, s.notesBigger);
    show(ui.BtnFormatFontDecrease, s.notesSmaller);
    ui.ShpColour->setEnabled(s.formatBar.enabled);
    if (!s.formatBar.visible)
        ui.ShpColour->hide(); // shown while the pointer is on a colour button

    show(ui.ImgBackground, s.quotationsPicture);
    show(ui.ImgHelp, s.helpIcon);
    show({ui.PnlTop1, ui.PnlTop2}, s.stayOnTopPanels);
}
