#include <QtTest>

#include "glossar.h"
#include "plattform/fehler.h"

using sprachquellen::Glossar;

namespace {

Glossar aus(const QString& text) {
  Glossar g;
  g.lies(text, QStringLiteral("test.txt"));
  return g;
}

}  // namespace

class TstGlossar : public QObject {
  Q_OBJECT
 private slots:
  void uebersetzen_data() {
    QTest::addColumn<QString>("endung");
    QTest::addColumn<QString>("deutsch");
    QTest::addColumn<QString>("erwartet");  // "-": no entry
    QTest::newRow("eigene Zeile") << "en" << "Ja" << "Yes";
    QTest::newRow("Stern für den Rest") << "fr" << "Ja" << "Oui!";
    QTest::newRow("eigene Zeile vor Stern") << "cn" << "Ja" << "是";
    QTest::newRow("Blanks und Anführungszeichen") << "en" << " Ist \"Tipp\" rot " << " If \"Tip\" is red  ";
    QTest::newRow("Zahl im Muster") << "en" << "12. Tipp" << "Tip 12";
    QTest::newRow("Muster ohne Zahl") << "en" << ". Tipp" << "-";
    QTest::newRow("fehlt") << "en" << "Nein" << "-";
    QTest::newRow("fehlt in einer Sprache") << "ru" << " Ist \"Tipp\" rot " << "-";
    QTest::newRow("Deutsch bleibt") << "de" << "Nein" << "Nein";
    QTest::newRow("ohne Buchstaben") << "ru" << "13:00 …" << "13:00 …";
    QTest::newRow("leer") << "en" << "" << "";
    QTest::newRow("Groß und klein") << "en" << "ja" << "-";
  }
  void uebersetzen() {
    QFETCH(QString, endung);
    QFETCH(QString, deutsch);
    QFETCH(QString, erwartet);
    const Glossar g = aus(QString::fromUtf8(
        "# Kommentar\n"
        "\"Ja\"\n"
        "en \"Yes\"\n"
        "* \"Oui!\"\n"
        "cn \"是\"\n"
        "\n"
        "\" Ist \"Tipp\" rot \"\r\n"
        "en \" If \"Tip\" is red  \"\r\n"
        "\r\n"
        "\"{n}. Tipp\"\n"
        "en \"Tip {n}\"\n"));
    const auto t = g.uebersetze(endung, deutsch);
    if (erwartet == QStringLiteral("-"))
      QVERIFY(!t);
    else
      QCOMPARE(t.value_or(QStringLiteral("<fehlt>")), erwartet);
  }

  void fehler_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("unbekannte Sprache") << "\"Ja\"\nxx \"Yes\"\n" << "test.txt:2";
    QTest::newRow("Deutsch ist keine Übersetzung") << "\"Ja\"\nde \"Ja\"\n" << "test.txt:2";
    QTest::newRow("ohne Anführungszeichen") << "\"Ja\"\nen Yes\n" << "test.txt:2";
    QTest::newRow("Übersetzung ohne deutschen Text") << "en \"Yes\"\n" << "test.txt:1";
    QTest::newRow("zwei deutsche Texte ohne Leerzeile") << "\"Ja\"\nen \"Yes\"\n\"Nein\"\n" << "test.txt:3";
    QTest::newRow("doppelte Sprache") << "\"Ja\"\nen \"Yes\"\nen \"Yeah\"\n" << "test.txt:3";
    QTest::newRow("widersprüchlich doppelt") << "\"Ja\"\nen \"Yes\"\n\n\"Ja\"\nen \"Yeah\"\n" << "test.txt:1";
  }
  void fehler() {
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    try {
      aus(text);
      QFAIL("accepted");
    } catch (const plattform::Fehler& e) {
      QVERIFY2(e.text().contains(meldung), qPrintable(e.text()));
    }
  }

  void gleichDoppeltErlaubt() {
    const Glossar g = aus(QStringLiteral("\"Ja\"\n* \"Si\"\n\n\"Ja\"\n* \"Si\"\n"));
    QCOMPARE(*g.uebersetze(QStringLiteral("it"), QStringLiteral("Ja")), QStringLiteral("Si"));
  }

  // The files of one run: every language gets its own three files, missing texts are listed
  // once with the languages that lack them, and German is the export itself.
  void erzeugen() {
    const Glossar g = aus(QStringLiteral("\"Titel\"\n* \"Title\"\n\n\"Hinweis\"\n* \"Hint\"\nen \"Note\"\n"));
    sprache::Exportzeilen ex;
    ex.stamm = {"Form1", "Form1", "Titel", "Hinweis", "1", "Form1", "X", "Titel", "", "1"};
    ex.vorlage = {"Titel", "Hinweis", "Titel", ""};
    const auto d = sprachquellen::erzeuge(g, ex, {QStringLiteral("Titel")}, {QStringLiteral("Hinweis"), QStringLiteral("Fehlt")});
    QCOMPARE(d.dateien.size(), 58);
    QCOMPARE(d.dateien.value(QStringLiteral("Zelano.txt")), sprache::kodiereStamm(ex.stamm));
    QCOMPARE(d.dateien.value(QStringLiteral("Zelano.txt.de")), sprache::kodiereUtf8(ex.vorlage));
    QCOMPARE(d.dateien.value(QStringLiteral("Zelano.txt.en")),
             sprache::kodiereUtf8({"Title", "Note", "Title", ""}));
    QCOMPARE(d.dateien.value(QStringLiteral("Zelano.txt.nor")),
             sprache::kodiereUtf8({"Title", "Hint", "Title", ""}));
    QCOMPARE(d.dateien.value(QStringLiteral("Radio.txt.fi")), sprache::kodiereUtf8({"Title"}));
    QCOMPARE(d.fehlend.keys(), QStringList{QStringLiteral("Fehlt")});
    QCOMPARE(d.fehlend.value(QStringLiteral("Fehlt")).size(), 18);
    QVERIFY(sprachquellen::alsVorlage(d.fehlend).startsWith(QStringLiteral("\"Fehlt\"\nen \"\"\n")));
  }
};

QTEST_GUILESS_MAIN(TstGlossar)
#include "tst_glossar.moc"
