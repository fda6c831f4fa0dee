#include "korav/reports/forms/report_printout.h"

#include "korav/reports/core/page_layout.h"

#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PdfWord {
    double x = 0;
    double y = 0;
    QString text;
    double right = 0;
};

using PdfPage = QList<PdfWord>;

// Words with their boxes, page by page, as pdftotext -bbox reports them.
QList<PdfPage> ReadPdfWords(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, { u"-bbox"_s, path, u"-"_s });
    pdftotext.waitForFinished(30000);
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression tag(
        uR"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"_s);
    QList<PdfPage> pages;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == u"<page "_s) {
            pages.append(PdfPage());
            continue;
        }
        if (!pages.isEmpty())
            pages.last().append({ m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(4),
                m.captured(3).toDouble() });
    }
    return pages;
}

QString PageText(const PdfPage& page)
{
    QStringList words;
    for (const PdfWord& w : page)
        words.append(w.text);
    return words.join(u' ');
}

const PdfWord* Find(const PdfPage& page, const QString& text)
{
    for (const PdfWord& w : page)
        if (w.text == text)
            return &w;
    return nullptr;
}

int LinesPerA4Page()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    return PageGeometry::ForPage(printer.height(), printer.width()).linesPerPage;
}

PrintoutContent Content(int lineCount)
{
    PrintoutContent content;
    content.jobTitle = u"korav"_s;
    content.title = u"Jahresübersicht 2016   Mitarbeiter : Berg"_s;
    content.now = QDateTime(QDate(2024, 3, 7), QTime(9, 5));
    for (int i = 1; i <= lineCount; ++i)
        content.lines.append(u"Zeile%1     Ende%1"_s.arg(i));
    return content;
}

TEST(ReportPrintoutTest, ExactlyOnePageFullIsOnePage)
{
    TempFolder folder;
    const int n = LinesPerA4Page();
    ASSERT_GT(n, 10);
    const QString path = folder.path(u"one.pdf"_s);
    ASSERT_TRUE(PrintReportToPdf(path, Content(n)));

    const QList<PdfPage> pages = ReadPdfWords(path);
    ASSERT_EQ(pages.size(), 1);
    const QString text = PageText(pages[0]);
    EXPECT_TRUE(text.contains(u"Programm KORAV 1 / 1 07.03.2024 09:05"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Jahresübersicht 2016 Mitarbeiter : Berg"_s));
    EXPECT_NE(Find(pages[0], u"Zeile%1"_s.arg(n)), nullptr);
}

TEST(ReportPrintoutTest, OneLineMoreStartsASecondPageWithHeadAndFoot)
{
    TempFolder folder;
    const int n = LinesPerA4Page();
    const QString path = folder.path(u"two.pdf"_s);
    ASSERT_TRUE(PrintReportToPdf(path, Content(n + 1)));

    const QList<PdfPage> pages = ReadPdfWords(path);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(PageText(pages[0]).contains(u"Programm KORAV 1 / 2"_s));
    EXPECT_TRUE(PageText(pages[1]).contains(u"Programm KORAV 2 / 2"_s));
    EXPECT_TRUE(PageText(pages[1]).contains(u"Jahresübersicht 2016 Mitarbeiter : Berg"_s));
    EXPECT_EQ(Find(pages[0], u"Zeile%1"_s.arg(n + 1)), nullptr);
    const PdfWord* first = Find(pages[1], u"Zeile%1"_s.arg(n + 1));
    ASSERT_NE(first, nullptr);
    // The second page starts again at the first line's place.
    const PdfWord* top = Find(pages[0], u"Zeile1"_s);
    ASSERT_NE(top, nullptr);
    EXPECT_NEAR(first->y, top->y, 0.5);
}

TEST(ReportPrintoutTest, LinesAreSetInFixedPitchNinePoint)
{
    TempFolder folder;
    const QString path = folder.path(u"pitch.pdf"_s);
    ASSERT_TRUE(PrintReportToPdf(path, Content(2)));
    const QList<PdfPage> pages = ReadPdfWords(path);
    ASSERT_EQ(pages.size(), 1);
    const PdfWord* word = Find(pages[0], u"Zeile1"_s);
    const PdfWord* end = Find(pages[0], u"Ende1"_s);
    const PdfWord* next = Find(pages[0], u"Zeile2"_s);
    ASSERT_TRUE(word && end && next);
    // "Zeile1" and five blanks: eleven characters of 0.6 × 9 pt.
    EXPECT_NEAR(end->x - word->x, 11 * 0.6 * 9, 0.3);
    EXPECT_NEAR(next->x, word->x, 0.1);
    // Landscape: the page is wider than high, and the lines advance by h.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    const PageGeometry g = PageGeometry::ForPage(printer.height(), printer.width());
    EXPECT_NEAR(next->y - word->y, g.lineHeight * 72.0 / printer.resolution(), 0.3);
    EXPECT_GT(printer.width(), printer.height());
}

// A description of 100 characters makes a line longer than the page at
// 9 pt; the whole line is set smaller instead of running off the paper.
TEST(ReportPrintoutTest, ALineLongerThanThePageIsPrintedWhole)
{
    TempFolder folder;
    PrintoutContent content = Content(3);
    const QString description = QString(87, u'x') + u" Kinderbereich"_s;
    content.lines.insert(1, QString(31, u' ') + u" P100                    12:30   "_s + description);
    const QString path = folder.path(u"wide.pdf"_s);
    ASSERT_TRUE(PrintReportToPdf(path, content));

    const QList<PdfPage> pages = ReadPdfWords(path);
    ASSERT_EQ(pages.size(), 1);
    const PdfWord* last = Find(pages[0], u"Kinderbereich"_s);
    ASSERT_NE(last, nullptr) << PageText(pages[0]).toStdString();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    const PageGeometry g = PageGeometry::ForPage(printer.height(), printer.width());
    const double points = 72.0 / printer.resolution();
    // The drawing starts at the printable area; its first line at textX.
    const PdfWord* first = Find(pages[0], u"Zeile1"_s);
    ASSERT_NE(first, nullptr);
    const double origin = first->x - g.textX() * points;
    EXPECT_LE(last->right, origin + g.right * points + 0.1) << "ends within the right margin";
    // The short lines keep their places and their one page.
    EXPECT_NE(Find(pages[0], u"Zeile3"_s), nullptr);
    EXPECT_TRUE(PageText(pages[0]).contains(u"1 / 1"_s));
}

} // namespace
