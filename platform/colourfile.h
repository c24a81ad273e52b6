#pragma once
// One-line colour files in the Setup folder.
#include "platform/colourtext.h"

#include <optional>

// The colour stored in Setup/<fileName>; nothing when the file does not exist. Throws AppError when
// the file cannot be read or its first line is not a colour.
std::optional<ColourValue> readColourFile(const QString &fileName);
// The colour of a colour file's bytes: the first line (text-file rules of store/textfile.h), the
// rest ignored. Throws AppError when it is not a colour.
ColourValue colourFromFileBytes(const QByteArray &bytes);
void writeColourFile(const QString &fileName, ColourValue colour);
