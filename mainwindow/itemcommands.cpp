#include "mainwindow/itemcommands.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/listselection.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/tform1.h"
#include "platform/guard.h"
#include "ui_tform1.h"

namespace {
const QString tooShort = QStringLiteral("Vocabulary item or description too short.");
}

ItemCommands::ItemCommands(MainContext &context) : QObject(context.form), c(context)
{
    Ui::TForm1 *ui = c.ui;
    connectGuarded(ui->BtnSave, &QPushButton::clicked, this, &ItemCommands::BtnSaveClick);
    connectGuarded(ui->BtnIns, &QPushButton::clicked, this, &ItemCommands::BtnInsClick);
    connectGuarded(ui->BtnDel, &QPushButton::clicked, this, &ItemCommands::BtnDelClick);
    connectGuarded(ui->BtnSwopUp, &QPushButton::clicked, this, &ItemCommands::BtnSwopUpClick);
    connectGuarded(ui->BtnSwopDown, &QPushButton::clicked, this, &ItemCommands::BtnSwopDownClick);
    connectGuarded(ui->BtnMaster, &QPushButton::clicked, this, &ItemCommands::BtnMasterClick);
}

void ItemCommands::refocusAfterTooShort()
{
    Ui::TForm1 *ui = c.ui;
    if (c.lastEditBox == EditBox::Description) {
        c.lastEditBox = EditBox::None;
        // The box selects all as the focus enters it: the caret is put at the end afterwards.
        ui->RichDescr->setFocus();
        QTextCursor cursor = ui->RichDescr->textCursor();
        cursor.movePosition(QTextCursor::End);
        ui->RichDescr->setTextCursor(cursor);
        return;
    }
    if (c.lastEditBox == EditBox::Item)
        c.lastEditBox = EditBox::None;
    ui->Cmb_Item->setFocus();
    if (QLineEdit *edit = ui->Cmb_Item->lineEdit())
        edit->setCursorPosition(int(edit->text().size()));
}

void ItemCommands::BtnSaveClick()
{
    Ui::TForm1 *ui = c.ui;
    c.form->collapseNotesSelection();
    if (!c.mode.normal()) {
        // Searching or testing, the boxes hold no edit (they are read-only): the list is saved as
        // it stands, with the notes.
        c.selection->SaveList();
        return;
    }
    if (c.session.itemCount() == 0) {
        c.selection->SaveList();
        ui->EdtSearch->setEnabled(true);
        ui->ChkWhole->setEnabled(true);
        ui->Btn_Search->setEnabled(true);
        ui->BtnDel->setEnabled(false);
        if (ui->RedTranslation->isEnabled())
            ui->RedTranslation->setFocus();
        return;
    }
    QString headword = ui->Cmb_Item->currentText();
    // A headword longer than the item box holds is shown cut; unless it was edited it stays whole.
    if (const VocabItem *item = c.session.current();
        item && item->Item.size() > headword.size() && item->Item.startsWith(headword)
        && headword.size() == ItemBoxLength)
        headword = item->Item;
    const QString description = store::cutAtLineBreak(ui->RichDescr->toPlainText());
    if (ListSession::checkEntry(headword, description) != EntryRefusal::None || c.session.name().size() < 2) {
        c.form->CenteredMessageDlg(tooShort, MsgKind::Information, MsgButton::OK);
        refocusAfterTooShort();
        return;
    }
    if (description != ui->RichDescr->toPlainText())
        ui->RichDescr->showPlainText(description);
    c.session.replaceCurrent(headword, description);
    c.mode.editing = false;
    c.area->ReloadItemList();
    c.selection->SaveList();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->CmbWork, ui->BtnMaster, ui->BtnChangeList, ui->RadioGreek,
                                                      ui->RadioLatin})
        w->setEnabled(true);
    ui->BtnIns->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnDel, ui->EdtSearch, ui->ChkWhole, ui->Btn_Search})
        w->setEnabled(true);
    const int current = c.session.currentItem();
    ui->BtnSwopUp->setEnabled(current != 1);
    ui->BtnSwopDown->setEnabled(current < c.session.itemCount());
    if (c.session.itemCount() >= 2)
        ui->BtnSelfTest->setEnabled(true);
    if (c.lastEditBox == EditBox::Notes && ui->RedTranslation->isEnabled())
        ui->RedTranslation->setFocus();
    else if (ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
}

void ItemCommands::RefreshAfterAdd()
{
    Ui::TForm1 *ui = c.ui;
    ui->BtnIns->setEnabled(false);
    c.area->clearSearchBox();
    if (c.session.itemCount() <= 1) {
        ui->BtnSelfTest->setEnabled(false);
        ui->BtnSwopUp->setEnabled(false);
        ui->BtnSwopDown->setEnabled(false);
    } else {
        ui->BtnSelfTest->setEnabled(true);
        c.area->setUpDownByRule(c.session.currentItem());
    }
    ui->Btn_Search->setEnabled(true);
    ui->EdtSearch->setEnabled(true);
    ui->ChkWhole->setEnabled(true);
}

void ItemCommands::BtnInsClick()
{
    Ui::TForm1 *ui = c.ui;
    c.form->collapseNotesSelection();
    const QString headword = ui->Cmb_Item->currentText();
    const QString description = ui->RichDescr->toPlainText();
    switch (c.session.checkAdd(headword, description)) {
    case EntryRefusal::TooShort:
        c.form->CenteredMessageDlg(tooShort, MsgKind::Information, MsgButton::OK);
        refocusAfterTooShort();
        return;
    case EntryRefusal::ListFull:
        // The table is full: nothing is inserted and the edit stays in the boxes.
        c.form->CenteredMessageDlg(QStringLiteral("The list is full: a list holds at most %1 items. The item was not added.")
                                       .arg(store::MaxItems),
                                   MsgKind::Information, MsgButton::OK);
        return;
    case EntryRefusal::None:
        break;
    }
    if (c.session.hasHeadword(headword)
        && c.form->CenteredMessageDlg(QStringLiteral("Duplicate/s found. Add anyway?"), MsgKind::Confirmation,
                                      MsgButton::Yes | MsgButton::Cancel) == MsgButton::Cancel) {
        const int current = c.session.currentItem();
        ui->Cmb_Item->setCurrentIndex(current - 1);
        if (const VocabItem *item = c.session.current())
            ui->RichDescr->showPlainText(item->Description);
        c.form->setHeadingText(ui->Cmb_Item->currentText());
        c.area->RestoreEditMode();
        if (ui->Cmb_Item->isEnabled())
            ui->Cmb_Item->setFocus();
        return;
    }
    const QString cut = store::cutAtLineBreak(description);
    if (cut != description)
        ui->RichDescr->showPlainText(cut);
    c.session.addAfterCurrent(headword, cut);
    c.mode.editing = false;
    const int current = c.session.currentItem();
    ui->BtnSwopUp->setEnabled(current != 1);
    ui->BtnSwopDown->setEnabled(current < c.session.itemCount());
    c.area->MarkListModified();
    c.area->ReloadItemList();
    RefreshAfterAdd();
    c.area->RefreshItemCounter();
    ui->Cmb_Item->setFocus();
}

void ItemCommands::BtnDelClick()
{
    Ui::TForm1 *ui = c.ui;
    c.form->collapseNotesSelection();
    if (ui->Heading->text().isEmpty())
        return;
    if (c.form->CenteredMessageDlg(QStringLiteral("Remove item?"), MsgKind::Confirmation, MsgButton::Yes | MsgButton::Cancel)
        == MsgButton::Yes) {
        c.session.removeCurrent();
        const int count = c.session.itemCount();
        if (count == 0 && ui->RedTranslation->document()->isEmpty()) {
            ui->Btn_Search->setEnabled(false);
            ui->EdtSearch->setEnabled(false);
            ui->ChkWhole->setEnabled(false);
        }
        if (count <= 1) {
            ui->BtnSelfTest->setEnabled(false);
            ui->BtnSwopUp->setEnabled(false);
            ui->BtnSwopDown->setEnabled(false);
            if (count == 0)
                ui->BtnDel->setEnabled(false);
        } else {
            c.area->setUpDownByRule(c.session.currentItem());
        }
        c.mode.editing = false;
        c.area->MarkListModified();
        c.area->ReloadItemList();
        c.area->RefreshItemCounter();
    }
    if (ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
}

void ItemCommands::swapWithNeighbour(int offset)
{
    Ui::TForm1 *ui = c.ui;
    c.form->collapseNotesSelection();
    c.session.moveCurrent(offset);
    c.area->ReloadItemList();
    c.area->RefreshItemCounter();
    const int current = c.session.currentItem();
    if (offset < 0) {
        ui->BtnSwopUp->setEnabled(current != 1);
        ui->BtnSwopDown->setEnabled(true);
    } else {
        ui->BtnSwopDown->setEnabled(current != c.session.itemCount());
        ui->BtnSwopUp->setEnabled(true);
    }
    ui->BtnSave->setEnabled(true);
    ui->Cmb_Item->setFocus();
}

void ItemCommands::BtnSwopUpClick() { swapWithNeighbour(-1); }
void ItemCommands::BtnSwopDownClick() { swapWithNeighbour(+1); }

void ItemCommands::BtnMasterClick()
{
    if (c.ui->BtnSave->isEnabled()) {
        const MsgButton answer = c.form->askSaveWorkFirst();
        if (answer == MsgButton::Yes)
            c.commands->BtnSaveClick();
        else if (answer != MsgButton::No)
            return;
    }
    c.form->collapseNotesSelection();
    emit c.form->masterListRequested(c.session.isLatin() ? QStringLiteral("Latin") : QStringLiteral("Greek"),
                                     c.ui->Cmb_Item->currentText(),
                                     c.area->searchPromptShown() ? QString() : c.ui->EdtSearch->text());
}
