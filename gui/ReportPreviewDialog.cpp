#include "gui/ReportPreviewDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(const CommissioningReport &report, QWidget *parent)
    : QDialog(parent), m_report(report), m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Report preview"));
    m_browser->setReadOnly(true);
    m_browser->setOpenLinks(false);
    m_browser->setHtml(m_report.html());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_save = buttons->addButton(tr("Save PDF…"), QDialogButtonBox::ActionRole);
    connect(m_save, &QPushButton::clicked, this, &ReportPreviewDialog::chooseFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(760, 860);
}

void ReportPreviewDialog::chooseFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the report"),
        QDir(folder).filePath(tr("commissioning-report.pdf", "default file name")),
        tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        savePdf(path);
}

bool ReportPreviewDialog::savePdf(const QString &path, QString *error, bool quiet)
{
    QString reason;
    if (m_report.save(path, &reason))
        return true;
    if (error)
        *error = reason;
    if (!quiet)
        QMessageBox::warning(this, tr("Report not saved"), reason);
    return false;
}
