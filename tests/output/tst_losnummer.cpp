#include <QtTest>
#include <cstring>

#include "output/losnummer.h"
#include "plattform/formate.h"
#include "plattform/zufall.h"

using namespace losnummer;

namespace {
// One record of the sibling file: the date, seven Spiel 77 digits, six Super 6 digits.
QByteArray satz(const QDate& datum, const char* s77, const char* s6) {
  QByteArray b(32, '\0');
  const double tage = plattform::alsTagzahl(datum);
  std::memcpy(b.data(), &tage, 8);
  for (int i = 0; i < 7; ++i) b[16 + i] = static_cast<char>(s77[i] - '0');
  for (int i = 0; i < 6; ++i) b[23 + i] = static_cast<char>(s6[i] - '0');
  return b;
}
Ziffern ziffern(const char* s) {
  Ziffern z{};
  for (size_t i = 0; i < 7; ++i) z[i] = s[i] - '0';
  return z;
}
}  // namespace

class TstLosnummer : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

  void lesen() {
    QByteArray bytes = satz(QDate(2020, 1, 4), "1234567", "654321") + satz(QDate(2020, 1, 8), "0000001", "999999");
    bytes[32 + 20] = 12;  // a byte that is no digit spoils only its own game
    bytes += QByteArray(31, '\1');  // a short trailing piece is no record
    const auto h = ausBytes(bytes);
    QCOMPARE(h.size(), size_t(2));
    QCOMPARE(h[0].spiel77, 1234567);
    QCOMPARE(h[0].super6, 654321);
    QCOMPARE(plattform::ausTagzahl(h[0].datum), QDate(2020, 1, 4));
    QCOMPARE(h[1].spiel77, -1);
    QCOMPARE(h[1].super6, 999999);
  }

  void treffer_data() {
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("s77");
    QTest::addColumn<QString>("s6");
    QTest::addColumn<QList<bool>>("modi");  // hit in mode 1, 2, 3, 4
    QTest::newRow("Spiel 77 ganz") << "1234567" << "1234567" << "000000" << QList<bool>{true, true, true, true};
    QTest::newRow("Super 6, erste Ziffer anders") << "9654321" << "0000000" << "654321" << QList<bool>{true, true, true, true};
    QTest::newRow("letzte sechs von Spiel 77") << "9234567" << "1234567" << "000000" << QList<bool>{false, true, true, true};
    QTest::newRow("letzte fünf") << "9934567" << "1234567" << "000000" << QList<bool>{false, false, true, true};
    QTest::newRow("letzte vier von Super 6") << "9994321" << "0000000" << "654321" << QList<bool>{false, false, false, true};
    QTest::newRow("nichts") << "1111111" << "2222222" << "333333" << QList<bool>{false, false, false, false};
  }
  void treffer() {
    QFETCH(QString, nummer);
    QFETCH(QString, s77);
    QFETCH(QString, s6);
    QFETCH(QList<bool>, modi);
    const Ziehung08 z = ausBytes(satz(QDate(2020, 1, 1), s77.toLatin1().constData(), s6.toLatin1().constData()))[0];
    for (int m = 1; m <= 4; ++m)
      QVERIFY2(istTreffer(alsZahl(ziffern(nummer.toLatin1().constData())), z, m) == modi[m - 1], qPrintable(QString::number(m)));
    QVERIFY(!istTreffer(alsZahl(ziffern(nummer.toLatin1().constData())), z, 0));
  }

  void ziffernAusRandSeed() {
    plattform::Zufall::RandSeed = 4711;
    Ziffern erwartet{};
    for (int& d : erwartet) d = static_cast<int>(plattform::Zufall::Random(10));
    plattform::Zufall::RandSeed = 4711;
    QCOMPARE(neueLosnummer(0, {}).ziffern, erwartet);
    plattform::Zufall::RandSeed = 4711;
    QCOMPARE(neueLosnummer(4, {}).ziffern, erwartet);  // no history: plain digits
  }

  void generatorMeidetTreffer() {
    // Every ending of the first 9000 of 10000 is drawn: the number has to end in 9xxx.
    QByteArray bytes;
    for (int i = 0; i < 9000; ++i) {
      const QByteArray s = QByteArray::number(i).rightJustified(7, '0');
      bytes += satz(QDate(2020, 1, 1), s.constData(), "999999");
    }
    const auto h = ausBytes(bytes);
    for (std::uint32_t seed : {1u, 2u, 3u, 99u}) {
      plattform::Zufall::RandSeed = seed;
      const Ergebnis e = neueLosnummer(4, h);
      QCOMPARE(e.modus, 4);
      QCOMPARE(e.ziffern[3], 9);
      QVERIFY(alsZahl(e.ziffern) % 1000000 != 999999);
    }
  }
  void modusFaelltNach1000Treffern() {
    // Every 4-digit ending is a Spiel 77 result: in mode 4 every number is a hit. After 1000
    // hits mode 3 checks the number drawn at the last hit, and so on.
    std::vector<Ziehung08> h;
    for (int i = 0; i < 10000; ++i) h.push_back({0, i, 0});
    plattform::Zufall::RandSeed = 5;
    const Ergebnis e = neueLosnummer(4, h);
    QCOMPARE(e.modus, 3);

    plattform::Zufall::RandSeed = 5;
    for (int i = 0; i < 1000; ++i) zieheZiffern();
    Ziffern erwartet = zieheZiffern();
    while (istTreffer(alsZahl(erwartet), h[0], 3) || alsZahl(erwartet) % 100000 < 10000) erwartet = zieheZiffern();
    QCOMPARE(e.ziffern, erwartet);
  }
  void modusBisNull() {
    // Every 6-digit Super 6 result: modes 2 and 1 both fail; at 0 the number drawn stands.
    std::vector<Ziehung08> h;
    h.reserve(1000000);
    for (int i = 0; i < 1000000; ++i) h.push_back({0, -1, i});
    plattform::Zufall::RandSeed = 7;
    const Ergebnis e = neueLosnummer(2, h);
    QCOMPARE(e.modus, 0);
    plattform::Zufall::RandSeed = 7;
    for (int i = 0; i < 2000; ++i) zieheZiffern();
    QCOMPARE(e.ziffern, zieheZiffern());
  }

  void suche_data() {
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Spiel 77") << "1234567" << "LosNr. wurde am 08.01.20 im Spiel 77 gezogen";
    QTest::newRow("Super 6") << "9654321" << "LosNr. wurde am 04.01.20 bei der Super 6 gezogen";
    QTest::newRow("beides, Super 6 zuerst genannt") << "7654321" << "LosNr. wurde am 04.01.20 bei der Super 6 gezogen";
    QTest::newRow("nie") << "1111111" << "Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen";
  }
  void suche() {
    QFETCH(QString, nummer);
    QFETCH(QString, meldung);
    const auto h = ausBytes(satz(QDate(2020, 1, 4), "7654321", "654321") + satz(QDate(2020, 1, 8), "1234567", "000000"));
    QCOMPARE(losnummer::suche(ziffern(nummer.toLatin1().constData()), h), meldung);
  }
};

QTEST_GUILESS_MAIN(TstLosnummer)
#include "tst_losnummer.moc"
