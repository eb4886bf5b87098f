#include <QtTest>

#include "output/klickskript.h"

using namespace klickskript;

namespace {
// Slot 1, slot 2 and slot 12 of a template, with the switches and the fixed texts.
const QString kVorlage = QStringLiteral(
    "A [Z1_1] [Z2_1] [Z3_1] [Z4_1] [Z5_1] [S1_1] [S2_1]\r\n"
    "B [Z1_2] [Z5_2] [S2_2]\r\n"
    "L [Z1_12] [Z5_12]\r\n"
    "[DAUER] [DI] [FR] [DIFR] [Z1_1]\r\n"
    "[MELDUNGFERTIG]|[TIPPDATEI]|[z1_1]|[Z6_1]|[Z1_13]");
}  // namespace

class TstKlickskript : public QObject {
  Q_OBJECT
 private slots:
  void normalisieren_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QStringList>("felder");
    QTest::newRow("kurz") << "3,12,25,33,47" << QStringList{"3", "12", "25", "33", "47", "", ""};
    QTest::newRow("Blanks") << "3 12  25    33 47" << QStringList{"3", "12", "25", "33", "47", "", ""};
    QTest::newRow("Listenzeile mit Extras") << "3\t12\t25\t33\t47\t\t\t4\t9" << QStringList{"3", "12", "25", "33", "47", "4", "9"};
    QTest::newRow("Listenzeile kurz") << "3\t12\t25\t33\t47" << QStringList{"3", "12", "25", "33", "47", "", ""};
    QTest::newRow("zu viele Felder") << "1,2,3,4,5,6,7,8" << QStringList{"1", "2", "3", "4", "5", "6", "7"};
    QTest::newRow("leer") << "" << QStringList{"", "", "", "", "", "", ""};
  }
  void normalisieren() {
    QFETCH(QString, zeile);
    QFETCH(QStringList, felder);
    const auto f = klickskript::felder(normalisiere(zeile));
    QCOMPARE(QStringList(f.begin(), f.end()), felder);
  }

  void fuellen() {
    const QString s = fuelle(kVorlage, {felder(QStringLiteral("1,2,3,4,5")), felder(QStringLiteral("6,7,8,9,10,3,4"))},
                             {false, true, false}, QStringLiteral("/h/Tipps/20260517.zpk"));
    QCOMPARE(s, QStringLiteral("A 1 2 3 4 5  \r\n"
                               "B 6 10 4\r\n"
                               "L  \r\n"
                               "NEIN JA NEIN NEIN 1\r\n"
                               "Please check the numbers, then you are ready to play.|/h/Tipps/20260517.zpk|[z1_1]|[Z6_1]|"
                               "[Z1_13]"));
    // Inserted text is never read as a placeholder; DIFR needs both days.
    const QString t = fuelle(QStringLiteral("[Z1_1]|[TIPPDATEI]|[DIFR]"), {felder(QStringLiteral("[Z1_2]"))},
                             {true, true, true}, QStringLiteral("[DI]"));
    QCOMPARE(t, QStringLiteral("[Z1_2]|[DI]|JA"));
  }
  void ansiText() {
    // The template is the text as the ANSI code page holds it.
    QCOMPARE(fuelle(QString::fromUtf8("ä€ł [DI]"), {}, {}, QString()), QString::fromUtf8("ä€? NEIN"));
  }

  void skripteJeZwoelf() {
    QStringList zeilen;
    for (int i = 1; i <= 13; ++i) zeilen << QStringLiteral("%1,2,3,4,5").arg(i);
    const QString v = QStringLiteral("[Z1_1]/[Z1_2]/[Z1_12]");
    const auto skripte = [&](const QStringList& z) {
      QStringList aus;
      for (const Belegung& b : belegungen(z)) aus << fuelle(v, b, {}, QString());
      return aus;
    };
    QCOMPARE(skripte(zeilen.mid(0, 12)), QStringList{QStringLiteral("1/2/12")});
    QCOMPARE(skripte(zeilen), (QStringList{QStringLiteral("1/2/12"), QStringLiteral("13//")}));
    QCOMPARE(skripte({}), QStringList{QStringLiteral("//")});
  }

  void wochentage_data() {
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<bool>("di");
    QTest::addColumn<bool>("fr");
    QTest::newRow("Montag") << QDate(2026, 12, 7) << true << false;
    QTest::newRow("Dienstag") << QDate(2026, 12, 8) << false << true;
    QTest::newRow("Freitag") << QDate(2026, 12, 11) << false << true;
    QTest::newRow("Samstag") << QDate(2026, 12, 12) << true << false;
    QTest::newRow("Sonntag") << QDate(2026, 12, 13) << true << false;
  }
  void wochentage() {
    QFETCH(QDate, heute);
    QFETCH(bool, di);
    QFETCH(bool, fr);
    const Schalter s = schalterFuer(heute, false);
    QCOMPARE(s.di, di);
    QCOMPARE(s.fr, fr);
    QCOMPARE(fuelle(QStringLiteral("[DIFR]"), {}, s, QString()), QStringLiteral("NEIN"));
  }

  void pfadeUndParameter() {
    QCOMPARE(skriptpfad(QStringLiteral("/h/Tipps/20260517.zpk"), QDate(2026, 5, 10)), QStringLiteral("/h/Tipps/20260510.qzt"));
    QCOMPARE(parameter(QStringLiteral("/h/a b.qzt"), QStringLiteral("0"), QStringLiteral("x\" y"), QStringLiteral("2"), QString()),
             (QStringList{"START", "/h/a b.qzt", "0", "x\" y", "2", ""}));
  }

  void ort_data() {
    QTest::addColumn<QString>("programmpfad");
    QTest::addColumn<QString>("programm");
    QTest::newRow("Kestrell") << "/opt/Kestrell/zk/bin/" << "/opt/Kestrell/Lenkfix/lenkfix.exe";
    QTest::newRow("kleingeschrieben") << "/home/u/kestrell/x/" << "/home/u/kestrell/Lenkfix/lenkfix.exe";
    // Only a folder of that name counts, not a name that starts with it.
    QTest::newRow("im Namen") << "/opt/KestrellSoft/bin/" << "/opt/KestrellSoft/bin/Lenkfix/lenkfix.exe";
    QTest::newRow("der erste Ordner") << "/a/KESTRELL/b/kestrell/" << "/a/KESTRELL/Lenkfix/lenkfix.exe";
    QTest::newRow("ohne") << "/usr/lib/zk" << "/usr/lib/zk/Lenkfix/lenkfix.exe";
  }
  void ort() {
    QFETCH(QString, programmpfad);
    QFETCH(QString, programm);
    QCOMPARE(programmNachOrt(programmpfad), programm);
  }
};

QTEST_GUILESS_MAIN(TstKlickskript)
#include "tst_klickskript.moc"
