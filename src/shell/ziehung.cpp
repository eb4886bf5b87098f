#include "shell/ziehung.h"

#include <span>

#include "plattform/formate.h"

#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstring>
#include <utility>

namespace {
// Far beyond any draw, yet small enough that the day arithmetic of QDate stays exact.
constexpr double kGroessterTag = 3.0e6;
}  // namespace

Ziehung Ziehung::ausBytes(const char* p) {
  Ziehung z;
  const quint64 bits = qFromLittleEndian<quint64>(p);
  z.Ziehungstag = std::bit_cast<double>(bits);
  std::memcpy(z.Ziehungszahlen.data(), p + 8, 8);
  std::memcpy(z.Reserve.data(), p + 16, 16);
  return z;
}

void Ziehung::inBytes(char* p) const {
  qToLittleEndian<quint64>(std::bit_cast<quint64>(Ziehungstag), p);
  std::memcpy(p + 8, Ziehungszahlen.data(), 8);
  std::memcpy(p + 16, Reserve.data(), 16);
}

QByteArray Ziehung::alsBytes() const {
  QByteArray b(kGroesse, '\0');
  inBytes(b.data());
  return b;
}

std::optional<qint64> Ziehung::tag() const {
  if (!std::isfinite(Ziehungstag) || std::fabs(Ziehungstag) > kGroessterTag) return std::nullopt;
  return static_cast<qint64>(std::floor(Ziehungstag));
}

QDate Ziehung::datum() const {
  const auto t = tag();
  return t ? plattform::ausTagzahl(static_cast<double>(*t)) : QDate();
}

void Ziehung::setzeDatum(const QDate& d) { Ziehungstag = plattform::alsTagzahl(d); }

std::uint64_t Ziehung::maske() const {
  std::uint64_t m = 0;
  for (int i = 0; i < 5; ++i) {
    const int n = Ziehungszahlen[static_cast<std::size_t>(i)];
    if (n >= 1 && n <= 55) m |= std::uint64_t{1} << n;
  }
  return m;
}

bool Ziehung::zahlenGueltig() const {
  for (int i = 0; i < 5; ++i) {
    const int n = Ziehungszahlen[static_cast<std::size_t>(i)];
    if (n < 1 || n > 55) return false;
  }
  return true;
}

int Ziehung::quersumme() const {
  int s = 0;
  for (int i = 0; i < 5; ++i) s += Ziehungszahlen[static_cast<std::size_t>(i)];
  return s;
}

void Ziehung::sortiereZahlen() {
  std::span<std::uint8_t> fuenf(Ziehungszahlen.data(), 5);
  tauschsortiere(fuenf);
}

Ziehung Ziehung::vorschlagLeereHistorie() {
  Ziehung z;
  z.setzeDatum(QDate(2012, 3, 23));
  z.Ziehungszahlen = {1, 2, 3, 4, 5, 6, 1, 2};
  return z;
}
