#pragma once
// Choosing and opening a list with the list selector, leaving it, and the selector's prompt
// "Select / create / edit" with its growing row of dots while no list is open.
#include <QObject>
#include <QString>
#include <QStringList>

class DropDownCombo;
class ItemView;
class ListDocument;
class QTimer;
class WindowState;

class ListChooser : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        DropDownCombo *listSelector;
        DropDownCombo *itemBox;
    };
    // The animation timer is shared with update mode's blinking bar.
    ListChooser(ListDocument &document, WindowState &state, ItemView &view, QTimer &animation, const Widgets &widgets,
                QObject *parent);

    static const QStringList &promptEntries();
    const QStringList &listNames() const { return m_listNames; }
    bool promptShown() const { return m_promptShown; }

    // At creation: the prompt shown and animated.
    void start();
    void showPrompt();
    void hidePrompt();
    // The lists in the folder offered by the selector.
    void findLists();
    // The lists found again (one was made beside them), the selector showing what it showed: the
    // open list's name, or the prompt.
    void refreshLists();
    // The selector shows the open list's name.
    void showOpenListName();
    // After the open list was written under a new name, or a new list made: the lists found
    // again, the list shown by its name and its items shown.
    void showCommittedList(const QString &name, bool newList);
    // The open list read again from its files (changed on disk), shown as just opened.
    void reopenOpenList();
    // No list open: the item area emptied, the prompt back.
    void resetToNoList();

signals:
    void commandStarting();
    void saveRequested();
    void listShown();         // a list was opened or made: the search box takes the prompt
    void choiceClosed();      // the selector's list closed up
    void notesFocusWanted();

private:
    void dropDown();
    void choose();
    void closeUp();
    void openChosenList();
    void openList(const QString &name);
    void showNewlyOpenedList();
    void animatePrompt();
    void say(const QString &text);

    ListDocument &m_document;
    WindowState &m_state;
    ItemView &m_view;
    QTimer &m_animation;
    Widgets w;
    QStringList m_listNames;
    bool m_promptShown = true;
    QString m_skippedReported;
};
