#include <QtTest>

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "hilfen/fenster/pdfdruck.h"
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

// A page with a mark in each corner region and one in the middle.
plattform::VorbereiteterBericht bericht(const Berichtsseite& s) {
  plattform::VorbereiteterBericht b;
  b.seiten = {s};
  b.seiten[0].objekte = {marke("Zahl1_1", 37.8, 75.59, "x"), marke("Zahl2_1", 300, 700, "x"), marke("Zahl3_1", 150, 300, "x")};
  b.name = QStringLiteral("Quintavola-Spielschein");
  return b;
}

// What the user does in the properties of the printer before printing.
enum class Eigenschaften { nicht, unveraendert, abgebrochen, a5quer, a5querZweimalGeoeffnet };

// The page setup controls of a dialog: the paper's entry, width and height in mm, landscape.
struct Einrichtung {
  QString format;
  double breite = 0, hoehe = 0;
  bool quer = false;
  explicit Einrichtung(QDialog& d)
      : format(d.findChild<QComboBox*>("pageSizeCombo")->currentText()),
        breite(d.findChild<QDoubleSpinBox*>("pageWidth")->value()),
        hoehe(d.findChild<QDoubleSpinBox*>("pageHeight")->value()),
        quer(d.findChild<QRadioButton*>("landscape")->isChecked()) {}
};

void waehle(QDialog& d, const QString& format, bool quer) {
  auto* c = d.findChild<QComboBox*>("pageSizeCombo");
  c->setCurrentIndex(c->findText(format));
  d.findChild<QRadioButton*>(quer ? "landscape" : "portrait")->click();
}

// A size of the user's own, typed in mm.
void eigeneGroesse(QDialog& d, double breite, double hoehe) {
  auto* c = d.findChild<QComboBox*>("pageSizeCombo");
  for (int i = 0; i < c->count(); ++i)
    if (!c->itemData(i).isValid()) c->setCurrentIndex(i);
  d.findChild<QDoubleSpinBox*>("pageWidth")->setValue(breite);
  d.findChild<QDoubleSpinBox*>("pageHeight")->setValue(hoehe);
}

}  // namespace

Q_DECLARE_METATYPE(Eigenschaften)

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

  // Printed through Qt's print dialog into a PDF: the page is the report's (its own size, a paper
  // code, landscape) unless the user changes it in the printer's properties, and every mark
  // begins inside its view. A print to a file proposes the report's name, not a folder.
  void druckInPdf_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("breite");  // mm, as the page lies
    QTest::addColumn<double>("hoehe");
    QTest::addColumn<bool>("quer");
    QTest::addColumn<Eigenschaften>("eigenschaften");
    QTest::addColumn<QSizeF>("erwartet");  // mm
    const QSizeF schein(105, 198), a5quer(210, 148);
    QTest::newRow("eigene Groesse") << 256 << 105.0 << 198.0 << false << Eigenschaften::nicht << schein;
    QTest::newRow("eigene Groesse quer") << 256 << 198.0 << 105.0 << true << Eigenschaften::nicht << QSizeF(198, 105);
    QTest::newRow("A5 quer") << 11 << 210.0 << 148.0 << true << Eigenschaften::nicht << a5quer;
    QTest::newRow("unbekannter Code") << 300 << 120.0 << 90.0 << false << Eigenschaften::nicht << QSizeF(120, 90);
    QTest::newRow("Eigenschaften OK") << 256 << 105.0 << 198.0 << false << Eigenschaften::unveraendert << schein;
    QTest::newRow("Eigenschaften abgebrochen") << 256 << 105.0 << 198.0 << false << Eigenschaften::abgebrochen << schein;
    QTest::newRow("Eigenschaften A5 quer") << 256 << 105.0 << 198.0 << false << Eigenschaften::a5quer << a5quer;
    QTest::newRow("Eigenschaften zweimal") << 256 << 105.0 << 198.0 << false << Eigenschaften::a5querZweimalGeoeffnet << a5quer;
  }
  void druckInPdf() {
    QFETCH(int, code);
    QFETCH(double, breite);
    QFETCH(double, hoehe);
    QFETCH(bool, quer);
    QFETCH(Eigenschaften, eigenschaften);
    QFETCH(QSizeF, erwartet);
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("schein.pdf");
    Berichtsseite s = seite(breite, hoehe);
    s.PaperSize = code;
    s.Querformat = quer;
    const plattform::VorbereiteterBericht b = bericht(s);
    plattform::setzeBerichtsdruck(nullptr);  // the real printer
    std::optional<Einrichtung> gezeigt;
    QStringList vorschlag;
    if (eigenschaften != Eigenschaften::nicht)
      beimDialog("QPrintDialog", [&](QDialog& d) {
        beimDialog("QPrintPropertiesDialog", [&](QDialog& e) {
          gezeigt.emplace(e);
          if (eigenschaften == Eigenschaften::a5quer || eigenschaften == Eigenschaften::a5querZweimalGeoeffnet)
            waehle(e, "A5", true);
          if (eigenschaften == Eigenschaften::abgebrochen) e.reject();
          else e.accept();
        });
        d.findChild<QPushButton*>("properties")->click();
        if (eigenschaften == Eigenschaften::a5querZweimalGeoeffnet) {
          // Opened again, the properties show the user's choice.
          beimDialog("QPrintPropertiesDialog", [](QDialog& e) {
            QVERIFY(e.findChild<QRadioButton*>("landscape")->isChecked());
            QCOMPARE(e.findChild<QComboBox*>("pageSizeCombo")->currentText(), QStringLiteral("A5"));
            e.accept();
          });
          d.findChild<QPushButton*>("properties")->click();
        }
        druckeInDateien({pdf}, &vorschlag);
      });
    else
      druckeInDateien({pdf}, &vorschlag);
    QVERIFY(plattform::berichtsdruck().drucken(b));
    if (eigenschaften != Eigenschaften::nicht) {
      // The properties open on the report's page.
      QVERIFY(gezeigt);
      QCOMPARE(gezeigt->quer, quer);
      QCOMPARE(qRound(gezeigt->breite), qRound(breite));
      QCOMPARE(qRound(gezeigt->hoehe), qRound(hoehe));
    }
    QCOMPARE(vorschlag.size(), 1);
    QVERIFY2(vorschlag[0].endsWith("/Quintavola-Spielschein.pdf"), qPrintable(vorschlag[0]));
    const QList<PdfSeite> seiten = pdfSeiten(pdf);
    QCOMPARE(seiten.size(), 1);
    // Qt writes a page in whole points.
    QVERIFY2(qAbs(ptZuMm(seiten[0].groesse.width()) - erwartet.width()) < 0.2 &&
                 qAbs(ptZuMm(seiten[0].groesse.height()) - erwartet.height()) < 0.2,
             qPrintable(QStringLiteral("%1 x %2 pt").arg(seiten[0].groesse.width()).arg(seiten[0].groesse.height())));
    QCOMPARE(seiten[0].texte.size(), 3);
    for (const Berichtsobjekt& o : b.seiten[0].objekte) {
      const QRectF r(o.Left * 0.75, o.Top * 0.75, o.Width * 0.75, o.Height * 0.75);  // units to points
      QVERIFY2(std::any_of(seiten[0].texte.begin(), seiten[0].texte.end(), [&](const QPointF& p) { return r.contains(p); }),
               qPrintable(o.Name));
    }
  }

  // Qt's page setup opens on the page (its own size included); Cancel and OK without a change
  // leave it as it was; a change is taken, one to a paper no printer has is not.
  void seiteEinrichten_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("breite");
    QTest::addColumn<double>("hoehe");
    QTest::addColumn<bool>("quer");
    QTest::addColumn<QString>("tun");  // "OK", "Abbrechen", "A5 quer", "120x200", "3000"
    QTest::addColumn<bool>("geaendert");
    QTest::addColumn<QSizeF>("danach");
    QTest::addColumn<int>("codeDanach");
    QTest::newRow("OK") << 256 << 105.0 << 198.0 << false << "OK" << false << QSizeF(105, 198) << 256;
    QTest::newRow("OK quer") << 256 << 198.0 << 105.0 << true << "OK" << false << QSizeF(198, 105) << 256;
    QTest::newRow("OK A5") << 11 << 148.0 << 210.0 << false << "OK" << false << QSizeF(148, 210) << 11;
    QTest::newRow("Abbrechen") << 256 << 105.0 << 198.0 << false << "Abbrechen" << false << QSizeF(105, 198) << 256;
    QTest::newRow("A5 quer") << 256 << 105.0 << 198.0 << false << "A5 quer" << true << QSizeF(210, 148) << 11;
    QTest::newRow("eigene 120x200") << 11 << 148.0 << 210.0 << false << "120x200" << true << QSizeF(120, 200) << 256;
    QTest::newRow("zu gross") << 256 << 105.0 << 198.0 << false << "3000" << false << QSizeF(105, 198) << 256;
  }
  void seiteEinrichten() {
    QFETCH(int, code);
    QFETCH(double, breite);
    QFETCH(double, hoehe);
    QFETCH(bool, quer);
    QFETCH(QString, tun);
    QFETCH(bool, geaendert);
    QFETCH(QSizeF, danach);
    QFETCH(int, codeDanach);
    Berichtsseite s = seite(breite, hoehe);
    s.PaperSize = code;
    s.Querformat = quer;
    plattform::setzeBerichtsdruck(nullptr);
    std::optional<Einrichtung> gezeigt;
    beimDialog("QPageSetupDialog", [&](QDialog& d) {
      gezeigt.emplace(d);
      if (tun == "A5 quer") waehle(d, "A5", true);
      if (tun == "120x200") eigeneGroesse(d, 120, 200);
      if (tun == "3000") eigeneGroesse(d, 3000, 3000);
      if (tun == "Abbrechen") d.reject();
      else d.accept();
    });
    QCOMPARE(plattform::berichtsdruck().seiteEinrichten(s), geaendert);
    QVERIFY(gezeigt);
    QCOMPARE(gezeigt->quer, quer);
    QCOMPARE(qRound(gezeigt->breite), qRound(breite));
    QCOMPARE(qRound(gezeigt->hoehe), qRound(hoehe));
    if (code == 11) QCOMPARE(gezeigt->format, QStringLiteral("A5"));
    QCOMPARE(s.PaperSize, codeDanach);
    QCOMPARE(qRound(s.PaperWidth * 10), qRound(danach.width() * 10));
    QCOMPARE(qRound(s.PaperHeight * 10), qRound(danach.height() * 10));
    QCOMPARE(s.Querformat, danach.width() > danach.height());
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
