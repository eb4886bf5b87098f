#include <QtTest>

#include <QBarSet>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <algorithm>
#include <tuple>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "plattform/fenster/balkendiagramm.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "stats/fenster/Diagrammseite.h"
#include "stats/zahlenstatistik.h"

namespace {
const QDate kTag0(2018, 3, 1);
const QDate kTag1 = kTag0.addDays(1);
const QColor kRot(255, 0, 0), kGruen(0, 128, 0), kBlau(0, 0, 255);

// Window kTag0..kTag1: three draws; a fourth lies after it.
std::vector<Ziehung> vierSaetze() {
  return {satz(kTag0, {1, 2, 3, 4, 53}, true), satz(kTag0, {10, 11, 12, 20, 53}, false),
          satz(kTag1, {2, 3, 4, 5, 40}, false), satz(kTag1.addDays(1), {50, 51, 52, 53, 54}, false)};
}

struct Fenster : Fenstertest<TForm1> {
  explicit Fenster(const std::vector<Ziehung>& historie, const QDate& start = kTag0, const QDate& ende = kTag1) {
    Testumgebung::schreibe(datei(), alsDatei(historie));
    startdatum()->setzeDatum(start);
    enddatum()->setzeDatum(ende);
  }
  QString datei() const { return u.home() + "ZahlenQV.dat"; }
  Diagrammseite& seite() { return *form.Diagramm; }
  plattform::Balkendiagramm* chart() { return ctl<plattform::Balkendiagramm>("Chart1"); }
  plattform::Balkenserie& serie() { return chart()->serie(2); }
  plattform::DatumsWahl* startdatum() { return ctl<plattform::DatumsWahl>("DateTimePicker2"); }
  plattform::DatumsWahl* enddatum() { return ctl<plattform::DatumsWahl>("DateTimePicker1"); }
  QString titel() { return chart()->untenTitel(); }
  QTimer* timer() { return form.findChild<QTimer*>("Timer1"); }
  // Ticks come from the test from here on; the timer stays running.
  void langsam() { timer()->setInterval(3600 * 1000); }
  QString panel0() { return form.StatusBar1->panel(0); }
  QWidget* seiteVorn() { return form.PageControl1->currentWidget(); }
  int art() { return seite().diagrammart(); }
  // The y and colour of the bar with that x; -1 and no colour when there is none.
  int y(int x) {
    for (int k = 0; k < serie().anzahl(); ++k)
      if (serie().x(k) == x) return serie().y(k);
    return -1;
  }
  QColor farbe(int x) {
    for (int k = 0; k < serie().anzahl(); ++k)
      if (serie().x(k) == x) return serie().farbe(k);
    return {};
  }
};

const QString kTitelHaeufigkeit = "Zahlenverteilung     Ziehungen : 3    Quersumme: 74";
const QString kTitelPaareMit1 =
    "Max (3,2): 2   Min (5,1): 0   Paare gesamt:60  Max (1,2): 1  Min (1,5): 0  Paare mit 1: 4";
const QString kTitelPaareMit2 =
    "Max (3,2): 2   Min (5,1): 0   Paare gesamt:60  Max (2,3): 2  Min (2,6): 0  Paare mit 2: 8";
}  // namespace

class TstDiagrammseite : public QObject {
  Q_OBJECT
 private slots:
  void steuerelemente() {
    Fenster f(vierSaetze());
    struct Erwartet {
      const char* name;
      QWidget* seite;
      QString text;
    };
    for (const Erwartet& e : std::initializer_list<Erwartet>{
             {"SpeedButton9", f.form.TabSheet5, "QS"},
             {"SpeedButton1", f.form.TabSheet5, "2er"},
             {"SpeedButton3", f.form.TabSheet5, "3er"},
             {"SpeedButton12", f.form.TabSheet5, "4er"},
             {"SpeedButton19", f.form.TabSheet5, "Ausstehende"},
             {"SpeedButton30", f.form.TabSheet5, "Paare mit "},
             {"SpeedButton29", f.form.TabSheet5, "nächste"},
             {"Button2", f.form.TabSheet4, "Paare suchen"},
             {"Button3", f.form.TabSheet4, "Dreier suchen"},
             {"Button4", f.form.TabSheet4, "Vierer suchen"},
             {"Button5", f.form.TabSheet4, "Ausstehende"},
             {"Button8", f.form.TabSheet4, "Sternzahl ausstehende"},
             {"Button6", f.form.TabSheet1, "Verteilung der Tipps"},
             {"Label91", nullptr, "Dreier, "},
         }) {
      QWidget* w = f.ctl(e.name);
      if (e.seite) QVERIFY2(e.seite->isAncestorOf(w), e.name);
      QCOMPARE(w->property("text").toString(), e.text);
    }
    QCOMPARE(plattform::hint(f.ctl("SpeedButton2")), QStringLiteral("Verteilung der gezogenen Zahlen"));
    QCOMPARE(plattform::hint(f.ctl("SpeedButton29")), QStringLiteral("wie oft wurde die Kombination mit der gewählten Zahl"));
    QCOMPARE(plattform::hint(f.ctl("SpeedButton30")), plattform::hint(f.ctl("SpeedButton29")));
    QCOMPARE(plattform::hint(f.ctl("BitBtn20")),
             QStringLiteral("Verlauf der Häufigkeit der gezogenen Zahlen beginnend mit dem aktuellen Datum"));
    QCOMPARE(plattform::hint(f.ctl("BitBtn21")), plattform::hint(f.ctl("BitBtn20")));
    QCOMPARE(plattform::hint(f.ctl("Button6")), QStringLiteral("Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden"));
    QVERIFY(!f.ctl("BitBtn20")->isHidden());
    QVERIFY(f.ctl("BitBtn21")->isHidden());
    auto* timer = f.form.findChild<QTimer*>("Timer1");
    QVERIFY(timer && !timer->isActive());
    QCOMPARE(timer->interval(), 250);
    QCOMPARE(f.ctl<plattform::UpDown>("UpDown21")->Position(), 1);
    QCOMPARE(f.ctl<plattform::UpDown>("UpDown21")->Max(), 55);
    QCOMPARE(f.ctl<QLineEdit>("Edit107")->text(), QStringLiteral("1"));
    QCOMPARE(f.art(), 0);
    QVERIFY(f.ctl("Label88")->cursor().shape() == Qt::PointingHandCursor);
    QCOMPARE(plattform::tag(f.ctl("Label88")), 0);
    // Controls with text join the window's element list in creation order; the chart does not.
    QStringList namen;
    for (const plattform::Element& e : plattform::elementliste(&f.form).elemente()) namen << e.name();
    for (const char* n : {"SpeedButton2", "Edit107", "BitBtn20", "Button8", "SpeedButton22", "Label90", "Button6"})
      QVERIFY2(namen.contains(n), n);
    QVERIFY(namen.indexOf("SpeedButton2") < namen.indexOf("Button2"));
    QVERIFY(!namen.contains("Chart1") && !namen.contains("UpDown21"));
  }

  // Every button, link and shortcut from its own tab: bars, colours, range, title, page,
  // status panel 0 and the chart kind (set before to 7, which the group charts keep).
  void knoepfe_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("x");  // a bar to look at
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("farbe");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<bool>("status");
    QTest::addColumn<int>("art");
    const QString paare = "Ziehungen : 3        Paare gefunden :  8";
    const QString dreier = "Ziehungen : 3        Dreier gefunden :  5";
    const QString vierer = "Ziehungen : 3        Vierer gefunden!2";
    const QString sums = "Quersummenverteilung    Ziehungen : 3     Quersumme: 74";
    const QString ueber = "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?";
    for (const char* n : {"SpeedButton2", "SpeedButton26"})
      QTest::newRow(n) << n << 55 << 53 << 2 << kRot << 0 << 2 << kTitelHaeufigkeit << true << 1;
    for (const char* n : {"SpeedButton9", "Label88"})
      QTest::newRow(n) << n << 106 - 54 + 1 << 63 << 1 << kGruen << 0 << 1 << sums << true << 2;
    for (const char* n : {"SpeedButton1", "Button2", "Label89", "SpeedButton23"})
      QTest::newRow(n) << n << 54 << 2 << 2 << kGruen << 0 << 2 << paare << false << 7;
    for (const char* n : {"SpeedButton3", "Button3", "Label91", "SpeedButton24"})
      QTest::newRow(n) << n << 53 << 2 << 2 << kGruen << 0 << 2 << dreier << false << 7;
    for (const char* n : {"SpeedButton12", "Button4", "Label90", "SpeedButton25"})
      QTest::newRow(n) << n << 55 << 2 << 1 << kGruen << 0 << 1 << vierer << false << 7;
    for (const char* n : {"SpeedButton19", "Button5", "SpeedButton22"})
      QTest::newRow(n) << n << 55 << 53 << 2 << kRot << 1 << 4 << ueber << true << 3;
    QTest::newRow("SpeedButton30") << "SpeedButton30" << 55 << 2 << 1 << kBlau << 0 << 1 << kTitelPaareMit1 << true << 6;
    QTest::newRow("SpeedButton29") << "SpeedButton29" << 55 << 3 << 2 << kBlau << 0 << 2 << kTitelPaareMit2 << true << 6;
    // The start day does not count here: one draw, whose extra bytes are 0.
    QTest::newRow("Button8") << "Button8" << 10 << 10 << 1 << kGruen << 1 << 1
                             << "Welche Eurozahl wurde am längsten nicht gezogen?" << true << 5;
    QTest::newRow("Button6") << "Button6" << 55 << 53 << 0 << kRot << 0 << 0 << "Zahlenverteilung des Tippes" << false << 7;
  }
  void knoepfe() {
    QFETCH(QString, name);
    QFETCH(int, anzahl);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, farbe);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, titel);
    QFETCH(bool, status);
    QFETCH(int, art);
    Fenster f(vierSaetze());
    plattform::setzeTag(f.ctl("BitBtn20"), 7);
    f.form.setzeStatus(0, "alt");
    f.klick(name);
    QCOMPARE(f.meldungen(), QStringList());
    QCOMPARE(f.serie().anzahl(), anzahl);
    QCOMPARE(f.y(x), y);
    QCOMPARE(f.farbe(x), farbe);
    QCOMPARE(f.chart()->linksMinimum(), min);
    QCOMPARE(f.chart()->linksMaximum(), max);
    QCOMPARE(f.titel(), titel);
    QCOMPARE(f.seiteVorn(), f.form.TabSheet5);
    QCOMPARE(f.panel0(), status ? plattform::kurzesDatum(kTag1) : QStringLiteral("alt"));
    QCOMPARE(f.art(), art);
    QVERIFY(f.serie().aktiv() && !f.chart()->serie(1).aktiv());
  }

  // The commands the engine and the start run have no page switch of their own, except the
  // group and overdue charts.
  void seitenwechsel() {
    Fenster f(vierSaetze());
    auto& s = f.seite();
    for (auto [befehl, wechsel] : std::initializer_list<std::pair<void (Diagrammseite::*)(), bool>>{
             {&Diagrammseite::SpeedButton2Click, false},
             {&Diagrammseite::SpeedButton9Click, false},
             {&Diagrammseite::SpeedButton30Click, false},
             {&Diagrammseite::Button2Click, true},
             {&Diagrammseite::Button3Click, true},
             {&Diagrammseite::Button4Click, true},
             {&Diagrammseite::Button5Click, true},
             {&Diagrammseite::Button8Click, true}}) {
      f.form.PageControl1->setCurrentWidget(f.form.TabSheet4);
      (s.*befehl)();
      QCOMPARE(f.seiteVorn(), wechsel ? f.form.TabSheet5 : f.form.TabSheet4);
    }
    // While a run is going the extra-number chart leaves the page alone.
    f.form.zustand().Berechnunglaeuft = true;
    f.klick("Button8");
    QCOMPARE(f.seiteVorn(), f.form.TabSheet4);
    QCOMPARE(f.serie().anzahl(), 10);
    f.klick("Button2");
    QCOMPARE(f.seiteVorn(), f.form.TabSheet5);
  }

  // The extra-number frequency, which no control reaches: inclusive window, no filter.
  void sternHaeufigkeit() {
    Fenster f({satz(kTag0, {1, 2, 3, 4, 5}, true, 3, 7), satz(kTag1, {1, 2, 3, 4, 5}, false, 3, 0),
               satz(kTag1.addDays(1), {1, 2, 3, 4, 5}, false, 9, 9)});
    f.ctl<QCheckBox>("Mittag")->setChecked(false);
    f.form.PageControl1->setCurrentWidget(f.form.TabSheet1);
    f.seite().SuperseltenClick();
    QCOMPARE(f.seiteVorn(), f.form.TabSheet5);
    QCOMPARE(f.serie().anzahl(), 10);
    QCOMPARE(f.y(3), 2);
    QCOMPARE(f.y(7), 1);
    QCOMPARE(f.y(9), 0);
    QCOMPARE(f.chart()->linksMinimum(), 0);
    QCOMPARE(f.chart()->linksMaximum(), 2);
    QCOMPARE(f.titel(), QStringLiteral("Wie oft wurden die einzelnen Eurozahlen gezogen?"));
    QCOMPARE(f.art(), 4);
    QCOMPARE(f.panel0(), plattform::kurzesDatum(kTag1));
  }

  void datumsfelder() {
    Fenster f(vierSaetze());
    f.form.zustand().dfb = QDate(2000, 1, 1);
    f.klick("SpeedButton1");  // pairs leave dfb
    QCOMPARE(f.form.zustand().dfb, QDate(2000, 1, 1));
    QCOMPARE(f.form.zustand().aktDatum, QDateTime(kTag0, QTime(0, 0)));
    f.klick("Button8");
    QCOMPARE(f.form.zustand().dfb, QDate(2000, 1, 1));
    f.klick("SpeedButton3");  // triples
    QCOMPARE(f.form.zustand().dfb, kTag1);
  }

  // Empty window: bars of 0, range 0..0, and the title and status of this window, not the last.
  void leeresFenster() {
    Fenster f(vierSaetze());
    f.klick("SpeedButton2");
    f.startdatum()->setzeDatum(kTag1.addDays(5));
    f.klick("SpeedButton2");
    QCOMPARE(f.serie().anzahl(), 55);
    QCOMPARE(f.y(1), 0);
    QCOMPARE(f.chart()->linksMaximum(), 0);
    QCOMPARE(f.titel(), QStringLiteral("Zahlenverteilung     Ziehungen : 0    Quersumme: 0"));
    f.klick("SpeedButton9");
    QCOMPARE(f.serie().anzahl(), 0);
    QCOMPARE(f.titel(), QStringLiteral("Quersummenverteilung    Ziehungen : 0     Quersumme: 0"));
    QCOMPARE(f.chart()->linksMaximum(), 0);
    f.form.setzeStatus(0, "alt");
    // N held by no counted draw: 55 bars of 0, range 0..0, a new title and status.
    f.startdatum()->setzeDatum(kTag0);
    f.ctl<plattform::UpDown>("UpDown21")->setPosition(55);
    f.klick("SpeedButton30");
    QCOMPARE(f.serie().anzahl(), 55);
    QCOMPARE(f.chart()->linksMinimum(), 0);
    QCOMPARE(f.chart()->linksMaximum(), 0);
    QVERIFY(f.titel().endsWith(QStringLiteral("Paare mit 55: 0")));
    QCOMPARE(f.panel0(), plattform::kurzesDatum(kTag1));
  }

  void naechsteNachLetzter() {
    Fenster f(vierSaetze());
    f.ctl<QLineEdit>("Edit107")->setText("55");
    QCOMPARE(f.ctl<plattform::UpDown>("UpDown21")->Position(), 55);
    f.klick("SpeedButton29");
    QCOMPARE(f.ctl<plattform::UpDown>("UpDown21")->Position(), 1);
    QCOMPARE(f.ctl<QLineEdit>("Edit107")->text(), QStringLiteral("1"));
    QCOMPARE(f.titel(), kTitelPaareMit1);
  }

  // The pairs chart's title in the chosen language (English, French).
  void paartitelInDerSprache() {
    Fenster f(vierSaetze());
    for (const auto& [nummer, gesamt, mit] : {std::tuple{2, "All pairs:", "Pairs with 1:"},
                                              std::tuple{3, "Paires au total :", "Paires avec 1 :"}}) {
      f.form.sprachmenue->menuepunkt(nummer)->trigger();
      f.klick("SpeedButton30");
      QCOMPARE(f.titel(), QString(kTitelPaareMit1)
                              .replace(QStringLiteral("Paare gesamt:"), QString::fromUtf8(gesamt))
                              .replace(QStringLiteral("Paare mit 1:"), QString::fromUtf8(mit)));
    }
  }

  // A text the up-down refused gives way to the N the chart counts.
  void paareMitGetipptemN_data() {
    QTest::addColumn<int>("vorher");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<int>("n");
    QTest::newRow("56") << 1 << "56" << 5;
    QTest::newRow("0") << 17 << "0" << 17;
    QTest::newRow("Buchstaben") << 2 << "x" << 2;
    QTest::newRow("55") << 2 << "55" << 55;
  }
  void paareMitGetipptemN() {
    QFETCH(int, vorher);
    QFETCH(QString, getippt);
    QFETCH(int, n);
    Fenster f(vierSaetze());
    f.ctl<plattform::UpDown>("UpDown21")->setPosition(vorher);
    auto* e = f.ctl<QLineEdit>("Edit107");
    e->selectAll();
    QTest::keyClicks(e, getippt);
    QCOMPARE(e->text(), getippt);
    f.klick("SpeedButton30");
    QCOMPARE(e->text(), QString::number(n));
    QVERIFY2(f.titel().contains(QStringLiteral("  Paare mit %1: ").arg(n)), qPrintable(f.titel()));
  }

  // Every chart command right after every other one: the left axis never lays out more than a
  // few ticks on the way, also between the extra-number chart (a range in the thousands, one
  // unit high) and the others.
  void jederBefehlNachJedem() {
    std::vector<Ziehung> h;
    for (int i = 0; i < 3000; ++i) {
      const int a = 1 + i % 51;
      h.push_back(satz(kTag0.addDays(i / 2), {a, a + 1, a + 2, a + 3, 55}, i % 2 == 0));
    }
    Fenster f(h, kTag0, kTag0.addDays(1500));
    auto* achse = qobject_cast<QValueAxis*>(f.chart()->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(achse);
    double meiste = 0;
    auto zaehle = [&] { meiste = std::max(meiste, (achse->max() - achse->min()) / achse->tickInterval() + 1); };
    connect(achse, &QValueAxis::rangeChanged, this, zaehle);
    connect(achse, &QValueAxis::tickIntervalChanged, this, zaehle);
    const std::vector<std::pair<const char*, void (Diagrammseite::*)()>> befehle{
        {"SpeedButton2", &Diagrammseite::SpeedButton2Click}, {"SpeedButton9", &Diagrammseite::SpeedButton9Click},
        {"Button2", &Diagrammseite::Button2Click},           {"Button3", &Diagrammseite::Button3Click},
        {"Button4", &Diagrammseite::Button4Click},           {"Button5", &Diagrammseite::Button5Click},
        {"SpeedButton30", &Diagrammseite::SpeedButton30Click}, {"Button8", &Diagrammseite::Button8Click},
        {"SpeedButton3", &Diagrammseite::SpeedButton3Click}, {"Button6", &Diagrammseite::Button6Click},
    };
    for (const auto& [vorName, vor] : befehle)
      for (const auto& [name, befehl] : befehle) {
        (f.seite().*vor)();
        meiste = 0;
        (f.seite().*befehl)();
        QVERIFY2(meiste <= 21, qPrintable(QStringLiteral("%1 nach %2: %3 Striche").arg(name, vorName).arg(meiste)));
      }
    f.seite().Button8Click();
    QCOMPARE(f.chart()->linksMinimum(), 2998);  // every draw of the window after its first day
  }

  // The group charts leave the current draw, its labels and the hit state as they were.
  void gruppenLassenZiehung() {
    Fenster f(vierSaetze());
    f.enddatum()->setzeDatum(kTag0);
    f.klick("SpeedButton5");
    f.form.Schein->zeile(1).Zahlen[0]->setText("1");
    const Programmzustand vorher = f.form.zustand();
    const QString label = f.ctl<QLabel>("Label29")->text();
    f.enddatum()->setzeDatum(kTag1);
    for (const char* n : {"SpeedButton1", "SpeedButton3", "SpeedButton12"}) {
      f.klick(n);
      QCOMPARE(f.form.zustand().Zahl, vorher.Zahl);
      QCOMPARE(f.form.zustand().Position, vorher.Position);
      QCOMPARE(f.form.zustand().Datum1, vorher.Datum1);
      QCOMPARE(f.form.zustand().Stand.Gewinn, vorher.Stand.Gewinn);
      QCOMPARE(f.form.zustand().Stand.Treffer, vorher.Stand.Treffer);
      QCOMPARE(f.ctl<QLabel>("Label29")->text(), label);
    }
  }

  // A history that cannot be read: one message and the chart as it was; the extra-number
  // overdue shows bars of 0 without a message.
  void ohneHistorie() {
    Fenster f(vierSaetze());
    f.klick("SpeedButton2");
    QFile::remove(f.datei());
    for (const char* n : {"SpeedButton2", "SpeedButton9", "SpeedButton1", "SpeedButton19", "SpeedButton30"}) {
      const int vorher = static_cast<int>(f.meldungen().size());
      f.klick(n);
      QCOMPARE(f.meldungen().size(), vorher + 1);
      QCOMPARE(f.titel(), kTitelHaeufigkeit);
      QCOMPARE(f.y(53), 2);
    }
    const int vorher = static_cast<int>(f.meldungen().size());
    f.klick("Button8");
    QCOMPARE(f.meldungen().size(), vorher);
    QCOMPARE(f.serie().anzahl(), 10);
    QCOMPARE(f.y(1), 0);
  }

  void tippverteilungSchein() {
    Fenster f(vierSaetze());
    f.klick("SpeedButton2");
    for (int k : {1, 2, 3, 4, 5, 9})
      for (int i = 0; i < 5; ++i) f.form.Schein->zeile(k).Zahlen[static_cast<std::size_t>(i)]->setText(QString::number(i == 4 ? 53 : 1 + i + k));
    f.form.PageControl1->setCurrentWidget(f.form.TabSheet1);
    f.klick("Button6");
    QCOMPARE(f.seiteVorn(), f.form.TabSheet5);
    QCOMPARE(f.y(53), 6);
    QCOMPARE(f.farbe(53), kRot);
    QCOMPARE(f.y(2), 1);   // row 1
    QCOMPARE(f.y(5), 4);   // rows 1 to 4
    QCOMPARE(f.y(11), 1);  // row 9
    QCOMPARE(f.chart()->linksMaximum(), 6);
    QCOMPARE(f.art(), 1);  // the frequency before
    // A row of two numbers ends the counting at its first empty field.
    f.form.Schein->zeile(2).Zahlen[2]->setText("");
    f.klick("Button6");
    QCOMPARE(f.y(53), 1);
    QCOMPARE(f.y(3), 2);  // row 1 (second) and row 2 (first)
    QCOMPARE(f.y(4), 2);  // row 1 (third) and row 2 (second)
  }

  void tippverteilungListe() {
    Fenster f(vierSaetze());
    f.form.Schein->listenansichtBeimStart();
    f.form.Schein->listeErsetzen({"1\t2\t3\t4\t53", "1\t2\t3\t4\t5\t\t\t7\t9"});
    f.form.Schein->Gewinne->addItems({"0", "1"});
    f.klick("Button6");
    QCOMPARE(f.form.Schein->Gewinne->count(), 0);
    QCOMPARE(f.y(1), 2);
    QCOMPARE(f.y(5), 1);
    QCOMPARE(f.y(53), 1);
    QCOMPARE(f.y(7), 0);
    QCOMPARE(f.y(9), 0);
    QCOMPARE(f.titel(), QStringLiteral("Zahlenverteilung des Tippes"));
  }

  // Ten days of the frequency chart: each tick shows one more day, then the animation ends on
  // the end date it started from.
  void animationZehnTage() {
    const QDate s(2018, 3, 1);
    Fenster f(abwechselnd(s, 15), s, s.addDays(10));
    f.klick("SpeedButton2");
    const QString vorher = f.titel();
    f.klick("BitBtn20");
    QVERIFY(f.ctl("BitBtn20")->isHidden());
    QVERIFY(!f.ctl("BitBtn21")->isHidden());
    QVERIFY(f.timer()->isActive());
    QCOMPARE(f.enddatum()->Datum(), s);
    QCOMPARE(f.seite().merkdatum, s.addDays(10));
    QCOMPARE(f.titel(), vorher);  // nothing redrawn before the first tick
    f.langsam();
    for (int i = 1; i <= 10; ++i) {
      f.form.setzeStatus(0, "alt");
      f.seite().Timer1Timer();
      QCOMPARE(f.enddatum()->Datum(), s.addDays(i));
      QVERIFY2(f.titel().startsWith("Zahlenverteilung     Ziehungen : " + QString::number(2 * (i + 1)) + "    "),
               qPrintable(f.titel()));
      QCOMPARE(f.panel0(), plattform::kurzesDatum(s.addDays(i)));
      QVERIFY(f.timer()->isActive());
    }
    const QString letzter = f.titel();
    f.seite().Timer1Timer();
    QVERIFY(!f.timer()->isActive());
    QVERIFY(!f.ctl("BitBtn20")->isHidden());
    QVERIFY(f.ctl("BitBtn21")->isHidden());
    QCOMPARE(f.enddatum()->Datum(), s.addDays(10));
    QCOMPARE(f.titel(), letzter);
    QCOMPARE(f.meldungen(), QStringList());
  }

  void animationStartGleichEnde() {
    Fenster f(vierSaetze(), kTag1, kTag1);
    f.klick("SpeedButton9");
    const QString vorher = f.titel();
    f.klick("BitBtn20");
    f.langsam();
    f.seite().Timer1Timer();
    QVERIFY(!f.timer()->isActive());
    QVERIFY(!f.ctl("BitBtn20")->isHidden());
    QCOMPARE(f.titel(), vorher);
    QCOMPARE(f.enddatum()->Datum(), kTag1);
  }

  // Stop puts the end date back and keeps the chart of the last tick.
  void animationStopp() {
    const QDate s(2018, 3, 1);
    Fenster f(abwechselnd(s, 15), s, s.addDays(10));
    f.klick("SpeedButton19");
    f.klick("BitBtn20");
    f.langsam();
    for (int i = 0; i < 3; ++i) f.seite().Timer1Timer();
    QCOMPARE(f.enddatum()->Datum(), s.addDays(3));
    const QString titel = f.titel();
    const int wert = f.y(1);
    f.klick("BitBtn21");
    QCOMPARE(f.enddatum()->Datum(), s.addDays(10));
    QVERIFY(!f.timer()->isActive());
    QVERIFY(!f.ctl("BitBtn20")->isHidden());
    QVERIFY(f.ctl("BitBtn21")->isHidden());
    QCOMPARE(f.titel(), titel);
    QCOMPARE(f.y(1), wert);
  }

  // A start date after the end date: the end date moves on every tick until Stop.
  void animationStartNachEnde() {
    const QDate s(2018, 3, 1);
    Fenster f(abwechselnd(s, 15), s.addDays(5), s.addDays(2));
    f.klick("SpeedButton2");
    f.klick("BitBtn20");
    f.langsam();
    for (int i = 1; i <= 4; ++i) f.seite().Timer1Timer();
    QCOMPARE(f.enddatum()->Datum(), s.addDays(9));
    QVERIFY(f.timer()->isActive());
    f.klick("BitBtn21");
    QCOMPARE(f.enddatum()->Datum(), s.addDays(2));
  }

  // The kind of chart animated: a group chart keeps the one before, the extra-number chart only
  // moves the date, the pairs with N step through N.
  void animationNachArt() {
    const QDate s(2018, 3, 1);
    {
      Fenster f(abwechselnd(s, 15), s, s.addDays(10));
      f.klick("SpeedButton9");
      f.klick("SpeedButton1");
      f.klick("BitBtn20");
      f.langsam();
      f.seite().Timer1Timer();
      QVERIFY2(f.titel().startsWith("Quersummenverteilung    Ziehungen : 4 "), qPrintable(f.titel()));
    }
    {
      Fenster f(abwechselnd(s, 15), s, s.addDays(10));
      f.klick("Button8");
      const QString titel = f.titel();
      f.klick("BitBtn20");
      f.langsam();
      f.form.setzeStatus(0, "alt");
      f.seite().Timer1Timer();
      f.seite().Timer1Timer();
      QCOMPARE(f.enddatum()->Datum(), s.addDays(2));
      QCOMPARE(f.titel(), titel);
      QCOMPARE(f.panel0(), QStringLiteral("alt"));
    }
    {
      Fenster f(vierSaetze());
      f.klick("SpeedButton30");
      f.klick("BitBtn20");
      QCOMPARE(f.enddatum()->Datum(), kTag1);  // the end date stays
      f.langsam();
      f.seite().Timer1Timer();
      QCOMPARE(f.titel(), kTitelPaareMit2);
      f.ctl<plattform::UpDown>("UpDown21")->setPosition(55);
      f.seite().Timer1Timer();
      QCOMPARE(f.ctl<plattform::UpDown>("UpDown21")->Position(), 1);
      QCOMPARE(f.titel(), kTitelPaareMit1);
      QVERIFY(f.timer()->isActive());
      QCOMPARE(f.enddatum()->Datum(), kTag1);
    }
  }

  // A tick that fails (the history removed meanwhile) stops the animation as Stop does and
  // shows its message once.
  void animationFehlschlag() {
    const QDate s(2018, 3, 1);
    Fenster f(abwechselnd(s, 15), s, s.addDays(10));
    f.klick("SpeedButton2");
    f.klick("BitBtn20");
    QFile::remove(f.datei());
    QTRY_COMPARE_WITH_TIMEOUT(f.meldungen().size(), 1, 3000);
    QVERIFY(!f.timer()->isActive());
    QVERIFY(!f.ctl("BitBtn20")->isHidden());
    QCOMPARE(f.enddatum()->Datum(), s.addDays(10));
    QTest::qWait(600);
    QCOMPARE(f.meldungen().size(), 1);
  }

  // After a language switch the links fit their new captions: "Vierer ..." right after
  // "Dreier, ", each as high as its wrapped text.
  void linksNachSprachwechsel() {
    Fenster f(vierSaetze());
    auto* dreier = f.ctl<QLabel>("Label91");
    auto* vierer = f.ctl<QLabel>("Label90");
    const QString deutsch = dreier->text();
    const int rechts = vierer->geometry().right();
    f.form.sprachmenue->menuepunkt(2)->trigger();
    QVERIFY(dreier->text() != deutsch);
    QCOMPARE(dreier->width(), dreier->sizeHint().width());
    QCOMPARE(vierer->x(), dreier->x() + dreier->width());
    QCOMPARE(vierer->geometry().right(), rechts);
    for (const char* n : {"Label88", "Label89", "Label90"}) {
      auto* l = f.ctl<QLabel>(n);
      QCOMPARE(l->height(), l->heightForWidth(l->width()));
    }
  }

  // A generation run shows the statistics of its pool as their buttons do; the history
  // filters empty the chart when they begin.
  void beimBerechnen() {
    for (bool filter : {false, true}) {
      Fenster f(abwechselnd(kTag0, 100), kTag0, kTag0.addDays(99));
      Parameterseite& p = *f.form.Parameter;
      p.CheckBox2->setChecked(true);
      p.CheckBox10->setChecked(false);
      p.CheckBox9->setChecked(filter);
      p.CheckBox28->setChecked(filter);
      f.klick("BitBtn4");
      QCOMPARE(f.meldungen(), QStringList());
      if (filter) {
        QCOMPARE(f.serie().anzahl(), 0);
        QVERIFY(f.serie().aktiv() && !f.chart()->serie(1).aktiv());
      } else {
        QCOMPARE(f.serie().anzahl(), 55);
        QVERIFY2(f.titel().startsWith(QStringLiteral("Zahlenverteilung     Ziehungen : 200 ")), qPrintable(f.titel()));
        QCOMPARE(f.farbe(53), kRot);
      }
    }
  }

  // The start: the frequency chart of the date window, the page left as it was.
  void beimStart() {
    Fenster f(vierSaetze());
    QVERIFY(f.zeigen());
    QTRY_VERIFY(f.titel().startsWith(QStringLiteral("Zahlenverteilung     Ziehungen : ")));
    QCOMPARE(f.serie().anzahl(), 55);
    QCOMPARE(f.seiteVorn(), f.form.TabSheet1);
    QCOMPARE(f.art(), 1);
  }

  // A generation run shows the same statistics and empties the bars batch after batch. A
  // window that lets them wait must look and answer at every point where it can be seen as one
  // that draws every step; and once a cycle left the chart as it found it, the next is not
  // drawn at all.
  void laufzyklen() {
    const std::vector<Ziehung> h = vierSaetze();
    Fenster a(h), b(h);  // a lets the statistics wait where it may; b draws each at once
    const statistik::Fenster fenster{kTag0, kTag1};
    const statistik::Zahlenstatistik H = statistik::haeufigkeit(h, fenster, {});
    const statistik::Zahlenstatistik U = statistik::ueberfaellige(h, fenster, {});
    const statistik::Zahlenstatistik H2 = statistik::haeufigkeit(h, {kTag0, kTag0}, {});
    auto* achse = qobject_cast<QValueAxis*>(a.chart()->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(achse);
    int achsenwechsel = 0;
    connect(achse, &QValueAxis::rangeChanged, this, [&] { ++achsenwechsel; });
    using Art = statistik::Statistikart;
    auto zeige = [&](Art art, const statistik::Zahlenstatistik& s) {
      a.seite().zeigeStatistik(art, s, true);
      b.seite().zeigeStatistik(art, s, false);
    };
    auto leeren = [&] {
      a.seite().leeren();
      b.seite().leeren();
    };
    // What anyone can see: the chart once it is brought up to date, the page, panel 0, the kind.
    auto gleich = [&](const char* wo) {
      a.seite().abgleichen();
      QVERIFY2(a.chart()->stand() == b.chart()->stand(), wo);
      QVERIFY2(a.panel0() == b.panel0() && a.art() == b.art(), wo);
      QVERIFY2((a.seiteVorn() == a.form.TabSheet5) == (b.seiteVorn() == b.form.TabSheet5), wo);
    };
    auto zyklus = [&](const char* wo, std::initializer_list<std::pair<Art, const statistik::Zahlenstatistik*>> schritte) {
      for (const auto& [art, s] : schritte) zeige(art, *s);
      leeren();
      gleich(wo);
    };
    zyklus("first cycle", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    zyklus("second cycle", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    achsenwechsel = 0;
    zyklus("known cycle", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    QCOMPARE(achsenwechsel, 0);  // left alone
    // Seen in the middle: the waiting statistics are drawn, in their order.
    zeige(Art::ueberfaellige, U);
    zeige(Art::haeufigkeit, H);
    gleich("seen before the emptying");
    QCOMPARE(a.serie().anzahl(), 55);
    leeren();
    gleich("emptied after being seen");
    // Other statistics in the cycle, or one step fewer, or the same again: drawn as they come.
    zyklus("other values", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H2}});
    zyklus("one step", {{Art::ueberfaellige, &U}});
    zyklus("two steps", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    zyklus("known again", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    // A button's statistic between two cycles, and one in the middle of a cycle that is drawn.
    a.seite().Button2Click();
    b.seite().Button2Click();
    zyklus("after a button", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    a.seite().zeigeStatistik(Art::ueberfaellige, U, false);
    b.seite().zeigeStatistik(Art::ueberfaellige, U, false);
    a.seite().SpeedButton9Click();
    b.seite().SpeedButton9Click();
    zeige(Art::haeufigkeit, H);
    leeren();
    gleich("a button in the middle");
    zyklus("after it", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    zyklus("and again", {{Art::ueberfaellige, &U}, {Art::haeufigkeit, &H}});
    // Only the emptying, cycle after cycle.
    zyklus("emptying alone", {});
    zyklus("emptying alone again", {});
  }
};

QTEST_MAIN(TstDiagrammseite)
#include "tst_diagrammseite.moc"
