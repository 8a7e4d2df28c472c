#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

SmallFileSystem::SmallFileSystem(const QString &path, int kib) : path(path)
{
#ifdef Q_OS_LINUX
    const QByteArray size = "size=" + QByteArray::number(kib) + 'k';
    mounted =
        ::geteuid() == 0 && QDir().mkpath(path) &&
        ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, size.constData()) == 0;
#else
    Q_UNUSED(kib)
#endif
}

SmallFileSystem::~SmallFileSystem()
{
#ifdef Q_OS_LINUX
    if (mounted)
        ::umount(QFile::encodeName(path).constData());
#endif
}
