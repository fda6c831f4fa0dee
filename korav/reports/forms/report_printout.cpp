#include "korav/reports/forms/report_printout.h"

#include "common/file_store.h"
#include "korav/reports/core/page_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QFont ReportFont(const QString& family, int points, QFont::StyleHint hint)
{
    QFont font(family, points);
    font.setStyleHint(hint);
    font.setFixedPitch(hint == QFont::TypeWriter);
    return font;
}

// Positions of the layout are the top of a text, as the page was designed;
// Qt draws at the baseline.
void DrawTextAt(QPainter& painter, int x, int top, const QString& text)
{
    painter.drawText(x, top + QFontMetrics(painter.font(), painter.device()).ascent(), text);
}

void DrawHead(QPainter& painter, const PageGeometry& g, const PrintoutContent& content)
{
    painter.setFont(ReportFont(u"Arial"_s, 9, QFont::SansSerif));
    DrawTextAt(painter, g.textX(), g.headTextY(), content.headText);
    painter.drawLine(g.left, g.headRuleY(), g.right, g.headRuleY());
    painter.drawRect(QRect(QPoint(g.left, g.titleBoxTop()), QPoint(g.right, g.titleBoxBottom())));
    painter.setFont(ReportFont(u"Arial"_s, 12, QFont::SansSerif));
    DrawTextAt(painter, g.textX(), g.titleY(), content.title);
}

void DrawFoot(QPainter& painter, const PageGeometry& g, const PrintoutContent& content, int page, int total)
{
    painter.drawLine(g.left, g.footRuleY(), g.right, g.footRuleY());
    painter.setFont(ReportFont(u"Arial"_s, 8, QFont::SansSerif));
    DrawTextAt(painter, g.textX(), g.footTextY(), FootProgramText(kReportApplicationTitle));
    DrawTextAt(painter, g.footPageX(), g.footTextY(), FootPageText(page, total));
    DrawTextAt(painter, g.footStampX(), g.footTextY(), FootStampText(content.now));
}

void DrawLines(QPainter& painter, const PageGeometry& g, const QStringList& lines)
{
    painter.setFont(ReportFont(u"Courier New"_s, 9, QFont::TypeWriter));
    int k = 1;
    for (const QString& line : lines)
        DrawTextAt(painter, g.textX(), g.lineY(k++), line);
}

} // namespace

void PrintReport(QPrinter& printer, const PrintoutContent& content)
{
    printer.setDocName(content.jobTitle);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setPen(Qt::black);
    const PageGeometry g = PageGeometry::ForPage(printer.height(), printer.width());
    const QList<PrintedPage> pages = PaginateLines(content.lines, g.linesPerPage);
    for (const PrintedPage& page : pages) {
        if (page.number > 1)
            printer.newPage();
        DrawHead(painter, g, content);
        DrawLines(painter, g, page.lines);
        DrawFoot(painter, g, content, page.number, int(pages.size()));
    }
    painter.end();
}

bool PrintReportWithDialog(QWidget* parent, const PrintoutContent& content)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintReport(printer, content);
    return true;
}

bool PrintReportToPdf(const QString& path, const PrintoutContent& content, QString* error)
{
    QTemporaryDir scratch;
    const QString draft = scratch.filePath(u"printout.pdf"_s);
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(draft);
        PrintReport(printer, content);
    }
    const std::optional<QByteArray> bytes = FileStore::ReadBytes(draft, error);
    return bytes && FileStore::WriteBytes(path, *bytes, error);
}
