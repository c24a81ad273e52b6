#pragma once
// The pair of files of one list as a whole: whether any of it is there, and removing it.
#include "store/filestamp.h"
#include "store/vocablist.h"

#include <QByteArray>
#include <QString>

namespace store {

// Whether the list file or the notes file (in any case of its extension) of the list called name
// exists: saving under that name would replace it.
bool anyListFileExists(const QString &name);

// What the two files of a list were when last read or written.
struct ListPairStamps {
    QString notesPath; // the notes file's path, in the case of its extension on disk
    FileStamp list;
    FileStamp notes;
};

// Writes the list file and the notes file of the list called name as one save (both replaced
// together, store/atomicwrite.h), and returns their stamps. Throws AppError naming the file and
// the cause.
ListPairStamps writeListPair(const QString &name, const QString &language, const QList<VocabItem> &items,
                   const QByteArray &notesBytes);

// Deletes the list file and the notes file of the list called name (the backups stay). Each file
// is tried; a file that is there and cannot be deleted throws AppError naming it and the cause,
// after the other one has been tried.
void deleteListFiles(const QString &name);

} // namespace store
