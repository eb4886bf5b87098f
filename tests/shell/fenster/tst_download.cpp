#include <QtTest>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <functional>

#include "hilfen/rohserver.h"
#include "hilfen/standin.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/formate.h"
#include "plattform/http.h"
#include "shell/fenster/Download.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "shell/ziehungsdaten.h"

namespace {

QDate heute() { return QDate::currentDate(); }

QByteArray zeile(const QDate& tag, std::array<int, 5> z, const char* ende) {
  QByteArray s = plattform::yyyymmdd(tag).toLatin1();
  for (int n : z) s += "," + QByteArray::number(n);
  return s + ";" + ende + "\r\n";
}
QByteArray zweiZiehungen(const QDate& tag, std::array<int, 5> m, std::array<int, 5> a) {
  return zeile(tag, m, "1;") + zeile(tag, a, "0;");
}
std::array<int, 5> zahlenVon(int tag) { return {1 + tag % 40, 5 + tag % 40, 9 + tag % 40, 13 + tag % 40, 16 + tag % 40}; }

// The main window against a stand-in server of its own; controls are found by name.
struct Fenster : Fenstertest<TForm1> {
  StandInServer server;
  QSignalSpy auswertung{form.download, &Download::auswertungGewuenscht};

  Fenster() { server.alsServerDesProgramms(); }
  QString datei() const { return u.home() + QStringLiteral("ZahlenQV.dat"); }
  void historie(const std::vector<Ziehung>& h) { Testumgebung::schreibe(datei(), alsDatei(h)); }
  std::vector<Ziehung> gespeichert() const { return Ziehungsdaten::zerlege(Testumgebung::lies(datei())); }

  QString text(const char* label) { return ctl<QLabel>(label)->text(); }
  // Shows the window over a history that is up to date (the show road asks nothing), then puts
  // the history of the test in place.
  void zeigen(const std::vector<Ziehung>& h) {
    historie({satz(heute(), {1, 2, 3, 4, 5}, false)});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_VERIFY(!text("Label35").isEmpty());  // the show road has run
    QCOMPARE(server.angefragteTage(), QStringList{});
    historie(h);
    u.dialoge().gezeigt.clear();
  }
  bool idle() {
    return ctl("BitBtn1")->isEnabled() && ctl("SpeedButton10")->isEnabled() && ctl("SpeedButton8")->isHidden() &&
           !form.zustand().downloadLaeuft;
  }
  QLineEdit* proxyPort() { return ctl<QLineEdit>("ProxyPortEdit"); }
};

// Runs `schritt` each time the download lets the window handle its input, with the count of
// that moment (1 = after the first day).
class WaehrendDesLaufs : public QObject {
 public:
  explicit WaehrendDesLaufs(std::function<void(int)> schritt) : schritt_(std::move(schritt)) { startTimer(0); }

 protected:
  void timerEvent(QTimerEvent*) override { schritt_(++n_); }

 private:
  std::function<void(int)> schritt_;
  int n_ = 0;
};

QString tagText(int abHeute) { return plattform::yyyymmdd(heute().addDays(abHeute)); }

}  // namespace

class TstDownload : public QObject {
  Q_OBJECT
 private slots:
  void starten_data() {
    QTest::addColumn<QString>("wie");
    QTest::newRow("BitBtn1") << "BitBtn1";
    QTest::newRow("SpeedButton10") << "SpeedButton10";
    QTest::newRow("Strg+A") << "Ctrl+A";
  }

  // Each start command runs the download; at its end the newest draw is current and shown.
  void starten() {
    QFETCH(QString, wie);
    Fenster f;
    f.zeigen({satz(heute().addDays(-1), {7, 8, 9, 10, 11}, false)});
    const QByteArray antwort = zweiZiehungen(heute(), {1, 2, 3, 4, 5}, {50, 40, 30, 20, 10});
    f.server.setzeZiehungen(heute(), antwort);
    if (wie == QLatin1String("Ctrl+A"))
      QTest::keyClick(&f.form, Qt::Key_A, Qt::ControlModifier);
    else
      f.klick(wie.toLatin1().constData());

    QCOMPARE(f.server.angefragteTage(), QStringList{tagText(0)});
    QCOMPARE(f.gespeichert().size(), std::size_t(3));
    QVERIFY(f.idle());
    QCOMPARE(f.form.zustand().Position, 2);
    QCOMPARE(f.form.zustand().Datum1, heute());
    QCOMPARE(f.form.zustand().Zahl[1], 50);
    QCOMPARE(f.ctl<plattform::DatumsWahl>("DateTimePicker1")->Datum(), heute());
    const QString gezeigt = plattform::DDDddmmyy(heute()) + "    50  40  30  20  10  ";
    QCOMPARE(f.text("Label29"), gezeigt);
    QCOMPARE(f.text("Label35"), gezeigt);
    QCOMPARE(f.ctl<QPlainTextEdit>("RichEdit1")->toPlainText().split(QLatin1Char('\n')),
             QString::fromLatin1(antwort).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    QVERIFY(f.u.dialoge().gezeigt.isEmpty());
  }

  // The show road ends with the download: the history the window opens over is brought up to
  // today, and the newest draw is current.
  void beimZeigen() {
    Fenster f;
    f.historie({satz(heute().addDays(-2), {7, 8, 9, 10, 11}, false)});
    f.server.setzeZiehungen(heute().addDays(-1), zweiZiehungen(heute().addDays(-1), {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    QTRY_COMPARE(f.server.angefragteTage(), (QStringList{tagText(-1), tagText(0)}));
    QCOMPARE(f.gespeichert().size(), std::size_t(3));
    QCOMPARE(f.form.zustand().Datum1, heute().addDays(-1));
    QCOMPARE(f.form.zustand().Zahl[1], 6);
    QVERIFY(f.idle());
  }

  // Hostile answers at the start: one over its bound is a failed request (nothing stored,
  // nothing said, the answer box never holds it); more lines than a day has draws are refused
  // with a short message; a trickling server holds the window for about the deadline of one
  // request, after which the stop button acts.
  void feindlichBeimZeigen_data() {
    QTest::addColumn<QByteArray>("antwort");
    QTest::addColumn<qint64>("fuellung");
    QTest::addColumn<int>("tropfenMs");
    QTest::addColumn<int>("anfragen");
    QTest::addColumn<bool>("meldung");
    QTest::addColumn<int>("hoechstensMs");
    const QByteArray ende = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
    QByteArray hundert;
    for (int i = 0; i < 100; ++i) hundert += zeile(heute(), zahlenVon(i), "0;");
    QTest::newRow("300 MiB ohne zeilenende") << ende << 300LL * 1024 * 1024 << 0 << 3 << false << 5000;
    QTest::newRow("hundert ziehungen") << ende + hundert << qint64(0) << 0 << 1 << true << 5000;
    QTest::newRow("tröpfelnd, gestoppt") << ende + zweiZiehungen(heute(), {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}) << qint64(0)
                                         << 500 << 1 << false << plattform::HttpClient::kFristMs + 3000;
  }
  void feindlichBeimZeigen() {
    QFETCH(QByteArray, antwort);
    QFETCH(qint64, fuellung);
    QFETCH(int, tropfenMs);
    QFETCH(int, anfragen);
    QFETCH(bool, meldung);
    QFETCH(int, hoechstensMs);
    Fenster f;
    Rohserver roh(antwort, {tropfenMs, fuellung});
    qputenv("ZK_DOWNLOAD_URL", roh.url().toUtf8());
    const std::vector<Ziehung> h{satz(heute().addDays(-3), {7, 8, 9, 10, 11}, false)};
    f.historie(h);
    WaehrendDesLaufs lauf([&](int n) {
      if (n == 1 && tropfenMs) f.klick("SpeedButton8");
    });
    QElapsedTimer uhr;
    uhr.start();
    f.form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!f.text("Label35").isEmpty(), 20000);
    QVERIFY2(uhr.elapsed() < hoechstensMs, qPrintable(QString::number(uhr.elapsed())));
    QVERIFY(f.idle());
    QCOMPARE(roh.anfragen(), anfragen);
    QCOMPARE(f.gespeichert(), h);
    QCOMPARE(f.u.dialoge().texte(), meldung ? QStringList{zuVieleZiehungen(Meldungstabelle(), heute().addDays(-2))} : QStringList());
    QVERIFY(f.ctl<QPlainTextEdit>("RichEdit1")->toPlainText().size() <= kAntwortGrenze);
    QCOMPARE(f.form.zustand().Datum1, heute().addDays(-3));
  }

  // While the download handles input: the start buttons are disabled, the stored days are on
  // the disk, Ctrl+A starts no second download, deleting is refused, a step through the history
  // does not send the download back; the stop button ends it after the day being requested.
  void waehrendDesLaufs() {
    Fenster f;
    f.zeigen({satz(heute().addDays(-40), {7, 8, 9, 10, 11}, false)});
    for (int t = -39; t <= 0; ++t)
      f.server.setzeZiehungen(heute().addDays(t), zweiZiehungen(heute().addDays(t), zahlenVon(-t), zahlenVon(-t + 1)));
    bool knoepfeGesperrt = false;
    std::size_t aufDerPlatte = 0;
    WaehrendDesLaufs lauf([&](int n) {
      if (n == 1) {
        knoepfeGesperrt = !f.ctl("BitBtn1")->isEnabled() && !f.ctl("SpeedButton10")->isEnabled() &&
                          !f.ctl("SpeedButton8")->isHidden();
        aufDerPlatte = f.gespeichert().size();
        QTest::keyClick(&f.form, Qt::Key_A, Qt::ControlModifier);
        f.klick("BitBtn6");
        f.klick("SpeedButton6");
      }
      if (n == 3) f.klick("SpeedButton8");
    });
    f.klick("BitBtn1");

    QVERIFY(knoepfeGesperrt);
    QCOMPARE(aufDerPlatte, std::size_t(3));
    QCOMPARE(f.server.angefragteTage(), (QStringList{tagText(-39), tagText(-38), tagText(-37)}));
    const auto h = f.gespeichert();
    QCOMPARE(h.size(), std::size_t(7));
    for (std::size_t i = 1; i < h.size(); ++i) QCOMPARE(h[i].datum(), heute().addDays(-39 + int(i - 1) / 2));
    QCOMPARE(f.u.dialoge().texte(),
             QStringList{"Die Ziehungsdaten werden gerade eingelesen. Bitte warten Sie, bis das Einlesen beendet ist."});
    QVERIFY(f.idle());
    QCOMPARE(f.form.zustand().Position, 6);  // the newest draw stored so far
    QCOMPARE(f.form.zustand().Datum1, heute().addDays(-37));
  }

  // Closing the window while the download runs ends it after that day; nothing is opened.
  void schliessenWaehrendDesLaufs() {
    Fenster f;
    f.zeigen({satz(heute().addDays(-5), {7, 8, 9, 10, 11}, false)});
    for (int t = -4; t <= 0; ++t) f.server.setzeZiehungen(heute().addDays(t), zweiZiehungen(heute().addDays(t), {1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}));
    f.klick("Listenansicht");
    f.form.Schein->listeErsetzen({"1\t2\t40\t41\t42"});
    WaehrendDesLaufs lauf([&](int n) {
      if (n == 1) f.form.close();
    });
    f.klick("BitBtn1");
    QCOMPARE(f.server.angefragteTage(), QStringList{tagText(-4)});
    QVERIFY(f.form.isHidden());
    QCOMPARE(f.auswertung.count(), 0);
  }

  void proxyPortKeineZahl() {
    Fenster f;
    const std::vector<Ziehung> h{satz(heute().addDays(-1), {7, 8, 9, 10, 11}, false)};
    f.zeigen(h);
    f.server.setzeZiehungen(heute(), zweiZiehungen(heute(), {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    QTest::keyClicks(f.proxyPort(), QStringLiteral("o"));  // "80o"
    f.klick("BitBtn1");
    QCOMPARE(f.u.dialoge().texte(), QStringList{"'80o' ist kein gültiger Integerwert"});
    QCOMPARE(f.server.anfragen(), QStringList{});
    QCOMPARE(f.gespeichert(), h);
    QVERIFY(f.idle());
    f.proxyPort()->setText(QStringLiteral("80"));
    f.klick("BitBtn1");  // the next start works
    QCOMPARE(f.gespeichert().size(), std::size_t(3));
  }

  // At the end the prize evaluation is due when the list view shows a tip with two hits,
  // unless the history ended with a 13:00 draw and no answer line came since.
  void auswertung_data() {
    QTest::addColumn<bool>("liste");
    QTest::addColumn<bool>("mittagOhneAntwort");
    QTest::addColumn<int>("faellig");
    QTest::newRow("liste, zwei treffer") << true << false << 1;
    QTest::newRow("standardansicht, zwei treffer") << false << false << 0;
    QTest::newRow("liste, 13:00 ohne neue zeile") << true << true << 0;
  }

  void auswertung() {
    QFETCH(bool, liste);
    QFETCH(bool, mittagOhneAntwort);
    QFETCH(int, faellig);
    Fenster f;
    if (mittagOhneAntwort) {
      f.zeigen({satz(heute(), {1, 2, 6, 7, 8}, true)});
    } else {
      f.zeigen({satz(heute().addDays(-1), {7, 8, 9, 10, 11}, false)});
      f.server.setzeZiehungen(heute(), zweiZiehungen(heute(), {20, 21, 22, 23, 24}, {1, 2, 6, 7, 8}));
    }
    if (liste) {
      f.klick("Listenansicht");
      f.form.Schein->listeErsetzen({"3\t4\t5\t9\t10", "1\t2\t40\t41\t42"});
    } else {
      const QStringList tipp{"1", "2", "40", "41", "42"};
      for (int i = 0; i < 5; ++i) f.form.Schein->zeile(1).Zahlen[static_cast<std::size_t>(i)]->setText(tipp[i]);
    }
    f.u.dialoge().gezeigt.clear();
    f.klick("BitBtn1");
    QCOMPARE(f.server.angefragteTage(), QStringList{tagText(0)});
    QCOMPARE(f.form.zustand().Zahl[1], 1);
    QCOMPARE(f.auswertung.count(), faellig);
  }

  // Rebuilding the history starts the download over at 08.02.2018.
  void neuAnlegen() {
    Fenster f;
    f.zeigen({satz(heute().addDays(-1), {7, 8, 9, 10, 11}, false)});
    f.server.setzeZiehungen(QDate(2018, 2, 8), zweiZiehungen(QDate(2018, 2, 8), {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}));
    f.u.dialoge().antworten = {true};
    WaehrendDesLaufs lauf([&](int n) {
      if (n == 1) f.klick("SpeedButton8");
    });
    f.form.ziehungsanzeige->BitBtn2Click();
    QCOMPARE(f.server.angefragteTage(), QStringList{"20180208"});
    const auto h = f.gespeichert();
    QCOMPARE(h.size(), std::size_t(2));
    QCOMPARE(h[0].datum(), QDate(2018, 2, 8));
    QVERIFY(h[0].mittag() && !h[1].mittag());
  }
};

QTEST_MAIN(TstDownload)
#include "tst_download.moc"
