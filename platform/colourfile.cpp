#include "platform/colourfile.h"

#include "store/apperror.h"
#include "store/paths.h"
#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString pathOf(const QString &fileName) { return store::setupFolder() + QLatin1Char('/') + fileName; }
} // namespace

ColourValue colourFromFileBytes(const QByteArray &bytes)
{
    const QStringList lines = store::splitTextLines(bytes);
    return StringToColor(lines.isEmpty() ? QString() : lines.first());
}

std::optional<ColourValue> readColourFile(const QString &fileName)
{
    const QString path = pathOf(fileName);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QByteArray bytes = store::readFileBytes(path);
    try {
        return colourFromFileBytes(bytes);
    } catch (const AppError &e) {
        // Say which file holds the bad line, so the user can mend or delete it.
        throw AppError(QStringLiteral("%1 (colour file \"%2\")").arg(e.message(), QDir::toNativeSeparators(path)));
    }
}

void writeColourFile(const QString &fileName, ColourValue colour)
{
    store::writeTextLines(pathOf(fileName), {ColorToString(colour)});
}
