#pragma once
// The item box and the description box: browsing the list and editing the current item, the
// font-size keys and buttons, and the width steps of the two boxes.
#include <QObject>

struct MainContext;
class QKeyEvent;

class ItemEditing : public QObject {
    Q_OBJECT
public:
    explicit ItemEditing(MainContext &context);

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
    // The description size buttons, each enabled only while a step is left in its direction.
    void refreshDescriptionSizeButtons();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Cmb_ItemTextEdited();
    void RichDescrUserEdited();
    void startItemEdit();
    void startDescriptionEdit();
    void stepDescriptionSize(int step);
    bool runMoveKey(int key); // Ctrl+U / Ctrl+D in the item and description boxes

    MainContext &c;
};
