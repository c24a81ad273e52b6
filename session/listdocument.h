#pragma once
// The open list as one document: the list (name, language, items, current item, search hits,
// self-test draw) together with its notes as a QTextDocument. Whether the work is unsaved is
// known here alone: the list's flag or the notes' modification state. The windows observe it
// through changed() and never set it; the edit buffer of the item area reports its edits with
// noteUnstoredEdit(). Saving takes the notes' bytes from the document itself, and a save with no
// list open, or under an empty name, is refused here whatever a window does.
#include "session/listsession.h"

#include "store/apperror.h"

#include <QObject>

class QDateTime;
class QTextDocument;

// What became of the open list's files since the program last read or wrote them: another
// program, or a sync tool bringing another machine's save, changed or removed them.
struct DiskChange {
    bool listChanged = false; // changed, or gone
    bool listGone = false;
    bool notesChanged = false;
    bool notesGone = false;
    bool any() const { return listChanged || notesChanged; }
    // Whether the list on disk can be read again: its list file is there.
    bool canReload() const { return !listGone; }
};

// A save refused because the files on disk are no longer those the open list was read from or
// last written to: nothing was written.
class ChangedOnDiskError : public AppError {
public:
    ChangedOnDiskError(const QString &message, DiskChange change) : AppError(message), m_change(change) {}
    const DiskChange &change() const { return m_change; }

private:
    DiskChange m_change;
};

class ListDocument : public QObject {
    Q_OBJECT

public:
    explicit ListDocument(QObject *parent = nullptr);
    ~ListDocument() override;

    const ListSession &list() const { return m_list; }
    ListSession &list() { return m_list; }
    QTextDocument *notes() const { return m_notes; }

    bool isOpen() const { return m_list.isOpen(); }
    // Work that is not in the files: a change of the list or of its notes.
    bool isModified() const;

    struct Opened {
        bool truncated = false;  // the file held more items than a list holds
        bool notesFound = false; // the notes file was there (else the notes are empty)
    };
    // Backs the list up and reads it and its notes; all or nothing. Throws AppError.
    Opened open(const QString &name);
    // No list open, empty notes, nothing unsaved.
    void close();
    // Writes the open list and its notes. Throws AppError when no list is open or the name is
    // empty, or when the files cannot be written; the work then still counts as unsaved. When the
    // files on disk changed since they were read or written here, throws ChangedOnDiskError and
    // writes nothing: see saveOverDisk and keepWorkAsCopy.
    void save();

    // --- the files changed by someone else ------------------------------------------------
    // What changed on disk since the open list's files were read or written (nothing when no
    // list is open). Cheap while nothing changed: the files' sizes and times are compared.
    DiskChange changedOnDisk() const;
    // The sentence telling the user what changed ("The file "Verbs.vocab" was changed ...").
    QString describe(const DiskChange &change) const;
    // Saves over whatever is on disk; the files found there are first copied into the backups
    // folder as a list named by store::keptCopyName. Returns that name ("" when neither file was
    // there to keep). Throws AppError, nothing then overwritten.
    QString saveOverDisk(const QDateTime &now);
    // Writes the work here (items and notes) as a new list named by store::keptCopyName beside the
    // open one, which stays open and unchanged. Returns the new list's name. Throws AppError.
    QString keepWorkAsCopy(const QDateTime &now);
    // The open list (or none: an empty list) with its notes written under name in language, and
    // made the open list. No backup is made. Throws AppError, the document left as it was.
    void saveAs(const QString &name, const QString &language);
    // A new empty list with empty notes, written and made the open list. Throws AppError.
    void create(const QString &name, const QString &language);
    // The notes file of a new list: an empty document's RTF.
    static QByteArray emptyNotes();
    // The item area holds typed text not yet stored in the list.
    void noteUnstoredEdit();

signals:
    // Anything shown of the document may differ: items, current item, saved state, notes.
    void changed();

private:
    void requireSaveableName(const QString &name) const;
    void loadNotes(const QByteArray *bytes);

    ListSession m_list;
    QTextDocument *m_notes;
};
