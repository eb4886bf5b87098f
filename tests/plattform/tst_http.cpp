#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "hilfen/rohserver.h"
#include "hilfen/standin.h"
#include "plattform/http.h"

using plattform::HttpClient;
using plattform::HttpFehler;

namespace {

// A socket on 127.0.0.1 that takes connections into its backlog and never answers.
class StummerPort {
 public:
  StummerPort() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t l = sizeof a;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), l) == 0 && ::listen(fd_, 8) == 0 &&
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &l) == 0)
      port_ = ntohs(a.sin_port);
  }
  ~StummerPort() { ::close(fd_); }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
int freierPort() {
  StummerPort p;
  return p.port();
}

// A small HTTP/1.1 responder on 127.0.0.1 for what the stand-in never sends: "/weiter/N"
// redirects N times before it answers "ziel", "/keks" sets a cookie, "/zeige" answers with the
// Cookie header it received. One request per connection.
class Weiterleiter {
 public:
  Weiterleiter() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t l = sizeof a;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), l) != 0 || ::listen(fd_, 16) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &l) != 0)
      return;
    port_ = ntohs(a.sin_port);
    faden_ = std::thread([this] { bedienen(); });
  }
  ~Weiterleiter() {
    ::shutdown(fd_, SHUT_RDWR);  // wakes accept()
    if (faden_.joinable()) faden_.join();
    ::close(fd_);
  }
  QString url(const char* pfad) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(QLatin1String(pfad)); }
  int anfragen() const { return anfragen_; }

 private:
  void bedienen() {
    for (;;) {
      const int c = ::accept(fd_, nullptr, nullptr);
      if (c < 0) return;
      std::string anfrage;
      char puffer[1024];
      while (anfrage.find("\r\n\r\n") == std::string::npos) {
        const ssize_t n = ::recv(c, puffer, sizeof puffer, 0);
        if (n <= 0) break;
        anfrage.append(puffer, static_cast<size_t>(n));
      }
      ++anfragen_;
      const auto zeilenende = anfrage.find("\r\n");
      const std::string erste = anfrage.substr(0, zeilenende);
      const std::string pfad = erste.substr(4, erste.rfind(' ') - 4);
      std::string kopf = "HTTP/1.1 200 OK\r\n";
      std::string inhalt;
      if (pfad.rfind("/weiter/", 0) == 0) {
        const int n = std::stoi(pfad.substr(8));
        if (n > 0)
          kopf = "HTTP/1.1 302 Found\r\nLocation: /weiter/" + std::to_string(n - 1) + "\r\n";
        else
          inhalt = "ziel";
      } else if (pfad == "/keks") {
        kopf += "Set-Cookie: sitzung=abc; Path=/\r\n";
      } else if (pfad == "/zeige") {
        const auto k = anfrage.find("\r\nCookie: ");
        if (k != std::string::npos) inhalt = anfrage.substr(k + 10, anfrage.find("\r\n", k + 2) - k - 10);
      }
      const std::string antwort =
          kopf + "Content-Length: " + std::to_string(inhalt.size()) + "\r\nConnection: close\r\n\r\n" + inhalt;
      ::send(c, antwort.data(), antwort.size(), MSG_NOSIGNAL);
      ::close(c);
    }
  }
  int fd_ = -1;
  int port_ = 0;
  std::atomic<int> anfragen_{0};
  std::thread faden_;
};

}  // namespace

class TstHttp : public QObject {
  Q_OBJECT
  StandInServer* server_ = nullptr;
  QString tag_ = QStringLiteral("/zahlen/lotto_neu.asp?Programm=Zelano&Datum=20240115");

 private slots:
  void initTestCase() {
    server_ = new StandInServer;
    QVERIFY(server_->laeuft());
    server_->setzeZiehungen(QDate(2024, 1, 15), "20240115,1,2,3,4,5;1;\r\n");
    server_->setzeDatei(QStringLiteral("scripts/Test.qzt.txt"), "Vorlage");
    QFile f(server_->daten() + QStringLiteral("/scripts/Test.qzt.txt"));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2023, 5, 17), QTime(8, 30, 5), Qt::UTC), QFileDevice::FileModificationTime));
  }
  void cleanupTestCase() { delete server_; }

  void antwort() {
    HttpClient c;
    const auto a = c.get(server_->url() + tag_);
    QCOMPARE(a.status, 200);
    QCOMPARE(a.statuszeile, QStringLiteral("HTTP/1.1 200 OK"));
    QCOMPARE(a.inhalt, QByteArray("20240115,1,2,3,4,5;1;\r\n"));
    QVERIFY(!a.geaendert.isValid());
    QCOMPARE(c.ResponseCode(), 200);

    const auto s = c.get(server_->url() + QStringLiteral("/scripts/Test.qzt.txt"));
    QCOMPARE(s.inhalt, QByteArray("Vorlage"));
    QCOMPARE(s.geaendert, QDateTime(QDate(2023, 5, 17), QTime(8, 30, 5), Qt::UTC));
  }

  // An error status is raised, and the answer stays readable; the next request starts clean.
  void fehlerstatus() {
    HttpClient c;
    try {
      c.get(server_->url() + QStringLiteral("/lotto/lotto.asp?Spiel=Kalvatro&Tipps=3"));
      QFAIL("400 expected");
    } catch (const HttpFehler& f) {
      QCOMPARE(f.status(), 400);
      QCOMPARE(f.text(), QStringLiteral("HTTP/1.1 400 Bad Request"));
      QVERIFY(f.antwort().inhalt.contains("Mitteilung"));
    }
    QCOMPARE(c.Statuszeile(), QStringLiteral("HTTP/1.1 400 Bad Request"));
    QVERIFY_THROWS_EXCEPTION(HttpFehler, c.get(server_->url() + QStringLiteral("/zahlen/x.asp")));
    QCOMPARE(c.ResponseCode(), 404);
    QCOMPARE(c.get(server_->url() + tag_).status, 200);
  }

  void keinServer() {
    HttpClient c;
    c.get(server_->url() + tag_);
    try {
      c.get(QStringLiteral("http://127.0.0.1:%1/").arg(freierPort()));
      QFAIL("connection refused expected");
    } catch (const HttpFehler& f) {
      QCOMPARE(f.status(), 0);
      QVERIFY(!f.text().isEmpty());
    }
    QCOMPARE(c.ResponseCode(), 0);
    QCOMPARE(c.Statuszeile(), QString());
  }

  void lesezeitlimit() {
    StummerPort stumm;
    QVERIFY(stumm.port() > 0);
    HttpClient c;
    c.setzeZeitlimits(5000, 1000);
    QElapsedTimer uhr;
    uhr.start();
    QVERIFY_THROWS_EXCEPTION(HttpFehler, c.get(QStringLiteral("http://127.0.0.1:%1/").arg(stumm.port())));
    QVERIFY2(uhr.elapsed() >= 900 && uhr.elapsed() < 4000, qPrintable(QString::number(uhr.elapsed())));
  }

  // Every answer is bounded: a body over the bound ends the transfer as soon as it shows, with or
  // without an announced length, and the request fails keeping none of it; the client goes on.
  void grenze_data() {
    QTest::addColumn<QByteArray>("kopf");  // status line and headers
    QTest::addColumn<qint64>("laenge");     // bytes of the body
    QTest::addColumn<qint64>("grenze");     // 0: the client's own
    QTest::addColumn<bool>("ok");
    const qint64 mib300 = 300LL * 1024 * 1024;
    const QByteArray ende = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    auto laenge = [](qint64 n) { return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(n) + "\r\n"; };
    QTest::newRow("genau die grenze") << laenge(4096) << qint64(4096) << qint64(4096) << true;
    QTest::newRow("genau die grenze, bis zum ende") << ende << qint64(4096) << qint64(4096) << true;
    QTest::newRow("ein byte zu viel, angesagt") << laenge(4097) << qint64(4097) << qint64(4096) << false;
    QTest::newRow("ein byte zu viel, bis zum ende") << ende << qint64(4097) << qint64(4096) << false;
    QTest::newRow("300 MiB ohne zeilenende") << ende << mib300 << qint64(4096) << false;
    QTest::newRow("300 MiB angesagt") << laenge(mib300) << mib300 << qint64(4096) << false;
    QTest::newRow("fehlerseite von 300 MiB") << QByteArray("HTTP/1.1 503 Service Unavailable\r\nConnection: close\r\n")
                                             << mib300 << qint64(4096) << false;
    QTest::newRow("eigene grenze 1 MiB") << ende << qint64(HttpClient::kStandardgrenze) << qint64(0) << true;
    QTest::newRow("über der eigenen grenze") << ende << mib300 << qint64(0) << false;
  }
  void grenze() {
    QFETCH(QByteArray, kopf);
    QFETCH(qint64, laenge);
    QFETCH(qint64, grenze);
    QFETCH(bool, ok);
    Rohserver roh(kopf + "\r\n", {0, laenge});
    HttpClient c;
    if (grenze) c.setzeGrenze(grenze);
    QElapsedTimer uhr;
    uhr.start();
    if (ok) {
      QCOMPARE(c.get(roh.url()).inhalt, QByteArray(laenge, 'x'));
    } else {
      try {
        c.get(roh.url());
        QFAIL("a failed request expected");
      } catch (const HttpFehler& f) {
        QCOMPARE(f.text(), QStringLiteral("Maximum file size exceeded"));
        QVERIFY(!f.statusfehler());
        QVERIFY(f.antwort().inhalt.isEmpty());
      }
      QVERIFY(c.letzteAntwort().inhalt.isEmpty());
      // Cut off early: what left the server is what the sockets hold, not the 300 MiB.
      QVERIFY2(roh.gesendet() < 32 * 1024 * 1024, qPrintable(QString::number(roh.gesendet())));
    }
    QVERIFY2(uhr.elapsed() < 3000, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(c.get(server_->url() + tag_).status, 200);
  }

  // A server that sends two bytes a second is never silent for the read time-out; the whole
  // request still ends after the deadline, keeping nothing.
  void frist() {
    Rohserver tropf("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n" + QByteArray(40, '1'), {500, 0});
    HttpClient c(HttpClient::Profil::Indy);
    c.setzeZeitlimits(5000, 5000);
    QElapsedTimer uhr;
    uhr.start();
    try {
      c.get(tropf.url());
      QFAIL("time-out expected");
    } catch (const HttpFehler& f) {
      QVERIFY(!f.statusfehler());
      QVERIFY(f.antwort().inhalt.isEmpty());
    }
    QVERIFY2(uhr.elapsed() >= HttpClient::kFristMs - 100 && uhr.elapsed() < HttpClient::kFristMs + 2000,
             qPrintable(QString::number(uhr.elapsed())));
  }

  // The download's client follows up to 15 redirects; the other profile follows none and
  // reports the redirect as an error with its status.
  void weiterleitungen_data() {
    QTest::addColumn<int>("profil");
    QTest::addColumn<int>("umwege");
    QTest::addColumn<int>("status");  // 0: the request fails
    QTest::addColumn<int>("anfragen");
    const int zk = int(HttpClient::Profil::ZahlenKenner), indy = int(HttpClient::Profil::Indy);
    QTest::newRow("15 umwege") << zk << 15 << 200 << 16;
    QTest::newRow("16 umwege") << zk << 16 << 0 << 16;
    QTest::newRow("indy, ein umweg") << indy << 1 << 302 << 1;
    QTest::newRow("indy, ohne umweg") << indy << 0 << 200 << 1;
  }

  void weiterleitungen() {
    QFETCH(int, profil);
    QFETCH(int, umwege);
    QFETCH(int, status);
    QFETCH(int, anfragen);
    Weiterleiter w;
    HttpClient c(static_cast<HttpClient::Profil>(profil));
    const QString url = w.url(("/weiter/" + std::to_string(umwege)).c_str());
    if (status == 200) {
      const auto a = c.get(url);
      QCOMPARE(a.inhalt, QByteArray("ziel"));
      QCOMPARE(a.statuszeile, QStringLiteral("HTTP/1.1 200 OK"));
    } else {
      try {
        c.get(url);
        QFAIL("error expected");
      } catch (const HttpFehler& f) {
        if (status) QCOMPARE(f.status(), status);
      }
    }
    QCOMPARE(w.anfragen(), anfragen);
  }

  // Cookies are kept and sent again, also after the connection was closed.
  void cookies() {
    Weiterleiter w;
    HttpClient c;
    QCOMPARE(c.get(w.url("/zeige")).inhalt, QByteArray());
    c.get(w.url("/keks"));
    QCOMPARE(c.get(w.url("/zeige")).inhalt, QByteArray("sitzung=abc"));
    c.trennen();
    QCOMPARE(c.get(w.url("/zeige")).inhalt, QByteArray("sitzung=abc"));
  }

  void profile_data() {
    QTest::addColumn<int>("profil");
    QTest::addColumn<QString>("agent");
    QTest::newRow("Zahlen-Kenner") << int(HttpClient::Profil::ZahlenKenner) << "Zahlen-Kenner";
    QTest::newRow("Indy") << int(HttpClient::Profil::Indy) << "Mozilla/3.0 (compatible; Indy Library)";
  }

  // What the server sees of each profile; neither the proxy of the environment nor its
  // exceptions are used, the proxy that is set always is, and a closed connection opens again.
  void profile() {
    QFETCH(int, profil);
    QFETCH(QString, agent);
    qputenv("http_proxy", QStringLiteral("http://127.0.0.1:%1").arg(freierPort()).toUtf8());
    qputenv("no_proxy", "download.invalid");
    HttpClient c(static_cast<HttpClient::Profil>(profil));
    QCOMPARE(c.get(server_->url() + tag_).status, 200);
    c.trennen();
    c.setzeProxy(QStringLiteral("127.0.0.1"), server_->port());
    QCOMPARE(c.get(QStringLiteral("http://download.invalid") + tag_).status, 200);
    qunsetenv("http_proxy");
    qunsetenv("no_proxy");
    const QStringList zeilen = server_->protokoll().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString erwartet = QStringLiteral(" 200 23 \"%1\" \"text/html, */*\"").arg(agent);
    QVERIFY2(zeilen.at(zeilen.size() - 2).endsWith(erwartet), qPrintable(zeilen.at(zeilen.size() - 2)));
    QVERIFY(zeilen.last().contains(QStringLiteral("GET http://download.invalid/")));
    QVERIFY(zeilen.last().endsWith(erwartet));
  }
};

QTEST_GUILESS_MAIN(TstHttp)
#include "tst_http.moc"
