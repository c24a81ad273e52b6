#include "store/listfinder.h"
#include "store/vocablist.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace store {

FoundLists findLists(const QString &folder)
{
    // One listing of the folder; the ".vocab" partners are looked up in it rather than asked of
    // the disk one by one.
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList files = dir.entryList(QDir::Files, QDir::Unsorted);
    const QSet<QString> present(files.cbegin(), files.cend());

    FoundLists found;
    for (const QString &file : files) {
        if (file.size() <= 4 || !file.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
            continue;
        const QString name = file.chopped(4);
        if (present.contains(name + QLatin1String(".vocab")))
            found.names.append(name);
    }
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
    return found;
}

QString existingNotesFilePath(const QString &stem)
{
    const QString exact = stem + QLatin1String(".rtf");
    if (QFileInfo::exists(exact))
        return exact;
    const QFileInfo info(stem);
    const QString name = info.fileName();
    const QStringList files = info.dir().entryList(QDir::Files, QDir::Name);
    for (const QString &file : files) {
        if (file.size() == name.size() + 4 && file.startsWith(name)
            && file.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
            return stem.chopped(name.size()) + file; // the stem's folder part as the caller gave it
    }
    return exact;
}

} // namespace store
