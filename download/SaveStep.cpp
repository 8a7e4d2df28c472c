#include "download/SaveStep.h"

#include "download/SavedData.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

QString notOpenedText(const QString &fileName)
{
    // The window's words, in its context: the command line says the same.
    return QCoreApplication::translate(
               "MainWindow", "Error opening \"%1\" for writing. Is it open already or read only?",
               "The %1 will be replaced with the a file name. Please do not remove it in "
               "your translation!")
        .arg(fileName);
}

// Writes all bytes to the standard output's file descriptor; 0, else the system's error.
int writeStandardOutput(const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 left = bytes.size() - done;
#ifdef _WIN32
        const int count =
            ::_write(1, bytes.constData() + done, unsigned(qMin<qint64>(left, 1 << 30)));
#else
        const ssize_t count = ::write(1, bytes.constData() + done, size_t(left));
#endif
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return EIO;
        done += count;
    }
    return 0;
}

} // namespace

QString SaveStep::europeanRefusedText(const QString &fileName)
{
    return tr("The European format applies to .csv files only; \"%1\" is written as received.",
              "%1 is a file name")
        .arg(fileName);
}

bool SaveStep::europeanQuestionApplies(const QString &fileName)
{
    return SavedData::isCsvFile(fileName) && SavedData::localeUsesDecimalComma();
}

SaveStep::Outcome SaveStep::check(const QString &fileName)
{
    Outcome outcome;
    const SavedData::Result result = SavedData::check(fileName);
    if (result.outcome != SavedData::Outcome::Written) {
        outcome.kind = Outcome::Kind::NotOpened;
        outcome.headline = notOpenedText(fileName);
        outcome.reason = result.reason;
    }
    return outcome;
}

SaveStep::Outcome SaveStep::toFile(const QByteArray &received, const QString &fileName,
                                   bool european)
{
    Outcome outcome;
    outcome.europeanRefused = european && !SavedData::isCsvFile(fileName);
    outcome.european = european && !outcome.europeanRefused;
    const QByteArray bytes = SavedData::fileBytes(received, outcome.european);
    const SavedData::Result result = SavedData::write(fileName, bytes);
    switch (result.outcome) {
    case SavedData::Outcome::Written:
        outcome.headline = QCoreApplication::translate("MainWindow", "File successfully saved");
        outcome.bytes = bytes.size();
        break;
    case SavedData::Outcome::NotOpened:
        outcome.kind = Outcome::Kind::NotOpened;
        outcome.headline = notOpenedText(fileName);
        outcome.reason = result.reason;
        break;
    case SavedData::Outcome::WriteFailed:
        outcome.kind = Outcome::Kind::WriteFailed;
        outcome.headline =
            QCoreApplication::translate(
                "MainWindow", "Error saving \"%1\": %2",
                "The %1 will be replaced with a file name and the %2 with the reason. "
                "Please do not remove them in your translation!")
                .arg(fileName, result.reason);
        if (result.oldFileChanged)
            outcome.reason = tr("The file's old content could not be put back: the file was "
                                "changed.");
        break;
    }
    return outcome;
}

SaveStep::Outcome SaveStep::toStandardOutput(const QByteArray &received, bool european)
{
    Outcome outcome;
    outcome.european = european;
    const QByteArray bytes = SavedData::fileBytes(received, european);
    const int error = writeStandardOutput(bytes);
    if (error != 0) {
        outcome.kind = Outcome::Kind::WriteFailed;
        outcome.headline =
            tr("Error writing to the standard output: %1", "%1 is the system's reason")
                .arg(qt_error_string(error));
    } else {
        outcome.bytes = bytes.size();
    }
    return outcome;
}
