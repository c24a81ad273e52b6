#pragma once
// The main window: the form, the open list as a document, the window's own state, the
// controllers of each concern wired together by signals in one place, and the shell (creation,
// activation, closing, the window-level keys, Esc, the colours). What the controls show is
// computed from the state (controlstate.h) and applied whenever the document or the state change.
// Other windows are asked for by signals: this window knows none of them.
#include "mainwindow/controlstate.h"
#include "mainwindow/keyrouting.h"
#include "mainwindow/mainmode.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui { class MainWindow; }
class KeyPreview;
class ListDocument;
class ListSession;
class MainControllers;
class QKeyEvent;
class WindowColour;
class WindowState;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // --- read-only views (the program object, tests) ------------------------------------------
    Ui::MainWindow *form() const { return ui.get(); }
    const ListDocument &document() const { return *m_document; }
    const ListSession &session() const;
    const MainMode &mode() const;
    EditBox lastEditBox() const;
    const QStringList &listNames() const;
    const QTimer &animationTimer() const { return m_animation; }
    const QString &buildDate() const { return m_buildDate; }
    bool programEnded() const { return m_ended; }
    bool fontAvailable() const { return m_fontAvailable; }
    bool staysOnTop() const;
    int headingMaxWidth() const;
    quint32 selfTestColour() const;

    // Commands begin by collapsing the selection of the notes: nothing selected, the caret at its start.
    void collapseNotesSelection();

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
    void createControllers();
    void connectControllers();
    void setUp();
    void activate();
    void lockDown();
    void closeProgram();
    void endProgram();
    void toggleStayOnTop();
    void escapeKey();
    void requestMasterList();
    // The local files of a drag when the window imports them all, else nothing.
    // Save on the question of a close: true when the program may end.
    bool saveBeforeClosing();
    void stateChanged();
    ControlInputs controlInputs() const;
    void applyControls();
    bool previewKey(QWidget *receiver, QKeyEvent *event);
    void windowKeyDown(QKeyEvent *event);

    std::unique_ptr<Ui::MainWindow> ui;
    ListDocument *m_document = nullptr;
    WindowState *m_state = nullptr;
    QTimer m_animation; // the selector's prompt and update mode's bar
    MainControllers *m_parts = nullptr;
    KeyPreview *m_keyPreview = nullptr;
    KeyRouting m_keys;
    MainMode m_shownMode;
    bool m_formatBarOffered = false;
    bool m_fontAvailable = true;
    QString m_buildDate;
    bool m_ended = false;
    bool m_closingByProgram = false;
    std::unique_ptr<WindowColour> m_mainColour;
    std::unique_ptr<WindowColour> m_panelColour;
};
