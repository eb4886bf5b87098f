#include <QtTest>

#include "engine/zahlentopf.h"
#include "plattform/fehler.h"
#include "hilfen/testlauf.h"

using namespace engine;

namespace {

// A statistic whose bars are all `rest`, with the given bars set, and the range min..max.
Bandstatistik stat(long long mn, long long mx, std::initializer_list<std::pair<int, int>> balken, int rest = 0) {
  Bandstatistik s;
  s.y.assign(57, rest);
  s.y[0] = 0;
  s.y[56] = 0;
  for (auto [x, y] : balken) s.y[static_cast<std::size_t>(x)] = y;
  s.minimum = mn;
  s.maximum = mx;
  return s;
}

// The pool of only the bands: preferred numbers only, no exclusions.
void nurBaender(Berechnungsparameter& p) {
  p.CheckBox10 = false;
  p.CheckBox15 = true;
  p.CheckBox4 = p.CheckBox5 = p.CheckBox23 = false;
}

std::vector<int> inhalt(const Zahlentopf& t) {
  std::vector<int> v;
  for (int i = 0; i <= t.Topfende; ++i) v.push_back(t.plaetze[static_cast<std::size_t>(i)]);
  return v;
}

std::vector<int> gewichte(const Zahlentopf& t) {
  std::vector<int> g(56, 0);
  for (int n = 1; n <= 55; ++n) g[static_cast<std::size_t>(n)] = t.ZahlImTopf(n);
  return g;
}

const std::array<std::array<int, 5>, 3> kKeineZiehung{};

}  // namespace

class TstZahlentopf : public QObject {
  Q_OBJECT
 private slots:
  void runden_data();
  void runden();
  void gruppenbaender();
  void haeufigkeitsbaender();
  void ueberfaellige();
  void leeresFenster();
  void nachbarn();
  void basis();
  void ausschluesse();
  void verdichten();
  void dialog_data();
  void dialog();
  void waechst();
};

void TstZahlentopf::runden_data() {
  QTest::addColumn<long long>("z");
  QTest::addColumn<long long>("n");
  QTest::addColumn<long long>("ergebnis");
  QTest::newRow("8.5") << 85LL << 10LL << 8LL;
  QTest::newRow("9.5") << 95LL << 10LL << 10LL;
  QTest::newRow("3.5") << 35LL << 10LL << 4LL;
  QTest::newRow("10.5") << 105LL << 10LL << 10LL;
  QTest::newRow("12.0") << 120LL << 10LL << 12LL;
  QTest::newRow("12.49") << 1249LL << 100LL << 12LL;
  QTest::newRow("-2.5") << -25LL << 10LL << -2LL;
  QTest::newRow("-3.5") << -35LL << 10LL << -4LL;
  QTest::newRow("-2.6") << -26LL << 10LL << -3LL;
}

void TstZahlentopf::runden() {
  QFETCH(long long, z);
  QFETCH(long long, n);
  QFETCH(long long, ergebnis);
  QCOMPARE(rundeBruch(z, n), ergebnis);
}

void TstZahlentopf::gruppenbaender() {
  // Frequent pairs, min 5, max 15: lo = Round(12.0) = 12, hi 15. Rare triples: hi = Round(2 + 0.3 * 8)
  // = Round(4.4) = 4, counts 0 never taken. Frequent quadruples over 0..5: lo = Round(3.5) = 4.
  Testlauf env;
  nurBaender(env.p);
  env.p.CheckBox1 = true;
  env.p.CheckBox12 = true;
  env.p.CheckBox7 = true;
  Zahlentopf topf;
  std::vector<Topfstatistik> gerechnet;
  const Statistikquelle quelle = [&](Topfstatistik art) {
    gerechnet.push_back(art);
    switch (art) {
      case Topfstatistik::paare: return stat(5, 15, {{3, 12}, {7, 13}, {54, 15}, {20, 16}}, 5);
      case Topfstatistik::dreier: return stat(2, 10, {{1, 0}, {10, 4}, {53, 3}, {30, 5}}, 6);
      case Topfstatistik::vierer: return stat(0, 5, {{52, 5}, {2, 3}, {9, 5}}, 0);
      default: break;
    }
    return Bandstatistik{};
  };
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, quelle));
  const std::vector<int> erwartet = {7, 8, 54, 55, 10, 11, 12, 53, 54, 55, 9, 10, 11, 12, 52, 53, 54, 55};
  QCOMPARE(inhalt(topf), erwartet);
  QCOMPARE(gerechnet, (std::vector<Topfstatistik>{Topfstatistik::paare, Topfstatistik::dreier, Topfstatistik::vierer}));
  QCOMPARE(env.panel1Verlauf, (QStringList{"Berechnung der Paarbildung", "Min: 12  Max: 15  0", "Berechnung der Dreiergruppenbildung",
                                           "Min: 0  Max: 4  4", "Berechnung der Vierergruppenbildung", "Min: 4  Max: 5  10"}));

  // A rare band whose frequent sibling is ticked reuses its statistic; the rare quadruple
  // line has one blank before "Max:".
  Testlauf beide;
  nurBaender(beide.p);
  beide.p.CheckBox7 = beide.p.CheckBox13 = true;
  gerechnet.clear();
  QVERIFY(baueZahlentopf(topf, beide, kKeineZiehung, quelle));
  QCOMPARE(gerechnet, (std::vector<Topfstatistik>{Topfstatistik::vierer}));
  QCOMPARE(beide.panel1Verlauf.mid(1), (QStringList{"Min: 4  Max: 5  0", "Min: 0 Max: 2  8"}));
  QCOMPARE(topf.ZahlImTopf(52), 1);  // count 5 is frequent, not rare; count 3 is neither
}

void TstZahlentopf::haeufigkeitsbaender() {
  // P 30, min 20, max 40: sweep A lo 34 (two entries), sweep B lo 37 (one more).
  Testlauf env;
  nurBaender(env.p);
  env.p.CheckBox2 = true;
  env.p.UpDown12 = 30;
  Zahlentopf topf;
  const Statistikquelle quelle = [](Topfstatistik) {
    return stat(20, 40, {{1, 40}, {2, 37}, {3, 36}, {4, 34}, {5, 33}, {6, 20}}, 25);
  };
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, quelle));
  const auto g = gewichte(topf);
  QCOMPARE(g[1], 3);
  QCOMPARE(g[2], 3);
  QCOMPARE(g[3], 2);
  QCOMPARE(g[4], 2);
  QCOMPARE(g[5], 0);
  QCOMPARE(g[6], 0);
  QCOMPARE(g[30], 0);
  QCOMPARE(env.panel1Verlauf, (QStringList{"Berechnung der Zahlenverteilung", "Min: 34  Max: 40  0", "Min: 37  Max: 40  8"}));
  // Sweep A appends each number twice in a row, in ascending order.
  QCOMPARE(std::vector<int>(topf.plaetze.begin(), topf.plaetze.begin() + 10), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 1, 2}));

  // Rare, P 20, min 20, max 40: sweep A hi Round(24) = 24, sweep B hi Round(22) = 22.
  Testlauf selten;
  nurBaender(selten.p);
  selten.p.CheckBox14 = true;
  const Statistikquelle q2 = [](Topfstatistik) { return stat(20, 40, {{1, 20}, {2, 22}, {3, 23}, {4, 24}, {5, 25}}, 30); };
  QVERIFY(baueZahlentopf(topf, selten, kKeineZiehung, q2));
  const auto h = gewichte(topf);
  QCOMPARE((std::vector<int>{h[1], h[2], h[3], h[4], h[5]}), (std::vector<int>{3, 3, 2, 2, 0}));
}

void TstZahlentopf::ueberfaellige() {
  Testlauf env;
  nurBaender(env.p);
  env.p.CheckBox10 = true;
  env.p.UpDown13 = 34;
  Zahlentopf topf;
  // X 34, max 50: sweep B lo = 34 + 16 div 2 = 42.
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik) { return stat(1, 50, {{1, 50}, {2, 42}, {3, 41}, {4, 34}, {5, 33}}, 1); }));
  const auto g = gewichte(topf);
  QCOMPARE((std::vector<int>{g[1], g[2], g[3], g[4], g[5]}), (std::vector<int>{3, 3, 2, 2, 0}));
  QCOMPARE(env.panel1Verlauf, (QStringList{"Berechnung der aussehenden Zahlen", "Min: 34 Max: 50  0", "Min: 42  Max: 50  8"}));
  // Max 33 lies below X: nothing, and sweep B's lo truncates toward zero (34 + (-1) div 2 = 34).
  Testlauf leer;
  nurBaender(leer.p);
  leer.p.CheckBox10 = true;
  QVERIFY(baueZahlentopf(topf, leer, kKeineZiehung, [](Topfstatistik) { return stat(1, 33, {}, 33); }));
  QCOMPARE(topf.Topfende, -1);
  QCOMPARE(leer.panel1Verlauf.last(), QStringLiteral("Min: 34  Max: 33  0"));
}

void TstZahlentopf::leeresFenster() {
  // No draws: frequency min = max = 0, so both frequency bands take every number three times;
  // the group bands take nothing.
  Testlauf env;
  nurBaender(env.p);
  env.p.CheckBox2 = env.p.CheckBox14 = env.p.CheckBox1 = env.p.CheckBox11 = env.p.CheckBox6 = env.p.CheckBox13 = true;
  Zahlentopf topf;
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik) { return stat(0, 0, {}); }));
  const auto g = gewichte(topf);
  for (int n = 1; n <= 55; ++n) QCOMPARE(g[static_cast<std::size_t>(n)], 6);
  QCOMPARE(topf.Topfende, 6 * 55 - 1);
}

void TstZahlentopf::nachbarn() {
  Testlauf env;
  nurBaender(env.p);
  env.p.CheckBox19 = true;
  Zahlentopf topf;
  const std::array<std::array<int, 5>, 3> ref = {{{1, 2, 30, 54, 55}, {}, {}}};
  QVERIFY(baueZahlentopf(topf, env, ref, [](Topfstatistik) { return Bandstatistik{}; }));
  std::vector<int> erwartet;
  for (int n : {2, 1, 3, 29, 31, 53, 55, 54})
    for (int i = 0; i < 4; ++i) erwartet.push_back(n);
  QCOMPARE(inhalt(topf), erwartet);
  QCOMPARE(env.panel1Verlauf, QStringList{"Berechnung der Nachbarzahlen der letzten Ziehung"});
}

void TstZahlentopf::basis() {
  // Only the base numbers: slot 0 stays empty, 1..55 and 1 again follow, and compaction moves
  // the second 1 into slot 0.
  Testlauf env;
  env.p.CheckBox10 = false;
  env.p.CheckBox4 = env.p.CheckBox5 = env.p.CheckBox23 = false;
  Zahlentopf topf;
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik) { return Bandstatistik{}; }));
  std::vector<int> erwartet = {1};
  for (int n = 1; n <= 55; ++n) erwartet.push_back(n);
  QCOMPARE(inhalt(topf), erwartet);
  QCOMPARE(topf.Zahlentopfkopie, topf.plaetze);
  QCOMPARE(static_cast<int>(topf.Zahlentopfkopie.size()), 501);

  // Preferred numbers only without any band: an empty pool.
  env.p.CheckBox15 = true;
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik) { return Bandstatistik{}; }));
  QCOMPARE(topf.Topfende, -1);
}

void TstZahlentopf::ausschluesse() {
  // Defaults: overdue band, base numbers, last draw at 0: its numbers have no entry at all.
  Testlauf env;
  Zahlentopf topf;
  const std::array<std::array<int, 5>, 3> ref = {{{3, 17, 22, 40, 51}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}}};
  QVERIFY(baueZahlentopf(topf, env, ref, [](Topfstatistik) { return stat(1, 60, {{3, 60}, {40, 50}, {44, 45}}, 1); }));
  auto g = gewichte(topf);
  for (int n : {3, 17, 22, 40, 51}) QCOMPARE(g[static_cast<std::size_t>(n)], 0);
  QCOMPARE(g[44], 3);  // two from sweep A, none from sweep B (lo 47), one base entry
  QCOMPARE(g[4], 1);   // the draw before is at 1, so it keeps its numbers
  QCOMPARE(g[1], 2);
  for (int i = 0; i <= topf.Topfende; ++i) QVERIFY(topf.plaetze[static_cast<std::size_t>(i)] != 0);

  // All three draws at 0, numbers 1..12 avoided, one entry less of 1..31.
  Testlauf alle;
  alle.p.CheckBox10 = false;
  alle.p.CheckBox19 = true;
  alle.p.UpDown5 = 0;
  alle.p.UpDown11 = 0;
  alle.p.CheckBox29 = true;
  alle.p.CheckBox30 = true;
  const std::array<std::array<int, 5>, 3> ref2 = {{{20, 25, 30, 35, 45}, {4, 5, 6, 7, 8}, {50, 51, 52, 53, 54}}};
  QVERIFY(baueZahlentopf(topf, alle, ref2, [](Topfstatistik) { return Bandstatistik{}; }));
  g = gewichte(topf);
  for (int n = 1; n <= 12; ++n) QCOMPARE(g[static_cast<std::size_t>(n)], 0);
  for (int n : {20, 25, 30, 35, 45, 50, 51, 52, 53, 54}) QCOMPARE(g[static_cast<std::size_t>(n)], 0);
  QCOMPARE(g[21], 4);  // neighbour four times and base once, one entry less
  QCOMPARE(g[13], 0);  // base only, one entry less
  QCOMPARE(g[32], 1);  // beyond 31 nothing goes
  QCOMPARE(g[44], 5);  // neighbour of 45 four times and its base entry
  QCOMPARE(g[46], 5);
}

void TstZahlentopf::verdichten() {
  Zahlentopf topf;
  topf.plaetze[0] = 7;
  topf.plaetze[2] = 9;
  topf.Topfende = 3;
  topf.verdichten();
  QCOMPARE(inhalt(topf), (std::vector<int>{7, 9}));
  topf.plaetze = std::vector<std::uint8_t>(501, 0);
  topf.Topfende = 4;
  topf.verdichten();
  QCOMPARE(topf.Topfende, -1);
}

void TstZahlentopf::dialog_data() {
  QTest::addColumn<int>("antwort");  // Zahlenwahlergebnis
  QTest::addColumn<QString>("aenderung");  // "n=weight" or "n=-" (untick), empty for none
  QTest::addColumn<bool>("fertig");
  QTest::addColumn<QString>("fehler");
  QTest::newRow("OK keeps the pool") << int(Zahlenwahlergebnis::ok) << "2=9" << true << "";
  QTest::newRow("Rechnen untouched") << int(Zahlenwahlergebnis::rechnen) << "" << true << "";
  QTest::newRow("Rechnen with a weight of 5") << int(Zahlenwahlergebnis::rechnen) << "2=5" << true << "";
  QTest::newRow("Rechnen with a number unticked") << int(Zahlenwahlergebnis::rechnen) << "2=-" << true << "";
  QTest::newRow("Rechnen with weight abc") << int(Zahlenwahlergebnis::rechnen) << "2=abc" << false
                                           << "'abc' ist kein gültiger Integerwert";
  QTest::newRow("abort") << int(Zahlenwahlergebnis::abbruch) << "" << false << "";
}

void TstZahlentopf::dialog() {
  QFETCH(int, antwort);
  QFETCH(QString, aenderung);
  QFETCH(bool, fertig);
  QFETCH(QString, fehler);
  Testlauf env;
  env.p.CheckBox10 = false;
  env.p.CheckBox19 = true;  // 2 gets 4 neighbour entries, 4 too
  env.p.CheckBox4 = false;
  env.p.CheckBox5 = env.p.CheckBox23 = false;
  env.p.CheckBox20 = true;
  const std::array<std::array<int, 5>, 3> ref = {{{3, 30, 30, 30, 30}, {}, {}}};
  QList<int> gezeigteGewichte;
  env.zahlenwahl = [&](Werteliste& w) {
    for (int n = 1; n <= 5; ++n) gezeigteGewichte << (w.haken(n) ? w.gewicht(n).toInt() : -1);
    if (!aenderung.isEmpty()) {
      const QStringList kv = aenderung.split(QLatin1Char('='));
      if (kv[1] == QLatin1String("-"))
        w.setzeRoh(kv[0].toInt(), false, QStringLiteral("1"));
      else
        w.setzeRoh(kv[0].toInt(), true, kv[1]);
    }
    return static_cast<Zahlenwahlergebnis>(antwort);
  };
  Zahlentopf topf;
  const Statistikquelle keine = [](Topfstatistik) { return Bandstatistik{}; };
  if (!fehler.isEmpty()) {
    try {
      baueZahlentopf(topf, env, ref, keine);
      QFAIL("no error");
    } catch (const plattform::Fehler& f) {
      QCOMPARE(f.text(), fehler);
    }
    return;
  }
  QCOMPARE(baueZahlentopf(topf, env, ref, keine), fertig);
  QCOMPARE(env.zahlenwahlGezeigt, 1);
  // Neighbours: 2 and 4 four times each, 29 and 31 sixteen times; then the base numbers.
  QCOMPARE(gezeigteGewichte, (QList<int>{2, 5, 1, 5, 1}));
  QVERIFY(!env.sanduhrAn);
  if (!fertig) return;
  const auto g = gewichte(topf);
  if (antwort == int(Zahlenwahlergebnis::ok)) {
    QCOMPARE(g[2], 5);
    QCOMPARE(topf.plaetze[0], std::uint8_t(2));  // as built
    return;
  }
  QCOMPARE(topf.plaetze[0], std::uint8_t(0));  // the rebuild starts at slot 1
  QCOMPARE(topf.Topfende, topf.Fuellstand);
  QCOMPARE(g[1], 2);
  QCOMPARE(g[31], 17);
  QCOMPARE(g[2], aenderung == "2=5" ? 5 : aenderung == "2=-" ? 0 : 5);
  QCOMPARE(topf.plaetze[1], std::uint8_t(1));
  QCOMPARE(topf.Zahlentopfkopie, topf.plaetze);
}

void TstZahlentopf::waechst() {
  // Many bands together ask for more than 501 entries: the pool grows and keeps them all.
  Testlauf env;
  nurBaender(env.p);
  env.p.CheckBox2 = env.p.CheckBox14 = true;
  Zahlentopf topf;
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik) { return stat(0, 0, {}); }));
  QCOMPARE(topf.Topfende + 1, 330);
  env.p.CheckBox1 = env.p.CheckBox11 = true;
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik art) {
    return art == Topfstatistik::paare ? stat(0, 10, {}, 10) : stat(0, 0, {});
  }));
  QCOMPARE(topf.Topfende + 1, 330 + 108);
  env.p.CheckBox6 = true;
  QVERIFY(baueZahlentopf(topf, env, kKeineZiehung, [](Topfstatistik art) {
    return art == Topfstatistik::haeufigkeit ? stat(0, 0, {}) : stat(0, 10, {}, 10);
  }));
  QCOMPARE(topf.Topfende + 1, 330 + 108 + 159);
  QCOMPARE(topf.ZahlImTopf(27), 6 + 2 + 3);

  // The dialog's rebuild: 55 weights of 10 pass 501, a weight past a million ends the run.
  Werteliste w;
  for (int n = 1; n <= 55; ++n) w.setzeRoh(n, true, QStringLiteral("10"));
  topf.TopfAusZahlenwahl(w);
  QCOMPARE(topf.Topfende, 550);
  QCOMPARE(topf.ZahlImTopf(55), 10);
  w.setzeRoh(3, true, QStringLiteral("999999"));
  QVERIFY_THROWS_EXCEPTION(plattform::Fehler, topf.TopfAusZahlenwahl(w));
  // Nothing ticked: one empty slot, so no row can be drawn from it.
  for (int n = 1; n <= 55; ++n) w.setzeRoh(n, false, QStringLiteral("1"));
  topf.TopfAusZahlenwahl(w);
  QCOMPARE(topf.Topfende, 0);
  QCOMPARE(topf.zahlen(), Maske{0});
}

QTEST_GUILESS_MAIN(TstZahlentopf)
#include "tst_zahlentopf.moc"
