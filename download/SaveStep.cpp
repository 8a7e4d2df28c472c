#include "download/SaveStep.h"

#include "download/SavedData.h"

#include <QFile>

#include <cstdio>

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

SaveStep::Outcome SaveStep::toFile(const QByteArray &received, const QString &fileName,
                                   bool european)
{
    Outcome outcome;
    outcome.europeanRefused = european && !SavedData::isCsvFile(fileName);
    outcome.european = european && !outcome.europeanRefused;
    const SavedData::Result result =
        SavedData::write(fileName, SavedData::fileBytes(received, outcome.european));
    switch (result.outcome) {
    case SavedData::Outcome::Written:
        // The window's words, in its context: the command line says the same.
        outcome.headline = QCoreApplication::translate("MainWindow", "File successfully saved");
        break;
    case SavedData::Outcome::NotOpened:
        outcome.kind = Outcome::Kind::NotOpened;
        outcome.headline =
            QCoreApplication::translate(
                "MainWindow", "Error opening \"%1\" for writing. Is it open already or read only?",
                "The %1 will be replaced with the a file name. Please do not remove it in "
                "your translation!")
                .arg(fileName);
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
        break;
    }
    return outcome;
}

SaveStep::Outcome SaveStep::toStandardOutput(const QByteArray &received, bool european)
{
    Outcome outcome;
    outcome.european = european;
    const QByteArray bytes = SavedData::fileBytes(received, european);
    QFile out;
    bool written = out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + done, bytes.size() - done);
        written = count > 0;
        done += qMax<qint64>(count, 0);
    }
    if (!written) {
        outcome.kind = Outcome::Kind::WriteFailed;
        outcome.headline =
            tr("Error writing to the standard output: %1", "%1 is the system's reason")
                .arg(out.errorString());
    }
    return outcome;
}
