#include "store/datafolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

constexpr QByteArrayView DeletedMark(" (deleted)");

// The working folder's path as the system gives it: after the folder was removed, the kernel
// puts " (deleted)" after it (getcwd() has no answer then).
QByteArray systemCwd()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/cwd", buffer, sizeof buffer);
    return n > 0 && n < ssize_t(sizeof buffer) ? QByteArray(buffer, n) : QByteArray();
}

bool sameFile(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether cwd (systemCwd()) says the working folder was removed. A folder that is really named
// "... (deleted)" is the working folder itself under that name. The link count is not asked:
// some network and FUSE file systems give folders none.
bool removedPath(const QByteArray &cwd)
{
    if (!cwd.endsWith(DeletedMark))
        return false;
    struct stat here {}, named {};
    if (::stat(".", &here) != 0)
        return false;
    return ::stat(cwd.constData(), &named) != 0 || !sameFile(here, named);
}

} // namespace

QString dataFolderPath()
{
    QByteArray cwd = systemCwd();
    if (cwd.isEmpty())
        return QDir::toNativeSeparators(QDir::currentPath());
    if (removedPath(cwd))
        cwd.chop(DeletedMark.size());
    return QDir::toNativeSeparators(QFile::decodeName(cwd));
}

bool dataFolderRemoved() { return removedPath(systemCwd()); }

void rejoinDataFolder()
{
    QByteArray cwd = systemCwd();
    if (!removedPath(cwd))
        return;
    cwd.chop(DeletedMark.size());
    struct stat st {};
    if (::stat(cwd.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        (void)::chdir(cwd.constData());
}

QString dataFolderRemovedCause()
{
    return QStringLiteral("The data folder \"%1\" was removed or moved away while Mnemora was running; put it back "
                          "(or make it again) and try again")
        .arg(dataFolderPath());
}

bool isInDataFolder(const QString &path)
{
    if (QDir::isRelativePath(path))
        return true;
    const QString folder = QDir::fromNativeSeparators(dataFolderPath());
    return QDir::fromNativeSeparators(path).startsWith(folder + u'/');
}

} // namespace store
