#include "korav/reports/core/report_names.h"

#include "common/fixed_width.h"
#include "common/number_parse.h"

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

QString StampDigits(const OutputMoment& moment)
{
    const QDate& d = moment.startDate;
    return TwoDigits(d.day()) + TwoDigits(d.month()) + FourDigits(d.year()) + u'_'
        + TwoDigits(moment.now.hour()) + u'h' + TwoDigits(moment.now.minute());
}

QString DateText(QDate date)
{
    return TwoDigits(date.day()) + u'.' + TwoDigits(date.month()) + u'.' + FourDigits(date.year());
}

QString StandText(const OutputMoment& moment)
{
    return u"   Stand "_s + DateText(moment.startDate) + u' ' + TimeOfDay(moment.now);
}

QString FileWord(ReportForm form)
{
    if (form == ReportForm::Law)
        return u"arbzg"_s;
    return form == ReportForm::Project ? u"proj"_s : u"ma"_s;
}

// The period of the working-time law report: "3/2023", "1-2Q/2023", "2023".
QString LawPeriodText(const ReportSelection& s, const QString& year)
{
    switch (s.mode) {
    case PeriodMode::Month:
        return s.period + u'/' + year;
    case PeriodMode::Quarter:
        return s.period + u"Q/"_s + year;
    case PeriodMode::Year:
        break;
    }
    return year;
}

QString HeaderWord(ReportForm form)
{
    return form == ReportForm::Project ? u"Projekte"_s : u"Mitarbeiter"_s;
}

int YearNumber(const ReportSelection& selection)
{
    return ParseDecimalInt(selection.year);
}

QString TextFileStem(const ReportSelection& s)
{
    if (s.form == ReportForm::Account)
        return u"arbeitszeitkonto_ma_"_s + s.subject + u'_' + s.year;
    if (s.form == ReportForm::Check)
        return u"vollstaendigkeit_ma_"_s + s.subject + u'_' + s.year;
    if (s.form == ReportForm::Law)
        return u"arbeitszeitgesetz_"_s + s.subject + u'_'
            + QString(LawPeriodText(s, s.year)).replace(u'/', u'_');
    const QString word = FileWord(s.form);
    switch (s.mode) {
    case PeriodMode::Month:
        return u"monatsuebersicht_"_s + word + u'_' + s.subject + u'_' + s.period + u'_' + s.year;
    case PeriodMode::Quarter:
        return u"quartalsuebersicht_"_s + word + u'_' + s.subject + u'_' + s.period + u'q' + s.year;
    case PeriodMode::Year:
        break;
    }
    return u"jahresuebersicht_"_s + word + u'_' + s.subject + u'_' + s.year;
}

QString SavedMessage(QStringView head, const QString& fileName)
{
    return head + u"\n\n"_s + fileName + u"  \n\ngespeichert.  "_s;
}

} // namespace

QString TextFileName(const ReportSelection& selection, const OutputMoment& moment)
{
    QString name = TextFileStem(selection) + u'_' + StampDigits(moment) + u".txt"_s;
    return name.replace(u' ', u'_');
}

QString TextHeaderLine(const ReportSelection& s, const OutputMoment& moment)
{
    if (s.form == ReportForm::Account)
        return u" Arbeitszeitkonto Mitarbeiter "_s + s.subject + u"   "_s + s.year + StandText(moment);
    if (s.form == ReportForm::Check)
        return u" Vollstaendigkeit Arbeitszeiten "_s + s.subject + u"   "_s + s.year + StandText(moment);
    if (s.form == ReportForm::Law)
        return u" Arbeitszeitgesetz Mitarbeiter "_s + s.subject + u"   "_s + LawPeriodText(s, s.year)
            + StandText(moment);
    const QString word = HeaderWord(s.form);
    switch (s.mode) {
    case PeriodMode::Month:
        return u" Monatsübersicht "_s + word + u' ' + s.subject + u"   "_s + s.period + u'/' + s.year
            + StandText(moment);
    case PeriodMode::Quarter:
        return u" Quartalsübersicht "_s + word + u' ' + s.subject + u"   "_s + s.period + u"Q/"_s + s.year
            + StandText(moment);
    case PeriodMode::Year:
        break;
    }
    return u" Jahresübersicht "_s + word + u' ' + s.subject + u"   "_s + s.year + StandText(moment);
}

QString TextFooterLine(const OutputMoment& moment, QStringView applicationTitle)
{
    return u' ' + applicationTitle + u' ' + DateText(moment.startDate) + u' ' + TimeOfDay(moment.now);
}

QString TextSavedMessage(ReportForm form, const QString& fileName)
{
    if (form == ReportForm::Employee || form == ReportForm::Account)
        return u"Daten sind in Datei\n\n"_s + fileName + u"\n\ngespeichert."_s;
    return SavedMessage(u"Daten sind in Datei  ", fileName);
}

QString PrintJobTitle(const ReportSelection& selection, const OutputMoment& moment)
{
    switch (selection.form) {
    case ReportForm::Employee:
    case ReportForm::Account:
    case ReportForm::Law:
        return TextFileName(selection, moment).chopped(4);
    case ReportForm::Project:
        return TextFileName(selection, moment);
    case ReportForm::Check:
        break;
    }
    return u"korav"_s;
}

QString PrintTitle(const ReportSelection& s)
{
    if (s.form == ReportForm::Account)
        return u"Arbeitszeitkonto "_s + s.year + u"   Mitarbeiter : "_s + s.subject;
    if (s.form == ReportForm::Check)
        return u"Arbeitszeiten "_s + s.year + u" auf Vollständigkeit prüfen, Mitarbeiter : "_s + s.subject;
    if (s.form == ReportForm::Law)
        return u"Arbeitszeitgesetz "_s + LawPeriodText(s, s.year) + u"   Mitarbeiter : "_s + s.subject;
    const QString who = u"   "_s + HeaderWord(s.form) + u" : "_s + s.subject;
    switch (s.mode) {
    case PeriodMode::Month:
        return u"Monatsübersicht "_s + s.period + u'/' + s.year + who;
    case PeriodMode::Quarter:
        return u"Quartalsübersicht "_s + s.period + u'/' + s.year + who;
    case PeriodMode::Year:
        break;
    }
    return u"Jahresübersicht "_s + s.year + who;
}

QString WorkbookFileName(const ReportSelection& s, const OutputMoment& moment)
{
    const QString prefix = u"korav_"_s + FileWord(s.form) + u'_';
    const QString year = FourDigits(YearNumber(s));
    if (s.form == ReportForm::Account)
        return prefix + u"konto_"_s + year + u'_' + StampDigits(moment) + u".xlsx"_s;
    QString stem;
    switch (s.mode) {
    case PeriodMode::Month:
        stem = u"monatue_"_s + s.period + u'_' + year;
        break;
    case PeriodMode::Quarter:
        stem = u"quartue_"_s + s.period + u'_' + year;
        break;
    case PeriodMode::Year:
        stem = u"jahresue_"_s + year;
        break;
    }
    return prefix + stem + u'_' + StampDigits(moment) + u".xlsx"_s;
}

QString WorksheetName(const ReportSelection& s)
{
    const QString year = FourDigits(YearNumber(s));
    if (s.form == ReportForm::Account)
        return u"Arbeitszeitkonto_"_s + year;
    if (s.form == ReportForm::Law)
        return u"Arbeitszeitgesetz_"_s + (s.mode == PeriodMode::Year ? QString() : s.period + u'_') + year;
    switch (s.mode) {
    case PeriodMode::Month:
        return u"Monatsübersicht_"_s + s.period + u'_' + year;
    case PeriodMode::Quarter:
        return u"Quartalsübersicht_"_s + s.period + u'_' + year;
    case PeriodMode::Year:
        break;
    }
    return u"Jahresübersicht_"_s + year;
}

QString WorkbookTitle(const ReportSelection& s)
{
    const QString hours = s.form == ReportForm::Project ? u" Projektstunden "_s : u" Arbeitsstunden "_s;
    const QString year = FourDigits(YearNumber(s));
    if (s.form == ReportForm::Account)
        return u"Arbeitszeitkonto "_s + year;
    if (s.form == ReportForm::Law)
        return u"Arbeitszeitgesetz "_s + LawPeriodText(s, year);
    switch (s.mode) {
    case PeriodMode::Month:
        return u"Monatsübersicht"_s + hours + s.period + u'/' + year;
    case PeriodMode::Quarter:
        return u"Quartalsübersicht"_s + hours + s.period + u'/' + year;
    case PeriodMode::Year:
        break;
    }
    return u"Jahresübersicht"_s + hours + year;
}

QString WorkbookStandText(const OutputMoment& moment)
{
    return u"Stand: "_s + DateText(moment.startDate) + u' ' + TimeOfDay(moment.now);
}

QString WorkbookSavedMessage(ReportForm form, const QString& fileName)
{
    return SavedMessage(
        form == ReportForm::Project ? u"Daten sind in Datei  " : u"Daten sind in Datei ", fileName);
}
