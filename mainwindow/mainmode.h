#pragma once
// The modes of the main window as one value, and what the user has changed in the item area.
// Handlers decide by these predicates; what the controls show is computed from them
// (controlstate.h), never read back from a caption or a width.
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
    bool updateMode = false;     // the list selector takes a new name (banner over the item area)
    bool newList = false;        // update mode began with no list open
    bool askingLanguage = false; // update mode: the language panel asks for a language
    bool notesEnlarged = false;  // the notes box covers the item area
    int itemWidthStep = 0;       // the item box: 0 normal, 1 wide, 2 widest
    int descrWidthStep = 0;      // the description box: 0 normal, 1 wide

    bool listOpen() const { return area != Area::NoList; }
    bool browsing() const { return area == Area::Browsing; }
    bool listSearch() const { return area == Area::ListSearch; }
    bool selfTest() const { return area == Area::SelfTest; }
    // Neither searching nor testing: the boxes edit the list (or no list is open).
    bool normal() const { return !listSearch() && !selfTest(); }
    bool operator==(const MainMode &) const = default;
};

// What the user changed in the item box and the description box since the current item was
// last shown; nothing while browsing. The edit ends with Save, Add, Remove, a pick, Esc in the
// item box and every return to browsing (EditState{}).
struct EditState {
    bool headwordChanged = false;    // the item box changed: Add takes the typed headword
    bool descriptionChanged = false; // the description box changed
    bool lastInItemBox = false;      // the latest change was in the item box: Remove waits
    bool searchLocked = false;       // a character was typed: searching waits for the edit to end
    bool moveLocked = false;         // a character was typed in the item box: Up and Down wait too

    bool active() const { return headwordChanged || descriptionChanged; }
    bool operator==(const EditState &) const = default;

    void typedInItemBox() { headwordChanged = lastInItemBox = searchLocked = moveLocked = true; }
    void deletedInItemBox() { headwordChanged = lastInItemBox = true; }
    void typedInDescription()
    {
        descriptionChanged = searchLocked = true;
        lastInItemBox = false;
    }
    void deletedInDescription()
    {
        descriptionChanged = true;
        lastInItemBox = false;
    }
    // The item box's list closed: Remove and searching are offered again.
    void itemListClosed() { lastInItemBox = searchLocked = false; }
};
