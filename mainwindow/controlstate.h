#pragma once
// What each control of the main window shows, computed in one place from the window's mode, the
// edit in the item area and the open list's state. No widget is touched here: the window applies
// the result (MainWindow::applyControlState) whenever any of these changes.
#include "mainwindow/mainmode.h"

#include <QString>

struct ControlInputs {
    MainMode mode;
    EditState edit;
    bool fontAvailable = true; // without the SPIonic font the window only says so and closes
    int itemCount = 0;
    int currentItem = 0;       // 1-based, 0 none
    bool modified = false;     // the open list holds unsaved work
    bool notesEmpty = true;
    int hitCount = 0;          // list search
    int hitRow = -1;           // the hit shown, 0-based
    bool notesSearchShown = false; // the notes held the search text when the search began
    int notesHits = 0;
    int descriptionPoints = 13;
    bool painterArmed = false;     // Copy Format waits for the next release in the notes
    bool notesBiggerAtLimit = false;
    bool notesSmallerAtLimit = false;
};

struct Look {
    bool enabled = false;
    bool visible = false;
    bool operator==(const Look &) const = default;
};

struct ControlState {
    // The list selector and update mode.
    Look listSelector, changeListButton, greekButton, latinButton, languagePanel, updateBanner;
    bool listSelectorEditable = false;
    QString changeListCaption, bannerText;
    // The item area.
    Look heading, itemBox, descriptionBox, descriptionBigger, descriptionSmaller, itemCounter;
    bool itemBoxEditable = true;
    bool itemAreaTabbable = true; // the item box and the description box take part in Tab
    bool descriptionReadOnly = false;
    int itemBoxWidth = 215;
    int descriptionWidth = 577;
    // Commands.
    Look addButton, removeButton, saveButton, upButton, downButton, masterButton, selfTestButton, testPanel,
        closeButton;
    // Search.
    Look searchPanel, searchBox, searchButton, wholeWordBox, hitCounter, previousHit, nextHit, notesWholeWordBox, notesNext;
    QString searchCaption;
    int searchPanelWidth = 426;
    // Notes.
    Look notesBox, notesLabel, expandNotes, formatBar, copyFormat, notesBigger, notesSmaller;
    bool notesReadOnly = false;
    bool notesEnlarged = false;
    // Pictures and panels.
    Look quotationsPicture, helpIcon, stayOnTopPanels;
};

ControlState computeControlState(const ControlInputs &in);
