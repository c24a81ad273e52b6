// Written with the POSIX calls directly: the temporary file's name is the program's own, every
// failure keeps its error number for the report, and the temporary file is locked while a save
// owns it, so that removing leftovers never touches a save that is still running.
#include "store/atomicwrite.h"
#include "store/datafolder.h"
#include "store/fileerror.h"
#include "store/openedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

constexpr char TempPrefix[] = ".mnemora-";
constexpr char TempSuffix[] = ".tmp";
constexpr int TempRandomChars = 6;
constexpr int TempNameSize = sizeof(TempPrefix) - 1 + TempRandomChars + sizeof(TempSuffix) - 1;

bool isTempNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

QByteArray randomTempName()
{
    static constexpr char Chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name(TempPrefix);
    for (int i = 0; i < TempRandomChars; ++i)
        name.append(Chars[QRandomGenerator::global()->bounded(int(sizeof(Chars) - 1))]);
    return name + TempSuffix;
}

// The folder part of a path, with its final '/', or "" for a bare file name.
QByteArray folderPart(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.first(slash + 1);
}

// The file a save replaces: a symbolic link is followed to the file it points to.
QString finalTarget(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        target = info.symLinkTarget();
    }
    return target;
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qsizetype>(size, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

struct TempFile {
    QString shownPath;  // the path as the caller gave it, for messages
    QByteArray target;  // the file to replace
    QByteArray tempPath;
    int fd = -1;
    int oldFd = -1; // the file being replaced, held open until every rename is done
    bool renamed = false;
};

// Owns the temporary files of one save: whatever was not renamed is removed, and every file is
// closed (which releases its lock) when the save ends, by success or by failure.
struct TempFiles {
    std::vector<TempFile> files;
    ~TempFiles()
    {
        for (TempFile &t : files) {
            if (t.oldFd >= 0)
                ::close(t.oldFd);
            if (t.fd < 0)
                continue;
            if (!t.renamed)
                ::unlink(t.tempPath.constData());
            ::close(t.fd);
        }
    }
};

// Makes the temporary file for path and has fill write its bytes into it (fill throws what fails).
template <typename Fill>
void writeTemp(const QString &path, TempFile &temp, Fill &&fill)
{
    temp.shownPath = path;
    const QString target = finalTarget(path);
    temp.target = QFile::encodeName(target);
    const QByteArray folder = folderPart(temp.target);
    const QString shownFolder = shownFolderOf(target);

    // What would make the rename fail is found before anything is written, so that a save of
    // several files does not replace the first and then fail on the next.
    struct stat old {};
    const bool exists = ::stat(temp.target.constData(), &old) == 0;
    if (!exists && errno != ENOENT) {
        const int err = errno;
        throwFileError("Cannot create file", path, err, FileAccess::Write);
    }
    if (exists && S_ISDIR(old.st_mode))
        throwFileError("Cannot create file", path, EISDIR, FileAccess::Write);

    for (int attempt = 0; attempt < 100; ++attempt) {
        temp.tempPath = folder + randomTempName();
        temp.fd = ::open(temp.tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temp.fd >= 0 || errno != EEXIST)
            break;
    }
    if (temp.fd < 0) {
        const int err = errno;
        throwFileError("Cannot create file", path, err, FileAccess::Write, shownFolder, true);
    }
    ::flock(temp.fd, LOCK_EX);
    if (exists) {
        ::fchmod(temp.fd, old.st_mode & 07777);
        // A rename that drops the last name of the old file would free its blocks on the spot,
        // which takes milliseconds on some disks; held open, the old file is freed only when the
        // save has ended, and the renames follow each other within microseconds.
        temp.oldFd = ::open(temp.target.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    }
    fill(temp.fd);
    if (::fsync(temp.fd) != 0) {
        const int err = errno;
        throwFileError("Cannot write file", path, err, FileAccess::Write);
    }
}

void writeTemp(const PendingWrite &write, TempFile &temp)
{
    writeTemp(write.path, temp, [&write](int fd) {
        if (!writeAll(fd, write.bytes.constData(), write.bytes.size())) {
            const int err = errno;
            throwFileError("Cannot write file", write.path, err, FileAccess::Write);
        }
    });
}

// Renames every temporary file over its target and flushes their folders.
void commit(TempFiles &temps);

} // namespace

void writeFilesAtomic(const QList<PendingWrite> &files)
{
    rejoinDataFolder();
    TempFiles temps;
    temps.files.resize(files.size());
    for (qsizetype i = 0; i < files.size(); ++i)
        writeTemp(files[i], temps.files[i]);
    commit(temps);
}

void copyFileAtomic(const QString &source, const QString &path)
{
    rejoinDataFolder();
    OpenedFile in(source);
    TempFiles temps;
    temps.files.resize(1);
    writeTemp(path, temps.files[0], [&](int out) {
        in.forEachPiece(qsizetype(1) << 20, [&](const char *data, qsizetype size) {
            if (!writeAll(out, data, size)) {
                const int err = errno;
                throwFileError("Cannot write file", path, err, FileAccess::Write);
            }
        });
    });
    commit(temps);
}

namespace {

void commit(TempFiles &temps)
{
    // Every new file is whole on the disk; now they take the old ones' places, as close together
    // as the system allows.
    for (TempFile &t : temps.files) {
        if (::rename(t.tempPath.constData(), t.target.constData()) != 0) {
            const int err = errno;
            throwFileError("Cannot write file", t.shownPath, err, FileAccess::Write);
        }
        t.renamed = true;
    }

    // The renames themselves reach the disk when each folder is flushed.
    std::vector<QByteArray> flushed;
    for (const TempFile &t : temps.files) {
        const QByteArray folder = folderPart(t.target);
        if (std::find(flushed.begin(), flushed.end(), folder) != flushed.end())
            continue;
        flushed.push_back(folder);
        const int dirFd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0)
            continue;
        const bool ok = ::fsync(dirFd) == 0 || errno == EINVAL || errno == EROFS;
        const int err = errno;
        ::close(dirFd);
        if (!ok)
            throwFileError("Cannot write file", t.shownPath, err, FileAccess::Write);
    }
}

} // namespace

void writeFileAtomic(const QString &path, const QByteArray &bytes)
{
    writeFilesAtomic({PendingWrite{path, bytes}});
}

bool isOwnTempFileName(QByteArrayView name)
{
    if (name.size() != TempNameSize || !name.startsWith(TempPrefix) || !name.endsWith(TempSuffix))
        return false;
    const QByteArrayView middle = name.sliced(sizeof(TempPrefix) - 1, TempRandomChars);
    return std::all_of(middle.begin(), middle.end(), isTempNameChar);
}

namespace detail {

void removeLeftoverTempFile(int dirFd, const char *name)
{
    // A running save holds its temporary file locked until the file is renamed or removed.
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat opened {}, named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0
        && ::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(opened.st_mode)
        && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev)
        ::unlinkat(dirFd, name, 0);
    ::close(fd);
}

} // namespace detail

void removeLeftoverTempFiles(const QString &folder)
{
    const QByteArray path = folder.isEmpty() ? QByteArray(".") : QFile::encodeName(folder);
    const int dirFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;
    std::vector<QByteArray> leftovers;
    if (DIR *dir = ::fdopendir(::dup(dirFd))) {
        while (const dirent *entry = ::readdir(dir)) {
            if (isOwnTempFileName(QByteArrayView(entry->d_name)))
                leftovers.emplace_back(entry->d_name);
        }
        ::closedir(dir);
    }
    for (const QByteArray &name : leftovers)
        detail::removeLeftoverTempFile(dirFd, name.constData());
    ::close(dirFd);
}

} // namespace store
