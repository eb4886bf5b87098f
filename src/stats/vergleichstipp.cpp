#include "stats/vergleichstipp.h"

#include "plattform/formate.h"

#include <optional>

namespace {
// Five different numbers 1..55 as a mask; 0 when they are not.
std::uint64_t fuenfVerschiedene(const std::array<int, 5>& z) {
  std::uint64_t m = 0;
  for (int n : z) {
    if (n < 1 || n > 55) return 0;
    const std::uint64_t bit = std::uint64_t{1} << n;
    if (m & bit) return 0;
    m |= bit;
  }
  return m;
}
}  // namespace

Vergleichstipp Vergleichstipp::aus(const std::array<QStringView, 5>& texte) {
  Vergleichstipp t;
  while (t.gut < 5) {
    const std::optional<int> w = plattform::liesGanzzahl(texte[static_cast<std::size_t>(t.gut)]);
    if (!w) break;
    t.wert[static_cast<std::size_t>(t.gut++)] = *w;
  }
  if (t.gut == 5) {
    t.maske = fuenfVerschiedene(t.wert);
    t.nurMaske = t.maske != 0;
  }
  return t;
}

Vergleichsziehung Vergleichsziehung::aus(const Ziehung& z) {
  Vergleichsziehung v;
  for (int k = 0; k < 5; ++k) v.zahl[static_cast<std::size_t>(k)] = z.zahl(k + 1);
  v.maske = fuenfVerschiedene(v.zahl);
  v.nurMaske = v.maske != 0;
  if (const auto t = z.tag()) v.tag = *t;
  return v;
}

std::vector<Vergleichsziehung> vergleichsziehungen(const std::vector<Ziehung>& saetze) {
  std::vector<Vergleichsziehung> v;
  v.reserve(saetze.size());
  for (const Ziehung& z : saetze) v.push_back(Vergleichsziehung::aus(z));
  return v;
}
