#include "session/listdocument.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "store/apperror.h"
#include "store/atomicwrite.h"
#include "store/datafolder.h"
#include "store/filestamp.h"
#include "store/listfiles.h"
#include "store/listfinder.h"
#include "store/listname.h"
#include "store/paths.h"

#include <QFileInfo>
#include <QTextDocument>

ListDocument::ListDocument(QObject *parent) : QObject(parent), m_notes(new QTextDocument(this))
{
    connect(&m_list, &ListSession::itemsChanged, this, &ListDocument::changed);
    connect(&m_list, &ListSession::currentChanged, this, &ListDocument::changed);
    connect(&m_list, &ListSession::savedChanged, this, &ListDocument::changed);
    connect(m_notes, &QTextDocument::modificationChanged, this, &ListDocument::changed);
}

ListDocument::~ListDocument() = default;

bool ListDocument::isModified() const { return !m_list.isSaved() || m_notes->isModified(); }

void ListDocument::loadNotes(const QByteArray *bytes)
{
    const QSignalBlocker block(m_notes);
    m_notes->clear();
    if (bytes)
        rtf::read(*bytes, m_notes);
    m_notes->clearUndoRedoStacks();
    m_notes->setModified(false);
}

ListDocument::Opened ListDocument::open(const QString &name)
{
    ListSession::Opened read = m_list.open(name);
    loadNotes(read.notes ? &*read.notes : nullptr);
    emit changed();
    return {read.truncated, read.notes.has_value()};
}

void ListDocument::close()
{
    m_list.close();
    loadNotes(nullptr);
    emit changed();
}

void ListDocument::requireSaveableName(const QString &name) const
{
    if (name.trimmed().isEmpty())
        throw AppError(QStringLiteral("A list needs a name before it can be saved. Nothing was written."));
}

void ListDocument::save()
{
    if (!m_list.isOpen())
        throw AppError(QStringLiteral("No list is open. Nothing was written."));
    requireSaveableName(m_list.name());
    if (const DiskChange change = changedOnDisk(); change.any())
        throw ChangedOnDiskError(describe(change) + QStringLiteral(" Nothing was written."), change);
    m_list.save(rtf::write(m_notes));
    m_notes->setModified(false);
    emit changed();
}

void ListDocument::saveAs(const QString &name, const QString &language)
{
    requireSaveableName(name);
    m_list.saveAs(name, language, rtf::write(m_notes));
    m_notes->setModified(false);
    emit changed();
}

void ListDocument::create(const QString &name, const QString &language)
{
    requireSaveableName(name);
    // The notes of a new list are those of an empty document, whatever the notes box held.
    const QByteArray bytes = emptyNotes();
    m_list.create(name, language, bytes);
    loadNotes(&bytes);
    emit changed();
}

QByteArray ListDocument::emptyNotes()
{
    QTextDocument empty;
    return rtf::write(&empty);
}

void ListDocument::noteUnstoredEdit() { m_list.markModified(); }

DiskChange ListDocument::changedOnDisk() const
{
    DiskChange change;
    // While the data folder itself is gone, saving says so; a folder made again is gone into.
    store::rejoinDataFolder();
    if (!m_list.isOpen() || store::dataFolderRemoved())
        return change;
    const store::ListPairStamps &was = m_list.diskStamps();
    const QString listPath = store::listFilePath(m_list.name());
    change.listChanged = !store::stillAsStamped(listPath, was.list);
    change.listGone = change.listChanged && !QFileInfo::exists(listPath);
    change.notesChanged = !store::stillAsStamped(was.notesPath, was.notes);
    change.notesGone = change.notesChanged && was.notes.exists && !QFileInfo::exists(was.notesPath);
    return change;
}

QString ListDocument::describe(const DiskChange &change) const
{
    const auto what = [](const QString &path, bool gone) {
        return QStringLiteral("\"%1\" was %2").arg(path, gone ? QStringLiteral("deleted or renamed") : QStringLiteral("changed"));
    };
    QStringList parts;
    if (change.listChanged)
        parts << what(store::listFilePath(m_list.name()), change.listGone);
    if (change.notesChanged)
        parts << what(m_list.diskStamps().notesPath, change.notesGone);
    return QStringLiteral("Since the list \"%1\" was opened or saved here, the file %2 by another program or "
                          "another machine.")
        .arg(m_list.name(), parts.join(QStringLiteral(" and the file ")));
}

namespace {
bool listTaken(const QString &folderPrefix, const QString &name)
{
    return QFileInfo::exists(folderPrefix + store::listFilePath(name))
           || QFileInfo::exists(store::existingNotesFilePath(folderPrefix + name));
}
} // namespace

QString ListDocument::saveOverDisk(const QDateTime &now)
{
    if (!m_list.isOpen())
        throw AppError(QStringLiteral("No list is open. Nothing was written."));
    requireSaveableName(m_list.name());
    const QString listPath = store::listFilePath(m_list.name());
    const QString notesPath = m_list.diskStamps().notesPath;
    const bool listThere = QFileInfo::exists(listPath);
    const bool notesThere = QFileInfo::exists(notesPath);
    QString kept;
    if (listThere || notesThere) {
        const QString backups = store::backupsFolder() + u'/';
        kept = store::keptCopyName(m_list.name(), now, [&](const QString &name) { return listTaken(backups, name); });
        if (listThere)
            store::copyFileAtomic(listPath, store::backupPath(store::listFilePath(kept)));
        if (notesThere)
            store::copyFileAtomic(notesPath, store::backupPath(kept + QStringLiteral(".rtf")));
    }
    m_list.save(rtf::write(m_notes));
    m_notes->setModified(false);
    emit changed();
    return kept;
}

QString ListDocument::keepWorkAsCopy(const QDateTime &now)
{
    if (!m_list.isOpen())
        throw AppError(QStringLiteral("No list is open. Nothing was written."));
    const QString kept = store::keptCopyName(m_list.name(), now, [](const QString &name) { return listTaken({}, name); });
    store::writeListPair(kept, m_list.language(), m_list.items(), rtf::write(m_notes));
    return kept;
}
