#pragma once
// Reading and writing whole files, listing a folder and catching a failure's text in tests (header only, for tests that link no test support).
#include "store/apperror.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The files of a folder, hidden ones too, by name.
inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}


// The text of the failure work throws, or nothing when it succeeds.
inline QString errorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

// A fresh data folder as the working folder, with a Backups folder, for one test.
struct WorkingFolder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    WorkingFolder()
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(QStringLiteral("Backups"));
    }
    ~WorkingFolder() { QDir::setCurrent(previous); }
    static void write(const QString &name, const QByteArray &bytes) { putFile(name, bytes); }
    static QByteArray read(const QString &name) { return fileBytes(name); }
    QStringList files() const { return filesIn(dir.path()); }
};
