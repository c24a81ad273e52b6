#include "mainwindow/itemediting.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/tform1.h"
#include "mainwindow/typedchange.h"
#include "platform/guard.h"
#include "platform/trackedtextedit.h"
#include "store/spionic.h"
#include "ui_tform1.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int MinDescriptionPoints = 8;
constexpr int MaxDescriptionPoints = 24;

int pointsOf(const QFont &font) { return font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 0.75); }

void setPoints(QWidget *w, int points)
{
    QFont f = w->font();
    f.setPointSize(points);
    w->setFont(f);
}
} // namespace

ItemEditing::ItemEditing(MainContext &context) : QObject(context.form), c(context)
{
    Ui::TForm1 *ui = c.ui;
    connectGuarded(ui->Cmb_Item, &QComboBox::activated, this, &ItemEditing::Cmb_ItemClick);
    connectGuarded(ui->Cmb_Item, &DropDownCombo::closeUp, this, &ItemEditing::Cmb_ItemCloseUp);
    connectGuarded(ui->Cmb_Item, &DropDownCombo::doubleClicked, this, &ItemEditing::Cmb_ItemDblClick);
    // Every edit the user makes counts, whatever way it comes: typed, pasted, cut, dropped.
    connectGuarded(ui->Cmb_Item, &DropDownCombo::textEdited, this, &ItemEditing::Cmb_ItemTextEdited);
    connectGuarded(ui->RichDescr, &TrackedTextEdit::userEdited, this, &ItemEditing::RichDescrUserEdited);
    connectGuarded(ui->BtnRichdescrFontIncrease, &QPushButton::clicked, this, &ItemEditing::BtnRichdescrFontIncreaseClick);
    connectGuarded(ui->BtnRichdescrFontDecrease, &QPushButton::clicked, this, &ItemEditing::BtnRichdescrFontDecreaseClick);
    // Focus, double clicks, mouse presses and the pointer entering reach the handlers through
    // this filter.
    for (QObject *o : std::initializer_list<QObject *>{ui->Cmb_Item, ui->RichDescr, ui->RichDescr->viewport(),
                                                       ui->BtnRichdescrFontIncrease, ui->BtnRichdescrFontDecrease})
        o->installEventFilter(this);
}

bool ItemEditing::eventFilter(QObject *watched, QEvent *event)
{
    Ui::TForm1 *ui = c.ui;
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
    return QObject::eventFilter(watched, event);
}

void ItemEditing::Cmb_ItemClick()
{
    Ui::TForm1 *ui = c.ui;
    c.lastEditBox = EditBox::Item;
    c.form->collapseNotesSelection();
    const int row = ui->Cmb_Item->currentIndex();
    if (row < 0)
        return;
    c.form->setHeadingText(ui->Cmb_Item->currentText());
    ui->RichDescr->clear();
    if (c.mode.listSearch()) {
        c.search->ShowListHit();
    } else {
        c.session.setCurrentItem(row + 1);
        c.mode.editing = false;
        c.area->setUpDownByRule(row + 1);
        ui->RichDescr->showPlainText(c.session.item(row + 1).Description);
        // Browsing to an item ends an edit: Remove works again, as after a pick in the list.
        ui->BtnDel->setEnabled(true);
    }
    ui->BtnIns->setEnabled(false);
    c.area->RefreshItemCounter();
}

void ItemEditing::Cmb_ItemCloseUp()
{
    if (c.mode.normal())
        c.ui->BtnDel->setEnabled(true);
    c.ui->EdtSearch->setEnabled(true);
    c.ui->ChkWhole->setEnabled(true);
    c.ui->Btn_Search->setEnabled(true);
}

void ItemEditing::Cmb_ItemEnter() { c.form->collapseNotesSelection(); }

void ItemEditing::Cmb_ItemDblClick()
{
    Ui::TForm1 *ui = c.ui;
    const QList<QWidget *> shortRow = {ui->PnlTop1, ui->PnlTop2, ui->BtnIns, ui->BtnDel, ui->BtnMaster};
    c.mode.itemWidthStep = (c.mode.itemWidthStep + 1) % 3;
    c.form->showMode();
    if (c.mode.itemWidthStep == 1) {
        for (QWidget *w : shortRow)
            w->hide();
        c.form->setHeadingMaxWidth(720);
        if (!ui->Heading->text().isEmpty())
            c.form->setHeadingText(ui->Cmb_Item->currentText());
    } else if (c.mode.itemWidthStep == 2) {
        ui->BtnSave->hide();
        ui->ImgHelp->hide();
    } else {
        for (QWidget *w : shortRow)
            w->show();
        ui->BtnSave->show();
        ui->ImgHelp->show();
        c.form->setHeadingMaxWidth(575);
    }
    c.lastEditBox = EditBox::Item;
}

bool ItemEditing::Cmb_ItemKeyPress(QKeyEvent *event)
{
    Ui::TForm1 *ui = c.ui;
    Q_UNUSED(ui);
    if (isChangeCharacter(event->text()) && c.mode.normal())
        startItemEdit();
    return false;
}

void ItemEditing::startItemEdit()
{
    Ui::TForm1 *ui = c.ui;
    c.area->LockSearchWhileEditing();
    c.form->setHeadingText(QString());
    for (QWidget *w : std::initializer_list<QWidget *>{ui->RadioGreek, ui->RadioLatin, ui->BtnSwopUp, ui->BtnSwopDown})
        w->setEnabled(false);
    ui->BtnIns->setEnabled(true);
    c.mode.editing = true;
    c.area->MarkListModified();
    ui->BtnDel->setEnabled(false);
    c.lastEditBox = EditBox::Item;
}

void ItemEditing::Cmb_ItemTextEdited()
{
    if (!c.mode.normal() || !c.mode.listOpen())
        return;
    QLineEdit *edit = c.ui->Cmb_Item->lineEdit();
    // Greek typed or pasted in Unicode is kept as the keys that draw it, so what is shown is
    // what is saved.
    const QString text = edit->text();
    if (c.session.isGreek() && store::containsGreekToConvert(text)) {
        const int cursor = edit->cursorPosition();
        const QString converted = store::unicodeToSpionic(text);
        edit->setText(converted);
        edit->setCursorPosition(int(store::unicodeToSpionic(QStringView(text).left(cursor)).size()));
    }
    startItemEdit();
}

bool ItemEditing::Cmb_ItemKeyDown(QKeyEvent *event)
{
    Ui::TForm1 *ui = c.ui;
    if (ui->PnlHideBottomHalf->isVisible() || !c.mode.normal())
        return false;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    bool swallow = false;
    if (key == Qt::Key_Delete && ui->RichDescr->toPlainText().size() >= 2) {
        c.form->setHeadingText(QString());
        ui->BtnIns->setEnabled(true);
        c.mode.editing = true;
        c.area->MarkListModified();
        ui->BtnDel->setEnabled(false);
    }
    if (key == Qt::Key_F12 && pointsOf(ui->Cmb_Item->font()) < 20) {
        setPoints(ui->Cmb_Item, pointsOf(ui->Cmb_Item->font()) + 1);
        setPoints(ui->Heading, pointsOf(ui->Heading->font()) + 1);
        c.form->setHeadingText(ui->Heading->text());
    }
    if (key == Qt::Key_F11 && pointsOf(ui->Cmb_Item->font()) > 8) {
        setPoints(ui->Cmb_Item, pointsOf(ui->Cmb_Item->font()) - 1);
        setPoints(ui->Heading, pointsOf(ui->Heading->font()) - 1);
        c.form->setHeadingText(ui->Heading->text());
    }
    // Ctrl+S, Ctrl+U and Ctrl+D are the program's: the text box must not act on them as well.
    if (ctrl && key == Qt::Key_S) {
        c.commands->BtnSaveClick();
        swallow = true;
    }
    if (ctrl && runMoveKey(key))
        swallow = true;
    if (key == Qt::Key_Escape) {
        const VocabItem *item = c.session.current();
        if (!item)
            return false;
        const QString headword = item->Item;
        ui->Cmb_Item->setEditText(headword);
        c.form->setHeadingText(headword);
        ui->Cmb_Item->lineEdit()->selectAll();
        ui->BtnIns->setEnabled(false);
        if (c.session.itemCount() >= 1)
            ui->BtnDel->setEnabled(true);
        ui->EdtSearch->setEnabled(true);
        ui->ChkWhole->setEnabled(true);
        ui->Btn_Search->setEnabled(true);
        c.area->setUpDownByRule(c.session.currentItem());
    }
    c.lastEditBox = EditBox::Item;
    return swallow;
}

bool ItemEditing::runMoveKey(int key)
{
    if (key == Qt::Key_U) {
        if (c.ui->BtnSwopUp->isEnabled())
            c.commands->BtnSwopUpClick();
        return true;
    }
    if (key == Qt::Key_D) {
        if (c.ui->BtnSwopDown->isEnabled())
            c.commands->BtnSwopDownClick();
        return true;
    }
    return false;
}

void ItemEditing::RichDescrEnter()
{
    c.form->collapseNotesSelection();
    const QString text = c.ui->RichDescr->toPlainText();
    const QString cut = store::cutAtLineBreak(text);
    if (cut != text)
        c.ui->RichDescr->showPlainText(cut);
    c.ui->RichDescr->selectAll();
}

void ItemEditing::RichDescrClick() { c.lastEditBox = EditBox::Description; }

bool ItemEditing::RichDescrKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return true; // no line break can be typed
    if (isChangeCharacter(event->text()) && c.mode.normal())
        startDescriptionEdit();
    return false;
}

void ItemEditing::startDescriptionEdit()
{
    c.area->LockSearchWhileEditing();
    c.mode.editing = true;
    c.area->MarkListModified();
    c.lastEditBox = EditBox::Description;
    c.ui->BtnDel->setEnabled(c.session.itemCount() >= 1);
}

void ItemEditing::RichDescrUserEdited()
{
    if (c.mode.normal() && c.mode.listOpen() && !c.ui->RichDescr->isReadOnly())
        startDescriptionEdit();
}

bool ItemEditing::RichDescrKeyDown(QKeyEvent *event)
{
    Ui::TForm1 *ui = c.ui;
    if (ui->PnlHideBottomHalf->isVisible())
        return false;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    bool swallow = false;
    if (key == Qt::Key_Delete && c.mode.normal()) {
        c.mode.editing = true;
        c.area->MarkListModified();
        ui->BtnDel->setEnabled(c.session.itemCount() >= 1);
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        swallow = true;
    if (ctrl && key == Qt::Key_S) {
        ui->Cmb_Item->setFocus();
        if (ui->BtnSave->isEnabled())
            c.commands->BtnSaveClick();
        swallow = true;
    }
    if (ctrl && runMoveKey(key))
        swallow = true;
    c.lastEditBox = EditBox::Description;
    return swallow;
}

void ItemEditing::RichDescrDblClick()
{
    c.mode.descrWidthStep = (c.mode.descrWidthStep + 1) % 2;
    c.form->showMode();
    c.ui->BtnSelfTest->setVisible(c.mode.descrWidthStep == 0);
    c.ui->Cmb_Item->setFocus();
    c.ui->RichDescr->setFocus();
    c.lastEditBox = EditBox::Description;
}

void ItemEditing::RichDescrMouseDown()
{
    QTextEdit *box = c.ui->RichDescr;
    const qreal size = box->currentCharFormat().font().pointSizeF();
    box->setToolTip(box->hasFocus() ? QString::number(qRound(size > 0 ? size : pointsOf(box->font()))) : QString());
}

void ItemEditing::RichDescrMouseUp() { c.ui->RichDescr->setToolTip(QString()); }
void ItemEditing::RichDescrMouseEnter() { c.ui->RichDescr->setToolTip(QString()); }

void ItemEditing::refreshDescriptionSizeButtons()
{
    const int size = pointsOf(c.ui->RichDescr->font());
    c.ui->BtnRichdescrFontIncrease->setEnabled(size < MaxDescriptionPoints);
    c.ui->BtnRichdescrFontDecrease->setEnabled(size > MinDescriptionPoints);
}

void ItemEditing::stepDescriptionSize(int step)
{
    Ui::TForm1 *ui = c.ui;
    QPushButton *button = step > 0 ? ui->BtnRichdescrFontIncrease : ui->BtnRichdescrFontDecrease;
    // The limit is checked before the step: a button at its limit does nothing.
    const int size = pointsOf(ui->RichDescr->font()) + step;
    if (size >= MinDescriptionPoints && size <= MaxDescriptionPoints)
        setPoints(ui->RichDescr, size);
    refreshDescriptionSizeButtons();
    ui->Cmb_Item->setFocus();
    button->setToolTip(QStringLiteral("Size = %1").arg(pointsOf(ui->RichDescr->font())));
}

void ItemEditing::BtnRichdescrFontIncreaseClick() { stepDescriptionSize(+1); }
void ItemEditing::BtnRichdescrFontDecreaseClick() { stepDescriptionSize(-1); }
