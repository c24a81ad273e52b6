#pragma once
// The cause of a failed file operation in words the user understands, from the system's error
// number. Every file error of the store goes through here, so each report names the file and says
// why ("No space left on the disk", "The folder \"...\" cannot be written"), never "Unknown error".
#include <QString>

namespace store {

enum class FileAccess { Read, Write };

// The cause alone, without a final full stop. where is the file or folder the failing call was
// about (a folder when a file could not be created in it), shown in the causes that name it.
QString fileErrorCause(int errnum, FileAccess access, const QString &where, bool whereIsFolder = false);

// Throws AppError "<head> "<path>". <cause>", e.g. Cannot write file "Verbs.vocab". No space left
// on the disk.
[[noreturn]] void throwFileError(const char *head, const QString &path, int errnum, FileAccess access,
                                 const QString &where, bool whereIsFolder = false);
[[noreturn]] inline void throwFileError(const char *head, const QString &path, int errnum, FileAccess access)
{
    throwFileError(head, path, errnum, access, path, false);
}

// The absolute folder a path lies in, with the platform's separators, for messages.
QString shownFolderOf(const QString &path);

} // namespace store
