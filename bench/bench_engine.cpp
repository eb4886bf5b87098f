// The generation run in the core over plain values: a sheet of twelve tips with the default
// options beside a tight reference loop (same pool, same seed, same rules, 64-bit masks),
// and long list runs with the history rules on.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <bit>
#include <cstdio>
#include <vector>

#include "demodaten.h"
#include "engine/generierungslauf.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "hilfen/testlauf.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Tippschein.h"
#include "plattform/textdatei.h"
#include "plattform/zufall.h"
#include "shell/fenster/Ziehungsanzeige.h"

using namespace engine;

namespace {

// Two demo draws a day from 08.02.2018 on.
std::vector<Ziehung> demo(int tage) {
  std::vector<Ziehung> s;
  const QDate erster(2018, 2, 8);
  for (int i = 0; i < tage; ++i) {
    const QDate d = erster.addDays(i);
    const standin::Datum tag{std::chrono::year(d.year()), std::chrono::month(static_cast<unsigned>(d.month())),
                                   std::chrono::day(static_cast<unsigned>(d.day()))};
    for (bool mittag : {true, false}) {
      const auto z = standin::demo::ziehung(tag, mittag);
      s.push_back(Testlauf::ziehung(d, {z[0], z[1], z[2], z[3], z[4]}, mittag));
    }
  }
  return s;
}

void vorbereiten(Testlauf& env, const std::vector<Ziehung>& saetze) {
  env.saetze = saetze;
  env.dtp1 = saetze.back().datum();
  env.p.DateTimePicker2 = QDate(2018, 2, 7);
}

struct Referenzergebnis {
  std::vector<std::array<int, 5>> reihen;
  int lauf = 0;
};

// The same run as one tight loop: the pool, the three reference draws and the end date as the
// core run found them, every default rule on masks, the loosening steps inline.
Referenzergebnis referenz(const Zahlentopf& topf, const std::array<Maske, 3>& ziehungen, const std::vector<Ziehung>& saetze,
                          const QDate& ende, int laufMax) {
  Berechnungsparameter p;
  const qint64 endTag = tagzahl(ende);
  std::vector<Maske> fenster, neue;
  for (const Ziehung& z : saetze) {
    const qint64 t = *z.tag();
    if (t > tagzahl(p.DateTimePicker2) && t <= endTag) fenster.push_back(z.maske());
    if (t > endTag - 14 * p.UpDown18 && t <= endTag) neue.push_back(z.maske());
  }
  Referenzergebnis e;
  std::vector<Maske> tipps;
  int lauf = 0;
  int upDown4 = p.UpDown4, upDown5 = p.UpDown5, upDown6 = p.UpDown6;
  const std::uint32_t bereich = static_cast<std::uint32_t>(topf.Topfende + 1);
  for (int t = 1; t <= 12; ++t) {
    std::array<int, 6> r{};
    bool angenommen = false;
    if (t == 1 || lauf < laufMax) {
      while (!angenommen && lauf < laufMax) {
        ++lauf;
        if (lauf == laufMax - 20000) upDown6 = 6;
        if (lauf == laufMax - 10000) upDown5 = 2, upDown4 = 1;
        if (lauf == laufMax - 5000) upDown5 = 3, upDown4 = 2;
        Maske m = 0;
        for (int j = 1; j <= 5;) {
          const int v = topf.plaetze[plattform::Zufall::Random(bereich)];
          if (v == 0 || ((m >> v) & 1u)) continue;
          m |= Maske{1} << v;
          r[static_cast<std::size_t>(j++)] = v;
        }
        std::sort(r.begin() + 1, r.end());
        const int qs = r[1] + r[2] + r[3] + r[4] + r[5];
        bool gut = true;
        if (t >= 2) {
          int mx = 0, mn = 6;
          for (Maske a : tipps) {
            const int h = std::popcount(a & m);
            if (h > p.UpDown3 || h < p.UpDown9) {
              gut = false;
              break;
            }
            mx = std::max(mx, h);
            mn = std::min(mn, h);
          }
          gut = gut && !(mn > p.UpDown3) && !(mx < p.UpDown9);
        }
        gut = gut && !((r[1] + 1 == r[2] && r[2] + 1 == r[3]) || (r[2] + 1 == r[3] && r[3] + 1 == r[4]) ||
                       (r[3] + 1 == r[4] && r[4] + 1 == r[5]));
        gut = gut && qs >= p.UpDown1 && qs <= p.UpDown2;
        gut = gut && !(upDown4 > 0 && std::popcount(ziehungen[0] & m) > upDown4);
        gut = gut && !(upDown5 > 0 && std::popcount(ziehungen[1] & m) > upDown5);
        gut = gut && !(p.UpDown11 > 0 && std::popcount(ziehungen[2] & m) > p.UpDown11);
        if (gut)
          for (Maske a : fenster)
            if (std::popcount(a & m) >= upDown6) {
              gut = false;
              break;
            }
        if (gut)
          for (Maske a : neue)
            if (std::popcount(a & m) >= p.UpDown17) {
              gut = false;
              break;
            }
        if (gut) angenommen = true;
        else r = {};
      }
    }
    if (lauf >= laufMax) r = {};
    e.reihen.push_back({r[1], r[2], r[3], r[4], r[5]});
    tipps.push_back(maskeVon(std::span<const int, 5>(r.data() + 1, 5)));
  }
  e.lauf = lauf;
  return e;
}

double ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::vector<Ziehung> demo5500 = demo(2760);
  const std::vector<Ziehung> demo20000 = demo(10000);
  std::printf("histories: %zu and %zu records\n", demo5500.size(), demo20000.size());

  // Sheet of twelve, defaults, budget 50,000: core and reference side by side, median of 5.
  std::vector<double> kern, ref;
  for (int runde = 0; runde < 5; ++runde) {
    Testlauf env;
    vorbereiten(env, demo5500);
    env.UpDown8 = 12;
    plattform::Zufall::RandSeed = 4711u;
    Generierung g(env);
    QElapsedTimer t;
    t.start();
    g.Label28Click();
    kern.push_back(ms(t));
    std::array<Maske, 3> ziehungen{};
    const int n = static_cast<int>(demo5500.size());
    for (int i = 0; i < 3; ++i) ziehungen[static_cast<std::size_t>(i)] = demo5500[static_cast<std::size_t>(n - 1 - i)].maske();
    plattform::Zufall::RandSeed = 4711u;
    t.restart();
    const Referenzergebnis r = referenz(g.topf(), ziehungen, demo5500, env.dtp1, env.LaufMax);
    ref.push_back(ms(t));
    for (int tt = 1; tt <= 12; ++tt)
      if (env.reihe(tt) != r.reihen[static_cast<std::size_t>(tt - 1)]) {
        std::printf("row %d differs from the reference\n", tt);
        return 1;
      }
    if (r.lauf != g.ergebnis().Lauf || r.lauf != env.LaufMax) {
      std::printf("budget: core %d, reference %d, LaufMax %d\n", g.ergebnis().Lauf, r.lauf, env.LaufMax);
      return 1;
    }
  }
  std::sort(kern.begin(), kern.end());
  std::sort(ref.begin(), ref.end());
  std::printf("sheet of 12, defaults, 50000 candidates: core %.1f ms, reference %.1f ms\n", kern[2], ref[2]);
  std::printf("ratio core/reference: %.2f\n", kern[2] / ref[2]);

  // Long lists, built batch by batch as the calculate button does.
  struct Liste {
    const char* name;
    const std::vector<Ziehung>* saetze;
    int anzahl;
  };
  double kernliste = 0;
  for (const Liste& l : {Liste{"6000-tip list, demo history", &demo5500, 6000},
                         Liste{"6500-tip list, 20000-record history", &demo20000, 6500}}) {
    Testlauf env;
    vorbereiten(env, *l.saetze);
    env.p.UpDown3 = 4;
    env.p.UpDown9 = 0;
    env.liste = true;
    env.UpDown8Max = 6500;
    env.UpDown8 = l.anzahl;
    // The demo list three times, its median the figure the window's run is set against.
    std::vector<double> mal;
    for (int runde = 0; runde < (kernliste == 0 ? 3 : 1); ++runde) {
      env.zeilen.clear();
      env.komplettchecks = env.eingaben = 0;
      plattform::Zufall::RandSeed = 4711u;
      Generierung g(env);
      QElapsedTimer t;
      t.start();
      g.BrechnungStart();
      mal.push_back(ms(t));
    }
    std::sort(mal.begin(), mal.end());
    if (kernliste == 0) kernliste = mal[mal.size() / 2];
    std::printf("%s: %lld lines in %.0f ms (%d batches, %d candidates)\n", l.name, static_cast<long long>(env.zeilen.size()),
                mal[mal.size() / 2], env.komplettchecks, env.eingaben);
  }
  // The same through the offscreen main window, started with BitBtn4. The rows are printed (the
  // list as a checksum), so that a change of the window's side can be checked for the same results.
  for (int art = 0; art < 2; ++art) {
    Fensterumgebung u;
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(demo5500));
    TForm1 form;
    form.findChild<plattform::DatumsWahl*>("DateTimePicker1")->setzeDatum(demo5500.back().datum());
    form.findChild<plattform::DatumsWahl*>("DateTimePicker2")->setzeDatum(QDate(2018, 2, 7));
    if (art == 0) {
      form.Schein->UpDown8->setPosition(12);
    } else {
      form.Parameter->UpDown3->setPosition(4);
      form.Parameter->UpDown9->setPosition(0);
      form.Schein->listenansichtBeimStart();
      form.Schein->UpDown8->setPosition(6000);
    }
    // The sheet: median of 5 runs on the same window, as the core's; the first run also pays
    // for what the window sets up once (fonts, the chart's first layout).
    std::vector<double> mal;
    for (int runde = 0; runde < (art == 0 ? 5 : 1); ++runde) {
      plattform::Zufall::RandSeed = 4711u;
      QElapsedTimer t;
      t.start();
      QTest::mouseClick(form.Schein->BitBtn4, Qt::LeftButton);
      mal.push_back(ms(t));
    }
    const double mal0 = mal.front();
    std::sort(mal.begin(), mal.end());
    const double fenster = mal[mal.size() / 2];
    const QStringList zeilen = form.Schein->listenzeilen();
    if (art == 0) {
      QStringList reihen;
      for (int k = 1; k <= 12; ++k) {
        QStringList z;
        for (QLineEdit* e : form.Schein->zeile(k).Zahlen) z << e->text();
        reihen << z.join(QLatin1Char(' '));
      }
      std::printf("sheet of 12, defaults, through the window: %.1f ms (first run %.1f ms), %.2f times the core run (rows %s)\n", fenster, mal0,
                  fenster / kern[2], qPrintable(reihen.join(QStringLiteral(", "))));
    } else {
      std::printf("6000-tip list through the window: %.0f ms, %.2f times the core list run (%lld lines, checksum %08x)\n",
                  fenster, fenster / kernliste, static_cast<long long>(zeilen.size()),
                  static_cast<unsigned>(qHash(zeilen.join(QLatin1Char('\n')))));
    }
  }
  // The back-test over 52 weeks through the window (BitBtn9, scripted answers), beside 52 core
  // runs over the same weeks: the generator takes the seed again, the end date a week on.
  {
    const QDate neuester = demo5500.back().datum();
    const QDate start = neuester.addDays(-51 * 7);
    Fensterumgebung u;
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(demo5500));
    TForm1 form;
    form.findChild<plattform::DatumsWahl*>("DateTimePicker1")->setzeDatum(start);
    form.findChild<plattform::DatumsWahl*>("DateTimePicker2")->setzeDatum(QDate(2018, 2, 7));
    form.Schein->UpDown8->setPosition(12);
    u.dialoge().antworten = {true, QStringLiteral("4711")};
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn9"), Qt::LeftButton);
    const double rueckblick = ms(t);
    const QStringList bericht = plattform::ausAnsi(Testumgebung::lies(u.home() + "Test.txt")).split(QStringLiteral("\r\n"));
    double kernwochen = 0;
    for (int w = 0; w < 52; ++w) {
      Testlauf env;
      vorbereiten(env, demo5500);
      env.dtp1 = start.addDays(7 * w);
      env.UpDown8 = 12;
      plattform::Zufall::RandSeed = 4711u;
      Generierung g(env);
      t.restart();
      g.Label28Click();
      kernwochen += ms(t);
    }
    std::printf("back-test, 52 weeks through the window: %.0f ms; 52 core runs over the same weeks: %.0f ms; "
                "%.2f times the core runs\n",
                rueckblick, kernwochen, rueckblick / kernwochen);
    std::printf("back-test report: %s\n", qPrintable(bericht.join(QStringLiteral(" | ")).simplified()));
  }
  return 0;
}
