#include "platform/desktop.h"

#include "store/apperror.h"

#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
Desktop *g_override = nullptr;

QMessageBox::Icon iconOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning: return QMessageBox::Warning;
    case MsgKind::Error: return QMessageBox::Critical;
    case MsgKind::Information: return QMessageBox::Information;
    case MsgKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Desktop &desktop()
{
    static SystemDesktop system;
    return g_override ? *g_override : system;
}

void setDesktop(Desktop *replacement) { g_override = replacement; }

MsgButton SystemDesktop::showMessage(const MessageRequest &request)
{
    QMessageBox box(iconOf(request.kind), request.title, request.text, QMessageBox::NoButton, request.parent);
    struct Choice { MsgButton button; const char *caption; QMessageBox::ButtonRole role; };
    static const Choice choices[] = {{MsgButton::Yes, "&Yes", QMessageBox::YesRole},
                                     {MsgButton::No, "&No", QMessageBox::NoRole},
                                     {MsgButton::OK, "OK", QMessageBox::AcceptRole},
                                     {MsgButton::Greek, "&Greek", QMessageBox::AcceptRole},
                                     {MsgButton::Latin, "&Latin", QMessageBox::AcceptRole},
                                     {MsgButton::Reload, "&Reload", QMessageBox::AcceptRole},
                                     {MsgButton::Overwrite, "&Overwrite", QMessageBox::DestructiveRole},
                                     {MsgButton::Cancel, "Cancel", QMessageBox::RejectRole}};
    QList<QPair<QAbstractButton *, MsgButton>> made;
    for (const Choice &c : choices) {
        if (!request.buttons.testFlag(c.button))
            continue;
        QPushButton *b = box.addButton(QString::fromLatin1(c.caption), c.role);
        made.append({b, c.button});
        if (c.button == request.defaultButton)
            box.setDefaultButton(b);
        if (c.button == request.escapeButton)
            box.setEscapeButton(b);
    }
    box.exec();
    for (const auto &[b, which] : made)
        if (box.clickedButton() == b)
            return which;
    return MsgButton::Cancel;
}

std::optional<QColor> SystemDesktop::pickColour(QWidget *parent, const QColor &initial, const QString &title)
{
    QColor c = QColorDialog::getColor(initial, parent, title);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QString> SystemDesktop::pickFile(QWidget *parent, const QString &title, const QString &startPath,
                                               const QString &filter, bool save)
{
    const QString path = save ? QFileDialog::getSaveFileName(parent, title, startPath, filter)
                              : QFileDialog::getOpenFileName(parent, title, startPath, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void SystemDesktop::openUrl(const QUrl &url)
{
    // A failure is told, not silent: otherwise a click on a link seems to do nothing.
    if (!QDesktopServices::openUrl(url))
        throw AppError(QStringLiteral("Cannot open \"%1\". No program of the desktop opens this kind of address")
                           .arg(url.toDisplayString()));
}

QStringList SystemDesktop::installedFontFamilies() { return QFontDatabase::families(); }

quint32 SystemDesktop::randomSeed() { return quint32(QDateTime::currentMSecsSinceEpoch()); }
