#include <QtTest>

#include "output/tippausdruck.h"
#include "plattform/fehler.h"
#include "plattform/textdatei.h"
#include "shell/meldungstabelle.h"

namespace {
tippdatei::Feldtexte reihe(std::initializer_list<const char*> texte) {
  tippdatei::Feldtexte f;
  size_t i = 0;
  for (const char* t : texte) f[i++] = QString::fromUtf8(t);
  return f;
}

const QStringList kKopf{QStringLiteral("Kestrells Lotto-Tipp für  11.05.26"), QString(46, QLatin1Char('~')), QString()};

QString fehlerText(const std::function<void()>& f) {
  try {
    f();
  } catch (const plattform::Fehler& e) {
    return e.text();
  }
  return QStringLiteral("<kein Fehler>");
}

QByteArray lies(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
}  // namespace

class TstTippausdruck : public QObject {
  Q_OBJECT
  Meldungstabelle m_;
  const QDate mai11_{2026, 5, 11};

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void cleanup() { plattform::schreibfehlerNach(-1); }

  void datumDerTipps() {
    QCOMPARE(tippausdruck::datumDerTipps(QDate(2026, 5, 10), QDate(2026, 1, 1), true), QDate(2026, 5, 11));
    QCOMPARE(tippausdruck::datumDerTipps(QDate(2026, 5, 10), QDate(2026, 1, 1), false), QDate(2026, 5, 17));
    // No current draw yet: the end date stands in.
    QCOMPARE(tippausdruck::datumDerTipps(QDate(), QDate(2026, 1, 1), true), QDate(2026, 1, 2));
  }

  void leer() {
    QCOMPARE(tippausdruck::zeilen(m_, mai11_, true, {}, {}), kKopf);
    QCOMPARE(tippausdruck::zeilen(m_, mai11_, false, {}, {}), kKopf);
  }

  void blattMitLuecke() {
    tippdatei::Blatt b;
    b[0] = reihe({"3", "12", "25", "33", "47", "4", "9"});
    b[2] = reihe({"1", "2", "03", "4", "55", "", ""});
    b[11] = reihe({"6", "7", "8", "9", "10", "", ""});
    const QStringList z = tippausdruck::zeilen(m_, mai11_, false, b, {});
    QCOMPARE(z.mid(3), (QStringList{QStringLiteral(" 1. Tipp:  3   12   25   33   47"),
                                   QStringLiteral(" 3. Tipp:  1    2    3    4   55"),
                                   QStringLiteral("12. Tipp:  6    7    8    9   10")}));
  }

  void liste() {
    QStringList l;
    for (int i = 0; i < 1000; ++i) l << QStringLiteral("1\t2\t3\t4\t5");
    l[0] = QStringLiteral("3\t12\t25\t33\t47\t\t\t4\t9");  // extras are not printed
    l[1] = QStringLiteral("3\t\t\t12\t25\t33\t47");         // three TABs count as one
    const QStringList z = tippausdruck::zeilen(m_, mai11_, true, {}, l);
    QCOMPARE(z.size(), 1003);
    QCOMPARE(z[3], QStringLiteral("  1. Tipp:  3   12   25   33   47"));
    QCOMPARE(z[4], QStringLiteral("  2. Tipp:  3   12   25   33   47"));
    QCOMPARE(z[3 + 98], QStringLiteral(" 99. Tipp:  1    2    3    4    5"));
    QCOMPARE(z[3 + 999], QStringLiteral("1000. Tipp:  1    2    3    4    5"));
  }

  void keineZahl_data() {
    QTest::addColumn<bool>("listenansicht");
    QTest::addColumn<QString>("text");  // the one field or line that does not read
    QTest::addColumn<QString>("meldung");
    QTest::newRow("leeres fünftes Feld") << false << "" << "'' ist kein gültiger Integerwert";
    QTest::newRow("kurze Listenzeile") << true << "1\t2\t3" << "'' ist kein gültiger Integerwert";
    QTest::newRow("Text in der Liste") << true << "1\tx\t3\t4\t5" << "'x' ist kein gültiger Integerwert";
  }
  void keineZahl() {
    QFETCH(bool, listenansicht);
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    tippdatei::Blatt b;
    b[0] = reihe({"1", "2", "3", "4", "5"});
    b[1] = reihe({"1", "2", "3", "4", ""});
    b[1][4] = text;
    const QStringList l{QStringLiteral("1\t2\t3\t4\t5"), text};
    QCOMPARE(fehlerText([&] { tippausdruck::zeilen(m_, mai11_, listenansicht, b, l); }), meldung);
  }

  void datei() {
    QTemporaryDir home;
    QStringList z = kKopf;
    z << QStringLiteral("  1. Tipp:  3   12   25   33   47");
    const QString pfad = tippausdruck::schreibe(home.path(), z);
    QCOMPARE(pfad, home.path() + QStringLiteral("/Tipp.txt"));
    QCOMPARE(lies(pfad), QByteArray("Kestrells Lotto-Tipp f\xFCr  11.05.26\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
                                    "\r\n  1. Tipp:  3   12   25   33   47\r\n"));

    // Letters the ANSI code page lacks: UTF-8 with a byte-order mark, nothing lost.
    Meldungstabelle ru;
    QStringList texte = ru.zeilen();
    texte[28] = QString::fromUtf8("Совет");
    texte[32] = QString::fromUtf8("Советы Kestrell на ");
    ru.ersetzen(texte);
    tippausdruck::schreibe(home.path(), tippausdruck::zeilen(ru, mai11_, true, {}, {QStringLiteral("1\t2\t3\t4\t5")}));
    QCOMPARE(lies(pfad), QByteArray("\xEF\xBB\xBF") +
                             QString::fromUtf8("Советы Kestrell на  11.05.26\r\n%1\r\n\r\n  1. Совет:  1    2    3    4    5\r\n")
                                 .arg(QString(46, QLatin1Char('~')))
                                 .toUtf8());

    // A write that fails leaves the older list.
    const QByteArray vorher = lies(pfad);
    plattform::schreibfehlerNach(0);
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, tippausdruck::schreibe(home.path(), kKopf));
    QCOMPARE(lies(pfad), vorher);
  }
};

QTEST_GUILESS_MAIN(TstTippausdruck)
#include "tst_tippausdruck.moc"
