#include "output/fenster/Scriptwahl.h"
#include "output/fenster/Spielwahl.h"
#include <QtTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/registry.h"
#include "programm/Hauptprogramm.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Zahlenwahl.h"
#include "stats/fenster/auswert.h"

// The real entry: locale, title, main window, message loop until the window closes.
class TstHauptprogramm : public QObject {
  Q_OBJECT
 private slots:
  void laeuftBisZumSchliessen() {
    Fensterumgebung umgebung;
    bool gesehen = false;
    QString titel, symboltext;
    QStringList fenster;
    bool dialogOhneEltern = false;
    QTimer::singleShot(0, this, [&] {
      QVERIFY(Form1);
      for (QWidget* w : plattform::programmfenster()) fenster << w->objectName();
      dialogOhneEltern = Form6 && !Form6->parent() && Form6->Ordner == Form1->zustand().Home;
      gesehen = Form1->isVisible();
      titel = QApplication::applicationDisplayName();
      symboltext = Form1->windowIconText();
      Form1->Schlieen1->trigger();
    });
    QCOMPARE(Hauptprogramm(), 0);
    QVERIFY(gesehen);
    // The windows in their creation order, the main window first.
    QVERIFY(!fenster.isEmpty());
    QCOMPARE(fenster.first(), QStringLiteral("Form1"));
    QVERIFY(fenster.contains(QStringLiteral("Form6")));
    QVERIFY(fenster.contains(QStringLiteral("Form9")));
    QVERIFY(fenster.contains(QStringLiteral("Form5")));
    QCOMPARE(fenster.last(), QStringLiteral("QZTForm"));
    const QStringList reihenfolge{"Form1", "Form3", "Form5", "Form6", "Form8", "Form9", "QZTForm"};
    for (qsizetype i = 1; i < fenster.size(); ++i)
      QVERIFY2(reihenfolge.indexOf(fenster[i - 1]) < reihenfolge.indexOf(fenster[i]), qPrintable(fenster.join(' ')));
    QVERIFY(dialogOhneEltern);
    QCOMPARE(titel, QStringLiteral("Kestrells Quintavola"));
    QCOMPARE(symboltext, QStringLiteral("Kestrells Quintavola"));
    QCOMPARE(QLocale(), QLocale::system());
    QVERIFY(!Form1);  // freed with the end of the program
    QVERIFY(!Form6);
    QVERIFY(!Form9);
    QVERIFY(!Form5);
    QVERIFY(!QZTForm);
  }

  // A signal to end (a logout, Ctrl+C, a kill) closes the main window as the user would: the
  // settings are written and the program ends normally.
  void endesignal_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }
  void endesignal() {
    QFETCH(int, signal);
    Fensterumgebung umgebung;
    const QString ablage = plattform::Registry::ablageDatei(plattform::Hive::CurrentUser);
    QVERIFY(!QFile::exists(ablage));
    QTimer::singleShot(0, this, [&] {
      QVERIFY(Form1 && Form1->isVisible());
      Form1->zustand().TippTop = 77;  // a value the exit writes
      ::kill(::getpid(), signal);
    });
    QCOMPARE(Hauptprogramm(), 0);
    QVERIFY(!Form1);
    plattform::Registry::verwerfen();
    plattform::Registry r;
    QVERIFY(r.OpenKeyReadOnly(QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano")));
    QCOMPARE(r.ReadInteger(QStringLiteral("TippTop")), 77);
  }
};

QTEST_MAIN(TstHauptprogramm)
#include "tst_hauptprogramm.moc"
