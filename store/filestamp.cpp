#include "store/filestamp.h"

#include "store/apperror.h"
#include "store/fileerror.h"
#include "store/openedfile.h"
#include "store/textfile.h"

#include <QFile>
#include <QHash>
#include <QThread>

#include <cerrno>
#include <sys/stat.h>

namespace store {

namespace detail {
void (*afterReadPass)(const QString &path, int pass) = nullptr;
}

namespace {

constexpr int ReadPasses = 5;
constexpr int PauseBetweenPassesMs = 40;

struct Seen {
    bool ok = false;
    int err = 0;
    struct stat st {};
};

Seen statOf(const QString &path)
{
    Seen seen;
    seen.ok = ::stat(QFile::encodeName(path).constData(), &seen.st) == 0;
    seen.err = seen.ok ? 0 : errno;
    return seen;
}

qint64 nanoseconds(const struct timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }
qint64 modifiedNs(const struct stat &st) { return nanoseconds(st.st_mtim); }
qint64 changedNs(const struct stat &st) { return nanoseconds(st.st_ctim); }

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size
           && modifiedNs(a) == modifiedNs(b) && changedNs(a) == changedNs(b);
}

// The hash of a file's bytes is taken a piece at a time, so that a file too large to be held is
// hashed as it is read, to the same value.
constexpr qsizetype HashPiece = qsizetype(1) << 20;

size_t hashOf(QByteArrayView bytes)
{
    size_t hash = 0;
    for (qsizetype at = 0; at < bytes.size(); at += HashPiece)
        hash = qHashBits(bytes.data() + at, size_t(qMin(HashPiece, bytes.size() - at)), hash);
    return hash;
}

size_t hashOfFile(const QString &path)
{
    size_t hash = 0;
    OpenedFile(path).forEachPiece(HashPiece, [&hash](const char *data, qsizetype size) {
        hash = qHashBits(data, size_t(size), hash);
    });
    return hash;
}

FileStamp stampFrom(const struct stat &st, size_t hash)
{
    return {true, qint64(st.st_size), modifiedNs(st), changedNs(st), quint64(st.st_ino), hash};
}

} // namespace

StableRead readFileStable(const QString &path, qsizetype lineCount)
{
    for (int pass = 1;; ++pass) {
        const Seen before = statOf(path);
        // Throws with the cause when the file cannot be read.
        QByteArray bytes = lineCount < 0 ? readFileBytes(path) : readFileLines(path, lineCount);
        const bool whole = before.ok && bytes.size() == before.st.st_size;
        const size_t hash = whole ? hashOf(bytes) : hashOfFile(path);
        if (detail::afterReadPass)
            detail::afterReadPass(path, pass);
        const Seen after = statOf(path);
        if (before.ok && after.ok && sameFile(before.st, after.st) && bytes.size() <= after.st.st_size
            && (whole || lineCount >= 0))
            return {bytes, whole, stampFrom(after.st, hash)};
        if (!after.ok)
            throwFileError("Cannot read file", path, after.err, FileAccess::Read);
        if (pass == ReadPasses)
            throw AppError(QStringLiteral("Cannot read file \"%1\". It kept changing while it was being read (another "
                                          "program or a sync tool may be writing it); nothing was read. Try again "
                                          "in a moment")
                               .arg(path));
        QThread::msleep(PauseBetweenPassesMs * pass);
    }
}

FileStamp stampOfWritten(const QString &path, const QByteArray &bytes)
{
    const Seen seen = statOf(path);
    if (!seen.ok)
        return missingFile();
    return stampFrom(seen.st, hashOf(bytes));
}

bool stillAsStamped(const QString &path, const FileStamp &stamp)
{
    const Seen seen = statOf(path);
    if (!seen.ok)
        return !stamp.exists && seen.err == ENOENT;
    if (!stamp.exists || qint64(seen.st.st_size) != stamp.size)
        return false;
    if (modifiedNs(seen.st) == stamp.modifiedNs && changedNs(seen.st) == stamp.changedNs
        && quint64(seen.st.st_ino) == stamp.inode)
        return true;
    try {
        return hashOfFile(path) == stamp.hash;
    } catch (const AppError &) {
        return false;
    }
}

} // namespace store
