#include "store/listfiles.h"

#include "store/apperror.h"
#include "store/atomicwrite.h"
#include "store/fileerror.h"
#include "store/listfinder.h"
#include "store/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {
bool pathExists(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}
} // namespace

bool anyListFileExists(const QString &name)
{
    return pathExists(listFilePath(name)) || pathExists(existingNotesFilePath(name));
}

ListPairStamps writeListPair(const QString &name, const QString &language, const QList<VocabItem> &items,
                             const QByteArray &notesBytes)
{
    // Both files' bytes are ready before either is written, and the two are replaced together,
    // always under the same name.
    const QString listPath = listFilePath(name);
    const QString notesPath = existingNotesFilePath(name);
    const QByteArray listBytes = listFileBytes(language, items);
    writeFilesAtomic({{listPath, listBytes}, {notesPath, notesBytes}});
    return {notesPath, stampOfWritten(listPath, listBytes), stampOfWritten(notesPath, notesBytes)};
}

void deleteListFiles(const QString &name)
{
    QStringList failures;
    for (const QString &path : {existingNotesFilePath(name), listFilePath(name)}) {
        if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT)
            continue;
        const int err = errno;
        // Removing a file is a change of its folder: a folder that cannot be written keeps it.
        const bool folderCause = err == EACCES || err == EPERM || err == EROFS;
        failures << QStringLiteral("Cannot delete file \"%1\". %2")
                        .arg(path, fileErrorCause(err, FileAccess::Write,
                                                  folderCause ? shownFolderOf(path) : path, folderCause));
    }
    if (!failures.isEmpty())
        throw AppError(failures.join(QStringLiteral(".\n")));
}

} // namespace store
