#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <limits>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/rohserver.h"
#include "hilfen/historie.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"
#include "programm/Einstellungen.h"
#include "programm/Hauptprogramm.h"
#include "shell/fenster/LoEingab.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "shell/meldungstabelle.h"
#include "shell/sprachdateien.h"
#include "shell/ziehungsdaten.h"

using plattform::Registry;

namespace {

const QString kEnglischTipps = QStringLiteral("Calculate tips");
const QString kDeutschTipps = QStringLiteral("Tipps berechnen");

QString land(const Testumgebung& u) { return u.programmordner() + QStringLiteral("land/"); }

void schreibeZeilen(const QString& pfad, const QStringList& zeilen) {
  Testumgebung::schreibe(pfad, sprache::kodiereUtf8(zeilen));
}

void ablegenSprache(int wert) {
  {
    Registry r;
    QVERIFY(r.OpenKey(Einstellungen::schluessel(), true));
    r.WriteInteger(QStringLiteral("Sprache"), wert);
    r.CloseKey();
  }
  Registry::verwerfen();
}

int gespeicherteSprache() {
  Registry::verwerfen();
  Registry r;
  if (!r.OpenKeyReadOnly(Einstellungen::schluessel()) || !r.ValueExists(QStringLiteral("Sprache"))) return -999;
  return r.ReadInteger(QStringLiteral("Sprache"));
}

// The numbers of the ticked language items.
QList<int> angehakt(TForm1& f) {
  QList<int> l;
  for (const auto& s : sprache::Sprachtabelle())
    if (f.sprachmenue->menuepunkt(s.nummer)->isChecked()) l << s.nummer;
  return l;
}

// Caption and hint of every element of every window, keyed by owner and name.
QMap<QString, QPair<QString, QString>> texte() {
  QMap<QString, QPair<QString, QString>> m;
  for (const sprache::Element& e : Sprachmenue::alleElemente())
    m.insert(e.besitzer + QLatin1Char('.') + e.name, {e.caption, e.hint});
  return m;
}

// A history with a draw today, so that the end date shows a draw.
void historieBisHeute(const Testumgebung& u) {
  Testumgebung::schreibe(u.home() + QStringLiteral("ZahlenQV.dat"),
                         alsDatei(abwechselnd(QDate::currentDate().addDays(-3), 4)));
}

// The plain messages shown, without the file dialogs.
QStringList nachrichten(Fensterumgebung& u) {
  QStringList l;
  for (const auto& g : u.dialoge().gezeigt)
    if (g.art == QStringLiteral("nachricht")) l << g.text;
  return l;
}

QAction* punkt(TForm1& f, int nummer) { return f.sprachmenue->menuepunkt(nummer); }

// The Yes button of a question as Qt names it in the language loaded.
QString ja() { return QCoreApplication::translate("QPlatformTheme", "&Yes"); }

}  // namespace

class TstSprache : public QObject {
  Q_OBJECT
 private slots:
  // The menu: 19 checkable items in the table's order, then the export.
  void menue() {
    Fenstertest<TForm1> t;
    const QList<QAction*> punkte = t.form.SpracheLanguage1->actions();
    QCOMPARE(punkte.size(), 20);
    const auto& tabelle = sprache::Sprachtabelle();
    for (int i = 0; i < 19; ++i) {
      QCOMPARE(punkte[i]->objectName(), QString::fromLatin1(tabelle[static_cast<std::size_t>(i)].menuepunkt));
      QCOMPARE(punkte[i]->text(), QString::fromUtf8(tabelle[static_cast<std::size_t>(i)].caption));
      QVERIFY(punkte[i]->isCheckable());
      QVERIFY(!punkte[i]->isChecked());
    }
    QCOMPARE(punkte[10]->objectName(), QStringLiteral("Slowakisch1"));
    QCOMPARE(punkte[19]->objectName(), QStringLiteral("Dateispeichern1"));
    QCOMPARE(punkte[19]->text(), QStringLiteral("Datei &speichern"));
  }

  // A stored value outside 1..19 applies nothing, ticks nothing and is written back as 0; the
  // draw of the end date is shown all the same.
  void spracheSetzenOhneSprache_data() {
    QTest::addColumn<int>("wert");
    QTest::newRow("0") << 0;
    QTest::newRow("25") << 25;
    QTest::newRow("-3") << -3;
  }
  void spracheSetzenOhneSprache() {
    QFETCH(int, wert);
    Fensterumgebung u;
    historieBisHeute(u);
    ablegenSprache(wert);
    {
      TForm1 f;
      QCOMPARE(f.zustand().sprache, wert);  // read unchecked
      f.SpracheSetzen();
      QCOMPARE(f.zustand().sprache, 0);
      QVERIFY(angehakt(f).isEmpty());
      QCOMPARE(f.Schein->BitBtn4->text(), kDeutschTipps);
      QVERIFY(!f.ziehungsanzeige->Label29->text().isEmpty());
      QVERIFY(u.meldungen().isEmpty());
      QVERIFY(f.close());
    }
    QCOMPARE(gespeicherteSprache(), 0);
  }

  // Stored 2 through the show road: English everywhere; Deutsch brings the German texts back.
  void gespeichertEnglischUndZurueck() {
    Fensterumgebung u;
    historieBisHeute(u);
    ablegenSprache(2);
    TForm1 f;
    const QString deutschM2 = f.M(2);
    f.Schein->zeile(1).Zahlen[0]->setText(QStringLiteral("1"));
    f.FormShow();
    QCOMPARE(f.zustand().sprache, 2);
    QCOMPARE(angehakt(f), QList<int>{2});
    QCOMPARE(f.Aktualisieren1->text(), QStringLiteral("&Load draw data"));
    QCOMPARE(f.SpracheLanguage1->title(), QStringLiteral("Language/&Sprache"));
    QCOMPARE(f.PageControl1->tabText(0), QStringLiteral("Tip overview"));
    QCOMPARE(f.Schein->BitBtn4->text(), kEnglischTipps);
    QCOMPARE(plattform::hint(f.Schein->BitBtn4), QStringLiteral("Starts calculating the tips."));
    QCOMPARE(f.Parameter->RadioGroup1->Items().value(0), QStringLiteral("simply choose at random"));
    QCOMPARE(f.Parameter->RadioGroup2->Items().size(), 3);
    QCOMPARE(f.M(2), QStringLiteral("No guarantee that the numbers are correct!"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Kestrell's Number Expert  for Quintavola"));
    QCOMPARE(ja(), QStringLiteral("&Yes"));
    // The language items name themselves, so that the way back stays readable.
    QCOMPARE(punkt(f, 1)->text(), QStringLiteral("Deutsch"));
    QCOMPARE(punkt(f, 6)->text(), QString::fromUtf8("Русский"));
    QCOMPARE(punkt(f, 19)->text(), QString::fromUtf8("中文"));

    // Texts the code writes stay: the draw and the hit count.
    const QString ziehung = f.ziehungsanzeige->Label29->text();
    const QString treffer = f.Schein->zeile(1).Treffer->text();
    QVERIFY(!ziehung.isEmpty());
    punkt(f, 6)->trigger();
    QCOMPARE(f.Schein->BitBtn4->text(), QString::fromUtf8("Рассчитать ставки"));
    QCOMPARE(ja(), QString::fromUtf8("&Да"));
    punkt(f, 12)->trigger();  // Qt has no Greek: its English, not the Russian before
    QCOMPARE(ja(), QStringLiteral("&Yes"));
    QCOMPARE(f.ziehungsanzeige->Label29->text(), ziehung);
    QCOMPARE(f.Schein->zeile(1).Treffer->text(), treffer);

    punkt(f, 1)->trigger();
    QCOMPARE(angehakt(f), QList<int>{1});
    QCOMPARE(f.zustand().sprache, 1);
    QCOMPARE(f.Aktualisieren1->text(), QStringLiteral("&Ziehungsdaten laden"));
    QCOMPARE(f.Schein->BitBtn4->text(), kDeutschTipps);
    QCOMPARE(ja(), QStringLiteral("&Ja"));
    QCOMPARE(punkt(f, 2)->text(), QStringLiteral("Englisch"));
    QCOMPARE(f.M(2), deutschM2);
    QCOMPARE(f.Parameter->RadioGroup1->Items().value(0), QStringLiteral("einfach per Zufall bestimmen"));
    QCOMPARE(f.ziehungsanzeige->Label29->text(), ziehung);
    QVERIFY(u.meldungen().isEmpty());
  }

  // A click on the ticked item leaves it ticked (the click toggles it first).
  void zweimalDieselbe() {
    Fenstertest<TForm1> t;
    punkt(t.form, 2)->trigger();
    punkt(t.form, 2)->trigger();
    QCOMPARE(angehakt(t.form), QList<int>{2});
    QCOMPARE(t.form.Schein->BitBtn4->text(), kEnglischTipps);
  }

  // Without a master file only the tick and `sprache` change.
  void stammFehlt() {
    Fenstertest<TForm1> t;
    QVERIFY(QFile::remove(land(t.u) + QStringLiteral("Zelano.txt")));
    const QString m2 = t.form.M(2);
    punkt(t.form, 3)->trigger();
    QCOMPARE(angehakt(t.form), QList<int>{3});
    QCOMPARE(t.form.zustand().sprache, 3);
    QCOMPARE(t.form.Schein->BitBtn4->text(), kDeutschTipps);
    QCOMPARE(t.form.M(2), m2);  // the message file is not applied either
    QCOMPARE(t.form.Parameter->RadioGroup1->Items().value(0), QStringLiteral("einfach per Zufall bestimmen"));
    QVERIFY(t.meldungen().isEmpty());
  }

  // A file of the switch that cannot be read: its message, and nothing changes at all.
  void unlesbar_data() {
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QByteArray>("inhalt");  // empty: a folder of that name
    QTest::newRow("Übersetzung ist ein Ordner") << "Zelano.txt.en" << QByteArray();
    QTest::newRow("Meldungen UTF-16 ohne BOM") << "meldungen.txt.en" << QByteArray("S\0t\0o\0p\0\r\0\n\0", 12);
    QTest::newRow("Optionen mit NUL") << "Radio.txt.en" << QByteArray("a\0b\r\n", 5);
    QTest::newRow("Stamm ungültiges UTF-8") << "Zelano.txt" << QByteArray("\xEF\xBB\xBF" "Form1\xC3\r\n");
  }
  void unlesbar() {
    QFETCH(QString, datei);
    QFETCH(QByteArray, inhalt);
    Fenstertest<TForm1> t;
    punkt(t.form, 3)->trigger();  // French first: "as before" is not the built-in state
    const auto vorher = texte();
    const QString m2 = t.form.M(2);
    const QString pfad = land(t.u) + datei;
    QVERIFY(QFile::remove(pfad));
    if (inhalt.isEmpty())
      QVERIFY(QDir().mkpath(pfad));
    else
      Testumgebung::schreibe(pfad, inhalt);
    punkt(t.form, 2)->trigger();
    QCOMPARE(t.meldungen().size(), 1);
    QVERIFY2(t.meldungen().at(0).contains(datei), qPrintable(t.meldungen().at(0)));
    QCOMPARE(angehakt(t.form), QList<int>{3});
    QCOMPARE(t.form.zustand().sprache, 3);
    QCOMPARE(texte(), vorher);
    QCOMPARE(t.form.M(2), m2);
    QCOMPARE(t.form.Parameter->RadioGroup1->Items().value(0), QStringLiteral("choisir simplement au hasard"));
  }

  // Per kind: link labels (tag 8) keep both texts, a tagged label takes its hint only, texts the
  // code writes stay; the master's character sets apply in master mode only, a set of letters
  // leaves the set and still gives caption and hint.
  void elementregeln() {
    Fenstertest<TForm1> t;
    QWidget* seite = t.form.TabSheet3;
    auto* link = plattform::neu<QLabel>(seite, plattform::Elementart::Label, "LinkLabel", QRect(0, 0, 90, 17),
                                        QStringLiteral("http://link.example"));
    plattform::setzeTag(link, 8);
    plattform::setzeHint(link, QStringLiteral("Link"));
    auto* fuenf = plattform::neu<QLabel>(seite, plattform::Elementart::Label, "Tag5Label", QRect(0, 20, 90, 17),
                                         QStringLiteral("fünf"));
    plattform::setzeTag(fuenf, 5);
    auto* box = t.ctl<QCheckBox>("CheckBox21");
    auto* label29 = t.form.ziehungsanzeige->Label29;
    label29->setText(QStringLiteral("Mo 01.01.24  1  2  3  4  5"));
    // Entries in the element order: Form1 first, CheckBox21 comes before Label29, the two test
    // labels were made last.
    const QStringList stamm{
        "Form1",     "Form1",     "Titel",    "Fensterhint", "0",
        "Form1",     "CheckBox21", "Kasten",   "Kastenhint", "ABC",
        "Form1",     "Label29",   "überschrieben", "Ziehungshint", "204",
        "Form1",     "LinkLabel", "anders",   "anderer Hint", "204",
        "Form1",     "Tag5Label", "anders",   "Hint fünf",  "238"};
    schreibeZeilen(land(t.u) + QStringLiteral("Zelano.txt"), stamm);
    QFile::remove(land(t.u) + QStringLiteral("Zelano.txt.de"));
    punkt(t.form, 1)->trigger();
    QVERIFY(t.meldungen().isEmpty());
    QCOMPARE(t.form.windowTitle(), QStringLiteral("Titel"));
    QVERIFY(!t.form.property("charset").isValid());  // a window takes no set
    QCOMPARE(box->text(), QStringLiteral("Kasten"));
    QCOMPARE(plattform::hint(box), QStringLiteral("Kastenhint"));
    QVERIFY(!box->property("charset").isValid());
    QCOMPARE(label29->text(), QStringLiteral("Mo 01.01.24  1  2  3  4  5"));
    QCOMPARE(plattform::hint(label29), QStringLiteral("Ziehungshint"));
    QCOMPARE(label29->property("charset").toInt(), 204);
    QCOMPARE(link->text(), QStringLiteral("http://link.example"));
    QCOMPARE(plattform::hint(link), QStringLiteral("Link"));
    QVERIFY(!link->property("charset").isValid());
    QCOMPARE(fuenf->text(), QString::fromUtf8("fünf"));
    QCOMPARE(plattform::hint(fuenf), QString::fromUtf8("Hint fünf"));
    QCOMPARE(fuenf->property("charset").toInt(), 238);

    // Translation mode: texts from the translation, no set changes.
    box->setProperty("charset", 7);
    schreibeZeilen(land(t.u) + QStringLiteral("Zelano.txt.en"),
                   {"Title", "", "Box", "Box hint", "x", "Draw hint", "y", "z", "x5", "Hint five"});
    punkt(t.form, 2)->trigger();
    QCOMPARE(t.form.windowTitle(), QStringLiteral("Title"));
    QCOMPARE(box->text(), QStringLiteral("Box"));
    QCOMPARE(box->property("charset").toInt(), 7);
    QCOMPARE(fuenf->property("charset").toInt(), 238);
    QCOMPARE(plattform::hint(fuenf), QStringLiteral("Hint five"));
    QCOMPARE(plattform::hint(label29), QStringLiteral("Draw hint"));
    QCOMPARE(link->text(), QStringLiteral("http://link.example"));
  }

  // A translation that ends early: the elements beyond its end keep the master's texts, the
  // language menu's too, and none goes blank.
  void kurzeUebersetzung() {
    Fenstertest<TForm1> t;
    const QString pfad = land(t.u) + QStringLiteral("Zelano.txt.en");
    const QStringList voll = plattform::leseZeilenMitBom(pfad);
    schreibeZeilen(pfad, voll.mid(0, 6));  // the window and the first two menu items
    punkt(t.form, 2)->trigger();
    QCOMPARE(t.form.Aktualisieren1->text(), QStringLiteral("&Load draw data"));
    QCOMPARE(t.form.Berechnen1->text(), QStringLiteral("&Calculate"));
    QCOMPARE(t.form.SpracheLanguage1->title(), QStringLiteral("Sprache/&Language"));
    QCOMPARE(punkt(t.form, 2)->text(), QStringLiteral("Englisch"));
    QCOMPARE(t.form.Schein->BitBtn4->text(), kDeutschTipps);
  }

  // The option item and message files.
  void optionenUndMeldungen_data() {
    QTest::addColumn<int>("optionen");   // -1: no file
    QTest::addColumn<int>("meldungen");  // -1: no file
    QTest::newRow("zwei Optionen, 76 Meldungen") << 2 << 76;
    QTest::newRow("leere Optionen, 40 Meldungen") << 0 << 40;
    QTest::newRow("keine Dateien") << -1 << -1;
  }
  void optionenUndMeldungen() {
    QFETCH(int, optionen);
    QFETCH(int, meldungen);
    Fenstertest<TForm1> t;
    const QString l = land(t.u);
    QFile::remove(l + QStringLiteral("Radio.txt.en"));
    QFile::remove(l + QStringLiteral("meldungen.txt.en"));
    QStringList o, m;
    for (int i = 0; i < optionen; ++i) o << QStringLiteral("Option %1").arg(i);
    for (int i = 0; i < meldungen; ++i) m << QStringLiteral("Meldung %1").arg(i);
    if (optionen >= 0) schreibeZeilen(l + QStringLiteral("Radio.txt.en"), o);
    if (meldungen >= 0) schreibeZeilen(l + QStringLiteral("meldungen.txt.en"), m);
    const QStringList alteOptionen = t.form.Parameter->RadioGroup1->Items();
    const QString alt2 = t.form.M(2);
    punkt(t.form, 2)->trigger();
    QCOMPARE(t.form.Schein->BitBtn4->text(), kEnglischTipps);
    const QStringList erwartet = optionen > 0 ? o : alteOptionen;
    QCOMPARE(t.form.Parameter->RadioGroup1->Items(), erwartet);
    QCOMPARE(t.form.Parameter->RadioGroup2->Items(), erwartet);
    if (meldungen == 76) QCOMPARE(t.form.M(75), QStringLiteral("Meldung 75"));
    if (meldungen == 40) {
      QCOMPARE(t.form.M(39), QStringLiteral("Meldung 39"));
      QCOMPARE(t.form.M(50), QString());
    }
    if (meldungen < 0) QCOMPARE(t.form.M(2), alt2);
  }

  // The sum row lays its two fields out again inside the gaps of the new caption.
  void summenzeileNachWechsel() {
    Fenstertest<TForm1> t;
    punkt(t.form, 2)->trigger();
    QLabel* l = t.form.Parameter->QuersummenLabel;
    const QString text = l->text();
    QVERIFY(text.startsWith(QStringLiteral("Allow sums from ")));
    const QFontMetrics fm(l->font());
    const qsizetype von = text.indexOf(QStringLiteral("from")) + 4, bis = text.indexOf(QStringLiteral(" to ")) + 1;
    const int links = l->x() + fm.horizontalAdvance(text.left(von));
    const int rechts = l->x() + fm.horizontalAdvance(text.left(bis));
    QLineEdit* e37 = t.ctl<QLineEdit>("Edit37");
    QVERIFY2(e37->x() >= links && e37->x() + e37->width() <= rechts,
             qPrintable(QStringLiteral("%1..%2 not in %3..%4").arg(e37->x()).arg(e37->x() + e37->width()).arg(links).arg(rechts)));
  }

  // The two parts of the link sentence under "keine Dreier, Vierer..." stay one after the other.
  void verweiszeileNachWechsel() {
    Fenstertest<TForm1> t;
    QLabel* dreier = t.ctl<QLabel>("Label91");
    QLabel* vierer = t.ctl<QLabel>("Label90");
    punkt(t.form, 6)->trigger();
    QCOMPARE(dreier->text(), QString::fromUtf8("Тройки, "));
    QCOMPARE(dreier->width(), dreier->sizeHint().width());
    QCOMPARE(vierer->x(), dreier->x() + dreier->width());
    QVERIFY(vierer->height() >= vierer->heightForWidth(vierer->width()));
  }

  // A manual entry dialog made after a switch speaks the language of the switch.
  void neuesForm3NachEnglisch() {
    Fenstertest<TForm1> t;
    punkt(t.form, 2)->trigger();
    TForm3 f3;
    QCOMPARE(f3.windowTitle(), QStringLiteral("Enter the numbers of the draw"));
    QCOMPARE(f3.BitBtn1->text(), QStringLiteral("Cancel"));
    punkt(t.form, 1)->trigger();
    TForm3 zurueck;
    QCOMPARE(zurueck.windowTitle(), QStringLiteral("Zahlen der Ziehung eingeben"));
  }

  // While a run goes (the button shows message 20) the 20 commands do nothing.
  void keinWechselWaehrendLauf() {
    Fenstertest<TForm1> t;
    t.form.Schein->BitBtn4->setText(t.form.M(20));
    punkt(t.form, 2)->trigger();
    QVERIFY(angehakt(t.form).isEmpty());
    QCOMPARE(t.form.zustand().sprache, 0);
    QCOMPARE(t.form.Aktualisieren1->text(), QStringLiteral("&Ziehungsdaten laden"));
    QCOMPARE(t.form.Schein->BitBtn4->text(), QStringLiteral("Stoppen"));
    t.form.sprachmenue->Dateispeichern1->trigger();
    QVERIFY(t.u.dialoge().gezeigt.isEmpty());
  }

  // The texts the menu adds to the table follow the language that stays: a damaged file, the
  // refusal while a run goes, the export's dialog and its failure, here in French.
  void eigeneTexteInDerSprache() {
    Fenstertest<TForm1> t;
    punkt(t.form, 3)->trigger();
    const Meldungstabelle deutsch;
    for (int i = Meldungstabelle::kSprachdateiNichtLesbar; i < Meldungstabelle::kZusatzEnde; ++i)
      QVERIFY2(t.form.M(i) != deutsch.text(i), qPrintable(QString::number(i)));
    const QString pfad = land(t.u) + QStringLiteral("meldungen.txt.en");
    Testumgebung::schreibe(pfad, QByteArray("a\0b", 3));
    punkt(t.form, 2)->trigger();
    QCOMPARE(nachrichten(t.u).value(0),
             t.form.M(Meldungstabelle::kSprachdateiBeschaedigt).arg(QDir::toNativeSeparators(pfad)));

    t.form.zustand().Berechnunglaeuft = true;
    punkt(t.form, 4)->trigger();
    QCOMPARE(nachrichten(t.u).value(1), t.form.M(Meldungstabelle::kBerechnungLaeuft));
    t.form.zustand().Berechnunglaeuft = false;

    const QString ziel = t.u.home() + QStringLiteral("fehlt/Export.txt");
    t.u.dialoge().antworten.push_back(ziel);
    t.form.sprachmenue->Dateispeichern1->trigger();
    QCOMPARE(t.u.dialoge().arten().last(), QStringLiteral("nachricht"));
    QCOMPARE(t.u.dialoge().gezeigt.at(t.u.dialoge().gezeigt.size() - 2).titel, t.form.M(Meldungstabelle::kExportTitel));
    QCOMPARE(nachrichten(t.u).value(2), t.form.M(Meldungstabelle::kExportNichtGeschrieben).arg(QDir::toNativeSeparators(ziel)));
    QCOMPARE(t.form.zustand().sprache, 3);
  }

  // The draw history's messages follow the language, each through the road that shows it: a
  // day's answer with more draws than a day has (English), records without a date (Spanish),
  // a command refused while the download runs (Polish).
  void ziehungsmeldungenInDerSprache() {
    const QDate heute = QDate::currentDate();
    {
      Fenstertest<TForm1> t;
      punkt(t.form, 2)->trigger();
      Rohserver roh("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\na\r\nb\r\nc\r\n");
      qputenv("ZK_DOWNLOAD_URL", roh.url().toUtf8());
      const std::vector<Ziehung> h{satz(heute.addDays(-3), {7, 8, 9, 10, 11}, false)};
      Testumgebung::schreibe(t.u.home() + QStringLiteral("ZahlenQV.dat"), alsDatei(h));
      QVERIFY(t.zeigen());
      QTRY_COMPARE_WITH_TIMEOUT(roh.anfragen(), 1, 20000);
      QTRY_COMPARE(nachrichten(t.u),
                   QStringList{QStringLiteral("The draw data of %1 is damaged: more draws than a day has. None of it "
                                              "was saved.")
                                   .arg(plattform::kurzesDatum(heute.addDays(-2)))});
      QCOMPARE(Ziehungsdaten::zerlege(Testumgebung::lies(t.u.home() + QStringLiteral("ZahlenQV.dat"))), h);
    }
    {
      Fenstertest<TForm1> t;
      punkt(t.form, 4)->trigger();
      auto h = abwechselnd(heute.addDays(-3), 3);
      h[1].Ziehungstag = std::numeric_limits<double>::quiet_NaN();
      const QString datei = t.u.home() + QStringLiteral("ZahlenQV.dat");
      Testumgebung::schreibe(datei, alsDatei(h));
      QVERIFY(t.zeigen());
      QTRY_VERIFY(!nachrichten(t.u).isEmpty());
      QCOMPARE(nachrichten(t.u), QStringList{QString::fromUtf8("El archivo %1 contiene sorteos sin fecha válida (1, el "
                                                               "primero es el n.º 2); se omiten.")
                                                 .arg(QDir::toNativeSeparators(datei))});
    }
    {
      Fenstertest<TForm1> t;
      punkt(t.form, 9)->trigger();
      t.form.zustand().downloadLaeuft = true;
      t.form.ziehungsanzeige->BitBtn6->click();
      t.form.zustand().downloadLaeuft = false;
      QCOMPARE(nachrichten(t.u), QStringList{QString::fromUtf8("Dane losowań są właśnie wczytywane. Poczekaj na koniec "
                                                               "wczytywania.")});
      // The history's text export names its dialog in the language too.
      t.u.dialoge().antworten.push_back(QString());
      t.form.ziehungsanzeige->BitBtn3->click();
      QCOMPARE(t.u.dialoge().gezeigt.last().titel, QStringLiteral("Eksport do tekstu"));
    }
  }

  // -- export ----------------------------------------------------------------------------------

  void exportAbbrechen() {
    Fenstertest<TForm1> t;
    t.u.dialoge().antworten.push_back(QString());
    t.form.sprachmenue->Dateispeichern1->trigger();
    QCOMPARE(t.u.dialoge().gezeigt.size(), 1);
    const auto& d = t.u.dialoge().gezeigt.at(0);
    QCOMPARE(d.art, QStringLiteral("speichern"));
    QCOMPARE(d.text, t.u.home() + QStringLiteral("Zelano.txt"));
    QCOMPARE(d.filter, QStringLiteral("Textdatei|*.txt"));
    QCOMPARE(d.endung, QStringLiteral("txt"));
    QVERIFY(!QFile::exists(t.u.home() + QStringLiteral("Zelano.txt")));
    QVERIFY(QDir(t.u.home()).entryList({QStringLiteral("Zelano*")}).isEmpty());
  }

  // What the export writes and leaves out, in the element order.
  void exportInhalt() {
    // Every window of a start, as the shipped master was written from them.
    struct {
      Fensterumgebung u;
      Programmfenster p;
    } t;
    const QString ziel = t.u.home() + QStringLiteral("Export.txt");
    t.u.dialoge().antworten.push_back(ziel);
    t.p.form1().sprachmenue->Dateispeichern1->trigger();
    QVERIFY2(nachrichten(t.u).isEmpty(), qPrintable(nachrichten(t.u).join(QLatin1Char('|'))));
    const QStringList stamm = plattform::leseZeilenMitBom(ziel);
    const QStringList vorlage = plattform::leseZeilenMitBom(ziel + QStringLiteral(".trans"));
    QVERIFY(Testumgebung::lies(ziel + QStringLiteral(".trans")).startsWith("\xFF\xFE"));
    QCOMPARE(stamm.size() % 5, 0);
    QCOMPARE(vorlage.size(), stamm.size() / 5 * 2);
    QStringList namen;
    for (qsizetype i = 0; i < stamm.size(); i += 5) namen << stamm[i] + QLatin1Char('.') + stamm[i + 1];
    QCOMPARE(namen.first(), QStringLiteral("Form1.Form1"));
    for (const char* drin : {"Form1.SpracheLanguage1", "Form1.Englich1", "Form1.Dateispeichern1", "Form1.TabSheet2",
                             "Form1.RadioGroup1", "Form1.Edit40", "Form1.Mittag", "Form1.Label28", "Form3.Form3",
                             "Form3.BitBtn2"})
      QVERIFY2(namen.contains(QLatin1String(drin)), drin);
    for (const char* draussen : {"Form1.Abgeben1", "Form1.Label29", "Form1.Label22", "Form1.Label13", "Form1.Edit1",
                                 "Form3.Edit1", "Form1.StatusBar1"})
      QVERIFY2(!namen.contains(QLatin1String(draussen)), draussen);
    // The manual entry dialog follows the main window.
    QVERIFY(namen.indexOf(QStringLiteral("Form3.Form3")) > namen.indexOf(QStringLiteral("Form1.BitBtn3")));
    // An edit's caption line is its hint; a menu item's set line is 1.
    const qsizetype e40 = 5 * namen.indexOf(QStringLiteral("Form1.Edit40"));
    QCOMPARE(stamm[e40 + 2], stamm[e40 + 3]);
    QCOMPARE(stamm[5 * namen.indexOf(QStringLiteral("Form1.Englich1")) + 4], QStringLiteral("1"));
    // A fresh export of the German windows is the master shipped beside the program.
    QCOMPARE(Testumgebung::lies(ziel), Testumgebung::lies(land(t.u) + QStringLiteral("Zelano.txt")));
  }

  // A hidden item is left out, the same item shown is in; number captions of check boxes go.
  void exportSichtbarUndZahlen() {
    Fenstertest<TForm1> t;
    t.form.Abgeben1->setVisible(true);
    t.ctl<QCheckBox>("CheckBox21")->setText(QStringLiteral("21"));
    const QString ziel = t.u.home() + QStringLiteral("Export.txt");
    t.u.dialoge().antworten.push_back(ziel);
    t.form.sprachmenue->Dateispeichern1->trigger();
    const QStringList stamm = plattform::leseZeilenMitBom(ziel);
    QVERIFY(stamm.contains(QStringLiteral("Abgeben1")));
    QVERIFY(!stamm.contains(QStringLiteral("CheckBox21")));
  }

  // A target that cannot be written: its message, and the files there stay as they were.
  void exportNichtSchreibbar() {
    Fenstertest<TForm1> t;
    const QString ziel = t.u.home() + QStringLiteral("Export.txt");
    Testumgebung::schreibe(ziel, "alt");
    Testumgebung::schreibe(ziel + QStringLiteral(".trans"), "alt");
    plattform::schreibfehlerNach(0);
    t.u.dialoge().antworten.push_back(ziel);
    t.form.sprachmenue->Dateispeichern1->trigger();
    plattform::schreibfehlerNach(-1);
    QCOMPARE(nachrichten(t.u).size(), 1);
    QCOMPARE(Testumgebung::lies(ziel), QByteArray("alt"));
    QCOMPARE(Testumgebung::lies(ziel + QStringLiteral(".trans")), QByteArray("alt"));
    t.u.dialoge().antworten.push_back(t.u.home() + QStringLiteral("fehlt/Export.txt"));
    t.form.sprachmenue->Dateispeichern1->trigger();
    QCOMPARE(nachrichten(t.u).size(), 2);
    QVERIFY(nachrichten(t.u).at(1).contains(QStringLiteral("fehlt")));
  }

  // Russian windows exported: the master is UTF-8, its unedited template as a translation and the
  // master alone both give every element its Russian texts back, from German windows.
  void exportNachRussischZurueck() {
    Fenstertest<TForm1> t;
    punkt(t.form, 6)->trigger();
    const auto russisch = texte();
    const QString ziel = t.u.home() + QStringLiteral("Zelano.txt");
    t.u.dialoge().antworten.push_back(ziel);
    t.form.sprachmenue->Dateispeichern1->trigger();
    QVERIFY(Testumgebung::lies(ziel).startsWith("\xEF\xBB\xBF"));
    QVERIFY(plattform::leseZeilenMitBom(ziel).contains(QString::fromUtf8("Рассчитать ставки")));
    punkt(t.form, 1)->trigger();
    QCOMPARE(t.form.Schein->BitBtn4->text(), kDeutschTipps);

    const QString l = land(t.u);
    for (const QString& alt : QDir(l).entryList({QStringLiteral("Zelano.txt*")})) QVERIFY(QFile::remove(l + alt));
    QVERIFY(QFile::copy(ziel, l + QStringLiteral("Zelano.txt")));
    QVERIFY(QFile::copy(ziel + QStringLiteral(".trans"), l + QStringLiteral("Zelano.txt.en")));
    punkt(t.form, 2)->trigger();  // translation mode with the template
    QCOMPARE(texte(), russisch);
    punkt(t.form, 1)->trigger();  // no Zelano.txt.de: the master alone
    QCOMPARE(texte(), russisch);
    QVERIFY(nachrichten(t.u).isEmpty());
  }
};

QTEST_MAIN(TstSprache)
#include "tst_sprache.moc"
