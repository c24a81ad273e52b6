#pragma once
// The controllers of the main window, made for its form, the open list's document and the
// window's state, and wired to one another: each announces its outcomes by signals and the
// connections here decide who acts on them. What concerns the window as a whole (applying the
// control states, the other windows, Esc) is announced on to it.
#include <QObject>

namespace Ui { class MainWindow; }
class DiskChanges;
class ExchangeCommands;
class ItemCommands;
class ItemEditor;
class ItemView;
class KeyRouting;
class ListChooser;
class ListDocument;
class ListManagement;
class ListSearch;
class NotesEditor;
class NotesFormatBar;
class QTimer;
class QWidget;
class SelfTest;
class WindowState;

class MainControllers : public QObject {
    Q_OBJECT
public:
    MainControllers(Ui::MainWindow &ui, ListDocument &document, WindowState &state, QTimer &animation, QWidget *window);
    ~MainControllers() override;

    ItemView *view;
    ItemEditor *editor;
    ItemCommands *commands;
    ListSearch *search;
    SelfTest *test;
    ListChooser *chooser;
    ListManagement *lists;
    ExchangeCommands *exchange;
    NotesEditor *notes;
    NotesFormatBar *formatBar;
    DiskChanges *disk;

    // Gives each control's keys to the handler of its controller, before the control sees them.
    void routeKeys(KeyRouting &keys, Ui::MainWindow &ui, const WindowState &state);

signals:
    // What the controls show may differ though neither the document nor the state changed.
    void controlsChanged();
    void masterListWanted();
    void escapePressed();

private:
    void connectTogether(QTimer &animation);
};
