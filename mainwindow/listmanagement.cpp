#include "mainwindow/listmanagement.h"

#include "mainwindow/itemview.h"
#include "mainwindow/savequestion.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/messagedlg.h"
#include "session/listdocument.h"
#include "store/listfiles.h"
#include "store/listname.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
const QString Greek = QStringLiteral("Greek");
const QString Latin = QStringLiteral("Latin");

QString fontOf(const QString &language) { return language == Greek ? QStringLiteral("SPIonic") : QStringLiteral("Tahoma"); }

// The name as the delete question shows it: the letters a to z made capitals, nothing else.
QString capitalsAZ(QString name)
{
    for (QChar &ch : name)
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - u'a' + u'A');
    return name;
}
} // namespace

ListManagement::ListManagement(ListDocument &document, WindowState &state, ItemView &view, QTimer &animation,
                               const Widgets &widgets, QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_view(view), m_animation(animation), w(widgets)
{
    connectGuarded(w.changeListButton, &QPushButton::clicked, this, &ListManagement::changeOrUpdate);
    connectGuarded(w.greekButton, &QRadioButton::clicked, this, [this] { chooseLanguage(Greek); });
    connectGuarded(w.latinButton, &QRadioButton::clicked, this, [this] { chooseLanguage(Latin); });
    connectGuarded(&m_animation, &QTimer::timeout, this, &ListManagement::blinkBar);
    connect(&m_document, &ListDocument::changed, this, &ListManagement::showListLanguage);
}

// Outside update mode the language buttons show the open list's language (a list of another
// language leaves them as they were); with no list open neither is checked.
void ListManagement::showListLanguage()
{
    if (m_state.mode().updateMode)
        return;
    const ListSession &list = m_document.list();
    if (!list.isOpen() || list.isGreek() || list.isLatin()) {
        w.greekButton->setChecked(list.isOpen() && list.isGreek());
        w.latinButton->setChecked(list.isOpen() && list.isLatin());
    }
}

void ListManagement::blinkBar()
{
    if (!m_state.mode().updateMode)
        return;
    m_animation.setInterval(500);
    w.updateBar->setVisible(!w.updateBar->isVisible());
}

void ListManagement::changeOrUpdate()
{
    const MainMode &mode = m_state.mode();
    if (mode.updateMode) {
        // The save question was answered when update mode began.
        runUpdate();
        return;
    }
    if (!mode.normal())
        return;
    if (m_document.isModified()) {
        switch (askSaveWorkFirst(w.listSelector)) {
        case MsgButton::Yes:
            emit saveRequested();
            // Save refused (it said why and put the focus on the box to mend): no update mode.
            if (m_document.isModified())
                return;
            break;
        case MsgButton::No:
            // The work stays in memory and still counts as unsaved.
            break;
        default:
            if (w.itemBox->isEnabled())
                w.itemBox->setFocus();
            return;
        }
    }
    enterUpdateMode();
}

void ListManagement::enterUpdateMode()
{
    MainMode mode = m_state.mode();
    const bool newList = !mode.listOpen();
    m_chosenLanguage = newList ? QString() : m_document.list().language();
    m_fontBefore = w.itemBox->font().family();
    m_greekBefore = w.greekButton->isChecked();
    m_latinBefore = w.latinButton->isChecked();
    emit updateModeStarting(newList);
    mode.updateMode = true;
    mode.newList = newList;
    mode.askingLanguage = false;
    // An enlarged notes box goes back to its size first, so the item area is hidden as a whole.
    mode.notesEnlarged = false;
    m_state.setMode(mode);
    if (newList)
        w.listSelector->setEditText(QString());
    const bool unknown = newList || w.listSelector->currentText().isEmpty();
    w.greekButton->setChecked(!unknown && m_document.list().isGreek());
    w.latinButton->setChecked(!unknown && !m_document.list().isGreek());
    m_animation.setInterval(500);
    m_animation.start();
    w.updateBar->show();
    focusNameBox();
}

void ListManagement::runUpdate()
{
    const QString name = w.listSelector->currentText();
    const bool newList = m_state.mode().newList;
    if (name.isEmpty() && !newList && store::anyListFileExists(m_document.list().name())) {
        deleteOpenList();
        return;
    }
    // Nothing is written under a name that cannot be a file name on Windows and Linux alike.
    const store::ListNameRefusal refusal = store::checkListName(name);
    if (refusal != store::ListNameRefusal::None) {
        CenteredMessageDlg(w.listSelector->window(), store::listNameRefusalMessage(refusal, name), MsgKind::Information,
                           MsgButton::OK);
        focusNameBox();
        return;
    }
    // Either file of that name would be replaced: a list file without notes counts too.
    if (store::anyListFileExists(name)
        && CenteredMessageDlg(w.listSelector->window(), QStringLiteral("File already exists. Overwrite?"), MsgKind::Warning,
                              MsgButton::OK | MsgButton::Cancel)
               != MsgButton::OK) {
        focusNameBox();
        return;
    }
    if (newList && m_chosenLanguage.isEmpty()) {
        MainMode mode = m_state.mode();
        mode.askingLanguage = true;
        m_state.setMode(mode);
        return;
    }
    commit(name);
}

void ListManagement::deleteOpenList()
{
    const QString name = m_document.list().name();
    const MsgButton answer =
        CenteredMessageDlg(w.listSelector->window(), QStringLiteral("Delete list ") + capitalsAZ(name) + QStringLiteral(" ?"),
                           MsgKind::Warning, MsgButton::Yes | MsgButton::Cancel);
    if (answer != MsgButton::Yes) {
        endUpdateMode();
        return;
    }
    // A file that cannot be deleted is reported here, and update mode goes on.
    store::deleteListFiles(name);
    MainMode mode = m_state.mode();
    mode.updateMode = mode.newList = mode.askingLanguage = false;
    m_state.setMode(mode);
    emit listDeleted();
    w.listSelector->setFocus();
}

void ListManagement::commit(const QString &name)
{
    const bool newList = m_state.mode().newList;
    // The pair is written first: when it cannot be, update mode goes on with the typed name, and
    // the open list and its name are as they were.
    if (newList)
        m_document.create(name, m_chosenLanguage);
    else
        m_document.saveAs(name, m_chosenLanguage);
    MainMode mode = m_state.mode();
    mode.updateMode = mode.newList = mode.askingLanguage = false;
    m_state.setMode(mode);
    m_animation.stop();
    m_view.setListFonts(fontOf(m_chosenLanguage));
    emit committed(name, newList);
    // A headword typed and not yet stored is not in the files: it still counts as unsaved.
    if (!newList && m_state.edit().active())
        m_document.noteUnstoredEdit();
    w.itemBox->setFocus();
}

// Leaving update mode without a change: the language buttons and the fonts are as they were.
void ListManagement::endUpdateMode()
{
    const bool newList = m_state.mode().newList;
    m_view.setListFonts(m_fontBefore);
    w.greekButton->setChecked(m_greekBefore);
    w.latinButton->setChecked(m_latinBefore);
    m_chosenLanguage.clear();
    MainMode mode = m_state.mode();
    mode.updateMode = mode.newList = mode.askingLanguage = false;
    m_state.setMode(mode);
    if (!newList)
        m_animation.stop();
    emit updateModeLeft(newList);
    if (w.itemBox->isEnabled())
        w.itemBox->setFocus();
    else if (w.listSelector->isEnabled())
        w.listSelector->setFocus();
}

bool ListManagement::selectorKeyDown(QWidget *receiver, QKeyEvent *event)
{
    if (!m_state.mode().updateMode)
        return false;
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        endUpdateMode();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && receiver == w.listSelector) {
        changeOrUpdate();
        return true;
    }
    return false;
}

void ListManagement::chooseLanguage(const QString &language)
{
    if (!m_state.mode().updateMode)
        return;
    m_chosenLanguage = language;
    m_view.setListFonts(fontOf(language));
    w.greekButton->setChecked(language == Greek);
    w.latinButton->setChecked(language == Latin);
    MainMode mode = m_state.mode();
    mode.askingLanguage = false;
    m_state.setMode(mode);
    w.changeListButton->setFocus();
}

void ListManagement::focusNameBox()
{
    w.listSelector->setFocus();
    if (QLineEdit *edit = w.listSelector->lineEdit())
        edit->setCursorPosition(int(edit->text().size()));
}
