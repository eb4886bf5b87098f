#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fehler.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/registry.h"
#include "shell/listenzeile.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/tippcheck.h"

namespace {

const QColor kLimette(0, 255, 0);
const QColor kRot(255, 0, 0);

struct Fenster : Fenstertest<TForm1> {
  Tippschein& schein() { return *form.Schein; }
  QLineEdit* edit(int n) { return ctl<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }
  QLabel* label(int n) { return ctl<QLabel>(QStringLiteral("Label%1").arg(n)); }
  QListWidget* liste() { return ctl<QListWidget>(QStringLiteral("Gewinnzahlen")); }
  QListWidget* gewinne() { return ctl<QListWidget>(QStringLiteral("Gewinne")); }

  void ziehung(std::array<int, 5> z) {
    for (int i = 0; i < 5; ++i) form.zustand().Zahl[static_cast<size_t>(i + 1)] = z[static_cast<size_t>(i)];
  }
  void setzeZeile(int k, const QStringList& zahlen, const QStringList& extras = {}) {
    const Tippzeile& z = schein().zeile(k);
    for (int i = 0; i < 5; ++i) z.Zahlen[static_cast<size_t>(i)]->setText(zahlen.value(i));
    for (int i = 0; i < 2; ++i) z.Extras[static_cast<size_t>(i)]->setText(extras.value(i));
  }
  QStringList zeilentexte(int k) {
    QStringList l;
    for (int i = 0; i < 7; ++i) l << schein().zeile(k).feld(i)->text();
    return l;
  }
  void zeigen() {
    QVERIFY(Fenstertest::zeigen());
    // Showing the window looks for the draw history, which these tests do not give: forget its message.
    u.dialoge().gezeigt.clear();
  }
};

QColor grund(QWidget* w) { return w->palette().color(QPalette::Base); }
QColor schrift(QWidget* w) { return w->palette().color(QPalette::WindowText); }
QColor fenster() { return QApplication::palette().color(QPalette::Base); }

QStringList eintraege(QListWidget* box) {
  QStringList l;
  for (int i = 0; i < box->count(); ++i) l << box->item(i)->text();
  return l;
}

// Everything a clearing must leave alone in a row.
struct Zeilenbild {
  QStringList texte;
  QList<QColor> farben;
  QString treffer, summe;
  QColor trefferfarbe;
  bool operator==(const Zeilenbild&) const = default;
};
Zeilenbild bild(Fenster& f, int k) {
  const Tippzeile& z = f.schein().zeile(k);
  Zeilenbild b{f.zeilentexte(k), {}, z.Treffer->text(), z.Summe->text(), schrift(z.Treffer)};
  for (int i = 0; i < 7; ++i) b.farben << grund(z.feld(i));
  return b;
}

// The text program: changes the file it is given, as a user would before answering.
class Editor final : public plattform::Shell {
 public:
  std::function<void(const QString&)> tun;
  QStringList aufrufe;
  bool oeffnen(const QString& z) override {
    aufrufe << "open " + z;
    return true;
  }
  bool bearbeiten(const QString& d) override {
    aufrufe << "edit " + d;
    if (tun) tun(d);
    return true;
  }
  bool starten(const QString&, const QStringList&) override { return true; }
};

}  // namespace

class TstTippschein : public QObject {
  Q_OBJECT
 private slots:
  void zeilenUndLage() {
    Fenster f;
    const QStringList labels{"Label28", "Label30", "Label31", "Label32", "Label33", "Label34",
                             "Label46", "Label48", "Label62", "Label61", "Label63", "Label64"};
    const QList<int> ys{69, 86, 103, 120, 137, 153, 170, 187, 204, 221, 238, 256};
    for (int k = 1; k <= 12; ++k) {
      const Tippzeile& z = f.schein().zeile(k);
      QCOMPARE(z.Label->objectName(), labels[k - 1]);
      QCOMPARE(z.Label->text(), QStringLiteral("%1. Tipp").arg(k));
      QCOMPARE(z.Label->geometry().right() + 1, 106);
      QCOMPARE(plattform::hint(z.Label).endsWith("berechnet."), k <= 6);
      QCOMPARE(z.Edit->objectName(), QStringLiteral("Tipp%1Edit").arg(k));
      QCOMPARE(z.Edit->x(), 271);
      for (int i = 0; i < 5; ++i) {
        QCOMPARE(z.Zahlen[static_cast<size_t>(i)]->geometry(), QRect(112 + 32 * i, ys[k - 1], 25, 17));
        QVERIFY(!z.Zahlen[static_cast<size_t>(i)]->isHidden());
      }
      QVERIFY(z.Extras[0]->isHidden() && z.Extras[1]->isHidden());
      QCOMPARE(z.Extras[0]->x(), 288);
      QCOMPARE(z.Extras[1]->x(), 312);
      QCOMPARE(z.Treffer->x(), 344);
      QCOMPARE(z.Summe->x(), 424);
    }
    // Spot checks of the rows table.
    QCOMPARE(f.schein().zeile(9).Zahlen[0], f.edit(56));
    QCOMPARE(f.schein().zeile(10).Extras[0], f.edit(67));
    QCOMPARE(f.schein().zeile(12).Extras[1], f.edit(104));
    QCOMPARE(f.schein().zeile(7).Treffer, f.label(45));
    QCOMPARE(f.schein().zeile(11).Summe, f.label(71));
    QCOMPARE(f.liste()->geometry(), QRect(46, 71, 324, 217));
    QCOMPARE(f.gewinne()->geometry(), QRect(418, 68, 63, 217));
    QVERIFY(f.liste()->isHidden() && f.gewinne()->isHidden() && f.ctl("SpeedButton28")->isHidden());
    auto* ud = f.ctl<plattform::UpDown>("UpDown8");
    QCOMPARE(ud->Min(), 1);
    QCOMPARE(ud->Max(), 12);
    QCOMPARE(f.ctl<QLineEdit>("Edit80")->text(), QStringLiteral("5"));
    QCOMPARE(f.ctl<QPushButton>("BitBtn4")->text(), QStringLiteral("Tipps berechnen"));
  }

  void tippen_data() {
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("0") << "0" << "";
    QTest::newRow("5 dann 6") << "56" << "";
    QTest::newRow("55") << "55" << "55";
    QTest::newRow("07") << "07" << "7";
    QTest::newRow("Buchstabe") << "a" << "";
    QTest::newRow("Ziffer und Buchstabe") << "4x" << "";
    QTest::newRow("Leerzeichen dahinter") << "7 " << "";
  }
  void tippen() {
    QFETCH(QString, tasten);
    QFETCH(QString, ergebnis);
    Fenster f;
    QTest::keyClicks(f.edit(13), tasten);
    QCOMPARE(f.edit(13)->text(), ergebnis);
  }

  void einfuegenUndSetzen() {
    Fenster f;
    QLineEdit* e = f.edit(1);
    for (const auto& [text, erwartet] : {std::pair{"007", "7"}, {"+9", "9"}, {"56", ""}, {"12", "12"}}) {
      e->clear();
      QApplication::clipboard()->setText(QString::fromLatin1(text));
      QTest::keySequence(e, QKeySequence::Paste);
      QCOMPARE(e->text(), QString::fromLatin1(erwartet));
      e->setText(QString::fromLatin1(text));  // the engine, the editor, the settings
      QCOMPARE(e->text(), QString::fromLatin1(erwartet));
    }
    f.form.zustand().SternenzahlMax = 10;
    f.edit(6)->setText("11");
    QCOMPARE(f.edit(6)->text(), QString());
    f.edit(6)->setText("10");
    QCOMPARE(f.edit(6)->text(), QStringLiteral("10"));
    f.edit(104)->setText("0");
    QCOMPARE(f.edit(104)->text(), QString());
    f.form.zustand().SternenzahlMax = 8;
    f.edit(94)->setText("9");
    QCOMPARE(f.edit(94)->text(), QString());
  }

  void sperre() {
    Fenster f;
    f.zeigen();
    QLabel* l = f.label(62);  // row 9
    const QColor normal = schrift(l);
    QVERIFY(normal != kRot);
    QTest::mouseClick(l, Qt::LeftButton);
    QCOMPARE(schrift(l), kRot);
    QVERIFY(f.schein().gesperrt(9));
    QVERIFY(!f.schein().gesperrt(10));
    QTest::mouseClick(l, Qt::LeftButton);
    QCOMPARE(schrift(l), normal);
    QVERIFY(!f.schein().gesperrt(9));
  }

  void komplettcheck() {
    Fenster f;
    f.ziehung({5, 14, 23, 38, 51});
    f.setzeZeile(1, {"51", "23", "7", "14", "5"});
    QCOMPARE(f.form.Tippvergleich(), 400);
    QCOMPARE(f.zeilentexte(1).mid(0, 5), (QStringList{"5", "7", "14", "23", "51"}));
    QCOMPARE(grund(f.edit(1)), kLimette);
    QCOMPARE(grund(f.edit(2)), fenster());
    QCOMPARE(grund(f.edit(3)), kLimette);
    QCOMPARE(grund(f.edit(4)), kLimette);
    QCOMPARE(grund(f.edit(5)), kLimette);
    QCOMPARE(f.label(22)->text(), QStringLiteral("4"));
    QCOMPARE(schrift(f.label(22)), kRot);
    QCOMPARE(f.label(36)->text(), QStringLiteral("100"));
    std::array<std::array<int, 3>, 7> erwartet{};
    erwartet[4][0] = 1;
    QCOMPARE(f.form.zustand().Statistik, erwartet);
    QCOMPARE(f.u.klang().gespielt, QStringList{f.form.zustand().SoundName});
    QVERIFY(f.form.zustand().SoundName.endsWith("yippee.wav"));
    QVERIFY(QFile::exists(f.form.zustand().SoundName));

    // One hit: black, no sound.
    f.u.klang().gespielt.clear();
    f.ziehung({5, 1, 2, 3, 4});
    QCOMPARE(f.form.Komplettcheck(), 100);
    QCOMPARE(f.label(22)->text(), QStringLiteral("1"));
    QCOMPARE(schrift(f.label(22)), QColor(0, 0, 0));
    QCOMPARE(grund(f.edit(5)), fenster());
    QVERIFY(f.u.klang().gespielt.isEmpty());
  }

  void unvollstaendigeZeile() {
    Fenster f;
    f.ziehung({5, 14, 23, 38, 51});
    f.setzeZeile(2, {"5", "14", "23", "38", "1"});
    f.setzeZeile(3, {"5", "14", "2", "3", "4"});
    QCOMPARE(f.form.Komplettcheck(), 400);
    QCOMPARE(f.label(37)->text(), QStringLiteral("81"));
    f.edit(11)->clear();  // row 2 now holds four numbers
    QCOMPARE(f.form.Komplettcheck(), 200);
    QCOMPARE(f.label(23)->text(), QString());
    for (int n = 7; n <= 12; ++n) QCOMPARE(grund(f.edit(n)), fenster());
    QCOMPARE(f.label(37)->text(), QStringLiteral("81"));
    std::array<std::array<int, 3>, 7> erwartet{};
    erwartet[2][0] = 1;  // row 3 alone
    QCOMPARE(f.form.zustand().Statistik, erwartet);
    QCOMPARE(f.label(24)->text(), QStringLiteral("2"));
  }

  void ohneSortieren() {
    Fenster f;
    f.ziehung({5, 14, 23, 38, 51});
    f.setzeZeile(1, {"51", "23", "7", "14", "5"});
    f.form.zustand().sortieren = false;
    for (auto& z : f.form.zustand().Statistik) z.fill(7);
    QCOMPARE(f.form.Komplettcheck(), 0);
    QCOMPARE(f.form.zustand().Statistik, (std::array<std::array<int, 3>, 7>{}));
    QCOMPARE(f.zeilentexte(1).mid(0, 5), (QStringList{"51", "23", "7", "14", "5"}));
    QCOMPARE(grund(f.edit(1)), fenster());
    QCOMPARE(f.label(22)->text(), QString());
    QCOMPARE(f.label(36)->text(), QString());
    // Leaving a field obeys the gate as well.
    f.schein().Edit1Exit();
    QCOMPARE(f.edit(1)->text(), QStringLiteral("51"));
  }

  void wiederholteZahlen_data() {
    QTest::addColumn<QList<int>>("zug");
    QTest::addColumn<QStringList>("tipp");
    QTest::addColumn<QString>("treffer");
    QTest::addColumn<int>("statistikzeile");
    QTest::newRow("zweimal im Tipp") << QList<int>{5, 20, 23, 38, 51} << QStringList{"5", "5", "14", "30", "40"} << "2"
                                     << 2;
    QTest::newRow("dreimal in der Ziehung") << QList<int>{5, 5, 5, 14, 23}
                                            << QStringList{"5", "5", "14", "23", "40"} << "8" << 6;
  }
  void wiederholteZahlen() {
    QFETCH(QList<int>, zug);
    QFETCH(QStringList, tipp);
    QFETCH(QString, treffer);
    QFETCH(int, statistikzeile);
    Fenster f;
    f.ziehung({zug[0], zug[1], zug[2], zug[3], zug[4]});
    f.setzeZeile(4, tipp);
    QCOMPARE(f.form.Komplettcheck(), 100 * treffer.toInt());
    QCOMPARE(f.label(25)->text(), treffer);
    QCOMPARE(grund(f.edit(19)), kLimette);
    QCOMPARE(grund(f.edit(20)), kLimette);
    QCOMPARE(f.form.zustand().Statistik[static_cast<size_t>(statistikzeile)][0], 1);
    // The list shows the full count as well, and counts it in the same row.
    f.schein().listenansichtBeimStart();
    f.schein().listeErsetzen({tipp.join('\t')});
    QCOMPARE(f.form.Tippvergleich(), 100 * treffer.toInt());
    QCOMPARE(eintraege(f.gewinne()), QStringList{treffer});
    QCOMPARE(f.form.zustand().Statistik[static_cast<size_t>(statistikzeile)][0], 1);
  }

  // Leaving a field by Tab sorts and compares the sheet.
  void verlassenPrueft() {
    Fenster f;
    f.zeigen();
    QApplication::setActiveWindow(&f.form);
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    f.ziehung({5, 14, 23, 38, 51});
    f.setzeZeile(1, {"51", "23", "7", "14", ""});
    f.edit(5)->setFocus();
    QTRY_VERIFY(f.edit(5)->hasFocus());
    QTest::keyClicks(f.edit(5), "5");
    QCOMPARE(f.edit(1)->text(), QStringLiteral("51"));  // nothing checked while typing
    QTest::keyClick(f.edit(5), Qt::Key_Tab);
    QTRY_COMPARE(f.edit(1)->text(), QStringLiteral("5"));
    QCOMPARE(f.label(22)->text(), QStringLiteral("4"));
  }

  void loeschen_data() {
    QTest::addColumn<QVariant>("antwort");
    QTest::addColumn<bool>("laeuft");
    QTest::addColumn<bool>("geloescht");
    QTest::addColumn<bool>("gefragt");
    QTest::newRow("Ja") << QVariant(true) << false << true << true;
    QTest::newRow("Nein") << QVariant(false) << false << false << true;
    QTest::newRow("waehrend einer Berechnung") << QVariant() << true << true << false;
  }
  void loeschen() {
    QFETCH(QVariant, antwort);
    QFETCH(bool, laeuft);
    QFETCH(bool, geloescht);
    QFETCH(bool, gefragt);
    Fenster f;
    f.zeigen();
    f.ziehung({1, 2, 3, 4, 5});
    for (int k = 1; k <= 12; ++k) f.setzeZeile(k, {"1", "2", QString::number(10 + k), "40", "50"}, {"3", "4"});
    f.form.Komplettcheck();
    QTest::mouseClick(f.label(30), Qt::LeftButton);  // row 2
    QTest::mouseClick(f.label(33), Qt::LeftButton);  // row 5
    QList<Zeilenbild> vorher;
    for (int k = 1; k <= 12; ++k) vorher << bild(f, k);
    if (laeuft) f.ctl<QPushButton>("BitBtn4")->setText(f.form.M(20));
    if (antwort.isValid()) f.u.dialoge().antworten.push_back(antwort);
    f.klick("SpeedButton11");

    QCOMPARE(f.u.dialoge().gezeigt.size(), gefragt ? 1 : 0);
    if (gefragt) {
      QCOMPARE(f.u.dialoge().gezeigt[0].text, f.form.M(71));
      QCOMPARE(f.u.dialoge().gezeigt[0].titel, f.form.M(72));
    }
    for (int k = 1; k <= 12; ++k) {
      if (!geloescht || k == 2 || k == 5) {
        QVERIFY2(bild(f, k) == vorher[k - 1], qPrintable(QString::number(k)));
        continue;
      }
      const Zeilenbild b = bild(f, k);
      QCOMPARE(b.texte, QStringList(7, QString()));
      QCOMPARE(b.farben, QList<QColor>(7, fenster()));
      QCOMPARE(b.treffer, QString());
      QCOMPARE(b.summe, QString());
    }
    QCOMPARE(schrift(f.label(30)), kRot);
  }

  void loeschenInDerListe() {
    Fenster f;
    f.setzeZeile(1, {"1", "2", "3", "4", "5"});
    f.u.dialoge().antworten = {true, false};  // transfer, keep the list
    f.klick("Listenansicht");
    QCOMPARE(f.liste()->count(), 1);
    QCOMPARE(f.gewinne()->count(), 1);
    f.u.dialoge().antworten = {true};
    f.klick("SpeedButton11");
    QCOMPARE(f.liste()->count(), 0);
    QCOMPARE(f.gewinne()->count(), 0);
    QCOMPARE(f.zeilentexte(1).mid(0, 5), (QStringList{"1", "2", "3", "4", "5"}));
  }

  void ansichten() {
    Fenster f;
    auto* ud = f.ctl<plattform::UpDown>("UpDown8");
    auto* e80 = f.ctl<QLineEdit>("Edit80");
    f.klick("Listenansicht");  // the scripted answer is No
    QVERIFY(f.schein().listenansichtGezeigt());
    QVERIFY(!f.ctl("SpeedButton28")->isHidden() && !f.gewinne()->isHidden());
    ud->setPosition(300);
    QCOMPARE(ud->Position(), 300);
    f.klick("Standardansicht");
    QVERIFY(!f.schein().listenansichtGezeigt());
    QVERIFY(f.ctl("SpeedButton28")->isHidden() && f.gewinne()->isHidden());
    QCOMPARE(ud->Position(), 12);
    QCOMPARE(e80->text(), QStringLiteral("12"));
    QCOMPARE(ud->Max(), 12);
    f.klick("Listenansicht");
    QCOMPARE(ud->Position(), 12);
    QCOMPARE(ud->Max(), 6000);
    ud->setPosition(6001);
    QCOMPARE(ud->Position(), 6000);
  }

  void uebertragen_data() {
    QTest::addColumn<QVariantList>("antworten");
    QTest::addColumn<QStringList>("liste");
    const QStringList alt{"9\t8\t7\t6\t5", "1\t1\t1\t1\t1\t\t\t\t"};
    const QStringList neu{"5\t14\t23\t1\t2", "5\t14\t3\t4\t6", "1\t2\t3\t4\t6", "7\t\t\t\t"};
    QTest::newRow("Ja, Ja") << QVariantList{true, true} << neu;
    QTest::newRow("Ja, Nein") << QVariantList{true, false} << (alt + neu);
    QTest::newRow("Nein") << QVariantList{false} << alt;
  }
  void uebertragen() {
    QFETCH(QVariantList, antworten);
    QFETCH(QStringList, liste);
    Fenster f;
    f.ziehung({5, 14, 23, 38, 51});
    f.setzeZeile(1, {"5", "14", "23", "1", "2"}, {"3", "4"});
    f.setzeZeile(2, {"5", "14", "3", "4", "6"});
    f.setzeZeile(3, {"1", "2", "3", "4", "6"});
    f.setzeZeile(4, {"", "2", "3", "4", "6"});  // no first number: left out
    f.setzeZeile(5, {"7"});                       // only the first number
    QTest::mouseClick(f.label(31), Qt::LeftButton);  // a locked row goes along
    f.schein().listeErsetzen({"9\t8\t7\t6\t5", "1\t1\t1\t1\t1\t\t\t\t"});
    for (const QVariant& a : antworten) f.u.dialoge().antworten.push_back(a);
    f.klick("Listenansicht");
    QCOMPARE(f.u.dialoge().texte().first(), f.form.M(65));
    if (antworten.size() == 2) QCOMPARE(f.u.dialoge().gezeigt[1].titel, f.form.M(68));
    QCOMPARE(eintraege(f.liste()), liste);
    QCOMPARE(f.gewinne()->count(), liste.size());  // compared again in every case
    QCOMPARE(f.form.StatusBar1->panel(0).section(' ', 0, 0), QString::number(liste.size()));
  }

  void nachDerBerechnungAnhaengen() {
    Fenster f;
    f.ziehung({3, 17, 22, 40, 51});
    f.schein().listeErsetzen({"1\t2\t3\t4\t5"});
    f.setzeZeile(1, {"3", "17", "22", "40", "51"});
    f.setzeZeile(2, {"3", "17", "22", "40", "50"}, {"2", "9"});
    f.schein().ListenansichtOhneClick();
    QVERIFY(f.u.dialoge().gezeigt.isEmpty());
    QCOMPARE(eintraege(f.liste()),
             (QStringList{"1\t2\t3\t4\t5", "3\t17\t22\t40\t51\t\t\t\t", "3\t17\t22\t40\t50\t\t\t2\t9"}));
    QCOMPARE(eintraege(f.gewinne()), (QStringList{"1", "5", "4"}));
    QCOMPARE(f.ctl<plattform::UpDown>("UpDown8")->Max(), 12);
  }

  // The long and the short form of one tip read alike; three lines with 0, 2 and 3 hits.
  void listenpruefung() {
    Fenster f;
    f.ziehung({5, 14, 23, 38, 51});
    f.schein().listenansichtBeimStart();
    f.schein().listeErsetzen({"3\t17\t22\t40\t51\t\t\t\t", "3\t17\t22\t40\t51"});
    QCOMPARE(f.form.Tippvergleich(), 100);
    QCOMPARE(eintraege(f.gewinne()), (QStringList{"1", "1"}));

    f.schein().listeErsetzen({"1\t2\t3\t4\t6", "5\t14\t1\t2\t3\t\t\t\t", "5\t14\t23\t1\t2"});
    std::array<std::array<int, 3>, 7> erwartet{};
    erwartet[0][0] = erwartet[2][0] = erwartet[3][0] = 1;
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
      f.u.klang().gespielt.clear();
      QCOMPARE(f.form.Listengewinncheck(nullptr), 300);
      QCOMPARE(eintraege(f.gewinne()), (QStringList{"0", "2", "3"}));
      QCOMPARE(f.form.zustand().Statistik, erwartet);
      QCOMPARE(f.form.StatusBar1->panel(0), QStringLiteral("3 Rows  3+0 max win"));
      QCOMPARE(f.u.klang().gespielt, QStringList{f.form.zustand().SoundName});
      QCOMPARE(f.form.zustand().Stand.Gewinn, 3);  // the last line's hit state
    }
    f.schein().listeErsetzen({});
    QCOMPARE(f.form.Tippvergleich(), 0);
    QCOMPARE(f.gewinne()->count(), 0);
    QCOMPARE(f.form.StatusBar1->panel(0), QStringLiteral("0 Rows  0+0 max win"));
    QCOMPARE(f.form.zustand().Statistik, (std::array<std::array<int, 3>, 7>{}));
  }

  // The check after lines were appended, or the list, its results or the draw changed in any
  // other way since the last check: the same as a check of the whole list from its first line.
  void listenpruefungNachAenderungen_data() {
    QTest::addColumn<int>("aenderung");
    int i = 0;
    for (const char* name : {"appended", "line edited", "line removed", "line inserted in front", "list replaced",
                             "draw changed", "result edited", "results emptied", "nothing"})
      QTest::newRow(name) << i++;
  }
  void listenpruefungNachAenderungen() {
    QFETCH(int, aenderung);
    Fenster f;
    f.ziehung({5, 14, 23, 38, 51});
    f.schein().listenansichtBeimStart();
    f.schein().listeErsetzen({"5\t14\t1\t2\t3", "1\t2\t3\t4\t6", "5\t14\t23\t38\t2\t\t\t\t"});
    f.form.Listengewinncheck();
    f.gewinne()->setCurrentRow(1);
    switch (aenderung) {
      case 0: f.liste()->addItems({"51\t7\t8\t9\t10", "5\t14\t23\t7\t8"}); break;
      case 1: f.liste()->item(2)->setText("1\t2\t3\t4\t5"); break;
      case 2: delete f.liste()->takeItem(0); break;
      case 3: f.liste()->insertItem(0, "5\t14\t23\t38\t51"); break;
      case 4: f.schein().listeErsetzen({"5\t6\t7\t8\t9", "23\t6\t7\t8\t9", "1\t2\t3\t4\t6"}); break;
      case 5: f.ziehung({1, 2, 3, 4, 6}); break;
      case 6: f.gewinne()->item(0)->setText("9"); break;
      case 7: f.gewinne()->clear(); break;
      default: break;
    }
    f.u.klang().gespielt.clear();
    const int bester = f.form.Listengewinncheck();
    const QStringList zeilen = eintraege(f.liste());
    const tippcheck::Listenergebnis e = tippcheck::pruefeListe(f.form.zustand().Zahl, zeilen);
    QCOMPARE(eintraege(f.gewinne()), e.gewinne);
    QCOMPARE(bester, e.bester);
    QCOMPARE(f.form.zustand().Statistik, e.statistik);
    QCOMPARE(f.form.zustand().Stand.Gewinn, e.letzter.Gewinn);
    QCOMPARE(f.form.zustand().Stand.Treffer, e.letzter.Treffer);
    QCOMPARE(f.form.StatusBar1->panel(0), tippcheck::listenstatus(static_cast<int>(zeilen.size()), e.bester));
    QCOMPARE(f.u.klang().gespielt.size(), e.mitZweiTreffern > 0 ? 1 : 0);
    QCOMPARE(f.gewinne()->currentRow(), -1);  // as after the box was filled anew
  }

  void auswahlGekoppelt() {
    Fenster f;
    f.schein().listenansichtBeimStart();
    QStringList zeilen;
    for (int i = 1; i <= 10; ++i) zeilen << QStringLiteral("%1\t2\t3\t4\t5").arg(i + 10);
    f.schein().listeErsetzen(zeilen);
    f.form.Listengewinncheck();
    f.zeigen();
    auto klickeZeile = [](QListWidget* box, int i) {
      QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(i)).center());
    };
    klickeZeile(f.liste(), 6);
    QCOMPARE(f.gewinne()->currentRow(), 6);
    klickeZeile(f.gewinne(), 2);
    QCOMPARE(f.liste()->currentRow(), 2);
    // The arrow keys move the selection of the box that has the focus.
    QApplication::setActiveWindow(&f.form);
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    f.liste()->setFocus();
    QTRY_VERIFY(f.liste()->hasFocus());
    QTest::keyClick(f.liste(), Qt::Key_Down);
    QCOMPARE(f.gewinne()->currentRow(), 3);
  }

  void listeBearbeiten_data() {
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja liest neu ein") << true;
    QTest::newRow("Nein behaelt") << false;
  }
  void listeBearbeiten() {
    QFETCH(bool, ja);
    Fenster f;
    auto editor = std::make_unique<Editor>();
    Editor* ed = editor.get();
    QByteArray geschrieben;
    ed->tun = [&](const QString& d) {
      geschrieben = Testumgebung::lies(d);
      Testumgebung::schreibe(d, "1\t2\t3\t4\t5\r\nneu\r\n");
    };
    plattform::setzeShell(std::move(editor));
    f.schein().listenansichtBeimStart();
    f.schein().listeErsetzen({"7\t8\t9\t10\t11", "Glück"});
    f.form.Listengewinncheck();
    f.u.dialoge().antworten = {ja};
    f.klick("SpeedButton28");
    const QString datei = f.form.zustand().Home + "gewinnzahlen.txt";
    QCOMPARE(geschrieben, QByteArray("7\t8\t9\t10\t11\r\nGl\xFC" "ck\r\n"));
    QCOMPARE(ed->aufrufe, QStringList{"edit " + datei});
    QCOMPARE(f.u.dialoge().gezeigt.size(), 1);
    QCOMPARE(f.u.dialoge().gezeigt[0].text, f.form.M(74));
    QCOMPARE(f.u.dialoge().gezeigt[0].titel, f.form.M(75));
    const QStringList erwartet = ja ? QStringList{"1\t2\t3\t4\t5", "neu"} : QStringList{"7\t8\t9\t10\t11", "Glück"};
    QCOMPARE(eintraege(f.liste()), erwartet);
    QCOMPARE(f.gewinne()->count(), 2);
  }

  void listeBearbeitenFehler() {
    Fenster f;
    f.schein().listenansichtBeimStart();
    f.schein().listeErsetzen({"1\t2\t3\t4\t5"});
    const QString datei = f.form.zustand().Home + "gewinnzahlen.txt";
    // Cannot be written: the message, and no text program.
    QVERIFY(QDir().mkpath(datei));
    f.klick("SpeedButton28");
    QCOMPARE(f.u.dialoge().arten(), QStringList{"nachricht"});
    QVERIFY(f.u.shell().aufrufe.isEmpty());
    QVERIFY(QDir(datei).removeRecursively());
    // Gone when read back: the message, and the list keeps its lines.
    auto editor = std::make_unique<Editor>();
    editor->tun = [](const QString& d) { QFile::remove(d); };
    plattform::setzeShell(std::move(editor));
    f.u.dialoge().gezeigt.clear();
    f.u.dialoge().antworten = {true};
    f.klick("SpeedButton28");
    QCOMPARE(f.u.dialoge().arten(), (QStringList{"frage", "nachricht"}));
    QCOMPARE(eintraege(f.liste()), QStringList{"1\t2\t3\t4\t5"});
    // Saved by the text program with a line no tip has: refused whole, the list keeps its lines.
    auto langeZeile = std::make_unique<Editor>();
    langeZeile->tun = [](const QString& d) {
      Testumgebung::schreibe(d, "6\t7\t8\t9\t10\r\n" + QByteArray(listenzeile::kZeileMax + 1, '7') + "\r\n");
    };
    plattform::setzeShell(std::move(langeZeile));
    f.u.dialoge().gezeigt.clear();
    f.u.dialoge().antworten = {true};
    f.klick("SpeedButton28");
    QCOMPARE(f.u.meldungen().value(1), QStringLiteral("Die Datei \"%1\" ist keine Tippdatei.").arg(datei));
    QCOMPARE(eintraege(f.liste()), QStringList{"1\t2\t3\t4\t5"});
  }

  void schliessen_data() {
    QTest::addColumn<bool>("liste");
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<bool>("geschrieben");
    QTest::newRow("Liste mit Zeilen") << true << QStringList{"1\t2\t3\t4\t5", "6\t7\t8\t9\t10\t\t\t\t"} << true;
    QTest::newRow("leere Liste") << true << QStringList{} << false;
    QTest::newRow("Standardansicht") << false << QStringList{"1\t2\t3\t4\t5"} << false;
  }
  void schliessen() {
    QFETCH(bool, liste);
    QFETCH(QStringList, zeilen);
    QFETCH(bool, geschrieben);
    Fenster f;
    const QString txt = f.form.zustand().Home + "gewinnzahlen.txt";
    const QString zpk = f.form.zustand().Home + "gewinnzahlen.zpk";
    Testumgebung::schreibe(txt, "alt\r\n");
    Testumgebung::schreibe(zpk, "alt\r\n");
    if (liste) f.schein().listenansichtBeimStart();
    f.schein().listeErsetzen(zeilen);
    f.zeigen();
    f.form.close();
    const QByteArray erwartet = geschrieben ? (zeilen.join("\r\n") + "\r\n").toLatin1() : QByteArray("alt\r\n");
    QCOMPARE(Testumgebung::lies(txt), erwartet);
    QCOMPARE(Testumgebung::lies(zpk), erwartet);
  }

  void startMitListe() {
    Fensterumgebung u;
    Testumgebung::schreibe(u.home() + "gewinnzahlen.txt", "1\t2\t3\t4\t5\r\n6\t7\t8\t9\t10\t\t\t\t\r\n");
    TForm1 form;
    QCOMPARE(form.Schein->listenzeilen().size(), 0);  // standard view: the file stays unread
    form.Schein->listenansichtBeimStart();
    QCOMPARE(form.findChild<plattform::UpDown*>("UpDown8")->Max(), 6000);
    form.Schein->listeBeimStartLaden();
    QCOMPARE(form.Schein->listenzeilen(), (QStringList{"1\t2\t3\t4\t5", "6\t7\t8\t9\t10\t\t\t\t"}));
    QCOMPARE(form.Schein->Gewinne->count(), 2);
    QCOMPARE(form.StatusBar1->panel(0), QStringLiteral("2 Rows  0+0 max win"));
    QVERIFY(form.zustand().sortieren);
    // An unreadable list file is an error for the creation step to show.
    QFile::remove(u.home() + "gewinnzahlen.txt");
    QVERIFY(QDir().mkpath(u.home() + "gewinnzahlen.txt"));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, form.Schein->listeBeimStartLaden());
    QCOMPARE(form.Schein->listenzeilen().size(), 2);
  }

  // The start reports a broken list file in the stored language (3 French), before that
  // language's texts are applied at show; with a message file that cannot be read, in German.
  void kaputteListendateiInDerSprache_data() {
    QTest::addColumn<bool>("meldungenLesbar");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("fr") << true << QString::fromUtf8("Le fichier \"%1\" n'est pas un fichier de grilles.");
    QTest::newRow("fr unlesbar") << false << QStringLiteral("Die Datei \"%1\" ist keine Tippdatei.");
  }
  void kaputteListendateiInDerSprache() {
    QFETCH(bool, meldungenLesbar);
    QFETCH(QString, meldung);
    Fensterumgebung u;
    const QString datei = u.home() + "gewinnzahlen.txt";
    Testumgebung::schreibe(datei, QByteArray("1\t2\0\r\n", 6));
    const QString fr = u.programmordner() + "land/meldungen.txt.fr";
    if (!meldungenLesbar) Testumgebung::schreibe(fr, QByteArray("\xEF\xBB\xBF\xFF\xFE", 5));  // invalid UTF-8
    {
      plattform::Registry r;
      QVERIFY(r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano"), true));
      r.WriteInteger(QStringLiteral("Ansicht"), 1);
      r.WriteInteger(QStringLiteral("Sprache"), 3);
    }
    {
      TForm1 form;
      QCOMPARE(u.meldungen().value(0), meldung.arg(datei));
      QVERIFY(form.close());
    }
  }

  // A list file that is no tip list (a line no tip has, more than any list, a file that never
  // ends): the start says so at once, the list stays empty, and the file stays as it was.
  void kaputteListendatei_data() {
    QTest::addColumn<QString>("art");
    QTest::newRow("100-KiB-Zeile") << "zeile";
    QTest::newRow("50 MiB") << "gross";
    QTest::newRow("Verweis auf /dev/zero") << "endlos";
    QTest::newRow("NUL") << "nul";
  }
  void kaputteListendatei() {
    QFETCH(QString, art);
    Fensterumgebung u;
    const QString datei = u.home() + "gewinnzahlen.txt";
    QVERIFY(QDir().mkpath(u.home()));
    if (art == "zeile") {
      Testumgebung::schreibe(datei, "1\t2\t3\t4\t5\r\n" + QByteArray(100 * 1024, '7') + "\r\n");
    } else if (art == "gross") {
      QFile f(datei);
      QVERIFY(f.open(QIODevice::WriteOnly));
      QVERIFY(f.resize(50 * 1024 * 1024));  // sparse: no disk taken
    } else if (art == "endlos") {
      QVERIFY(QFile::link("/dev/zero", datei));
    } else {
      Testumgebung::schreibe(datei, QByteArray("1\t2\0\r\n", 6));
    }
    const QByteArray vorher = art == "endlos" ? QByteArray() : Testumgebung::lies(datei);
    {
      plattform::Registry r;
      QVERIFY(r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano"), true));
      r.WriteInteger(QStringLiteral("Ansicht"), 1);
    }
    QElapsedTimer uhr;
    uhr.start();
    {
      TForm1 form;
      QVERIFY2(uhr.elapsed() < 10000, qPrintable(QString::number(uhr.elapsed())));
      QCOMPARE(u.meldungen(), QStringList{QStringLiteral("Die Datei \"%1\" ist keine Tippdatei.").arg(datei)});
      QVERIFY(form.Schein->listenansichtGezeigt());
      QCOMPARE(form.Schein->listenzeilen().size(), 0);
      QVERIFY(form.close());
    }
    if (art == "endlos")
      QVERIFY(QFileInfo(datei).isSymLink());
    else
      QCOMPARE(Testumgebung::lies(datei), vorher);
  }

  // A line far longer than a tip that reaches the list some other way: the box measures and
  // draws only its start, so showing it costs no time.
  void langeZeileImListenfeld() {
    Fenster f;
    f.schein().listenansichtBeimStart();
    f.zeigen();
    const QString lang(8 * 1024 * 1024, QLatin1Char('7'));
    QElapsedTimer uhr;
    uhr.start();
    f.schein().listeErsetzen({"1\t2\t3\t4\t5", lang});
    QVERIFY(f.liste()->sizeHintForColumn(0) < 10000);
    QVERIFY(!f.liste()->grab().isNull());
    QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(f.schein().listenzeilen().value(1), lang);  // the line itself is kept whole
  }
};

QTEST_MAIN(TstTippschein)
#include "tst_tippschein.moc"
