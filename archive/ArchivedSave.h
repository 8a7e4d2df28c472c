#pragma once

#include <QDateTime>
#include <QString>

// One save of an archived download: where it went, in which convention and when.
struct ArchivedSave
{
    QString path;
    bool european = false;
    QDateTime savedAt; // UTC
};
