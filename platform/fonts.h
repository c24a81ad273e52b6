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

// The SPIonic font installed with the program (share/fonts/mnemora beside the program's bin
// folder), made known to this run of the program when the font database lacks the family:
// fontconfig searches only its own folders, so an install into /opt or any other prefix would
// otherwise start without it. Call once the application object exists and before any window.
// Returns the families it added: none when SPIonic was known already or no readable font lies
// in the program's folder (the main window then says the font is missing).
QStringList loadBundledFonts();
QStringList loadBundledFonts(const QString &programFolder);
