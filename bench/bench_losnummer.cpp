// The ticket-number generator on a sibling history of 10,000 records that holds every 4-digit
// ending: mode 4 hits 1000 times, then mode 3 finds a number. The file is read once per run.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "output/losnummer.h"
#include "plattform/zufall.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir ordner;
  const QString datei = ordner.path() + QStringLiteral("/Rorevo08.dat");
  {
    QByteArray bytes;
    for (int i = 0; i < 10000; ++i) {
      QByteArray satz(32, '\0');
      const double tage = 40000 + i;
      std::memcpy(satz.data(), &tage, 8);
      int n = i;
      for (int d = 6; d >= 0; --d, n /= 10) satz[16 + d] = static_cast<char>(n % 10);
      for (int d = 0; d < 6; ++d) satz[23 + d] = 9;
      bytes += satz;
    }
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(bytes);
  }
  std::vector<double> ms;
  int modus = 0;
  for (int lauf = 0; lauf < 21; ++lauf) {
    plattform::Zufall::RandSeed = static_cast<std::uint32_t>(lauf);
    QElapsedTimer t;
    t.start();
    const auto historie = losnummer::lies(datei);
    modus += losnummer::neueLosnummer(4, historie).modus;
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("Losnummer, Modus 4 auf 10000 Sätzen (1000 Treffer, dann Modus 3): %.2f ms (Median von 21), Modus am Ende %d\n",
              ms[ms.size() / 2], modus / 21);
  return 0;
}
