#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>
#include <set>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fehler.h"
#include "plattform/zufall.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Zahlenwahl.h"
#include "shell/sprachdateien.h"

namespace {

const QColor kLimette(0, 255, 0);

// The main window with the number-selection dialog, made after it as the program makes them.
struct Fenster : Fenstertest<TForm1> {
  std::unique_ptr<TForm6> dialog = std::make_unique<TForm6>();

  Tippschein& schein() { return *form.Schein; }
  void setzeZeile(int k, const QStringList& zahlen, const QStringList& extras = {}) {
    const Tippzeile& z = schein().zeile(k);
    for (int i = 0; i < 5; ++i) z.Zahlen[static_cast<size_t>(i)]->setText(zahlen.value(i));
    for (int i = 0; i < 2; ++i) z.Extras[static_cast<size_t>(i)]->setText(extras.value(i));
  }
  QStringList zahlen(int k) {
    QStringList l;
    for (int i = 0; i < 5; ++i) l << schein().zeile(k).Zahlen[static_cast<size_t>(i)]->text();
    return l;
  }
  QStringList extras(int k) {
    const Tippzeile& z = schein().zeile(k);
    return {z.Extras[0]->text(), z.Extras[1]->text()};
  }
  // Clicks the row's edit button; `imDialog` acts in the open dialog and closes it.
  void bearbeite(int k, std::function<void(TForm6&)> imDialog) {
    bool offen = false;
    QTimer::singleShot(0, &form, [&, imDialog] {
      offen = Form6 && Form6->isVisible();
      if (offen) imDialog(*Form6);
      // A check that failed inside must not leave the modal dialog open.
      if (Form6 && Form6->isVisible()) Form6->done(TForm6::mrCancel);
    });
    QTest::mouseClick(schein().zeile(k).Edit, Qt::LeftButton);
    QVERIFY2(offen, "the dialog did not open");
  }
};

std::set<int> angekreuzt(const TForm6& d) {
  std::set<int> s;
  for (int n = 1; n <= 55; ++n)
    if (d.box(n)->isChecked()) s.insert(n);
  return s;
}

// Leaves exactly these boxes ticked, as the user would with clicks.
void kreuzeAn(TForm6& d, const std::set<int>& zahlen) {
  for (int n = 1; n <= 55; ++n)
    if (d.box(n)->isChecked() != (zahlen.count(n) > 0))
      QTest::mouseClick(d.box(n), Qt::LeftButton, {}, QPoint(8, d.box(n)->height() / 2));
}

std::set<int> alsMenge(const QList<int>& l) { return {l.begin(), l.end()}; }

}  // namespace

class TstTippeditor : public QObject {
  Q_OBJECT
 private slots:
  void oeffnetMitDenZahlenDerZeile() {
    Fenster f;
    f.setzeZeile(3, {"3", "17", "22", "40", "51"});
    std::set<int> vorher;
    QString titel;
    bool rechnenVersteckt = false, zufallGezeigt = false;
    int gelbe = 0, neutrale = 0;
    QString zufall, stopp;
    std::pair<int, int> grenzen;
    f.bearbeite(3, [&](TForm6& d) {
      vorher = angekreuzt(d);
      titel = d.windowTitle();
      rechnenVersteckt = d.BitBtn3->isHidden();
      zufallGezeigt = d.BitBtn4->isVisible();
      zufall = d.Zufall;
      stopp = d.Stopp;
      for (int n = 1; n <= 55; ++n) {
        if (d.farbe(n) == TForm6::gelb()) ++gelbe;
        if (d.farbe(n) == d.neutral()) ++neutrale;
      }
      grenzen = {d.MaxTipp, d.MaxZahl};
      d.BitBtn1->click();
    });
    QCOMPARE(vorher, (std::set<int>{3, 17, 22, 40, 51}));
    for (int n : vorher) QCOMPARE(f.dialog->farbe(n), f.dialog->neutral());  // back to neutral, ticks stay
    QCOMPARE(angekreuzt(*f.dialog), vorher);
    QCOMPARE(gelbe, 5);
    QCOMPARE(neutrale, 50);
    QCOMPARE(titel, QStringLiteral("3.Tipp bearbeiten"));
    QVERIFY(rechnenVersteckt);
    QVERIFY(zufallGezeigt);
    QCOMPARE(zufall, QStringLiteral("Zufall"));
    QCOMPARE(grenzen, (std::pair<int, int>{5, 55}));
    QCOMPARE(stopp, QStringLiteral("Stopp"));
    // Back in the pool appearance with the caption of message 50.
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
    QVERIFY(!f.dialog->BitBtn3->isHidden());
    QVERIFY(f.dialog->BitBtn4->isHidden());
    QCOMPARE(f.zahlen(3), (QStringList{"3", "17", "22", "40", "51"}));
  }

  // What OK writes, from the row's numbers and the boxes the user leaves ticked.
  void okSchreibt_data() {
    QTest::addColumn<QStringList>("zeile");
    QTest::addColumn<QList<int>>("vorgehakt");
    QTest::addColumn<QList<int>>("haken");
    QTest::addColumn<QStringList>("ergebnis");
    const QStringList tipp{"3", "17", "22", "40", "51"};
    const QList<int> alle{3, 17, 22, 40, 51};
    QTest::newRow("zwei neue") << tipp << alle << QList<int>{5, 9} << QStringList{"5", "9", "22", "40", "51"};
    QTest::newRow("drei alte") << tipp << alle << QList<int>{17, 40, 51} << QStringList{"17", "40", "51", "", ""};
    QTest::newRow("einer wiederholt") << tipp << alle << QList<int>{22, 50} << QStringList{"22", "50", "", "40", "51"};
    QTest::newRow("sieben") << tipp << alle << QList<int>{1, 2, 3, 4, 5, 6, 7} << QStringList{"1", "2", "3", "4", "5"};
    QTest::newRow("keiner") << tipp << alle << QList<int>{} << tipp;
    QTest::newRow("unveraendert") << tipp << alle << alle << tipp;
    QTest::newRow("drittes Feld leer") << QStringList{"8", "12", "", "30", "31"} << QList<int>{8, 12}
                                       << QList<int>{8, 12} << QStringList{"8", "12", "", "30", "31"};
    QTest::newRow("leere Zeile") << QStringList{"", "", "", "", ""} << QList<int>{} << QList<int>{1, 55}
                                 << QStringList{"1", "55", "", "", ""};
  }
  void okSchreibt() {
    QFETCH(QStringList, zeile);
    QFETCH(QList<int>, vorgehakt);
    QFETCH(QList<int>, haken);
    QFETCH(QStringList, ergebnis);
    Fenster f;
    f.setzeZeile(7, zeile, {"1", "2"});
    std::set<int> gesehen;
    f.bearbeite(7, [&](TForm6& d) {
      gesehen = angekreuzt(d);
      kreuzeAn(d, alsMenge(haken));
      QTest::keyClick(d.box(1), Qt::Key_Return);  // Enter is OK
    });
    QCOMPARE(gesehen, alsMenge(vorgehakt));
    QCOMPARE(f.zahlen(7), ergebnis);
    QCOMPARE(f.extras(7), (QStringList{"1", "2"}));
  }

  // Abort keeps the numbers; a complete row without a first extra still gets two extras.
  void abbrechenUndExtras_data() {
    QTest::addColumn<QStringList>("zeile");
    QTest::addColumn<QStringList>("extras");
    QTest::addColumn<bool>("gezogen");
    QTest::newRow("voll, ohne Extras") << QStringList{"3", "17", "22", "40", "51"} << QStringList{"", ""} << true;
    QTest::newRow("voll, zweites Extra allein") << QStringList{"3", "17", "22", "40", "51"} << QStringList{"", "9"}
                                                << true;
    QTest::newRow("erstes Extra da") << QStringList{"3", "17", "22", "40", "51"} << QStringList{"4", ""} << false;
    QTest::newRow("fuenftes Feld leer") << QStringList{"3", "17", "22", "40", ""} << QStringList{"", ""} << false;
  }
  void abbrechenUndExtras() {
    QFETCH(QStringList, zeile);
    QFETCH(QStringList, extras);
    QFETCH(bool, gezogen);
    Fenster f;
    bool getauscht = false;
    for (std::uint32_t saat = 1; saat <= 12; ++saat) {
      f.setzeZeile(1, zeile, extras);
      plattform::Zufall::RandSeed = saat;
      // The same draws spelled out: first, then second until it differs.
      std::uint32_t s = saat;
      const auto zieh = [&s] {
        s = s * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(s) * 8) >> 32) + 1;
      };
      const int a = zieh();
      int b = zieh();
      while (b == a) b = zieh();
      getauscht = getauscht || b < a;
      f.bearbeite(1, [](TForm6& d) {
        kreuzeAn(d, {1, 2, 3});
        d.BitBtn2->click();
      });
      QCOMPARE(f.zahlen(1), zeile);
      if (gezogen) QCOMPARE(f.extras(1), (QStringList{QString::number(std::min(a, b)), QString::number(std::max(a, b))}));
      else QCOMPARE(f.extras(1), extras);
    }
    QVERIFY(!gezogen || getauscht);  // the seeds reach the exchange
  }

  // A right press in one use must not make the next use count down and drop the row's numbers.
  void rechtsklickDerLetztenNutzung() {
    Fenster f;
    const QStringList tipp{"3", "17", "22", "40", "51"};
    f.setzeZeile(2, tipp, {"1", "2"});
    f.bearbeite(2, [](TForm6& d) {
      QCheckBox* b = d.box(22);
      QTest::mousePress(b, Qt::RightButton, {}, QPoint(8, b->height() / 2));
      QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(8, b->height() / 2));
      d.close();  // title bar
    });
    QVERIFY(f.dialog->werteliste().minus());
    std::set<int> gesehen;
    f.bearbeite(2, [&](TForm6& d) {
      gesehen = angekreuzt(d);
      d.BitBtn1->click();
    });
    QCOMPARE(gesehen, (std::set<int>{3, 17, 22, 40, 51}));
    QCOMPARE(f.zahlen(2), tipp);
  }

  // After OK the row is compared with the current draw again.
  void trefferNachOk() {
    Fenster f;
    QVERIFY(f.form.zustand().sortieren);
    f.setzeZeile(4, {"3", "17", "22", "40", "51"}, {"1", "2"});
    for (int i = 1; i <= 5; ++i) f.form.zustand().Zahl[static_cast<size_t>(i)] = std::array{5, 9, 30, 31, 32}[i - 1];
    f.form.Komplettcheck();
    const Tippzeile& z = f.schein().zeile(4);
    QCOMPARE(z.Treffer->text(), QStringLiteral("0"));
    f.bearbeite(4, [](TForm6& d) {
      kreuzeAn(d, {9, 32, 40, 51, 5});
      d.BitBtn1->click();
    });
    QCOMPARE(f.zahlen(4), (QStringList{"5", "9", "32", "40", "51"}));
    QCOMPARE(z.Treffer->text(), QStringLiteral("3"));
    QCOMPARE(z.Zahlen[0]->palette().color(QPalette::Base), kLimette);
    QCOMPARE(z.Zahlen[2]->palette().color(QPalette::Base), kLimette);
    QVERIFY(z.Zahlen[3]->palette().color(QPalette::Base) != kLimette);
  }

  // The spin in the editor: five different numbers; OK writes them ascending.
  void zufallImEditor() {
    Fenster f;
    f.setzeZeile(5, {"1", "2", "3", "4", "5"}, {"1", "2"});
    plattform::Zufall::RandSeed = 99;
    std::set<int> gedreht;
    bool drehtNoch = true;
    f.bearbeite(5, [&](TForm6& d) {
      for (int druck = 1; druck <= 6; ++druck) {
        QTest::mouseClick(d.BitBtn4, Qt::LeftButton);
        d.Timer1Timer();
      }
      drehtNoch = d.dreht();
      gedreht = angekreuzt(d);
      d.BitBtn1->click();
    });
    QVERIFY(!drehtNoch);
    QCOMPARE(gedreht.size(), size_t(5));
    QStringList erwartet;
    for (int n : gedreht) erwartet << QString::number(n);
    QCOMPARE(f.zahlen(5), erwartet);
  }

  // In every language the dialog's buttons show their whole captions, the spin's counter included;
  // none of them covers another.
  void beschriftungenPassenInJederSprache() {
    Fenster f;
    TForm6& d = *f.dialog;
    for (const sprache::Sprache& s : sprache::Sprachtabelle()) {
      f.form.sprachmenue->menuepunkt(s.nummer)->trigger();
      QStringList zu;
      const auto passt = [&](QPushButton* k, const QString& text) {
        k->setText(text);
        if (k->sizeHint().width() > k->width()) zu << k->objectName() + QLatin1Char(' ') + text;
      };
      for (QPushButton* k : {d.BitBtn1, d.BitBtn2, d.BitBtn3}) passt(k, k->text());
      passt(d.BitBtn4, f.form.zustand().M(52));
      passt(d.BitBtn4, QStringLiteral("5 ") + f.form.zustand().M(53));
      const QString meldung = QString::fromLatin1(s.endung) + QLatin1String(": ") + zu.join(QLatin1String(", "));
      QVERIFY2(zu.isEmpty(), qPrintable(meldung));
    }
    const QList<QWidget*> reihe{d.SpeedButton1, d.SpeedButton2, d.BitBtn4, d.BitBtn2, d.BitBtn3};
    for (qsizetype i = 1; i < reihe.size(); ++i) QVERIFY(reihe[i - 1]->geometry().right() < reihe[i]->x());
    QVERIFY(d.BitBtn3->geometry().right() < d.Panel1->width());
  }

  void fehlendeFelderEndenMitMeldung() {
    Fenster f;
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, f.form.TippEdit(200, 204));
    QVERIFY(!f.dialog->isVisible());
  }

  // The dialog follows the main window's height, from its creation and at every zoom step.
  void zoom() {
    Fenster f;
    const QSize entworfen = f.dialog->size();
    const QRect box = f.dialog->box(55)->geometry();
    f.form.setHeight(700);
    QCOMPARE(f.dialog->size(), QSize(qRound(entworfen.width() * 700.0 / 546), qRound(entworfen.height() * 700.0 / 546)));
    QCOMPARE(f.dialog->box(55)->x(), qRound(box.x() * 700.0 / 546));

    // Made after the main window took its stored height: the start's completion zooms it.
    f.dialog.reset();
    auto spaet = std::make_unique<TForm6>();
    f.form.StartAbschliessen();
    QCOMPARE(spaet->size(), QSize(qRound(entworfen.width() * 700.0 / 546), qRound(entworfen.height() * 700.0 / 546)));
  }
};

QTEST_MAIN(TstTippeditor)
#include "tst_tippeditor.moc"
