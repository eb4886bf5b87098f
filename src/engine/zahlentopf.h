#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/laufumgebung.h"
#include "engine/regeln.h"

namespace engine {

// The weighted number pool of one run: plaetze of 0 (empty) or a number 1..55, drawn from
// uniformly over 0..Topfende. It starts with 501 plaetze and grows when the options ask for more
// entries, so nothing is lost; a rebuild from the dialog stops at kHoechstens entries.
class Zahlentopf {
 public:
  static constexpr int kSlots = 501;
  static constexpr long long kHoechstens = 1000000;

  Zahlentopf() { leeren(); }

  void leeren();                      // every slot empty, fill count 0, Topfende -1
  void anhaengen(int n);              // into the slot at the fill count, which then moves on
  void InTopfLegen(int n, int gewicht);  // fill count raised first, then written; 0 = once
  int ZahlImTopf(int n) const;        // within 0..Topfende
  void leereSlotsMit(Maske zahlen);   // empties every slot in 0..Topfende holding one of them
  void leereErstenSlot(int n);        // the lowest slot in 0..Topfende holding n
  void verdichten();                  // moves the last entries into the empty plaetze
  // Rebuild from the dialog's ticks and hint weights; a hint that is no whole number raises
  // the conversion error, more than kHoechstens entries raise an error too.
  void TopfAusZahlenwahl(const Werteliste& wahl);
  void kopieren() { Zahlentopfkopie = plaetze; }
  Maske zahlen() const;               // the different numbers within 0..Topfende

  std::vector<std::uint8_t> plaetze;
  std::vector<std::uint8_t> Zahlentopfkopie;
  int Fuellstand = 0;
  int Topfende = -1;

 private:
  void platzFuer(long long index);
};

// One statistic as a band reads it: count y of bar x at index x (x = 1..), and its range.
struct Bandstatistik {
  std::vector<int> y;
  long long minimum = 0;
  long long maximum = 0;
  int wert(int x) const { return x >= 0 && x < static_cast<int>(y.size()) ? y[static_cast<std::size_t>(x)] : 0; }
};

// Computes a statistic over the date window and shows it on the chart page.
using Statistikquelle = std::function<Bandstatistik(Topfstatistik)>;

// Round(z / n) for n > 0, a half going to the even neighbour.
long long rundeBruch(long long z, long long n);

// Builds the pool of a run from the options, the statistics and the last draw's numbers
// (letzte[0..2] are the three reference draws, five numbers each). False when the user left
// the number-selection dialog otherwise than by OK or "Rechnen".
bool baueZahlentopf(Zahlentopf& topf, Laufumgebung& env, const std::array<std::array<int, 5>, 3>& referenz,
                    const Statistikquelle& statistik);

}  // namespace engine
