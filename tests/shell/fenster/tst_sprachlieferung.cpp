#include <QtTest>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "glossar.h"
#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/textdatei.h"
#include "programm/Hauptprogramm.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/meldungstabelle.h"

// The language files beside the program: complete, written from the windows as they stand, and
// each language applies cleanly. A window or control added without its entries fails here; the
// README says how to write the files anew.
class TstSprachlieferung : public QObject {
  Q_OBJECT

  static sprachquellen::Sprachdateien erzeugt(Programmfenster& p) {
    const auto g = sprachquellen::Glossar::ausOrdner(QStringLiteral(ZK_SPRACHTABELLEN));
    return sprachquellen::erzeuge(g, sprache::exportZeilen(Sprachmenue::alleElemente()),
                                  p.form1().Parameter->RadioGroup1->Items(), Meldungstabelle::eingebaut());
  }

 private slots:
  void tabellenVollstaendigUndDateienAktuell() {
    Fensterumgebung u;
    Programmfenster p;
    const auto d = erzeugt(p);
    QVERIFY2(d.fehlend.isEmpty(), qPrintable(QStringLiteral("Texts without an entry in werkzeug/sprachen/:\n") +
                                             sprachquellen::alsVorlage(d.fehlend)));
    const QDir land(QStringLiteral(ZK_LANDDATEN));
    QStringList liegt = land.entryList(QDir::Files, QDir::Name);
    QStringList soll = d.dateien.keys();
    liegt.sort();
    soll.sort();
    QCOMPARE(soll.size(), 58);
    QCOMPARE(liegt, soll);
    for (auto it = d.dateien.constBegin(); it != d.dateien.constEnd(); ++it)
      QVERIFY2(Testumgebung::lies(land.filePath(it.key())) == it.value(),
               qPrintable(it.key() + QStringLiteral(" is out of date: write data/land/ anew (README, Languages)")));
    const qsizetype eintraege = plattform::leseZeilenMitBom(land.filePath(QStringLiteral("Zelano.txt"))).size() / 5;
    QVERIFY(eintraege > 100);
    for (const auto& s : sprache::Sprachtabelle()) {
      const QString e = QString::fromLatin1(s.endung);
      QCOMPARE(plattform::leseZeilenMitBom(land.filePath(QStringLiteral("Zelano.txt.") + e)).size(), 2 * eintraege);
      QCOMPARE(plattform::leseZeilenMitBom(land.filePath(sprache::radioName(e))).size(), 3);
      // The table's 76 lines, then the texts of our own.
      QCOMPARE(plattform::leseZeilenMitBom(land.filePath(sprache::meldungsName(e))).size(), Meldungstabelle::kZusatzEnde);
      QVERIFY(Testumgebung::lies(land.filePath(sprache::meldungsName(e))).startsWith("\xEF\xBB\xBF"));
    }
    // German is the built-in text.
    QCOMPARE(plattform::leseZeilenMitBom(land.filePath(QStringLiteral("meldungen.txt.de"))), Meldungstabelle::eingebaut());
  }

  // Every language from the menu: no message, no caption or hint that was German goes blank,
  // no message of the table either, and the way back to German is named readably.
  void jedeSpracheSauber() {
    Fensterumgebung u;
    Programmfenster p;
    TForm1& f = p.form1();
    QMap<QString, sprache::Element> deutsch;
    for (const sprache::Element& e : Sprachmenue::alleElemente()) deutsch.insert(e.besitzer + QLatin1Char('.') + e.name, e);
    const Meldungstabelle eingebaut;
    for (const auto& s : sprache::Sprachtabelle()) {
      f.sprachmenue->menuepunkt(s.nummer)->trigger();
      const QString sp = QString::fromLatin1(s.endung);
      QVERIFY2(u.meldungen().isEmpty(), qPrintable(sp + QLatin1Char(' ') + u.meldungen().join(QLatin1Char('|'))));
      QCOMPARE(f.zustand().sprache, s.nummer);
      for (const sprache::Element& e : Sprachmenue::alleElemente()) {
        const sprache::Element& d = deutsch[e.besitzer + QLatin1Char('.') + e.name];
        const QString wo = sp + QLatin1Char(' ') + e.besitzer + QLatin1Char('.') + e.name;
        if (!d.caption.isEmpty()) QVERIFY2(!e.caption.isEmpty(), qPrintable(wo + QStringLiteral(" caption")));
        if (!d.hint.isEmpty()) QVERIFY2(!e.hint.isEmpty(), qPrintable(wo + QStringLiteral(" hint")));
      }
      for (int i = 0; i < Meldungstabelle::kZusatzEnde; ++i)
        if (!eingebaut.text(i).isEmpty()) QVERIFY2(!f.M(i).isEmpty(), qPrintable(sp + QStringLiteral(" message %1").arg(i)));
      QCOMPARE(f.Parameter->RadioGroup1->Items().size(), 3);
      if (s.nummer != 1) QCOMPARE(f.sprachmenue->menuepunkt(1)->text(), QStringLiteral("Deutsch"));
      // The lucky-number window names its cart button as the button reads.
      QWidget* form5 = plattform::programmfenster(QStringLiteral("Form5"));
      QString knopf = fenstertest::ctl<QPushButton>(form5, QStringLiteral("BitBtn3"))->text();
      knopf.remove(QRegularExpression(QStringLiteral("\\(&.\\)$"))).remove(QLatin1Char('&'));
      const QString label5 = fenstertest::ctl<QLabel>(form5, QStringLiteral("Label5"))->text();
      QVERIFY2(label5.contains(knopf), qPrintable(sp + QStringLiteral(" Label5: ") + label5 + QStringLiteral(" / ") + knopf));
      // "Dreier, " and "Vierer ..." read as one sentence: a capital at its start, none in its middle
      // (German capitalises its nouns).
      const QString l91 = fenstertest::ctl<QLabel>(&f, QStringLiteral("Label91"))->text();
      const QString l90 = fenstertest::ctl<QLabel>(&f, QStringLiteral("Label90"))->text();
      QVERIFY2(!l91.at(0).isLower(), qPrintable(sp + QLatin1Char(' ') + l91));
      if (s.nummer != 1) QVERIFY2(!l90.at(0).isUpper(), qPrintable(sp + QLatin1Char(' ') + l90));
    }
  }
};

QTEST_MAIN(TstSprachlieferung)
#include "tst_sprachlieferung.moc"
