#include "store/listname.h"

#include "store/paths.h"

#include <QDateTime>
#include <QStringList>

namespace store {

namespace {
bool isForbidden(QChar ch)
{
    return ch.category() == QChar::Other_Control || QStringView(u"\\/:*?\"<>|").contains(ch);
}

bool isReserved(const QString &name)
{
    // Windows reserves the device names whatever extension follows them ("con.vocab", "nul.txt").
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList fixed = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL")};
    if (fixed.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
           && base.at(3) >= u'1' && base.at(3) <= u'9';
}
} // namespace

ListNameRefusal checkListName(const QString &name)
{
    if (name.size() < MinListNameLength)
        return ListNameRefusal::TooShort;
    for (const QChar ch : name)
        if (isForbidden(ch))
            return ListNameRefusal::ForbiddenChar;
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return ListNameRefusal::TrailingSpaceDot;
    if (name.startsWith(u'.'))
        return ListNameRefusal::LeadingDot;
    if (isReserved(name))
        return ListNameRefusal::ReservedName;
    // The program's temporary files have a short name of their own, so the list file's name is
    // the longest one a save or a backup makes.
    if (!listNameFits(name))
        return ListNameRefusal::TooLong;
    return ListNameRefusal::None;
}

QString listNameRefusalMessage(ListNameRefusal refusal, const QString &name)
{
    switch (refusal) {
    case ListNameRefusal::None:
        return QString();
    case ListNameRefusal::TooShort:
        return QStringLiteral("Name too short.");
    case ListNameRefusal::ForbiddenChar:
        return QStringLiteral("The name \"%1\" cannot be a list name: it holds a character that file names cannot "
                              "hold (\\ / : * ? \" < > | or a control character).")
            .arg(name);
    case ListNameRefusal::TrailingSpaceDot:
        return QStringLiteral("The name \"%1\" cannot be a list name: it ends in a space or a full stop.").arg(name);
    case ListNameRefusal::ReservedName:
        return QStringLiteral("The name \"%1\" cannot be a list name: Windows keeps it for a device.").arg(name);
    case ListNameRefusal::LeadingDot:
        return QStringLiteral("The name \"%1\" cannot be a list name: a name beginning with a full stop makes "
                              "hidden files.")
            .arg(name);
    case ListNameRefusal::TooLong:
        return QStringLiteral("The name is too long to be a file name. Choose a shorter name.");
    }
    return QString();
}

QString keptCopyName(const QString &name, const QDateTime &when, const std::function<bool(const QString &)> &taken)
{
    QString base;
    for (const QChar ch : name)
        base += isForbidden(ch) ? u'-' : ch;
    while (base.startsWith(u'.') || base.startsWith(u' '))
        base.remove(0, 1);
    const QString stamp = QStringLiteral(" (kept %1)").arg(when.toString(QStringLiteral("yyyy-MM-dd HH-mm")));
    for (int number = 1;; ++number) {
        const QString tail = number == 1 ? stamp : stamp + QStringLiteral(" %1").arg(number);
        QString candidate = base + tail;
        while (!listNameFits(candidate) && !base.isEmpty()) {
            base.chop(1);
            candidate = base + tail;
        }
        if (checkListName(candidate) == ListNameRefusal::None && !taken(candidate))
            return candidate;
    }
}

} // namespace store
