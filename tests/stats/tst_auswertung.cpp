#include <QElapsedTimer>
#include <QtTest>

#include "demodaten.h"
#include "hilfen/rohserver.h"
#include "hilfen/standin.h"
#include "plattform/fehler.h"
#include "plattform/http.h"
#include "shell/meldungstabelle.h"
#include "stats/auswertung.h"

using namespace auswertung;

namespace {

Quotenabruf abruf(const QString& server, const QString& proxy = QString(), const QString& port = QStringLiteral("80"),
                  const Meldungstabelle& meldungen = Meldungstabelle()) {
  plattform::HttpClient http(plattform::HttpClient::Profil::Indy);
  richteQuotenclientEin(http, proxy, port);
  return holeQuoten(http, server, QDate(2024, 1, 15), meldungen);
}

const QChar kKomma(QLatin1Char(','));
const QChar kPunkt(QLatin1Char('.'));

// Every cell distinct, so that a count taken from the wrong cell shows.
tippcheck::Statistiktabelle statistik() {
  tippcheck::Statistiktabelle s{};
  for (int h = 0; h < 7; ++h)
    for (int e = 0; e < 3; ++e) s[static_cast<size_t>(h)][static_cast<size_t>(e)] = 10 * h + e + 1;
  return s;
}

std::array<QString, kKlassen> zwoelf(const QStringList& l, const QString& rest) {
  std::array<QString, kKlassen> a;
  for (int i = 0; i < kKlassen; ++i) a[static_cast<size_t>(i)] = i < l.size() ? l[i] : rest;
  return a;
}

QStringList alsListe(const std::array<QString, kKlassen>& a) { return QStringList(a.begin(), a.end()); }

QString aktivMuster(const std::array<bool, kKlassen>& a) {
  QString s;
  for (bool b : a) s += b ? QLatin1Char('1') : QLatin1Char('0');
  return s;
}

}  // namespace

class TstAuswertung : public QObject {
  Q_OBJECT

 private slots:
  // Rows 4 and 5 switch on 10.10.2014; every other row keeps its class.
  void klassenNachDatum_data() {
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QList<int>>("zahlen");
    const QStringList alt{"2 + E", "1 + E + E", "3", "2 + S + S", "3 + S", "3 + E + E",
                          "4", "4 + E", "4 + E + E", "5", "5 + E", "5 + E + E"};
    QStringList neu = alt;
    neu[3] = QStringLiteral("3 + E");
    neu[4] = QStringLiteral("2 + E + E");
    // [2][1] [1][2] [3][0] row4 row5 [3][2] [4][0] [4][1] [4][2] [5][0] [5][1] [5][2]
    QTest::newRow("09.10.2014") << QDate(2014, 10, 9) << alt << QList<int>{22, 13, 31, 23, 32, 33, 41, 42, 43, 51, 52, 53};
    QTest::newRow("10.10.2014") << QDate(2014, 10, 10) << neu << QList<int>{22, 13, 31, 32, 23, 33, 41, 42, 43, 51, 52, 53};
    QTest::newRow("heute") << QDate(2026, 12, 10) << neu << QList<int>{22, 13, 31, 32, 23, 33, 41, 42, 43, 51, 52, 53};
  }
  void klassenNachDatum() {
    QFETCH(QDate, datum);
    QFETCH(QStringList, namen);
    QFETCH(QList<int>, zahlen);
    const auto k = gewinnklassen(datum);
    const auto n = anzahlen(statistik(), datum);
    for (int i = 0; i < kKlassen; ++i) {
      QCOMPARE(k[static_cast<size_t>(i)].name, namen[i]);
      QCOMPARE(n[static_cast<size_t>(i)], zahlen[i]);
    }
    QCOMPARE(k[0].chance, QStringLiteral("1:35"));
    QCOMPARE(k[3].chance, QStringLiteral("1:418"));
    QCOMPARE(k[11].chance, QStringLiteral("1 : 59.325.280"));
  }

  void neuberechnung_data() {
    QTest::addColumn<QStringList>("anzahl");
    QTest::addColumn<QStringList>("quote");
    QTest::addColumn<QChar>("dezimal");
    QTest::addColumn<QString>("aktiv");
    QTest::addColumn<QStringList>("ergebnisse");
    QTest::addColumn<QString>("summe");  // null: not written
    QTest::addColumn<QString>("fehler");
    const QStringList nullen(12, QStringLiteral("0,00"));
    QTest::newRow("Anzahl 0 und 2") << QStringList{"0", "2"} << QStringList{"8", "8"} << kKomma << "010000000000"
                                    << (QStringList{"0,00", "16,00"} + QStringList(10, "0,00")) << "16,00" << "";
    QTest::newRow("Durchschnitt, Zeile 12 einmal")
        << (QStringList(11, "0") << "1") << alsListe(durchschnittsquoten()) << kKomma << "000000000001"
        << (QStringList(11, "0,00") << "1,000000E+07") << "10000000,00" << "";
    QTest::newRow("Strich liest 0") << QStringList(12, "3") << QStringList{"-", "2,5"} << kKomma << "111111111111"
                                    << (QStringList{"0,00", "7,50"} + QStringList(10, "0,00")) << "7,50" << "";
    QTest::newRow("Punkt im englischen Format") << QStringList{"1"} << QStringList{"1234.56"} << kPunkt
                                                << "100000000000" << (QStringList{"1234.56"} + QStringList(11, "0.00"))
                                                << "1234.56" << "";
    QTest::newRow("Summe neun Stellen") << QStringList(12, "1") << QStringList(12, "9999999") << kKomma << "111111111111"
                                        << QStringList(12, "9999999,00") << "119999988,00" << "";
    QTest::newRow("Summe zu groß") << QStringList(12, "1") << QStringList(12, "999999999") << kKomma
                                   << "111111111111" << QStringList(12, "1,000000E+09") << "1,20000000E+10" << "";
    QTest::newRow("Quote unlesbar") << QStringList(12, "1") << QStringList{"1", "2", "x"} << kKomma << "111111111111"
                                    << QStringList{"1,00", "2,00"} << QString() << "'x' ist kein gültiger Gleitkommawert";
    QTest::newRow("Quote leer") << QStringList(12, "1") << QStringList{"1", ""} << kKomma << "111111111111"
                                << QStringList{"1,00"} << QString() << "'' ist kein gültiger Gleitkommawert";
    QTest::newRow("Punkt bei Komma") << QStringList(12, "1") << QStringList{"1.5"} << kKomma << "111111111111"
                                     << QStringList() << QString() << "'1.5' ist kein gültiger Gleitkommawert";
    QTest::newRow("Anzahl unlesbar") << QStringList{"1", "1", "1", "1", "x"} << QStringList() << kKomma
                                     << "111100000000" << QStringList(4, "0,00") << QString()
                                     << "'x' ist kein gültiger Integerwert";
    QTest::newRow("Anzahl negativ") << QStringList{"-2"} << QStringList{"8"} << kKomma << "000000000000"
                                    << (QStringList{"-16,00"} + QStringList(11, "0,00")) << "-16,00" << "";
    QTest::newRow("Quote zu groß") << QStringList(12, "1") << QStringList{"1E400"} << kKomma << "111111111111"
                                   << QStringList() << QString() << "'1E400' ist kein gültiger Gleitkommawert";
    // A prize or a total beyond every number stops at the quota that made it, as one that does
    // not read: no "INF" is shown or read back.
    QTest::newRow("Produkt unendlich") << QStringList{"1", "2"} << QStringList{"1E308", "1E308"} << kKomma
                                       << "110000000000" << QStringList{"1,000000E+308"} << QString()
                                       << "'1E308' ist kein gültiger Gleitkommawert";
    QTest::newRow("Summe unendlich") << QStringList(12, "1") << QStringList{"1E308", "1,5E308"} << kKomma
                                     << "111111111111" << (QStringList{"1,000000E+308", "1,500000E+308"} + QStringList(10, "0,00"))
                                     << QString() << "'1,5E308' ist kein gültiger Gleitkommawert";
  }
  void neuberechnung() {
    QFETCH(QStringList, anzahl);
    QFETCH(QStringList, quote);
    QFETCH(QChar, dezimal);
    QFETCH(QString, aktiv);
    QFETCH(QStringList, ergebnisse);
    QFETCH(QString, summe);
    QFETCH(QString, fehler);
    const auto n = neuberechnen(zwoelf(anzahl, QStringLiteral("0")), zwoelf(quote, QStringLiteral("0")), dezimal);
    QCOMPARE(aktivMuster(n.aktiv), aktiv);
    QCOMPARE(n.ergebnisse, ergebnisse);
    QCOMPARE(n.summe.has_value(), !summe.isNull());
    if (n.summe) QCOMPARE(*n.summe, summe);
    QCOMPARE(n.fehler, fehler);
  }

  void quotenantwort_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("einsatz");  // as the caption takes it; empty: not readable
    QTest::addColumn<QStringList>("felder");  // quota fields of rows 1 to 12
    const QString zwoelfQuoten = QStringLiteral(
        "10.000.000,00;250.000 EUR;unbesetzt;5.000,5;200;100;50;20;15;1.234,56;10;8;");
    QTest::newRow("vollständig") << "20240115,1,2,3,4,5;1.234.567,89;" + zwoelfQuoten + "\r\n" << "1234568"
                                 << QStringList{"8,00", "10,00", "1234,56", "15,00", "20,00", "50,00", "100,00",
                                                "200,00", "5000,50", "0,00", "250000,00", "10000000,00"};
    QTest::newRow("Einsatz 10,90") << "x,1;10,90;" + zwoelfQuoten << "11"
                                   << QStringList{"8,00", "10,00", "1234,56", "15,00", "20,00", "50,00", "100,00",
                                                  "200,00", "5000,50", "0,00", "250000,00", "10000000,00"};
    QTest::newRow("nur fünf Quoten") << "x,1;5;1;2;3;4;5;" << "5"
                                     << (QStringList(7, "-") << "5,00" << "4,00" << "3,00" << "2,00" << "1,00");
    QTest::newRow("letzte ohne Semikolon") << "x,1;5;1;2;3;4;5;6;7;8;9;10;11;12" << "5"
                                           << QStringList{"-", "11,00", "10,00", "9,00", "8,00", "7,00", "6,00",
                                                          "5,00", "4,00", "3,00", "2,00", "1,00"};
    QTest::newRow("ohne Komma") << "1;5;1;2;3;4;5;6;7;8;9;10;11;12;" << "5"
                                << QStringList{"12,00", "11,00", "10,00", "9,00", "8,00", "7,00", "6,00", "5,00",
                                               "4,00", "3,00", "2,00", "1,00"};
    QTest::newRow("Einsatz unlesbar") << "x,1;10,90 EUR;1;" << "" << (QStringList(11, "-") << "1,00");
    // Three dots at most go: a fourth one is left and the field does not read. Ten digits
    // take the exponent form.
    QTest::newRow("vier Punkte") << "x,1;1.234.567.890,00;1.234.567.890.123,00;1.234.567.890,5;" << "1,23456789E+09"
                                 << (QStringList(10, "-") << "1,23456789E+09" << "-");
    QTest::newRow("Punkt als Dezimaltrenner") << "x,1;12.5;12.5;" << "125" << (QStringList(11, "-") << "125,00");
    QTest::newRow("Blanks und Steuerzeichen") << "x,1; 7 ;\t8,5\r\n;  unbesetzt  ;" << "7"
                                              << (QStringList(10, "-") << "0,00" << "8,50");
    QTest::newRow("leer") << "" << "" << QStringList(12, "-");
    QTest::newRow("Unsinn") << QString::fromLatin1("\x01\xff;;;,;;;\xe4;;;-;--;+;,;E5;") << ""
                            << QStringList(12, "-");
    QTest::newRow("großer Wert") << "x,1;5;1,5E400;" << "5" << QStringList(12, "-");
  }
  void quotenantwort() {
    QFETCH(QString, text);
    QFETCH(QString, einsatz);
    QFETCH(QStringList, felder);
    const Quotenantwort a = liesQuotenantwort(text);
    QCOMPARE(a.einsatz ? einsatztext(*a.einsatz, kKomma) : QString(), einsatz);
    QCOMPARE(alsListe(quotenfelder(a, kKomma)), felder);
  }

  // The server's text is German whatever the user's settings; the fields take the user's form.
  void quotenImEnglischenFormat() {
    const auto a = liesQuotenantwort(QStringLiteral("x,1;10,90;unbesetzt;1.234,56;"));
    QCOMPARE(einsatztext(*a.einsatz, kPunkt), QStringLiteral("11"));
    const auto f = quotenfelder(a, kPunkt);
    QCOMPARE(f[11], QStringLiteral("0.00"));
    QCOMPARE(f[10], QStringLiteral("1234.56"));
    QCOMPARE(f[9], QStringLiteral("-"));
  }

  // Every quota text of the stand-in's demo data reads whole: a stake and twelve quotas.
  void demoquotenLesbar() {
    int unbesetzt = 0;
    for (QDate d(2018, 2, 8); d < QDate(2019, 2, 8); d = d.addDays(1)) {
      const standin::Datum tag{std::chrono::year(d.year()), std::chrono::month(static_cast<unsigned>(d.month())),
                               std::chrono::day(static_cast<unsigned>(d.day()))};
      const QString text = QString::fromStdString(standin::demo::quotenAntwort(tag));
      const auto a = liesQuotenantwort(text);
      QVERIFY2(a.einsatz && *a.einsatz >= 500000 && *a.einsatz <= 3000000, qPrintable(text));
      for (int i = 0; i < kKlassen; ++i) {
        const auto& q = a.quoten[static_cast<size_t>(i)];
        QVERIFY2(q, qPrintable(text));
        if (*q == 0) {
          QVERIFY2(i < 3, qPrintable(text));
          ++unbesetzt;
          continue;
        }
        const double mittel = liesServerzahl(durchschnittsquoten()[static_cast<size_t>(kKlassen - 1 - i)]).value();
        QVERIFY2(*q >= 0.7 * mittel - 1e-6 && *q <= 1.3 * mittel + 1e-6, qPrintable(text));
      }
    }
    QVERIFY(unbesetzt > 0);
  }

  void mitWertFuellt() {
    QCOMPARE(mitWert(QStringLiteral("Spieleinsatz: %s  EUR"), QStringLiteral("11")),
             QStringLiteral("Spieleinsatz: 11  EUR"));
    QCOMPARE(mitWert(QStringLiteral("ohne Platzhalter"), QStringLiteral("11")), QStringLiteral("ohne Platzhalter"));
    QCOMPARE(mitWert(QStringLiteral("%s und %s"), QStringLiteral("a")), QStringLiteral("a und %s"));
  }

  // The download against the stand-in: the exact request, its client, what each answer gives.
  void abrufBeimStandIn() {
    StandInServer server(true);
    QVERIFY(server.laeuft());
    const Quotenabruf r = abruf(server.url());
    const std::string erwartet = standin::demo::quotenAntwort(
        standin::Datum{std::chrono::year(2024), std::chrono::month(1), std::chrono::day(15)});
    QVERIFY(!r.fehler);
    QCOMPARE(r.status, 200);
    QCOMPARE(r.text, QString::fromStdString(erwartet));
    QCOMPARE(r.bytes, static_cast<qsizetype>(erwartet.size()));
    QCOMPARE(r.panel0, QStringLiteral("Received %1 bytes").arg(erwartet.size()));
    QVERIFY(r.genommen);
    QCOMPARE(server.anfragen().last(), QStringLiteral("/zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=20240115"));
    QVERIFY2(server.protokoll().contains(QStringLiteral("\"Mozilla/3.0 (compatible; Indy Library)\" \"text/html, */*\"")),
             qPrintable(server.protokoll()));
  }

  void abrufAntworten_data() {
    QTest::addColumn<QByteArray>("datei");  // the day file; empty: none (404)
    QTest::addColumn<bool>("fehler");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("panel0");
    QTest::addColumn<bool>("genommen");
    QTest::newRow("404") << QByteArray() << true << 404 << "Failed : 404 Not Found" << false;
    QTest::newRow("ohne Semikolon") << QByteArray("keine Quoten") << false << 200 << "Received 12 bytes" << false;
    QTest::newRow("ein Semikolon") << QByteArray(";") << false << 200 << "Received 1 bytes" << true;
    QTest::newRow("Windows-1252") << QByteArray("x,\xe4;1;2;") << false << 200 << "Received 8 bytes" << true;
  }
  void abrufAntworten() {
    QFETCH(QByteArray, datei);
    QFETCH(bool, fehler);
    QFETCH(int, status);
    QFETCH(QString, panel0);
    QFETCH(bool, genommen);
    StandInServer server;
    QVERIFY(server.laeuft());
    if (!datei.isEmpty()) server.setzeDatei(QStringLiteral("quoten/20240115.txt"), datei);
    const Quotenabruf r = abruf(server.url());
    QCOMPARE(r.fehler, fehler);
    QCOMPARE(r.status, status);
    QCOMPARE(r.panel0, panel0);
    QCOMPARE(r.genommen, genommen);
    if (datei.contains('\xe4')) QVERIFY(r.text.contains(QChar(0xE4)));
  }

  // Through the stand-in as the proxy: the request names the whole address.
  void abrufUeberProxy() {
    StandInServer server;
    QVERIFY(server.laeuft());
    server.setzeDatei(QStringLiteral("quoten/20240115.txt"), "x,1;5;1;");
    const Quotenabruf r =
        abruf(QStringLiteral("http://quoten.invalid"), QStringLiteral("127.0.0.1"), QString::number(server.port()));
    QVERIFY(r.genommen);
    QCOMPARE(server.anfragen().last(),
             QStringLiteral("http://quoten.invalid/zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=20240115"));
  }

  void portKeineZahl() {
    plattform::HttpClient http(plattform::HttpClient::Profil::Indy);
    try {
      richteQuotenclientEin(http, QStringLiteral("127.0.0.1"), QStringLiteral("abc"));
      QFAIL("conversion error expected");
    } catch (const plattform::Fehler& f) {
      QCOMPARE(f.text(), QStringLiteral("'abc' ist kein gültiger Integerwert"));
    }
  }

  // A redirect is not followed; its answer keeps its status and, holding a ";", is taken.
  void weiterleitung_data() {
    QTest::addColumn<QByteArray>("kopf");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("panel0");
    QTest::addColumn<bool>("genommen");
    QTest::newRow("302 mit Semikolon") << QByteArray("HTTP/1.1 302 Found") << QByteArray("x,1;5;8;") << "Failed : 302 Found"
                                       << true;
    QTest::newRow("302 ohne") << QByteArray("HTTP/1.1 302 Found") << QByteArray("moved") << "Failed : 302 Found" << false;
    QTest::newRow("500 mit Semikolon") << QByteArray("HTTP/1.1 500 Internal Server Error") << QByteArray("x,1;5;8;")
                                       << "Failed : 500 Internal Server Error" << false;
    QTest::newRow("ohne Grund") << QByteArray("HTTP/1.1 404") << QByteArray("x;") << "Failed : 404 " << false;
  }
  void weiterleitung() {
    QFETCH(QByteArray, kopf);
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, panel0);
    QFETCH(bool, genommen);
    StandInServer ziel;
    QVERIFY(ziel.laeuft());
    ziel.setzeDatei(QStringLiteral("quoten/20240115.txt"), "x,1;5;1;");
    Rohserver roh(kopf + "\r\nLocation: " + ziel.url().toUtf8() +
                  "/zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=20240115\r\nContent-Length: " +
                  QByteArray::number(inhalt.size()) + "\r\nConnection: close\r\n\r\n" + inhalt);
    const Quotenabruf r = abruf(roh.url());
    QVERIFY(r.fehler);
    QCOMPARE(r.panel0, panel0);
    QCOMPARE(r.genommen, genommen);
    QCOMPARE(roh.anfragen(), 1);
    QVERIFY(roh.letzteAnfrage().startsWith("GET /zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=20240115 HTTP/1.1\r\n"));
    QVERIFY(ziel.anfragen().isEmpty());
  }

  // Quotas near the largest number: an answer whose prizes or total with the counts of the
  // fields run beyond every number is damaged; a count that does not read counts 0.
  void rechenbar_data() {
    QTest::addColumn<QByteArray>("quote");  // every quota of the answer
    QTest::addColumn<QStringList>("anzahl");
    QTest::addColumn<bool>("ok");
    const QByteArray e307 = "1" + QByteArray(307, '0') + ",00";
    const QByteArray e308 = "17" + QByteArray(307, '0') + ",00";
    QTest::newRow("gewöhnlich") << QByteArray("1.234,56") << QStringList(12, "3") << true;
    QTest::newRow("1e307 einmal") << e307 << QStringList(12, "1") << true;
    QTest::newRow("1e307 zwanzigmal") << e307 << QStringList{"20"} << false;
    QTest::newRow("1,7e308, summe zu groß") << e308 << QStringList(2, "1") << false;
    QTest::newRow("1,7e308 einmal") << e308 << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"}
                                    << true;
    QTest::newRow("unlesbare anzahl zählt 0") << e307 << QStringList(12, "x") << true;
  }
  void rechenbar() {
    QFETCH(QByteArray, quote);
    QFETCH(QStringList, anzahl);
    QFETCH(bool, ok);
    QByteArray text = "20240115,1,2,3,4,5;10,90;";
    for (int i = 0; i < kKlassen; ++i) text += quote + ";";
    const Quotenantwort a = liesQuotenantwort(QString::fromLatin1(text));
    QVERIFY(a.quoten[0].has_value());
    QCOMPARE(auswertung::rechenbar(a, zwoelf(anzahl, QStringLiteral("0")), kKomma), ok);
  }

  // An answer over its bound, and a server that trickles two bytes a second: a failed request
  // within the deadline, with its reason in the user's language, and nothing taken.
  void abrufFeindlich_data() {
    QTest::addColumn<QByteArray>("antwort");
    QTest::addColumn<qint64>("fuellung");
    QTest::addColumn<int>("tropfenMs");
    QTest::addColumn<QString>("panel0");
    QTest::addColumn<int>("hoechstensMs");
    const QByteArray ende = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nx,1;10;5;";
    const Meldungstabelle m;
    const QString abgebrochen = QStringLiteral("Failed : 200 ") + m.text(Meldungstabelle::kUebertragungFehlgeschlagen);
    QTest::newRow("über der grenze") << ende << kAntwortGrenze << 0 << abgebrochen << 3000;
    QTest::newRow("300 MiB") << ende << 300LL * 1024 * 1024 << 0 << abgebrochen << 3000;
    QTest::newRow("tröpfelnd") << ende << qint64(0) << 500
                               << QStringLiteral("Failed : 0 ") + m.text(Meldungstabelle::kServerZeitlimit)
                               << plattform::HttpClient::kFristMs + 2000;
  }
  void abrufFeindlich() {
    QFETCH(QByteArray, antwort);
    QFETCH(qint64, fuellung);
    QFETCH(int, tropfenMs);
    QFETCH(QString, panel0);
    QFETCH(int, hoechstensMs);
    Rohserver roh(antwort, {tropfenMs, fuellung});
    QElapsedTimer uhr;
    uhr.start();
    const Quotenabruf r = abruf(roh.url());
    QVERIFY2(uhr.elapsed() < hoechstensMs, qPrintable(QString::number(uhr.elapsed())));
    QVERIFY(r.fehler);
    QVERIFY2(r.panel0.startsWith(panel0), qPrintable(r.panel0));
    QVERIFY(r.text.isEmpty());
    QVERIFY(!r.genommen);
  }

  // A server that accepts and never answers ends the request after the read time-out.
  void zeitlimit() {
    StummerServer stumm;
    QVERIFY(stumm.port() > 0);
    QElapsedTimer uhr;
    uhr.start();
    const Quotenabruf r = abruf(stumm.url());
    QVERIFY2(uhr.elapsed() >= 4500 && uhr.elapsed() < 9000, qPrintable(QString::number(uhr.elapsed())));
    QVERIFY(r.fehler);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.panel0, QStringLiteral("Failed : 0 ") + Meldungstabelle().text(Meldungstabelle::kServerZeitlimit));
    QVERIFY(!r.genommen);
  }

  // Without an answer the panel names the reason in the language of the message table, never in
  // the client's own English.
  void ohneVerbindungInDerSprache() {
    int frei = 0;
    {
      const StummerServer s;  // a port that was free a moment ago and is closed now
      frei = s.port();
    }
    QStringList englisch = Meldungstabelle::eingebaut();
    englisch[Meldungstabelle::kServerNichtErreicht] = QStringLiteral("No connection to the server.");
    Meldungstabelle m;
    m.ersetzen(englisch);
    const Quotenabruf r = abruf(QStringLiteral("http://127.0.0.1:%1").arg(frei), QString(), QStringLiteral("80"), m);
    QVERIFY(r.fehler);
    QCOMPARE(r.panel0, QStringLiteral("Failed : 0 No connection to the server."));
  }
};

QTEST_GUILESS_MAIN(TstAuswertung)
#include "tst_auswertung.moc"
