#pragma once
// The lists in a folder: a list exists exactly when both its notes file (name + ".rtf", the
// extension in any case) and its list file (name + ".vocab") are there.
#include <QStringList>

namespace store {

struct FoundLists {
    QStringList names;      // sorted case-insensitively, so the order does not depend on the disk
    bool truncated = false; // there were more than MaxLists lists; only the first MaxLists are here
};

FoundLists findLists(const QString &folder); // folder "" = the working folder

// The notes file of a list whose path without extension is stem ("Verbs", "Backups/Verbs"):
// stem + ".rtf", or, when only a differently cased extension exists (a "Verbs.RTF" from Windows,
// which findLists offers as "Verbs"), that file. Without either, stem + ".rtf".
QString existingNotesFilePath(const QString &stem);

} // namespace store
