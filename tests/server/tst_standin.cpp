#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <set>

#include "demodaten.h"
#include "hilfen/standin.h"
#include "plattform/http.h"
#include "standin.h"

namespace fs = std::filesystem;
using standin::Datum;
using standin::demo::Zeitpunkt;

namespace {

Datum tag(int j, unsigned m, unsigned d) { return Datum{std::chrono::year(j), std::chrono::month(m), std::chrono::day(d)}; }

void schreibe(const fs::path& datei, const std::string& inhalt) {
  fs::create_directories(datei.parent_path());
  std::ofstream(datei, std::ios::binary) << inhalt;
}

std::string lies(const fs::path& datei) { return standin::liesDatei(datei).value_or("<fehlt>"); }

standin::Parameter abfrage(const QString& text) {
  standin::Parameter p;
  for (const QString& teil : text.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
    const auto gleich = teil.indexOf(QLatin1Char('='));
    // As the server gets it: decoded.
    p.emplace(teil.left(gleich).toStdString(), QUrl::fromPercentEncoding(teil.mid(gleich + 1).toUtf8()).toStdString());
  }
  return p;
}

// One request sent as it stands over a new connection to 127.0.0.1; what comes back until the
// server closes (or after 5 s of silence).
QByteArray roheAnfrage(int port, const QByteArray& anfrage) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  QByteArray antwort;
  const timeval warten{5, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &warten, sizeof warten);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      ::send(fd, anfrage.constData(), static_cast<size_t>(anfrage.size()), MSG_NOSIGNAL) == anfrage.size()) {
    char puffer[65536];
    for (ssize_t n; antwort.size() < 64 * 1024 * 1024 && (n = ::recv(fd, puffer, sizeof puffer, 0)) > 0;)
      antwort.append(puffer, static_cast<qsizetype>(n));
  }
  ::close(fd);
  return antwort;
}

}  // namespace

class TstStandin : public QObject {
  Q_OBJECT
  QTemporaryDir ordner_;

 private slots:
  void initTestCase() {
    const fs::path w = ordner_.path().toStdString();
    // Year file: LF-only lines come out with CR LF, an empty line inside a day stays, the
    // last day of the file has no line break at its end, an empty section is an empty answer.
    schreibe(w / "zahlen" / "2024.txt",
             "[20240114]\r\n20240114,1,2,3,4,5;1;\r\n20240114,6,7,8,9,10;0;\r\n"
             "[20240115]\n20240115,11,12,13,14,15;1;\n\n"
             "[20240116]\r\n"
             "[20240117]\r\n20240117,50,51,52,53,54;");
    schreibe(w / "zahlen" / "20240114.txt", "ganz\neigen");
    schreibe(w / "quoten" / "2024.txt", "[20240114]\r\n20240114,6,7,8,9,10;1.000.000,00;unbesetzt;\r\n");
    schreibe(w / "lotto" / "warenkorb.txt", "https://cart.example/?p={WO}&Tipps={TIPPS}&x={WO}&");
    schreibe(w / "scripts" / "Quintavola.qzt.txt", "[Z1_1]");
    schreibe(w / "scripts" / "Kaputt.qzt.txt", "<h1>Fehler</h1>");
    schreibe(w / "scripts" / "Kaputt.qzt.txt.status", "500\r\n");
    schreibe(w / "geheim.txt", "nicht ausliefern");
  }

  void antworten_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("inhalt");  // empty: not compared

    const QString z = QStringLiteral("/zahlen/lotto_neu.asp");
    QTest::newRow("tagesdatei vor jahresdatei") << z << "Programm=Zelano&Datum=20240114" << 200 << QByteArray("ganz\neigen");
    QTest::newRow("leere zeile bleibt, crlf") << z << "Programm=Zelano&Datum=20240115" << 200
                                              << QByteArray("20240115,11,12,13,14,15;1;\r\n\r\n");
    QTest::newRow("leerer abschnitt") << z << "Programm=Zelano&Datum=20240116" << 200 << QByteArray();
    QTest::newRow("letzter abschnitt ohne umbruch") << z << "Programm=Zelano&Datum=20240117" << 200
                                                    << QByteArray("20240117,50,51,52,53,54;\r\n");
    QTest::newRow("tag ohne abschnitt") << z << "Programm=Zelano&Datum=20240118" << 404 << QByteArray();
    QTest::newRow("jahr ohne datei") << z << "Programm=Zelano&Datum=20230118" << 404 << QByteArray();
    QTest::newRow("quoten") << z << "Programm=Kalvatro&Datum=20240114" << 200
                            << QByteArray("20240114,6,7,8,9,10;1.000.000,00;unbesetzt;\r\n");
    QTest::newRow("anderes programm") << z << "Programm=Zahlen&Datum=20240114" << 404 << QByteArray();
    QTest::newRow("ohne datum") << z << "Programm=Zelano" << 404 << QByteArray();
    QTest::newRow("kein kalendertag") << z << "Programm=Zelano&Datum=20240230" << 404 << QByteArray();
    QTest::newRow("datum zu kurz") << z << "Programm=Zelano&Datum=2024011" << 404 << QByteArray();
    QTest::newRow("anderer pfad") << "/zahlen/lotto.asp" << "Programm=Zelano&Datum=20240114" << 404 << QByteArray();
    QTest::newRow("warenkorb") << "/lotto/lotto.asp" << "Spiel=Kalvatro&Wo=Portal&Tipps=12" << 200
                               << QByteArray("https://cart.example/?p=Portal&Tipps=12&x=Portal&");
    QTest::newRow("warenkorb portal kodiert") << "/lotto/lotto.asp" << "Spiel=Kalvatro&Wo=A%26B%20C%2C%C3%A4&Tipps=2" << 200
                                              << QByteArray("https://cart.example/?p=A%26B%20C,%C3%A4&Tipps=2&x=A%26B%20C,%C3%A4&");
    QTest::newRow("warenkorb ohne portal") << "/lotto/lotto.asp" << "Spiel=Kalvatro&Tipps=12" << 400 << QByteArray();
    QTest::newRow("warenkorb ohne tipps") << "/lotto/lotto.asp" << "Spiel=Kalvatro&Wo=P&Tipps=0" << 400 << QByteArray();
    QTest::newRow("warenkorb anderes spiel") << "/lotto/lotto.asp" << "Spiel=Lotto&Wo=P&Tipps=1" << 404 << QByteArray();
    QTest::newRow("skript") << "/scripts/Quintavola.qzt.txt" << "" << 200 << QByteArray("[Z1_1]");
    QTest::newRow("skript mit status") << "/scripts/Kaputt.qzt.txt" << "" << 500 << QByteArray();
    QTest::newRow("skript fehlt") << "/scripts/Anders.qzt.txt" << "" << 404 << QByteArray();
    QTest::newRow("skript aus dem ordner heraus") << "/scripts/../geheim.txt" << "" << 404 << QByteArray();
    QTest::newRow("skript unterordner") << "/scripts/a/b.txt" << "" << 404 << QByteArray();
  }

  void antworten() {
    QFETCH(QString, pfad);
    QFETCH(QString, query);
    QFETCH(int, status);
    QFETCH(QByteArray, inhalt);
    const standin::Datenordner daten(ordner_.path().toStdString());
    const auto a = daten.beantworte(pfad.toStdString(), abfrage(query));
    QCOMPARE(a.status, status);
    if (status == 200) QCOMPARE(QByteArray::fromStdString(a.inhalt), inhalt);
    if (status == 400) QVERIFY(a.inhalt.find("Mitteilung") != std::string::npos);
    QCOMPARE(a.geaendert.has_value(), pfad.startsWith(QLatin1String("/scripts/")) && status != 404);
    if (status == 500) QCOMPARE(a.inhalt, std::string("<h1>Fehler</h1>"));
  }

  void mitgelieferteVorlageIstDieDemo() {
    QFile f(QStringLiteral(ZK_QUELLDATEN "/Script/Quintavola.qzt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray::fromStdString(standin::demo::klickskript()));
  }

  void warenkorbMitteilung() {
    QTemporaryDir d;
    schreibe(fs::path(d.path().toStdString()) / "lotto" / "mitteilung.htm", "<p>Mitteilung: Wartung</p>");
    schreibe(fs::path(d.path().toStdString()) / "lotto" / "warenkorb.txt", "https://cart.example/?");
    const standin::Datenordner daten(d.path().toStdString());
    const auto a = daten.beantworte("/lotto/lotto.asp", abfrage(QStringLiteral("Spiel=Kalvatro&Wo=P&Tipps=3")));
    QCOMPARE(a.status, 503);
    QCOMPARE(a.inhalt, std::string("<p>Mitteilung: Wartung</p>"));
  }

  void demoZiehungen() {
    std::set<int> gesehen;
    for (auto d = std::chrono::sys_days(standin::demo::kErsterTag); d < std::chrono::sys_days(tag(2031, 1, 1));
         d += std::chrono::days(1)) {
      for (const bool mittag : {true, false}) {
        const auto z = standin::demo::ziehung(Datum(d), mittag);
        QCOMPARE(z, standin::demo::ziehung(Datum(d), mittag));
        const std::set<int> verschieden(z.begin(), z.end());
        QCOMPARE(verschieden.size(), size_t(5));
        QVERIFY(*verschieden.begin() >= 1 && *verschieden.rbegin() <= 55);
        gesehen.insert(z.begin(), z.end());
      }
    }
    QCOMPARE(gesehen.size(), size_t(55));
    QVERIFY(standin::demo::ziehung(tag(2024, 1, 1), true) != standin::demo::ziehung(tag(2024, 1, 2), true));

    const QString antwort = QString::fromStdString(standin::demo::ziehungsAntwort(tag(2024, 3, 5), 2));
    QVERIFY2(QRegularExpression(QStringLiteral("^20240305(,\\d{1,2}){5};1;\r\n20240305(,\\d{1,2}){5};0;\r\n$"))
                 .match(antwort)
                 .hasMatch(),
             qPrintable(antwort));
    const QString quoten = QString::fromStdString(standin::demo::quotenAntwort(tag(2024, 3, 5)));
    const QString zahl = QStringLiteral("\\d{1,3}(\\.\\d{3})*,\\d{2}");
    QVERIFY2(QRegularExpression(QStringLiteral("^20240305(,\\d{1,2}){5};%1;((%1|unbesetzt);){12}\r\n$").arg(zahl))
                 .match(quoten)
                 .hasMatch(),
             qPrintable(quoten));
  }

  void veroeffentlicht_data() {
    QTest::addColumn<int>("tagDavor");  // the draw day minus the day of the clock
    QTest::addColumn<int>("minuten");
    QTest::addColumn<int>("anzahl");
    QTest::newRow("gestern") << -1 << 0 << 2;
    QTest::newRow("morgen") << 1 << 23 * 60 << 0;
    QTest::newRow("heute 12:59") << 0 << 12 * 60 + 59 << 0;
    QTest::newRow("heute 13:00") << 0 << 13 * 60 << 1;
    QTest::newRow("heute 20:29") << 0 << 20 * 60 + 29 << 1;
    QTest::newRow("heute 20:30") << 0 << 20 * 60 + 30 << 2;
  }

  void veroeffentlicht() {
    QFETCH(int, tagDavor);
    QFETCH(int, minuten);
    QFETCH(int, anzahl);
    const Datum heute = tag(2024, 1, 1);
    const Datum d(std::chrono::sys_days(heute) + std::chrono::days(tagDavor));
    QCOMPARE(standin::demo::veroeffentlicht(d, Zeitpunkt{heute, minuten}), anzahl);
  }

  // The demo set grows with the clock, keeps what someone edited and never writes into a
  // folder that holds other data.
  void demoBereitstellen() {
    QTemporaryDir d;
    const standin::Datenordner daten(d.path().toStdString());
    const auto antwort = [&](const char* programm, const char* datum) {
      const auto a = daten.beantworte("/zahlen/lotto_neu.asp", abfrage(QStringLiteral("Programm=%1&Datum=%2")
                                                                           .arg(QLatin1String(programm),
                                                                                QLatin1String(datum))));
      return a.status == 200 ? a.inhalt : "<" + std::to_string(a.status) + ">";
    };
    {
      standin::demo::Demodaten demo(daten);
      QCOMPARE(demo.bereitstellen(Zeitpunkt{tag(2018, 2, 10), 14 * 60}), standin::demo::Stand::Angelegt);
      QVERIFY(fs::exists(daten.pfad() / standin::demo::kMarke));
      QCOMPARE(antwort("Zelano", "20180207"), std::string("<404>"));
      QCOMPARE(antwort("Zelano", "20180208"), standin::demo::ziehungsAntwort(tag(2018, 2, 8), 2));
      QCOMPARE(antwort("Zelano", "20180210"), standin::demo::ziehungsAntwort(tag(2018, 2, 10), 1));
      QCOMPARE(antwort("Zelano", "20180211"), std::string("<404>"));
      QCOMPARE(antwort("Kalvatro", "20180209"), standin::demo::quotenAntwort(tag(2018, 2, 9)));
      QCOMPARE(antwort("Kalvatro", "20180210"), std::string("<404>"));

      demo.nachfuehren(Zeitpunkt{tag(2018, 2, 10), 21 * 60});
      QCOMPARE(antwort("Zelano", "20180210"), standin::demo::ziehungsAntwort(tag(2018, 2, 10), 2));
      QCOMPARE(antwort("Kalvatro", "20180210"), standin::demo::quotenAntwort(tag(2018, 2, 10)));
      demo.nachfuehren(Zeitpunkt{tag(2018, 2, 11), 9 * 60});
      QCOMPARE(antwort("Zelano", "20180211"), std::string());
    }
    // Someone edits the draws of 2018; a later start adds the new days and years only.
    const fs::path jahr2018 = daten.jahresdatei("zahlen", tag(2018, 1, 1));
    const std::string bearbeitet = "[20180208]\r\n20180208,1,2,3,4,5;1;\r\n";
    schreibe(jahr2018, bearbeitet);
    standin::demo::Demodaten spaeter(daten);
    QCOMPARE(spaeter.bereitstellen(Zeitpunkt{tag(2019, 1, 2), 21 * 60}), standin::demo::Stand::Ergaenzt);
    QCOMPARE(lies(jahr2018), bearbeitet);
    QCOMPARE(antwort("Zelano", "20190102"), standin::demo::ziehungsAntwort(tag(2019, 1, 2), 2));

    QTemporaryDir fremd;
    schreibe(fs::path(fremd.path().toStdString()) / "zahlen" / "2024.txt", "[20240101]\r\n");
    const standin::Datenordner fremdeDaten(fremd.path().toStdString());
    standin::demo::Demodaten nichtMeins(fremdeDaten);
    QCOMPARE(nichtMeins.bereitstellen(Zeitpunkt{tag(2024, 1, 2), 21 * 60}), standin::demo::Stand::Fremd);
    nichtMeins.nachfuehren(Zeitpunkt{tag(2024, 1, 3), 21 * 60});
    QVERIFY(!fs::exists(fremdeDaten.pfad() / standin::demo::kMarke));
    QVERIFY(!fs::exists(fremdeDaten.jahresdatei("zahlen", tag(2018, 1, 1))));
    QCOMPARE(lies(fremdeDaten.jahresdatei("zahlen", tag(2024, 1, 1))), std::string("[20240101]\r\n"));

    // A folder nothing can be written to: said, with the file, and nothing is served as demo.
    const standin::Datenordner gesperrt("/dev/null/zk");
    standin::demo::Demodaten nirgends(gesperrt);
    QCOMPARE(nirgends.bereitstellen(Zeitpunkt{tag(2018, 2, 10), 14 * 60}), standin::demo::Stand::Unschreibbar);
    QVERIFY(nirgends.fehler().starts_with("/dev/null/zk/"));
  }

  // The program itself: demo data on the first start, answers through a proxy request too,
  // one log line per request.
  void programm() {
    StandInServer server(true);
    QVERIFY2(server.laeuft(), qPrintable(server.protokoll()));
    QVERIFY(QFile::exists(server.daten() + QStringLiteral("/DEMODATEN.txt")));

    plattform::HttpClient client;
    const QString weg = QStringLiteral("/zahlen/lotto_neu.asp?Programm=Zelano&Datum=20180208");
    const auto a = client.get(server.url() + weg);
    QCOMPARE(a.statuszeile, QStringLiteral("HTTP/1.1 200 OK"));
    QCOMPARE(a.inhalt, QByteArray::fromStdString(standin::demo::ziehungsAntwort(tag(2018, 2, 8), 2)));

    // As the target of a proxy: the request names a host that does not exist.
    client.setzeProxy(QStringLiteral("127.0.0.1"), server.port());
    QCOMPARE(client.get(QStringLiteral("http://zahlen.invalid") + weg).inhalt, a.inhalt);
    client.setzeProxy(QString(), 0);

    try {
      client.get(server.url() + QStringLiteral("/index.html"));
      QFAIL("404 expected");
    } catch (const plattform::HttpFehler& f) {
      QCOMPARE(f.status(), 404);
    }
    const QStringList log = server.protokoll().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList anfragen = log.filter(QStringLiteral(" GET "));
    QCOMPARE(anfragen.size(), 3);
    QVERIFY2(anfragen[0].contains(QStringLiteral(" 127.0.0.1 GET ") + weg + QStringLiteral(" 200 55 \"Zahlen-Kenner\"")),
             qPrintable(anfragen[0]));
    QVERIFY(anfragen[1].contains(QStringLiteral("GET http://zahlen.invalid") + weg + QStringLiteral(" 200 ")));
    QVERIFY(anfragen[2].contains(QStringLiteral("GET /index.html 404 ")));
  }

  // A Range header is ignored: one range or two thousand, the whole body goes out once with 200.
  void bereiche_data() {
    QTest::addColumn<int>("anzahl");
    QTest::newRow("ein bereich") << 1;
    QTest::newRow("zweitausend bereiche") << 2000;
  }
  void bereiche() {
    QFETCH(int, anzahl);
    StandInServer server;
    QVERIFY(server.laeuft());
    const QByteArray vorlage = "[Z1_1] " + QByteArray(1000, 'v');
    server.setzeDatei(QStringLiteral("scripts/Q.qzt.txt"), vorlage);
    // "0-" is the whole body: a server that serves each range would send it once per range.
    QByteArray bereiche = "bytes=0-1";
    for (int i = 1; i < anzahl; ++i) bereiche += ",0-";
    const QByteArray antwort =
        roheAnfrage(server.port(), "GET /scripts/Q.qzt.txt HTTP/1.1\r\nHost: x\r\nRange: " + bereiche + "\r\nConnection: close\r\n\r\n");
    QVERIFY2(antwort.startsWith("HTTP/1.1 200 OK\r\n"), antwort.left(200).constData());
    QVERIFY(!antwort.contains("multipart/byteranges"));
    QVERIFY(antwort.contains("\r\nContent-Length: " + QByteArray::number(vorlage.size()) + "\r\n"));
    QVERIFY(antwort.endsWith("\r\n\r\n" + vorlage));
  }

  // Connections that never send a request are closed soon and many workers wait, so that three
  // hundred of them hold up a real request for a second or so, not for many.
  void leerlauf() {
    StandInServer server;
    QVERIFY(server.laeuft());
    server.setzeZiehungen(QDate(2024, 1, 15), "20240115,1,2,3,4,5;1;\r\n");
    std::vector<int> leer;
    for (int i = 0; i < 300; ++i) {
      const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_port = htons(static_cast<uint16_t>(server.port()));
      a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) leer.push_back(fd);
      else if (fd >= 0) ::close(fd);
    }
    QCOMPARE(leer.size(), size_t(300));
    plattform::HttpClient client;
    QElapsedTimer uhr;
    uhr.start();
    const auto antwort = client.get(server.url() + QStringLiteral("/zahlen/lotto_neu.asp?Programm=Zelano&Datum=20240115"));
    const qint64 ms = uhr.elapsed();
    for (int fd : leer) ::close(fd);
    QCOMPARE(antwort.inhalt, QByteArray("20240115,1,2,3,4,5;1;\r\n"));
    QVERIFY2(ms < 3000, qPrintable(QString::number(ms)));
  }

  // Options it cannot use end it before it listens: a usage line and exit code 2; a port that
  // is taken gives exit code 1.
  void aufruf_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("meldung");
    const QString u = QStringLiteral("usage: zahlenkenner-server --host H --port P --data DIR [--demo]");
    QTest::newRow("ohne argumente") << QStringList{} << 2 << u;
    QTest::newRow("ohne --data") << QStringList{"--host", "127.0.0.1", "--port", "0", "--demo"} << 2 << u;
    QTest::newRow("--data ohne wert") << QStringList{"--port", "0", "--data"} << 2 << u;
    QTest::newRow("port keine zahl") << QStringList{"--port", "80a", "--data", "."} << 2 << u;
    QTest::newRow("port zu gross") << QStringList{"--port", "65536", "--data", "."} << 2 << u;
    QTest::newRow("unbekannte option") << QStringList{"--data", ".", "--verbose"} << 2 << u;
    QTest::newRow("port belegt") << QStringList{"--host", "127.0.0.1", "--data", "."} << 1 << "cannot listen on 127.0.0.1:";
    // A data folder below a file can be made by nobody, root included.
    QTest::newRow("demo unbeschreibbar") << QStringList{"--host", "127.0.0.1", "--port", "0", "--data", "/dev/null/zk", "--demo"}
                                         << 1 << "cannot write the demo data: /dev/null/zk/";
  }

  void aufruf() {
    QFETCH(QStringList, argumente);
    QFETCH(int, code);
    QFETCH(QString, meldung);
    StandInServer belegt;
    QVERIFY(belegt.laeuft());
    if (code == 1) argumente << QStringLiteral("--port") << QString::number(belegt.port());
    QProcess p;
    p.setWorkingDirectory(belegt.daten());
    p.start(QStringLiteral(ZK_SERVER_EXE), argumente);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), code);
    QVERIFY2(QString::fromUtf8(p.readAllStandardError()).startsWith(meldung), qPrintable(meldung));
    QCOMPARE(QDir(belegt.daten()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
  }

  void stopptSauber_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
  }

  void stopptSauber() {
    QFETCH(int, signal);
    StandInServer server;
    QVERIFY(server.laeuft());
    QCOMPARE(server.stoppen(signal), 0);
    QVERIFY(server.protokoll().trimmed().endsWith(QStringLiteral("stopped")));
  }
};

QTEST_GUILESS_MAIN(TstStandin)
#include "tst_standin.moc"
