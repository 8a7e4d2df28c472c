#include "ProgramRun.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

ProgramRun::ProgramRun(const QStringList &arguments, const Options &options)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    if (options.cLocale)
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (options.noRuntimeDir)
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    const QString program = QCoreApplication::applicationDirPath() + "/marlune-datalogger";
#ifdef Q_OS_UNIX
    if (!options.outputFifo.isEmpty()) {
        // Not inherited: the program must not be a reader of its own output.
        const int reader = ::open(QFile::encodeName(options.outputFifo).constData(),
                                  O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        process.setStandardOutputFile(options.outputFifo);
        process.start(program, arguments);
        if (!process.waitForStarted(10000))
            qWarning("marlune-datalogger did not start within 10 s");
        ::close(reader);
        return;
    }
#endif
    process.start(program, arguments);
}

int ProgramRun::wait(int timeoutMs)
{
    if (!process.waitForFinished(timeoutMs)) {
        if (process.state() == QProcess::NotRunning) {
            error = "<the program did not start: " + process.errorString().toUtf8() + '>';
            return -1;
        }
        process.kill();
        error = "<the program did not end within " + QByteArray::number(timeoutMs) + " ms" +
                (process.waitForFinished(5000) ? ">" : ", nor 5 s after it was killed>");
        return -1;
    }
    error = process.readAllStandardError();
    output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int ProgramRun::status(const QStringList &arguments, QByteArray *output, QByteArray *error)
{
    ProgramRun child(arguments);
    const int status = child.wait();
    if (output)
        *output = child.output;
    if (error)
        *error = child.error;
    return status;
}
