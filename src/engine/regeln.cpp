#include "engine/regeln.h"

#include <algorithm>
#include <limits>

namespace engine {

namespace {
constexpr qint64 kKeinTag = std::numeric_limits<qint64>::min();

Vergleichsreihe ausZahlen(const std::array<std::uint8_t, 5>& z) {
  Vergleichsreihe r;
  r.zahlen = z;
  int gueltig = 0;
  for (std::uint8_t n : z) {
    if (n >= 1 && n <= 55) {
      r.maske |= Maske{1} << n;
      ++gueltig;
    }
  }
  if (std::popcount(r.maske) != gueltig) r.maske |= kWiederholt;
  return r;
}

// Overlap with the earlier tips and the list lines.
bool ueberschneidungVerwirft(const Kandidat& k, const Berechnungsparameter& p, Zeilenmenge& zeilen) {
  using Z = Zeilenmenge::Zaehlart;
  const int obergrenze = p.UpDown3;
  const int untergrenze = p.UpDown9;
  if (zeilen.groesse() == 0) return (p.CheckBox3 && 6 > obergrenze) || (p.CheckBox24 && 0 < untergrenze);
  if (p.CheckBox27 && (zeilen.mindestens(k, obergrenze + 1, Z::plaetze) || zeilen.hoechstens(k, untergrenze - 1, Z::plaetze)))
    return true;
  // Without the per-row test the maximum asks for one row within it, the minimum for one row
  // reaching it.
  if (p.CheckBox3 && !zeilen.hoechstens(k, obergrenze, Z::plaetze)) return true;
  if (p.CheckBox24 && !zeilen.mindestens(k, untergrenze, Z::plaetze)) return true;
  return false;
}

// Binomial coefficients C(n, k) for n < 56, k <= 5, and the L-subsets of five positions.
struct Kombinatorik {
  std::array<std::array<std::uint32_t, 6>, 56> c{};
  std::array<std::vector<std::uint8_t>, 6> auswahl;  // bit patterns over 5 positions with L bits
  Kombinatorik() {
    for (int n = 0; n < 56; ++n) {
      c[static_cast<std::size_t>(n)][0] = 1;
      for (int k = 1; k <= 5; ++k)
        c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
            n == 0 ? 0 : c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] + c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)];
    }
    for (unsigned m = 0; m < 32; ++m) auswahl[static_cast<std::size_t>(std::popcount(m))].push_back(static_cast<std::uint8_t>(m));
  }
  // Rank of the subset of `zahlen` (ascending, 1..55) chosen by the bit pattern.
  std::uint32_t rang(const std::array<int, 5>& zahlen, std::uint8_t muster) const {
    std::uint32_t r = 0;
    std::size_t i = 1;
    for (std::size_t p = 0; p < 5; ++p)
      if (muster & (1u << p)) r += c[static_cast<std::size_t>(zahlen[p] - 1)][i++];
    return r;
  }
};
const Kombinatorik& kombinatorik() {
  static const Kombinatorik k;
  return k;
}

// Up to five numbers of a mask, ascending, and how many there are.
int zahlenAus(Maske m, std::array<int, 5>& z) {
  int n = 0;
  m &= ~kWiederholt;
  while (m && n < 5) {
    z[static_cast<std::size_t>(n++)] = std::countr_zero(m);
    m &= m - 1;
  }
  return n;
}

bool zuvielMit(const Vergleichsreihe& ziehung, const Kandidat& k, bool an, int grenze) {
  // At 0 the pool holds none of the draw's numbers, so the rule has nothing to do.
  return an && grenze > 0 && paare(k, ziehung) > grenze;
}
}  // namespace

Maske maskeVon(std::span<const int, 5> fuenf) {
  Maske m = 0;
  for (int n : fuenf)
    if (n >= 1 && n <= 55) m |= Maske{1} << n;
  return m;
}

Vergleichsreihe Vergleichsreihe::aus(std::span<const int, 5> fuenf) {
  std::array<std::uint8_t, 5> z{};
  for (std::size_t i = 0; i < 5; ++i)
    z[i] = static_cast<std::uint8_t>(fuenf[i] >= 0 && fuenf[i] <= 255 ? fuenf[i] : 0);
  return ausZahlen(z);
}

Vergleichsreihe Vergleichsreihe::aus(const Ziehung& zg) {
  return ausZahlen({zg.Ziehungszahlen[0], zg.Ziehungszahlen[1], zg.Ziehungszahlen[2], zg.Ziehungszahlen[3],
                    zg.Ziehungszahlen[4]});
}

void Kandidat::abschliessen() {
  std::sort(Reihe.begin() + 1, Reihe.begin() + 6);
  QS = Reihe[1] + Reihe[2] + Reihe[3] + Reihe[4] + Reihe[5];
  maske = maskeVon(std::span<const int, 5>(Reihe.data() + 1, 5));
  int gueltig = 0;
  for (int i = 1; i <= 5; ++i) gueltig += (Reihe[static_cast<std::size_t>(i)] >= 1 && Reihe[static_cast<std::size_t>(i)] <= 55);
  wiederholt = std::popcount(maske) != gueltig;
}

int paare(const Kandidat& k, const Vergleichsreihe& v) {
  if (!k.wiederholt) return v.treffer(k.maske);
  int n = 0;
  if (!(v.maske & kWiederholt)) {
    for (int i = 1; i <= 5; ++i) {
      const int z = k.Reihe[static_cast<std::size_t>(i)];
      n += (z >= 1 && z <= 55 && ((v.maske >> z) & 1u)) ? 1 : 0;
    }
    return n;
  }
  for (int i = 1; i <= 5; ++i) {
    const int z = k.Reihe[static_cast<std::size_t>(i)];
    if (z < 1 || z > 55) continue;
    for (std::uint8_t w : v.zahlen) n += (w == z) ? 1 : 0;
  }
  return n;
}

int AnzahlGerade(const Kandidat& k) {
  int n = 0;
  for (int i = 1; i <= 5; ++i) n += (k.Reihe[static_cast<std::size_t>(i)] % 2 == 0) ? 1 : 0;
  return n;
}

int AnzahlUngerade(const Kandidat& k) { return 5 - AnzahlGerade(k); }

bool istPrimzahl(int n) {
  switch (n) {
    case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19:
    case 23: case 29: case 31: case 37: case 41: case 43: case 47: case 53:
      return true;
    default:
      return false;
  }
}

int primzahlen(int Zahl1, int zahl2, int zahl3, int zahl4, int zahl5, int Zahl6, int /*Zahl7*/) {
  return istPrimzahl(Zahl1) + istPrimzahl(zahl2) + istPrimzahl(zahl3) + istPrimzahl(zahl4) + istPrimzahl(zahl5) +
         istPrimzahl(Zahl6);
}

qint64 tagzahl(const QDate& d) {
  static const qint64 basis = QDate(1899, 12, 30).toJulianDay();
  return d.isValid() ? d.toJulianDay() - basis : kKeinTag;
}

const std::vector<Ziehung>& Laufhistorie::saetze() {
  if (!gelesen_) {
    saetze_ = leser_();
    gelesen_ = true;
    tage_.clear();
    tage_.reserve(saetze_.size());
    for (const Ziehung& z : saetze_) {
      const auto t = z.tag();
      tage_.push_back(t ? *t : kKeinTag);
    }
  }
  return saetze_;
}

bool Laufhistorie::keinerErreicht(int fenster, const Kandidat& k, qint64 startTag, qint64 endTag, int grenze) {
  if (!gefiltert_) {
    gefiltert_ = true;
    if (beiErstemFilter) beiErstemFilter();
  }
  saetze();
  Cache& c = caches_[static_cast<std::size_t>(fenster)];
  if (!c.gueltig || c.start != startTag || c.ende != endTag) {
    // The window's records, taken once while its bounds stay; the answers equal a fresh read.
    c.gueltig = true;
    c.start = startTag;
    c.ende = endTag;
    c.zeilen.leeren();
    if (startTag != kKeinTag && endTag != kKeinTag) {
      for (std::size_t i = 0; i < saetze_.size(); ++i) {
        const qint64 t = tage_[i];
        if (t != kKeinTag && t > startTag && t <= endTag) c.zeilen.hinzu(Vergleichsreihe::aus(saetze_[i]));
      }
    }
  }
  return !c.zeilen.mindestens(k, grenze, Zeilenmenge::Zaehlart::paare);
}

void Zeilenmenge::leeren() {
  einfach_.clear();
  wiederholt_.clear();
  for (Index& i : index_) {
    i.bits.clear();
    i.eingetragen = 0;
  }
}

void Zeilenmenge::hinzu(const Vergleichsreihe& r) {
  if (r.maske & kWiederholt)
    wiederholt_.push_back(r);
  else
    einfach_.push_back(r.maske);
}

int Zeilenmenge::zaehle(const Kandidat& k, const Vergleichsreihe& r, Zaehlart art) const {
  return art == Zaehlart::paare ? paare(k, r) : r.treffer(k.maske);
}

bool Zeilenmenge::mindestens(const Kandidat& k, int grenze, Zaehlart art) {
  if (groesse() == 0) return false;
  if (grenze <= 0) return true;
  for (const Vergleichsreihe& r : wiederholt_)
    if (zaehle(k, r, art) >= grenze) return true;
  if (k.wiederholt) {
    for (Maske m : einfach_) {
      Vergleichsreihe r;
      r.maske = m;
      if (zaehle(k, r, art) >= grenze) return true;
    }
    return false;
  }
  if (grenze > 5) return false;
  const Kombinatorik& kb = kombinatorik();
  Index& ix = index_[static_cast<std::size_t>(grenze)];
  if (ix.bits.empty()) ix.bits.assign((kb.c[55][static_cast<std::size_t>(grenze)] + 63) / 64, 0);
  for (; ix.eingetragen < einfach_.size(); ++ix.eingetragen) {
    std::array<int, 5> z{};
    const int n = zahlenAus(einfach_[ix.eingetragen], z);
    if (n < grenze) continue;
    for (std::uint8_t muster : kb.auswahl[static_cast<std::size_t>(grenze)]) {
      if (muster >> n) continue;  // a row of fewer than five numbers has fewer subsets
      const std::uint32_t r = kb.rang(z, muster);
      ix.bits[r >> 6] |= std::uint64_t{1} << (r & 63);
    }
  }
  std::array<int, 5> z{};
  const int n = zahlenAus(k.maske, z);
  for (std::uint8_t muster : kb.auswahl[static_cast<std::size_t>(grenze)]) {
    if (muster >> n) continue;
    const std::uint32_t r = kb.rang(z, muster);
    if ((ix.bits[r >> 6] >> (r & 63)) & 1u) return true;
  }
  return false;
}

bool Zeilenmenge::hoechstens(const Kandidat& k, int grenze, Zaehlart art) const {
  if (grenze < 0) return false;
  for (const Vergleichsreihe& r : wiederholt_)
    if (zaehle(k, r, art) <= grenze) return true;
  if (k.wiederholt) {
    for (Maske m : einfach_) {
      Vergleichsreihe r;
      r.maske = m;
      if (zaehle(k, r, art) <= grenze) return true;
    }
    return false;
  }
  const Maske kandidat = k.maske;
  for (Maske m : einfach_)
    if (std::popcount(m & kandidat) <= grenze) return true;
  return false;
}

bool Secheroderfuenfer(const Kandidat& k, const Berechnungsparameter& p, Regelkontext& c) {
  return c.historie->keinerErreicht(0, k, tagzahl(p.DateTimePicker2), tagzahl(c.enddatum), p.UpDown6);
}

bool dreierodervierer(const Kandidat& k, const Berechnungsparameter& p, Regelkontext& c) {
  const qint64 ende = tagzahl(c.enddatum);
  const qint64 start = ende == kKeinTag ? kKeinTag : ende - 14 * static_cast<qint64>(p.UpDown18);
  return c.historie->keinerErreicht(1, k, start, ende, p.UpDown17);
}

int Regelkette(const Kandidat& k, int t, const Berechnungsparameter& p, Regelkontext& c) {
  const auto& r = k.Reihe;
  if (t >= 2 && ueberschneidungVerwirft(k, p, *c.tippliste)) return 1;
  if (p.CheckBox8) {
    const bool paar = r[1] + 1 == r[2] || r[2] + 1 == r[3] || r[3] + 1 == r[4] || r[4] + 1 == r[5];
    if (!paar) return 2;
  }
  if (p.CheckBox18) {
    const bool a = r[1] + 1 == r[2], b = r[2] + 1 == r[3], d = r[3] + 1 == r[4], e = r[4] + 1 == r[5];
    if ((a && b) || (b && d) || (d && e)) return 3;
  }
  if (k.QS < p.UpDown1 || k.QS > p.UpDown2) return 4;
  if (zuvielMit(c.referenz[0], k, p.CheckBox4, p.UpDown4)) return 5;
  if (zuvielMit(c.referenz[1], k, p.CheckBox5, p.UpDown5)) return 6;
  if (zuvielMit(c.referenz[2], k, p.CheckBox23, p.UpDown11)) return 7;
  if (p.CheckBox25 && AnzahlGerade(k) < p.UpDown15) return 8;
  if (p.CheckBox26 && AnzahlUngerade(k) < p.UpDown16) return 9;
  if (p.CheckBox9 && !Secheroderfuenfer(k, p, c)) return 10;
  if (p.CheckBox28 && !dreierodervierer(k, p, c)) return 11;
  if (p.CheckBox22 && primzahlen(r[1], r[2], r[3], r[4], r[5], r[6], r[7]) < p.UpDown10) return 12;
  return 0;
}

}  // namespace engine
