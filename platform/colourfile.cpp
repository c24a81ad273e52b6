#include "platform/colourfile.h"

#include "store/paths.h"
#include "store/textfile.h"

#include <QFileInfo>

namespace {
QString pathOf(const QString &fileName) { return store::setupFolder() + QLatin1Char('/') + fileName; }
} // namespace

std::optional<ColourValue> readColourFile(const QString &fileName)
{
    const QString path = pathOf(fileName);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QStringList lines = store::readTextLines(path);
    return StringToColor(lines.isEmpty() ? QString() : lines.first());
}

void writeColourFile(const QString &fileName, ColourValue colour)
{
    store::writeTextLines(pathOf(fileName), {ColorToString(colour)});
}
