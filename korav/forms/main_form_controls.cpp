#include "korav/forms/main_form_controls.h"

#include "korav/forms/main_form.h"

namespace {

using enum MainCommand;
using enum MainPlace;
using enum MainRole;
using M = TMainForm;

constexpr std::array<MainControl, kMainCommandCount> kControls { {
    { Anmelden, u"AnmeldenBtn", u"Anmelden", u"MenuLogin", u"An- / Abmelden", LoginPanel, Anyone,
        &M::AnmeldenBtnClick },
    { ChgMListe, u"ChgMListeBtn", u"Mitarbeiter - Liste", u"MenuChgMListe", nullptr, SetUp, Admin,
        &M::ChgMListeBtnClick },
    { ChgMaStamm, u"ChgMaStammBtn", u"Mitarbeiter - Stammdaten", u"MenuChgMaStamm", nullptr, SetUp, Admin,
        &M::ChgMaStammBtnClick },
    { ChgMonSollZ, u"ChgMonSollZBtn", u"Arbeits - Sollzeiten", u"MenuChgMonSollZ", nullptr, SetUp, Admin,
        &M::ChgMonSollZBtnClick },
    { ChgProjektListe, u"ChgProjektListeBtn", u"Projekt - Liste", u"MenuChgProjektListe", nullptr, SetUp,
        Admin, &M::ChgProjektListeBtnClick },
    { ChgSonstige, u"ChgSonstigeBtn", u"Sonstige Tätigkeiten - Liste", u"MenuChgSonstige", nullptr, SetUp,
        Admin, &M::ChgSonstigeBtnClick },
    { ChgFeiertage, u"ChgFeiertageBtn", u"Feiertage", u"MenuChgFeiertage", nullptr, SetUp, Admin,
        &M::ChgFeiertageBtnClick },
    { StdSatz, u"StdSatzBtn", u"Stundensätze", u"MenuStdSatz", nullptr, SetUp, SystemAdmin,
        &M::StdSatzBtnClick },
    { Konto, u"KontoBtn", u"Arbeitszeit- / Urlaubskonten", u"MenuKonto", nullptr, SetUp, Admin,
        &M::KontoBtnClick },
    { PelinErstellen, u"PelinErstellenBtn", u"PELIN-Basisdaten sind aktuell", u"MenuPelinErstellen", nullptr,
        SetUp, Admin, &M::PelinErstellenBtnClick },
    { ChgOrdner, u"ChgOrdnerBtn", u"KORAV - Ordner wechseln", u"MenuChgOrdner", nullptr, Administer, Admin,
        &M::ChgOrdnerBtnClick },
    { ChgAPassw, u"ChgAPasswBtn", u"Passworte ändern", u"MenuChgAPassw", nullptr, Administer, SystemAdmin,
        &M::ChgAPasswBtnClick },
    { Backup, u"BackupBtn", u"Datensicherung", u"MenuChgBackup", nullptr, Administer, SystemAdmin,
        &M::BackupBtnClick },
    { Verbind, u"VerbindBtn", u"Verbindungs - Einstellungen", u"MenuVerbind", u"Verbindungs - Einstellungen ",
        Administer, SystemAdmin, &M::VerbindBtnClick },
    { Update, u"UpdateBtn", u"Update-ZIP-Datei erstellen", u"MenuUpdate", u"PELIN-Update erstellen",
        Administer, SystemAdmin, &M::UpdateBtnClick },
    { StartPelin, u"StartPelinBtn", u"Programm PELIN starten", u"MenuStartPelin", nullptr, Administer, Admin,
        &M::StartPelinBtnClick },
    { PelinExeUpload, u"PelinExeUploadBtn", u"Programm PELIN ist aktuell", u"MenuPelinExeUpload", nullptr,
        Administer, Admin, &M::PelinExeUploadBtnClick },
    { KoravUpload, u"KoravUploadBtn", u"PELIN-Basisdaten bereitstellen ", u"MenuKoravUpload", nullptr,
        Administer, Admin, &M::KoravUploadBtnClick },
    { KoravDownload, u"KoravDownloadBtn", u"Arbeitszeit-Dateien aktualisieren ", u"MenuKoravDownload",
        nullptr, Check, Admin, &M::KoravDownloadBtnClick },
    { PruefJahr, u"PruefJahrBtn", u"Übersicht Arbeitszeit-Dateien", u"MenuPruefJahr", nullptr, Check, Admin,
        &M::PruefJahrBtnClick },
    { MonatKomplett, u"MonatKomplettBtn", u"Monat ersatzweise erfassen", u"MenuMonatKomplett", nullptr, Check,
        Admin, &M::MonatKomplettBtnClick },
    { MonatAbschluss, u"MonatAbschlussBtn", u"Monate abschließen bis", u"MenuMonatAbschluss", nullptr, Check,
        Admin, &M::MonatAbschlussBtnClick },
    { PelinMonUe, u"PelinMonUeBtn", u"PELIN - Monatsübersicht", u"MenuPelinMonUe", nullptr, Report, Admin,
        &M::PelinMonUeBtnClick },
    { MaKonto, u"MaKontoBtn", u"Arbeitszeitkonto", u"MenuMaKonto", u"Arbeitszeitkonto - Mitarbeiter", Report,
        Admin, &M::MaKontoBtnClick },
    { ArbZG, u"ArbZGBtn", u"Arbeitszeitgesetz", u"MenuArbZG", u"Arbeitszeitgesetz prüfen", Report, Admin,
        &M::ArbZGBtnClick },
    { Stundenzettel, u"StundenzettelBtn", u"Stundenzettel", u"MenuStundenzettel", nullptr, Report, Admin,
        &M::StundenzettelBtnClick },
    { MaMonat, u"MaMonatBtn", u"Mitarbeiter", u"MenuMaMonat", u"Monatsübersicht - Mitarbeiter", Overview,
        Admin, &M::MaMonatBtnClick },
    { MaQuarta, u"MaQuartaBtn", u"Mitarbeiter", u"MenuMaQuarta", u"Quartalsübersicht - Mitarbeiter", Overview,
        Admin, &M::MaQuartaBtnClick },
    { MaJahr, u"MaJahrBtn", u"Mitarbeiter", u"MenuMaJahr", u"Jahresübersicht - Mitarbeiter", Overview, Admin,
        &M::MaJahrBtnClick },
    { ProjMonat, u"ProjMonatBtn", u"Projekte", u"MenuProjMonat", u"Monatsübersicht - Projekte", Overview,
        SystemAdmin, &M::ProjMonatBtnClick },
    { ProjQuarta, u"ProjQuartaBtn", u"Projekte", u"MenuProjQuarta", u"Quartalsübersicht - Projekte", Overview,
        SystemAdmin, &M::ProjQuartaBtnClick },
    { ProjJahr, u"ProjJahrBtn", u"Projekte", u"MenuProjJahr", u"Jahresübersicht - Projekte", Overview,
        SystemAdmin, &M::ProjJahrBtnClick },
    { Close, u"CloseBtn", u"Beenden", u"MenuClose", u"Programm schließen", Bottom, Anyone,
        &M::CloseBtnClick },
} };

constexpr bool IndexedByCommand()
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (std::size_t(kControls[i].command) != i)
            return false;
    return true;
}
static_assert(IndexedByCommand(), "the table must list the commands in their order");

} // namespace

const std::array<MainControl, kMainCommandCount>& MainControls()
{
    return kControls;
}

const MainControl& MainControlOf(MainCommand command)
{
    return kControls[std::size_t(command)];
}
