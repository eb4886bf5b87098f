#include "stats/zahlenstatistik.h"

#include "plattform/formate.h"
#include "shell/listenzeile.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace statistik {

namespace {

constexpr int kZahlen = 55;

struct Tage {
  qint64 start;
  qint64 ende;
};

Tage tage(const Fenster& f) {
  return {static_cast<qint64>(plattform::alsTagzahl(f.start)), static_cast<qint64>(plattform::alsTagzahl(f.ende))};
}

bool imFenster(const Ziehung& z, Tage t, bool startZaehlt) {
  const auto tag = z.tag();
  if (!tag) return false;
  return (startZaehlt ? *tag >= t.start : *tag > t.start) && *tag <= t.ende;
}

bool zugelassen(const Ziehung& z, const Ziehungszeitfilter& f) { return z.mittag() ? f.mittag : f.abend; }

// A counted draw of the statistics of the five numbers.
bool gezaehlt(const Ziehung& z, Tage t, const Ziehungszeitfilter& f) {
  return imFenster(z, t, true) && zugelassen(z, f) && z.zahlenGueltig();
}

// Bars x = von..bis from a counter table indexed by x; range over those bars.
template <std::size_t N>
Zahlenstatistik ausZaehlern(const std::array<int, N>& zaehler, int von, int bis) {
  Zahlenstatistik s;
  s.balken.reserve(static_cast<std::size_t>(std::max(0, bis - von + 1)));
  for (int x = von; x <= bis; ++x) s.balken.push_back({x, zaehler[static_cast<std::size_t>(x)]});
  if (!s.balken.empty()) {
    const auto [mn, mx] = std::minmax_element(s.balken.begin(), s.balken.end(),
                                              [](const Balken& a, const Balken& b) { return a.y < b.y; });
    s.minimum = mn->y;
    s.maximum = mx->y;
  }
  return s;
}

void automatisch(Zahlenstatistik& s) {
  s.bereich = Bereichsart::automatisch;
  s.minimum = 0;
  s.maximum = 0;
  for (const Balken& b : s.balken) s.maximum = std::max(s.maximum, b.y);
}

int durchschnitt(long long summe, int ziehungen) {
  if (ziehungen == 0) return 0;
  return static_cast<int>(plattform::rundeGerade(static_cast<double>(summe) / ziehungen));
}

// Bit i of the result is set when i .. i + laenge - 1 are all drawn.
std::uint64_t gruppenMaske(std::uint64_t m, int laenge) {
  std::uint64_t g = m;
  for (int k = 1; k < laenge; ++k) g &= m >> k;
  return g;
}

Zahlenstatistik gruppen(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter, int laenge) {
  const Tage t = tage(fenster);
  std::array<int, 56> zaehler{};
  int ziehungen = 0;
  int gefunden = 0;
  const Ziehung* letzter = nullptr;
  for (const Ziehung& z : saetze) {
    if (!gezaehlt(z, t, filter)) continue;
    ++ziehungen;
    letzter = &z;
    for (std::uint64_t g = gruppenMaske(z.maske(), laenge); g; g &= g - 1) {
      ++zaehler[static_cast<std::size_t>(std::countr_zero(g))];
      ++gefunden;
    }
  }
  Zahlenstatistik s = ausZaehlern(zaehler, 1, laenge == 4 ? kZahlen : kZahlen + 1 - laenge);
  if (laenge == 4) automatisch(s);
  s.zahlen.ziehungen = ziehungen;
  s.zahlen.gefunden = gefunden;
  if (letzter) s.letzterGezaehlter = *letzter;
  return s;
}

Zahlenstatistik verteilung(const std::array<int, 56>& zaehler) { return ausZaehlern(zaehler, 1, kZahlen); }

// Counts one field; false when the field is not a whole number and the counting ends.
bool zaehleFeld(std::array<int, 56>& zaehler, QStringView feld) {
  const auto n = plattform::liesGanzzahl(feld);
  if (!n) return false;
  if (*n >= 1 && *n <= kZahlen) ++zaehler[static_cast<std::size_t>(*n)];
  return true;
}

int sternMax(int sternenzahlMax) { return std::clamp(sternenzahlMax, 0, 255); }

}  // namespace

int Zahlenstatistik::y(int x) const {
  const auto it = std::lower_bound(balken.begin(), balken.end(), x, [](const Balken& b, int v) { return b.x < v; });
  return it != balken.end() && it->x == x ? it->y : 0;
}

bool istPrimzahl(int x) {
  static constexpr std::uint64_t kPrim = (1ULL << 2) | (1ULL << 3) | (1ULL << 5) | (1ULL << 7) | (1ULL << 11) |
                                         (1ULL << 13) | (1ULL << 17) | (1ULL << 19) | (1ULL << 23) | (1ULL << 29) |
                                         (1ULL << 31) | (1ULL << 37) | (1ULL << 41) | (1ULL << 43) | (1ULL << 47) |
                                         (1ULL << 53);
  return x >= 0 && x < 64 && (kPrim >> x) & 1U;
}

Zahlenstatistik haeufigkeit(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter) {
  const Tage t = tage(fenster);
  std::array<int, 56> zaehler{};
  int ziehungen = 0;
  long long summe = 0;
  for (const Ziehung& z : saetze) {
    if (!gezaehlt(z, t, filter)) continue;
    // Slot by slot: a number stored twice counts twice, as it stands in the record.
    for (int k = 1; k <= 5; ++k) ++zaehler[static_cast<std::size_t>(z.zahl(k))];
    ++ziehungen;
    summe += z.quersumme();
  }
  Zahlenstatistik s = verteilung(zaehler);
  s.zahlen.ziehungen = ziehungen;
  s.zahlen.durchschnitt = durchschnitt(summe, ziehungen);
  return s;
}

Zahlenstatistik quersummen(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter) {
  const Tage t = tage(fenster);
  std::array<int, 280> zaehler{};
  int kleinste = 500;
  int groesste = 0;
  int ziehungen = 0;
  long long summe = 0;
  for (const Ziehung& z : saetze) {
    if (!gezaehlt(z, t, filter)) continue;
    const int q = z.quersumme();
    ++zaehler[static_cast<std::size_t>(q)];
    kleinste = std::min(kleinste, q);
    groesste = std::max(groesste, q);
    ++ziehungen;
    summe += q;
  }
  Zahlenstatistik s = ausZaehlern(zaehler, kleinste, groesste);
  automatisch(s);
  s.zahlen.ziehungen = ziehungen;
  s.zahlen.durchschnitt = durchschnitt(summe, ziehungen);
  return s;
}

Zahlenstatistik paare(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter) {
  return gruppen(saetze, fenster, filter, 2);
}
Zahlenstatistik dreier(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter) {
  return gruppen(saetze, fenster, filter, 3);
}
Zahlenstatistik vierer(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter) {
  return gruppen(saetze, fenster, filter, 4);
}

Zahlenstatistik ueberfaellige(Saetze saetze, const Fenster& fenster, const Ziehungszeitfilter& filter) {
  const Tage t = tage(fenster);
  std::array<int, 56> zuletzt{};  // counted draw (1-based) that last held the number, 0 for none
  int ziehungen = 0;
  for (const Ziehung& z : saetze) {
    if (!gezaehlt(z, t, filter)) continue;
    ++ziehungen;
    for (int k = 1; k <= 5; ++k) zuletzt[static_cast<std::size_t>(z.zahl(k))] = ziehungen;
  }
  std::array<int, 56> wert{};
  for (std::size_t n = 1; n <= kZahlen; ++n) wert[n] = 1 + ziehungen - zuletzt[n];
  Zahlenstatistik s = verteilung(wert);
  s.zahlen.ziehungen = ziehungen;
  return s;
}

Zahlenstatistik paareMitN(Saetze saetze, const Fenster& fenster, int n) {
  n = std::clamp(n, 1, kZahlen);
  const Tage t = tage(fenster);
  // Cell [a][b]: counted draws that hold both a and b; a number never pairs with itself.
  std::array<std::array<int, 56>, 56> tabelle{};
  std::array<int, 5> z{};
  for (const Ziehung& satz : saetze) {
    if (!imFenster(satz, t, true) || !satz.zahlenGueltig()) continue;
    int k = 0;
    for (std::uint64_t m = satz.maske(); m; m &= m - 1) z[static_cast<std::size_t>(k++)] = std::countr_zero(m);
    for (int p = 0; p < k; ++p)
      for (int q = p + 1; q < k; ++q) {
        const auto a = static_cast<std::size_t>(z[static_cast<std::size_t>(p)]);
        const auto b = static_cast<std::size_t>(z[static_cast<std::size_t>(q)]);
        ++tabelle[a][b];
        ++tabelle[b][a];
      }
  }
  PaareMitNZahlen u;
  u.n = n;
  u.minWert = 999999;
  u.spalteMin = 999999;
  std::array<int, 56> spalte{};
  for (int b = 1; b <= kZahlen; ++b)
    for (int a = 1; a <= kZahlen; ++a) {
      const int c = tabelle[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
      u.gesamt += c;
      if (c > u.maxWert) {
        u.maxWert = c;
        u.maxA = a;
        u.maxB = b;
      }
      if (a != b && c < u.minWert) {
        u.minWert = c;
        u.minA = a;
        u.minB = b;
      }
      if (b != n) continue;
      spalte[static_cast<std::size_t>(a)] = c;
      u.spalteGesamt += c;
      if (c > u.spalteMax) {
        u.spalteMax = c;
        u.spalteMaxA = a;
      }
      if (a != n && c < u.spalteMin) {
        u.spalteMin = c;
        u.spalteMinA = a;
      }
    }
  Zahlenstatistik s = verteilung(spalte);
  s.minimum = u.spalteMin;
  s.maximum = u.spalteMax;
  s.zahlen.paare = u;
  return s;
}

Zahlenstatistik sternUeberfaellige(Saetze saetze, const Fenster& fenster, int sternenzahlMax) {
  const int max = sternMax(sternenzahlMax);
  const Tage t = tage(fenster);
  std::array<int, 256> zaehler{};
  int ziehungen = 0;
  for (const Ziehung& z : saetze) {
    if (!imFenster(z, t, false)) continue;
    ++ziehungen;
    for (int x = 1; x <= max; ++x) ++zaehler[static_cast<std::size_t>(x)];
    for (int k = 7; k <= 8; ++k)
      if (z.zahl(k) >= 1 && z.zahl(k) <= max) zaehler[static_cast<std::size_t>(z.zahl(k))] = 1;
  }
  Zahlenstatistik s = ausZaehlern(zaehler, 1, max);
  s.zahlen.ziehungen = ziehungen;
  return s;
}

Zahlenstatistik sternHaeufigkeit(Saetze saetze, const Fenster& fenster, int sternenzahlMax) {
  const int max = sternMax(sternenzahlMax);
  const Tage t = tage(fenster);
  std::array<int, 256> zaehler{};
  int ziehungen = 0;
  for (const Ziehung& z : saetze) {
    if (!imFenster(z, t, true)) continue;
    ++ziehungen;
    for (int k = 7; k <= 8; ++k)
      if (z.zahl(k) >= 1 && z.zahl(k) <= max) ++zaehler[static_cast<std::size_t>(z.zahl(k))];
  }
  Zahlenstatistik s = ausZaehlern(zaehler, 1, max);
  s.zahlen.ziehungen = ziehungen;
  return s;
}

Zahlenstatistik tippverteilungListe(const QStringList& zeilen) {
  std::array<int, 56> zaehler{};
  for (const QString& zeile : zeilen) {
    const listenzeile::Felder f = listenzeile::liesListenzeile(zeile);
    for (int i = 0; i < 5; ++i)
      if (!zaehleFeld(zaehler, f[i])) return verteilung(zaehler);
  }
  return verteilung(zaehler);
}

Zahlenstatistik tippverteilungSchein(std::span<const std::array<QString, 5>> zeilen) {
  std::array<int, 56> zaehler{};
  for (const auto& zeile : zeilen) {
    if (zeile[0].isEmpty()) continue;
    for (const QString& feld : zeile)
      if (!zaehleFeld(zaehler, feld)) return verteilung(zaehler);
  }
  return verteilung(zaehler);
}

}  // namespace statistik
