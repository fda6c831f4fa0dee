#pragma once

#include <QDate>
#include <QString>

#include <functional>

class Clock;
class Messenger;
class QDialog;
class QWidget;
class TPruefenForm;
class TUeMonatMaForm;

// The main window's way to the employee overview and the annual check. It keeps the report
// headers out of the main window, whose program title has the same name.
enum class EmployeeOverviewCommand { Month, Quarter, Year };

// `openHelp` is what each form's HilfeImage opens.
TUeMonatMaForm* CreateUeMonatMaForm(std::function<QString()> dataRoot, Messenger& messenger,
    const Clock& clock, QDate startDate, std::function<void()> openHelp, QWidget* parent);
// Sets the mode, caption and selectors of the command; the dialog to show.
QDialog& PrepareUeMonatMaForm(TUeMonatMaForm& form, EmployeeOverviewCommand command);

TPruefenForm* CreatePruefenForm(std::function<QString()> dataRoot, Messenger& messenger, const Clock& clock,
    QDate startDate, std::function<void()> openHelp, QWidget* parent);
QDialog& PruefenDialog(TPruefenForm& form);
