#pragma once
// Shared by the Master List tests.
#include "support/harness.h"

#include <QFile>

// Makes a list file impossible to read: no permissions, or, for a user who reads any file, a
// link to a file whose reading fails. False when neither works here.
inline bool makeUnreadable(const DataFolder &data, const QString &name)
{
    const QString path = data.path(name);
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return true;
    probe.close();
    QFile::remove(path);
    QFile::link(QStringLiteral("/proc/self/mem"), path);
    QFile mem(path);
    if (!mem.open(QIODevice::ReadOnly))
        return true;
    mem.readAll();
    return mem.error() != QFileDevice::NoError;
}
