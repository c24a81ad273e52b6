#pragma once
// The lists in a folder: a list exists exactly when both its notes file (name + ".rtf", the
// extension in any case) and its list file (name + ".vocab") are there as files. Names with a
// leading full stop (hidden on Linux) are lists like any other. The folder is often one that a
// sync tool keeps the same on several machines (store/syncnames.h): a list file or notes file
// without the other (half a pair synced, a conflict copy of one file) is named to the user, and
// the temporary files of sync tools and editors are passed over.
#include <QStringList>

namespace store {

struct FoundLists {
    QStringList names;      // sorted case-insensitively, so the order does not depend on the disk
    bool truncated = false; // there were more than MaxLists lists; only the first MaxLists are here
    // Files that look like lists but cannot be opened, one entry each: the file name and why
    // ("Verbs.vocab: it is a folder, not a file", "Verbs.rtf: its list file Verbs.vocab is
    // missing"). Sorted case-insensitively.
    QStringList skipped;
    // Lists offered whose names are a sync tool's conflict copy of another list, one entry each:
    // "Verbs (conflicted copy): a copy of Verbs". Sorted case-insensitively.
    QStringList conflictCopies;
    // Why the folder could not be read, naming it ("" when it was read); no lists then.
    QString folderProblem;
};

// Reads folder ("" = the working folder) once; also removes the temporary files a killed save
// left there (store/atomicwrite.h). A folder that cannot be read gives no lists and says why.
FoundLists findLists(const QString &folder);

// The message telling the user once which files could not be offered and which lists are a sync
// tool's copies, or "" when there is nothing to tell. Long enumerations are cut short.
QString skippedListsMessage(const FoundLists &found);

// The notes file of a list whose path without extension is stem ("Verbs", "Backups/Verbs"):
// stem + ".rtf", or, when only a differently cased extension exists (a "Verbs.RTF" from Windows,
// which findLists offers as "Verbs"), that file. Without either, stem + ".rtf".
QString existingNotesFilePath(const QString &stem);

} // namespace store
