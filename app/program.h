#pragma once
// The program's six windows, created once at start in a fixed order and kept to the end, and the
// connections by which one window asks for another.
#include <memory>

class MainWindow;
class AboutWindow;
class QuotationsWindow;
class MasterListWindow;
class HelpWindow;
class KeyboardMapWindow;

struct ProgramWindows {
    MainWindow *main = nullptr;
    AboutWindow *about = nullptr;
    QuotationsWindow *quotations = nullptr;
    MasterListWindow *masterList = nullptr;
    HelpWindow *help = nullptr;
    KeyboardMapWindow *keyboardMap = nullptr;
};

class Program {
public:
    Program();  // creates the windows: main window, About, Quotations, Master List, Help, keyboard map
    ~Program();
    void show(); // shows the main window, centred on the desktop
    ProgramWindows windows;

private:
    void connectWindows();
    std::unique_ptr<MainWindow> m_main;
};
