#pragma once
// The questions the main window asks before work could be lost.
#include "platform/desktop.h"

class QWidget;

// "Save work first?", asked before leaving or testing a list with unsaved work.
MsgButton askSaveWorkFirst(QWidget *over, MsgButtons buttons = MsgButton::Yes | MsgButton::No | MsgButton::Cancel);
