#include "mainwindow/itemarea.h"

#include "mainwindow/itemcounter.h"
#include "mainwindow/itemediting.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/tform1.h"
#include "ui_tform1.h"

ItemArea::ItemArea(MainContext &context) : QObject(context.form), c(context)
{
    connect(c.ui->EdtSearch, &QLineEdit::textEdited, this, [this] { m_searchPrompt = false; });
}

void ItemArea::showSearchPrompt()
{
    c.ui->EdtSearch->setText(QStringLiteral("Enter search text"));
    m_searchPrompt = true;
}

void ItemArea::clearSearchBox()
{
    if (!m_searchPrompt)
        c.ui->EdtSearch->clear();
}

void ItemArea::emptySearchBox()
{
    c.ui->EdtSearch->clear();
    m_searchPrompt = false;
}

void ItemArea::setListFonts(const QString &family)
{
    for (QWidget *w : std::initializer_list<QWidget *>{c.ui->Cmb_Item, c.ui->Heading, c.ui->Panel}) {
        QFont f = w->font();
        f.setFamily(family);
        w->setFont(f);
    }
}

void ItemArea::RefreshItemCounter()
{
    const int row = c.ui->Cmb_Item->currentIndex();
    if (c.mode.listSearch()) {
        c.ui->LblSearchString->setText(searchCounterText(row, c.session.hitCount()));
        return;
    }
    const int count = c.session.itemCount();
    c.ui->PnlItemNo->setText(itemCounterText(row, count));
    QFont f = c.ui->PnlItemNo->font();
    f.setPointSize(itemCounterPointSize(count));
    c.ui->PnlItemNo->setFont(f);
}

void ItemArea::ReloadItemList()
{
    QStringList headwords;
    headwords.reserve(c.session.itemCount());
    for (const VocabItem &item : c.session.items())
        headwords.append(item.Item);
    const int current = c.session.currentItem();
    c.ui->RichDescr->clear();
    c.ui->Cmb_Item->setEntries(headwords);
    c.ui->Cmb_Item->setCurrentIndex(current - 1);
    if (current == 0)
        c.ui->Cmb_Item->setEditText(QString());
    RefreshItemCounter();
    if (const VocabItem *item = c.session.current()) {
        c.ui->RichDescr->showPlainText(item->Description);
        c.form->setHeadingText(c.ui->Cmb_Item->currentText());
    } else {
        c.form->setHeadingText(QString());
    }
}

void ItemArea::setUpDownByRule(int current)
{
    const int count = c.session.itemCount();
    c.ui->BtnSwopUp->setEnabled(count >= 2 && current > 1);
    c.ui->BtnSwopDown->setEnabled(count >= 2 && current < count);
}

void ItemArea::RestoreEditMode()
{
    Ui::TForm1 *ui = c.ui;
    c.mode.area = MainMode::Area::Browsing;
    c.mode.editing = false;
    c.editing->refreshDescriptionSizeButtons();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnLeft, ui->BtnRight}) {
        w->setEnabled(false);
        w->hide();
    }
    ui->ChkWholeWOrd->hide();
    ui->BtnNextTranslation->hide();
    ui->LblSearchString->hide();
    ui->PnlItemNo->show();
    clearSearchBox();
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
    const int count = c.session.itemCount();
    if (count == 0) {
        ui->BtnSwopUp->setEnabled(false);
        ui->BtnSwopDown->setEnabled(false);
    }
    if (count >= 1 && ui->RedTranslation->isEnabled()) {
        ui->BtnDel->setEnabled(true);
        ShowFormatBar();
        EnableFormatBar();
        ui->BtnExpandReduce->setEnabled(true);
    }
    if (count == 1) {
        ui->BtnSelfTest->setEnabled(false);
        ui->BtnSwopUp->setEnabled(false);
        ui->BtnSwopDown->setEnabled(false);
    }
    if (count >= 2) {
        ui->BtnSelfTest->setEnabled(true);
        setUpDownByRule(ui->Cmb_Item->currentIndex() + 1);
    }
    ui->Panel->hide();
    c.form->collapseNotesSelection();
    c.form->showMode();
    ui->PnlSearch->resize(426, ui->PnlSearch->height());
    ui->RichDescr->setReadOnly(false);
    ui->EdtSearch->setReadOnly(false);
    ui->PnlLanguage->hide();
    RefreshItemCounter();
}

void ItemArea::LockSearchWhileEditing()
{
    c.ui->LblSearchString->hide();
    if (c.mode.listSearch())
        return;
    c.ui->Btn_Search->setEnabled(false);
    clearSearchBox();
    c.ui->EdtSearch->setEnabled(false);
    c.ui->ChkWhole->setEnabled(false);
}

void ItemArea::MarkListModified()
{
    if (!c.mode.normal())
        return;
    c.ui->BtnSave->setEnabled(true);
    c.session.markModified();
}

namespace {
QList<QWidget *> formatBar(Ui::TForm1 *ui)
{
    return {ui->BtnFormatBold, ui->BtnFormatUnderline, ui->BtnFormatItalic, ui->BtnFormatRed,
            ui->BtnFormatBlue, ui->BtnFormatGreen, ui->BtnFormatFontIncrease, ui->BtnFormatFontDecrease,
            ui->BtnCopyFormat, ui->CmbFont};
}
} // namespace

void ItemArea::ShowFormatBar()
{
    for (QWidget *w : formatBar(c.ui))
        w->show();
}

void ItemArea::HideFormatBar()
{
    for (QWidget *w : formatBar(c.ui))
        w->hide();
    c.ui->ShpColour->hide();
}

void ItemArea::EnableFormatBar()
{
    for (QWidget *w : formatBar(c.ui))
        w->setEnabled(true);
    c.ui->ShpColour->setEnabled(true);
}

void ItemArea::DisableFormatBar()
{
    for (QWidget *w : formatBar(c.ui))
        w->setEnabled(false);
    c.ui->ShpColour->setEnabled(false);
}
