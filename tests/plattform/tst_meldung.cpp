#include <QtTest>

#include "plattform/meldung.h"

class TstMeldung : public QObject {
  Q_OBJECT
 private slots:
  void kuerzung_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gezeigt");
    const QString a200(200, QLatin1Char('a'));
    const QString ende(QChar(0x2026));
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("genau 200") << a200 << a200;
    QTest::newRow("201") << a200 + "b" << a200 + ende;
    QTest::newRow("5 MB") << QString(5'000'000, QLatin1Char('x')) << QString(200, QLatin1Char('x')) + ende;
    // A character beyond the basic plane across the cut stays whole or goes whole.
    const QString noten = QString(199, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9D\x84\x9E") + "z";
    QTest::newRow("Surrogat an der Grenze") << noten << QString(199, QLatin1Char('a')) + ende;
  }
  void kuerzung() {
    QFETCH(QString, text);
    QFETCH(QString, gezeigt);
    QCOMPARE(plattform::meldungstext(text), gezeigt);
  }
};

QTEST_GUILESS_MAIN(TstMeldung)
#include "tst_meldung.moc"
