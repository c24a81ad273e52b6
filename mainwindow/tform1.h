#pragma once
// The main window: the form, the wiring of its controls to the controllers that own each concern,
// and the shell (creation, activation, closing, the window-level keys, Esc, the message boxes).
// The open list lives in a ListSession; the window's modes in a MainMode value. Other windows are
// asked for by signals: this window knows none of them.
#include "mainwindow/mainmode.h"
#include "platform/desktop.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui { class TForm1; }
class KeyPreview;
class ListSession;
class WindowColour;
class QKeyEvent;
struct MainContext;

enum class PickerPurpose { MainWindow, SelfTestPanel };

class TForm1 : public QWidget {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    // --- read-only views (the program object, tests) ------------------------------------------
    Ui::TForm1 *form() const { return ui.get(); }
    const ListSession &session() const;
    const MainMode &mode() const;
    EditBox lastEditBox() const;
    const QStringList &listNames() const;
    const QTimer &timer1() const;
    const QString &buildDate() const { return m_buildDate; }
    bool programEnded() const { return m_ended; }
    bool fontAvailable() const { return m_fontAvailable; }
    bool staysOnTop() const;
    int headingMaxWidth() const { return m_headingMaxWidth; }
    quint32 selfTestColour() const;

    // --- the shell, used by the controllers ----------------------------------------------------
    MsgButton CenteredMessageDlg(const QString &text, MsgKind kind, MsgButtons buttons);
    // The question asked before leaving or testing a list with unsaved work.
    MsgButton askSaveWorkFirst(MsgButtons buttons = MsgButton::Yes | MsgButton::No | MsgButton::Cancel);
    void EscapeKey();
    void collapseNotesSelection();
    void setHeadingText(const QString &text);
    void setHeadingMaxWidth(int width);
    // Shows the mode on screen: the captions and widths that depend on it.
    void showMode();
    void endProgram();

public slots:
    // After the Master List closes: the focus goes back to the box the user last edited.
    void restoreEditFocus();
    // After the keyboard map closes: the same, and the caret placed in the item or description box.
    void restoreEditFocusPlacingCaret();

signals:
    void quotationsRequested();
    void helpRequested();
    void keyboardMapRequested();
    // language "Greek" or "Latin"; the item box's text and the search box's text as shown.
    void masterListRequested(const QString &language, const QString &headword, const QString &searchText);
    // The self-test colour changed; the Master List's random-word panel follows it.
    void selfTestColourChanged(quint32 colour);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void FormKeyDown(QKeyEvent *event);
    void BtnCloseClick();
    void ToggleStayOnTop();
    void ButtonEscKeyDown(QKeyEvent *event);
    void ChangeWindowColour(PickerPurpose purpose);
    void LockDownWindow();
    void fillFontList();
    void connectHandlers();
    bool previewKey(QWidget *receiver, QKeyEvent *event);
    bool controlKeyDown(QWidget *receiver, QKeyEvent *event);
    bool controlKeyPress(QWidget *receiver, QKeyEvent *event);

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<MainContext> m_context;
    KeyPreview *m_keyPreview = nullptr;
    bool m_fontAvailable = true;
    QString m_buildDate;
    int m_headingMaxWidth = 575;
    bool m_ended = false;
    bool m_closingByProgram = false;
    std::unique_ptr<WindowColour> m_mainColour;
    std::unique_ptr<WindowColour> m_panelColour;
};
