// The self test: a random headword of the open list shown large on a panel over the description
// box, its answer hidden until the panel is clicked or Esc is pressed.
#include "app/tform1.h"

#include "mainwindow/testcaption.h"
#include "mainwindow/testdraw.h"
#include "platform/random.h"
#include "ui_tform1.h"

void TForm1::ResetTestCycle() { UsedPicks.clear(); }

void TForm1::BtnSelfTestClick() { PickTestWord(); }

void TForm1::PickTestWord()
{
    collapseNotesSelection();
    if (ItemCount() < 2)
        return;
    if (!ListSaved) {
        if (askSaveWorkFirst(MsgButton::Yes | MsgButton::Cancel) != MsgButton::Yes) {
            if (ui->Cmb_Item->isEnabled())
                ui->Cmb_Item->setFocus();
            return;
        }
        BtnSaveClick();
        // Save refused the entry (too short) and has said so: the test would overwrite the boxes
        // with the drawn item and lose the edit, so the user gets to mend it first.
        if (!ListSaved)
            return;
    }
    ui->Cmb_Item->setEditable(false);
    ui->Cmb_Item->setEnabled(false);
    ui->Cmb_Item->setFocusPolicy(Qt::ClickFocus);
    ui->RichDescr->setFocusPolicy(Qt::ClickFocus);

    const int r = drawTestItem(UsedPicks, ItemCount(), [](int n) { return programRandom().next(n); });
    const VocabItem &item = ItemTable.at(r - 1);
    ui->Cmb_Item->setCurrentIndex(r - 1);
    CurrentItem = r;
    setHeadingText(item.Item);

    const TestCaption caption = testCaption(item.Item);
    ui->Panel->setText(caption.text);
    QFont f = ui->Panel->font();
    f.setPointSize(caption.pointSize);
    ui->Panel->setFont(f);

    ui->RichDescr->clear();
    ui->RichDescr->setPlainText(item.Description);
    RefreshItemCounter();
    ui->Panel->raise();
    ui->Panel->show();

    ui->Btn_Search->setEnabled(false);
    if (ui->EdtSearch->text() != QLatin1String("Enter search text"))
        ui->EdtSearch->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->EdtSearch, ui->ChkWhole, ui->BtnIns, ui->BtnDel, ui->BtnSave, ui->BtnRichdescrFontDecrease,
             ui->BtnRichdescrFontIncrease, ui->BtnSwopDown, ui->BtnSwopUp, ui->CmbWork, ui->BtnMaster,
             ui->BtnChangeList, ui->BtnExpandReduce})
        w->setEnabled(false);
    ui->RedTranslation->setReadOnly(true);
    DisableFormatBar();
}

void TForm1::PanelClick()
{
    if (testMode())
        RevealTestAnswer();
}

void TForm1::RevealTestAnswer()
{
    ui->Cmb_Item->setEditable(true);
    ui->Cmb_Item->setEnabled(true);
    ui->Cmb_Item->setFocusPolicy(Qt::StrongFocus);
    ui->RichDescr->setFocusPolicy(Qt::StrongFocus);
    ui->Cmb_Item->setFocus();
    RestoreEditMode();
}
