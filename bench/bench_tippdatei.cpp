// Tip files and the text list of a long list through the main window (offscreen): loading a
// 6500-line file in the list view (read, normalise, fill the list, check it, show the draw),
// saving the list as a tip file and writing the text list.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "output/fenster/Tippausgabe.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/zufall.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"

namespace {
constexpr int kZeilen = 6500;
constexpr int kDurchgaenge = 21;

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
  Testumgebung::schreibe(umgebung.home() + "ZahlenQV.dat", alsDatei(abwechselnd(QDate(2026, 2, 27), 3)));
  TForm1 form;
  form.ziehungsanzeige->DateTimePicker1->setzeDatum(QDate(2026, 2, 28));
  form.Schein->listenansichtBeimStart();

  // A full-form file as the sheet writes it: every line goes through the normalisation.
  plattform::Zufall::RandSeed = 4711;
  QByteArray datei;
  for (int i = 0; i < kZeilen; ++i) {
    for (int k = 0; k < 5; ++k) datei += QByteArray::number(plattform::Zufall::Random(55) + 1) + ',';
    datei += "3,7\r\n";
  }
  const QString pfad = umgebung.home() + "Tipps/lang.zpk";
  Testumgebung::schreibe(pfad, datei);

  const double laden = median([&] {
    umgebung.dialoge().antworten.push_back(pfad);
    form.Ausgabe->SpeedButton16Click();
  });
  const QString ziel = umgebung.home() + "Tipps/gespeichert.zpk";
  const double speichern = median([&] {
    umgebung.dialoge().antworten.push_back(ziel);
    form.Ausgabe->SpeedButton15Click();
  });
  const double textliste = median([&] { form.Ausgabe->BitBtn7Click(); });
  std::printf("%d Zeilen, Median von %d: laden %.1f ms, speichern %.1f ms, Textliste %.1f ms (%lld Bytes)\n", kZeilen,
              kDurchgaenge, laden, speichern, textliste,
              static_cast<long long>(Testumgebung::lies(umgebung.home() + "Tipp.txt").size()));
  int meldungen = 0;
  for (const auto& g : umgebung.dialoge().gezeigt) {
    if (g.art != QLatin1String("nachricht")) continue;
    std::printf("Meldung: %s\n", qPrintable(g.text));
    ++meldungen;
  }
  return meldungen == 0 ? 0 : 1;
}
