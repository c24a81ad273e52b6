#pragma once
// The open list's files changed on disk by someone else (another program, or a sync tool bringing
// another machine's save): found when a save is about to write, and when the window becomes active
// again. The user chooses: reload the version on disk (the work here kept as a list of its own),
// overwrite it (the version on disk kept in the backups folder), or leave both for now. Nothing on
// disk is overwritten without that choice.
#include <QObject>
#include <QString>

class ListDocument;
struct DiskChange;
class QWidget;
class WindowState;

class DiskChanges : public QObject {
    Q_OBJECT
public:
    DiskChanges(ListDocument &document, WindowState &state, QWidget *window, QObject *parent);

    // A save found the files changed (ChangedOnDiskError): asks, and does what was chosen.
    void resolveAtSave(const DiskChange &change);
    // The window became active: asks when the files changed since they were read or written here,
    // unless the user already left this very change for now.
    void checkAfterActivation();

signals:
    void reloadWanted();    // the open list read again from disk
    void saveWanted();      // the work here saved
    void editStoreWanted(); // the edit in the item area stored in the list (before a copy is kept)

private:
    void ask(bool atSave, const DiskChange &change);
    void reload();
    void overwrite();
    void say(const QString &text);
    QString diskSignature() const;

    ListDocument &m_document;
    WindowState &m_state;
    QWidget *m_window;
    bool m_asking = false;
    bool m_overwriteAgreed = false;
    QString m_leftAlone; // the files' signature when the user last chose to leave them
};
