// The site design dialog: the design through its widgets and back, the user's edits, the
// refusals, and its file.
#include "ExampleData.h"
#include "TestSupport.h"

#include "checks/DesignFile.h"
#include "gui/SiteDesignDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
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

class TestSiteDesignDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // What the user types arrives in the design; what cannot be used is refused with the array
    // and the field named, and the dialog stays open.
    void edits_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem"); // empty: accepted
        const QString in = "Array 1, ";
        QTest::newRow("21 in series") << 3 << "21" << QString();
        QTest::newRow("no continuity maximum") << 10 << QString() << QString();
        QTest::newRow("no name") << 0 << QString() << in + "Name: required";
        QTest::newRow("no match") << 1 << " " << in + "Strings starting with: required";
        QTest::newRow("half a module")
            << 3 << "21.5" << in + "Modules in series: a whole number from 1 to 10000 is needed";
        QTest::newRow("Voc zero") << 4 << "0" << in + "Voc at STC (V): a number above 0 is needed";
        QTest::newRow("beta words")
            << 6 << "minus" << in + "\u03b2 Voc (%/\u00b0C): a number is needed";
        QTest::newRow("negative minimum")
            << 9 << "-1"
            << in + "Insulation min. (M\u03a9): a number above 0 is needed, or nothing";
    }
    void edits()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        SiteDesignDialog dialog(ExampleData::design(), {QStringLiteral("Voc (V)")});
        dialog.findChild<QTableWidget *>("arraysTable")->item(0, field)->setText(text);
        dialog.findChild<QLineEdit *>("siteEdit")->setText("Other");
        const QList<QComboBox *> combos = dialog.findChildren<QComboBox *>();
        QCOMPARE(combos.size(), SiteDesign::roleCount);
        combos.at(int(SiteDesign::Role::Voc))->setCurrentText("Voc (V)");

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
        QCOMPARE(design.site, "Other");
        QCOMPARE(design.columns.value(SiteDesign::Role::Voc), "Voc (V)");
        QCOMPARE(design.arrays.at(0).modulesInSeries,
                 field == 3 ? 21 : ExampleData::design().arrays.at(0).modulesInSeries);
        QCOMPARE(bool(design.arrays.at(0).continuityMax), field != 10);
    }

    // A design shown and read back unchanged, in two locales, with a second array and a column
    // mapping; export and import through the design file; files that cannot be read or written
    // say why and leave the dialog as it was.
    void files_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_US", "de_DE"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void files()
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

        QTemporaryDir dir;
        SiteDesignDialog other(SiteDesign{});
        const QString path = dir.filePath("site.design.json");
        QString error;
        QVERIFY2(dialog.exportFile(path, &error), qPrintable(error));
        QVERIFY2(other.importFile(path, &error), qPrintable(error));
        QCOMPARE(other.design(), design);

        QVERIFY(!dialog.exportFile(dir.filePath("missing/x.json"), &error));
        QVERIFY2(error.contains("could not be written") &&
                     error.contains("No such file or directory"),
                 qPrintable(error));
        const QString damaged = dir.filePath("damaged.json");
        QVERIFY(TestSupport::put(damaged, R"({"site": "X", "arrays": [{"name": "A"}]})"));
        QVERIFY(!other.importFile(damaged, &error));
        QVERIFY2(error.contains("arrays[0]."), qPrintable(error));
        QCOMPARE(other.design(), design);
        QVERIFY(!other.importFile(dir.filePath("none.json"), &error));
        QVERIFY2(error.contains("could not be read"), qPrintable(error));
    }
};

QTEST_MAIN(TestSiteDesignDialog)
#include "tst_sitedesigndialog.moc"
