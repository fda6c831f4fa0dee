#include "korav/forms/feiertag_form.h"

#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

struct RegionalHoliday {
    const char16_t* caption;
    const char16_t* note;
};

constexpr RegionalHoliday kRegionalHolidays[HolidaySettingsEditor::kSwitches] = {
    { u"Heilige Drei Könige", u"in  BaWü, Bay, SachsAnh" },
    { u"Fronleichnam", u"in  BaWü, Bay, Hess, NoWestf, RhPfalz, Saarl, Sachs*, Thüri*" },
    { u"Mariä Himmelfahrt", u"in  Bay*, Saarl" },
    { u"Reformationstag", u"in  Brand, MeckVorp, Sachs, SachsAnh, Thüri" },
    { u"Allerheiligen", u"in  BaWü, Bay, NoWestf, RhPfalz, Saarl" },
    { u"Buß- und Bettag", u"in  Sachs" },
};

} // namespace

TFeiertagForm::TFeiertagForm(KoravEnvironment& environment, BaseDataSaved saved, QWidget* parent)
    : QDialog(parent), editor_(environment.store, std::move(saved))
{
    setObjectName(u"FeiertagForm"_s);
    setWindowTitle(u"  Feiertage"_s);
    buildControls(environment);
}

void TFeiertagForm::buildControls(KoravEnvironment& environment)
{
    auto* group = new QGroupBox(u" Feiertage"_s, this);
    auto* radios = new QHBoxLayout(group);
    const std::tuple<QString, QString, int> countries[]
        = { { u"RBtnD"_s, u"D"_s, HolidaySettingsEditor::kGermany },
              { u"RBtnA"_s, u"A"_s, HolidaySettingsEditor::kAustria },
              { u"RBtnCH"_s, u"CH"_s, HolidaySettingsEditor::kSwitzerland },
              { u"RBtnohne"_s, u"keine"_s, HolidaySettingsEditor::kNone } };
    for (const auto& [name, caption, code] : countries) {
        auto* radio = new QRadioButton(caption, group);
        radio->setObjectName(name);
        radios->addWidget(radio);
        countries_.append({ radio, code });
        // Clang before 16 cannot capture a structured binding; it can
        // capture a copy.
        connect(radio, &QRadioButton::clicked, this, [this, country = code] { countryClicked(country); });
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0, 1, 2);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kBaseDataTopic), 0, 2);
    auto* heading = new QLabel(u"Unterschiedliche Feiertage für Bundesländer vorgeben ( nur  D )"_s, this);
    notes_.append(heading);
    grid->addWidget(heading, 1, 0, 1, 3);
    for (int i = 0; i < HolidaySettingsEditor::kSwitches; ++i) {
        auto* box = new QCheckBox(QString::fromUtf16(kRegionalHolidays[i].caption), this);
        box->setObjectName(u"CheckBox%1"_s.arg(i));
        auto* note = new QLabel(QString::fromUtf16(kRegionalHolidays[i].note), this);
        checkBoxes_.append(box);
        notes_.append(note);
        grid->addWidget(box, 2 + i, 0);
        grid->addWidget(note, 2 + i, 1, 1, 2);
    }
    auto* footnote = new QLabel(u"* in Gemeinden mit überw. katholischer Bevölkerung"_s, this);
    notes_.append(footnote);
    grid->addWidget(footnote, 8, 0, 1, 3);
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    saveBtn->setAutoDefault(false);
    saveBtn->setDefault(true);
    cancelBtn->setAutoDefault(false);
    grid->addWidget(saveBtn, 9, 1);
    grid->addWidget(cancelBtn, 9, 2);
    connect(saveBtn, &QPushButton::clicked, this, &TFeiertagForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TFeiertagForm::CancelBtnClick);
}

void TFeiertagForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFeiertagForm::FormShow()
{
    editor_.load();
    for (const auto& [radio, code] : std::as_const(countries_))
        radio->setChecked(code == editor_.country);
    showSwitches();
}

void TFeiertagForm::countryClicked(int code)
{
    editor_.ShowStateHolidays(code);
    showSwitches();
}

void TFeiertagForm::showSwitches()
{
    const bool enabled = editor_.switchesEnabled();
    for (int i = 0; i < checkBoxes_.size(); ++i) {
        checkBoxes_.at(i)->setEnabled(enabled);
        checkBoxes_.at(i)->setChecked(editor_.switches[i]);
    }
    for (QLabel* note : std::as_const(notes_))
        note->setStyleSheet(enabled ? u"color: black;"_s : u"color: rgb(128, 128, 128);"_s);
}

void TFeiertagForm::pull()
{
    editor_.country = HolidaySettingsEditor::kNone;
    for (const auto& [radio, code] : std::as_const(countries_)) {
        if (radio->isChecked())
            editor_.country = code;
    }
    for (int i = 0; i < checkBoxes_.size(); ++i)
        editor_.switches[i] = checkBoxes_.at(i)->isChecked();
}

void TFeiertagForm::SaveBtnClick()
{
    pull();
    finish(editor_.save());
}

void TFeiertagForm::CancelBtnClick()
{
    pull();
    finish(editor_.cancel());
}

void TFeiertagForm::reject()
{
    CancelBtnClick();
}

void TFeiertagForm::finish(DialogOutcome outcome)
{
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
