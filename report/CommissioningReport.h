#pragma once

#include "checks/DesignChecks.h"
#include "checks/SiteDesign.h"
#include "report/ReportModel.h"
#include "report/ReportTrace.h"
#include "results/ResultTable.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QVector>

class QIODevice;

// The commissioning test report of one site: its ReportModel, made once, written as a PDF (A4
// portrait, PDF/A-1b) with a header and "Page N of M" on every page, or as HTML for a preview. It
// holds, in the user's language and number format:
//  - the site, address, client, the date of the tests, the inspector, the instrument, the
//    summary counts and every failure with its reason;
//  - a table per array: each string's measurements beside what the design expects, the tester's
//    verdict and the design checks' verdict;
//  - the pass criteria used, signature lines and the trace of the data.
// Only the rows of the design's site are reported (all rows when the design names no site or
// the data has no site column). The user's texts are cut with "…" at a width that leaves the
// table's numbers whole and isolated (U+2068 … U+2069) from the report's own words.
class CommissioningReport
{
    Q_DECLARE_TR_FUNCTIONS(CommissioningReport)

public:
    // The report of the table checked against the design, the checks made here.
    CommissioningReport(const ResultTable &table, const SiteDesign &design,
                        const ReportTrace &trace);
    // The same with checks already made of this table against this design.
    CommissioningReport(const ResultTable &table, const SiteDesign &design,
                        const DesignChecks &checks, const ReportTrace &trace);

    // What the report says.
    const ReportModel &model() const { return m_model; }
    // The rows of the table that belong to the design's site, in the table's order.
    const QVector<int> &siteRows() const { return m_model.siteRows(); }
    // True when the table holds no record of the site: the report then says so.
    bool isEmpty() const { return m_model.siteRows().isEmpty(); }
    // The first and last date of the tests: from the data's Date column when it has one, else
    // the day of the download; null when neither is known.
    QDate firstTestDate() const;
    QDate lastTestDate() const;

    // The report as rich text for QTextDocument (a preview), without the page header and the
    // page numbers, which only the PDF's pages have.
    QString html() const;

    // Writes the PDF to the device, open for writing. False when it could not be drawn.
    bool writePdf(QIODevice *device) const;
    // Writes the PDF to the file through a QSaveFile: either the whole report is there after,
    // or the file is untouched and *error says why, with the system's reason.
    bool save(const QString &path, QString *error = nullptr) const;

    // "Commissioning test report", the report's title.
    static QString title();
    // When the download came, in local time with the zone: "7 Dec 2026 15:45 CET"; "—" when
    // not known.
    static QString downloadedText(const QDateTime &when);

private:
    ReportModel m_model;
    ReportTrace m_trace;
};
