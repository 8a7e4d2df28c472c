#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

// A tmpfs of a few KiB mounted at a folder for the life of the object, to fill a disk for real
// (root only: mounted tells whether it is there).
class SmallFileSystem
{
public:
    SmallFileSystem(const QString &path, int kib) : path(path)
    {
#ifdef Q_OS_LINUX
        const QByteArray size = "size=" + QByteArray::number(kib) + 'k';
        mounted = ::geteuid() == 0 && QDir().mkpath(path) &&
                  ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                          size.constData()) == 0;
#else
        Q_UNUSED(kib)
#endif
    }
    ~SmallFileSystem()
    {
#ifdef Q_OS_LINUX
        if (mounted)
            ::umount(QFile::encodeName(path).constData());
#endif
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    const QString path;
    bool mounted = false;
};
