#include "stats/historiensuche.h"

#include "plattform/formate.h"
#include "stats/vergleichstipp.h"

Suchergebnis suche(const std::vector<Ziehung>& saetze, const QDate& von, const QDate& bis, int schwelle,
                   const std::array<Zeilentexte, 12>& zeilen, Suchfenster& fenster) {
  std::array<Vergleichstipp, 12> tipps;
  for (std::size_t k = 0; k < 12; ++k) {
    const Zeilentexte& t = zeilen[k];
    tipps[k] = Vergleichstipp::aus({t[0], t[1], t[2], t[3], t[4]});
  }
  const auto vonTag = static_cast<qint64>(plattform::alsTagzahl(von));
  const auto bisTag = static_cast<qint64>(plattform::alsTagzahl(bis));

  Suchergebnis e;
  Suchstand stand;
  stand.treffer.fill(-1);
  const Ziehung* letzte = nullptr;
  for (const Ziehung& z : saetze) {
    const auto tag = z.tag();
    if (!tag || *tag < vonTag || *tag > bisTag) continue;
    letzte = &z;
    const Vergleichsziehung v = Vergleichsziehung::aus(z);
    for (int k = 0; k < 12; ++k) {
      const int g = treffer(tipps[static_cast<std::size_t>(k)], v);
      stand.treffer[static_cast<std::size_t>(k)] = g;
      stand.zeile = k + 1;
      if (g >= schwelle) {
        stand.ziehung = z;
        if (!fenster.weiter(stand)) {
          e.ende = stand;
          e.abgebrochen = true;
          return e;
        }
        stand.treffer.fill(-1);
      }
    }
  }
  if (letzte) {
    stand.ziehung = *letzte;
    e.ende = stand;
  }
  return e;
}

QString suchanzeige(const Ziehung& z, const QString& hintE1, const QString& hintE2) {
  QString s = plattform::DDDddmmyy(z.datum()) + QStringLiteral("  ");
  for (int k = 1; k <= 5; ++k) s += QStringLiteral("  ") + QString::number(z.zahl(k));
  s += QStringLiteral("   ") + hintE1 + QStringLiteral(": ") + QString::number(z.zahl(7)) + QLatin1Char(' ') + hintE2 +
       QStringLiteral(": ") + QString::number(z.zahl(8));
  return s;
}
