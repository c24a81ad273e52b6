// The item box and the description box: browsing the list and editing the current item.
#include "app/tform1.h"

#include "mainwindow/textcut.h"
#include "platform/guard.h"
#include "ui_tform1.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
int pointsOf(const QFont &font) { return font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 0.75); }

void setPoints(QWidget *w, int points)
{
    QFont f = w->font();
    f.setPointSize(points);
    w->setFont(f);
}

} // namespace

void TForm1::connectItemHandlers()
{
    auto on = [this](auto *sender, auto signal, void (TForm1::*handler)()) { connectGuarded(sender, signal, handler); };
    on(ui->Cmb_Item, &QComboBox::activated, &TForm1::Cmb_ItemClick);
    on(ui->Cmb_Item, &DropDownCombo::closeUp, &TForm1::Cmb_ItemCloseUp);
    on(ui->BtnRichdescrFontIncrease, &QPushButton::clicked, &TForm1::BtnRichdescrFontIncreaseClick);
    on(ui->BtnRichdescrFontDecrease, &QPushButton::clicked, &TForm1::BtnRichdescrFontDecreaseClick);
    on(ui->BtnIns, &QPushButton::clicked, &TForm1::BtnInsClick);
    on(ui->BtnDel, &QPushButton::clicked, &TForm1::BtnDelClick);
    on(ui->BtnSwopUp, &QPushButton::clicked, &TForm1::BtnSwopUpClick);
    on(ui->BtnSwopDown, &QPushButton::clicked, &TForm1::BtnSwopDownClick);
    on(ui->BtnMaster, &QPushButton::clicked, &TForm1::BtnMasterClick);
    // Every change of the notes is unsaved work (loading and emptying them block this signal).
    on(ui->RedTranslation, &QTextEdit::textChanged, &TForm1::MarkListModified);
    // Focus, double clicks, mouse presses and the pointer entering reach the handlers through
    // the window's event filter.
    for (QObject *o : std::initializer_list<QObject *>{ui->Cmb_Item, ui->RichDescr, ui->RichDescr->viewport(),
                                                       ui->BtnRichdescrFontIncrease, ui->BtnRichdescrFontDecrease})
        o->installEventFilter(this);
    on(ui->Cmb_Item, &DropDownCombo::doubleClicked, &TForm1::Cmb_ItemDblClick);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    guarded([&] {
        if (watched == ui->Cmb_Item && t == QEvent::FocusIn)
            Cmb_ItemEnter();
        else if (watched == ui->RichDescr && t == QEvent::FocusIn)
            RichDescrEnter();
        else if (watched == ui->RichDescr->viewport()) {
            if (t == QEvent::MouseButtonPress)
                RichDescrMouseDown();
            else if (t == QEvent::MouseButtonRelease) {
                RichDescrMouseUp();
                RichDescrClick();
            } else if (t == QEvent::MouseButtonDblClick)
                RichDescrDblClick();
            else if (t == QEvent::Enter)
                RichDescrMouseEnter();
        } else if (t == QEvent::Enter && watched == ui->BtnRichdescrFontIncrease)
            ui->BtnRichdescrFontIncrease->setToolTip(QStringLiteral("Increase font size"));
        else if (t == QEvent::Enter && watched == ui->BtnRichdescrFontDecrease)
            ui->BtnRichdescrFontDecrease->setToolTip(QStringLiteral("Decrease font size"));
    });
    return QWidget::eventFilter(watched, event);
}

void TForm1::Cmb_ItemClick()
{
    LastEditBox = EditBox::Item;
    collapseNotesSelection();
    CurrentItem = ui->Cmb_Item->currentIndex() + 1;
    if (CurrentItem == 0)
        return;
    setHeadingText(ui->Cmb_Item->currentText());
    ui->RichDescr->clear();
    if (listSearchMode()) {
        ShowListHit();
    } else {
        setUpDownByRule(CurrentItem);
        ui->RichDescr->setPlainText(ItemTable.at(CurrentItem - 1).Description);
        // Browsing to an item ends an edit: Remove works again, as after a pick in the list.
        ui->BtnDel->setEnabled(true);
    }
    ui->BtnIns->setEnabled(false);
    RefreshItemCounter();
}

void TForm1::Cmb_ItemCloseUp()
{
    if (normalMode())
        ui->BtnDel->setEnabled(true);
    ui->EdtSearch->setEnabled(true);
    ui->ChkWhole->setEnabled(true);
    ui->Btn_Search->setEnabled(true);
}

void TForm1::Cmb_ItemEnter() { collapseNotesSelection(); }

void TForm1::Cmb_ItemDblClick()
{
    const int width = ui->Cmb_Item->width();
    const QList<QWidget *> shortRow = {ui->PnlTop1, ui->PnlTop2, ui->BtnIns, ui->BtnDel, ui->BtnMaster};
    if (width == 215) {
        ui->Cmb_Item->resize(577, ui->Cmb_Item->height());
        for (QWidget *w : shortRow)
            w->hide();
        m_headingMaxWidth = 720;
        if (!ui->Heading->text().isEmpty()) {
            setHeadingText(QString());
            setHeadingText(ui->Cmb_Item->currentText());
        }
    } else if (width == 577) {
        ui->Cmb_Item->resize(724, ui->Cmb_Item->height());
        ui->BtnSave->hide();
        ui->ImgHelp->hide();
    } else {
        ui->Cmb_Item->resize(215, ui->Cmb_Item->height());
        for (QWidget *w : shortRow)
            w->show();
        ui->BtnSave->show();
        ui->ImgHelp->show();
        setHeadingMaxWidth(575);
    }
    LastEditBox = EditBox::Item;
}

bool TForm1::Cmb_ItemKeyPress(QKeyEvent *event)
{
    if (!isChangeCharacter(event->text()) || !normalMode())
        return false;
    LockSearchWhileEditing();
    setHeadingText(QString());
    for (QWidget *w : std::initializer_list<QWidget *>{ui->RadioGreek, ui->RadioLatin, ui->BtnSwopUp, ui->BtnSwopDown})
        w->setEnabled(false);
    ui->BtnIns->setEnabled(true);
    MarkListModified();
    ui->BtnDel->setEnabled(false);
    LastEditBox = EditBox::Item;
    return false;
}

bool TForm1::Cmb_ItemKeyDown(QKeyEvent *event)
{
    if (ui->PnlHideBottomHalf->isVisible() || !normalMode())
        return false;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    bool swallow = false;
    if (key == Qt::Key_Delete && ui->RichDescr->toPlainText().size() >= 2) {
        setHeadingText(QString());
        ui->BtnIns->setEnabled(true);
        MarkListModified();
        ui->BtnDel->setEnabled(false);
    }
    if (key == Qt::Key_F12 && pointsOf(ui->Cmb_Item->font()) < 20) {
        setPoints(ui->Cmb_Item, pointsOf(ui->Cmb_Item->font()) + 1);
        setPoints(ui->Heading, pointsOf(ui->Heading->font()) + 1);
        setHeadingText(ui->Heading->text());
    }
    if (key == Qt::Key_F11 && pointsOf(ui->Cmb_Item->font()) > 8) {
        setPoints(ui->Cmb_Item, pointsOf(ui->Cmb_Item->font()) - 1);
        setPoints(ui->Heading, pointsOf(ui->Heading->font()) - 1);
        setHeadingText(ui->Heading->text());
    }
    // Ctrl+S, Ctrl+U and Ctrl+D are the program's: the text box must not act on them as well.
    if (ctrl && key == Qt::Key_S) {
        BtnSaveClick();
        swallow = true;
    }
    if (ctrl && runMoveKey(key))
        swallow = true;
    if (key == Qt::Key_Escape) {
        if (CurrentItem == 0)
            return false;
        const QString headword = ItemTable.at(CurrentItem - 1).Item;
        ui->Cmb_Item->setEditText(headword);
        setHeadingText(headword);
        ui->Cmb_Item->lineEdit()->selectAll();
        ui->BtnIns->setEnabled(false);
        if (ItemCount() >= 1)
            ui->BtnDel->setEnabled(true);
        ui->EdtSearch->setEnabled(true);
        ui->ChkWhole->setEnabled(true);
        ui->Btn_Search->setEnabled(true);
        setUpDownByRule(CurrentItem);
    }
    LastEditBox = EditBox::Item;
    return swallow;
}

bool TForm1::runMoveKey(int key)
{
    if (key == Qt::Key_U) {
        if (ui->BtnSwopUp->isEnabled())
            BtnSwopUpClick();
        return true;
    }
    if (key == Qt::Key_D) {
        if (ui->BtnSwopDown->isEnabled())
            BtnSwopDownClick();
        return true;
    }
    return false;
}

void TForm1::RichDescrEnter()
{
    collapseNotesSelection();
    const QString text = ui->RichDescr->toPlainText();
    const QString cut = cutAtLineBreak(text);
    if (cut != text)
        ui->RichDescr->setPlainText(cut);
    ui->RichDescr->selectAll();
}

void TForm1::RichDescrClick() { LastEditBox = EditBox::Description; }

bool TForm1::RichDescrKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return true; // no line break can be typed
    if (isChangeCharacter(event->text()) && normalMode()) {
        LockSearchWhileEditing();
        MarkListModified();
        LastEditBox = EditBox::Description;
        ui->BtnDel->setEnabled(ItemCount() >= 1);
    }
    return false;
}

bool TForm1::RichDescrKeyDown(QKeyEvent *event)
{
    if (ui->PnlHideBottomHalf->isVisible())
        return false;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    bool swallow = false;
    if (key == Qt::Key_Delete && normalMode()) {
        MarkListModified();
        ui->BtnDel->setEnabled(ItemCount() >= 1);
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        swallow = true;
    if (ctrl && key == Qt::Key_S) {
        ui->Cmb_Item->setFocus();
        if (ui->BtnSave->isEnabled())
            BtnSaveClick();
        swallow = true;
    }
    if (ctrl && runMoveKey(key))
        swallow = true;
    LastEditBox = EditBox::Description;
    return swallow;
}

void TForm1::RichDescrDblClick()
{
    if (ui->RichDescr->width() == 577) {
        ui->RichDescr->resize(722, ui->RichDescr->height());
        ui->BtnSelfTest->hide();
    } else {
        ui->RichDescr->resize(577, ui->RichDescr->height());
        ui->BtnSelfTest->show();
    }
    ui->Cmb_Item->setFocus();
    ui->RichDescr->setFocus();
    LastEditBox = EditBox::Description;
}

void TForm1::RichDescrMouseDown()
{
    ui->RichDescr->setToolTip(ui->RichDescr->hasFocus()
                                  ? QString::number(qRound(ui->RichDescr->currentCharFormat().font().pointSizeF() > 0
                                                               ? ui->RichDescr->currentCharFormat().font().pointSizeF()
                                                               : pointsOf(ui->RichDescr->font())))
                                  : QString());
}

void TForm1::RichDescrMouseUp() { ui->RichDescr->setToolTip(QString()); }
void TForm1::RichDescrMouseEnter() { ui->RichDescr->setToolTip(QString()); }

void TForm1::BtnRichdescrFontIncreaseClick()
{
    ui->BtnRichdescrFontDecrease->setEnabled(true);
    const int size = pointsOf(ui->RichDescr->font()) + 1;
    setPoints(ui->RichDescr, size);
    if (size > 23)
        ui->BtnRichdescrFontIncrease->setEnabled(false);
    ui->Cmb_Item->setFocus();
    ui->BtnRichdescrFontIncrease->setToolTip(QStringLiteral("Size = %1").arg(size));
}

void TForm1::BtnRichdescrFontDecreaseClick()
{
    ui->BtnRichdescrFontIncrease->setEnabled(true);
    const int size = pointsOf(ui->RichDescr->font()) - 1;
    setPoints(ui->RichDescr, size);
    if (size < 9)
        ui->BtnRichdescrFontDecrease->setEnabled(false);
    ui->Cmb_Item->setFocus();
    ui->BtnRichdescrFontDecrease->setToolTip(QStringLiteral("Size = %1").arg(size));
}
