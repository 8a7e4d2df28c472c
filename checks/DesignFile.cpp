#include "checks/DesignFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace {

// Reads members of one object, keeping the first refusal.
class Reader
{
public:
    QString error;

    bool failed() const { return !error.isEmpty(); }

    void refuse(const QString &reason)
    {
        if (error.isEmpty())
            error = reason;
    }

    static QString path(const QString &prefix, const QString &member)
    {
        return prefix.isEmpty() ? member : prefix + QLatin1Char('.') + member;
    }

    void missing(const QString &where)
    {
        refuse(QCoreApplication::translate("DesignFile", "The design file has no member \"%1\".")
                   .arg(where));
    }

    void text(const QJsonObject &object, const QString &prefix, const char *member, QString *out,
              bool required = false)
    {
        const QString key = QLatin1String(member);
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            if (required)
                missing(path(prefix, key));
            return;
        }
        if (!value.isString()) {
            refuse(QCoreApplication::translate("DesignFile",
                                               "The member \"%1\" of the design file must be text.")
                       .arg(path(prefix, key)));
            return;
        }
        *out = value.toString();
    }

    // A number; present tells whether the member was there at all.
    bool number(const QJsonObject &object, const QString &prefix, const char *member, double *out,
                bool required = false, bool mayBeZero = false)
    {
        const QString key = QLatin1String(member);
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            if (required)
                missing(path(prefix, key));
            return false;
        }
        if (!value.isDouble()) {
            refuse(QCoreApplication::translate(
                       "DesignFile", "The member \"%1\" of the design file must be a number.")
                       .arg(path(prefix, key)));
            return false;
        }
        const double number = value.toDouble();
        if (!std::isfinite(number) || number < 0.0 || (!mayBeZero && number == 0.0)) {
            refuse((mayBeZero ? QCoreApplication::translate(
                                    "DesignFile",
                                    "The member \"%1\" of the design file must not be negative.")
                              : QCoreApplication::translate(
                                    "DesignFile",
                                    "The member \"%1\" of the design file must be greater than "
                                    "zero."))
                       .arg(path(prefix, key)));
            return false;
        }
        *out = number;
        return true;
    }

    // A temperature coefficient: any sign, at most 10 %/°C either way.
    void coefficient(const QJsonObject &object, const QString &prefix, const char *member,
                     double *out)
    {
        const QString key = QLatin1String(member);
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return;
        if (!value.isDouble()) {
            refuse(QCoreApplication::translate(
                       "DesignFile", "The member \"%1\" of the design file must be a number.")
                       .arg(path(prefix, key)));
            return;
        }
        const double number = value.toDouble();
        if (!(std::fabs(number) <= 10.0)) {
            refuse(QCoreApplication::translate(
                       "DesignFile",
                       "The member \"%1\" of the design file must be from -10 to 10 %/°C.")
                       .arg(path(prefix, key)));
            return;
        }
        *out = number;
    }

    void optionalNumber(const QJsonObject &object, const QString &prefix, const char *member,
                        std::optional<double> *out)
    {
        double value = 0.0;
        if (number(object, prefix, member, &value))
            *out = value;
    }

    QJsonObject object(const QJsonObject &parent, const QString &prefix, const char *member)
    {
        const QString key = QLatin1String(member);
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isObject()) {
            refuse(QCoreApplication::translate(
                       "DesignFile", "The member \"%1\" of the design file must be an object.")
                       .arg(path(prefix, key)));
            return {};
        }
        return value.toObject();
    }
};

int lineOf(const QByteArray &bytes, int offset)
{
    return 1 + int(bytes.left(qBound(0, offset, bytes.size())).count('\n'));
}

void readArray(Reader &reader, const QJsonObject &object, const QString &prefix,
               SiteDesign::Array *array)
{
    reader.text(object, prefix, "name", &array->name, true);
    reader.text(object, prefix, "match", &array->match, true);
    reader.text(object, prefix, "module", &array->module);

    const QString seriesKey = QStringLiteral("modules_in_series");
    const QJsonValue series = object.value(seriesKey);
    if (series.isUndefined()) {
        reader.missing(Reader::path(prefix, seriesKey));
    } else if (!series.isDouble() || series.toDouble() != std::floor(series.toDouble()) ||
               series.toDouble() < 1.0 || series.toDouble() > 10000.0) {
        reader.refuse(QCoreApplication::translate(
                          "DesignFile",
                          "The member \"%1\" of the design file must be a whole number from 1 to "
                          "10000.")
                          .arg(Reader::path(prefix, seriesKey)));
    } else {
        array->modulesInSeries = series.toInt();
    }

    reader.number(object, prefix, "voc_stc", &array->vocStc, true);
    reader.number(object, prefix, "isc_stc", &array->iscStc, true);
    reader.coefficient(object, prefix, "beta_voc", &array->betaVoc);
    reader.coefficient(object, prefix, "alpha_isc", &array->alphaIsc);
    reader.optionalNumber(object, prefix, "insulation_test_voltage", &array->insulationTestVoltage);
    reader.optionalNumber(object, prefix, "insulation_min", &array->insulationMin);
    reader.optionalNumber(object, prefix, "continuity_max", &array->continuityMax);
}

} // namespace

std::optional<SiteDesign> DesignFile::read(const QByteArray &json, QString *error)
{
    auto refused = [error](const QString &reason) -> std::optional<SiteDesign> {
        if (error)
            *error = reason;
        return std::nullopt;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return refused(QCoreApplication::translate(
                           "DesignFile", "The design file is not valid JSON: %1 on line %2.")
                           .arg(parseError.errorString())
                           .arg(QLocale().toString(lineOf(json, parseError.offset))));
    }
    if (!document.isObject())
        return refused(QCoreApplication::translate("DesignFile",
                                                   "The design file does not hold a JSON object."));
    const QJsonObject root = document.object();

    SiteDesign design;
    Reader reader;
    reader.text(root, QString(), "site", &design.site, true);
    reader.text(root, QString(), "address", &design.address);
    reader.text(root, QString(), "client", &design.client);
    reader.text(root, QString(), "inspector", &design.inspector);

    const QJsonObject instrument = reader.object(root, QString(), "instrument");
    const QString instrumentPath = QStringLiteral("instrument");
    reader.text(instrument, instrumentPath, "model", &design.instrument.model);
    reader.text(instrument, instrumentPath, "serial", &design.instrument.serial);
    QString calibrated;
    reader.text(instrument, instrumentPath, "calibrated", &calibrated);
    if (!calibrated.isEmpty()) {
        design.instrument.calibrated = QDate::fromString(calibrated, Qt::ISODate);
        if (!design.instrument.calibrated.isValid()) {
            reader.refuse(QCoreApplication::translate(
                              "DesignFile",
                              "The member \"%1\" of the design file must be a date written as "
                              "YYYY-MM-DD.")
                              .arg(QStringLiteral("instrument.calibrated")));
        }
    }

    const QJsonValue arrays = root.value(QStringLiteral("arrays"));
    if (arrays.isUndefined()) {
        reader.missing(QStringLiteral("arrays"));
    } else if (!arrays.isArray()) {
        reader.refuse(QCoreApplication::translate(
                          "DesignFile", "The member \"%1\" of the design file must be a list.")
                          .arg(QStringLiteral("arrays")));
    } else if (arrays.toArray().isEmpty()) {
        reader.refuse(QCoreApplication::translate(
            "DesignFile", "The list \"arrays\" of the design file is empty: a design needs at "
                          "least one array."));
    } else {
        const QJsonArray list = arrays.toArray();
        for (int i = 0; i < list.size() && !reader.failed(); ++i) {
            const QString prefix = QStringLiteral("arrays[%1]").arg(i);
            if (!list.at(i).isObject()) {
                reader.refuse(
                    QCoreApplication::translate(
                        "DesignFile", "The member \"%1\" of the design file must be an object.")
                        .arg(prefix));
                break;
            }
            SiteDesign::Array array;
            readArray(reader, list.at(i).toObject(), prefix, &array);
            design.arrays.append(array);
        }
    }

    const QString tolerancesPath = QStringLiteral("tolerances");
    const QJsonObject tolerances = reader.object(root, QString(), "tolerances");
    reader.number(tolerances, tolerancesPath, "voc_neighbours", &design.tolerances.vocNeighbours);
    reader.number(tolerances, tolerancesPath, "isc_stc", &design.tolerances.iscStc);
    reader.number(tolerances, tolerancesPath, "min_irradiance", &design.tolerances.minIrradiance,
                  false, true);

    const QString columnsPath = QStringLiteral("columns");
    const QJsonObject columns = reader.object(root, QString(), "columns");
    for (int role = 0; role < SiteDesign::roleCount; ++role) {
        const auto key = SiteDesign::roleKey(SiteDesign::Role(role)).toLatin1();
        QString header;
        reader.text(columns, columnsPath, key.constData(), &header);
        if (!header.trimmed().isEmpty())
            design.columns.insert(SiteDesign::Role(role), header);
    }

    if (reader.failed())
        return refused(reader.error);
    if (error)
        error->clear();
    return design;
}

QByteArray DesignFile::write(const SiteDesign &design)
{
    QJsonObject root;
    root.insert(QStringLiteral("site"), design.site);
    root.insert(QStringLiteral("address"), design.address);
    root.insert(QStringLiteral("client"), design.client);
    root.insert(QStringLiteral("inspector"), design.inspector);

    QJsonObject instrument;
    instrument.insert(QStringLiteral("model"), design.instrument.model);
    instrument.insert(QStringLiteral("serial"), design.instrument.serial);
    instrument.insert(QStringLiteral("calibrated"),
                      design.instrument.calibrated.toString(Qt::ISODate));
    root.insert(QStringLiteral("instrument"), instrument);

    QJsonArray arrays;
    for (const SiteDesign::Array &array : design.arrays) {
        QJsonObject object;
        object.insert(QStringLiteral("name"), array.name);
        object.insert(QStringLiteral("match"), array.match);
        object.insert(QStringLiteral("module"), array.module);
        object.insert(QStringLiteral("modules_in_series"), array.modulesInSeries);
        object.insert(QStringLiteral("voc_stc"), array.vocStc);
        object.insert(QStringLiteral("isc_stc"), array.iscStc);
        object.insert(QStringLiteral("beta_voc"), array.betaVoc);
        object.insert(QStringLiteral("alpha_isc"), array.alphaIsc);
        if (array.insulationTestVoltage)
            object.insert(QStringLiteral("insulation_test_voltage"), *array.insulationTestVoltage);
        if (array.insulationMin)
            object.insert(QStringLiteral("insulation_min"), *array.insulationMin);
        if (array.continuityMax)
            object.insert(QStringLiteral("continuity_max"), *array.continuityMax);
        arrays.append(object);
    }
    root.insert(QStringLiteral("arrays"), arrays);

    QJsonObject tolerances;
    tolerances.insert(QStringLiteral("voc_neighbours"), design.tolerances.vocNeighbours);
    tolerances.insert(QStringLiteral("isc_stc"), design.tolerances.iscStc);
    tolerances.insert(QStringLiteral("min_irradiance"), design.tolerances.minIrradiance);
    root.insert(QStringLiteral("tolerances"), tolerances);

    if (!design.columns.isEmpty()) {
        QJsonObject columns;
        for (auto it = design.columns.cbegin(); it != design.columns.cend(); ++it)
            columns.insert(SiteDesign::roleKey(it.key()), it.value());
        root.insert(QStringLiteral("columns"), columns);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
