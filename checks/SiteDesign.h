#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QVector>

#include <optional>

// The design of a solar installation as its results are checked against: who and where, the
// instrument, the arrays of strings with their modules and limits, the tolerances of the
// checks, and which header of the data holds which measurement.
struct SiteDesign
{
    struct Instrument
    {
        QString model;
        QString serial;
        QDate calibrated; // null when not given
        bool operator==(const Instrument &other) const;
    };

    // One array: the strings whose name starts with `match` (ignoring case), all built of
    // modulesInSeries modules of one kind.
    struct Array
    {
        QString name;
        QString match;
        QString module;
        int modulesInSeries = 0;
        double vocStc = 0.0;                         // V per module at STC
        double iscStc = 0.0;                         // A at STC
        double betaVoc = -0.30;                      // %/°C
        double alphaIsc = 0.05;                      // %/°C
        std::optional<double> insulationTestVoltage; // V; absent: by the system voltage's band
        std::optional<double> insulationMin;         // MΩ; absent: by the system voltage's band
        std::optional<double> continuityMax;         // Ω; absent: continuity is not checked

        // modulesInSeries × vocStc × 1.25, the voltage that sets the insulation band.
        double systemVoltage() const;
        // The override when given, else by band: below 120 V 250 V and 0.5 MΩ; from 120 V to
        // 500 V, both included, 500 V and 1 MΩ; above 500 V 1000 V and 1 MΩ.
        double effectiveInsulationTestVoltage() const;
        double effectiveInsulationMin() const;
        bool operator==(const Array &other) const;
    };

    struct Tolerances
    {
        double vocNeighbours = 2.0;   // %
        double iscStc = 10.0;         // %
        double minIrradiance = 400.0; // W/m²
        bool operator==(const Tolerances &other) const;
    };

    // The roles of the data's columns, as the design file names them.
    enum class Role { Site, String, Voc, Isc, Irradiance, Temperature, Insulation, Continuity };
    static constexpr int roleCount = 8;
    static QString roleKey(Role role); // "site", "string", "voc", ...

    QString site;
    QString address;
    QString client;
    QString inspector;
    Instrument instrument;
    QVector<Array> arrays;
    Tolerances tolerances;
    // Role -> header text, for the columns whose header is not one of the usual names.
    QMap<Role, QString> columns;

    // The array whose match is the longest prefix of the string name (ignoring case), or -1.
    int arrayFor(const QString &stringName) const;

    bool operator==(const SiteDesign &other) const;
    bool operator!=(const SiteDesign &other) const { return !(*this == other); }
};
