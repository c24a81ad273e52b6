// Searching the descriptions of the open list: the item box then lists only the items found,
// "<" and ">" step through them, and each description shown has its matches coloured red.
#include "app/tform1.h"

#include "mainwindow/textcut.h"
#include "mainwindow/wordmatch.h"
#include "platform/guard.h"
#include "ui_tform1.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace {
const QString placeholder = QStringLiteral("Enter search text");

// Gives every character of the description box the box's own format again, so that no colour
// of a description on display passes to the next one put into the box.
void clearDescriptionColours(QTextEdit *box)
{
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    // The box takes the format of text put into it from its insertion point.
    QTextCursor start(box->document());
    box->setTextCursor(start);
    box->setCurrentCharFormat(QTextCharFormat());
}

void putDescription(QTextEdit *box, const QString &text)
{
    clearDescriptionColours(box);
    box->clear();
    box->setPlainText(text);
}

// Clicks and the focus arriving in the search box.
class SearchBoxWatcher : public QObject {
public:
    SearchBoxWatcher(TForm1 *form, QObject *box) : QObject(form), m_form(form), m_box(box) { box->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_box) {
            if (event->type() == QEvent::FocusIn)
                guarded([this] { m_form->EdtSearchEnter(); });
            else if (event->type() == QEvent::MouseButtonRelease
                     && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                guarded([this] { m_form->EdtSearchClick(); });
        }
        return false;
    }

private:
    TForm1 *m_form;
    QObject *m_box;
};
} // namespace

void TForm1::connectSearchAndTestHandlers()
{
    auto on = [this](auto *sender, auto signal, void (TForm1::*handler)()) { connectGuarded(sender, signal, handler); };
    on(ui->Btn_Search, &QPushButton::clicked, &TForm1::Btn_SearchClick);
    on(ui->BtnLeft, &QPushButton::clicked, &TForm1::BtnLeftClick);
    on(ui->BtnRight, &QPushButton::clicked, &TForm1::BtnRightClick);
    on(ui->ChkWhole, &QCheckBox::clicked, &TForm1::ChkWholeClick);
    on(ui->BtnSelfTest, &QPushButton::clicked, &TForm1::BtnSelfTestClick);
    on(ui->Panel, &PanelLabel::clicked, &TForm1::PanelClick);
    new SearchBoxWatcher(this, ui->EdtSearch);
}

bool TForm1::searchAndTestKeyDown(QWidget *receiver, QKeyEvent *event)
{
    if (receiver == ui->EdtSearch)
        return EdtSearchKeyDown(event);
    return false;
}

bool TForm1::searchAndTestKeyPress(QWidget *receiver, QKeyEvent *event)
{
    if (receiver == ui->EdtSearch)
        return EdtSearchKeyPress(event);
    return false;
}

void TForm1::Btn_SearchClick()
{
    if (listSearchMode()) {
        EndListSearch();
        return;
    }
    collapseNotesSelection();
    const QString text = ui->EdtSearch->text();
    if (text.size() < 2 || text == placeholder) {
        ui->EdtSearch->setFocus();
        return;
    }
    RunListSearch();
    PrepareNotesSearch();
}

void TForm1::RunListSearch()
{
    SearchText = ui->EdtSearch->text();
    DisableFormatBar();
    ui->Btn_Search->setText(QStringLiteral("End Search"));
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

    ListHits.clear();
    ListHitItems.clear();
    ListHitCount = 0;
    const DescriptionMatcher matcher(SearchText, ui->ChkWhole->isChecked());
    QStringList headwords;
    for (int k = 1; k <= ItemCount(); ++k) {
        const VocabItem &item = ItemTable.at(k - 1);
        if (!matcher.matches(item.Description))
            continue;
        ListHits.append(item);
        ListHitItems.append(k);
        headwords.append(item.Item);
    }
    ListHitCount = int(ListHits.size());
    ui->Cmb_Item->setEntries(headwords);

    if (ListHitCount == 0) {
        ui->LblSearchString->setText(QStringLiteral("0/0"));
        putDescription(ui->RichDescr, QString());
        setHeadingText(QString());
        ui->EdtSearch->selectAll();
        ui->EdtSearch->setFocus();
    } else if (ListHitCount == 1) {
        ui->Btn_Search->setFocus();
    } else {
        ui->Cmb_Item->setFocus();
    }
    ui->BtnLeft->show();
    ui->BtnRight->show();
    ui->BtnLeft->setEnabled(false);
    ui->BtnRight->setEnabled(ListHitCount >= 2);
    if (ListHitCount >= 1) {
        RefreshItemCounter();
        ui->Cmb_Item->setCurrentIndex(0);
        ui->Heading->hide();
        showHitDescription(0);
    }
}

// Shows the description of the hit in the given row, its matches coloured. The current item is
// the hit's own item in the list, so that whatever saves the edit buffer during the search writes
// the hit back onto itself.
void TForm1::showHitDescription(int row)
{
    putDescription(ui->RichDescr, ListHits.at(row).Description);
    HighlightDescriptionMatches();
    CurrentItem = ListHitItems.at(row);
}

void TForm1::PrepareNotesSearch()
{
    ui->ChkWholeWOrd->hide();
    ui->BtnNextTranslation->hide();
    ui->ChkWholeWOrd->setChecked(false);
    const int found = countDocumentOccurrences(*ui->RedTranslation->document(), SearchText);
    if (found > 0) {
        ui->ChkWholeWOrd->show();
        ui->BtnNextTranslation->show();
    }
    ui->ChkWholeWOrd->setText(QStringLiteral("Whole word  [%1]").arg(found));
    ui->BtnNextTranslation->setEnabled(found > 0);
}

void TForm1::HighlightDescriptionMatches()
{
    QTextDocument *doc = ui->RichDescr->document();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    const auto ranges = highlightRanges(ui->RichDescr->toPlainText(), ui->EdtSearch->text(), ui->ChkWhole->isChecked());
    for (const TextRange &range : ranges) {
        QTextCursor c(doc);
        c.setPosition(int(range.start));
        c.setPosition(int(range.start + range.length), QTextCursor::KeepAnchor);
        c.mergeCharFormat(red);
    }
    QTextCursor start(doc);
    start.movePosition(QTextCursor::Start);
    ui->RichDescr->setTextCursor(start);
}

void TForm1::ShowListHit()
{
    if (ListHitCount == 0)
        return;
    const int row = ui->Cmb_Item->currentIndex();
    if (row < 0 || row >= ListHitCount)
        return;
    ui->BtnLeft->setEnabled(row > 0);
    ui->BtnRight->setEnabled(row < ListHitCount - 1);
    showHitDescription(row);
}

void TForm1::BtnRightClick()
{
    const int row = ui->Cmb_Item->currentIndex() + 1;
    if (row < 1 || row >= ListHitCount)
        return;
    ui->Cmb_Item->setCurrentIndex(row);
    showHitDescription(row);
    setHeadingText(ui->Cmb_Item->currentText());
    RefreshItemCounter();
    ui->BtnRight->setEnabled(row < ListHitCount - 1);
    ui->BtnLeft->setEnabled(true);
    ui->BtnIns->setEnabled(false);
    ui->Cmb_Item->setFocus();
}

void TForm1::BtnLeftClick()
{
    const int row = ui->Cmb_Item->currentIndex() - 1;
    if (row < 0 || row >= ListHitCount)
        return;
    ui->Cmb_Item->setCurrentIndex(row);
    showHitDescription(row);
    setHeadingText(ui->Cmb_Item->currentText());
    RefreshItemCounter();
    ui->BtnLeft->setEnabled(row > 0);
    ui->BtnRight->setEnabled(true);
    ui->BtnIns->setEnabled(false);
    ui->Cmb_Item->setFocus();
}

void TForm1::EndListSearch()
{
    collapseNotesSelection();
    leaveListSearch(false);
}

void TForm1::EndListSearchFromSearchBox() { leaveListSearch(true); }

void TForm1::leaveListSearch(bool focusSearchBox)
{
    CurrentItem = ItemCount() >= 1 ? 1 : 0;
    clearDescriptionColours(ui->RichDescr);
    ReloadItemList();
    ui->Heading->show();
    setHeadingText(ui->Cmb_Item->currentText());
    ui->Btn_Search->setText(QStringLiteral("Search"));
    RefreshItemCounter();
    if (!focusSearchBox)
        ui->Cmb_Item->setFocus();
    ui->Cmb_Item->setEditable(true);
    RestoreEditMode();
    ui->RichDescr->setReadOnly(false);
    ui->RedTranslation->setReadOnly(false);
    ShowFormatBar();
    EnableFormatBar();
    ui->BtnExpandReduce->setEnabled(true);
    if (focusSearchBox) {
        ui->EdtSearch->clear();
        ui->EdtSearch->setFocus();
    }
}

void TForm1::ChkWholeClick()
{
    if (listSearchMode())
        RunListSearch();
    else
        ui->EdtSearch->setFocus();
}

void TForm1::EdtSearchClick()
{
    if (ui->EdtSearch->text() == placeholder)
        ui->EdtSearch->clear();
}

void TForm1::EdtSearchEnter() { collapseNotesSelection(); }

bool TForm1::EdtSearchKeyDown(QKeyEvent *event)
{
    if (ui->PnlHideBottomHalf->isVisible())
        return false;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !listSearchMode() && ui->Panel->isHidden())
        Btn_SearchClick();
    if (key == Qt::Key_Escape)
        EscapeKey();
    if (key == Qt::Key_Delete && listSearchMode())
        EndListSearchFromSearchBox();
    return false;
}

bool TForm1::EdtSearchKeyPress(QKeyEvent *event)
{
    // The character itself then goes into the emptied box and starts a new search text.
    if (listSearchMode() && isChangeCharacter(event->text()))
        EndListSearchFromSearchBox();
    return false;
}
