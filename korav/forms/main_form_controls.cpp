#include "korav/forms/main_form_controls.h"

using namespace Qt::StringLiterals;

const QList<MainControl>& MainControls()
{
    static const QList<MainControl> controls = {
        { u"ChgMListeBtn", u"Mitarbeiter - Liste", u"MenuChgMListe", nullptr, kSetUpGroup },
        { u"ChgMaStammBtn", u"Mitarbeiter - Stammdaten", u"MenuChgMaStamm", nullptr, kSetUpGroup },
        { u"ChgMonSollZBtn", u"Arbeits - Sollzeiten", u"MenuChgMonSollZ", nullptr, kSetUpGroup },
        { u"ChgProjektListeBtn", u"Projekt - Liste", u"MenuChgProjektListe", nullptr, kSetUpGroup },
        { u"ChgSonstigeBtn", u"Sonstige Tätigkeiten - Liste", u"MenuChgSonstige", nullptr, kSetUpGroup },
        { u"ChgFeiertageBtn", u"Feiertage", u"MenuChgFeiertage", nullptr, kSetUpGroup },
        { u"StdSatzBtn", u"Stundensätze", u"MenuStdSatz", nullptr, kSetUpGroup },
        { u"PelinErstellenBtn", u"PELIN-Basisdaten sind aktuell", u"MenuPelinErstellen", nullptr,
            kSetUpGroup },
        { u"ChgOrdnerBtn", u"KORAV - Ordner wechseln", u"MenuChgOrdner", nullptr, kAdministerGroup },
        { u"ChgAPasswBtn", u"Passworte ändern", u"MenuChgAPassw", nullptr, kAdministerGroup },
        { u"BackupBtn", u"Datensicherung", u"MenuChgBackup", nullptr, kAdministerGroup },
        { u"VerbindBtn", u"Verbindungs - Einstellungen", u"MenuVerbind", u"Verbindungs - Einstellungen ",
            kAdministerGroup },
        { u"UpdateBtn", u"Update-ZIP-Datei erstellen", u"MenuUpdate", u"PELIN-Update erstellen",
            kAdministerGroup },
        { u"StartPelinBtn", u"Programm PELIN starten", u"MenuStartPelin", nullptr, kAdministerGroup },
        { u"PelinExeUploadBtn", u"Programm PELIN ist aktuell", u"MenuPelinExeUpload", nullptr,
            kAdministerGroup },
        { u"KoravUploadBtn", u"PELIN-Basisdaten bereitstellen ", u"MenuKoravUpload", nullptr,
            kAdministerGroup },
        { u"KoravDownloadBtn", u"Arbeitszeit-Dateien aktualisieren ", u"MenuKoravDownload", nullptr,
            kCheckGroup },
        { u"PruefJahrBtn", u"Übersicht Arbeitszeit-Dateien", u"MenuPruefJahr", nullptr, kCheckGroup },
        { u"MonatKomplettBtn", u"Monat ersatzweise erfassen", u"MenuMonatKomplett", nullptr, kCheckGroup },
        { u"PelinMonUeBtn", u"PELIN - Monatsübersicht", u"MenuPelinMonUe", nullptr, kReportGroup },
        { u"MaMonatBtn", u"Mitarbeiter", u"MenuMaMonat", u"Monatsübersicht - Mitarbeiter", kReportGroup },
        { u"MaQuartaBtn", u"Mitarbeiter", u"MenuMaQuarta", u"Quartalsübersicht - Mitarbeiter", kReportGroup },
        { u"MaJahrBtn", u"Mitarbeiter", u"MenuMaJahr", u"Jahresübersicht - Mitarbeiter", kReportGroup },
        { u"ProjMonatBtn", u"Projekte", u"MenuProjMonat", u"Monatsübersicht - Projekte", kReportGroup },
        { u"ProjQuartaBtn", u"Projekte", u"MenuProjQuarta", u"Quartalsübersicht - Projekte", kReportGroup },
        { u"ProjJahrBtn", u"Projekte", u"MenuProjJahr", u"Jahresübersicht - Projekte", kReportGroup },
    };
    return controls;
}

const QList<QString>& DataAdminLockedNames()
{
    static const QList<QString> names = {
        u"StdSatzBtn"_s,
        u"ChgAPasswBtn"_s,
        u"BackupBtn"_s,
        u"VerbindBtn"_s,
        u"UpdateBtn"_s,
        u"ProjMonatBtn"_s,
        u"ProjQuartaBtn"_s,
        u"ProjJahrBtn"_s,
        u"MenuStdSatz"_s,
        u"MenuChgAPassw"_s,
        u"MenuVerbind"_s,
        u"MenuUpdate"_s,
        u"MenuChgBackup"_s,
        u"MenuProjMonat"_s,
        u"MenuProjQuarta"_s,
        u"MenuProjJahr"_s,
    };
    return names;
}
