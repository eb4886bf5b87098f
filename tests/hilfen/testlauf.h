#pragma once
#include <QStringList>
#include <functional>
#include <vector>

#include "engine/generierungslauf.h"
#include "engine/laufumgebung.h"
#include "shell/meldungstabelle.h"
#include "shell/ziehung.h"

// The run's environment over plain values: the options, a history in memory with the draw
// navigation of the main window, a sheet of twelve rows, a list, the button caption and the
// status panels. Hooks let a test act where the window would handle input.
class Testlauf : public engine::Laufumgebung {
 public:
  Testlauf();

  Berechnungsparameter p;
  int UpDown7 = 50;
  int LaufMax = 100000;
  int UpDown8 = 5;
  int UpDown8Max = 12;
  bool liste = false;  // Gewinnzahlen visible
  QStringList zeilen;
  std::vector<Ziehung> saetze;
  bool historieFehler = false;
  int historieGelesen = 0;
  std::array<int, 9> zahl{};
  QDate datum1;
  int position = 0;
  QDate dtp1{2018, 2, 7};
  struct Zeile {
    bool gesperrt = false;
    std::array<QString, 7> felder;
    QString summe;
  };
  std::array<Zeile, 13> schein;  // 1..12
  QString knopf = QStringLiteral("Tipps berechnen");
  QString tippsberechnen;
  bool sortieren = true;
  bool berechnunglaeuft = false;
  bool sanduhrAn = false;
  Meldungstabelle meldungen;
  std::array<QString, 2> panel;
  QStringList panel1Verlauf;
  QStringList nachrichten;
  int komplettchecks = 0;
  int diagrammGeleert = 0;
  std::vector<engine::Topfstatistik> statistiken;
  int kandidaten = 0;
  int eingaben = 0;     // input handled, once per candidate before it counts
  int positionen = 0;   // sheet positions done
  int letzterT = 0;
  std::array<int, 8> letzteReihe{};
  // (candidates counted so far, what changed): the loosening steps and the restores.
  struct Aenderung {
    int kandidat;
    QString was;
  };
  std::vector<Aenderung> aenderungen;

  std::function<void()> beiEingabe;  // once per candidate
  // The number-selection dialog: its value list and the answer (OK when no hook is set).
  Werteliste wahl;
  int zahlenwahlGezeigt = 0;
  std::function<engine::Zahlenwahlergebnis(Werteliste&)> zahlenwahl;

  // Fills the history with one draw a day from `ab`, numbers from a small formula.
  void tagesziehungen(const QDate& ab, int tage);
  static Ziehung ziehung(const QDate& d, std::array<int, 5> z, bool mittag = false);
  void sperre(int t, std::array<QString, 5> zahlen);
  std::array<int, 5> reihe(int t) const;  // numbers of row t (0 for empty fields)
  QStringList zeilenTexte(int t) const;

  // Laufumgebung
  const Berechnungsparameter& optionen() override { return p; }
  void setzeCheckBox8(bool an) override;
  void setzeUpDown4(int wert) override;
  void setzeUpDown5(int wert) override;
  void setzeUpDown6(int wert) override;
  int upDown7() override { return UpDown7; }
  int laufMax() override { return LaufMax; }
  void setzeLaufMax(int wert) override { LaufMax = wert; }
  int upDown8() override { return UpDown8; }
  void setzeUpDown8(int maximum, int pos) override;
  bool listeSichtbar() override { return liste; }
  int listenzeilen() override { return static_cast<int>(zeilen.size()); }
  QString listenzeile(int i) override { return zeilen.at(i); }
  void StandardansichtClick() override;
  void ListenansichtOhneClick() override;
  void listeZeigen() override { liste = true; }
  void setzeListeSichtbar(bool s) override { liste = s; }
  bool SpeedButton5Click() override;
  bool SpeedButton6Click() override;
  std::array<int, 9> Zahl() override { return zahl; }
  QDate Datum1() override { return datum1; }
  void setzeAktuelleZiehung(const std::array<int, 9>& z, const QDate& d) override {
    zahl = z;
    datum1 = d;
  }
  QDate DateTimePicker1() override { return dtp1; }
  void setzeDateTimePicker1(const QDate& d) override { dtp1 = d < QDate(2018, 2, 7) ? QDate(2018, 2, 7) : d; }
  std::vector<Ziehung> historie() override;
  void alleTippsLoeschen() override;
  engine::Zeilenstand Tippzeile(int t) override;
  void schreibeZeile(int t, const std::array<int, 8>& reihe) override;
  void setzeSummenlabel(int t, int summe) override { schein[static_cast<std::size_t>(t)].summe = QString::number(summe); }
  int Komplettcheck() override;
  QString knopftext() override { return knopf; }
  void setzeKnopftext(const QString& t) override { knopf = t; }
  QString& Tippsberechnen() override { return tippsberechnen; }
  bool laeuftBerechnung() override { return knopf == meldungen.text(20); }
  void setzeSortieren(bool w) override { sortieren = w; }
  void setzeBerechnunglaeuft(bool w) override { berechnunglaeuft = w; }
  QString meldung(int i) override { return meldungen.text(i); }
  void setzePanel(int i, const QString& text) override;
  void zeichneStatus() override {}
  void zeichneFenster() override {}
  void sanduhr(bool an) override { sanduhrAn = an; }
  void zeigeTippUebersicht() override {}
  void zeigeStatistik(engine::Topfstatistik art, const statistik::Zahlenstatistik&) override { statistiken.push_back(art); }
  void leereDiagramm() override { ++diagrammGeleert; }
  void nachricht(const QString& text) override { nachrichten << text; }
  Werteliste& werteliste() override { return wahl; }
  engine::Zahlenwahlergebnis zeigeZahlenwahl() override;
  void kandidat(int t, const std::array<int, 8>& r, int) override {
    ++kandidaten;
    letzterT = t;
    letzteReihe = r;
  }
  void positionsende(int) override { ++positionen; }
  bool eingabenVerarbeiten() override {
    ++eingaben;
    if (beiEingabe) beiEingabe();
    return true;
  }

 private:
  void zeige(int index);
};
