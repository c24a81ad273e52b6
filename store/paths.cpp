#include "store/paths.h"

#include <QFile>

namespace store {

QString backupsFolder()
{
    return QStringLiteral("Backups");
}

QString setupFolder()
{
    return QStringLiteral("Setup");
}

QString listFilePath(const QString &name)
{
    return name + QLatin1String(".vocab");
}

QString backupPath(const QString &fileName)
{
    // Qt takes '/' on every platform.
    return backupsFolder() + u'/' + fileName;
}

bool listNameFits(const QString &name)
{
    return QFile::encodeName(listFilePath(name)).size() <= MaxFileNameBytes;
}

} // namespace store
