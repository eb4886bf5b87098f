#include <QtTest>

#include <set>

#include "engine/generierungslauf.h"
#include "hilfen/testlauf.h"
#include "plattform/fehler.h"
#include "plattform/zufall.h"
#include "shell/listenzeile.h"

using namespace engine;

namespace {

using Reihe5 = std::array<int, 5>;

int gemeinsam(const Reihe5& a, const Reihe5& b) {
  int n = 0;
  for (int x : a)
    for (int y : b) n += (x != 0 && x == y);
  return n;
}

Reihe5 zahlenVon(const Ziehung& z) {
  return {z.Ziehungszahlen[0], z.Ziehungszahlen[1], z.Ziehungszahlen[2], z.Ziehungszahlen[3], z.Ziehungszahlen[4]};
}

// A history of 400 daily draws ending 2025-02-03, the end date on its last day.
void mitHistorie(Testlauf& env) {
  env.tagesziehungen(QDate(2024, 1, 1), 400);
  env.dtp1 = QDate(2025, 2, 3);
  env.p.DateTimePicker2 = QDate(2024, 1, 1);
}

// Options that accept nearly every candidate.
void offen(Berechnungsparameter& p) {
  p.CheckBox27 = p.CheckBox3 = p.CheckBox24 = false;
  p.CheckBox18 = false;
  p.UpDown1 = 0;
  p.UpDown2 = 300;
  p.CheckBox4 = p.CheckBox5 = p.CheckBox23 = false;
  p.CheckBox9 = p.CheckBox28 = false;
  p.CheckBox10 = false;
}

bool leer(const Testlauf& env, int t) {
  const auto& z = env.schein[static_cast<std::size_t>(t)];
  for (const QString& f : z.felder)
    if (!f.isEmpty()) return false;
  return true;
}

QString zeile(const Reihe5& r) {
  return listenzeile::langform({QString::number(r[0]), QString::number(r[1]), QString::number(r[2]), QString::number(r[3]),
                                QString::number(r[4])},
                               QString(), QString());
}

}  // namespace

class TstGenerierungslauf : public QObject {
  Q_OBJECT
 private slots:
  void init() { plattform::Zufall::RandSeed = 20240611u; }
  void statustext_data();
  void statustext();
  void listenzahlen_data();
  void listenzahlen();
  void ersterKandidatAusDerFormel();
  void gleicheEingabenGleicheTipps();
  void standardoptionen();
  void budgetUndLockerung_data();
  void budgetUndLockerung();
  void letzterKandidatVerworfen();
  void angeforderteAnzahl();
  void gesperrteZeilen();
  void stopp();
  void listenmodus();
  void listenmodusSchonErreicht();
  void listenmodusStapel();
  void listenmodusStoppBeendetStapel();
  void listeBis6500();
  void abbruchImDialog_data();
  void abbruchImDialog();
  void fehler_data();
  void fehler();
  void fehlerNachLockerung();
  void topfZuKlein();
  void ansichtNachDemLauf();
  void knopftextDesErstenLaufs();
  void leereHistorie();
  void enddatumJeKandidat_data();
  void enddatumJeKandidat();
};

void TstGenerierungslauf::statustext_data() {
  QTest::addColumn<int>("t");
  QTest::addColumn<QString>("text");
  QTest::newRow("10") << 10 << "10.Tipp:  3 17  22  40  51  QS: 133";
  QTest::newRow("2") << 2 << "2.Tipp:  3 17  22  40  51   QS: 133";
  QTest::newRow("4") << 4 << "4.Tipp:  3 17  22  40  51   QS: 133";
  QTest::newRow("3") << 3 << "3.Tipp:  3 17  22  40  51    QS: 133";
  QTest::newRow("7") << 7 << "7.Tipp:  3 17  22  40  51  0  QS: 133";
  QTest::newRow("9") << 9 << "9.Tipp:  3 17  22  40  51  0  QS: 133";
}

void TstGenerierungslauf::statustext() {
  QFETCH(int, t);
  QFETCH(QString, text);
  QCOMPARE(kandidatenstatus(t, {0, 3, 17, 22, 40, 51, 0, 0}, 133, QStringLiteral("Tipp")), text);
}

void TstGenerierungslauf::listenzahlen_data() {
  QTest::addColumn<QString>("zeile");
  QTest::addColumn<QList<int>>("zahlen");
  QTest::newRow("long form, four TABs at the end") << "3\t17\t22\t40\t51\t\t\t\t" << QList<int>{3, 17, 22, 40, 51};
  QTest::newRow("short form") << "3\t17\t22\t40\t51" << QList<int>{3, 17, 22, 40, 51};
  QTest::newRow("missing and bad fields read 0") << "3\tx\t\t40" << QList<int>{3, 0, 0, 40, 0};
  QTest::newRow("three TABs are one") << "3\t\t\t17\t22\t40\t51" << QList<int>{3, 17, 22, 40, 51};
}

void TstGenerierungslauf::listenzahlen() {
  QFETCH(QString, zeile);
  QFETCH(QList<int>, zahlen);
  const auto z = engine::listenzahlen(zeile);
  QCOMPARE((QList<int>{z[0], z[1], z[2], z[3], z[4]}), zahlen);
}

void TstGenerierungslauf::ersterKandidatAusDerFormel() {
  // Base numbers only: slots 0..55 hold 1, 1, 2, ..., 55 and each draw is Random(56).
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.UpDown8 = 1;
  plattform::Zufall::RandSeed = 4711u;
  std::uint32_t zustand = 4711u;
  std::vector<int> gezogen;
  while (gezogen.size() < 5) {
    zustand = zustand * 134775813u + 1u;
    const auto k = static_cast<int>((static_cast<std::uint64_t>(zustand) * 56u) >> 32);
    const int zahl = k == 0 ? 1 : k;
    if (std::find(gezogen.begin(), gezogen.end(), zahl) == gezogen.end()) gezogen.push_back(zahl);
  }
  std::sort(gezogen.begin(), gezogen.end());
  Generierung g(env);
  g.Label28Click();
  const Reihe5 r = env.reihe(1);
  QCOMPARE((std::vector<int>(r.begin(), r.end())), gezogen);
  QCOMPARE(plattform::Zufall::RandSeed, zustand);
  QCOMPARE(g.ergebnis().Lauf, 1);
  QCOMPARE(env.schein[1].summe, QString::number(gezogen[0] + gezogen[1] + gezogen[2] + gezogen[3] + gezogen[4]));
  QVERIFY(leer(env, 2));
}

void TstGenerierungslauf::gleicheEingabenGleicheTipps() {
  std::array<QStringList, 2> tipps;
  std::array<std::uint32_t, 2> danach{};
  for (int i = 0; i < 2; ++i) {
    Testlauf env;
    mitHistorie(env);
    env.UpDown8 = 12;
    env.UpDown7 = 5;
    plattform::Zufall::RandSeed = 99u;
    Generierung g(env);
    g.Label28Click();
    tipps[static_cast<std::size_t>(i)] = env.zeilen;
    danach[static_cast<std::size_t>(i)] = plattform::Zufall::RandSeed;
  }
  QVERIFY(!tipps[0].isEmpty());
  QCOMPARE(tipps[0], tipps[1]);
  QCOMPARE(danach[0], danach[1]);
}

void TstGenerierungslauf::standardoptionen() {
  // Defaults: every tip shares exactly two numbers with every earlier one, none with the last
  // draw, at most one with the draw before and two with the one before that; no run, sum in
  // 50..200, no draw of the window shares four, none of the last 700 days three.
  Testlauf env;
  mitHistorie(env);
  env.UpDown8 = 12;
  Generierung g(env);
  g.Label28Click();
  const Reihe5 letzte = zahlenVon(env.saetze[399]), vorletzte = zahlenVon(env.saetze[398]), davor = zahlenVon(env.saetze[397]);
  int gefuellt = 0;
  for (int t = 1; t <= 12; ++t) {
    if (leer(env, t)) continue;
    ++gefuellt;
    const Reihe5 r = env.reihe(t);
    QVERIFY(std::is_sorted(r.begin(), r.end()));
    for (int s = 1; s < t; ++s)
      if (!leer(env, s)) QCOMPARE(gemeinsam(r, env.reihe(s)), 2);
    QCOMPARE(gemeinsam(r, letzte), 0);
    QVERIFY(gemeinsam(r, vorletzte) <= 1);
    QVERIFY(gemeinsam(r, davor) <= 2);
    const int qs = r[0] + r[1] + r[2] + r[3] + r[4];
    QVERIFY(qs >= 50 && qs <= 200);
    QCOMPARE(env.schein[static_cast<std::size_t>(t)].summe, QString::number(qs));
    for (int i = 0; i < 3; ++i) QVERIFY(!(r[i] + 1 == r[i + 1] && r[i + 1] + 1 == r[i + 2]));
    for (const Ziehung& z : env.saetze) QVERIFY(gemeinsam(r, zahlenVon(z)) < 4);
  }
  QVERIFY(gefuellt >= 3);
  QCOMPARE(env.zeilen.size(), gefuellt);
  QCOMPARE(env.panel[1], env.meldungen.text(g.ergebnis().erschoepft ? 29 : 30));
  QCOMPARE(env.panel[0], QString::number(gefuellt) + " Rows");
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
  QVERIFY(env.sortieren && !env.berechnunglaeuft && !env.sanduhrAn);
  QCOMPARE(env.komplettchecks, 1);
  QCOMPARE(env.LaufMax, 50000);
  QCOMPARE(env.UpDown8Max, 6500);
  QCOMPARE(env.UpDown8, 12);
  QCOMPARE(env.statistiken, std::vector<Topfstatistik>{Topfstatistik::ueberfaellige});
  QCOMPARE(env.diagrammGeleert, 1);
  QCOMPARE(env.historieGelesen, 1);
  QVERIFY(env.liste);
  // The current draw is the end date's draw again.
  QCOMPARE(env.datum1, QDate(2025, 2, 3));
  QCOMPARE(env.zahl[1], int(env.saetze[399].Ziehungszahlen[0]));
}

void TstGenerierungslauf::budgetUndLockerung_data() {
  QTest::addColumn<int>("tausend");
  QTest::addColumn<QStringList>("stufen");  // "<candidate>:<change>"
  QTest::newRow("1000") << 1 << QStringList{"500:CheckBox8=0"};
  QTest::newRow("10000, two steps at 5000") << 10 << QStringList{"5000:CheckBox8=0", "5000:UpDown5=3", "5000:UpDown4=2"};
  QTest::newRow("20000") << 20 << QStringList{"10000:CheckBox8=0", "10000:UpDown5=2", "10000:UpDown4=1", "15000:UpDown5=3", "15000:UpDown4=2"};
  QTest::newRow("50000") << 50 << QStringList{"25000:CheckBox8=0", "30000:UpDown6=6", "40000:UpDown5=2", "40000:UpDown4=1", "45000:UpDown5=3", "45000:UpDown4=2"};
}

void TstGenerierungslauf::budgetUndLockerung() {
  QFETCH(int, tausend);
  QFETCH(QStringList, stufen);
  Testlauf env;
  mitHistorie(env);
  env.UpDown7 = tausend;
  env.UpDown8 = 12;
  env.p.CheckBox8 = true;
  env.p.CheckBox25 = true;
  env.p.UpDown15 = 6;  // no candidate can meet it
  Generierung g(env);
  g.Label28Click();
  QCOMPARE(g.ergebnis().Lauf, tausend * 1000);
  QStringList gesehen;
  for (const auto& a : env.aenderungen) gesehen << QString::number(a.kandidat) + ":" + a.was;
  const QString ende = QString::number(tausend * 1000) + ":";
  stufen << ende + "CheckBox8=1" << ende + "UpDown4=0" << ende + "UpDown5=1" << ende + "UpDown6=4";
  QCOMPARE(gesehen, stufen);
  QCOMPARE(env.panel[1], env.meldungen.text(29));
  for (int t = 1; t <= 12; ++t) {
    QVERIFY(leer(env, t));
    QCOMPARE(env.schein[static_cast<std::size_t>(t)].summe, QStringLiteral("0"));
  }
  QVERIFY(env.p.CheckBox8);
  QCOMPARE(env.p.UpDown5, 1);
  QVERIFY(env.zeilen.isEmpty());
}

void TstGenerierungslauf::letzterKandidatVerworfen() {
  // The budget lowered to one while the first candidate is drawn: that candidate is accepted
  // and used up the budget, so it is discarded.
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.beiEingabe = [&] { env.LaufMax = 1; };
  Generierung g(env);
  g.Label28Click();
  QCOMPARE(g.ergebnis().Lauf, 1);
  QVERIFY(leer(env, 1));
  QCOMPARE(env.schein[1].summe, QStringLiteral("0"));
  QCOMPARE(env.panel[1], env.meldungen.text(29));
}

void TstGenerierungslauf::angeforderteAnzahl() {
  Testlauf env;
  mitHistorie(env);
  env.UpDown8 = 5;
  env.schein[9].felder[0] = QStringLiteral("44");  // an old tip is cleared
  Generierung g(env);
  g.Label28Click();
  for (int t = 1; t <= 5; ++t) QVERIFY(!leer(env, t));
  for (int t = 6; t <= 12; ++t) {
    QVERIFY(leer(env, t));
    QCOMPARE(env.schein[static_cast<std::size_t>(t)].summe, QStringLiteral("0"));
  }
  QCOMPARE(env.panel[1], env.meldungen.text(30));
  QCOMPARE(env.zeilen.size(), 5);
}

void TstGenerierungslauf::gesperrteZeilen() {
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.UpDown8 = 12;
  env.sperre(2, {"50", "51", "52", "53", "54"});
  env.schein[2].summe = QStringLiteral("x");
  env.schein[2].felder[5] = QStringLiteral("3");
  env.sperre(4, {"7", "9", "", "", ""});
  env.sperre(5, {"10", "11", "12", "13", ""});
  env.sperre(6, {"20", "", "22", "23", "24"});
  env.sperre(7, {"30", "", "32", "", ""});
  env.schein[8].gesperrt = true;  // locked and empty: drawn as usual
  Generierung g(env);
  g.Label28Click();
  QCOMPARE(env.zeilenTexte(2), (QStringList{"50", "51", "52", "53", "54", "3", ""}));
  QCOMPARE(env.schein[2].summe, QStringLiteral("x"));
  const Reihe5 r4 = env.reihe(4);
  QVERIFY(std::count(r4.begin(), r4.end(), 7) == 1 && std::count(r4.begin(), r4.end(), 9) == 1);
  const Reihe5 r5 = env.reihe(5);
  for (int n : {10, 11, 12}) QCOMPARE(std::count(r5.begin(), r5.end(), n), 1);
  QVERIFY(std::is_sorted(r5.begin(), r5.end()));
  // Field 5 filled with an earlier field empty: the row stays so.
  QCOMPARE(env.zeilenTexte(6), (QStringList{"20", "", "22", "23", "24", "", ""}));
  // Field 1 only is taken over when field 2 is empty.
  const Reihe5 r7 = env.reihe(7);
  QCOMPARE(std::count(r7.begin(), r7.end(), 30), 1);
  QVERIFY(!leer(env, 8));
  for (int t : {4, 5, 7, 8}) {
    const Reihe5 r = env.reihe(t);
    QCOMPARE(std::set<int>(r.begin(), r.end()).size(), std::size_t(5));
  }

  // With the defaults, the locked row counts as a position and later tips are compared with it.
  Testlauf std;
  mitHistorie(std);
  std.UpDown8 = 4;
  std.sperre(2, {"1", "2", "3", "4", "5"});
  Generierung g2(std);
  g2.Label28Click();
  QCOMPARE(std.reihe(2), (Reihe5{1, 2, 3, 4, 5}));
  QVERIFY(!leer(std, 3) && !leer(std, 4));
  QVERIFY(leer(std, 5));
  for (int t : {3, 4}) QCOMPARE(gemeinsam(std.reihe(t), std.reihe(2)), 2);
}

void TstGenerierungslauf::stopp() {
  // A stop while position 3 is drawn (the candidate in hand made unacceptable): positions 1 and 2
  // keep their tips, 3 to 12 stay empty except a locked complete row.
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.UpDown8 = 12;
  env.sperre(10, {"1", "2", "3", "4", "5"});
  Generierung g(env);
  int laengeDerListe = -1;
  env.beiEingabe = [&] {
    if (env.positionen == 2 && env.laeuftBerechnung()) {
      laengeDerListe = env.UpDown8;
      g.Label28Click();
      env.p.UpDown1 = 999;
    }
  };
  g.Label28Click();
  QVERIFY(!leer(env, 1) && !leer(env, 2));
  for (int t = 3; t <= 12; ++t) QCOMPARE(leer(env, t), t != 10);
  QCOMPARE(env.panel[1], env.meldungen.text(30));
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
  QVERIFY(g.ergebnis().gestoppt);
  QCOMPARE(env.zeilen.size(), 3);
  QCOMPARE(laengeDerListe, 12);
  QCOMPARE(env.UpDown8, 12);
}

void TstGenerierungslauf::listenmodus() {
  // 20 lines, 25 requested: one batch fills 5 positions and the repetition ends.
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.liste = true;
  env.UpDown8Max = 6000;
  env.UpDown8 = 25;
  for (int i = 0; i < 20; ++i) env.zeilen << zeile({i + 1, i + 2, i + 3, i + 4, i + 30});
  Generierung g(env);
  int stapel = 0;
  int positionenImStapel = 0;
  env.beiEingabe = [&] { positionenImStapel = std::max(positionenImStapel, env.UpDown8); };
  g.BrechnungStart();
  stapel = env.komplettchecks;
  QCOMPARE(stapel, 1);
  QCOMPARE(positionenImStapel, 5);
  QCOMPARE(env.zeilen.size(), 25);
  QVERIFY(env.liste);
  QCOMPARE(env.UpDown8, 25);
  QCOMPARE(env.UpDown8Max, 6500);
  QCOMPARE(env.panel[0], QStringLiteral("25 Rows"));
  // Position 1 is never compared with the list; from position 2 on every line counts. The
  // pool holds 1..6 only, so every tip shares four numbers or more with the line 1 2 3 4 5.
  Testlauf sechs;
  mitHistorie(sechs);
  offen(sechs.p);
  sechs.p.CheckBox27 = true;
  sechs.p.UpDown3 = 3;
  sechs.p.UpDown9 = 0;
  sechs.p.CheckBox20 = true;
  sechs.zahlenwahl = [](Werteliste& w) {
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, n <= 6, QStringLiteral("1"));
    return Zahlenwahlergebnis::rechnen;
  };
  sechs.UpDown7 = 1;
  sechs.liste = true;
  sechs.UpDown8 = 13;
  sechs.zeilen << zeile({1, 2, 3, 4, 5}) << zeile({50, 51, 52, 53, 54});
  Generierung g2(sechs);
  g2.Label28Click();
  QVERIFY(!leer(sechs, 1));
  QVERIFY(leer(sechs, 2));
  QCOMPARE(sechs.panel[1], sechs.meldungen.text(29));
}

void TstGenerierungslauf::listenmodusSchonErreicht() {
  Testlauf env;
  mitHistorie(env);
  env.liste = true;
  env.UpDown8 = 25;
  for (int i = 0; i < 25; ++i) env.zeilen << zeile({1, 2, 3, 4, 5});
  Generierung g(env);
  g.BrechnungStart();
  QCOMPARE(env.nachrichten, QStringList{"Es sind schon 25 Reihen erreicht"});
  QCOMPARE(env.zeilen.size(), 25);
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
  QCOMPARE(env.tippsberechnen, QString());
  QCOMPARE(env.eingaben, 0);
  QCOMPARE(env.UpDown8, 25);
}

void TstGenerierungslauf::listenmodusStapel() {
  // An empty list in the list view, 30 requested: 12, then 12, then 6.
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.liste = true;
  env.UpDown8Max = 6000;
  env.UpDown8 = 30;
  Generierung g(env);
  g.BrechnungStart();
  QCOMPARE(env.komplettchecks, 3);
  QCOMPARE(env.zeilen.size(), 30);
  QCOMPARE(env.UpDown8, 30);
}

void TstGenerierungslauf::listenmodusStoppBeendetStapel() {
  // No candidate passes: batch follows batch until the stop; the stopped batch is the last.
  Testlauf env;
  mitHistorie(env);
  env.p.CheckBox22 = true;
  env.p.UpDown10 = 6;
  env.UpDown7 = 1;
  env.liste = true;
  env.UpDown8 = 10;
  env.zeilen << zeile({1, 2, 3, 4, 5});
  Generierung g(env);
  env.beiEingabe = [&] {
    if (env.eingaben == 2500) g.BrechnungStart();  // the click during a run only stops it
  };
  g.BrechnungStart();
  QCOMPARE(env.komplettchecks, 3);
  QCOMPARE(env.zeilen.size(), 1);
  QCOMPARE(env.panel[1], env.meldungen.text(30));
}

void TstGenerierungslauf::listeBis6500() {
  // 6495 list lines, 6500 requested: five positions after the lines, all compared with them.
  Testlauf env;
  mitHistorie(env);
  env.p.UpDown3 = 4;
  env.p.UpDown9 = 0;
  env.liste = true;
  env.UpDown8Max = 6500;
  env.UpDown8 = 6500;
  for (int i = 0; i < 6495; ++i) {
    const int a = i % 51 + 1;
    env.zeilen << zeile({a, a + 1, a + 2, a + 3, (i / 51) % 55 + 1});
  }
  env.zeilen[100] = QStringLiteral("kaputt");
  Generierung g(env);
  g.BrechnungStart();
  QCOMPARE(env.zeilen.size(), 6500);
  QCOMPARE(env.UpDown8, 6500);
  for (int i = 6495; i < 6500; ++i) {
    const auto r = engine::listenzahlen(env.zeilen[i]);
    for (int m = 0; m < i; ++m) {
      const auto l = engine::listenzahlen(env.zeilen[m]);
      QVERIFY(gemeinsam(r, l) <= 4);
    }
  }
}

void TstGenerierungslauf::abbruchImDialog_data() {
  QTest::addColumn<bool>("liste");
  QTest::newRow("standard view") << false;
  QTest::newRow("list view") << true;
}

void TstGenerierungslauf::abbruchImDialog() {
  QFETCH(bool, liste);
  Testlauf env;
  mitHistorie(env);
  env.p.CheckBox20 = true;
  env.liste = liste;
  env.UpDown8 = liste ? 20 : 5;
  if (liste) env.zeilen << zeile({1, 2, 3, 4, 5});
  env.schein[3].felder[0] = QStringLiteral("9");
  env.zahlenwahl = [](Werteliste&) { return Zahlenwahlergebnis::abbruch; };
  Generierung g(env);
  g.BrechnungStart();
  QCOMPARE(env.zahlenwahlGezeigt, 1);  // the repetition ends too
  QVERIFY(g.ergebnis().abgebrochen);
  QVERIFY(leer(env, 3));
  QCOMPARE(env.zeilen.size(), liste ? 1 : 0);
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
  QVERIFY(env.sortieren && !env.sanduhrAn && !env.berechnunglaeuft);
  QCOMPARE(env.eingaben, 0);
  QCOMPARE(env.liste, liste);
  QCOMPARE(env.UpDown8, liste ? 20 : 5);
  QCOMPARE(env.UpDown8Max, liste ? 6500 : 12);
  QCOMPARE(env.datum1, QDate(2025, 2, 3));
}

void TstGenerierungslauf::fehler_data() {
  QTest::addColumn<bool>("liste");
  QTest::newRow("standard view") << false;
  QTest::newRow("list view") << true;
}

void TstGenerierungslauf::fehler() {
  QFETCH(bool, liste);
  Testlauf env;
  mitHistorie(env);
  env.historieFehler = true;
  env.liste = liste;
  env.UpDown8 = liste ? 20 : 5;
  if (liste) env.zeilen << zeile({1, 2, 3, 4, 5});
  Generierung g(env);
  QVERIFY_THROWS_EXCEPTION(plattform::Fehler, g.BrechnungStart());
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
  QVERIFY(env.sortieren && !env.sanduhrAn && !env.berechnunglaeuft);
  QCOMPARE(env.liste, liste);
  QCOMPARE(env.zeilen.size(), liste ? 1 : 0);
  QCOMPARE(env.UpDown8, liste ? 20 : 5);
  QCOMPARE(env.datum1, QDate(2025, 2, 3));
  QVERIFY(!g.laeuft());
}

void TstGenerierungslauf::fehlerNachLockerung() {
  // The history becomes unreadable after the pair rule was loosened: the error restores it.
  Testlauf env;
  mitHistorie(env);
  env.p.CheckBox10 = false;
  env.p.CheckBox8 = true;
  env.p.CheckBox25 = true;
  env.p.UpDown15 = 6;
  env.UpDown7 = 1;
  env.beiEingabe = [&] {
    if (env.eingaben == 600) {
      env.historieFehler = true;
      env.p.UpDown15 = 0;
      env.zahl = {};  // a nested command moved the current draw
    }
  };
  Generierung g(env);
  try {
    g.Label28Click();
    QFAIL("no error");
  } catch (const plattform::Fehler& f) {
    QVERIFY(f.text().contains("ZahlenQV.dat"));
  }
  QVERIFY(env.p.CheckBox8);
  QCOMPARE(env.zahl[1], int(env.saetze[399].Ziehungszahlen[0]));
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
}

void TstGenerierungslauf::topfZuKlein() {
  // Preferred numbers only and no band: nothing to draw from. The run ends as a used-up budget
  // would, without counting a candidate.
  Testlauf env;
  mitHistorie(env);
  env.p.CheckBox10 = false;
  env.p.CheckBox15 = true;
  env.UpDown8 = 12;
  Generierung g(env);
  g.Label28Click();
  QCOMPARE(g.ergebnis().Lauf, 0);
  QVERIFY(g.ergebnis().topfZuKlein);
  QCOMPARE(env.panel[1], env.meldungen.text(29));
  for (int t = 1; t <= 12; ++t) QVERIFY(leer(env, t));

  // Five numbers in the pool complete a locked row of three; four numbers complete nothing.
  for (int anzahl : {5, 4}) {
    Testlauf e;
    mitHistorie(e);
    offen(e.p);
    e.p.CheckBox20 = true;
    e.UpDown8 = 2;
    e.sperre(1, {"1", "2", "3", "", ""});
    e.zahlenwahl = [&](Werteliste& w) {
      for (int n = 1; n <= 55; ++n) w.setzeRoh(n, n <= anzahl, QStringLiteral("1"));
      return Zahlenwahlergebnis::rechnen;
    };
    Generierung g2(e);
    g2.Label28Click();
    if (anzahl == 5) {
      QCOMPARE(e.reihe(1), (Reihe5{1, 2, 3, 4, 5}));
      QCOMPARE(e.reihe(2), (Reihe5{1, 2, 3, 4, 5}));  // the only five numbers there are
    } else {
      QVERIFY(leer(e, 1));
      QCOMPARE(g2.ergebnis().Lauf, 0);
    }
  }
}

void TstGenerierungslauf::ansichtNachDemLauf() {
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.UpDown8 = 3;
  Generierung g(env);
  g.BrechnungStart();
  QVERIFY(!env.liste);
  QCOMPARE(env.zeilen.size(), 3);
  QCOMPARE(env.UpDown8Max, 6500);
  g.Berechnen1Click();
  QVERIFY(env.liste);
  QCOMPARE(env.zeilen.size(), 6);
}

void TstGenerierungslauf::knopftextDesErstenLaufs() {
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.UpDown8 = 1;
  Generierung g(env);
  g.Label28Click();
  QCOMPARE(env.tippsberechnen, QStringLiteral("Tipps berechnen"));
  env.knopf = QStringLiteral("Calculate tips");  // another language
  env.liste = false;
  g.Label28Click();
  QCOMPARE(env.knopf, QStringLiteral("Tipps berechnen"));
}

void TstGenerierungslauf::leereHistorie() {
  // Three zero draws; the statistics count nothing and the base numbers fill the tips.
  Testlauf env;
  env.UpDown8 = 3;
  Generierung g(env);
  g.Label28Click();
  for (int t = 1; t <= 3; ++t) QVERIFY(!leer(env, t));
  QCOMPARE(env.panel[1], env.meldungen.text(30));
}

void TstGenerierungslauf::enddatumJeKandidat_data() {
  QTest::addColumn<bool>("datumsfenster");
  QTest::newRow("date window") << true;
  QTest::newRow("recent draws") << false;
}

void TstGenerierungslauf::enddatumJeKandidat() {
  // Every candidate is 1 2 3 4 5, drawn on the end date. The user moves the end date back one
  // day while the run draws: from the next candidate on that draw lies outside the window.
  QFETCH(bool, datumsfenster);
  Testlauf env;
  mitHistorie(env);
  offen(env.p);
  env.saetze.push_back(Testlauf::ziehung(QDate(2025, 2, 4), {1, 2, 3, 4, 5}));
  env.dtp1 = QDate(2025, 2, 4);
  env.p.CheckBox9 = datumsfenster;
  env.p.UpDown6 = 5;
  env.p.CheckBox28 = !datumsfenster;
  env.p.UpDown17 = 5;
  env.p.CheckBox20 = true;
  env.zahlenwahl = [](Werteliste& w) {
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, n <= 5, QStringLiteral("1"));
    return Zahlenwahlergebnis::rechnen;
  };
  env.UpDown7 = 1;
  env.UpDown8 = 1;
  env.beiEingabe = [&] {
    if (env.eingaben == 3) env.dtp1 = QDate(2025, 2, 3);
  };
  Generierung g(env);
  g.Label28Click();
  QCOMPARE(env.reihe(1), (Reihe5{1, 2, 3, 4, 5}));
  QCOMPARE(env.eingaben, 3);
  QCOMPARE(env.panel[1], env.meldungen.text(30));
}

QTEST_GUILESS_MAIN(TstGenerierungslauf)
#include "tst_generierungslauf.moc"
