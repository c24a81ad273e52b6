#pragma once
// The item box and the description box: browsing the list and editing the current item, the
// font-size keys and buttons, and the width steps of the two boxes. Saving and moving are asked
// for by signals.
#include <QObject>

class DropDownCombo;
class ItemView;
class ListDocument;
class QKeyEvent;
class QPushButton;
class TrackedTextEdit;
class WindowState;

class ItemEditor : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        DropDownCombo *itemBox;
        TrackedTextEdit *descriptionBox;
        QPushButton *descriptionBigger;
        QPushButton *descriptionSmaller;
    };
    ItemEditor(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets, QObject *parent);

    // Keys before the box sees them; true when the key was taken.
    bool itemBoxKeyDown(QKeyEvent *event);
    bool itemBoxKeyPress(QKeyEvent *event);
    bool descriptionKeyDown(QKeyEvent *event);
    bool descriptionKeyPress(QKeyEvent *event);
    int descriptionPoints() const;

signals:
    void commandStarting(); // the notes selection collapses
    void saveRequested();
    void offeredSaveRequested(); // only while Save is offered
    void moveRequested(int offset);
    void showHitRequested(); // a row picked during a list search
    void descriptionPointsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pickItem();
    void itemListClosed();
    void toggleItemBoxWidth();
    void itemBoxEdited();
    void descriptionEdited();
    void typedInItemBox();
    void typedInDescription();
    void enterDescription();
    void toggleDescriptionWidth();
    void showDescriptionSizeHint();
    void stepDescriptionSize(int step);
    bool runMoveKey(int key);

    ListDocument &m_document;
    WindowState &m_state;
    ItemView &m_view;
    Widgets w;
};
