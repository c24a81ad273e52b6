#include "store/filestamp.h"

#include "store/apperror.h"
#include "store/fileerror.h"
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

size_t hashOf(const QByteArray &bytes) { return qHashBits(bytes.constData(), size_t(bytes.size()), 0); }

FileStamp stampFrom(const struct stat &st, const QByteArray &bytes)
{
    return {true, qint64(st.st_size), modifiedNs(st), changedNs(st), quint64(st.st_ino), hashOf(bytes)};
}

} // namespace

StableRead readFileStable(const QString &path)
{
    for (int pass = 1;; ++pass) {
        const Seen before = statOf(path);
        QByteArray bytes = readFileBytes(path); // throws with the cause when it cannot be read
        if (detail::afterReadPass)
            detail::afterReadPass(path, pass);
        const Seen after = statOf(path);
        if (before.ok && after.ok && sameFile(before.st, after.st) && bytes.size() == after.st.st_size)
            return {bytes, stampFrom(after.st, bytes)};
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
    return stampFrom(seen.st, bytes);
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
        return hashOf(readFileStable(path).bytes) == stamp.hash;
    } catch (const AppError &) {
        return false;
    }
}

} // namespace store
