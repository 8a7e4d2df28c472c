#pragma once

#include <QString>

// A tmpfs of a few KiB mounted at a folder for the life of the object, to fill a disk for real
// (root only: mounted tells whether it is there).
class SmallFileSystem
{
public:
    SmallFileSystem(const QString &path, int kib);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    const QString path;
    bool mounted = false;
};
