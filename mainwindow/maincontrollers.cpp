#include "mainwindow/maincontrollers.h"

#include "mainwindow/diskchanges.h"
#include "mainwindow/exchangecommands.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/itemeditor.h"
#include "mainwindow/itemview.h"
#include "mainwindow/keyrouting.h"
#include "mainwindow/listchooser.h"
#include "mainwindow/listmanagement.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/noteseditor.h"
#include "mainwindow/notesformatbar.h"
#include "mainwindow/selftest.h"
#include "platform/guard.h"
#include "mainwindow/windowstate.h"
#include "session/listdocument.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>
#include <QTimer>

MainControllers::MainControllers(Ui::MainWindow &ui, ListDocument &document, WindowState &state, QTimer &animation,
                                 QWidget *window)
    : QObject(window)
{
    view = new ItemView(document.list(), {ui.Cmb_Item, ui.RichDescr, ui.Heading, ui.PnlItemNo, ui.LblSearchString, ui.Panel},
                          this);
    editor = new ItemEditor(document, state, *view,
                              {ui.Cmb_Item, ui.RichDescr, ui.BtnRichdescrFontIncrease, ui.BtnRichdescrFontDecrease}, this);
    commands = new ItemCommands(document, state, *view,
                                  {ui.Cmb_Item, ui.RichDescr, ui.BtnSave, ui.BtnIns, ui.BtnDel, ui.BtnSwopUp, ui.BtnSwopDown,
                                   ui.BtnMaster},
                                  this);
    search = new ListSearch(document, state, *view,
                              {ui.EdtSearch, ui.Btn_Search, ui.ChkWhole, ui.BtnLeft, ui.BtnRight, ui.Cmb_Item, ui.RichDescr},
                              this);
    test = new SelfTest(document, state, *view, {ui.Panel, ui.BtnSelfTest, ui.Cmb_Item}, this);
    chooser = new ListChooser(document, state, *view, animation, {ui.CmbWork, ui.Cmb_Item}, this);
    lists = new ListManagement(document, state, *view, animation,
                                 {ui.CmbWork, ui.BtnChangeList, ui.RadioGreek, ui.RadioLatin, ui.ShpUpdate, ui.Cmb_Item}, this);
    exchange = new ExchangeCommands(document, state, {ui.CmbWork, window}, this);
    notes = new NotesEditor(document, state, {ui.RedTranslation, ui.BtnExpandReduce, ui.ChkWholeWOrd, ui.BtnNextTranslation},
                              this);
    formatBar = new NotesFormatBar(state,
                                     {ui.RedTranslation, ui.BtnFormatBold, ui.BtnFormatItalic, ui.BtnFormatUnderline,
                                      ui.BtnFormatRed, ui.BtnFormatBlue, ui.BtnFormatGreen, ui.BtnFormatFontIncrease,
                                      ui.BtnFormatFontDecrease, ui.BtnCopyFormat, ui.CmbFont, ui.ShpColour},
                                     this);
    disk = new DiskChanges(document, state, window, this);
    connectTogether(animation);
}

MainControllers::~MainControllers()
{
    // The controllers watch the form's widgets: they go before the widgets do.
    for (QObject *controller : std::initializer_list<QObject *>{disk, formatBar, notes, exchange, lists, chooser, test, search, commands,
                                                                editor, view})
        delete controller;
}

void MainControllers::connectTogether(QTimer &animation)
{
    // Most commands begin by collapsing the notes selection.
    const auto collapse = [this] { notes->collapseSelection(); };
    connect(editor, &ItemEditor::commandStarting, this, collapse);
    connect(commands, &ItemCommands::commandStarting, this, collapse);
    connect(search, &ListSearch::commandStarting, this, collapse);
    connect(test, &SelfTest::commandStarting, this, collapse);
    connect(chooser, &ListChooser::commandStarting, this, collapse);
    connect(exchange, &ExchangeCommands::commandStarting, this, collapse);
    const auto save = [this] { guarded([this] { commands->saveList(); }); };
    connect(editor, &ItemEditor::saveRequested, this, save);
    connect(test, &SelfTest::saveRequested, this, save);
    connect(chooser, &ListChooser::saveRequested, this, save);
    connect(lists, &ListManagement::saveRequested, this, save);
    connect(exchange, &ExchangeCommands::saveRequested, this, save);
    connect(exchange, &ExchangeCommands::listsChanged, chooser, &ListChooser::refreshLists);
    connect(commands, &ItemCommands::changedOnDiskAtSave, this,
            [this](const DiskChange &change) { guarded([&] { disk->resolveAtSave(change); }); });
    connect(disk, &DiskChanges::saveWanted, this, save);
    connect(disk, &DiskChanges::editStoreWanted, commands, &ItemCommands::storeEditQuietly);
    connect(disk, &DiskChanges::reloadWanted, this, [this] { guarded([this] { chooser->reopenOpenList(); }); });
    const auto saveIfOffered = [this] { guarded([this] { commands->saveListIfOffered(); }); };
    connect(editor, &ItemEditor::offeredSaveRequested, this, saveIfOffered);
    connect(notes, &NotesEditor::offeredSaveRequested, this, saveIfOffered);
    connect(editor, &ItemEditor::moveRequested, this, [this](int offset) { guarded([&] { commands->moveItem(offset); }); });
    connect(editor, &ItemEditor::showHitRequested, search, &ListSearch::showPickedHit);
    connect(commands, &ItemCommands::notesFocusWanted, notes, &NotesEditor::focusNotes);
    connect(chooser, &ListChooser::notesFocusWanted, notes, &NotesEditor::focusNotes);
    connect(formatBar, &NotesFormatBar::notesFocusWanted, notes, &NotesEditor::focusNotes);
    connect(search, &ListSearch::searchStarted, notes, &NotesEditor::startSearch);
    connect(chooser, &ListChooser::listShown, search, &ListSearch::showPrompt);
    connect(chooser, &ListChooser::choiceClosed, formatBar, &NotesFormatBar::showNoFont);
    connect(lists, &ListManagement::updateModeStarting, this, [this](bool newList) {
        formatBar->showNoFont();
        if (newList)
            chooser->hidePrompt();
    });
    connect(lists, &ListManagement::committed, this,
            [this](const QString &name, bool newList) { guarded([&] { chooser->showCommittedList(name, newList); }); });
    connect(lists, &ListManagement::listDeleted, chooser, &ListChooser::resetToNoList);
    connect(lists, &ListManagement::updateModeLeft, this, [this, &animation](bool newList) {
        if (!newList) {
            chooser->showOpenListName();
            return;
        }
        chooser->showPrompt();
        animation.start();
    });
    connect(notes, &NotesEditor::mouseReleased, formatBar, &NotesFormatBar::notesMouseReleased);

    connect(editor, &ItemEditor::descriptionPointsChanged, this, &MainControllers::controlsChanged);
    connect(search, &ListSearch::hitsChanged, this, &MainControllers::controlsChanged);
    connect(notes, &NotesEditor::searchChanged, this, &MainControllers::controlsChanged);
    connect(formatBar, &NotesFormatBar::stateChanged, this, &MainControllers::controlsChanged);
    connect(commands, &ItemCommands::masterListWanted, this, &MainControllers::masterListWanted);
    connect(search, &ListSearch::escapePressed, this, &MainControllers::escapePressed);
}

void MainControllers::routeKeys(KeyRouting &keys, Ui::MainWindow &ui, const WindowState &state)
{
    // Esc on these buttons runs Esc's steps once more, outside update mode.
    for (QWidget *button : std::initializer_list<QWidget *>{
             ui.ChkWholeWOrd, ui.BtnSave, ui.BtnIns, ui.BtnMaster, ui.BtnDel, ui.BtnLeft, ui.BtnNextTranslation,
             ui.BtnRight, ui.BtnSelfTest, ui.BtnSwopDown, ui.BtnSwopUp, ui.Btn_Search})
        keys.route(button, [this, &state](QKeyEvent *event) {
            if (event->key() == Qt::Key_Escape && !state.mode().updateMode)
                emit escapePressed();
            return false;
        });
    for (QWidget *control : std::initializer_list<QWidget *>{ui.CmbWork, ui.BtnChangeList, ui.RadioGreek, ui.RadioLatin})
        keys.route(control, [this, control](QKeyEvent *event) { return lists->selectorKeyDown(control, event); });
    keys.route(ui.Cmb_Item, [this](QKeyEvent *e) { return editor->itemBoxKeyDown(e); },
               [this](QKeyEvent *e) { return editor->itemBoxKeyPress(e); });
    keys.route(ui.RichDescr, [this](QKeyEvent *e) { return editor->descriptionKeyDown(e); },
               [this](QKeyEvent *e) { return editor->descriptionKeyPress(e); });
    keys.route(ui.EdtSearch, [this](QKeyEvent *e) { return search->searchBoxKeyDown(e); },
               [this](QKeyEvent *e) { return search->searchBoxKeyPress(e); });
    keys.route(ui.RedTranslation, [this](QKeyEvent *e) { return notes->notesKeyDown(e); },
               [this](QKeyEvent *e) { return notes->notesKeyPress(e); });
    keys.route(ui.CmbFont, [this](QKeyEvent *e) { return formatBar->fontListKeyDown(e); });
}
