#include "platform/messagedlg.h"

namespace {
QString titleOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning: return QStringLiteral("Warning");
    case MsgKind::Error: return QStringLiteral("Error");
    case MsgKind::Information: return QStringLiteral("Information");
    case MsgKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}
} // namespace

MsgButton CenteredMessageDlg(QWidget *over, const QString &text, MsgKind kind, MsgButtons buttons,
                             MsgButton defaultButton)
{
    MessageRequest r;
    r.parent = over;
    r.title = titleOf(kind);
    r.text = text;
    r.kind = kind;
    r.buttons = buttons;
    r.defaultButton = defaultButton != MsgButton::None ? defaultButton
                      : buttons.testFlag(MsgButton::OK) ? MsgButton::OK : MsgButton::Yes;
    r.escapeButton = buttons.testFlag(MsgButton::Cancel) ? MsgButton::Cancel
                     : buttons.testFlag(MsgButton::No)   ? MsgButton::No
                                                         : MsgButton::OK;
    return desktop().showMessage(r);
}
