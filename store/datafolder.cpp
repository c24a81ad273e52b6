#include "store/datafolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {
constexpr QLatin1StringView DeletedMark(" (deleted)");
}

QString dataFolderPath()
{
    // The system names the folder a process stands in even after the folder was removed, with
    // " (deleted)" after it; getcwd() has no answer then.
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/cwd", buffer, sizeof buffer);
    if (n <= 0 || n >= ssize_t(sizeof buffer))
        return QDir::currentPath();
    QString path = QFile::decodeName(QByteArray(buffer, n));
    if (dataFolderRemoved() && path.endsWith(DeletedMark))
        path.chop(DeletedMark.size());
    return QDir::toNativeSeparators(path);
}

bool dataFolderRemoved()
{
    struct stat st {};
    return ::stat(".", &st) == 0 && st.st_nlink == 0;
}

void rejoinDataFolder()
{
    if (!dataFolderRemoved())
        return;
    const QByteArray path = QFile::encodeName(QDir::fromNativeSeparators(dataFolderPath()));
    struct stat st {};
    if (::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        (void)::chdir(path.constData());
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
