#pragma once
// Routines shared by every mode of the item area: showing the list and the current item, the
// counters, the return to normal mode, the control states of editing, the format bar, and the
// search box's prompt.
#include <QObject>
#include <QString>

struct MainContext;

// The characters the item box's text field holds (Qt's default for a line edit).
constexpr int ItemBoxLength = 32767;

class ItemArea : public QObject {
    Q_OBJECT
public:
    explicit ItemArea(MainContext &context);

    void RefreshItemCounter();
    void ReloadItemList();
    void RestoreEditMode();
    void LockSearchWhileEditing();
    void MarkListModified();
    void ShowFormatBar();
    void HideFormatBar();
    void EnableFormatBar();
    void DisableFormatBar();
    void setUpDownByRule(int current);
    void setListFonts(const QString &family);

    // The search box shows the prompt "Enter search text" until the user types in it.
    bool searchPromptShown() const { return m_searchPrompt; }
    void showSearchPrompt();
    // Empties the search box unless it shows the prompt.
    void clearSearchBox();
    void emptySearchBox();

private:
    MainContext &c;
    bool m_searchPrompt = true;
};
