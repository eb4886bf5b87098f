// The historical analysis and the history search on 20,000 draws (two a day from 08.02.2018),
// twelve filled tip rows, threshold 6 (no question; the analysis also at the default 5): the core walks on one read of the history,
// then both commands through the main window (offscreen, scripted answers, the report written,
// the shell double).
#include <QApplication>
#include <QLineEdit>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "hilfen/historie.h"
#include "stats/historienanalyse.h"
#include "stats/historiensuche.h"
#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/datumswahl.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "stats/fenster/Historienbefehle.h"

namespace {
void messe(const char* name, int runden, const std::function<void()>& befehl) {
  std::vector<double> ms;
  for (int i = 0; i < runden; ++i) {
    QElapsedTimer t;
    t.start();
    befehl();
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-28s median %8.2f ms   max %8.2f ms   (%d runs)\n", name, ms[ms.size() / 2], ms.back(), runden);
}

std::vector<Ziehung> historie(const QDate& ab, int tage) {
  std::mt19937 zufall(2018);
  std::vector<Ziehung> v;
  std::vector<int> topf(55);
  for (int t = 0; t < tage; ++t)
    for (int m = 0; m < 2; ++m) {
      for (int i = 0; i < 55; ++i) topf[static_cast<std::size_t>(i)] = i + 1;
      std::shuffle(topf.begin(), topf.end(), zufall);
      v.push_back(satz(ab.addDays(t), {topf[0], topf[1], topf[2], topf[3], topf[4]}, m == 0));
    }
  return v;
}

struct Still : Analysefenster, Suchfenster {
  bool weiter(const Analysestand&) override { return true; }
  bool weiter(const Suchstand&) override { return true; }
};
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDate ab(2018, 2, 8);
  const auto saetze = historie(ab, 10000);
  std::printf("history: %zu records\n", saetze.size());
  std::array<Zeilentexte, 12> schein;
  for (std::size_t k = 0; k < 12; ++k) schein[k] = ersteZeile(saetze[k * 7], 10);

  Still still;
  Analyseeingabe ein;
  ein.d = 0;
  ein.gewaehlt = ab;
  ein.beginn = ab;
  ein.schwelle = 6;
  Analyseergebnis e;
  messe("core: analysis from draw 1", 5, [&] { e = analysiere(saetze, ein, still); });
  std::printf("  %d cycles, %d comparisons\n", e.zyklen, [&] {
    int s = 0;
    for (int x : e.tabellen.vorgaenger) s += x;
    return s;
  }());
  // The default threshold 5: every earlier draw equal to D asks (answered Yes).
  struct Zaehler : Analysefenster {
    int fragen = 0;
    bool weiter(const Analysestand&) override { return ++fragen > 0; }
  } zaehler;
  ein.schwelle = 5;
  messe("core: analysis, threshold 5", 5, [&] { e = analysiere(saetze, ein, zaehler); });
  std::printf("  %d questions per run\n", zaehler.fragen / 5);
  ein.schwelle = 6;
  messe("core: search, whole history", 50,
        [&] { suche(saetze, ab, ab.addDays(10000), 6, schein, still); });

  Fensterumgebung u;
  Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(saetze));
  TForm1 form;
  for (int k = 1; k <= 12; ++k)
    for (int i = 0; i < 5; ++i) form.Schein->zeile(k).Zahlen[static_cast<std::size_t>(i)]->setText(schein[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i)]);
  form.ziehungsanzeige->DateTimePicker2->setzeDatum(ab);
  messe("window: analysis from draw 1", 5, [&] {
    form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab);
    u.dialoge().antworten = {true, QStringLiteral("6")};
    form.historienbefehle->BitBtn19Click();
  });
  std::printf("  report opened %lld times, %lld messages\n", static_cast<long long>(u.shell().aufrufe.size()),
              static_cast<long long>(u.dialoge().arten().count(QStringLiteral("nachricht"))));
  for (int k = 1; k <= 12; ++k)
    for (int i = 0; i < 5; ++i) form.Schein->zeile(k).Zahlen[static_cast<std::size_t>(i)]->setText(schein[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i)]);
  messe("window: search, whole history", 50, [&] {
    form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab.addDays(10000));
    u.dialoge().antworten = {QStringLiteral("6")};
    form.historienbefehle->SpeedButton4Click();
  });
  return 0;
}
