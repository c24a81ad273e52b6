#pragma once
// The Master List window: every list of one language merged into one sorted list, showing where
// each item comes from; searching the descriptions; a self test on random entries.
#include "master/mastertables.h"
#include "master/readingnotices.h"
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"

#include <QList>
#include <QString>
#include <memory>

class KeyPreview;
class QKeyEvent;
namespace Ui {
class MasterListWindow;
}
namespace master {
class MasterListModel;
}

// What the Master List takes from the window that opens it.
struct MasterOpening {
    QString language;        // "Latin" shows the Latin master list, anything else the Greek one
    QString currentHeadword; // the item the main window shows; its line is selected
    QString mainSearchText;  // the main window's search box; taken over when it is a search text
};

class MasterListWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit MasterListWindow(QWidget *mainWindow);
    ~MasterListWindow() override;

    // Reads all lists and shows the window modally, centred over mainWindow; returns when it has
    // been closed. A list that cannot be read is reported and the window is not shown.
    void openAndWait(QWidget *mainWindow, const MasterOpening &opening);
    // The first half of openAndWait: reads the lists and shows the window (modal) without
    // waiting for it to close. False when reading failed (reported; the window stays hidden).
    bool openOver(QWidget *mainWindow, const MasterOpening &opening);

    // The colour of the self-test panel, which follows the main window's self-test panel.
    void setTestPanelColour(quint32 colourValue);

    Ui::MasterListWindow *form() const { return ui.get(); }
    const master::MasterTables &tables() const { return m_tables; }
    master::MasterLanguage shownLanguage() const;
    bool inSearchMode() const { return m_searchMode; }
    const QList<int> &usedPicks() const { return m_usedPicks; }

signals:
    void helpRequested(); // F1
    void closed();        // after the window has closed

protected:
    void done(int result) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building and display.
    void readAllLists();
    void buildTables();
    void clearTables();
    void releaseTables();
    void showList();
    void showSelectedEntry();
    void selectMainWindowItem();
    void buildAndShowList();
    void takeMainSearchText();
    void resetOnClose();
    void switchLanguage(master::MasterLanguage language);
    void showLanguageCounts();
    void setListFont(bool greekShown);
    void setDescription(const QString &text);
    void selectLine(int row); // 0-based; does not run showChosenEntry
    int selectedLine() const;

    // What the keys and clicks do.
    void handleWindowKey(QKeyEvent *event, bool &swallow);
    void showChosenEntry();
    void showGreek();
    void showLatin();
    void closeWindow();
    void focusListOrTestButton();
    void focusList();
    void changeWindowColour(); // F7: the window's colour (Setup/MasterListFormColor.ini)

    // Search and self test.
    void runSearch();
    void endSearch();
    void showSearchPrompt();
    void emptySearchBox();
    bool searchTextGiven() const; // typed by the user, 2 characters or more
    void leaveSearchForTyping();
    void highlightSearchText();
    void pickTestWord();
    void forgetTestPicks();
    void hideTestPanel();
    void runOrEndSearch();
    void applyWholeWord();
    void clearSearchPrompt();
    void leaveTestForSearch();
    bool handleSearchBoxKey(QKeyEvent *event);
    void leaveSearchOnTyping(QKeyEvent *event);

    void connectHandlers();
    bool previewKey(QWidget *receiver, QKeyEvent *event) override;
    void colourKey() override { changeWindowColour(); }
    void tellChangedListsOnce();

    std::unique_ptr<Ui::MasterListWindow> ui;
    std::unique_ptr<WindowColour> m_colour;
    master::MasterListModel *m_model = nullptr;

    master::SharedReading m_sources; // the last reading of the lists; none after a failure
    master::ReadingNotices m_notices;
    master::MasterTables m_tables;
    int m_builtGreek = -1; // counts of the last build, to know when the self-test record is stale
    int m_builtLatin = -1;
    master::MasterLanguage m_wantedLanguage = master::MasterLanguage::Greek;
    MasterOpening m_opening;

    bool m_searchMode = false;
    bool m_searchPrompt = true; // the search box shows its prompt until the user types in it
    QString m_searchText;
    QList<int> m_hits; // positions in the master table of the language shown
    QList<int> m_usedPicks;

    bool m_selectingByProgram = false;
    // The Help window opened over this one (F1) and took the activation: the activation that
    // follows its closing builds and shows the list again. No other loss of the activation does.
    bool m_helpOpened = false;
    bool m_leftForHelp = false;
};
