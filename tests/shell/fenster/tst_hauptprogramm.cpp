#include <QtTest>

#include "hilfen/fenster/fenstertest.h"
#include "shell/fenster/Hauptprogramm.h"
#include "shell/fenster/LottoZahlen.h"

// The real entry: locale, title, main window, message loop until the window closes.
class TstHauptprogramm : public QObject {
  Q_OBJECT
 private slots:
  void laeuftBisZumSchliessen() {
    Fensterumgebung umgebung;
    bool gesehen = false;
    QString titel, symboltext;
    QTimer::singleShot(0, this, [&] {
      QVERIFY(Form1);
      gesehen = Form1->isVisible();
      titel = QApplication::applicationDisplayName();
      symboltext = Form1->windowIconText();
      Form1->Schlieen1->trigger();
    });
    QCOMPARE(Hauptprogramm(), 0);
    QVERIFY(gesehen);
    QCOMPARE(titel, QStringLiteral("Kestrells Quintavola"));
    QCOMPARE(symboltext, QStringLiteral("Kestrells Quintavola"));
    QCOMPARE(QLocale(), QLocale::system());
    QVERIFY(!Form1);  // freed with the end of the program
  }
};

QTEST_MAIN(TstHauptprogramm)
#include "tst_hauptprogramm.moc"
