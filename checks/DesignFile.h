#pragma once

#include "checks/SiteDesign.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A site design as a JSON file. Members the reading does not know are allowed and ignored (and
// not written back). Required: "site" (text, may be empty: then any site's rows are checked),
// "arrays" (a list of at least one object), and in each array "name", "match",
// "modules_in_series", "voc_stc" and "isc_stc". Every other member is optional: texts default
// to empty, coefficients, tolerances and limits to their usual values. A refusal names the
// member by its path, e.g. "arrays[1].voc_stc" (arrays counted from 0).
class DesignFile
{
public:
    // The design in the bytes, or nothing with the reason (translated) in *error.
    static std::optional<SiteDesign> read(const QByteArray &json, QString *error = nullptr);
    // The design as indented JSON; reading it back gives an equal design, and writing that
    // again the same bytes. Optional limits are written only when the design sets them.
    static QByteArray write(const SiteDesign &design);
};
