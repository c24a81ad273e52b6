#pragma once
// The program's question and message box: the kind's icon and title, one button per member of
// the set in the order Yes, No, OK, Greek, Latin, Reload, Overwrite, Cancel, the button given as
// the default (none given: OK, else Yes), Esc choosing Cancel, else No, else OK; centred over the
// given window.
#include "platform/desktop.h"

MsgButton CenteredMessageDlg(QWidget *over, const QString &text, MsgKind kind, MsgButtons buttons,
                             MsgButton defaultButton = MsgButton::None);
