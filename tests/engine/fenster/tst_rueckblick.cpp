#include <QtTest>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "engine/fenster/Rueckblickbefehle.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/textdatei.h"
#include "plattform/zufall.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "shell/listenzeile.h"

namespace {

const QDate kNeuester(2025, 2, 3);

// 400 daily draws up to kNeuester.
std::vector<Ziehung> historie() { return taeglichGemischt(kNeuester.addDays(-399), 400); }

struct Fenster : Fenstertest<TForm1> {
  Fenster() {
    Testumgebung::schreibe(datei(), alsDatei(historie()));
    ctl<plattform::DatumsWahl>("DateTimePicker2")->setzeDatum(kNeuester.addDays(-399));
    ende(kNeuester);
    // Options under which every position fills.
    for (const char* name : {"CheckBox27", "CheckBox3", "CheckBox24", "CheckBox18", "CheckBox4", "CheckBox5",
                             "CheckBox23", "CheckBox9", "CheckBox28", "CheckBox10"})
      ctl<QCheckBox>(name)->setChecked(false);
    form.Schein->UpDown8->setPosition(5);
  }
  QString datei() const { return u.home() + "ZahlenQV.dat"; }
  QString bericht() const { return u.home() + "Test.txt"; }
  void ende(const QDate& d) { ctl<plattform::DatumsWahl>("DateTimePicker1")->setzeDatum(d); }
  QDate ende() { return ctl<plattform::DatumsWahl>("DateTimePicker1")->Datum(); }
  QCheckBox* auswahl() { return ctl<QCheckBox>("CheckBox20"); }
  QString panel(int i) { return form.StatusBar1->panel(i); }
  // Starts the back-test with Yes and the seed text (an invalid QVariant: Cancel).
  void rueckblick(const QVariant& saat) {
    u.dialoge().antworten = {true, saat};
    klick("BitBtn9");
  }
  // The counters of report lines 4 to 9, column by column.
  std::array<int, 3> spalten(const QStringList& zeilen) {
    std::array<int, 3> s{};
    for (int i = 3; i <= 8; ++i) {
      const QStringList f = zeilen[i].split(QStringLiteral("=> "));
      for (int k = 0; k < 3; ++k) s[static_cast<std::size_t>(k)] += f[k + 1].trimmed().toInt();
    }
    return s;
  }
  std::array<int, 5> reihe(int t) {
    std::array<int, 5> r{};
    for (int i = 0; i < 5; ++i) r[static_cast<std::size_t>(i)] = form.Schein->zeile(t).Zahlen[static_cast<std::size_t>(i)]->text().toInt();
    return r;
  }
  // Runs `tun` while a run handles its input, each time `wann` holds (until it returns true).
  void waehrend(std::function<bool()> wann, std::function<bool()> tun) {
    auto* t = new QTimer(&form);
    t->setInterval(0);
    QObject::connect(t, &QTimer::timeout, &form, [t, wann, tun] {
      if (!wann() || !tun()) return;
      t->stop();
      t->deleteLater();
    });
    t->start();
  }
};

}  // namespace

class TstRueckblickFenster : public QObject {
  Q_OBJECT
 private slots:
  void knoepfe() {
    Fenster f;
    auto* b13 = f.ctl<QToolButton>("SpeedButton13");
    QCOMPARE(b13->parentWidget(), f.ctl("Panel3"));
    QCOMPARE(plattform::hint(b13),
             QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"));
    auto* b9 = f.ctl<QPushButton>("BitBtn9");
    QCOMPARE(b9->parentWidget(), f.form.TabSheet4);
    QCOMPARE(b9->text(), QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
    QCOMPARE(plattform::hint(b9), QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum"));
    QCOMPARE(f.ctl<QLabel>("RueckblickLabel")->text(),
             QStringLiteral("Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet"));
    // Each on a place of its own among the shown controls of its panel or page.
    for (QWidget* w : {static_cast<QWidget*>(b13), static_cast<QWidget*>(b9), f.ctl("RueckblickLabel")}) {
      QVERIFY(w->parentWidget()->rect().contains(w->geometry()));
      for (QWidget* anderer : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (anderer != w && !anderer->isHidden())
          QVERIFY2(!w->geometry().intersects(anderer->geometry()),
                   qPrintable(w->objectName() + " / " + anderer->objectName()));
    }
  }

  void glueckszahl_data() {
    QTest::addColumn<QVariant>("antwort");
    QTest::addColumn<QString>("panel");  // empty: unchanged
    QTest::addColumn<qlonglong>("saat");  // -1: from the clock
    QTest::newRow("4711") << QVariant(QStringLiteral("4711")) << "Glückszahl 4711 gesetzt" << 4711LL;
    QTest::newRow("007") << QVariant(QStringLiteral("007")) << "Glückszahl 7 gesetzt" << 7LL;
    QTest::newRow("-5") << QVariant(QStringLiteral("-5")) << "Glückszahl -5 gesetzt" << static_cast<qlonglong>(0xFFFFFFFBu);
    QTest::newRow("leer") << QVariant(QString()) << "" << -1LL;
    QTest::newRow("abc") << QVariant(QStringLiteral("abc")) << "" << -1LL;
    QTest::newRow("zu groß") << QVariant(QStringLiteral("2147483648")) << "" << -1LL;
  }
  void glueckszahl() {
    QFETCH(QVariant, antwort);
    QFETCH(QString, panel);
    QFETCH(qlonglong, saat);
    Fenster f;
    f.form.StatusBar1->setzePanel(1, QStringLiteral("vorher"));
    plattform::Zufall::RandSeed = 99u;
    f.u.dialoge().antworten = {antwort};
    f.klick("SpeedButton13");
    QCOMPARE(f.u.dialoge().gezeigt.size(), 1);
    QCOMPARE(f.u.dialoge().gezeigt[0].titel, QStringLiteral("Ihre Glückszahl (1-99999999)?"));
    QCOMPARE(f.u.dialoge().gezeigt[0].text, QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
    QCOMPARE(f.panel(1), panel.isEmpty() ? QStringLiteral("vorher") : panel);
    if (saat >= 0) QCOMPARE(static_cast<qlonglong>(plattform::Zufall::RandSeed), saat);
  }

  // Cancel takes the proposal; the same lucky number gives the same run.
  void vorschlagUndGleicherLauf() {
    Fenster f;
    plattform::Zufall::RandSeed = 1234u;
    const std::uint32_t vorschlag = plattform::Zufall::Random(99999);
    plattform::Zufall::RandSeed = 1234u;
    f.u.dialoge().antworten = {QVariant()};
    f.klick("SpeedButton13");
    QCOMPARE(plattform::Zufall::RandSeed, vorschlag);
    QCOMPARE(f.panel(1), QStringLiteral("Glückszahl %1 gesetzt").arg(vorschlag));

    f.u.dialoge().antworten = {QStringLiteral("4711")};
    f.klick("SpeedButton13");
    f.klick("BitBtn4");
    const auto erste = f.reihe(1);
    const auto fuenfte = f.reihe(5);
    QVERIFY(erste[0] > 0 && fuenfte[0] > 0);
    f.u.dialoge().antworten = {QStringLiteral("4711")};
    f.klick("SpeedButton13");
    f.klick("BitBtn4");
    QCOMPARE(f.reihe(1), erste);
    QCOMPARE(f.reihe(5), fuenfte);
  }

  // Three weeks before the newest day: four weeks, five tips each, the report written and opened;
  // CheckBox20 is off in every week and ticked again at the end.
  void vierWochen() {
    Fenster f;
    f.ende(kNeuester.addDays(-21));
    f.auswahl()->setChecked(true);
    bool auswahlImLauf = false;
    int laeufe = 0;
    f.waehrend([&] { return f.form.zustand().Berechnunglaeuft; },
               [&] {
                 auswahlImLauf = auswahlImLauf || f.auswahl()->isChecked();
                 ++laeufe;
                 return false;
               });
    f.rueckblick(QStringLiteral("4711"));
    QVERIFY(laeufe > 0);
    QVERIFY(!auswahlImLauf);
    QVERIFY(f.auswahl()->isChecked());
    QCOMPARE(f.u.dialoge().arten(), (QStringList{"frage", "eingabe"}));
    QCOMPARE(f.u.dialoge().gezeigt[0].text,
             QStringLiteral("Soll die Analyse der Einstellungen jetzt ab dem  ") +
                 QLocale().toString(kNeuester.addDays(-21), QLocale::ShortFormat) + QStringLiteral(" durchgeführt werden??"));
    QCOMPARE(f.u.dialoge().gezeigt[0].titel, QStringLiteral("aktuellen Tipps werden dabei gelöscht?"));
    QCOMPARE(f.ende(), kNeuester);
    const QByteArray roh = Testumgebung::lies(f.bericht());
    QVERIFY(roh.endsWith("Reihen\r\n"));
    const QStringList zeilen = plattform::ausAnsi(roh).split(QStringLiteral("\r\n"));
    QCOMPARE(zeilen.size(), 12);  // eleven lines, each with CR LF
    QCOMPARE(zeilen[0], QStringLiteral("Aktuelle Einstellung brachten"));
    QCOMPARE(zeilen[10], QStringLiteral("Ziehungen : 4      Tipp: 5 => 20Reihen"));
    QCOMPARE(f.spalten(zeilen), (std::array<int, 3>{20, 0, 0}));
    QCOMPARE(f.form.ziehungsanzeige->RichEdit1->toPlainText().split('\n'), zeilen.mid(0, 11));
    QCOMPARE(f.u.shell().aufrufe, QStringList{"open " + f.bericht()});
  }

  void ohneWoche() {
    Fenster f;
    f.ende(QDate::currentDate());
    f.rueckblick(QStringLiteral("1"));
    const QStringList zeilen = plattform::ausAnsi(Testumgebung::lies(f.bericht())).split(QStringLiteral("\r\n"));
    QCOMPARE(zeilen[10], QStringLiteral("Ziehungen : 0      Tipp: 5 => 0Reihen"));
    QCOMPARE(f.spalten(zeilen), (std::array<int, 3>{0, 0, 0}));
    QVERIFY(f.reihe(1)[0] == 0);
  }

  void neinAendertNichts() {
    Fenster f;
    f.ende(kNeuester.addDays(-21));
    f.auswahl()->setChecked(true);
    f.u.dialoge().antworten = {false};
    f.klick("BitBtn9");
    QCOMPARE(f.u.dialoge().arten(), QStringList{"frage"});
    QCOMPARE(f.ende(), kNeuester.addDays(-21));
    QVERIFY(f.auswahl()->isChecked());
    QVERIFY(!QFile::exists(f.bericht()));
    QVERIFY(f.reihe(1)[0] == 0);
  }

  void saatKeineZahl() {
    Fenster f;
    f.ende(kNeuester.addDays(-21));
    f.auswahl()->setChecked(true);
    f.rueckblick(QStringLiteral("abc"));
    QCOMPARE(f.meldungen().last(), QStringLiteral("Fehler bei Eingabe der Zufallszahl"));
    QCOMPARE(f.u.dialoge().arten(), (QStringList{"frage", "eingabe", "nachricht"}));
    QVERIFY(!QFile::exists(f.bericht()));
    QVERIFY(f.reihe(1)[0] == 0);
    QVERIFY(f.auswahl()->isChecked());
  }

  // A translation with letters beyond the ANSI code page: the report keeps them (UTF-8 with BOM).
  void berichtKyrillisch() {
    Fenster f;
    QStringList texte = f.form.zustand().Meldungen.zeilen();
    texte[43] = QString::fromUtf8("Текущие настройки дали");
    f.form.zustand().Meldungen.ersetzen(texte);
    f.ende(QDate::currentDate());
    f.rueckblick(QStringLiteral("1"));
    const QByteArray roh = Testumgebung::lies(f.bericht());
    QVERIFY(roh.startsWith("\xEF\xBB\xBF" + QString::fromUtf8("Текущие настройки дали\r\n\r\n").toUtf8()));
    QVERIFY(roh.endsWith("Reihen\r\n"));
  }

  // Cancel at the seed box gives back RandSeed, which reads as the same state.
  void saatAbgebrochen() {
    Fenster f;
    f.ende(QDate::currentDate());
    plattform::Zufall::RandSeed = 0xFFFFFFFEu;
    f.rueckblick(QVariant());
    QCOMPARE(f.u.dialoge().gezeigt[1].vorgabe, QStringLiteral("-2"));
    QCOMPARE(f.panel(1), QStringLiteral("Glückszahl -2 gesetzt"));
    QVERIFY(QFile::exists(f.bericht()));
  }

  // A week stopped with the calculate button counts with the tips made so far; the next runs.
  void wocheGestoppt() {
    Fenster f;
    f.ende(kNeuester.addDays(-21));
    bool gestoppt = false;
    f.waehrend([&] { return f.form.zustand().Berechnunglaeuft; },
               [&] {
                 QTest::mouseClick(f.ctl<QPushButton>("BitBtn4"), Qt::LeftButton);
                 gestoppt = true;
                 return true;
               });
    f.rueckblick(QStringLiteral("4711"));
    QVERIFY(gestoppt);
    const QStringList zeilen = plattform::ausAnsi(Testumgebung::lies(f.bericht())).split(QStringLiteral("\r\n"));
    QCOMPARE(zeilen[10], QStringLiteral("Ziehungen : 4      Tipp: 5 => 20Reihen"));
    const int summe = f.spalten(zeilen)[0];
    QVERIFY2(summe >= 15 && summe < 20, qPrintable(QString::number(summe)));
  }

  // The history becomes unreadable during a week: the back-test ends with message 46 alone, not
  // the draw step's error text as well, and writes no report; CheckBox20 is ticked again.
  void fehlerImVerlauf() {
    Fenster f;
    f.ende(kNeuester.addDays(-21));
    f.auswahl()->setChecked(true);
    f.waehrend([&] { return f.form.zustand().Berechnunglaeuft; },
               [&] {
                 // The history can no longer be read: a folder in its place.
                 QFile::remove(f.datei());
                 QDir().mkpath(f.datei());
                 return true;
               });
    f.rueckblick(QStringLiteral("4711"));
    QCOMPARE(f.meldungen().mid(2), QStringList{QStringLiteral("Fehler bei Eingabe der Zufallszahl")});
    QVERIFY(!QFile::exists(f.bericht()));
    QVERIFY(f.auswahl()->isChecked());
  }

  // In the list view every week counts the tips of its own run; the list gains every week's rows
  // and is shown and checked at the end.
  void listenansicht() {
    Fenster f;
    f.form.Schein->listenansichtBeimStart();
    QStringList zeilen;
    for (int i = 0; i < 30; ++i) {
      const int a = i % 50 + 1;
      zeilen << listenzeile::langform({QString::number(a), QString::number(a + 1), QString::number(a + 2),
                                       QString::number(a + 3), QString::number(a + 4)},
                                      QString(), QString());
    }
    f.form.Schein->listeErsetzen(zeilen);
    f.form.Schein->UpDown8->setMax(6500);
    f.form.Schein->UpDown8->setPosition(30);
    f.ende(kNeuester.addDays(-21));
    f.rueckblick(QStringLiteral("4711"));
    QVERIFY2(f.meldungen().filter(QStringLiteral("Es sind schon")).isEmpty(), qPrintable(f.meldungen().join('|')));
    const QStringList bericht = plattform::ausAnsi(Testumgebung::lies(f.bericht())).split(QStringLiteral("\r\n"));
    QCOMPARE(bericht[10], QStringLiteral("Ziehungen : 4      Tipp: 12 => 48Reihen"));
    QCOMPARE(f.spalten(bericht)[0], 48);
    auto* liste = f.ctl<QListWidget>("Gewinnzahlen");
    QVERIFY(liste->isVisible() || !liste->isHidden());
    QCOMPARE(liste->count(), 30 + 48);
    QCOMPARE(f.ctl<QListWidget>("Gewinne")->count(), 30 + 48);
  }

  // Closing the window during a week: that week stops, no report, CheckBox20 back, then closed.
  void schliessenWaehrendEinerWoche() {
    Fenster f;
    QVERIFY(f.zeigen());
    f.u.dialoge().gezeigt.clear();
    f.ende(kNeuester.addDays(-21));
    f.auswahl()->setChecked(true);
    int laeufe = 0;
    f.waehrend([&] { return f.form.zustand().Berechnunglaeuft; },
               [&] {
                 ++laeufe;
                 f.form.close();
                 return true;
               });
    f.rueckblick(QStringLiteral("4711"));
    QVERIFY(!QFile::exists(f.bericht()));
    QVERIFY(f.auswahl()->isChecked());
    QCOMPARE(f.meldungen(), (QStringList{f.u.dialoge().gezeigt[0].text, f.u.dialoge().gezeigt[1].text}));
    QTRY_VERIFY(f.form.isHidden());
    QCOMPARE(laeufe, 1);
  }
};

QTEST_MAIN(TstRueckblickFenster)
#include "tst_rueckblick.moc"
