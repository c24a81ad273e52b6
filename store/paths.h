#pragma once
// Where the program's files live, relative to the working folder (the data folder).
#include <QString>

namespace store {

QString backupsFolder();                     // "Backups"
QString setupFolder();                       // "Setup"
QString listFilePath(const QString &name);   // name + ".vocab"
QString backupPath(const QString &fileName); // "Backups/" + fileName

} // namespace store
