#include "mainwindow/listsearch.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/noteseditor.h"
#include "mainwindow/tform1.h"
#include "mainwindow/typedchange.h"
#include "platform/guard.h"
#include "platform/trackedtextedit.h"
#include "session/wordmatch.h"
#include "ui_tform1.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace {
// Gives every character of the description box the box's own format again, so that no colour
// of a description on display passes to the next one put into the box.
void clearDescriptionColours(TrackedTextEdit *box)
{
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    // The box takes the format of text put into it from its insertion point.
    QTextCursor start(box->document());
    box->setTextCursor(start);
    box->setCurrentCharFormat(QTextCharFormat());
}

void putDescription(TrackedTextEdit *box, const QString &text)
{
    clearDescriptionColours(box);
    box->clear();
    box->showPlainText(text);
}
} // namespace

ListSearch::ListSearch(MainContext &context) : QObject(context.form), c(context)
{
    Ui::TForm1 *ui = c.ui;
    connectGuarded(ui->Btn_Search, &QPushButton::clicked, this, &ListSearch::Btn_SearchClick);
    connectGuarded(ui->BtnLeft, &QPushButton::clicked, this, &ListSearch::BtnLeftClick);
    connectGuarded(ui->BtnRight, &QPushButton::clicked, this, &ListSearch::BtnRightClick);
    connectGuarded(ui->ChkWhole, &QCheckBox::clicked, this, &ListSearch::ChkWholeClick);
    ui->EdtSearch->installEventFilter(this);
}

// Clicks and the focus arriving in the search box.
bool ListSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == c.ui->EdtSearch) {
        if (event->type() == QEvent::FocusIn)
            guarded([this] { EdtSearchEnter(); });
        else if (event->type() == QEvent::MouseButtonRelease
                 && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            guarded([this] { EdtSearchClick(); });
    }
    return false;
}

void ListSearch::Btn_SearchClick()
{
    if (c.mode.listSearch()) {
        EndListSearch();
        return;
    }
    c.form->collapseNotesSelection();
    if (c.ui->EdtSearch->text().size() < 2 || c.area->searchPromptShown()) {
        c.ui->EdtSearch->setFocus();
        return;
    }
    RunListSearch();
    PrepareNotesSearch();
}

void ListSearch::RunListSearch()
{
    Ui::TForm1 *ui = c.ui;
    c.area->DisableFormatBar();
    c.mode.area = MainMode::Area::ListSearch;
    c.form->showMode();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnExpandReduce, ui->CmbWork, ui->BtnChangeList})
        w->setEnabled(false);
    // Up and Down are disabled as well as hidden: Ctrl+U and Ctrl+D in the description box run
    // them whenever they are enabled, and would move items of the list behind the hits.
    ui->BtnSwopUp->hide();
    ui->BtnSwopDown->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnSwopUp, ui->BtnSwopDown, ui->BtnIns, ui->BtnDel,
                                                      ui->BtnSave, ui->BtnSelfTest})
        w->setEnabled(false);
    ui->Cmb_Item->setEntries({});
    ui->Cmb_Item->setEditable(false);
    ui->RichDescr->setReadOnly(true);
    ui->RedTranslation->setReadOnly(true);
    ui->LblSearchString->show();
    ui->PnlItemNo->hide();
    ui->PnlSearch->resize(577, ui->PnlSearch->height());

    const int hits = c.session.search(ui->EdtSearch->text(), ui->ChkWhole->isChecked());
    QStringList headwords;
    for (int row = 0; row < hits; ++row)
        headwords.append(c.session.item(c.session.hitItem(row)).Item);
    ui->Cmb_Item->setEntries(headwords);

    if (hits == 0) {
        ui->LblSearchString->setText(QStringLiteral("0/0"));
        putDescription(ui->RichDescr, QString());
        c.form->setHeadingText(QString());
        ui->EdtSearch->selectAll();
        ui->EdtSearch->setFocus();
    } else if (hits == 1) {
        ui->Btn_Search->setFocus();
    } else {
        ui->Cmb_Item->setFocus();
    }
    ui->BtnLeft->show();
    ui->BtnRight->show();
    ui->BtnLeft->setEnabled(false);
    ui->BtnRight->setEnabled(hits >= 2);
    if (hits >= 1) {
        c.area->RefreshItemCounter();
        ui->Cmb_Item->setCurrentIndex(0);
        ui->Heading->hide();
        showHitDescription(0);
    }
}

// Shows the description of the hit in the given row, its matches coloured. The current item is
// the hit's own item in the list, so that whatever saves the edit buffer during the search writes
// the hit back onto itself.
void ListSearch::showHitDescription(int row)
{
    const int number = c.session.hitItem(row);
    putDescription(c.ui->RichDescr, c.session.item(number).Description);
    HighlightDescriptionMatches();
    c.session.setCurrentItem(number);
}

void ListSearch::PrepareNotesSearch() { c.notes->startNotesSearch(); }

void ListSearch::HighlightDescriptionMatches()
{
    QTextEdit *box = c.ui->RichDescr;
    QTextDocument *doc = box->document();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    const auto ranges = highlightRanges(box->toPlainText(), c.ui->EdtSearch->text(), c.ui->ChkWhole->isChecked());
    for (const TextRange &range : ranges) {
        QTextCursor cursor(doc);
        cursor.setPosition(int(range.start));
        cursor.setPosition(int(range.start + range.length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(red);
    }
    QTextCursor start(doc);
    start.movePosition(QTextCursor::Start);
    box->setTextCursor(start);
}

void ListSearch::ShowListHit()
{
    const int hits = c.session.hitCount();
    const int row = c.ui->Cmb_Item->currentIndex();
    if (hits == 0 || row < 0 || row >= hits)
        return;
    c.ui->BtnLeft->setEnabled(row > 0);
    c.ui->BtnRight->setEnabled(row < hits - 1);
    showHitDescription(row);
}

void ListSearch::stepTo(int row)
{
    Ui::TForm1 *ui = c.ui;
    const int hits = c.session.hitCount();
    if (row < 0 || row >= hits)
        return;
    ui->Cmb_Item->setCurrentIndex(row);
    showHitDescription(row);
    c.form->setHeadingText(ui->Cmb_Item->currentText());
    c.area->RefreshItemCounter();
    ui->BtnRight->setEnabled(row < hits - 1);
    ui->BtnLeft->setEnabled(row > 0);
    ui->BtnIns->setEnabled(false);
    ui->Cmb_Item->setFocus();
}

void ListSearch::BtnRightClick()
{
    const int row = c.ui->Cmb_Item->currentIndex() + 1;
    if (row >= 1)
        stepTo(row);
}

void ListSearch::BtnLeftClick() { stepTo(c.ui->Cmb_Item->currentIndex() - 1); }

void ListSearch::EndListSearch()
{
    c.form->collapseNotesSelection();
    leaveListSearch(false);
}

void ListSearch::EndListSearchFromSearchBox() { leaveListSearch(true); }

void ListSearch::leaveListSearch(bool focusSearchBox)
{
    Ui::TForm1 *ui = c.ui;
    c.session.clearSearch();
    c.session.setCurrentItem(c.session.itemCount() >= 1 ? 1 : 0);
    c.mode.area = MainMode::Area::Browsing;
    clearDescriptionColours(ui->RichDescr);
    c.area->ReloadItemList();
    ui->Heading->show();
    c.form->setHeadingText(ui->Cmb_Item->currentText());
    c.form->showMode();
    c.area->RefreshItemCounter();
    if (!focusSearchBox)
        ui->Cmb_Item->setFocus();
    ui->Cmb_Item->setEditable(true);
    c.area->RestoreEditMode();
    ui->RichDescr->setReadOnly(false);
    ui->RedTranslation->setReadOnly(false);
    c.area->ShowFormatBar();
    c.area->EnableFormatBar();
    ui->BtnExpandReduce->setEnabled(true);
    if (focusSearchBox) {
        c.area->emptySearchBox();
        ui->EdtSearch->setFocus();
    }
}

void ListSearch::ChkWholeClick()
{
    if (c.mode.listSearch())
        RunListSearch();
    else
        c.ui->EdtSearch->setFocus();
}

void ListSearch::EdtSearchClick()
{
    if (c.area->searchPromptShown())
        c.area->emptySearchBox();
}

void ListSearch::EdtSearchEnter() { c.form->collapseNotesSelection(); }

bool ListSearch::EdtSearchKeyDown(QKeyEvent *event)
{
    if (c.ui->PnlHideBottomHalf->isVisible())
        return false;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !c.mode.listSearch() && !c.mode.selfTest())
        Btn_SearchClick();
    if (key == Qt::Key_Escape)
        c.form->EscapeKey();
    if (key == Qt::Key_Delete && c.mode.listSearch())
        EndListSearchFromSearchBox();
    return false;
}

bool ListSearch::EdtSearchKeyPress(QKeyEvent *event)
{
    // The character itself then goes into the emptied box and starts a new search text.
    if (c.mode.listSearch() && isChangeCharacter(event->text()))
        EndListSearchFromSearchBox();
    return false;
}
