#include "store/filecopy.h"
#include "store/textfile.h"

namespace store {

void CopyFileReplacing(const QString &source, const QString &destination)
{
    // The whole source is read before the destination is opened, so copying a file onto itself
    // leaves it as it was. These files are small (at most a few megabytes).
    writeFileAtomic(destination, readFileBytes(source));
}

} // namespace store
