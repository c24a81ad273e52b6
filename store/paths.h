#pragma once
// Where the program's files live, relative to the working folder (the data folder).
#include <QString>

namespace store {

QString backupsFolder();                     // "Backups"
QString setupFolder();                       // "Setup"
QString listFilePath(const QString &name);   // name + ".vocab"
QString notesFilePath(const QString &name);  // name + ".rtf"
QString backupPath(const QString &fileName); // "Backups/" + fileName

} // namespace store
