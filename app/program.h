#pragma once
// The program's six windows, created once at start in a fixed order and kept to the end, and the
// connections by which one window asks for another.
#include <memory>

class MainWindow;
class TFrmTools;
class TFrmQuotes;
class TFrmMaster;
class TFrmHelp;
class TFrmSPIonic;

struct ProgramWindows {
    MainWindow *main = nullptr;
    TFrmTools *FrmTools = nullptr;
    TFrmQuotes *FrmQuotes = nullptr;
    TFrmMaster *FrmMaster = nullptr;
    TFrmHelp *FrmHelp = nullptr;
    TFrmSPIonic *FrmSPIonic = nullptr;
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
