#include "support/scratchdisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace scratchdisk {

namespace {
QString g_why = QStringLiteral("the mount namespace was not entered (main() did not call enterOwnMountNamespace)");

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

QString enterOwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0)
        g_why = systemError("unshare(CLONE_NEWNS) (needs root or CAP_SYS_ADMIN, and no threads yet)");
    else if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        g_why = systemError("making the mounts private");
    else
        g_why.clear();
    return g_why;
}

QString whyNoMounts() { return g_why; }

ScratchDisk::ScratchDisk(const QString &folder, qint64 sizeBytes) : m_folder(folder), m_size(sizeBytes)
{
    if (!g_why.isEmpty()) {
        m_error = g_why;
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0777";
    if (::mount("mnemora-test", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
        m_error = systemError("mounting a tmpfs");
    else
        m_mounted = true;
}

ScratchDisk::~ScratchDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

bool ScratchDisk::setReadOnly(bool readOnly)
{
    const QByteArray options = "size=" + QByteArray::number(m_size) + ",mode=0777";
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    if (::mount("mnemora-test", QFile::encodeName(m_folder).constData(), "tmpfs", flags, options.constData()) == 0)
        return true;
    m_error = systemError("remounting");
    return false;
}

bool ScratchDisk::fill(const QString &name)
{
    const int fd = ::open(QFile::encodeName(m_folder + u'/' + name).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = systemError("creating the filler file");
        return false;
    }
    // Large pieces first, then single bytes for what is left of the last page.
    const QByteArray piece(1 << 16, 'x');
    for (qsizetype size = piece.size(); size >= 1; size /= 16) {
        while (::write(fd, piece.constData(), size_t(size)) > 0) {
        }
        if (errno != ENOSPC) {
            m_error = systemError("filling the disk");
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return true;
}

} // namespace scratchdisk
