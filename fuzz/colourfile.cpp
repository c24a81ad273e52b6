// The colour-file reader: any bytes give a colour or AppError, and a colour read is written back
// as text that reads as the same colour.
#include "fuzzcheck.h"
#include "platform/colourfile.h"
#include "store/apperror.h"
#include "store/textfile.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ColourValue colour = 0;
    try {
        colour = colourFromFileBytes(fuzz::bytesOf(data, size));
    } catch (const AppError &) {
        return 0;
    }
    const QString text = ColorToString(colour);
    fuzz::check(colourFromFileBytes(store::joinTextLines({text})) == colour, "a colour survives a save", text);
    return 0;
}
