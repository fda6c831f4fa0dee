#include "korav/reports/forms/report_printout.h"

#include "common/file_store.h"
#include "korav/reports/core/page_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>

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

double WidestLine(const QFont& font, const QPaintDevice* device, const QStringList& lines)
{
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// 9 pt, or as much smaller as the report's widest line needs to end
// before the right margin: no character of a line may be cut off. Glyph
// widths round to device pixels, so a smaller size is measured again.
QFont LineFont(const QPaintDevice* device, const PageGeometry& g, const QStringList& lines)
{
    constexpr int kAttempts = 4;
    QFont font = ReportFont(u"Courier New"_s, 9, QFont::TypeWriter);
    for (int i = 0; i < kAttempts; ++i) {
        const double size = font.pointSizeF();
        const double fitting = FittingPointSize(size, WidestLine(font, device, lines), g.right - g.textX());
        if (fitting >= size)
            break;
        font.setPointSizeF(fitting);
    }
    return font;
}

// The font's ascent is measured once: metrics per line cost more than
// drawing the line itself.
void DrawLines(QPainter& painter, const PageGeometry& g, const QFont& font, const QStringList& lines)
{
    painter.setFont(font);
    const int ascent = QFontMetrics(painter.font(), painter.device()).ascent();
    int k = 1;
    for (const QString& line : lines)
        painter.drawText(g.textX(), g.lineY(k++) + ascent, line);
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
    const QFont lineFont = LineFont(&printer, g, content.lines);
    for (const PrintedPage& page : pages) {
        if (page.number > 1)
            printer.newPage();
        DrawHead(painter, g, content);
        DrawLines(painter, g, lineFont, page.lines);
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
