#pragma once
// Searching the descriptions of the open list: the item box then lists only the items found,
// "<" and ">" step through them, and each description shown has its matches coloured red. The
// search box shows the prompt "Enter search text" until the user types in it.
#include <QObject>

class DropDownCombo;
class ItemView;
class ListDocument;
class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class TrackedTextEdit;
class WindowState;

class ListSearch : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QLineEdit *searchBox;
        QPushButton *searchButton;
        QCheckBox *wholeWordBox;
        QPushButton *previousHit;
        QPushButton *nextHit;
        DropDownCombo *itemBox;
        TrackedTextEdit *descriptionBox;
    };
    ListSearch(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets, QObject *parent);

    // The hit shown (0-based), -1 outside a search.
    int hitRow() const;
    bool promptShown() const { return m_promptShown; }
    // The text typed to search for (empty while the prompt is shown).
    QString typedText() const;
    void showPrompt();
    // Empties the search box unless it shows the prompt.
    void clearTyped();

    void toggleSearch();
    // From the button, Esc and list opening: back to browsing, the focus to the item box.
    void endSearch();
    // The hit picked in the item box.
    void showPickedHit();
    bool searchBoxKeyDown(QKeyEvent *event);
    bool searchBoxKeyPress(QKeyEvent *event);

signals:
    void commandStarting();
    void searchStarted();
    void hitsChanged();
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runSearch();
    void showHit(int row);
    void stepTo(int row);
    void toggleWholeWord();
    void leaveSearch(bool focusSearchBox);

    ListDocument &m_document;
    WindowState &m_state;
    ItemView &m_view;
    Widgets w;
    bool m_promptShown = true;
};
