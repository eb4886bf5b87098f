#include <QtTest>

#include "plattform/zufall.h"

using plattform::Zufall;

class TstZufall : public QObject {
  Q_OBJECT
 private slots:
  void folgeWieVonHandGerechnet() {
    Zufall::RandSeed = 0x12345678u;
    QCOMPARE(Zufall::Random(55), 43u);
    QCOMPARE(Zufall::RandSeed, 3411775577u);
    QCOMPARE(Zufall::Random(100), 47u);
    QCOMPARE(Zufall::RandSeed, 2046801342u);
    QCOMPARE(Zufall::Random(1), 0u);
    QCOMPARE(Zufall::RandSeed, 3651437751u);
  }
  void nullSaatUndGrenzen() {
    Zufall::RandSeed = 0;
    QCOMPARE(Zufall::Random(55), 0u);  // state 1: 55 >> 32 is 0
    QCOMPARE(Zufall::RandSeed, 1u);
    Zufall::RandSeed = 0xFFFFFFFFu;
    for (int i = 0; i < 1000; ++i) QVERIFY(Zufall::Random(55) < 55u);
  }
};

QTEST_GUILESS_MAIN(TstZufall)
#include "tst_zufall.moc"
