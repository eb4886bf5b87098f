#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QValueAxis>
#include <QtTest>
#include <algorithm>

#include "plattform/fehler.h"
#include "plattform/fenster/balkendiagramm.h"

using plattform::Balkendiagramm;
using plattform::Balkenserie;

namespace {
const QColor kRot(255, 0, 0), kGruen(0, 128, 0), kBlau(0, 0, 255);

std::vector<Balkenserie::Balken> balken(std::initializer_list<int> ys, int abX = 1, QColor farbe = {}) {
  std::vector<Balkenserie::Balken> v;
  int x = abX;
  for (int y : ys) v.push_back({x++, y, farbe});
  return v;
}

QBarSet* satzVon(Balkendiagramm& d, int nr) {
  for (QAbstractSeries* s : d.chart()->series())
    if (s->objectName() == QStringLiteral("Series%1").arg(nr)) return static_cast<QBarSeries*>(s)->barSets().value(0);
  return nullptr;
}
QValueAxis* linkeAchse(Balkendiagramm& d) {
  return qobject_cast<QValueAxis*>(d.chart()->axes(Qt::Vertical).value(0));
}
QCategoryAxis* untereAchse(Balkendiagramm& d) {
  return qobject_cast<QCategoryAxis*>(d.chart()->axes(Qt::Horizontal).value(0));
}
// The labels of the bottom axis, each with the index of the bar it stands under.
QStringList kategorien(Balkendiagramm& d) {
  QStringList v;
  for (const QString& l : untereAchse(d)->categoriesLabels()) v << l + "@" + QString::number(untereAchse(d)->endValue(l));
  return v;
}
}  // namespace

class TstBalkendiagramm : public QObject {
  Q_OBJECT
 private slots:
  // One bound at a time from the range 0..10: a bound that would cross the other is refused.
  void grenzen_data() {
    QTest::addColumn<bool>("minimum");  // else maximum
    QTest::addColumn<int>("wert");
    QTest::addColumn<bool>("abgelehnt");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("Minimum innen") << true << 5 << false << 5 << 10;
    QTest::newRow("Minimum gleich Maximum") << true << 10 << false << 10 << 10;
    QTest::newRow("Minimum ueber Maximum") << true << 11 << true << 0 << 10;
    QTest::newRow("Minimum negativ") << true << -100 << false << -100 << 10;
    QTest::newRow("Maximum gleich Minimum") << false << 0 << false << 0 << 0;
    QTest::newRow("Maximum unter Minimum") << false << -1 << true << 0 << 10;
    QTest::newRow("Maximum hoeher") << false << 999 << false << 0 << 999;
  }
  void grenzen() {
    QFETCH(bool, minimum);
    QFETCH(int, wert);
    QFETCH(bool, abgelehnt);
    QFETCH(int, min);
    QFETCH(int, max);
    Balkendiagramm d;
    d.setLinksAutomatisch(false);
    d.setLinksMinimum(0);
    d.setLinksMaximum(10);
    bool fehler = false;
    try {
      minimum ? d.setLinksMinimum(wert) : d.setLinksMaximum(wert);
    } catch (const plattform::Fehler&) {
      fehler = true;
    }
    QCOMPARE(fehler, abgelehnt);
    QCOMPARE(d.linksMinimum(), min);
    QCOMPARE(d.linksMaximum(), max);
    QCOMPARE(linkeAchse(d)->min(), double(min));
    QCOMPARE(linkeAchse(d)->max(), double(max > min ? max : min + 1));  // an empty span drawn one high
  }

  void automatischeAchse() {
    Balkendiagramm d;
    QVERIFY(d.linksAutomatisch());
    QCOMPARE(d.linksMaximum(), 0);
    d.serie(2).setzeBalken(balken({3, 7, 2}));
    QCOMPARE(d.linksMinimum(), 0);
    QCOMPARE(d.linksMaximum(), 7);
    // The inactive series does not count.
    d.serie(1).setzeBalken(balken({50}));
    QCOMPARE(d.linksMaximum(), 7);
    // Explicit from here on: the range stays when the bars change.
    d.setLinksAutomatisch(false);
    d.serie(2).setzeBalken(balken({30}));
    QCOMPARE(d.linksMaximum(), 7);
    d.setLinksAutomatisch(true);
    QCOMPARE(d.linksMaximum(), 30);
    d.serie(2).leeren();
    QCOMPARE(d.linksMinimum(), 0);
    QCOMPARE(d.linksMaximum(), 0);
    QCOMPARE(d.serie(2).anzahl(), 0);
    QVERIFY(kategorien(d).isEmpty());
  }

  // The left axis lays out one tick per step at every change of its range or step; a small
  // step meeting a range in the thousands on the way froze the window for seconds.
  void tickschritteUnterwegs_data() {
    QTest::addColumn<QList<int>>("vorher");  // min, max of the chart before
    QTest::addColumn<QList<int>>("schritte");  // bounds in the order set: min, max, min
    QTest::newRow("nach Sternzahl ausstehende die Haeufigkeit") << QList<int>{6454, 6454} << QList<int>{0, 1818, 1700};
    QTest::newRow("leer zu grossen Zahlen") << QList<int>{0, 0} << QList<int>{0, 18000, 17000};
    QTest::newRow("gross zu schmal") << QList<int>{0, 18000} << QList<int>{0, 20000, 20000};
    QTest::newRow("Sternzahl mit minus 100") << QList<int>{1700, 1818} << QList<int>{-100, 20000, 20000};
  }
  void tickschritteUnterwegs() {
    QFETCH(QList<int>, vorher);
    QFETCH(QList<int>, schritte);
    Balkendiagramm d;
    d.setLinksAutomatisch(false);
    d.setLinksMaximum(vorher[1]);
    d.setLinksMinimum(vorher[0]);
    QValueAxis* achse = linkeAchse(d);
    double meiste = 0;
    auto zaehle = [&] { meiste = std::max(meiste, (achse->max() - achse->min()) / achse->tickInterval() + 1); };
    connect(achse, &QValueAxis::rangeChanged, this, zaehle);
    connect(achse, &QValueAxis::tickIntervalChanged, this, zaehle);
    d.setLinksMinimum(schritte[0]);
    d.setLinksMaximum(schritte[1]);
    d.setLinksMinimum(schritte[2]);
    QVERIFY2(meiste <= 21, qPrintable(QString::number(meiste)));
    QVERIFY((achse->max() - achse->min()) / achse->tickInterval() >= 1);
    // The automatic axis on bars in the thousands likewise.
    meiste = 0;
    d.setLinksAutomatisch(true);
    d.serie(2).setzeBalken(balken({20000, 3}));
    d.serie(2).setzeBalken(balken({1, 1}));
    QVERIFY2(meiste <= 21, qPrintable(QString::number(meiste)));
  }

  void farbenUndLesen() {
    Balkendiagramm d;
    Balkenserie& s = d.serie(2);
    QCOMPARE(s.serienfarbe(), kGruen);
    std::vector<Balkenserie::Balken> v;
    for (int x = 1; x <= 55; ++x) v.push_back({x, x * 2, x == 53 || x == 2 ? kRot : kGruen});
    s.setzeBalken(v);
    QCOMPARE(s.anzahl(), 55);
    QCOMPARE(s.x(52), 53);
    QCOMPARE(s.y(52), 106);
    QCOMPARE(s.farbe(52), kRot);
    QCOMPARE(s.farbe(1), kRot);
    QCOMPARE(s.farbe(0), kGruen);
    QBarSet* satz = satzVon(d, 2);
    QList<int> markiert = satz->selectedBars();
    std::sort(markiert.begin(), markiert.end());
    QCOMPARE(markiert, (QList<int>{1, 52}));
    QCOMPARE(satz->selectedColor(), kRot);
    // 55 bars: a label at every fifth x, under its bar.
    QStringList fuenfer;
    for (int x = 5; x <= 55; x += 5) fuenfer << QString::number(x) + "@" + QString::number(x - 1);
    QCOMPARE(kategorien(d), fuenfer);
    QCOMPARE(untereAchse(d)->min(), -0.5);
    QCOMPARE(untereAchse(d)->max(), 54.5);

    // Refilled with as many bars: the same set, values and marks changed in place.
    s.setzeBalken(balken({4, 5, 6}, 100, kBlau));
    QCOMPARE(satzVon(d, 2), satz);
    QCOMPARE(s.anzahl(), 3);
    QCOMPARE(s.farbe(0), kBlau);
    QCOMPARE(s.farbe(2), kBlau);
    QCOMPARE(kategorien(d), (QStringList{"100@0", "101@1", "102@2"}));
    s.setzeBalken(balken({1, 2, 3}, 100));
    QCOMPARE(s.farbe(0), kGruen);
    QVERIFY(satz->selectedBars().isEmpty());

    // A second colour besides the series colour is refused and the bars stay.
    auto gemischt = balken({9, 9});
    gemischt[0].farbe = kRot;
    gemischt[1].farbe = kBlau;
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, s.setzeBalken(gemischt));
    QCOMPARE(s.anzahl(), 3);
    QCOMPARE(s.y(0), 1);

    s.hinzufuegen(103, 8, kRot);
    QCOMPARE(s.anzahl(), 4);
    QCOMPARE(s.x(3), 103);
    QCOMPARE(s.farbe(3), kRot);
    QCOMPARE(s.farbe(2), kGruen);
  }

  void serienUndTitel() {
    Balkendiagramm d;
    QVERIFY(!d.serie(1).aktiv());
    QVERIFY(d.serie(2).aktiv());
    d.serie(2).wertebeschriftungAus();
    QVERIFY(!d.serie(2).wertebeschriftung());
    d.setUntenTitel(QStringLiteral("Zahlenverteilung"));
    QCOMPARE(d.untenTitel(), QStringLiteral("Zahlenverteilung"));
    QVERIFY(!d.chart()->legend()->isVisible());
    // The bottom axis labels the shown series.
    d.serie(1).setzeBalken(balken({1, 2}, 7));
    d.serie(2).setzeBalken(balken({1}, 3));
    QCOMPARE(kategorien(d), QStringList{"3@0"});
    d.serie(2).setAktiv(false);
    d.serie(1).setAktiv(true);
    QCOMPARE(kategorien(d), (QStringList{"7@0", "8@1"}));
    d.resize(400, 300);
    QVERIFY(!d.grab().isNull());
  }
};

QTEST_MAIN(TstBalkendiagramm)
#include "tst_balkendiagramm.moc"
