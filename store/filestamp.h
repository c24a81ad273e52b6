#pragma once
// What a file was when the program last read or wrote it, to tell later whether someone else
// (another program, a sync tool bringing another machine's save) has changed it since; and
// reading a file so that a file changing during the read is read again, never half-read.
#include <QByteArray>
#include <QString>

namespace store {

struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // modification time, nanoseconds since the epoch
    qint64 changedNs = 0;  // status change time: moves on with every write, and cannot be set back
    quint64 inode = 0;     // a file replaced by a rename has another one
    size_t hash = 0;       // of the bytes
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// The stamp of a file that is not there.
inline FileStamp missingFile() { return {}; }

struct StableRead {
    QByteArray bytes;
    bool whole = true; // bytes are the whole file, not its first lines only
    FileStamp stamp;   // of the whole file
};

// Reads the file at path (the whole of it, or when lineCount >= 0 only up to that many lines, as
// readFileLines does; the stamp's hash still covers the whole file), checking that it did not
// change (size, times, identity) while it was read; a changed file is read again, a few times at
// short intervals. Throws AppError naming the file and the cause when it cannot be read, or when
// it keeps changing.
StableRead readFileStable(const QString &path, qsizetype lineCount = -1);

// The stamp of the file at path just after the program wrote bytes to it.
FileStamp stampOfWritten(const QString &path, const QByteArray &bytes);

// Whether the file at path still holds what stamp recorded: a file whose size, times and identity
// are as recorded counts as unchanged without being read; one whose times alone changed (touched,
// or rewritten with the same bytes by a sync tool) is read and its bytes compared. A file that cannot
// be read counts as changed.
bool stillAsStamped(const QString &path, const FileStamp &stamp);

namespace detail {
// Test seam: called after each pass of readFileStable has read the bytes, before the file is
// checked again (pass counts from 1). Null in the program.
extern void (*afterReadPass)(const QString &path, int pass);
} // namespace detail

} // namespace store
