// A catch-up over 1000 missing days against the local stand-in server with its demo data:
// once through the download's loop with plain fields, once through the main window (offscreen,
// shown, started with its button). One request per day; every answer holds the day's draws.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "hilfen/standin.h"
#include "hilfen/fenster/fenstertest.h"
#include "plattform/http.h"
#include "shell/fenster/Download.h"
#include "shell/meldungstabelle.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "shell/ziehungsdaten.h"
#include "shell/ziehungsdownload.h"

namespace {

constexpr int kTage = 1000;

struct Felder : Downloadfenster {
  QString proxyHost() const override { return {}; }
  QString proxyPort() const override { return QStringLiteral("80"); }
  void beginnt(const QDate&) override {}
  void tagZeigen(const QDate&) override {}
  void status(int, const QString&) override {}
  void antwortZeigen(const QString&) override {}
  void zeileGelesen(const QDate&) override {}
  void gespeichert(const QDate&) override {}
  void unlesbar(const QString&) override {}
  void eingabenVerarbeiten() override {}
  bool stoppGezeigt() const override { return true; }
};

QByteArray historieBis(const QDate& tag) {
  Ziehung z;
  z.setzeDatum(tag);
  z.Ziehungszahlen = {1, 2, 3, 4, 5, 0, 0, 0};
  return z.alsBytes();
}

void bericht(const char* was, qint64 ms, int anfragen, int gespeichert) {
  std::printf("%-28s %5d requests, %5d records appended: %6lld ms (%.2f ms per day)\n", was, anfragen, gespeichert,
              static_cast<long long>(ms), anfragen ? double(ms) / anfragen : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fensterumgebung umgebung;
  StandInServer server(true);
  if (!server.laeuft()) {
    std::fprintf(stderr, "the stand-in server did not start\n");
    return 1;
  }
  server.alsServerDesProgramms();
  const QDate ende = QDate::currentDate().addDays(-kTage);

  {
    Ziehungsdaten historie(umgebung.home(), QStringLiteral("Kern.dat"));
    Testumgebung::schreibe(historie.pfad(), historieBis(ende));
    plattform::HttpClient http;
    Felder felder;
    QElapsedTimer uhr;
    uhr.start();
    const Downloadergebnis e = ladeZiehungen(historie, http, felder, server.url(), Meldungstabelle());
    bericht("download loop, plain fields", uhr.elapsed(), e.anfragen, e.gespeichert);
  }

  {
    TForm1 form;
    const QString datei = form.zustand().Home + form.zustand().ZahlenFile;
    Testumgebung::schreibe(datei, historieBis(QDate::currentDate().addDays(1)));  // nothing to do at show
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    QTest::qWait(100);
    Testumgebung::schreibe(datei, historieBis(ende));
    const int vorher = static_cast<int>(server.angefragteTage().size());
    QElapsedTimer uhr;
    uhr.start();
    form.ziehungsanzeige->BitBtn1->click();
    const qint64 ms = uhr.elapsed();
    const int anfragen = static_cast<int>(server.angefragteTage().size()) - vorher;
    const int saetze = static_cast<int>(Testumgebung::lies(datei).size() / Ziehung::kGroesse) - 1;
    bericht("main window, BitBtn1", ms, anfragen, saetze);
    form.close();
  }
  return 0;
}
