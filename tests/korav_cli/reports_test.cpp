#include "tests/korav_cli/cli_fixture.h"

#include "common/data_file_codec.h"
#include "korav/reports/core/pelin_month_viewer.h"
#include "korav/reports/forms/arb_zeit_gesetz_form.h"
#include "korav/reports/forms/pel_ue_monat_form.h"
#include "korav/reports/forms/pruefen_form.h"
#include "korav/reports/forms/ue_monat_ma_form.h"
#include "korav/reports/forms/ue_monat_pro_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// What of an output file is the same whenever it is written: the bytes of
// a text file, the cells of a workbook, the text of a PDF.
QByteArray Comparable(const QString& path, const QString& format)
{
    const auto output = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished();
        return process.readAllStandardOutput();
    };
    if (format == u"xlsx")
        return output(
            u"unzip"_s, { u"-p"_s, path, u"xl/worksheets/sheet1.xml"_s, u"xl/sharedStrings.xml"_s });
    if (format == u"pdf")
        return output(u"pdftotext"_s, { u"-layout"_s, path, u"-"_s });
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Select(QWidget& form, const QString& box, const QString& text)
{
    if (!text.isEmpty())
        form.findChild<QComboBox*>(box)->setCurrentText(text);
}

// The collected March of Erika and the built base data.
class ReportsFixture : public CliFixture {
protected:
    ReportsFixture()
    {
        root.write(u"daten/auswtg/202303/az2023034711.kvd"_s, MarchOfErika());
        EXPECT_EQ(run({ u"build"_s }), 0);
        messenger.all.clear();
    }

    QString dataRoot() const { return dataFolder() + u'/'; }
    ReportOutputContext::FileChooser chooser(const QString& name) const
    {
        return [path = root.path(name)](const QString&, const QString&) { return path; };
    }
    // The command's file; its run must succeed.
    QByteArray command(QStringList words, const QString& format)
    {
        words << u"--format"_s << format << u"--out"_s << root.path(u"befehl."_s + format);
        EXPECT_EQ(run(words), 0) << messenger.all.join(u'|').toStdString();
        return Comparable(root.path(u"befehl."_s + format), format);
    }
    QByteArray formFile(const QString& format) const
    {
        return Comparable(root.path(u"form."_s + format), format);
    }
};

struct EmployeeCase {
    PeriodMode mode;
    const char* period;
    const char* employee;
    const char* format;
    const char* expected; // a line the report holds
};

class EmployeeReport : public ReportsFixture, public ::testing::WithParamInterface<EmployeeCase> { };

TEST_P(EmployeeReport, EqualsWhatTheFormWrites)
{
    const EmployeeCase& c = GetParam();
    const QString format = QString::fromUtf8(c.format);
    TUeMonatMaForm form([this] { return dataRoot(); }, messenger, clock, kNow.date());
    form.output().chooseFile = chooser(u"form."_s + format);
    form.Prepare(c.mode);
    form.FormShow();
    Select(form, u"MaLCBox"_s, QString::fromUtf8(c.employee));
    Select(form, u"MonatCBox"_s, QString::fromUtf8(c.period));
    Select(form, u"JahrCBox"_s, u"2023"_s);
    form.AnzeigenBtnClick();
    if (format == u"txt")
        form.SaveUeBtnClick();
    else if (format == u"pdf")
        form.PdfSaveBtnClick();
    else if (format == u"csv")
        form.CsvSaveBtnClick();
    else
        form.ExcelSaveBtnClick();

    QStringList words { u"report"_s, u"employee"_s, u"--year"_s, u"2023"_s, u"--employee"_s,
        QString::fromUtf8(c.employee) };
    if (c.mode == PeriodMode::Month)
        words << u"--month"_s << QString::fromUtf8(c.period);
    if (c.mode == PeriodMode::Quarter)
        words << u"--quarter"_s << QString::fromUtf8(c.period);
    const QByteArray written = command(words, format);
    EXPECT_TRUE(written.contains(c.expected)) << written.toStdString();
    EXPECT_EQ(written, formFile(format));
}

INSTANTIATE_TEST_SUITE_P(ModesAndFormats, EmployeeReport,
    ::testing::Values(EmployeeCase { PeriodMode::Month, "3", "Erika Sommer", "txt", "Zeitdaten 03/2023" },
        EmployeeCase { PeriodMode::Quarter, "1", "00-Alle", "xlsx", "Max Winter" },
        EmployeeCase { PeriodMode::Year, "", "00-Alle", "txt", "Gelistete Mitarbeiter" },
        EmployeeCase { PeriodMode::Year, "", "Max Winter", "pdf", "Jahresübersicht 2023" },
        EmployeeCase { PeriodMode::Quarter, "1", "Erika Sommer", "csv", "AZeit;Erika Sommer;2023;03;" }));

struct ProjectCase {
    PeriodMode mode;
    const char* period;
    const char* key;
    const char* description;
    bool forecast;
    const char* format;
};

class ProjectReport : public ReportsFixture, public ::testing::WithParamInterface<ProjectCase> { };

TEST_P(ProjectReport, EqualsWhatTheFormWrites)
{
    const ProjectCase& c = GetParam();
    const QString format = QString::fromUtf8(c.format);
    DataFileCodec codec(CodecProgram::Korav, messenger);
    ReportOutputContext output(nullptr, messenger, clock, kNow.date());
    output.chooseFile = chooser(u"form."_s + format);
    const auto chosen = std::pair { QString::fromUtf8(c.key), QString::fromUtf8(c.description) };
    TUeMonatProForm form(dataRoot(), codec, output, [chosen] { return std::optional(chosen); }, {});
    form.SetMode(c.mode);
    form.FormShow();
    form.ProjektNrEditClick();
    Select(form, u"MonatCBox"_s, QString::fromUtf8(c.period));
    Select(form, u"JahrCBox"_s, u"2023"_s);
    form.findChild<QCheckBox*>(u"PrognoseCBox"_s)->setChecked(c.forecast);
    form.AnzeigenBtnClick();
    if (format == u"txt")
        form.SaveUeBtnClick();
    else if (format == u"csv")
        form.CsvSaveBtnClick();
    else
        form.ExcelSaveBtnClick();

    QStringList words { u"report"_s, u"project"_s, u"--year"_s, u"2023"_s, u"--activity"_s,
        QString::fromUtf8(c.key) };
    if (c.mode == PeriodMode::Month)
        words << u"--month"_s << QString::fromUtf8(c.period);
    if (c.mode == PeriodMode::Quarter)
        words << u"--quarter"_s << QString::fromUtf8(c.period);
    if (c.forecast)
        words << u"--forecast"_s;
    const QByteArray written = command(words, format);
    EXPECT_TRUE(written.contains("P100")) << written.toStdString();
    EXPECT_EQ(written, formFile(format));
}

INSTANTIATE_TEST_SUITE_P(ModesAndFormats, ProjectReport,
    ::testing::Values(ProjectCase { PeriodMode::Month, "3", "P100", " Messe", false, "txt" },
        ProjectCase { PeriodMode::Quarter, "1-2", "00-Alle", " Alle Tätigkeiten", true, "txt" },
        ProjectCase { PeriodMode::Year, "", "00-Alle", " Alle Tätigkeiten", false, "xlsx" },
        ProjectCase { PeriodMode::Quarter, "1", "P100", " Messe", false, "csv" }));

TEST_F(ReportsFixture, UnknownActivityOrEmployeeIsRefused)
{
    EXPECT_EQ(run({ u"report"_s, u"project"_s, u"--year"_s, u"2023"_s, u"--activity"_s, u"P999"_s,
                  u"--format"_s, u"txt"_s, u"--out"_s, root.path(u"x.txt"_s) }),
        1);
    EXPECT_EQ(messenger.all, QStringList { u"Tätigkeit P999 ist nicht vorhanden !  "_s });
    messenger.all.clear();
    EXPECT_EQ(run({ u"report"_s, u"check"_s, u"--year"_s, u"2023"_s, u"--employee"_s, u"Erika"_s,
                  u"--format"_s, u"txt"_s, u"--out"_s, root.path(u"x.txt"_s) }),
        1);
    EXPECT_EQ(messenger.all, QStringList { u"Mitarbeiter Erika ist nicht vorhanden !  "_s });
    EXPECT_FALSE(root.exists(u"x.txt"_s));
}

struct CheckCase {
    const char* employee;
    bool onlyMissing;
    const char* format;
    const char* expected;
};

class CheckReport : public ReportsFixture, public ::testing::WithParamInterface<CheckCase> { };

TEST_P(CheckReport, EqualsWhatTheFormWrites)
{
    const CheckCase& c = GetParam();
    const QString format = QString::fromUtf8(c.format);
    TPruefenForm form([this] { return dataRoot(); }, messenger, clock, kNow.date());
    form.output().chooseFile = chooser(u"form."_s + format);
    form.FormShow();
    Select(form, u"MaLCBox"_s, QString::fromUtf8(c.employee));
    Select(form, u"JahrCBox"_s, u"2023"_s);
    form.findChild<QCheckBox*>(u"FehlendMonCBox"_s)->setChecked(c.onlyMissing);
    form.AnzeigenBtnClick();
    if (format == u"txt")
        form.SaveUeBtnClick();
    else
        form.PdfSaveBtnClick();

    QStringList words { u"report"_s, u"check"_s, u"--year"_s, u"2023"_s, u"--employee"_s,
        QString::fromUtf8(c.employee) };
    if (c.onlyMissing)
        words << u"--missing"_s;
    const QByteArray written = command(words, format);
    EXPECT_TRUE(written.contains(c.expected)) << written.toStdString();
    EXPECT_EQ(written, formFile(format));
}

INSTANTIATE_TEST_SUITE_P(Options, CheckReport,
    ::testing::Values(CheckCase { "00-Alle", false, "txt", "--   --   D-   --" },
        CheckCase { "Erika Sommer", true, "pdf", "Es fehlen die Monate 1, 2," }));

TEST_F(ReportsFixture, MonthViewerEqualsWhatTheFormWrites)
{
    DataFileCodec codec(CodecProgram::Korav, messenger);
    PelinMonthViewer viewer(dataRoot(), messenger, codec, clock, kNow.date());
    TPelUeMonatForm form(viewer, chooser(u"form.txt"_s), {}, kNow.date());
    form.FormShow();
    Select(form, u"MaLCBox"_s, u"Erika Sommer"_s);
    Select(form, u"MonatCBox"_s, u"3"_s);
    Select(form, u"JahrCBox"_s, u"2023"_s);
    form.AnzeigenBtnClick();
    form.SaveUeBtnClick();

    const QByteArray written = command({ u"report"_s, u"viewer"_s, u"--year"_s, u"2023"_s, u"--month"_s,
                                           u"3"_s, u"--employee"_s, u"Erika Sommer"_s },
        u"txt"_s);
    EXPECT_TRUE(written.contains("Mitarbeiter(in) : Erika Sommer")) << written.toStdString();
    EXPECT_EQ(written, formFile(u"txt"_s));
}

TEST_F(ReportsFixture, MonthViewerWithoutAMonthFileSavesNothing)
{
    EXPECT_EQ(run({ u"report"_s, u"viewer"_s, u"--year"_s, u"2023"_s, u"--month"_s, u"3"_s, u"--employee"_s,
                  u"Max Winter"_s, u"--format"_s, u"txt"_s, u"--out"_s, root.path(u"x.txt"_s) }),
        1);
    EXPECT_EQ(messenger.all,
        QStringList { u"Eine PELIN-Monatsdatei ist für diesen Mitarbeiter nicht vorhanden !\n\n"
                      u"Eine ersatzweise Erfassung von Monatswerten liegt auch nicht vor."_s });
    EXPECT_FALSE(root.exists(u"x.txt"_s));
}

TEST_F(ReportsFixture, AFolderAsOutputTakesTheProposedName)
{
    EXPECT_EQ(run({ u"report"_s, u"viewer"_s, u"--year"_s, u"2023"_s, u"--month"_s, u"3"_s, u"--employee"_s,
                  u"Erika Sommer"_s, u"--format"_s, u"txt"_s, u"--out"_s, root.path() }),
        0);
    EXPECT_TRUE(root.exists(u"Monatsübersicht_Ma_Erika_Sommer_03_2023__15032023_17h30.txt"_s));

    EXPECT_EQ(run({ u"report"_s, u"employee"_s, u"--year"_s, u"2023"_s, u"--format"_s, u"xlsx"_s, u"--out"_s,
                  root.path() }),
        0);
    EXPECT_TRUE(root.exists(u"korav_ma_jahresue_2023_15032023_17h30.xlsx"_s));
}

// Erika works full time: January and February have passed without data,
// March counts with its two collected days. Max's March has no data yet.
TEST_F(ReportsFixture, AccountReportInEveryFormat)
{
    const QString lead = QString(20, u' ') + u" : "_s;
    const QString text
        = QString::fromUtf8(command({ u"report"_s, u"account"_s, u"--year"_s, u"2023"_s }, u"txt"_s));
    const QStringList lines = text.split(u"\r\n"_s);
    EXPECT_EQ(lines.value(1), u" Arbeitszeitkonto Mitarbeiter 00-Alle   2023   Stand 15.03.2023 17:30"_s);
    EXPECT_TRUE(
        lines.contains(lead + u"03/2023        16:00     168:00    -152:00    -488:00        0  (D)"_s));
    EXPECT_TRUE(
        lines.contains(lead + u"02/2023          ---     134:24    -134:24    -268:48        0  (-)"_s));
    EXPECT_TRUE(
        lines.contains(lead + u"03/2023          ---     134:24        ---        ---        0  (-)"_s));
    EXPECT_TRUE(command(
        { u"report"_s, u"account"_s, u"--year"_s, u"2023"_s, u"--employee"_s, u"Max Winter"_s }, u"pdf"_s)
                    .contains("Arbeitszeitkonto 2023"));
    EXPECT_TRUE(
        command({ u"report"_s, u"account"_s, u"--year"_s, u"2023"_s }, u"xlsx"_s).contains("Kontostand"));
    EXPECT_EQ(run({ u"report"_s, u"account"_s, u"--year"_s, u"2023"_s, u"--month"_s, u"3"_s, u"--format"_s,
                  u"txt"_s, u"--out"_s, root.path(u"x.txt"_s) }),
        2);
}

} // namespace

// Python's csv module reads the file as the header and data rows of the
// workbook, numbers with a decimal comma.
TEST_F(ReportsFixture, CsvReadsBackAsTheRowsOfTheWorkbook)
{
    const QString script = uR"(
import csv, io, sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1]).active
def shown(cell, header):
    v = cell.value
    if v is None:
        return ''
    if isinstance(v, str):
        return v.strip() if header else v
    if '0.00' in cell.number_format:
        return f'{v:.2f}'.replace('.', ',')
    return str(int(v)) if float(v).is_integer() else str(v).replace('.', ',')
rows = []
for r in [4] + list(range(7, sheet.max_row + 1)):
    row = [shown(sheet.cell(r, c), r == 4) for c in range(3, sheet.max_column + 1)]
    if r == 4 or any(row):
        rows.append(row)
data = open(sys.argv[2], 'rb').read()
assert data.startswith(b'\xef\xbb\xbf'), 'byte-order mark'
text = data.decode('utf-8-sig')
assert text.endswith('\r\n') and text.count('\n') == text.count('\r\n'), 'CR LF'
read = list(csv.reader(io.StringIO(text, newline=''), delimiter=';'))
if read != rows:
    print(read, rows, sep='\n')
    sys.exit(1)
print(len(read))
)"_s;
    for (const QString& format : { u"xlsx"_s, u"csv"_s })
        ASSERT_EQ(run({ u"report"_s, u"employee"_s, u"--year"_s, u"2023"_s, u"--quarter"_s, u"1-4"_s,
                      u"--format"_s, format, u"--out"_s, root.path(u"liste."_s + format) }),
            0);
    QProcess python;
    python.start(
        u"/usr/bin/python3"_s, { u"-c"_s, script, root.path(u"liste.xlsx"_s), root.path(u"liste.csv"_s) });
    ASSERT_TRUE(python.waitForFinished());
    EXPECT_EQ(python.exitCode(), 0) << python.readAll().toStdString()
                                    << python.readAllStandardError().toStdString();
    // The header, twelve months, the total and the activities of two employees.
    EXPECT_GT(python.readAllStandardOutput().trimmed().toInt(), 20);
}

class LawReportFixture : public ReportsFixture, public ::testing::WithParamInterface<const char*> {
protected:
    // Max worked over ten hours on Friday, 3 March, and came on Sunday, 5 March.
    LawReportFixture()
    {
        QStringList lines;
        for (const auto& [day, go] : { std::pair { 3, u"1805"_s }, std::pair { 5, u"1000"_s } }) {
            const QDate date(2023, 3, day);
            lines << MonthFile::RecordLine(MonthFile::DayKey(date, u"4712"_s),
                MonthFile::FormatDayValue(
                    { u"20230306"_s, u"07"_s, u"00"_s, go.left(2), go.mid(2), QString() }));
        }
        lines << MonthFile::RecordLine(MonthFile::ActivityKey(QDate(2023, 3, 3), u"4712"_s),
            MonthFile::FormatActivityValue({ { u"20230306"_s, u"00100"_s, u"Pause"_s } }));
        root.write(u"daten/auswtg/202303/az2023034712.kvd"_s, (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8());
    }
};

TEST_P(LawReportFixture, EqualsWhatTheFormWrites)
{
    const QString format = QString::fromUtf8(GetParam());
    TArbZeitGesetzForm form(
        [this] { return dataRoot(); }, [] { return HolidaySettings {}; }, messenger, clock, kNow.date());
    form.output().chooseFile = chooser(u"form."_s + format);
    form.FormShow();
    Select(form, u"ZeitraumCBox"_s, u"Quartal"_s);
    Select(form, u"MonatCBox"_s, u"1"_s);
    Select(form, u"JahrCBox"_s, u"2023"_s);
    form.AnzeigenBtnClick();
    const std::map<QString, void (TArbZeitGesetzForm::*)()> buttons
        = { { u"txt"_s, &TArbZeitGesetzForm::SaveUeBtnClick },
              { u"pdf"_s, &TArbZeitGesetzForm::PdfSaveBtnClick },
              { u"xlsx"_s, &TArbZeitGesetzForm::ExcelSaveBtnClick },
              { u"csv"_s, &TArbZeitGesetzForm::CsvSaveBtnClick } };
    (form.*buttons.at(format))();

    const QByteArray written
        = command({ u"report"_s, u"law"_s, u"--year"_s, u"2023"_s, u"--quarter"_s, u"1"_s }, format);
    EXPECT_TRUE(written.contains("Max Winter")) << written.toStdString();
    EXPECT_TRUE(written.contains("Arbeit am Sonntag (ArbZG ")) << written.toStdString();
    EXPECT_EQ(written, formFile(format));
    if (format == u"txt") {
        const QString text = QString::fromUtf8(written);
        EXPECT_TRUE(text.contains(u"   03.03.2023  Fr   07:00   18:05      10:05    1:00            "
                                  u"Arbeitszeit über 10 Stunden (ArbZG §3)"_s))
            << written.toStdString();
        EXPECT_TRUE(
            text.contains(u" Arbeitszeitgesetz Mitarbeiter 00-Alle   1Q/2023   Stand 15.03.2023 17:30"_s));
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, LawReportFixture, ::testing::Values("txt", "pdf", "xlsx", "csv"));

namespace {

TEST_F(ReportsFixture, TimesheetOfOneEmployeeAndOfAllIntoOneFolder)
{
    const QByteArray one = command({ u"report"_s, u"timesheet"_s, u"--year"_s, u"2023"_s, u"--month"_s,
                                       u"3"_s, u"--employee"_s, u"Erika Sommer"_s },
        u"pdf"_s);
    EXPECT_TRUE(one.contains("Stundenzettel 03/2023 Mitarbeiter : Erika Sommer")) << one.toStdString();
    EXPECT_TRUE(one.contains("Unterschrift Vorgesetzte(r):"));

    root.write(u"alle/.keep"_s, {});
    EXPECT_EQ(run({ u"report"_s, u"timesheet"_s, u"--year"_s, u"2023"_s, u"--month"_s, u"3"_s,
                  u"--employee"_s, u"00-Alle"_s, u"--format"_s, u"pdf"_s, u"--out"_s, root.path(u"alle"_s) }),
        0)
        << messenger.all.join(u'|').toStdString();
    EXPECT_EQ(Comparable(root.path(u"alle/stundenzettel_Erika_Sommer_2023_03.pdf"_s), u"pdf"_s), one);
    EXPECT_FALSE(root.exists(u"alle/stundenzettel_Max_Winter_2023_03.pdf"_s)) << "no times in March";

    messenger.all.clear();
    EXPECT_EQ(
        run({ u"report"_s, u"timesheet"_s, u"--year"_s, u"2023"_s, u"--month"_s, u"3"_s, u"--employee"_s,
            u"Max Winter"_s, u"--format"_s, u"pdf"_s, u"--out"_s, root.path(u"max.pdf"_s) }),
        1);
    EXPECT_EQ(messenger.all,
        QStringList { u"Für Max Winter sind im Monat 03/2023 keine Arbeitszeiten vorhanden !  "_s });
    EXPECT_FALSE(root.exists(u"max.pdf"_s));
}

} // namespace
