#pragma once

#include "report/CommissioningReport.h"

#include <QDialog>

class QTextBrowser;
class QPushButton;

// The commissioning report before it is saved: its text, read-only, and "Save PDF…", which
// writes it through CommissioningReport::save and shows why when it could not.
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReportPreviewDialog(const CommissioningReport &report, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }
    QPushButton *saveButton() const { return m_save; }
    // Writes the PDF; on failure the reason is shown in a message box (unless quiet) and
    // returned in *error.
    bool savePdf(const QString &path, QString *error = nullptr, bool quiet = false);

private:
    void chooseFile();

    CommissioningReport m_report;
    QTextBrowser *m_browser;
    QPushButton *m_save;
};
