#include <QtTest>

#include "shell/listenzeile.h"

#include <random>

namespace {
// The rule spelled out the slow way: collapse, then split into seven fields.
QStringList vonHand(const QString& zeile) {
  QString s = zeile;
  s.replace(QStringLiteral("\t\t\t"), QStringLiteral("\t"));
  QStringList felder;
  for (int i = 0; i < 6; ++i) {
    const qsizetype tab = s.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
      felder << s;
      s.clear();
      while (felder.size() < 7) felder << QString();
      return felder;
    }
    felder << s.left(tab);
    s = s.mid(tab + 1);
  }
  felder << s;
  return felder;
}

QStringList gelesen(const QString& zeile) {
  const listenzeile::Felder f = listenzeile::liesListenzeile(zeile);
  QStringList l;
  for (int i = 0; i < 7; ++i) l << f.text(i);
  return l;
}
}  // namespace

class TstListenzeile : public QObject {
  Q_OBJECT
 private slots:
  void lesen_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QStringList>("felder");
    const QStringList zahlen{"3", "17", "22", "40", "51"};
    QTest::newRow("lange Form, leere Extras") << "3\t17\t22\t40\t51\t\t\t\t" << (zahlen + QStringList{"", ""});
    QTest::newRow("kurze Form") << "3\t17\t22\t40\t51" << (zahlen + QStringList{"", ""});
    QTest::newRow("lange Form mit Extras") << "3\t17\t22\t40\t51\t\t\t7\t9" << (zahlen + QStringList{"7", "9"});
    QTest::newRow("vier TABs sind zwei") << "1\t\t\t\t2" << QStringList{"1", "", "2", "", "", "", ""};
    QTest::newRow("fuenf TABs sind drei") << "1\t\t\t\t\t2" << QStringList{"1", "", "", "2", "", "", ""};
    QTest::newRow("sechs TABs sind zwei") << "1\t\t\t\t\t\t2" << QStringList{"1", "", "2", "", "", "", ""};
    QTest::newRow("nur eine Zahl") << "7" << QStringList{"7", "", "", "", "", "", ""};
    QTest::newRow("leer") << "" << QStringList{"", "", "", "", "", "", ""};
    QTest::newRow("Rest im siebten Feld") << "1\t2\t3\t4\t5\t6\t7\t8" << QStringList{"1", "2", "3", "4", "5", "6", "7\t8"};
    QTest::newRow("Dreier-TAB im siebten Feld") << "1\t2\t3\t4\t5\t6\t7\t\t\t8"
                                                << QStringList{"1", "2", "3", "4", "5", "6", "7\t8"};
    QTest::newRow("beliebiger Text") << "a b\tx" << QStringList{"a b", "x", "", "", "", "", ""};
  }
  void lesen() {
    QFETCH(QString, zeile);
    QFETCH(QStringList, felder);
    QCOMPARE(gelesen(zeile), felder);
  }

  // Lines of digits and TAB runs of every length read exactly as collapse-then-split.
  void wieVonHand() {
    std::mt19937 zufall(4711);
    for (int n = 0; n < 5000; ++n) {
      QString zeile;
      const int teile = static_cast<int>(zufall() % 12);
      for (int t = 0; t < teile; ++t) {
        if (zufall() % 2) zeile += QString::number(zufall() % 60);
        zeile += QString(static_cast<qsizetype>(zufall() % 8), QLatin1Char('\t'));
      }
      QCOMPARE(gelesen(zeile), vonHand(zeile));
    }
  }

  void formen() {
    const std::array<QString, 5> z{"3", "17", "22", "40", "51"};
    QCOMPARE(listenzeile::kurzform(z), QStringLiteral("3\t17\t22\t40\t51"));
    QCOMPARE(listenzeile::langform(z, "", ""), QStringLiteral("3\t17\t22\t40\t51\t\t\t\t"));
    QCOMPARE(listenzeile::langform(z, "2", "8"), QStringLiteral("3\t17\t22\t40\t51\t\t\t2\t8"));
    QCOMPARE(listenzeile::kurzform({"7", "", "", "", ""}), QStringLiteral("7\t\t\t\t"));
  }
};

QTEST_GUILESS_MAIN(TstListenzeile)
#include "tst_listenzeile.moc"
