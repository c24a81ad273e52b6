#pragma once
// The text files of the program (lists, colour files, ...): Windows-1252 bytes, no byte-order
// mark written or recognised, every line written with CR LF. Reading accepts LF or CR LF line
// ends, drops a CR that is not followed by LF, and stops at Ctrl+Z (byte 26). Every file the
// program writes goes through writeFileAtomic or writeFilesAtomic (store/atomicwrite.h), so a
// failed save leaves the previous file whole. Failures throw AppError with a message naming the
// file and the cause (store/fileerror.h).
#include "store/atomicwrite.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace store {

QStringList readTextLines(const QString &path);
QStringList splitTextLines(const QByteArray &bytes);
// Each line followed by CR LF. The lines must not hold line breaks themselves (the list writer
// cuts them off); characters outside the code page are written as '?'.
QByteArray joinTextLines(const QStringList &lines);
void writeTextLines(const QString &path, const QStringList &lines);

QByteArray readFileBytes(const QString &path);
// The start of the file up to and including its lineCount-th line end (LF) or its first Ctrl+Z,
// whichever comes first, or the whole file: the rest of a longer file is not read.
QByteArray readFileLines(const QString &path, qsizetype lineCount);
// Creates folder when it is missing (its parent must exist); throws AppError with the cause
// ("Cannot create folder "Backups". The folder "/data" cannot be written").
void makeFolder(const QString &folder);
void writeFileAtomic(const QString &path, const QByteArray &bytes);

} // namespace store
