#pragma once
// Puts a computed ControlState on the main window's controls: the only place where their enabled
// and visible states, the captions that follow the mode, and the sizes of the mode are set.
struct ControlState;
namespace Ui { class MainWindow; }

void applyControlState(Ui::MainWindow &ui, const ControlState &state);
