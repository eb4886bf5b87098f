#pragma once
#include <QString>
#include <QStringList>
#include <array>

#include "output/scheinlayout.h"

namespace plattform {
class Report;
}

// The placement of tips on the coupon: the memo's comma lines, coupon after coupon, each tip
// in the next slot, its five numbers as marks over their cells.
namespace schein {

// What the coupon dialog does for the placement.
class Scheindialog {
 public:
  virtual ~Scheindialog() = default;
  virtual void vorschauAuffrischen() = 0;
  virtual bool druckenFragen() = 0;  // "Diesen Schein Drucken?" with the caption "Drucken"
  virtual void drucken() = 0;
  virtual void meldung(const QString& text) = 0;
  virtual void eurozahlenVerbergen() = 0;  // the page "Eurozahlen"
};

struct Platzierung {
  Scheinlayout layout;
  int spalten = 10;      // number-field columns (UpDown2)
  int blockZeilen = 5;   // UpDown5
  int blockSpalten = 2;  // UpDown6
  QString zeichen = QStringLiteral("x");
  int schriftgroesse = 10;
  bool oeffnen = true;   // the first coupon only, no question
  int tippanzahlMax = 10;
};

enum class Setzen {
  nichts,         // no line: nothing cleared, moved or refreshed
  durchgelaufen,  // every line placed (or the first coupon, when oeffnen)
  abgebrochen,    // a view was missing: the message was shown
};

// The five numbers of a line: each the text up to the next comma, which is then taken off;
// the last text without a comma stays, so a short line repeats its last number. Raises
// plattform::Fehler with the conversion message when a text is no whole number.
std::array<int, 5> fuenfZahlen(const QString& zeile);

// Clears the coupon: the views of slots 1..max(tippanzahlMax, blocks of the coupon) emptied,
// their extra-number views hidden and emptied too.
void leeren(plattform::Report& r, const Platzierung& p);

// Tippsetzen. Raises plattform::Fehler (a tip text that is no whole number); what was placed
// before stays and no refresh follows.
Setzen tippsetzen(plattform::Report& r, const QStringList& zeilen, const Platzierung& p, Scheindialog& d);

}  // namespace schein
