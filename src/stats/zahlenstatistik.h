#pragma once
#include <QDate>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "shell/ziehung.h"
#include "shell/ziehungssuche.h"

// The draw statistics over a date window of the history. Each function takes the records of
// one history read and plain values, and returns one Zahlenstatistik; nothing is cached
// between two calls. Records whose five numbers are not all within 1..55 are counted by no
// statistic of the five numbers; a record whose date cannot be read lies in no window.
namespace statistik {

struct Balken {
  int x = 0;
  int y = 0;
  bool operator==(const Balken&) const = default;
};

enum class Bereichsart { explizit, automatisch };

// The summary of the pairs with a chosen number N (the chart title shows it).
struct PaareMitNZahlen {
  int n = 0;
  int maxA = 0, maxB = 0, maxWert = 0;  // overall largest cell, first found
  int minA = 0, minB = 0, minWert = 0;  // overall smallest cell off the diagonal, first found
  int gesamt = 0;                       // all cells
  int spalteMaxA = 0, spalteMax = 0;    // largest cell of column N
  int spalteMinA = 0, spalteMin = 0;    // smallest cell of column N with a != N
  int spalteGesamt = 0;
};

struct Kennzahlen {
  int ziehungen = 0;     // counted draws
  int durchschnitt = 0;  // average sum of the five numbers, half to even; 0 without draws
  int gefunden = 0;      // groups found (pairs, triples, quadruples)
  PaareMitNZahlen paare;
};

struct Zahlenstatistik {
  std::vector<Balken> balken;  // x strictly ascending
  int minimum = 0;
  int maximum = 0;
  Bereichsart bereich = Bereichsart::explizit;  // automatic: minimum 0, maximum the largest bar
  Kennzahlen zahlen;
  // The group statistics only: the last counted record, which they once loaded into the
  // current draw slots Zahl. The window leaves Zahl alone; this is for a caller that wants it.
  std::optional<Ziehung> letzterGezaehlter;

  int y(int x) const;  // count of the bar with that x, 0 when there is none
};

// The date window; record dates are whole days.
struct Fenster {
  QDate start;
  QDate ende;
};

using Saetze = std::span<const Ziehung>;

// Window start <= date <= end, with the draw-time filter.
Zahlenstatistik haeufigkeit(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter);
Zahlenstatistik quersummen(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter);
// Runs of 2, 3 or 4 consecutive numbers, one bar per start number: pairs 1..54, triples 1..53,
// quadruples 1..55 (53 to 55 always 0). A group counts when all its numbers were drawn.
Zahlenstatistik paare(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter);
Zahlenstatistik dreier(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter);
Zahlenstatistik vierer(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter);
// 1 plus the counted draws since a number was last drawn (1 plus all of them when never).
Zahlenstatistik ueberfaellige(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter);

// How often each number was drawn together with n (1..55); inclusive window, no filter.
Zahlenstatistik paareMitN(Saetze saetze, const Fenster& fenster, int n);

// The extra-number bytes (slots 7 and 8), bars 1..sternenzahlMax, no filter. Overdue: the
// window start itself does not count. Frequency: inclusive window.
Zahlenstatistik sternUeberfaellige(Saetze saetze, const Fenster& fenster, int sternenzahlMax);
Zahlenstatistik sternHaeufigkeit(Saetze saetze, const Fenster& fenster, int sternenzahlMax);

// How often each number stands in the current tips, bars 1..55. A field that is not a whole
// number (an empty one included) ends the counting; a number outside 1..55 is skipped.
// List view: the first five fields of each Listenzeile.
Zahlenstatistik tippverteilungListe(const QStringList& zeilen);
// Tip sheet: the five number texts of each row; a row whose first field is empty is skipped.
Zahlenstatistik tippverteilungSchein(std::span<const std::array<QString, 5>> zeilen);

// Whether x is one of the sixteen primes 2..53 whose bars are red.
bool istPrimzahl(int x);

}  // namespace statistik
