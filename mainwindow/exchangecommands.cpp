#include "mainwindow/exchangecommands.h"

#include "mainwindow/savequestion.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/messagedlg.h"
#include "session/listdocument.h"
#include "session/listtransfer.h"
#include "store/listexchange.h"
#include "store/listfiles.h"
#include "store/listname.h"
#include "store/textfile.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

ExchangeCommands::ExchangeCommands(ListDocument &document, WindowState &state, const Widgets &widgets, QObject *parent)
    : QObject(parent), m_document(document), m_state(state), w(widgets)
{
    w.listSelector->installEventFilter(this);
    w.dropTarget->setAcceptDrops(true);
    w.dropTarget->installEventFilter(this);
}

bool ExchangeCommands::importable(const QString &path)
{
    const QString ending = QFileInfo(path).suffix();
    for (const char *known : {"tsv", "csv", "txt"})
        if (ending.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool ExchangeCommands::importOffered() const { return !m_state.mode().updateMode; }

bool ExchangeCommands::eventFilter(QObject *watched, QEvent *event)
{
    // In update mode the selector is a name box with its own editing menu.
    if (watched == w.listSelector && event->type() == QEvent::ContextMenu && importOffered()) {
        showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == w.dropTarget && handleDrop(event))
        return true;
    return QObject::eventFilter(watched, event);
}

QStringList ExchangeCommands::importableFiles(const QMimeData *data) const
{
    if (!data->hasUrls() || !importOffered())
        return {};
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile() || !importable(url.toLocalFile()))
            return {};
        files << url.toLocalFile();
    }
    return files;
}

// A drag over the window is taken when every file is one to import; a drop imports them.
bool ExchangeCommands::handleDrop(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = importableFiles(drop->mimeData());
    if (files.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // The questions come after the drop has ended, not while the dragging program waits for it.
        QMetaObject::invokeMethod(
            this,
            [this, files] {
                for (const QString &file : files)
                    guarded([&] { importFile(file); });
            },
            Qt::QueuedConnection);
    }
    return true;
}

void ExchangeCommands::showMenu(const QPoint &at)
{
    auto *menu = new QMenu(w.listSelector);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool open = m_document.isOpen();
    QAction *items = menu->addAction(QStringLiteral("&Export List..."));
    items->setEnabled(open);
    connect(items, &QAction::triggered, this, [this] { guarded([this] { exportOpenList(false); }); });
    QAction *notes = menu->addAction(QStringLiteral("Export &Notes..."));
    notes->setEnabled(open);
    connect(notes, &QAction::triggered, this, [this] { guarded([this] { exportOpenList(true); }); });
    menu->addSeparator();
    QAction *importing = menu->addAction(QStringLiteral("&Import List..."));
    connect(importing, &QAction::triggered, this, [this] { guarded([this] { chooseImport(); }); });
    menu->popup(at);
}

// The list is exported as saved: unsaved work is saved first, or left out, as the user says.
void ExchangeCommands::exportOpenList(bool notes)
{
    emit commandStarting();
    if (!m_document.isOpen())
        return;
    if (m_document.isModified()) {
        const MsgButton answer = askSaveWorkFirst(w.listSelector);
        if (answer == MsgButton::Yes) {
            emit saveRequested();
            if (m_document.isModified())
                return; // save refused (and said why) or failed
        } else if (answer != MsgButton::No) {
            return;
        }
    }
    const QString name = m_document.list().name();
    const QString ending = notes ? QStringLiteral(".html") : QStringLiteral(".tsv");
    std::optional<QString> path =
        desktop().pickFile(w.listSelector->window(), notes ? QStringLiteral("Export Notes") : QStringLiteral("Export List"),
                           QDir::current().absoluteFilePath(name + ending),
                           notes ? QStringLiteral("Web page (*.html *.htm)")
                                 : QStringLiteral("Tab-separated text (*.tsv);;Comma-separated text (*.csv)"),
                           true);
    if (!path)
        return;
    // A name typed without an ending gets the format's usual one.
    if (QFileInfo(*path).suffix().isEmpty())
        *path += ending;
    const ExportOutcome outcome = exportList(name, *path);
    CenteredMessageDlg(w.listSelector->window(), exportedMessage(name, *path, outcome), MsgKind::Information, MsgButton::OK);
    if (outcome.truncated)
        CenteredMessageDlg(w.listSelector->window(), exportTruncatedMessage(outcome), MsgKind::Warning, MsgButton::OK);
}

void ExchangeCommands::chooseImport()
{
    emit commandStarting();
    const std::optional<QString> path =
        desktop().pickFile(w.listSelector->window(), QStringLiteral("Import List"), QDir::currentPath(),
                           QStringLiteral("Lists as text (*.tsv *.csv *.txt);;All files (*)"), false);
    if (path)
        importFile(*path);
}

void ExchangeCommands::importFile(const QString &path)
{
    if (!importOffered())
        return;
    QWidget *over = w.listSelector->window();
    const QString name = QFileInfo(path).completeBaseName();
    const auto refuse = [&](const QString &why) { throw AppError(importRefusalMessage(path, name, why)); };
    if (const store::ListNameRefusal refusal = store::checkListName(name); refusal != store::ListNameRefusal::None)
        refuse(store::listNameRefusalMessage(refusal, name));
    // The open list's files are not replaced under it: its work would be saved over the import.
    if (m_document.isOpen() && m_document.list().name().compare(name, Qt::CaseInsensitive) == 0)
        refuse(QStringLiteral("it is the list open now; open another list first, or give the file another name."));
    const bool replace = store::anyListFileExists(name);
    if (replace
        && CenteredMessageDlg(over, QStringLiteral("File already exists. Overwrite?"), MsgKind::Warning,
                              MsgButton::OK | MsgButton::Cancel)
               != MsgButton::OK)
        return;
    // Greek letters in the headwords make Greek the likely answer; a list of Latin letters may be
    // Latin or Greek typed in SPIonic keys.
    const bool greekLetters = store::headwordsHoldGreek(store::readFileBytes(path), path);
    const MsgButton language =
        CenteredMessageDlg(over, QStringLiteral("Import \"%1\" as a Greek or a Latin list?").arg(path),
                           MsgKind::Confirmation, MsgButton::Greek | MsgButton::Latin | MsgButton::Cancel,
                           greekLetters ? MsgButton::Greek : MsgButton::Latin);
    if (language != MsgButton::Greek && language != MsgButton::Latin)
        return;
    const ImportOutcome outcome = importList(path, name, language == MsgButton::Greek ? QStringLiteral("Greek")
                                                                                      : QStringLiteral("Latin"),
                                             replace);
    emit listsChanged();
    CenteredMessageDlg(over, importedMessage(path, name, outcome), MsgKind::Information, MsgButton::OK);
}
