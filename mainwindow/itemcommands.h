#pragma once
// The item commands: Save, Add, Remove, Up and Down, and the save question before the Master
// List opens.
#include <QObject>

class DropDownCombo;
struct DiskChange;
class ItemView;
class ListDocument;
class QPushButton;
class TrackedTextEdit;
class WindowState;

class ItemCommands : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        DropDownCombo *itemBox;
        TrackedTextEdit *descriptionBox;
        QPushButton *saveButton;
        QPushButton *addButton;
        QPushButton *removeButton;
        QPushButton *upButton;
        QPushButton *downButton;
        QPushButton *masterButton;
    };
    ItemCommands(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets, QObject *parent);

    // Stores the edit over the current item and writes the list with its notes. Outside browsing
    // (searching, testing) the list is written as it stands. A refused entry is said and the
    // work stays unsaved.
    void saveList();
    void saveListIfOffered();
    // The edit in the boxes stored over the current item, when the boxes edit the list and the
    // entry may be stored; nothing is said otherwise.
    void storeEditQuietly();
    void addItem();
    void removeItem();
    // Up (-1) or Down (+1), when offered.
    void moveItem(int offset);
    // Asks to save unsaved work; false when the user cancelled.
    bool offerSaveBeforeMasterList();

signals:
    void commandStarting(); // the notes selection collapses
    void notesFocusWanted();
    void masterListWanted();
    // A save found the list's files changed on disk by someone else; nothing was written.
    void changedOnDiskAtSave(const DiskChange &change);

private:
    void refocusAfterTooShort();
    void writeDocument();
    void say(const QString &text);

    ListDocument &m_document;
    WindowState &m_state;
    ItemView &m_view;
    Widgets w;
};
