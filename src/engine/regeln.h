#pragma once
#include <QDate>
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "engine/berechnungsparameter.h"
#include "shell/ziehung.h"

namespace engine {

// Bit n stands for the number n (1..55). Bit 0, which no candidate number sets, marks a row
// that holds one number twice: its matches are counted slot by slot.
using Maske = std::uint64_t;
inline constexpr Maske kWiederholt = 1;

// Five numbers to compare a candidate with: a tip of the list or the sheet, or a draw.
// A match is a slot whose number is one of the candidate's numbers, so a repeated number
// counts once per slot; numbers outside 1..55 never match.
struct Vergleichsreihe {
  Maske maske = 0;
  std::array<std::uint8_t, 5> zahlen{};

  static Vergleichsreihe aus(std::span<const int, 5> fuenf);
  static Vergleichsreihe aus(const Ziehung& z);
  int treffer(Maske kandidat) const {
    if (!(maske & kWiederholt)) return std::popcount(maske & kandidat);
    int n = 0;
    for (std::uint8_t z : zahlen) n += (z >= 1 && z <= 55 && ((kandidat >> z) & 1u)) ? 1 : 0;
    return n;
  }
};

Maske maskeVon(std::span<const int, 5> fuenf);

// The candidate row: slots 1..7 at indices 1..7 (slot 0 unused); 1..5 sorted ascending.
// A drawn candidate holds five different numbers; only numbers taken over from a locked row
// can repeat one (`wiederholt`).
struct Kandidat {
  std::array<int, 8> Reihe{};
  Maske maske = 0;
  int QS = 0;
  bool wiederholt = false;

  void abschliessen();  // sorts slots 1..5 and sets maske, QS and wiederholt
};

// Equal pairs of candidate slot and row slot, as the single-tip check counts them: with five
// different numbers on both sides this is the shared numbers.
int paare(const Kandidat& k, const Vergleichsreihe& v);

int AnzahlGerade(const Kandidat& k);
int AnzahlUngerade(const Kandidat& k);
// How many of the first six arguments are prime; the seventh is not read.
int primzahlen(int Zahl1, int zahl2, int zahl3, int zahl4, int zahl5, int Zahl6, int Zahl7);
bool istPrimzahl(int n);

// Rows to compare candidates with, answering "does some row share at least L numbers" in a
// few bit tests: every L-subset of every row is marked in a bitset over all L-subsets of
// 1..55. Rows that repeat a number, and candidates that do, are counted slot by slot.
class Zeilenmenge {
 public:
  // How a row's match with a candidate that repeats a number counts: the row's slots holding
  // one of its numbers (the overlap rule), or equal slot pairs (the single-tip check).
  enum class Zaehlart { plaetze, paare };

  void leeren();
  void hinzu(const Vergleichsreihe& r);
  std::size_t groesse() const { return einfach_.size() + wiederholt_.size(); }

  // Some row shares at least / at most `grenze` numbers with the candidate.
  bool mindestens(const Kandidat& k, int grenze, Zaehlart art);
  bool hoechstens(const Kandidat& k, int grenze, Zaehlart art) const;

 private:
  struct Index {
    std::vector<std::uint64_t> bits;
    std::size_t eingetragen = 0;  // rows of einfach_ marked so far
  };
  int zaehle(const Kandidat& k, const Vergleichsreihe& r, Zaehlart art) const;
  std::vector<Maske> einfach_;
  std::vector<Vergleichsreihe> wiederholt_;
  std::array<Index, 6> index_;  // by L = 1..5
};

// The draw history of one run, read at its first need and shared by the statistics and the
// two history filters. A record with an unreadable date lies in no window.
class Laufhistorie {
 public:
  using Leser = std::function<std::vector<Ziehung>()>;
  explicit Laufhistorie(Leser leser) : leser_(std::move(leser)) {}

  const std::vector<Ziehung>& saetze();
  bool gelesen() const { return gelesen_; }

  // True when no record dated after startTag and up to endTag shares `grenze` or more numbers
  // with the candidate. `fenster` (0 or 1) names the cache of the filter that asks.
  bool keinerErreicht(int fenster, const Kandidat& kandidat, qint64 startTag, qint64 endTag, int grenze);

  // Called once, at the first history filter of the run (it empties the chart).
  std::function<void()> beiErstemFilter;

 private:
  struct Cache {
    bool gueltig = false;
    qint64 start = 0, ende = 0;
    Zeilenmenge zeilen;
  };
  Leser leser_;
  bool gelesen_ = false;
  bool gefiltert_ = false;
  std::vector<Ziehung> saetze_;
  std::vector<qint64> tage_;  // per record; kKeinTag when unreadable
  std::array<Cache, 2> caches_;
};

// Whole day number of a date as the history stores it (days since 30.12.1899).
qint64 tagzahl(const QDate& d);

// What the chain compares with, besides the candidate and the options.
struct Regelkontext {
  Zeilenmenge* tippliste = nullptr;                 // rows 1 .. TippNr + Listenzeilen
  std::array<Vergleichsreihe, 3> referenz{};        // last draw, the one before, the one before that
  Laufhistorie* historie = nullptr;
  // DateTimePicker1; the run reads it again whenever input was handled, since the user may
  // change it while a run draws.
  QDate enddatum;
};

bool Secheroderfuenfer(const Kandidat& k, const Berechnungsparameter& p, Regelkontext& c);
bool dreierodervierer(const Kandidat& k, const Berechnungsparameter& p, Regelkontext& c);

// The chain for sheet position t: 0 when the candidate is accepted, else the number (1..12)
// of the first rule that rejects it.
int Regelkette(const Kandidat& k, int t, const Berechnungsparameter& p, Regelkontext& c);

}  // namespace engine
