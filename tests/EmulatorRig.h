#pragma once

#include "TesterEmulatorProcess.h"

#include <QStringList>

#include <memory>
#include <vector>

// The tester emulators of one test: each start runs a new one with its arguments (the
// earlier ones keep running until the rig goes), and the latest is the one to talk to.
class EmulatorRig
{
public:
    // Starts an emulator bounding the row (see TesterEmulatorProcess); false when it did not
    // come up with a device path.
    bool start(const QStringList &arguments, int rowBoundSeconds = 30)
    {
        emulators.push_back(std::make_unique<TesterEmulatorProcess>());
        return emulators.back()->start(arguments, rowBoundSeconds);
    }
    TesterEmulatorProcess &emulator() { return *emulators.back(); }
    QString devicePath() const
    {
        return emulators.empty() ? QString() : emulators.back()->devicePath;
    }

private:
    std::vector<std::unique_ptr<TesterEmulatorProcess>> emulators;
};
