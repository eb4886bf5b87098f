#include <QtTest>

#include <QSet>

#include "shell/hinweise.h"

class TstHinweise : public QObject {
  Q_OBJECT
 private slots:
  // Each name once, with the handler of its kind: a name lost or doubled shows here.
  void tabelle() {
    QSet<QString> namen;
    QHash<hinweise::Art, QStringList> jeArt;
    for (const hinweise::Eintrag& e : hinweise::tabelle()) {
      const QString n = QString::fromLatin1(e.name);
      QVERIFY2(!namen.contains(n), qPrintable(n));
      namen.insert(n);
      jeArt[e.art] << n;
    }
    QCOMPARE(namen.size(), 87);
    QCOMPARE(jeArt[hinweise::Art::Label].size(), 14);
    QCOMPARE(jeArt[hinweise::Art::SpeedButton].size(), 35);
    QCOMPARE(jeArt[hinweise::Art::BitBtn].size(), 6);
    QCOMPARE(jeArt[hinweise::Art::Button].size(), 4);
    QCOMPARE(jeArt[hinweise::Art::CheckBox].size(), 19);
    QCOMPARE(jeArt[hinweise::Art::Edit].size(), 9);
    // The controls that carry a hint but show none are not bound.
    for (const char* n : {"Label22", "Label23", "BitBtn19", "BitBtn20", "BitBtn21", "Button8", "DateTimePicker1",
                          "DateTimePicker2"})
      QVERIFY2(!namen.contains(QString::fromLatin1(n)), n);
    QVERIFY(jeArt[hinweise::Art::SpeedButton].contains(QStringLiteral("BitBtn7")));
    QVERIFY(jeArt[hinweise::Art::SpeedButton].contains(QStringLiteral("Tipp12Edit")));
  }

  void adressen_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<bool>("offen");
    QTest::newRow("https") << "https://www.kestrell.example/" << true;
    QTest::newRow("http mit Pfad") << "http://www.kestrell.example/zahlenkenner-quintavola/" << true;
    QTest::newRow("gross geschrieben") << "HTTPS://WWW.KESTRELL.EXAMPLE/" << true;
    QTest::newRow("mit Anfrage") << "https://a.example/x?b=1&c=2" << true;
    QTest::newRow("Datei") << "file:///etc/passwd" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("Programm") << "calc.exe" << false;
    QTest::newRow("Pfad") << "/usr/bin/xterm" << false;
    QTest::newRow("ohne Schema") << "www.kestrell.example" << false;
    QTest::newRow("ohne Host") << "http:///pfad" << false;
    QTest::newRow("ohne Schraegstriche") << "http:www.kestrell.example" << false;
    QTest::newRow("ftp") << "ftp://ftp.kestrell.example/" << false;
    QTest::newRow("mailto") << "mailto:info@kestrell.example" << false;
    QTest::newRow("Blank davor") << " https://www.kestrell.example/" << false;
    QTest::newRow("Blank darin") << "https://www.kes trell.example/" << false;
    QTest::newRow("leer") << "" << false;
    const QString basis = QStringLiteral("https://www.kestrell.example/");
    QTest::newRow("1024 Zeichen") << basis + QString(1024 - basis.size(), QLatin1Char('a')) << true;
    QTest::newRow("1025 Zeichen") << basis + QString(1025 - basis.size(), QLatin1Char('a')) << false;
  }
  void adressen() {
    QFETCH(QString, adresse);
    QFETCH(bool, offen);
    QCOMPARE(hinweise::oeffenbareAdresse(adresse), offen);
  }
};

QTEST_GUILESS_MAIN(TstHinweise)
#include "tst_hinweise.moc"
