#include "shell/meldungstabelle.h"

#include <QHash>

const QStringList& Meldungstabelle::eingebaut() {
  // 69 and 70 are read by nothing; 71 to 75 are German texts of our own so that the questions
  // before clearing the tips and after editing the list never show an empty box.
  static const QStringList zeilen = {
      QStringLiteral("Kestrells Zahlen-Kenner"),  // 0
      QStringLiteral("Quintavola"),  // 1
      QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"),  // 2
      QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem "),  // 3
      QStringLiteral(" aus dem Internet neu aufbauen??"),  // 4
      QStringLiteral("Ziehungsdaten löschen?"),  // 5
      QStringLiteral("Zahlenverteilung"),  // 6
      QStringLiteral("Ziehungen : "),  // 7
      QStringLiteral("Quersumme: "),  // 8
      QStringLiteral("Wie oft wurden die einzelnen Eurozahlen gezogen?"),  // 9
      QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),  // 10
      QStringLiteral("Tipp-Test"),  // 11
      QStringLiteral("Ein Treffer am  "),  // 12
      QStringLiteral(" gefunden. Weiter?"),  // 13
      QStringLiteral("Ziehung gefunden"),  // 14
      QStringLiteral("Paare gefunden :  "),  // 15
      QStringLiteral("Dreier gefunden :  "),  // 16
      QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"),  // 17
      QStringLiteral("Quersummenverteilung"),  // 18
      QStringLiteral("Vierer gefunden!"),  // 19
      QStringLiteral("Stoppen"),  // 20
      QStringLiteral("Berechnung der Paarbildung"),  // 21
      QStringLiteral("Berechnung der Dreiergruppenbildung"),  // 22
      QStringLiteral("Berechnung der Vierergruppenbildung"),  // 23
      QStringLiteral("Berechnung der Zahlenverteilung"),  // 24
      QStringLiteral("Berechnung der aussehenden Zahlen"),  // 25
      QStringLiteral("Berechnung der Nachbarzahlen der letzten Ziehung"),  // 26
      QStringLiteral("Beginn der Tippberechnung"),  // 27
      QStringLiteral("Tipp"),  // 28
      QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"),  // 29
      QStringLiteral("Tipps wurden neu berechnet"),  // 30
      QStringLiteral("Tipps"),  // 31
      QStringLiteral("Kestrells Lotto-Tipp für "),  // 32
      QStringLiteral("Eurozahl"),  // 33
      QStringLiteral("Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"),  // 34
      QStringLiteral("Ihre Glückszahl (1-99999999)?"),  // 35
      QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"),  // 36
      QStringLiteral("Glückszahl"),  // 37
      QStringLiteral("gesetzt"),  // 38
      QStringLiteral("Zahlenverteilung des Tippes"),  // 39
      QStringLiteral("Soll die Analyse der Einstellungen jetzt ab dem "),  // 40
      QStringLiteral("durchgeführt werden??"),  // 41
      QStringLiteral("aktuellen Tipps werden dabei gelöscht?"),  // 42
      QStringLiteral("Aktuelle Einstellung brachten"),  // 43
      QStringLiteral("Anzahl ohne Eurozahlen"),  // 44
      QStringLiteral("Reihen"),  // 45
      QStringLiteral("Fehler bei Eingabe der Zufallszahl"),  // 46
      QStringLiteral("Eurozahlen"),  // 47
      QStringLiteral("Fehler"),  // 48
      QStringLiteral("Hinweis"),  // 49
      QStringLiteral("Zahlen für Berechnung wählen"),  // 50
      QStringLiteral("Tipp bearbeiten"),  // 51
      QStringLiteral("Zufall"),  // 52
      QStringLiteral("Stopp"),  // 53
      QStringLiteral("Welche Eurozahl wurde am längsten nicht gezogen?"),  // 54
      QStringLiteral("Soll die Analyse der Datenbank jetzt ab dem"),  // 55
      QStringLiteral("durchgeführt werden??"),  // 56
      QStringLiteral("aktuellen Tipps werden dabei gelöscht?"),  // 57
      QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),  // 58
      QStringLiteral("Ziehungsergebnis vergleichen"),  // 59
      QStringLiteral("Ein Treffer gefunden am"),  // 60
      QStringLiteral("Weiter?"),  // 61
      QStringLiteral("Ziehung gefunden"),  // 62
      QStringLiteral("Treffer von Ziehungen in der Datenbank"),  // 63
      QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),  // 64
      QStringLiteral("Sollen die Tipps übertragen werden"),  // 65
      QStringLiteral("Übertragen?"),  // 66
      QStringLiteral("Soll die Liste vorher gelöscht werden?"),  // 67
      QStringLiteral("Liste löschen?"),  // 68
      QStringLiteral(""),  // 69
      QStringLiteral(""),  // 70
      QStringLiteral("Sollen wirklich alle nicht gesperrten Tipps gelöscht werden?"),  // 71
      QStringLiteral("Tipps löschen?"),  // 72
      QStringLiteral("Die Tipps werden in den Warenkorb übertragen ..."),  // 73
      QStringLiteral("Die Liste wurde zum Bearbeiten geöffnet. Soll die geänderte Liste jetzt neu eingelesen werden?"),  // 74
      QStringLiteral("Liste neu einlesen?"),  // 75
      QStringLiteral("Die Sprachdatei %1 kann nicht gelesen werden."),  // 76
      QStringLiteral("Die Sprachdatei %1 ist beschädigt."),  // 77
      QStringLiteral("Speichern unter"),  // 78
      QStringLiteral("Die Sprachdateien %1 können nicht geschrieben werden."),  // 79
      QStringLiteral("Die Tipps werden gerade berechnet. Bitte warten Sie, bis die Berechnung beendet ist, oder stoppen Sie sie."),  // 80
      QStringLiteral("Der Server antwortet nicht (Zeitlimit überschritten)."),  // 81
      QStringLiteral("Keine Verbindung zum Server."),  // 82
      QStringLiteral("Die Übertragung ist fehlgeschlagen."),  // 83
      QStringLiteral("Die Ziehungsdaten vom %1 sind beschädigt: mehr Ziehungen, als ein Tag hat. Nichts davon wurde gespeichert."),  // 84
      QStringLiteral("Die Datei %1 ist zu groß."),  // 85
      QStringLiteral("Die Datei %1 enthält Ziehungen ohne gültiges Datum (%2, die erste ist Nr. %3); sie werden übergangen."),  // 86
      QStringLiteral("Die Ziehungsdaten werden gerade eingelesen. Bitte warten Sie, bis das Einlesen beendet ist."),  // 87
      QStringLiteral("Es sind schon %1 Reihen erreicht"),  // 88
      QStringLiteral("Überprüfen Sie den Tipp im Warenkorb!!!"),  // 89
      QStringLiteral("Kestrells Klick-Lotse installieren?"),  // 90
      QStringLiteral("Klick-Lotse jetzt installieren?"),  // 91
      QStringLiteral("Export nach Text"),  // 92
      QStringLiteral("Die Reportvorlage \"%1\" wurde nicht gefunden."),  // 93
      QStringLiteral("Die Reportvorlage \"%1\" kann nicht gelesen werden."),  // 94
      QStringLiteral("Das Hintergrundbild \"%1\" kann nicht gelesen werden."),  // 95
      QStringLiteral("Die Reportvorlage \"%1\" enthält das Feld %2 nicht."),  // 96
      QStringLiteral("Diesen Schein Drucken?"),  // 97
      QStringLiteral("Drucken"),  // 98
      QStringLiteral("'%1' ist kein gültiger Integerwert"),  // 99
      QStringLiteral("'%1' ist kein gültiger Gleitkommawert"),  // 100
      QStringLiteral("LosNr. wurde am %1 bei der Super 6 gezogen"),  // 101
      QStringLiteral("LosNr. wurde am %1 im Spiel 77 gezogen"),  // 102
      QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen"),  // 103
      QStringLiteral("Paare gesamt:"),  // 104
      QStringLiteral("Paare mit %1:"),  // 105
      QStringLiteral("Fehler kann Feld Zahl%1_%2 nicht finden"),  // 106
      QStringLiteral("Der Zahlentopf fasst höchstens %1 Einträge."),  // 107
      QStringLiteral("Textdateien"),  // 108
      QStringLiteral("Textdatei"),  // 109
      QStringLiteral("Tippdatei"),  // 110
      QStringLiteral("Die Datei %1 wurde nicht gefunden."),  // 111
      QStringLiteral("Die Datei %1 kann nicht geöffnet werden."),  // 112
      QStringLiteral("Die Datei %1 kann nicht gelesen werden."),  // 113
      QStringLiteral("Die Datei %1 kann nicht geschrieben werden."),  // 114
      QStringLiteral("Die Datei %1 kann nicht durch %2 ersetzt werden."),  // 115
      QStringLiteral("Auf dem Datenträger ist nicht genügend Speicherplatz."),  // 116
      QStringLiteral("Zugriff verweigert."),  // 117
      QStringLiteral("Dateizugriff verweigert"),  // 118
      QStringLiteral("Datei %1 kann nicht geöffnet werden. %2"),  // 119
      QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2"),  // 120
      QStringLiteral("Die Datei wurde nicht gefunden."),  // 121
      QStringLiteral("Das Verzeichnis %1 kann nicht erstellt werden."),  // 122
      QStringLiteral("Die Datei \"%1\" ist keine Tippdatei."),  // 123
      QStringLiteral("Die Datei %1 ist keine gültige Werteliste."),  // 124
      QStringLiteral("'%1' ist kein gültiges Datum"),  // 125
      QStringLiteral("Die Datei %1 kann nicht gelöscht werden."),  // 126
      QStringLiteral("Die Einstellungen in %1 sind nicht lesbar und werden nicht überschrieben."),  // 127
      QStringLiteral("Ungültiger Datentyp für '%1'"),  // 128
      QStringLiteral("Fehler beim Schreiben des Werts '%1'"),  // 129
      QStringLiteral("Der Schlüssel %1 kann nicht geöffnet werden."),  // 130
      QStringLiteral("Die Warenkorb-Adresse ist zu lang."),  // 131
      QStringLiteral("Die Warenkorb-Adresse des Servers ist ungültig."),  // 132
      QStringLiteral("Loading"),  // 133
      QStringLiteral("Received %1 bytes"),  // 134
      QStringLiteral("Failed : %1 "),  // 135
  };
  static_assert(kZusatzEnde == 136);
  return zeilen;
}

Meldungstabelle::Meldungstabelle() : zeilen_(eingebaut()) {}

const Meldungstabelle& Meldungstabelle::oderDeutsch(const Meldungstabelle* tabelle) {
  static const Meldungstabelle deutsch;
  return tabelle ? *tabelle : deutsch;
}

QString Meldungstabelle::uebersetze(const QString& deutsch) const {
  static const QHash<QString, int> index = [] {
    QHash<QString, int> h;
    for (int i = kSprachdateiNichtLesbar; i < kZusatzEnde; ++i) h.insert(eingebaut().at(i), i);
    return h;
  }();
  const auto i = index.constFind(deutsch);
  return i == index.cend() ? QString() : text(*i);
}

QString Meldungstabelle::text(int index) const {
  if (index < 0) return QString();
  if (index >= kSprachdateiNichtLesbar && index < kZusatzEnde && zeilen_.value(index).isEmpty())
    return eingebaut().at(index);
  if (index >= zeilen_.size()) return QString();
  const QString& z = zeilen_.at(index);
  return z.size() > kZeilenlaengeMax ? z.left(kZeilenlaengeMax) : z;
}

void Meldungstabelle::ersetzen(const QStringList& zeilen) { zeilen_ = zeilen; }
