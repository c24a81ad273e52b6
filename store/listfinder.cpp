// The folder is read with readdir rather than QDir: the names come as the bytes on disk, so a name
// that does not decode (a Latin-1 byte on a UTF-8 system; Qt would decode it lossily and then be
// unable to open the file by that name) is found and reported instead of silently dropped, and the
// entry's type comes with its name, without asking the disk about each file.
#include "store/listfinder.h"
#include "store/atomicwrite.h"
#include "store/datafolder.h"
#include "store/fileerror.h"
#include "store/syncnames.h"
#include "store/vocablist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

constexpr QByteArrayView RtfExtension(".rtf");
constexpr QByteArrayView VocabExtension(".vocab");

struct Entry {
    QByteArray name;
    unsigned char type; // d_type: DT_REG, DT_DIR, DT_LNK, DT_UNKNOWN, ...
};

bool endsWithCi(QByteArrayView name, QByteArrayView extension)
{
    return name.size() >= extension.size()
        && qstrnicmp(name.data() + name.size() - extension.size(), extension.data(), extension.size()) == 0;
}

// The name without ".vocab" or ".rtf" (in any case).
QByteArray stemOf(const QByteArray &name)
{
    return name.chopped(endsWithCi(name, VocabExtension) ? VocabExtension.size() : RtfExtension.size());
}

QString decodeShown(QByteArrayView raw)
{
    return QFile::decodeName(raw.toByteArray());
}

// Why the entry cannot be opened as a list file, or "" when it can.
QString problemWith(int dirFd, const Entry &entry)
{
    if (entry.type == DT_REG)
        return QString();
    struct stat st {};
    int type = entry.type;
    if (type != DT_DIR) {
        if (::fstatat(dirFd, entry.name.constData(), &st, 0) != 0) {
            if (errno == ENOENT)
                return QStringLiteral("it is a link to a file that does not exist");
            QString cause = fileErrorCause(errno, FileAccess::Read, decodeShown(entry.name));
            cause[0] = cause.at(0).toLower();
            return cause;
        }
        type = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) ? DT_DIR : DT_UNKNOWN;
    }
    if (type == DT_REG)
        return QString();
    if (type == DT_DIR)
        return QStringLiteral("it is a folder, not a file");
    return QStringLiteral("it is not an ordinary file");
}

// The name as Qt sees it, or "" when the bytes do not survive decoding and encoding again.
QString decodedExactly(const QByteArray &raw)
{
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(raw);
    const QString name = QFile::decodeName(raw);
    return QFile::encodeName(name) == raw ? name : QString();
}

// Why a list file or notes file without the other is not offered, and what it may be: half a pair
// that a sync tool has not brought yet, or a copy of one file of a list. stems are the names of
// the folder's list files and lone files, for recognising a copy by the name it was made from.
QString loneFileCause(const QByteArray &name, const QSet<QString> &stems)
{
    const bool isListFile = endsWithCi(name, VocabExtension);
    const QByteArray rawStem = stemOf(name);
    const QString stem = decodeShown(rawStem);
    const QString extension = QString::fromLatin1(name.sliced(rawStem.size())); // as on disk: ".RTF"
    if (isListFile && !name.endsWith(VocabExtension))
        return QStringLiteral("a list file's name must end in \".vocab\" in small letters (rename it %1.vocab)").arg(stem);
    if (const QString original = conflictCopyOf(stem); !original.isEmpty()) {
        return QStringLiteral("a sync tool's copy of %1%2, made when two machines changed it before they synced; "
                              "compare the two (%3), keep what you need in %1%2 and delete the copy")
            .arg(original, extension,
                 isListFile ? QStringLiteral("both are text files") : QStringLiteral("open both in a word processor"));
    }
    QString cause = isListFile ? QStringLiteral("its notes file %1.rtf is missing").arg(stem)
                               : QStringLiteral("its list file %1.vocab is missing").arg(stem);
    const QString original = likelyCopyOf(stem, [&stems](const QString &s) { return stems.contains(s); });
    if (!original.isEmpty())
        cause += QStringLiteral("; it may be a sync tool's copy of %1%2").arg(original, extension);
    return cause;
}

} // namespace

FoundLists findLists(const QString &folder)
{
    FoundLists found;
    const bool working = folder.isEmpty();
    if (working || QDir::isRelativePath(folder))
        rejoinDataFolder();
    const QByteArray path = working ? QByteArray(".") : QFile::encodeName(folder);
    const QString shownFolder = working ? dataFolderPath() : QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    const int dirFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A removed folder that the program stands in opens, and holds nothing.
    if (dirFd < 0 || (working && dataFolderRemoved())) {
        const int err = dirFd < 0 ? errno : ENOENT;
        const QString cause = dirFd >= 0 && working ? dataFolderRemovedCause()
                                                    : fileErrorCause(err, FileAccess::Read, shownFolder, true);
        found.folderProblem = QStringLiteral("No lists can be found in the folder \"%1\". %2").arg(shownFolder, cause);
        if (dirFd >= 0)
            ::close(dirFd);
        return found;
    }
    DIR *dir = ::fdopendir(::dup(dirFd));
    if (dir == nullptr) {
        ::close(dirFd);
        return found;
    }

    std::vector<Entry> notes;
    QHash<QByteArray, Entry> listFiles; // by name without ".vocab"
    std::vector<Entry> otherCaseListFiles; // "Verbs.VOCAB"
    std::vector<QByteArray> leftovers;
    while (const dirent *d = ::readdir(dir)) {
        const QByteArrayView name(d->d_name);
        if (isOwnTempFileName(name))
            leftovers.push_back(name.toByteArray());
        else if (isToolTempFileName(name))
            continue;
        else if (name.endsWith(VocabExtension) && name.size() > VocabExtension.size())
            listFiles.insert(name.chopped(VocabExtension.size()).toByteArray(), Entry{name.toByteArray(), d->d_type});
        else if (endsWithCi(name, VocabExtension) && name.size() > VocabExtension.size())
            otherCaseListFiles.push_back(Entry{name.toByteArray(), d->d_type});
        else if (endsWithCi(name, RtfExtension) && name.size() > RtfExtension.size())
            notes.push_back(Entry{name.toByteArray(), d->d_type});
    }
    ::closedir(dir);
    for (const QByteArray &name : leftovers)
        detail::removeLeftoverTempFile(dirFd, name.constData());

    QList<std::pair<QByteArray, QString>> skipped; // by name without extension
    QSet<QByteArray> offered;
    QSet<QByteArray> paired;
    std::vector<Entry> lone;
    for (const Entry &note : notes) {
        const QByteArray stem = note.name.chopped(RtfExtension.size());
        const auto listFile = listFiles.constFind(stem);
        if (listFile == listFiles.cend()) {
            lone.push_back(note);
            continue;
        }
        paired.insert(stem);
        QString problem;
        const Entry *culprit = &*listFile;
        problem = problemWith(dirFd, *listFile);
        if (problem.isEmpty()) {
            culprit = &note;
            problem = problemWith(dirFd, note);
        }
        QString name;
        if (problem.isEmpty()) {
            name = decodedExactly(stem);
            if (name.isNull()) {
                culprit = &*listFile;
                problem = QStringLiteral("its name is not valid text on this system");
            }
        }
        if (!problem.isEmpty()) {
            skipped.append({stem, decodeShown(culprit->name) + QLatin1String(": ") + problem});
        } else {
            found.names.append(name);
            offered.insert(stem);
        }
    }
    for (auto it = listFiles.cbegin(); it != listFiles.cend(); ++it) {
        if (!paired.contains(it.key()))
            lone.push_back(it.value());
    }
    lone.insert(lone.end(), otherCaseListFiles.begin(), otherCaseListFiles.end());

    // Half a pair is named, with what it may be, when it is a file: a folder or a broken link of
    // such a name is no list's half.
    QSet<QString> stems;
    for (const Entry &entry : lone)
        stems.insert(decodeShown(stemOf(entry.name)));
    for (auto it = listFiles.cbegin(); it != listFiles.cend(); ++it)
        stems.insert(decodeShown(it.key()));
    for (const Entry &entry : lone) {
        if (problemWith(dirFd, entry).isEmpty())
            skipped.append({QByteArray(), decodeShown(entry.name) + QLatin1String(": ") + loneFileCause(entry.name, stems)});
    }
    ::close(dirFd);

    std::sort(found.names.begin(), found.names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    // "Verbs.rtf" and "Verbs.RTF" side by side are still one list.
    found.names.erase(std::unique(found.names.begin(), found.names.end()), found.names.end());
    if (found.names.size() > MaxLists) {
        found.names.resize(MaxLists);
        found.truncated = true;
    }
    // A "Verbs.rtf" folder beside a "Verbs.RTF" file does not stop "Verbs" being offered.
    for (const auto &[stem, text] : skipped) {
        if (stem.isEmpty() || !offered.contains(stem))
            found.skipped.append(text);
    }
    found.skipped.sort(Qt::CaseInsensitive);
    found.skipped.removeDuplicates();
    // A conflict copy of both files of a list is offered like any list: the student opens it to
    // compare it with the list it copies, and is told once what it is.
    for (const QString &name : std::as_const(found.names)) {
        if (const QString original = conflictCopyOf(name); !original.isEmpty())
            found.conflictCopies.append(QStringLiteral("%1: a copy of %2").arg(name, original));
    }
    return found;
}

namespace {
// The first lines of one part of the message, with the number of those left out.
QString shownLines(const QStringList &lines, int most)
{
    QStringList shown = lines.mid(0, most);
    if (lines.size() > most)
        shown.append(QStringLiteral("... and %1 more").arg(lines.size() - most));
    return shown.join(u'\n');
}
} // namespace

QString skippedListsMessage(const FoundLists &found)
{
    QStringList parts;
    if (!found.folderProblem.isEmpty())
        parts.append(found.folderProblem);
    if (!found.skipped.isEmpty())
        parts.append(QStringLiteral("These files could not be offered as lists:\n") + shownLines(found.skipped, 20));
    if (!found.conflictCopies.isEmpty())
        parts.append(QStringLiteral("These lists are copies that a sync tool made when two machines changed the same "
                                    "list before they synced. Open each, compare it with the list it copies, keep "
                                    "what you need and delete the list you do not need:\n")
                     + shownLines(found.conflictCopies, 10));
    return parts.join(QStringLiteral("\n\n"));
}

QString existingNotesFilePath(const QString &stem)
{
    const QString exact = stem + QLatin1String(".rtf");
    if (QFileInfo(exact).isFile())
        return exact;
    const QFileInfo info(stem);
    const QString name = info.fileName();
    const QStringList files = info.dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &file : files) {
        if (file.size() == name.size() + 4 && file.startsWith(name)
            && file.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
            return stem.chopped(name.size()) + file; // the stem's folder part as the caller gave it
    }
    return exact;
}

} // namespace store
