#pragma once
// Small draw histories for the tests of the history and the current draw.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
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
