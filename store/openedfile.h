#pragma once
// A file of the store opened for reading: the one place that opens, checks and reads a file by
// its descriptor, so every reader reports the same causes (store/fileerror.h).
#include <QString>

#include <functional>
#include <sys/stat.h>

namespace store {

class OpenedFile {
public:
    // Opens path for reading (a pipe of that name does not hang); throws AppError naming the file
    // and the cause, also for a folder.
    explicit OpenedFile(const QString &path);
    ~OpenedFile();
    OpenedFile(const OpenedFile &) = delete;
    OpenedFile &operator=(const OpenedFile &) = delete;

    int descriptor() const { return m_fd; }
    // What the file was when it was opened.
    const struct stat &status() const { return m_status; }
    // Reads up to size bytes into data; fewer only at the end of the file. Throws AppError.
    qsizetype read(char *data, qsizetype size);
    // Reads the rest of the file in pieces of pieceSize bytes (the last one shorter), handing each
    // to take. Throws AppError.
    void forEachPiece(qsizetype pieceSize, const std::function<void(const char *data, qsizetype size)> &take);

private:
    QString m_path;
    int m_fd = -1;
    struct stat m_status {};
};

} // namespace store
