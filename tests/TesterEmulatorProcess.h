#ifndef MARLUNE_TESTS_TESTEREMULATORPROCESS_H
#define MARLUNE_TESTS_TESTEREMULATORPROCESS_H

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// The tester at the far end of a pseudo-terminal: build/bin/tester-emulator run
// as a process for the length of one test, ended when this object goes.
class TesterEmulatorProcess
{
public:
    ~TesterEmulatorProcess();

    // Starts the emulator; the device path it printed is in devicePath, empty on failure.
    bool start(const QStringList &arguments);
    QString devicePath;

    // The results the emulator sends when given no --data file.
    static QByteArray builtInData();

private:
    static QString program();
    QProcess process;
};

#endif
