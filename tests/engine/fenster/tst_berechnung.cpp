#include <QtTest>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

#include "engine/fenster/Berechnung.h"
#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/registry.h"
#include "plattform/zufall.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Zahlenwahl.h"
#include "shell/listenzeile.h"
#include "plattform/fenster/balkendiagramm.h"
#include "stats/fenster/Diagrammseite.h"

namespace {

using Reihe5 = std::array<int, 5>;

// 400 daily draws up to 2025-02-03, the end date on the last of them.
std::vector<Ziehung> historie() { return taeglichGemischt(QDate(2024, 1, 1), 400); }

struct Fenster : Fenstertest<TForm1> {
  Fenster() {
    Testumgebung::schreibe(u.home() + "ZahlenQV.dat", alsDatei(historie()));
    ctl<plattform::DatumsWahl>("DateTimePicker1")->setzeDatum(QDate(2025, 2, 3));
    ctl<plattform::DatumsWahl>("DateTimePicker2")->setzeDatum(QDate(2024, 1, 1));
    plattform::Zufall::RandSeed = 31337u;
  }
  Tippschein& schein() { return *form.Schein; }
  Parameterseite& p() { return *form.Parameter; }
  QPushButton* knopf() { return ctl<QPushButton>("BitBtn4"); }
  QListWidget* liste() { return ctl<QListWidget>("Gewinnzahlen"); }
  bool leer(int t) {
    for (int i = 0; i < 7; ++i)
      if (!schein().zeile(t).feld(i)->text().isEmpty()) return false;
    return true;
  }
  Reihe5 reihe(int t) {
    Reihe5 r{};
    for (int i = 0; i < 5; ++i) r[static_cast<std::size_t>(i)] = schein().zeile(t).Zahlen[static_cast<std::size_t>(i)]->text().toInt();
    return r;
  }
  QString panel(int i) { return form.StatusBar1->panel(i); }
  void offen() {
    p().CheckBox27->setChecked(false);
    p().CheckBox3->setChecked(false);
    p().CheckBox24->setChecked(false);
    p().CheckBox18->setChecked(false);
    p().CheckBox4->setChecked(false);
    p().CheckBox5->setChecked(false);
    p().CheckBox23->setChecked(false);
    p().CheckBox9->setChecked(false);
    p().CheckBox28->setChecked(false);
    p().CheckBox10->setChecked(false);
  }
  void listenansicht(int anzahl, int soll) {
    schein().listenansichtBeimStart();
    QStringList zeilen;
    for (int i = 0; i < anzahl; ++i) {
      const int a = i % 51 + 1;
      zeilen << listenzeile::langform({QString::number(a), QString::number(a + 1), QString::number(a + 2),
                                       QString::number(a + 3), QString::number((i / 51) % 55 + 1)},
                                      QString(), QString());
    }
    schein().listeErsetzen(zeilen);
    schein().UpDown8->setMax(6500);
    schein().UpDown8->setPosition(soll);
  }
  // Runs `tun` once, while the run handles input, as soon as `wann` holds.
  void waehrend(std::function<bool()> wann, std::function<void()> tun) {
    auto* t = new QTimer(&form);
    t->setInterval(0);
    QObject::connect(t, &QTimer::timeout, &form, [t, wann, tun] {
      if (!wann()) return;
      t->stop();
      t->deleteLater();
      tun();
    });
    t->start();
  }
};

int gemeinsam(const Reihe5& a, const Reihe5& b) {
  int n = 0;
  for (int x : a)
    for (int y : b) n += x != 0 && x == y;
  return n;
}

}  // namespace

class TstBerechnung : public QObject {
  Q_OBJECT
 private slots:
  void standardlauf();
  void stoppMitDemKnopf();
  void budgetMitLockerung();
  void lockerungUeberDieGrenze();
  void stoppMitStrgR();
  void stoppEinerLangenListe();
  void diagramm();
  void listenzeilenGelesen();
  void gesperrteZeile();
  void topfZuKlein();
  void listenmodus();
  void scheinNurImLaufGesperrt();
  void listenmodusAbbruchUndFehler_data();
  void listenmodusAbbruchUndFehler();
  void abgelehnterKlick();
  void schliessenWaehrendDesLaufs();
  void listeMit6495Zeilen();
};

void TstBerechnung::standardlauf() {
  Fenster f;
  f.schein().UpDown8->setPosition(5);
  bool sahStoppen = false;
  bool sahNurLesen = false;
  f.waehrend([&] { return f.form.zustand().Berechnunglaeuft; },
             [&] {
               sahStoppen = f.knopf()->text() == QStringLiteral("Stoppen");
               sahNurLesen = f.schein().zeile(1).Zahlen[0]->isReadOnly();
             });
  f.klick("BitBtn4");
  QVERIFY(sahStoppen);
  QVERIFY(sahNurLesen);
  QVERIFY(!f.schein().zeile(1).Zahlen[0]->isReadOnly());
  for (int t = 1; t <= 5; ++t) {
    QVERIFY(!f.leer(t));
    for (int s = 1; s < t; ++s) QCOMPARE(gemeinsam(f.reihe(t), f.reihe(s)), 2);
  }
  for (int t = 6; t <= 12; ++t) {
    QVERIFY(f.leer(t));
    QCOMPARE(f.schein().zeile(t).Summe->text(), QStringLiteral("0"));
  }
  QCOMPARE(f.panel(1), QStringLiteral("Tipps wurden neu berechnet"));
  QCOMPARE(f.knopf()->text(), QStringLiteral("Tipps berechnen"));
  // The button's run hides the list again, but it holds the rows, and the tip count goes to 6500.
  QVERIFY(f.liste()->isHidden());
  QCOMPARE(f.liste()->count(), 5);
  QCOMPARE(f.schein().UpDown8->Max(), 6500);
  QCOMPARE(f.panel(0), QStringLiteral("5 Rows"));
  QVERIFY(f.form.zustand().sortieren);
  QCOMPARE(f.form.zustand().Datum1, QDate(2025, 2, 3));
  // The menu command leaves the list shown.
  f.form.Berechnen1->trigger();
  QVERIFY(!f.liste()->isHidden());
  QCOMPARE(f.liste()->count(), 10);
}

void TstBerechnung::stoppMitDemKnopf() {
  Fenster f;
  f.offen();
  f.p().UpDown1->setPosition(200);  // sums of 200 and more only: slow enough to be stopped
  f.p().UpDown2->setPosition(239);
  f.schein().UpDown8->setPosition(12);
  f.waehrend([&] { return !f.schein().zeile(2).Zahlen[0]->text().isEmpty(); },
             [&] {
               f.p().UpDown1->setPosition(239);  // the candidate in hand cannot be accepted
               f.p().UpDown2->setPosition(21);
               fenstertest::klick(f.knopf());
             });
  f.klick("BitBtn4");
  QVERIFY(!f.leer(1) && !f.leer(2));
  for (int t = 3; t <= 12; ++t) QVERIFY(f.leer(t));
  QCOMPARE(f.panel(1), QStringLiteral("Tipps wurden neu berechnet"));
  QCOMPARE(f.knopf()->text(), QStringLiteral("Tipps berechnen"));
  QCOMPARE(f.liste()->count(), 2);
}

void TstBerechnung::budgetMitLockerung() {
  // Budget 10,000, no candidate passes: the pair rule goes at 5000 and the two draw limits are
  // raised there too; the finish puts all of it back.
  Fenster f;
  f.p().UpDown7->setPosition(10);
  f.p().CheckBox8->setChecked(true);
  f.p().CheckBox25->setChecked(true);
  f.p().UpDown15->setPosition(6);
  QStringList gesehen;
  auto& g = f.form.Rechner->generierung();
  QObject::connect(f.p().CheckBox8, &QCheckBox::toggled, &f.form,
                   [&](bool an) { gesehen << QStringLiteral("%1:CheckBox8=%2").arg(g.gezaehlt()).arg(an); });
  QObject::connect(f.p().UpDown5, &plattform::UpDown::positionGeaendert, &f.form,
                   [&](int w) { gesehen << QStringLiteral("%1:UpDown5=%2").arg(g.gezaehlt()).arg(w); });
  QObject::connect(f.p().UpDown4, &plattform::UpDown::positionGeaendert, &f.form,
                   [&](int w) { gesehen << QStringLiteral("%1:UpDown4=%2").arg(g.gezaehlt()).arg(w); });
  f.klick("BitBtn4");
  QCOMPARE(gesehen, (QStringList{"5000:CheckBox8=0", "5000:UpDown5=3", "5000:UpDown4=2", "10000:CheckBox8=1",
                                 "10000:UpDown4=0", "10000:UpDown5=1"}));
  QCOMPARE(f.panel(1), QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
  for (int t = 1; t <= 12; ++t) QVERIFY(f.leer(t));
  QCOMPARE(f.form.zustand().LaufMax, 10000);
}

void TstBerechnung::lockerungUeberDieGrenze() {
  // Without the extra numbers UpDown6 goes up to 5; the loosening step still sets 6 for the run,
  // and the finish puts back both the value and the range.
  Fenster f;
  f.p().UpDown6->setMax(5);
  f.p().UpDown7->setPosition(21);
  f.p().CheckBox25->setChecked(true);
  f.p().UpDown15->setPosition(6);
  QList<int> werte;
  QObject::connect(f.p().UpDown6, &plattform::UpDown::positionGeaendert, &f.form, [&](int w) { werte << w; });
  f.klick("BitBtn4");
  QCOMPARE(werte, (QList<int>{6, 4}));
  QCOMPARE(f.p().UpDown6->Position(), 4);
  QCOMPARE(f.p().UpDown6->Max(), 5);
}

void TstBerechnung::stoppMitStrgR() {
  // The menu command (Ctrl+R) during a list run stops it, and no further batch starts.
  Fenster f;
  f.p().CheckBox22->setChecked(true);
  f.p().UpDown10->setPosition(6);  // no candidate passes
  f.p().UpDown7->setPosition(1);
  f.listenansicht(1, 30);
  // The second batch is stopped halfway: the counted candidates start again with each batch.
  int stapel = 1, vorher = 0, beimStopp = 0;
  f.waehrend(
      [&] {
        const int jetzt = f.form.Rechner->generierung().gezaehlt();
        if (jetzt < vorher) ++stapel;
        vorher = jetzt;
        return stapel == 2 && jetzt > 500;
      },
      [&] {
        beimStopp = f.form.Rechner->generierung().gezaehlt();
        f.form.Berechnen1->trigger();
      });
  f.klick("BitBtn4");
  QVERIFY(f.form.Rechner->generierung().ergebnis().gestoppt);
  QCOMPARE(f.knopf()->text(), QStringLiteral("Tipps berechnen"));
  QCOMPARE(f.liste()->count(), 1);
  QCOMPARE(f.panel(1), QStringLiteral("Tipps wurden neu berechnet"));
  QCOMPARE(stapel, 2);
  // The stop came while input was handled before the next candidate, which is still drawn and
  // tested; no candidate after it.
  QVERIFY(beimStopp > 500);
  QCOMPARE(f.form.Rechner->generierung().gezaehlt(), beimStopp + 1);
}

void TstBerechnung::stoppEinerLangenListe() {
  // Input that comes while a long list run draws candidates is handled at once, not after some
  // batch of them: ten timer events 10 ms apart, as the window system's events come, the last
  // one a click on "Stoppen"; no candidate is drawn after the one in whose handling it came.
  Fenster f;
  f.p().CheckBox22->setChecked(true);
  f.p().UpDown10->setPosition(6);  // no candidate passes
  f.p().UpDown7->setPosition(1000);  // a million candidates: seconds
  f.listenansicht(1, 6000);
  QElapsedTimer uhr;
  std::vector<qint64> verspaetung;  // ns after each event was due
  qint64 faellig = 0;
  long beimKlick = -1;
  qint64 geklickt = -1;
  // The finish is timed in the time this thread computed, which a busy machine stretches less.
  const auto rechenzeit = [] {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<qint64>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
  };
  std::function<void()> naechstes = [&] {
    faellig = uhr.nsecsElapsed() + 10'000'000;
    QTimer::singleShot(10, Qt::PreciseTimer, &f.form, [&] {
      const qint64 jetzt = uhr.nsecsElapsed();
      verspaetung.push_back(jetzt - faellig);
      if (verspaetung.size() < 10) return naechstes();
      beimKlick = static_cast<long>(f.form.Rechner->generierung().gezaehlt());
      geklickt = rechenzeit();
      fenstertest::klick(f.knopf());
    });
  };
  f.waehrend([&] { return f.form.Rechner->generierung().gezaehlt() > 1000; }, naechstes);
  uhr.start();
  f.klick("BitBtn4");
  const qint64 ende = rechenzeit();
  QCOMPARE(verspaetung.size(), std::size_t{10});
  QVERIFY(f.form.Rechner->generierung().ergebnis().gestoppt);
  QCOMPARE(f.liste()->count(), 1);
  QCOMPARE(f.panel(1), QStringLiteral("Tipps wurden neu berechnet"));
  // Each event is due 10 ms after the one before was handled, so a coarser handling shows in
  // every one of them; the least, so that moments in which the machine ran something else do
  // not count.
  const qint64 wenigste = *std::min_element(verspaetung.begin(), verspaetung.end());
  QVERIFY2(wenigste < 1'500'000, qPrintable(QStringLiteral("input handled %1 us late").arg(wenigste / 1000)));
  // The stop counts from the candidate that was being drawn when the click came, whatever the
  // machine's load: a run that read its stop only at a position's end draws thousands more.
  QCOMPARE(static_cast<long>(f.form.Rechner->generierung().gezaehlt()), beimKlick + 1);
  // And the run's end, its one row and the chart, follows in a few milliseconds (about 3 here
  // with the sanitizers; the bound leaves room for a machine that runs every test at once).
  QVERIFY2(ende - geklickt < 150'000'000, qPrintable(QStringLiteral("run ended %1 us after the click").arg((ende - geklickt) / 1000)));
}

void TstBerechnung::listenzeilenGelesen() {
  // The run reads the list's lines once and keeps them; whatever changes the list since, the
  // run reads its lines as the box holds them.
  Fenster f;
  QListWidget* box = f.schein().Gewinnzahlen;
  engine::Laufumgebung& env = *f.form.Rechner;
  auto gelesen = [&] {
    QStringList l;
    for (int i = 0; i < env.listenzeilen(); ++i) l << env.listenzeile(i);
    return l;
  };
  auto soll = [&] {
    QStringList l;
    for (int i = 0; i < box->count(); ++i) l << box->item(i)->text();
    return l;
  };
  const std::vector<std::pair<const char*, std::function<void()>>> aenderungen{
      {"filled", [&] { box->addItems({"1\t2\t3\t4\t5", "6\t7\t8\t9\t10"}); }},
      {"appended", [&] { box->addItems({"11\t12\t13\t14\t15"}); }},
      {"edited", [&] { box->item(0)->setText("2\t3\t4\t5\t6"); }},
      {"removed", [&] { delete box->takeItem(1); }},
      {"inserted in front", [&] { box->insertItem(0, "20\t21\t22\t23\t24"); }},
      {"sorted", [&] { box->sortItems(Qt::DescendingOrder); }},
      {"replaced", [&] { f.schein().listeErsetzen({"30\t31\t32\t33\t34", "1\t2\t3\t4\t5"}); }},
      {"emptied", [&] { box->clear(); }},
      {"filled again", [&] { box->addItems({"40\t41\t42\t43\t44"}); }},
  };
  for (const auto& [name, aendern] : aenderungen) {
    aendern();
    QVERIFY2(gelesen() == soll(), name);
  }
}

void TstBerechnung::diagramm() {
  // Without history filters the chart keeps the pool's last statistic (overdue, 55 bars);
  // the first filter call empties it.
  Fenster f;
  f.p().CheckBox9->setChecked(false);
  f.p().CheckBox28->setChecked(false);
  f.klick("BitBtn4");
  plattform::Balkendiagramm* chart = f.form.Diagramm->Chart1;
  QCOMPARE(chart->serie(2).anzahl(), 55);
  QCOMPARE(chart->serie(2).x(0), 1);
  QCOMPARE(f.ctl<QTabWidget>("PageControl1")->currentWidget(), f.ctl("TabSheet1"));
  f.p().CheckBox28->setChecked(true);
  f.klick("BitBtn4");
  QCOMPARE(chart->serie(2).anzahl(), 0);
  QVERIFY(chart->serie(2).aktiv());
  QVERIFY(!chart->serie(1).aktiv());
}

void TstBerechnung::gesperrteZeile() {
  Fenster f;
  f.schein().UpDown8->setPosition(4);
  const Tippzeile& z3 = f.schein().zeile(3);
  const QStringList zahlen = {"1", "2", "3", "4", "5"};
  for (int i = 0; i < 5; ++i) z3.Zahlen[static_cast<std::size_t>(i)]->setText(zahlen[i]);
  f.klick("Label31");  // the row label locks the row
  QVERIFY(f.schein().gesperrt(3));
  f.klick("BitBtn4");
  QCOMPARE(f.reihe(3), (Reihe5{1, 2, 3, 4, 5}));
  QVERIFY(!f.leer(4));
  QCOMPARE(gemeinsam(f.reihe(4), f.reihe(3)), 2);
  QVERIFY(f.leer(5));
  QVERIFY(f.schein().gesperrt(3));
}

void TstBerechnung::topfZuKlein() {
  // Preferred numbers only and no band: nothing to draw; the run ends as a used-up budget would.
  Fenster f;
  f.p().CheckBox10->setChecked(false);
  f.p().CheckBox15->setChecked(true);
  f.klick("BitBtn4");
  for (int t = 1; t <= 12; ++t) QVERIFY(f.leer(t));
  QCOMPARE(f.panel(1), QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
  QCOMPARE(f.form.Rechner->generierung().ergebnis().Lauf, 0);
}

void TstBerechnung::listenmodus() {
  // 20 lines, 25 requested: one batch of five; then 25 of 25 is refused with the message.
  Fenster f;
  f.offen();
  f.listenansicht(20, 25);
  f.klick("BitBtn4");
  QCOMPARE(f.liste()->count(), 25);
  QVERIFY(!f.liste()->isHidden());
  QCOMPARE(f.schein().UpDown8->Position(), 25);
  QCOMPARE(f.ctl<QListWidget>("Gewinne")->count(), 25);
  f.klick("BitBtn4");
  QCOMPARE(f.meldungen().last(), QStringLiteral("Es sind schon 25 Reihen erreicht"));
  QCOMPARE(f.liste()->count(), 25);
  // In the chosen language (Italian).
  f.form.sprachmenue->menuepunkt(5)->trigger();
  f.klick("BitBtn4");
  QCOMPARE(f.meldungen().last(), QString::fromUtf8("Sono già state raggiunte 25 righe"));
  QCOMPARE(f.liste()->count(), 25);
}

void TstBerechnung::scheinNurImLaufGesperrt() {
  // A list run of several batches: whenever the window handles input the sheet is locked, in
  // every batch; after the run every field takes input again.
  Fenster f;
  f.listenansicht(20, 56);
  const auto gesperrt = [&] {
    int n = 0;
    for (int k = 1; k <= 12; ++k)
      for (int i = 0; i < 7; ++i) n += f.schein().zeile(k).feld(i)->isReadOnly();
    return n;
  };
  QList<int> imLauf;
  QList<int> listen;
  std::function<void()> pruefe = [&] {
    imLauf << gesperrt();
    listen << f.liste()->count();
    // The next look once the list has grown.
    const int jetzt = listen.last();
    f.waehrend([&, jetzt] { return f.liste()->count() != jetzt; }, pruefe);
  };
  f.waehrend([] { return true; }, pruefe);
  f.klick("BitBtn4");
  QCOMPARE(f.liste()->count(), 56);
  // A look at each new line, from the first batch to the third.
  QCOMPARE(listen.first(), 20);
  QVERIFY(listen.last() > 44);
  for (int n : imLauf) QCOMPARE(n, 84);
  QCOMPARE(gesperrt(), 0);
}

void TstBerechnung::listenmodusAbbruchUndFehler_data() {
  QTest::addColumn<int>("knopf");  // how the number-selection dialog is left
  QTest::addColumn<QString>("meldung");
  QTest::newRow("abort") << int(TForm6::mrAbort) << "";
  QTest::newRow("Rechnen with weight abc") << int(TForm6::mrRetry) << "'abc' ist kein gültiger Integerwert";
}

void TstBerechnung::listenmodusAbbruchUndFehler() {
  QFETCH(int, knopf);
  QFETCH(QString, meldung);
  Fenster f;
  TForm6 form6;
  f.p().CheckBox20->setChecked(true);
  f.listenansicht(3, 30);
  QList<int> gezeigt;
  QTimer::singleShot(0, &form6, [&] {
    QTRY_VERIFY(form6.isVisible());
    gezeigt << form6.werteliste().gewicht(1).toInt();
    form6.werteliste().setzeRoh(7, true, QStringLiteral("abc"));
    form6.done(knopf);
  });
  f.klick("BitBtn4");
  QCOMPARE(gezeigt.size(), 1);  // the repetition stops too
  if (meldung.isEmpty())
    QVERIFY(f.meldungen().isEmpty());
  else
    QCOMPARE(f.meldungen(), QStringList{meldung});
  QVERIFY(!f.liste()->isHidden());
  QCOMPARE(f.liste()->count(), 3);
  QCOMPARE(f.schein().UpDown8->Position(), 30);
  QCOMPARE(f.schein().UpDown8->Max(), 6500);
  QCOMPARE(f.knopf()->text(), QStringLiteral("Tipps berechnen"));
  QVERIFY(f.form.zustand().sortieren && !f.form.zustand().Berechnunglaeuft);
  QCOMPARE(f.form.zustand().Datum1, QDate(2025, 2, 3));
}

void TstBerechnung::abgelehnterKlick() {
  // While the run draws, clearing the tips and stepping the draw are refused; the lock too.
  Fenster f;
  f.schein().UpDown8->setPosition(12);
  int position = -1;
  f.waehrend([&] { return f.form.zustand().Berechnunglaeuft && !f.schein().zeile(1).Zahlen[0]->text().isEmpty(); },
             [&] {
               position = f.form.zustand().Position;
               f.form.Schein->SpeedButton11Click();
               fenstertest::klick(f.ctl("SpeedButton6"));
               fenstertest::klick(f.ctl("Label30"));
               f.form.sprachmenue->Englich1Click();
               fenstertest::klick(f.knopf());
             });
  f.klick("BitBtn4");
  QCOMPARE(f.meldungen().size(), 4);
  QCOMPARE(f.form.zustand().sprache, 0);
  QVERIFY(f.meldungen().first().startsWith(QStringLiteral("Die Tipps werden gerade berechnet")));
  QCOMPARE(f.form.zustand().Position, position);
  QVERIFY(!f.schein().gesperrt(2));
  QVERIFY(!f.leer(1));  // the first tip was made before the stop
}

void TstBerechnung::schliessenWaehrendDesLaufs() {
  // Closing stops the run; the window closes after the finish, so the settings hold the
  // options as the finish restored them.
  Fenster f;
  QVERIFY(f.zeigen());
  f.u.dialoge().gezeigt.clear();
  f.p().UpDown7->setPosition(1);
  f.p().CheckBox8->setChecked(true);
  f.p().CheckBox25->setChecked(true);
  f.p().UpDown15->setPosition(6);
  f.waehrend([&] { return f.form.Rechner->generierung().gezaehlt() > 600; }, [&] { f.form.close(); });
  f.klick("BitBtn4");
  QVERIFY(f.form.isVisible());  // not before the finish
  QVERIFY(f.p().CheckBox8->isChecked());
  QTRY_VERIFY(!f.form.isVisible());
  QVERIFY(f.form.Rechner->generierung().ergebnis().gestoppt);
  plattform::Registry::verwerfen();
  plattform::Registry r;
  QVERIFY(r.OpenKeyReadOnly(QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano")));
  QVERIFY(r.ReadBool(QStringLiteral("Chekcbox8")));
}

void TstBerechnung::listeMit6495Zeilen() {
  Fenster f;
  f.p().UpDown3->setPosition(4);
  f.p().UpDown9->setPosition(0);
  f.listenansicht(6495, 6500);
  f.klick("BitBtn4");
  QCOMPARE(f.liste()->count(), 6500);
  QCOMPARE(f.ctl<QListWidget>("Gewinne")->count(), 6500);
  QCOMPARE(f.schein().UpDown8->Position(), 6500);
  QCOMPARE(f.panel(0), QStringLiteral("6500 Rows"));
}

QTEST_MAIN(TstBerechnung)
#include "tst_berechnung.moc"
