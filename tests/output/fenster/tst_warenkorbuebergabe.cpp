#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstring>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/rohserver.h"
#include "hilfen/standin.h"
#include "output/fenster/Spielwahl.h"
#include "output/fenster/Uebergaben.h"
#include "output/warenkorb.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/http.h"
#include "plattform/pause.h"
#include "plattform/pfade.h"
#include "plattform/zufall.h"
#include "shell/fenster/Internetseite.h"
#include "shell/fenster/Sprachmenue.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"

namespace {

const QByteArray kVorlage = "https://cart.example/k?p={WO}&Tipps={TIPPS}&";

// The main window with the cart options dialog made after it, against a stand-in of its own.
struct Fenster : Fenstertest<TForm1> {
  StandInServer server;
  TForm5 form5;
  QList<int> pausen;

  Fenster() {
    server.alsServerDesProgramms();
    server.setzeDatei("lotto/warenkorb.txt", kVorlage);
    plattform::setzePause([this](int ms) { pausen << ms; });
  }
  ~Fenster() { plattform::setzePause({}); }
  Tippschein& schein() { return *form.Schein; }
  void portal(const QString& p) { form.Internet->Lottoportal->setEditText(p); }
  void liste(const QStringList& zeilen) {
    schein().listenansichtBeimStart();
    schein().listeErsetzen(zeilen);
  }
  void zeilen(int bis) {
    for (int k = 1; k <= bis; ++k)
      for (int i = 0; i < 5; ++i) schein().zeile(k).Zahlen[static_cast<size_t>(i)]->setText(QString::number(k + 10 * i));
  }
  QStringList urls() {
    QStringList l;
    for (const QString& a : u.shell().aufrufe)
      if (a.startsWith("open ")) l << a.mid(5);
    return l;
  }
  QStringList cartAnfragen() { return server.anfragen().filter("/lotto/"); }
  void warenkorb() { fenstertest::klick(form.Hand->Warenkorb); }
};

// The value of a query key of a plain-suffix URL.
QString wert(const QString& url, const QString& schluessel) {
  for (const QString& teil : url.mid(url.indexOf('?') + 1).split('&'))
    if (teil.startsWith(schluessel + "=")) return teil.mid(schluessel.size() + 1);
  return QStringLiteral("<fehlt>");
}

QByteArray satz08(const char* s77, const char* s6) {
  QByteArray b(32, '\0');
  const double tage = plattform::alsTagzahl(QDate(2020, 3, 7));
  std::memcpy(b.data(), &tage, 8);
  for (int i = 0; i < 7; ++i) b[16 + i] = static_cast<char>(s77[i] - '0');
  for (int i = 0; i < 6; ++i) b[23 + i] = static_cast<char>(s6[i] - '0');
  return b;
}

}  // namespace

class TstWarenkorbuebergabe : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

  void versteckt() {
    Fenster f;
    QVERIFY(f.form.Hand->Warenkorb->isHidden());
    QCOMPARE(f.form.Hand->Warenkorb->text(), QStringLiteral("Warenkorb"));
    QCOMPARE(f.form.Hand->Warenkorb->parentWidget(), f.form.Schein->Panel3);
  }

  void dialogElemente() {
    Fenster f;
    QStringList namen;
    for (const auto& e : plattform::elementliste(&f.form5).elemente()) namen << e.name();
    QCOMPARE(namen, (QStringList{"Form5", "Spiel77", "Super6", "glueck", "Label3", "Label4", "Edit3", "Edit4", "Edit5",
                                 "Edit6", "Edit7", "Edit8", "Edit9", "SpeedButton2", "SpeedButton3", "RadioGroup2",
                                 "Label5", "BitBtn1", "BitBtn3"}));
    QCOMPARE(f.form5.windowTitle(), QStringLiteral("Übergabe des Tippscheins direkt an Tippland"));
    // The main window's zoom takes the dialog along.
    const int breite = f.form5.width();
    f.form.setHeight(f.form.Height() * 2);
    QVERIFY2(f.form5.width() > breite * 3 / 2, qPrintable(QString::number(f.form5.width())));
  }

  void listeInSechserpaketen() {
    Fenster f;
    QStringList l;
    for (int i = 1; i <= 13; ++i) l << QStringLiteral("%1\t2\t3\t4\t5").arg(i);
    l[0] = "1\t2\t3\t4\t5\t\t\t6\t7";
    f.liste(l);
    f.warenkorb();
    QCOMPARE(f.cartAnfragen(), QStringList{"/lotto/lotto.asp?Spiel=Kalvatro&Wo=" + f.form.Internet->Lottoportal->currentText() + "&Tipps=13"});
    const QStringList u = f.urls();
    QCOMPARE(u.size(), 3);
    QCOMPARE((QStringList{wert(u[0], "Tipps"), wert(u[1], "Tipps"), wert(u[2], "Tipps")}), (QStringList{"6", "6", "1"}));
    QCOMPARE(wert(u[0], "kasten1"), QStringLiteral("1,2,3,4,5,6,7"));  // the plain separator is ","
    QCOMPARE(wert(u[2], "kasten1"), QStringLiteral("13,2,3,4,5"));
    for (const char* k : {"kasten2", "kasten3", "kasten4", "kasten5", "kasten6"}) QCOMPARE(wert(u[2], k), QStringLiteral(",,,,,,"));
    // The first URL after start has no ticket number; each batch draws a fresh one after it.
    QCOMPARE(wert(u[0], "spielscheinnummer"), QString());
    QCOMPARE(wert(u[1], "spielscheinnummer").size(), 7);
    QCOMPARE(wert(u[2], "spielscheinnummer").size(), 7);
    QVERIFY(wert(u[1], "spielscheinnummer") != wert(u[2], "spielscheinnummer"));
    QCOMPARE(f.form5.LosNr.size(), 7);
    QCOMPARE(f.pausen, (QList<int>{2000, 2000, 2000}));
    QCOMPARE(f.form.StatusBar1->panel(1), QStringLiteral("Überprüfen Sie den Tipp im Warenkorb!!!"));
    QVERIFY(!f.form5.isVisible());
    QVERIFY(f.meldungen().isEmpty());
    // The status follows the language (Czech).
    f.form.sprachmenue->menuepunkt(10)->trigger();
    f.warenkorb();
    QCOMPARE(f.urls().size(), 6);
    QCOMPARE(f.form.StatusBar1->panel(1), QString::fromUtf8("Zkontrolujte tip v košíku!!!"));
  }

  void kodierterSuffix() {
    Fenster f;
    f.portal(warenkorb::kPortal1);
    f.liste({"1\t2\t3\t4\t5\t\t\t6\t7"});
    f.warenkorb();
    const QString u = f.urls().value(0);
    QVERIFY2(u.contains("kasten1%3D1,2,3,4,5%2F6,7%26"), qPrintable(u));
    QVERIFY(u.contains("kasten7%3D[KASTEN7]%26kasten8%3D[KASTEN8]"));
    QCOMPARE(u.count("Tipps="), 1);
  }

  void standard_data() {
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<int>("tippanzahl");
    QTest::addColumn<QStringList>("anzahlen");
    QTest::newRow("fünf Reihen") << 5 << 5 << QStringList{"5"};
    QTest::newRow("neun Reihen") << 9 << 9 << QStringList{"6", "3"};
  }
  void standard() {
    QFETCH(int, zeilen);
    QFETCH(int, tippanzahl);
    QFETCH(QStringList, anzahlen);
    Fenster f;
    f.zeilen(zeilen);
    f.schein().UpDown8->setPosition(tippanzahl);
    f.warenkorb();
    QCOMPARE(f.cartAnfragen().value(0).endsWith(QStringLiteral("&Tipps=%1").arg(tippanzahl)), true);
    QStringList gesehen;
    for (const QString& u : f.urls()) gesehen << wert(u, "Tipps");
    QCOMPARE(gesehen, anzahlen);
    QCOMPARE(wert(f.urls()[0], "kasten1"), QStringLiteral("1,11,21,31,41,,"));
    QCOMPARE(wert(f.urls()[0], "kasten6"), anzahlen.size() == 1 ? QStringLiteral(",,,,,,") : QStringLiteral("6,16,26,36,46,,"));
    QCOMPARE(f.pausen.size(), anzahlen.size() - 1);
    QCOMPARE(f.form5.LosNr.isEmpty(), anzahlen.size() == 1);  // the dialog is used between the two URLs only
    QCOMPARE(f.form.StatusBar1->panel(1), f.form.M(73));
  }
  void standardZeile7Leer() {
    Fenster f;
    f.zeilen(8);
    for (int i = 0; i < 5; ++i) f.schein().zeile(7).Zahlen[static_cast<size_t>(i)]->clear();
    f.warenkorb();
    QCOMPARE(f.urls().size(), 1);
  }

  void vorlagen_data() {
    QTest::addColumn<QByteArray>("vorlage");
    QTest::addColumn<QString>("anfang");
    QTest::newRow("mit Tipps") << kVorlage << "https://cart.example/k?p=";
    QTest::newRow("ohne Tipps") << QByteArray("https://cart.example/o?p={WO}&") << "https://cart.example/o?p=";
  }
  void vorlagen() {
    QFETCH(QByteArray, vorlage);
    QFETCH(QString, anfang);
    Fenster f;
    f.server.setzeDatei("lotto/warenkorb.txt", vorlage);
    f.zeilen(2);
    f.warenkorb();
    const QString u = f.urls().value(0);
    QVERIFY2(u.startsWith(anfang), qPrintable(u));
    QCOMPARE(u.count("Tipps="), 1);
    QCOMPARE(wert(u, "Tipps"), QStringLiteral("2"));
  }

  void kodierteWerte() {
    Fenster f;
    f.portal("A&B C");
    f.liste({"1,2&x=3\t4"});
    f.warenkorb();
    QCOMPARE(f.cartAnfragen(), QStringList{"/lotto/lotto.asp?Spiel=Kalvatro&Wo=A%26B%20C&Tipps=1"});
    const QString u = f.urls().value(0);
    QVERIFY2(u.startsWith("https://cart.example/k?p=A%26B%20C&"), qPrintable(u));
    QCOMPARE(wert(u, "kasten1"), QStringLiteral("1,2%26x%3D3,4"));
  }

  void fehler_data() {
    QTest::addColumn<QString>("fall");
    QTest::newRow("Proxyport") << "port";
    QTest::newRow("kein Server") << "server";
    QTest::newRow("file-Vorlage") << "file";
    QTest::newRow("zu lang") << "lang";
    // Answers over their bound and a trickling server: failed requests, whose message ends the
    // hand-off; a message page over the bound is no message page.
    QTest::newRow("Vorlage über der Grenze") << "gross";
    QTest::newRow("Mitteilung über der Grenze") << "mitteilung";
    QTest::newRow("tröpfelnder Server") << "tropf";
  }
  void fehler() {
    QFETCH(QString, fall);
    Fenster f;
    f.zeilen(1);
    Rohserver tropf("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\nhttps://cart.example/?" + QByteArray(18, 'a'), {500, 0});
    QString meldung;
    if (fall == "port") {
      f.form.Internet->ProxyPortEdit->setText("x");
      meldung = "'x' ist kein gültiger Integerwert";
    } else if (fall == "server") {
      qputenv("ZK_WEB_URL", "http://127.0.0.1:1");
    } else if (fall == "file") {
      f.server.setzeDatei("lotto/warenkorb.txt", "file:///etc/passwd?Tipps={TIPPS}&");
      meldung = warenkorb::kUngueltig;
    } else if (fall == "lang") {
      f.server.setzeDatei("lotto/warenkorb.txt", "https://cart.example/?" + QByteArray(2048, 'a'));
      meldung = warenkorb::kZuLang;
    } else if (fall == "gross") {
      f.server.setzeDatei("lotto/warenkorb.txt", "https://cart.example/?" + QByteArray(warenkorb::kAntwortGrenze, 'a'));
      meldung = QStringLiteral("Maximum file size exceeded");
    } else if (fall == "mitteilung") {
      f.server.setzeDatei("lotto/mitteilung.htm", "<h1>Mitteilung</h1>" + QByteArray(warenkorb::kAntwortGrenze, 'a'));
      meldung = QStringLiteral("Maximum file size exceeded");
    } else {
      qputenv("ZK_WEB_URL", tropf.url().toUtf8());
      meldung = QStringLiteral("Operation timed out");
    }
    QElapsedTimer uhr;
    uhr.start();
    f.warenkorb();
    QVERIFY2(uhr.elapsed() < plattform::HttpClient::kFristMs + 3000, qPrintable(QString::number(uhr.elapsed())));
    f.server.alsServerDesProgramms();
    QCOMPARE(f.meldungen().size(), 1);
    if (!meldung.isEmpty()) QVERIFY2(f.meldungen()[0].startsWith(meldung), qPrintable(f.meldungen()[0]));
    QVERIFY(f.u.shell().aufrufe.isEmpty());
    QVERIFY(!QFile::exists(plattform::Programmpfad() + "Meldung.htm"));
    if (fall == "port") QVERIFY(f.cartAnfragen().isEmpty());
  }

  void mitteilung_data() {
    QTest::addColumn<QByteArray>("seite");
    QTest::newRow("Mitteilung") << QByteArray("<html><h1>Mitteilung</h1>Wartung \xE4</html>");
    QTest::newRow("andere Fehlerseite") << QByteArray("<html>Service Unavailable</html>");
  }
  void mitteilung() {
    QFETCH(QByteArray, seite);
    Fenster f;
    f.server.setzeDatei("lotto/mitteilung.htm", seite);
    f.zeilen(1);
    f.warenkorb();
    const QString datei = plattform::Programmpfad() + "Meldung.htm";
    if (seite.contains("Mitteilung")) {
      QCOMPARE(f.u.shell().aufrufe, QStringList{"open " + datei});
      QCOMPARE(Testumgebung::lies(datei), seite);
    } else {
      QVERIFY(!QFile::exists(datei));
      QCOMPARE(f.urls().size(), 1);
      QVERIFY(f.urls()[0].startsWith(warenkorb::kWarenkorbAdresse));
    }
    QVERIFY(f.meldungen().isEmpty());
  }

  void kosten() {
    Fenster f;
    f.form5.Tipp = 5;
    f.form5.glueck->click();
    QVERIFY(f.form5.Super6->isChecked());
    QCOMPARE(f.form5.Label4->text(), QStringLiteral("16,25 €"));
    f.form5.Spiel77->click();
    QCOMPARE(f.form5.Label4->text(), QStringLiteral("17,75 €"));
  }

  void ohneGeschwisterdatei() {
    Fenster f;
    f.form5.show();
    QVERIFY(f.form5.RadioGroup2->isHidden() && f.form5.SpeedButton3->isHidden());
    QVERIFY(!f.form5.Label5->isHidden());
    plattform::Zufall::RandSeed = 99;
    f.form5.SpeedButton2Click();
    plattform::Zufall::RandSeed = 99;
    QString erwartet;
    for (int i = 0; i < 7; ++i) erwartet += QString::number(plattform::Zufall::Random(10));
    f.form5.BitBtn3Click();
    QCOMPARE(f.form5.LosNr, erwartet);
    f.form5.SpeedButton3Click();  // no file: nothing happens
    QVERIFY(f.meldungen().isEmpty());
  }

  void geschwisterdatei() {
    Fenster f;
    // Every 4-digit ending as a Spiel 77 result, and one Super 6 result.
    QByteArray bytes = satz08("1234567", "654321");
    for (int i = 0; i < 10000; ++i) bytes += satz08(QByteArray::number(i).rightJustified(7, '0').constData(), "999999");
    Testumgebung::schreibe(plattform::AppDatenPfad() + "kestrell/zahlen-kenner/Rorevo08.dat", bytes);
    f.form5.show();
    QVERIFY(!f.form5.RadioGroup2->isHidden() && !f.form5.SpeedButton3->isHidden() && f.form5.Label5->isHidden());
    QCOMPARE(f.form5.RadioGroup2->ItemIndex(), 0);
    f.form5.RadioGroup2->setItemIndex(4);
    f.form5.SpeedButton2Click();
    QCOMPARE(f.form5.SpielzahlTest, 3);  // mode 4 fails 1000 times, mode 3 then finds a number

    const auto suche = [&](const char* nummer) {
      for (int i = 0; i < 7; ++i) f.form5.ZifferAuf[static_cast<size_t>(i)]->setPosition(nummer[i] - '0');
      f.form5.SpeedButton3Click();
      return f.meldungen().constLast();
    };
    QCOMPARE(suche("1234567"), QStringLiteral("LosNr. wurde am 07.03.20 im Spiel 77 gezogen"));
    QCOMPARE(suche("9654321"), QStringLiteral("LosNr. wurde am 07.03.20 bei der Super 6 gezogen"));
    QCOMPARE(suche("9999998"), QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen"));
    // In the chosen language (11 Hungarian, 12 Greek).
    f.form.sprachmenue->menuepunkt(11)->trigger();
    QCOMPARE(suche("1234567"), QString::fromUtf8("A sorsjegyszámot 07.03.20-án húzták a Spiel 77-ben"));
    f.form.sprachmenue->menuepunkt(12)->trigger();
    QCOMPARE(suche("9999998"), QString::fromUtf8("Ο αριθμός λαχνού δεν κληρώθηκε ποτέ στο Super 6 ή στο Spiel 77"));
    // Showing it again sets the plain mode.
    f.form5.hide();
    f.form5.show();
    QCOMPARE(f.form5.RadioGroup2->ItemIndex(), 0);
  }
};

QTEST_MAIN(TstWarenkorbuebergabe)
#include "tst_warenkorbuebergabe.moc"
