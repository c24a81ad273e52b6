#pragma once
// The modes of the main window as one value. Handlers decide by these predicates; the captions
// and widths that show a mode on screen are derived from it (TForm1::showMode), never read back.
#include <QString>

enum class EditBox { None, Item, Description, Notes };

struct MainMode {
    enum class Area {
        NoList,     // the selector shows its prompt; no list is open
        Browsing,   // a list is open, its items shown and editable
        ListSearch, // the item box lists the hits of a search
        SelfTest,   // the self-test panel covers the description
    };
    Area area = Area::NoList;
    bool editing = false;       // the item or description box holds typed, unstored text
    bool updateMode = false;    // the list selector takes a new name for the open list
    bool notesEnlarged = false; // the notes box covers the item area
    int itemWidthStep = 0;      // the item box: 0 normal, 1 wide, 2 widest
    int descrWidthStep = 0;     // the description box: 0 normal, 1 wide

    bool listOpen() const { return area != Area::NoList; }
    bool browsing() const { return area == Area::Browsing; }
    bool listSearch() const { return area == Area::ListSearch; }
    bool selfTest() const { return area == Area::SelfTest; }
    // Neither searching nor testing: the boxes edit the list (or no list is open).
    bool normal() const { return !listSearch() && !selfTest(); }

    QString searchCaption() const { return listSearch() ? QStringLiteral("End Search") : QStringLiteral("Search"); }
    QString changeListCaption() const { return updateMode ? QStringLiteral("Update") : QStringLiteral("Change"); }
    int itemBoxWidth() const { return itemWidthStep == 0 ? 215 : itemWidthStep == 1 ? 577 : 724; }
    int descriptionWidth() const { return descrWidthStep == 0 ? 577 : 722; }
};
