#pragma once
// Real disk faults for tests: a small tmpfs mounted on a test's folder gives a disk that fills up
// (ENOSPC) and one made read-only (EROFS) even for root, who ignores file permissions. The mounts
// live in a mount namespace of the test process's own, so nothing outside the test sees them.
//
// The kernel gives a new mount namespace only to a process without threads: a test that uses
// ScratchDisk has its own main() (MNEMORA_TEST_MAIN_WITH_MOUNTS below), which enters the namespace
// before QApplication exists.
#include <QApplication>
#include <QString>
#include <QTest>

namespace scratchdisk {

// Enters a private mount namespace; "" when done, else why not. Call first thing in main().
QString enterOwnMountNamespace();
// What enterOwnMountNamespace() said, for QSKIP: "" when mounts can be made.
QString whyNoMounts();

class ScratchDisk {
public:
    // Mounts a tmpfs of sizeBytes on folder (which exists). ok() tells whether it worked.
    ScratchDisk(const QString &folder, qint64 sizeBytes);
    ~ScratchDisk(); // unmounted, also when a file on it is still open
    ScratchDisk(const ScratchDisk &) = delete;
    ScratchDisk &operator=(const ScratchDisk &) = delete;

    bool ok() const { return m_mounted; }
    const QString &error() const { return m_error; }
    // Makes the disk read-only, or writable again.
    bool setReadOnly(bool readOnly);
    // Writes the file name (in the folder) until the disk has no byte left.
    bool fill(const QString &name);

private:
    QString m_folder;
    qint64 m_size;
    bool m_mounted = false;
    QString m_error;
};

} // namespace scratchdisk

// QTEST_MAIN with the mount namespace entered before anything else.
#define MNEMORA_TEST_MAIN_WITH_MOUNTS(TestObject)                                                                      \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        scratchdisk::enterOwnMountNamespace();                                                                         \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
