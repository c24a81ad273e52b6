#pragma once
// The program's own atomic write. Each file is written to a temporary file in the same folder,
// named ".mnemora-XXXXXX.tmp" (short, whatever the length of the target's name), written whole,
// flushed to the disk, and only then renamed over the target; the folder is flushed after the
// renames. A failure at any point before the renames removes the temporary files and leaves every
// previous file whole. Failures throw AppError naming the file and the cause.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace store {

struct PendingWrite {
    QString path;
    QByteArray bytes;
};

// Writes several files as one save (a list file and its notes): every temporary file is written
// and flushed first, then they are renamed over their targets one after another, so a killed
// process leaves either all old files or all new ones, except in the moment between two renames.
// A symbolic link as target is kept: the file it points to is replaced. The permissions of a
// replaced file are kept.
void writeFilesAtomic(const QList<PendingWrite> &files);

// The one-file case of writeFilesAtomic (also declared in store/textfile.h).
void writeFileAtomic(const QString &path, const QByteArray &bytes);

// Copies the file source into path as writeFileAtomic writes bytes, a piece at a time, so a copy
// takes little memory whatever the file's size. Throws AppError naming source when it cannot be
// read (path is then not touched), or path when it cannot be written.
void copyFileAtomic(const QString &source, const QString &path);

// Whether a file name (as the bytes on disk) is one of the temporary names above.
bool isOwnTempFileName(QByteArrayView name);

// Removes the temporary files a killed save left in folder ("" = the working folder): only names
// of the program's own pattern, and only those no running save still holds. findLists does this
// for the folder it reads. Failures are ignored: a leftover does no harm.
void removeLeftoverTempFiles(const QString &folder);

namespace detail {
// For findLists, which reads the folder itself: removes one leftover temporary file, given by its
// name in the folder open as dirFd, unless a running save still holds it.
void removeLeftoverTempFile(int dirFd, const char *name);
} // namespace detail

} // namespace store
