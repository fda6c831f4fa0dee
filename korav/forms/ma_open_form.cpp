#include "korav/forms/ma_open_form.h"

#include "korav/core/base_data_store.h"
#include "korav/core/data_folder_takeover.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

TMaOpenForm::TMaOpenForm(KoravEnvironment& environment, QWidget* parent)
    : QDialog(parent), environment_(environment), label2_(new QLabel(this)), edit1_(new QLineEdit(this))
{
    setObjectName(u"MaOpenForm"_s);
    setWindowTitle(u"  KORAV - Ordner wählen"_s);
    label2_->setObjectName(u"Label2"_s);
    auto* label6 = new QLabel(u"Ausgewählter Ordner"_s, this);
    label6->setObjectName(u"Label6"_s);
    edit1_->setObjectName(u"Edit1"_s);
    edit1_->setReadOnly(true);
    edit1_->setMinimumWidth(420);
    auto* ordnerBtn = MakeButton(this, u"OrdnerBtn"_s, {});
    ordnerBtn->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ordnerBtn->setToolTip(u"KORAV-Ordner wählen"_s);
    auto* uebernehmenBtn = MakeButton(this, u"UebernehmenBtn"_s, u"&Übernehmen"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    uebernehmenBtn->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label2_, 0, 0, 1, 2);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kAdministrationTopic), 0, 2);
    grid->addWidget(label6, 1, 0);
    grid->addWidget(edit1_, 2, 0, 1, 2);
    grid->addWidget(ordnerBtn, 2, 2);
    grid->addWidget(uebernehmenBtn, 3, 0);
    grid->addWidget(cancelBtn, 3, 1);

    connect(ordnerBtn, &QPushButton::clicked, this, &TMaOpenForm::OrdnerBtnClick);
    connect(uebernehmenBtn, &QPushButton::clicked, this, &TMaOpenForm::UebernehmenBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TMaOpenForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TMaOpenForm::FormShow()
{
    label2_->setText(u"Wählen Sie einen Ordner aus ..."_s);
    edit1_->setText(environment_.store.folder().folder());
}

void TMaOpenForm::OrdnerBtnClick()
{
    selectDir_.Titel = u"Ordner mit KORAV - Dateien (*.kvd) auswählen oder neuen Ordner erstellen"_s;
    selectDir_.RootDir = u"Desktop"_s;
    selectDir_.StartDir = edit1_->text().isEmpty() ? environment_.store.folder().folder() : edit1_->text();
    if (selectDir_.Execute())
        edit1_->setText(selectDir_.SelectedDir);
}

void TMaOpenForm::UebernehmenBtnClick()
{
    const std::optional<DataFolder> folder = TakeOverDataFolder(edit1_->text(),
        { environment_.messenger, environment_.settings, environment_.store.folder(),
            environment_.programDirectory });
    if (!folder)
        return;
    environment_.store.setFolder(*folder);
    Q_EMIT dataFolderChanged(*folder);
    accept();
}
