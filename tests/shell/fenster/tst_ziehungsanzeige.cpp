#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>
#include <limits>

#include "plattform/dateien.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/formate.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "stats/fenster/Diagrammseite.h"
#include "plattform/fenster/balkendiagramm.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"

namespace {
const QDate kMinimum(2018, 2, 7);
const QDate kTag1(2018, 3, 1);

// The main window over a history written before it opens; controls are found by name.
struct Fenster : Fenstertest<TForm1> {

  explicit Fenster(const std::optional<std::vector<Ziehung>>& historie) {
    if (historie) Testumgebung::schreibe(datei(), alsDatei(*historie));
  }
  QString datei() const { return u.home() + "ZahlenQV.dat"; }
  QString text(const char* label) { return ctl<QLabel>(label)->text(); }
  plattform::DatumsWahl* ende() { return ctl<plattform::DatumsWahl>("DateTimePicker1"); }
  void zeigeAb(const QDate& d) {
    ende()->setzeDatum(d);
    klick("SpeedButton5");
  }
  std::vector<Ziehung> gespeichert() const { return Ziehungsdaten::zerlege(Testumgebung::lies(datei())); }
};

QString zeile(const Ziehung& z, const QString& trenner, const QString& ende) {
  QString s = plattform::DDDddmmyy(z.datum()) + trenner;
  for (int k = 1; k <= 5; ++k) s += "  " + QString::number(z.zahl(k));
  return s + ende;
}

std::vector<Ziehung> dreiTage() { return abwechselnd(kTag1, 3); }

QString unlesbar(const QString& datei, int anzahl, int erste) {
  return QStringLiteral("Die Datei %1 enthält Ziehungen ohne gültiges Datum (%2, die erste ist Nr. %3); sie werden übergangen.")
      .arg(QDir::toNativeSeparators(datei), QString::number(anzahl), QString::number(erste));
}
}  // namespace

class TstZiehungsanzeige : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { plattform::simuliereDateifehler(plattform::Dateifehler::keiner); }

  void steuerelemente() {
    Fenster f({});
    QCOMPARE(f.ctl("Panel4")->parentWidget(), f.form.TabSheet1);
    QCOMPARE(f.ctl<QCheckBox>("Mittag")->text(), QStringLiteral("13:00"));
    QCOMPARE(f.ctl<QCheckBox>("Abend")->text(), QStringLiteral("20:30"));
    QVERIFY(f.ctl<QCheckBox>("Mittag")->isChecked() && f.ctl<QCheckBox>("Abend")->isChecked());
    QCOMPARE(f.ctl<QPushButton>("BitBtn6")->text(), QStringLiteral("Löschen"));
    QCOMPARE(f.ctl<QPushButton>("BitBtn8")->text(), QStringLiteral("Eingeben"));
    QCOMPARE(f.ctl<QPushButton>("BitBtn1")->text(), QStringLiteral("&Datenbank aktualisieren"));
    QCOMPARE(plattform::hint(f.ctl("SpeedButton5")), QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    QCOMPARE(plattform::hint(f.ctl("SpeedButton6")), QStringLiteral("vorhergehende Ziehung anzeigen"));
    QCOMPARE(plattform::hint(f.ctl("SpeedButton7")), QStringLiteral("nächste Ziehung anzeigen"));
    QCOMPARE(plattform::hint(f.ctl("BitBtn6")), QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
    QCOMPARE(plattform::hint(f.ctl("BitBtn8")), QStringLiteral("manuelle eingaben der Ziehungsdaten."));
    QCOMPARE(plattform::hint(f.ctl("SpeedButton8")), QStringLiteral("Stoppt das Einlesen"));
    for (const char* versteckt : {"SpeedButton8", "BitBtn2", "BitBtn3", "SpeedButton14", "RichEdit1"})
      QVERIFY2(f.ctl(versteckt)->isHidden(), versteckt);
    QCOMPARE(f.ctl("DateTimePicker2")->parentWidget(), f.form.TabSheet5);
    for (const char* name : {"Label35", "Label13", "Losnummer", "SpeedButton10", "SpeedButton6", "SpeedButton7"})
      QCOMPARE(f.ctl(name)->parentWidget(), f.ctl("Panel4"));
  }

  // Both pickers refuse a date before 07.02.2018, the day count 0 and no date, and take 07.02.2018.
  void datumsgrenze_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<QDate>("erwartet");
    for (const QString p : {"DateTimePicker1", "DateTimePicker2"}) {
      const QByteArray n = p.toLatin1();
      QTest::newRow(n + " davor") << p << QDate(2018, 2, 6) << kMinimum;
      QTest::newRow(n + " Tag 0") << p << QDate(1899, 12, 30) << kMinimum;
      QTest::newRow(n + " kein Datum") << p << QDate() << kMinimum;
      QTest::newRow(n + " Minimum") << p << kMinimum << kMinimum;
      QTest::newRow(n + " danach") << p << QDate(2020, 5, 1) << QDate(2020, 5, 1);
    }
  }
  void datumsgrenze() {
    QFETCH(QString, picker);
    QFETCH(QDate, datum);
    QFETCH(QDate, erwartet);
    Fenster f({});
    auto* p = f.ctl<plattform::DatumsWahl>(picker.toLatin1().constData());
    p->setzeDatum(QDate(2021, 1, 1));
    p->setzeDatum(datum);
    QCOMPARE(p->Datum(), erwartet);
  }

  void zeigen_data() {
    QTest::addColumn<QDate>("ende");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("trenner");
    QTest::newRow("vor der ersten") << kMinimum << 0 << "   ";
    QTest::newRow("am ersten Tag") << kTag1 << 0 << "   ";
    QTest::newRow("zwischen") << kTag1.addDays(1) << 2 << "  ";
    QTest::newRow("nach der neuesten") << QDate(2030, 1, 1) << 5 << "  ";
  }
  void zeigen() {
    QFETCH(QDate, ende);
    QFETCH(int, position);
    QFETCH(QString, trenner);
    const auto h = dreiTage();
    Fenster f(h);
    f.zeigeAb(ende);
    const Ziehung& z = h[static_cast<std::size_t>(position)];
    QCOMPARE(f.form.zustand().Position, position);
    QCOMPARE(f.form.zustand().Datum1, z.datum());
    for (int k = 1; k <= 8; ++k) QCOMPARE(f.form.zustand().Zahl[static_cast<std::size_t>(k)], z.zahl(k));
    QCOMPARE(f.text("Label29"), zeile(z, trenner, "  "));
    QCOMPARE(f.text("Label35"), f.text("Label29"));
    QCOMPARE(f.text("Label13"), "Quersumme:  " + QString::number(z.quersumme()));
    QCOMPARE(f.ende()->Datum(), z.datum());  // the end date follows the shown draw
    QCOMPARE(f.form.zustand().aktDatum.date(), ende < kMinimum ? kMinimum : ende);
    QVERIFY(f.meldungen().isEmpty());
  }

  void zeigenEinzigerSatz() {
    const auto h = std::vector<Ziehung>{satz(kTag1, {1, 2, 3, 4, 5}, true)};
    Fenster f(h);
    f.zeigeAb(kMinimum);
    QCOMPARE(f.text("Label29"), zeile(h[0], "  ", "  "));  // three blanks only with two or more records
  }

  void zeigenLeereHistorie() {
    Fenster f(std::vector<Ziehung>{});
    f.zeigeAb(QDate(2024, 6, 1));
    QCOMPARE(f.form.zustand().Position, 0);
    QCOMPARE(f.form.zustand().Zahl, (std::array<int, 9>{}));
    QCOMPARE(f.text("Label29"), QString());
    QCOMPARE(f.ende()->Datum(), kMinimum);  // no draw was ever shown
    QVERIFY(f.meldungen().isEmpty());
  }

  void zeigenOhneDatei() {
    Fenster f(std::nullopt);
    f.zeigeAb(QDate(2024, 6, 1));
    QCOMPARE(f.meldungen(), QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    QVERIFY(QFile::exists(f.datei()));
    QCOMPARE(Testumgebung::lies(f.datei()).size(), 0);
    QCOMPARE(f.ende()->Datum(), QDate(2024, 6, 1));
  }

  // A record whose date cannot be read is passed over with one message; the search goes on.
  void zeigenUeberUnlesbareSaetze() {
    auto h = dreiTage();
    h[0].Ziehungstag = std::numeric_limits<double>::quiet_NaN();
    h[1].Ziehungstag = std::numeric_limits<double>::infinity();
    Fenster f(h);
    f.zeigeAb(kTag1);
    QCOMPARE(f.meldungen(), QStringList{unlesbar(f.datei(), 2, 1)});
    QCOMPARE(f.form.zustand().Position, 2);
    QCOMPARE(f.ende()->Datum(), kTag1.addDays(1));
    // The same damage again is not told twice.
    f.zeigeAb(kTag1);
    QCOMPARE(f.meldungen().size(), 1);

    // Such a record as the newest one is shown as the last record; the end date takes its lowest date.
    auto g = dreiTage();
    g[5].Ziehungstag = std::numeric_limits<double>::quiet_NaN();
    Testumgebung::schreibe(f.datei(), alsDatei(g));
    f.zeigeAb(QDate(2030, 1, 1));
    QCOMPARE(f.meldungen().last(), unlesbar(f.datei(), 1, 6));
    QCOMPARE(f.form.zustand().Position, 5);
    QVERIFY(!f.form.zustand().Datum1.isValid());
    QVERIFY(f.text("Label29").endsWith("  6  7  8  9  10  "));
    QCOMPARE(f.ende()->Datum(), kMinimum);
  }

  // The start shows the draw before and after the download: a record without a date is told
  // once, with the file's name, and the start goes on as without it.
  void startMitUnlesbaremSatz() {
    auto h = dreiTage();
    h[2].Ziehungstag = std::numeric_limits<double>::quiet_NaN();
    Fenster f(h);
    f.ende()->setzeDatum(kTag1.addDays(1));
    QVERIFY(f.zeigen());
    QTRY_VERIFY(f.form.Diagramm->Chart1->untenTitel().startsWith(QStringLiteral("Zahlenverteilung")));
    QTest::qWait(50);
    QCOMPARE(f.meldungen(), QStringList{unlesbar(f.datei(), 1, 3)});
    QCOMPARE(f.gespeichert().size(), h.size());
  }

  void fremdeZahlen() {
    const auto h = std::vector<Ziehung>{satz(kTag1, {0, 56, 255, 7, 9}, false)};
    Fenster f(h);
    f.zeigeAb(kTag1);
    QCOMPARE(f.text("Label29"), zeile(h[0], "  ", "  "));
    QVERIFY(f.text("Label29").contains("  0  56  255  7  9"));
    QCOMPARE(f.text("Label13"), QStringLiteral("Quersumme:  327"));
  }

  // 65 bytes hold two records; the last byte is never read.
  void halbeSaetzeAmEnde() {
    const auto h = dreiTage();
    Fenster f(std::nullopt);
    Testumgebung::schreibe(f.datei(), alsDatei(h).left(65));
    f.zeigeAb(QDate(2030, 1, 1));
    QCOMPARE(f.form.zustand().Position, 1);
    QCOMPARE(f.text("Label29"), zeile(h[1], "  ", "  "));
    f.klick("SpeedButton7");
    QCOMPARE(f.form.zustand().Position, 1);
  }

  void vorUndZurueck() {
    const auto h = dreiTage();
    Fenster f(h);
    f.zeigeAb(kMinimum);
    f.klick("SpeedButton6");  // previous at index 0 stays there
    QCOMPARE(f.form.zustand().Position, 0);
    QCOMPARE(f.text("Label29"), zeile(h[0], "  ", "   (13:00)"));
    QCOMPARE(f.text("Label35"), f.text("Label29"));
    f.klick("SpeedButton7");
    QCOMPARE(f.form.zustand().Position, 1);
    QCOMPARE(f.text("Label29"), zeile(h[1], "  ", ""));  // a 20:30 draw has no ending
    QCOMPARE(f.ende()->Datum(), h[1].datum());
    f.zeigeAb(QDate(2030, 1, 1));
    f.klick("SpeedButton7");  // next at the last record stays there
    QCOMPARE(f.form.zustand().Position, 5);
    QCOMPARE(f.form.zustand().Datum1, h[5].datum());
  }

  // An alternating history walked at one draw time: the other time's draws are skipped both ways.
  void nurEineZiehungszeit_data() {
    QTest::addColumn<bool>("mittag");
    QTest::addColumn<int>("start");
    QTest::addColumn<std::vector<int>>("vor");
    QTest::addColumn<std::vector<int>>("zurueck");
    QTest::newRow("nur 20:30") << false << 1 << std::vector<int>{3, 5, 5} << std::vector<int>{3, 1, 0};
    QTest::newRow("nur 13:00") << true << 0 << std::vector<int>{2, 4, 5} << std::vector<int>{4, 2, 0};
  }
  void nurEineZiehungszeit() {
    QFETCH(bool, mittag);
    QFETCH(int, start);
    QFETCH(std::vector<int>, vor);
    QFETCH(std::vector<int>, zurueck);
    Fenster f(dreiTage());
    f.zeigeAb(kTag1);
    if (start == 1) f.klick("SpeedButton7");
    QCOMPARE(f.form.zustand().Position, start);
    f.ctl<QCheckBox>(mittag ? "Abend" : "Mittag")->setChecked(false);
    for (int p : vor) {
      f.klick("SpeedButton7");
      QCOMPARE(f.form.zustand().Position, p);
    }
    for (int p : zurueck) {
      f.klick("SpeedButton6");
      QCOMPARE(f.form.zustand().Position, p);
    }
  }

  void loeschenEinesTagesMitZweiZiehungen() {
    const auto h = dreiTage();
    Fenster f(h);
    f.zeigeAb(kTag1.addDays(1));
    QCOMPARE(f.form.zustand().Position, 2);
    f.klick("BitBtn6");
    QCOMPARE(f.gespeichert(), (std::vector<Ziehung>{h[0], h[1], h[4], h[5]}));
    QVERIFY(!QFile::exists(f.u.home() + "ZahlenQV.da~"));
    // The end date stayed on the deleted day, so the next draw after it is current.
    QCOMPARE(f.form.zustand().Position, 2);
    QCOMPARE(f.form.zustand().Datum1, kTag1.addDays(2));
    QCOMPARE(f.text("Label29"), zeile(h[4], "  ", "  "));
  }

  void loeschenDropptKurzesStueck() {
    const auto h = dreiTage();
    Fenster f(std::nullopt);
    Testumgebung::schreibe(f.datei(), alsDatei(h) + QByteArray(5, '\x07'));
    f.zeigeAb(kTag1);
    f.klick("BitBtn6");
    QCOMPARE(Testumgebung::lies(f.datei()), alsDatei({h[2], h[3], h[4], h[5]}));
  }

  void loeschenScheitert() {
    const auto h = dreiTage();
    Fenster f(h);
    f.zeigeAb(kTag1);
    plattform::simuliereDateifehler(plattform::Dateifehler::ersetzen);
    f.klick("BitBtn6");
    QCOMPARE(f.gespeichert(), h);
    QCOMPARE(f.meldungen().size(), 1);
    QVERIFY(f.meldungen().at(0).contains("ZahlenQV.dat"));
    QCOMPARE(Testumgebung::lies(f.u.home() + "ZahlenQV.da~"), alsDatei({h[2], h[3], h[4], h[5]}));
    QCOMPARE(f.form.zustand().Position, 0);
  }

  void ohneDateiMeldenDieBefehleDenFehler_data() {
    QTest::addColumn<QString>("knopf");
    QTest::newRow("vorher") << "SpeedButton6";
    QTest::newRow("nachher") << "SpeedButton7";
    QTest::newRow("loeschen") << "BitBtn6";
    QTest::newRow("eingeben") << "BitBtn8";
  }
  void ohneDateiMeldenDieBefehleDenFehler() {
    QFETCH(QString, knopf);
    Fenster f(std::nullopt);
    f.klick(knopf.toLatin1().constData());
    QCOMPARE(f.meldungen().size(), 1);
    QVERIFY(f.meldungen().at(0).contains("ZahlenQV.dat"));
    QVERIFY(!QFile::exists(f.datei()) || knopf == "BitBtn6" || knopf == "BitBtn8");
    QCOMPARE(f.form.zustand().Position, 0);
  }

  void waehrendDesDownloadsAbgelehnt_data() {
    QTest::addColumn<QString>("befehl");
    QTest::newRow("loeschen") << "BitBtn6";
    QTest::newRow("eingeben") << "BitBtn8";
    QTest::newRow("neu anlegen") << "BitBtn2";
  }
  void waehrendDesDownloadsAbgelehnt() {
    QFETCH(QString, befehl);
    const auto h = dreiTage();
    Fenster f(h);
    f.zeigeAb(kTag1);
    f.form.zustand().downloadLaeuft = true;
    f.u.dialoge().antworten.push_back(true);
    f.klick(befehl.toLatin1().constData());
    QCOMPARE(f.gespeichert(), h);
    QCOMPARE(f.u.dialoge().arten(), QStringList{"nachricht"});
    QVERIFY(f.meldungen().at(0).contains("eingelesen"));
  }

  void neuAnlegen() {
    const auto h = dreiTage();
    Fenster f(h);
    f.zeigeAb(kTag1);
    // The download that follows is the menu command's; here it is only seen being asked for.
    QObject::disconnect(f.form.Aktualisieren1, &QAction::triggered, nullptr, nullptr);
    QSignalSpy download(f.form.Aktualisieren1, &QAction::triggered);
    f.u.dialoge().antworten = {false, true};
    f.form.ziehungsanzeige->BitBtn2Click();
    QCOMPARE(f.gespeichert(), h);  // No keeps everything
    QCOMPARE(download.count(), 0);
    const auto& frage = f.u.dialoge().gezeigt.at(0);
    QCOMPARE(frage.art, QStringLiteral("frage"));
    QCOMPARE(frage.text, f.form.M(3) + plattform::kurzesDatum(kTag1) + f.form.M(4));
    QCOMPARE(frage.titel, QStringLiteral("Ziehungsdaten löschen?"));
    f.form.ziehungsanzeige->BitBtn2Click();
    QVERIFY(!QFile::exists(f.datei()));
    QCOMPARE(download.count(), 1);
  }

  void exportNachText() {
    const auto h = std::vector<Ziehung>{satz(kTag1, {5, 14, 23, 38, 51}, true), satz(kTag1, {1, 2, 3, 4, 55}, false, 1, 2)};
    Fenster f(h);
    const QString ziel = f.u.home() + "Ausgabe.txt";
    f.u.dialoge().antworten = {QString(), ziel};
    f.form.ziehungsanzeige->BitBtn3Click();  // cancelled
    QVERIFY(!QFile::exists(ziel));
    QCOMPARE(f.u.dialoge().gezeigt.at(0).vorgabe, f.form.zustand().Home + "ZahlenQV.txt");
    f.form.ziehungsanzeige->BitBtn3Click();
    QCOMPARE(Testumgebung::lies(ziel), QByteArray("20180301,5,14,23,38,51,0,0\r\n20180301,1,2,3,4,55,1,2\r\n"));
    QCOMPARE(f.gespeichert(), h);
  }

  void nurLesen() {
    const auto h = dreiTage();
    Fenster f(h);
    f.form.ziehungsanzeige->SpeedButton14Click();
    QVERIFY(f.meldungen().isEmpty());
    QCOMPARE(Testumgebung::lies(f.datei()), alsDatei(h));
  }

  void stoppKnopfVerstecktSich() {
    Fenster f({});
    auto* stopp = f.ctl<QToolButton>("SpeedButton8");
    f.form.PageControl1->setCurrentWidget(f.form.TabSheet4);
    stopp->show();
    f.klick("SpeedButton8");
    QVERIFY(stopp->isHidden());
  }

  // Every command that makes a draw current compares the tips with it.
  void vergleichtDieTipps() {
    const auto h = dreiTage();  // records 2 and 3: 3 4 5 6 7 and 4 5 6 7 8
    Fenster f(h);
    const QStringList tipp{"3", "4", "5", "6", "7"};
    for (int i = 0; i < 5; ++i) f.ctl<QLineEdit>(QByteArray("Edit" + QByteArray::number(i + 1)).constData())->setText(tipp[i]);
    f.zeigeAb(kTag1.addDays(1));
    QCOMPARE(f.text("Label22"), QStringLiteral("5"));
    f.klick("SpeedButton7");
    QCOMPARE(f.text("Label22"), QStringLiteral("4"));
    f.klick("SpeedButton6");
    QCOMPARE(f.text("Label22"), QStringLiteral("5"));
    f.klick("BitBtn6");  // day 2 gone: day 3 (5 6 7 8 9) becomes current
    QCOMPARE(f.text("Label22"), QStringLiteral("3"));
  }

  // Opening the window shows the draw of the end date, then the download (which finds no server
  // here) ends on the newest draw.
  void beimZeigen() {
    const auto h = dreiTage();
    Fenster f(h);
    f.ende()->setzeDatum(kTag1.addDays(1));
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    QCOMPARE(f.form.zustand().Position, 5);
    QCOMPARE(f.text("Label35"), zeile(h[5], "  ", "  "));
  }
};

QTEST_MAIN(TstZiehungsanzeige)
#include "tst_ziehungsanzeige.moc"
