#include <QtTest>

#include <sys/stat.h>

#include "output/tippdatei.h"
#include "plattform/fehler.h"
#include "plattform/textdatei.h"

using tippdatei::Blatt;
using tippdatei::Feldtexte;
using tippdatei::Form;

namespace {
Feldtexte reihe(std::initializer_list<const char*> texte) {
  Feldtexte f;
  size_t i = 0;
  for (const char* t : texte) f[i++] = QString::fromUtf8(t);
  return f;
}

// Rows 1 and 3 filled (row 3 with extras), row 2 empty, row 4 without its first number.
Blatt beispielblatt() {
  Blatt b;
  b[0] = reihe({"3", "12", "25", "33", "47", "", ""});
  b[2] = reihe({"1", "2", "3", "4", "5", "4", "9"});
  b[3] = reihe({"", "8", "9", "10", "11", "", ""});
  return b;
}

QByteArray lies(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibeRoh(const QString& pfad, const QByteArray& bytes) {
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QString fehlerText(const std::function<void()>& f) {
  try {
    f();
  } catch (const plattform::Fehler& e) {
    return e.text();
  }
  return QStringLiteral("<kein Fehler>");
}
}  // namespace

class TstTippdatei : public QObject {
  Q_OBJECT
  QTemporaryDir ordner_;
  QString pfad(const QString& name) const { return ordner_.path() + QLatin1Char('/') + name; }

 private slots:
  void cleanup() {
    plattform::schreibfehlerNach(-1);
    plattform::zugriffVerweigertIn(QString());
  }

  void formen_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QByteArray>("bytes");
    const QStringList liste{QStringLiteral("1\t2\t3\t4\t5"), QStringLiteral("6\t7\t8\t9\t10\t\t\t2\t3"), QString()};
    QTest::newRow("voll") << int(Form::voll) << liste << QByteArray("3,12,25,33,47,,\r\n1,2,3,4,5,4,9\r\n");
    QTest::newRow("kurz") << int(Form::kurz) << liste << QByteArray("3,12,25,33,47\r\n1,2,3,4,5\r\n");
    QTest::newRow("liste") << int(Form::liste) << liste
                           << QByteArray("1\t2\t3\t4\t5\r\n6\t7\t8\t9\t10\t\t\t2\t3\r\n\r\n");
    QTest::newRow("leere Liste") << int(Form::liste) << QStringList() << QByteArray();
  }
  void formen() {
    QFETCH(int, form);
    QFETCH(QStringList, liste);
    QFETCH(QByteArray, bytes);
    tippdatei::schreibe(pfad(QStringLiteral("f.zpk")), Form(form), beispielblatt(), liste);
    QCOMPARE(lies(pfad(QStringLiteral("f.zpk"))), bytes);
  }

  void feldtexteWieSieStehen() {
    // No zeros or blanks are added, and a filled first field is enough for a line.
    Blatt b;
    b[5] = reihe({"07", "", "x", "", "", "10", ""});
    QCOMPARE(tippdatei::zeilen(Form::voll, b, {}), QStringList{QStringLiteral("07,,x,,,10,")});
    QCOMPARE(tippdatei::zeilen(Form::kurz, b, {}), QStringList{QStringLiteral("07,,x,,")});
  }

  void leeresBlattUndUeberschreiben() {
    const QString p = pfad(QStringLiteral("leer.zpk"));
    tippdatei::schreibe(p, Form::voll, beispielblatt(), {});
    tippdatei::schreibe(p, Form::voll, Blatt{}, {});
    QVERIFY(QFile::exists(p));
    QCOMPARE(lies(p), QByteArray());
  }

  void datumsname_data() {
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<int>("tage");
    QTest::addColumn<QString>("name");
    QTest::newRow("Februarende +7") << QDate(2026, 2, 28) << 7 << "20260307.zpk";
    QTest::newRow("Februarende +1") << QDate(2026, 2, 28) << 1 << "20260301.zpk";
    QTest::newRow("Schaltjahr +1") << QDate(2028, 2, 28) << 1 << "20280229.zpk";
    QTest::newRow("Jahreswechsel") << QDate(2026, 12, 28) << 7 << "20270104.zpk";
  }
  void datumsname() {
    QFETCH(QDate, datum);
    QFETCH(int, tage);
    QFETCH(QString, name);
    QCOMPARE(tippdatei::datumsname(datum, tage), name);
  }

  void schreibfehlerLassenAlteDatei_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("verweigert");
    QTest::addColumn<QString>("meldung");  // %1 = path
    QTest::newRow("Liste voll") << int(Form::liste) << false
                                << "Datei \"%1\" kann nicht erstellt werden. Auf dem Datenträger ist nicht genügend "
                                   "Speicherplatz.";
    QTest::newRow("Liste verweigert") << int(Form::liste) << true << "Datei \"%1\" kann nicht erstellt werden. Zugriff verweigert.";
    QTest::newRow("Blatt voll") << int(Form::voll) << false << "Auf dem Datenträger ist nicht genügend Speicherplatz.";
    QTest::newRow("Blatt verweigert") << int(Form::voll) << true << "Dateizugriff verweigert";
    QTest::newRow("kurz verweigert") << int(Form::kurz) << true << "Dateizugriff verweigert";
  }
  void schreibfehlerLassenAlteDatei() {
    QFETCH(int, form);
    QFETCH(bool, verweigert);
    QFETCH(QString, meldung);
    const QString p = pfad(QStringLiteral("alt.zpk"));
    schreibeRoh(p, "9,8,7,6,5\r\n");
    if (verweigert)
      plattform::zugriffVerweigertIn(ordner_.path());
    else
      plattform::schreibfehlerNach(0);
    QCOMPARE(fehlerText([&] { tippdatei::schreibe(p, Form(form), beispielblatt(), {QStringLiteral("1\t2\t3\t4\t5")}); }),
             meldung.arg(p));
    QCOMPARE(lies(p), QByteArray("9,8,7,6,5\r\n"));
  }

  void tippordner() {
    QTemporaryDir home;
    QCOMPARE(tippdatei::tippordner(home.path()), home.path() + QStringLiteral("/Tipps/"));
    tippdatei::tippordnerAnlegen(home.path());
    QVERIFY(QFileInfo(home.path() + QStringLiteral("/Tipps")).isDir());
    tippdatei::tippordnerAnlegen(home.path());  // already there: nothing to do

    // A hand-off writes its fixed name there and returns it.
    const QString p = tippdatei::schreibeUebergabe(home.path(), QDate(2026, 2, 28), 1, false, beispielblatt(), {});
    QCOMPARE(p, home.path() + QStringLiteral("/Tipps/20260301.zpk"));
    QCOMPARE(lies(p), QByteArray("3,12,25,33,47\r\n1,2,3,4,5\r\n"));
    const QString l =
        tippdatei::schreibeUebergabe(home.path(), QDate(2026, 2, 28), 7, true, beispielblatt(), {QStringLiteral("1\t2")});
    QCOMPARE(lies(l), QByteArray("1\t2\r\n"));
  }
  void tippordnerNichtAnlegbar() {
    // A file named "Tipps" stands where the folder belongs.
    QTemporaryDir home;
    schreibeRoh(home.path() + QStringLiteral("/Tipps"), "kein Ordner");
    const QString meldung = QStringLiteral("Das Verzeichnis %1/Tipps/ kann nicht erstellt werden.").arg(home.path());
    QCOMPARE(fehlerText([&] { tippdatei::tippordnerAnlegen(home.path()); }), meldung);
    QCOMPARE(fehlerText([&] { tippdatei::schreibeUebergabe(home.path(), QDate(2026, 1, 1), 1, false, beispielblatt(), {}); }),
             meldung);
    QCOMPARE(lies(home.path() + QStringLiteral("/Tipps")), QByteArray("kein Ordner"));
  }

  void teileZeile_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QStringList>("felder");
    QTest::newRow("voll") << "1,2,3,4,5,4,9" << QStringList{"1", "2", "3", "4", "5", "4", "9"};
    QTest::newRow("kurz") << "1,2,3,4,5" << QStringList{"1", "2", "3", "4", "5", "", ""};
    QTest::newRow("ohne Extras") << "3,12,25,33,47,," << QStringList{"3", "12", "25", "33", "47", "", ""};
    QTest::newRow("Rest im siebten") << "1,2,3,4,5,6,7,8,9" << QStringList{"1", "2", "3", "4", "5", "6", "7,8,9"};
    QTest::newRow("drei Felder") << "07,56,3" << QStringList{"07", "56", "3", "", "", "", ""};
    QTest::newRow("Listenzeile") << "3\t12\t25\t33\t47" << QStringList{"3\t12\t25\t33\t47", "", "", "", "", "", ""};
    QTest::newRow("leer") << "" << QStringList{"", "", "", "", "", "", ""};
    QTest::newRow("nur Kommas") << ",,,,,,,," << QStringList{"", "", "", "", "", "", ",,"};
  }
  void teileZeile() {
    QFETCH(QString, zeile);
    QFETCH(QStringList, felder);
    const Feldtexte f = tippdatei::teileZeile(zeile);
    QCOMPARE(QStringList(f.begin(), f.end()), felder);
  }

  void blattAusZeilen() {
    QStringList fuenfzehn;
    for (int i = 1; i <= 15; ++i) fuenfzehn << QStringLiteral("%1,2,3,4,5").arg(i);
    const Blatt b = tippdatei::blattAusZeilen(fuenfzehn);
    QCOMPARE(b[0][0], QStringLiteral("1"));
    QCOMPARE(b[11][0], QStringLiteral("12"));

    const Blatt drei = tippdatei::blattAusZeilen({"1,2,3,4,5,1,2", "6,7,8,9,10,3,4", "11,12,13,14,15,5,6"});
    QCOMPARE(drei[2][6], QStringLiteral("6"));
    for (size_t k = 3; k < 12; ++k)
      for (const QString& t : drei[k]) QVERIFY(t.isEmpty());
  }

  void listeAusZeilen_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("liste");
    QTest::newRow("voll") << "3,12,25,33,47,4,9" << "3\t12\t25\t33\t47\t4\t9";
    QTest::newRow("voll ohne Extras") << "3,12,25,33,47,," << "3\t12\t25\t33\t47\t\t";
    QTest::newRow("kurz") << "3,12,25,33,47" << "3\t12\t25\t33\t47";
    QTest::newRow("Blanks") << "3  12   25 33 47" << "3\t12\t25\t33\t47";
    QTest::newRow("Blanks und Kommas") << "3, 12 ,25" << "3\t\t12\t\t25";
    QTest::newRow("Rand gestutzt") << " \t 1,2,3,4,5 \t\r" << "1\t2\t3\t4\t5";
    // Four halvings shrink up to 16 blanks to one; 17 leave two.
    QTest::newRow("16 Blanks") << "1" + QString(16, ' ') + "2" << "1\t2";
    QTest::newRow("17 Blanks") << "1" + QString(17, ' ') + "2" << "1\t\t2";
    QTest::newRow("Langform bleibt") << "1\t2\t3\t4\t5\t\t\t4\t9" << "1\t2\t3\t4\t5\t\t\t4\t9";
    QTest::newRow("leer") << "" << "";
  }
  void listeAusZeilen() {
    QFETCH(QString, zeile);
    QFETCH(QString, liste);
    QCOMPARE(tippdatei::listeAusZeilen({zeile}), QStringList{liste});
  }

  void lesen_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("ANSI") << QByteArray("1,2,3,4,5\r\n\xE4,6\r\n") << QStringList{"1,2,3,4,5", QString::fromUtf8("ä,6")};
    QTest::newRow("ohne letztes Zeilenende") << QByteArray("1\r\n2") << QStringList{"1", "2"};
    QByteArray utf16("\xFF\xFE", 2);
    for (const char c : QByteArray("1\t2\t3\t4\t5\r\n6\t7\t8\t9\t10\r\n")) utf16.append(c).append('\0');
    QTest::newRow("UTF-16 mit BOM") << utf16 << QStringList{"1\t2\t3\t4\t5", "6\t7\t8\t9\t10"};
    QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBF\xC3\xA4") << QStringList{QString::fromUtf8("ä")};
  }
  void lesen() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, zeilen);
    schreibeRoh(pfad(QStringLiteral("l.zpk")), bytes);
    QCOMPARE(tippdatei::lies(pfad(QStringLiteral("l.zpk"))), zeilen);
  }

  // Files no tip file can be: refused with the same message, quickly, without reading them whole.
  void keineTippdatei_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("art");  // "" the bytes as a file; else a link to a device, a pipe, a sparse file
    QTest::newRow("NUL") << QByteArray("1,2,3\r\n4\0,5\r\n", 13) << "";
    QTest::newRow("zu gross") << QByteArray(tippdatei::kGroesseMax + 1, '1') << "";
    QTest::newRow("14-MiB-Zeile") << "1,2,3,4,5\r\n" + QByteArray(14 * 1024 * 1024, '7') << "";
    QTest::newRow("Zeile zu lang") << QByteArray(listenzeile::kZeileMax + 1, '7') + "\r\n1,2,3,4,5\r\n" << "";
    QByteArray utf16("\xFF\xFE", 2);
    for (qsizetype i = 0; i <= listenzeile::kZeileMax; ++i) utf16.append('7').append('\0');
    QTest::newRow("UTF-16-Zeile zu lang") << utf16 << "";
    QTest::newRow("Verweis auf /dev/zero") << QByteArray() << "/dev/zero";
    QTest::newRow("Verweis auf /dev/urandom") << QByteArray() << "/dev/urandom";
    QTest::newRow("Pipe") << QByteArray() << "pipe";
    QTest::newRow("1 GiB dünn") << QByteArray() << "duenn";
  }
  void keineTippdatei() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, art);
    const QString p = pfad(QStringLiteral("k.zpk"));
    QFile::remove(p);
    if (art.isEmpty()) {
      schreibeRoh(p, bytes);
    } else if (art == "pipe") {
      QCOMPARE(::mkfifo(QFile::encodeName(p).constData(), 0600), 0);
    } else if (art == "duenn") {
      QFile f(p);
      QVERIFY(f.open(QIODevice::WriteOnly));
      QVERIFY(f.resize(qint64(1) << 30));
    } else {
      QVERIFY(QFile::link(art, p));
    }
    QElapsedTimer uhr;
    uhr.start();
    QCOMPARE(fehlerText([&] { tippdatei::lies(p); }), QStringLiteral("Die Datei \"%1\" ist keine Tippdatei.").arg(p));
    QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
    QFile::remove(p);
  }
  void laengsteZeile() {
    const QString p = pfad(QStringLiteral("lang.zpk"));
    const QString zeile(listenzeile::kZeileMax, QLatin1Char('7'));
    schreibeRoh(p, zeile.toLatin1() + "\r\n");
    QCOMPARE(tippdatei::lies(p), QStringList{zeile});
  }
  void unlesbar() {
    QDir(ordner_.path()).mkdir(QStringLiteral("ordner.zpk"));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, tippdatei::lies(pfad(QStringLiteral("ordner.zpk"))));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, tippdatei::lies(pfad(QStringLiteral("fehlt.zpk"))));
  }
};

QTEST_GUILESS_MAIN(TstTippdatei)
#include "tst_tippdatei.moc"
