#pragma once
// The open list as one document: the list (name, language, items, current item, search hits,
// self-test draw) together with its notes as a QTextDocument. Whether the work is unsaved is
// known here alone: the list's flag or the notes' modification state. The windows observe it
// through changed() and never set it; the edit buffer of the item area reports its edits with
// noteUnstoredEdit(). Saving takes the notes' bytes from the document itself, and a save with no
// list open, or under an empty name, is refused here whatever a window does.
#include "session/listsession.h"

#include <QObject>

class QTextDocument;

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
    // empty, or when the files cannot be written; the work then still counts as unsaved.
    void save();
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
