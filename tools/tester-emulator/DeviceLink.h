#pragma once

#include <string>

// A symlink with a stable name to the emulator's device, removed again when the
// emulator ends (only if it still points to that device).
class DeviceLink
{
public:
    DeviceLink() = default;
    DeviceLink(const DeviceLink &) = delete;
    DeviceLink &operator=(const DeviceLink &) = delete;
    ~DeviceLink();

    // Makes path point to target, replacing an existing symlink. Anything else
    // at path (a file, a folder) is left alone and reported as an error.
    bool create(const std::string &path, const std::string &target, std::string *error);
    void remove();

private:
    std::string linkPath;
    std::string linkTarget;
};
