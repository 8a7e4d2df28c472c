#include "ExampleData.h"

#include "checks/DesignFile.h"
#include "gui/SiteDesignDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// The text of the next message box, which is closed; empty when none came.
QString answerNextBox(const std::function<void()> &action)
{
    QString text;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->close();
        }
    });
    poll.start();
    action();
    return text;
}

} // namespace

// The site design dialog: the design through its widgets and back, the user's edits, the
// refusals, and its file.
class TestSiteDesignDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A design shown and read back unchanged, in two locales, with a column mapping.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << QStringLiteral("en_US");
        QTest::newRow("de_DE") << QStringLiteral("de_DE");
    }
    void roundTrip()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        SiteDesign design = ExampleData::design();
        design.columns.insert(SiteDesign::Role::Voc, QStringLiteral("Uoc (V)"));
        SiteDesign::Array second = design.arrays.at(0);
        second.name = QStringLiteral("Roof");
        second.match = QStringLiteral("R-");
        second.insulationMin = 0.5;
        second.insulationTestVoltage = 250;
        second.continuityMax.reset();
        design.arrays.append(second);
        design.instrument.calibrated = QDate();

        SiteDesignDialog dialog(design, {QStringLiteral("Uoc (V)"), QStringLiteral("Isc (A)")});
        QCOMPARE(dialog.design(), design);
        QVERIFY(dialog.problem().isEmpty());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // What the user types arrives in the design; what cannot be used is refused with the array
    // and the field named, and the dialog stays open.
    void edits_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem"); // empty: accepted
        QTest::newRow("21 in series") << 3 << QStringLiteral("21") << QString();
        QTest::newRow("no continuity maximum") << 10 << QString() << QString();
        QTest::newRow("no name") << 0 << QString() << QStringLiteral("Array 1, Name: required");
        QTest::newRow("no match") << 1 << QStringLiteral(" ")
                                  << QStringLiteral("Array 1, Strings starting with: required");
        QTest::newRow("half a module")
            << 3 << QStringLiteral("21.5")
            << QStringLiteral(
                   "Array 1, Modules in series: a whole number from 1 to 10000 is needed");
        QTest::newRow("Voc zero") << 4 << QStringLiteral("0")
                                  << QStringLiteral("Array 1, Voc at STC (V): a number above 0 is "
                                                    "needed");
        QTest::newRow("beta words")
            << 6 << QStringLiteral("minus")
            << QStringLiteral("Array 1, \u03b2 Voc (%/\u00b0C): a number is needed");
        QTest::newRow("negative minimum")
            << 9 << QStringLiteral("-1")
            << QStringLiteral("Array 1, Insulation min. (M\u03a9): a number above 0 is needed, or "
                              "nothing");
    }
    void edits()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        SiteDesignDialog dialog(ExampleData::design(), {QStringLiteral("Voc (V)")});
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("arraysTable"));
        QVERIFY(table);
        table->item(0, field)->setText(text);
        dialog.findChild<QLineEdit *>(QStringLiteral("siteEdit"))->setText(QStringLiteral("Other"));
        const QList<QComboBox *> combos = dialog.findChildren<QComboBox *>();
        QCOMPARE(combos.size(), SiteDesign::roleCount);
        combos.at(int(SiteDesign::Role::Voc))->setCurrentText(QStringLiteral("Voc (V)"));

        QCOMPARE(dialog.problem(), problem);
        const QString shown = answerNextBox([&] {
            dialog.open();
            dialog.accept();
        });
        QCOMPARE(shown, problem);
        QCOMPARE(dialog.result() == QDialog::Accepted, problem.isEmpty());
        if (!problem.isEmpty())
            return;
        const SiteDesign design = dialog.design();
        QCOMPARE(design.site, QStringLiteral("Other"));
        QCOMPARE(design.columns.value(SiteDesign::Role::Voc), QStringLiteral("Voc (V)"));
        if (field == 3)
            QCOMPARE(design.arrays.at(0).modulesInSeries, 21);
        if (field == 10)
            QVERIFY(!design.arrays.at(0).continuityMax);
    }

    // Export and import through the design file; files that cannot be read or written say why
    // and leave the dialog as it was.
    void files()
    {
        QTemporaryDir dir;
        const SiteDesign design = ExampleData::design();
        SiteDesignDialog dialog(design);
        const QString path = dir.filePath(QStringLiteral("site.design.json"));
        QString error;
        QVERIFY2(dialog.exportFile(path, &error), qPrintable(error));

        SiteDesignDialog other(SiteDesign{});
        QVERIFY2(other.importFile(path, &error), qPrintable(error));
        QCOMPARE(other.design(), design);

        QVERIFY(!dialog.exportFile(dir.filePath(QStringLiteral("missing/x.json")), &error));
        QVERIFY2(error.contains(QStringLiteral("could not be written")) &&
                     error.contains(QStringLiteral("No such file or directory")),
                 qPrintable(error));

        QFile damaged(dir.filePath(QStringLiteral("damaged.json")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(R"({"site": "X", "arrays": [{"name": "A", "match": "A-"}]})");
        damaged.close();
        QVERIFY(!other.importFile(damaged.fileName(), &error));
        QVERIFY2(error.contains(QStringLiteral("arrays[0].modules_in_series")), qPrintable(error));
        QCOMPARE(other.design(), design);
        QVERIFY(!other.importFile(dir.filePath(QStringLiteral("none.json")), &error));
        QVERIFY2(error.contains(QStringLiteral("could not be read")), qPrintable(error));
    }
};

QTEST_MAIN(TestSiteDesignDialog)
#include "tst_sitedesigndialog.moc"
