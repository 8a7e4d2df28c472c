#include "app/ResultsFile.h"

#include <QFile>
#include <QLocale>

#include <algorithm>

namespace {

// Whether the bytes are well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, surrogates or code points beyond U+10FFFF.
bool isUtf8(const QByteArray &bytes)
{
    const auto *at = reinterpret_cast<const uchar *>(bytes.constData());
    const uchar *const end = at + bytes.size();
    while (at < end) {
        const uchar lead = *at++;
        if (lead < 0x80)
            continue;
        int more = 0;
        uint code = 0;
        uint lowest = 0;
        if ((lead & 0xe0) == 0xc0) {
            more = 1, code = lead & 0x1f, lowest = 0x80;
        } else if ((lead & 0xf0) == 0xe0) {
            more = 2, code = lead & 0x0f, lowest = 0x800;
        } else if ((lead & 0xf8) == 0xf0) {
            more = 3, code = lead & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (end - at < more)
            return false;
        for (int i = 0; i < more; ++i, ++at) {
            if ((*at & 0xc0) != 0x80)
                return false;
            code = code << 6 | (*at & 0x3f);
        }
        if (code < lowest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> ResultsFile::read(const QString &path, QString *error)
{
    QFile file(path);
    const auto unreadable = [&] {
        *error =
            tr("The file \"%1\" could not be read: %2", "%1 is a file name, %2 the system's reason")
                .arg(path, file.errorString());
        return std::nullopt;
    };
    const auto tooLarge = [&](qint64 size) {
        *error = tr("The file \"%1\" is too large to read as results: %2 bytes (at most %3).",
                    "%1 is a file name, %2 its size, %3 the largest size read")
                     .arg(path, QLocale().toString(size), QLocale().toString(sizeLimit));
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    // A regular file's size is known before its bytes are read; a pipe or a device is read
    // up to one byte more than the limit.
    if (!file.isSequential() && file.size() > sizeLimit)
        return tooLarge(file.size());
    QByteArray bytes;
    if (!file.isSequential())
        bytes = file.readAll();
    while (file.isSequential() && bytes.size() <= sizeLimit) {
        char chunk[64 * 1024];
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got <= 0)
            break;
        bytes.append(chunk, static_cast<int>(got));
    }
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    if (bytes.size() > sizeLimit) // a pipe, or a file that grew while it was read
        return tooLarge(bytes.size());
    return bytes;
}

QByteArray ResultsFile::toUtf8(const QByteArray &bytes)
{
    if (isUtf8(bytes))
        return bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3) : bytes;
    // Latin-1: each byte from 0x80 up becomes two.
    QByteArray utf8;
    utf8.reserve(bytes.size() + static_cast<int>(std::count_if(bytes.begin(), bytes.end(),
                                                               [](char c) { return c < 0; })));
    for (const char c : bytes) {
        const auto u = static_cast<uchar>(c);
        if (u < 0x80) {
            utf8.append(c);
        } else {
            utf8.append(static_cast<char>(0xc0 | u >> 6));
            utf8.append(static_cast<char>(0x80 | (u & 0x3f)));
        }
    }
    return utf8;
}
