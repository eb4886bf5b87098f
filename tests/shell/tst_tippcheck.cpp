#include <QtTest>

#include "shell/tippcheck.h"
#include "shell/ziehung.h"

#include <random>

using tippcheck::Trefferstand;

namespace {
std::array<int, 9> ziehung(std::array<int, 5> z) { return {0, z[0], z[1], z[2], z[3], z[4], 0, 0, 0}; }

Trefferstand pruefe(const std::array<int, 9>& zahl, const QStringList& t) {
  Trefferstand s;
  s.Treffer = {true, true, true, true, true, true, true, true, true};
  s.Zusatz = s.Super = true;
  tippcheck::Zettelcheck(zahl, {t[0], t[1], t[2], t[3], t[4], t[5], t[6]}, s);
  return s;
}
}  // namespace

class TstTippcheck : public QObject {
  Q_OBJECT
 private slots:
  void zettelcheck_data() {
    QTest::addColumn<QList<int>>("zug");
    QTest::addColumn<QStringList>("tipp");
    QTest::addColumn<int>("gewinn");
    QTest::addColumn<QList<bool>>("treffer");  // positions 1..5
    const QList<int> z{5, 14, 23, 38, 51};
    QTest::newRow("alle fuenf") << z << QStringList{"51", "23", "38", "14", "5", "", ""} << 5
                                << QList<bool>{true, true, true, true, true};
    // The draw slots are the outer loop: the empty fourth text stops after slot 1.
    QTest::newRow("leerer vierter Text") << z << QStringList{"5", "14", "23", "", "51", "", ""} << 1
                                         << QList<bool>{true, false, false, false, false};
    QTest::newRow("Buchstabe zuerst") << z << QStringList{"x", "5", "14", "23", "38", "", ""} << 0
                                      << QList<bool>{false, false, false, false, false};
    QTest::newRow("doppelte Zahl im Tipp") << QList<int>{5, 20, 23, 38, 51} << QStringList{"5", "5", "14", "30", "40", "", ""} << 2
                                           << QList<bool>{true, true, false, false, false};
    QTest::newRow("keine Ziehung") << QList<int>{0, 0, 0, 0, 0} << QStringList{"1", "2", "3", "4", "5", "", ""} << 0
                                   << QList<bool>{false, false, false, false, false};
    QTest::newRow("Extras zaehlen nicht") << z << QStringList{"1", "2", "3", "4", "6", "5", "14"} << 0
                                          << QList<bool>{false, false, false, false, false};
    QTest::newRow("wiederholte Zahl der Ziehung") << QList<int>{5, 5, 5, 14, 23}
                                                  << QStringList{"5", "5", "14", "23", "40", "", ""} << 8
                                                  << QList<bool>{true, true, true, true, false};
  }
  void zettelcheck() {
    QFETCH(QList<int>, zug);
    QFETCH(QStringList, tipp);
    QFETCH(int, gewinn);
    QFETCH(QList<bool>, treffer);
    const Trefferstand s = pruefe(ziehung({zug[0], zug[1], zug[2], zug[3], zug[4]}), tipp);
    QCOMPARE(s.Gewinn, gewinn);
    for (int k = 1; k <= 5; ++k) QCOMPARE(s.Treffer[static_cast<size_t>(k)], treffer[k - 1]);
    QVERIFY(!s.Zusatz && !s.Super);
    QVERIFY(s.Treffer[0] && s.Treffer[6] && s.Treffer[7] && s.Treffer[8]);  // not written
    QCOMPARE(tippcheck::Trefferwert(s), 100 * gewinn);
  }

  // The literal double loop with its early end, against random tips and draws.
  void zettelcheckWieDieSchleife() {
    std::mt19937 zufall(17);
    const QStringList bausteine{"", "x", "7 ", "+3", "07"};
    for (int n = 0; n < 20000; ++n) {
      std::array<int, 9> zahl{};
      for (int i = 1; i <= 5; ++i) zahl[static_cast<size_t>(i)] = static_cast<int>(zufall() % 8);
      QStringList t;
      for (int k = 0; k < 7; ++k)
        t << (zufall() % 6 ? QString::number(zufall() % 8) : bausteine[static_cast<qsizetype>(zufall() % 5)]);
      int gewinn = 0;
      std::array<bool, 6> treffer{};
      [&] {
        for (int i = 1; i <= 5; ++i)
          for (int k = 1; k <= 5; ++k) {
            bool ok = false;
            const int v = t[k - 1].toInt(&ok);
            if (!ok || t[k - 1].endsWith(' ')) return;
            if (v == zahl[static_cast<size_t>(i)]) {
              treffer[static_cast<size_t>(k)] = true;
              ++gewinn;
            }
          }
      }();
      const Trefferstand s = pruefe(zahl, t);
      QCOMPARE(s.Gewinn, gewinn);
      for (int k = 1; k <= 5; ++k) QCOMPARE(s.Treffer[static_cast<size_t>(k)], treffer[static_cast<size_t>(k)]);
    }
  }

  // More than five hits (a draw repeating a number) stays inside the table, in row 6.
  void statistikZeilen() {
    tippcheck::Statistiktabelle t{};
    for (int g : {0, 5, 6, 8, 25}) {
      Trefferstand s;
      s.Gewinn = g;
      tippcheck::zaehle(t, s);
    }
    QCOMPARE(t[0][0], 1);
    QCOMPARE(t[5][0], 1);
    QCOMPARE(t[6][0], 3);
    Trefferstand beide;
    beide.Zusatz = beide.Super = true;
    tippcheck::zaehle(t, beide);
    Trefferstand eine;
    eine.Super = true;
    tippcheck::zaehle(t, eine);
    QCOMPARE(t[0][2], 1);
    QCOMPARE(t[0][1], 1);
  }

  void feldtext_data() {
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("fuehrende Null") << "07" << 55 << "7";
    QTest::newRow("Plus") << "+9" << 55 << "9";
    QTest::newRow("zwei Nullen") << "007" << 55 << "7";
    QTest::newRow("Null") << "0" << 55 << "";
    QTest::newRow("zu gross") << "56" << 55 << "";
    QTest::newRow("Grenze") << "55" << 55 << "55";
    QTest::newRow("Buchstabe") << "a" << 55 << "";
    QTest::newRow("Leerzeichen dahinter") << "7 " << 55 << "";
    QTest::newRow("negativ") << "-3" << 55 << "";
    QTest::newRow("riesig") << "99999999999" << 55 << "";
    QTest::newRow("leer") << "" << 55 << "";
    QTest::newRow("Extra zu gross") << "11" << 10 << "";
    QTest::newRow("Extra Grenze") << "10" << 10 << "10";
  }
  void feldtext() {
    QFETCH(QString, eingabe);
    QFETCH(int, max);
    QFETCH(QString, ergebnis);
    QCOMPARE(tippcheck::gueltigerFeldtext(eingabe, max), ergebnis);
  }

  // The sheet check: rows whose five numbers read are summed, sorted by the exchange sort and
  // compared as sorted; other rows are left out and leave the hit state alone; the hit state
  // runs on from row to row.
  void schein() {
    const auto zahl = ziehung({5, 14, 23, 38, 51});
    using Z = std::array<QString, 7>;
    const std::vector<Z> zeilen{
        Z{"51", "5", "23", "1", "2", "", ""},  // three hits, unsorted
        Z{"", "", "", "", "", "", ""},         // empty row
        Z{"3", "x", "5", "6", "7", "", ""},    // a field that does not read
        Z{"14", "38", "9", "8", "10", "3", "4"},
    };
    Trefferstand stand;
    stand.Treffer[7] = true;  // beyond the numbers: carried, never written
    const tippcheck::Scheinergebnis e = tippcheck::pruefeSchein(zahl, zeilen, stand);
    QCOMPARE(e.zeilen.size(), std::size_t{4});
    QVERIFY(e.zeilen[0].vollstaendig && !e.zeilen[1].vollstaendig && !e.zeilen[2].vollstaendig &&
            e.zeilen[3].vollstaendig);
    QCOMPARE(e.zeilen[0].summe, 82);
    QCOMPARE(e.zeilen[0].zahlen, (std::array<int, 5>{1, 2, 5, 23, 51}));
    QCOMPARE(e.zeilen[0].stand.Gewinn, 3);
    // Positions of the sorted row: 5, 23 and 51 stand at 3, 4 and 5.
    QCOMPARE(e.zeilen[0].stand.Treffer, (std::array<bool, 9>{false, false, false, true, true, true, false, true, false}));
    QCOMPARE(e.zeilen[3].zahlen, (std::array<int, 5>{8, 9, 10, 14, 38}));
    QCOMPARE(e.zeilen[3].stand.Gewinn, 2);
    QCOMPARE(stand.Gewinn, 2);  // the last complete row
    QVERIFY(stand.Treffer[7]);
    tippcheck::Statistiktabelle erwartet{};
    erwartet[3][0] = erwartet[2][0] = 1;
    QCOMPARE(e.statistik, erwartet);
    QCOMPARE(e.bester, 300);
  }

  // The exchange sort of the sheet and of the manual entry: ascending, duplicates kept.
  void tauschsortierung() {
    std::array<int, 5> a{30, 3, 30, 1, 55};
    tauschsortiere(a);
    QCOMPARE(a, (std::array<int, 5>{1, 3, 30, 30, 55}));
  }

  void liste() {
    const auto zahl = ziehung({5, 14, 23, 38, 51});
    const QStringList zeilen{"1\t2\t3\t4\t6", "5\t14\t1\t2\t3\t\t\t\t", "5\t14\t23\t1\t2"};
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
      const tippcheck::Listenergebnis e = tippcheck::pruefeListe(zahl, zeilen);
      QCOMPARE(e.gewinne, (QStringList{"0", "2", "3"}));
      tippcheck::Statistiktabelle erwartet{};
      erwartet[0][0] = erwartet[2][0] = erwartet[3][0] = 1;
      QCOMPARE(e.statistik, erwartet);
      QCOMPARE(e.bester, 300);
      QCOMPARE(e.mitZweiTreffern, 2);
      QCOMPARE(e.letzter.Gewinn, 3);
    }
    QCOMPARE(tippcheck::listenstatus(3, 300), QStringLiteral("3 Rows  3+0 max win"));
    const tippcheck::Listenergebnis leer = tippcheck::pruefeListe(zahl, {});
    QVERIFY(leer.gewinne.isEmpty());
    QCOMPARE(leer.bester, 0);
    QCOMPARE(tippcheck::listenstatus(0, 0), QStringLiteral("0 Rows  0+0 max win"));
    // A bad line counts the hits found before its bad field; an empty line counts as 0.
    const tippcheck::Listenergebnis schlecht = tippcheck::pruefeListe(zahl, {"5\tx\t14", ""});
    QCOMPARE(schlecht.gewinne, (QStringList{"1", "0"}));
  }
};

QTEST_GUILESS_MAIN(TstTippcheck)
#include "tst_tippcheck.moc"
