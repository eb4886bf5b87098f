#include <QtTest>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QRadioButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "hilfen/fenster/druckdouble.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/fenster/pdfdruck.h"
#include "output/fenster/anders.h"
#include "output/scheinlayout.h"
#include "plattform/fenster/berichtsdruck.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/fenster/Tippschein.h"

namespace {

const double kMm = 96 / 25.4;
const QString kSchluessel = QStringLiteral("\\SOFTWARE\\Kestrell\\Kalvatro\\druck");

struct Dialog : Fenstertest<TForm8> {
  DruckProtokoll& druck = installiereDruckDouble();
  void anzeigen() { form.show(); }
  void schliessen() { form.done(0); }
  void memo(const QStringList& zeilen) { form.Memo1->setPlainText(zeilen.join('\n')); }
  plattform::Berichtsobjekt* objekt(const QString& n) { return form.frxReport1.objekt(n); }
  QString edit(const char* n) { return ctl<QLineEdit>(n)->text(); }
  // Slots whose first view carries a mark, in the prepared report a print received.
  static int marken(const plattform::VorbereiteterBericht& b) {
    int n = 0;
    for (const auto& o : b.seiten.at(0).objekte)
      if (o.Name.startsWith("Zahl") && !o.Text.isEmpty()) ++n;
    return n;
  }
};

QStringList zeilen(int n) {
  QStringList z;
  for (int i = 0; i < n; ++i) z << QStringLiteral("%1,%2,23,34,55").arg(1 + i % 10).arg(12 + i % 10);
  return z;
}

// Every dark pixel of the printed page lies inside the rectangle of a view carrying a mark.
bool tinteNurInMarken(const QImage& bild, const plattform::Berichtsseite& s) {
  QList<QRectF> raender;
  for (const auto& o : s.objekte)
    if (o.Visible && !o.Text.isEmpty()) raender << QRectF(o.Left - 1, o.Top - 1, o.Width + 2, o.Height + 2);
  int tinte = 0;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x) {
      if (qGray(bild.pixel(x, y)) > 128) continue;
      ++tinte;
      const QPointF p(x + 0.5, y + 0.5);
      if (std::none_of(raender.begin(), raender.end(), [&](const QRectF& r) { return r.contains(p); })) return false;
    }
  return tinte > 0;
}

// The main window with the coupon dialog made after it, as the program makes them.
struct Programm {
  Fensterumgebung u;
  DruckProtokoll& druck = installiereDruckDouble();
  TForm1 form1;
  TForm8 form8;
  Programm() { form1.StartAbschliessen(); }
  void setzeZeile(int k, const QStringList& zahlen) {
    for (int i = 0; i < 5; ++i) form1.Schein->zeile(k).Zahlen[static_cast<size_t>(i)]->setText(zahlen.value(i));
  }
  // Clicks "Schein drucken (Test)"; the modal dialog is closed as soon as it shows.
  void scheinDrucken() {
    QTimer::singleShot(0, &form8, [this] { form8.done(0); });
    fenstertest::klick(fenstertest::ctl(&form1, "SpeedButton27"));
  }
};

// Each tip line's marks on a printed PDF page begin inside the views the layout puts them in.
bool markenAufSeite(const PdfSeite& seite, const TForm8& f, const QStringList& linien) {
  const plattform::Berichtsobjekt* v = f.frxReport1.objekt("Zahl1_1");
  int j = 1, k = 1;
  for (const QString& linie : linien) {
    for (const QString& zahl : linie.split(',').mid(0, 5)) {
      const schein::Punkt p = schein::markenposition(f.layout, f.UpDown2->Position(), j, k, zahl.toInt());
      const QRectF r(p.Left * 0.75, p.Top * 0.75, v->Width * 0.75, v->Height * 0.75);  // units to points
      if (std::none_of(seite.texte.begin(), seite.texte.end(), [&](const QPointF& t) { return r.contains(t); })) return false;
    }
    if (++j > f.UpDown6->Position()) j = 1, ++k;
  }
  return seite.texte.size() == 5 * linien.size();
}

bool seiteIst(const QList<PdfSeite>& seiten, double breiteMm, double hoeheMm) {
  if (seiten.size() != 1) return false;
  // Qt writes a page in whole points.
  const QSizeF g = seiten[0].groesse;
  const bool gut = qAbs(ptZuMm(g.width()) - breiteMm) < 0.2 && qAbs(ptZuMm(g.height()) - hoeheMm) < 0.2;
  if (!gut) qWarning("page %g x %g pt", g.width(), g.height());
  return gut;
}

// The store file, as closing the dialog leaves it.
QByteArray ablage() { return Testumgebung::lies(plattform::Registry::ablageDatei(plattform::Hive::CurrentUser)); }

}  // namespace

class TstAnders : public QObject {
  Q_OBJECT
 private slots:
  void steuerelemente() {
    Dialog d;
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Positionierung des Scheindruckes"));
    QCOMPARE(d.form.size(), QSize(894, 535));
    QCOMPARE(d.ctl<QLineEdit>("Reportvorlage")->text(), QStringLiteral("schein.fr3"));
    QVERIFY(!d.form.TabSheet1->isEnabled());
    QVERIFY(!d.form.PageControl1->isTabVisible(d.form.PageControl1->indexOf(d.form.TabSheet1)));
    QCOMPARE(d.ctl<plattform::UpDown>("UpDown6")->Position(), 2);
    QCOMPARE(d.form.TippanzahlMax, 10);
    QCOMPARE(d.form.MaxZahl, 50);
    QCOMPARE(d.form.schluessel, QStringLiteral("\\SOFTWARE\\Kestrell\\Kalvatro"));
    QCOMPARE(Form8, &d.form);
  }

  // The first showing calibrates from the template and places the first coupon; the closing
  // stores the layout; the next showing reads it back.
  void ersteAnzeigeUndZurueck() {
    Dialog d;
    d.memo({"3,17,28,41,55", "1,2,3"});
    d.anzeigen();
    QCOMPARE(d.edit("Edit2"), schein::anzeigewert(4 * kMm));
    QCOMPARE(d.edit("Edit1"), schein::anzeigewert(5 * kMm));
    QCOMPARE(d.edit("Edit4"), schein::anzeigewert(42 * kMm));
    QCOMPARE(d.edit("Edit16"), schein::anzeigewert(10 * kMm));
    QCOMPARE(d.ctl<plattform::UpDown>("UpDown11")->Position(), schein::euroPosition(30 * kMm));
    // 55 in slot 1: row 6, column 5 of the field.
    QVERIFY(qAbs(d.objekt("Zahl5_1")->Left - (10 + 4 * 4) * kMm) < 0.01);
    QVERIFY(qAbs(d.objekt("Zahl5_1")->Top - (20 + 5 * 5) * kMm) < 0.01);
    QCOMPARE(d.objekt("Zahl3_2")->Text, QStringLiteral("x"));
    QVERIFY(d.objekt("Zahl1_3")->Text.isEmpty());
    QVERIFY(d.druck.drucke.isEmpty());
    QCOMPARE(d.form.frxPreview1->bericht().seiten.size(), std::size_t{1});

    d.ctl<QLineEdit>("Zeichen")->setText("o");
    d.ctl<QCheckBox>("CheckBox4")->setChecked(true);
    d.ctl<plattform::UpDown>("UpDown6")->setPosition(1);
    d.schliessen();
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKeyReadOnly(kSchluessel));
      QCOMPARE(reg.ReadString("Zeichen"), QStringLiteral("o"));
      QCOMPARE(reg.ReadString("PaperSize"), QStringLiteral("256"));
      QCOMPARE(reg.ReadString("PaperWidth"), QStringLiteral("105"));
      QCOMPARE(reg.ReadInteger("PaperOr"), 1);
      QCOMPARE(reg.ReadBool("Checkbox4"), true);
    }
    d.ctl<QLineEdit>("Zeichen")->setText("?");
    d.ctl<QCheckBox>("CheckBox4")->setChecked(false);
    d.anzeigen();
    QCOMPARE(d.edit("Zeichen"), QStringLiteral("o"));
    QVERIFY(d.ctl<QCheckBox>("CheckBox4")->isChecked());
    // One block column now: the second tip stands below the first.
    QVERIFY(qAbs(d.objekt("Zahl1_2")->Left - 10 * kMm) < 0.01);
    QCOMPARE(d.objekt("Zahl1_2")->Text, QStringLiteral("o"));
  }

  // "&Drucken" with 25 lines: questions after lines 10 and 20; Yes prints coupon 1, No skips
  // coupon 2, coupon 3 with five tips is printed at the end. Ink only where marks stand.
  void drucken25() {
    Dialog d;
    d.memo(zeilen(25));
    d.anzeigen();
    d.u.dialoge().antworten = {true, false};
    d.klick("BitBtn1");
    QCOMPARE(d.u.dialoge().arten(), (QStringList{"frage", "frage"}));
    QCOMPARE(d.u.dialoge().gezeigt[0].text, QStringLiteral("Diesen Schein Drucken?"));
    QCOMPARE(d.u.dialoge().gezeigt[0].titel, QStringLiteral("Drucken"));
    QCOMPARE(d.druck.drucke.size(), 2);
    QCOMPARE(Dialog::marken(d.druck.berichte[0]), 50);
    QCOMPARE(Dialog::marken(d.druck.berichte[1]), 25);
    for (int i = 0; i < 2; ++i)
      QVERIFY(tinteNurInMarken(d.druck.drucke[i][0], d.druck.berichte[i].seiten[0]));
    QCOMPARE(d.druck.drucke[0][0].size(), QSize(397, 749));  // 105 x 198 mm at 96 dpi
  }

  // Nothing printed when the placement did not run through: a missing view, a tip text that is
  // no number; "Zahlen eintragen" never prints.
  void keinDruck_data() {
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<int>("blockZeilen");
    QTest::addColumn<int>("blockSpalten");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("12 auf 3x4 mit 10 Feldern") << zeilen(12) << 3 << 4 << "Fehler kann Feld Zahl1_11 nicht finden";
    QTest::newRow("3,x,5") << QStringList{"3,x,5"} << 5 << 2 << "'x' ist kein gültiger Integerwert";
  }
  void keinDruck() {
    QFETCH(QStringList, memo);
    QFETCH(int, blockZeilen);
    QFETCH(int, blockSpalten);
    QFETCH(QString, meldung);
    Dialog d;
    d.anzeigen();
    d.memo(memo);
    d.ctl<plattform::UpDown>("UpDown5")->setPosition(blockZeilen);
    d.ctl<plattform::UpDown>("UpDown6")->setPosition(blockSpalten);
    d.u.dialoge().gezeigt.clear();
    d.klick("BitBtn1");
    QCOMPARE(d.meldungen(), QStringList{meldung});
    QVERIFY(d.druck.drucke.isEmpty());
    d.u.dialoge().gezeigt.clear();
    d.memo(zeilen(10));
    d.klick("BitBtn3");
    QVERIFY(d.meldungen().isEmpty());
    QVERIFY(d.druck.drucke.isEmpty());
  }

  void zahlenEintragenKeineZahl() {
    Dialog d;
    d.memo({"1,2,3,4,5"});
    d.anzeigen();
    const double links = d.objekt("Zahl1_1")->Left;
    d.ctl<QLineEdit>("Edit2")->setText(QStringLiteral("20"));
    d.ctl<QLineEdit>("Edit3")->setText(QStringLiteral("abc"));
    d.u.dialoge().gezeigt.clear();
    d.klick("BitBtn3");
    QCOMPARE(d.meldungen(), QStringList{"'abc' ist kein gültiger Gleitkommawert"});
    QCOMPARE(d.form.layout.Breite, 20.0);  // taken before the edit that failed
    QCOMPARE(d.objekt("Zahl1_1")->Left, links);
  }

  // The shipped coupon through Qt's print dialog into PDF files: every print ("&Drucken" after
  // a question and at its end, "Zahlen eintragen" after Yes) has the template's page, 105 x 198
  // mm, with the marks where the layout puts them; "Seite" left alone keeps it; after "Seite"
  // set to A5 landscape, also in the next run of the program, A5 landscape.
  void druckInPdf() {
    Dialog d;
    plattform::setzeBerichtsdruck(nullptr);  // Qt's print dialog and page setup
    QTemporaryDir ordner;
    auto pdf = [&](int i) { return ordner.filePath(QStringLiteral("schein%1.pdf").arg(i)); };
    const QStringList linien = zeilen(15);
    d.memo(linien);
    d.anzeigen();
    d.u.dialoge().antworten = {true};
    druckeInDateien({pdf(1), pdf(2)});
    d.klick("BitBtn1");
    QCOMPARE(d.u.dialoge().arten(), QStringList{"frage"});
    QVERIFY(seiteIst(pdfSeiten(pdf(1)), 105, 198));
    QVERIFY(markenAufSeite(pdfSeiten(pdf(1))[0], d.form, linien.mid(0, 10)));
    QVERIFY(seiteIst(pdfSeiten(pdf(2)), 105, 198));
    QVERIFY(markenAufSeite(pdfSeiten(pdf(2))[0], d.form, linien.mid(10)));

    // The page setup opens on the coupon's page; OK without a change changes nothing.
    beimDialog("QPageSetupDialog", [](QDialog& e) {
      QCOMPARE(e.findChild<QDoubleSpinBox*>("pageWidth")->value(), 105.0);
      QCOMPARE(e.findChild<QDoubleSpinBox*>("pageHeight")->value(), 198.0);
      e.accept();
    });
    d.klick("Seite");
    d.u.dialoge().antworten = {true};
    druckeInDateien({pdf(3)});
    d.klick("BitBtn3");
    QVERIFY(seiteIst(pdfSeiten(pdf(3)), 105, 198));
    d.schliessen();
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKeyReadOnly(kSchluessel));
      QCOMPARE(reg.ReadString("PaperSize"), QStringLiteral("256"));
      QCOMPARE(reg.ReadString("PaperWidth"), QStringLiteral("105"));
      QCOMPARE(reg.ReadString("PaperHeight"), QStringLiteral("198"));
      QCOMPARE(reg.ReadInteger("PaperOr"), 1);
    }

    d.anzeigen();
    beimDialog("QPageSetupDialog", [](QDialog& e) {
      auto* c = e.findChild<QComboBox*>("pageSizeCombo");
      c->setCurrentIndex(c->findText("A5"));
      e.findChild<QRadioButton*>("landscape")->click();
      e.accept();
    });
    d.klick("Seite");
    d.memo(linien.mid(0, 3));
    druckeInDateien({pdf(4)});
    d.klick("BitBtn1");
    QVERIFY(seiteIst(pdfSeiten(pdf(4)), 210, 148));
    QVERIFY(markenAufSeite(pdfSeiten(pdf(4))[0], d.form, linien.mid(0, 3)));
    d.schliessen();
    TForm8 naechsterLauf;
    naechsterLauf.Memo1->setPlainText("1,2,3,4,5");
    naechsterLauf.show();
    druckeInDateien({pdf(5)});
    fenstertest::klick(fenstertest::ctl(&naechsterLauf, "BitBtn1"));
    QVERIFY(seiteIst(pdfSeiten(pdf(5)), 210, 148));
  }

  // A layout stored under one decimal separator and read under the other keeps every value: the
  // marks stand where they stood, "Zahlen eintragen" takes the texts, and closing stores the
  // same again.
  void regionaleinstellungen_data() {
    QTest::addColumn<QLocale>("schreiben");
    QTest::addColumn<QLocale>("lesen");
    const QLocale de(QLocale::German, QLocale::Germany), en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Punkt, dann Komma") << en << de;
    QTest::newRow("Komma, dann Punkt") << de << en;
  }
  void regionaleinstellungen() {
    QFETCH(QLocale, schreiben);
    QFETCH(QLocale, lesen);
    const QLocale alt;
    Fensterumgebung u;
    DruckProtokoll& druck = installiereDruckDouble();
    druck.einrichtung = DruckProtokoll::Einrichtung{256, 105.5, 197.5, false};
    QLocale::setDefault(schreiben);
    schein::Scheinlayout vorher;
    double oben = 0;
    {
      TForm8 f;
      f.Memo1->setPlainText("3,17,28,41,55");
      f.show();  // calibrates: the shown values carry the separator
      f.Edit1->setText(QStringLiteral("13") + schreiben.decimalPoint() + "7");
      fenstertest::klick(fenstertest::ctl(&f, "Seite"));
      fenstertest::klick(fenstertest::ctl(&f, "BitBtn3"));
      vorher = f.layout;
      oben = f.frxReport1.objekt("Zahl5_1")->Top;
      f.done(0);
    }
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKeyReadOnly(kSchluessel));
      QCOMPARE(reg.ReadString("Hoehe"), "13" + schreiben.decimalPoint() + "7");
      QCOMPARE(reg.ReadString("PaperHeight"), "197" + schreiben.decimalPoint() + "5");
    }
    const QByteArray gespeichert = ablage();
    // Read under the other separator, then once more under the first: nothing lost on the way.
    for (const QLocale& l : {lesen, schreiben}) {
      QLocale::setDefault(l);
      TForm8 f;
      f.Memo1->setPlainText("3,17,28,41,55");
      f.show();
      QCOMPARE(f.layout.Hoehe, 13.7);
      QCOMPARE(f.layout.Breite, vorher.Breite);
      QCOMPARE(f.layout.BlockTop, vorher.BlockTop);
      QCOMPARE(f.frxReport1.objekt("Zahl5_1")->Top, oben);
      QCOMPARE(f.frxReport1.seite("Page1")->PaperWidth, 105.5);
      QCOMPARE(f.frxReport1.seite("Page1")->PaperHeight, 197.5);
      fenstertest::klick(fenstertest::ctl(&f, "BitBtn3"));
      QVERIFY(u.meldungen().isEmpty());
      QCOMPARE(f.frxReport1.objekt("Zahl5_1")->Top, oben);
      f.done(0);
    }
    QLocale::setDefault(alt);
    QCOMPARE(ablage(), gespeichert);
  }

  // Values in the store that cannot be used (no number, not finite, a paper no printer has, of
  // another type) are read as missing: the dialog opens without a message, its preview keeps
  // the template's page, and closing leaves the stored value alone until the user changes its
  // control.
  void gespeichertUnbrauchbar_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("wert");
    QTest::newRow("Hoehe abc") << "Hoehe" << "abc";
    QTest::newRow("Anfangleft nan") << "Anfangleft" << "nan";
    QTest::newRow("BlockLeft inf") << "BlockLeft" << "inf";
    QTest::newRow("AnfangTop 1e308") << "AnfangTop" << "1e308";
    QTest::newRow("PaperWidth 1e300") << "PaperWidth" << "1e300";
    QTest::newRow("PaperHeight -5") << "PaperHeight" << "-5";
    QTest::newRow("PaperWidth 5000") << "PaperWidth" << "5000";
    QTest::newRow("PaperHeight 20000") << "PaperHeight" << "20000";
    QTest::newRow("PaperSize 0") << "PaperSize" << "0";
    QTest::newRow("FontSize als Text") << "FontSize" << "12";
  }
  void gespeichertUnbrauchbar() {
    QFETCH(QString, name);
    QFETCH(QString, wert);
    Dialog d;
    d.memo({"1,2,3,4,5"});
    d.anzeigen();
    d.schliessen();
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKey(kSchluessel, false));
      reg.WriteString(name, wert);
      reg.CloseKey();
    }
    const QByteArray gespeichert = ablage();
    QElapsedTimer uhr;
    uhr.start();
    TForm8 f;
    f.Memo1->setPlainText("1,2,3,4,5");
    f.show();
    QVERIFY(d.meldungen().isEmpty());
    QCOMPARE(f.frxPreview1->widget()->size(), QSize(397, 749));  // 105 x 198 mm at 96 dpi
    for (double w : {f.layout.AnfangLeft, f.layout.AnfangTop, f.layout.BlockLeft, f.layout.Hoehe})
      QVERIFY(std::isfinite(w) && qAbs(w) < 1000);
    f.done(0);
    QVERIFY(uhr.elapsed() < 5000);
    QCOMPARE(ablage(), gespeichert);
    // A control the user changed is stored.
    if (name == "Hoehe") {
      f.show();
      f.Edit1->setText("15");
      f.done(0);
      plattform::Registry reg;
      QVERIFY(reg.OpenKeyReadOnly(kSchluessel));
      QCOMPARE(reg.ReadString("Hoehe"), QStringLiteral("15"));
    }
  }

  void seite() {
    Dialog d;
    d.anzeigen();
    d.druck.einrichtung.reset();
    d.klick("Seite");
    QCOMPARE(d.objekt("Zahl1_1") != nullptr, true);
    QCOMPARE(d.form.frxReport1.seite("Page1")->PaperSize, 256);
    d.druck.einrichtung = DruckProtokoll::Einrichtung{11, 210, 148, true};
    d.klick("Seite");
    QCOMPARE(d.form.frxPreview1->bericht().seiten[0].PaperSize, 11);
    d.schliessen();
    d.form.frxReport1.leeren();
    d.anzeigen();
    const plattform::Berichtsseite* s = d.form.frxReport1.seite("Page1");
    QCOMPARE(s->PaperSize, 11);
    QVERIFY(s->Querformat);
    QCOMPARE(s->PaperWidth, 210.0);
    QCOMPARE(s->PaperHeight, 148.0);
    QCOMPARE(d.druck.seitenEinrichtungen, 2);
  }

  void vorlageFehlerhaft_data() {
    QTest::addColumn<QByteArray>("inhalt");  // empty: no file
    QTest::addColumn<QString>("meldung");
    const QString kaputt = "Die Reportvorlage \"%1\" kann nicht gelesen werden.";
    // The file the user chose is named, not the fallback tried last.
    QTest::newRow("nirgends") << QByteArray() << "Die Reportvorlage \"C:\\weg\\eigen.fr3\" wurde nicht gefunden.";
    QTest::newRow("kaputt") << QByteArray("<TfrxReport><TfrxReportPage") << kaputt;
    QTest::newRow("keine Vorlage") << QByteArray("<Bericht/>") << kaputt;
    QTest::newRow("ohne Zahl4_1") << QByteArray(
        "<TfrxReport><TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Zahl1_1\"/></TfrxReportPage></TfrxReport>")
                                  << "Die Reportvorlage \"%1\" enthält das Feld Zahl2_1 nicht.";
    // Values no page holds make a damaged template; nothing of it is calibrated or stored.
    const QByteArray schein = Testumgebung::lies(ZK_QUELLDATEN "/schein.fr3");
    QTest::newRow("Left nan") << QByteArray(schein).replace("Left=\"37.8\"", "Left=\"nan\"") << kaputt;
    QTest::newRow("Top inf") << QByteArray(schein).replace("Top=\"75.59\"", "Top=\"inf\"") << kaputt;
    QTest::newRow("Left 1e308") << QByteArray(schein).replace("Left=\"196.54\"", "Left=\"1e308\"") << kaputt;
    QTest::newRow("Seite 5000 mm") << QByteArray(schein).replace("PaperWidth=\"105\" PaperHeight=\"198\"",
                                                                  "PaperWidth=\"5000\" PaperHeight=\"5000\"")
                                   << kaputt;
    QTest::newRow("Seite 20000 mm") << QByteArray(schein).replace("PaperWidth=\"105\" PaperHeight=\"198\"",
                                                                   "PaperWidth=\"20000\" PaperHeight=\"20000\"")
                                    << kaputt;
  }
  void vorlageFehlerhaft() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    Dialog d;
    QFile::remove(d.u.programmordner() + "schein.fr3");
    const QString pfad = d.u.home() + "eigen.fr3";
    if (!inhalt.isEmpty()) Testumgebung::schreibe(pfad, inhalt);
    d.ctl<QLineEdit>("Reportvorlage")->setText(inhalt.isEmpty() ? "C:\\weg\\eigen.fr3" : pfad);
    d.memo({"1,2,3,4,5"});
    QElapsedTimer uhr;
    uhr.start();
    d.anzeigen();
    QVERIFY(uhr.elapsed() < 5000);
    QCOMPARE(d.meldungen(), QStringList{meldung.contains("%1") ? meldung.arg(pfad) : meldung});
    QCOMPARE(d.edit("Edit2"), QStringLiteral("14"));  // nothing calibrated
    const bool leer = !meldung.contains("enthält");
    if (leer) QVERIFY(d.form.frxPreview1->widget()->width() <= 1);  // an empty report, no page
    d.schliessen();  // the dialog still closes and stores; without a page, no paper
    plattform::Registry reg;
    QVERIFY(reg.OpenKeyReadOnly(kSchluessel));
    QCOMPARE(reg.ReadString("Breite"), QStringLiteral("14"));
    QCOMPARE(reg.ValueExists("PaperWidth"), !leer);
  }

  void hintergrund_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("lesbar");
    QTest::newRow("PNG") << "bild.png" << true;
    QTest::newRow("JPEG") << "bild.jpg" << true;
    QTest::newRow("kaputt") << "kaputt.png" << false;
  }
  void hintergrund() {
    QFETCH(QString, name);
    QFETCH(bool, lesbar);
    Dialog d;
    const QString pfad = d.u.programmordner() + name;
    if (lesbar) {
      QImage b(40, 40, QImage::Format_RGB32);
      b.fill(QColor(0, 0, 255));
      QVERIFY(b.save(pfad));
    } else {
      Testumgebung::schreibe(pfad, "kein Bild");
    }
    d.ctl<QLineEdit>("BackImage")->setText("D:\\Bilder\\" + name);
    d.anzeigen();
    QCOMPARE(d.edit("BackImage"), pfad);
    const QImage vorschau = d.form.frxPreview1->bild();
    if (lesbar) {
      QVERIFY(d.meldungen().isEmpty());
      QVERIFY(QColor(vorschau.pixel(5, 5)).blue() > 240 && QColor(vorschau.pixel(5, 5)).red() < 16);
      // A print never shows it.
      d.memo({"1,2,3,4,5"});
      d.klick("BitBtn1");
      QCOMPARE(QColor(d.druck.drucke[0][0].pixel(5, 5)), QColor(Qt::white));
    } else {
      QCOMPARE(d.meldungen(), QStringList{"Das Hintergrundbild \"" + pfad + "\" kann nicht gelesen werden."});
      QCOMPARE(QColor(vorschau.pixel(5, 5)), QColor(Qt::white));
    }
  }

  void uebergabe() {
    Programm p;
    p.setzeZeile(1, {"3", "17", "28", "41", "55"});
    p.setzeZeile(2, {"1", "2", "3", "4", "5"});
    p.setzeZeile(5, {"6", "7", "8", "9", "10"});
    p.form1.Schein->zeile(1).Extras[0]->setText("4");
    fenstertest::ctl<plattform::DatumsWahl>(&p.form1, "DateTimePicker1")->setzeDatum(QDate(2023, 2, 28));
    QCOMPARE(fenstertest::ctl<QToolButton>(&p.form1, "SpeedButton27")->toolTip(), QStringLiteral("Schein drucken (Test)"));
    p.scheinDrucken();
    const QString datei = p.u.home() + "Tipps/20230301.zpk";
    QCOMPARE(Testumgebung::lies(datei), QByteArray("3,17,28,41,55\r\n1,2,3,4,5\r\n6,7,8,9,10\r\n"));
    QCOMPARE(p.form8.memoZeilen(), (QStringList{"3,17,28,41,55", "1,2,3,4,5", "6,7,8,9,10"}));
    QCOMPARE(p.form1.zustand().SaveDialog1.FileName, datei);
    QCOMPARE(p.form8.schluessel, QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano"));
    QCOMPARE(p.form8.MaxZahl, 55);
    QCOMPARE(p.form8.MaxEuroZahl, p.form1.zustand().SternenzahlMax);
    QCOMPARE(p.form8.frxReport1.objekt("Zahl3_3")->Text, QStringLiteral("x"));  // the third tip placed
    {
      plattform::Registry reg;
      QVERIFY(reg.KeyExists("\\SOFTWARE\\Kestrell\\Zelano\\druck"));  // the closing stored the layout
    }
    // The list line with its extras reaches the placement as a comma line.
    p.form1.Schein->listeErsetzen({"3\t12\t25\t33\t47\t\t\t4\t9"});
    p.form1.Schein->Gewinnzahlen->show();
    p.scheinDrucken();
    QCOMPARE(p.form8.memoZeilen(), QStringList{"3,12,25,33,47,4,9"});
    // A write that fails beside the older file: its message, and no dialog.
    plattform::zugriffVerweigertIn(p.u.home() + "Tipps");
    p.u.dialoge().gezeigt.clear();
    fenstertest::klick(fenstertest::ctl(&p.form1, "SpeedButton27"));
    plattform::zugriffVerweigertIn(QString());
    QCOMPARE(p.u.meldungen().size(), 1);
    QVERIFY(p.u.meldungen()[0].startsWith("Datei \"" + datei + "\" kann nicht erstellt werden."));
    QVERIFY(!p.form8.isVisible());
  }

  // Opened from the main window, its messages and questions follow the chosen language
  // (Spanish): a template that is not there, then the question before each coupon.
  void meldungenInDerSprache() {
    Programm p;
    p.form1.sprachmenue->menuepunkt(4)->trigger();
    const QString vorlage = p.u.programmordner() + schein::kVorlage;
    const QByteArray inhalt = Testumgebung::lies(vorlage);
    QFile::remove(vorlage);
    p.scheinDrucken();
    QCOMPARE(p.u.meldungen(),
             QStringList{QString::fromUtf8("No se encontró la plantilla de informe \"%1\".").arg(schein::kVorlage)});
    Testumgebung::schreibe(vorlage, inhalt);
    p.u.dialoge().gezeigt.clear();
    p.form8.memoLaden(zeilen(15));
    p.form8.show();
    p.u.dialoge().antworten = {false};
    fenstertest::klick(fenstertest::ctl(&p.form8, "BitBtn1"));
    QCOMPARE(p.u.dialoge().arten(), QStringList{"frage"});
    QCOMPARE(p.u.dialoge().gezeigt[0].text, QStringLiteral("¿Imprimir este boleto?"));
    QCOMPARE(p.u.dialoge().gezeigt[0].titel, QStringLiteral("Imprimir"));
    p.form8.done(0);
  }

  // "Edit1F8" to "Edit6F8": written at the first exit, read into the dialog at the next start;
  // one of another type is skipped.
  void einstellungen() {
    Fensterumgebung u;
    {
      TForm1 form1;
      TForm8 form8;
      form1.StartAbschliessen();
      form8.Edit1->setText("13,7");
      form8.Edit6->setText("11");
      form1.FormClose();
    }
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKey("\\SOFTWARE\\Kestrell\\Zelano", false));
      QCOMPARE(reg.ReadString("Edit1F8"), QStringLiteral("13,7"));
      QCOMPARE(reg.ReadString("Edit2F8"), QStringLiteral("14"));
      QCOMPARE(reg.ReadString("Edit6F8"), QStringLiteral("11"));
      reg.WriteInteger("Edit2F8", 3);
      reg.CloseKey();
    }
    TForm1 form1;
    TForm8 form8;
    form8.Edit2->setText("vorher");
    form1.StartAbschliessen();
    QCOMPARE(form8.Edit1->text(), QStringLiteral("13,7"));
    QCOMPARE(form8.Edit2->text(), QStringLiteral("vorher"));
    QCOMPARE(form8.Edit6->text(), QStringLiteral("11"));
  }

  void raster() {
    Dialog d;
    d.form.MaxZahl = 55;
    d.ctl<plattform::UpDown>("UpDown1")->setPosition(5);
    d.ctl<plattform::UpDown>("UpDown2")->setPosition(11);
    d.ctl<QCheckBox>("CheckBox1")->setChecked(false);
    d.klick("CheckBox2");  // ticks it and redraws
    auto* g = d.ctl<QTableWidget>("DrawGrid1");
    QCOMPARE(g->rowCount(), 5);
    QCOMPARE(g->columnCount(), 11);
    for (int z = 0; z < 5; ++z) QCOMPARE(g->item(z, 0)->text(), QString::number(5 - z));
    QCOMPARE(g->item(0, 10)->text(), QStringLiteral("55"));
    QCOMPARE(g->height(), 14 * 5 + 20);
    // Two digits show whole in a cell of 14 pixels: about twice the ink of one digit, inside
    // the cell.
    QVERIFY(d.zeigen());
    d.form.PageControl1->setCurrentWidget(d.form.Zahlenfeld);
    const QImage bild = g->viewport()->grab().toImage();
    auto tinte = [&](int z, int sp) {
      const QRect zelle = g->visualRect(g->model()->index(z, sp));
      QRect r;
      for (int y = zelle.top(); y <= zelle.bottom(); ++y)
        for (int x = zelle.left(); x <= zelle.right(); ++x)
          if (qGray(bild.pixel(x, y)) < 128) r |= QRect(x, y, 1, 1);
      return std::pair{r, zelle};
    };
    const auto [eins, zelleEins] = tinte(4, 0);   // "1"
    const auto [fuenf, zelleFuenf] = tinte(0, 0);  // "5"
    const auto [zwei, zelleZwei] = tinte(0, 10);   // "55"
    QVERIFY(!fuenf.isEmpty() && !zwei.isEmpty() && !eins.isEmpty());
    QVERIFY2(zwei.width() >= 2 * fuenf.width(), qPrintable(QStringLiteral("%1 / %2").arg(zwei.width()).arg(fuenf.width())));
    QVERIFY(zwei.height() >= 7);
    QVERIFY(zelleZwei.contains(zwei));
    QCOMPARE(d.ctl<QTableWidget>("StringGrid1")->columnWidth(0), 33);
    d.ctl<plattform::UpDown>("UpDown1")->setPosition(6);
    d.ctl<plattform::UpDown>("UpDown2")->setPosition(10);
    d.ctl<QLineEdit>("Edit2")->setText(QString("0") + plattform::dezimaltrenner() + "4");
    d.ctl<QCheckBox>("CheckBox2")->setChecked(false);
    d.klick("CheckBox1");
    QCOMPARE(g->item(5, 4)->text(), QStringLiteral("55"));
    QCOMPARE(g->item(5, 5)->text(), QStringLiteral(" "));
    QCOMPARE(g->columnWidth(0), 1);  // below one pixel draws as one
  }

  // A typed position beyond the up-down's range shows as the bound that is used once the typing
  // ends; a text that is no number shows the position again.
  void upDownEingabe() {
    Dialog d;
    QVERIFY(d.zeigen());
    auto* edit = d.ctl<QLineEdit>("Edit7");
    auto* ud = d.ctl<plattform::UpDown>("UpDown5");
    for (const auto& [getippt, gezeigt] : {std::pair{"99", "10"}, std::pair{"0", "1"}, std::pair{"abc", "1"}, std::pair{"7", "7"}}) {
      edit->setFocus();
      edit->selectAll();
      QTest::keyClicks(edit, getippt);
      QTest::keyClick(edit, Qt::Key_Return);
      QCOMPARE(edit->text(), QString::fromLatin1(gezeigt));
      QCOMPARE(ud->Position(), edit->text().toInt());
    }
  }
};

QTEST_MAIN(TstAnders)
#include "tst_anders.moc"
