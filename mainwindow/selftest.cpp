#include "mainwindow/selftest.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/tform1.h"
#include "mainwindow/testcaption.h"
#include "platform/guard.h"
#include "platform/random.h"
#include "ui_tform1.h"

SelfTest::SelfTest(MainContext &context) : QObject(context.form), c(context)
{
    connectGuarded(c.ui->BtnSelfTest, &QPushButton::clicked, this, &SelfTest::BtnSelfTestClick);
    connectGuarded(c.ui->Panel, &PanelLabel::clicked, this, &SelfTest::PanelClick);
}

void SelfTest::ResetTestCycle() { c.session.resetTestCycle(); }

void SelfTest::BtnSelfTestClick() { PickTestWord(); }

void SelfTest::PickTestWord()
{
    Ui::TForm1 *ui = c.ui;
    c.form->collapseNotesSelection();
    if (c.session.itemCount() < 2)
        return;
    if (!c.session.isSaved()) {
        if (c.form->askSaveWorkFirst(MsgButton::Yes | MsgButton::Cancel) != MsgButton::Yes) {
            if (ui->Cmb_Item->isEnabled())
                ui->Cmb_Item->setFocus();
            return;
        }
        c.commands->BtnSaveClick();
        // Save refused the entry (too short) and has said so: the test would overwrite the boxes
        // with the drawn item and lose the edit, so the user gets to mend it first.
        if (!c.session.isSaved())
            return;
    }
    c.mode.area = MainMode::Area::SelfTest;
    c.mode.editing = false;
    ui->Cmb_Item->setEditable(false);
    ui->Cmb_Item->setEnabled(false);
    ui->Cmb_Item->setFocusPolicy(Qt::ClickFocus);
    ui->RichDescr->setFocusPolicy(Qt::ClickFocus);

    const int r = c.session.drawTestItem([](int n) { return programRandom().next(n); });
    const VocabItem &item = c.session.item(r);
    ui->Cmb_Item->setCurrentIndex(r - 1);
    c.form->setHeadingText(item.Item);

    const TestCaption caption = testCaption(item.Item);
    ui->Panel->setText(caption.text);
    QFont f = ui->Panel->font();
    f.setPointSize(caption.pointSize);
    ui->Panel->setFont(f);

    ui->RichDescr->clear();
    ui->RichDescr->showPlainText(item.Description);
    c.area->RefreshItemCounter();
    ui->Panel->raise();
    ui->Panel->show();

    ui->Btn_Search->setEnabled(false);
    c.area->clearSearchBox();
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->EdtSearch, ui->ChkWhole, ui->BtnIns, ui->BtnDel, ui->BtnSave, ui->BtnRichdescrFontDecrease,
             ui->BtnRichdescrFontIncrease, ui->BtnSwopDown, ui->BtnSwopUp, ui->CmbWork, ui->BtnMaster,
             ui->BtnChangeList, ui->BtnExpandReduce})
        w->setEnabled(false);
    ui->RedTranslation->setReadOnly(true);
    c.area->DisableFormatBar();
    // No hidden box takes keys during a test: the guess typed must not land in the description.
    ui->RichDescr->setReadOnly(true);
    ui->BtnSelfTest->setFocus();
}

void SelfTest::PanelClick()
{
    if (c.mode.selfTest())
        RevealTestAnswer();
}

void SelfTest::RevealTestAnswer()
{
    Ui::TForm1 *ui = c.ui;
    ui->Cmb_Item->setEditable(true);
    ui->Cmb_Item->setEnabled(true);
    ui->Cmb_Item->setFocusPolicy(Qt::StrongFocus);
    ui->RichDescr->setFocusPolicy(Qt::StrongFocus);
    ui->Cmb_Item->setFocus();
    c.area->RestoreEditMode();
}
