#pragma once
// The names that file-synchronising programs (Syncthing, Nextcloud, ownCloud, Dropbox, OneDrive,
// Seafile, ...) and editors give the files they make beside a user's files. Students keep the data
// folder in a synced folder, so a list's files may meet:
//   - conflict copies, made when two machines changed the same file before they synced:
//     "Verbs.sync-conflict-20261201-120000-ABCDEFG.vocab", "Verbs (conflicted copy).rtf",
//     "Verbs (Ann's conflicted copy 2026-12-01).vocab", "Verbs (Case Conflict).rtf", ...
//   - temporary files of a transfer or an editor that is still running: "~$Verbs.rtf",
//     ".#Verbs.vocab", ".syncthing.Verbs.vocab.tmp", "Verbs.vocab.partial", ...
// Names are given without their extension where a stem is asked for.
#include <QByteArrayView>
#include <QString>

namespace store {

// The name the conflict copy stem was made from ("Verbs" for "Verbs (conflicted copy 2026-12-01)"),
// or "" when the stem is not one of the conflict copies' names that the sync tools use. Only
// names no one would type for a list of their own are recognised here.
QString conflictCopyOf(const QString &stem);

// The same for the names that only look like a copy when the original is there: OneDrive's
// "Verbs-LAPTOP" (the computer's name added) and a download's "Verbs (1)". isKnown tells whether
// a stem is one of the folder's; "" when no known stem is the start of this one.
template <typename Known>
QString likelyCopyOf(const QString &stem, Known &&isKnown);

// Whether a file name (as the bytes on disk) is a temporary file of a sync tool, a download or an
// editor: files that come and go by themselves and are left alone without a word.
bool isToolTempFileName(QByteArrayView name);

namespace detail {
bool isComputerNameSuffix(QStringView suffix); // "-LAPTOP", "-PC-2"
bool isCopyNumberSuffix(QStringView suffix);   // " (1)"
} // namespace detail

template <typename Known>
QString likelyCopyOf(const QString &stem, Known &&isKnown)
{
    for (qsizetype at = stem.size() - 1; at > 0; --at) {
        const QChar c = stem.at(at);
        if (c != u'-' && c != u' ')
            continue;
        const QStringView suffix = QStringView(stem).sliced(at);
        if ((detail::isComputerNameSuffix(suffix) || detail::isCopyNumberSuffix(suffix)) && isKnown(stem.first(at)))
            return stem.first(at);
    }
    return QString();
}

} // namespace store
