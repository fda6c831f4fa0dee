#include "korav/forms/ma_stamm_form.h"

#include "common/ui/return_key.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

TMaStammForm::TMaStammForm(KoravEnvironment& environment, BaseDataSaved saved, QWidget* parent)
    : QDialog(parent),
      editor_(environment.store, std::move(saved)),
      maLBox_(new QListWidget(this)),
      maLabel_(new QLabel(this)),
      maLBezEdit_(makeEntry(u"MaLBezEdit"_s, MasterDataRecord::kMaxLongName)),
      personalNrEdit_(makeEntry(u"PersonalNrEdit"_s, MasterDataRecord::kMaxPersonnelNumber)),
      passwortEdit_(makeEntry(u"PasswortEdit"_s, MasterDataRecord::kMaxPassword)),
      bGradEdit_(makeEntry(u"BGradEdit"_s, MasterDataRecord::kMaxDegree)),
      tagSollStdEdit_(makeEntry(u"TagSollStdEdit"_s, 2)),
      tagSollMinEdit_(makeEntry(u"TagSollMinEdit"_s, 2)),
      errLabel_(MakeStatusLabel(this, u"ErrLabel"_s))
{
    setObjectName(u"MaStammForm"_s);
    setWindowTitle(u"  Mitarbeiter - Stammdaten erfassen"_s);
    buildControls(environment);
}

QLineEdit* TMaStammForm::makeEntry(const QString& name, int maxLength)
{
    auto* entry = new QLineEdit(this);
    entry->setObjectName(name);
    entry->setMaxLength(maxLength);
    entry->installEventFilter(this);
    return entry;
}

void TMaStammForm::buildControls(KoravEnvironment& environment)
{
    maLBox_->setObjectName(u"MaLBox"_s);
    maLabel_->setObjectName(u"MaLabel"_s);
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    saveBtn->setAutoDefault(false);
    cancelBtn->setAutoDefault(false);
    saveBtn->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u"alphabetische Mitarbeiter - Liste"_s, this), 0, 0);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kBaseDataTopic), 0, 3);
    grid->addWidget(maLBox_, 1, 0, 10, 1);
    grid->addWidget(new QLabel(u"Schlüssel Mitarbeiter"_s, this), 1, 1);
    grid->addWidget(maLabel_, 2, 1);
    const std::pair<QString, QString> captions[]
        = { { u"Langer Mitarbeitername"_s, u"max.30"_s }, { u"Personalnummer"_s, u"max.12"_s },
              { u"Mitarbeiter - Passwort"_s, u"max.12"_s }, { u"Beschäftigungsgrad"_s, u"max.5  %"_s } };
    QLineEdit* const entries[] = { maLBezEdit_, personalNrEdit_, passwortEdit_, bGradEdit_ };
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(captions[i].first, this), 3 + 2 * i, 1);
        grid->addWidget(entries[i], 4 + 2 * i, 1);
        grid->addWidget(new QLabel(captions[i].second, this), 4 + 2 * i, 2);
    }
    auto* daily = new QHBoxLayout;
    daily->addWidget(tagSollStdEdit_);
    daily->addWidget(new QLabel(u":"_s, this));
    daily->addWidget(tagSollMinEdit_);
    grid->addWidget(new QLabel(u"Tägliche Soll-Arbeitszeit"_s, this), 11, 1);
    grid->addLayout(daily, 12, 1);
    grid->addWidget(new QLabel(u"Std. : Min. (leer = wie Firma)"_s, this), 12, 2);
    grid->addWidget(errLabel_, 13, 0, 1, 4);
    grid->addWidget(saveBtn, 14, 1);
    grid->addWidget(cancelBtn, 14, 2);

    connect(maLBox_, &QListWidget::itemClicked, this, &TMaStammForm::MaLBoxClick);
    // Return walks through the fields as it always did; Save stays the
    // default for Return elsewhere.
    const std::pair<QLineEdit*, QLineEdit*> returnSteps[] = { { maLBezEdit_, personalNrEdit_ },
        { personalNrEdit_, passwortEdit_ }, { passwortEdit_, bGradEdit_ }, { bGradEdit_, maLBezEdit_ },
        { tagSollStdEdit_, tagSollMinEdit_ }, { tagSollMinEdit_, maLBezEdit_ } };
    for (const auto& [from, to] : returnSteps)
        OnReturnKey(from, [to] { to->setFocus(); });
    connect(saveBtn, &QPushButton::clicked, this, &TMaStammForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TMaStammForm::CancelBtnClick);
}

void TMaStammForm::FormShow(const QStringList& employees)
{
    editor_.load(employees);
    const QSignalBlocker block(maLBox_);
    maLBox_->clear();
    maLBox_->addItems(editor_.names());
    maLBox_->setCurrentRow(-1);
    maLabel_->clear();
    maLBox_->setFocus();
    pushEntries();
    ShowError(errLabel_, editor_.errorText());
}

bool TMaStammForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && !editor_.editing()) {
        maLBox_->setFocus();
        editor_.requireSelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TMaStammForm::pullEntries()
{
    editor_.entries
        = { maLBezEdit_->text(), personalNrEdit_->text(), passwortEdit_->text(), bGradEdit_->text() };
    editor_.dailyHours = tagSollStdEdit_->text();
    editor_.dailyMinutes = tagSollMinEdit_->text();
}

void TMaStammForm::pushEntries()
{
    maLBezEdit_->setText(editor_.entries.longName);
    personalNrEdit_->setText(editor_.entries.personnelNumber);
    passwortEdit_->setText(editor_.entries.password);
    bGradEdit_->setText(editor_.entries.degree);
    tagSollStdEdit_->setText(editor_.dailyHours);
    tagSollMinEdit_->setText(editor_.dailyMinutes);
}

void TMaStammForm::MaLBoxClick()
{
    const QListWidgetItem* item = maLBox_->currentItem();
    if (!item)
        return;
    pullEntries();
    if (!editor_.select(item->text())) {
        const QSignalBlocker block(maLBox_);
        const QList<QListWidgetItem*> previous = maLBox_->findItems(editor_.selectedName(), Qt::MatchExactly);
        maLBox_->setCurrentItem(previous.isEmpty() ? nullptr : previous.first());
        return;
    }
    maLabel_->setText(editor_.selectedName());
    pushEntries();
    ShowError(errLabel_, editor_.errorText());
}

void TMaStammForm::SaveBtnClick()
{
    pullEntries();
    finish(editor_.save());
}

void TMaStammForm::CancelBtnClick()
{
    pullEntries();
    finish(editor_.cancel());
}

void TMaStammForm::reject()
{
    CancelBtnClick();
}

void TMaStammForm::finish(DialogOutcome outcome)
{
    pushEntries();
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
