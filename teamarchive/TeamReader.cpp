#include "teamarchive/TeamReader.h"

#include "teamarchive/TeamConnection.h"
#include "teamarchive/TeamDownloads.h"
#include "teamarchive/TeamPassword.h"

TeamReader::TeamReader(const TeamAddress &address) : address(address)
{
    qRegisterMetaType<TeamDownload>();
    qRegisterMetaType<QVector<TeamDownload>>();
}

TeamReader::~TeamReader() = default;

TeamConnection *TeamReader::ready(QString *problem)
{
    if (connection)
        return connection.get();
    if (address.password.isEmpty())
        address = TeamPassword::withPassword(address);
    auto opened = std::make_unique<TeamConnection>(address);
    if (!opened->open()) {
        *problem = opened->problemText();
        return nullptr;
    }
    connection = std::move(opened);
    return connection.get();
}

QString TeamReader::dropped()
{
    const QString problem = connection->problemText();
    connection.reset();
    return problem;
}

void TeamReader::list()
{
    QString problem;
    TeamConnection *open = ready(&problem);
    if (!open) {
        emit listed({}, problem);
        return;
    }
    const std::optional<QVector<TeamDownload>> downloads = TeamDownloads(*open).list();
    if (!downloads)
        emit listed({}, dropped());
    else
        emit listed(*downloads, QString());
}

void TeamReader::fetch(const TeamDownload &download)
{
    QString problem;
    TeamConnection *open = ready(&problem);
    if (!open) {
        emit fetched(download.id, {}, problem);
        return;
    }
    const std::optional<QByteArray> data = TeamDownloads(*open).data(download);
    if (!data)
        emit fetched(download.id, {}, dropped());
    else
        emit fetched(download.id, *data, QString());
}
