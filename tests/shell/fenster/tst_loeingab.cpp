#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "plattform/dateien.h"
#include "plattform/fenster/datumswahl.h"
#include "shell/fenster/LoEingab.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "shell/ziehungsdaten.h"

namespace {
const QDate kMinimum(2018, 2, 7);
const QDate kTag1(2018, 3, 1);

// What the user does in the entry dialog once it is open.
struct Eingabe {
  std::optional<QDate> datum;
  QStringList zahlen;  // typed into Edit1.. in order; empty: leave as proposed
  bool ok = true;
};

struct Fenster : Fenstertest<TForm1> {
  // What the dialog showed when it opened.
  QDate vorgeschlagenesDatum;
  QStringList vorgeschlageneFelder;
  int zahlenMax = 0, extraMax = 0;
  bool gesehen = false;

  explicit Fenster(const std::optional<std::vector<Ziehung>>& historie) {
    if (historie) Testumgebung::schreibe(datei(), alsDatei(*historie));
  }
  QString datei() const { return u.home() + "ZahlenQV.dat"; }
  std::vector<Ziehung> gespeichert() const { return Ziehungsdaten::zerlege(Testumgebung::lies(datei())); }

  void beantworte(const Eingabe& e) {
    if (!Form3 || !Form3->isVisible()) {
      QTimer::singleShot(5, [this, e] { beantworte(e); });
      return;
    }
    gesehen = true;
    vorgeschlagenesDatum = Form3->DateTimePicker1->Datum();
    vorgeschlageneFelder.clear();
    for (int k = 1; k <= 8; ++k) vorgeschlageneFelder << Form3->Edit[static_cast<std::size_t>(k)]->text();
    zahlenMax = Form3->UpDown[1]->Max();
    extraMax = Form3->UpDown[7]->Max();
    if (e.datum) Form3->DateTimePicker1->setDate(*e.datum);
    for (int i = 0; i < e.zahlen.size(); ++i) {
      QLineEdit* feld = Form3->Edit[static_cast<std::size_t>(i + 1)];
      feld->setFocus();
      feld->selectAll();
      QTest::keyClick(feld, Qt::Key_Backspace);
      QTest::keyClicks(feld, e.zahlen.at(i));
    }
    QTest::mouseClick(e.ok ? Form3->BitBtn2 : Form3->BitBtn1, Qt::LeftButton);
  }

  // Sets the end date, presses "Eingeben" and answers the dialog.
  void eingeben(const QDate& ende, const Eingabe& e) {
    form.ziehungsanzeige->DateTimePicker1->setzeDatum(ende);
    form.PageControl1->setCurrentWidget(form.TabSheet4);
    QTimer::singleShot(0, [this, e] { beantworte(e); });
    QTest::mouseClick(form.ziehungsanzeige->BitBtn8, Qt::LeftButton);
  }
};

Ziehung mit(Ziehung z, const QDate& tag, std::array<int, 5> zahlen) {
  z.setzeDatum(tag);
  for (std::size_t i = 0; i < 5; ++i) z.Ziehungszahlen[i] = static_cast<std::uint8_t>(zahlen[i]);
  return z;
}
}  // namespace

class TstLoEingab : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { plattform::simuliereDateifehler(plattform::Dateifehler::keiner); }

  void dialog() {
    Fensterumgebung u;
    TForm3 d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Zahlen der Ziehung eingeben"));
    QVERIFY(d.DateTimePicker1->minimumDate() < QDate(1900, 1, 1));
    QCOMPARE(d.UpDown[6]->Min(), 1);
    QCOMPARE(d.UpDown[6]->Max(), 50);
    for (int k = 6; k <= 8; ++k) QVERIFY(d.Edit[static_cast<std::size_t>(k)]->isHidden());
  }

  // Where the entered record goes. Each listed day holds a 13:00 and a 20:30 draw; days are
  // offsets from 01.03.2018, indices count the stored records.
  void einfuegen_data() {
    QTest::addColumn<std::vector<int>>("tage");
    QTest::addColumn<int>("ende");
    QTest::addColumn<int>("datum");
    QTest::addColumn<int>("referenz");
    QTest::addColumn<std::vector<int>>("vorher");   // stored records kept before the new one
    QTest::addColumn<std::vector<int>>("nachher");  // and after it
    QTest::addColumn<int>("position");              // shown afterwards
    using V = std::vector<int>;
    QTest::newRow("nach allen") << V{0, 1, 2} << 2 << 7 << 4 << V{0, 1, 2, 3, 4, 5} << V{} << 4;
    QTest::newRow("Tag mit zwei Ziehungen") << V{0, 1, 2} << 1 << 1 << 2 << V{0, 1} << V{4, 5} << 2;
    QTest::newRow("zwischen zwei Tagen") << V{0, 2} << 2 << 1 << 2 << V{0, 1} << V{2, 3} << 3;
    QTest::newRow("vor allen, Ende ohne Ziehung") << V{0, 1, 2} << 30 << -3 << 5 << V{} << V{0, 1, 2, 3, 4, 5} << 5;
  }
  void einfuegen() {
    QFETCH(std::vector<int>, tage);
    QFETCH(int, ende);
    QFETCH(int, datum);
    QFETCH(int, referenz);
    QFETCH(std::vector<int>, vorher);
    QFETCH(std::vector<int>, nachher);
    QFETCH(int, position);
    std::vector<Ziehung> h;
    for (int t : tage)
      for (const Ziehung& z : abwechselnd(kTag1.addDays(t), 1)) h.push_back(z);
    for (auto& z : h) z.Reserve.fill(0x5A);
    Ziehung& ref = h[static_cast<std::size_t>(referenz)];
    ref.Reserve[3] = 0x77;
    ref.Ziehungszahlen[6] = 3;
    ref.Ziehungszahlen[7] = 4;

    Fenster f(h);
    f.eingeben(kTag1.addDays(ende), {kTag1.addDays(datum), {"5", "3", "55", "1", "9"}, true});
    QVERIFY(f.gesehen);
    QCOMPARE(f.vorgeschlagenesDatum, ref.datum());
    QStringList felder;
    for (int k = 1; k <= 8; ++k) felder << QString::number(ref.zahl(k));
    QCOMPARE(f.vorgeschlageneFelder, felder);

    // Sorted ascending; the date from the dialog; slots 6-8 and the reserve from the reference.
    const Ziehung neu = mit(ref, kTag1.addDays(datum), {1, 3, 5, 9, 55});
    std::vector<Ziehung> erwartet;
    for (int i : vorher) erwartet.push_back(h[static_cast<std::size_t>(i)]);
    erwartet.push_back(neu);
    for (int i : nachher) erwartet.push_back(h[static_cast<std::size_t>(i)]);
    QCOMPARE(f.gespeichert(), erwartet);
    QVERIFY(!QFile::exists(f.datei() + "~"));
    QVERIFY(f.u.dialoge().gezeigt.isEmpty());
    // The end date goes back to the reference's date, and the draw of that date is shown.
    QCOMPARE(f.form.zustand().aktDatum.date(), ref.datum());
    QCOMPARE(f.form.zustand().Position, position);
    QCOMPARE(f.form.zustand().Datum1, erwartet[static_cast<std::size_t>(position)].datum());
    QVERIFY(!Form3);
  }

  void leereHistorie() {
    Fenster f(std::vector<Ziehung>{});
    f.eingeben(QDate(2024, 6, 1), {{}, {}, true});
    QCOMPARE(f.vorgeschlagenesDatum, QDate(2012, 3, 23));
    QCOMPARE(f.vorgeschlageneFelder, (QStringList{"1", "2", "3", "4", "5", "6", "1", "2"}));
    QCOMPARE(f.zahlenMax, 55);
    QCOMPARE(f.extraMax, f.form.zustand().SternenzahlMax);
    QCOMPARE(f.gespeichert(), std::vector<Ziehung>{Ziehung::vorschlagLeereHistorie()});
    QCOMPARE(f.gespeichert().at(0).alsBytes().mid(8, 8), QByteArray("\x01\x02\x03\x04\x05\x06\x01\x02", 8));
    // The shown draw is the entered one; the end date cannot hold 2012 and takes its lowest date.
    QCOMPARE(f.form.zustand().Datum1, QDate(2012, 3, 23));
    QCOMPARE(f.form.ziehungsanzeige->DateTimePicker1->Datum(), kMinimum);
  }

  void abbrechenSpeichertNichts() {
    const auto h = abwechselnd(kTag1, 2);
    Fenster f(h);
    f.eingeben(kTag1.addDays(1), {kTag1.addDays(9), {"7", "8", "9", "10", "11"}, false});
    QVERIFY(f.gesehen);
    QCOMPARE(Testumgebung::lies(f.datei()), alsDatei(h));
    QCOMPARE(f.form.zustand().Position, 2);  // the draw of the end date is shown all the same
    QVERIFY(!Form3);
  }

  // A field left with text that is no number 1..55 gives the last valid value of its up-down.
  void ungueltigeFelder() {
    Fenster f(std::vector<Ziehung>{});
    f.eingeben(kTag1, {kTag1, {"7", "x", "56", "0", ""}, true});
    const auto v = f.gespeichert();
    QCOMPARE(v.size(), std::size_t{1});
    // Edit1 7; Edit2 "x" keeps 2; Edit3 "56" keeps 5, typed on the way; Edit4 "0" keeps 4; Edit5 "" keeps 5.
    QCOMPARE(v[0].alsBytes().mid(8, 5), QByteArray("\x02\x04\x05\x05\x07", 5));
  }

  void anhaengenNachKurzemStueck() {
    const auto h = abwechselnd(kTag1, 1);
    Fenster f(std::nullopt);
    Testumgebung::schreibe(f.datei(), alsDatei(h) + QByteArray("\x11\x22\x33", 3));
    f.eingeben(kTag1, {kTag1.addDays(1), {"1", "2", "3", "4", "5"}, true});
    const auto v = f.gespeichert();
    QCOMPARE(Testumgebung::lies(f.datei()).size(), 96);
    QCOMPARE(v.size(), std::size_t{3});
    QCOMPARE(v[2].datum(), kTag1.addDays(1));
    QCOMPARE(v[2].Reserve, h[0].Reserve);
  }

  void neuaufbauScheitert_data() {
    QTest::addColumn<int>("stelle");
    QTest::newRow("beim Schreiben") << int(plattform::Dateifehler::schreiben);
    QTest::newRow("beim Ersetzen") << int(plattform::Dateifehler::ersetzen);
  }
  void neuaufbauScheitert() {
    QFETCH(int, stelle);
    const auto h = abwechselnd(kTag1, 2);
    Fenster f(h);
    plattform::simuliereDateifehler(static_cast<plattform::Dateifehler>(stelle));
    f.eingeben(kTag1, {kTag1, {"1", "2", "3", "4", "5"}, true});
    QCOMPARE(Testumgebung::lies(f.datei()), alsDatei(h));
    QCOMPARE(f.u.dialoge().arten(), QStringList{"nachricht"});
    QVERIFY(f.u.dialoge().texte().at(0).contains("ZahlenQV.dat"));
    // A replacement that failed leaves the rebuilt history beside the old one under its temporary name.
    const bool ersetzen = stelle == int(plattform::Dateifehler::ersetzen);
    QCOMPARE(QFile::exists(f.datei() + "~"), ersetzen);
    if (ersetzen) QCOMPARE(Ziehungsdaten::zerlege(Testumgebung::lies(f.datei() + "~")).size(), std::size_t{3});
  }
};

QTEST_MAIN(TstLoEingab)
#include "tst_loeingab.moc"
