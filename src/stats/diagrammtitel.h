#pragma once
#include <QString>

#include "shell/meldungstabelle.h"
#include "stats/zahlenstatistik.h"

namespace statistik {

// Which statistic a chart shows; each has its own title and display.
enum class Statistikart {
  haeufigkeit,
  quersummen,
  paare,
  dreier,
  vierer,
  ueberfaellige,
  paareMitN,
  sternUeberfaellige,
  sternHaeufigkeit,
  tippverteilung,
};

// The bottom-axis title of a chart, from the message table and the statistic's figures.
QString titel(Statistikart art, const Zahlenstatistik& s, const Meldungstabelle& m);

}  // namespace statistik
