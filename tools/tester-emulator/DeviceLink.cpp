#include "DeviceLink.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

DeviceLink::~DeviceLink()
{
    remove();
}

bool DeviceLink::create(const std::string &path, const std::string &target, std::string *error)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            *error = path + " exists and is not a symlink; not replacing it";
            return false;
        }
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            *error = "cannot replace " + path + ": " + std::strerror(errno);
            return false;
        }
    }
    if (::symlink(target.c_str(), path.c_str()) != 0) {
        *error = "cannot create symlink " + path + ": " + std::strerror(errno);
        return false;
    }
    linkPath = path;
    linkTarget = target;
    return true;
}

void DeviceLink::remove()
{
    if (linkPath.empty())
        return;
    // Another emulator may have taken the name over since; leave its link alone.
    std::vector<char> buffer(linkTarget.size() + 2);
    const ssize_t n = ::readlink(linkPath.c_str(), buffer.data(), buffer.size());
    if (n >= 0 && std::string(buffer.data(), static_cast<std::size_t>(n)) == linkTarget)
        ::unlink(linkPath.c_str());
    linkPath.clear();
    linkTarget.clear();
}
