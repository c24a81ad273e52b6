// Whole-file reading and folder creation, with the system's error number kept for the report.
#include "store/apperror.h"
#include "store/datafolder.h"
#include "store/fileerror.h"
#include "store/openedfile.h"
#include "store/textfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// Reads path from its start; after each piece, enough(bytes read so far, size of the new piece)
// may end the reading. A file larger than the program reads is thus never read whole. The first
// piece is the whole file when all of it is wanted (wanted < 0), else at most wanted bytes.
template <typename Enough>
QByteArray readFileStart(const QString &path, qsizetype wanted, Enough &&enough)
{
    rejoinDataFolder();
    OpenedFile file(path);
    // The size is a hint only: a file may grow or shrink while it is read.
    const qsizetype size = qMax<qsizetype>(qsizetype(file.status().st_size), 0) + 1;
    QByteArray bytes;
    bytes.resize(wanted < 0 ? size : qBound<qsizetype>(1, size, wanted));
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() * 2);
        const qsizetype n = file.read(bytes.data() + got, bytes.size() - got);
        got += n;
        if (n == 0 || enough(QByteArrayView(bytes.constData(), got), n) || got < bytes.size())
            break; // the end of the file, or enough read
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace

QByteArray readFileBytes(const QString &path)
{
    return readFileStart(path, -1, [](QByteArrayView, qsizetype) { return false; });
}

QByteArray readFileLines(const QString &path, qsizetype lineCount)
{
    qsizetype lineEnds = 0;
    qsizetype cut = -1;
    QByteArray bytes = readFileStart(path, qsizetype(1) << 16, [&](QByteArrayView read, qsizetype fresh) {
        // Only the new piece is looked at: the reading stays linear in what is read.
        for (qsizetype i = read.size() - fresh; i < read.size(); ++i) {
            const char c = read[i];
            if (c == '\x1A' || (c == '\n' && ++lineEnds == lineCount)) {
                cut = i + 1;
                return true;
            }
        }
        return false;
    });
    if (cut >= 0)
        bytes.truncate(cut);
    return bytes;
}

void makeFolder(const QString &folder)
{
    rejoinDataFolder();
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
