#include "engine/generierungslauf.h"
#include "stats/zahlenstatistik.h"

namespace engine {

// The statistic of a band over the run's one history read, shown on the chart page. The band
// reads the statistic's own range, never the chart's axis.
Bandstatistik berechneTopfstatistik(Topfstatistik art, Laufhistorie& historie, const Berechnungsparameter& p,
                                    const QDate& ende, Laufumgebung& env) {
  const statistik::Saetze saetze(historie.saetze());
  const statistik::Fenster fenster{p.DateTimePicker2, ende};
  const Ziehungszeitfilter filter{p.Mittag, p.Abend};
  statistik::Zahlenstatistik s;
  switch (art) {
    case Topfstatistik::paare: s = statistik::paare(saetze, fenster, filter); break;
    case Topfstatistik::dreier: s = statistik::dreier(saetze, fenster, filter); break;
    case Topfstatistik::vierer: s = statistik::vierer(saetze, fenster, filter); break;
    case Topfstatistik::haeufigkeit: s = statistik::haeufigkeit(saetze, fenster, filter); break;
    case Topfstatistik::ueberfaellige: s = statistik::ueberfaellige(saetze, fenster, filter); break;
  }
  env.zeigeStatistik(art, s);
  Bandstatistik b;
  b.y.assign(57, 0);
  for (const statistik::Balken& balken : s.balken)
    if (balken.x >= 0 && balken.x < 57) b.y[static_cast<std::size_t>(balken.x)] = balken.y;
  b.minimum = s.minimum;
  b.maximum = s.maximum;
  return b;
}

}  // namespace engine
