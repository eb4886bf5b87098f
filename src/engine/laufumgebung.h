#pragma once
#include <QDate>
#include <QString>
#include <array>
#include <vector>

#include "engine/berechnungsparameter.h"
#include "shell/werteliste.h"
#include "shell/ziehung.h"

namespace statistik {
struct Zahlenstatistik;
}

namespace engine {

// One row of the tip sheet as the run reads it: the lock and the seven field texts
// (five numbers, two hidden extras).
struct Zeilenstand {
  bool gesperrt = false;
  std::array<QString, 7> felder;
};

// The statistics that the pool shows while it applies a band.
enum class Topfstatistik { paare, dreier, vierer, haeufigkeit, ueberfaellige };

// How the number-selection dialog was left: OK, "&Rechnen" (Retry) or otherwise.
enum class Zahlenwahlergebnis { ok, rechnen, abbruch };

// What the window gives the run. TForm1 implements it over its controls; tests and the
// benchmark implement it over plain values. Every getter is read at the moment the run needs
// it, so a change made while input is processed applies from then on.
class Laufumgebung {
 public:
  virtual ~Laufumgebung() = default;

  // Options of the tab "Parameter", as they stand now.
  virtual const Berechnungsparameter& optionen() = 0;
  // The four options that the loosening steps change. UpDown6 may be set above its range.
  virtual void setzeCheckBox8(bool an) = 0;
  virtual void setzeUpDown4(int wert) = 0;
  virtual void setzeUpDown5(int wert) = 0;
  virtual void setzeUpDown6(int wert) = 0;
  virtual int upDown7() = 0;
  virtual int laufMax() = 0;
  virtual void setzeLaufMax(int wert) = 0;

  // Tip count and views.
  virtual int upDown8() = 0;
  virtual void setzeUpDown8(int maximum, int position) = 0;
  virtual bool listeSichtbar() = 0;
  virtual int listenzeilen() = 0;
  virtual QString listenzeile(int i) = 0;  // 0-based
  virtual void StandardansichtClick() = 0;
  virtual void ListenansichtOhneClick() = 0;
  virtual void listeZeigen() = 0;  // the list boxes shown, nothing appended
  virtual void setzeListeSichtbar(bool sichtbar) = 0;  // Gewinnzahlen and Gewinne only

  // The current draw and its navigation. Both commands answer whether the history held a draw.
  virtual bool SpeedButton5Click() = 0;
  virtual bool SpeedButton6Click() = 0;
  virtual std::array<int, 9> Zahl() = 0;  // slots 1..8
  virtual QDate Datum1() = 0;
  virtual void setzeAktuelleZiehung(const std::array<int, 9>& zahl, const QDate& datum) = 0;
  virtual QDate DateTimePicker1() = 0;
  virtual void setzeDateTimePicker1(const QDate& d) = 0;  // may raise; the run ignores that
  // Every record of the draw history; raises plattform::Fehler when it cannot be read.
  virtual std::vector<Ziehung> historie() = 0;

  // The sheet.
  virtual void alleTippsLoeschen() = 0;
  virtual Zeilenstand Tippzeile(int t) = 0;  // 1..12
  virtual void schreibeZeile(int t, const std::array<int, 8>& reihe) = 0;  // slots 1..7 as text
  virtual void setzeSummenlabel(int t, int summe) = 0;
  virtual int Komplettcheck() = 0;

  // Busy state: the caption of BitBtn4, its idle caption, sortieren, Berechnunglaeuft.
  virtual QString knopftext() = 0;
  virtual void setzeKnopftext(const QString& text) = 0;
  virtual QString& Tippsberechnen() = 0;
  virtual bool laeuftBerechnung() = 0;  // the caption is message 20
  virtual void setzeSortieren(bool wert) = 0;
  virtual void setzeBerechnunglaeuft(bool wert) = 0;
  virtual QString meldung(int index) = 0;

  // Screen.
  virtual void setzePanel(int panel, const QString& text) = 0;
  virtual void zeichneStatus() = 0;
  virtual void zeichneFenster() = 0;
  virtual void sanduhr(bool an) = 0;
  virtual void zeigeTippUebersicht() = 0;
  virtual void zeigeStatistik(Topfstatistik art, const statistik::Zahlenstatistik& s) = 0;
  virtual void leereDiagramm() = 0;
  virtual void nachricht(const QString& text) = 0;  // plain message box
  // The ticks and weights of the number-selection dialog, and the dialog shown modally.
  virtual Werteliste& werteliste() = 0;
  virtual Zahlenwahlergebnis zeigeZahlenwahl() = 0;

  // Once per candidate: the candidate for the status text (the window shows it when it likes),
  // then pending input handled once.
  virtual void kandidat(int t, const std::array<int, 8>& reihe, int qs) = 0;
  virtual void positionsende(int t) = 0;  // the last candidate's text is shown now
  // Answers whether input was handled; only then may the caption of BitBtn4, the options and
  // the end date have changed, so the run reads them again only then.
  virtual bool eingabenVerarbeiten() = 0;
};

}  // namespace engine
