#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "hilfen/fenster/druckdouble.h"
#include "hilfen/fenster/fenstertest.h"
#include "output/fenster/anders.h"
#include "output/scheinlayout.h"
#include "plattform/fenster/berichtsdruck.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"
#include "programm/LottoZahlen.h"
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
    QTest::newRow("nirgends") << QByteArray() << "Die Reportvorlage \"schein.fr3\" wurde nicht gefunden.";
    QTest::newRow("kaputt") << QByteArray("<TfrxReport><TfrxReportPage") << "Die Reportvorlage \"%1\" kann nicht gelesen werden.";
    QTest::newRow("keine Vorlage") << QByteArray("<Bericht/>") << "Die Reportvorlage \"%1\" kann nicht gelesen werden.";
    QTest::newRow("ohne Zahl4_1") << QByteArray(
        "<TfrxReport><TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Zahl1_1\"/></TfrxReportPage></TfrxReport>")
                                  << "Die Reportvorlage \"%1\" enthält das Feld Zahl2_1 nicht.";
  }
  void vorlageFehlerhaft() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    Dialog d;
    QFile::remove(d.u.programmordner() + "schein.fr3");
    const QString pfad = d.u.home() + "eigen.fr3";
    if (!inhalt.isEmpty()) Testumgebung::schreibe(pfad, inhalt);
    d.ctl<QLineEdit>("Reportvorlage")->setText(inhalt.isEmpty() ? "C:\\weg\\schein.fr3" : pfad);
    d.memo({"1,2,3,4,5"});
    d.anzeigen();
    QCOMPARE(d.meldungen(), QStringList{meldung.contains("%1") ? meldung.arg(pfad) : meldung});
    QCOMPARE(d.edit("Edit2"), QStringLiteral("14"));  // nothing calibrated
    d.schliessen();  // the dialog still closes and stores
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
};

QTEST_MAIN(TstAnders)
#include "tst_anders.moc"
