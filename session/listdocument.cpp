#include "session/listdocument.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "store/apperror.h"

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
