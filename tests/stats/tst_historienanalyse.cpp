#include <QtTest>

#include "plattform/formate.h"
#include "hilfen/historie.h"
#include "shell/tippcheck.h"
#include "stats/historienanalyse.h"

#include <random>

namespace {

const QDate kTag(2021, 5, 3);

// Six draws on three days, worked out by hand below.
std::vector<Ziehung> sechs() {
  return {satz(kTag, {1, 2, 3, 4, 5}, true),          satz(kTag, {1, 2, 3, 6, 7}, false),
          satz(kTag.addDays(1), {1, 2, 8, 9, 10}, true), satz(kTag.addDays(1), {1, 11, 12, 13, 14}, false),
          satz(kTag.addDays(2), {4, 5, 6, 7, 8}, true),  satz(kTag.addDays(2), {20, 21, 22, 23, 24}, false)};
}

struct Protokoll : Analysefenster {
  QList<bool> antworten;  // empty: Yes
  QList<Analysestand> fragen;
  bool weiter(const Analysestand& s) override {
    fragen << s;
    return antworten.isEmpty() ? true : antworten.takeFirst();
  }
};

Analyseeingabe eingabe(int d, const QDate& gewaehlt, const QDate& beginn, int schwelle = 6,
                       Ziehungszeitfilter filter = {}) {
  Analyseeingabe e;
  e.d = d;
  e.gewaehlt = gewaehlt;
  e.beginn = beginn;
  e.schwelle = schwelle;
  e.filter = filter;
  return e;
}

using Tabelle = QList<int>;
Tabelle alsListe(const Analysetabelle& t) { return Tabelle(t.begin(), t.end()); }

// The cycles as they read: every record of the window compared through the single-tip check
// with the first row's texts, the next draw by the panel's rule, ending when there is none.
// Each comparison that reaches the threshold is a question (D, record); the answer to question
// neinBei (counted from 0) is No.
using Frage = QPair<int, int>;
Analysetabellen nachDerRegel(const std::vector<Ziehung>& saetze, const Analyseeingabe& ein,
                             QList<Frage>* fragen = nullptr, int neinBei = -1) {
  Analysetabellen t;
  std::optional<qint64> letzter;
  for (auto it = saetze.rbegin(); it != saetze.rend() && !letzter; ++it) letzter = it->tag();
  int d = ein.d;
  bool erster = true;
  for (;;) {
    const Zeilentexte zeile = ersteZeile(saetze[static_cast<std::size_t>(d)], ein.sternenzahlMax);
    auto vergleich = [&](const Ziehung& z) {
      std::array<int, 9> zahl{};
      for (int k = 1; k <= 8; ++k) zahl[static_cast<std::size_t>(k)] = z.zahl(k);
      tippcheck::Trefferstand s;
      tippcheck::Zettelcheck(zahl, {zeile[0], zeile[1], zeile[2], zeile[3], zeile[4], zeile[5], zeile[6]}, s);
      return std::min(s.Gewinn, 6);
    };
    const auto dtag = saetze[static_cast<std::size_t>(d)].tag();
    const auto start = static_cast<qint64>(plattform::alsTagzahl(erster ? ein.gewaehlt : ein.beginn));
    for (std::size_t i = 0; i < saetze.size(); ++i) {
      const auto tag = saetze[i].tag();
      if (!dtag || !tag || *tag < start || *tag >= *dtag) continue;
      const int g = vergleich(saetze[i]);
      ++t.vorgaenger[static_cast<std::size_t>(g)];
      if (g < ein.schwelle) continue;
      if (fragen) *fragen << Frage(d, static_cast<int>(i));
      if (fragen && fragen->size() - 1 == neinBei) return t;
    }
    const int n = naechsterSatz(saetze, d, ein.filter);
    if (n == d) return t;
    const auto ntag = saetze[static_cast<std::size_t>(n)].tag();
    if (ntag) ++t.naechste[static_cast<std::size_t>(vergleich(saetze[static_cast<std::size_t>(n)]))];
    if (!ntag || !letzter || *ntag >= *letzter) return t;
    d = n;
    erster = false;
  }
}

Ziehung ohneDatum(const Ziehung& z) {
  Ziehung k = z;
  k.Ziehungstag = std::numeric_limits<double>::infinity();
  return k;
}

}  // namespace

class TstHistorienanalyse : public QObject {
  Q_OBJECT
 private slots:
  void zyklen_data() {
    QTest::addColumn<int>("d");
    QTest::addColumn<QDate>("gewaehlt");
    QTest::addColumn<QDate>("beginn");
    QTest::addColumn<bool>("mittag");
    QTest::addColumn<bool>("abend");
    QTest::addColumn<Tabelle>("vorgaenger");
    QTest::addColumn<Tabelle>("naechste");
    QTest::addColumn<int>("zyklen");
    QTest::addColumn<int>("letztesD");
    QTest::addColumn<int>("naechster");
    // The day's other draw never counts; the cycles end when the 13:00 draw of the last day
    // becomes D, which is never analysed itself.
    QTest::newRow("beide Zeiten") << 0 << kTag << kTag << true << true << Tabelle{0, 2, 2, 0, 0, 0, 0}
                                  << Tabelle{1, 1, 1, 1, 0, 0, 0} << 4 << 3 << 4;
    // The first cycle's window starts at the chosen date, later ones at the start date.
    QTest::newRow("erster Zyklus ab gewaehltem Datum") << 2 << kTag.addDays(1) << kTag << true << true
                                                       << Tabelle{0, 2, 0, 0, 0, 0, 0} << Tabelle{1, 1, 0, 0, 0, 0, 0} << 2
                                                       << 3 << 4;
    // Only 20:30: after the first step the next draw lies two records on.
    QTest::newRow("nur Abend") << 0 << kTag << kTag << false << true << Tabelle{0, 2, 0, 0, 0, 0, 0}
                               << Tabelle{1, 1, 0, 1, 0, 0, 0} << 3 << 3 << 5;
    // A chosen date after the newest draw: D is the last record, there is no next draw.
    QTest::newRow("nach der neuesten Ziehung") << 5 << kTag.addDays(9) << kTag << true << true
                                               << Tabelle{0, 0, 0, 0, 0, 0, 0} << Tabelle{0, 0, 0, 0, 0, 0, 0} << 1 << 5
                                               << -1;
    QTest::newRow("spaeter Beginn") << 0 << kTag << kTag.addDays(1) << true << true << Tabelle{0, 0, 0, 0, 0, 0, 0}
                                    << Tabelle{1, 1, 1, 1, 0, 0, 0} << 4 << 3 << 4;
  }
  void zyklen() {
    QFETCH(int, d);
    QFETCH(QDate, gewaehlt);
    QFETCH(QDate, beginn);
    QFETCH(bool, mittag);
    QFETCH(bool, abend);
    QFETCH(Tabelle, vorgaenger);
    QFETCH(Tabelle, naechste);
    QFETCH(int, zyklen);
    QFETCH(int, letztesD);
    QFETCH(int, naechster);
    Protokoll p;
    const Analyseergebnis e = analysiere(sechs(), eingabe(d, gewaehlt, beginn, 6, {mittag, abend}), p);
    QVERIFY(p.fragen.isEmpty());
    QVERIFY(!e.abgebrochen);
    QCOMPARE(alsListe(e.tabellen.vorgaenger), vorgaenger);
    QCOMPARE(alsListe(e.tabellen.naechste), naechste);
    QCOMPARE(e.zyklen, zyklen);
    QCOMPARE(e.ende.d, letztesD);
    QCOMPARE(e.ende.naechster, naechster);
    QCOMPARE(e.ende.aktuell, -1);
  }

  void einSatz() {
    Protokoll p;
    const Analyseergebnis e = analysiere({satz(kTag, {1, 2, 3, 4, 5}, true)}, eingabe(0, kTag, kTag, 0), p);
    QVERIFY(p.fragen.isEmpty());
    QCOMPARE(e.zyklen, 1);
    QCOMPARE(alsListe(e.tabellen.naechste), (Tabelle{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(e.ende.naechster, -1);
    QCOMPARE(e.ende.bis, kTag.addDays(10));
  }

  // Threshold 2: the first comparisons of the third cycle ask; each question carries the
  // cycle's state, No ends at once with the counts so far.
  void fragen() {
    Protokoll p;
    p.antworten = {true, false};
    const Analyseergebnis e = analysiere(sechs(), eingabe(0, kTag, kTag, 2), p);
    QCOMPARE(p.fragen.size(), 2);
    const Analysestand& s = p.fragen[1];
    QCOMPARE(s.d, 2);
    QCOMPARE(s.vorher, 1);
    QCOMPARE(s.aktuell, 1);
    QCOMPARE(s.bis, kTag.addDays(2));
    QCOMPARE(p.fragen[0].aktuell, 0);
    QVERIFY(e.abgebrochen);
    QCOMPARE(e.ende.aktuell, 1);
    QCOMPARE(alsListe(e.tabellen.vorgaenger), (Tabelle{0, 0, 2, 0, 0, 0, 0}));

    Protokoll alle;
    analysiere(sechs(), eingabe(0, kTag, kTag, 0), alle);
    QVERIFY(!alle.fragen.isEmpty());
    QCOMPARE(alle.fragen[0].d, 2);  // the first two cycles compare with nothing
  }

  // Records that repeat a number and one whose date cannot be read: counts stay in the
  // table, the unreadable record is never compared.
  void fremdeSaetze() {
    const std::vector<Ziehung> v{satz(kTag, {5, 5, 5, 5, 5}, true), ohneDatum(satz(kTag, {5, 5, 5, 5, 5}, false)),
                                 satz(kTag.addDays(1), {5, 5, 5, 5, 5}, true), satz(kTag.addDays(1), {5, 5, 5, 5, 5}, false),
                                 satz(kTag.addDays(2), {0, 56, 200, 5, 5}, true), satz(kTag.addDays(3), {1, 2, 3, 4, 5}, true)};
    Protokoll p;
    // The next draw of record 0 has no date: not counted, and the cycles end there.
    const Analyseergebnis e = analysiere(v, eingabe(0, kTag, kTag, 99), p);
    QCOMPARE(e.zyklen, 1);
    QCOMPARE(alsListe(e.tabellen.naechste), (Tabelle{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(e.ende.naechster, 1);
    // 5,5,5,5,5 against itself gives 25 hits, against 0,56,200,5,5 ten: both count in entry 6.
    // The row of 0,56,200,5,5 reads "", "", "", "5", "5" after the field check: no hits.
    const Analyseergebnis ab2 = analysiere(v, eingabe(2, kTag.addDays(1), kTag, 99), p);
    QCOMPARE(ab2.zyklen, 3);
    QCOMPARE(alsListe(ab2.tabellen.vorgaenger), (Tabelle{3, 0, 0, 0, 0, 0, 1}));
    QCOMPARE(alsListe(ab2.tabellen.naechste), (Tabelle{1, 0, 0, 0, 0, 0, 2}));
  }

  void ersteZeileWieDieFelder() {
    const Zeilentexte t = ersteZeile(satz(kTag, {0, 12, 55, 56, 3}, true, 0, 10), 10);
    const Zeilentexte erwartet{"", "12", "55", "", "3", "", "10"};
    QCOMPARE(t, erwartet);
    QCOMPARE(ersteZeile(satz(kTag, {1, 2, 3, 4, 5}, true, 9, 9), 8)[5], QString());
  }

  // The same counts as the cycles read, over random histories with repeats, foreign numbers,
  // draws missing from the alternation and both ways of filtering.
  void wieDieRegel() {
    std::mt19937 zufall(2103);
    std::uniform_int_distribution<int> w(0, 99);
    for (int runde = 0; runde < 200; ++runde) {
      std::vector<Ziehung> v;
      QDate tag(2019, 1, 1);
      const int n = 1 + w(zufall) % 40;
      for (int i = 0; i < n; ++i) {
        if (w(zufall) < 40) tag = tag.addDays(1 + w(zufall) % 2);
        std::array<int, 5> z{};
        for (int& x : z) x = w(zufall) < 95 ? 1 + w(zufall) % 12 : w(zufall) * 2;
        v.push_back(satz(tag, z, w(zufall) < 50));
      }
      const int d = w(zufall) % n;
      const Ziehungszeitfilter f{w(zufall) < 70, w(zufall) < 70};
      const Analyseeingabe ein = eingabe(d, v[static_cast<std::size_t>(d)].datum().addDays(-(w(zufall) % 3)),
                                         QDate(2019, 1, 1).addDays(w(zufall) % 10), 99, f);
      Protokoll p;
      const Analyseergebnis e = analysiere(v, ein, p);
      const Analysetabellen r = nachDerRegel(v, ein);
      QCOMPARE(alsListe(e.tabellen.vorgaenger), alsListe(r.vorgaenger));
      QCOMPARE(alsListe(e.tabellen.naechste), alsListe(r.naechste));
      // A record without a date takes the walk off the road of a history in date order.
      v.insert(v.begin() + w(zufall) % n, ohneDatum(v.back()));
      const Analyseergebnis mit = analysiere(v, ein, p);
      const Analysetabellen rm = nachDerRegel(v, ein);
      QCOMPARE(alsListe(mit.tabellen.vorgaenger), alsListe(rm.vorgaenger));
      QCOMPARE(alsListe(mit.tabellen.naechste), alsListe(rm.naechste));
    }
  }

  // The questions at a threshold the draws reach: the same ones in the same order as the
  // cycles read, over histories mostly of five different numbers (the counting in runs); No at
  // one of them ends the counts there.
  void fragenWieDieRegel() {
    std::mt19937 zufall(2104);
    std::uniform_int_distribution<int> w(0, 99);
    for (int runde = 0; runde < 300; ++runde) {
      std::vector<Ziehung> v;
      QDate tag(2019, 1, 1);
      const int n = 1 + w(zufall) % 60;
      std::array<int, 12> topf{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
      for (int i = 0; i < n; ++i) {
        if (w(zufall) < 40) tag = tag.addDays(1);
        std::shuffle(topf.begin(), topf.end(), zufall);
        std::array<int, 5> z{topf[0], topf[1], topf[2], topf[3], topf[4]};
        if (w(zufall) < 3) z[1] = z[0];  // now and then a repeat: that run is counted record-wise
        v.push_back(satz(tag, z, w(zufall) < 50));
      }
      const int d = w(zufall) % n;
      const int schwelle = w(zufall) % 7;
      Analyseeingabe ein = eingabe(d, v[static_cast<std::size_t>(d)].datum().addDays(-(w(zufall) % 3)),
                                   QDate(2019, 1, 1), schwelle, Ziehungszeitfilter{true, true});
      QList<Frage> erwartet;
      const Analysetabellen r = nachDerRegel(v, ein, &erwartet);
      Protokoll p;
      const Analyseergebnis e = analysiere(v, ein, p);
      QList<Frage> gefragt;
      for (const Analysestand& s : p.fragen) gefragt << Frage(s.d, s.aktuell);
      QCOMPARE(gefragt, erwartet);
      QCOMPARE(alsListe(e.tabellen.vorgaenger), alsListe(r.vorgaenger));
      QCOMPARE(alsListe(e.tabellen.naechste), alsListe(r.naechste));
      if (erwartet.isEmpty()) continue;
      const int nein = w(zufall) % static_cast<int>(erwartet.size());
      QList<Frage> bisNein;
      const Analysetabellen rn = nachDerRegel(v, ein, &bisNein, nein);
      Protokoll pn;
      for (int k = 0; k < nein; ++k) pn.antworten << true;
      pn.antworten << false;
      const Analyseergebnis en = analysiere(v, ein, pn);
      QVERIFY(en.abgebrochen);
      QCOMPARE(pn.fragen.size(), nein + 1);
      QCOMPARE(alsListe(en.tabellen.vorgaenger), alsListe(rn.vorgaenger));
      QCOMPARE(alsListe(en.tabellen.naechste), alsListe(rn.naechste));
    }
  }

  void naechstschrittWieNaechsterSatz() {
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 100; ++runde) {
      std::vector<Ziehung> v;
      const int n = 1 + static_cast<int>(zufall() % 30);
      for (int i = 0; i < n; ++i) v.push_back(satz(kTag, {1, 2, 3, 4, 5}, zufall() % 3 != 0));
      for (const Ziehungszeitfilter f : {Ziehungszeitfilter{true, true}, Ziehungszeitfilter{true, false},
                                         Ziehungszeitfilter{false, true}, Ziehungszeitfilter{false, false}}) {
        Naechstschritt s(v, f);
        for (int pos = 0; pos < n + 2; pos += 1 + static_cast<int>(zufall() % 2))
          QCOMPARE(s.nach(pos), naechsterSatz(v, pos, f));
      }
    }
  }

  void bericht() {
    Analysetabellen t;
    t.vorgaenger = {7, 2417, 3, 0, 0, 1, 9};
    t.naechste = {0, 1, 2, 3, 4, 5, 6};
    const QStringList z = analysebericht(t, Meldungstabelle());
    QCOMPARE(z.size(), 15);
    QCOMPARE(z[0], QStringLiteral("Treffer von Ziehungen in der Datenbank"));
    QCOMPARE(z[2], QStringLiteral("1x    =>2417"));
    QCOMPARE(z[6], QStringLiteral("5x    =>1"));
    QCOMPARE(z[7], QStringLiteral(" "));
    QCOMPARE(z[8], QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"));
    QCOMPARE(z[14], QStringLiteral("5x    =>5"));

    QTemporaryDir ordner;
    const QString home = ordner.path() + QLatin1Char('/');
    Testumgebung::schreibe(home + "Test.txt", QByteArray(5000, 'x'));
    const QString pfad = schreibeTestbericht(home, {QStringLiteral("ä"), QStringLiteral(" ")});
    QCOMPARE(pfad, home + "Test.txt");
    QCOMPARE(Testumgebung::lies(pfad), QByteArray("\xe4\r\n \r\n"));
    // Under a translation whose letters Windows-1252 lacks the report keeps them.
    schreibeTestbericht(home, {QString::fromUtf8("Совпадения"), QStringLiteral("ä")});
    QCOMPARE(Testumgebung::lies(pfad), "\xEF\xBB\xBF" + QString::fromUtf8("Совпадения\r\nä\r\n").toUtf8());
  }
};

QTEST_GUILESS_MAIN(TstHistorienanalyse)
#include "tst_historienanalyse.moc"
