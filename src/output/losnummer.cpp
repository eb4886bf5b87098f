#include "output/losnummer.h"

#include "plattform/dateien.h"
#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/zufall.h"

#include <cstring>

namespace losnummer {
namespace {
constexpr qsizetype kSatz = 32;
constexpr std::array<int, 8> kZehner = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};

int ziffernZahl(const char* p, int n) {
  int z = 0;
  for (int i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(p[i]);
    if (b > 9) return -1;
    z = z * 10 + b;
  }
  return z;
}

// Digits compared per mode: of Spiel 77, of Super 6.
constexpr std::array<int, 5> kStellen77 = {0, 7, 6, 5, 4};
constexpr std::array<int, 5> kStellen6 = {0, 6, 6, 5, 4};

// Every ending that is a hit under one mode, one bit per ending: a new number is checked
// against the whole history at once.
class Treffermenge {
 public:
  Treffermenge(const std::vector<Ziehung08>& historie, int modus)
      : m77_(kZehner[static_cast<size_t>(kStellen77[static_cast<size_t>(modus)])]),
        m6_(kZehner[static_cast<size_t>(kStellen6[static_cast<size_t>(modus)])]),
        bits77_(static_cast<size_t>(m77_)),
        bits6_(static_cast<size_t>(m6_)) {
    for (const Ziehung08& z : historie) {
      if (z.spiel77 >= 0) bits77_[static_cast<size_t>(z.spiel77 % m77_)] = true;
      if (z.super6 >= 0) bits6_[static_cast<size_t>(z.super6 % m6_)] = true;
    }
  }
  bool trifft(int nummer) const {
    return bits77_[static_cast<size_t>(nummer % m77_)] || bits6_[static_cast<size_t>(nummer % m6_)];
  }

 private:
  int m77_;
  int m6_;
  std::vector<bool> bits77_;
  std::vector<bool> bits6_;
};
}  // namespace

QString zahlenfile08() { return plattform::AppDatenPfad() + QStringLiteral("kestrell/zahlen-kenner/Rorevo08.dat"); }

std::vector<Ziehung08> ausBytes(const QByteArray& bytes) {
  std::vector<Ziehung08> aus;
  aus.reserve(static_cast<size_t>(bytes.size() / kSatz));
  for (qsizetype i = 0; i + kSatz <= bytes.size(); i += kSatz) {
    const char* p = bytes.constData() + i;
    Ziehung08 z;
    std::memcpy(&z.datum, p, sizeof z.datum);
    z.spiel77 = ziffernZahl(p + 16, 7);
    z.super6 = ziffernZahl(p + 23, 6);
    aus.push_back(z);
  }
  return aus;
}

std::vector<Ziehung08> lies(const QString& pfad) { return ausBytes(plattform::liesDatei(pfad)); }

int alsZahl(const Ziffern& z) {
  int n = 0;
  for (int d : z) n = n * 10 + d;
  return n;
}

bool istTreffer(int nummer, const Ziehung08& z, int modus) {
  if (modus < 1 || modus > 4) return false;
  const int m77 = kZehner[static_cast<size_t>(kStellen77[static_cast<size_t>(modus)])];
  const int m6 = kZehner[static_cast<size_t>(kStellen6[static_cast<size_t>(modus)])];
  return (z.spiel77 >= 0 && nummer % m77 == z.spiel77 % m77) || (z.super6 >= 0 && nummer % m6 == z.super6 % m6);
}

Ziffern zieheZiffern() {
  Ziffern z{};
  for (int& d : z) d = static_cast<int>(plattform::Zufall::Random(10));
  return z;
}

Ergebnis neueLosnummer(int modus, const std::vector<Ziehung08>& historie) {
  return neueLosnummer(zieheZiffern(), modus, historie);
}

Ergebnis neueLosnummer(const Ziffern& erste, int modus, const std::vector<Ziehung08>& historie) {
  Ergebnis e;
  e.ziffern = erste;
  e.modus = modus;
  if (modus <= 0 || historie.empty()) return e;
  e.modus = std::min(modus, 4);
  int zaehler = 1;
  while (e.modus > 0) {
    const Treffermenge menge(historie, e.modus);
    const int vorher = e.modus;
    while (e.modus == vorher) {
      if (!menge.trifft(alsZahl(e.ziffern))) return e;
      e.ziffern = zieheZiffern();
      if (++zaehler > 1000) {
        --e.modus;
        zaehler = 1;
      }
    }
  }
  return e;
}

QString suche(const Ziffern& ziffern, const std::vector<Ziehung08>& historie) {
  const int nummer = alsZahl(ziffern);
  const int letzteSechs = nummer % 1000000;
  for (const Ziehung08& z : historie) {
    if (z.spiel77 != nummer && z.super6 != letzteSechs) continue;
    const QString datum = plattform::kurzesDatum(plattform::ausTagzahl(z.datum));
    if (z.super6 == letzteSechs)
      return plattform::uebersetzt(QStringLiteral("LosNr. wurde am %1 bei der Super 6 gezogen"), {datum});
    return plattform::uebersetzt(QStringLiteral("LosNr. wurde am %1 im Spiel 77 gezogen"), {datum});
  }
  return plattform::uebersetzt(QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen"));
}

}  // namespace losnummer
