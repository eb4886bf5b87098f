#include <QtTest>

#include <QCheckBox>
#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/steuerelemente.h"
#include "shell/fenster/Internetseite.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"

namespace {
// The tab title of the page (of PageControl1 or PageControl2) that holds w.
QString seiteVon(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget()) {
    const QWidget* stapel = p->parentWidget();
    auto* tabs = stapel ? qobject_cast<const QTabWidget*>(stapel->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(const_cast<QWidget*>(p)) >= 0) return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(p)));
  }
  return {};
}
}  // namespace

class TstOptionen : public QObject {
  Q_OBJECT
  Fensterumgebung* umgebung_ = nullptr;
  TForm1* form_ = nullptr;

 private slots:
  void initTestCase() {
    umgebung_ = new Fensterumgebung;
    form_ = new TForm1;
  }
  void cleanupTestCase() {
    delete form_;
    delete umgebung_;
  }

  void unterseiten() {
    QTabWidget* pc2 = form_->PageControl2;
    QStringList titel;
    for (int i = 0; i < pc2->count(); ++i) titel << pc2->tabText(i);
    QCOMPARE(titel, (QStringList{"Statistisch", "Schein Optimierung", "Mathematisch", "Eurozahlen", "Allgemein"}));
    QVERIFY(!pc2->isTabVisible(3));
    QCOMPARE(pc2->currentIndex(), 0);
    QCOMPARE(seiteVon(pc2), QStringLiteral("Parameter"));
  }

  void checkBoxen_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("an");
    QTest::addColumn<QString>("seite");
    const QString st = QStringLiteral("Statistisch"), so = QStringLiteral("Schein Optimierung"),
                  ma = QStringLiteral("Mathematisch"), eu = QStringLiteral("Eurozahlen"),
                  al = QStringLiteral("Allgemein");
    const auto zeile = [](int n, const char* text, bool an, const QString& seite) {
      QTest::addRow("CheckBox%d", n) << n << QString::fromUtf8(text) << an << seite;
    };
    zeile(1, "Zahlen mit einer häufigen Paarebildung bevorzugen", false, st);
    zeile(2, "Zahlen die besonders oft gezogen wurden bevorzugen", false, st);
    zeile(3, "maximale Übereinstimmungen mit anderen Tipps zulassen", true, so);
    zeile(4, "maximal zu verwendente Zahlen der letzten Ziehung", true, so);
    zeile(5, "maximal zu verwendente Zahlen der vorletzten Ziehung", true, so);
    zeile(6, "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false, st);
    zeile(7, "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false, st);
    zeile(8, "eine Paarbildung pro Tipp erzwingen", false, ma);
    zeile(9, "Tipp darf noch keinen ", true, so);
    zeile(10, "Zahlen die länger überfällig sind als X Ziehungen", true, st);
    zeile(11, "seltensten", false, st);
    zeile(12, "seltensten", false, st);
    zeile(13, "seltensten", false, st);
    zeile(14, "Zahlen die besonders selten gezogen wurden bevorzugen", false, st);
    zeile(15, "für den Tipp nur bevorzugte Zahlen verwenden!", false, al);
    zeile(16, "kein Stern aus den letzten Ziehungen verwenden", false, eu);
    zeile(17, "kein Stern aus den letzten Ziehungen verwenden", false, eu);
    zeile(18, "keine Dreier, Vierer... Gruppen", true, ma);
    zeile(19, "benachbarte Zahlen der letzten Ziehung bevorzugen", false, st);
    zeile(20, "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false, al);
    zeile(22, "mindest Anzahl von Primzahlen in jedem Tipp erzwingen", false, ma);
    zeile(23, "maximal zu verwendente Zahlen der vorvorletzten Ziehung", true, so);
    zeile(24, "minimale Übereinstimmungen mit anderen Tipps zulassen", true, so);
    zeile(25, "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen", false, ma);
    zeile(26, "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen", false, ma);
    zeile(27, "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", true, so);
    zeile(28, "Tipp darf keinen   ", true, so);
    zeile(29, "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false, so);
    zeile(30, "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", false, so);
    zeile(31, "Eurozahlen in Übereinstimmungsberechnung mit einbeziehen!", false, so);
  }
  void checkBoxen() {
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(bool, an);
    QFETCH(QString, seite);
    auto* b = form_->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
    QVERIFY(b);
    QCOMPARE(form_->Parameter->checkBox(n), b);
    QCOMPARE(b->text(), text);
    QCOMPARE(b->isChecked(), an);
    QCOMPARE(seiteVon(b), seite);
    QVERIFY(!b->isHidden());
  }

  void upDowns_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("edit");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("seite");
    const QString st = QStringLiteral("Statistisch"), so = QStringLiteral("Schein Optimierung"),
                  ma = QStringLiteral("Mathematisch"), eu = QStringLiteral("Eurozahlen"),
                  al = QStringLiteral("Allgemein");
    const auto zeile = [](int n, int edit, int min, int max, int pos, const QString& seite) {
      QTest::addRow("UpDown%d", n) << n << edit << min << max << pos << seite;
    };
    zeile(1, 37, 21, 279, 50, ma);
    zeile(2, 38, 21, 239, 200, ma);
    zeile(3, 39, 0, 5, 2, so);
    zeile(4, 40, 0, 5, 0, so);
    zeile(5, 41, 0, 5, 1, so);
    zeile(6, 42, 3, 5, 4, so);  // 3..7 as designed; the start limits it to 5 without CheckBox31
    zeile(7, 55, 1, 30000, 50, al);
    zeile(9, 88, 0, 5, 2, so);
    zeile(10, 83, 0, 6, 2, ma);
    zeile(11, 84, 0, 5, 2, so);
    zeile(12, 85, 5, 75, 30, st);
    zeile(13, 86, 5, 75, 34, st);
    zeile(14, 87, 5, 75, 20, st);
    zeile(15, 89, 0, 6, 2, ma);
    zeile(16, 90, 0, 6, 2, ma);
    zeile(17, 91, 2, 6, 3, so);
    zeile(18, 92, 4, 128, 50, so);
    zeile(19, 105, 1, 3, 1, eu);
    zeile(20, 106, 1, 3, 1, eu);
  }
  void upDowns() {
    QFETCH(int, n);
    QFETCH(int, edit);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, pos);
    QFETCH(QString, seite);
    auto* ud = form_->findChild<plattform::UpDown*>(QStringLiteral("UpDown%1").arg(n));
    QVERIFY(ud);
    QCOMPARE(form_->Parameter->upDown(n), ud);
    QVERIFY(ud->associate());
    QCOMPARE(ud->associate()->objectName(), QStringLiteral("Edit%1").arg(edit));
    QCOMPARE(ud->Min(), min);
    QCOMPARE(ud->Max(), max);
    QCOMPARE(ud->Position(), pos);
    QCOMPARE(ud->associate()->text(), QString::number(pos));
    QCOMPARE(seiteVon(ud), seite);
    QCOMPARE(seiteVon(ud->associate()), seite);
  }

  void andereStehenWoanders() {
    for (int n : {0, 8, 21, 32}) QVERIFY(!form_->Parameter->upDown(n));
    for (int n : {0, 21, 32, -1}) QVERIFY(!form_->Parameter->checkBox(n));
  }

  void eurozahlenOptionen() {
    for (const char* name : {"RadioGroup1", "RadioGroup2"}) {
      auto* g = form_->findChild<plattform::RadioGroup*>(QString::fromLatin1(name));
      QVERIFY(g);
      QCOMPARE(g->title(), QStringLiteral("Eurozahlen Option"));
      QCOMPARE(g->Items(), (QStringList{QStringLiteral("einfach per Zufall bestimmen"),
                                        QStringLiteral("die am seltensten gezogen Eurozahl verwenden"),
                                        QString::fromUtf8("die am längsten ausstehende Eurozahl verwenden")}));
      QCOMPARE(g->ItemIndex(), 0);
      QCOMPARE(seiteVon(g), QStringLiteral("Eurozahlen"));
    }
  }

  void internetOptionen() {
    auto* host = form_->findChild<QLineEdit*>(QStringLiteral("ProxyHostEdit"));
    auto* port = form_->findChild<QLineEdit*>(QStringLiteral("ProxyPortEdit"));
    QVERIFY(host && port);
    QCOMPARE(host->text(), QString());
    QCOMPARE(port->text(), QStringLiteral("80"));
    QCOMPARE(seiteVon(host), QStringLiteral("Internet-Optionen"));
    QVERIFY(!host->isHidden() && !port->isHidden());
    QStringList beschriftungen;
    for (auto* l : form_->TabSheet3->findChildren<QLabel*>()) beschriftungen << l->text();
    QVERIFY(beschriftungen.contains(QStringLiteral("Proxy-Server")));
    QVERIFY(beschriftungen.contains(QStringLiteral("Proxy-Port")));

    auto* portal = form_->findChild<QComboBox*>(QStringLiteral("Lottoportal"));
    QVERIFY(portal && portal->isHidden());
    QVERIFY(!portal->currentText().isEmpty());
    QCOMPARE(portal->count(), 1);
    const auto versteckt = [&](const char* name, const QString& text) {
      auto* e = form_->findChild<QLineEdit*>(QString::fromLatin1(name));
      QVERIFY2(e && e->isHidden(), name);
      if (!text.isNull()) QCOMPARE(e->text(), text);
      QCOMPARE(seiteVon(e), QStringLiteral("Internet-Optionen"));
    };
    versteckt("Edit81", QStringLiteral("0,50"));
    versteckt("Edit82", QStringLiteral("1,00"));
    versteckt("URLEdit", QString());
    QVERIFY(!form_->Internet->URLEdit->isEnabled());
    QVERIFY(form_->Internet->URLEdit->text().startsWith(QStringLiteral("http")));
    auto* browser = form_->findChild<QCheckBox*>(QStringLiteral("CheckBox21"));
    QVERIFY(browser && browser->isHidden());
    QCOMPARE(browser->text(), QStringLiteral("Linkseite aktivieren"));
    QVERIFY(!browser->isChecked());
  }

  void hinweise() {
    const QString vorher = QString::fromUtf8("Übereinstimmung mit Zahlen aus vorhergehender Ziehung");
    for (const char* n : {"CheckBox4", "CheckBox5", "CheckBox23", "Edit40", "Edit41", "Edit84"})
      QCOMPARE(plattform::hint(form_->findChild<QWidget*>(QString::fromLatin1(n))), vorher);
    for (const char* n : {"CheckBox9", "CheckBox28"})
      QVERIFY(plattform::hint(form_->findChild<QWidget*>(QString::fromLatin1(n))).startsWith(QStringLiteral("Tipp vor noch keinen Xer")));
  }

  // Each name exists once in the window, so the settings and the language files find one control.
  void namenEindeutig() {
    QHash<QString, int> zahl;
    for (auto* w : form_->findChildren<QWidget*>()) {
      const bool intern = w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar*>(w->parentWidget());
      if (!w->objectName().isEmpty() && !intern) ++zahl[w->objectName()];
    }
    for (auto it = zahl.cbegin(); it != zahl.cend(); ++it) QVERIFY2(it.value() == 1, qPrintable(it.key()));
  }

  // Nothing overlaps on a page, except the sum window's fields, which sit in the gaps of their label.
  void nichtsUeberlappt() {
    for (QWidget* seite : {form_->Parameter->TabSheet7, form_->Parameter->TabSheet8, form_->Parameter->TabSheet9,
                           form_->Parameter->TabSheet11, form_->TabSheet3}) {
      QList<QWidget*> kinder;
      for (auto* w : seite->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isHidden() && w != form_->Parameter->QuersummenLabel) kinder << w;
      }
      for (qsizetype i = 0; i < kinder.size(); ++i)
        for (qsizetype j = i + 1; j < kinder.size(); ++j)
          QVERIFY2(!kinder[i]->geometry().intersects(kinder[j]->geometry()),
                   qPrintable(kinder[i]->objectName() + QLatin1Char('/') + kinder[j]->objectName()));
    }
  }

  // After a caption changes (a language), the layout step puts the fields of the sentence rows,
  // the sum window and the run count after the new words again, and nothing overlaps.
  void anordnenNachNeuenTexten() {
    TForm1 form;
    Parameterseite& p = *form.Parameter;
    const auto text = [&](const char* name, const QString& t) {
      QWidget* w = fenstertest::ctl(&form, QString::fromLatin1(name));
      if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(t);
      else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(t);
    };
    text("CheckBox9", QStringLiteral("A tip may not yet match any "));
    text("Label9Satz", QStringLiteral(" numbers of a draw stored in the history"));
    text("CheckBox28", QStringLiteral("A tip may not match any    "));
    text("Label28Satz", QStringLiteral(" numbers from the most recent   "));
    text("LaufMaxLabel", QStringLiteral("Maximum number of calculation runs"));
    text("QuersummenLabel", QStringLiteral("Allow digit sums from                      up to                      in the tip"));
    p.anordnen();
    // The gap in pixels between the last pixel of one part and the first of the next.
    const auto luecke = [](QWidget* vorne, QWidget* hinten) { return hinten->x() - vorne->geometry().right() - 1; };
    QCOMPARE(luecke(p.CheckBox9, p.Edit42), 1);
    QCOMPARE(luecke(p.Edit42, p.UpDown6), 0);
    QCOMPARE(luecke(p.UpDown6, fenstertest::ctl(&form, "Label9Satz")), 2);
    QCOMPARE(luecke(p.CheckBox28, p.Edit91), 1);
    QCOMPARE(luecke(fenstertest::ctl(&form, "Label28Satz"), p.Edit92), 1);
    QCOMPARE(luecke(p.UpDown18, fenstertest::ctl(&form, "Label28Ende")), 2);
    QCOMPARE(luecke(fenstertest::ctl(&form, "LaufMaxLabel"), p.Edit55), 7);
    QCOMPARE(luecke(p.UpDown7, fenstertest::ctl(&form, "TausendLabel")), 4);
    // The captions kept their full width.
    QCOMPARE(p.CheckBox9->width(), p.CheckBox9->sizeHint().width());
    QCOMPARE(fenstertest::ctl(&form, "Label9Satz")->width(), fenstertest::ctl(&form, "Label9Satz")->sizeHint().width());
    // Each sum field inside its gap of blanks.
    const QFontMetrics fm(p.QuersummenLabel->font());
    const QString t = p.QuersummenLabel->text();
    const int luecke1 = p.QuersummenLabel->x() + fm.horizontalAdvance(t.left(t.indexOf("up to")));
    QVERIFY(p.UpDown1->geometry().right() < luecke1);
    QVERIFY(p.Edit38->x() > p.QuersummenLabel->x() + fm.horizontalAdvance(t.left(t.indexOf("up to") + 5)));
    for (QWidget* seite : {p.TabSheet8, p.TabSheet11}) {
      QList<QWidget*> kinder;
      for (auto* w : seite->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden()) kinder << w;
      for (qsizetype i = 0; i < kinder.size(); ++i)
        for (qsizetype j = i + 1; j < kinder.size(); ++j)
          QVERIFY2(!kinder[i]->geometry().intersects(kinder[j]->geometry()),
                   qPrintable(kinder[i]->objectName() + QLatin1Char('/') + kinder[j]->objectName()));
    }
  }
};

QTEST_MAIN(TstOptionen)
#include "tst_optionen.moc"
