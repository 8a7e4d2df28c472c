// The commissioning report of 1,000 strings written as a PDF, beside laying out the same HTML
// at the same page size without drawing or writing it.
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

constexpr int strings = 1000;

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    useOwnFolders(dir);
    QGuiApplication app(argc, argv);
    QByteArray bytes;
    const ResultTable table = marshLaneTable(strings, 125, &bytes);
    const SiteDesign design = marshLaneDesign();
    const ReportTrace trace = ReportTrace::of(bytes, QDateTime::currentDateTime(), 1);
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const int runs = 3;

    // The whole report: the checks, the HTML, the layout, the pages drawn and the file saved.
    bool saved = true;
    const Figure whole = bestOf(runs, [&] {
        const CommissioningReport report(table, design, trace);
        saved = report.save(path) && saved;
    });
    const CommissioningReport report(table, design, trace);
    QString html;
    const Figure htmlOnly = bestOf(runs, [&] { html = report.html(); });

    // The reference: the same HTML laid out at the page's size, nothing drawn or written.
    int pages = 0;
    const Figure layout = bestOf(runs, [&] {
        QPdfWriter writer(dir.filePath(QStringLiteral("unused.pdf")));
        writer.setResolution(300);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        document.setDocumentMargin(0);
        document.setHtml(html);
        document.setPageSize(
            QSizeF(writer.width() * 180.0 / 210.0, writer.height() * 257.0 / 297.0));
        pages = document.pageCount();
    });

    std::printf("report of %d strings, %d pages, %lld bytes%s\n", strings, pages,
                QFileInfo(path).size(), saved ? "" : " (NOT SAVED)");
    std::printf("                                                 wall clock   processor\n");
    std::printf("  whole report (checks, HTML, layout, pages, file): %8.1f ms %8.1f ms"
                "  (goal: 3000 ms)\n",
                whole.wall, whole.cpu);
    std::printf("  of which the HTML:                                %8.1f ms %8.1f ms\n",
                htmlOnly.wall, htmlOnly.cpu);
    std::printf("  reference, the same HTML laid out, not drawn:     %8.1f ms %8.1f ms\n",
                layout.wall, layout.cpu);
    std::printf("  best of %d runs each\n", runs);
    return saved ? 0 : 1;
}
