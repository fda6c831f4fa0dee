#include "korav/forms/report_openers.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/ui/bemerk_form.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_config.h"
#include "korav/core/korav_help.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"
#include "korav/reports/forms/arb_zeit_gesetz_form.h"
#include "korav/reports/forms/monat_komplett_form.h"
#include "korav/reports/forms/pel_ue_monat_form.h"
#include "korav/reports/forms/stundenzettel_form.h"
#include "korav/reports/forms/ue_monat_pro_form.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// The chooser's mode that offers "00-Alle" with all projects and other
// activities.
constexpr int kAllActivitiesChooserTag = 999;

QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposed)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, title, folder + u'/' + proposed);
}

// What the month completion asks of KORAV's other dialogs. The hours picker
// opens below the clicked field, the chooser 24 pixels right of and below
// the top-left corner of the main window.
MonatKomplettPickers MonthCompletionPickers(KoravEnvironment& environment, TAuswMonatStdForm& hoursPicker,
    TAuswProjekteForm& chooser, QWidget* mainWindow)
{
    MonatKomplettPickers pickers;
    pickers.pickHours = [&environment, &hoursPicker](int tag, int precision,
                            QWidget* field) -> std::optional<std::pair<QString, QString>> {
        hoursPicker.start(tag, precision);
        hoursPicker.placeBelow(field);
        if (environment.runModal(hoursPicker) != QDialog::Accepted)
            return std::nullopt;
        return std::pair { hoursPicker.hourText(), hoursPicker.minuteText() };
    };
    pickers.chooseActivity = [&environment, &chooser, mainWindow](int tag) {
        chooser.FormShow(tag);
        if (mainWindow)
            chooser.move(mainWindow->pos() + QPoint(24, 24));
        ActivityChoice choice;
        if (environment.runModal(chooser) == QDialog::Accepted)
            choice.fields = std::pair { chooser.chosen().number, chooser.chosen().description };
        choice.list = chooser.descriptionList();
        return choice;
    };
    pickers.editRemark
        = [&environment, mainWindow](const QString& current, QPoint position) -> std::optional<QString> {
        TBemerkForm remark(mainWindow);
        remark.FormShow(current);
        remark.move(position);
        if (environment.runModal(remark) != QDialog::Accepted)
            return std::nullopt;
        return remark.edit()->text();
    };
    pickers.chooseFile = [mainWindow](const QString& title, const QString& proposed) {
        return AskSaveFile(mainWindow, title, proposed);
    };
    return pickers;
}

} // namespace

void OpenPelinMonthViewer(KoravEnvironment& environment, QDate startDate, QWidget* parent)
{
    DataFileCodec codec(CodecProgram::Korav, environment.messenger);
    PelinMonthViewer viewer(
        environment.store.folder().root(), environment.messenger, codec, environment.clock, startDate);
    const auto chooseFile = [parent](const QString& title, const QString& proposed) {
        return AskSaveFile(parent, title, proposed);
    };
    TPelUeMonatForm form(
        viewer, chooseFile, [&environment] { environment.help.OpenHelp(KoravHelp::kReportTopic); }, startDate,
        parent);
    form.FormShow();
    environment.runModal(form);
}

void OpenProjectOverview(
    KoravEnvironment& environment, TAuswProjekteForm& chooser, int modeCode, QDate startDate, QWidget* parent)
{
    DataFileCodec codec(CodecProgram::Korav, environment.messenger);
    ReportOutputContext output(parent, environment.messenger, environment.clock, startDate);
    const auto chooseActivity = [&]() -> std::optional<std::pair<QString, QString>> {
        chooser.FormShow(kAllActivitiesChooserTag);
        if (environment.runModal(chooser) != QDialog::Accepted)
            return std::nullopt;
        return std::pair { chooser.chosen().number, chooser.chosen().description };
    };
    TUeMonatProForm form(
        environment.store.folder().root(), codec, output, chooseActivity,
        [&environment] { environment.help.OpenHelp(KoravHelp::kReportTopic); }, parent);
    form.SetMode(PeriodMode(modeCode));
    form.FormShow();
    environment.runModal(form);
}

void OpenLawReport(KoravEnvironment& environment, QDate startDate, QWidget* parent)
{
    TArbZeitGesetzForm form([&environment] { return environment.store.folder().root(); },
        [&environment] { return HolidaySettings::FromConfig(KoravConfig::Load(environment.store)); },
        environment.messenger, environment.clock, startDate, parent);
    form.setHelpHandler([&environment] { environment.help.OpenHelp(KoravHelp::kReportTopic); });
    environment.runModal(form);
}

void OpenTimesheets(KoravEnvironment& environment, QDate startDate, QWidget* parent)
{
    DataFileCodec codec(CodecProgram::Korav, environment.messenger);
    ReportOutputContext output(parent, environment.messenger, environment.clock, startDate);
    const auto chooseFolder = [parent](const QString& title) {
        return QFileDialog::getExistingDirectory(
            parent, title, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    };
    TStundenzettelForm form(
        TimesheetSource::Load(environment.store.folder().root(), codec, environment.clock.today()), output,
        chooseFolder, parent);
    form.FormShow();
    environment.runModal(form);
}

void OpenMonthCompletion(KoravEnvironment& environment, TAuswMonatStdForm& hoursPicker,
    TAuswProjekteForm& chooser, bool backupFolder, QDate startDate, QWidget* mainWindow)
{
    DataFileCodec codec(CodecProgram::Korav, environment.messenger);
    MonthCompletion completion(environment.store.folder().root(), backupFolder, environment.messenger, codec,
        environment.clock, startDate);
    TMonatKomplettForm form(completion, MonthCompletionPickers(environment, hoursPicker, chooser, mainWindow),
        startDate, mainWindow);
    form.setHelpHandler([&environment] { environment.help.OpenHelp(KoravHelp::kCheckTopic); });
    form.FormShow();
    environment.runModal(form);
}
