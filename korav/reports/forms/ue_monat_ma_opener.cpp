#include "korav/reports/forms/ue_monat_ma_opener.h"

#include "korav/reports/forms/pruefen_form.h"
#include "korav/reports/forms/ue_monat_ma_form.h"

TUeMonatMaForm* CreateUeMonatMaForm(std::function<QString()> dataRoot, Messenger& messenger,
    const Clock& clock, QDate startDate, std::function<void()> openHelp, QWidget* parent)
{
    auto* form = new TUeMonatMaForm(std::move(dataRoot), messenger, clock, startDate, parent);
    form->setHelpHandler(std::move(openHelp));
    return form;
}

QDialog& PrepareUeMonatMaForm(TUeMonatMaForm& form, EmployeeOverviewCommand command)
{
    switch (command) {
    case EmployeeOverviewCommand::Month:
        form.Prepare(PeriodMode::Month);
        break;
    case EmployeeOverviewCommand::Quarter:
        form.Prepare(PeriodMode::Quarter);
        break;
    case EmployeeOverviewCommand::Year:
        form.Prepare(PeriodMode::Year);
        break;
    }
    return form;
}

TPruefenForm* CreatePruefenForm(std::function<QString()> dataRoot, Messenger& messenger, const Clock& clock,
    QDate startDate, std::function<void()> openHelp, QWidget* parent)
{
    auto* form = new TPruefenForm(std::move(dataRoot), messenger, clock, startDate, parent);
    form->setHelpHandler(std::move(openHelp));
    return form;
}

QDialog& PruefenDialog(TPruefenForm& form)
{
    return form;
}
