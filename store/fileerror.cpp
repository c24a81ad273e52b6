#include "store/fileerror.h"
#include "store/apperror.h"
#include "store/datafolder.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace store {

namespace {
// The folder of path that is a file instead ("Backups" of "Backups/Verbs.vocab"), or "".
QString fileInPlaceOfFolder(const QString &path)
{
    for (QString part = QFileInfo(path).path(); !part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("/");
         part = QFileInfo(part).path()) {
        struct stat st {};
        if (::stat(QFile::encodeName(part).constData(), &st) == 0)
            return S_ISDIR(st.st_mode) ? QString() : part; // the parts above it are folders
    }
    return QString();
}
} // namespace

QString fileErrorCause(int errnum, FileAccess access, const QString &where, bool whereIsFolder)
{
    const QString what = whereIsFolder ? QStringLiteral("folder") : QStringLiteral("file");
    const QString name = QDir::toNativeSeparators(where);
    switch (errnum) {
    case ENOENT:
        if (dataFolderRemoved() && isInDataFolder(where))
            return dataFolderRemovedCause();
        return whereIsFolder ? QStringLiteral("The folder \"%1\" does not exist").arg(name)
                             : QStringLiteral("No such file or folder");
    case ENOTDIR:
        if (const QString file = fileInPlaceOfFolder(where); !file.isEmpty())
            return QStringLiteral("\"%1\" is a file, not a folder").arg(QDir::toNativeSeparators(file));
        return QStringLiteral("A part of the path is a file, not a folder");
    case ENOSPC:
        return QStringLiteral("No space left on the disk");
    case EDQUOT:
        return QStringLiteral("The disk quota is used up: no space left for this user");
    case EACCES:
    case EPERM:
        return access == FileAccess::Write ? QStringLiteral("The %1 \"%2\" cannot be written").arg(what, name)
                                           : QStringLiteral("The %1 \"%2\" cannot be read").arg(what, name);
    case EROFS:
        return QStringLiteral("The %1 \"%2\" cannot be written: the disk is read-only").arg(what, name);
    case ENAMETOOLONG:
        return QStringLiteral("The file name is too long");
    case EISDIR:
        return QStringLiteral("\"%1\" is a folder, not a file").arg(name);
    case EFBIG:
        return QStringLiteral("The file is too large");
    case EIO:
        return QStringLiteral("The disk reported an input/output error");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many files are open");
    case ELOOP:
        return QStringLiteral("The path holds a loop of links");
    case ENOMEM:
        return QStringLiteral("Not enough memory");
    default:
        break;
    }
    // Anything rarer in the system's own words, but never without a cause.
    const char *text = errnum != 0 ? std::strerror(errnum) : nullptr;
    if (text == nullptr || std::strncmp(text, "Unknown error", 13) == 0)
        return QStringLiteral("The system gave error number %1").arg(errnum);
    return QString::fromLocal8Bit(text);
}

void throwFileError(const char *head, const QString &path, int errnum, FileAccess access, const QString &where,
                    bool whereIsFolder)
{
    throw AppError(QStringLiteral("%1 \"%2\". %3")
                       .arg(QLatin1String(head), path, fileErrorCause(errnum, access, where, whereIsFolder)));
}

QString shownFolderOf(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

} // namespace store
