#pragma once
// The data folder is the program's working folder. While the program runs, the user or a sync
// tool may remove it, or remove it and make it again (a folder put back from the bin, a cloud
// drive's folder synced anew): the program then stands in a folder that no longer exists, where
// every file is missing and nothing can be written. These functions tell that case apart from a
// missing file and go into the folder of the same path once it is there again.
#include <QString>

namespace store {

// The working folder's absolute path as the system knows it, also after the folder was removed.
QString dataFolderPath();

// Whether the working folder was removed while the program stands in it.
bool dataFolderRemoved();

// When the working folder was removed and a folder of the same path is there again, goes into
// it, so the program's files are read and written there. Called by the store before it reads
// or writes a file of the working folder; anything else leaves the working folder as it is.
void rejoinDataFolder();

// "The data folder "/home/ann/Mnemora" was removed while Mnemora was running ..." for messages.
QString dataFolderRemovedCause();

// Whether path names a file of the working folder (a relative path), or of the data folder.
bool isInDataFolder(const QString &path);

} // namespace store
