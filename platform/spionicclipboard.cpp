#include "platform/spionicclipboard.h"

#include "platform/spionicmime.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

SpionicClipboard::SpionicClipboard(QObject *parent) : QObject(parent) {}

void SpionicClipboard::watch(QLineEdit *edit)
{
    if (edit == m_edit)
        return;
    if (m_edit)
        m_edit->removeEventFilter(this);
    m_edit = edit;
    m_pressedInSelection.reset();
    if (m_edit)
        m_edit->installEventFilter(this);
}

QMimeData *SpionicClipboard::createMimeDataFromSelection() const
{
    const QString selected = m_edit ? m_edit->selectedText() : QString();
    if (m_active)
        return spionicmime::fromKeys(selected);
    auto *data = new QMimeData;
    data->setText(selected);
    return data;
}

void SpionicClipboard::copy()
{
    if (m_edit->hasSelectedText() && m_edit->echoMode() == QLineEdit::Normal)
        QApplication::clipboard()->setMimeData(createMimeDataFromSelection());
}

void SpionicClipboard::cut()
{
    if (m_edit->isReadOnly() || !m_edit->hasSelectedText() || m_edit->echoMode() != QLineEdit::Normal)
        return;
    copy();
    m_edit->del(); // an edit of the user's, reported by textEdited()
}

void SpionicClipboard::paste()
{
    if (m_edit->isReadOnly())
        return;
    if (const std::optional<QString> keys = spionicmime::keysIn(QApplication::clipboard()->mimeData()))
        m_edit->insert(*keys);
    else
        m_edit->paste();
}

// The line edit's own menu, its Cut, Copy and Paste ours. They are told by the shortcut their
// text shows, which no translation changes.
void SpionicClipboard::showContextMenu(const QContextMenuEvent *event)
{
    QMenu *menu = m_edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::pair<QKeySequence::StandardKey, void (SpionicClipboard::*)()> entries[] = {
        {QKeySequence::Cut, &SpionicClipboard::cut},
        {QKeySequence::Copy, &SpionicClipboard::copy},
        {QKeySequence::Paste, &SpionicClipboard::paste}};
    for (QAction *action : menu->actions()) {
        const QString shortcut = action->text().section(u'\t', 1);
        for (const auto &[key, run] : entries)
            if (!shortcut.isEmpty() && shortcut == QKeySequence(key).toString(QKeySequence::NativeText)) {
                disconnect(action, &QAction::triggered, m_edit, nullptr);
                connect(action, &QAction::triggered, this, [this, run = run] {
                    if (m_edit)
                        (this->*run)();
                });
            }
    }
    menu->popup(event->globalPos());
}

void SpionicClipboard::startDrag()
{
    auto *drag = new QDrag(m_edit);
    drag->setMimeData(createMimeDataFromSelection());
    const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    // A move into the box itself is done by the box's own drop.
    if (m_edit && action == Qt::MoveAction && drag->target() != m_edit && !m_edit->isReadOnly())
        m_edit->del();
}

// A drop of keys the program copied: the keys go in, the way the box takes any dropped text.
bool SpionicClipboard::drop(QDropEvent *event)
{
    const std::optional<QString> keys = spionicmime::keysIn(event->mimeData());
    if (!keys)
        return false;
    QMimeData text;
    text.setText(*keys);
    QDropEvent keysDrop(event->position(), event->possibleActions(), &text, event->buttons(), event->modifiers());
    keysDrop.setDropAction(event->dropAction());
    QApplication::sendEvent(m_edit, &keysDrop);
    event->setDropAction(keysDrop.dropAction());
    event->setAccepted(keysDrop.isAccepted());
    return true;
}

bool SpionicClipboard::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_active || watched != m_edit || m_edit->echoMode() != QLineEdit::Normal)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy))
            copy();
        else if (key->matches(QKeySequence::Cut))
            cut();
        else if (key->matches(QKeySequence::Paste))
            paste();
        else
            return false;
        return true;
    }
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent *>(event));
        return true;
    case QEvent::MouseButtonPress: {
        // A press in the selection may start a drag; the box's own drag would carry the keys.
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int at = m_edit->cursorPositionAt(mouse->position().toPoint());
        const int start = m_edit->selectionStart();
        if (mouse->button() != Qt::LeftButton || !m_edit->hasSelectedText() || at < start ||
            at >= start + int(m_edit->selectedText().size()))
            return false;
        m_edit->setFocus(Qt::MouseFocusReason);
        m_pressedInSelection = mouse->position().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_pressedInSelection)
            return false;
        if ((mouse->position().toPoint() - *m_pressedInSelection).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressedInSelection.reset();
            startDrag();
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!m_pressedInSelection)
            return false;
        // A click in the selection without a drag puts the caret there.
        m_edit->setCursorPosition(m_edit->cursorPositionAt(*m_pressedInSelection));
        m_pressedInSelection.reset();
        return true;
    }
    case QEvent::Drop:
        return drop(static_cast<QDropEvent *>(event));
    default:
        return false;
    }
}
