#include <QtTest>

#include <cmath>

#include "engine/regeln.h"
#include "hilfen/testlauf.h"

using namespace engine;

namespace {

// Sets options by control name, e.g. "CheckBox8=1 UpDown3=2".
void setze(Berechnungsparameter& p, const QString& was) {
  const QHash<QString, bool Berechnungsparameter::*> boxen = {
      {"CheckBox27", &Berechnungsparameter::CheckBox27}, {"CheckBox3", &Berechnungsparameter::CheckBox3},
      {"CheckBox24", &Berechnungsparameter::CheckBox24}, {"CheckBox8", &Berechnungsparameter::CheckBox8},
      {"CheckBox18", &Berechnungsparameter::CheckBox18}, {"CheckBox4", &Berechnungsparameter::CheckBox4},
      {"CheckBox5", &Berechnungsparameter::CheckBox5},   {"CheckBox23", &Berechnungsparameter::CheckBox23},
      {"CheckBox25", &Berechnungsparameter::CheckBox25}, {"CheckBox26", &Berechnungsparameter::CheckBox26},
      {"CheckBox22", &Berechnungsparameter::CheckBox22}, {"CheckBox9", &Berechnungsparameter::CheckBox9},
      {"CheckBox28", &Berechnungsparameter::CheckBox28}, {"CheckBox31", &Berechnungsparameter::CheckBox31}};
  const QHash<QString, int Berechnungsparameter::*> zahlen = {
      {"UpDown3", &Berechnungsparameter::UpDown3},   {"UpDown9", &Berechnungsparameter::UpDown9},
      {"UpDown1", &Berechnungsparameter::UpDown1},   {"UpDown2", &Berechnungsparameter::UpDown2},
      {"UpDown4", &Berechnungsparameter::UpDown4},   {"UpDown5", &Berechnungsparameter::UpDown5},
      {"UpDown11", &Berechnungsparameter::UpDown11}, {"UpDown15", &Berechnungsparameter::UpDown15},
      {"UpDown16", &Berechnungsparameter::UpDown16}, {"UpDown10", &Berechnungsparameter::UpDown10},
      {"UpDown6", &Berechnungsparameter::UpDown6},   {"UpDown17", &Berechnungsparameter::UpDown17},
      {"UpDown18", &Berechnungsparameter::UpDown18}};
  for (const QString& teil : was.simplified().split(QLatin1Char(' '))) {
    if (teil.isEmpty()) continue;
    const QStringList kv = teil.split(QLatin1Char('='));
    QVERIFY2(kv.size() == 2, qPrintable(teil));
    if (boxen.contains(kv[0]))
      p.*boxen[kv[0]] = kv[1] == QLatin1String("1");
    else if (zahlen.contains(kv[0]))
      p.*zahlen[kv[0]] = kv[1].toInt();
    else
      QFAIL(qPrintable("unknown option " + kv[0]));
  }
}

std::array<int, 5> fuenf(const QString& text) {
  std::array<int, 5> z{};
  const QStringList t = text.simplified().split(QLatin1Char(' '));
  for (int i = 0; i < 5 && i < t.size(); ++i) z[static_cast<std::size_t>(i)] = t[i].toInt();
  return z;
}

Kandidat kandidat(const QString& text) {
  Kandidat k;
  const auto z = fuenf(text);
  for (std::size_t i = 0; i < 5; ++i) k.Reihe[i + 1] = z[i];
  k.abschliessen();
  return k;
}

// Options that let every candidate through, so that one rule at a time can be switched on.
Berechnungsparameter offen() {
  Berechnungsparameter p;
  p.CheckBox27 = p.CheckBox3 = p.CheckBox24 = false;
  p.CheckBox18 = false;
  p.UpDown1 = 0;
  p.UpDown2 = 300;
  p.CheckBox4 = p.CheckBox5 = p.CheckBox23 = false;
  p.CheckBox9 = p.CheckBox28 = false;
  return p;
}

}  // namespace

class TstRegeln : public QObject {
  Q_OBJECT
 private slots:
  void kette_data();
  void kette();
  void zaehler();
  void historienfilter_data();
  void historienfilter();
  void historieEinmalGelesen();
  void zeilenmengeWieAbzaehlen();
};

void TstRegeln::kette_data() {
  QTest::addColumn<QString>("optionen");  // on top of options that accept everything
  QTest::addColumn<int>("t");
  QTest::addColumn<QStringList>("zeilen");  // Tippliste rows
  QTest::addColumn<QStringList>("ziehungen");  // last draw, the one before, the one before that
  QTest::addColumn<QString>("kandidat");
  QTest::addColumn<int>("regel");

  const QString standard = "CheckBox27=1 CheckBox3=1 CheckBox24=1 UpDown3=2 UpDown9=2";
  const QStringList zwei = {"1 2 3 4 5", "1 2 20 30 40"};
  QTest::newRow("position 1 compares with nothing") << standard << 1 << QStringList{"1 2 3 4 5"} << QStringList{} << "1 2 3 40 50" << 0;
  QTest::newRow("exactly two with every row") << standard << 3 << zwei << QStringList{} << "1 2 21 31 41" << 0;
  QTest::newRow("three with one row") << standard << 3 << zwei << QStringList{} << "1 2 3 31 41" << 1;
  QTest::newRow("one with one row") << standard << 3 << zwei << QStringList{} << "1 7 20 31 41" << 1;
  QTest::newRow("a list line that repeats a number counts each slot") << standard << 2 << QStringList{"5 5 14 30 40"}
                                                                      << QStringList{} << "5 14 21 31 41" << 1;
  QTest::newRow("list numbers outside 1..55 never match") << standard << 2 << QStringList{"0 77 14 30 255"}
                                                          << QStringList{} << "14 30 41 50 52" << 0;
  QTest::newRow("max without per-row: one row within") << "CheckBox3=1 UpDown3=2" << 3
                                                       << QStringList{"1 2 3 9 10", "1 21 31 44 45"} << QStringList{}
                                                       << "1 2 3 20 30" << 0;
  QTest::newRow("max without per-row: every row above") << "CheckBox3=1 UpDown3=2" << 3
                                                         << QStringList{"1 2 3 9 10", "1 2 3 44 45"} << QStringList{}
                                                         << "1 2 3 20 30" << 1;
  QTest::newRow("min without per-row: no row reaches") << "CheckBox24=1 UpDown9=2" << 3
                                                       << QStringList{"1 9 10 11 12", "20 44 45 46 47"} << QStringList{}
                                                       << "1 2 3 20 30" << 1;
  QTest::newRow("min without per-row: one row reaches") << "CheckBox24=1 UpDown9=2" << 3
                                                        << QStringList{"1 2 10 11 12", "44 45 46 47 48"} << QStringList{}
                                                        << "1 2 3 20 30" << 0;
  QTest::newRow("per-row bounds hold without both boxes") << "CheckBox27=1 UpDown3=2 UpDown9=2" << 2
                                                          << QStringList{"1 2 3 44 45"} << QStringList{} << "1 2 3 20 30" << 1;
  QTest::newRow("pair forced, present") << "CheckBox8=1" << 1 << QStringList{} << QStringList{} << "3 4 20 30 40" << 0;
  QTest::newRow("pair forced, missing") << "CheckBox8=1" << 1 << QStringList{} << QStringList{} << "3 5 20 30 40" << 2;
  QTest::newRow("run at the start") << "CheckBox18=1" << 1 << QStringList{} << QStringList{} << "3 4 5 20 30" << 3;
  QTest::newRow("run at the end") << "CheckBox18=1" << 1 << QStringList{} << QStringList{} << "10 20 30 31 32" << 3;
  QTest::newRow("two pairs are no run") << "CheckBox18=1" << 1 << QStringList{} << QStringList{} << "3 4 20 21 30" << 0;
  QTest::newRow("pair at the end is no run") << "CheckBox18=1" << 1 << QStringList{} << QStringList{} << "3 10 20 30 31" << 0;
  QTest::newRow("sum 15 below 50") << "UpDown1=50 UpDown2=200" << 1 << QStringList{} << QStringList{} << "1 2 3 4 5" << 4;
  QTest::newRow("sum 265 above 200") << "UpDown1=50 UpDown2=200" << 1 << QStringList{} << QStringList{} << "51 52 53 54 55" << 4;
  QTest::newRow("sum window upside down") << "UpDown1=150 UpDown2=100" << 1 << QStringList{} << QStringList{} << "10 20 30 40 25" << 4;
  QTest::newRow("last draw at 0 is skipped") << "CheckBox4=1 UpDown4=0" << 1 << QStringList{} << QStringList{"1 2 3 4 5"} << "1 2 3 40 50" << 0;
  QTest::newRow("last draw at 1, two shared") << "CheckBox4=1 UpDown4=1" << 1 << QStringList{} << QStringList{"1 2 13 14 15"} << "1 2 30 40 50" << 5;
  QTest::newRow("last draw at 1, one shared") << "CheckBox4=1 UpDown4=1" << 1 << QStringList{} << QStringList{"1 12 13 14 15"} << "1 2 30 40 50" << 0;
  QTest::newRow("a draw that repeats a number counts it twice") << "CheckBox4=1 UpDown4=1" << 1 << QStringList{}
                                                                << QStringList{"1 1 13 14 15"} << "1 2 30 40 50" << 5;
  QTest::newRow("draw before, two shared") << "CheckBox5=1 UpDown5=1" << 1 << QStringList{} << QStringList{"0 0 0 0 0", "1 2 13 14 15"} << "1 2 30 40 50" << 6;
  QTest::newRow("draw before that, three shared") << "CheckBox23=1 UpDown11=2" << 1 << QStringList{}
                                                  << QStringList{"0 0 0 0 0", "0 0 0 0 0", "1 2 30 14 15"} << "1 2 30 40 50" << 7;
  QTest::newRow("draw before that unticked") << "CheckBox23=0 UpDown11=2" << 1 << QStringList{}
                                             << QStringList{"0 0 0 0 0", "0 0 0 0 0", "1 2 30 14 15"} << "1 2 30 40 50" << 0;
  QTest::newRow("two even, three asked") << "CheckBox25=1 UpDown15=3" << 1 << QStringList{} << QStringList{} << "2 4 7 9 11" << 8;
  QTest::newRow("three even, three asked") << "CheckBox25=1 UpDown15=3" << 1 << QStringList{} << QStringList{} << "2 4 6 9 11" << 0;
  QTest::newRow("six even can never be met") << "CheckBox25=1 UpDown15=6" << 1 << QStringList{} << QStringList{} << "2 4 6 8 10" << 8;
  QTest::newRow("two odd, three asked") << "CheckBox26=1 UpDown16=3" << 1 << QStringList{} << QStringList{} << "2 4 6 9 11" << 9;
  QTest::newRow("two primes") << "CheckBox22=1 UpDown10=2" << 1 << QStringList{} << QStringList{} << "2 30 40 50 53" << 0;
  QTest::newRow("one prime") << "CheckBox22=1 UpDown10=2" << 1 << QStringList{} << QStringList{} << "1 4 9 30 53" << 12;
  QTest::newRow("the first rule that fails is named") << "CheckBox18=1 UpDown1=50 CheckBox22=1 UpDown10=5" << 1
                                                      << QStringList{} << QStringList{} << "1 2 3 4 5" << 3;
  QTest::newRow("extra numbers in matches change nothing") << "CheckBox31=1 CheckBox4=1 UpDown4=1" << 1 << QStringList{}
                                                           << QStringList{"1 12 13 14 15"} << "1 2 30 40 50" << 0;
}

void TstRegeln::kette() {
  QFETCH(QString, optionen);
  QFETCH(int, t);
  QFETCH(QStringList, zeilen);
  QFETCH(QStringList, ziehungen);
  QFETCH(QString, kandidat);
  QFETCH(int, regel);
  Berechnungsparameter p = offen();
  setze(p, optionen);
  Zeilenmenge liste;
  for (const QString& z : zeilen) {
    const auto f = fuenf(z);
    liste.hinzu(Vergleichsreihe::aus(std::span<const int, 5>(f)));
  }
  Regelkontext c;
  c.tippliste = &liste;
  for (int i = 0; i < ziehungen.size(); ++i) {
    const auto f = fuenf(ziehungen[i]);
    c.referenz[static_cast<std::size_t>(i)] = Vergleichsreihe::aus(std::span<const int, 5>(f));
  }
  Laufhistorie h([] { return std::vector<Ziehung>{}; });
  c.historie = &h;
  c.enddatum = QDate(2024, 1, 1);
  QCOMPARE(Regelkette(::kandidat(kandidat), t, p, c), regel);
}

void TstRegeln::zaehler() {
  QCOMPARE(AnzahlGerade(kandidat("2 4 7 9 12")), 3);
  QCOMPARE(AnzahlUngerade(kandidat("2 4 7 9 12")), 2);
  // The sixth argument is read, the seventh is not.
  QCOMPARE(primzahlen(2, 3, 5, 7, 11, 13, 17), 6);
  QCOMPARE(primzahlen(1, 4, 6, 8, 9, 0, 17), 0);
  int primzahlenBis55 = 0;
  for (int n = 1; n <= 55; ++n) primzahlenBis55 += istPrimzahl(n);
  QCOMPARE(primzahlenBis55, 16);
  QVERIFY(istPrimzahl(53) && !istPrimzahl(51) && !istPrimzahl(1));
}

void TstRegeln::historienfilter_data() {
  QTest::addColumn<QString>("optionen");
  QTest::addColumn<int>("abEnde");     // the record's date, days after the end date (negative: before)
  QTest::addColumn<QString>("ziehung");  // the record's numbers
  QTest::addColumn<int>("regel");
  // Start date 2024-01-01, end date 2024-03-01 (60 days later); candidate 1 2 3 4 5.
  const QString datum = "CheckBox9=1 UpDown6=4";
  QTest::newRow("end date counts") << datum << 0 << "1 2 3 4 40" << 10;
  QTest::newRow("start date never counts") << datum << -60 << "1 2 3 4 5" << 0;
  QTest::newRow("day after the start counts") << datum << -59 << "1 2 3 4 40" << 10;
  QTest::newRow("after the end does not count") << datum << 1 << "1 2 3 4 5" << 0;
  QTest::newRow("three shared stay below four") << datum << 0 << "1 2 3 44 40" << 0;
  QTest::newRow("limit 6 rejects nothing") << "CheckBox9=1 UpDown6=6" << 0 << "1 2 3 4 5" << 0;
  QTest::newRow("a record repeating a number counts it twice") << datum << 0 << "1 1 2 3 40" << 10;
  QTest::newRow("numbers outside 1..55 never match") << datum << 0 << "1 2 3 0 99" << 0;
  // Recent window: 14 x UpDown18 days before the end date, that day excluded.
  const QString neu = "CheckBox28=1 UpDown17=3 UpDown18=2";
  QTest::newRow("recent: 27 days back counts") << neu << -27 << "1 2 3 44 45" << 11;
  QTest::newRow("recent: 28 days back does not") << neu << -28 << "1 2 3 44 45" << 0;
  QTest::newRow("recent: two shared stay below three") << neu << 0 << "1 2 33 44 45" << 0;
  QTest::newRow("recent: the time filter does not apply") << neu + " CheckBox9=0" << 0 << "1 2 3 44 45" << 11;
}

void TstRegeln::historienfilter() {
  QFETCH(QString, optionen);
  QFETCH(int, abEnde);
  QFETCH(QString, ziehung);
  QFETCH(int, regel);
  Berechnungsparameter p = offen();
  setze(p, optionen);
  p.DateTimePicker2 = QDate(2024, 1, 1);
  p.Mittag = false;  // the filters count both draw times whatever the boxes say
  const QDate ende(2024, 3, 1);
  std::vector<Ziehung> saetze = {Testlauf::ziehung(ende.addDays(abEnde), fuenf(ziehung), true)};
  Ziehung kaputt = Testlauf::ziehung(ende, {1, 2, 3, 4, 5});
  kaputt.Ziehungstag = std::nan("");  // in no window
  saetze.push_back(kaputt);
  Laufhistorie h([&] { return saetze; });
  Regelkontext c;
  c.historie = &h;
  c.enddatum = ende;
  QCOMPARE(Regelkette(kandidat("1 2 3 4 5"), 1, p, c), regel);
}

void TstRegeln::historieEinmalGelesen() {
  int gelesen = 0;
  int geleert = 0;
  std::vector<Ziehung> saetze = {Testlauf::ziehung(QDate(2024, 2, 1), {1, 2, 3, 4, 5})};
  Laufhistorie h([&] {
    ++gelesen;
    return saetze;
  });
  h.beiErstemFilter = [&] { ++geleert; };
  Berechnungsparameter p = offen();
  p.CheckBox9 = p.CheckBox28 = true;
  p.DateTimePicker2 = QDate(2024, 1, 1);
  Regelkontext c;
  c.historie = &h;
  c.enddatum = QDate(2024, 3, 1);
  QCOMPARE(Regelkette(kandidat("1 2 3 4 9"), 1, p, c), 10);
  QCOMPARE(Regelkette(kandidat("1 2 30 40 9"), 1, p, c), 0);
  // A start date moved while the run goes applies to the next candidate: the date window no
  // longer holds the record, the recent window still does.
  p.DateTimePicker2 = QDate(2024, 2, 1);
  QCOMPARE(Regelkette(kandidat("1 2 3 4 9"), 1, p, c), 11);
  QCOMPARE(gelesen, 1);
  QCOMPARE(geleert, 1);
  // An empty history accepts every candidate.
  Laufhistorie leer([] { return std::vector<Ziehung>{}; });
  c.historie = &leer;
  QCOMPARE(Regelkette(kandidat("1 2 3 4 5"), 1, p, c), 0);
}

void TstRegeln::zeilenmengeWieAbzaehlen() {
  // The subset index answers as counting every row would, for rows with gaps and repeats,
  // candidates with repeats, every limit, and rows added after the index was built.
  std::uint32_t s = 12345u;
  auto zufall = [&](int n) {
    s = s * 1103515245u + 12345u;
    return static_cast<int>((s >> 8) % static_cast<std::uint32_t>(n));
  };
  for (int runde = 0; runde < 40; ++runde) {
    Zeilenmenge menge;
    std::vector<Vergleichsreihe> zeilen;
    auto neueZeile = [&] {
      std::array<int, 5> z{};
      for (int& v : z) v = zufall(10) == 0 ? 0 : zufall(12) + 1;  // small range: many matches and repeats
      const Vergleichsreihe r = Vergleichsreihe::aus(std::span<const int, 5>(z));
      zeilen.push_back(r);
      menge.hinzu(r);
    };
    for (int i = 0; i < 30; ++i) neueZeile();
    for (int probe = 0; probe < 60; ++probe) {
      if (probe == 30) neueZeile();
      Kandidat k;
      for (int i = 1; i <= 5; ++i) k.Reihe[static_cast<std::size_t>(i)] = zufall(14) + 1;
      k.abschliessen();
      for (int grenze = -1; grenze <= 7; ++grenze) {
        for (auto art : {Zeilenmenge::Zaehlart::plaetze, Zeilenmenge::Zaehlart::paare}) {
          bool mind = false, hoechst = false;
          for (const Vergleichsreihe& r : zeilen) {
            const int h = art == Zeilenmenge::Zaehlart::paare ? paare(k, r) : r.treffer(k.maske);
            mind = mind || h >= grenze;
            hoechst = hoechst || h <= grenze;
          }
          QCOMPARE(menge.mindestens(k, grenze, art), mind);
          QCOMPARE(menge.hoechstens(k, grenze, art), hoechst);
        }
      }
    }
  }
}

QTEST_GUILESS_MAIN(TstRegeln)
#include "tst_regeln.moc"
