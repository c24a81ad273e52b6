// Whole-file reading and the atomic write every saved file goes through.
#include "store/apperror.h"
#include "store/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace store {

namespace {

[[noreturn]] void fail(const char *what, const QString &path, const QString &reason)
{
    throw AppError(QStringLiteral("%1 \"%2\". %3").arg(QLatin1String(what), path, reason));
}

} // namespace

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("Cannot open file", path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail("Cannot read file", path, file.errorString());
    return bytes;
}

void writeFileAtomic(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes beside the target and renames only when everything was written, so a
    // failure at any point leaves the previous file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // Qt gives no reason ("Unknown error") when the folder is missing.
        const bool noFolder = !QFileInfo(path).absoluteDir().exists();
        fail("Cannot create file", path, noFolder ? QStringLiteral("No such file or directory") : file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail("Cannot write file", path, reason);
    }
    if (!file.commit())
        fail("Cannot write file", path, file.errorString());
}

} // namespace store
