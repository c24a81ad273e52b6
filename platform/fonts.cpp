#include "platform/fonts.h"

#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace {
struct Alias { const char *name; const char *family; };
// Metric-compatible stand-ins shipped by Debian (fonts-liberation2, fonts-crosextra-*).
const Alias kAliases[] = {
    {"Arial", "Liberation Sans"},          {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},    {"Calibri", "Carlito"},
    {"Cambria", "Caladea"},                {"Arial Narrow", "Liberation Sans Narrow"},
};

bool hasFamily(const QStringList &families, const QString &name)
{
    for (const QString &f : families)
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

bool fontInstalled(const QString &name, const QStringList &installedFamilies)
{
    if (hasFamily(installedFamilies, name))
        return true;
    for (const Alias &a : kAliases)
        if (name.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0)
            return hasFamily(installedFamilies, QLatin1String(a.family));
    return false;
}

bool fontInstalled(const QString &name) { return fontInstalled(name, desktop().installedFontFamilies()); }

void installFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    for (const char *name : {"Tahoma", "Verdana", "Arial", "Calibri"})
        if (!hasFamily(desktop().installedFontFamilies(), QLatin1String(name)))
            QFont::insertSubstitutions(QLatin1String(name), sans);
}

QStringList loadBundledFonts(const QString &programFolder)
{
    if (hasFamily(QFontDatabase::families(), QStringLiteral("SPIonic")))
        return {};
    const QString file = QDir(programFolder).filePath(QStringLiteral(MNEMORA_FONTS_FROM_BIN "/SPIonic.ttf"));
    const int id = QFontDatabase::addApplicationFont(QDir::cleanPath(file));
    return id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
}

QStringList loadBundledFonts() { return loadBundledFonts(QCoreApplication::applicationDirPath()); }
