// The item commands: Save (and, with the item editing, Add, Remove, Up, Down, Master List).
#include "app/tform1.h"

#include "mainwindow/textcut.h"
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
