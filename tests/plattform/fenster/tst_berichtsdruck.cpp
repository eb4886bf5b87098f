#include <QtTest>

#include <QScrollBar>

#include "plattform/fenster/berichtsdruck.h"

using plattform::Berichtsobjekt;
using plattform::Berichtsseite;

namespace {

Berichtsseite seite(double breiteMm = 50, double hoeheMm = 40) {
  Berichtsseite s;
  s.Name = "Page1";
  s.PaperSize = plattform::kPapierEigen;
  s.PaperWidth = breiteMm;
  s.PaperHeight = hoeheMm;
  return s;
}

Berichtsobjekt marke(const char* name, double l, double t, const QString& text, bool sichtbar = true) {
  Berichtsobjekt o;
  o.klasse = "TfrxMemoView";
  o.Name = name;
  o.Left = l;
  o.Top = t;
  o.Width = 20;
  o.Height = 20;
  o.Text = text;
  o.FontSize = 14;
  o.Visible = sichtbar;
  return o;
}

// The bounding box of the dark pixels; empty when there are none.
QRect tinte(const QImage& b) {
  QRect r;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (qGray(b.pixel(x, y)) < 128) r |= QRect(x, y, 1, 1);
  return r;
}

QByteArray png(const QColor& farbe) {
  QImage b(8, 8, QImage::Format_RGB32);
  b.fill(farbe);
  QByteArray d;
  QBuffer puffer(&d);
  puffer.open(QIODevice::WriteOnly);
  b.save(&puffer, "PNG");
  return d;
}

}  // namespace

class TstBerichtsdruck : public QObject {
  Q_OBJECT
 private slots:
  // Marks land inside their rectangles; hidden or empty views and whatever lies off the page
  // leave no ink; a larger scale scales the page.
  void zeichnen() {
    Berichtsseite s = seite();
    s.objekte = {marke("Zahl1_1", 30, 40, "X"), marke("Zahl2_1", 100, 10, "X", false), marke("Zahl3_1", 120, 20, ""),
                 marke("Zahl4_1", 500, 500, "X")};
    const QImage b = plattform::seitenbild(s, 1.0, false);
    QCOMPARE(b.size(), QSize(189, 152));  // 50 x 40 mm at 96 dpi
    const QRect t = tinte(b);
    QVERIFY(!t.isEmpty());
    QVERIFY2(QRect(30, 40, 20, 20).contains(t), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(t.x()).arg(t.y()).arg(t.width()).arg(t.height())));
    const QRect doppelt = tinte(plattform::seitenbild(s, 2.0, false));
    QVERIFY(QRect(60, 80, 40, 40).contains(doppelt));
    QVERIFY(doppelt.width() > t.width());
  }

  void hintergrund() {
    Berichtsseite s = seite();
    s.Hintergrund = png(QColor(0, 0, 255));
    s.HintergrundFormat = "png";
    QCOMPARE(QColor(plattform::seitenbild(s, 1.0, true).pixel(100, 100)), QColor(0, 0, 255));
    QCOMPARE(QColor(plattform::seitenbild(s, 1.0, false).pixel(100, 100)), QColor(Qt::white));
    QVERIFY(plattform::bildLesbar(s.Hintergrund, "png"));
    QVERIFY(!plattform::bildLesbar("kein Bild", "png"));
    s.Hintergrund = "kein Bild";
    QVERIFY(!plattform::hintergrund(s));
    QCOMPARE(QColor(plattform::seitenbild(s, 1.0, true).pixel(100, 100)), QColor(Qt::white));
  }

  // Paper codes and Qt's page sizes both ways: a known code, landscape, a size of its own.
  void papierformat() {
    Berichtsseite a5 = seite(148, 210);
    a5.PaperSize = 11;
    QCOMPARE(plattform::seitenformat(a5).id(), QPageSize::A5);
    Berichtsseite s = seite();
    plattform::uebernimmFormat(s, QPageSize(QPageSize::A5), true);
    QCOMPARE(s.PaperSize, 11);
    QVERIFY(s.Querformat);
    QCOMPARE(qRound(s.PaperWidth), 210);
    QCOMPARE(qRound(s.PaperHeight), 148);
    const QPageSize eigen = plattform::seitenformat(seite(105, 198));
    QCOMPARE(eigen.size(QPageSize::Millimeter).toSize(), QSize(105, 198));
    plattform::uebernimmFormat(s, eigen, false);
    QCOMPARE(s.PaperSize, plattform::kPapierEigen);
    QCOMPARE(qRound(s.PaperWidth), 105);
    // A landscape page of its own size keeps its width and height as the page holds them.
    Berichtsseite quer = seite(198, 105);
    quer.Querformat = true;
    QCOMPARE(plattform::seitenformat(quer).size(QPageSize::Millimeter).toSize(), QSize(105, 198));
  }

  // A new report keeps the shown page and the scroll position; a page that no longer exists
  // gives page 1.
  void vorschau() {
    plattform::Berichtsvorschau v;
    v.resize(120, 120);
    plattform::VorbereiteterBericht b;
    b.seiten = {seite(100, 200), seite(100, 200)};
    v.zeigen(b);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    v.setzeSeite(1);
    v.verticalScrollBar()->setValue(90);
    b.seiten[1].objekte = {marke("Zahl1_1", 10, 10, "X")};
    v.zeigen(b);
    QCOMPARE(v.seite(), 1);
    QCOMPARE(v.verticalScrollBar()->value(), 90);
    QVERIFY(!tinte(v.bild()).isEmpty());
    b.seiten.pop_back();
    v.zeigen(b);
    QCOMPARE(v.seite(), 0);
    v.zeigen({});
    QVERIFY(v.bild().isNull());
  }
};

QTEST_MAIN(TstBerichtsdruck)
#include "tst_berichtsdruck.moc"
