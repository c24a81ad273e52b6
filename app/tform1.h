#pragma once
// The main window: owns every piece of list state for the run (the item table, the current item,
// the unsaved-change flag, the edit buffer) and is the hub from which the other windows open.
// Its handlers are split by concern: the shell here in app/, list selection, item display and
// the item commands in mainwindow/.
#include "platform/desktop.h"
#include "store/vocablist.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui { class TForm1; }
class KeyPreview;
class QKeyEvent;
struct ProgramWindows;

enum class EditBox { None, Item, Description, Notes };
enum class PickerPurpose { MainWindow, SelfTestPanel };

class TForm1 : public QWidget {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    Ui::TForm1 *form() const { return ui.get(); }
    void setWindows(ProgramWindows *windows) { m_windows = windows; }
    bool programEnded() const { return m_ended; }

    // --- state of the run ---------------------------------------------------------------
    bool FontAvailable = true;
    QString BuildDate;
    QString DataFolder;
    QList<VocabItem> ItemTable; // entries 1..ItemCount are the open list
    int ItemCount() const { return int(ItemTable.size()); }
    QString ListLanguage;
    QString CurrentListName;
    QStringList ListNames;
    int ListCount() const { return int(ListNames.size()); }
    int CurrentItem = 0;
    bool ListSaved = true;
    EditBox LastEditBox = EditBox::None;
    int ListHitCount = 0;
    bool FontListOpen = false;
    QTimer Timer1;

    static const QStringList &promptEntries();
    static bool beginsWithPrompt(const QString &text);

    // --- shell --------------------------------------------------------------------------
    MsgButton CenteredMessageDlg(const QString &text, MsgKind kind, MsgButtons buttons);
    // The question asked before leaving or testing a list with unsaved work.
    MsgButton askSaveWorkFirst(MsgButtons buttons = MsgButton::Yes | MsgButton::No | MsgButton::Cancel);
    void EscapeKey();
    void FormCreate();
    void FormActivate();
    void FormKeyDown(QKeyEvent *event);
    void FormContextPopup();
    void BtnCloseClick();
    void PnlTop1Click() { ToggleStayOnTop(); }
    void PnlTop2Click() { ToggleStayOnTop(); }
    void ImgHelpClick();
    void ImgHelpMouseEnter();
    void ImgHelpMouseLeave();
    void ImgBackgroundClick();
    void ToggleStayOnTop();
    bool staysOnTop() const;
    void collapseNotesSelection();
    void setHeadingText(const QString &text);
    void setHeadingMaxWidth(int width);
    void endProgram();
    void ChangeWindowColour(PickerPurpose purpose);
    void openQuotations();
    void openHelp();
    void openKeyboardMap();

    // --- list files ---------------------------------------------------------------------
    void LoadList();
    void SaveList();
    void EnumerateLists();

    // --- list selection -----------------------------------------------------------------
    void CmbWorkDropDown();
    void CmbWorkClick();
    void CmbWorkCloseUp();
    void OpenList();
    void ResetToNoList();
    void Timer1Timer();

    // --- item display and editing -------------------------------------------------------
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
    bool normalMode() const;
    bool listSearchMode() const;
    bool testMode() const;

    // --- self test (mainwindow/selftest.cpp) --------------------------------------------------
    QList<int> UsedPicks; // item numbers drawn in the current cycle, in drawing order
    void ResetTestCycle();
    void BtnSelfTestClick();
    void PickTestWord();
    void PanelClick();
    void RevealTestAnswer();

    // --- item commands ------------------------------------------------------------------
    void BtnSaveClick();
    void BtnInsClick();
    void BtnDelClick();
    void BtnSwopUpClick();
    void BtnSwopDownClick();
    void BtnMasterClick();
    void RefreshAfterAdd();
    void refocusAfterTooShort();
    void ButtonEscKeyDown(QKeyEvent *event);

    // --- item box and description box ----------------------------------------------------
    void Cmb_ItemClick();
    void Cmb_ItemCloseUp();
    void Cmb_ItemEnter();
    void Cmb_ItemDblClick();
    bool Cmb_ItemKeyDown(QKeyEvent *event);
    bool Cmb_ItemKeyPress(QKeyEvent *event);
    void RichDescrEnter();
    void RichDescrClick();
    void RichDescrDblClick();
    bool RichDescrKeyDown(QKeyEvent *event);
    bool RichDescrKeyPress(QKeyEvent *event);
    void RichDescrMouseDown();
    void RichDescrMouseUp();
    void RichDescrMouseEnter();
    void BtnRichdescrFontIncreaseClick();
    void BtnRichdescrFontDecreaseClick();
    int headingMaxWidth() const { return m_headingMaxWidth; }

    // --- search within the list (mainwindow/listsearch.cpp) ----------------------------------
    QString SearchText;
    QList<VocabItem> ListHits; // entries 1..ListHitCount: copies of the items found, in list order
    QList<int> ListHitItems;   // the number in ItemTable of each hit
    void ShowListHit();
    void Btn_SearchClick();
    void RunListSearch();
    void PrepareNotesSearch();
    void EndListSearch();            // from the button (and Esc, list opening): focus to the item box
    void EndListSearchFromSearchBox(); // typing or Delete in the search box: focus stays there
    void HighlightDescriptionMatches();
    void ChkWholeClick();
    void EdtSearchClick();
    void EdtSearchEnter();
    bool EdtSearchKeyDown(QKeyEvent *event);
    bool EdtSearchKeyPress(QKeyEvent *event);
    void BtnLeftClick();
    void BtnRightClick();
    void showHitDescription(int row);
    void leaveListSearch(bool focusSearchBox);

    // --- Master List ------------------------------------------------------------------------
    QString WantedLanguage;
    void OpenMasterList(const QString &language);

signals:
    // The self-test colour changed; the Master List's random-word panel follows it.
    void selfTestColourChanged(quint32 colour);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    bool previewKey(QWidget *receiver, QKeyEvent *event);
    bool controlKeyDown(QWidget *receiver, QKeyEvent *event);
    bool controlKeyPress(QWidget *receiver, QKeyEvent *event);
    void swapWithNeighbour(int offset);
    // Connects a signal to a handler that runs inside the error guard.
    template <class Sender, class Signal>
    void connectGuarded(Sender *sender, Signal signal, void (TForm1::*handler)())
    {
        connect(sender, signal, this, [this, handler] { runGuarded(handler); });
    }
    void runGuarded(void (TForm1::*handler)());
    bool runMoveKey(int key); // Ctrl+U / Ctrl+D in the item and description boxes
    void connectItemHandlers();
    void connectSearchAndTestHandlers();
    bool searchAndTestKeyDown(QWidget *receiver, QKeyEvent *event);
    bool searchAndTestKeyPress(QWidget *receiver, QKeyEvent *event);
    void LockDownWindow();
    void setListFonts(const QString &family);
    void fillFontList();

    std::unique_ptr<Ui::TForm1> ui;
    KeyPreview *m_keyPreview = nullptr;
    ProgramWindows *m_windows = nullptr;
    int m_headingMaxWidth = 575;
    bool m_ended = false;
    QColor m_lastPickedColour = Qt::black;
    bool m_closingByProgram = false;
};
