// The item commands: Save (and, with the item editing, Add, Remove, Up, Down, Master List).
#include "app/tform1.h"

#include "mainwindow/textcut.h"
#include "store/vocablist.h"

#include <algorithm>
#include "ui_tform1.h"

void TForm1::refocusAfterTooShort()
{
    if (LastEditBox == EditBox::Description) {
        LastEditBox = EditBox::None;
        QTextCursor c = ui->RichDescr->textCursor();
        c.clearSelection();
        ui->RichDescr->setTextCursor(c);
        ui->RichDescr->setFocus();
        return;
    }
    if (LastEditBox == EditBox::Item)
        LastEditBox = EditBox::None;
    ui->Cmb_Item->setFocus();
    if (QLineEdit *edit = ui->Cmb_Item->lineEdit())
        edit->setCursorPosition(int(edit->text().size()));
}

void TForm1::BtnSaveClick()
{
    collapseNotesSelection();
    if (ItemCount() == 0) {
        SaveList();
        ui->EdtSearch->setEnabled(true);
        ui->ChkWhole->setEnabled(true);
        ui->Btn_Search->setEnabled(true);
        ui->BtnDel->setEnabled(false);
        if (ui->RedTranslation->isEnabled())
            ui->RedTranslation->setFocus();
        return;
    }
    const QString description = cutAtLineBreak(ui->RichDescr->toPlainText());
    if (ui->Cmb_Item->currentText().size() < 2 || description.size() < 2 || ui->CmbWork->currentText().size() < 2) {
        CenteredMessageDlg(QStringLiteral("Vocabulary item or description too short."), MsgKind::Information, MsgButton::OK);
        refocusAfterTooShort();
        return;
    }
    if (description != ui->RichDescr->toPlainText())
        ui->RichDescr->setPlainText(description);
    ItemTable[CurrentItem - 1] = VocabItem{ui->Cmb_Item->currentText(), description};
    ReloadItemList();
    SaveList();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->CmbWork, ui->BtnMaster, ui->BtnChangeList, ui->RadioGreek,
                                                      ui->RadioLatin})
        w->setEnabled(true);
    ui->BtnIns->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnDel, ui->EdtSearch, ui->ChkWhole, ui->Btn_Search})
        w->setEnabled(true);
    ui->BtnSwopUp->setEnabled(CurrentItem != 1);
    ui->BtnSwopDown->setEnabled(CurrentItem < ItemCount());
    if (ItemCount() >= 2)
        ui->BtnSelfTest->setEnabled(true);
    if (LastEditBox == EditBox::Notes && ui->RedTranslation->isEnabled())
        ui->RedTranslation->setFocus();
    else if (ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
}

void TForm1::RefreshAfterAdd()
{
    if (ui->Cmb_Item->currentText().size() < 2 || ui->RichDescr->toPlainText().size() < 2)
        return;
    ui->BtnIns->setEnabled(false);
    if (ui->EdtSearch->text() != QLatin1String("Enter search text"))
        ui->EdtSearch->clear();
    if (ItemCount() <= 1) {
        ui->BtnSelfTest->setEnabled(false);
        ui->BtnSwopUp->setEnabled(false);
        ui->BtnSwopDown->setEnabled(false);
    } else {
        ui->BtnSelfTest->setEnabled(true);
        setUpDownByRule(CurrentItem);
    }
    ui->Btn_Search->setEnabled(true);
    ui->EdtSearch->setEnabled(true);
    ui->ChkWhole->setEnabled(true);
}

void TForm1::BtnInsClick()
{
    collapseNotesSelection();
    const QString headword = ui->Cmb_Item->currentText();
    if (headword.size() < 2 || ui->RichDescr->toPlainText().size() < 2) {
        CenteredMessageDlg(QStringLiteral("Vocabulary item or description too short."), MsgKind::Information, MsgButton::OK);
        refocusAfterTooShort();
        return;
    }
    if (ItemCount() >= store::MaxItems) {
        // The table is full: nothing is inserted and the edit stays in the boxes.
        CenteredMessageDlg(QStringLiteral("The list is full: a list holds at most %1 items. The item was not added.")
                               .arg(store::MaxItems),
                           MsgKind::Information, MsgButton::OK);
        return;
    }
    const bool duplicate = std::any_of(ItemTable.cbegin(), ItemTable.cend(),
                                       [&](const VocabItem &item) { return item.Item == headword; });
    if (duplicate && CenteredMessageDlg(QStringLiteral("Duplicate/s found. Add anyway?"), MsgKind::Confirmation,
                                        MsgButton::Yes | MsgButton::Cancel) == MsgButton::Cancel) {
        ui->Cmb_Item->setCurrentIndex(CurrentItem - 1);
        if (CurrentItem >= 1)
            ui->RichDescr->setPlainText(ItemTable.at(CurrentItem - 1).Description);
        setHeadingText(ui->Cmb_Item->currentText());
        RestoreEditMode();
        if (ui->Cmb_Item->isEnabled())
            ui->Cmb_Item->setFocus();
        return;
    }
    const QString description = cutAtLineBreak(ui->RichDescr->toPlainText());
    if (description != ui->RichDescr->toPlainText())
        ui->RichDescr->setPlainText(description);
    ItemTable.insert(CurrentItem, VocabItem{headword, description});
    CurrentItem += 1;
    ui->BtnSwopUp->setEnabled(CurrentItem != 1);
    ui->BtnSwopDown->setEnabled(CurrentItem < ItemCount());
    MarkListModified();
    ReloadItemList();
    RefreshAfterAdd();
    RefreshItemCounter();
    ui->Cmb_Item->setFocus();
}

void TForm1::BtnDelClick()
{
    collapseNotesSelection();
    if (ui->Heading->text().isEmpty())
        return;
    if (CenteredMessageDlg(QStringLiteral("Remove item?"), MsgKind::Confirmation, MsgButton::Yes | MsgButton::Cancel)
        == MsgButton::Yes) {
        ItemTable.removeAt(CurrentItem - 1);
        if (CurrentItem == ItemCount() + 1)
            CurrentItem -= 1;
        if (ItemCount() == 0 && ui->RedTranslation->document()->isEmpty()) {
            ui->Btn_Search->setEnabled(false);
            ui->EdtSearch->setEnabled(false);
            ui->ChkWhole->setEnabled(false);
        }
        if (ItemCount() <= 1) {
            ui->BtnSelfTest->setEnabled(false);
            ui->BtnSwopUp->setEnabled(false);
            ui->BtnSwopDown->setEnabled(false);
            if (ItemCount() == 0)
                ui->BtnDel->setEnabled(false);
        } else {
            setUpDownByRule(CurrentItem);
        }
        MarkListModified();
        ReloadItemList();
        RefreshItemCounter();
        ResetTestCycle();
    }
    if (ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
}

void TForm1::swapWithNeighbour(int offset)
{
    collapseNotesSelection();
    ItemTable.swapItemsAt(CurrentItem - 1, CurrentItem - 1 + offset);
    CurrentItem += offset;
    ReloadItemList();
    RefreshItemCounter();
    if (offset < 0) {
        ui->BtnSwopUp->setEnabled(CurrentItem != 1);
        ui->BtnSwopDown->setEnabled(true);
    } else {
        ui->BtnSwopDown->setEnabled(CurrentItem != ItemCount());
        ui->BtnSwopUp->setEnabled(true);
    }
    ListSaved = false;
    ui->BtnSave->setEnabled(true);
    ui->Cmb_Item->setFocus();
}

void TForm1::BtnSwopUpClick() { swapWithNeighbour(-1); }
void TForm1::BtnSwopDownClick() { swapWithNeighbour(+1); }

void TForm1::BtnMasterClick()
{
    if (ui->BtnSave->isEnabled()) {
        const MsgButton answer = askSaveWorkFirst();
        if (answer == MsgButton::Yes)
            BtnSaveClick();
        else if (answer != MsgButton::No)
            return;
    }
    OpenMasterList(ListLanguage == QLatin1String("Latin") ? QStringLiteral("Latin") : QStringLiteral("Greek"));
}
