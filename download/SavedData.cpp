#include "download/SavedData.h"

#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>

QByteArray SavedData::fileBytes(const QByteArray &received, bool european)
{
    QByteArray bytes = received;
    for (char &byte : bytes)
        byte = static_cast<char>(byte & 0x7F);
    // Semicolons first, so that the new decimal commas stay commas.
    if (european)
        bytes.replace(',', ';').replace('.', ',');
    return bytes;
}

bool SavedData::isCsvFile(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

bool SavedData::localeUsesDecimalComma()
{
    return QLocale().toString(0.5, 'g', 6).contains(QLatin1Char(','));
}

namespace {

// Writes all bytes to an open file; false with the system's reason when it cannot. A write
// may take only part of the data (a file-size limit, a disk filling up) without an error;
// the rest is written until the system says why not.
bool writeAll(QFileDevice &file, const QByteArray &bytes, QString *reason)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const int error = errno;
            *reason = error != 0 ? qt_error_string(error) : file.errorString();
            return false;
        }
        written += count;
    }
    // What reached the file is what counts.
    if (!file.flush() || file.size() != bytes.size()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

SavedData::Result SavedData::write(const QString &fileName, const QByteArray &bytes)
{
    Result result;
    const QFileInfo target(fileName);
    if (target.exists() && !target.isDir() &&
        !(target.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))) {
        result.outcome = Outcome::NotOpened;
        result.reason = qt_error_string(EACCES);
        return result;
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists()) {
        result.outcome = Outcome::NotOpened;
        result.reason = qt_error_string(ENOENT);
        return result;
    }
    if (target.exists() && target.isWritable() && !folder.isWritable()) {
        // A writable file in a folder we may not write to: the file cannot be written aside
        // and renamed, only in place.
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            result.outcome = Outcome::NotOpened;
            result.reason = file.errorString();
        } else if (!writeAll(file, bytes, &result.reason)) {
            result.outcome = Outcome::WriteFailed;
        }
        return result;
    }
    // Written aside and renamed over the target at the end, so a failed save leaves an
    // existing file as it was. Unbuffered, so that every failed write is seen here.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.outcome = Outcome::NotOpened;
        result.reason = file.errorString();
        return result;
    }
    if (!writeAll(file, bytes, &result.reason)) {
        result.outcome = Outcome::WriteFailed;
        file.cancelWriting(); // the file aside goes with `file`
        return result;
    }
    if (!file.commit()) {
        result.outcome = Outcome::WriteFailed;
        result.reason = file.errorString();
    }
    return result;
}
