// A save that is killed, or that fails part-way (a full disk, a read-only disk, a size limit),
// leaves every file of the list whole: the old bytes or the new ones, never a mixture, and the
// list file and notes file as a pair.
#include "support/files.h"
#include "store/apperror.h"
#include "store/atomicwrite.h"
#include "store/listfinder.h"
#include "store/vocablist.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

using namespace store;

namespace {



QByteArray listBytes(const char *description)
{
    QList<VocabItem> items;
    for (int i = 0; i < MaxItems; ++i)
        items.append({QString("headword %1").arg(i), QString("%1 %2").arg(QLatin1String(description)).arg(i)});
    return listFileBytes("Greek", items);
}

QByteArray notesBytes(const char *word, qsizetype size)
{
    QByteArray text("{\\rtf1\\ansi ");
    while (text.size() < size)
        text.append(word).append(' ');
    return text + '}';
}

// Starts the save in a child process; returns its process id.
pid_t startSave(const QList<PendingWrite> &files)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int status = 0;
        try {
            writeFilesAtomic(files);
        } catch (...) {
            status = 1;
        }
        ::_exit(status);
    }
    return pid;
}

void sleepNs(qint64 ns)
{
    const timespec t{time_t(ns / 1000000000), long(ns % 1000000000)};
    ::clock_nanosleep(CLOCK_MONOTONIC, 0, &t, nullptr);
}

} // namespace

class TstSaveKill : public QObject {
    Q_OBJECT

private slots:
    void killedSaves();
    void failedWriteKeepsPreviousFile();
    void fullAndReadOnlyDisk();
};

void TstSaveKill::killedSaves()
{
    QTemporaryDir dir;
    const QString list = dir.filePath("Verbs.vocab"), notes = dir.filePath("Verbs.rtf");
    const QByteArray oldList = listBytes("old meaning"), newList = listBytes("the new, longer meaning");
    const QByteArray oldNotes = notesBytes("old", 1000000), newNotes = notesBytes("newer", 1100000);
    const QList<PendingWrite> save{{list, newList}, {notes, newNotes}};
    auto putOld = [&] {
        putFile(list, oldList);
        putFile(notes, oldNotes);
    };

    // How long a whole save takes, from the fork to the child's end, as the kills will see it.
    std::vector<qint64> runs;
    for (int i = 0; i < 5; ++i) {
        putOld();
        QElapsedTimer t;
        t.start();
        const pid_t pid = startSave(save);
        QVERIFY(pid > 0);
        int status = 0;
        ::waitpid(pid, &status, 0);
        runs.push_back(t.nsecsElapsed());
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(fileBytes(list), newList);
        QCOMPARE(fileBytes(notes), newNotes);
    }
    std::sort(runs.begin(), runs.end());
    const qint64 duration = runs[runs.size() / 2];

    // Kills spread evenly over the save's measured duration. On a busy machine a save can take far
    // longer than measured, so a round whose kills all landed before the end is run again over a
    // longer span.
    constexpr int Tries = 250;
    int oldPairs = 0, newPairs = 0, mismatched = 0, tries = 0;
    qint64 span = duration + duration / 2;
    for (int round = 0; round < 4 && (oldPairs == 0 || newPairs == 0); ++round, span *= 2) {
        for (int i = 0; i < Tries; ++i, ++tries) {
            putOld();
            QElapsedTimer t;
            t.start();
            const pid_t pid = startSave(save);
            QVERIFY(pid > 0);
            sleepNs(std::max<qint64>(0, span * i / Tries - t.nsecsElapsed()));
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);

            const QByteArray listNow = fileBytes(list), notesNow = fileBytes(notes);
            QVERIFY2(listNow == oldList || listNow == newList, qPrintable(QString("try %1: torn list file").arg(i)));
            QVERIFY2(notesNow == oldNotes || notesNow == newNotes, qPrintable(QString("try %1: torn notes file").arg(i)));
            const bool newL = listNow == newList, newN = notesNow == newNotes;
            (newL && newN ? newPairs : !newL && !newN ? oldPairs : mismatched)++;

            // The next reading of the folder removes what the killed save left.
            QCOMPARE(findLists(dir.path()).names, QStringList{"Verbs"});
            QCOMPARE(filesIn(dir.path()), (QStringList{"Verbs.rtf", "Verbs.vocab"}));
        }
    }
    qInfo("%d kills spread over a %.1f ms save of %lld + %lld bytes: %d left the old pair, %d the new pair, "
          "%d a new file beside an old one",
          tries, duration / 1e6, qlonglong(newList.size()), qlonglong(newNotes.size()), oldPairs, newPairs, mismatched);
    QVERIFY(oldPairs > 0 && newPairs > 0); // the kills did land before and after the save
    QVERIFY(mismatched * 50 < tries);
}

void TstSaveKill::failedWriteKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Verbs.vocab");
    QVERIFY(dir.path().size() > 0 && QDir(dir.path()).mkdir("Sub.vocab"));
    QCOMPARE(errorOf([&] { writeFileAtomic(dir.filePath("Sub.vocab"), "x"); }),
             QString("Cannot create file \"%1\". \"%1\" is a folder, not a file").arg(dir.filePath("Sub.vocab")));

    // A write that fails part-way (here: the process may not grow a file past 1000 bytes, which
    // holds for root too) leaves the previous file whole and no temporary file behind.
    writeListFile(path, "Greek", {{"luo", "to loose"}});
    const QByteArray previous = fileBytes(path);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const QString error = errorOf([&] { writeFileAtomic(path, QByteArray(100000, 'x')); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(error, QString("Cannot write file \"%1\". The file is too large").arg(path));
    QCOMPARE(fileBytes(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Verbs.vocab"});
}

void TstSaveKill::fullAndReadOnlyDisk()
{
    // A small disk of its own, mounted where only this process sees it.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        QSKIP("No mount namespace of its own here");
    QTemporaryDir dir;
    const QByteArray disk = QFile::encodeName(dir.path());
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("No small tmpfs here");
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{disk};

    const QString list = dir.filePath("Verbs.vocab"), notes = dir.filePath("Verbs.rtf");
    writeFilesAtomic({{list, "old list"}, {notes, "old notes"}});
    QVERIFY(QDir(dir.path()).mkdir("Backups"));
    QCOMPARE(errorOf([&] { writeFilesAtomic({{list, "new list"}, {notes, QByteArray(1 << 20, 'n')}}); }),
             QString("Cannot write file \"%1\". No space left on the disk").arg(notes));
    QCOMPARE(fileBytes(list) + fileBytes(notes), QByteArray("old listold notes"));
    QCOMPARE(filesIn(dir.path()), (QStringList{"Verbs.rtf", "Verbs.vocab"}));

    QCOMPARE(::mount(nullptr, disk.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const QString backup = dir.filePath("Backups/Verbs.vocab");
    const QString readOnly = QStringLiteral("Cannot create file \"%1\". The folder \"%2\" cannot be written: the disk is read-only");
    QCOMPARE(errorOf([&] { copyFileAtomic(list, backup); }), readOnly.arg(backup, dir.filePath("Backups")));
    QCOMPARE(errorOf([&] { writeFileAtomic(list, "new"); }), readOnly.arg(list, dir.path()));
    QCOMPARE(findLists(dir.path()).names, QStringList{"Verbs"});
    QCOMPARE(fileBytes(list), QByteArray("old list"));
}

QTEST_GUILESS_MAIN(TstSaveKill)
#include "tst_savekill.moc"
