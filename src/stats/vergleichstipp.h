#pragma once
#include <QStringView>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "shell/ziehung.h"

// Tips and draws prepared once for the long walks through the history, counting exactly as
// tippcheck::Zettelcheck does: draw slots outer, tip positions inner, the scan ending at the
// first tip text that is not a whole number. Where both sides hold five different numbers
// 1..55 the count is the popcount of two masks; every other pair takes the literal rule.

struct Vergleichstipp {
  std::array<int, 5> wert{};
  int gut = 0;  // texts read before the first one that is no whole number
  std::uint64_t maske = 0;
  bool nurMaske = false;

  static Vergleichstipp aus(const std::array<QStringView, 5>& texte);
};

struct Vergleichsziehung {
  static constexpr qint64 kOhneTag = std::numeric_limits<qint64>::min();
  std::array<int, 5> zahl{};
  std::uint64_t maske = 0;
  bool nurMaske = false;
  qint64 tag = kOhneTag;  // kOhneTag: the date cannot be read

  static Vergleichsziehung aus(const Ziehung& z);
  bool hatTag() const { return tag != kOhneTag; }
};

std::vector<Vergleichsziehung> vergleichsziehungen(const std::vector<Ziehung>& saetze);

inline int woertlicheTreffer(const Vergleichstipp& t, const Vergleichsziehung& z) {
  const int plaetze = t.gut == 5 ? 5 : 1;
  int g = 0;
  for (int i = 0; i < plaetze; ++i)
    for (int k = 0; k < t.gut; ++k) g += t.wert[static_cast<std::size_t>(k)] == z.zahl[static_cast<std::size_t>(i)];
  return g;
}

inline int treffer(const Vergleichstipp& t, const Vergleichsziehung& z) {
  if (t.nurMaske && z.nurMaske) return std::popcount(t.maske & z.maske);
  return woertlicheTreffer(t, z);
}
