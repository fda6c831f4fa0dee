#include "korav/core/holiday_settings_editor.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_config.h"

using namespace Qt::StringLiterals;

namespace {

int CountryOf(const QString& code)
{
    if (code == u"1"_s)
        return HolidaySettingsEditor::kAustria;
    if (code == u"2"_s)
        return HolidaySettingsEditor::kSwitzerland;
    if (code == u"99"_s)
        return HolidaySettingsEditor::kNone;
    return HolidaySettingsEditor::kGermany;
}

bool SetIfChanged(StringList& config, const char16_t* key, const QString& value)
{
    const bool changed = !config.hasKey(key) || config.value(key) != value;
    config.setValue(QString::fromUtf16(key), value);
    return changed;
}

} // namespace

HolidaySettingsEditor::HolidaySettingsEditor(const BaseDataStore& store, BaseDataSaved saved)
    : store_(store), saved_(std::move(saved))
{
}

void HolidaySettingsEditor::load()
{
    config_ = KoravConfig::Load(store_);
    country = CountryOf(KoravConfig::Value(config_, KoravConfig::kCountryCode));
    ShowStateHolidays(country);
}

void HolidaySettingsEditor::ShowStateHolidays(int code)
{
    country = code;
    const QString stored = KoravConfig::Value(config_, KoravConfig::kRegionalHolidays);
    for (int i = 0; i < kSwitches; ++i)
        switches[i] = code == kGermany && i < stored.size() && stored.at(i) == u'1';
}

QString HolidaySettingsEditor::SwitchesText() const
{
    // The boxes are greyed for every other country: the stored switches
    // stay, so that choosing Germany again finds them.
    if (country != kGermany)
        return KoravConfig::Value(config_, KoravConfig::kRegionalHolidays);
    QString flags;
    for (const bool on : switches)
        flags += on ? u'1' : u'0';
    return flags;
}

bool HolidaySettingsEditor::CollectHolidaySettings()
{
    const QString flags = SwitchesText();
    const bool countryChanged = SetIfChanged(config_, KoravConfig::kCountryCode, QString::number(country));
    const bool flagsChanged = SetIfChanged(config_, KoravConfig::kRegionalHolidays, flags);
    return countryChanged || flagsChanged;
}

DialogOutcome HolidaySettingsEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(u"In einen Sicherungsordner können keine Daten gespeichert werden !  "_s);
        return DialogOutcome::Close;
    }
    if (!CollectHolidaySettings())
        return DialogOutcome::Close;
    if (!KoravConfig::Save(store_, config_))
        return DialogOutcome::Stay;
    if (saved_)
        saved_();
    return DialogOutcome::Close;
}

DialogOutcome HolidaySettingsEditor::cancel()
{
    if (store_.isBackupFolder())
        return DialogOutcome::Close;
    if (CollectHolidaySettings() && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes) {
        config_ = KoravConfig::Load(store_);
        return DialogOutcome::Stay;
    }
    return DialogOutcome::Close;
}
