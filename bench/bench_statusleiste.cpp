// Panel texts of the main window's status bar as a long catch-up sets them: once per day a new
// text in both panels, then the window handles pending input once. Offscreen, window shown.
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/steuerelemente.h"
#include "programm/LottoZahlen.h"

namespace {
constexpr int kTage = 3200;
constexpr int kLaeufe = 5;
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fensterumgebung umgebung;
  TForm1 form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  QTest::qWait(100);
  const QDate start(2018, 2, 8);
  const auto messe = [&](const char* was, bool texte) {
    std::vector<qint64> zeiten;
    for (int lauf = 0; lauf < kLaeufe; ++lauf) {
      QElapsedTimer uhr;
      uhr.start();
      for (int i = 0; i < kTage; ++i) {
        const QDate tag = start.addDays(i);
        if (texte) {
          form.setzeStatus(0, tag.toString(QStringLiteral("dd.MM.yyyy")));
          form.setzeStatus(1, QStringLiteral("Lade Ziehung vom ") + tag.toString(QStringLiteral("dddd, d. MMMM yyyy")));
        }
        QCoreApplication::processEvents();
      }
      zeiten.push_back(uhr.nsecsElapsed() / 1000);
    }
    std::sort(zeiten.begin(), zeiten.end());
    const double us = static_cast<double>(zeiten[kLaeufe / 2]);
    std::printf("%-34s %d days, median of %d runs: %7.1f ms (%.1f us per day)\n", was, kTage, kLaeufe, us / 1000.0,
                us / kTage);
  };
  messe("two panel texts, input once a day", true);
  messe("input once a day only", false);
  form.close();
  return 0;
}
