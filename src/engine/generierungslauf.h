#pragma once
#include <QString>
#include <array>
#include <vector>

#include "engine/laufumgebung.h"
#include "engine/regeln.h"
#include "engine/zahlentopf.h"

namespace engine {

// Panel 1 while a candidate is tested, e.g. "10.Tipp:  3 17  22  40  51  QS: 133".
QString kandidatenstatus(int t, const std::array<int, 8>& reihe, int qs, const QString& tipp);

// Reads a list line's five numbers; a field that is missing, empty or no whole number is 0.
std::array<int, 5> listenzahlen(const QString& zeile);

// The generation run and its repetition in the list view, over the window's environment.
// One object belongs to one window; a call while a run goes is a stop request.
class Generierung {
 public:
  explicit Generierung(Laufumgebung& env) : env_(env) {}

  // One run. Errors restore the run's state and then reach the caller.
  void Label28Click();
  // The calculate button: one run, the list boxes' visibility as before, then in the list
  // view batch after batch until the list holds the requested count or a stop came.
  void BrechnungStart();
  // The menu command: one run, nothing restored, no repetition.
  void Berechnen1Click() { Label28Click(); }

  bool laeuft() const { return laeuft_; }
  int gezaehlt() const { return Lauf; }  // candidates counted so far in this run

  // What the last run did, for tests and the benchmark.
  struct Ergebnis {
    int Lauf = 0;
    bool erschoepft = false;  // budget used up or the pool too small
    bool abgebrochen = false;  // number-selection dialog left
    bool gestoppt = false;
    bool topfZuKlein = false;
  };
  const Ergebnis& ergebnis() const { return ergebnis_; }
  const Zahlentopf& topf() const { return topf_; }

 private:
  void lauf();
  void position(int t);
  void beenden();
  void ruecksetzen();
  bool erschoepft();
  bool lockern();  // true when a step changed an option

  Laufumgebung& env_;
  bool laeuft_ = false;
  bool stopImLauf_ = false;
  Ergebnis ergebnis_;

  // Run data.
  int AnzahlSoll = 0;
  int Listenzeilen = 0;
  int TippNr = 0;
  int Lauf = 0;
  bool listenmodus_ = false;
  bool referenzGelesen_ = false;
  Regelkontext* kontext_ = nullptr;
  bool topfZuKlein_ = false;
  Zeilenmenge Tippliste;  // the list lines, then the positions done; never more than they
  std::array<std::array<int, 9>, 3> referenz_{};
  std::array<int, 9> zahlDesEnddatums_{};
  QDate datumDesEnddatums_;
  bool gespeichertCheckBox8_ = false;
  int gespeichertUpDown4_ = 0, gespeichertUpDown5_ = 0, gespeichertUpDown6_ = 0;
  QDate gespeichertDatum_;
  Zahlentopf topf_;
  Maske topfZahlen_ = 0;
};

}  // namespace engine
