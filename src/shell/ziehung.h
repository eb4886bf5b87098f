#pragma once
#include <QByteArray>
#include <QDate>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

// The lowest date of the history: both date pickers stop there, a fresh account starts its
// evaluations there, and an empty history is downloaded from the day after it.
inline const QDate kKleinstesDatum{2018, 2, 7};

// Ascending order by the exchange sort every sorted tip and draw of the program goes through:
// each place i takes the smallest of the places after it, swapping as it meets smaller ones.
template <class Feld>
void tauschsortiere(Feld& werte) {
  for (std::size_t i = 0; i < werte.size(); ++i)
    for (std::size_t j = i; j < werte.size(); ++j)
      if (werte[j] < werte[i]) std::swap(werte[i], werte[j]);
}

// One draw as stored in the history file: 32 bytes, little-endian, no header.
//   0-7   Ziehungstag: IEEE-754 double, day count since 30.12.1899, whole days
//   8-12  the five drawn numbers 1..55 (slots 1-5)
//   13    Mittagsziehung (slot 6): non-zero for the 13:00 draw, 0 for the 20:30 draw
//   14-15 Zusatzzahlen (slots 7-8): 0 in this game's downloaded records
//   16-31 Reserve, never interpreted
struct Ziehung {
  static constexpr int kGroesse = 32;

  double Ziehungstag = 0.0;
  std::array<std::uint8_t, 8> Ziehungszahlen{};  // slot k at index k-1
  std::array<std::uint8_t, 16> Reserve{};

  static Ziehung ausBytes(const char* p);  // p points at 32 bytes
  void inBytes(char* p) const;
  QByteArray alsBytes() const;

  // Slot 1..8 (bytes 8 to 15) as a number.
  int zahl(int slot) const { return Ziehungszahlen[static_cast<std::size_t>(slot - 1)]; }
  bool mittag() const { return Ziehungszahlen[5] != 0; }

  // The whole day of the date; empty when the stored value is no usable date (NaN, infinite
  // or far outside any calendar), as a foreign or damaged file may hold.
  std::optional<qint64> tag() const;
  QDate datum() const;  // invalid when tag() is empty
  void setzeDatum(const QDate& datum);

  // The five numbers as bits 1..55 of a mask; numbers outside 1..55 set no bit, so hits
  // against another mask are std::popcount(a & b).
  std::uint64_t maske() const;
  bool zahlenGueltig() const;  // all five numbers within 1..55
  int quersumme() const;

  // Ascending order of slots 1-5 by the exchange sort of the manual entry.
  void sortiereZahlen();

  // What the manual entry proposes when the history is empty.
  static Ziehung vorschlagLeereHistorie();

  bool operator==(const Ziehung&) const = default;
};
