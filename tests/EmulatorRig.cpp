#include "EmulatorRig.h"

bool EmulatorRig::start(const QStringList &arguments, int rowBoundSeconds)
{
    emulators.push_back(std::make_unique<TesterEmulatorProcess>());
    return emulators.back()->start(arguments, rowBoundSeconds);
}
