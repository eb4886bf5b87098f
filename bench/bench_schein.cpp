// Coupon printing: loading the coupon template beside the program (plain and compressed) and
// the placement of 6500 tip lines on coupons of ten slots (each full coupon asks, answered No),
// in the core and through the coupon dialog; one preview refresh with a background picture.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>
#include <zlib.h>

#include "output/tippsetzen.h"
#include "hilfen/fenster/druckdouble.h"
#include "hilfen/fenster/fenstertest.h"
#include "output/fenster/anders.h"
#include "plattform/fenster/berichtsdruck.h"
#include "plattform/dateien.h"
#include "plattform/reportvorlage.h"

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
  std::printf("%-36s median %7.3f ms   max %7.3f ms   (%d runs)\n", name, ms[ms.size() / 2], ms.back(), runden);
}

QByteArray gzip(const QByteArray& d) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
  QByteArray aus(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(d.size()))) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(d.constData()));
  z.avail_in = static_cast<uInt>(d.size());
  z.next_out = reinterpret_cast<Bytef*>(aus.data());
  z.avail_out = static_cast<uInt>(aus.size());
  deflate(&z, Z_FINISH);
  aus.resize(static_cast<qsizetype>(z.total_out));
  deflateEnd(&z);
  return aus;
}

struct Nein : schein::Scheindialog {
  int fragen = 0;
  void vorschauAuffrischen() override {}
  bool druckenFragen() override {
    ++fragen;
    return false;
  }
  void drucken() override {}
  void meldung(const QString&) override {}
  void eurozahlenVerbergen() override {}
};
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString vorlage = QStringLiteral(ZK_QUELLDATEN "/schein.fr3");
  const QByteArray roh = plattform::liesDatei(vorlage);
  const QByteArray gepackt = gzip(roh);
  plattform::Report r;
  messe("load schein.fr3 (plain, from disk)", 200, [&] { r.laden(vorlage); });
  messe("load schein.fr3 (gzip, in memory)", 200, [&] { r.ladeDaten(gepackt); });

  QStringList zeilen;
  for (int i = 0; i < 6500; ++i)
    zeilen << QStringLiteral("%1,%2,%3,%4,%5").arg(1 + i % 11).arg(12 + i % 9).arg(23 + i % 7).arg(34 + i % 5).arg(45 + i % 11);
  schein::Platzierung p;
  p.oeffnen = false;
  Nein nein;
  messe("core: Tippsetzen, 6500 lines", 50, [&] { schein::tippsetzen(r, zeilen, p, nein); });
  std::printf("  %d questions per placement\n", nein.fragen / 50);

  Fensterumgebung u;
  DruckProtokoll& druck = installiereDruckDouble();
  QImage bild(1200, 2200, QImage::Format_RGB32);
  bild.fill(Qt::yellow);
  bild.save(u.programmordner() + "hintergrund.png");
  TForm8 dialog;
  dialog.BackImage->setText(u.programmordner() + "hintergrund.png");
  dialog.Memo1->setPlainText(zeilen.join('\n'));
  dialog.show();
  messe("dialog: preview refresh with picture", 50, [&] {
    dialog.frxPreview1->zeigen(dialog.frxReport1.vorbereiten());
    dialog.frxPreview1->grab();
  });
  messe("dialog: &Drucken, 6500 lines (No)", 10, [&] {
    u.dialoge().antworten.clear();
    dialog.BitBtn1Click();
  });
  std::printf("  %lld prints per run (the last coupon)\n", static_cast<long long>(druck.drucke.size() / 10));
  return 0;
}
