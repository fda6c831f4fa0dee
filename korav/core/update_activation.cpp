#include "korav/core/update_activation.h"

#include "common/messenger.h"
#include "korav/core/connection_settings.h"
#include "korav/core/korav_config.h"

using namespace Qt::StringLiterals;

namespace UpdateActivation {

QString ServerTimeText(const QDateTime& serverTime)
{
    return serverTime.toString(u"dd.MM.yyyy HH:mm:ss"_s);
}

QString LastNumberText(const StringList& config)
{
    if (!config.hasKey(KoravConfig::kUpdateNumber))
        return QString::fromUtf16(kNoNumber);
    return config.value(KoravConfig::kUpdateNumber);
}

std::optional<QString> Activate(const QString& packageTime, const QString& lastNumber, Messenger& messenger)
{
    const QString number = packageTime.left(kNumberLength);
    if (lastNumber != QStringView(kNoNumber) && lastNumber.left(kNumberLength) == number) {
        messenger.show(u"Update für diesen Stand der ZIP-Datei ist bereits aktiviert !  "_s);
        return std::nullopt;
    }
    return number;
}

bool StoreOnClose(const QString& newNumber, ConnectionSettings& settings, Messenger& messenger)
{
    if (messenger.ask(u"Änderungen speichern ?  "_s) != kAnswerYes)
        return false;
    if (!settings.saveUpdateNumber(newNumber))
        return false;
    messenger.show(u"Wählen Sie Schalter 'PELIN-Basisdaten erstellen '  \n\nund anschließend Schalter "
                   "'PELIN-Basisdaten breitstellen' \n\num den Anwendern die geänderten Daten zur Verfügung "
                   "zu stellen !  "_s);
    return true;
}

} // namespace UpdateActivation
