#include <QtTest>

#include "shell/meldungstabelle.h"

class TstMeldungstabelle : public QObject {
  Q_OBJECT
 private slots:
  void eingebaut_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("2") << 2 << QString::fromUtf8("Keine Gewähr für die Richtigkeit der Zahlen!");
    QTest::newRow("4 mit Blank davor") << 4 << QStringLiteral(" aus dem Internet neu aufbauen??");
    QTest::newRow("12 mit zwei Blanks danach") << 12 << QStringLiteral("Ein Treffer am  ");
    QTest::newRow("13") << 13 << QStringLiteral(" gefunden. Weiter?");
    QTest::newRow("14") << 14 << QStringLiteral("Ziehung gefunden");
    QTest::newRow("20") << 20 << QStringLiteral("Stoppen");
    QTest::newRow("55 ohne Blank") << 55 << QStringLiteral("Soll die Analyse der Datenbank jetzt ab dem");
    QTest::newRow("68") << 68 << QString::fromUtf8("Liste löschen?");
    QTest::newRow("69") << 69 << QString();
    QTest::newRow("70") << 70 << QString();
    QTest::newRow("76 eigener Text") << 76 << QStringLiteral("Die Sprachdatei %1 kann nicht gelesen werden.");
    QTest::newRow("83 eigener Text") << 83 << QString::fromUtf8("Die Übertragung ist fehlgeschlagen.");
    QTest::newRow("85 eigener Text") << 85 << QString::fromUtf8("Die Datei %1 ist zu groß.");
    QTest::newRow("87 eigener Text") << 87
                                     << QStringLiteral("Die Ziehungsdaten werden gerade eingelesen. Bitte warten Sie, bis "
                                                       "das Einlesen beendet ist.");
    QTest::newRow("89 eigener Text") << 89 << QString::fromUtf8("Überprüfen Sie den Tipp im Warenkorb!!!");
    QTest::newRow("92 eigener Text") << 92 << QStringLiteral("Export nach Text");
    QTest::newRow("96 mit Anführungszeichen") << 96
                                              << QString::fromUtf8("Die Reportvorlage \"%1\" enthält das Feld %2 nicht.");
    QTest::newRow("99 eigener Text") << 99 << QString::fromUtf8("'%1' ist kein gültiger Integerwert");
    QTest::newRow("131 eigener Text") << 131 << QStringLiteral("Die Warenkorb-Adresse ist zu lang.");
    QTest::newRow("135 mit Leerzeichen") << 135 << QStringLiteral("Failed : %1 ");
    QTest::newRow("136") << 136 << QString();
    QTest::newRow("weit dahinter") << 100000 << QString();
    QTest::newRow("negativ") << -1 << QString();
  }
  void eingebaut() {
    QFETCH(int, index);
    QFETCH(QString, text);
    const Meldungstabelle t;
    QCOMPARE(t.text(index), text);
    QCOMPARE(t[index], text);
  }

  // The questions before clearing the tips and after editing the list never show an empty box.
  void eigeneTexte71bis75() {
    const Meldungstabelle t;
    QCOMPARE(t.anzahl(), 136);
    for (int i = 71; i <= 75; ++i) QVERIFY2(!t.text(i).trimmed().isEmpty(), qPrintable(QString::number(i)));
  }

  void ersetzen() {
    Meldungstabelle t;
    QStringList datei;
    for (int i = 0; i < 76; ++i) datei << QStringLiteral("line %1").arg(i);
    datei[3] = QString(5000, QLatin1Char('x'));
    t.ersetzen(datei);
    QCOMPARE(t.text(75), QStringLiteral("line 75"));
    QCOMPARE(t.text(2), QStringLiteral("line 2"));
    QCOMPARE(t.text(3), QString(4096, QLatin1Char('x')));
    // The texts after the table's 76 lines: an older file without them gives them in German,
    // as does an empty line; a file that holds them gives its own.
    QCOMPARE(t.text(Meldungstabelle::kBerechnungLaeuft), Meldungstabelle::eingebaut().at(80));
    QCOMPARE(t.text(136), QString());
    datei << QString() << QStringLiteral("line 77");
    t.ersetzen(datei);
    QCOMPARE(t.text(76), Meldungstabelle::eingebaut().at(76));
    QCOMPARE(t.text(77), QStringLiteral("line 77"));
    QCOMPARE(t.text(78), Meldungstabelle::eingebaut().at(78));
    // A file of 84 lines, written before the texts from 84 on: those come in German, the
    // lines it holds in its own words.
    QStringList alt;
    for (int i = 0; i < 84; ++i) alt << QStringLiteral("old %1").arg(i);
    t.ersetzen(alt);
    QCOMPARE(t.text(83), QStringLiteral("old 83"));
    for (int i = 84; i < Meldungstabelle::kZusatzEnde; ++i) QCOMPARE(t.text(i), Meldungstabelle::eingebaut().at(i));
    QCOMPARE(t.text(Meldungstabelle::kZusatzEnde), QString());
    // A file of 99 lines gives the texts from 99 on in German; the lookup from a German text
    // finds a line of the file, and nothing for a text that is not one of ours.
    QStringList neunundneunzig;
    for (int i = 0; i < 99; ++i) neunundneunzig << QStringLiteral("n %1").arg(i);
    t.ersetzen(neunundneunzig);
    QCOMPARE(t.uebersetze(Meldungstabelle::eingebaut().at(98)), QStringLiteral("n 98"));
    QCOMPARE(t.uebersetze(Meldungstabelle::eingebaut().at(Meldungstabelle::kKeinIntegerwert)),
             Meldungstabelle::eingebaut().at(Meldungstabelle::kKeinIntegerwert));
    QCOMPARE(t.uebersetze(QStringLiteral("line 2")), QString());
    // A file of 111 lines, from before the file and settings errors had their lines: those
    // come in German.
    QStringList hundertelf;
    for (int i = 0; i < 111; ++i) hundertelf << QStringLiteral("h %1").arg(i);
    t.ersetzen(hundertelf);
    QCOMPARE(t.uebersetze(Meldungstabelle::eingebaut().at(Meldungstabelle::kTippdatei)), QStringLiteral("h 110"));
    QCOMPARE(t.uebersetze(Meldungstabelle::eingebaut().at(Meldungstabelle::kDateiFehlt)),
             Meldungstabelle::eingebaut().at(Meldungstabelle::kDateiFehlt));
    // A shorter file leaves every index beyond it empty, the built-in ones included.
    t.ersetzen({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(t.anzahl(), 2);
    QCOMPARE(t.text(1), QStringLiteral("b"));
    QCOMPARE(t.text(2), QString());
    QCOMPARE(t.text(68), QString());
    QCOMPARE(t.text(Meldungstabelle::kExportTitel), QStringLiteral("Speichern unter"));
  }
};

QTEST_GUILESS_MAIN(TstMeldungstabelle)
#include "tst_meldungstabelle.moc"
