#pragma once
// The Master List window: every list of one language merged into one sorted list, showing where
// each item comes from; searching the descriptions; a self test on random entries.
#include "master/mastertables.h"
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"

#include <QList>
#include <QString>
#include <memory>

class KeyPreview;
class QKeyEvent;
namespace Ui {
class TFrmMaster;
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

class TFrmMaster : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmMaster(QWidget *mainWindow);
    ~TFrmMaster() override;

    // Reads all lists and shows the window modally, centred over mainWindow; returns when it has
    // been closed. A list that cannot be read is reported and the window is not shown.
    void OpenMasterList(QWidget *mainWindow, const MasterOpening &opening);
    // The first half of OpenMasterList: reads the lists and shows the window (modal) without
    // waiting for it to close. False when reading failed (reported; the window stays hidden).
    bool openOver(QWidget *mainWindow, const MasterOpening &opening);

    // The colour of the self-test panel, which follows the main window's self-test panel.
    void setTestPanelColour(quint32 colourValue);

    Ui::TFrmMaster *form() const { return ui.get(); }
    const master::MasterTables &tables() const { return m_tables; }
    master::MasterLanguage shownLanguage() const;
    bool inSearchMode() const { return m_searchMode; }
    const QList<int> &usedPicks() const { return MasterUsedPicks; }

signals:
    void helpRequested(); // F1
    void closed();        // after the window has closed

protected:
    void done(int result) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building and display.
    void ReadAllLists();
    void BuildMasterTables();
    void ClearMasterTables();
    void releaseTables();
    void ShowMasterList();
    void ShowSelectedEntry();
    void SelectCurrentItem();
    void FormActivate();
    void FormClose();
    void SwitchMasterLanguage(master::MasterLanguage language);
    void setRadioCaptions();
    void setListFont(bool greekShown);
    void setDescription(const QString &text);
    void selectLine(int row); // 0-based; does not run ListMasterClick
    int selectedLine() const;

    // Handlers.
    void FormKeyDown(QKeyEvent *event, bool &swallow);
    void ListMasterClick();
    void RadMasterGreekClick();
    void RadMasterLatinClick();
    void BtnCloseClick();
    void EdtMasterWorkClick();
    void RedMasterDescClick();
    void WindowColourKey(); // F7: the window's colour (Setup/MasterListFormColor.ini)

    // Search and self test (tfrmmaster_search.cpp).
    void RunMasterSearch();
    void EndMasterSearch();
    void showSearchPrompt();
    void emptySearchBox();
    bool searchTextGiven() const; // typed by the user, 2 characters or more
    void leaveSearchForTyping();
    void HighlightSearchText();
    void PickMasterTestWord();
    void ResetMasterTest();
    void hideTestPanel();
    void BtnMasterSearchClick();
    void ChkMasterWholeClick();
    void EdtMasterSearchClick();
    void EdtMasterSearchEnter();
    bool EdtMasterSearchKeyDown(QKeyEvent *event);
    void EdtMasterSearchKeyPress(QKeyEvent *event);
    void BtnMasterTestClick();
    void PnlMasterClick();

    void connectHandlers();
    bool previewKey(QWidget *receiver, QKeyEvent *event) override;
    void colourKey() override { WindowColourKey(); }
    void tellLimitOnce();

    std::unique_ptr<Ui::TFrmMaster> ui;
    std::unique_ptr<WindowColour> m_colour;
    master::MasterListModel *m_model = nullptr;

    QList<master::SourceEntry> SourceTable;
    bool m_sourceTruncated = false;
    bool m_toldLimit = false;
    master::MasterTables m_tables;
    int m_builtGreek = -1; // counts of the last build, to know when the self-test record is stale
    int m_builtLatin = -1;
    master::MasterLanguage WantedLanguage = master::MasterLanguage::Greek;
    MasterOpening m_opening;

    bool m_searchMode = false;
    bool m_searchPrompt = true; // the search box shows its prompt until the user types in it
    QString MasterSearchText;
    QList<int> m_hits; // positions in the master table of the language shown
    QList<int> MasterUsedPicks;

    bool m_selectingByProgram = false;
    bool m_deactivated = false; // lost the activation while open: the next activation rebuilds
};
