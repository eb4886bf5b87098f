#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/historie.h"
#include "hilfen/rohserver.h"
#include "hilfen/standin.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "shell/fenster/Internetseite.h"
#include "programm/Hauptprogramm.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/meldungstabelle.h"
#include "shell/sprachdateien.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "stats/fenster/auswert.h"

#include <functional>

namespace {

const QDate kTag(2024, 1, 15);
const QString kQuotendatei = QStringLiteral("quoten/20240115.txt");

// Twelve quotas, the highest class first: rows 12 to 1 get 10000000, 250000, 0 ("unbesetzt"),
// 5000,5, 200, 100, 50, 20, 15, 1234,56, 10, 8.
const QByteArray kAntwort =
    "20240115,1,2,3,4,5;10,90;10.000.000,00;250.000 EUR;unbesetzt;5.000,5;200;100;50;20;15;1.234,56;10;8;\r\n";

class Sprache {
 public:
  explicit Sprache(QLocale::Language l, QLocale::Country c) { QLocale::setDefault(QLocale(l, c)); }
  ~Sprache() { QLocale::setDefault(alt_); }

 private:
  QLocale alt_;
};

// The dialog alone against a stand-in of its own.
struct Dialog : Fenstertest<TForm9> {
  StandInServer server;

  Dialog() {
    server.alsServerDesProgramms();
    form.Port = QStringLiteral("80");
    form.Datum = QDateTime(kTag, QTime(0, 0));
  }
  QLineEdit* anzahl(int zeile) { return form.Anzahl[static_cast<size_t>(zeile - 1)]; }
  QLineEdit* quote(int zeile) { return form.Quote[static_cast<size_t>(zeile - 1)]; }
  QString ergebnis(int zeile) { return form.Ergebnis[static_cast<size_t>(zeile - 1)]->text(); }
  QStringList quoten() {
    QStringList q;
    for (auto* e : form.Quote) q << e->text();
    return q;
  }
  QString panel(int i) { return form.StatusBar1->panel(i); }
  // Types over the whole text: the first key replaces it.
  void tippe(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, text);
  }
  void laden() { QTest::mouseClick(form.SpeedButton2, Qt::LeftButton); }
};

QDate heute() { return QDate::currentDate(); }

QByteArray zeile(const QDate& tag, std::array<int, 5> z, const char* ende) {
  QByteArray s = plattform::yyyymmdd(tag).toLatin1();
  for (int n : z) s += "," + QByteArray::number(n);
  return s + ";" + ende + "\r\n";
}

// The main window and the evaluation dialog, made in the program's order, against a stand-in.
struct Programm : Fenstertest<TForm1> {
  StandInServer server;
  TForm9 form9;
  int geoeffnet = 0;  // how often the dialog was shown
  std::function<void()> imDialog;  // what the user does while it is open, before BitBtn1

  Programm() {
    server.alsServerDesProgramms();
    // Whenever the dialog comes up: count it, let the test act, close it with its button.
    auto* uhr = new QTimer(&form);
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, &form, [this] {
      if (!form9.isVisible() || form9.property("gesehen").toBool()) return;
      form9.setProperty("gesehen", true);
      ++geoeffnet;
      if (imDialog) imDialog();
      QTest::mouseClick(form9.BitBtn1, Qt::LeftButton);
      form9.setProperty("gesehen", false);
    });
    uhr->start();
  }
  QString datei() const { return u.home() + QStringLiteral("ZahlenQV.dat"); }
  void historie(const std::vector<Ziehung>& h) { Testumgebung::schreibe(datei(), alsDatei(h)); }
  // Shows the window over a history that is up to date, so that the show road asks nothing.
  void zeigenOhneDownload() {
    historie({satz(heute(), {1, 2, 3, 4, 5}, false)});
    QVERIFY(zeigen());
    QTRY_VERIFY(!ctl<QLabel>("Label35")->text().isEmpty());
    u.dialoge().gezeigt.clear();
  }
  void auswerten() { form.auswertung->click(); }
  QString quotenanfrage(const QDate& tag) {
    return QStringLiteral("/zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=") + plattform::yyyymmdd(tag);
  }
};

}  // namespace

class TstAuswert : public QObject {
  Q_OBJECT
 private slots:
  void aufbau() {
    Dialog d;
    QCOMPARE(d.form.objectName(), QStringLiteral("Form9"));
    QCOMPARE(Form9, &d.form);
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));
    QCOMPARE(d.form.height(), 450);
    const QStringList klassen{"2 + E", "1 + E + E", "3", "3 + E", "2 + E + E", "3 + E + E",
                              "4", "4 + E", "4 + E + E", "5", "5 + E", "5 + E + E"};
    const QStringList chancen{"1:35", "1:80", "1:399", "1:418", "1:499", "1:5992", "1:17.578", "1:21.972",
                              "1 : 263.668", "1 : 3.955.019", "1 : 4.943.773", "1 : 59.325.280"};
    const QStringList anzahlNamen{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
                                  "Edit7", "Edit8", "Edit17", "Edit18", "Edit19", "Edit20"};
    const QStringList quotenNamen{"Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14",
                                  "Edit15", "Edit16", "Edit21", "Edit22", "Edit23", "Edit24"};
    const QStringList klassenNamen{"Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
                                   "Label10", "Label11", "Label21", "Label22", "Label23", "Label24"};
    const QStringList ergebnisNamen{"Label12", "Label13", "Label14", "Label15", "Label16", "Label17",
                                    "Label18", "Label19", "Label25", "Label26", "Label27", "Label28"};
    for (int r = 0; r < 12; ++r) {
      auto* a = d.form.findChild<QLineEdit*>(anzahlNamen[r]);
      auto* q = d.form.findChild<QLineEdit*>(quotenNamen[r]);
      auto* k = d.form.findChild<QLabel*>(klassenNamen[r]);
      auto* e = d.form.findChild<QLabel*>(ergebnisNamen[r]);
      QVERIFY(a && q && k && e);
      QCOMPARE(a->text(), QStringLiteral("0"));
      QCOMPARE(q->text(), QStringLiteral("0"));
      QCOMPARE(k->text(), klassen[r]);
      QCOMPARE(plattform::hint(q), chancen[r]);
      QVERIFY(e->alignment() & Qt::AlignRight);
    }
    QCOMPARE(d.form.findChild<QLabel*>("Label20")->text(), QStringLiteral("Summe"));
    QCOMPARE(plattform::hint(d.form.SpeedButton1), QStringLiteral("durchschnittlische Quote eintragen"));
    QCOMPARE(d.form.StatusBar1->panelAnzahl(), 2);
    // The texts the commands show, kept in the hints.
    const QList<std::pair<const char*, const char*>> hints{
        {"Edit1", "Keine Gewähr für die Richtigkeit der Zahlen!"},
        {"Edit2", "konnte Quote nicht laden"},
        {"Edit3", "Spieleinsatz: noch nicht verfügbar!"},
        {"Edit4", "Spieleinsatz: %s  EUR"},
        {"Edit5", "konnte Quote nicht laden"},
        {"Panel1", "Angabe ohne Gewähr"},
        {"Label2", "Quote für den %s geladen"}};
    for (const auto& [name, text] : hints)
      QCOMPARE(plattform::hint(d.form.findChild<QWidget*>(name)), QString::fromUtf8(text));
    QVERIFY(d.form.findChild<QPushButton*>("BitBtn1"));
  }

  // The server's German text whatever the user's settings; the fields in the user's format.
  void laden_data() {
    QTest::addColumn<bool>("deutsch");
    QTest::addColumn<QStringList>("quoten");
    QTest::newRow("deutsch") << true
                             << QStringList{"8,00", "10,00", "1234,56", "15,00", "20,00", "50,00", "100,00", "200,00",
                                            "5000,50", "0,00", "250000,00", "10000000,00"};
    QTest::newRow("englisch") << false
                              << QStringList{"8.00", "10.00", "1234.56", "15.00", "20.00", "50.00", "100.00", "200.00",
                                             "5000.50", "0.00", "250000.00", "10000000.00"};
  }
  void laden() {
    QFETCH(bool, deutsch);
    QFETCH(QStringList, quoten);
    Sprache s(deutsch ? QLocale::German : QLocale::English, deutsch ? QLocale::Germany : QLocale::UnitedStates);
    Dialog d;
    d.server.setzeDatei(kQuotendatei, kAntwort);
    d.anzahl(3)->setText(QStringLiteral("2"));
    d.laden();
    QCOMPARE(d.quoten(), quoten);
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Spieleinsatz: 11  EUR"));
    QCOMPARE(d.panel(0), QStringLiteral("Angabe ohne Gewähr"));
    QCOMPARE(d.panel(1), QStringLiteral("Quote für den 15.01.24 geladen"));
    QCOMPARE(d.ergebnis(3), deutsch ? QStringLiteral("2469,12") : QStringLiteral("2469.12"));
    QCOMPARE(d.form.Label20->text(), deutsch ? QStringLiteral("2469,12") : QStringLiteral("2469.12"));
    QVERIFY(d.form.SpeedButton2->isEnabled());
    QCOMPARE(d.meldungen(), QStringList());
    QCOMPARE(d.server.anfragen(), QStringList{"/zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=20240115"});
    QVERIFY(d.server.protokoll().contains(QStringLiteral("\"Mozilla/3.0 (compatible; Indy Library)\"")));
  }

  // Five quotas: rows 12 to 8 get them, the rest "-", which the recalculation reads as 0.
  void nurFuenfQuoten() {
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    d.server.setzeDatei(kQuotendatei, "x,1;5;1;2;3;4;5;");
    for (int r = 1; r <= 12; ++r) d.anzahl(r)->setText(QStringLiteral("1"));
    d.laden();
    QCOMPARE(d.quoten(), (QStringList(7, "-") << "5,00" << "4,00" << "3,00" << "2,00" << "1,00"));
    QCOMPARE(d.ergebnis(7), QStringLiteral("0,00"));
    QCOMPARE(d.form.Label20->text(), QStringLiteral("15,00"));
    QCOMPARE(d.meldungen(), QStringList());
  }

  void fehlschlag_data() {
    QTest::addColumn<QByteArray>("datei");  // empty: none, the stand-in answers 404
    QTest::addColumn<QString>("panel0");
    QTest::addColumn<QString>("panel1");
    QTest::newRow("404") << QByteArray() << "Failed : 404 Not Found" << "konnte Quote nicht laden";
    QTest::newRow("ohne Semikolon") << QByteArray("Quoten folgen") << "Received 13 bytes" << "konnte Quote nicht laden";
    // Prizes beyond every number make the answer a damaged one: nothing of it is taken, and no
    // conversion message about "INF" comes.
    QByteArray riesig = "20240115,1,2,3,4,5;10,90;";
    for (int i = 0; i < 12; ++i) riesig += "17" + QByteArray(307, '0') + ",00;";
    QTest::newRow("Quoten nahe der größten Zahl") << riesig << QStringLiteral("Received %1 bytes").arg(riesig.size())
                                                  << "konnte Quote nicht laden";
  }
  // The status bar's words in the chosen language: the shipped French message file.
  void statusInDerSprache() {
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    const auto stand = sprache::liesSprache(d.u.programmordner() + QStringLiteral("land/") + sprache::stammName(),
                                            QStringLiteral("fr"));
    QVERIFY(stand && stand->meldungen);
    Meldungstabelle fr;
    fr.ersetzen(*stand->meldungen);
    plattform::setzeUebersetzer([fr](const QString& deutsch) { return fr.uebersetze(deutsch); });
    d.laden();  // no quota file: the stand-in answers 404
    QCOMPARE(d.panel(0), QString::fromUtf8("Échec : 404 Not Found"));
    d.server.setzeDatei(kQuotendatei, "Quoten folgen");
    d.laden();
    QCOMPARE(d.panel(0), QString::fromUtf8("13 octets reçus"));
    plattform::setzeUebersetzer(nullptr);
  }

  // Nothing taken: quotas, results and caption stay as they were.
  void fehlschlag() {
    QFETCH(QByteArray, datei);
    QFETCH(QString, panel0);
    QFETCH(QString, panel1);
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    d.form.setWindowTitle(QStringLiteral("Spieleinsatz: 7  EUR"));
    d.anzahl(1)->setText(QStringLiteral("2"));
    d.tippe(d.quote(1), QStringLiteral("8"));
    if (!datei.isEmpty()) d.server.setzeDatei(kQuotendatei, datei);
    // Different hints for the two failures show which one is used.
    plattform::setzeHint(d.anzahl(2), QStringLiteral("Anfrage fehlgeschlagen"));
    d.laden();
    QCOMPARE(d.panel(0), panel0);
    QCOMPARE(d.panel(1), panel1);
    QCOMPARE(d.quote(1)->text(), QStringLiteral("8"));
    QCOMPARE(d.ergebnis(1), QStringLiteral("16,00"));
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Spieleinsatz: 7  EUR"));
    QVERIFY(d.form.SpeedButton2->isEnabled());
    QCOMPARE(d.meldungen(), QStringList());
  }

  // The texts are read from the hints when they are used, so that a language file reaches them.
  void hintsBeimGebrauch() {
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    d.server.setzeDatei(kQuotendatei, "x,1;10,90;1;");
    plattform::setzeHint(d.anzahl(4), QStringLiteral("Stake: %s  EUR"));
    plattform::setzeHint(d.form.Label2, QStringLiteral("Quotas of %s loaded"));
    plattform::setzeHint(d.form.Panel1, QStringLiteral("No warranty"));
    d.laden();
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Stake: 11  EUR"));
    QCOMPARE(d.panel(0), QStringLiteral("No warranty"));
    QCOMPARE(d.panel(1), QStringLiteral("Quotas of 15.01.24 loaded"));
    d.server.setzeDatei(kQuotendatei, "x,1;viel;1;");
    plattform::setzeHint(d.anzahl(3), QStringLiteral("Stake: not yet known"));
    d.laden();
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Stake: not yet known"));
  }

  // The translatable elements in creation order: the window, the heads, the rows, the total and
  // the buttons; the status bar takes no part.
  void elemente() {
    Dialog d;
    QStringList namen;
    QList<plattform::Elementart> arten;
    for (const auto& e : plattform::elementliste(&d.form).elemente()) {
      namen << e.name();
      arten << e.art;
    }
    QStringList erwartet{"Form9", "Label1", "Label2", "Label3", "Panel1"};
    const QStringList a{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit17", "Edit18", "Edit19", "Edit20"};
    const QStringList k{"Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label21", "Label22", "Label23", "Label24"};
    const QStringList q{"Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit21", "Edit22", "Edit23", "Edit24"};
    const QStringList e{"Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label25", "Label26", "Label27", "Label28"};
    for (int r = 0; r < 12; ++r) erwartet << a[r] << k[r] << q[r] << e[r];
    erwartet << "Label20" << "SpeedButton1" << "SpeedButton2" << "BitBtn1";
    QCOMPARE(namen, erwartet);
    using A = plattform::Elementart;
    QCOMPARE(arten.mid(0, 9), (QList<A>{A::Fenster, A::Label, A::Label, A::Label, A::Panel, A::Edit, A::Label, A::Edit, A::Label}));
    QCOMPARE(arten.mid(arten.size() - 4), (QList<A>{A::Label, A::SpeedButton, A::SpeedButton, A::BitBtn}));
    // The "Summe" head is a panel that shows its caption.
    const plattform::Element panel{A::Panel, d.form.Panel1};
    QCOMPARE(plattform::caption(panel), QStringLiteral("Summe"));
    plattform::setzeCaption(panel, QStringLiteral("Sum"));
    QCOMPARE(d.form.findChild<QLabel*>("Panel1")->text(), QStringLiteral("Sum"));
  }

  // In every language the heads, the class labels and the buttons show their whole caption, and
  // the status bar the texts that stay in it after a download.
  void jedeSpracheLesbar() {
    Fensterumgebung u;
    Programmfenster programm;
    QVERIFY(Form9);
    TForm9& f = *Form9;
    for (const auto& s : sprache::Sprachtabelle()) {
      programm.form1().sprachmenue->menuepunkt(s.nummer)->trigger();
      const QString sp = QString::fromLatin1(s.endung);
      QStringList abgeschnitten;
      for (auto* l : f.findChildren<QLabel*>())
        if (l->sizeHint().width() > l->width()) abgeschnitten << l->objectName() + QLatin1Char('=') + l->text();
      for (auto* b : f.findChildren<QAbstractButton*>())
        if (b->sizeHint().width() > b->width()) abgeschnitten << b->objectName() + QLatin1Char('=') + b->text();
      f.show();
      QVERIFY(QTest::qWaitForWindowExposed(&f));
      const QList<std::pair<int, QString>> panels{
          {0, plattform::hint(f.Panel1)},
          {0, plattform::uebersetzt(QStringLiteral("Received %1 bytes"), {QStringLiteral("12345")})},
          {0, plattform::uebersetzt(QStringLiteral("Failed : %1 "), {QStringLiteral("404")}) + QStringLiteral("Not Found")},
          {0, plattform::uebersetzt(QStringLiteral("Loading"))},
          {1, auswertung::mitWert(plattform::hint(f.Label2), QStringLiteral("15.01.24"))},
          {1, plattform::hint(f.Anzahl[4])}};
      for (const auto& [i, text] : panels) {
        f.StatusBar1->setzePanel(i, text);
        QLabel* l = f.StatusBar1->panelLabel(i);
        if (l->fontMetrics().horizontalAdvance(text) > l->contentsRect().width())
          abgeschnitten << QStringLiteral("panel %1=").arg(i) + text;
      }
      f.StatusBar1->setzePanel(0, QString());
      f.StatusBar1->setzePanel(1, QString());
      f.hide();
      QVERIFY2(abgeschnitten.isEmpty(), qPrintable(sp + QLatin1Char(' ') + abgeschnitten.join(QLatin1Char('|'))));
    }
  }

  // Rows 4 and 5 by the evaluated date.
  void klassenNachDatum_data() {
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<QString>("zeile4");
    QTest::addColumn<QString>("zeile5");
    QTest::newRow("09.10.2014") << QDate(2014, 10, 9) << "2 + S + S" << "3 + S";
    QTest::newRow("10.10.2014") << QDate(2014, 10, 10) << "3 + E" << "2 + E + E";
  }
  void klassenNachDatum() {
    QFETCH(QDate, datum);
    QFETCH(QString, zeile4);
    QFETCH(QString, zeile5);
    Dialog d;
    d.form.Datum = QDateTime(datum, QTime(0, 0));
    d.form.klassenNachDatum();
    QCOMPARE(d.form.Klasse[3]->text(), zeile4);
    QCOMPARE(d.form.Klasse[4]->text(), zeile5);
  }

  // Typing a count enables or disables its quota field; the result follows every change.
  void tippen() {
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    d.tippe(d.anzahl(1), QStringLiteral("0"));
    QVERIFY(!d.quote(1)->isEnabled());
    QVERIFY(!d.quote(2)->isEnabled());
    d.tippe(d.anzahl(1), QStringLiteral("2"));
    QVERIFY(d.quote(1)->isEnabled());
    QVERIFY(!d.quote(2)->isEnabled());
    d.tippe(d.quote(1), QStringLiteral("8"));
    QCOMPARE(d.ergebnis(1), QStringLiteral("16,00"));
    QCOMPARE(d.form.Label20->text(), QStringLiteral("16,00"));
    d.tippe(d.anzahl(1), QStringLiteral("0"));
    QVERIFY(!d.quote(1)->isEnabled());
    QCOMPARE(d.ergebnis(1), QStringLiteral("0,00"));
    QCOMPARE(d.meldungen(), QStringList());
  }

  // Averages with one tip in the top class: the exponent form, which the total reads back.
  void durchschnitt() {
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    d.anzahl(12)->setText(QStringLiteral("1"));
    d.anzahl(1)->setText(QStringLiteral("3"));
    QTest::mouseClick(d.form.SpeedButton1, Qt::LeftButton);
    QCOMPARE(d.quoten(), (QStringList{"8", "10", "15", "15", "20", "50", "100", "200", "5000", "50000", "250000",
                                      "10000000"}));
    QCOMPARE(d.ergebnis(12), QStringLiteral("1,000000E+07"));
    QCOMPARE(d.ergebnis(1), QStringLiteral("24,00"));
    QCOMPARE(d.form.Label20->text(), QStringLiteral("10000024,00"));
  }

  // An unreadable field stops the recalculation with one message; what was written before stays.
  void unlesbar() {
    Sprache s(QLocale::German, QLocale::Germany);
    Dialog d;
    for (int r = 1; r <= 12; ++r) d.anzahl(r)->setText(QStringLiteral("1"));
    d.tippe(d.quote(1), QStringLiteral("5"));
    d.tippe(d.quote(5), QStringLiteral("7"));
    QCOMPARE(d.form.Label20->text(), QStringLiteral("12,00"));
    d.tippe(d.quote(3), QStringLiteral("x"));
    QCOMPARE(d.meldungen(), QStringList{"'x' ist kein gültiger Gleitkommawert"});
    QCOMPARE(d.ergebnis(1), QStringLiteral("5,00"));
    QCOMPARE(d.ergebnis(5), QStringLiteral("7,00"));
    QCOMPARE(d.form.Label20->text(), QStringLiteral("12,00"));

    // The download writes twelve fields; row 3 stays unreadable until its own quota comes, and
    // the command shows the message once.
    d.u.dialoge().gezeigt.clear();
    d.server.setzeDatei(kQuotendatei, kAntwort);
    d.laden();
    QCOMPARE(d.meldungen(), QStringList{"'x' ist kein gültiger Gleitkommawert"});
    QCOMPARE(d.quote(3)->text(), QStringLiteral("1234,56"));
    QCOMPARE(d.form.Label20->text(), QStringLiteral("10256638,10"));
    QVERIFY(d.form.SpeedButton2->isEnabled());
  }

  // Made after the main window, it joins the window list after it and follows its zoom.
  void imProgramm() {
    Programm p;
    const QList<QWidget*> fenster = plattform::programmfenster();
    QVERIFY(fenster.indexOf(&p.form) >= 0 && fenster.indexOf(&p.form9) > fenster.indexOf(&p.form));
    QCOMPARE(plattform::programmfenster(QStringLiteral("Form9")), &p.form9);
    QCOMPARE(p.form9.height(), 450);
    const int breite = p.form9.width();
    p.form.setHeight(700);
    QCOMPARE(p.form9.height(), static_cast<int>(std::lround(450 * 700.0 / 546)));
    QCOMPARE(p.form9.width(), static_cast<int>(std::lround(breite * 700.0 / 546)));
    QVERIFY(p.form.auswertung->isHidden());
    QCOMPARE(plattform::hint(p.form.auswertung), QStringLiteral("Auswertung und Ermittlung der Gewinnsumme"));
  }

  // After a download that found a listed tip of two or more hits the dialog opens with the
  // counts of the last check, the end date, the proxy and the quotas of that day.
  void nachDemDownload() {
    Sprache s(QLocale::German, QLocale::Germany);
    Programm p;
    p.zeigenOhneDownload();
    p.historie({satz(heute().addDays(-1), {7, 8, 9, 10, 11}, false)});
    p.server.setzeZiehungen(heute(), zeile(heute(), {20, 21, 22, 23, 24}, "1;") + zeile(heute(), {1, 2, 6, 7, 8}, "0;"));
    p.server.setzeDatei(QStringLiteral("quoten/") + plattform::yyyymmdd(heute()) + QStringLiteral(".txt"), kAntwort);
    p.klick("Listenansicht");  // its question whether to take the sheet's tips is answered No
    p.u.dialoge().gezeigt.clear();
    // Three hits, two hits, none.
    p.form.Schein->listeErsetzen({"1\t2\t6\t40\t41", "1\t2\t40\t41\t42", "3\t4\t5\t9\t10"});
    QStringList anzahlen;
    QString titel;
    p.imDialog = [&] {
      for (auto* e : p.form9.Anzahl) anzahlen << e->text();
      titel = p.form9.windowTitle();
    };
    p.klick("BitBtn1");
    QCOMPARE(p.geoeffnet, 1);
    QCOMPARE(anzahlen, (QStringList{"0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    QCOMPARE(p.form9.Datum.date(), heute());
    QCOMPARE(p.form9.Port, QStringLiteral("80"));
    QCOMPARE(p.form9.proxy, QString());
    QCOMPARE(titel, QStringLiteral("Spieleinsatz: 11  EUR"));
    QCOMPARE(p.form9.Quote[2]->text(), QStringLiteral("1234,56"));
    QCOMPARE(p.form9.Label20->text(), QStringLiteral("1234,56"));
    QCOMPARE(p.server.anfragen().last(), p.quotenanfrage(heute()));
    QCOMPARE(p.meldungen(), QStringList());
  }

  // A port that is not a whole number ends the evaluation with the conversion message before
  // any request; the dialog does not open.
  void portKeineZahl() {
    Programm p;
    p.zeigenOhneDownload();
    p.form.Internet->ProxyPortEdit->setText(QStringLiteral("abc"));
    p.auswerten();
    QCOMPARE(p.meldungen(), QStringList{"'abc' ist kein gültiger Integerwert"});
    QCOMPARE(p.server.anfragen(), QStringList());
    QCOMPARE(p.geoeffnet, 0);
    QVERIFY(p.form9.SpeedButton2->isEnabled());
  }

  // A server that takes the request and never answers: after the time-out the dialog opens with
  // the failure in its panels.
  void serverAntwortetNie_data() {
    QTest::addColumn<bool>("troepfelnd");
    QTest::newRow("stumm") << false;
    QTest::newRow("zwei bytes je sekunde") << true;
  }
  void serverAntwortetNie() {
    QFETCH(bool, troepfelnd);
    Programm p;
    p.zeigenOhneDownload();
    StummerServer stumm;
    Rohserver tropf("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\nx,1;10;" + QByteArray(33, '5'), {500, 0});
    qputenv("ZK_DOWNLOAD_URL", (troepfelnd ? tropf.url() : stumm.url()).toUtf8());
    QString panel0, panel1;
    p.imDialog = [&] {
      panel0 = p.form9.StatusBar1->panel(0);
      panel1 = p.form9.StatusBar1->panel(1);
    };
    QElapsedTimer uhr;
    uhr.start();
    p.auswerten();
    // The dialog opens after the deadline, however slowly the server sends.
    QVERIFY2(uhr.elapsed() >= 4500 && uhr.elapsed() < plattform::HttpClient::kFristMs + 3000,
             qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(p.geoeffnet, 1);
    QVERIFY2(panel0.startsWith(QStringLiteral("Failed : 0 ")), qPrintable(panel0));
    QCOMPARE(panel1, QStringLiteral("konnte Quote nicht laden"));
    QVERIFY(p.form9.SpeedButton2->isEnabled());
  }

  // A quota typed unreadable in the open dialog: one message, and the next evaluation opens the
  // dialog again, its download mending the field.
  void unlesbarGetipptUndWiederGeoeffnet() {
    Sprache s(QLocale::German, QLocale::Germany);
    Programm p;
    p.zeigenOhneDownload();
    p.server.setzeDatei(QStringLiteral("quoten/") + plattform::yyyymmdd(heute()) + QStringLiteral(".txt"), kAntwort);
    p.form.zustand().Statistik[3][0] = 2;  // row 3
    p.imDialog = [&] {
      QLineEdit* q = p.form9.Quote[2];
      q->setFocus();
      q->selectAll();
      QTest::keyClicks(q, QStringLiteral("x"));
    };
    p.auswerten();
    QCOMPARE(p.geoeffnet, 1);
    QCOMPARE(p.meldungen(), QStringList{"'x' ist kein gültiger Gleitkommawert"});
    QCOMPARE(p.form9.Ergebnis[2]->text(), QStringLiteral("2469,12"));
    p.u.dialoge().gezeigt.clear();
    p.imDialog = nullptr;
    p.auswerten();
    QCOMPARE(p.geoeffnet, 2);
    QCOMPARE(p.meldungen(), QStringList{"'x' ist kein gültiger Gleitkommawert"});
    QCOMPARE(p.form9.Quote[2]->text(), QStringLiteral("1234,56"));
    QCOMPARE(p.form9.Label20->text(), QStringLiteral("2469,12"));
    QVERIFY(p.form9.SpeedButton2->isEnabled());
  }
};

QTEST_MAIN(TstAuswert)
#include "tst_auswert.moc"
