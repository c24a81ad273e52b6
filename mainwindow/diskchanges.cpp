#include "mainwindow/diskchanges.h"

#include "mainwindow/windowstate.h"
#include "platform/messagedlg.h"
#include "session/listdocument.h"
#include "store/paths.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QWidget>

DiskChanges::DiskChanges(ListDocument &document, WindowState &state, QWidget *window, QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_window(window)
{
}

void DiskChanges::say(const QString &text) { CenteredMessageDlg(m_window, text, MsgKind::Information, MsgButton::OK); }

QString DiskChanges::diskSignature() const
{
    QString signature;
    for (const QString &path : {store::listFilePath(m_document.list().name()), m_document.list().diskStamps().notesPath}) {
        const QFileInfo file(path);
        signature += QStringLiteral("%1:%2:%3;").arg(file.exists()).arg(file.size()).arg(
            file.lastModified().toMSecsSinceEpoch());
    }
    return signature;
}

void DiskChanges::resolveAtSave(const DiskChange &change)
{
    if (m_overwriteAgreed) {
        overwrite();
        return;
    }
    ask(true, change);
}

void DiskChanges::checkAfterActivation()
{
    if (m_asking || !m_window->isActiveWindow() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    if (!m_document.isOpen() || m_state.mode().updateMode)
        return;
    const DiskChange change = m_document.changedOnDisk();
    if (change.any() && diskSignature() != m_leftAlone)
        ask(false, change);
}

void DiskChanges::ask(bool atSave, const DiskChange &change)
{
    const QScopedValueRollback asking(m_asking, true);
    QString text = m_document.describe(change) + QStringLiteral("\n\n");
    MsgButtons buttons = MsgButton::Overwrite | MsgButton::Cancel;
    if (change.canReload()) {
        buttons |= MsgButton::Reload;
        text += m_document.isModified()
                    ? QStringLiteral("Reload: show the version on disk here; the work here is kept as a list of its own.\n")
                    : QStringLiteral("Reload: show the version on disk here.\n");
    }
    text += QStringLiteral("Overwrite: save the version here over it; the version on disk is kept in the \"%1\" folder.\n"
                           "Cancel: leave both as they are for now.")
                .arg(store::backupsFolder());
    switch (CenteredMessageDlg(m_window, text, MsgKind::Warning, buttons, MsgButton::Cancel)) {
    case MsgButton::Reload:
        reload();
        break;
    case MsgButton::Overwrite:
        if (atSave) {
            overwrite();
        } else {
            // Through the Save command, which stores the edit in the item area first.
            const QScopedValueRollback agreed(m_overwriteAgreed, true);
            emit saveWanted();
        }
        break;
    default:
        m_leftAlone = diskSignature();
        break;
    }
}

void DiskChanges::reload()
{
    QString kept;
    if (m_document.isModified()) {
        emit editStoreWanted();
        kept = m_document.keepWorkAsCopy(desktop().now());
    }
    const QString name = m_document.list().name();
    emit reloadWanted();
    if (!kept.isEmpty())
        say(QStringLiteral("The list \"%1\" now shows the version on disk. The work you had here was kept as the list "
                           "\"%2\".")
                .arg(name, kept));
}

void DiskChanges::overwrite()
{
    const QString kept = m_document.saveOverDisk(desktop().now());
    if (!kept.isEmpty())
        say(QStringLiteral("The list \"%1\" was saved. The version that was on disk was kept in the \"%2\" folder as "
                           "the list \"%3\".")
                .arg(m_document.list().name(), store::backupsFolder(), kept));
}
