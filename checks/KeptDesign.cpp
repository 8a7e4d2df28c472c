#include "checks/KeptDesign.h"

#include "checks/DesignChecks.h"
#include "checks/DesignFile.h"

#include <QCoreApplication>

KeptDesign KeptDesign::find(const ResultTable &table, const Lookup &designFor)
{
    KeptDesign kept;
    const QStringList sites = DesignChecks::sites(table);
    QByteArray json;
    for (const QString &site : sites) {
        QString error;
        const std::optional<QByteArray> found = designFor(site, &error);
        if (!found) {
            kept.outcome = Outcome::Unreadable;
            kept.reason = error;
            return kept;
        }
        if (!found->isEmpty()) {
            kept.sites.append(site);
            json = *found;
        }
    }
    if (kept.sites.isEmpty()) {
        kept.sites = sites;
        return kept;
    }
    if (kept.sites.size() > 1) {
        kept.outcome = Outcome::SeveralSites;
        return kept;
    }
    QString reason;
    kept.design = DesignFile::read(json, &reason);
    if (kept.design) {
        kept.outcome = Outcome::Found;
    } else {
        kept.outcome = Outcome::Unusable;
        kept.reason =
            QCoreApplication::translate(
                "KeptDesign", "The design kept in the archive for \"%1\" cannot be used: %2",
                "%1 is the site's name, %2 what is wrong")
                .arg(kept.sites.first(), reason);
    }
    return kept;
}
