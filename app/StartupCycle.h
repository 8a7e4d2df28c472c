#pragma once

#include <QString>

// The frame around one run of the main window: translators, the warning when
// they fail, the window and its event loop.
class StartupCycle
{
public:
    // Sets the organization and application identity that locates the settings store.
    static void setApplicationIdentity();

    // Runs one cycle with the translation files of translationsDir and returns
    // whether the window asked for another one (after a language change).
    static bool run(const QString &translationsDir);
};
