#pragma once

#include <QString>
#include <memory>
#include <optional>

class QSettings;

// KORAV's per-user settings ("software\ruvo\korav"): where the data folder
// is and which visual style is chosen.
class KoravSettings {
public:
    static constexpr char16_t kDirectory[] = u"directory";
    static constexpr char16_t kStyle[] = u"korav_style";

    virtual ~KoravSettings() = default;
    virtual bool readable() const = 0;
    virtual std::optional<QString> read(QStringView name) const = 0;
    // False when the value could not be written.
    virtual bool write(QStringView name, const QString& value) = 0;
    virtual void remove(QStringView name) = 0;
};

// The system's settings store.
class QtKoravSettings final : public KoravSettings {
public:
    // Organisation "ruvo", application "korav".
    QtKoravSettings();
    // A settings file of its own, for tests and portable use.
    explicit QtKoravSettings(const QString& iniFile);
    ~QtKoravSettings() override;

    bool readable() const override;
    std::optional<QString> read(QStringView name) const override;
    bool write(QStringView name, const QString& value) override;
    void remove(QStringView name) override;

private:
    std::unique_ptr<QSettings> settings_;
};
