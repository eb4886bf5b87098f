#include "stats/anzeigeregel.h"

namespace statistik {

Anzeigeregel anzeigeregel(Statistikart art) {
  using A = Achsenschritte;
  using F = Balkenfarbe;
  switch (art) {
    case Statistikart::haeufigkeit:
      return {true, F::serie, A::nullMaxMin, true, false, true, 1};
    case Statistikart::quersummen:
      return {false, F::serie, A::automatisch, false, false, true, 2};
    case Statistikart::paare:
    case Statistikart::dreier:
      return {false, F::serie, A::nullMaxMin, false, true, false, 0};
    case Statistikart::vierer:
      return {false, F::serie, A::automatisch, false, true, false, 0};
    case Statistikart::ueberfaellige:
      return {true, F::serie, A::nullMaxMin, false, true, true, 3};
    // Minimum 0 first like every explicit range: starting with 1 could be refused against a
    // maximum of 0 and leave the old range and title over the new bars.
    case Statistikart::paareMitN:
      return {false, F::blau, A::nullMaxMin, true, false, true, 6};
    case Statistikart::sternUeberfaellige:
      return {false, F::serie, A::minus100MaxMin, false, true, true, 5};
    case Statistikart::sternHaeufigkeit:
      return {false, F::serie, A::minus100MaxMin, false, true, true, 4};
    case Statistikart::tippverteilung:
      return {true, F::serie, A::nullMaxMin, false, true, false, 0};
  }
  return {};
}

Balkenfarbe balkenfarbe(const Anzeigeregel& regel, int x) {
  if (regel.primzahlenRot) return istPrimzahl(x) ? Balkenfarbe::rot : Balkenfarbe::gruen;
  return regel.farbe;
}

}  // namespace statistik
