#include "mainwindow/controlstate.h"

namespace {
Look shownIf(bool visible, bool enabled) { return {visible && enabled, visible}; }
Look enabledIf(bool enabled) { return {enabled, true}; }
} // namespace

ControlState computeControlState(const ControlInputs &in)
{
    const MainMode &m = in.mode;
    const EditState &e = in.edit;
    const bool font = in.fontAvailable;
    const bool open = m.listOpen();
    const bool search = m.listSearch();
    const bool test = m.selfTest();
    const bool update = m.updateMode;
    // Editing the list: a list open, neither searching nor testing, and nothing covered by the
    // update-mode banner, under which no control is reached by keyboard or mouse.
    const bool editable = font && open && m.normal() && !update;
    const int count = in.itemCount;
    const int current = in.currentItem;

    ControlState s;
    s.listSelector = enabledIf(font && !search && !test);
    s.listSelectorEditable = update;
    s.changeListButton = s.listSelector;
    s.changeListCaption = update ? QStringLiteral("Update") : QStringLiteral("Change");
    s.greekButton = shownIf(update, true);
    s.latinButton = s.greekButton;
    s.languagePanel = shownIf(update && m.askingLanguage, true);
    s.updateBanner = shownIf(update, true);
    s.bannerText = m.newList ? QStringLiteral("Enter new list name and select language")
                             : QStringLiteral("Change current item ONLY and click Update");

    s.heading = shownIf(font && !(search && in.hitCount > 0), true);
    s.itemBox = enabledIf(font && open && !test && !update);
    s.itemBoxEditable = !search && !test;
    s.itemAreaTabbable = !test;
    s.descriptionBox = enabledIf(font && open && !update);
    s.descriptionReadOnly = !m.normal();
    const bool sizeButtons = font && open && !test && !update;
    const bool sizeButtonsShown = !update && !m.notesEnlarged;
    s.descriptionBigger = shownIf(sizeButtonsShown, sizeButtons && in.descriptionPoints < 24);
    s.descriptionSmaller = shownIf(sizeButtonsShown, sizeButtons && in.descriptionPoints > 8);
    s.itemCounter = shownIf(font && open && !search, !update);
    s.itemBoxWidth = m.itemWidthStep == 0 ? 215 : m.itemWidthStep == 1 ? 577 : 724;
    s.descriptionWidth = m.descrWidthStep == 0 ? 577 : 722;

    const bool wide = m.itemWidthStep != 0;
    s.addButton = shownIf(!wide, editable && e.headwordChanged);
    s.removeButton = shownIf(!wide, editable && count >= 1 && !e.lastInItemBox);
    s.saveButton = shownIf(m.itemWidthStep < 2, editable && in.modified);
    const bool moves = editable && !e.moveLocked && count >= 2;
    s.upButton = shownIf(!search, moves && current > 1);
    s.downButton = shownIf(!search, moves && current < count);
    s.masterButton = shownIf(!wide, font && !test && !update);
    s.selfTestButton = shownIf(m.descrWidthStep == 0, font && open && !search && !update && count >= 2);
    s.testPanel = {font, test || !font};
    s.closeButton = enabledIf(font && !update);

    // An empty list with empty notes holds nothing to search.
    const bool searchable = font && open && !test && !update && !e.searchLocked && (count > 0 || !in.notesEmpty);
    s.searchPanel = enabledIf(font && !update);
    s.searchBox = enabledIf(searchable);
    s.searchButton = s.searchBox;
    s.wholeWordBox = s.searchBox;
    s.searchCaption = search ? QStringLiteral("End Search") : QStringLiteral("Search");
    s.searchPanelWidth = search ? 577 : 426;
    s.hitCounter = shownIf(font && search, true);
    s.previousHit = shownIf(search, !update && in.hitRow > 0);
    s.nextHit = shownIf(search, !update && in.hitRow >= 0 && in.hitRow < in.hitCount - 1);
    s.notesWholeWordBox = shownIf(search && in.notesSearchShown, !update);
    s.notesNext = shownIf(search && in.notesSearchShown, !update && in.notesHits >= 1);

    s.notesBox = shownIf(open, font && !update);
    s.notesReadOnly = !m.normal();
    s.notesLabel = shownIf(open, true);
    s.notesEnlarged = m.notesEnlarged;
    s.expandNotes = shownIf(open && !update, editable);
    s.formatBar = shownIf(open && !update, editable);
    s.copyFormat = shownIf(open && !update, editable && !in.painterArmed);
    s.notesBigger = shownIf(open && !update, editable && !in.notesBiggerAtLimit);
    s.notesSmaller = shownIf(open && !update, editable && !in.notesSmallerAtLimit);

    s.quotationsPicture = shownIf(!open, true);
    s.helpIcon = shownIf(!update && m.itemWidthStep < 2, true);
    s.stayOnTopPanels = shownIf(!wide && !m.notesEnlarged, !update);
    return s;
}
