#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "hilfen/fenster/fenstertest.h"
#include "hilfen/standin.h"
#include "output/fenster/Online.h"
#include "output/fenster/Scriptwahl.h"
#include "output/fenster/Uebergaben.h"
#include "output/klickskript.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/registry.h"
#include "plattform/uhr.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"

namespace {

const QString kSchluessel = QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel");
const QString kEinstellungen = QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel\\Settings");
const QByteArray kVorlage = "A [Z1_1] [Z5_1] [S1_1] [S2_1]\r\nB [Z1_2] L [Z1_12]\r\n[DI] [FR] [DIFR] [DAUER]\r\n[TIPPDATEI]\r\n";
const QDate kDienstag(2026, 12, 8);

void registrySchreiben(const QString& schluessel, const QString& name, const QString& wert) {
  plattform::Registry reg;
  QVERIFY(reg.OpenKey(schluessel, true));
  reg.WriteString(name, wert);
  reg.CloseKey();
}
QString registryLesen(const QString& name) {
  plattform::Registry reg;
  if (!reg.OpenKeyReadOnly(kSchluessel)) return QStringLiteral("<fehlt>");
  return reg.ReadString(name);
}

// The main window with the click-script dialog made after it; the program is registered under
// the current user, the template lies in the program folder's "Script".
struct Fenster : Fenstertest<TForm1> {
  TQZTForm qzt;
  QString programm;
  QString vorlage;
  QStringList skripte;  // each script as it was when its start came
  QTimer antworter;

  Fenster() {
    programm = u.appdata() + "klicklotse/Lenkfix.exe";
    Testumgebung::schreibe(programm, "programm");
    registrySchreiben(kEinstellungen, "Path", u.appdata() + "klicklotse");
    vorlage = plattform::Programmpfad() + "Script/Test.qzt";
    Testumgebung::schreibe(vorlage, kVorlage);
    registrySchreiben(kSchluessel, "KalvatroScript", vorlage);
    ctl<plattform::DatumsWahl>("DateTimePicker1")->setzeDatum(QDate(2026, 12, 1));
    plattform::setzeHeute(kDienstag);
    u.shell().beimStart = [this](const QString&, const QStringList& p) {
      skripte << QString::fromLatin1(Testumgebung::lies(p.value(1)));
    };
  }
  ~Fenster() { plattform::setzeHeute(QDate()); }

  Tippschein& schein() { return *form.Schein; }
  QString tippdatei() const { return u.home() + "Tipps/20261208.zpk"; }
  QString skript() const { return u.home() + "Tipps/20261208.qzt"; }
  void liste(int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i) l << QStringLiteral("%1\t2\t3\t4\t5").arg(i);
    schein().listenansichtBeimStart();
    schein().listeErsetzen(l);
  }
  // The click-script dialog, once it shows: `tun`, then OK (or Cancel).
  void imDialog(std::function<void(TQZTForm&)> tun, bool ok = true) {
    antworter.setInterval(5);
    QObject::disconnect(&antworter, nullptr, nullptr, nullptr);
    QObject::connect(&antworter, &QTimer::timeout, [this, tun, ok] {
      if (!qzt.isVisible()) return;
      antworter.stop();
      if (tun) tun(qzt);
      (ok ? qzt.BitBtn2 : qzt.BitBtn3)->click();
    });
    antworter.start();
  }
  void abgeben(std::function<void(TQZTForm&)> tun = {}, bool ok = true) {
    imDialog(std::move(tun), ok);
    form.Hand->OnlineTippClick();
    antworter.stop();
  }
  QList<QStringList>& starts() { return u.shell().starts; }
};

}  // namespace

class TstKlickuebergabe : public QObject {
  Q_OBJECT
 private slots:
  void steuerelemente() {
    Fenster f;
    QToolButton* o = f.form.Hand->OnlineTipp;
    QVERIFY(o->isHidden());
    QCOMPARE(o->text(), QStringLiteral("Klicklotse"));
    QCOMPARE(plattform::hint(o), QStringLiteral("Hier können Sie den Tipp Online abgeben"));
    QCOMPARE(o->parentWidget(), f.form.TabSheet1);
    QCOMPARE(f.form.Abgeben1->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    QCOMPARE(f.qzt.windowTitle(), QStringLiteral("Script für Zahlenübergabe auswählen!"));
    QVERIFY(f.qzt.LabeledEdit4->text().isEmpty() && f.qzt.LabeledEdit5->text().isEmpty());
    QStringList namen;
    for (const auto& e : plattform::elementliste(&f.qzt).elemente()) namen << e.name();
    QCOMPARE(namen, (QStringList{"QZTForm", "Label1", "BitBtn1", "Label2", "LabeledEdit2", "LabeledEdit3", "LabeledEdit4",
                                 "LabeledEdit5", "BitBtn3", "BitBtn2"}));
  }

  void zwoelfEinSkript() {
    Fenster f;
    f.liste(12);
    f.abgeben();
    QCOMPARE(f.starts().size(), 1);
    QCOMPARE(f.starts()[0], (QStringList{f.programm, "START", f.skript(), "0", "", "0", ""}));
    QCOMPARE(f.skripte[0], "A 1 5  \r\nB 2 L 12\r\nNEIN JA NEIN NEIN\r\n" + f.tippdatei() + "\r\n");
    QVERIFY(f.meldungen().isEmpty());
    // The tip file of the hand-off, which the tip-file load proposes next.
    QCOMPARE(Testumgebung::lies(f.tippdatei()).count("\r\n"), 12);
    QCOMPARE(f.form.zustand().SaveDialog1.FileName, f.tippdatei());
  }

  void dreizehnZweiSkripte() {
    Fenster f;
    f.liste(13);
    f.abgeben();
    QCOMPARE(f.starts().size(), 2);
    QCOMPARE(f.meldungen(), QStringList{klickskript::kWeiter});
    QCOMPARE(f.skripte[1], "A 13 5  \r\nB  L \r\nNEIN JA NEIN NEIN\r\n" + f.tippdatei() + "\r\n");
  }

  void zeilenformen_data() {
    QTest::addColumn<bool>("liste");
    QTest::addColumn<QString>("erste");  // the first script line
    QTest::newRow("Blatt") << false << "A 3 47  ";
    QTest::newRow("Liste mit Extras") << true << "A 3 47 4 9";
    QTest::newRow("leer") << false << "A    ";
  }
  void zeilenformen() {
    QFETCH(bool, liste);
    QFETCH(QString, erste);
    Fenster f;
    if (liste) {
      f.schein().listenansichtBeimStart();
      f.schein().listeErsetzen({"3\t12\t25\t33\t47\t\t\t4\t9"});
    } else if (erste != "A    ") {
      const QStringList z{"3", "12", "25", "33", "47", "4", "9"};
      for (int i = 0; i < 7; ++i) f.schein().zeile(1).feld(i)->setText(z[i]);
    }
    f.abgeben();
    QCOMPARE(f.starts().size(), 1);
    QCOMPARE(f.skripte[0].split("\r\n")[0], erste);
  }

  void wochentage_data() {
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<QString>("schalter");
    QTest::newRow("Dienstag") << kDienstag << "NEIN JA NEIN NEIN";
    QTest::newRow("Samstag") << QDate(2026, 12, 12) << "JA NEIN NEIN NEIN";
  }
  void wochentage() {
    QFETCH(QDate, heute);
    QFETCH(QString, schalter);
    Fenster f;
    plattform::setzeHeute(heute);
    f.abgeben();
    QCOMPARE(f.skripte.value(0).split("\r\n").value(2), schalter);
    QCOMPARE(f.starts()[0][2], f.u.home() + "Tipps/" + plattform::yyyymmdd(heute) + ".qzt");
  }

  void ort_data() {
    QTest::addColumn<QString>("fall");
    QTest::newRow("lokale Maschine") << "hklm";
    // An export that holds only the sub-key: its parent exists all the same.
    QTest::newRow("lokale Maschine, nur Unterschlüssel") << "hklm-unter";
    QTest::newRow("Kestrell-Ordner") << "kestrell";
  }
  void ort() {
    QFETCH(QString, fall);
    Fenster f;
    QString erwartet;
    QTemporaryDir wurzel;
    if (fall.startsWith("hklm")) {
      erwartet = f.u.appdata() + "maschine/Lenkfix.exe";
      Testumgebung::schreibe(erwartet, "p");
      const QByteArray eltern = fall == "hklm" ? "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrell\\Zugvogel]\r\n\r\n" : "";
      Testumgebung::schreibe(plattform::Registry::ablageDatei(plattform::Hive::LocalMachine),
                             "REGEDIT4\r\n\r\n" + eltern +
                                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrell\\Zugvogel\\Settings]\r\n\"Path\"=\"" +
                                 (f.u.appdata() + "maschine/").toUtf8() + "\"\r\n");
      plattform::Registry::verwerfen();
    } else {
      // No registry value: the first folder named Kestrell above the program, any letter case.
      registrySchreiben(kEinstellungen, "Path", "");
      plattform::setzeProgrammpfad(wurzel.path() + "/KeStReLl/zk/bin/");
      erwartet = wurzel.path() + "/KeStReLl/Lenkfix/lenkfix.exe";
      Testumgebung::schreibe(erwartet, "p");
    }
    f.abgeben();
    plattform::setzeProgrammpfad(f.u.programmordner());
    QCOMPARE(f.starts().size(), 1);
    QCOMPARE(f.starts()[0][0], erwartet);
  }

  // A data folder whose name Windows-1252 cannot hold: the script names the tip file by its
  // real path (UTF-8 with its mark), and that file exists.
  void ordnerAusserhalbAnsi() {
    Fenster f;
    const QString home = f.u.appdata() + QString::fromUtf8("Данные/");
    QVERIFY(QDir().mkpath(home));
    f.form.zustand().Home = home;
    f.liste(1);
    f.abgeben();
    QCOMPARE(f.starts().size(), 1);
    const QString tippdatei = home + "Tipps/20261208.zpk";
    QVERIFY(QFileInfo::exists(tippdatei));
    const QByteArray skript = Testumgebung::lies(f.starts()[0][2]);
    QVERIFY(skript.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(skript.mid(3)).split("\r\n").value(3), tippdatei);
    QCOMPARE(f.starts()[0][2], home + "Tipps/20261208.qzt");
  }

  // The question in the chosen language (0: German, 2: English).
  void keinProgramm_data() {
    QTest::addColumn<bool>("ja");
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("titel");
    const QString de = QStringLiteral("Kestrells Klick-Lotse installieren?");
    const QString deTitel = QStringLiteral("Klick-Lotse jetzt installieren?");
    QTest::newRow("Ja") << true << 0 << de << deTitel;
    QTest::newRow("Nein") << false << 0 << de << deTitel;
    QTest::newRow("Yes") << true << 2 << QStringLiteral("Install Kestrell's Klick-Lotse?")
                         << QStringLiteral("Install Klick-Lotse now?");
  }
  void keinProgramm() {
    QFETCH(bool, ja);
    QFETCH(int, sprache);
    QFETCH(QString, text);
    QFETCH(QString, titel);
    Fenster f;
    if (sprache) f.form.sprachmenue->menuepunkt(sprache)->trigger();
    QFile::remove(f.programm);
    f.u.dialoge().antworten.push_back(ja);
    f.abgeben();
    QCOMPARE(f.u.dialoge().gezeigt.value(0).text, text);
    QCOMPARE(f.u.dialoge().gezeigt.value(0).titel, titel);
    QCOMPARE(f.u.shell().aufrufe, ja ? QStringList{"open " + klickskript::kInstallation} : QStringList());
    QVERIFY(!f.qzt.isVisible());
  }

  void abbruchOderKeineVorlage() {
    for (bool abbruch : {true, false}) {
      Fenster f;
      if (!abbruch) QFile::remove(f.vorlage);
      f.abgeben({}, !abbruch);
      QVERIFY(f.starts().isEmpty());
      QVERIFY(f.u.dialoge().gezeigt.isEmpty());  // no message, no installation offer
      QVERIFY(QFile::exists(f.tippdatei()));      // the tip file was written before
    }
  }

  // A local template beyond any script's size is refused with a message that names it: no
  // script is written and nothing started. One at its bound is filled; a link to an endless
  // device names no file and ends the hand-over quietly. The message follows the language.
  void grosseVorlage_data() {
    QTest::addColumn<QString>("art");
    QTest::newRow("an der grenze") << "grenze";
    QTest::newRow("ein byte zu viel") << "zuviel";
    QTest::newRow("ein byte zu viel, französisch") << "französisch";
    QTest::newRow("300 MiB") << "riesig";
    QTest::newRow("verweis auf /dev/zero") << "zero";
  }
  void grosseVorlage() {
    QFETCH(QString, art);
    qputenv("ZK_WEB_URL", "http://127.0.0.1:1");
    Fenster f;
    if (art == "französisch") f.form.sprachmenue->menuepunkt(3)->trigger();
    QFile::remove(f.vorlage);
    if (art == "zero") {
      QVERIFY(QFile::link("/dev/zero", f.vorlage));
    } else if (art == "riesig") {
      QFile v(f.vorlage);
      QVERIFY(v.open(QIODevice::WriteOnly) && v.resize(300LL * 1024 * 1024));
    } else {
      Testumgebung::schreibe(f.vorlage, "[Z1_1]" + QByteArray(klickskript::kVorlageGrenze - 6 + (art != "grenze"), 'x'));
    }
    f.liste(13);
    QElapsedTimer uhr;
    uhr.start();
    // Through the button, whose command shows what ends it.
    f.imDialog({});
    f.form.Hand->OnlineTipp->click();
    f.antworter.stop();
    if (art == "grenze") {
      QCOMPARE(f.starts().size(), 2);
      QVERIFY(f.skripte.value(1).startsWith(QStringLiteral("13xxx")));
      QCOMPARE(f.meldungen(), QStringList{klickskript::kWeiter});
      return;
    }
    // Refused before anything of it is read beyond the bound.
    QVERIFY2(uhr.elapsed() < 5000, qPrintable(QString::number(uhr.elapsed())));
    const QString zuGross = art == "französisch" ? QStringLiteral("Le fichier %1 est trop volumineux.")
                                                 : QString::fromUtf8("Die Datei %1 ist zu groß.");
    QCOMPARE(f.meldungen(), art == "zero" ? QStringList() : QStringList{zuGross.arg(f.vorlage)});
    QVERIFY(f.starts().isEmpty());
    QVERIFY(!QFile::exists(f.skript()));
  }

  void parameterGespeichert() {
    Fenster f;
    f.abgeben([](TQZTForm& q) {
      q.LabeledEdit2->clear();
      q.LabeledEdit4->setText("nutzer 1");
      q.LabeledEdit3->setText("7");
      q.LabeledEdit5->clear();
    });
    // An empty ZAHL becomes "0" when the dialog closes; an empty TEXT2 stays an empty argument.
    QCOMPARE(f.starts().value(0).mid(1), (QStringList{"START", f.skript(), "0", "nutzer 1", "7", ""}));
    QCOMPARE(registryLesen("KalvatroZahl1"), QStringLiteral("0"));
    QCOMPARE(registryLesen("KalvatroText1"), QStringLiteral("nutzer 1"));
    QCOMPARE(registryLesen("KalvatroZahl2"), QStringLiteral("7"));
    QCOMPARE(registryLesen("KalvatroScript"), f.vorlage);

    // The next hand-over shows the stored values, whatever the dialog held meanwhile.
    f.qzt.LabeledEdit4->setText("anders");
    f.qzt.LabeledEdit1->setEditText("/anders.qzt");
    QStringList gesehen;
    f.abgeben([&](TQZTForm& q) {
      gesehen << q.LabeledEdit2->text() << q.LabeledEdit4->text() << q.LabeledEdit3->text() << q.LabeledEdit5->text()
              << q.LabeledEdit1->currentText();
    });
    QCOMPARE(gesehen, (QStringList{"0", "nutzer 1", "7", "", f.vorlage}));
  }

  void vorlagenliste() {
    Fenster f;
    const QString s = plattform::Programmpfad() + "Script/";
    for (const char* n : {"a.qzt", "B.QZT", "c.txt"}) Testumgebung::schreibe(s + n, "x");
    QDir().mkpath(s + "d.qzt");
    f.qzt.LabeledEdit1->setEditText(QString());
    f.qzt.FormShow();
    QStringList eintraege;
    for (int i = 0; i < f.qzt.LabeledEdit1->count(); ++i) eintraege << f.qzt.LabeledEdit1->itemText(i);
    QCOMPARE(eintraege, (QStringList{s + "a.qzt", s + "B.QZT", s + "Quintavola.qzt", s + "Test.qzt"}));
    QCOMPARE(f.qzt.LabeledEdit1->currentText(), s + "Test.qzt");
    f.qzt.LabeledEdit1->setEditText("/eigen.qzt");
    f.qzt.FormShow();
    QCOMPARE(f.qzt.LabeledEdit1->currentText(), QStringLiteral("/eigen.qzt"));
  }

  void auffrischen_data() {
    QTest::addColumn<int>("alterServer");  // seconds relative to the local file
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<bool>("ersetzt");
    const QByteArray neu = "NEU [Z1_1]";
    QTest::newRow("neuer") << 3600 << QByteArray() << neu << true;
    QTest::newRow("älter") << -3600 << QByteArray() << neu << false;
    QTest::newRow("500 mit späterem Datum") << 3600 << QByteArray("500") << neu << false;
    QTest::newRow("kein Server") << 3600 << QByteArray("-") << neu << false;
    QTest::newRow("an der grenze") << 3600 << QByteArray() << QByteArray(klickskript::kVorlageGrenze, 'x') << true;
    // An answer over the bound fails like any refresh: the local template stays.
    QTest::newRow("über der grenze") << 3600 << QByteArray() << QByteArray(klickskript::kVorlageGrenze + 1, 'x') << false;
  }
  void auffrischen() {
    QFETCH(int, alterServer);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, inhalt);
    QFETCH(bool, ersetzt);
    Fenster f;
    StandInServer server;
    server.alsServerDesProgramms();
    if (status == "-") qputenv("ZK_WEB_URL", "http://127.0.0.1:1");
    server.setzeDatei("scripts/Test.qzt.txt", inhalt);
    if (!status.isEmpty() && status != "-") server.setzeDatei("scripts/Test.qzt.txt.status", status);
    QFile lokal(f.vorlage);
    QVERIFY(lokal.open(QIODevice::ReadWrite));
    const QDateTime zeit = QDateTime::currentDateTimeUtc().addDays(-2);
    QVERIFY(lokal.setFileTime(zeit, QFileDevice::FileModificationTime));
    lokal.close();
    QFile fern(server.daten() + "/scripts/Test.qzt.txt");
    QVERIFY(fern.open(QIODevice::ReadWrite));
    QVERIFY(fern.setFileTime(zeit.addSecs(alterServer), QFileDevice::FileModificationTime));
    fern.close();
    f.qzt.LabeledEdit1->setEditText(f.vorlage);
    f.qzt.BitBtn2Click();
    server.alsServerDesProgramms();
    QCOMPARE(Testumgebung::lies(f.vorlage), ersetzt ? inhalt : kVorlage);
    QCOMPARE(f.qzt.result(), int(QDialog::Accepted));
    if (status != "-") QCOMPARE(server.anfragen(), QStringList{"/scripts/Test.qzt.txt"});
  }

  void strgG() {
    qputenv("ZK_DOWNLOAD_URL", "http://127.0.0.1:1");
    Fenster f;
    QVERIFY(f.zeigen());
    f.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    f.u.dialoge().gezeigt.clear();
    f.form.zustand().downloadLaeuft = true;  // ignored while the download runs
    f.imDialog({}, false);
    QTest::keyClick(&f.form, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(f.antworter.isActive());  // the dialog never came
    QVERIFY(!QFile::exists(f.tippdatei()));
    f.form.zustand().downloadLaeuft = false;
    f.imDialog({});
    QTest::keyClick(&f.form, Qt::Key_G, Qt::ControlModifier);
    f.antworter.stop();
    QCOMPARE(f.starts().size(), 1);
  }
};

QTEST_MAIN(TstKlickuebergabe)
#include "tst_klickuebergabe.moc"
