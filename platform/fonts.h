#pragma once
// Is a font installed? Names are compared without regard to letter case. On Linux the Windows font
// names are mostly absent; a name counts as installed when fontconfig maps it to an installed
// metric-compatible family (Arial -> Liberation Sans, ...), which keeps the font list useful.
#include <QString>
#include <QStringList>

bool fontInstalled(const QString &name);
bool fontInstalled(const QString &name, const QStringList &installedFamilies);

// Windows font names the forms use, drawn on this desktop by a close installed family
// ("Tahoma" by Liberation Sans or DejaVu Sans, ...).
void installFontSubstitutes();
