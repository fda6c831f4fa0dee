#include "korav/cli/command_help.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QString CommandHelpText()
{
    const QStringList lines = {
        u"KORAV ohne Fenster"_s,
        u""_s,
        u"Aufruf:"_s,
        u"  korav                       Programm mit Fenster starten"_s,
        u"  korav --help | -h           diese Hilfe anzeigen"_s,
        u"  korav build   --data ORDNER           PELIN-Basisdaten erstellen"_s,
        u"  korav provide --data ORDNER           PELIN-Basisdaten bereitstellen"_s,
        u"  korav collect --data ORDNER           Arbeitszeit-Dateien aktualisieren"_s,
        u"  korav backup  --data ORDNER [--now]   Datensicherung: wie die automatische (wenn fällig),"_s,
        u"                                        mit --now sofort wie \"Datensicherung jetzt ausführen\""_s,
        u"  korav restore --data ORDNER --from terminbkpN [DATEI ...]"_s,
        u"        Daten aus dem Sicherungsordner terminbkpN wiederherstellen: die genannten Dateien"_s,
        u"        (zum Beispiel zama.kvd oder auswtg/202303/az2023034711.kvd) oder alle; der heutige"_s,
        u"        Stand wird vorher in einem eigenen Sicherungsordner gesichert (\"vor Wiederherstellung\")"_s,
        u"  korav demo ORDNER [--employees N] [--months M] [--seed S] [--until JJJJ-MM]"_s,
        u"        Demo-Firma in einen neuen oder leeren ORDNER schreiben (ohne Passwort);"_s,
        u"        die Passwörter stehen danach auf der Standardausgabe und in demo-zugang.txt"_s,
        u"  korav report employee|project|check|viewer|account|law|timesheet --data ORDNER --year JAHR"_s,
        u"        [--month MONAT | --quarter 1|2|3|4|1-2|1-3|1-4]"_s,
        u"        [--employee NAME|00-Alle] [--activity NUMMER|00-Alle] [--forecast] [--missing]"_s,
        u"        --format txt|pdf|xlsx|csv --out DATEI|ORDNER"_s,
        u""_s,
        u"Übersichten:"_s,
        u"  employee   Mitarbeiter-Übersicht (Monat, Quartal, Jahr); txt, pdf, xlsx, csv"_s,
        u"  project    Projekt-Übersicht (Monat, Quartal, Jahr); txt, pdf, xlsx, csv; --forecast: Prognose-Stundensatz"_s,
        u"  check      Übersicht Arbeitszeit-Dateien eines Jahres; txt, pdf; --missing: nur fehlende Monate"_s,
        u"  viewer     PELIN-Monatsübersicht eines Mitarbeiters (--month und --employee nötig); txt"_s,
        u"  account    Arbeitszeitkonto und Urlaub eines Jahres; txt, pdf, xlsx, csv"_s,
        u"  law        Arbeitszeitgesetz: Tage mit Befund je Mitarbeiter (Monat, Quartal, Jahr); txt, pdf, xlsx, csv"_s,
        u"  timesheet  Stundenzettel zum Unterschreiben (--month nötig); pdf; 00-Alle: jeder Mitarbeiter"_s,
        u"             mit Arbeitszeiten im Monat als eigene Datei in den Ordner --out"_s,
        u"  Ohne --month und --quarter gilt das ganze Jahr. Ohne --employee und --activity gilt 00-Alle."_s,
        u"  Ist --out ein Ordner, wird die Datei unter dem vorgeschlagenen Namen darin gespeichert."_s,
        u""_s,
        u"Gemeinsame Angaben:"_s,
        u"  --data ORDNER       der KORAV-Ordner"_s,
        u"  --password TEXT     Administrator-Passwort (sonst Umgebungsvariable KORAV_PASSWORD)"_s,
        u"                      Vorsicht: --password sieht jeder Benutzer des Rechners in der"_s,
        u"                      Prozessliste; besser KORAV_PASSWORD setzen."_s,
        u"  --yes               Rückfragen mit \"Ja\" beantworten (sonst gilt \"Nein\")"_s,
        u"  Datensicherung, Wiederherstellung und Projekt-Übersicht nur für den System-Administrator."_s,
        u""_s,
        u"Meldungen erscheinen zeilenweise auf der Standardfehlerausgabe."_s,
        u"Rückgabewert: 0 erfolgreich, 1 abgelehnt oder fehlgeschlagen, 2 falscher Aufruf."_s,
        u"  restore gibt 0 nur zurück, wenn jede Datei wiederhergestellt wurde."_s,
    };
    return lines.join(u'\n') + u'\n';
}
