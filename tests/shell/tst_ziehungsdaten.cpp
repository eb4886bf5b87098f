#include <QtTest>

#include <QFileInfo>

#include <bit>
#include <cmath>
#include <limits>

#include "plattform/dateien.h"
#include "plattform/fehler.h"
#include "hilfen/historie.h"
#include "shell/ziehungsdaten.h"
#include "shell/ziehungssuche.h"

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
const QDate kTag(2018, 2, 8);

Ziehung mitTag(double tag) {
  Ziehung z = satz(kTag, {1, 2, 3, 4, 5}, false);
  z.Ziehungstag = tag;
  return z;
}
}  // namespace

class TstZiehungsdaten : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { plattform::simuliereDateifehler(plattform::Dateifehler::keiner); }

  void satzformat() {
    // 08.02.2018 is day 43139; little-endian double, then slots 1-8, then the reserve.
    QByteArray roh(32, '\0');
    const quint64 bits = std::bit_cast<quint64>(43139.0);
    for (int i = 0; i < 8; ++i) roh[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    const char inhalt[8] = {5, 14, 23, 38, 51, 1, 0, 0};
    for (int i = 0; i < 8; ++i) roh[8 + i] = inhalt[i];
    for (int i = 16; i < 32; ++i) roh[i] = static_cast<char>(0xA0 + i);

    const Ziehung z = Ziehung::ausBytes(roh.constData());
    QCOMPARE(z.datum(), kTag);
    QCOMPARE(z.zahl(1), 5);
    QCOMPARE(z.zahl(5), 51);
    QVERIFY(z.mittag());
    QCOMPARE(z.quersumme(), 131);
    QCOMPARE(z.alsBytes(), roh);  // the reserve comes back untouched
    QCOMPARE(std::popcount(z.maske() & satz(kTag, {5, 6, 23, 40, 51}, false).maske()), 3);

    Ziehung fremd = z;
    fremd.Ziehungszahlen = {0, 56, 200, 7, 9, 0, 0, 0};
    QVERIFY(!fremd.zahlenGueltig());
    QCOMPARE(std::popcount(fremd.maske()), 2);  // only 7 and 9 count
  }

  void unlesbaresDatum_data() {
    QTest::addColumn<double>("tag");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("unendlich") << std::numeric_limits<double>::infinity();
    QTest::newRow("riesig") << 1e300;
  }
  void unlesbaresDatum() {
    QFETCH(double, tag);
    const Ziehung z = mitTag(tag);
    QVERIFY(!z.tag());
    QVERIFY(!z.datum().isValid());
  }

  void ganzeSaetze_data() {
    QTest::addColumn<int>("laenge");
    QTest::addColumn<int>("saetze");
    QTest::newRow("leer") << 0 << 0;
    QTest::newRow("31 Bytes") << 31 << 0;
    QTest::newRow("32 Bytes") << 32 << 1;
    QTest::newRow("65 Bytes") << 65 << 2;
    QTest::newRow("100 Bytes") << 100 << 3;
  }
  void ganzeSaetze() {
    QFETCH(int, laenge);
    QFETCH(int, saetze);
    Testumgebung u;
    const QByteArray voll = alsDatei(abwechselnd(kTag, 2));
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", voll.left(laenge));
    const auto v = Ziehungsdaten(u.home(), "ZahlenQV.dat").lesen();
    QCOMPARE(static_cast<int>(v.size()), saetze);
    for (int i = 0; i < saetze; ++i) QCOMPARE(v[static_cast<std::size_t>(i)], abwechselnd(kTag, 2)[static_cast<std::size_t>(i)]);
  }

  // A run keeps what it read while the file stays as it was; a changed file (size, or time
  // with the same size), a removed one, or a switched-off buffer is read again.
  void puffer() {
    Testumgebung u;
    const QString pfad = u.home() + "ZahlenQV.dat";
    const std::vector<Ziehung> alt = abwechselnd(kTag, 2);
    Testumgebung::schreibe(pfad, alsDatei(alt));
    Historienpuffer p;
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat", &p);
    auto zeit = [&](const QDateTime& t) {
      QFile f(pfad);
      QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(t, QFileDevice::FileModificationTime));
    };
    const QDateTime t0 = QDateTime::currentDateTime().addSecs(-100);
    zeit(t0);
    p.an = 1;
    QCOMPARE(d.lesen(), alt);
    // The same size and time: the records read before, even though the bytes differ.
    std::vector<Ziehung> anders = alt;
    anders[0] = satz(kTag, {9, 10, 11, 12, 13}, true);
    Testumgebung::schreibe(pfad, alsDatei(anders));
    zeit(t0);
    QCOMPARE(d.lesen(), alt);
    zeit(t0.addSecs(1));
    QCOMPARE(d.lesen(), anders);
    const std::vector<Ziehung> laenger = abwechselnd(kTag, 3);
    Testumgebung::schreibe(pfad, alsDatei(laenger));
    zeit(t0.addSecs(1));
    QCOMPARE(d.lesen(), laenger);
    QVERIFY(QFile::remove(pfad));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, d.lesen());
    Testumgebung::schreibe(pfad, alsDatei(alt));
    zeit(t0.addSecs(1));
    QCOMPARE(d.lesen(), alt);
    p.an = 0;
    Testumgebung::schreibe(pfad, alsDatei(anders));
    zeit(t0.addSecs(1));
    QCOMPARE(d.lesen(), anders);
  }

  void fehlendeDateiIstFehler() {
    Testumgebung u;
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, Ziehungsdaten(u.home(), "ZahlenQV.dat").lesen());
  }

  void anhaengenSchneidetKurzesStueckAb() {
    Testumgebung u;
    const auto alt = abwechselnd(kTag, 1);
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(alt) + QByteArray("\x01", 1));
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat");
    const Ziehung neu = satz(kTag.addDays(1), {7, 8, 9, 10, 11}, true);
    d.anhaengen(neu);
    QCOMPARE(Testumgebung::lies(d.pfad()), alsDatei({alt[0], alt[1], neu}));
  }

  void anhaengenErzeugtDatei() {
    Testumgebung u;
    QDir().mkpath(u.home());
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat");
    d.erzeugeLeerWennFehlt();
    QVERIFY(d.existiert());
    QCOMPARE(Testumgebung::lies(d.pfad()).size(), 0);
  }

  void anhaengenScheitertOhneSpur() {
    Testumgebung u;
    const QByteArray alt = alsDatei(abwechselnd(kTag, 1));
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alt);
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat");
    plattform::simuliereDateifehler(plattform::Dateifehler::schreiben);
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, d.anhaengen(satz(kTag.addDays(1), {1, 2, 3, 4, 5}, true)));
    QCOMPARE(Testumgebung::lies(d.pfad()), alt);
  }

  void ersetzenGelingt() {
    Testumgebung u;
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(abwechselnd(kTag, 2)));
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat");
    const auto neu = abwechselnd(kTag, 1);
    d.ersetzen(neu, d.tempLoeschen());
    QCOMPARE(Testumgebung::lies(d.pfad()), alsDatei(neu));
    QVERIFY(!QFile::exists(d.tempLoeschen()));
    QCOMPARE(d.tempLoeschen(), u.home() + "ZahlenQV.da~");
    QCOMPARE(d.tempEingabe(), u.home() + "ZahlenQV.dat~");
  }

  void ersetzenScheitert_data() {
    QTest::addColumn<int>("stelle");
    QTest::addColumn<bool>("tempBleibt");
    QTest::newRow("beim Schreiben") << int(plattform::Dateifehler::schreiben) << false;
    QTest::newRow("beim Ersetzen") << int(plattform::Dateifehler::ersetzen) << true;
  }
  void ersetzenScheitert() {
    QFETCH(int, stelle);
    QFETCH(bool, tempBleibt);
    Testumgebung u;
    const QByteArray alt = alsDatei(abwechselnd(kTag, 2));
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alt);
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat");
    const auto neu = abwechselnd(kTag, 1);
    plattform::simuliereDateifehler(static_cast<plattform::Dateifehler>(stelle));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, d.ersetzen(neu, d.tempEingabe()));
    QCOMPARE(Testumgebung::lies(d.pfad()), alt);
    QCOMPARE(QFile::exists(d.tempEingabe()), tempBleibt);
    if (tempBleibt) QCOMPARE(Testumgebung::lies(d.tempEingabe()), alsDatei(neu));
  }

  // Deleting the history: a missing file is fine; a file that stays is an error naming it.
  void loeschen() {
    Testumgebung u;
    QDir().mkpath(u.home());
    const Ziehungsdaten d(u.home(), "ZahlenQV.dat");
    d.loeschen();
    Testumgebung::schreibe(d.pfad(), alsDatei(abwechselnd(kTag, 1)));
    d.loeschen();
    QVERIFY(!QFile::exists(d.pfad()));
    // A folder in the file's place cannot be removed as a file.
    Testumgebung::schreibe(d.pfad() + "/drin", "x");
    try {
      d.loeschen();
      QFAIL("no error");
    } catch (const plattform::Fehler& e) {
      QVERIFY(e.text().contains(d.pfad()));
    }
    QVERIFY(QFileInfo(d.pfad()).isDir());
  }

  void saatkopie() {
    Testumgebung u;
    const QByteArray voll = alsDatei(abwechselnd(kTag, 2));
    Testumgebung::schreibe(u.programmordner() + "ZahlenQV.dat", voll.left(100));
    QDir().mkpath(u.home());
    Ziehungsdaten::kopiereGanzeSaetze(u.programmordner() + "ZahlenQV.dat", u.home() + "ZahlenQV.dat");
    QCOMPARE(Testumgebung::lies(u.home() + "ZahlenQV.dat"), voll.left(96));
  }

  // Next and previous on an alternating history M0 A0 M1 A1 M2 A2 (13:00 at even indices).
  void schritte_data() {
    QTest::addColumn<bool>("mittag");
    QTest::addColumn<bool>("abend");
    QTest::addColumn<int>("von");
    QTest::addColumn<int>("naechster");
    QTest::addColumn<int>("vorheriger");
    QTest::newRow("beide, Mitte") << true << true << 2 << 3 << 1;
    QTest::newRow("beide, Anfang") << true << true << 0 << 1 << 0;
    QTest::newRow("beide, Ende") << true << true << 5 << 5 << 4;
    QTest::newRow("20:30, von 20:30") << false << true << 1 << 3 << 0;
    QTest::newRow("20:30, von 13:00") << false << true << 2 << 3 << 1;
    QTest::newRow("20:30, vorletzter") << false << true << 3 << 5 << 1;
    QTest::newRow("13:00, von 13:00") << true << false << 2 << 4 << 0;
    QTest::newRow("13:00, letzter 13:00") << true << false << 4 << 5 << 2;
    QTest::newRow("keiner") << false << false << 2 << 3 << 1;
  }
  void schritte() {
    QFETCH(bool, mittag);
    QFETCH(bool, abend);
    QFETCH(int, von);
    QFETCH(int, naechster);
    QFETCH(int, vorheriger);
    const auto h = abwechselnd(kTag, 3);
    const Ziehungszeitfilter f{mittag, abend};
    QCOMPARE(naechsterSatz(h, von, f), naechster);
    QCOMPARE(vorherigePosition(von, f.doppelschritt(h[static_cast<std::size_t>(von)].mittag())), vorheriger);
  }

  void leereHistorie() {
    const std::vector<Ziehung> leer;
    QCOMPARE(sucheAbTag(leer, 43139).index, -1);
    QCOMPARE(naechsterSatz(leer, 0, {}), -1);
    QCOMPARE(erreichterSatz(3, 0), -1);
    QCOMPARE(referenzSatz(leer, 43139), -1);
    QVERIFY(wirdAngehaengt(leer, satz(kTag, {1, 2, 3, 4, 5}, false)));
  }

  void exportZeile() {
    const auto zeilen = textExport({satz(kTag, {5, 14, 23, 38, 51}, true, 3, 4)});
    QCOMPARE(zeilen, QStringList{"20180208,5,14,23,38,51,3,4"});
  }
};

QTEST_GUILESS_MAIN(TstZiehungsdaten)
#include "tst_ziehungsdaten.moc"
