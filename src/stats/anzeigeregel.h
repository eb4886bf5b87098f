#pragma once
#include "stats/diagrammtitel.h"

namespace statistik {

enum class Balkenfarbe { serie, rot, gruen, blau };

// How the left axis takes the statistic's range: minimum 0 (or -100), then the maximum, then
// the minimum, so that no step crosses the other bound; or automatic.
enum class Achsenschritte { nullMaxMin, minus100MaxMin, automatisch };

// How the chart shows one kind of statistic.
struct Anzeigeregel {
  bool primzahlenRot = false;  // primes red, the others green; else every bar in `farbe`
  Balkenfarbe farbe = Balkenfarbe::serie;
  Achsenschritte achse = Achsenschritte::nullMaxMin;
  bool wertebeschriftungAus = false;  // value labels of both series off
  bool seiteWechseln = false;         // the chart page comes to the front
  bool statusDatum = false;           // the end date goes into status panel 0
  int diagrammart = 0;                // the chart kind it sets for the animation; 0 leaves it
};

Anzeigeregel anzeigeregel(Statistikart art);
Balkenfarbe balkenfarbe(const Anzeigeregel& regel, int x);

}  // namespace statistik
