#include "download/SavedData.h"

#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

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

enum class Kind { Missing, Regular, Directory, Other };

// The file a name stands for: a symbolic link's last target, also when that does not exist
// yet, as the file that a save creates or replaces.
QString resolved(const QString &fileName)
{
    QString path = QFileInfo(fileName).absoluteFilePath();
    for (int depth = 0; depth < 40 && QFileInfo(path).isSymLink(); ++depth)
        path = QFileInfo(path).symLinkTarget();
    return path;
}

Kind kindOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return Kind::Missing;
    if (S_ISREG(status.st_mode))
        return Kind::Regular;
    return S_ISDIR(status.st_mode) ? Kind::Directory : Kind::Other;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Kind::Missing;
    if (info.isDir())
        return Kind::Directory;
    return info.isFile() ? Kind::Regular : Kind::Other;
#endif
}

SavedData::Result failure(SavedData::Outcome outcome, const QString &reason,
                          SavedData::Problem problem = SavedData::Problem::System)
{
    SavedData::Result result;
    result.outcome = outcome;
    result.problem = problem;
    result.reason = reason;
    return result;
}

// Writes all bytes from the file's current position; false with the system's reason when it
// cannot. A write may take only part of the data (a file-size limit, a disk filling up)
// without an error; the rest is written until the system says why not.
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
    if (!file.flush()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// What reached the file is what counts.
bool sizeIsRight(QFileDevice &file, qint64 expected, SavedData::Result *result)
{
    const qint64 size = file.size();
    if (size == expected)
        return true;
    result->outcome = SavedData::Outcome::WriteFailed;
    result->problem = SavedData::Problem::SizeMismatch;
    result->reason =
        SavedData::tr("The file holds %1 bytes instead of %2.", "%1 and %2 are numbers of bytes")
            .arg(QLocale().toString(size), QLocale().toString(expected));
    return false;
}

// A writable file in a folder we may not write to cannot be written aside and renamed, only
// in place. The space is reserved before the old bytes are touched, and on any failure the
// old bytes are put back.
SavedData::Result writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failure(SavedData::Outcome::NotOpened, file.errorString());
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(SavedData::Outcome::NotOpened, file.errorString());
    const qint64 oldSize = old.size();
#if defined(Q_OS_LINUX)
    if (bytes.size() > oldSize) {
        const int error = ::posix_fallocate(file.handle(), 0, bytes.size());
        // Where the file system cannot reserve, the writing below finds out, and the old
        // bytes are put back.
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            file.resize(oldSize);
            return failure(SavedData::Outcome::WriteFailed, qt_error_string(error));
        }
    }
#endif
    SavedData::Result result;
    QString reason;
    if (file.seek(0) && writeAll(file, bytes, &reason) && file.resize(bytes.size())) {
        if (sizeIsRight(file, bytes.size(), &result))
            return result;
    } else {
        result = failure(SavedData::Outcome::WriteFailed,
                         reason.isEmpty() ? file.errorString() : reason);
    }
    QString ignored;
    result.oldFileChanged = !(file.seek(0) && writeAll(file, old, &ignored) &&
                              file.resize(oldSize) && file.size() == oldSize);
    return result;
}

} // namespace

SavedData::Result SavedData::check(const QString &fileName)
{
    if (fileName.isEmpty())
        return failure(Outcome::NotOpened, qt_error_string(ENOENT));
    const QString path = resolved(fileName);
    const QFileInfo target(path);
    switch (kindOf(path)) {
    case Kind::Directory:
        return failure(Outcome::NotOpened, qt_error_string(EISDIR));
    case Kind::Other:
        return failure(Outcome::NotOpened,
                       tr("It is a pipe, a device or a socket, not a regular file: only regular "
                          "files are written."),
                       Problem::NotRegularFile);
    case Kind::Regular:
        if (!(target.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)) ||
            !target.isWritable())
            return failure(Outcome::NotOpened, qt_error_string(EACCES));
        return Result();
    case Kind::Missing:
        break;
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return failure(Outcome::NotOpened, qt_error_string(ENOENT));
    if (!folder.isDir())
        return failure(Outcome::NotOpened, qt_error_string(ENOTDIR));
    if (!folder.isWritable())
        return failure(Outcome::NotOpened, qt_error_string(EACCES));
    return Result();
}

SavedData::Result SavedData::write(const QString &fileName, const QByteArray &bytes)
{
    Result result = check(fileName);
    if (result.outcome != Outcome::Written)
        return result;
    // The folder that matters is the real file's, not a symbolic link's.
    const QString path = resolved(fileName);
    const QFileInfo target(path);
    if (target.exists() && !QFileInfo(target.absolutePath()).isWritable())
        return writeInPlace(path, bytes);
    // Written aside and renamed over the target at the end, so a failed save leaves an
    // existing file as it was. Unbuffered, so that every failed write is seen here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(Outcome::NotOpened, file.errorString());
    QString reason;
    if (!writeAll(file, bytes, &reason)) {
        file.cancelWriting(); // the file aside goes with `file`
        return failure(Outcome::WriteFailed, reason);
    }
    if (!sizeIsRight(file, bytes.size(), &result)) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failure(Outcome::WriteFailed, file.errorString());
    return result;
}
