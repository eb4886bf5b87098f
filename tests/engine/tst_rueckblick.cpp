#include <QtTest>

#include <algorithm>
#include <vector>

#include "engine/rueckblick.h"
#include "plattform/fehler.h"
#include "plattform/zufall.h"

using namespace engine;

namespace {

// A history of draw days; each run notes the generator's state it started with and leaves a
// hit class per week, so that the sums show which weeks were counted.
struct Umgebung : Rueckblickumgebung {
  std::vector<QDate> tage;  // ascending
  QDate picker;
  tippcheck::Statistiktabelle statistik{};
  std::vector<std::uint32_t> saaten;
  std::vector<QDate> gezeigt;
  int fehlerInWoche = -1;  // the run of that week (1-based) raises

  void lauf() override {
    saaten.push_back(plattform::Zufall::RandSeed);
    plattform::Zufall::Random(55);  // a run moves the generator on
    if (static_cast<int>(saaten.size()) == fehlerInWoche) throw plattform::Fehler(QStringLiteral("Lauf"));
  }
  QDate DateTimePicker1() override { return picker; }
  void setzeDateTimePicker1(const QDate& tag) override { picker = tag; }
  bool SpeedButton5Click() override {
    if (tage.empty()) return false;
    const auto it = std::lower_bound(tage.begin(), tage.end(), picker);
    picker = it == tage.end() ? tage.back() : *it;
    gezeigt.push_back(picker);
    // Week w counts one tip with w % 6 hits, one in column 1, and one tip in the unused top row.
    statistik = {};
    const auto w = gezeigt.size();
    statistik[w % 6][0] = 1;
    statistik[1][1] = 2;
    statistik[6][0] = 100;
    return true;
  }
  const tippcheck::Statistiktabelle& Statistik() override { return statistik; }
};

std::vector<QDate> taeglich(const QDate& von, const QDate& bis) {
  std::vector<QDate> v;
  for (QDate d = von; d <= bis; d = d.addDays(1)) v.push_back(d);
  return v;
}

const QDate kHeute(2024, 6, 30);

}  // namespace

class TstRueckblick : public QObject {
  Q_OBJECT
 private slots:
  void glueckszahl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("zahl");
    QTest::newRow("4711") << "4711" << true << 4711;
    QTest::newRow("führende Nullen") << "007" << true << 7;
    QTest::newRow("negativ") << "-5" << true << -5;
    QTest::newRow("null") << "0" << true << 0;
    QTest::newRow("größte") << "2147483647" << true << 2147483647;
    QTest::newRow("zu groß") << "2147483648" << false << 0;
    QTest::newRow("leer") << "" << false << 0;
    QTest::newRow("Buchstaben") << "abc" << false << 0;
  }
  void glueckszahl() {
    QFETCH(QString, text);
    QFETCH(bool, gueltig);
    QFETCH(int, zahl);
    const auto z = liesGlueckszahl(text);
    QCOMPARE(z.has_value(), gueltig);
    if (!gueltig) return;
    QCOMPARE(*z, zahl);
    setzeGlueckszahl(*z);
    QCOMPARE(plattform::Zufall::RandSeed, static_cast<std::uint32_t>(zahl));
    // The box's default reads back as the same state.
    QCOMPARE(liesGlueckszahl(saatVorgabe()), z);
    Meldungstabelle m;
    QCOMPARE(glueckszahlText(m, *z), QStringLiteral("Glückszahl %1 gesetzt").arg(zahl));
  }

  // The same lucky number gives the same sequence; the proposal is below 99999.
  void vorschlagUndWiederholung() {
    setzeGlueckszahl(4711);
    const QString a = glueckszahlVorschlag();
    const auto b = plattform::Zufall::Random(55);
    setzeGlueckszahl(4711);
    QCOMPARE(glueckszahlVorschlag(), a);
    QCOMPARE(plattform::Zufall::Random(55), b);
    for (int i = 0; i < 1000; ++i) QVERIFY(glueckszahlVorschlag().toInt() < 99999);
  }

  // Three weeks before the newest day of a daily history: four weeks, the last one run on the
  // newest day and compared with the newest draw.
  void vierWochen() {
    Umgebung u;
    u.tage = taeglich(QDate(2024, 1, 1), kHeute);
    u.picker = kHeute.addDays(-21);
    const Rueckblick r = wochenschleife(u, QStringLiteral("4711"), u.picker, kHeute);
    QCOMPARE(r.wochen, 4);
    QCOMPARE(u.saaten, std::vector<std::uint32_t>(4, 4711u));
    QCOMPARE(u.gezeigt, (std::vector<QDate>{kHeute.addDays(-14), kHeute.addDays(-7), kHeute, kHeute}));
    QCOMPARE(u.picker, kHeute);
    // Weeks 1..4 put one tip each into rows 1..4; row 6 never counts.
    for (size_t h = 0; h < 6; ++h) QCOMPARE(r.summe[h][0], (h >= 1 && h <= 4) ? 1 : 0);
    QCOMPARE(r.summe[1][1], 8);
    QCOMPARE(r.summe[0][2], 0);
  }

  // Days with gaps: the draw found one week on may lie later; the loop still ends at the newest.
  void lueckenImVerlauf() {
    Umgebung u;
    u.tage = {QDate(2024, 6, 1), QDate(2024, 6, 12), QDate(2024, 6, 13), QDate(2024, 6, 28)};
    u.picker = QDate(2024, 6, 1);
    const Rueckblick r = wochenschleife(u, QStringLiteral("1"), u.picker, kHeute);
    QCOMPARE(u.gezeigt, (std::vector<QDate>{QDate(2024, 6, 12), QDate(2024, 6, 28), QDate(2024, 6, 28)}));
    QCOMPARE(r.wochen, 3);
  }

  void keineWocheAmHeutigenTag() {
    Umgebung u;
    u.tage = taeglich(QDate(2024, 1, 1), kHeute);
    u.picker = kHeute;
    const Rueckblick r = wochenschleife(u, QStringLiteral("5"), kHeute, kHeute);
    QCOMPARE(r.wochen, 0);
    QVERIFY(u.saaten.empty());
    QCOMPARE(rueckblickbericht(r, 5, Meldungstabelle()).last(), QStringLiteral("Ziehungen : 0      Tipp: 5 => 0Reihen"));
  }

  // A seed text that is not a whole number fails before any run; a run's error reaches the caller.
  void fehler() {
    Umgebung u;
    u.tage = taeglich(QDate(2024, 1, 1), kHeute);
    u.picker = kHeute.addDays(-21);
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, wochenschleife(u, QStringLiteral("abc"), u.picker, kHeute));
    QVERIFY(u.saaten.empty());
    u.fehlerInWoche = 2;
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, wochenschleife(u, QStringLiteral("7"), u.picker, kHeute));
    QCOMPARE(u.saaten.size(), std::size_t(2));
  }

  // An empty history moves the end date nowhere: one week, not an endless loop.
  void leererVerlauf() {
    Umgebung u;
    u.picker = QDate(2024, 6, 1);
    const Rueckblick r = wochenschleife(u, QStringLiteral("7"), u.picker, kHeute);
    QCOMPARE(r.wochen, 1);
  }

  // A draw step that says it found a draw but leaves the end date a week on: the loop ends once
  // the end date is after today.
  void endeNachHeute() {
    struct Stehend final : Umgebung {
      bool SpeedButton5Click() override { return true; }
    } u;
    u.picker = kHeute.addDays(-20);
    const Rueckblick r = wochenschleife(u, QStringLiteral("7"), u.picker, kHeute);
    QCOMPARE(r.wochen, 3);
    QCOMPARE(u.picker, kHeute.addDays(1));
  }

  void bericht() {
    Rueckblick r;
    r.wochen = 4;
    r.summe[0] = {10, 0, 0};
    r.summe[1] = {6, 1, 0};
    r.summe[2] = {3, 0, 2};
    r.summe[5] = {1, 0, 0};
    const QStringList z = rueckblickbericht(r, 5, Meldungstabelle());
    QCOMPARE(z, (QStringList{"Aktuelle Einstellung brachten", "",
                             "Anzahl ohne Eurozahlen\t1x Eurozahl\t2x Eurozahl",
                             "0x\t=> 10\t\t=> 0\t\t=> 0", "1x\t=> 6\t\t=> 1\t\t=> 0", "2x\t=> 3\t\t=> 0\t\t=> 2",
                             "3x\t=> 0\t\t=> 0\t\t=> 0", "4x\t=> 0\t\t=> 0\t\t=> 0", "5x\t=> 1\t\t=> 0\t\t=> 0", "",
                             "Ziehungen : 4      Tipp: 5 => 20Reihen"}));
    // A week fills the sheet: twelve tips at most.
    QCOMPARE(rueckblickbericht(r, 30, Meldungstabelle()).last(), QStringLiteral("Ziehungen : 4      Tipp: 12 => 48Reihen"));
  }
};

QTEST_GUILESS_MAIN(TstRueckblick)
#include "tst_rueckblick.moc"
