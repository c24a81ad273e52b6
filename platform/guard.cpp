#include "platform/guard.h"

#include "platform/desktop.h"

#include <QApplication>

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showErrorReport(const QString &message)
{
    MessageRequest r;
    r.parent = QApplication::activeWindow();
    r.title = QStringLiteral("Mnemora");
    r.text = errorReportText(message);
    r.kind = MsgKind::Error;
    r.buttons = MsgButton::OK;
    r.defaultButton = r.escapeButton = MsgButton::OK;
    desktop().showMessage(r);
}
