#include "store/filecopy.h"
#include "store/atomicwrite.h"

namespace store {

void CopyFileReplacing(const QString &source, const QString &destination)
{
    // The copy is a new file renamed over the destination, so copying a file onto itself leaves
    // it as it was; it is made a piece at a time, whatever the size of the source.
    copyFileAtomic(source, destination);
}

} // namespace store
