#include "pelin/forms/help_pages.h"

using namespace Qt::StringLiterals;

QString HelpPageGeneral()
{
    return u"<h2>Allgemeines</h2>"
           u"<p>PELIN erfasst Ihre Arbeitszeit und verteilt sie auf Projekte und sonstige Tätigkeiten.</p>"
           u"<h3>Anmelden</h3>"
           u"<p>Geben Sie Ihr Kennwort ein (bei Anmeldung über den Verzeichnisdienst Ihren Anmeldenamen "
           u"und Ihr Kennwort) und drücken Sie <b>Anmelden</b> oder die Eingabetaste. PELIN holt dann "
           u"Ihre Stammdaten und die Zeitdateien des laufenden und des vorigen Monats.</p>"
           u"<h3>Abmelden</h3>"
           u"<p>Beim Abmelden oder Beenden fragt PELIN, ob Änderungen gespeichert werden sollen. "
           u"Mit <b>Ja</b> werden Ihre Monatsdateien gespeichert und in den zentralen Ordner übertragen.</p>"
           u"<h3>Bearbeitbare Monate</h3>"
           u"<p>Bearbeitet werden können der laufende und der vorige Monat.</p>"
           u"<h3>Darstellung</h3>"
           u"<p>Im Menü <b>Stil</b> wählen Sie zwischen der Systemdarstellung und einer grauen Darstellung. "
           u"Die Wahl gilt beim nächsten Start weiter.</p>"_s;
}

QString HelpPageOperation()
{
    return u"<h2>Bedienung</h2>"
           u"<h3>Tag auswählen</h3>"
           u"<p>Klicken Sie im Kalender auf einen Tag oder blättern Sie mit den Pfeiltasten tage- und "
           u"monatsweise.</p>"
           u"<h3>Kommen und Gehen</h3>"
           u"<p>Klicken Sie in ein Zeitfeld; in der Zeitauswahl wählen Sie zuerst die Stunde, dann die "
           u"Minute. Graue Felder sind nicht wählbar.</p>"
           u"<h3>Tätigkeiten</h3>"
           u"<p>Wählen Sie eine Tätigkeit aus der Liste, dann die Dauer, und tragen Sie sie mit "
           u"<b>in Tagesliste eintragen</b> ein. <b>Offene Zeit</b> übernimmt die noch nicht verteilte "
           u"Arbeitszeit. Über die Schnelltasten tragen Sie Pause, Krank, Urlaub und weitere Abwesenheiten "
           u"mit einem Klick ein.</p>"
           u"<h3>Arbeitszeitgesetz</h3>"
           u"<p>Verstößt der angezeigte Tag gegen die Höchstarbeitszeit von 10 Stunden (ArbZG §3) oder "
           u"fehlt die Pause von 30 Minuten bei mehr als 6 Stunden bzw. 45 Minuten bei mehr als 9 Stunden "
           u"Arbeitszeit (ArbZG §4), nennt eine gelbe Hinweiszeile unter den Tageswerten die Regel. Der Tag "
           u"wird trotzdem gespeichert. Tage nur mit Urlaub, Krank oder Gleitfrei sind ausgenommen.</p>"
           u"<h3>Bemerkung</h3>"
           u"<p>Ein Klick auf die Bemerkung öffnet ein Eingabefeld für bis zu 60 Zeichen.</p>"
           u"<h3>Monatsübersicht</h3>"
           u"<p>Die Monatsübersicht zeigt alle Tage des Monats mit Summen und kann als Textdatei "
           u"gespeichert werden.</p>"_s;
}
