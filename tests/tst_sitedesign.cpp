#include "ExampleData.h"

#include "checks/DesignFile.h"
#include "checks/SiteDesign.h"

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

    // Every member set, names with quotes and umlauts.
    static SiteDesign full()
    {
        SiteDesign design =
            *DesignFile::read(R"x({"site": "Hillside Farm", "address": "Hill Rd 4, Dunmore",
  "client": "Hillside Farm Partners", "inspector": "A. Brennan",
  "instrument": {"model": "PV tester", "serial": "SN 0042", "calibrated": "2023-11-30"},
  "tolerances": {"voc_neighbours": 1.5, "isc_stc": 7.5, "min_irradiance": 300},
  "columns": {"voc": "Uoc (V)", "temperature": "Tmod"},
  "arrays": [{"name": "Barn roof", "match": "INV1-", "module": "Solwind SW-400M",
    "modules_in_series": 20, "voc_stc": 38.4, "isc_stc": 10.45, "beta_voc": -0.29},
   {"name": "Shed", "match": "INV2-", "module": "Solwind SW-400M",
    "modules_in_series": 3, "voc_stc": 38.4, "isc_stc": 10.45, "beta_voc": -0.29,
    "insulation_test_voltage": 500, "insulation_min": 2.5, "continuity_max": 0.8}]})x");
        design.arrays[1].name = QStringLiteral("Shed \"B\" – östlich");
        return design;
    }

private slots:
    // Members left out take their defaults; members the reading does not know are allowed.
    void reads()
    {
        QString error;
        const auto design = DesignFile::read(minimal(), &error);
        QVERIFY2(design && error.isEmpty(), qPrintable(error));
        QCOMPARE(design->arrays.size(), 1);
        QCOMPARE(design->arrays.at(0).modulesInSeries, 22);
        QVERIFY(!design->arrays.at(0).insulationMin && !design->arrays.at(0).continuityMax);
        QCOMPARE(design->tolerances, SiteDesign::Tolerances());
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
    // syntax error) and what is wrong with it.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("reason"); // each part in the reason
        const QByteArray good = minimal();
        const auto with = [&good](const char *from, const char *to) {
            return QByteArray(good).replace(from, to);
        };
        const auto row = [](const char *name, const QByteArray &json, const QString &reason) {
            QTest::newRow(name) << json << reason.split('|');
        };
        row("empty", QByteArray(), "not valid JSON");
        row("syntax, line 3", with("\"voc_stc\": 38.4,", "\"voc_stc\": 38.4,,"), "on line 3.");
        row("syntax, line 1", "{\"site\" \"x\"}", "on line 1.");
        row("truncated", good.left(good.size() - 5), "on line 3.");
        row("a list", "[1, 2]", "does not hold a JSON object");
        row("no site", with("\"site\"", "\"sight\""), "no member \"site\"");
        row("site a number", with("\"Marsh Lane Solar Park\"", "7"), "\"site\"|must be text");
        row("no arrays", with("\"arrays\"", "\"arrayz\""), "no member \"arrays\"");
        row("arrays an object", R"({"site": "", "arrays": {"name": "A"}})",
            "\"arrays\"|must be a list");
        row("arrays empty", R"({"site": "", "arrays": []})", "\"arrays\"|is empty");
        row("array item a string", with("[{", "[\"INV1\", {"), "\"arrays[0]\"|must be an object");
        row("second array no isc_stc",
            with("}]}", "}, {\"name\": \"B\", \"match\": \"INV2-\", \"modules_in_series\": 20, "
                        "\"voc_stc\": 38.4}]}"),
            "no member \"arrays[1].isc_stc\"");
        row("no name", with("\"name\"", "\"label\""), "\"arrays[0].name\"");
        row("voc_stc as text", with("38.4", "\"38.4\""), "\"arrays[0].voc_stc\"|must be a number");
        row("voc_stc zero", with("38.4", "0"), "\"arrays[0].voc_stc\"|must be greater than zero");
        row("modules 21.5", with("22", "21.5"),
            "\"arrays[0].modules_in_series\"|must be a whole number");
        row("modules 0", with("22", "0"), "\"arrays[0].modules_in_series\"");
        row("match null", with("\"INV1-\"", "null"), "\"arrays[0].match\"|must be text");
        row("beta as text", with("\"isc_stc\"", "\"beta_voc\": \"-0.3\", \"isc_stc\""),
            "\"arrays[0].beta_voc\"");
        row("beta 30 %/°C", with("\"isc_stc\"", "\"beta_voc\": -30, \"isc_stc\""),
            "from -10 to 10");
        row("continuity negative", with("\"isc_stc\"", "\"continuity_max\": -1, \"isc_stc\""),
            "\"arrays[0].continuity_max\"|must be greater than zero");
        row("instrument a string", with("\"site\"", "\"instrument\": \"PV tester\", \"site\""),
            "\"instrument\"|must be an object");
        row("calibrated not a date",
            with("\"site\"", "\"instrument\": {\"calibrated\": \"15/01/2024\"}, \"site\""),
            "\"instrument.calibrated\"|must be a date");
        row("tolerance as text",
            with("\"site\"", "\"tolerances\": {\"isc_stc\": \"10 %\"}, \"site\""),
            "\"tolerances.isc_stc\"|must be a number");
        row("column a number", with("\"site\"", "\"columns\": {\"voc\": 5}, \"site\""),
            "\"columns.voc\"");
    }

    void refused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, reason);
        QString error;
        const auto design = DesignFile::read(json, &error);
        QVERIFY(!design);
        for (const QString &part : reason)
            QVERIFY2(error.contains(part), qPrintable(error));
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
