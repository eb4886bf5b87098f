// Each draw statistic over a history of 20,000 records (two draws a day), the window spanning
// the whole history, both draw times ticked: the core function on the records of one read.
// Then one day step of the chart animation through the main window (offscreen): the history
// read, the frequency statistic, the chart updated and painted once.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "plattform/fenster/balkendiagramm.h"
#include "plattform/fenster/datumswahl.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "stats/fenster/Diagrammseite.h"
#include "stats/zahlenstatistik.h"

namespace {
constexpr int kDurchgaenge = 50;

std::vector<Ziehung> historie(const QDate& ab, int saetze) {
  std::mt19937 zufall(4711);
  std::vector<Ziehung> v;
  v.reserve(static_cast<std::size_t>(saetze));
  for (int i = 0; i < saetze; ++i) {
    Ziehung z;
    z.setzeDatum(ab.addDays(i / 2));
    std::array<int, 55> topf{};
    for (int n = 0; n < 55; ++n) topf[static_cast<std::size_t>(n)] = n + 1;
    std::shuffle(topf.begin(), topf.end(), zufall);
    for (std::size_t k = 0; k < 5; ++k) z.Ziehungszahlen[k] = static_cast<std::uint8_t>(topf[k]);
    z.Ziehungszahlen[5] = i % 2 == 0 ? 1 : 0;
    v.push_back(z);
  }
  return v;
}

double median(const std::function<int()>& f, int& pruef) {
  std::vector<double> ms;
  for (int i = 0; i < kDurchgaenge; ++i) {
    QElapsedTimer t;
    t.start();
    pruef += f();
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace statistik;
  const QDate ab(1999, 1, 1);
  const std::vector<Ziehung> v = historie(ab, 20000);
  const Fenster f{ab, ab.addDays(10000)};
  const Ziehungszeitfilter beide{true, true};
  QStringList liste;
  for (int i = 0; i < 6500; ++i)
    liste << QStringLiteral("%1\t%2\t%3\t%4\t%5").arg(1 + i % 51).arg(2 + i % 51).arg(3 + i % 51).arg(4 + i % 51).arg(5 + i % 51);

  struct Fall {
    const char* name;
    std::function<Zahlenstatistik()> f;
  };
  const std::vector<Fall> faelle{
      {"frequency", [&] { return haeufigkeit(v, f, beide); }},
      {"sums", [&] { return quersummen(v, f, beide); }},
      {"pairs", [&] { return paare(v, f, beide); }},
      {"triples", [&] { return dreier(v, f, beide); }},
      {"quadruples", [&] { return vierer(v, f, beide); }},
      {"overdue", [&] { return ueberfaellige(v, f, beide); }},
      {"pairs with N", [&] { return paareMitN(v, f, 17); }},
      {"extra-number overdue", [&] { return sternUeberfaellige(v, f, 10); }},
      {"extra-number frequency", [&] { return sternHaeufigkeit(v, f, 10); }},
      {"tip distribution (6500 list lines)", [&] { return tippverteilungListe(liste); }},
  };
  int pruef = 0;
  std::printf("20,000 records, median of %d runs:\n", kDurchgaenge);
  for (const Fall& fall : faelle) {
    const double ms = median([&] { return fall.f().maximum; }, pruef);
    std::printf("statistic %s: %.3f ms\n", fall.name, ms);
  }

  // The animation's day step in the window: the history file in the data folder, the chart
  // page in front, the window on the (offscreen) screen.
  Fensterumgebung umgebung;
  Testumgebung::schreibe(umgebung.home() + "ZahlenQV.dat", alsDatei(v));
  TForm1 form;
  form.resize(800, 600);
  form.show();
  form.PageControl1->setCurrentWidget(form.TabSheet5);
  form.ziehungsanzeige->DateTimePicker2->setzeDatum(ab);
  form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab.addDays(9000));
  Diagrammseite& seite = *form.Diagramm;
  seite.SpeedButton2Click();
  seite.BitBtn20Click();
  seite.Timer1->stop();  // the ticks come from here
  form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab.addDays(8000));
  QApplication::processEvents();
  const double schritt = median(
      [&] {
        seite.Timer1Timer();
        seite.Chart1->repaint();
        return seite.Chart1->serie(2).y(0);
      },
      pruef);
  std::printf("Timer1Timer day step (frequency, 20,000 records, one paint of Chart1): %.3f ms\n", schritt);
  std::printf("(check %d)\n", pruef);
  return 0;
}
