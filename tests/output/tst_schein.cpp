#include <QtTest>

#include "hilfen/testumgebung.h"
#include "output/scheinablage.h"
#include "output/scheinlayout.h"
#include "output/scheinuebergabe.h"
#include "plattform/textdatei.h"
#include "output/tippsetzen.h"
#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/registry.h"
#include "plattform/reportvorlage.h"

using namespace schein;
using plattform::Report;

namespace {

// A template of `felder` tip felder; Zahl<m>_<i> at (100 i + m, 10 i), Stern views in slot 1 only.
QByteArray vorlage(int felder, bool sterne = true) {
  QByteArray x = "<TfrxReport><TfrxReportPage Name=\"Page1\" PaperWidth=\"105\" PaperHeight=\"198\" PaperSize=\"256\">";
  for (int i = 1; i <= felder; ++i)
    for (int m = 1; m <= 5; ++m)
      x += QStringLiteral("<TfrxMemoView Name=\"Zahl%1_%2\" Left=\"%3\" Top=\"%4\" Text=\"alt\"/>")
               .arg(m).arg(i).arg(100 * i + m).arg(10 * i).toLatin1();
  if (sterne)
    for (int i = 1; i <= felder; ++i)
      x += QStringLiteral("<TfrxMemoView Name=\"Stern1_%1\" Text=\"s\"/><TfrxMemoView Name=\"Stern2_%1\" Text=\"s\"/>")
               .arg(i).toLatin1();
  return x + "</TfrxReportPage></TfrxReport>";
}

struct Dialog : Scheindialog {
  QList<bool> antworten;  // to the print question; empty: No
  QStringList ereignisse;
  std::function<void()> beimDrucken;
  void vorschauAuffrischen() override { ereignisse << "auffrischen"; }
  bool druckenFragen() override {
    ereignisse << "frage";
    return !antworten.isEmpty() && antworten.takeFirst();
  }
  void drucken() override {
    ereignisse << "drucken";
    if (beimDrucken) beimDrucken();
  }
  void meldung(const QString& t) override { ereignisse << "meldung " + t; }
  void eurozahlenVerbergen() override {}
};

QStringList zeilen(int n) {
  QStringList z;
  for (int i = 0; i < n; ++i) z << QStringLiteral("%1,2,3,4,5").arg(i + 1);
  return z;
}

// The felder that carry a mark.
QList<int> belegt(const Report& r, int felder) {
  QList<int> b;
  for (int i = 1; i <= felder; ++i)
    if (!r.objekt(QStringLiteral("Zahl1_%1").arg(i))->Text.isEmpty()) b << i;
  return b;
}

Scheinlayout beispiel() {
  Scheinlayout l;
  l.AnfangLeft = 75.59;
  l.AnfangTop = 164.41;
  l.BlockLeft = 158.74;
  l.BlockTop = 136.06;
  l.Breite = 14.36;
  l.Hoehe = 13.7;
  return l;
}

}  // namespace

class TstSchein : public QObject {
  Q_OBJECT
 private slots:
  void position_data() {
    QTest::addColumn<int>("j");
    QTest::addColumn<qlonglong>("b");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("3") << 1 << 3LL << 104.31 << 164.41;
    QTest::newRow("17") << 1 << 17LL << 161.75 << 178.11;
    QTest::newRow("28") << 1 << 28LL << 176.11 << 191.81;
    QTest::newRow("41") << 1 << 41LL << 75.59 << 219.21;
    QTest::newRow("55") << 1 << 55LL << 133.03 << 232.91;
    QTest::newRow("55 im zweiten Block") << 2 << 55LL << 133.03 + 158.74 << 232.91;
    QTest::newRow("0 links neben der 1") << 1 << 0LL << 75.59 - 14.36 << 164.41;
    QTest::newRow("61 in Zeile 7") << 1 << 61LL << 75.59 << 164.41 + 6 * 13.7;
    QTest::newRow("kleinste ganze Zahl") << 1 << -2147483648LL << 75.59 - 9 * 14.36 << 164.41 - 214748364 * 13.7;
  }
  void position() {
    QFETCH(int, j);
    QFETCH(qlonglong, b);
    QFETCH(double, left);
    QFETCH(double, top);
    const Punkt p = markenposition(beispiel(), 10, j, 1, b);
    QVERIFY2(qAbs(p.Left - left) < 1e-6 && qAbs(p.Top - top) < 1e-3,
             qPrintable(QStringLiteral("%1 %2").arg(p.Left).arg(p.Top)));
  }

  void setzenBeispiel() {
    Report r;
    r.ladeDaten(vorlage(10));
    Platzierung p;
    p.layout = beispiel();
    p.zeichen = "X";
    p.schriftgroesse = 14;
    Dialog d;
    QCOMPARE(tippsetzen(r, {"3,17,28,41,55", "3,17,28,41,55"}, p, d), Setzen::durchgelaufen);
    const plattform::Berichtsobjekt* z5 = r.objekt("Zahl5_2");
    QCOMPARE(z5->Left, 133.03 + 158.74);
    QCOMPARE(z5->Top, 232.91);
    QCOMPARE(z5->Text, QStringLiteral("X"));
    QCOMPARE(z5->FontSize, 14);
    QVERIFY(r.objekt("Zahl1_3")->Text.isEmpty());  // cleared
    QVERIFY(!r.objekt("Stern1_1")->Visible && r.objekt("Stern1_1")->Text.isEmpty());
    QCOMPARE(d.ereignisse, QStringList{"auffrischen"});
  }

  // Lines and coupons: the questions, prints and what the last coupon holds.
  void setzen_data() {
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<int>("felder");  // of the template
    QTest::addColumn<int>("blockZeilen");
    QTest::addColumn<int>("blockSpalten");
    QTest::addColumn<bool>("oeffnen");
    QTest::addColumn<QList<bool>>("antworten");
    QTest::addColumn<int>("ergebnis");
    QTest::addColumn<QStringList>("ereignisse");
    QTest::addColumn<QList<int>>("belegt");
    QTest::addColumn<QList<int>>("gedruckt");  // the felder on each printed coupon, summed
    const QStringList a{"auffrischen"};
    QTest::newRow("leer") << QStringList{} << 10 << 5 << 2 << false << QList<bool>{} << int(Setzen::nichts)
                          << QStringList{} << QList<int>{} << QList<int>{};
    QTest::newRow("10 Zeilen, keine Frage") << zeilen(10) << 10 << 5 << 2 << false << QList<bool>{}
                                            << int(Setzen::durchgelaufen) << QStringList{"auffrischen", "auffrischen"}
                                            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<int>{};
    QTest::newRow("11 Zeilen, erster Schein") << zeilen(11) << 10 << 5 << 2 << true << QList<bool>{}
                                              << int(Setzen::durchgelaufen) << a
                                              << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<int>{};
    QTest::newRow("11 Zeilen") << zeilen(11) << 10 << 5 << 2 << false << QList<bool>{false}
                               << int(Setzen::durchgelaufen) << QStringList{"auffrischen", "frage", "auffrischen"}
                               << QList<int>{1} << QList<int>{};
    QTest::newRow("25 Zeilen, Ja dann Nein")
        << zeilen(25) << 10 << 5 << 2 << false << QList<bool>{true, false} << int(Setzen::durchgelaufen)
        << QStringList{"auffrischen", "frage", "drucken", "auffrischen", "frage", "auffrischen"}
        << QList<int>{1, 2, 3, 4, 5} << QList<int>{10};
    QTest::newRow("12 auf 3x4 mit 10 Feldern")
        << zeilen(12) << 10 << 3 << 4 << false << QList<bool>{} << int(Setzen::abgebrochen)
        << QStringList{"meldung Fehler kann Feld Zahl1_11 nicht finden"} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
        << QList<int>{};
    // The second coupon starts empty in all twelve felder.
    QTest::newRow("14 auf 3x4 mit 12 Feldern")
        << zeilen(14) << 12 << 3 << 4 << false << QList<bool>{true} << int(Setzen::durchgelaufen)
        << QStringList{"auffrischen", "frage", "drucken", "auffrischen"} << QList<int>{1, 2} << QList<int>{12};
  }
  void setzen() {
    QFETCH(QStringList, memo);
    QFETCH(int, felder);
    QFETCH(int, blockZeilen);
    QFETCH(int, blockSpalten);
    QFETCH(bool, oeffnen);
    QFETCH(QList<bool>, antworten);
    QFETCH(int, ergebnis);
    QFETCH(QStringList, ereignisse);
    QFETCH(QList<int>, belegt);
    QFETCH(QList<int>, gedruckt);
    Report r;
    r.ladeDaten(vorlage(felder));
    Platzierung p;
    p.blockZeilen = blockZeilen;
    p.blockSpalten = blockSpalten;
    p.oeffnen = oeffnen;
    Dialog d;
    d.antworten = antworten;
    QList<int> gedruckteSlots;
    d.beimDrucken = [&] { gedruckteSlots << static_cast<int>(::belegt(r, felder).size()); };
    QCOMPARE(int(tippsetzen(r, memo, p, d)), ergebnis);
    QCOMPARE(d.ereignisse, ereignisse);
    if (memo.isEmpty()) {
      QCOMPARE(r.objekt("Zahl1_1")->Text, QStringLiteral("alt"));  // nothing cleared
      return;
    }
    QCOMPARE(::belegt(r, felder), belegt);
    QCOMPARE(gedruckteSlots, gedruckt);
  }

  void zahlenDerZeile_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QList<int>>("zahlen");
    QTest::newRow("1,2,3") << "1,2,3" << QList<int>{1, 2, 3, 3, 3};
    QTest::newRow("sieben Felder") << "3,12,25,33,47,4,9" << QList<int>{3, 12, 25, 33, 47};
    QTest::newRow("eine Zahl") << "7" << QList<int>{7, 7, 7, 7, 7};
  }
  void zahlenDerZeile() {
    QFETCH(QString, zeile);
    QFETCH(QList<int>, zahlen);
    const auto z = fuenfZahlen(zeile);
    QCOMPARE(QList<int>(z.begin(), z.end()), zahlen);
  }

  // A text that is no whole number ends the placement: marks so far stay, no refresh.
  void keineZahl() {
    Report r;
    r.ladeDaten(vorlage(10));
    Dialog d;
    try {
      tippsetzen(r, {"1,2,3,4,5", "3,x,5"}, Platzierung{}, d);
      QFAIL("no error");
    } catch (const plattform::Fehler& f) {
      QCOMPARE(f.text(), QStringLiteral("'x' ist kein gültiger Integerwert"));
    }
    QVERIFY(d.ereignisse.isEmpty());
    QCOMPARE(::belegt(r, 10), QList<int>{1});
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, tippsetzen(r, {""}, Platzierung{}, d));
  }

  void kalibrierung() {
    const QByteArray x =
        "<TfrxReport><TfrxReportPage Name=\"Page1\">"
        "<TfrxMemoView Name=\"Zahl1_1\" Left=\"75.59\" Top=\"164.41\"/>"
        "<TfrxMemoView Name=\"Zahl2_1\" Left=\"204.85\" Top=\"164.41\"/>"
        "<TfrxMemoView Name=\"Zahl4_1\" Left=\"75.59\" Top=\"219.21\"/>"
        "<TfrxMemoView Name=\"Zahl1_2\" Left=\"234.33\" Top=\"164.41\"/>"
        "<TfrxMemoView Name=\"Zahl1_3\" Left=\"75.59\" Top=\"300.47\"/>"
        "<TfrxMemoView Name=\"Stern1_1\" Left=\"80\" Top=\"280\"/>"
        "<TfrxMemoView Name=\"Stern2_1\" Left=\"215\" Top=\"300\"/>"
        "</TfrxReportPage></TfrxReport>";
    Report r;
    r.ladeDaten(x);
    Scheinlayout l;
    QVERIFY(!kalibriere(r, {5, 10, 1, 10}, l));
    QCOMPARE(anzeigewert(l.Breite), QStringLiteral("14.36").replace('.', plattform::dezimaltrenner()));
    const QLocale alt;
    for (const QLocale& loc : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)}) {
      QLocale::setDefault(loc);
      const QString k = loc.decimalPoint();
      QCOMPARE(anzeigewert(l.Breite), "14" + k + "36");
      QCOMPARE(anzeigewert(l.Hoehe), "13" + k + "7");
      QCOMPARE(anzeigewert(l.BlockLeft), "158" + k + "74");
      QCOMPARE(anzeigewert(l.BlockTop), "136" + k + "06");
      QCOMPARE(anzeigewert(l.AnfangLeft), "75" + k + "59");
      QCOMPARE(anzeigewert(l.EuroBreit), "15");
      QCOMPARE(anzeigewert(-0.001), "0");
      QCOMPARE(allgemein(1189), "1189");
      QCOMPARE(allgemein(197.5), "197" + k + "5");
    }
    QLocale::setDefault(alt);
    QCOMPARE(l.EuroHoch, 0.0);  // one extra-field row
    QCOMPARE(euroPosition(l.EuroLeft), 4);
    QCOMPARE(euroPosition(l.EuroTop), 116);
    QCOMPARE(euroPosition(2.5), 2);
    QCOMPARE(euroPosition(-5000), -1000);

    // One column: the plain difference; one extra-field column: no pitch.
    Scheinlayout eins;
    QVERIFY(!kalibriere(r, {1, 1, 1, 1}, eins));
    QCOMPARE(eins.Breite, 204.85 - 75.59);
    QCOMPARE(eins.Hoehe, 219.21 - 164.41);
    QCOMPARE(eins.EuroBreit, 0.0);

    // A view missing: its name, nothing changed.
    for (const char* fehlt : {"Zahl1_1", "Zahl2_1", "Zahl4_1", "Zahl1_2", "Zahl1_3"}) {
      Report ohne;
      ohne.ladeDaten(QByteArray(x).replace(QByteArray("Name=\"") + fehlt + "\"", "Name=\"anders\""));
      Scheinlayout u;
      QCOMPARE(kalibriere(ohne, {5, 10, 1, 10}, u), std::optional<QString>(QString::fromLatin1(fehlt)));
      QCOMPARE(u.Breite, 14.0);
      QCOMPARE(u.AnfangLeft, 5.0);
    }
    Report ohneSterne;
    ohneSterne.ladeDaten(QByteArray(x).replace("Stern2_1", "anders"));
    Scheinlayout s;
    QVERIFY(!kalibriere(ohneSterne, {5, 10, 1, 10}, s));
    QCOMPARE(s.EuroLeft, 0.0);
    QCOMPARE(s.EuroTop, 14.0);
    QCOMPARE(s.Breite, l.Breite);
  }

  // The template beside the program: calibrated with the defaults it gives its own pitches,
  // and every number 1..55 of every slot stays on its page.
  void eigeneVorlage() {
    Report r;
    QCOMPARE(r.laden(QStringLiteral(ZK_QUELLDATEN "/schein.fr3")), Report::Laden::geladen);
    const plattform::Berichtsseite* seite = r.seite("Page1");
    QVERIFY(seite);
    QCOMPARE(seite->PaperSize, 256);
    QVERIFY(!seite->Querformat);
    Scheinlayout l;
    QVERIFY(!kalibriere(r, Feldgroessen{}, l));
    const double mm = 96 / 25.4;
    QCOMPARE(anzeigewert(l.Breite), anzeigewert(4 * mm));
    QCOMPARE(anzeigewert(l.Hoehe), anzeigewert(5 * mm));
    QCOMPARE(anzeigewert(l.BlockLeft), anzeigewert(42 * mm));
    QCOMPARE(anzeigewert(l.BlockTop), anzeigewert(36 * mm));
    QCOMPARE(anzeigewert(l.EuroTop), anzeigewert(30 * mm));
    const plattform::Berichtsobjekt* v = r.objekt("Zahl1_10");
    for (int j = 1; j <= 2; ++j)
      for (int k = 1; k <= 5; ++k)
        for (int b = 1; b <= 55; ++b) {
          const Punkt p = markenposition(l, 10, j, k, b);
          QVERIFY(p.Left >= 0 && p.Top >= 0);
          QVERIFY(p.Left + v->Width <= seite->PaperWidth * mm && p.Top + v->Height <= seite->PaperHeight * mm);
        }
    for (int i = 1; i <= 10; ++i)
      for (const QString& n : {QStringLiteral("Zahl5_%1"), QStringLiteral("Stern2_%1")}) QVERIFY(r.objekt(n.arg(i)));
  }

  void memo_data() {
    QTest::addColumn<QStringList>("ein");
    QTest::addColumn<QStringList>("aus");
    QTest::newRow("Listenzeile mit Extras") << QStringList{"3\t12\t25\t33\t47\t\t\t4\t9"}
                                            << QStringList{"3,12,25,33,47,4,9"};
    QTest::newRow("kurze Listenzeile") << QStringList{"3\t12\t25\t33\t47"} << QStringList{"3,12,25,33,47"};
    QTest::newRow("Leerzeichen") << QStringList{"  3 12  25   33 47 \t"} << QStringList{"3,12,25,33,47"};
    QTest::newRow("Leerzeilen bleiben") << QStringList{"1,2,3,4,5", " ", "6,7,8,9,10"}
                                        << QStringList{"1,2,3,4,5", "", "6,7,8,9,10"};
  }
  void memo() {
    QFETCH(QStringList, ein);
    QFETCH(QStringList, aus);
    QCOMPARE(normalisiere(ein), aus);
  }

  void raster() {
    const auto senkrecht = zahlenraster(5, 11, false, true, 55);
    QCOMPARE(senkrecht.size(), std::size_t{5});
    for (int z = 0; z < 5; ++z) QCOMPARE(senkrecht[static_cast<std::size_t>(z)][0], QString::number(5 - z));
    QCOMPARE(senkrecht[0][10], QStringLiteral("55"));
    QCOMPARE(senkrecht[4][10], QStringLiteral("51"));
    const auto waagerecht = zahlenraster(6, 10, true, false, 55);
    QCOMPARE(waagerecht[5], (QStringList{"51", "52", "53", "54", "55", " ", " ", " ", " ", " "}));
    QCOMPARE(zahlenraster(2, 3, true, true, 55)[0], (QStringList{"4", "5", "6"}));
    QCOMPARE(rasterzelle(QString("0") + plattform::dezimaltrenner() + "3"), std::optional<int>(1));
    QCOMPARE(rasterzelle(QString("14") + plattform::dezimaltrenner() + "6"), std::optional<int>(15));
    QCOMPARE(rasterzelle("abc"), std::nullopt);
  }

  void pfade() {
    Testumgebung u;
    const QString prog = u.programmordner();
    Testumgebung::schreibe(u.home() + "eigen.fr3", "x");
    QCOMPARE(vorlagenpfad(u.home() + "eigen.fr3", prog), u.home() + "eigen.fr3");
    Testumgebung::schreibe(prog + "eigen.fr3", "x");
    QCOMPARE(vorlagenpfad("C:\\Vorlagen\\eigen.fr3", prog), prog + "eigen.fr3");
    QCOMPARE(vorlagenpfad("/weg/fehlt.fr3", prog), QStringLiteral("schein.fr3"));
    QCOMPARE(vorlagenpfad("", prog), QStringLiteral("schein.fr3"));
    Testumgebung::schreibe(prog + "bild.png", "x");
    QCOMPARE(bildpfad("D:\\bild.png", prog), prog + "bild.png");
    QCOMPARE(bildpfad("D:\\fehlt.png", prog), QString());
    QCOMPARE(bildpfad("", prog), QString());
  }

  void uebergabe() {
    Testumgebung u;
    tippdatei::Blatt blatt;
    for (int k : {0, 1, 4}) blatt[static_cast<std::size_t>(k)] = {QString::number(k + 1), "12", "25", "33", "47", "4", "9"};
    blatt[7][1] = "8";  // a row without its first number is no tip
    const QString pfad = uebergabeSchreiben(u.home(), QDate(2023, 2, 28), false, blatt, {"1\t2"});
    QCOMPARE(pfad, u.home() + "Tipps/20230301.zpk");
    QCOMPARE(Testumgebung::lies(pfad), QByteArray("1,12,25,33,47\r\n2,12,25,33,47\r\n5,12,25,33,47\r\n"));
    const QString liste = "3\t12\t25\t33\t47\t\t\t4\t9";
    uebergabeSchreiben(u.home(), QDate(2023, 2, 28), true, blatt, {liste});
    QCOMPARE(uebergabeLesen(pfad), QStringList{liste});
    QCOMPARE(normalisiere(uebergabeLesen(pfad)), QStringList{"3,12,25,33,47,4,9"});

    // A write that fails leaves the older file as it was and says so, in both views.
    plattform::zugriffVerweigertIn(u.home() + "Tipps");
    for (bool listenansicht : {false, true}) {
      try {
        uebergabeSchreiben(u.home(), QDate(2023, 2, 28), listenansicht, blatt, {"9"});
        QFAIL("no error");
      } catch (const plattform::Fehler& f) {
        QVERIFY2(f.text().startsWith("Datei \"" + pfad + "\" kann nicht erstellt werden. ") && f.text().size() > pfad.size() + 34,
                 qPrintable(f.text()));
      }
      QCOMPARE(uebergabeLesen(pfad), QStringList{liste});
    }
    plattform::zugriffVerweigertIn(QString());
    // The tip folder cannot be made: the same message.
    Testumgebung v;
    Testumgebung::schreibe(v.home() + "Tipps", "kein Ordner");
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, uebergabeSchreiben(v.home(), QDate(2023, 2, 28), false, blatt, {}));
    try {
      uebergabeLesen(v.home() + "fehlt.zpk");
    } catch (const plattform::Fehler& f) {
      QCOMPARE(f.text(), "Datei " + v.home() + "fehlt.zpk kann nicht geöffnet werden. Die Datei wurde nicht gefunden.");
    }
  }

  void ablage() {
    Testumgebung u;
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString k = QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano");
    QVERIFY(!layoutVorhanden(k));
    Layoutsteuerung s;
    s.Edit16 = "75,59";
    s.Edit1 = "13.7";
    s.UpDown6 = 4;
    s.fontsize = 12;
    s.CheckBox1 = false;
    s.CheckBox4 = true;
    s.Reportvorlage = "";
    s.BackImage = "bild.jpg";
    QVERIFY(schreibeLayout(k, s, Papier{11, 210, 148.5, true}));
    QVERIFY(layoutVorhanden(k));
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKeyReadOnly(k + "\\druck"));
      QCOMPARE(reg.ReadString("Anfangleft"), QStringLiteral("75,59"));
      QCOMPARE(reg.ReadString("PaperWidth"), QStringLiteral("148,5"));
      QCOMPARE(reg.ReadInteger("PaperOr"), 2);
      QCOMPARE(reg.ReadBool("Checkbox4"), true);
      QCOMPARE(reg.ReadInteger("Spalten"), 4);
    }
    Layoutsteuerung g;
    QVERIFY(liesLayout(k, g).isEmpty());
    // "13.7", stored under a decimal point, reads under a decimal comma too; the text stays.
    QCOMPARE(g.Edit16, QStringLiteral("75,59"));
    QCOMPARE(g.Edit1, QStringLiteral("13.7"));
    QCOMPARE(felderAusSteuerung(g).Hoehe, 13.7);
    QCOMPARE(g.UpDown6, 4);
    QCOMPARE(g.fontsize, 12);
    QVERIFY(!g.CheckBox1 && !g.CheckBox2 && g.CheckBox3 && g.CheckBox4);
    QCOMPARE(g.Reportvorlage, QStringLiteral("schein.fr3"));
    QCOMPARE(g.BackImage, QStringLiteral("bild.jpg"));
    QCOMPARE(felderAusSteuerung(g).AnfangLeft, 75.59);
    const GespeichertesPapier p = liesPapier(k);
    QCOMPARE(p.PaperSize, std::optional<int>(11));
    QCOMPARE(p.PaperWidth, std::optional<double>(148.5));
    QCOMPARE(p.Querformat, std::optional<bool>(true));

    // Wrong types, a paper size not above 0, a number-field text and an up-down beyond range.
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKey(k + "\\druck", false));
      reg.WriteString("FontSize", "12");
      reg.WriteInteger("Zeichen", 5);
      reg.WriteString("Checkbox1", "ja");
      reg.WriteString("PaperSize", "0");
      reg.WriteString("PaperHeight", "-3");
      reg.WriteString("PaperOr", "2");
      reg.WriteInteger("BlockZeilen", 99);
      reg.CloseKey();
    }
    Layoutsteuerung b;
    b.fontsize = 7;
    const QStringList unlesbar = liesLayout(k, b);
    QCOMPARE(unlesbar, (QStringList{"Checkbox1", "Zeichen", "FontSize"}));
    QCOMPARE(b.fontsize, 7);
    QCOMPARE(b.Zeichen, QStringLiteral("x"));
    QVERIFY(b.CheckBox1);
    QCOMPARE(b.UpDown1, 50);
    const GespeichertesPapier bp = liesPapier(k);
    QVERIFY(!bp.PaperSize && !bp.PaperHeight && !bp.Querformat);
    QCOMPARE(bp.PaperWidth, std::optional<double>(148.5));
    QCOMPARE(bp.unlesbar, (QStringList{"PaperSize", "PaperOr", "PaperHeight"}));

    // Closing keeps what did not read while its control holds what the reading left; a changed
    // control is written; a position text that gives no layout value is never written.
    Behalten behalten{unlesbar + bp.unlesbar, b, Papier{11, 297, 148.5, true}};
    Layoutsteuerung c = b;
    c.fontsize = 9;
    c.Edit3 = "1e308";
    QVERIFY(schreibeLayout(k, c, Papier{11, 297, 148.5, true}, behalten));
    {
      plattform::Registry reg;
      QVERIFY(reg.OpenKeyReadOnly(k + "\\druck"));
      QCOMPARE(reg.ReadString("Checkbox1"), QStringLiteral("ja"));
      QCOMPARE(reg.ReadInteger("Zeichen"), 5);
      QCOMPARE(reg.ReadInteger("FontSize"), 9);
      QCOMPARE(reg.ReadString("BlockTop"), QStringLiteral("5"));
      QCOMPARE(reg.ReadString("PaperSize"), QStringLiteral("0"));
      QCOMPARE(reg.ReadString("PaperHeight"), QStringLiteral("-3"));
      QCOMPARE(reg.ReadString("PaperOr"), QStringLiteral("2"));
      QCOMPARE(reg.ReadString("PaperWidth"), QStringLiteral("148,5"));
    }
    // Another page is stored whole.
    QVERIFY(schreibeLayout(k, c, Papier{256, 198, 105, false}, behalten));
    const GespeichertesPapier neu = liesPapier(k);
    QCOMPARE(neu.PaperSize, std::optional<int>(256));
    QCOMPARE(neu.PaperHeight, std::optional<double>(198));
    QCOMPARE(neu.Querformat, std::optional<bool>(false));
    QVERIFY(neu.unlesbar.isEmpty());
    QLocale::setDefault(alt);

    // An edit that holds no number takes its default, its text with it.
    Layoutsteuerung leer;
    leer.Edit2 = "";
    leer.Edit3 = "abc";
    leer.Edit4 = "1e308";
    leer.Edit1 = "13,5";
    const Scheinlayout l = felderAusSteuerung(leer);
    QCOMPARE(l.Breite, 14.0);
    QCOMPARE(l.BlockTop, 5.0);
    QCOMPARE(l.BlockLeft, 5.0);
    QCOMPARE(l.Hoehe, 13.5);
    QCOMPARE(leer.Edit2, QStringLiteral("14"));
  }
};

QTEST_GUILESS_MAIN(TstSchein)
#include "tst_schein.moc"
