#include <QtTest>

#include <QFileInfo>
#include <limits>

#include "plattform/fehler.h"
#include "shell/lebenszyklus.h"
#include "shell/ziehungsdaten.h"

class TstLebenszyklus : public QObject {
  Q_OBJECT
  QTemporaryDir ordner_;
  QString datei(const char* name) const { return ordner_.path() + QLatin1Char('/') + QLatin1String(name); }

 private slots:
  void startdatum_data() {
    QTest::addColumn<int>("tageVorHeute");  // 9999: no valid date
    QTest::addColumn<bool>("bleibt");
    QTest::newRow("heute") << 0 << false;
    QTest::newRow("3 Tage") << 3 << false;
    QTest::newRow("6 Tage") << 6 << false;
    QTest::newRow("7 Tage") << 7 << true;
    QTest::newRow("8 Tage") << 8 << true;
    QTest::newRow("ein Jahr") << 365 << true;
    QTest::newRow("morgen") << -1 << false;
    QTest::newRow("ungültig") << 9999 << false;
  }
  void startdatum() {
    QFETCH(int, tageVorHeute);
    QFETCH(bool, bleibt);
    const QDate heute(2024, 3, 1);  // across the end of February
    const QDate start = tageVorHeute == 9999 ? QDate() : heute.addDays(-tageVorHeute);
    QCOMPARE(startdatumNachRegel(start, heute), bleibt ? start : QDate(2018, 2, 7));
  }

  // The data folder is made when missing and left as it is when present; a folder that cannot
  // be made is an error naming it.
  void datenordner() {
    const QString ordner = datei("ZahlenKennerQV");
    legeDatenordnerAn(ordner);
    QVERIFY(QFileInfo(ordner).isDir());
    QFile f(ordner + "/bleibt.txt");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    legeDatenordnerAn(ordner);
    QVERIFY(QFile::exists(ordner + "/bleibt.txt"));
    try {
      legeDatenordnerAn(datei("fehlt/ZahlenKennerQV"));
      QFAIL("no error");
    } catch (const plattform::Fehler& e) {
      QVERIFY(e.text().contains(datei("fehlt/ZahlenKennerQV")));
    }
  }

  void nutzbareGroesse_data() {
    QTest::addColumn<int>("gespeichert");
    QTest::addColumn<int>("entworfen");
    QTest::addColumn<int>("verfuegbar");
    QTest::addColumn<int>("ergebnis");  // -1: the designed extent
    QTest::newRow("entworfen") << 546 << 546 << 1000 << 546;
    QTest::newRow("halb") << 273 << 546 << 1000 << 273;
    QTest::newRow("unter halb") << 272 << 546 << 1000 << -1;
    QTest::newRow("ungerade Hälfte") << 289 << 577 << 1000 << 289;
    QTest::newRow("ungerade darunter") << 288 << 577 << 1000 << -1;
    QTest::newRow("Bildschirm") << 1000 << 546 << 1000 << 1000;
    QTest::newRow("über Bildschirm") << 1001 << 546 << 1000 << -1;
    QTest::newRow("0") << 0 << 546 << 1000 << -1;
    QTest::newRow("größte Zahl") << std::numeric_limits<int>::max() << 546 << 1000 << -1;
  }
  void nutzbareGroesse() {
    QFETCH(int, gespeichert);
    QFETCH(int, entworfen);
    QFETCH(int, verfuegbar);
    QFETCH(int, ergebnis);
    QCOMPARE(::nutzbareGroesse(gespeichert, entworfen, verfuegbar).value_or(-1), ergebnis);
  }

  void sternenzahl() {
    QCOMPARE(sternenzahlMax(QDate(2014, 10, 3)), 8);
    QCOMPARE(sternenzahlMax(QDate(2014, 10, 4)), 10);
    QCOMPARE(sternenzahlMax(QDate(2030, 1, 1)), 10);
  }

  void saatkopieGanzeSaetze_data() {
    QTest::addColumn<int>("laenge");
    QTest::addColumn<int>("kopiert");
    QTest::newRow("100 Bytes") << 100 << 96;
    QTest::newRow("genau 2") << 64 << 64;
    QTest::newRow("kürzer als einer") << 31 << 0;
    QTest::newRow("leer") << 0 << 0;
  }
  void saatkopieGanzeSaetze() {
    QFETCH(int, laenge);
    QFETCH(int, kopiert);
    QByteArray quelle;
    for (int i = 0; i < laenge; ++i) quelle.append(static_cast<char>(i * 7));
    QFile f(datei("quelle.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(quelle);
    f.close();
    QFile::remove(datei("ziel.dat"));
    Ziehungsdaten::kopiereGanzeSaetze(datei("quelle.dat"), datei("ziel.dat"));
    QFile z(datei("ziel.dat"));
    QVERIFY(z.open(QIODevice::ReadOnly));
    QCOMPARE(z.readAll(), quelle.left(kopiert));
  }
  void saatkopieFehler() {
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, Ziehungsdaten::kopiereGanzeSaetze(datei("fehlt.dat"), datei("z.dat")));
    QVERIFY(!QFile::exists(datei("z.dat")));
    QFile f(datei("q.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(32, 'a'));
    f.close();
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, Ziehungsdaten::kopiereGanzeSaetze(datei("q.dat"), datei("fehlt/z.dat")));
  }

  void deutschesDatum_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("datum");  // invalid: fails
    QTest::newRow("1.8.1995") << "1.8.1995" << QDate(1995, 8, 1);
    QTest::newRow("führende Nullen") << "01.08.1995" << QDate(1995, 8, 1);
    QTest::newRow("zweistellig") << "1.8.95" << QDate(1995, 8, 1);
    QTest::newRow("zweistellig neu") << "7.2.18" << QDate(2018, 2, 7);
    QTest::newRow("kein Tag") << "31.2.2000" << QDate();
    QTest::newRow("Bindestriche") << "1-8-1995" << QDate();
    QTest::newRow("zwei Teile") << "1.8" << QDate();
    QTest::newRow("Buchstaben") << "1.Aug.1995" << QDate();
    QTest::newRow("leer") << "" << QDate();
  }
  void deutschesDatum() {
    QFETCH(QString, text);
    QFETCH(QDate, datum);
    const Formateinstellungen f;
    if (datum.isValid()) QCOMPARE(f.StrToDate(text), datum);
    else QVERIFY_THROWS_EXCEPTION(plattform::Fehler, f.StrToDate(text));
  }
};

QTEST_GUILESS_MAIN(TstLebenszyklus)
#include "tst_lebenszyklus.moc"
