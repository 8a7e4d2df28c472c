#include "ExampleData.h"

#include "checks/DesignFile.h"
#include "checks/SiteDesign.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

// The design of a site as its JSON file: what is read, the defaults, what is refused and why.
class TestSiteDesign : public QObject
{
    Q_OBJECT

    static QByteArray minimal()
    {
        return R"({"site": "Marsh Lane Solar Park",
  "arrays": [{"name": "A", "match": "INV1-", "modules_in_series": 22,
              "voc_stc": 38.4, "isc_stc": 10.45}]})";
    }

    static SiteDesign full()
    {
        SiteDesign design;
        design.site = QStringLiteral("Hillside Farm");
        design.address = QStringLiteral("Hill Rd 4, Dunmore");
        design.client = QStringLiteral("Hillside Farm Partners");
        design.inspector = QStringLiteral("A. Brennan");
        design.instrument = {QStringLiteral("PV tester"), QStringLiteral("SN 0042"),
                             QDate(2023, 11, 30)};
        SiteDesign::Array roof;
        roof.name = QStringLiteral("Barn roof");
        roof.match = QStringLiteral("INV1-");
        roof.module = QStringLiteral("Solwind SW-400M");
        roof.modulesInSeries = 20;
        roof.vocStc = 38.4;
        roof.iscStc = 10.45;
        roof.betaVoc = -0.29;
        SiteDesign::Array shed = roof;
        shed.name = QStringLiteral("Shed \"B\" – östlich");
        shed.match = QStringLiteral("INV2-");
        shed.modulesInSeries = 3;
        shed.insulationTestVoltage = 500.0;
        shed.insulationMin = 2.5;
        shed.continuityMax = 0.8;
        design.arrays = {roof, shed};
        design.tolerances = {1.5, 7.5, 300.0};
        design.columns.insert(SiteDesign::Role::Voc, QStringLiteral("Uoc (V)"));
        design.columns.insert(SiteDesign::Role::Temperature, QStringLiteral("Tmod"));
        return design;
    }

private slots:
    void reads()
    {
        QString error;
        const auto design = DesignFile::read(minimal(), &error);
        QVERIFY2(design, qPrintable(error));
        QVERIFY(error.isEmpty());
        QCOMPARE(design->site, QStringLiteral("Marsh Lane Solar Park"));
        QCOMPARE(design->arrays.size(), 1);
        const SiteDesign::Array &array = design->arrays.at(0);
        QCOMPARE(array.modulesInSeries, 22);
        QCOMPARE(array.betaVoc, -0.30);
        QCOMPARE(array.alphaIsc, 0.05);
        QVERIFY(!array.insulationMin && !array.insulationTestVoltage && !array.continuityMax);
        QCOMPARE(array.effectiveInsulationTestVoltage(), 1000.0);
        QCOMPARE(design->tolerances, SiteDesign::Tolerances());
        QCOMPARE(design->tolerances.vocNeighbours, 2.0);
        QCOMPARE(design->tolerances.iscStc, 10.0);
        QCOMPARE(design->tolerances.minIrradiance, 400.0);
        QVERIFY(design->columns.isEmpty());

        // Members the reading does not know are allowed.
        QByteArray more = minimal();
        more.replace("\"site\"", "\"notes\": [1, {\"x\": null}], \"site\"");
        more.replace("\"name\"", "\"colour\": \"blue\", \"name\"");
        const auto withMore = DesignFile::read(more, &error);
        QVERIFY2(withMore, qPrintable(error));
        QCOMPARE(*withMore, *design);
    }

    void roundTrip()
    {
        const SiteDesign design = full();
        const QByteArray written = DesignFile::write(design);
        QString error;
        const auto read = DesignFile::read(written, &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(*read, design);
        QCOMPARE(DesignFile::write(*read), written);
        // Limits left to their band are not written, so they follow the modules in series.
        QVERIFY(!read->arrays.at(0).insulationMin);

        // The example shipped beside the emulator reads and writes back byte for byte.
        const QByteArray bytes = ExampleData::designJson();
        const auto marsh = DesignFile::read(bytes, &error);
        QVERIFY2(marsh, qPrintable(error));
        QCOMPARE(marsh->site, QStringLiteral("Marsh Lane Solar Park"));
        QCOMPARE(marsh->arrays.at(0).modulesInSeries, 22);
        QCOMPARE(marsh->arrays.at(0).betaVoc, -0.29);
        QCOMPARE(DesignFile::write(*marsh), bytes);
    }

    // The insulation test voltage and minimum by the system voltage N × Voc × 1.25; 120 V and
    // 500 V belong to the middle band.
    void insulationBands_data()
    {
        QTest::addColumn<int>("modules");
        QTest::addColumn<double>("voc");
        QTest::addColumn<double>("testVoltage");
        QTest::addColumn<double>("minimum");
        QTest::newRow("119.75 V") << 2 << 47.9 << 250.0 << 0.5;
        QTest::newRow("120 V") << 2 << 48.0 << 500.0 << 1.0;
        QTest::newRow("500 V") << 10 << 40.0 << 500.0 << 1.0;
        QTest::newRow("500.125 V") << 10 << 40.01 << 1000.0 << 1.0;
        QTest::newRow("1056 V") << 22 << 38.4 << 1000.0 << 1.0;
        QTest::newRow("one module") << 1 << 21.0 << 250.0 << 0.5;
    }

    void insulationBands()
    {
        QFETCH(int, modules);
        QFETCH(double, voc);
        QFETCH(double, testVoltage);
        QFETCH(double, minimum);
        SiteDesign::Array array;
        array.modulesInSeries = modules;
        array.vocStc = voc;
        QCOMPARE(array.effectiveInsulationTestVoltage(), testVoltage);
        QCOMPARE(array.effectiveInsulationMin(), minimum);
        array.insulationTestVoltage = 1500.0;
        array.insulationMin = 40.0;
        QCOMPARE(array.effectiveInsulationTestVoltage(), 1500.0);
        QCOMPARE(array.effectiveInsulationMin(), 40.0);
    }

    // Damaged and incomplete files are refused with the member named (or the line of a
    // syntax error).
    void refused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("reason");
        const QByteArray good = minimal();
        auto with = [&good](const char *from, const char *to) {
            return QByteArray(good).replace(from, to);
        };
        QTest::newRow("empty") << QByteArray() << "not valid JSON";
        QTest::newRow("syntax, line 3")
            << with("\"voc_stc\": 38.4,", "\"voc_stc\": 38.4,,") << "on line 3.";
        QTest::newRow("syntax, line 1") << QByteArray("{\"site\" \"x\"}") << "on line 1.";
        QTest::newRow("truncated") << good.left(good.size() - 5) << "on line 3.";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "does not hold a JSON object";
        QTest::newRow("no site") << with("\"site\"", "\"sight\"") << "no member \"site\"";
        QTest::newRow("site a number")
            << with("\"Marsh Lane Solar Park\"", "7") << "\"site\" of the design file must be text";
        QTest::newRow("no arrays") << with("\"arrays\"", "\"arrayz\"") << "no member \"arrays\"";
        QTest::newRow("arrays an object") << QByteArray(R"({"site": "", "arrays": {"name": "A"}})")
                                          << "\"arrays\" of the "
                                             "design file must be a "
                                             "list";
        QTest::newRow("arrays empty") << QByteArray(R"({"site": "", "arrays": []})")
                                      << "The list \"arrays\" of the design file is empty";
        QTest::newRow("array item a string")
            << with("[{", "[\"INV1\", {") << "\"arrays[0]\" of the design file must be an object";
        QTest::newRow("second array no isc_stc")
            << with("}]}", "}, {\"name\": \"B\", \"match\": \"INV2-\", \"modules_in_series\": 20, "
                           "\"voc_stc\": 38.4}]}")
            << "no member \"arrays[1].isc_stc\"";
        QTest::newRow("no name") << with("\"name\"", "\"label\"") << "\"arrays[0].name\"";
        QTest::newRow("voc_stc as text") << with("38.4", "\"38.4\"")
                                         << "\"arrays[0].voc_stc\" of the design file must be a "
                                            "number";
        QTest::newRow("voc_stc zero") << with("38.4", "0")
                                      << "\"arrays[0].voc_stc\" of the design "
                                         "file must be greater than zero";
        QTest::newRow("modules 21.5")
            << with("22", "21.5")
            << "\"arrays[0].modules_in_series\" of the design file must be "
               "a whole number";
        QTest::newRow("modules 0") << with("22", "0") << "\"arrays[0].modules_in_series\"";
        QTest::newRow("match null") << with("\"INV1-\"", "null")
                                    << "\"arrays[0].match\" of the "
                                       "design file must be text";
        QTest::newRow("beta as text") << with("\"isc_stc\"", "\"beta_voc\": \"-0.3\", \"isc_stc\"")
                                      << "\"arrays[0].beta_voc\"";
        QTest::newRow("beta 30 %/°C")
            << with("\"isc_stc\"", "\"beta_voc\": -30, \"isc_stc\"") << "from -10 to 10";
        QTest::newRow("continuity negative")
            << with("\"isc_stc\"", "\"continuity_max\": -1, \"isc_stc\"")
            << "\"arrays[0].continuity_max\" of the design file must be greater than zero";
        QTest::newRow("instrument a string")
            << with("\"site\"", "\"instrument\": \"PV tester\", \"site\"")
            << "\"instrument\" of the design file must be an object";
        QTest::newRow("calibrated not a date")
            << with("\"site\"", "\"instrument\": {\"calibrated\": \"15/01/2024\"}, \"site\"")
            << "\"instrument.calibrated\" of the design file must be a date";
        QTest::newRow("tolerance as text")
            << with("\"site\"", "\"tolerances\": {\"isc_stc\": \"10 %\"}, \"site\"")
            << "\"tolerances.isc_stc\" of the design file must be a number";
        QTest::newRow("column a number")
            << with("\"site\"", "\"columns\": {\"voc\": 5}, \"site\"") << "\"columns.voc\"";
    }

    void refused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, reason);
        QString error;
        const auto design = DesignFile::read(json, &error);
        QVERIFY(!design);
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    // Mutated files from a fixed seed: each is read or refused with a reason, never a crash;
    // what is read writes out and reads back the same.
    void fuzz()
    {
        QRandomGenerator random(20240415);
        const QByteArray seeds[] = {minimal(), DesignFile::write(full())};
        const char pieces[] = "{}[],:\"0123456789.-eE \ntruenull\\\xff";
        int readCount = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray json = seeds[round % 2];
            const int edits = 1 + random.bounded(6);
            for (int e = 0; e < edits && !json.isEmpty(); ++e) {
                const int at = random.bounded(json.size());
                switch (random.bounded(4)) {
                case 0:
                    json[at] = pieces[random.bounded(int(sizeof pieces) - 1)];
                    break;
                case 1:
                    json.remove(at, 1 + random.bounded(8));
                    break;
                case 2:
                    json.insert(at, pieces[random.bounded(int(sizeof pieces) - 1)]);
                    break;
                default:
                    json[at] = char(random.bounded(256));
                }
            }
            QString error;
            const auto design = DesignFile::read(json, &error);
            if (!design) {
                QVERIFY2(!error.isEmpty(), json.constData());
                continue;
            }
            ++readCount;
            const auto again = DesignFile::read(DesignFile::write(*design), &error);
            QVERIFY2(again && *again == *design, json.constData());
        }
        QVERIFY(readCount > 0);
    }
};

QTEST_GUILESS_MAIN(TestSiteDesign)
#include "tst_sitedesign.moc"
