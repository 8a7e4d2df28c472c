#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// A saved .csv or .txt file the user names for --summary or --report, read as it is: its
// text as UTF-8 when it is UTF-8 (a byte order mark dropped), else as Latin-1. Its bytes keep
// bit 7: only the tester's bytes lose it, when they are saved. A file larger than sizeLimit
// is refused before anything is read, so that reading it as results stays within a small
// multiple of its size.
class ResultsFile
{
    Q_DECLARE_TR_FUNCTIONS(ResultsFile)

public:
    static constexpr qint64 sizeLimit = 64 * 1024 * 1024;

    // The file's bytes as they are (for the report's trace), or nothing with the reason.
    static std::optional<QByteArray> read(const QString &path, QString *error);
    // Bytes as UTF-8 text, for ResultsParser::parse(..., ResultsParser::Bytes::Utf8).
    static QByteArray toUtf8(const QByteArray &bytes);
};
