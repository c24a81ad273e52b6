// The folder is read with readdir rather than QDir: the names come as the bytes on disk, so a name
// that does not decode (a Latin-1 byte on a UTF-8 system; Qt would decode it lossily and then be
// unable to open the file by that name) is found and reported instead of silently dropped, and the
// entry's type comes with its name, without asking the disk about each file.
#include "store/listfinder.h"
#include "store/atomicwrite.h"
#include "store/fileerror.h"
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

bool endsWithRtf(QByteArrayView name)
{
    return name.size() > RtfExtension.size()
        && qstrnicmp(name.data() + name.size() - RtfExtension.size(), RtfExtension.data(), RtfExtension.size()) == 0;
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

} // namespace

FoundLists findLists(const QString &folder)
{
    FoundLists found;
    const QByteArray path = folder.isEmpty() ? QByteArray(".") : QFile::encodeName(folder);
    const int dirFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return found;
    DIR *dir = ::fdopendir(::dup(dirFd));
    if (dir == nullptr) {
        ::close(dirFd);
        return found;
    }

    std::vector<Entry> notes;
    QHash<QByteArray, Entry> listFiles; // by name without ".vocab"
    std::vector<QByteArray> leftovers;
    while (const dirent *d = ::readdir(dir)) {
        const QByteArrayView name(d->d_name);
        if (name.endsWith(VocabExtension) && name.size() > VocabExtension.size())
            listFiles.insert(name.chopped(VocabExtension.size()).toByteArray(), Entry{name.toByteArray(), d->d_type});
        else if (endsWithRtf(name))
            notes.push_back(Entry{name.toByteArray(), d->d_type});
        else if (isOwnTempFileName(name))
            leftovers.push_back(name.toByteArray());
    }
    ::closedir(dir);
    for (const QByteArray &name : leftovers)
        detail::removeLeftoverTempFile(dirFd, name.constData());

    QList<std::pair<QByteArray, QString>> skipped; // by name without extension
    QSet<QByteArray> offered;
    for (const Entry &note : notes) {
        const QByteArray stem = note.name.chopped(RtfExtension.size());
        const auto listFile = listFiles.constFind(stem);
        if (listFile == listFiles.cend())
            continue;
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
        if (!offered.contains(stem))
            found.skipped.append(text);
    }
    found.skipped.sort(Qt::CaseInsensitive);
    found.skipped.removeDuplicates();
    return found;
}

QString skippedListsMessage(const FoundLists &found)
{
    if (found.skipped.isEmpty())
        return QString();
    constexpr int Shown = 20;
    QStringList lines = found.skipped.mid(0, Shown);
    if (found.skipped.size() > Shown)
        lines.append(QStringLiteral("... and %1 more").arg(found.skipped.size() - Shown));
    return QStringLiteral("These files could not be offered as lists:\n") + lines.join(u'\n');
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
