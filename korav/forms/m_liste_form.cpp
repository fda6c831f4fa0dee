#include "korav/forms/m_liste_form.h"

#include "common/ui/return_key.h"
#include "common/ui/tab_order.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QToolButton* MakeArrow(QWidget* parent, const QString& name, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    return button;
}

QTextEdit* MakeNote(QWidget* parent)
{
    auto* note = new QTextEdit(parent);
    note->setObjectName(u"RichEdit1"_s);
    note->setReadOnly(true);
    note->setPlainText(
        u"Erfassen Sie hier eine \neindeutige \nKurzbezeichnung \ndes Mitarbeiters.\n\n"
        u"Vor- und Nachname des \nMitarbeiters erfassen Sie \nbei den Mitarbeiter-\nStammdaten."_s);
    return note;
}

} // namespace

TMListeForm::TMListeForm(KoravEnvironment& environment, BaseDataSaved saved, QWidget* parent)
    : QDialog(parent),
      editor_(environment.store, std::move(saved)),
      maNeuEdit_(new QLineEdit(this)),
      maListeLBox_(new QListWidget(this)),
      staticText3_(new QLabel(this)),
      errLabel_(MakeStatusLabel(this, u"ErrLabel"_s))
{
    setObjectName(u"MListeForm"_s);
    setWindowTitle(u"   Mitarbeiter-Liste ändern"_s);
    buildControls(environment);
}

void TMListeForm::buildControls(KoravEnvironment& environment)
{
    maNeuEdit_->setObjectName(u"MaNeuEdit"_s);
    maNeuEdit_->setMaxLength(EmployeeListFile::kMaxShortName);
    maListeLBox_->setObjectName(u"MaListeLBox"_s);
    staticText3_->setObjectName(u"StaticText3"_s);
    auto* maNeuBtn = MakeButton(this, u"MaNeuBtn"_s, u">>>>"_s);
    maNeuBtn->setToolTip(u"In Liste übernehmen"_s);
    maNeuBtn->setAutoDefault(false);
    auto* up = MakeArrow(this, u"Zeile_hoch_SBtn"_s, Qt::UpArrow);
    auto* down = MakeArrow(this, u"Zeile_runt_SBtn"_s, Qt::DownArrow);
    auto* delRowBtn = MakeButton(this, u"DelRowBtn"_s, u"&Mitarbeiter löschen"_s);
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    for (QPushButton* button : { delRowBtn, saveBtn, cancelBtn })
        button->setAutoDefault(false);
    saveBtn->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u"Neuer Mitarbeiter"_s, this), 0, 0);
    grid->addWidget(new QLabel(u"Mitarbeiter - Liste"_s, this), 0, 2);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kBaseDataTopic), 0, 4);
    grid->addWidget(maNeuEdit_, 1, 0);
    grid->addWidget(maNeuBtn, 1, 1);
    grid->addWidget(maListeLBox_, 1, 2, 4, 1);
    grid->addWidget(up, 1, 3);
    grid->addWidget(down, 2, 3);
    grid->addWidget(new QLabel(u"max. 10 Zeichen"_s, this), 2, 0);
    auto* note = MakeNote(this);
    grid->addWidget(note, 3, 0, 2, 2);
    grid->addWidget(staticText3_, 5, 2);
    grid->addWidget(delRowBtn, 6, 2);
    grid->addWidget(errLabel_, 7, 0, 1, 5);
    grid->addWidget(saveBtn, 8, 2);
    grid->addWidget(cancelBtn, 8, 3, 1, 2);
    SetTabOrder({ maNeuEdit_, maNeuBtn, maListeLBox_, up, down, note, delRowBtn, saveBtn, cancelBtn });

    OnReturnKey(maNeuEdit_, [this] { MaNeuBtnClick(); });
    connect(maNeuBtn, &QPushButton::clicked, this, &TMListeForm::MaNeuBtnClick);
    connect(up, &QToolButton::clicked, this, &TMListeForm::Zeile_hoch_SBtnClick);
    connect(down, &QToolButton::clicked, this, &TMListeForm::Zeile_runt_SBtnClick);
    connect(delRowBtn, &QPushButton::clicked, this, &TMListeForm::DelRowBtnClick);
    connect(saveBtn, &QPushButton::clicked, this, &TMListeForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TMListeForm::CancelBtnClick);
    connect(maListeLBox_, &QListWidget::currentRowChanged, this, [this](int row) { editor_.select(row); });
    connect(maListeLBox_, &QListWidget::itemClicked, this, [this] {
        editor_.clearError();
        errLabel_->clear();
    });
}

void TMListeForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TMListeForm::FormShow()
{
    editor_.load();
    maNeuEdit_->clear();
    maNeuEdit_->setFocus();
    refresh();
}

void TMListeForm::refresh()
{
    const QSignalBlocker block(maListeLBox_);
    maListeLBox_->clear();
    maListeLBox_->addItems(editor_.names());
    maListeLBox_->setCurrentRow(editor_.selected());
    staticText3_->setText(QString::number(editor_.names().size()));
    ShowError(errLabel_, editor_.errorText());
}

void TMListeForm::MaNeuBtnClick()
{
    if (editor_.add(maNeuEdit_->text()))
        maNeuEdit_->clear();
    else
        maNeuEdit_->setFocus();
    refresh();
}

void TMListeForm::Zeile_hoch_SBtnClick()
{
    editor_.moveUp();
    refresh();
}

void TMListeForm::Zeile_runt_SBtnClick()
{
    editor_.moveDown();
    refresh();
}

void TMListeForm::DelRowBtnClick()
{
    editor_.remove();
    refresh();
}

void TMListeForm::SaveBtnClick()
{
    finish(editor_.save());
}

void TMListeForm::CancelBtnClick()
{
    finish(editor_.cancel());
}

void TMListeForm::reject()
{
    CancelBtnClick();
}

void TMListeForm::finish(DialogOutcome outcome)
{
    refresh();
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
