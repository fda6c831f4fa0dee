#include "korav/forms/report_openers.h"

#include "common/data_file_codec.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_help.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"
#include "korav/reports/forms/pel_ue_monat_form.h"
#include "korav/reports/forms/ue_monat_pro_form.h"

#include <QFileDialog>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// The chooser's mode that offers "00-Alle" with all projects and other
// activities.
constexpr int kAllActivitiesChooserTag = 999;

} // namespace

void OpenPelinMonthViewer(KoravEnvironment& environment, QDate startDate, QWidget* parent)
{
    DataFileCodec codec(CodecProgram::Korav, environment.messenger);
    PelinMonthViewer viewer(
        environment.store.folder().root(), environment.messenger, codec, environment.clock, startDate);
    const auto chooseFile = [parent](const QString& title, const QString& proposed) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileDialog::getSaveFileName(parent, title, folder + u'/' + proposed);
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
