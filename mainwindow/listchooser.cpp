#include "mainwindow/listchooser.h"

#include "mainwindow/itemview.h"
#include "mainwindow/promptcycle.h"
#include "mainwindow/savequestion.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/messagedlg.h"
#include "session/listdocument.h"
#include "store/listfinder.h"

#include <QLineEdit>
#include <QTimer>

ListChooser::ListChooser(ListDocument &document, WindowState &state, ItemView &view, QTimer &animation,
                         const Widgets &widgets, QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_view(view), m_animation(animation), w(widgets)
{
    connectGuarded(w.listSelector, &DropDownCombo::dropDown, this, &ListChooser::dropDown);
    connectGuarded(w.listSelector, &DropDownCombo::closeUp, this, &ListChooser::closeUp);
    connectGuarded(w.listSelector, &QComboBox::activated, this, &ListChooser::choose);
    connectGuarded(&m_animation, &QTimer::timeout, this, &ListChooser::animatePrompt);
}

const QStringList &ListChooser::promptEntries()
{
    static const QStringList entries = {QStringLiteral("Select / create / edit"), QStringLiteral("Select / create / edit ."),
                                        QStringLiteral("Select / create / edit .."), QStringLiteral("Select / create / edit ...")};
    return entries;
}

void ListChooser::say(const QString &text)
{
    CenteredMessageDlg(w.listSelector->window(), text, MsgKind::Information, MsgButton::OK);
}

void ListChooser::showPrompt()
{
    w.listSelector->setEntries(promptEntries());
    w.listSelector->setCurrentIndex(0);
    m_promptShown = true;
}

void ListChooser::hidePrompt()
{
    w.listSelector->setEntries({});
    w.listSelector->setEditText(QString());
    m_promptShown = false;
}

void ListChooser::start()
{
    showPrompt();
    m_animation.start();
}

void ListChooser::animatePrompt()
{
    if (!m_promptShown)
        return;
    const PromptStep step = nextPromptStep(w.listSelector->currentText());
    w.listSelector->setCurrentIndex(step.entry);
    if (step.interval > 0)
        m_animation.setInterval(step.interval);
}

void ListChooser::findLists()
{
    m_listNames.clear();
    w.listSelector->setEntries({});
    const store::FoundLists found = store::findLists(QString());
    m_listNames = found.names;
    w.listSelector->setEntries(m_listNames);
    m_promptShown = false;
    // Files that look like lists but cannot be opened are named once, not at every drop-down.
    const QString skipped = store::skippedListsMessage(found);
    if (!skipped.isEmpty() && skipped != m_skippedReported) {
        m_skippedReported = skipped;
        say(skipped);
    }
    if (found.truncated)
        say(QStringLiteral("More than %1 lists were found. Only the first %1 are offered.").arg(store::MaxLists));
}

void ListChooser::refreshLists()
{
    findLists();
    if (m_document.isOpen()) {
        showOpenListName();
        return;
    }
    showPrompt();
    if (!m_animation.isActive())
        m_animation.start();
}

void ListChooser::dropDown()
{
    if (m_state.mode().updateMode) {
        // The box takes a name here, not a choice: the list stays closed and update mode goes on.
        w.listSelector->refuseDropDown();
        CenteredMessageDlg(w.listSelector->window(), QStringLiteral("Do not use the drop-down in Update mode."),
                           MsgKind::Warning, MsgButton::OK);
        w.listSelector->setFocus();
        if (QLineEdit *edit = w.listSelector->lineEdit())
            edit->setCursorPosition(int(edit->text().size()));
        return;
    }
    m_animation.stop();
    if (!m_document.isModified()) {
        findLists();
        return;
    }
    switch (askSaveWorkFirst(w.listSelector)) {
    case MsgButton::Yes:
        emit saveRequested();
        if (m_document.isModified()) {
            // Save refused (and said why) or failed: the list stays open with the work in it.
            w.listSelector->refuseDropDown();
            return;
        }
        findLists();
        break;
    case MsgButton::No:
        w.itemBox->setFocus();
        findLists();
        break;
    default:
        // Cancel (or the box closed): the list does not drop down, so no other list can be
        // picked without the question.
        w.listSelector->refuseDropDown();
        w.itemBox->setFocus();
        break;
    }
}

void ListChooser::choose()
{
    // In update mode the arrow keys and the wheel only change the name to save under.
    if (m_promptShown || m_state.mode().updateMode)
        return;
    // A choice on the closed selector (arrow keys, wheel) would drop unsaved work without a word:
    // ask first, as the drop-down does.
    if (!w.listSelector->isDroppedDown() && m_document.isModified()) {
        const MsgButton answer = askSaveWorkFirst(w.listSelector);
        if (answer == MsgButton::Yes) {
            const int chosen = w.listSelector->currentIndex();
            showOpenListName();
            emit saveRequested(); // saves under the open list's name
            if (m_document.isModified())
                return;
            w.listSelector->setCurrentIndex(chosen);
        } else if (answer != MsgButton::No) {
            showOpenListName();
            if (w.itemBox->isEnabled())
                w.itemBox->setFocus();
            return;
        }
    }
    openChosenList();
}

void ListChooser::showOpenListName()
{
    w.listSelector->setCurrentIndex(w.listSelector->findText(m_document.list().name()));
}

void ListChooser::openChosenList()
{
    if (!m_promptShown)
        openList(w.listSelector->currentText());
}

void ListChooser::reopenOpenList()
{
    const QString name = m_document.list().name();
    findLists();
    openList(name);
    showOpenListName();
}

void ListChooser::openList(const QString &name)
{
    if (name.isEmpty())
        return;
    ListDocument::Opened opened;
    try {
        opened = m_document.open(name);
    } catch (...) {
        // Not opened (its file went since the lists were found, the backup failed, ...): the
        // selector shows again the list that is open, never the name of one that is not.
        if (m_document.isOpen())
            showOpenListName();
        else
            resetToNoList();
        throw;
    }
    const ListSession &list = m_document.list();
    m_view.showLanguageFonts(list.language());
    for (int k = 1; k <= list.itemCount(); ++k)
        if (list.item(k).Item.size() > ItemBoxLength) {
            say(QStringLiteral("The list \"%1\" holds headwords longer than the item box shows (%2 characters), the first "
                               "at item %3. They are shown cut and kept whole unless you edit them.")
                    .arg(name)
                    .arg(ItemBoxLength)
                    .arg(k));
            break;
        }
    if (opened.truncated)
        CenteredMessageDlg(w.listSelector->window(),
                           QStringLiteral("The list \"%1\" holds more than %2 items. Only the first %2 were read; "
                                          "saving it will drop the rest.")
                               .arg(name)
                               .arg(store::MaxItems),
                           MsgKind::Warning, MsgButton::OK);
    showNewlyOpenedList();
    if (!opened.notesFound) {
        // The notes file went between listing and opening: the notes are empty, never those of
        // the list before.
        say(QStringLiteral("The notes file of the list \"%1\" is missing. The list is opened with empty notes.").arg(name));
    }
    if (list.itemCount() > 0) {
        if (w.itemBox->isEnabled())
            w.itemBox->setFocus();
    } else {
        emit notesFocusWanted();
    }
}

// The item area shows the list just opened or made, browsing from its first item.
void ListChooser::showNewlyOpenedList()
{
    m_document.list().clearSearch();
    m_state.setArea(MainMode::Area::Browsing);
    m_state.endEdit();
    m_view.showItems();
    emit listShown();
}

void ListChooser::closeUp()
{
    if (w.listSelector->currentText().size() < 2)
        resetToNoList();
    emit choiceClosed();
}

void ListChooser::resetToNoList()
{
    m_document.close();
    w.itemBox->setEntries({});
    w.itemBox->setEditText(QString());
    m_view.showDescription(QString());
    m_view.setHeading(QString());
    MainMode mode = m_state.mode();
    mode.area = MainMode::Area::NoList;
    m_state.setMode(mode);
    m_state.endEdit();
    showPrompt();
    m_animation.start();
}

void ListChooser::showCommittedList(const QString &name, bool newList)
{
    findLists();
    w.listSelector->setCurrentIndex(w.listSelector->findText(name));
    if (!newList)
        return;
    m_view.showLanguageFonts(m_document.list().language());
    showNewlyOpenedList();
}
