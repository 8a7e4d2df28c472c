#include "checks/SiteDesign.h"

#include "common/EnumTable.h"

#include <algorithm>

namespace {

enum class Band { Low, Middle, High };

Band bandOf(double systemVoltage)
{
    if (systemVoltage < 120.0)
        return Band::Low;
    if (systemVoltage <= 500.0)
        return Band::Middle;
    return Band::High;
}

} // namespace

bool SiteDesign::Instrument::operator==(const Instrument &other) const
{
    return model == other.model && serial == other.serial && calibrated == other.calibrated;
}

double SiteDesign::Array::systemVoltage() const
{
    return modulesInSeries * vocStc * 1.25;
}

double SiteDesign::Array::effectiveInsulationTestVoltage() const
{
    if (insulationTestVoltage)
        return *insulationTestVoltage;
    switch (bandOf(systemVoltage())) {
    case Band::Low:
        return 250.0;
    case Band::Middle:
        return 500.0;
    case Band::High:
        break;
    }
    return 1000.0;
}

double SiteDesign::Array::effectiveInsulationMin() const
{
    if (insulationMin)
        return *insulationMin;
    return bandOf(systemVoltage()) == Band::Low ? 0.5 : 1.0;
}

bool SiteDesign::Array::operator==(const Array &other) const
{
    return name == other.name && match == other.match && module == other.module &&
           modulesInSeries == other.modulesInSeries && vocStc == other.vocStc &&
           iscStc == other.iscStc && betaVoc == other.betaVoc && alphaIsc == other.alphaIsc &&
           insulationTestVoltage == other.insulationTestVoltage &&
           insulationMin == other.insulationMin && continuityMax == other.continuityMax;
}

bool SiteDesign::Tolerances::operator==(const Tolerances &other) const
{
    return vocNeighbours == other.vocNeighbours && iscStc == other.iscStc &&
           minIrradiance == other.minIrradiance;
}

QString SiteDesign::roleKey(Role role)
{
    // In the order of Role.
    static const char *const keys[roleCount] = {
        "site", "string", "voc", "isc", "irradiance", "temperature", "insulation", "continuity"};
    return QLatin1String(enumEntry(keys, role));
}

int SiteDesign::arrayFor(const QString &stringName) const
{
    int best = -1;
    for (int i = 0; i < arrays.size(); ++i) {
        const QString &match = arrays.at(i).match;
        if (stringName.startsWith(match, Qt::CaseInsensitive) &&
            (best < 0 || match.size() > arrays.at(best).match.size()))
            best = i;
    }
    return best;
}

bool SiteDesign::operator==(const SiteDesign &other) const
{
    return site == other.site && address == other.address && client == other.client &&
           inspector == other.inspector && instrument == other.instrument &&
           arrays == other.arrays && tolerances == other.tolerances && columns == other.columns;
}
