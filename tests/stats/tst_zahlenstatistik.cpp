#include <QtTest>

#include <cmath>
#include <limits>

#include "shell/meldungstabelle.h"
#include "stats/diagrammtitel.h"
#include "stats/zahlenstatistik.h"

using namespace statistik;

namespace {
const QDate kTag(2024, 3, 1);

Ziehung satz(const QDate& tag, std::array<int, 5> zahlen, bool mittag = false, int e1 = 0, int e2 = 0) {
  Ziehung z;
  z.setzeDatum(tag);
  for (std::size_t i = 0; i < 5; ++i) z.Ziehungszahlen[i] = static_cast<std::uint8_t>(zahlen[i]);
  z.Ziehungszahlen[5] = mittag ? 1 : 0;
  z.Ziehungszahlen[6] = static_cast<std::uint8_t>(e1);
  z.Ziehungszahlen[7] = static_cast<std::uint8_t>(e2);
  return z;
}

const Ziehungszeitfilter kBeide{true, true};
Fenster fenster(int vonTag, int bisTag) { return {kTag.addDays(vonTag), kTag.addDays(bisTag)}; }

QList<int> ys(const Zahlenstatistik& s) {
  QList<int> v;
  for (const Balken& b : s.balken) v << b.y;
  return v;
}
QList<int> xs(const Zahlenstatistik& s) {
  QList<int> v;
  for (const Balken& b : s.balken) v << b.x;
  return v;
}
QList<int> vonBis(int von, int bis) {
  QList<int> v;
  for (int x = von; x <= bis; ++x) v << x;
  return v;
}
// x of every bar with a count above 0.
QList<int> gesetzt(const Zahlenstatistik& s) {
  QList<int> v;
  for (const Balken& b : s.balken)
    if (b.y > 0) v << b.x;
  return v;
}

// Day 0: 13:00 and 20:30; day 1: 20:30; day 2: 13:00.
std::vector<Ziehung> dreiTage() {
  return {satz(kTag, {1, 2, 3, 4, 5}, true), satz(kTag, {10, 20, 30, 40, 50}, false),
          satz(kTag.addDays(1), {2, 3, 4, 11, 53}, false), satz(kTag.addDays(2), {5, 6, 7, 8, 9}, true)};
}
}  // namespace

class TstZahlenstatistik : public QObject {
  Q_OBJECT
 private slots:
  // Which records count: the window, the draw-time filter, unreadable dates and numbers.
  void gezaehlteZiehungen_data() {
    QTest::addColumn<int>("von");
    QTest::addColumn<int>("bis");
    QTest::addColumn<bool>("mittag");
    QTest::addColumn<bool>("abend");
    QTest::addColumn<bool>("kaputt");  // adds a record of an unreadable date and one with a 56 and a 0
    QTest::addColumn<int>("ziehungen");
    QTest::newRow("ganzes Fenster") << 0 << 2 << true << true << false << 4;
    QTest::newRow("Start nach Ende") << 2 << 0 << true << true << false << 0;
    QTest::newRow("beide Zeiten aus") << 0 << 2 << false << false << false << 0;
    QTest::newRow("ein Tag, zwei Ziehungen") << 0 << 0 << true << true << false << 2;
    QTest::newRow("nur 13:00") << 0 << 2 << true << false << false << 2;
    QTest::newRow("nur 20:30") << 0 << 2 << false << true << false << 2;
    QTest::newRow("Ende zaehlt mit") << 1 << 2 << true << true << false << 2;
    QTest::newRow("kaputte Saetze zaehlen nie") << 0 << 2 << true << true << true << 4;
  }
  void gezaehlteZiehungen() {
    QFETCH(int, von);
    QFETCH(int, bis);
    QFETCH(bool, mittag);
    QFETCH(bool, abend);
    QFETCH(bool, kaputt);
    QFETCH(int, ziehungen);
    std::vector<Ziehung> v = dreiTage();
    if (kaputt) {
      Ziehung ohneDatum = satz(kTag, {1, 2, 3, 4, 5});
      ohneDatum.Ziehungstag = std::numeric_limits<double>::quiet_NaN();
      v.insert(v.begin() + 1, ohneDatum);
      v.push_back(satz(kTag.addDays(1), {1, 2, 56, 4, 5}));
      v.push_back(satz(kTag.addDays(1), {0, 2, 3, 4, 5}));
    }
    const Fenster f = fenster(von, bis);
    const Ziehungszeitfilter filter{mittag, abend};
    const Zahlenstatistik h = haeufigkeit(v, f, filter);
    QCOMPARE(h.zahlen.ziehungen, ziehungen);
    int summe = 0;
    for (const Balken& b : h.balken) summe += b.y;
    QCOMPARE(summe, 5 * ziehungen);
    QCOMPARE(quersummen(v, f, filter).zahlen.ziehungen, ziehungen);
    QCOMPARE(paare(v, f, filter).zahlen.ziehungen, ziehungen);
    QCOMPARE(dreier(v, f, filter).zahlen.ziehungen, ziehungen);
    QCOMPARE(vierer(v, f, filter).zahlen.ziehungen, ziehungen);
    QCOMPARE(ueberfaellige(v, f, filter).zahlen.ziehungen, ziehungen);
    if (ziehungen == 0) {
      QCOMPARE(ys(h), QList<int>(55, 0));
      QCOMPARE(h.minimum, 0);
      QCOMPARE(h.maximum, 0);
      QCOMPARE(h.zahlen.durchschnitt, 0);
      QCOMPARE(ys(ueberfaellige(v, f, filter)), QList<int>(55, 1));
    }
  }

  void haeufigkeitBalkenUndBereich() {
    const Zahlenstatistik s = haeufigkeit(dreiTage(), fenster(0, 2), kBeide);
    QCOMPARE(xs(s), vonBis(1, 55));
    QCOMPARE(s.y(2), 2);
    QCOMPARE(s.y(53), 1);
    QCOMPARE(s.y(55), 0);
    QCOMPARE(s.minimum, 0);
    QCOMPARE(s.maximum, 2);
    QCOMPARE(s.bereich, Bereichsart::explizit);
  }

  void durchschnittHalbZurGeraden_data() {
    QTest::addColumn<QList<int>>("summen");
    QTest::addColumn<int>("durchschnitt");
    QTest::newRow("140,5 -> 140") << QList<int>{140, 141} << 140;
    QTest::newRow("141,5 -> 142") << QList<int>{141, 142} << 142;
    QTest::newRow("140,33 -> 140") << QList<int>{140, 140, 141} << 140;
    QTest::newRow("140,67 -> 141") << QList<int>{140, 141, 141} << 141;
  }
  void durchschnittHalbZurGeraden() {
    QFETCH(QList<int>, summen);
    QFETCH(int, durchschnitt);
    std::vector<Ziehung> v;
    for (int q : summen) v.push_back(satz(kTag, {20, 30, 40, 45, q - 135}));
    QCOMPARE(haeufigkeit(v, fenster(0, 0), kBeide).zahlen.durchschnitt, durchschnitt);
    QCOMPARE(quersummen(v, fenster(0, 0), kBeide).zahlen.durchschnitt, durchschnitt);
  }

  void quersummenBalken() {
    const std::vector<Ziehung> v{satz(kTag, {10, 20, 30, 15, 25}), satz(kTag, {10, 20, 30, 15, 35}),
                                 satz(kTag, {10, 20, 30, 15, 25})};
    const Zahlenstatistik s = statistik::quersummen(v, fenster(0, 0), kBeide);
    QCOMPARE(xs(s), vonBis(100, 110));
    QCOMPARE(s.y(100), 2);
    QCOMPARE(s.y(110), 1);
    QCOMPARE(ys(s).count(0), 9);
    QCOMPARE(s.bereich, Bereichsart::automatisch);
    QCOMPARE(s.minimum, 0);
    QCOMPARE(s.maximum, 2);
    QCOMPARE(s.zahlen.durchschnitt, 103);

    const Zahlenstatistik leer = statistik::quersummen(v, fenster(1, 1), kBeide);
    QVERIFY(leer.balken.empty());
    QCOMPARE(leer.maximum, 0);
    QCOMPARE(leer.zahlen.durchschnitt, 0);
  }

  // Each draw alone: which start numbers get a bar, per group length.
  void gruppenBalken_data() {
    QTest::addColumn<QList<int>>("zug");
    QTest::addColumn<QList<int>>("paarBalken");
    QTest::addColumn<QList<int>>("dreierBalken");
    QTest::addColumn<QList<int>>("viererBalken");
    QTest::newRow("1 bis 5") << QList<int>{3, 1, 5, 2, 4} << QList<int>{1, 2, 3, 4} << QList<int>{1, 2, 3}
                             << QList<int>{1, 2};
    QTest::newRow("obere Enden") << QList<int>{52, 1, 53, 54, 55} << QList<int>{52, 53, 54} << QList<int>{52, 53}
                                 << QList<int>{52};
    QTest::newRow("keine Gruppe") << QList<int>{1, 3, 5, 7, 55} << QList<int>{} << QList<int>{} << QList<int>{};
    // A number stored twice is drawn once: 5 and 6 are no pair.
    QTest::newRow("doppelte Zahl") << QList<int>{5, 5, 14, 23, 38} << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("doppelt im Paar") << QList<int>{5, 5, 6, 23, 38} << QList<int>{5} << QList<int>{}
                                     << QList<int>{};
  }
  void gruppenBalken() {
    QFETCH(QList<int>, zug);
    QFETCH(QList<int>, paarBalken);
    QFETCH(QList<int>, dreierBalken);
    QFETCH(QList<int>, viererBalken);
    const std::vector<Ziehung> v{satz(kTag, {zug[0], zug[1], zug[2], zug[3], zug[4]})};
    const Zahlenstatistik p = paare(v, fenster(0, 0), kBeide);
    const Zahlenstatistik d = dreier(v, fenster(0, 0), kBeide);
    const Zahlenstatistik q = vierer(v, fenster(0, 0), kBeide);
    QCOMPARE(xs(p), vonBis(1, 54));
    QCOMPARE(xs(d), vonBis(1, 53));
    QCOMPARE(xs(q), vonBis(1, 55));
    QCOMPARE(gesetzt(p), paarBalken);
    QCOMPARE(gesetzt(d), dreierBalken);
    QCOMPARE(gesetzt(q), viererBalken);
    QCOMPARE(p.zahlen.gefunden, paarBalken.size());
    QCOMPARE(d.zahlen.gefunden, dreierBalken.size());
    QCOMPARE(q.zahlen.gefunden, viererBalken.size());
  }

  void gruppenBereichUndLetzterSatz() {
    // 13:00 and 20:30 of the end day last; a later day lies outside the window.
    const std::vector<Ziehung> v{satz(kTag, {1, 2, 3, 4, 5}, false), satz(kTag.addDays(1), {1, 2, 3, 10, 20}, true),
                                 satz(kTag.addDays(1), {2, 3, 4, 30, 40}, false),
                                 satz(kTag.addDays(2), {7, 8, 9, 10, 11}, false)};
    const Zahlenstatistik p = paare(v, fenster(0, 1), kBeide);
    QCOMPARE(p.y(2), 3);
    QCOMPARE(p.y(1), 2);
    QCOMPARE(p.minimum, 0);
    QCOMPARE(p.maximum, 3);
    QCOMPARE(p.bereich, Bereichsart::explizit);
    QCOMPARE(p.zahlen.ziehungen, 3);
    QCOMPARE(p.zahlen.gefunden, 4 + 2 + 2);
    QVERIFY(p.letzterGezaehlter.has_value());
    QCOMPARE(*p.letzterGezaehlter, v[2]);
    QCOMPARE(*paare(v, fenster(0, 1), {true, false}).letzterGezaehlter, v[1]);
    QVERIFY(!paare(v, fenster(5, 6), kBeide).letzterGezaehlter.has_value());

    const Zahlenstatistik q = vierer(v, fenster(0, 2), kBeide);
    QCOMPARE(q.bereich, Bereichsart::automatisch);
    QCOMPARE(q.minimum, 0);
    QCOMPARE(gesetzt(q), (QList<int>{1, 2, 7, 8}));
    QCOMPARE(q.maximum, 1);
    const Zahlenstatistik d = dreier(v, fenster(0, 2), kBeide);
    QCOMPARE(d.minimum, 0);
    QCOMPARE(d.maximum, 2);
    QCOMPARE(d.y(1), 2);
    QCOMPARE(d.y(2), 2);
    QCOMPARE(d.y(3), 1);
  }

  void ueberfaelligeWerte() {
    // Ten draws: 1 in the last, 2 in the seventh, 55 in none, 3 in every one.
    std::vector<Ziehung> v;
    for (int i = 1; i <= 10; ++i)
      v.push_back(satz(kTag.addDays(i), {3, i == 10 ? 1 : 40, i == 7 ? 2 : 41, 10 + i, 20 + i}));
    const Zahlenstatistik s = statistik::ueberfaellige(v, fenster(1, 10), kBeide);
    QCOMPARE(xs(s), vonBis(1, 55));
    QCOMPARE(s.y(1), 1);
    QCOMPARE(s.y(3), 1);
    QCOMPARE(s.y(2), 4);
    QCOMPARE(s.y(40), 2);
    QCOMPARE(s.y(55), 11);
    QCOMPARE(s.minimum, 1);
    QCOMPARE(s.maximum, 11);
    QCOMPARE(s.bereich, Bereichsart::explizit);
  }

  void paareMitNSpalte() {
    // Mittag set on one record: pairs with N take no filter.
    const std::vector<Ziehung> v{satz(kTag, {1, 2, 3, 4, 5}, true), satz(kTag, {8, 7, 6, 2, 1}),
                                 satz(kTag.addDays(1), {2, 3, 9, 10, 11}), satz(kTag.addDays(3), {2, 3, 4, 5, 6})};
    const Zahlenstatistik s = statistik::paareMitN(v, fenster(0, 1), 2);
    QCOMPARE(xs(s), vonBis(1, 55));
    QCOMPARE(s.y(2), 0);
    QCOMPARE(s.y(1), 2);
    QCOMPARE(s.y(3), 2);
    QCOMPARE(s.y(4), 1);
    QCOMPARE(s.y(11), 1);
    QCOMPARE(s.y(12), 0);
    QCOMPARE(s.minimum, 0);
    QCOMPARE(s.maximum, 2);
    QCOMPARE(s.bereich, Bereichsart::explizit);
    const PaareMitNZahlen& p = s.zahlen.paare;
    QCOMPARE(p.n, 2);
    QCOMPARE(p.gesamt, 60);
    // Scan order: column b outer, row a inner; the first strictly larger or smaller wins.
    QCOMPARE((QList<int>{p.maxA, p.maxB, p.maxWert}), (QList<int>{2, 1, 2}));
    QCOMPARE((QList<int>{p.minA, p.minB, p.minWert}), (QList<int>{9, 1, 0}));
    QCOMPARE((QList<int>{p.spalteMaxA, p.spalteMax}), (QList<int>{1, 2}));
    QCOMPARE((QList<int>{p.spalteMinA, p.spalteMin}), (QList<int>{12, 0}));
    QCOMPARE(p.spalteGesamt, 12);

    Meldungstabelle m;
    QCOMPARE(titel(Statistikart::paareMitN, s, m),
             QStringLiteral("Max (2,1): 2   Min (9,1): 0   Paare gesamt:60  Max (2,1): 2  Min (2,12): 0  Paare mit 2: 12"));

    // A number that no counted draw holds: 55 bars of 0, range 0..0.
    const Zahlenstatistik leer = statistik::paareMitN(v, fenster(0, 1), 55);
    QCOMPARE(ys(leer), QList<int>(55, 0));
    QCOMPARE(leer.minimum, 0);
    QCOMPARE(leer.maximum, 0);
    QCOMPARE(leer.zahlen.paare.spalteGesamt, 0);
  }

  void paareMitNDoppelteZahl() {
    const std::vector<Ziehung> v{satz(kTag, {5, 5, 14, 23, 38})};
    const Zahlenstatistik s = statistik::paareMitN(v, fenster(0, 0), 5);
    QCOMPARE(s.y(5), 0);
    QCOMPARE(s.y(14), 1);
    QCOMPARE(s.zahlen.paare.gesamt, 12);  // four different numbers
    QCOMPARE(s.zahlen.paare.spalteGesamt, 3);
  }

  void sternzahlen() {
    // The start day never counts for the overdue; 11 lies above SternenzahlMax and touches nothing.
    const std::vector<Ziehung> v{satz(kTag, {1, 2, 3, 4, 5}, false, 4, 4), satz(kTag.addDays(1), {1, 2, 3, 4, 5}),
                                 satz(kTag.addDays(2), {1, 2, 3, 4, 5}, false, 3, 7),
                                 satz(kTag.addDays(3), {1, 2, 3, 4, 5}, false, 11, 0)};
    const Zahlenstatistik u = sternUeberfaellige(v, fenster(0, 3), 10);
    QCOMPARE(xs(u), vonBis(1, 10));
    QCOMPARE(ys(u), (QList<int>{3, 3, 2, 3, 3, 3, 2, 3, 3, 3}));
    QCOMPARE(u.minimum, 2);
    QCOMPARE(u.maximum, 3);
    QCOMPARE(u.zahlen.ziehungen, 3);
    QCOMPARE(xs(sternUeberfaellige(v, fenster(0, 3), 8)), vonBis(1, 8));
    // Downloaded records carry 0: every bar is the number of counted draws.
    QCOMPARE(ys(sternUeberfaellige({}, fenster(0, 3), 10)), QList<int>(10, 0));

    const Zahlenstatistik h = sternHaeufigkeit(v, fenster(0, 3), 10);
    QCOMPARE(ys(h), (QList<int>{0, 0, 1, 2, 0, 0, 1, 0, 0, 0}));
    QCOMPARE(h.minimum, 0);
    QCOMPARE(h.maximum, 2);
  }

  void tippverteilungAusListe_data() {
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QList<int>>("gezaehlt");  // every counted number, once per count
    QTest::newRow("kurze Zeilen") << QStringList{"1\t2\t3\t4\t53", "1\t6\t7\t8\t9"}
                                  << QList<int>{1, 1, 2, 3, 4, 6, 7, 8, 9, 53};
    QTest::newRow("lange Zeilen ohne Extras") << QStringList{"1\t2\t3\t4\t5\t\t\t9\t10"}
                                              << QList<int>{1, 2, 3, 4, 5};
    // A line of three fields: the fourth is empty and ends the counting.
    QTest::newRow("kurze Zeile endet") << QStringList{"1\t2\t3", "4\t5\t6\t7\t8"} << QList<int>{1, 2, 3};
    QTest::newRow("ausser Bereich wird uebergangen") << QStringList{"0\t2\t60\t4\t5", "6\t7\t8\t9\t10"}
                                                     << QList<int>{2, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("Text endet") << QStringList{"1\t2\tx\t4\t5", "6\t7\t8\t9\t10"} << QList<int>{1, 2};
    QTest::newRow("leer") << QStringList{} << QList<int>{};
  }
  void tippverteilungAusListe() {
    QFETCH(QStringList, zeilen);
    QFETCH(QList<int>, gezaehlt);
    const Zahlenstatistik s = statistik::tippverteilungListe(zeilen);
    QCOMPARE(xs(s), vonBis(1, 55));
    QList<int> ist;
    for (const Balken& b : s.balken)
      for (int i = 0; i < b.y; ++i) ist << b.x;
    QCOMPARE(ist, gezaehlt);
    QCOMPARE(s.minimum, 0);
    int groesste = 0;
    for (int x : gezaehlt) groesste = std::max(groesste, static_cast<int>(gezaehlt.count(x)));
    QCOMPARE(s.maximum, groesste);
  }

  void tippverteilungAusSchein() {
    std::array<std::array<QString, 5>, 12> zeilen{};
    for (int r : {0, 1, 2, 3, 4, 8}) zeilen[static_cast<std::size_t>(r)] = {"1", "2", "3", "4", QString::number(50 + r)};
    Zahlenstatistik s = statistik::tippverteilungSchein(zeilen);
    QCOMPARE(s.y(1), 6);
    QCOMPARE(s.y(58), 0);
    QCOMPARE(s.y(54), 1);
    QCOMPARE(s.maximum, 6);
    QCOMPARE(s.minimum, 0);
    // A row of two numbers ends the counting at its first empty field.
    zeilen[2] = {"7", "8", "", "", ""};
    s = statistik::tippverteilungSchein(zeilen);
    QCOMPARE(s.y(1), 2);
    QCOMPARE(s.y(7), 1);
    QCOMPARE(s.y(8), 1);
    QCOMPARE(s.y(52), 0);
    QCOMPARE(s.y(54), 0);
  }

  void titelTexte_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("text");
    QTest::newRow("Haeufigkeit") << int(Statistikart::haeufigkeit)
                                 << "Zahlenverteilung     Ziehungen : 1460    Quersumme: 140";
    QTest::newRow("Quersummen") << int(Statistikart::quersummen)
                                << "Quersummenverteilung    Ziehungen : 1460     Quersumme: 140";
    QTest::newRow("Paare") << int(Statistikart::paare) << "Ziehungen : 1460        Paare gefunden :  77";
    QTest::newRow("Dreier") << int(Statistikart::dreier) << "Ziehungen : 1460        Dreier gefunden :  77";
    QTest::newRow("Vierer") << int(Statistikart::vierer) << "Ziehungen : 1460        Vierer gefunden!77";
    QTest::newRow("Ueberfaellige") << int(Statistikart::ueberfaellige)
                                   << "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?";
    QTest::newRow("Sterne") << int(Statistikart::sternUeberfaellige)
                            << "Welche Eurozahl wurde am längsten nicht gezogen?";
    QTest::newRow("Tipps") << int(Statistikart::tippverteilung) << "Zahlenverteilung des Tippes";
  }
  void titelTexte() {
    QFETCH(int, art);
    QFETCH(QString, text);
    Zahlenstatistik s;
    s.zahlen.ziehungen = 1460;
    s.zahlen.durchschnitt = 140;
    s.zahlen.gefunden = 77;
    QCOMPARE(statistik::titel(static_cast<Statistikart>(art), s, Meldungstabelle()), text);
  }

  void primzahlen() {
    QList<int> prim;
    for (int x = 0; x <= 60; ++x)
      if (istPrimzahl(x)) prim << x;
    QCOMPARE(prim, (QList<int>{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53}));
  }
};

QTEST_GUILESS_MAIN(TstZahlenstatistik)
#include "tst_zahlenstatistik.moc"
