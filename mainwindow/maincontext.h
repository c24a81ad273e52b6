#pragma once
// What the controllers of the main window share: the form, the open list, the window's mode, the
// box last edited, and each other. The window owns it and the controllers; each controller keeps
// its own state to itself.
#include "mainwindow/mainmode.h"
#include "session/listsession.h"

namespace Ui { class TForm1; }
class TForm1;
class ItemArea;
class ListSelection;
class ItemEditing;
class ItemCommands;
class ListSearch;
class SelfTest;
class ListManagement;
class NotesEditor;

struct MainContext {
    TForm1 *form = nullptr;
    Ui::TForm1 *ui = nullptr;
    ListSession session;
    MainMode mode;
    EditBox lastEditBox = EditBox::None;

    ItemArea *area = nullptr;
    ListSelection *selection = nullptr;
    ItemEditing *editing = nullptr;
    ItemCommands *commands = nullptr;
    ListSearch *search = nullptr;
    SelfTest *test = nullptr;
    ListManagement *lists = nullptr;
    NotesEditor *notes = nullptr;
};
