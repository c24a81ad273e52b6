#pragma once
#include <QString>

namespace store {

// Copies the bytes of source into destination, creating or replacing it. The destination is
// written atomically; when the source cannot be read it is not touched. Throws AppError.
void CopyFileReplacing(const QString &source, const QString &destination);

} // namespace store
