#pragma once
// Where the program's files live, relative to the working folder (the data folder).
#include <QString>

namespace store {

QString backupsFolder();                     // "Backups"
QString setupFolder();                       // "Setup"
QString listFilePath(const QString &name);   // name + ".vocab"
QString backupPath(const QString &fileName); // "Backups/" + fileName

// The longest file name the disks of this system take, in bytes of the encoded name.
constexpr int MaxFileNameBytes = 255;
// Whether both files of a list called name can exist: name + ".vocab", its longer file name,
// fits MaxFileNameBytes. For refusing a name when a list is made or renamed.
bool listNameFits(const QString &name);

} // namespace store
