// Routines shared by every mode of the item area: showing the list and the current item, the
// counters, the return to normal mode, and the control states of editing.
#include "app/tform1.h"

#include "mainwindow/itemcounter.h"
#include "ui_tform1.h"

bool TForm1::listSearchMode() const { return ui->Btn_Search->text() == QLatin1String("End Search"); }
bool TForm1::testMode() const { return ui->Panel->isVisible(); }
bool TForm1::normalMode() const { return !listSearchMode() && !ui->Panel->isVisible(); }

void TForm1::RefreshItemCounter()
{
    const int row = ui->Cmb_Item->currentIndex();
    if (listSearchMode()) {
        ui->LblSearchString->setText(searchCounterText(row, ListHitCount));
        return;
    }
    ui->PnlItemNo->setText(itemCounterText(row, ItemCount()));
    QFont f = ui->PnlItemNo->font();
    f.setPointSize(itemCounterPointSize(ItemCount()));
    ui->PnlItemNo->setFont(f);
}

void TForm1::ReloadItemList()
{
    QStringList headwords;
    headwords.reserve(ItemCount());
    for (const VocabItem &item : std::as_const(ItemTable))
        headwords.append(item.Item);
    ui->RichDescr->clear();
    ui->Cmb_Item->setEntries(headwords);
    ui->Cmb_Item->setCurrentIndex(CurrentItem - 1);
    if (CurrentItem == 0)
        ui->Cmb_Item->setEditText(QString());
    RefreshItemCounter();
    if (ItemCount() >= 1 && CurrentItem >= 1) {
        ui->RichDescr->setPlainText(ItemTable.at(CurrentItem - 1).Description);
        setHeadingText(ui->Cmb_Item->currentText());
    } else {
        setHeadingText(QString());
    }
}

void TForm1::setUpDownByRule(int current)
{
    ui->BtnSwopUp->setEnabled(ItemCount() >= 2 && current > 1);
    ui->BtnSwopDown->setEnabled(ItemCount() >= 2 && current < ItemCount());
}

void TForm1::RestoreEditMode()
{
    ui->BtnRichdescrFontDecrease->setEnabled(true);
    ui->BtnRichdescrFontIncrease->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnLeft, ui->BtnRight}) {
        w->setEnabled(false);
        w->hide();
    }
    ui->ChkWholeWOrd->hide();
    ui->BtnNextTranslation->hide();
    ui->LblSearchString->hide();
    ui->PnlItemNo->show();
    if (ui->EdtSearch->text() != QLatin1String("Enter search text"))
        ui->EdtSearch->clear();
    ui->BtnIns->setEnabled(false);
    ui->Cmb_Item->setFocusPolicy(Qt::StrongFocus);
    ui->RichDescr->setFocusPolicy(Qt::StrongFocus);
    ui->BtnSwopUp->show();
    ui->BtnSwopDown->show();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->CmbWork, ui->RadioGreek, ui->RadioLatin, ui->BtnChangeList})
        w->setEnabled(true);
    ui->PnlHideBottomHalf->hide();
    ui->RedTranslation->setReadOnly(false);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnMaster, ui->Btn_Search, ui->EdtSearch, ui->ChkWhole})
        w->setEnabled(true);
    if (ItemCount() == 0) {
        ui->BtnSwopUp->setEnabled(false);
        ui->BtnSwopDown->setEnabled(false);
    }
    if (ItemCount() >= 1 && ui->RedTranslation->isEnabled()) {
        ui->BtnDel->setEnabled(true);
        ShowFormatBar();
        EnableFormatBar();
        ui->BtnExpandReduce->setEnabled(true);
    }
    if (ItemCount() == 1) {
        ui->BtnSelfTest->setEnabled(false);
        ui->BtnSwopUp->setEnabled(false);
        ui->BtnSwopDown->setEnabled(false);
    }
    if (ItemCount() >= 2) {
        ui->BtnSelfTest->setEnabled(true);
        setUpDownByRule(ui->Cmb_Item->currentIndex() + 1);
    }
    ui->Panel->hide();
    collapseNotesSelection();
    ui->Btn_Search->setText(QStringLiteral("Search"));
    ui->PnlSearch->resize(426, ui->PnlSearch->height());
    ui->RichDescr->setReadOnly(false);
    ui->EdtSearch->setReadOnly(false);
    ui->PnlLanguage->hide();
    RefreshItemCounter();
}

void TForm1::LockSearchWhileEditing()
{
    ui->LblSearchString->hide();
    if (listSearchMode())
        return;
    ui->Btn_Search->setEnabled(false);
    if (ui->EdtSearch->text() != QLatin1String("Enter search text"))
        ui->EdtSearch->clear();
    ui->EdtSearch->setEnabled(false);
    ui->ChkWhole->setEnabled(false);
}

void TForm1::MarkListModified()
{
    if (!normalMode())
        return;
    ui->BtnSave->setEnabled(true);
    ListSaved = false;
}

namespace {
QList<QWidget *> formatBar(Ui::TForm1 *ui)
{
    return {ui->BtnFormatBold, ui->BtnFormatUnderline, ui->BtnFormatItalic, ui->BtnFormatRed,
            ui->BtnFormatBlue, ui->BtnFormatGreen, ui->BtnFormatFontIncrease, ui->BtnFormatFontDecrease,
            ui->BtnCopyFormat, ui->CmbFont};
}
} // namespace

void TForm1::ShowFormatBar()
{
    for (QWidget *w : formatBar(ui.get()))
        w->show();
}

void TForm1::HideFormatBar()
{
    for (QWidget *w : formatBar(ui.get()))
        w->hide();
    ui->ShpColour->hide();
}

void TForm1::EnableFormatBar()
{
    for (QWidget *w : formatBar(ui.get()))
        w->setEnabled(true);
    ui->ShpColour->setEnabled(true);
}

void TForm1::DisableFormatBar()
{
    for (QWidget *w : formatBar(ui.get()))
        w->setEnabled(false);
    ui->ShpColour->setEnabled(false);
}
