// Checks of a long tip list against the current draw: the core loop alone and the whole
// list check of the main window (reading Gewinnzahlen, filling Gewinne, status, sound).
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/zufall.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/tippcheck.h"

namespace {
constexpr int kZeilen = 6500;
constexpr int kDurchgaenge = 50;

QStringList liste() {
  plattform::Zufall::RandSeed = 4711;
  QStringList zeilen;
  for (int i = 0; i < kZeilen; ++i) {
    QStringList z;
    for (int k = 0; k < 5; ++k) z << QString::number(static_cast<int>(plattform::Zufall::Random(55)) + 1);
    // Half of them in the long form the engine writes.
    zeilen << (i % 2 ? z.join('\t') + QStringLiteral("\t\t\t\t") : z.join('\t'));
  }
  return zeilen;
}

template <class F>
double median(F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < kDurchgaenge; ++i) {
    QElapsedTimer t;
    t.start();
    f();
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fensterumgebung umgebung;
  const QStringList zeilen = liste();
  const std::array<int, 9> zahl{0, 5, 14, 23, 38, 51, 0, 0, 0};

  int summe = 0;
  const double kern = median([&] { summe += tippcheck::pruefeListe(zahl, zeilen).bester; });

  TForm1 form;
  form.zustand().Zahl = zahl;
  form.Schein->listenansichtBeimStart();
  form.Schein->listeErsetzen(zeilen);
  const double fenster = median([&] { summe += form.Listengewinncheck(nullptr); });

  std::printf("Listengewinncheck, %d lines (median of %d):\n", kZeilen, kDurchgaenge);
  std::printf("  core loop (split, Zettelcheck, Statistik): %.2f ms\n", kern);
  std::printf("  main window (incl. Gewinne, status, sound): %.2f ms\n", fenster);
  std::printf("  (results %d, Gewinne %d lines)\n", summe, form.Schein->Gewinne->count());
  return 0;
}
