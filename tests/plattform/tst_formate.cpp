#include <QtTest>

#include <clocale>
#include <cmath>
#include <string>
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

  // Reals as typed, with the separator given; "," and "." each stand for the user's one.
  void real_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("dezimal");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<double>("wert");
    const QChar k(QLatin1Char(','));
    const QChar p(QLatin1Char('.'));
    QTest::newRow("Komma") << "1234,56" << k << true << 1234.56;
    QTest::newRow("Punkt") << "1234.56" << p << true << 1234.56;
    QTest::newRow("Punkt bei Komma") << "1234.56" << k << false << 0.0;
    QTest::newRow("Tausenderpunkt") << "1.234,56" << k << false << 0.0;
    QTest::newRow("ganz") << "8" << k << true << 8.0;
    QTest::newRow("Blanks") << "  -2,5 " << k << true << -2.5;
    QTest::newRow("plus") << "+0,25" << k << true << 0.25;
    QTest::newRow("ohne Vorkomma") << ",5" << k << true << 0.5;
    QTest::newRow("ohne Nachkomma") << "5," << k << true << 5.0;
    QTest::newRow("Exponent") << "1,000000E+07" << k << true << 1e7;
    QTest::newRow("Exponent klein") << "2,5e-3" << k << true << 0.0025;
    QTest::newRow("Exponent ohne Ziffer") << "1E" << k << false << 0.0;
    QTest::newRow("nur Trenner") << "," << k << false << 0.0;
    QTest::newRow("leer") << "" << k << false << 0.0;
    QTest::newRow("Strich") << "-" << k << false << 0.0;
    QTest::newRow("zwei Trenner") << "1,2,3" << k << false << 0.0;
    QTest::newRow("Blank innen") << "1 234" << k << false << 0.0;
    QTest::newRow("Text danach") << "12 EUR" << k << false << 0.0;
    QTest::newRow("zu groß") << "1E400" << k << false << 0.0;
    QTest::newRow("zu klein") << "1E-400" << k << true << 0.0;
    QTest::newRow("inf") << "inf" << p << false << 0.0;
    QTest::newRow("nan") << "nan" << p << false << 0.0;
    QTest::newRow("hex") << "0x1p3" << p << false << 0.0;
    QTest::newRow("andere Ziffern") << QString::fromUtf8("\xEF\xBC\x97") << k << false << 0.0;
    QTest::newRow("sehr lang") << QString(5000, QLatin1Char('9')) << k << false << 0.0;
  }
  void real() {
    QFETCH(QString, text);
    QFETCH(QChar, dezimal);
    QFETCH(bool, gueltig);
    QFETCH(double, wert);
    const auto v = liesReal(text, dezimal);
    QCOMPARE(v.has_value(), gueltig);
    if (gueltig) QCOMPARE(*v, wert);
  }

  void festkomma_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("stellen");
    QTest::addColumn<int>("nachkomma");
    QTest::addColumn<QString>("text");
    QTest::newRow("zwei Nachkommastellen") << 16.0 << 7 << 2 << "16,00";
    QTest::newRow("gerundet") << 1234.567 << 9 << 2 << "1234,57";
    QTest::newRow("null") << 0.0 << 7 << 2 << "0,00";
    QTest::newRow("klein") << 0.004 << 7 << 2 << "0,00";
    QTest::newRow("negativ gegen null") << -0.004 << 7 << 2 << "0,00";
    QTest::newRow("negativ") << -3.5 << 7 << 2 << "-3,50";
    // Seven significant digits leave no room for the decimals.
    QTest::newRow("Stellen vor Nachkomma") << 1234567.891 << 7 << 2 << "1234568,00";
    QTest::newRow("eine Nachkommastelle") << 123456.78 << 7 << 2 << "123456,80";
    QTest::newRow("genau sieben") << 9999999.0 << 7 << 2 << "9999999,00";
    QTest::newRow("acht Stellen: Exponent") << 10000000.0 << 7 << 2 << "1,000000E+07";
    QTest::newRow("aufgerundet zu acht") << 9999999.7 << 7 << 2 << "1,000000E+07";
    QTest::newRow("neun Stellen") << 123456789.0 << 9 << 2 << "123456789,00";
    QTest::newRow("zehn Stellen") << 1234567890.0 << 9 << 2 << "1,23456789E+09";
    QTest::newRow("großer Exponent") << 1.5e120 << 7 << 2 << "1,500000E+120";
    QTest::newRow("negativer Exponent") << -2.5e10 << 7 << 2 << "-2,500000E+10";
    QTest::newRow("ganz") << 10.9 << 9 << 0 << "11";
    QTest::newRow("Hälfte gerade") << 10.5 << 9 << 0 << "10";
    QTest::newRow("Hälfte ungerade") << 11.5 << 9 << 0 << "12";
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << 7 << 2 << "INF";
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << 7 << 2 << "-INF";
    QTest::newRow("nan") << std::nan("") << 7 << 2 << "NAN";
  }
  void waehrung_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("stellen");
    QTest::addColumn<QString>("text");
    QTest::newRow("Kosten") << 16.25 << 5 << QString::fromUtf8("16,25 €");
    QTest::newRow("fünf Stellen") << 12345.678 << 5 << QString::fromUtf8("12.346,00 €");
    QTest::newRow("sechs Stellen") << 1234.5678 << 6 << QString::fromUtf8("1.234,57 €");
    QTest::newRow("null") << 0.0 << 6 << QString::fromUtf8("0,00 €");
  }
  void waehrung() {
    QFETCH(double, wert);
    QFETCH(int, stellen);
    QFETCH(QString, text);
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString ist = plattform::waehrung(wert, stellen, 2);
    QLocale::setDefault(alt);
    QCOMPARE(ist, text);
  }

  void festkomma() {
    QFETCH(double, wert);
    QFETCH(int, stellen);
    QFETCH(int, nachkomma);
    QFETCH(QString, text);
    QCOMPARE(plattform::festkomma(wert, stellen, nachkomma, QLatin1Char(',')), text);
    QString englisch = text;
    englisch.replace(QLatin1Char(','), QLatin1Char('.'));
    QCOMPARE(plattform::festkomma(wert, stellen, nachkomma, QLatin1Char('.')), englisch);
    // What is written reads back, the exponent form too.
    if (std::isfinite(wert)) {
      const auto zurueck = liesReal(text, QLatin1Char(','));
      QVERIFY(zurueck.has_value());
      QVERIFY(std::fabs(*zurueck - wert) <= std::max(0.5 * std::pow(10.0, -nachkomma), std::fabs(wert) * std::pow(10.0, 1 - stellen)));
    }
  }

  // The user's separator decides, whatever LC_NUMERIC the process runs with.
  void realImFormatDesBenutzers() {
    const QLocale alt;
    const char* lcAlt = std::setlocale(LC_NUMERIC, nullptr);
    const std::string lcGemerkt = lcAlt ? lcAlt : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(StrToFloat(QStringLiteral("1234,56")), 1234.56);
    QCOMPARE(FloatToStrF(1234.56, 9, 2), QStringLiteral("1234,56"));
    try {
      StrToFloat(QStringLiteral("1234.56"));
      QFAIL("conversion error expected");
    } catch (const Fehler& f) {
      QCOMPARE(f.text(), QStringLiteral("'1234.56' ist kein gültiger Gleitkommawert"));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(StrToFloat(QStringLiteral("1234.56")), 1234.56);
    QCOMPARE(FloatToStrF(1234.56, 9, 2), QStringLiteral("1234.56"));
    QVERIFY_THROWS_EXCEPTION(Fehler, StrToFloat(QStringLiteral("1234,56")));
    QLocale::setDefault(alt);
    std::setlocale(LC_NUMERIC, lcGemerkt.c_str());
  }
};

QTEST_GUILESS_MAIN(TstFormate)
#include "tst_formate.moc"
