#pragma once
// Searching the descriptions of the open list: the item box then lists only the items found,
// "<" and ">" step through them, and each description shown has its matches coloured red.
#include <QObject>

struct MainContext;
class QKeyEvent;

class ListSearch : public QObject {
    Q_OBJECT
public:
    explicit ListSearch(MainContext &context);

    void Btn_SearchClick();
    void RunListSearch();
    void PrepareNotesSearch();
    void ShowListHit();
    void EndListSearch();              // from the button (and Esc, list opening): focus to the item box
    void EndListSearchFromSearchBox(); // typing or Delete in the search box: focus stays there
    void HighlightDescriptionMatches();
    void ChkWholeClick();
    void EdtSearchClick();
    void EdtSearchEnter();
    bool EdtSearchKeyDown(QKeyEvent *event);
    bool EdtSearchKeyPress(QKeyEvent *event);
    void BtnLeftClick();
    void BtnRightClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHitDescription(int row);
    void stepTo(int row);
    void leaveListSearch(bool focusSearchBox);

    MainContext &c;
};
