#pragma once
// Small draw histories for the tests of the history and the current draw.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "hilfen/testumgebung.h"
#include "shell/ziehung.h"

inline Ziehung satz(const QDate& tag, std::array<int, 5> zahlen, bool mittag, int e1 = 0, int e2 = 0) {
  Ziehung z;
  z.setzeDatum(tag);
  for (std::size_t i = 0; i < 5; ++i) z.Ziehungszahlen[i] = static_cast<std::uint8_t>(zahlen[i]);
  z.Ziehungszahlen[5] = mittag ? 1 : 0;
  z.Ziehungszahlen[6] = static_cast<std::uint8_t>(e1);
  z.Ziehungszahlen[7] = static_cast<std::uint8_t>(e2);
  return z;
}

inline QByteArray alsDatei(const std::vector<Ziehung>& saetze) {
  QByteArray b;
  for (const Ziehung& z : saetze) b += z.alsBytes();
  return b;
}

// Two draws a day (13:00, then 20:30) for `tage` days from `ab`; the numbers differ per record.
inline std::vector<Ziehung> abwechselnd(const QDate& ab, int tage) {
  std::vector<Ziehung> v;
  for (int t = 0; t < tage; ++t)
    for (int m = 0; m < 2; ++m) {
      const int i = 2 * t + m;
      v.push_back(satz(ab.addDays(t), {1 + i % 50, 2 + i % 50, 3 + i % 50, 4 + i % 50, 5 + i % 50}, m == 0));
    }
  return v;
}

// One 20:30 draw a day for `tage` days from `ab`: five different numbers 1..55 from a fixed
// generator, the same for every test that asks for the same days.
inline std::vector<Ziehung> taeglichGemischt(const QDate& ab, int tage) {
  std::vector<Ziehung> v;
  for (int i = 0; i < tage; ++i) {
    std::array<int, 5> z{};
    int n = 0;
    std::uint32_t s = static_cast<std::uint32_t>(i) * 2654435761u + 7u;
    while (n < 5) {
      s = s * 1103515245u + 12345u;
      const int w = static_cast<int>((s >> 16) % 55) + 1;
      if (std::find(z.begin(), z.begin() + n, w) == z.begin() + n) z[static_cast<std::size_t>(n++)] = w;
    }
    v.push_back(satz(ab.addDays(i), z, false));
  }
  return v;
}
