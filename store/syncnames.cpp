#include "store/syncnames.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace store {

namespace {

// Each pattern's first group is the original's name.
const std::array<QRegularExpression, 6> &conflictPatterns()
{
    using RE = QRegularExpression;
    static const std::array<RE, 6> patterns = {
        // Syncthing: name.sync-conflict-<date>-<time>-<device>.ext
        RE(QStringLiteral("^(.+)\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]{7}$")),
        // Dropbox, Nextcloud, ownCloud: "name (conflicted copy)", "name (Ann's conflicted copy
        // 2026-12-01)", "name (conflicted copy 2026-12-01 120000)", "name (... copy 2026-12-01 (1))"
        RE(QStringLiteral("^(.+) \\((?:[^()]*'s )?conflicted copy[^()]*(?:\\(\\d+\\))?\\)$"),
           RE::CaseInsensitiveOption),
        // Dropbox: two names differing only in case, on a disk that cannot tell them apart.
        RE(QStringLiteral("^(.+) \\(case conflict(?: \\d+)?\\)$"), RE::CaseInsensitiveOption),
        // Nextcloud's case clash.
        RE(QStringLiteral("^(.+) \\(case clash from [^()]*\\)$"), RE::CaseInsensitiveOption),
        // Older ownCloud clients: name_conflict-<date>-<time>
        RE(QStringLiteral("^(.+)_conflict-\\d{8}-\\d{6}$")),
        // Seafile: "name (SFConflict ann@example.org 2026-12-01-12-00-00)"
        RE(QStringLiteral("^(.+) \\(SFConflict [^()]*\\)$")),
    };
    return patterns;
}

bool endsWithCi(QByteArrayView name, QByteArrayView tail)
{
    return name.size() >= tail.size()
        && qstrnicmp(name.data() + name.size() - tail.size(), tail.data(), tail.size()) == 0;
}

} // namespace

QString conflictCopyOf(const QString &stem)
{
    for (const QRegularExpression &pattern : conflictPatterns()) {
        const QRegularExpressionMatch match = pattern.match(stem);
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

bool isToolTempFileName(QByteArrayView name)
{
    // Word's and LibreOffice's lock files of an open document, Emacs's lock link.
    if (name.startsWith("~$") || name.startsWith(".~lock.") || name.startsWith(".#"))
        return true;
    // Syncthing's file being received (".syncthing.name.tmp" on Linux, "~syncthing~name.tmp" on
    // Windows); an upload or download not yet done.
    if ((name.startsWith(".syncthing.") || name.startsWith("~syncthing~")) && name.endsWith(".tmp"))
        return true;
    if (name.startsWith(".~tmp~"))
        return true;
    static constexpr std::array<QByteArrayView, 4> partial = {".partial", ".part", ".crdownload", ".!sync"};
    return std::any_of(partial.begin(), partial.end(), [&](QByteArrayView tail) { return endsWithCi(name, tail); });
}

namespace detail {

bool isComputerNameSuffix(QStringView suffix)
{
    // "-" and a computer's name: letters, digits and hyphens, no space.
    if (suffix.size() < 2 || suffix.front() != u'-')
        return false;
    const QStringView name = suffix.sliced(1);
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

bool isCopyNumberSuffix(QStringView suffix)
{
    if (suffix.size() < 4 || !suffix.startsWith(u" (") || !suffix.endsWith(u')'))
        return false;
    const QStringView digits = suffix.sliced(2, suffix.size() - 3);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace detail

} // namespace store
