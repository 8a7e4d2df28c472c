#include "gui/SiteDesignDialog.h"
#include "ui_SiteDesignDialog.h"

#include "checks/DesignFile.h"
#include "common/EnumTable.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QSaveFile>
#include <QTableWidgetItem>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using Role = SiteDesign::Role;

// The date the calendar shows for "not given".
const QDate noDate(2000, 1, 1);

QString roleLabel(Role role)
{
    // In the order of Role.
    static const char *const labels[SiteDesign::roleCount] = {
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Site:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "String name:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Voc:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Isc:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Irradiance:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Module temperature:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Insulation resistance:"),
        QT_TRANSLATE_NOOP("SiteDesignDialog", "Continuity:")};
    return SiteDesignDialog::tr(enumEntry(labels, role));
}

// The file dialogs' choice of files, for import and export alike.
QString fileFilter()
{
    return SiteDesignDialog::tr("Site designs (*.json);;All files (*)");
}

QString fieldText(double value)
{
    return QLocale().toString(value, 'g', 10);
}

QString optionalText(const std::optional<double> &value)
{
    return value ? fieldText(*value) : QString();
}

// A number as the user's locale or as C writes it; nothing for an empty or wrong cell.
std::optional<double> numberOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

SiteDesignDialog::SiteDesignDialog(const SiteDesign &design, const QStringList &headers,
                                   QWidget *parent)
    : QDialog(parent), ui(new Ui::SiteDesignDialog)
{
    ui->setupUi(this);
    ui->calibratedEdit->setMinimumDate(noDate);
    ui->calibratedEdit->setSpecialValueText(tr("not given"));

    ui->arraysTable->setColumnCount(FieldCount);
    ui->arraysTable->setHorizontalHeaderLabels(
        {tr("Name"), tr("Strings starting with"), tr("Module"), tr("Modules in series"),
         tr("Voc at STC (V)"), tr("Isc at STC (A)"), tr("β Voc (%/°C)"), tr("α Isc (%/°C)"),
         tr("Insulation test (V)"), tr("Insulation min. (MΩ)"), tr("Continuity max. (Ω)")});
    ui->arraysTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->arraysTable->setToolTip(tr("Leave the insulation figures empty to take them from the "
                                   "system voltage, and the continuity maximum empty not to "
                                   "check continuity."));

    for (int role = 0; role < SiteDesign::roleCount; ++role) {
        auto *combo = new QComboBox(ui->columnsGroup);
        combo->setEditable(true);
        combo->addItem(QString()); // found by its usual header
        combo->addItems(headers);
        combo->lineEdit()->setPlaceholderText(tr("by its usual header"));
        ui->columnsLayout->addRow(roleLabel(Role(role)), combo);
        m_columnCombos[role] = combo;
    }

    connect(ui->addArrayButton, &QPushButton::clicked, this, [this] {
        addArray(SiteDesign::Array());
        ui->arraysTable->setCurrentCell(ui->arraysTable->rowCount() - 1, Name);
    });
    connect(ui->removeArrayButton, &QPushButton::clicked, this, [this] {
        const int row = ui->arraysTable->currentRow();
        if (row >= 0)
            ui->arraysTable->removeRow(row);
    });
    connect(ui->importButton, &QPushButton::clicked, this, &SiteDesignDialog::chooseImport);
    connect(ui->exportButton, &QPushButton::clicked, this, &SiteDesignDialog::chooseExport);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &SiteDesignDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &SiteDesignDialog::reject);

    setDesign(design);
}

SiteDesignDialog::~SiteDesignDialog() = default;

void SiteDesignDialog::addArray(const SiteDesign::Array &array)
{
    QTableWidget *table = ui->arraysTable;
    const int row = table->rowCount();
    table->insertRow(row);
    const QString texts[FieldCount] = {
        array.name,
        array.match,
        array.module,
        array.modulesInSeries > 0 ? QLocale().toString(array.modulesInSeries) : QString(),
        array.vocStc > 0 ? fieldText(array.vocStc) : QString(),
        array.iscStc > 0 ? fieldText(array.iscStc) : QString(),
        fieldText(array.betaVoc),
        fieldText(array.alphaIsc),
        optionalText(array.insulationTestVoltage),
        optionalText(array.insulationMin),
        optionalText(array.continuityMax)};
    for (int field = 0; field < FieldCount; ++field)
        table->setItem(row, field, new QTableWidgetItem(texts[field]));
}

void SiteDesignDialog::setDesign(const SiteDesign &design)
{
    ui->siteEdit->setText(design.site);
    ui->addressEdit->setText(design.address);
    ui->clientEdit->setText(design.client);
    ui->inspectorEdit->setText(design.inspector);
    ui->instrumentModelEdit->setText(design.instrument.model);
    ui->instrumentSerialEdit->setText(design.instrument.serial);
    ui->calibratedEdit->setDate(
        design.instrument.calibrated.isValid() ? design.instrument.calibrated : noDate);
    ui->arraysTable->setRowCount(0);
    for (const SiteDesign::Array &array : design.arrays)
        addArray(array);
    ui->vocNeighboursSpin->setValue(design.tolerances.vocNeighbours);
    ui->iscStcSpin->setValue(design.tolerances.iscStc);
    ui->minIrradianceSpin->setValue(design.tolerances.minIrradiance);
    for (int role = 0; role < SiteDesign::roleCount; ++role)
        m_columnCombos[role]->setCurrentText(design.columns.value(Role(role)));
}

SiteDesign SiteDesignDialog::design() const
{
    SiteDesign design;
    design.site = ui->siteEdit->text().trimmed();
    design.address = ui->addressEdit->text().trimmed();
    design.client = ui->clientEdit->text().trimmed();
    design.inspector = ui->inspectorEdit->text().trimmed();
    design.instrument.model = ui->instrumentModelEdit->text().trimmed();
    design.instrument.serial = ui->instrumentSerialEdit->text().trimmed();
    if (ui->calibratedEdit->date() != noDate)
        design.instrument.calibrated = ui->calibratedEdit->date();
    const QTableWidget *table = ui->arraysTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto text = [table, row](int field) {
            const QTableWidgetItem *item = table->item(row, field);
            return item ? item->text().trimmed() : QString();
        };
        SiteDesign::Array array;
        array.name = text(Name);
        array.match = text(Match);
        array.module = text(Module);
        array.modulesInSeries = int(std::lround(numberOf(text(ModulesInSeries)).value_or(0.0)));
        array.vocStc = numberOf(text(VocStc)).value_or(0.0);
        array.iscStc = numberOf(text(IscStc)).value_or(0.0);
        array.betaVoc = numberOf(text(BetaVoc)).value_or(array.betaVoc);
        array.alphaIsc = numberOf(text(AlphaIsc)).value_or(array.alphaIsc);
        array.insulationTestVoltage = numberOf(text(InsulationTestVoltage));
        array.insulationMin = numberOf(text(InsulationMin));
        array.continuityMax = numberOf(text(ContinuityMax));
        design.arrays.append(array);
    }
    design.tolerances.vocNeighbours = ui->vocNeighboursSpin->value();
    design.tolerances.iscStc = ui->iscStcSpin->value();
    design.tolerances.minIrradiance = ui->minIrradianceSpin->value();
    for (int role = 0; role < SiteDesign::roleCount; ++role) {
        const QString header = m_columnCombos[role]->currentText().trimmed();
        if (!header.isEmpty())
            design.columns.insert(Role(role), header);
    }
    return design;
}

QString SiteDesignDialog::problem() const
{
    const QTableWidget *table = ui->arraysTable;
    if (table->rowCount() == 0)
        return tr("The design needs at least one array.");
    const QString header[FieldCount] = {tr("Name"),
                                        tr("Strings starting with"),
                                        tr("Module"),
                                        tr("Modules in series"),
                                        tr("Voc at STC (V)"),
                                        tr("Isc at STC (A)"),
                                        tr("β Voc (%/°C)"),
                                        tr("α Isc (%/°C)"),
                                        tr("Insulation test (V)"),
                                        tr("Insulation min. (MΩ)"),
                                        tr("Continuity max. (Ω)")};
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int field = 0; field < FieldCount; ++field) {
            const QTableWidgetItem *item = table->item(row, field);
            const QString text = item ? item->text().trimmed() : QString();
            const auto wrong = [&](const QString &what) {
                return tr("Array %1, %2: %3").arg(row + 1).arg(header[field], what);
            };
            switch (field) {
            case Name:
            case Match:
                if (text.isEmpty())
                    return wrong(tr("required"));
                break;
            case Module:
                break;
            case ModulesInSeries: {
                const auto value = numberOf(text);
                if (!value || *value < 1 || *value > 10000 || *value != std::floor(*value))
                    return wrong(tr("a whole number from 1 to 10000 is needed"));
                break;
            }
            case VocStc:
            case IscStc: {
                const auto value = numberOf(text);
                if (!value || *value <= 0)
                    return wrong(tr("a number above 0 is needed"));
                break;
            }
            case BetaVoc:
            case AlphaIsc:
                if (!numberOf(text))
                    return wrong(tr("a number is needed"));
                break;
            default:
                if (!text.isEmpty() && (!numberOf(text) || *numberOf(text) <= 0))
                    return wrong(tr("a number above 0 is needed, or nothing"));
                break;
            }
        }
    }
    return QString();
}

void SiteDesignDialog::accept()
{
    const QString wrong = problem();
    if (!wrong.isEmpty()) {
        ui->tabs->setCurrentWidget(ui->arraysTab);
        QMessageBox::warning(this, windowTitle(), wrong);
        return;
    }
    QDialog::accept();
}

bool SiteDesignDialog::importFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = tr("The design file %1 could not be read: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    QString reason;
    const auto read = DesignFile::read(file.readAll(), &reason);
    if (!read) {
        if (error) {
            *error = tr("The design file %1 was not read: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        }
        return false;
    }
    setDesign(*read);
    return true;
}

bool SiteDesignDialog::exportFile(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray json = DesignFile::write(design());
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        if (error) {
            *error = tr("The design file %1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    return true;
}

void SiteDesignDialog::chooseImport()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Import a site design"), QString(), fileFilter());
    QString error;
    if (!path.isEmpty() && !importFile(path, &error))
        QMessageBox::warning(this, windowTitle(), error);
}

void SiteDesignDialog::chooseExport()
{
    const QString wrong = problem();
    if (!wrong.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), wrong);
        return;
    }
    const QString suggested = ui->siteEdit->text().trimmed() + QStringLiteral(".design.json");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export the site design"), suggested, fileFilter());
    QString error;
    if (!path.isEmpty() && !exportFile(path, &error))
        QMessageBox::warning(this, windowTitle(), error);
}
