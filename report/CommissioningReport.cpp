#include "report/CommissioningReport.h"

#include "common/EnumTable.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

using Role = SiteDesign::Role;
using Check = DesignChecks::Check;
using Verdict = DesignChecks::Verdict;

// The page: A4 portrait, drawn at 300 dots per inch; the margins hold the header and footer.
constexpr int resolution = 300;
constexpr double marginLeftMm = 15.0;
constexpr double marginRightMm = 15.0;
constexpr double marginTopMm = 22.0;
constexpr double marginBottomMm = 18.0;
constexpr double bodyPointSize = 8.5;
// The rows of a string table that fit on a page below an array's heading.
constexpr int rowsPerPage = 44;

const QString dash = QStringLiteral("—");

double mmToDots(double mm)
{
    return mm / 25.4 * resolution;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString number(double value, int decimals)
{
    if (!std::isfinite(value))
        return dash;
    return QLocale().toString(value, 'f', decimals);
}

// The date in the locale's short form with a four-digit year.
QString dateText(const QDate &date)
{
    if (!date.isValid())
        return dash;
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return QLocale().toString(date, format);
}

QString dateTimeText(const QDateTime &when)
{
    if (!when.isValid())
        return dash;
    const QDateTime local = when.toLocalTime();
    return dateText(local.date()) + QLatin1Char(' ') +
           QLocale().toString(local.time(), QStringLiteral("HH:mm:ss"));
}

// A date as testers write it: ISO, day.month.year or day/month/year.
QDate parseDate(const QString &field)
{
    const QString text = field.trimmed();
    if (text.isEmpty())
        return QDate();
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    for (const char *format : {"dd.MM.yyyy", "dd/MM/yyyy", "d.M.yyyy", "d/M/yyyy"}) {
        if (date.isValid())
            break;
        date = QDate::fromString(text, QLatin1String(format));
    }
    return date;
}

// A measured field in the locale's format with the decimals it was written with; a bound
// sign ("> 999") is kept, a field that is no number is shown as written.
QString measured(const ResultTable &table, int row, int column)
{
    if (column < 0 || column >= table.fieldCount(row))
        return dash;
    const QString written = table.field(row, column).trimmed();
    QString field = written;
    if (field.isEmpty())
        return dash;
    QString bound;
    if (field.startsWith(QLatin1Char('>')) || field.startsWith(QLatin1Char('<'))) {
        bound = field.left(1) + QLatin1Char(' ');
        field = field.mid(1).trimmed();
    }
    bool ok = false;
    QString plain = field;
    const bool comma = column < table.decimalComma.size() && table.decimalComma.at(column);
    if (comma)
        plain.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return escaped(written);
    const int point = plain.indexOf(QLatin1Char('.'));
    int decimals = 0;
    if (point >= 0) {
        while (point + 1 + decimals < plain.size() && plain.at(point + 1 + decimals).isDigit())
            ++decimals;
    }
    return escaped(bound) + number(value, qMin(decimals, 6));
}

double valueOf(const ResultTable &table, int row, int column)
{
    bool ok = false;
    const double value = table.number(row, column, &ok);
    return ok ? value : qQNaN();
}

QString checkName(Check check)
{
    // In the order of Check.
    static const char *const names[DesignChecks::checkCount] = {
        QT_TRANSLATE_NOOP("CommissioningReport", "Module count"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Voc against its neighbours"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Isc at STC"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Insulation"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Continuity")};
    return CommissioningReport::tr(enumEntry(names, check));
}

QString verdictCell(const QString &text, bool fail)
{
    return fail ? QStringLiteral("<b><font color=\"#b00020\">%1</font></b>").arg(escaped(text))
                : escaped(text);
}

bool isTesterVerdict(const QString &field, const char *word)
{
    return field.trimmed().compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// A heading of a ruled table: its text and the attributes of its cell (width, alignment).
struct Heading
{
    QString text;
    const char *attributes;
};

// The opening of a ruled table with its grey row of headings; wider cells for boxes to write in.
QString ruledTable(const QVector<Heading> &headings, int cellPadding = 2,
                   const QString &rowStyle = QString())
{
    QString html =
        QStringLiteral("<table width=\"100%\" border=\"1\" cellpadding=\"%1\" "
                       "cellspacing=\"0\" style=\"border-collapse: collapse; "
                       "border-color: #888888\"><thead><tr bgcolor=\"#e8e8e8\"%2>")
            .arg(cellPadding)
            .arg(rowStyle.isEmpty() ? QString() : QStringLiteral(" style=\"%1\"").arg(rowStyle));
    for (const Heading &heading : headings)
        html += QStringLiteral("<th%1>%2</th>")
                    .arg(*heading.attributes ? QLatin1Char(' ') + QLatin1String(heading.attributes)
                                             : QString(),
                         escaped(heading.text));
    return html + QStringLiteral("</tr></thead>");
}

// A row of label and value in a two-column table.
QString fieldRow(const QString &label, const QString &valueHtml)
{
    return QStringLiteral("<tr><td width=\"28%\"><b>%1</b></td><td>%2</td></tr>")
        .arg(escaped(label), valueHtml.isEmpty() ? dash : valueHtml);
}

} // namespace

CommissioningReport::CommissioningReport(const ResultTable &table, const SiteDesign &design,
                                         const ReportTrace &trace)
    : CommissioningReport(table, design, DesignChecks(table, design), trace)
{
}

CommissioningReport::CommissioningReport(const ResultTable &table, const SiteDesign &design,
                                         const DesignChecks &checks, const ReportTrace &trace)
    : m_table(table), m_design(design), m_checks(checks), m_trace(trace)
{
    collect();
}

QString CommissioningReport::title()
{
    return tr("Commissioning test report");
}

void CommissioningReport::collect()
{
    const int siteColumn = DesignChecks::column(m_table, m_design, Role::Site);
    const int dateColumn = m_table.columnNamed({QStringLiteral("Date")});
    const QString site = m_design.site.trimmed();
    for (int r = 0; r < m_table.rowCount(); ++r) {
        if (!site.isEmpty() && siteColumn >= 0 && siteColumn < m_table.fieldCount(r)) {
            const QString rowSite = m_table.field(r, siteColumn).trimmed();
            if (!rowSite.isEmpty() && rowSite.compare(site, Qt::CaseInsensitive) != 0)
                continue;
        }
        m_siteRows.append(r);
        if (dateColumn >= 0 && dateColumn < m_table.fieldCount(r)) {
            const QDate date = parseDate(m_table.field(r, dateColumn));
            if (date.isValid()) {
                if (!m_firstDate.isValid() || date < m_firstDate)
                    m_firstDate = date;
                if (!m_lastDate.isValid() || date > m_lastDate)
                    m_lastDate = date;
            }
        }
    }
    if (!m_firstDate.isValid() && m_trace.downloadedAt.isValid())
        m_firstDate = m_lastDate = m_trace.downloadedAt.date();
}

QString CommissioningReport::html() const
{
    const QLocale locale;
    const QVector<DesignChecks::Row> &checkRows = m_checks.rows();
    const auto checkRow = [&checkRows](int r) -> const DesignChecks::Row * {
        return r < checkRows.size() ? &checkRows.at(r) : nullptr;
    };
    const int resultColumn =
        m_table.resultColumn >= 0
            ? m_table.resultColumn
            : m_table.columnNamed({QStringLiteral("Result"), QStringLiteral("Verdict")});
    const auto testerField = [&](int r) { return m_table.field(r, resultColumn).trimmed(); };
    const auto stringName = [&](int r) {
        const DesignChecks::Row *row = checkRow(r);
        if (row && !row->string.isEmpty())
            return row->string;
        const int line = r < m_table.rowLines.size() ? m_table.rowLines.at(r) : r + 1;
        return tr("line %1").arg(line);
    };

    // The counts of the site's rows.
    int testerPass = 0;
    int testerFail = 0;
    int checked = 0;
    int designFail = 0;
    int designOnly = 0;
    for (int r : m_siteRows) {
        const QString verdict = testerField(r);
        if (isTesterVerdict(verdict, "PASS") || isTesterVerdict(verdict, "OK"))
            ++testerPass;
        const DesignChecks::Row *row = checkRow(r);
        const bool fails = row && row->testerFail;
        testerFail += fails;
        if (row && row->array >= 0) {
            ++checked;
            if (row->failed()) {
                ++designFail;
                designOnly += !fails;
            }
        }
    }

    QString html;
    html.reserve(4096 + m_siteRows.size() * 900);
    html += QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                           "<body style=\"font-size: %2pt\">")
                .arg(escaped(title()))
                .arg(bodyPointSize);

    // The first page: the site, the tests, the instrument, the summary and the failures.
    html += QStringLiteral("<h1 style=\"font-size: 16pt\">%1</h1>").arg(escaped(title()));
    html += QStringLiteral("<h2 style=\"font-size: 13pt\">%1</h2>")
                .arg(escaped(m_design.site.isEmpty() ? tr("(no site named)") : m_design.site));
    QString tests = dateText(m_firstDate);
    if (m_lastDate.isValid() && m_lastDate != m_firstDate)
        tests = tr("%1 to %2").arg(tests, dateText(m_lastDate));
    const SiteDesign::Instrument &instrument = m_design.instrument;
    html += QStringLiteral("<table width=\"100%\" cellpadding=\"2\" cellspacing=\"0\">");
    html += fieldRow(tr("Site"), escaped(m_design.site));
    html += fieldRow(tr("Address"), escaped(m_design.address));
    html += fieldRow(tr("Client"), escaped(m_design.client));
    html += fieldRow(tr("Date of the tests"), tests);
    html += fieldRow(tr("Inspector"), escaped(m_design.inspector));
    html += fieldRow(tr("Instrument"),
                     tr("%1, serial number %2, calibrated on %3")
                         .arg(escaped(instrument.model.isEmpty() ? dash : instrument.model),
                              escaped(instrument.serial.isEmpty() ? dash : instrument.serial),
                              dateText(instrument.calibrated)));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Summary")));
    if (isEmpty()) {
        html +=
            QStringLiteral("<p><b>%1</b></p>")
                .arg(escaped(m_design.site.trimmed().isEmpty() || m_table.rowCount() == 0
                                 ? tr("Nothing to report: the data holds no records.")
                                 : tr("Nothing to report: the data holds no records of the site "
                                      "\"%1\".")
                                       .arg(m_design.site.trimmed())));
    } else {
        html +=
            QStringLiteral("<p>%1<br>%2<br><b>%3</b></p>")
                .arg(escaped(tr("%1 records: %2 PASS and %3 FAIL by the tester")
                                 .arg(locale.toString(m_siteRows.size()),
                                      locale.toString(testerPass), locale.toString(testerFail))),
                     escaped(tr("%1 strings checked against the design: %2 FAIL by the "
                                "design checks")
                                 .arg(locale.toString(checked), locale.toString(designFail))),
                     escaped(tr("%1 FAIL by the tester · %2 more by the design checks")
                                 .arg(locale.toString(testerFail), locale.toString(designOnly))));
        if (m_design.arrays.isEmpty()) {
            html += QStringLiteral("<p>%1</p>")
                        .arg(escaped(tr("The design has no arrays: no string was checked "
                                        "against it.")));
        }
    }

    // Every failure with its reason.
    QString failures;
    for (int r : m_siteRows) {
        const DesignChecks::Row *row = checkRow(r);
        const bool byTester = row && row->testerFail;
        QStringList reasons;
        if (row) {
            for (int c = 0; c < DesignChecks::checkCount; ++c) {
                if (row->outcomes[c].verdict == Verdict::Fail) {
                    reasons << escaped(
                        tr("%1: %2").arg(checkName(Check(c)), m_checks.reason(r, Check(c))));
                }
            }
        }
        if (!byTester && reasons.isEmpty())
            continue;
        if (reasons.isEmpty())
            reasons << escaped(tr("FAIL by the tester's own limits"));
        failures += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                        .arg(escaped(stringName(r)),
                             byTester ? verdictCell(testerField(r), true) : escaped(testerField(r)),
                             reasons.join(QStringLiteral("<br>")));
    }
    if (!failures.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Failures")));
        html += ruledTable({{tr("String"), "width=\"14%\" align=\"left\""},
                            {tr("Tester"), "width=\"10%\" align=\"left\""},
                            {tr("Design checks: why"), "align=\"left\""}});
        html += failures;
        html += QStringLiteral("</table>");
    }

    // A table per array.
    const int vocColumn = DesignChecks::column(m_table, m_design, Role::Voc);
    const int iscColumn = DesignChecks::column(m_table, m_design, Role::Isc);
    const int gColumn = DesignChecks::column(m_table, m_design, Role::Irradiance);
    const int tColumn = DesignChecks::column(m_table, m_design, Role::Temperature);
    const int risoColumn = DesignChecks::column(m_table, m_design, Role::Insulation);
    const int peColumn = DesignChecks::column(m_table, m_design, Role::Continuity);
    const QString tableHead = ruledTable({{tr("String"), "align=\"left\""},
                                          {tr("Voc (V)"), ""},
                                          {tr("Voc expected (V)"), ""},
                                          {tr("Isc (A)"), ""},
                                          {tr("Isc at STC (A)"), ""},
                                          {tr("G (W/m²)"), ""},
                                          {tr("T (°C)"), ""},
                                          {tr("Riso (MΩ)"), ""},
                                          {tr("Continuity (Ω)"), ""},
                                          {tr("Tester"), ""},
                                          {tr("Design checks"), ""}},
                                         2, QStringLiteral("font-size: 7.5pt"));
    for (int a = 0; a < (isEmpty() ? 0 : m_design.arrays.size()); ++a) {
        const SiteDesign::Array &array = m_design.arrays.at(a);
        html +=
            QStringLiteral("<h3%1>%2</h3>")
                .arg(QStringLiteral(" style=\"page-break-before: always\""),
                     escaped(tr("Array \"%1\": %2 modules of %3 in series, matched by \"%4\"")
                                 .arg(array.name, locale.toString(array.modulesInSeries),
                                      array.module.isEmpty() ? dash : array.module, array.match)));
        QStringList rows;
        for (int r : m_siteRows) {
            const DesignChecks::Row *row = checkRow(r);
            if (!row || row->array != a)
                continue;
            const auto &outcomes = row->outcomes;
            const auto failed = [&outcomes](Check check) {
                return outcomes[int(check)].verdict == Verdict::Fail;
            };
            const double t = valueOf(m_table, r, tColumn);
            const double expected =
                array.modulesInSeries * array.vocStc * (1.0 + array.betaVoc / 100.0 * (t - 25.0));
            const DesignChecks::Outcome &stc = outcomes[int(Check::IscStc)];
            const double iscAtStc =
                stc.why == DesignChecks::Outcome::Why::IscStc ? double(stc.figures[0]) : qQNaN();
            bool anyPass = false;
            for (const DesignChecks::Outcome &outcome : outcomes)
                anyPass = anyPass || outcome.verdict == Verdict::Pass;
            const QString design = row->failed() ? verdictCell(tr("FAIL"), true)
                                   : anyPass     ? escaped(tr("PASS"))
                                                 : escaped(tr("not checked"));
            const auto cell = [](const QString &text, bool fail) {
                return fail ? QStringLiteral("<td align=\"right\"><b>%1</b></td>").arg(text)
                            : QStringLiteral("<td align=\"right\">%1</td>").arg(text);
            };
            rows << QStringLiteral("<tr><td style=\"white-space: nowrap\">") +
                        escaped(stringName(r)) + QStringLiteral("</td>") +
                        cell(measured(m_table, r, vocColumn),
                             failed(Check::ModuleCount) || failed(Check::VocNeighbours)) +
                        cell(number(expected, 1), false) +
                        cell(measured(m_table, r, iscColumn), false) +
                        cell(number(iscAtStc, 2), failed(Check::IscStc)) +
                        cell(measured(m_table, r, gColumn), false) +
                        cell(measured(m_table, r, tColumn), false) +
                        cell(measured(m_table, r, risoColumn), failed(Check::Insulation)) +
                        cell(measured(m_table, r, peColumn), failed(Check::Continuity)) +
                        QStringLiteral("<td align=\"center\">") +
                        verdictCell(testerField(r).isEmpty() ? dash : testerField(r),
                                    row->testerFail) +
                        QStringLiteral("</td><td align=\"center\">") + design +
                        QStringLiteral("</td></tr>");
        }
        if (rows.isEmpty()) {
            html += QStringLiteral("<p>%1</p>")
                        .arg(escaped(tr("The data holds no string of this array.")));
        } else {
            // A table per page: Qt lays out a few tables of a page's rows much faster than one
            // long table, and each page's table has its head.
            for (int first = 0; first < rows.size(); first += rowsPerPage) {
                if (first > 0) {
                    html += QStringLiteral("<h3 style=\"page-break-before: always\">%1</h3>")
                                .arg(escaped(tr("Array \"%1\" (continued)").arg(array.name)));
                }
                html += tableHead;
                for (int r = first; r < qMin(first + rowsPerPage, int(rows.size())); ++r)
                    html += rows.at(r);
                html += QStringLiteral("</table>");
            }
        }
    }

    // The site's rows no array takes, with the reason.
    QString unchecked;
    for (int r : m_siteRows) {
        const DesignChecks::Row *row = checkRow(r);
        if (row && row->array >= 0)
            continue;
        unchecked += QStringLiteral("<tr><td>%1</td><td align=\"center\">%2</td><td>%3</td></tr>")
                         .arg(escaped(stringName(r)),
                              verdictCell(testerField(r).isEmpty() ? dash : testerField(r),
                                          row && row->testerFail),
                              escaped(row ? row->notChecked : QString()));
    }
    if (!unchecked.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3>")
                    .arg(escaped(tr("Strings not checked against the design")));
        html += ruledTable({{tr("String"), "width=\"14%\" align=\"left\""},
                            {tr("Tester"), "width=\"10%\""},
                            {tr("Reason"), "align=\"left\""}});
        html += unchecked + QStringLiteral("</table>");
    }

    // The pass criteria.
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Pass criteria")));
    html += QStringLiteral("<p>%1</p><ul>")
                .arg(escaped(tr("The tester judges each record by its own limits. The design "
                                "checks judge each string against the design of its array:")));
    for (const QString &item :
         {tr("Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 "
             "°C)))) equals the modules in series."),
          tr("Voc against its neighbours: Voc brought to 25 °C with β is within %1 % "
             "of the median of the same array's strings.")
              .arg(number(m_design.tolerances.vocNeighbours, 1)),
          tr("Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 "
             "°C)) is within %1 % of Isc_STC; not checked below %2 W/m².")
              .arg(number(m_design.tolerances.iscStc, 1),
                   number(m_design.tolerances.minIrradiance, 0)),
          tr("Insulation: Riso at least the array's minimum."),
          tr("Continuity: at most the array's maximum, when the design sets one.")}) {
        html += QStringLiteral("<li>%1</li>").arg(escaped(item));
    }
    html += QStringLiteral("</ul>");
    if (!m_design.arrays.isEmpty()) {
        QVector<Heading> headings{{tr("Array"), "align=\"left\""}};
        for (const SiteDesign::Array &array : m_design.arrays)
            headings.append({array.name, "align=\"left\""});
        html += ruledTable(headings);
        const auto criterion = [&](const QString &label, const auto &valueOf) {
            html += QStringLiteral("<tr><td>%1</td>").arg(escaped(label));
            for (const SiteDesign::Array &array : m_design.arrays)
                html += QStringLiteral("<td>%1</td>").arg(escaped(valueOf(array)));
            html += QStringLiteral("</tr>");
        };
        using A = SiteDesign::Array;
        criterion(tr("Strings matched by"), [](const A &a) { return a.match; });
        criterion(tr("Module"), [](const A &a) { return a.module.isEmpty() ? dash : a.module; });
        criterion(tr("Modules in series"),
                  [](const A &a) { return QLocale().toString(a.modulesInSeries); });
        criterion(tr("Module Voc at STC"),
                  [](const A &a) { return tr("%1 V").arg(number(a.vocStc, 2)); });
        criterion(tr("Module Isc at STC"),
                  [](const A &a) { return tr("%1 A").arg(number(a.iscStc, 2)); });
        criterion(tr("β (Voc)"),
                  [](const A &a) { return tr("%1 %/°C").arg(number(a.betaVoc, 3)); });
        criterion(tr("α (Isc)"),
                  [](const A &a) { return tr("%1 %/°C").arg(number(a.alphaIsc, 3)); });
        criterion(tr("System voltage (N × Voc_STC × 1.25)"),
                  [](const A &a) { return tr("%1 V").arg(number(a.systemVoltage(), 0)); });
        criterion(tr("Insulation test voltage"), [](const A &a) {
            const QString value = tr("%1 V").arg(number(a.effectiveInsulationTestVoltage(), 0));
            return a.insulationTestVoltage ? value : tr("%1 (by the system voltage)").arg(value);
        });
        criterion(tr("Insulation minimum"), [](const A &a) {
            const QString value = tr("%1 MΩ").arg(number(a.effectiveInsulationMin(), 2));
            return a.insulationMin ? value : tr("%1 (by the system voltage)").arg(value);
        });
        criterion(tr("Continuity maximum"), [](const A &a) {
            return a.continuityMax ? tr("%1 Ω").arg(number(*a.continuityMax, 2))
                                   : tr("not checked");
        });
        html += QStringLiteral("</table>");
    }

    // Signatures.
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Signatures")));
    // Boxes to write in: the role, the name, the date and the signature.
    html += ruledTable({{QString(), "width=\"16%\""},
                        {tr("Name"), "width=\"30%\" align=\"left\""},
                        {tr("Date"), "width=\"18%\" align=\"left\""},
                        {tr("Signature"), "align=\"left\""}},
                       10);
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td></td><td></td></tr>")
                .arg(escaped(tr("Inspector")), escaped(m_design.inspector));
    html += QStringLiteral("<tr><td><b>%1</b></td><td></td><td></td><td></td></tr>")
                .arg(escaped(tr("Client")));
    html += QStringLiteral("</table>");

    // The trace of the data.
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Trace of the data")));
    html += QStringLiteral("<table width=\"100%\" cellpadding=\"2\" cellspacing=\"0\">");
    QString source;
    if (m_trace.archiveId > 0)
        source = tr("download %1 in the archive").arg(m_trace.archiveId);
    if (!m_trace.sourceFile.isEmpty()) {
        const QString file = tr("file %1").arg(QDir::toNativeSeparators(m_trace.sourceFile));
        source = source.isEmpty() ? file : tr("%1, %2").arg(source, file);
    }
    html += fieldRow(tr("Source"), escaped(source));
    html += fieldRow(tr("Downloaded"), dateTimeText(m_trace.downloadedAt));
    html += fieldRow(tr("Bytes as received"), locale.toString(m_trace.byteCount));
    html += fieldRow(
        tr("SHA-256 of the bytes"),
        m_trace.sha256.isEmpty()
            ? dash
            : QStringLiteral("<tt>%1</tt>").arg(escaped(QString::fromLatin1(m_trace.sha256))));
    html += QStringLiteral("</table></body></html>");
    return html;
}

bool CommissioningReport::writePdf(QIODevice *device) const
{
    QPdfWriter writer(device);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const QString site = m_design.site.trimmed();
    writer.setTitle(site.isEmpty() ? title() : tr("%1: %2").arg(title(), site));
    writer.setCreator(QCoreApplication::applicationName());

    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    const QRectF body(mmToDots(marginLeftMm), mmToDots(marginTopMm),
                      page.width() - mmToDots(marginLeftMm + marginRightMm),
                      page.height() - mmToDots(marginTopMm + marginBottomMm));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(bodyPointSize);
    // No ligatures: the PDF's text is searched and copied ("fi", not one glyph).
    font.setStyleStrategy(QFont::PreferNoShaping);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setHtml(html());
    document.setPageSize(body.size());
    const int pages = qMax(1, document.pageCount());

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont small = font;
    small.setPointSizeF(bodyPointSize - 0.5);
    QFont bold = small;
    bold.setBold(true);
    const double headerBase = mmToDots(marginTopMm - 8.0);
    const double footerTop = page.height() - mmToDots(marginBottomMm - 6.0);
    const QString heading = site.isEmpty() ? tr("(no site named)") : site;
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !writer.newPage())
            return false;
        // The header: the site and the title above a rule; the footer: the page's number.
        painter.setPen(Qt::black);
        const QRectF headerBox(body.left(), headerBase - mmToDots(6), body.width(), mmToDots(6));
        painter.setFont(bold);
        painter.drawText(
            headerBox, Qt::AlignLeft | Qt::AlignBottom,
            painter.fontMetrics().elidedText(heading, Qt::ElideRight, int(body.width() * 0.6)));
        painter.setFont(small);
        painter.drawText(headerBox, Qt::AlignRight | Qt::AlignBottom, title());
        painter.setPen(QPen(Qt::darkGray, mmToDots(0.2)));
        painter.drawLine(QPointF(body.left(), headerBase + mmToDots(1)),
                         QPointF(body.right(), headerBase + mmToDots(1)));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(body.left(), footerTop, body.width(), mmToDots(6)),
            Qt::AlignHCenter | Qt::AlignTop,
            tr("Page %1 of %2").arg(QLocale().toString(p + 1), QLocale().toString(pages)));

        painter.save();
        painter.translate(body.left(), body.top() - p * body.height());
        document.drawContents(&painter, QRectF(0, p * body.height(), body.width(), body.height()));
        painter.restore();
    }
    return painter.end();
}

bool CommissioningReport::save(const QString &path, QString *error) const
{
    const auto fail = [&](const QString &reason) {
        if (error) {
            *error = tr("The report could not be written to %1: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        }
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!writePdf(&file)) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : tr("the PDF could not be drawn");
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
