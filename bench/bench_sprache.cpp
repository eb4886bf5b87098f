// The language switch and the export over every window of a fresh start (shipped files,
// offscreen, window shown), and the lookup of a switch over a master of 5000 entries.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "hilfen/fenster/fenstertest.h"
#include "programm/Hauptprogramm.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/sprachdateien.h"

namespace {
constexpr int kLaeufe = 21;

double median(const std::function<void(int)>& tue) {
  std::vector<qint64> zeiten;
  for (int lauf = 0; lauf < kLaeufe; ++lauf) {
    QElapsedTimer uhr;
    uhr.start();
    tue(lauf);
    zeiten.push_back(uhr.nsecsElapsed());
  }
  std::sort(zeiten.begin(), zeiten.end());
  return static_cast<double>(zeiten[kLaeufe / 2]) / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fensterumgebung umgebung;
  Programmfenster fenster;
  TForm1& form = fenster.form1();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  const qsizetype elemente = Sprachmenue::alleElemente().size();

  const double wechsel = median([&](int lauf) {
    form.sprachmenue->menuepunkt(lauf % 2 ? 2 : 6)->trigger();
    QCoreApplication::processEvents();
  });
  std::printf("switch English/Russian, %lld elements, median of %d: %6.2f ms\n", static_cast<long long>(elemente),
              kLaeufe, wechsel);

  const QString ziel = umgebung.home() + QStringLiteral("Export.txt");
  const double export_ = median([&](int) {
    umgebung.dialoge().antworten.push_back(ziel);
    form.sprachmenue->Dateispeichern1->trigger();
  });
  std::printf("export master and template, median of %d:      %6.2f ms\n", kLaeufe, export_);

  // 5000 entries, every element found: the lookup stays linear.
  for (int n : {1000, 5000, 20000}) {
    sprache::Sprachstand st;
    QList<sprache::Element> el;
    for (int i = 0; i < n; ++i) {
      const QString name = QStringLiteral("Element%1").arg(i);
      st.stamm << QStringLiteral("Form1") << name << QStringLiteral("Text %1").arg(i) << QStringLiteral("Hinweis")
               << QStringLiteral("1");
      sprache::Element e;
      e.art = sprache::Art::CheckBox;
      e.besitzer = QStringLiteral("Form1");
      e.name = name;
      el << e;
    }
    qsizetype gefunden = 0;
    const double kern = median([&](int) { gefunden = sprache::wendeAn(st, el).size(); });
    std::printf("lookup of a switch, %5d entries (%lld found), median of %d: %6.2f ms\n", n,
                static_cast<long long>(gefunden), kLaeufe, kern);
  }
  form.close();
  return 0;
}
