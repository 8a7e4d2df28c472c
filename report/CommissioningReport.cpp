#include "report/CommissioningReport.h"

#include "checks/TextForm.h"

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

using Check = DesignChecks::Check;
using StringRow = ReportModel::StringRow;
using TextForm::number;

// The page: A4 portrait, drawn at 300 dots per inch; the margins hold the header and footer.
constexpr int resolution = 300;
constexpr double marginLeftMm = 15.0;
constexpr double marginRightMm = 15.0;
constexpr double marginTopMm = 22.0;
constexpr double marginBottomMm = 18.0;
constexpr double bodyPointSize = 8.5;
// The rows of a string table that fit on a page below an array's heading.
constexpr int rowsPerPage = 44;
// The widest names in a string table's first column, and the arrays per criteria table: the
// other columns keep their numbers whole.
constexpr int longestStringName = 20;
constexpr int arraysPerCriteriaTable = 4;
// The arrays named in the line of those without strings.
constexpr int arraysNamed = 12;
// The longest free text of the design (address, client...) shown whole.
constexpr int longestText = 160;

const QString dash = QStringLiteral("—");

double mmToDots(double mm)
{
    return mm / 25.4 * resolution;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// A text of the user's in the report: cut at longest with "…", isolated from the report's own
// words, escaped; "—" when empty.
QString user(const QString &text, int longest = TextForm::longestName)
{
    if (text.isEmpty())
        return dash;
    QString inner = TextForm::shortened(text, longest);
    return escaped(TextForm::name(inner, TextForm::Names::Isolated));
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

QString verdictCell(const QString &html, bool fail)
{
    return fail ? QStringLiteral("<b><font color=\"#b00020\">%1</font></b>").arg(html) : html;
}

// A heading of a ruled table: its text and the attributes of its cell (width, alignment).
struct Heading
{
    QString text; // as HTML
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
                         heading.text);
    return html + QStringLiteral("</tr></thead>");
}

// A row of label and value in a two-column table.
QString fieldRow(const QString &label, const QString &valueHtml)
{
    return QStringLiteral("<tr><td width=\"28%\"><b>%1</b></td><td>%2</td></tr>")
        .arg(escaped(label), valueHtml.isEmpty() ? dash : valueHtml);
}

// A number's cell: kept on one line, bold when its check failed.
QString numberCell(const QString &text, bool fail)
{
    const QString shown = text.isEmpty() ? dash : escaped(text);
    return QStringLiteral("<td align=\"right\" style=\"white-space: nowrap\">%1</td>")
        .arg(fail ? QStringLiteral("<b>%1</b>").arg(shown) : shown);
}

} // namespace

CommissioningReport::CommissioningReport(const ResultTable &table, const SiteDesign &design,
                                         const ReportTrace &trace)
    : CommissioningReport(table, design, DesignChecks(table, design), trace)
{
}

CommissioningReport::CommissioningReport(const ResultTable &table, const SiteDesign &design,
                                         const DesignChecks &checks, const ReportTrace &trace)
    : m_model(table, design, checks), m_trace(trace)
{
}

QString CommissioningReport::title()
{
    return tr("Commissioning test report");
}

QDate CommissioningReport::firstTestDate() const
{
    if (m_model.firstTestDate().isValid() || !m_trace.downloadedAt.isValid())
        return m_model.firstTestDate();
    return m_trace.downloadedAt.toLocalTime().date();
}

QDate CommissioningReport::lastTestDate() const
{
    if (m_model.lastTestDate().isValid() || !m_trace.downloadedAt.isValid())
        return m_model.lastTestDate();
    return m_trace.downloadedAt.toLocalTime().date();
}

QString CommissioningReport::downloadedText(const QDateTime &when)
{
    if (!when.isValid())
        return dash;
    const QDateTime local = when.toLocalTime();
    const QString zone = local.timeZoneAbbreviation();
    const QString text = QLocale().toString(local, QStringLiteral("d MMM yyyy HH:mm"));
    return zone.isEmpty() ? text : text + QLatin1Char(' ') + zone;
}

QString CommissioningReport::html() const
{
    const QLocale locale;
    const SiteDesign &design = m_model.design();
    const ResultTable::VerdictCounts &tester = m_model.testerCounts();

    QString html;
    html.reserve(4096 + m_model.siteRows().size() * 900);
    html += QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                           "<body style=\"font-size: %2pt\">")
                .arg(escaped(title()))
                .arg(bodyPointSize);

    // The first page: the site, the tests, the instrument, the summary and the failures.
    html += QStringLiteral("<h1 style=\"font-size: 16pt\">%1</h1>").arg(escaped(title()));
    html += QStringLiteral("<h2 style=\"font-size: 13pt\">%1</h2>")
                .arg(design.site.isEmpty() ? escaped(tr("(no site named)"))
                                           : user(design.site, longestText));
    QString tests = dateText(firstTestDate());
    if (lastTestDate().isValid() && lastTestDate() != firstTestDate())
        tests = tr("%1 to %2").arg(tests, dateText(lastTestDate()));
    const SiteDesign::Instrument &instrument = design.instrument;
    html += QStringLiteral("<table width=\"100%\" cellpadding=\"2\" cellspacing=\"0\">");
    html += fieldRow(tr("Site"), user(design.site, longestText));
    html += fieldRow(tr("Address"), user(design.address, longestText));
    html += fieldRow(tr("Client"), user(design.client, longestText));
    html += fieldRow(tr("Date of the tests"), tests);
    html += fieldRow(tr("Inspector"), user(design.inspector, longestText));
    html += fieldRow(tr("Instrument"), escaped(tr("%1, serial number %2, calibrated on %3"))
                                           .arg(user(instrument.model), user(instrument.serial),
                                                dateText(instrument.calibrated)));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Summary")));
    if (isEmpty()) {
        html += QStringLiteral("<p><b>%1</b></p>")
                    .arg(design.site.trimmed().isEmpty() || !m_model.tableHasRecords()
                             ? escaped(tr("Nothing to report: the data holds no records."))
                             : escaped(tr("Nothing to report: the data holds no records of the "
                                          "site \"%1\"."))
                                   .arg(user(design.site.trimmed(), longestText)));
    } else {
        const QString counts =
            tester.other() == 0
                ? tr("%1 records: %2 PASS and %3 FAIL by the tester")
                      .arg(locale.toString(tester.records), locale.toString(tester.pass),
                           locale.toString(tester.fail))
                : tr("%1 records: %2 PASS, %3 FAIL and %4 other by the tester",
                     "%4 the records whose result is neither PASS nor FAIL")
                      .arg(locale.toString(tester.records), locale.toString(tester.pass),
                           locale.toString(tester.fail), locale.toString(tester.other()));
        html += QStringLiteral("<p>%1<br>%2<br><b>%3</b></p>")
                    .arg(escaped(counts),
                         escaped(tr("%1 strings checked against the design: %2 FAIL by the "
                                    "design checks")
                                     .arg(locale.toString(m_model.checked()),
                                          locale.toString(m_model.designFailed()))),
                         escaped(m_model.failCountsText()));
        if (design.arrays.isEmpty()) {
            html += QStringLiteral("<p>%1</p>")
                        .arg(escaped(tr("The design has no arrays: no string was checked "
                                        "against it.")));
        }
    }

    // Every failure with its reason.
    if (!m_model.failures().isEmpty()) {
        html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Failures")));
        html += ruledTable({{escaped(tr("String")), "width=\"14%\" align=\"left\""},
                            {escaped(tr("Tester")), "width=\"10%\" align=\"left\""},
                            {escaped(tr("Design checks: why")), "align=\"left\""}});
        for (const ReportModel::Failure &failure : m_model.failures()) {
            QStringList reasons;
            for (const QString &reason : failure.reasons)
                reasons << escaped(reason);
            if (reasons.isEmpty())
                reasons << escaped(tr("FAIL by the tester's own limits"));
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                        .arg(user(failure.string, longestStringName),
                             verdictCell(user(failure.tester), failure.testerFail),
                             reasons.join(QStringLiteral("<br>")));
        }
        html += QStringLiteral("</table>");
    }

    // A table per array that has strings in the data.
    const QString tableHead = ruledTable({{escaped(tr("String")), "align=\"left\""},
                                          {escaped(tr("Voc (V)")), ""},
                                          {escaped(tr("Voc expected (V)")), ""},
                                          {escaped(tr("Isc (A)")), ""},
                                          {escaped(tr("Isc at STC (A)")), ""},
                                          {escaped(tr("G (W/m²)")), ""},
                                          {escaped(tr("T (°C)")), ""},
                                          {escaped(tr("Riso (MΩ)")), ""},
                                          {escaped(tr("Continuity (Ω)")), ""},
                                          {escaped(tr("Tester")), ""},
                                          {escaped(tr("Design checks")), ""}},
                                         2, QStringLiteral("font-size: 7.5pt"));
    const QVector<QVector<StringRow>> &arrayRows = m_model.arrayRows();
    QVector<int> withStrings;
    QStringList without;
    for (int a = 0; a < (isEmpty() ? 0 : design.arrays.size()); ++a) {
        const SiteDesign::Array &array = design.arrays.at(a);
        const QVector<StringRow> &rows = arrayRows.at(a);
        if (rows.isEmpty()) {
            if (without.size() < arraysNamed)
                without << user(array.name, longestStringName);
            else if (without.size() == arraysNamed)
                without << QStringLiteral("…");
            continue;
        }
        withStrings.append(a);
        const QString heading =
            escaped(tr("Array \"%1\": %2 modules of %3 in series, matched by \"%4\""))
                .arg(user(array.name), locale.toString(array.modulesInSeries), user(array.module),
                     user(array.match));
        html += QStringLiteral("<h3 style=\"page-break-before: always\">%1</h3>").arg(heading);
        // A table per page: Qt lays out a few tables of a page's rows much faster than one
        // long table, and each page's table has its head.
        for (int first = 0; first < rows.size(); first += rowsPerPage) {
            if (first > 0) {
                html += QStringLiteral("<h3 style=\"page-break-before: always\">%1</h3>")
                            .arg(escaped(tr("Array \"%1\" (continued)")).arg(user(array.name)));
            }
            html += tableHead;
            for (int r = first; r < qMin(first + rowsPerPage, int(rows.size())); ++r) {
                const StringRow &row = rows.at(r);
                const QString verdict =
                    row.design == StringRow::Design::Fail   ? verdictCell(escaped(tr("FAIL")), true)
                    : row.design == StringRow::Design::Pass ? escaped(tr("PASS"))
                                                            : escaped(tr("not checked"));
                html += QStringLiteral("<tr><td style=\"white-space: nowrap\">") +
                        user(row.string, longestStringName) + QStringLiteral("</td>") +
                        numberCell(row.voc.text, row.voc.fail) +
                        numberCell(number(row.expectedVoc, 1), false) +
                        numberCell(row.isc.text, false) +
                        numberCell(number(row.iscAtStc, 2), row.iscFail) +
                        numberCell(row.irradiance.text, false) +
                        numberCell(row.temperature.text, false) +
                        numberCell(row.insulation.text, row.insulation.fail) +
                        numberCell(row.continuity.text, row.continuity.fail) +
                        QStringLiteral("<td align=\"center\" style=\"white-space: nowrap\">") +
                        verdictCell(user(row.tester), row.testerFail) +
                        QStringLiteral("</td><td align=\"center\">") + verdict +
                        QStringLiteral("</td></tr>");
            }
            html += QStringLiteral("</table>");
        }
    }

    // The site's rows no array takes, with the reason.
    if (!m_model.unchecked().isEmpty()) {
        html += QStringLiteral("<h3>%1</h3>")
                    .arg(escaped(tr("Strings not checked against the design")));
        html += ruledTable({{escaped(tr("String")), "width=\"14%\" align=\"left\""},
                            {escaped(tr("Tester")), "width=\"10%\""},
                            {escaped(tr("Reason")), "align=\"left\""}});
        for (const ReportModel::Unchecked &row : m_model.unchecked()) {
            html += QStringLiteral("<tr><td>%1</td><td align=\"center\">%2</td><td>%3</td></tr>")
                        .arg(user(row.string, longestStringName),
                             verdictCell(user(row.tester), row.testerFail), escaped(row.reason));
        }
        html += QStringLiteral("</table>");
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
              .arg(number(design.tolerances.vocNeighbours, 1)),
          tr("Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 "
             "°C)) is within %1 % of Isc_STC; not checked below %2 W/m².")
              .arg(number(design.tolerances.iscStc, 1), number(design.tolerances.minIrradiance, 0)),
          tr("Insulation: Riso at least the array's minimum."),
          tr("Continuity: at most the array's maximum, when the design sets one.")}) {
        html += QStringLiteral("<li>%1</li>").arg(escaped(item));
    }
    html += QStringLiteral("</ul>");
    // The arrays without strings in one line; the others' figures a few arrays to a table.
    if (!without.isEmpty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(escaped(tr("Arrays without strings in the data (%1): %2",
                                    "%1 how many, %2 their names"))
                             .arg(locale.toString(design.arrays.size() - withStrings.size()),
                                  without.join(QStringLiteral(", "))));
    }
    for (int first = 0; first < withStrings.size(); first += arraysPerCriteriaTable) {
        const int last = qMin(first + arraysPerCriteriaTable, int(withStrings.size()));
        QVector<Heading> headings{{escaped(tr("Array")), "align=\"left\""}};
        for (int i = first; i < last; ++i)
            headings.append({user(design.arrays.at(withStrings.at(i)).name, longestStringName),
                             "align=\"left\""});
        html += ruledTable(headings);
        const auto criterion = [&](const QString &label, const auto &valueOf) {
            html += QStringLiteral("<tr><td>%1</td>").arg(escaped(label));
            for (int i = first; i < last; ++i)
                html +=
                    QStringLiteral("<td>%1</td>").arg(valueOf(design.arrays.at(withStrings.at(i))));
            html += QStringLiteral("</tr>");
        };
        using A = SiteDesign::Array;
        criterion(tr("Strings matched by"), [](const A &a) { return user(a.match); });
        criterion(tr("Module"), [](const A &a) { return user(a.module); });
        criterion(tr("Modules in series"),
                  [](const A &a) { return QLocale().toString(a.modulesInSeries); });
        criterion(tr("Module Voc at STC"),
                  [](const A &a) { return escaped(tr("%1 V").arg(number(a.vocStc, 2))); });
        criterion(tr("Module Isc at STC"),
                  [](const A &a) { return escaped(tr("%1 A").arg(number(a.iscStc, 2))); });
        criterion(tr("β (Voc)"),
                  [](const A &a) { return escaped(tr("%1 %/°C").arg(number(a.betaVoc, 3))); });
        criterion(tr("α (Isc)"),
                  [](const A &a) { return escaped(tr("%1 %/°C").arg(number(a.alphaIsc, 3))); });
        criterion(tr("System voltage (N × Voc_STC × 1.25)"),
                  [](const A &a) { return escaped(tr("%1 V").arg(number(a.systemVoltage(), 0))); });
        criterion(tr("Insulation test voltage"), [](const A &a) {
            const QString value = tr("%1 V").arg(number(a.effectiveInsulationTestVoltage(), 0));
            return escaped(a.insulationTestVoltage ? value
                                                   : tr("%1 (by the system voltage)").arg(value));
        });
        criterion(tr("Insulation minimum"), [](const A &a) {
            const QString value = tr("%1 MΩ").arg(number(a.effectiveInsulationMin(), 2));
            return escaped(a.insulationMin ? value : tr("%1 (by the system voltage)").arg(value));
        });
        criterion(tr("Continuity maximum"), [](const A &a) {
            return escaped(a.continuityMax ? tr("%1 Ω").arg(number(*a.continuityMax, 2))
                                           : tr("not checked"));
        });
        html += QStringLiteral("</table>");
    }

    // Signatures.
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Signatures")));
    // Boxes to write in: the role, the name, the date and the signature.
    html += ruledTable({{QString(), "width=\"16%\""},
                        {escaped(tr("Name")), "width=\"30%\" align=\"left\""},
                        {escaped(tr("Date")), "width=\"18%\" align=\"left\""},
                        {escaped(tr("Signature")), "align=\"left\""}},
                       10);
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td></td><td></td></tr>")
                .arg(escaped(tr("Inspector")),
                     design.inspector.isEmpty() ? QString() : user(design.inspector));
    html += QStringLiteral("<tr><td><b>%1</b></td><td></td><td></td><td></td></tr>")
                .arg(escaped(tr("Client")));
    html += QStringLiteral("</table>");

    // The trace of the data.
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Trace of the data")));
    html += QStringLiteral("<table width=\"100%\" cellpadding=\"2\" cellspacing=\"0\">");
    QString source;
    if (m_trace.archiveId > 0)
        source = escaped(tr("download %1 in the archive").arg(m_trace.archiveId));
    if (!m_trace.sourceFile.isEmpty()) {
        const QString file =
            escaped(tr("file %1")).arg(user(QDir::toNativeSeparators(m_trace.sourceFile)));
        source = source.isEmpty() ? file : escaped(tr("%1, %2")).arg(source, file);
    }
    html += fieldRow(tr("Source"), source);
    html += fieldRow(tr("Downloaded"), escaped(downloadedText(m_trace.downloadedAt)));
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
    const QString site = TextForm::shortened(m_model.design().site.trimmed(), longestText);
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
