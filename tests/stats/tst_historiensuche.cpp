#include <QtTest>

#include "hilfen/historie.h"
#include "shell/tippcheck.h"
#include "stats/historiensuche.h"

#include <random>

namespace {

Zeilentexte tipp(std::initializer_list<const char*> zahlen) {
  Zeilentexte t;
  std::size_t i = 0;
  for (const char* z : zahlen) t[i++] = QString::fromLatin1(z);
  return t;
}

// Answers from a script (an empty script answers Yes) and records every question's state.
struct Protokoll : Suchfenster {
  QList<bool> antworten;
  QList<Suchstand> fragen;
  bool weiter(const Suchstand& s) override {
    fragen << s;
    return antworten.isEmpty() ? true : antworten.takeFirst();
  }
};

const QDate kTag(2020, 3, 2);

// Five draws on three days, a record without a readable date between them.
std::vector<Ziehung> fuenfZiehungen() {
  std::vector<Ziehung> v{satz(kTag, {1, 2, 3, 4, 5}, true), satz(kTag, {6, 7, 8, 9, 10}, false),
                         satz(kTag.addDays(1), {1, 2, 3, 40, 41}, true)};
  Ziehung kaputt = satz(kTag.addDays(1), {1, 2, 3, 4, 5}, false);
  kaputt.Ziehungstag = std::numeric_limits<double>::quiet_NaN();
  v.push_back(kaputt);
  v.push_back(satz(kTag.addDays(1), {11, 12, 13, 14, 15}, false, 3, 4));
  v.push_back(satz(kTag.addDays(2), {1, 2, 3, 4, 5}, true));
  return v;
}

std::array<Zeilentexte, 12> leererSchein() { return {}; }

}  // namespace

class TstHistoriensuche : public QObject {
  Q_OBJECT
 private slots:
  void fenster_data() {
    QTest::addColumn<QDate>("von");
    QTest::addColumn<QDate>("bis");
    QTest::addColumn<int>("fragen");  // threshold 0: one question per row and draw
    QTest::addColumn<int>("letzte");  // index of the draw left shown, -1 for none
    QTest::newRow("ganzer erster Tag") << kTag << kTag << 24 << 1;
    QTest::newRow("Grenzen zaehlen mit") << kTag.addDays(1) << kTag.addDays(2) << 36 << 5;
    QTest::newRow("ohne lesbares Datum nie im Fenster") << kTag.addDays(1) << kTag.addDays(1) << 24 << 4;
    QTest::newRow("Fenster ohne Ziehung") << kTag.addDays(3) << kTag.addDays(9) << 0 << -1;
    QTest::newRow("Beginn nach dem Ende") << kTag.addDays(2) << kTag << 0 << -1;
  }
  void fenster() {
    QFETCH(QDate, von);
    QFETCH(QDate, bis);
    QFETCH(int, fragen);
    QFETCH(int, letzte);
    const auto saetze = fuenfZiehungen();
    Protokoll p;
    const Suchergebnis e = suche(saetze, von, bis, 0, leererSchein(), p);
    QCOMPARE(p.fragen.size(), fragen);
    QCOMPARE(e.ende.has_value(), letzte >= 0);
    QVERIFY(!e.abgebrochen);
    if (letzte >= 0) {
      QCOMPARE(e.ende->ziehung, saetze[static_cast<std::size_t>(letzte)]);
      QCOMPARE(e.ende->zeile, 12);
    }
    // A threshold above five never asks.
    Protokoll still;
    suche(saetze, von, bis, 6, leererSchein(), still);
    QCOMPARE(still.fragen.size(), 0);
  }

  // No at the third draw of the window: that draw and row stay, and the labels written since
  // the last question are handed over, the others keep their text.
  void neinBeiDerDrittenZiehung() {
    auto schein = leererSchein();
    schein[0] = tipp({"1", "2", "3", "4", "5"});
    schein[1] = tipp({"1", "2", "3", "40", "41"});
    schein[4] = tipp({"1", "2", "3"});
    const auto saetze = fuenfZiehungen();
    Protokoll p;
    p.antworten = {true, false};
    const Suchergebnis e = suche(saetze, kTag, kTag.addDays(2), 4, schein, p);
    QVERIFY(e.abgebrochen);
    QCOMPARE(p.fragen.size(), 2);
    // First question: draw 1 (index 0), row 1 with five hits.
    QCOMPARE(p.fragen[0].ziehung, saetze[0]);
    QCOMPARE(p.fragen[0].zeile, 1);
    QCOMPARE(p.fragen[0].treffer[0], 5);
    QCOMPARE(p.fragen[0].treffer[1], -1);
    // Second: the third draw of the window (index 2), row 2. Since the first question the
    // rows 2..12 of draw 1, all rows of draw 2 and rows 1 and 2 of draw 3 were written.
    const Suchstand& s = p.fragen[1];
    QCOMPARE(s.ziehung, saetze[2]);
    QCOMPARE(s.zeile, 2);
    const std::array<int, 12> erwartet{3, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QCOMPARE(s.treffer, erwartet);
    QCOMPARE(e.ende->ziehung, saetze[2]);
  }

  // Rows that reach the threshold one after the other in the same draw: each question carries
  // only the rows written since the one before.
  void zweiFragenInEinerZiehung() {
    auto schein = leererSchein();
    schein[2] = tipp({"6", "7", "8", "9", "10"});
    schein[6] = tipp({"10", "9", "8", "7", "6"});
    Protokoll p;
    suche(fuenfZiehungen(), kTag, kTag, 5, schein, p);
    QCOMPARE(p.fragen.size(), 2);
    QCOMPARE(p.fragen[1].zeile, 7);
    const std::array<int, 12> erwartet{-1, -1, -1, 0, 0, 0, 5, -1, -1, -1, -1, -1};
    QCOMPARE(p.fragen[1].treffer, erwartet);
  }

  // The hits are exactly the single-tip check's, also for tips and draws off the usual road:
  // repeated numbers, empty and unreadable texts, numbers outside 1..55.
  void trefferWieZettelcheck() {
    std::mt19937 zufall(16);
    const QStringList vorrat{"1", "2", "3", "5", "7", "55", "0", "56", "", "x", " 3", "03", "-2"};
    std::uniform_int_distribution<int> text(0, static_cast<int>(vorrat.size()) - 1);
    std::uniform_int_distribution<int> zahl(0, 9);
    for (int runde = 0; runde < 300; ++runde) {
      std::array<Zeilentexte, 12> schein;
      for (auto& z : schein)
        for (int i = 0; i < 5; ++i) z[static_cast<std::size_t>(i)] = vorrat[text(zufall)];
      // Draw numbers from a small range so that repeats and hits are frequent.
      std::array<int, 5> n{};
      for (int& x : n) x = zahl(zufall) < 8 ? 1 + zahl(zufall) % 7 : (zahl(zufall) < 5 ? 0 : 55);
      const Ziehung z = satz(kTag, n, true);
      Protokoll p;
      const Suchergebnis e = suche({z}, kTag, kTag, 1000, schein, p);
      QVERIFY(e.ende);
      std::array<int, 9> zahl9{0, n[0], n[1], n[2], n[3], n[4], 1, 0, 0};
      for (std::size_t k = 0; k < 12; ++k) {
        tippcheck::Trefferstand st;
        const Zeilentexte& t = schein[k];
        tippcheck::Zettelcheck(zahl9, {t[0], t[1], t[2], t[3], t[4], t[5], t[6]}, st);
        QCOMPARE(e.ende->treffer[k], st.Gewinn);
      }
    }
  }

  void anzeige() {
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(suchanzeige(satz(QDate(2020, 3, 2), {4, 18, 27, 33, 51}, true), "E1", "E2"),
             QStringLiteral("Mo 02.03.20    4  18  27  33  51   E1: 0 E2: 0"));
    QCOMPARE(suchanzeige(satz(QDate(2020, 3, 3), {1, 2, 3, 4, 5}, false, 7, 10), "S1", "S2"),
             QStringLiteral("Di 03.03.20    1  2  3  4  5   S1: 7 S2: 10"));
    QLocale::setDefault(alt);
  }
};

QTEST_GUILESS_MAIN(TstHistoriensuche)
#include "tst_historiensuche.moc"
