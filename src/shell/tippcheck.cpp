#include "shell/tippcheck.h"

#include "plattform/formate.h"
#include "shell/listenzeile.h"
#include "shell/ziehung.h"

#include <algorithm>
#include <optional>

namespace tippcheck {

void Zettelcheck(const std::array<int, 9>& zahl, const std::array<QStringView, 7>& texte, Trefferstand& stand) {
  stand.Gewinn = 0;
  stand.Zusatz = false;
  stand.Super = false;
  for (int k = 1; k <= 5; ++k) stand.Treffer[k] = false;
  // Each text is read once. The scan (draw slot i outer, tip position k inner) ends at the first
  // text that does not read: when that is text `gut` + 1, only slot 1 meets the texts before it.
  std::array<int, 5> wert{};
  int gut = 0;
  while (gut < 5) {
    const std::optional<int> w = plattform::liesGanzzahl(texte[static_cast<size_t>(gut)]);
    if (!w) break;
    wert[static_cast<size_t>(gut++)] = *w;
  }
  const int plaetze = gut == 5 ? 5 : 1;
  for (int i = 1; i <= plaetze; ++i) {
    for (int k = 1; k <= gut; ++k) {
      if (wert[static_cast<size_t>(k - 1)] == zahl[static_cast<size_t>(i)]) {
        stand.Treffer[static_cast<size_t>(k)] = true;
        ++stand.Gewinn;
      }
    }
  }
}

int Trefferwert(const Trefferstand& stand) { return 100 * stand.Gewinn; }

void zaehle(Statistiktabelle& statistik, const Trefferstand& stand) {
  const int zeile = std::clamp(stand.Gewinn, 0, 6);
  const int spalte = stand.Zusatz && stand.Super ? 2 : (stand.Zusatz || stand.Super ? 1 : 0);
  ++statistik[zeile][spalte];
}

QString gueltigerFeldtext(const QString& text, int max) {
  const std::optional<int> wert = plattform::liesGanzzahl(text);
  if (!wert || *wert < 1 || *wert > max) return QString();
  return QString::number(*wert);
}

Listenergebnis pruefeListe(const std::array<int, 9>& zahl, const QStringList& zeilen) {
  Listenergebnis e;
  e.gewinne.reserve(zeilen.size());
  // The result texts of 0..25 hits, made once: the per-line work stays free of allocation.
  std::array<QString, 26> zahltexte;
  for (int i = 0; i < 26; ++i) zahltexte[i] = QString::number(i);
  std::array<QStringView, 7> texte;
  for (const QString& zeile : zeilen) {
    const listenzeile::Felder felder = listenzeile::liesListenzeile(zeile);
    for (int i = 0; i < 7; ++i) texte[i] = felder[i];
    Zettelcheck(zahl, texte, e.letzter);
    zaehle(e.statistik, e.letzter);
    const int g = e.letzter.Gewinn;
    e.gewinne.append(g < 26 ? zahltexte[g] : QString::number(g));
    if (g >= 2) ++e.mitZweiTreffern;
    e.bester = std::max(e.bester, Trefferwert(e.letzter));
  }
  return e;
}

Scheinergebnis pruefeSchein(const std::array<int, 9>& zahl, std::span<const std::array<QString, 7>> zeilen,
                            Trefferstand& stand) {
  Scheinergebnis e;
  e.zeilen.resize(zeilen.size());
  for (std::size_t k = 0; k < zeilen.size(); ++k) {
    const std::array<QString, 7>& texte = zeilen[k];
    Scheinzeile& z = e.zeilen[k];
    z.vollstaendig = true;
    for (std::size_t i = 0; i < 5 && z.vollstaendig; ++i) {
      const std::optional<int> v = plattform::liesGanzzahl(texte[i]);
      z.vollstaendig = v.has_value();
      if (v) z.zahlen[i] = *v;
    }
    if (!z.vollstaendig) continue;
    for (int v : z.zahlen) z.summe += v;
    tauschsortiere(z.zahlen);
    std::array<QString, 5> sortiert;
    for (std::size_t i = 0; i < 5; ++i) sortiert[i] = QString::number(z.zahlen[i]);
    Zettelcheck(zahl, {sortiert[0], sortiert[1], sortiert[2], sortiert[3], sortiert[4], texte[5], texte[6]}, stand);
    z.stand = stand;
    zaehle(e.statistik, stand);
    e.bester = std::max(e.bester, Trefferwert(stand));
  }
  return e;
}

QString listenstatus(int zeilen, int bester) {
  return QString::number(zeilen) + QStringLiteral(" Rows  ") + QString::number(bester / 100) + QLatin1Char('+') +
         QString::number(bester % 100) + QStringLiteral(" max win");
}

}  // namespace tippcheck
