#include <QtTest>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <memory>
#include <set>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/fenster/zoom.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"
#include "plattform/zufall.h"
#include "shell/fenster/Zahlenwahl.h"

namespace {
const QString kFormat = QStringLiteral("Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein");

QPoint aufKasten(const QCheckBox* b) { return QPoint(8, b->height() / 2); }

void links(QCheckBox* b) { QTest::mouseClick(b, Qt::LeftButton, {}, aufKasten(b)); }

void rechts(QCheckBox* b) {
  QTest::mousePress(b, Qt::RightButton, {}, aufKasten(b));
  QTest::mouseRelease(b, Qt::RightButton, {}, aufKasten(b));
}

// Ticks and hints of all boxes as the window shows them.
QStringList boxen(const TForm6& f) {
  QStringList l;
  for (int n = 1; n <= 55; ++n)
    l << (f.box(n)->isChecked() ? QStringLiteral("x") : QStringLiteral("-")) + plattform::hint(f.box(n));
  return l;
}

QString status(int n, const QString& gewicht) {
  return QStringLiteral("Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein").arg(n).arg(gewicht);
}
}  // namespace

class TstZahlenwahl : public QObject {
  Q_OBJECT
  std::unique_ptr<Fensterumgebung> umgebung;
  std::unique_ptr<TForm6> form;

  QString pfad(const QString& name) const { return umgebung->appdata() + name; }

 private slots:
  void init() {
    umgebung = std::make_unique<Fensterumgebung>();
    form = std::make_unique<TForm6>();
    Form6 = form.get();
    form->Ordner = umgebung->appdata();
    form->show();
  }
  void cleanup() {
    Form6 = nullptr;
    form.reset();
    umgebung.reset();
  }

  void aufbau() {
    QCOMPARE(form->objectName(), QStringLiteral("Form6"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
    QVERIFY(!form->parent());
    QCOMPARE(form->minimumSize(), form->maximumSize());
    for (int n = 1; n <= 55; ++n) {
      QCheckBox* b = form->box(n);
      QCOMPARE(b->objectName(), QStringLiteral("CheckBox%1").arg(n));
      QCOMPARE(b->text(), QString::number(n));
      QVERIFY(b->isChecked());
      QVERIFY(plattform::hint(b).isEmpty());
    }
    // Seven a row, eight rows.
    QCOMPARE(form->box(8)->x(), form->box(1)->x());
    QVERIFY(form->box(8)->y() > form->box(7)->y());
    QCOMPARE(form->box(7)->y(), form->box(1)->y());
    QCOMPARE(form->box(55)->y(), form->box(50)->y());
    QCOMPARE(plattform::hint(form->Panel1), kFormat);
    QVERIFY(form->Panel1->toolTip().isEmpty());
    QCOMPARE(plattform::hint(form->SpeedButton1), QStringLiteral("Speichern der Liste"));
    QCOMPARE(plattform::hint(form->SpeedButton2), QStringLiteral("Laden der Liste"));
    QCOMPARE(form->BitBtn4->text(), QStringLiteral("&Zufall"));
    QCOMPARE(form->BitBtn3->text(), QStringLiteral("&Rechnen"));
    QVERIFY(form->BitBtn4->isHidden());
    QVERIFY(form->BitBtn1->isDefault());
    QCOMPARE(form->BitBtn1->geometry(), form->BitBtn3->geometry());
    // BitBtn3 covers OK: a click there reaches BitBtn3.
    QCOMPARE(form->Panel1->childAt(form->BitBtn3->geometry().center()), form->BitBtn3);
    QCOMPARE(form->Timer1->interval(), 25);
    QVERIFY(!form->Timer1->isActive());
    QCOMPARE(form->StatusBar1->panelAnzahl(), 1);

    // The translatable elements in creation order, the window first.
    QStringList namen;
    for (const plattform::Element& e : plattform::elementliste(form.get()).elemente()) namen << e.name();
    QStringList erwartet{"Form6"};
    for (int n = 1; n <= 55; ++n) erwartet << QStringLiteral("CheckBox%1").arg(n);
    erwartet << "Panel1" << "BitBtn2" << "SpeedButton1" << "SpeedButton2" << "BitBtn4" << "BitBtn3" << "BitBtn1";
    QCOMPARE(namen, erwartet);
  }

  // Box 5, from a tick and a weight, through left clicks (L), right presses (R) and the space bar (S).
  void gewichtsregel_data() {
    QTest::addColumn<bool>("vorher");
    QTest::addColumn<QString>("gewicht");
    QTest::addColumn<QString>("aktionen");
    QTest::addColumn<bool>("nachher");
    QTest::addColumn<QString>("gewichtNachher");
    QTest::newRow("Klick hebt") << false << "2" << "L" << true << "3";
    QTest::newRow("zweiter Klick laesst") << false << "2" << "LL" << false << "3";
    QTest::newRow("rechts auf 1") << true << "1" << "R" << false << "0";
    QTest::newRow("rechts auf 3") << true << "3" << "R" << true << "2";
    QTest::newRow("rechts auf abgewaehlt") << false << "2" << "R" << false << "2";
    QTest::newRow("rechts, dann Leertaste senkt") << false << "3" << "RS" << true << "2";
    QTest::newRow("rechts, dann Leertaste auf 0") << false << "0" << "RS" << false << "0";
    QTest::newRow("links nach rechts hebt wieder") << false << "3" << "RL" << true << "4";
    QTest::newRow("Leertaste hebt") << false << "3" << "S" << true << "4";
    QTest::newRow("leeres Gewicht") << false << "" << "L" << false << "0";
  }
  void gewichtsregel() {
    QFETCH(bool, vorher);
    QFETCH(QString, gewicht);
    QFETCH(QString, aktionen);
    QFETCH(bool, nachher);
    QFETCH(QString, gewichtNachher);
    form->werteliste().setzeRoh(5, vorher, gewicht);
    QCheckBox* b = form->box(5);
    QCOMPARE(b->isChecked(), vorher);
    for (const QChar a : aktionen) {
      if (a == QLatin1Char('L')) links(b);
      else if (a == QLatin1Char('R')) rechts(b);
      else QTest::keyClick(b, Qt::Key_Space);
    }
    QCOMPARE(b->isChecked(), nachher);
    QCOMPARE(form->werteliste().haken(5), nachher);
    QCOMPARE(plattform::hint(b), gewichtNachher);
    QCOMPARE(b->toolTip(), gewichtNachher);
    QCOMPARE(form->StatusBar1->panel(0), status(5, gewichtNachher));
  }

  // A caller that ticks a box or writes its hint goes through the same list.
  void aufrufer() {
    QCheckBox* b = form->box(9);
    b->setChecked(false);  // rule on an empty weight: "0"
    QCOMPARE(plattform::hint(b), QStringLiteral("0"));
    b->setProperty("hint", QStringLiteral("4"));
    QCOMPARE(form->werteliste().gewicht(9), QStringLiteral("4"));
    QCOMPARE(b->toolTip(), QStringLiteral("4"));
    b->setChecked(true);
    QCOMPARE(plattform::hint(b), QStringLiteral("5"));
    form->werteliste().setzeHaken(9, false);
    QVERIFY(!b->isChecked());
    form->werteliste().setzeGewicht(9, QStringLiteral("11"));
    QCOMPARE(plattform::hint(b), QStringLiteral("11"));
  }

  void statustext() {
    form->werteliste().setzeGewicht(12, QStringLiteral("7"));
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(5, 5), form->box(12)->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->box(12), &bewegung);
    QCOMPARE(form->StatusBar1->panel(0), status(12, QStringLiteral("7")));
    // A translated format with one placeholder shows what it has.
    form->Panel1->setProperty("hint", QStringLiteral("Zahl %s"));
    QApplication::sendEvent(form->box(3), &bewegung);
    QCOMPARE(form->StatusBar1->panel(0), QStringLiteral("Zahl 3"));
  }

  void speichern() {
    Werteliste& w = form->werteliste();
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, false, QStringLiteral("2"));
    w.setzeRoh(1, true, QStringLiteral("4"));
    w.setzeRoh(3, true, QString());
    umgebung->dialoge().antworten = {pfad(QStringLiteral("liste.zpn"))};
    form->SpeedButton1->click();
    const auto& g = umgebung->dialoge().gezeigt;
    QCOMPARE(g.size(), 1);
    QCOMPARE(g[0].art, QStringLiteral("speichern"));
    QCOMPARE(g[0].text, umgebung->appdata() + plattform::yyyymmdd(QDate::currentDate()) + QStringLiteral(".zpn"));
    QCOMPARE(g[0].filter, QStringLiteral("Werteliste|*.zpn"));
    QCOMPARE(g[0].endung, QStringLiteral("zpn"));
    QByteArray erwartet = "4\r\n\r\n1\r\n";
    for (int n = 4; n <= 55; ++n) erwartet += "\r\n";
    QCOMPARE(Testumgebung::lies(pfad(QStringLiteral("liste.zpn"))), erwartet);
    QCOMPARE(plattform::hint(form->box(3)), QStringLiteral("1"));

    // Cancel writes nothing.
    umgebung->dialoge().antworten = {QString()};
    form->SpeedButton1->click();
    QCOMPARE(umgebung->dialoge().arten(), (QStringList{"speichern", "speichern"}));
  }

  void fehlgeschlagenesSpeichern() {
    const QString ziel = pfad(QStringLiteral("alt.zpn"));
    Testumgebung::schreibe(ziel, "5\r\n");
    umgebung->dialoge().antworten = {ziel};
    plattform::schreibfehlerNach(0);
    form->SpeedButton1->click();
    plattform::schreibfehlerNach(-1);
    QCOMPARE(Testumgebung::lies(ziel), QByteArray("5\r\n"));
    QCOMPARE(umgebung->dialoge().arten(), (QStringList{"speichern", "nachricht"}));
    QCOMPARE(umgebung->dialoge().gezeigt.last().text,
             QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(ziel));
  }

  // Save, change everything, load: every tick and weight is back, also after a right press.
  void speichernUndLaden() {
    Werteliste& w = form->werteliste();
    // Unticked boxes at "1": the file holds no weight for them, loading gives them "1".
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, n % 4 != 0, n % 4 != 0 ? QString::number(n % 3 + 1) : QStringLiteral("1"));
    rechts(form->box(2));  // Minus is set: 3 -> 2
    QCOMPARE(plattform::hint(form->box(2)), QStringLiteral("2"));
    const QString datei = pfad(QStringLiteral("rund.zpn"));
    umgebung->dialoge().antworten = {datei, datei};
    form->SpeedButton1->click();
    const QStringList gespeichert = boxen(*form);
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, n % 2 == 0, QStringLiteral("9"));
    form->SpeedButton2->click();
    QCOMPARE(boxen(*form), gespeichert);
    QVERIFY(w.minus());
    const auto& g = umgebung->dialoge().gezeigt;
    QCOMPARE(g.last().art, QStringLiteral("oeffnen"));
    QCOMPARE(g.last().text, umgebung->appdata() + plattform::yyyymmdd(QDate::currentDate()) + QStringLiteral(".zpn"));
    QCOMPARE(g.last().filter, QStringLiteral("Werteliste|*.zpn"));
    QCOMPARE(g.last().endung, QStringLiteral("zpn"));
  }

  void ladenKurzeListeUndBuchstaben() {
    const QString datei = pfad(QStringLiteral("kurz.zpn"));
    Testumgebung::schreibe(datei, "1\r\nabc\r\n\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n");
    umgebung->dialoge().antworten = {datei};
    form->SpeedButton2->click();
    QVERIFY(form->box(2)->isChecked());
    QCOMPARE(plattform::hint(form->box(2)), QStringLiteral("abc"));
    QVERIFY(!form->box(3)->isChecked());
    QCOMPARE(plattform::hint(form->box(10)), QStringLiteral("10"));
    for (int n = 11; n <= 55; ++n) {
      QVERIFY(!form->box(n)->isChecked());
      QCOMPARE(plattform::hint(form->box(n)), QStringLiteral("1"));
    }
    links(form->box(2));  // unticks; the rule turns the letters into "0"
    QCOMPARE(plattform::hint(form->box(2)), QStringLiteral("0"));
    QVERIFY(umgebung->dialoge().arten() == QStringList{"oeffnen"});
  }

  void ungueltigeDatei_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("NUL") << QByteArray("1\r\n\0\r\n", 6);
    QTest::newRow("1 MB") << QByteArray(1024 * 1024, '3');
  }
  void ungueltigeDatei() {
    QFETCH(QByteArray, inhalt);
    const QString datei = pfad(QStringLiteral("bad.zpn"));
    Testumgebung::schreibe(datei, inhalt);
    form->werteliste().setzeRoh(6, false, QStringLiteral("3"));
    const QStringList vorher = boxen(*form);
    umgebung->dialoge().antworten = {datei};
    form->SpeedButton2->click();
    QCOMPARE(boxen(*form), vorher);
    QCOMPARE(umgebung->dialoge().texte().last(), QStringLiteral("Die Datei bad.zpn ist keine gültige Werteliste."));
  }

  void fehlendeDateiUndAbbrechen() {
    umgebung->dialoge().antworten = {QString(), pfad(QStringLiteral("fehlt.zpn"))};
    const QStringList vorher = boxen(*form);
    form->SpeedButton2->click();
    QCOMPARE(umgebung->dialoge().arten(), QStringList{"oeffnen"});
    form->SpeedButton2->click();
    QCOMPARE(umgebung->dialoge().texte().last(),
             QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(pfad(QStringLiteral("fehlt.zpn"))));
    QCOMPARE(boxen(*form), vorher);
  }

  void ergebnisse_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<bool>("editor");  // tip-editor appearance: BitBtn3 hidden
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("OK") << "BitBtn1" << true << 1;
    QTest::newRow("Titelleiste") << "schliessen" << false << 2;
    QTest::newRow("Escape") << "Escape" << false << 2;
    QTest::newRow("Abbrechen") << "BitBtn2" << false << 3;
    QTest::newRow("Rechnen") << "BitBtn3" << false << 4;
    QTest::newRow("Enter unter Rechnen") << "Enter" << false << 1;
    QTest::newRow("Enter im Editor") << "Enter" << true << 1;
  }
  void ergebnisse() {
    QFETCH(QString, weg);
    QFETCH(bool, editor);
    QFETCH(int, ergebnis);
    form->hide();
    form->BitBtn3->setVisible(!editor);
    form->BitBtn4->setVisible(editor);
    QSignalSpy fertig(form.get(), &QDialog::finished);
    form->open();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    if (weg == QLatin1String("schliessen")) form->close();
    else if (weg == QLatin1String("Escape")) QTest::keyClick(form->box(1), Qt::Key_Escape);
    else if (weg == QLatin1String("Enter")) QTest::keyClick(form->box(1), Qt::Key_Return);
    else QTest::mouseClick(form->findChild<QPushButton*>(weg), Qt::LeftButton);
    QCOMPARE(fertig.count(), 1);
    QCOMPARE(fertig.first().first().toInt(), ergebnis);
    QVERIFY(form->isHidden());
  }

  // Six presses: start, fix positions 1 to 4, stop. Each fixed position keeps its number.
  void drehung() {
    plattform::Zufall::RandSeed = 4711;
    form->MaxTipp = 5;
    form->MaxZahl = 55;
    form->Zufall = QStringLiteral("Zufall");
    form->Stopp = QStringLiteral("Stopp");
    form->BitBtn4->show();
    const auto druecke = [&] { QTest::mouseClick(form->BitBtn4, Qt::LeftButton); };
    const auto ticks = [&](int k) {
      for (int i = 0; i < k; ++i) form->Timer1Timer();
    };
    druecke();
    QVERIFY(form->dreht());
    QCOMPARE(form->Losgeht(), 1);
    std::set<int> gesehen;
    for (int i = 0; i < 20; ++i) {
      form->Timer1Timer();
      gesehen.insert(form->Tippreihe(1));
    }
    QVERIFY(gesehen.size() > 1);  // it really spins
    QCOMPARE(form->BitBtn4->text(), QStringLiteral("1 Stopp"));
    for (int i = 1; i <= 4; ++i) {
      const int gezeigt = form->Tippreihe(i);
      QVERIFY(form->box(gezeigt)->isChecked());
      druecke();
      QVERIFY(form->dreht());
      ticks(7);
      QCOMPARE(form->BitBtn4->text(), QStringLiteral("%1 Stopp").arg(i + 1));
      for (int j = 1; j <= i; ++j) {
        QVERIFY(form->box(form->Tippreihe(j))->isChecked());
        QCOMPARE(form->farbe(form->Tippreihe(j)), TForm6::gelb());
      }
      QCOMPARE(form->Tippreihe(i), gezeigt);
    }
    const int letzte = form->Tippreihe(5);
    druecke();
    QVERIFY(!form->dreht());
    QCOMPARE(form->BitBtn4->text(), QStringLiteral("Zufall"));
    QCOMPARE(form->Losgeht(), 1);
    QCOMPARE(form->Tippreihe(5), letzte);
    std::set<int> zahlen;
    int gelbe = 0;
    for (int n = 1; n <= 55; ++n) {
      if (form->box(n)->isChecked()) zahlen.insert(n);
      if (form->farbe(n) == TForm6::gelb()) ++gelbe;
    }
    std::set<int> reihe;
    for (int i = 1; i <= 5; ++i) reihe.insert(form->Tippreihe(i));
    QCOMPARE(zahlen.size(), size_t(5));
    QCOMPARE(zahlen, reihe);
    QCOMPARE(gelbe, 5);
  }

  void drehungMitTimerUndSchliessen() {
    form->MaxTipp = 5;
    form->Zufall = QStringLiteral("Zufall");
    form->Stopp = QStringLiteral("Stopp");
    form->BitBtn4->show();
    QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
    QTRY_COMPARE(form->BitBtn4->text(), QStringLiteral("1 Stopp"));  // the 25-ms timer spins it
    QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
    QCOMPARE(form->Losgeht(), 2);
    form->close();
    QVERIFY(!form->dreht());
    QCOMPARE(form->BitBtn4->text(), QStringLiteral("Zufall"));
    QCOMPARE(form->Losgeht(), 1);
  }

  // Zoomed with the main window, the status text keeps its full height.
  void statustextImZoom_data() {
    QTest::addColumn<double>("faktor");
    QTest::newRow("groesser") << 700.0 / 546.0;
    QTest::newRow("kleiner") << 400.0 / 546.0;
  }
  void statustextImZoom() {
    QFETCH(double, faktor);
    plattform::zoomen(form.get(), faktor);
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(5, 5), form->box(51)->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->box(51), &bewegung);
    QLabel* text = form->StatusBar1->panelLabel(0);
    QCOMPARE(text->text(), status(51, QString()));
    QTRY_COMPARE(text->parentWidget()->height(), QFontMetrics(text->font()).height());
    QCOMPARE(text->height(), text->parentWidget()->height());
    QVERIFY(text->parentWidget()->geometry().bottom() < form->StatusBar1->height());
  }

  // Callers may set bounds outside the boxes; the loops stay within them.
  void grenzenDerDrehung() {
    form->MaxZahl = 3;
    form->MaxTipp = 40;
    form->BitBtn4->show();
    QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
    for (int i = 0; i < 5; ++i) form->Timer1Timer();
    for (int n = 1; n <= 3; ++n) QVERIFY(form->box(n)->isChecked());
    QVERIFY(!form->box(4)->isChecked());
    form->MaxZahl = 0;
    form->Timer1Timer();
    QVERIFY(form->box(1)->isChecked());
    form->close();
  }
};

QTEST_MAIN(TstZahlenwahl)
#include "tst_zahlenwahl.moc"
