#include "mainwindow/savequestion.h"

#include "platform/messagedlg.h"

#include <QWidget>

MsgButton askSaveWorkFirst(QWidget *over, MsgButtons buttons)
{
    return CenteredMessageDlg(over->window(), QStringLiteral("Save work first?"), MsgKind::Confirmation, buttons);
}
