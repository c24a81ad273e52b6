#include "mainwindow/itemcommands.h"

#include "mainwindow/itemview.h"
#include "mainwindow/savequestion.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/messagedlg.h"
#include "platform/trackedtextedit.h"
#include "session/listdocument.h"
#include "store/textfile.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
const QString tooShort = QStringLiteral("Vocabulary item or description too short.");
}

ItemCommands::ItemCommands(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets,
                           QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_view(view), w(widgets)
{
    connectGuarded(w.saveButton, &QPushButton::clicked, this, &ItemCommands::saveList);
    connectGuarded(w.addButton, &QPushButton::clicked, this, &ItemCommands::addItem);
    connectGuarded(w.removeButton, &QPushButton::clicked, this, &ItemCommands::removeItem);
    connectGuarded(w.upButton, &QPushButton::clicked, this, [this] { moveItem(-1); });
    connectGuarded(w.downButton, &QPushButton::clicked, this, [this] { moveItem(+1); });
    connectGuarded(w.masterButton, &QPushButton::clicked, this, [this] {
        if (offerSaveBeforeMasterList())
            emit masterListWanted();
    });
}

void ItemCommands::say(const QString &text)
{
    CenteredMessageDlg(w.itemBox->window(), text, MsgKind::Information, MsgButton::OK);
}

void ItemCommands::refocusAfterTooShort()
{
    if (m_state.lastEditBox() == EditBox::Description) {
        m_state.setLastEditBox(EditBox::None);
        // The box selects all as the focus enters it: the caret is put at the end afterwards.
        w.descriptionBox->setFocus();
        QTextCursor cursor = w.descriptionBox->textCursor();
        cursor.movePosition(QTextCursor::End);
        w.descriptionBox->setTextCursor(cursor);
        return;
    }
    if (m_state.lastEditBox() == EditBox::Item)
        m_state.setLastEditBox(EditBox::None);
    w.itemBox->setFocus();
    if (QLineEdit *edit = w.itemBox->lineEdit())
        edit->setCursorPosition(int(edit->text().size()));
}

void ItemCommands::saveList()
{
    emit commandStarting();
    ListSession &list = m_document.list();
    if (!m_state.mode().normal()) {
        // Searching or testing, the boxes hold no edit (they are read-only): the list is saved as
        // it stands, with the notes.
        writeDocument();
        return;
    }
    if (list.itemCount() == 0) {
        writeDocument();
        m_state.endEdit();
        emit notesFocusWanted();
        return;
    }
    QString headword = w.itemBox->currentText();
    // A headword longer than the item box holds is shown cut; unless it was edited it stays whole.
    if (const VocabItem *item = list.current(); item && item->Item.size() > headword.size()
                                                && item->Item.startsWith(headword) && headword.size() == ItemBoxLength)
        headword = item->Item;
    const QString description = store::cutAtLineBreak(w.descriptionBox->toPlainText());
    if (ListSession::checkEntry(headword, description) != EntryRefusal::None || list.name().size() < 2) {
        say(tooShort);
        refocusAfterTooShort();
        return;
    }
    list.replaceCurrent(headword, description);
    m_state.endEdit();
    m_view.showItems();
    writeDocument();
    if (m_state.lastEditBox() == EditBox::Notes)
        emit notesFocusWanted();
    else if (w.itemBox->isEnabled())
        w.itemBox->setFocus();
}

void ItemCommands::writeDocument()
{
    try {
        m_document.save();
    } catch (const ChangedOnDiskError &refused) {
        emit changedOnDiskAtSave(refused.change());
    }
}

void ItemCommands::storeEditQuietly()
{
    if (!m_state.mode().normal() || !m_state.edit().active() || !m_document.list().current())
        return;
    const QString description = store::cutAtLineBreak(w.descriptionBox->toPlainText());
    m_document.list().replaceCurrent(w.itemBox->currentText(), description);
}

void ItemCommands::saveListIfOffered()
{
    if (w.saveButton->isEnabled())
        saveList();
}

bool ItemCommands::offerSaveBeforeMasterList()
{
    if (m_document.isModified() && m_state.mode().normal() && m_state.mode().listOpen()) {
        const MsgButton answer = askSaveWorkFirst(w.itemBox);
        if (answer == MsgButton::Yes)
            guarded([this] { saveList(); });
        else if (answer != MsgButton::No)
            return false;
    }
    emit commandStarting();
    return true;
}

void ItemCommands::addItem()
{
    emit commandStarting();
    ListSession &list = m_document.list();
    const QString headword = w.itemBox->currentText();
    const QString description = w.descriptionBox->toPlainText();
    switch (list.checkAdd(headword, description)) {
    case EntryRefusal::TooShort:
        say(tooShort);
        refocusAfterTooShort();
        return;
    case EntryRefusal::ListFull:
        // The table is full: nothing is inserted and the edit stays in the boxes.
        say(QStringLiteral("The list is full: a list holds at most %1 items. The item was not added.").arg(store::MaxItems));
        return;
    case EntryRefusal::None:
        break;
    }
    if (list.hasHeadword(headword)
        && CenteredMessageDlg(w.itemBox->window(), QStringLiteral("Duplicate/s found. Add anyway?"), MsgKind::Confirmation,
                              MsgButton::Yes | MsgButton::Cancel)
               == MsgButton::Cancel) {
        w.itemBox->setCurrentIndex(list.currentItem() - 1);
        if (const VocabItem *item = list.current())
            m_view.showDescription(item->Description);
        m_view.setHeading(w.itemBox->currentText());
        m_state.endEdit();
        m_view.refreshCounter(m_state.mode());
        if (w.itemBox->isEnabled())
            w.itemBox->setFocus();
        return;
    }
    list.addAfterCurrent(headword, store::cutAtLineBreak(description));
    m_state.endEdit();
    m_view.showItems();
    w.itemBox->setFocus();
}

void ItemCommands::removeItem()
{
    emit commandStarting();
    if (m_view.headingText().isEmpty())
        return;
    if (CenteredMessageDlg(w.itemBox->window(), QStringLiteral("Remove item?"), MsgKind::Confirmation,
                           MsgButton::Yes | MsgButton::Cancel)
        == MsgButton::Yes) {
        m_document.list().removeCurrent();
        m_state.endEdit();
        m_view.showItems();
    }
    if (w.itemBox->isEnabled())
        w.itemBox->setFocus();
}

void ItemCommands::moveItem(int offset)
{
    if (!(offset < 0 ? w.upButton : w.downButton)->isEnabled())
        return;
    emit commandStarting();
    m_document.list().moveCurrent(offset);
    m_view.showItems();
    w.itemBox->setFocus();
}
