// Show, previous, next and delete on a history of 20,000 draws, through the main window as a
// click runs them (one read of the file, the display, the tip comparison; delete also writes
// and replaces the file).
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/datumswahl.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "hilfen/historie.h"

namespace {
void messe(const char* name, int runden, const std::function<void(int)>& befehl,
           const std::function<void(int)>& vorbereiten = {}) {
  std::vector<double> ms;
  for (int i = 0; i < runden; ++i) {
    if (vorbereiten) vorbereiten(i);
    QElapsedTimer t;
    t.start();
    befehl(i);
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-10s median %6.2f ms   max %6.2f ms   (%d runs)\n", name, ms[ms.size() / 2], ms.back(), runden);
}
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fensterumgebung u;
  const QDate ab(2000, 1, 1);
  const auto historie = abwechselnd(ab, 10000);
  Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(historie));
  TForm1 form;
  Ziehungsanzeige& z = *form.ziehungsanzeige;
  std::printf("history: %zu records\n", historie.size());

  const QDate mitte = ab.addDays(5000);
  messe("show", 50, [&](int) {
    z.DateTimePicker1->setzeDatum(mitte);
    z.SpeedButton5Click();
  });
  messe("previous", 50, [&](int) { z.SpeedButton6Click(); });
  messe("next", 50, [&](int) { z.SpeedButton7Click(); });
  // Delete writes the whole history, flushes it to the disk, replaces the file and shows again.
  messe(
      "delete", 50, [&](int) { z.BitBtn4Click(); },
      [&](int i) {
        z.DateTimePicker1->setzeDatum(ab.addDays(1000 + 100 * i));
        z.SpeedButton5Click();
      });
  return 0;
}
