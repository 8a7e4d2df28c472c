// The commissioning report of 1,000 and of 10,000 strings written as a PDF, beside laying out
// the same HTML at the same page size without drawing or writing it: the time per 1,000
// strings stays the same (goal: at most 3 s), and a 100,000-character string name costs no
// more than a short one.
#include "BenchSupport.h"

#include "report/CommissioningReport.h"
#include "report/ReportTrace.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>

using namespace BenchSupport;

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    useOwnFolders(dir);
    QGuiApplication app(argc, argv);
    const SiteDesign design = marshLaneDesign();
    bool saved = true;
    std::printf("                                                 wall clock   processor\n");
    for (const int strings : {1000, 10000}) {
        QByteArray bytes;
        ResultTable table = marshLaneTable(strings, 125, &bytes);
        const ReportTrace trace = ReportTrace::of(bytes, QDateTime::currentDateTime(), 1);
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        const int runs = strings > 1000 ? 1 : 3;

        // The whole report: the checks, the HTML, the layout, the pages drawn and the file.
        const Figure whole = bestOf(runs, [&] {
            const CommissioningReport report(table, design, trace);
            saved = report.save(path) && saved;
        });
        const qint64 size = QFileInfo(path).size();
        const CommissioningReport report(table, design, trace);
        const QString html = report.html();

        // The reference: the same HTML laid out at the page's size, nothing drawn or written.
        int pages = 0;
        const Figure layout = bestOf(runs, [&] {
            QPdfWriter writer(dir.filePath(QStringLiteral("unused.pdf")));
            writer.setResolution(300);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(0, 0, 0, 0)));
            QTextDocument document;
            document.documentLayout()->setPaintDevice(&writer);
            document.setDocumentMargin(0);
            document.setHtml(html);
            document.setPageSize(
                QSizeF(writer.width() * 180.0 / 210.0, writer.height() * 257.0 / 297.0));
            pages = document.pageCount();
        });

        // The same report with one string's name 100,000 characters long.
        QStringList fields;
        for (int c = 0; c < table.fieldCount(0); ++c)
            fields << table.field(0, c);
        fields[table.columnNamed({QStringLiteral("String")})] += QString(100000, QLatin1Char('X'));
        table.appendRow(fields);
        const Figure longName = bestOf(runs, [&] {
            const CommissioningReport report(table, design, trace);
            saved = report.save(path) && saved;
        });

        std::printf("report of %d strings, %d pages, %lld bytes%s\n", strings, pages, size,
                    saved ? "" : " (NOT SAVED)");
        std::printf("  whole report (checks, HTML, layout, pages, file): %8.1f ms %8.1f ms"
                    "  (goal: %d ms)\n",
                    whole.wall, whole.cpu, 3 * strings);
        std::printf("  per 1,000 strings:                                %8.1f ms %8.1f ms\n",
                    whole.wall * 1000 / strings, whole.cpu * 1000 / strings);
        std::printf("  with a 100,000-character string name:             %8.1f ms %8.1f ms\n",
                    longName.wall, longName.cpu);
        std::printf("  reference, the same HTML laid out, not drawn:     %8.1f ms %8.1f ms\n",
                    layout.wall, layout.cpu);
        std::printf("  best of %d run(s) each\n", runs);
    }
    return saved ? 0 : 1;
}
