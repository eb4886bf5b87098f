#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <stdexcept>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/sanduhr.h"
#include "plattform/laufschutz.h"

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

// A window with one control of each kind a command hangs on; every command goes through the
// connect helper.
struct Befehlsfenster : QMainWindow {
  QPushButton* knopf = new QPushButton(QStringLiteral("Knopf"), this);
  QToolButton* schnell = new QToolButton(this);
  QCheckBox* box = new QCheckBox(QStringLiteral("Box"), this);
  QLineEdit* feld = new QLineEdit(this);
  QListWidget* liste = new QListWidget(this);
  QAction* menue = menuBar()->addAction(QStringLiteral("Menü"));
  QPushButton* anderer = new QPushButton(QStringLiteral("Anderer"), this);
  std::function<void()> handler;
  bool laeuft = false;
  int andererLief = 0;
  int laeufe = 0;

  Befehlsfenster() {
    knopf->setGeometry(0, 30, 80, 24);
    schnell->setGeometry(90, 30, 24, 24);
    box->setGeometry(120, 30, 80, 24);
    feld->setGeometry(0, 60, 80, 24);
    liste->setGeometry(0, 90, 120, 60);
    liste->addItems({QStringLiteral("a"), QStringLiteral("b")});
    anderer->setGeometry(200, 30, 80, 24);
    const auto befehl = [this] {
      ++laeufe;
      handler();
    };
    plattform::verbinde(knopf, &QPushButton::clicked, this, befehl);
    plattform::verbinde(schnell, &QToolButton::clicked, this, befehl);
    plattform::verbinde(box, &QCheckBox::toggled, this, befehl);
    plattform::verbinde(feld, &QLineEdit::textChanged, this, befehl);
    plattform::verbinde(liste, &QListWidget::currentRowChanged, this, befehl);
    plattform::verbinde(menue, &QAction::triggered, this, befehl);
    plattform::verbinde(anderer, &QPushButton::clicked, this, &Befehlsfenster::andererBefehl);
    resize(300, 160);
  }
  void andererBefehl() { ++andererLief; }

  void ausloesen(const QString& art) {
    if (art == "Knopf") QTest::mouseClick(knopf, Qt::LeftButton);
    else if (art == "Schnellknopf") QTest::mouseClick(schnell, Qt::LeftButton);
    else if (art == "Kontrollkästchen") QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    else if (art == "Eingabefeld") QTest::keyClicks(feld, QStringLiteral("x"));
    else if (art == "Liste") liste->setCurrentRow(liste->currentRow() == 0 ? 1 : 0);
    else if (art == "Menüpunkt") menue->trigger();
  }
};

}  // namespace

class TstBefehl : public QObject {
  Q_OBJECT
 private slots:
  // A command that throws, from every kind of control: one message with its text, the running
  // flag and the hourglass cleared, and the window goes on taking commands.
  void werfenderBefehl_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<std::function<void()>>("wirf");
    QTest::addColumn<QString>("meldung");
    const std::function<void()> fehler = [] { throw plattform::Fehler(QStringLiteral("Die Datei X fehlt.")); };
    const std::function<void()> std = [] { throw std::runtime_error("kaputt"); };
    const std::function<void()> sonst = [] { throw 42; };
    for (const char* art : {"Knopf", "Schnellknopf", "Kontrollkästchen", "Eingabefeld", "Liste", "Menüpunkt"}) {
      QTest::addRow("%s, Fehler", art) << QString::fromUtf8(art) << fehler << QStringLiteral("Die Datei X fehlt.");
      QTest::addRow("%s, std::exception", art) << QString::fromUtf8(art) << std << QStringLiteral("kaputt");
      QTest::addRow("%s, anderes", art) << QString::fromUtf8(art) << sonst << QStringLiteral("Unbekannter Fehler");
    }
  }
  void werfenderBefehl() {
    QFETCH(QString, art);
    QFETCH(std::function<void()>, wirf);
    QFETCH(QString, meldung);
    Fensterumgebung u;
    Befehlsfenster w;
    w.handler = [&] {
      const plattform::Laufschutz lauf(w.laeuft);
      const plattform::Sanduhr sanduhr;
      QVERIFY(w.laeuft);
      wirf();
    };
    QVERIFY(fenstertest::zeigen(&w));
    w.ausloesen(art);
    QCOMPARE(w.laeufe, 1);
    QCOMPARE(u.meldungen(), QStringList{meldung});
    QVERIFY(!w.laeuft);
    QVERIFY(!QGuiApplication::overrideCursor());
    // The window still works: the same command again, and another one.
    w.ausloesen(art);
    QCOMPARE(w.laeufe, 2);
    QCOMPARE(u.meldungen(), (QStringList{meldung, meldung}));
    QTest::mouseClick(w.anderer, Qt::LeftButton);
    QCOMPARE(w.andererLief, 1);
    QCOMPARE(u.meldungen().size(), 2);
  }

  // A command that ends normally shows nothing; mitMeldung tells which way it ended.
  void mitMeldungMeldetDenAusgang() {
    Fensterumgebung u;
    QVERIFY(plattform::mitMeldung([] {}));
    QVERIFY(!plattform::mitMeldung([] { throw plattform::Fehler(QStringLiteral("nein")); }));
    QCOMPARE(u.meldungen(), QStringList{QStringLiteral("nein")});
  }
};

QTEST_MAIN(TstBefehl)
#include "tst_befehl.moc"
