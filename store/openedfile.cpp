#include "store/openedfile.h"

#include "store/fileerror.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace store {

OpenedFile::OpenedFile(const QString &path) : m_path(path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) {
        const int err = errno;
        throwFileError("Cannot open file", path, err, FileAccess::Read);
    }
    if (::fstat(m_fd, &m_status) != 0) {
        const int err = errno;
        ::close(m_fd);
        throwFileError("Cannot read file", path, err, FileAccess::Read);
    }
    if (S_ISDIR(m_status.st_mode)) {
        ::close(m_fd);
        throwFileError("Cannot open file", path, EISDIR, FileAccess::Read);
    }
}

OpenedFile::~OpenedFile() { ::close(m_fd); }

qsizetype OpenedFile::read(char *data, qsizetype size)
{
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(m_fd, data + got, size_t(qMin<qsizetype>(size - got, 1 << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            throwFileError("Cannot read file", m_path, err, FileAccess::Read);
        }
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

void OpenedFile::forEachPiece(qsizetype pieceSize, const std::function<void(const char *, qsizetype)> &take)
{
    std::vector<char> piece(static_cast<size_t>(pieceSize));
    for (;;) {
        const qsizetype got = read(piece.data(), pieceSize);
        if (got > 0)
            take(piece.data(), got);
        if (got < pieceSize)
            return;
    }
}

} // namespace store
