#include <QtTest>

#include <sys/stat.h>

#include "hilfen/testumgebung.h"
#include "plattform/fehler.h"
#include "plattform/textdatei.h"
#include "shell/werteliste.h"

namespace {
// Every box: tick and weight, for comparing whole states.
QStringList zustand(const Werteliste& w) {
  QStringList l;
  for (int n = 1; n <= Werteliste::kAnzahl; ++n)
    l << (w.haken(n) ? QStringLiteral("x") : QStringLiteral("-")) + w.gewicht(n);
  return l;
}

QString fehlerText(const std::function<void()>& f) {
  try {
    f();
  } catch (const plattform::Fehler& e) {
    return e.text();
  }
  return {};
}
}  // namespace

class TstWerteliste : public QObject {
  Q_OBJECT
 private slots:
  void init() { plattform::schreibfehlerNach(-1); }

  void startzustand() {
    Werteliste w;
    for (int n = 1; n <= 55; ++n) {
      QVERIFY(w.haken(n));
      QVERIFY(w.gewicht(n).isEmpty());
    }
    QVERIFY(!w.minus());
    QVERIFY(!w.haken(0));
    QVERIFY(!w.haken(56));
    w.setzeGewicht(56, QStringLiteral("3"));  // out of range: ignored, no crash
    QVERIFY(w.gewicht(56).isEmpty());
  }

  // What a tick change or a rule run does to a box, from a given tick, weight and Minus.
  void regel_data() {
    QTest::addColumn<bool>("vorher");
    QTest::addColumn<QString>("gewicht");
    QTest::addColumn<bool>("minus");
    QTest::addColumn<QString>("aktion");  // "an", "aus" (tick change) or "regel" (right press)
    QTest::addColumn<bool>("nachher");
    QTest::addColumn<QString>("gewichtNachher");
    QTest::newRow("ankreuzen hebt") << false << "2" << false << "an" << true << "3";
    QTest::newRow("abwaehlen laesst") << true << "3" << false << "aus" << false << "3";
    QTest::newRow("rechts auf 1 wird 0 und aus") << true << "1" << true << "regel" << false << "0";
    QTest::newRow("rechts auf 4 senkt") << true << "4" << true << "regel" << true << "3";
    QTest::newRow("rechts auf abgewaehlt aendert nichts") << false << "2" << true << "regel" << false << "2";
    QTest::newRow("nach rechts senkt ankreuzen") << false << "3" << true << "an" << true << "2";
    QTest::newRow("nach rechts bleibt 0 aus") << false << "0" << true << "an" << false << "0";
    QTest::newRow("nach rechts 1 wird 0 und aus") << false << "1" << true << "an" << false << "0";
    QTest::newRow("leeres Gewicht angekreuzt") << false << "" << false << "an" << false << "0";
    QTest::newRow("Buchstaben angekreuzt") << false << "abc" << false << "an" << false << "0";
    QTest::newRow("leeres Gewicht abgewaehlt") << true << "" << false << "aus" << false << "0";
    QTest::newRow("Buchstaben abgewaehlt") << true << "abc" << false << "aus" << false << "0";
    QTest::newRow("negativ abgewaehlt") << true << "-5" << false << "aus" << false << "0";
    QTest::newRow("negativ plus eins") << true << "-5" << false << "regel" << false << "0";
    QTest::newRow("Blanks vorn zaehlen") << false << "  7" << false << "an" << true << "8";
    QTest::newRow("groesste Zahl plus eins") << false << "2147483647" << false << "an" << false << "0";
    QTest::newRow("kleinste Zahl minus eins") << true << "-2147483648" << true << "regel" << false << "0";
    QTest::newRow("groesste Zahl minus eins") << false << "2147483647" << true << "an" << true << "2147483646";
    QTest::newRow("gleicher Haken ohne Regel") << true << "5" << false << "an" << true << "5";
  }
  void regel() {
    QFETCH(bool, vorher);
    QFETCH(QString, gewicht);
    QFETCH(bool, minus);
    QFETCH(QString, aktion);
    QFETCH(bool, nachher);
    QFETCH(QString, gewichtNachher);
    Werteliste w;
    w.setzeRoh(7, vorher, gewicht);
    w.setzeMinus(minus);
    QSignalSpy regelSpy(&w, &Werteliste::regelGelaufen);
    if (aktion == QLatin1String("regel")) w.gewichtsregel(7);
    else w.setzeHaken(7, aktion == QLatin1String("an"));
    QCOMPARE(w.haken(7), nachher);
    QCOMPARE(w.gewicht(7), gewichtNachher);
    QCOMPARE(w.minus(), minus);
    // Only box 7 was touched, and the rule ended at most once (a nested untick reports once).
    for (int n = 1; n <= 55; ++n)
      if (n != 7) QVERIFY(w.haken(n) && w.gewicht(n).isEmpty());
    const bool lief = !(aktion == QLatin1String("an") && vorher);
    QCOMPARE(regelSpy.count(), lief ? 1 : 0);
    if (lief) QCOMPARE(regelSpy.first().first().toInt(), 7);
  }

  void aenderungenWerdenGemeldet() {
    Werteliste w;
    QSignalSpy spy(&w, &Werteliste::geaendert);
    w.setzeGewicht(3, QStringLiteral("2"));
    w.setzeGewicht(3, QStringLiteral("2"));  // same text: nothing to redraw
    QCOMPARE(spy.count(), 1);
    w.setzeHaken(3, false);
    QVERIFY(spy.count() >= 2);
    QCOMPARE(spy.last().first().toInt(), 3);
  }

  void speichern() {
    Testumgebung umgebung;
    Werteliste w;
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, false, QStringLiteral("9"));
    w.setzeRoh(1, true, QStringLiteral("4"));
    w.setzeRoh(2, true, QString());
    w.setzeRoh(55, true, QStringLiteral("12"));
    const QString pfad = umgebung.appdata() + QStringLiteral("liste.zpn");
    w.speichern(pfad, 55);
    QByteArray erwartet = "4\r\n1\r\n";
    for (int n = 3; n <= 54; ++n) erwartet += "\r\n";
    erwartet += "12\r\n";
    QCOMPARE(Testumgebung::lies(pfad), erwartet);
    QCOMPARE(w.gewicht(2), QStringLiteral("1"));  // the empty weight became "1" in the box too
    QCOMPARE(w.gewicht(3), QStringLiteral("9"));  // unticked boxes keep theirs
    QVERIFY(w.haken(2));
  }

  void fehlgeschlagenesSpeichernLaesstAlteDatei() {
    Testumgebung umgebung;
    const QString pfad = umgebung.appdata() + QStringLiteral("liste.zpn");
    Testumgebung::schreibe(pfad, "alt\r\n");
    Werteliste w;
    plattform::schreibfehlerNach(0);
    const QString text = fehlerText([&] { w.speichern(pfad, 55); });
    plattform::schreibfehlerNach(-1);
    QVERIFY(!text.isEmpty());
    QCOMPARE(Testumgebung::lies(pfad), QByteArray("alt\r\n"));
  }

  // Save then load gives back every tick and weight, whatever Minus says.
  void speichernUndLaden_data() {
    QTest::addColumn<bool>("minus");
    QTest::newRow("plus") << false;
    QTest::newRow("minus") << true;
  }
  void speichernUndLaden() {
    QFETCH(bool, minus);
    Testumgebung umgebung;
    Werteliste w;
    for (int n = 1; n <= 55; ++n) {
      if (n % 3 == 0) w.setzeRoh(n, false, QStringLiteral("1"));
      else w.setzeRoh(n, true, QString::number(n % 4));  // ticked boxes at 0 and 1 as well
    }
    w.setzeMinus(minus);
    const QString pfad = umgebung.appdata() + QStringLiteral("liste.zpn");
    w.speichern(pfad, 55);
    const QStringList gespeichert = zustand(w);
    for (int n = 1; n <= 55; ++n) w.setzeRoh(n, n % 2 == 0, QStringLiteral("7"));
    w.laden(pfad, 55);
    QCOMPARE(zustand(w), gespeichert);
    QCOMPARE(w.minus(), minus);
  }

  void ladenWieDieDateiSteht() {
    Testumgebung umgebung;
    const QString pfad = umgebung.appdata() + QStringLiteral("kurz.zpn");
    // Ten lines, LF only, one of letters, one of blanks, one empty.
    Testumgebung::schreibe(pfad, "5\n\n3\nabc\n  \n0\n-2\n8\n9\n10");
    Werteliste w;
    w.laden(pfad, 55);
    const QStringList erwartet{"x5", "-1", "x3", "xabc", "x  ", "x0", "x-2", "x8", "x9", "x10"};
    QCOMPARE(zustand(w).mid(0, 10), erwartet);
    for (int n = 11; n <= 55; ++n) {
      QVERIFY(!w.haken(n));
      QCOMPARE(w.gewicht(n), QStringLiteral("1"));
    }
    // The letters stay until the rule runs for their box.
    w.gewichtsregel(4);
    QVERIFY(!w.haken(4));
    QCOMPARE(w.gewicht(4), QStringLiteral("0"));
  }

  void ladenMitKleinererMaxZahlUndUeberlangerDatei() {
    Testumgebung umgebung;
    const QString pfad = umgebung.appdata() + QStringLiteral("lang.zpn");
    QByteArray inhalt;
    for (int n = 1; n <= 60; ++n) inhalt += QByteArray::number(n) + "\r\n";
    Testumgebung::schreibe(pfad, inhalt);
    Werteliste w;
    w.laden(pfad, 10);
    QCOMPARE(w.gewicht(10), QStringLiteral("10"));
    QVERIFY(w.gewicht(11).isEmpty());  // beyond MaxZahl nothing is read
    w.laden(pfad, 99);                 // clamped to 55; lines past 55 are ignored
    QCOMPARE(w.gewicht(55), QStringLiteral("55"));
    QCOMPARE(w.alsZeilen(10).size(), 10);
  }

  void ungueltigeDateiAendertNichts_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("NUL-Byte") << QByteArray("3\r\n4\0\r\n5\r\n", 9) << "Die Datei bad.zpn ist keine gültige Werteliste.";
    QTest::newRow("1 MB") << QByteArray(1024 * 1024, '7') << "Die Datei bad.zpn ist keine gültige Werteliste.";
    QTest::newRow("eins zu gross") << QByteArray(64 * 1024 + 1, '\n') << "Die Datei bad.zpn ist keine gültige Werteliste.";
  }
  void ungueltigeDateiAendertNichts() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    Testumgebung umgebung;
    const QString pfad = umgebung.appdata() + QStringLiteral("bad.zpn");
    Testumgebung::schreibe(pfad, inhalt);
    Werteliste w;
    w.setzeRoh(4, false, QStringLiteral("6"));
    const QStringList vorher = zustand(w);
    QSignalSpy spy(&w, &Werteliste::geaendert);
    QCOMPARE(fehlerText([&] { w.laden(pfad, 55); }), meldung);
    QCOMPARE(zustand(w), vorher);
    QCOMPARE(spy.count(), 0);
  }

  // A file that never ends, and a pipe that no one writes: refused at once, nothing changes.
  void endloseDateiAendertNichts() {
    Testumgebung umgebung;
    for (const char* art : {"/dev/zero", "pipe"}) {
      const QString pfad = umgebung.appdata() + QStringLiteral("endlos.zpn");
      QFile::remove(pfad);
      if (QByteArray(art) == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
      else QVERIFY(QFile::link(QString::fromLatin1(art), pfad));
      Werteliste w;
      const QStringList vorher = zustand(w);
      QElapsedTimer uhr;
      uhr.start();
      QCOMPARE(fehlerText([&] { w.laden(pfad, 55); }), QStringLiteral("Die Datei endlos.zpn ist keine gültige Werteliste."));
      QVERIFY(uhr.elapsed() < 2000);
      QCOMPARE(zustand(w), vorher);
    }
  }

  void genau64KiBWerdenGelesen() {
    Testumgebung umgebung;
    const QString pfad = umgebung.appdata() + QStringLiteral("gross.zpn");
    Testumgebung::schreibe(pfad, "2\r\n" + QByteArray(64 * 1024 - 3, '\n'));
    Werteliste w;
    w.laden(pfad, 55);
    QCOMPARE(w.gewicht(1), QStringLiteral("2"));
    QVERIFY(!w.haken(2));
  }

  void fehlendeDatei() {
    Testumgebung umgebung;
    Werteliste w;
    const QString pfad = umgebung.appdata() + QStringLiteral("fehlt.zpn");
    QCOMPARE(fehlerText([&] { w.laden(pfad, 55); }), QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(pfad));
    QVERIFY(w.haken(1));
  }

  void ansiZeichen() {
    Testumgebung umgebung;
    const QString pfad = umgebung.appdata() + QStringLiteral("ansi.zpn");
    Testumgebung::schreibe(pfad, "\xe4\x80\r\n");
    Werteliste w;
    w.laden(pfad, 55);
    QCOMPARE(w.gewicht(1), QString::fromUtf8("ä€"));
    w.speichern(pfad, 55);
    QVERIFY(Testumgebung::lies(pfad).startsWith("\xe4\x80\r\n\r\n"));
  }

  void status_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("deutsch") << "Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein"
                             << "Die Zahl 5 geht mit der Gewichtung 2 in die Berechnung ein";
    QTest::newRow("ein Platzhalter") << "Zahl %s" << "Zahl 5";
    QTest::newRow("keiner") << "Zahl" << "Zahl";
    QTest::newRow("drei") << "%s/%s/%s" << "5/2/%s";
    QTest::newRow("Qt-Platzhalter bleiben") << "%1 %s %2 %s" << "%1 5 %2 2";
  }
  void status() {
    QFETCH(QString, format);
    QFETCH(QString, text);
    QCOMPARE(wertelisteStatus(format, QStringLiteral("5"), QStringLiteral("2")), text);
    // A caption holding the placeholder is not replaced again.
    QCOMPARE(wertelisteStatus(QStringLiteral("%s:%s"), QStringLiteral("%s"), QStringLiteral("2")), QStringLiteral("%s:2"));
  }

  void grenzen_data() {
    QTest::addColumn<int>("maxZahl");
    QTest::addColumn<int>("maxTipp");
    QTest::addColumn<int>("zahl");
    QTest::addColumn<int>("tipp");
    QTest::newRow("ueblich") << 55 << 5 << 55 << 5;
    QTest::newRow("zu gross") << 99 << 40 << 55 << 26;
    QTest::newRow("null") << 0 << 0 << 1 << 1;
    QTest::newRow("negativ") << -3 << -1 << 1 << 1;
    QTest::newRow("Tipp ueber MaxZahl") << 4 << 5 << 4 << 4;
  }
  void grenzen() {
    QFETCH(int, maxZahl);
    QFETCH(int, maxTipp);
    QFETCH(int, zahl);
    QFETCH(int, tipp);
    QCOMPARE(Werteliste::begrenzeMaxZahl(maxZahl), zahl);
    QCOMPARE(Werteliste::begrenzeMaxTipp(maxTipp, maxZahl), tipp);
  }
};

QTEST_GUILESS_MAIN(TstWerteliste)
#include "tst_werteliste.moc"
