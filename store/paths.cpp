#include "store/paths.h"

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

} // namespace store
