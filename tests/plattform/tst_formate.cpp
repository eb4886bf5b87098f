#include <QtTest>

#include <cmath>
#include <limits>

#include "plattform/fehler.h"
#include "plattform/formate.h"

using namespace plattform;

class TstFormate : public QObject {
  Q_OBJECT
 private slots:
  void ganzzahl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("wert");
    QTest::newRow("führende Null") << "07" << true << 7;
    QTest::newRow("plus") << "+9" << true << 9;
    QTest::newRow("minus") << "-3" << true << -3;
    QTest::newRow("null") << "0" << true << 0;
    QTest::newRow("Blank davor") << " 12" << true << 12;
    QTest::newRow("größte") << "2147483647" << true << std::numeric_limits<int>::max();
    QTest::newRow("kleinste") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("Blank danach") << "7 " << false << 0;
    QTest::newRow("Buchstabe") << "7a" << false << 0;
    QTest::newRow("leer") << "" << false << 0;
    QTest::newRow("nur Blank") << " " << false << 0;
    QTest::newRow("nur Vorzeichen") << "-" << false << 0;
    QTest::newRow("zwei Vorzeichen") << "+-1" << false << 0;
    QTest::newRow("Komma") << "1,5" << false << 0;
    QTest::newRow("hex") << "0x10" << false << 0;
    QTest::newRow("Überlauf") << "2147483648" << false << 0;
    QTest::newRow("Unterlauf") << "-2147483649" << false << 0;
    QTest::newRow("sehr lang") << QString(40, QLatin1Char('9')) << false << 0;
    QTest::newRow("andere Ziffern") << QString::fromUtf8("\xEF\xBC\x97") << false << 0;  // full-width 7
  }
  void ganzzahl() {
    QFETCH(QString, text);
    QFETCH(bool, gueltig);
    QFETCH(int, wert);
    const auto v = liesGanzzahl(text);
    QCOMPARE(v.has_value(), gueltig);
    if (gueltig) {
      QCOMPARE(*v, wert);
      QCOMPARE(StrToInt(text), wert);
    } else {
      QVERIFY_THROWS_EXCEPTION(Fehler, StrToInt(text));
    }
  }

  void rundung_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<qlonglong>("erwartet");
    QTest::newRow("0.5") << 0.5 << 0LL;
    QTest::newRow("1.5") << 1.5 << 2LL;
    QTest::newRow("2.5") << 2.5 << 2LL;
    QTest::newRow("3.5") << 3.5 << 4LL;
    QTest::newRow("8.5") << 8.5 << 8LL;
    QTest::newRow("9.5") << 9.5 << 10LL;
    QTest::newRow("10.5") << 10.5 << 10LL;
    QTest::newRow("-0.5") << -0.5 << 0LL;
    QTest::newRow("-1.5") << -1.5 << -2LL;
    QTest::newRow("-2.5") << -2.5 << -2LL;
    QTest::newRow("2.4") << 2.4 << 2LL;
    QTest::newRow("2.6") << 2.6 << 3LL;
    QTest::newRow("12.0") << 12.0 << 12LL;
    QTest::newRow("NaN") << std::nan("") << 0LL;
    QTest::newRow("riesig") << 1e300 << std::numeric_limits<qlonglong>::max();
  }
  void rundung() {
    QFETCH(double, wert);
    QFETCH(qlonglong, erwartet);
    QCOMPARE(rundeGerade(wert), erwartet);
  }

  void tagzahlen_data() {
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<double>("tage");
    QTest::newRow("Nulltag") << QDate(1899, 12, 30) << 0.0;
    QTest::newRow("1.1.1900") << QDate(1900, 1, 1) << 2.0;
    QTest::newRow("1.8.1995") << QDate(1995, 8, 1) << 34912.0;
    QTest::newRow("4.10.2014") << QDate(2014, 10, 4) << 41916.0;
    QTest::newRow("7.2.2018") << QDate(2018, 2, 7) << 43138.0;
    QTest::newRow("vor dem Nulltag") << QDate(1899, 12, 29) << -1.0;
  }
  void tagzahlen() {
    QFETCH(QDate, datum);
    QFETCH(double, tage);
    QCOMPARE(alsTagzahl(datum), tage);
    QCOMPARE(ausTagzahl(tage), datum);
    QCOMPARE(ausTagzahl(tage + 0.75), datum);  // the time of day is dropped
  }
  void tagzahlUngueltig() {
    QVERIFY(!ausTagzahl(std::nan("")).isValid());
    QVERIFY(!ausTagzahl(std::numeric_limits<double>::infinity()).isValid());
    QVERIFY(!ausTagzahl(1e18).isValid());
  }

  void festeFormen() {
    QCOMPARE(yyyymmdd(QDate(2018, 2, 7)), QStringLiteral("20180207"));
    QCOMPARE(yyyymmdd(QDate(2024, 12, 31)), QStringLiteral("20241231"));
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(DDDddmmyy(QDate(2018, 2, 7)), QStringLiteral("Mi 07.02.18"));
    QCOMPARE(DDDddmmyy(QDate(2021, 1, 3)), QStringLiteral("So 03.01.21"));
    QCOMPARE(dezimaltrenner(), QLatin1Char(','));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(DDDddmmyy(QDate(2018, 2, 7)), QStringLiteral("Wed 07.02.18"));
    QCOMPARE(dezimaltrenner(), QLatin1Char('.'));
    QLocale::setDefault(alt);
  }
};

QTEST_APPLESS_MAIN(TstFormate)
#include "tst_formate.moc"
