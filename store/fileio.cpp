// Whole-file reading and folder creation, with the system's error number kept for the report.
#include "store/apperror.h"
#include "store/fileerror.h"
#include "store/textfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

QByteArray readFileBytes(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); // a pipe of that name must not hang
    if (fd < 0) {
        const int err = errno;
        throwFileError("Cannot open file", path, err, FileAccess::Read);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        throwFileError("Cannot read file", path, err, FileAccess::Read);
    }
    if (S_ISDIR(st.st_mode))
        throwFileError("Cannot open file", path, EISDIR, FileAccess::Read);

    // The size is a hint only: a file may grow or shrink while it is read.
    QByteArray bytes;
    bytes.resize(qMax<qsizetype>(st.st_size, 0) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(qMin<qsizetype>(bytes.size() - got, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            throwFileError("Cannot read file", path, err, FileAccess::Read);
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

void makeFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0777) == 0)
        return;
    const int err = errno;
    struct stat st {};
    if (err == EEXIST && ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return;
    if (err == EEXIST)
        throw AppError(QStringLiteral("Cannot create folder \"%1\". A file of that name is in the way").arg(folder));
    throwFileError("Cannot create folder", folder, err, FileAccess::Write, shownFolderOf(folder), true);
}

} // namespace store
