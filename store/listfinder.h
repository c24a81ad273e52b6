#pragma once
// The lists in a folder: a list exists exactly when both its notes file (name + ".rtf", the
// extension in any case) and its list file (name + ".vocab") are there as files. Names with a
// leading full stop (hidden on Linux) are lists like any other.
#include <QStringList>

namespace store {

struct FoundLists {
    QStringList names;      // sorted case-insensitively, so the order does not depend on the disk
    bool truncated = false; // there were more than MaxLists lists; only the first MaxLists are here
    // Pairs that look like lists but cannot be opened, one entry each: the file name and why
    // ("Verbs.vocab: it is a folder, not a file"). A lone ".rtf" or ".vocab" is not listed here.
    QStringList skipped;
};

// Reads folder ("" = the working folder) once; also removes the temporary files a killed save
// left there (store/atomicwrite.h). A folder that cannot be read gives no lists.
FoundLists findLists(const QString &folder);

// The message telling the user once which files could not be offered, or "" when none.
QString skippedListsMessage(const FoundLists &found);

// The notes file of a list whose path without extension is stem ("Verbs", "Backups/Verbs"):
// stem + ".rtf", or, when only a differently cased extension exists (a "Verbs.RTF" from Windows,
// which findLists offers as "Verbs"), that file. Without either, stem + ".rtf".
QString existingNotesFilePath(const QString &stem);

} // namespace store
