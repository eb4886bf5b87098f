#include <QtTest>

#include <cmath>
#include <csignal>
#include <limits>

#include "hilfen/rohserver.h"
#include "hilfen/standin.h"
#include "plattform/dateien.h"
#include "plattform/formate.h"
#include "plattform/http.h"
#include "hilfen/historie.h"
#include "shell/meldungstabelle.h"
#include "shell/ziehungsdaten.h"
#include "shell/ziehungsdownload.h"

using Zahlen = std::array<int, 5>;
Q_DECLARE_METATYPE(Zahlen)
Q_DECLARE_METATYPE(std::vector<Ziehung>)
using Antworten = QMap<int, QByteArray>;  // day counted from today -> body

namespace {

const QString kGewaehr = QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!");

QDate heute() { return QDate::currentDate(); }
QString tagText(int abHeute) { return plattform::yyyymmdd(heute().addDays(abHeute)); }

// An answer line as the server writes it.
QByteArray zeile(int abHeute, Zahlen z, const char* ende) {
  QByteArray s = tagText(abHeute).toLatin1();
  for (int n : z) s += "," + QByteArray::number(n);
  return s + ";" + ende;
}
QByteArray mittagUndAbend(int abHeute, Zahlen m, Zahlen a) {
  return zeile(abHeute, m, "1;") + "\r\n" + zeile(abHeute, a, "0;") + "\r\n";
}

// The window as plain fields; stops itself after `stoppNach` requests when set.
struct Fenster : Downloadfenster {
  QString host;
  QString port = QStringLiteral("80");
  int stoppNach = -1;
  QStringList panel0, panel1, antworten, meldungen;
  QList<QDate> gezeigteTage, gelesen, gespeicherte;
  QDate beginn;
  int eingaben = 0;

  QString proxyHost() const override { return host; }
  QString proxyPort() const override { return port; }
  void beginnt(const QDate& t) override { beginn = t; }
  void tagZeigen(const QDate& t) override { gezeigteTage << t; }
  void status(int p, const QString& t) override { (p == 0 ? panel0 : panel1) << t; }
  void antwortZeigen(const QString& t) override { antworten << t; }
  void zeileGelesen(const QDate& t) override { gelesen << t; }
  void gespeichert(const QDate& t) override { gespeicherte << t; }
  void unlesbar(const QString& t) override { meldungen << t; }
  void eingabenVerarbeiten() override { ++eingaben; }
  bool stoppGezeigt() const override { return stoppNach < 0 || eingaben < stoppNach; }
};

struct Lauf {
  QTemporaryDir home;
  Ziehungsdaten historie{home.path() + QLatin1Char('/'), QStringLiteral("ZahlenQV.dat")};
  plattform::HttpClient http;
  Fenster fenster;
  Meldungstabelle meldungen;

  explicit Lauf(const std::vector<Ziehung>& saetze) {
    if (!saetze.empty()) historie.anhaengen(saetze);
  }
  Downloadergebnis laden(const QString& server) { return ladeZiehungen(historie, http, fenster, server, meldungen); }
  std::vector<Ziehung> gespeichert() const { return historie.lesen(); }
};

Ziehung mitReserve(Ziehung z) {
  for (std::size_t i = 0; i < z.Reserve.size(); ++i) z.Reserve[i] = static_cast<std::uint8_t>(0xA0 + i);
  return z;
}

}  // namespace

class TstZiehungsdownload : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { plattform::simuliereDateifehler(plattform::Dateifehler::keiner); }

  void antwortzeile_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<bool>("lesbar");
    QTest::addColumn<Zahlen>("zahlen");
    QTest::addColumn<int>("mittag");
    const Zahlen z{1, 2, 3, 4, 5};
    QTest::newRow("zwei semikolons") << "20240115,1,2,3,4,5;1;" << true << z << 1;
    QTest::newRow("ein semikolon") << "20240115,1,2,3,4,5;" << true << z << 0;
    QTest::newRow("ziehungszeit 0") << "x,1,2,3,4,5;0;" << true << z << 0;
    QTest::newRow("reihenfolge der zeile") << "x,55,1,30,2,9;7;" << true << Zahlen{55, 1, 30, 2, 9} << 7;
    QTest::newRow("leeres vorfeld, rest danach") << ",1,2,3,4,5;1;mehr;text" << true << z << 1;
    QTest::newRow("blanks und steuerzeichen") << "x, 1 ,\t2,3\x01,4 ,  5 ; 1 ;" << true << z << 1;
    QTest::newRow("ziehungszeit 255") << "x,1,2,3,4,5;255;" << true << z << 255;
    QTest::newRow("leer") << "" << false << Zahlen{} << 0;
    QTest::newRow("kein komma") << "20240115" << false << Zahlen{} << 0;
    QTest::newRow("vier zahlen") << "x,1,2,3,4;" << false << Zahlen{} << 0;
    QTest::newRow("ohne semikolon") << "x,1,2,3,4,5" << false << Zahlen{} << 0;
    QTest::newRow("buchstabe") << "x,1,a,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("dezimalbruch") << "x,1,2.5,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("hexadezimal") << "x,$1F,2,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("leere zahl") << "x,1,,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("null") << "x,0,2,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("56") << "x,1,2,3,4,56;" << false << Zahlen{} << 0;
    QTest::newRow("300 (waere 44)") << "x,300,2,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("negativ") << "x,-3,2,3,4,5;" << false << Zahlen{} << 0;
    QTest::newRow("ziehungszeit 256 (waere 0)") << "x,1,2,3,4,5;256;" << false << Zahlen{} << 0;
    QTest::newRow("leere ziehungszeit") << "x,1,2,3,4,5;;" << false << Zahlen{} << 0;
  }

  void antwortzeile() {
    QFETCH(QString, zeile);
    QFETCH(bool, lesbar);
    QFETCH(Zahlen, zahlen);
    QFETCH(int, mittag);
    const auto a = liesAntwortzeile(zeile);
    QCOMPARE(a.has_value(), lesbar);
    if (!a) return;
    for (std::size_t i = 0; i < 5; ++i) QCOMPARE(int(a->zahlen[i]), zahlen[i]);
    QCOMPARE(int(a->mittag), mittag);
  }

  void beginn_data() {
    QTest::addColumn<double>("tagzahl");  // NaN: empty history
    QTest::addColumn<bool>("mittag");
    QTest::addColumn<QDate>("erster");
    QTest::addColumn<bool>("ueberspringen");
    const double d = plattform::alsTagzahl(QDate(2024, 1, 15));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("leer") << nan << false << QDate(2018, 2, 8) << false;
    QTest::newRow("20:30") << d << false << QDate(2024, 1, 16) << false;
    QTest::newRow("13:00") << d << true << QDate(2024, 1, 15) << true;
    QTest::newRow("vor dem kleinsten datum") << plattform::alsTagzahl(QDate(2017, 12, 31)) << false << QDate(2018, 2, 8)
                                             << false;
    QTest::newRow("vor dem kleinsten datum, 13:00") << plattform::alsTagzahl(QDate(2017, 12, 31)) << true
                                                    << QDate(2018, 2, 7) << true;
    QTest::newRow("datum 0") << 0.0 << false << QDate(2018, 2, 8) << false;
    QTest::newRow("unlesbares datum") << std::numeric_limits<double>::infinity() << false << QDate(2018, 2, 8) << false;
  }

  void beginn() {
    QFETCH(double, tagzahl);
    QFETCH(bool, mittag);
    QFETCH(QDate, erster);
    QFETCH(bool, ueberspringen);
    std::optional<Ziehung> neuester;
    if (!std::isnan(tagzahl)) {
      Ziehung z = mitReserve(satz(QDate(2024, 1, 15), {1, 2, 3, 4, 5}, mittag));
      z.Ziehungstag = tagzahl;
      neuester = z;
    }
    const Downloadbeginn b = downloadBeginn(neuester);
    QCOMPARE(b.tag, erster);
    QCOMPARE(b.ersteZeileUeberspringen, ueberspringen);
    const std::array<std::uint8_t, 16> reserve = neuester ? neuester->Reserve : std::array<std::uint8_t, 16>{};
    QCOMPARE(b.reserve, reserve);
  }

  void auswertung_data() {
    QTest::addColumn<int>("bester");
    QTest::addColumn<bool>("liste");
    QTest::addColumn<bool>("offen");
    QTest::addColumn<bool>("oeffnet");
    QTest::newRow("zwei treffer in der liste") << 200 << true << false << true;
    QTest::newRow("fuenf treffer in der liste") << 500 << true << false << true;
    QTest::newRow("ein treffer") << 199 << true << false << false;
    QTest::newRow("standardansicht") << 300 << false << false << false;
    QTest::newRow("ueberspringen noch offen") << 300 << true << true << false;
  }

  void auswertung() {
    QFETCH(int, bester);
    QFETCH(bool, liste);
    QFETCH(bool, offen);
    QFETCH(bool, oeffnet);
    QCOMPARE(auswertungOeffnen(bester, liste, offen), oeffnet);
  }

  // The day loop against the real stand-in: which days are asked for, in which order, and what
  // is stored. Days are counted from today; the server answers the days in `antworten`, every
  // other day with 404.
  void tage_data() {
    QTest::addColumn<std::vector<Ziehung>>("historie");
    QTest::addColumn<Antworten>("antworten");
    QTest::addColumn<QList<int>>("angefragt");
    QTest::addColumn<std::vector<Ziehung>>("neu");
    QTest::addColumn<bool>("meldung");
    QTest::addColumn<bool>("offen");

    const QDate h = heute();
    const Zahlen a{11, 22, 33, 44, 55}, b{1, 9, 17, 25, 33}, c{5, 4, 3, 2, 1};
    auto z = [&](int tag, Zahlen n, bool mittag) { return satz(h.addDays(tag), n, mittag); };

    QTest::newRow("gestern 20:30") << std::vector{z(-1, c, false)} << Antworten{{0, mittagUndAbend(0, a, b)}}
                                   << QList<int>{0} << std::vector{z(0, a, true), z(0, b, false)} << false << false;
    QTest::newRow("heute 13:00, zwei zeilen")
        << std::vector{z(0, a, true)} << Antworten{{0, mittagUndAbend(0, a, b)}} << QList<int>{0}
        << std::vector{z(0, b, false)} << false << false;
    QTest::newRow("heute 13:00, nur die erste zeile")
        << std::vector{z(0, a, true)} << Antworten{{0, zeile(0, a, "1;\r\n")}} << QList<int>{0}
        << std::vector<Ziehung>{} << false << false;
    QTest::newRow("heute 13:00, tag fehlt noch") << std::vector{z(0, a, true)} << Antworten{}
                                                  << QList<int>{0} << std::vector<Ziehung>{} << false << true;
    QTest::newRow("heute 20:30") << std::vector{z(0, a, false)} << Antworten{{0, mittagUndAbend(0, b, c)}}
                                 << QList<int>{} << std::vector<Ziehung>{} << false << false;
    QTest::newRow("vor drei tagen")
        << std::vector{z(-3, c, false)}
        << Antworten{{-2, mittagUndAbend(-2, a, b)}, {-1, mittagUndAbend(-1, b, c)}, {0, mittagUndAbend(0, c, a)}}
        << QList<int>{-2, -1, 0}
        << std::vector{z(-2, a, true), z(-2, b, false), z(-1, b, true), z(-1, c, false), z(0, c, true), z(0, a, false)}
        << false << false;
    QTest::newRow("404 an einem tag")
        << std::vector{z(-3, c, false)}
        << Antworten{{-1, mittagUndAbend(-1, b, c)}, {0, mittagUndAbend(0, c, a)}} << QList<int>{-2, -1, 0}
        << std::vector{z(-1, b, true), z(-1, c, false), z(0, c, true), z(0, a, false)} << false << false;
    QTest::newRow("ein und zwei semikolons")
        << std::vector{z(-1, c, false)} << Antworten{{0, zeile(0, a, "") + "\n" + zeile(0, b, "1;")}}
        << QList<int>{0} << std::vector{z(0, a, false), z(0, b, true)} << false << false;
    QTest::newRow("leere zweite zeile")
        << std::vector{z(-3, c, false)}
        << Antworten{{-2, zeile(-2, a, "1;\r\n\r\n")}, {-1, mittagUndAbend(-1, b, c)}} << QList<int>{-2}
        << std::vector{z(-2, a, true)} << true << false;
    QTest::newRow("zahl ausserhalb 1..55")
        << std::vector{z(-2, c, false)}
        << Antworten{{-1, zeile(-1, a, "1;\r\n") + zeile(-1, {300, 1, 2, 3, 4}, "0;")},
                                 {0, mittagUndAbend(0, b, c)}}
        << QList<int>{-1} << std::vector{z(-1, a, true)} << true << false;
    // The skip belongs to the day of the stored 13:00 draw: when that day's answer does not
    // come, the next day's first line is a draw of its own.
    QTest::newRow("13:00-tag ohne antwort") << std::vector{z(-1, a, true)}
                                            << Antworten{{0, mittagUndAbend(0, b, c)}} << QList<int>{-1, 0}
                                            << std::vector{z(0, b, true), z(0, c, false)} << false << false;
  }

  void tage() {
    QFETCH(std::vector<Ziehung>, historie);
    QFETCH(Antworten, antworten);
    QFETCH(QList<int>, angefragt);
    QFETCH(std::vector<Ziehung>, neu);
    QFETCH(bool, meldung);
    QFETCH(bool, offen);

    StandInServer server;
    for (auto it = antworten.begin(); it != antworten.end(); ++it) server.setzeZiehungen(heute().addDays(it.key()), *it);
    historie.back() = mitReserve(historie.back());
    historie.back().Ziehungszahlen[6] = 3;  // extras of the newest record are not carried
    historie.back().Ziehungszahlen[7] = 4;
    Lauf lauf(historie);
    const Downloadergebnis e = lauf.laden(server.url());

    QStringList tage;
    for (int t : angefragt) tage << tagText(t);
    QCOMPARE(server.angefragteTage(), tage);
    QCOMPARE(e.anfragen, int(angefragt.size()));
    for (Ziehung& z : neu) z.Reserve = historie.back().Reserve;
    std::vector<Ziehung> erwartet = historie;
    erwartet.insert(erwartet.end(), neu.begin(), neu.end());
    QCOMPARE(lauf.gespeichert(), erwartet);
    QCOMPARE(e.gespeichert, int(neu.size()));
    QCOMPARE(lauf.fenster.gespeicherte.size(), qsizetype(neu.size()));
    QCOMPARE(e.unlesbareZeile, meldung);
    QCOMPARE(lauf.fenster.meldungen.size(), meldung ? 1 : 0);
    if (meldung) QCOMPARE(lauf.fenster.meldungen[0], QString::fromLatin1(antworten.value(angefragt.last())));
    QCOMPARE(e.ueberspringenOffen, offen);
    // The picker stands on the day after the last one requested, or on the day whose answer
    // could not be read.
    const QDate ende = angefragt.isEmpty() ? downloadBeginn(historie.back()).tag
                                           : heute().addDays(angefragt.last() + (meldung ? 0 : 1));
    QCOMPARE(e.tag, ende);
    QCOMPARE(lauf.fenster.gezeigteTage.last(), ende);
    QCOMPARE(lauf.fenster.eingaben, int(angefragt.size()) - (meldung ? 1 : 0));
  }

  // Hostile answers, the same for every day asked: one over the bound is a failed request (the
  // loop goes on, nothing is stored, nothing is said); a trickling server ends each request at
  // the deadline; more lines than a day has draws are a damaged answer: nothing of it is
  // stored, a short message says so, and the loop ends.
  void feindlicheAntworten_data() {
    QTest::addColumn<QByteArray>("antwort");  // status line, headers, blank line, body
    QTest::addColumn<qint64>("fuellung");     // then that many bytes 'x' without a line break
    QTest::addColumn<int>("tropfenMs");
    QTest::addColumn<int>("abHeute");         // the newest stored 20:30 draw, counted from today
    QTest::addColumn<int>("anfragen");
    QTest::addColumn<bool>("meldung");
    QTest::addColumn<int>("hoechstensMs");
    const QByteArray ende = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
    auto zeilen = [&](int n) {
      QByteArray b;
      for (int i = 0; i < n; ++i) b += zeile(0, {1 + i % 50, 2 + i % 50, 3 + i % 50, 4 + i % 50, 5 + i % 50}, "0;\r\n");
      return b;
    };
    QTest::newRow("300 MiB ohne zeilenende") << ende << 300LL * 1024 * 1024 << 0 << -3 << 3 << false << 3000;
    QTest::newRow("100000 gültige zeilen") << ende + zeilen(100000) << qint64(0) << 0 << -3 << 3 << false << 3000;
    QTest::newRow("eine zeile über der grenze") << ende + QByteArray(kAntwortGrenze - 2, '1') + "\r\n" + zeile(0, {1, 2, 3, 4, 5}, "0;")
                                                << qint64(0) << 0 << -3 << 3 << false << 3000;
    QTest::newRow("tröpfelnder server") << ende + mittagUndAbend(0, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}) << qint64(0) << 500
                                        << -1 << 1 << false << plattform::HttpClient::kFristMs + 2000;
    QTest::newRow("drei gültige zeilen") << ende + zeilen(3) << qint64(0) << 0 << -3 << 1 << true << 3000;
    QTest::newRow("hundert gültige zeilen") << ende + zeilen(100) << qint64(0) << 0 << -3 << 1 << true << 3000;
  }
  void feindlicheAntworten() {
    QFETCH(QByteArray, antwort);
    QFETCH(qint64, fuellung);
    QFETCH(int, tropfenMs);
    QFETCH(int, abHeute);
    QFETCH(int, anfragen);
    QFETCH(bool, meldung);
    QFETCH(int, hoechstensMs);
    Rohserver roh(antwort, {tropfenMs, fuellung});
    const std::vector<Ziehung> h{satz(heute().addDays(abHeute), {1, 2, 3, 4, 5}, false)};
    Lauf lauf(h);
    QElapsedTimer uhr;
    uhr.start();
    const Downloadergebnis e = lauf.laden(roh.url());
    QVERIFY2(uhr.elapsed() < hoechstensMs, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(roh.anfragen(), anfragen);
    QCOMPARE(e.anfragen, anfragen);
    QCOMPARE(lauf.gespeichert(), h);
    QCOMPARE(e.gespeichert, 0);
    QCOMPARE(e.unlesbareZeile, meldung);
    const QDate erster = heute().addDays(abHeute + 1);
    QCOMPARE(lauf.fenster.meldungen, meldung ? QStringList{zuVieleZiehungen(Meldungstabelle(), erster)} : QStringList());
    // After a damaged answer the picker stays on its day; else the loop went through to today.
    QCOMPARE(e.tag, meldung ? erster : heute().addDays(1));
    for (const QString& a : lauf.fenster.antworten) QVERIFY(a.size() <= kAntwortGrenze);
  }

  void statustexte() {
    StandInServer server;
    server.setzeZiehungen(heute(), mittagUndAbend(0, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    Lauf lauf({satz(heute().addDays(-2), {1, 2, 3, 4, 5}, false)});
    lauf.laden(server.url());
    QCOMPARE(lauf.fenster.panel0, (QStringList{"Loading", "HTTP/1.1 404 Not Found", "Loading", "HTTP/1.1 200 OK"}));
    QCOMPARE(lauf.fenster.panel1, (QStringList{kGewaehr, kGewaehr}));
    QCOMPARE(lauf.fenster.antworten, QStringList{QString::fromLatin1(mittagUndAbend(0, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}))});
    QCOMPARE(lauf.fenster.beginn, heute().addDays(-1));
    QCOMPARE(lauf.fenster.gelesen, (QList<QDate>{heute(), heute()}));
  }

  // With an empty history, or one older than the picker's lowest date, the first day asked for
  // is 08.02.2018; a stop ends the loop after the day being requested.
  void ersterTagUndStopp_data() {
    QTest::addColumn<std::vector<Ziehung>>("historie");
    QTest::newRow("leer") << std::vector<Ziehung>{};
    QTest::newRow("vor 2018") << std::vector{satz(QDate(2017, 12, 30), {1, 2, 3, 4, 5}, false)};
  }

  void ersterTagUndStopp() {
    QFETCH(std::vector<Ziehung>, historie);
    StandInServer server;
    server.setzeZiehungen(QDate(2018, 2, 9), "20180209,1,2,3,4,5;1;\r\n20180209,6,7,8,9,10;0;\r\n");
    Lauf lauf(historie);
    lauf.fenster.stoppNach = 2;
    const Downloadergebnis e = lauf.laden(server.url());
    QCOMPARE(server.angefragteTage(), (QStringList{"20180208", "20180209"}));
    QCOMPARE(e.tag, QDate(2018, 2, 10));
    QCOMPARE(lauf.gespeichert().size(), historie.size() + 2);
    QCOMPARE(lauf.gespeichert().back().datum(), QDate(2018, 2, 9));
  }

  void proxy() {
    StandInServer server;
    server.setzeZiehungen(heute(), mittagUndAbend(0, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    Lauf lauf({satz(heute().addDays(-1), {1, 2, 3, 4, 5}, false)});
    lauf.fenster.host = QStringLiteral("127.0.0.1");
    lauf.fenster.port = QString::number(server.port());
    QCOMPARE(lauf.laden(QStringLiteral("http://download.invalid")).gespeichert, 2);
    QVERIFY(server.anfragen().value(0).startsWith(QStringLiteral("http://download.invalid/zahlen/")));
  }

  void proxyPortKeineZahl() {
    StandInServer server;
    server.setzeZiehungen(heute(), mittagUndAbend(0, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    const std::vector<Ziehung> h{satz(heute().addDays(-1), {1, 2, 3, 4, 5}, false)};
    Lauf lauf(h);
    lauf.fenster.port = QStringLiteral("8o");
    try {
      lauf.laden(server.url());
      QFAIL("conversion error expected");
    } catch (const plattform::Fehler& f) {
      QCOMPARE(f.text(), QStringLiteral("'8o' ist kein gültiger Integerwert"));
    }
    QCOMPARE(server.anfragen(), QStringList{});
    QCOMPARE(lauf.gespeichert(), h);
  }

  void keinServer() {
    const std::vector<Ziehung> h{satz(heute().addDays(-2), {1, 2, 3, 4, 5}, false)};
    Lauf lauf(h);
    StandInServer weg;
    const QString url = weg.url();
    weg.stoppen(SIGTERM);
    const Downloadergebnis e = lauf.laden(url);
    QCOMPARE(e.anfragen, 2);
    QCOMPARE(e.tag, heute().addDays(1));
    QCOMPARE(lauf.gespeichert(), h);
    QVERIFY(lauf.fenster.meldungen.isEmpty());
    QCOMPARE(lauf.fenster.panel0.last(), QString());
  }

  // A record that cannot be appended ends the download; what the disk holds stays whole.
  void schreibfehler() {
    StandInServer server;
    server.setzeZiehungen(heute().addDays(-1), mittagUndAbend(-1, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    server.setzeZiehungen(heute(), mittagUndAbend(0, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    const std::vector<Ziehung> h{satz(heute().addDays(-2), {1, 2, 3, 4, 5}, false)};
    Lauf lauf(h);
    plattform::simuliereDateifehler(plattform::Dateifehler::schreiben);
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, lauf.laden(server.url()));
    plattform::simuliereDateifehler(plattform::Dateifehler::keiner);
    QCOMPARE(server.angefragteTage(), QStringList{tagText(-1)});
    QCOMPARE(lauf.gespeichert(), h);
  }
};

QTEST_GUILESS_MAIN(TstZiehungsdownload)
#include "tst_ziehungsdownload.moc"
