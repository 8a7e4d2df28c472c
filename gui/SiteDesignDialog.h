#pragma once

#include "checks/SiteDesign.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <memory>

class QComboBox;

namespace Ui {
class SiteDesignDialog;
}

// Edits the design of a site: who and where, the instrument, the arrays with all their figures
// and limits, the tolerances of the checks and which header of the data holds which
// measurement. Import… and Export… read and write the design's JSON file. The dialog accepts
// only a design the checks can use; design() is the edited design.
class SiteDesignDialog : public QDialog
{
    Q_OBJECT

public:
    // headers: the column names of the data at hand, offered for the column mapping.
    explicit SiteDesignDialog(const SiteDesign &design, const QStringList &headers = {},
                              QWidget *parent = nullptr);
    ~SiteDesignDialog() override;

    SiteDesign design() const;
    void setDesign(const SiteDesign &design);

    // Reads a design file into the dialog; false with the reason (translated) when it cannot.
    bool importFile(const QString &path, QString *error = nullptr);
    // Writes the dialog's design to a file through a QSaveFile; false with the reason.
    bool exportFile(const QString &path, QString *error = nullptr) const;

    // What is wrong with the design as entered (the first fault, naming the array and field),
    // or an empty text.
    QString problem() const;

    void accept() override;

private:
    enum Field {
        Name,
        Match,
        Module,
        ModulesInSeries,
        VocStc,
        IscStc,
        BetaVoc,
        AlphaIsc,
        InsulationTestVoltage,
        InsulationMin,
        ContinuityMax,
        FieldCount
    };
    void addArray(const SiteDesign::Array &array);
    void chooseImport();
    void chooseExport();

    std::unique_ptr<Ui::SiteDesignDialog> ui;
    std::array<QComboBox *, SiteDesign::roleCount> m_columnCombos{};
};
