#include <QtTest>

#include <QMenuBar>
#include <QTabWidget>

#include "hilfen/testumgebung.h"
#include "shell/fenster/LottoZahlen.h"

class TstHauptfenster : public QObject {
  Q_OBJECT
 private slots:
  void tabsUndMenue() {
    Testumgebung umgebung;
    TForm1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Kestrells Zahlen-Kenner  für Quintavola"));
    auto* pc = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(pc);
    QStringList titel;
    for (int i = 0; i < pc->count(); ++i) titel << pc->tabText(i);
    QCOMPARE(titel, (QStringList{"Tipp-Übersicht", "Zahlen der letzten Ziehung", "Parameter", "Diagramm",
                                 "Datenbank", "Internet-Optionen"}));
    QVERIFY(!pc->isTabVisible(1));
    QCOMPARE(pc->currentIndex(), 0);
    QCOMPARE(form.Aktualisieren1->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    QCOMPARE(form.Berechnen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QVERIFY(!form.Abgeben1->isVisible());
    QVERIFY(QDir(umgebung.home()).exists());
  }
};

QTEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
