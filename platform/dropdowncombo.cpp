#include "platform/dropdowncombo.h"

#include "platform/spionicclipboard.h"

#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QTimer>

DropDownCombo::DropDownCombo(QWidget *parent) : QComboBox(parent), m_clipboard(new SpionicClipboard(this))
{
    setModel(new QStringListModel(this));
    auto *view = new QListView(this);
    view->setUniformItemSizes(true);
    setView(view);
    setInsertPolicy(QComboBox::NoInsert);
}

void DropDownCombo::showPopup()
{
    m_droppedDown = true;
    m_refused = false;
    emit dropDown();
    if (m_refused) {
        m_refused = false;
        m_droppedDown = false;
        return;
    }
    if (count() == 0) {
        // An empty list does not open; it counts as dropped down and closed at once.
        hidePopup();
        return;
    }
    QComboBox::showPopup();
}

void DropDownCombo::hidePopup()
{
    QComboBox::hidePopup();
    if (!m_droppedDown || m_closePending)
        return;
    m_closePending = true;
    QTimer::singleShot(0, this, &DropDownCombo::deliverCloseUp);
}

void DropDownCombo::deliverCloseUp()
{
    m_closePending = false;
    m_droppedDown = false;
    emit closeUp();
}

void DropDownCombo::addSorted(const QString &text)
{
    int at = 0;
    while (at < count() && itemText(at).compare(text, Qt::CaseInsensitive) < 0)
        ++at;
    insertItem(at, text);
}

void DropDownCombo::setEntries(const QStringList &entries)
{
    auto *m = qobject_cast<QStringListModel *>(model());
    if (m)
        m->setStringList(entries);
    else {
        clear();
        addItems(entries);
    }
    setCurrentIndex(-1);
}

QStringList DropDownCombo::entries() const
{
    if (auto *m = qobject_cast<QStringListModel *>(model()))
        return m->stringList();
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

void DropDownCombo::setSpionicText(bool on) { m_clipboard->setActive(on); }

bool DropDownCombo::spionicText() const { return m_clipboard->isActive(); }

QMimeData *DropDownCombo::createMimeDataFromSelection() const
{
    return m_clipboard->createMimeDataFromSelection();
}

bool DropDownCombo::event(QEvent *event)
{
    // The text box of an editable combo is made anew when the box turns editable again.
    if (lineEdit() && lineEdit() != m_watchedEdit) {
        m_watchedEdit = lineEdit();
        m_watchedEdit->installEventFilter(this);
        setCompleter(nullptr); // what is typed stays as typed: no completion from the entries
        // Typed text is no choice: Qt's own reactions to the end of an edit are taken away.
        disconnect(m_watchedEdit, SIGNAL(editingFinished()), this, nullptr);
        disconnect(m_watchedEdit, SIGNAL(returnPressed()), this, nullptr);
        connect(m_watchedEdit, &QLineEdit::textEdited, this, &DropDownCombo::textEdited);
        m_clipboard->watch(m_watchedEdit);
    }
    return QComboBox::event(event);
}

bool DropDownCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == lineEdit())
        emit doubleClicked();
    return QComboBox::eventFilter(watched, event);
}

void DropDownCombo::mouseDoubleClickEvent(QMouseEvent *event)
{
    QComboBox::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
