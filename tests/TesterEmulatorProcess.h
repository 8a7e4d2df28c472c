#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The tester at the far end of a pseudo-terminal: build/bin/tester-emulator run
// as a process for the length of one test row, ended when this object goes.
//
// It also bounds the row: code under test that blocks the test's thread (a wait for the line
// that never ends) cannot be stopped by a wait in the test. When the row still runs
// rowBoundSeconds after the start, the line is hung up (the emulator killed, like a pulled
// cable), which ends every wait on the line, and the row fails when this object goes; a row
// still blocked 10 s after that ends the test with the row named.
class TesterEmulatorProcess
{
public:
    ~TesterEmulatorProcess();

    // Starts the emulator; the device path it printed is in devicePath, empty on failure.
    bool start(const QStringList &arguments, int rowBoundSeconds = 30);
    QString devicePath;
    // Killing it hangs up the line, like a pulled cable.
    qint64 processId() const { return process.processId(); }

    // The results the emulator sends when given no --data file.
    static QByteArray builtInData();

private:
    static QString program();
    void watch(qint64 pid, int seconds);
    QProcess process;
    std::thread watchdog;
    std::mutex mutex;
    std::condition_variable rowOver;
    bool over = false;   // guarded by mutex
    bool hungUp = false; // guarded by mutex
    QByteArray row;      // the row's name, for the messages
};

// The tester emulators of one test: each start runs a new one with its arguments (the
// earlier ones keep running until the rig goes), and the latest is the one to talk to.
class EmulatorRig
{
public:
    // Starts an emulator bounding the row; false when it did not come up with a device path.
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

namespace TestSupport {
// A session has let the emulator's port go when it can be opened again at once.
bool portIsFree(const QString &path);
// A bound of a wait (in any unit): sanitized builds run several times slower, by
// ML_TEST_TIME_FACTOR.
int scaled(int bound);
} // namespace TestSupport
