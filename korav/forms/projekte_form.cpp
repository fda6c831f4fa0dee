#include "korav/forms/projekte_form.h"

#include "common/ui/tab_order.h"
#include "korav/core/activity_chooser.h"
#include "korav/core/activity_list_file.h"
#include "korav/core/korav_help.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/forms/bezeichnung_form.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxMasterLength = 14;

QLineEdit* MakeEntry(QWidget* parent, const QString& name, int maxLength)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setMaxLength(maxLength);
    return entry;
}

QLabel* MakeLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TProjekteForm::TProjekteForm(
    KoravEnvironment& environment, TAuswProjekteForm& chooser, BaseDataSaved saved, QWidget* parent)
    : QDialog(parent),
      environment_(environment),
      editor_(environment.store, std::move(saved)),
      chooser_(chooser),
      bezeichnungForm_(new TBezeichnungForm(editor_, this)),
      projNrEdit_(MakeEntry(this, u"ProjNrEdit"_s, ActivityListFile::kMaxNumber)),
      projBesEdit_(MakeEntry(this, u"ProjBesEdit"_s, ActivityListFile::kMaxDescription)),
      projNrLabel_(new QLabel(this)),
      projBesLabel_(new QLabel(this)),
      uebernehmenSBtn_(MakeButton(this, u"UebernehmenSBtn"_s, u"In Liste übernehmen"_s)),
      projekteListView_(new QTreeWidget(this)),
      delProjektSBtn_(MakeButton(this, u"DelProjektSBtn"_s, u"Löschen"_s)),
      chgProjektSBtn_(MakeButton(this, u"ChgProjektSBtn"_s, u"Ändern"_s)),
      copyProjektSBtn_(MakeButton(this, u"CopyProjektSBtn"_s, u"Kopieren"_s)),
      staticText3_(MakeLabel(this, u"StaticText3"_s)),
      laeStammNrCBox_(new QComboBox(this)),
      stammNrLabel_(MakeLabel(this, u"StammNrLabel"_s)),
      chgBezeichnungBtn_(MakeButton(this, u"Chg_BezeichnungBtn"_s, u"&Bezeichnungen ändern"_s)),
      sucheProjektBtn_(MakeButton(this, u"SucheProjektBtn"_s, QString())),
      staticText7_(MakeLabel(this, u"StaticText7"_s)),
      errLabel_(MakeStatusLabel(this, u"ErrLabel"_s))
{
    setObjectName(u"ProjekteForm"_s);
    buildControls(environment);
}

void TProjekteForm::buildControls(KoravEnvironment& environment)
{
    staticText3_->setText(u"Länge Stamm-Nr."_s);
    laeStammNrCBox_->setObjectName(u"LaeStammNrCBox"_s);
    for (int i = 1; i <= kMaxMasterLength; ++i)
        laeStammNrCBox_->addItem(QString::number(i));
    stammNrLabel_->setToolTip(u"Länge ändern in Programmteil 'Projektliste'"_s);
    projekteListView_->setObjectName(u"ProjekteListView"_s);
    projekteListView_->setColumnCount(2);
    projekteListView_->setRootIsDecorated(false);
    projekteListView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    projekteListView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    for (QPushButton* button : { uebernehmenSBtn_, delProjektSBtn_, chgProjektSBtn_, copyProjektSBtn_,
             chgBezeichnungBtn_, sucheProjektBtn_, saveBtn, cancelBtn })
        button->setAutoDefault(false);
    // Return in the entry fields takes the row into the list.
    uebernehmenSBtn_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(projNrLabel_, 0, 0);
    grid->addWidget(new QLabel(u"max.14"_s, this), 0, 1);
    grid->addWidget(projBesLabel_, 0, 2);
    grid->addWidget(new QLabel(u"max.100"_s, this), 0, 3);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kBaseDataTopic), 0, 4);
    grid->addWidget(projNrEdit_, 1, 0, 1, 2);
    grid->addWidget(projBesEdit_, 1, 2, 1, 2);
    grid->addWidget(uebernehmenSBtn_, 1, 4);
    grid->addWidget(projekteListView_, 2, 0, 6, 4);
    grid->addWidget(delProjektSBtn_, 2, 4);
    grid->addWidget(chgProjektSBtn_, 3, 4);
    grid->addWidget(copyProjektSBtn_, 4, 4);
    grid->addWidget(sucheProjektBtn_, 5, 4);
    grid->addWidget(staticText3_, 8, 0);
    grid->addWidget(laeStammNrCBox_, 8, 1);
    grid->addWidget(stammNrLabel_, 8, 1);
    grid->addWidget(chgBezeichnungBtn_, 8, 2);
    grid->addWidget(staticText7_, 8, 3);
    grid->addWidget(errLabel_, 9, 0, 1, 5);
    grid->addWidget(saveBtn, 10, 3);
    grid->addWidget(cancelBtn, 10, 4);
    SetTabOrder({ copyProjektSBtn_, sucheProjektBtn_, laeStammNrCBox_ });
    resize(760, 520);

    connect(projNrEdit_, &QLineEdit::textChanged, this, &TProjekteForm::updateTakeOver);
    connect(projBesEdit_, &QLineEdit::textChanged, this, &TProjekteForm::updateTakeOver);
    connect(uebernehmenSBtn_, &QPushButton::clicked, this, &TProjekteForm::UebernehmenSBtnClick);
    connect(delProjektSBtn_, &QPushButton::clicked, this, &TProjekteForm::DelProjektSBtnClick);
    connect(chgProjektSBtn_, &QPushButton::clicked, this, &TProjekteForm::ChgProjektSBtnClick);
    connect(copyProjektSBtn_, &QPushButton::clicked, this, &TProjekteForm::CopyProjektSBtnClick);
    connect(projekteListView_, &QTreeWidget::itemClicked, this, &TProjekteForm::ProjekteListViewClick);
    connect(projekteListView_, &QTreeWidget::itemDoubleClicked, this, &TProjekteForm::ChgProjektSBtnClick);
    connect(laeStammNrCBox_, &QComboBox::activated, this, &TProjekteForm::LaeStammNrCBoxChange);
    connect(chgBezeichnungBtn_, &QPushButton::clicked, this, &TProjekteForm::Chg_BezeichnungBtnClick);
    connect(sucheProjektBtn_, &QPushButton::clicked, this, &TProjekteForm::SucheProjektBtnClick);
    connect(saveBtn, &QPushButton::clicked, this, &TProjekteForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TProjekteForm::CancelBtnClick);
}

void TProjekteForm::FormShow(ActivityListEditor::Mode mode)
{
    editor_.load(mode);
    setCaptions();
    laeStammNrCBox_->setCurrentIndex(laeStammNrCBox_->findText(editor_.masterLength()));
    stammNrLabel_->setText(editor_.masterLength());
    push();
    fillList();
    showEditorState();
}

void TProjekteForm::setCaptions()
{
    const bool projects = editor_.mode() == ActivityListEditor::Mode::Projects;
    setWindowTitle(
        projects ? u"  Projekt - Liste bearbeiten"_s : u"  Sonstige Tätigkeiten - Liste bearbeiten"_s);
    projNrLabel_->setText(projects ? u"Projektnummer"_s : u"Nummer"_s);
    projBesLabel_->setText(projects ? u"Projektbeschreibung"_s : u"Beschreibung"_s);
    projekteListView_->setHeaderLabels(projects ? QStringList { u"Projektnummer"_s, u"Projektbeschreibung"_s }
                                                : QStringList { u"Nummer"_s, u"Beschreibung"_s });
    sucheProjektBtn_->setText(projects ? u"Suche Projekt"_s : u"Suche Tätigkeit"_s);
    staticText3_->setVisible(projects);
    laeStammNrCBox_->setVisible(projects);
    stammNrLabel_->setVisible(!projects);
    chgBezeichnungBtn_->setVisible(!projects);
}

void TProjekteForm::pull()
{
    editor_.number = projNrEdit_->text();
    editor_.description = projBesEdit_->text();
}

void TProjekteForm::push()
{
    projNrEdit_->setText(editor_.number);
    projBesEdit_->setText(editor_.description);
}

void TProjekteForm::fillList()
{
    projekteListView_->clear();
    for (const QString& line : editor_.list().lines())
        projekteListView_->addTopLevelItem(
            new QTreeWidgetItem(QStringList { StringList::KeyOf(line).left(ActivityListFile::kMaxNumber),
                StringList::ValueOf(line).left(ActivityListFile::kMaxDescription) }));
    staticText7_->setText(QString::number(editor_.list().size()));
    sucheProjektBtn_->setEnabled(!editor_.list().isEmpty());
    projekteListView_->clearSelection();
    projekteListView_->setCurrentItem(nullptr);
    setRowButtons(false);
    updateTakeOver();
}

void TProjekteForm::setRowButtons(bool enabled)
{
    delProjektSBtn_->setEnabled(enabled);
    chgProjektSBtn_->setEnabled(enabled);
    copyProjektSBtn_->setEnabled(enabled);
}

void TProjekteForm::updateTakeOver()
{
    uebernehmenSBtn_->setEnabled(!projNrEdit_->text().isEmpty() && !projBesEdit_->text().isEmpty());
}

void TProjekteForm::showEditorState()
{
    ShowError(errLabel_, editor_.errorText());
    if (editor_.focus() == ActivityListEditor::Focus::Number)
        projNrEdit_->setFocus();
}

std::optional<QString> TProjekteForm::selectedNumber() const
{
    const QList<QTreeWidgetItem*> selected = projekteListView_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text(0);
}

void TProjekteForm::UebernehmenSBtnClick()
{
    pull();
    if (editor_.add()) {
        push();
        fillList();
    }
    showEditorState();
}

void TProjekteForm::DelProjektSBtnClick()
{
    const std::optional<QString> row = selectedNumber();
    editor_.remove(row);
    if (row)
        fillList();
    showEditorState();
}

void TProjekteForm::take(bool copy)
{
    pull();
    if (editor_.take(selectedNumber(), copy)) {
        push();
        fillList();
    }
    showEditorState();
}

void TProjekteForm::ChgProjektSBtnClick()
{
    take(false);
}

void TProjekteForm::CopyProjektSBtnClick()
{
    take(true);
}

void TProjekteForm::ProjekteListViewClick()
{
    setRowButtons(!projekteListView_->selectedItems().isEmpty());
}

void TProjekteForm::LaeStammNrCBoxChange()
{
    editor_.chooseMasterLength(laeStammNrCBox_->currentText());
}

void TProjekteForm::Chg_BezeichnungBtnClick()
{
    bezeichnungForm_->FormShow();
    environment_.runModal(*bezeichnungForm_);
}

void TProjekteForm::SucheProjektBtnClick()
{
    const bool projects = editor_.mode() == ActivityListEditor::Mode::Projects;
    chooser_.FormShow(projects ? ActivityChooser::kProjects : ActivityChooser::kOtherActivities, &editor_);
    if (environment_.runModal(chooser_) != QDialog::Accepted)
        return;
    projNrEdit_->setText(chooser_.chosen().number);
    projBesEdit_->setText(chooser_.chosen().description);
}

void TProjekteForm::SaveBtnClick()
{
    pull();
    finish(editor_.save());
}

void TProjekteForm::CancelBtnClick()
{
    pull();
    finish(editor_.cancel());
}

void TProjekteForm::reject()
{
    CancelBtnClick();
}

void TProjekteForm::finish(DialogOutcome outcome)
{
    push();
    showEditorState();
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
