#include "mainwindow/itemeditor.h"

#include "mainwindow/focusentry.h"
#include "mainwindow/itemview.h"
#include "mainwindow/typedchange.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/trackedtextedit.h"
#include "session/listdocument.h"
#include "store/spionic.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

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

ItemEditor::ItemEditor(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets,
                       QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_view(view), w(widgets)
{
    connectGuarded(w.itemBox, &QComboBox::activated, this, &ItemEditor::pickItem);
    connectGuarded(w.itemBox, &DropDownCombo::closeUp, this, &ItemEditor::itemListClosed);
    connectGuarded(w.itemBox, &DropDownCombo::doubleClicked, this, &ItemEditor::toggleItemBoxWidth);
    // Every edit the user makes counts, whatever way it comes: typed, pasted, cut, dropped, or
    // run from a context menu.
    connectGuarded(w.itemBox, &DropDownCombo::textEdited, this, &ItemEditor::itemBoxEdited);
    connectGuarded(w.descriptionBox, &TrackedTextEdit::userEdited, this, &ItemEditor::descriptionEdited);
    connectGuarded(w.descriptionBigger, &QPushButton::clicked, this, [this] { stepDescriptionSize(+1); });
    connectGuarded(w.descriptionSmaller, &QPushButton::clicked, this, [this] { stepDescriptionSize(-1); });
    // Focus, double clicks, mouse presses and the pointer entering reach the handlers here.
    for (QObject *o : std::initializer_list<QObject *>{w.itemBox, w.descriptionBox, w.descriptionBox->viewport(),
                                                       w.descriptionBigger, w.descriptionSmaller})
        o->installEventFilter(this);
}

bool ItemEditor::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    guarded([&] {
        if (watched == w.itemBox && entersControl(event))
            emit commandStarting();
        else if (watched == w.descriptionBox && entersControl(event))
            enterDescription();
        else if (watched == w.descriptionBox->viewport()) {
            if (t == QEvent::MouseButtonPress)
                showDescriptionSizeHint();
            else if (t == QEvent::MouseButtonRelease) {
                w.descriptionBox->setToolTip(QString());
                m_state.setLastEditBox(EditBox::Description);
            } else if (t == QEvent::MouseButtonDblClick)
                toggleDescriptionWidth();
            else if (t == QEvent::Enter)
                w.descriptionBox->setToolTip(QString());
        } else if (t == QEvent::Enter && watched == w.descriptionBigger)
            w.descriptionBigger->setToolTip(QStringLiteral("Increase font size"));
        else if (t == QEvent::Enter && watched == w.descriptionSmaller)
            w.descriptionSmaller->setToolTip(QStringLiteral("Decrease font size"));
    });
    return QObject::eventFilter(watched, event);
}

void ItemEditor::pickItem()
{
    m_state.setLastEditBox(EditBox::Item);
    emit commandStarting();
    const int row = w.itemBox->currentIndex();
    if (row < 0)
        return;
    m_view.setHeading(w.itemBox->currentText());
    if (m_state.mode().listSearch()) {
        emit showHitRequested();
    } else {
        m_document.list().setCurrentItem(row + 1);
        m_view.showDescription(m_document.list().item(row + 1).Description);
    }
    // A pick ends an edit: Remove, the search and the moves work again.
    m_state.endEdit();
    m_view.refreshCounter(m_state.mode());
}

void ItemEditor::itemListClosed()
{
    EditState edit = m_state.edit();
    edit.itemListClosed();
    m_state.setEdit(edit);
}

void ItemEditor::toggleItemBoxWidth()
{
    MainMode mode = m_state.mode();
    mode.itemWidthStep = (mode.itemWidthStep + 1) % 3;
    m_state.setMode(mode);
    if (mode.itemWidthStep == 1) {
        m_view.setHeadingMaxWidth(720);
        if (!m_view.headingText().isEmpty())
            m_view.setHeading(w.itemBox->currentText());
    } else if (mode.itemWidthStep == 0) {
        m_view.setHeadingMaxWidth(575);
    }
    m_state.setLastEditBox(EditBox::Item);
}

bool ItemEditor::itemBoxKeyPress(QKeyEvent *event)
{
    if (isChangeCharacter(event->text()) && m_state.mode().normal())
        typedInItemBox();
    return false;
}

void ItemEditor::typedInItemBox()
{
    m_view.setHeading(QString());
    EditState edit = m_state.edit();
    edit.typedInItemBox();
    m_state.setEdit(edit);
    m_document.noteUnstoredEdit();
    m_state.setLastEditBox(EditBox::Item);
}

void ItemEditor::itemBoxEdited()
{
    if (!m_state.mode().normal() || !m_state.mode().listOpen())
        return;
    QLineEdit *edit = w.itemBox->lineEdit();
    // Greek typed or pasted in Unicode is kept as the keys that draw it, so what is shown is
    // what is saved.
    const QString text = edit->text();
    if (m_document.list().isGreek() && store::containsGreekToConvert(text)) {
        const int cursor = edit->cursorPosition();
        edit->setText(store::unicodeToSpionic(text));
        edit->setCursorPosition(int(store::unicodeToSpionic(QStringView(text).left(cursor)).size()));
    }
    typedInItemBox();
}

bool ItemEditor::itemBoxKeyDown(QKeyEvent *event)
{
    const MainMode &mode = m_state.mode();
    if (mode.updateMode || !mode.normal())
        return false;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    bool swallow = false;
    if (key == Qt::Key_Delete && w.descriptionBox->toPlainText().size() >= 2) {
        m_view.setHeading(QString());
        EditState edit = m_state.edit();
        edit.deletedInItemBox();
        m_state.setEdit(edit);
        m_document.noteUnstoredEdit();
    }
    const int points = pointsOf(w.itemBox->font());
    if ((key == Qt::Key_F12 && points < 20) || (key == Qt::Key_F11 && points > 8)) {
        const int step = key == Qt::Key_F12 ? +1 : -1;
        // The heading keeps its distance of 8 points from the item box.
        setPoints(w.itemBox, points + step);
        m_view.stepHeadingPoints(step);
    }
    // Ctrl+S, Ctrl+U and Ctrl+D are the program's: the text box must not act on them as well.
    if (ctrl && key == Qt::Key_S) {
        emit saveRequested();
        swallow = true;
    }
    if (ctrl && runMoveKey(key))
        swallow = true;
    if (key == Qt::Key_Escape) {
        const VocabItem *item = m_document.list().current();
        if (!item)
            return false;
        const QString headword = item->Item;
        w.itemBox->setEditText(headword);
        m_view.setHeading(headword);
        w.itemBox->lineEdit()->selectAll();
        m_state.endEdit();
    }
    m_state.setLastEditBox(EditBox::Item);
    return swallow;
}

bool ItemEditor::runMoveKey(int key)
{
    if (key != Qt::Key_U && key != Qt::Key_D)
        return false;
    emit moveRequested(key == Qt::Key_U ? -1 : +1);
    return true;
}

void ItemEditor::enterDescription()
{
    emit commandStarting();
    const QString text = w.descriptionBox->toPlainText();
    const QString cut = store::cutAtLineBreak(text);
    if (cut != text)
        w.descriptionBox->showPlainText(cut);
    w.descriptionBox->selectAll();
}

bool ItemEditor::descriptionKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return true; // no line break can be typed
    if (isChangeCharacter(event->text()) && m_state.mode().normal())
        typedInDescription();
    return false;
}

void ItemEditor::typedInDescription()
{
    EditState edit = m_state.edit();
    edit.typedInDescription();
    m_state.setEdit(edit);
    m_document.noteUnstoredEdit();
    m_state.setLastEditBox(EditBox::Description);
}

void ItemEditor::descriptionEdited()
{
    if (m_state.mode().normal() && m_state.mode().listOpen() && !w.descriptionBox->isReadOnly())
        typedInDescription();
}

bool ItemEditor::descriptionKeyDown(QKeyEvent *event)
{
    if (m_state.mode().updateMode)
        return false;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    bool swallow = false;
    if (key == Qt::Key_Delete && m_state.mode().normal()) {
        EditState edit = m_state.edit();
        edit.deletedInDescription();
        m_state.setEdit(edit);
        m_document.noteUnstoredEdit();
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        swallow = true;
    if (ctrl && key == Qt::Key_S) {
        w.itemBox->setFocus();
        emit offeredSaveRequested();
        swallow = true;
    }
    if (ctrl && runMoveKey(key))
        swallow = true;
    m_state.setLastEditBox(EditBox::Description);
    return swallow;
}

void ItemEditor::toggleDescriptionWidth()
{
    MainMode mode = m_state.mode();
    mode.descrWidthStep = (mode.descrWidthStep + 1) % 2;
    m_state.setMode(mode);
    w.itemBox->setFocus();
    w.descriptionBox->setFocus();
    m_state.setLastEditBox(EditBox::Description);
}

void ItemEditor::showDescriptionSizeHint()
{
    TrackedTextEdit *box = w.descriptionBox;
    const qreal size = box->currentCharFormat().font().pointSizeF();
    box->setToolTip(box->hasFocus() ? QString::number(qRound(size > 0 ? size : pointsOf(box->font()))) : QString());
}

int ItemEditor::descriptionPoints() const { return pointsOf(w.descriptionBox->font()); }

void ItemEditor::stepDescriptionSize(int step)
{
    QPushButton *button = step > 0 ? w.descriptionBigger : w.descriptionSmaller;
    // The limit is checked before the step: a button at its limit does nothing.
    const int size = descriptionPoints() + step;
    if (size >= MinDescriptionPoints && size <= MaxDescriptionPoints)
        setPoints(w.descriptionBox, size);
    emit descriptionPointsChanged();
    w.itemBox->setFocus();
    button->setToolTip(QStringLiteral("Size = %1").arg(descriptionPoints()));
}
