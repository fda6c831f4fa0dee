#include "korav/reports/core/page_layout.h"

#include "common/fixed_width.h"
#include "korav/reports/core/report_names.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

int Trunc(double value)
{
    return int(value);
}

} // namespace

PageGeometry PageGeometry::ForPage(int pageHeight, int pageWidth)
{
    PageGeometry g;
    g.unit = pageHeight * 0.035;
    g.hUnit = pageWidth * 0.049;
    g.lineHeight = Trunc(g.unit * 0.5);
    g.top = Trunc(g.unit);
    g.bottom = Trunc(pageHeight - g.unit * 0.5);
    g.left = Trunc(g.hUnit);
    g.right = Trunc(pageWidth - g.hUnit * 0.5);
    g.headBottom = Trunc(g.top + g.unit * 2.5);
    g.bodyTop = Trunc(g.top + g.unit * 3);
    g.bodyBottom = Trunc(g.bottom - g.unit * 0.7);
    g.footTop = Trunc(g.bottom - g.unit);
    // A page too small for even one line still prints one line per page.
    if (g.lineHeight > 0)
        g.linesPerPage = std::max(1, (g.bodyBottom - g.bodyTop - 3 * g.lineHeight) / g.lineHeight);
    return g;
}

int PageGeometry::textX() const
{
    return Trunc(left + hUnit * 0.5);
}

int PageGeometry::pageCount(qsizetype lineCount) const
{
    return std::max(1, int((lineCount + linesPerPage - 1) / linesPerPage));
}

int PageGeometry::headTextY() const
{
    return Trunc(top + unit * 0.5);
}

int PageGeometry::headRuleY() const
{
    return Trunc(top + unit);
}

int PageGeometry::titleBoxTop() const
{
    return Trunc(top + unit * 1.8);
}

int PageGeometry::titleBoxBottom() const
{
    return Trunc(top + unit * 2.8);
}

int PageGeometry::titleY() const
{
    return Trunc(top + unit * 2.1);
}

int PageGeometry::footRuleY() const
{
    return Trunc(bottom - unit * 0.7);
}

int PageGeometry::footTextY() const
{
    return Trunc(bottom - unit * 0.5);
}

int PageGeometry::footPageX() const
{
    return Trunc(left + hUnit * 8);
}

int PageGeometry::footStampX() const
{
    return Trunc(right - hUnit * 4);
}

double FittingPointSize(double points, double widest, double available)
{
    if (widest <= available || available <= 0)
        return points;
    return points * available / widest;
}

QList<PrintedPage> PaginateLines(const QStringList& lines, int linesPerPage)
{
    const int perPage = std::max(1, linesPerPage);
    QList<PrintedPage> pages { PrintedPage {} };
    for (const QString& line : lines) {
        if (pages.last().lines.size() == perPage)
            pages.append(PrintedPage { int(pages.size()) + 1, {} });
        pages.last().lines.append(line);
    }
    return pages;
}

QString FootProgramText(QStringView applicationTitle)
{
    return u"Programm "_s + applicationTitle;
}

QString FootPageText(int page, int pageTotal)
{
    return QString::number(page) + u" / "_s + QString::number(pageTotal);
}

QString FootStampText(const QDateTime& now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return FixedWidth::TwoDigits(d.day()) + u'.' + FixedWidth::TwoDigits(d.month()) + u'.'
        + FixedWidth::FourDigits(d.year()) + u' ' + FixedWidth::TwoDigits(t.hour()) + u':'
        + FixedWidth::TwoDigits(t.minute());
}
