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

// Two draws a day from ab on, or saetze records spread over the days ab .. bis.
std::vector<Ziehung> historie(const QDate& ab, int saetze, const QDate& bis = QDate()) {
  std::mt19937 zufall(4711);
  std::vector<Ziehung> v;
  v.reserve(static_cast<std::size_t>(saetze));
  for (int i = 0; i < saetze; ++i) {
    Ziehung z;
    z.setzeDatum(bis.isValid() ? ab.addDays(static_cast<qint64>(i) * ab.daysTo(bis) / saetze) : ab.addDays(i / 2));
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

  Fensterumgebung umgebung;
  {
    // The start on a history of 200,000 records, most of them in the date window up to today
    // (the newest lies ahead, so nothing is downloaded): the main window built and shown, its
    // show road run (the draw of the end date, the frequency chart) and painted once.
    Testumgebung::schreibe(umgebung.home() + "ZahlenQV.dat",
                           alsDatei(historie(QDate(2018, 2, 8), 200000, QDate::currentDate().addYears(2))));
    QElapsedTimer t;
    t.start();
    TForm1 start;
    start.show();
    QApplication::processEvents();  // the show road
    QCoreApplication::sendPostedEvents();
    start.repaint();
    std::printf("start with 200,000 records (window built, shown, show road run, painted once): %.0f ms\n",
                static_cast<double>(t.nsecsElapsed()) / 1e6);
    pruef += start.Diagramm->Chart1->linksMaximum();
  }

  // The animation's day step in the window: the history file in the data folder, the chart
  // page in front, the window on the (offscreen) screen.
  Testumgebung::schreibe(umgebung.home() + "ZahlenQV.dat", alsDatei(v));
  TForm1 form;
  form.resize(800, 600);
  form.show();
  form.PageControl1->setCurrentWidget(form.TabSheet5);
  form.ziehungsanzeige->DateTimePicker2->setzeDatum(ab);
  form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab.addDays(9000));
  Diagrammseite& seite = *form.Diagramm;
  // One paint of the chart as the screen gets it: the chart's pending layout, then its view.
  auto malen = [&] {
    QCoreApplication::sendPostedEvents();
    seite.Chart1->viewport()->repaint();
  };
  seite.SpeedButton2Click();
  seite.BitBtn20Click();
  seite.Timer1->stop();  // the ticks come from here
  form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab.addDays(8000));
  QApplication::processEvents();
  const double schritt = median(
      [&] {
        seite.Timer1Timer();
        malen();
        return seite.Chart1->serie(2).y(0);
      },
      pruef);
  std::printf("Timer1Timer day step (frequency, 20,000 records, one paint of Chart1): %.3f ms\n", schritt);

  // Every chart command right after every other one: the left axis moves between ranges in
  // the tens and in the tens of thousands (the extra-number overdue counts every draw).
  seite.BitBtn21Click();
  form.ziehungsanzeige->DateTimePicker1->setzeDatum(ab.addDays(10000));
  struct Befehl {
    const char* name;
    void (Diagrammseite::*befehl)();
  };
  const std::vector<Befehl> befehle{
      {"SpeedButton2Click", &Diagrammseite::SpeedButton2Click}, {"SpeedButton9Click", &Diagrammseite::SpeedButton9Click},
      {"Button2Click", &Diagrammseite::Button2Click},           {"Button3Click", &Diagrammseite::Button3Click},
      {"Button4Click", &Diagrammseite::Button4Click},           {"Button5Click", &Diagrammseite::Button5Click},
      {"SpeedButton30Click", &Diagrammseite::SpeedButton30Click}, {"SpeedButton29Click", &Diagrammseite::SpeedButton29Click},
      {"Button8Click", &Diagrammseite::Button8Click},           {"SpeedButton3Click", &Diagrammseite::SpeedButton3Click},
      {"Button6Click", &Diagrammseite::Button6Click},
  };
  constexpr int kPaarDurchgaenge = 7;
  double langsamste = 0;
  QString paar;
  for (const Befehl& vorher : befehle)
    for (const Befehl& danach : befehle) {
      std::vector<double> ms;
      for (int i = 0; i < kPaarDurchgaenge; ++i) {
        (seite.*vorher.befehl)();
        malen();
        QElapsedTimer t;
        t.start();
        (seite.*danach.befehl)();
        malen();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        pruef += seite.Chart1->linksMaximum();
      }
      std::sort(ms.begin(), ms.end());
      if (ms[ms.size() / 2] > langsamste) {
        langsamste = ms[ms.size() / 2];
        paar = QStringLiteral("%1 after %2").arg(QString::fromLatin1(danach.name), QString::fromLatin1(vorher.name));
      }
    }
  std::printf("slowest chart command after another (%zu x %zu pairs, 20,000 records, one paint, median of %d): "
              "%.3f ms, %s\n",
              befehle.size(), befehle.size(), kPaarDurchgaenge, langsamste, qPrintable(paar));
  std::printf("(check %d)\n", pruef);
  return 0;
}
