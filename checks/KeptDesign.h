#pragma once

#include "checks/SiteDesign.h"
#include "results/ResultTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The design kept for the site of a table of results, or why there is none to use: the one
// look-up the Results window and --report share, so that both find the same design and both
// say the same reason.
struct KeptDesign
{
    enum class Outcome {
        Found,        // design holds the one site's design
        NoneKept,     // no site of the table has a design kept (or the table names no site)
        SeveralSites, // several of the table's sites have one: sites names them
        Unreadable,   // the store could not be read: reason says why
        Unusable,     // the kept design no longer reads: reason says why
    };
    Outcome outcome = Outcome::NoneKept;
    std::optional<SiteDesign> design;
    // The table's sites (NoneKept), or the sites with a design kept (SeveralSites, Found).
    QStringList sites;
    // Why the design cannot be used (Unreadable, Unusable), translated; else empty.
    QString reason;

    // The JSON kept for a site: empty when none is kept; nothing, with the reason in *error,
    // when the store could not be read.
    using Lookup = std::function<std::optional<QByteArray>(const QString &site, QString *error)>;

    // Looks up the design of each of the table's sites (DesignChecks::sites()).
    static KeptDesign find(const ResultTable &table, const Lookup &designFor);
};
