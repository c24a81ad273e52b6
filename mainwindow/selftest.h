#pragma once
// The self test: a random headword of the open list shown large on a panel over the description
// box, its answer hidden until the panel is clicked or Esc is pressed.
#include <QObject>

class DropDownCombo;
class ItemView;
class ListDocument;
class PanelLabel;
class QPushButton;
class WindowState;

class SelfTest : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        PanelLabel *testPanel;
        QPushButton *selfTestButton;
        DropDownCombo *itemBox;
    };
    SelfTest(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets, QObject *parent);

    // Draws a word not drawn in this cycle (after the save question when work is unsaved).
    void drawTestWord();
    // Back to browsing with the drawn item current.
    void revealAnswer();

signals:
    void commandStarting();
    void saveRequested();

private:
    ListDocument &m_document;
    WindowState &m_state;
    ItemView &m_view;
    Widgets w;
};
