#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Where a printout puts its head, its lines and its foot, in printer units,
// derived from the page height and width alone.
struct PageGeometry {
    double unit = 0; // u, a share of the page height
    double hUnit = 0; // v, a share of the page width
    int lineHeight = 0;
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    int headBottom = 0;
    int bodyTop = 0; // y0
    int bodyBottom = 0; // y1
    int footTop = 0;
    int linesPerPage = 1;

    static PageGeometry ForPage(int pageHeight, int pageWidth);

    int textX() const;
    // Baseline of the k-th line of a page, k from 1.
    int lineY(int k) const { return k * lineHeight + bodyTop; }
    int pageCount(qsizetype lineCount) const;

    // Page head: short head text, rule, title box and title.
    int headTextY() const;
    int headRuleY() const;
    int titleBoxTop() const;
    int titleBoxBottom() const;
    int titleY() const;

    // Page foot: rule and the three texts.
    int footRuleY() const;
    int footTextY() const;
    int footPageX() const;
    int footStampX() const;
};

// The point size that lets the widest line, measured at `points`, end
// within `available`: `points` itself when it does, smaller when not.
double FittingPointSize(double points, double widest, double available);

struct PrintedPage {
    int number = 1;
    QStringList lines;
};

// At least one page, also for no lines at all.
QList<PrintedPage> PaginateLines(const QStringList& lines, int linesPerPage);

QString FootProgramText(QStringView applicationTitle);
QString FootPageText(int page, int pageTotal);
QString FootStampText(const QDateTime& now);
