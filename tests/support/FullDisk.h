#pragma once

// A real full disk: a tmpfs of a few pages mounted over a temporary folder
// for as long as the object lives. Files put into folder() before fill() stay
// there. Mounting needs root; otherwise unavailable() says why.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

class FullDisk {
public:
    FullDisk()
    {
        if (geteuid() != 0) {
            m_unavailable = QStringLiteral("Mounting a small tmpfs needs root, as CI has.");
            return;
        }
        if (::mount("tmpfs", qPrintable(m_mountPoint.path()), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k") != 0) {
            m_unavailable = QStringLiteral("Cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
        QDir(m_mountPoint.path()).mkdir(QStringLiteral("files"));
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(qPrintable(m_mountPoint.path()), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    // Empty once the disk is mounted.
    QString unavailable() const { return m_unavailable; }
    // Holds nothing but what the test puts there.
    QString folder() const { return m_mountPoint.filePath(QStringLiteral("files")); }

    // Takes every free page, with a file beside folder().
    bool fill() const
    {
        const int fd = ::open(qPrintable(m_mountPoint.filePath(QStringLiteral("filler"))), O_WRONLY | O_CREAT, 0600);
        if (fd < 0)
            return false;
        const char block[4096] = {};
        while (::write(fd, block, sizeof block) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_unavailable;
};
