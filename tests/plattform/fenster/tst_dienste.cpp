#include <QtTest>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <functional>

#include "hilfen/fenster/doubles.h"
#include "plattform/fenster/dienste.h"

using namespace plattform;

namespace {
// Runs `pruefe` on the modal dialog once it is open (the real dialogs block in exec()).
void beimDialog(std::function<void(QWidget*)> pruefe) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, pruefe] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      pruefe(w);
    }
  });
  timer->start();
}

// A WAV of the given length in seconds: 8-bit mono silence.
QByteArray wav(double sekunden) {
  const quint32 rate = 8000;
  const quint32 n = static_cast<quint32>(rate * sekunden);
  QByteArray b;
  QDataStream s(&b, QIODevice::WriteOnly);
  s.setByteOrder(QDataStream::LittleEndian);
  s.writeRawData("RIFF", 4);
  s << quint32(36 + n);
  s.writeRawData("WAVEfmt ", 8);
  s << quint32(16) << quint16(1) << quint16(1) << rate << rate << quint16(1) << quint16(8);
  s.writeRawData("data", 4);
  s << n;
  b.append(QByteArray(static_cast<qsizetype>(n), '\x80'));
  return b;
}
}  // namespace

class TstDienste : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QApplication::setApplicationName(QStringLiteral("Kestrells Quintavola"));
    setzeDialoge(nullptr);  // the real Qt dialogs
  }

  void frageOhneSymbolJaVorgabe() {
    QString titel, text;
    QMessageBox::Icon symbol = QMessageBox::Warning;
    bool jaIstVorgabe = false;
    int knoepfe = 0;
    beimDialog([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      QVERIFY(box);
      titel = box->windowTitle();
      text = box->text();
      symbol = box->icon();
      knoepfe = static_cast<int>(box->buttons().size());
      jaIstVorgabe = box->defaultButton() == box->button(QMessageBox::Yes);
      QTest::keyClick(box, Qt::Key_Return);  // Return takes the default button
    });
    QVERIFY(dialoge().frage(QStringLiteral("Soll die Liste vorher gelöscht werden?"), QStringLiteral("Liste löschen?")));
    QCOMPARE(titel, QStringLiteral("Liste löschen?"));
    QCOMPARE(text, QStringLiteral("Soll die Liste vorher gelöscht werden?"));
    QCOMPARE(symbol, QMessageBox::NoIcon);
    QCOMPARE(knoepfe, 2);
    QVERIFY(jaIstVorgabe);

    beimDialog([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click(); });
    QVERIFY(!dialoge().frage(QString(), QString()));  // empty texts still ask
  }

  void nachrichtMitOk() {
    QString titel;
    QList<QAbstractButton*> knoepfe;
    beimDialog([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      titel = box->windowTitle();
      knoepfe = box->buttons();
      QVERIFY(box->button(QMessageBox::Ok));
      box->button(QMessageBox::Ok)->click();
    });
    dialoge().nachricht(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
    QCOMPARE(titel, QStringLiteral("Kestrells Quintavola"));
    QCOMPARE(knoepfe.size(), 1);
  }

  // A text of megabytes (an unreadable server answer) shows its first 200 characters and "…",
  // and the box opens at once; a short text stays whole.
  void langeMeldungGekuerzt() {
    const QString lang = QStringLiteral("1234567890").repeated(500000);
    for (const QString& text : {lang, QStringLiteral("kurz")}) {
      QString gezeigt;
      beimDialog([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        gezeigt = box->text();
        box->button(QMessageBox::Ok)->click();
      });
      QElapsedTimer uhr;
      uhr.start();
      dialoge().nachricht(text);
      QVERIFY2(uhr.elapsed() < 5000, qPrintable(QString::number(uhr.elapsed())));
      QCOMPARE(gezeigt, text.size() > 200 ? text.left(200) + QChar(0x2026) : text);
    }
    QString frage;
    beimDialog([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      frage = box->text();
      box->button(QMessageBox::No)->click();
    });
    dialoge().frage(lang, QStringLiteral("Titel"));
    QCOMPARE(frage.size(), 201);
  }

  // The question's buttons in the language loaded: the first name that Qt has a translation
  // for; with none, Qt's English, not the language loaded before.
  void qtTexteInDerGewaehltenSprache_data() {
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<bool>("geladen");
    QTest::addColumn<QStringList>("knoepfe");
    QTest::newRow("de") << QStringList{"de"} << true << QStringList{"Ja", "Nein"};
    QTest::newRow("fr") << QStringList{"fr"} << true << QStringList{"Oui", "Non"};
    QTest::newRow("pt: pt_BR") << QStringList{"pt_PT", "pt_BR"} << true << QStringList{"Sim", "Não"};
    QTest::newRow("zu: keine") << QStringList{"zu"} << false << QStringList{"Yes", "No"};
  }
  void qtTexteInDerGewaehltenSprache() {
    QFETCH(QStringList, namen);
    QFETCH(bool, geladen);
    QFETCH(QStringList, knoepfe);
    QVERIFY(ladeQtUebersetzung({QStringLiteral("de")}));
    QCOMPARE(ladeQtUebersetzung(namen), geladen);
    QStringList gezeigt;
    beimDialog([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      for (auto k : {QMessageBox::Yes, QMessageBox::No}) gezeigt << box->button(k)->text().remove(QLatin1Char('&'));
      box->button(QMessageBox::No)->click();
    });
    dialoge().frage(QStringLiteral("Weiter?"), QStringLiteral("Frage"));
    QCOMPARE(gezeigt, knoepfe);
    QVERIFY(ladeQtUebersetzung({QStringLiteral("en")}));  // the later tests' texts
  }

  void eingabeAbbrechenGibtVorgabe() {
    beimDialog([](QWidget* w) { qobject_cast<QInputDialog*>(w)->reject(); });
    QCOMPARE(dialoge().eingabe(QStringLiteral("Tipp-Test"), QStringLiteral("Bei wievielen?"), QStringLiteral("4")),
             QStringLiteral("4"));
    QString prompt;
    beimDialog([&](QWidget* w) {
      auto* d = qobject_cast<QInputDialog*>(w);
      prompt = d->labelText();
      d->setTextValue(QStringLiteral("3"));
      d->accept();
    });
    QCOMPARE(dialoge().eingabe(QStringLiteral("Tipp-Test"), QStringLiteral("Bei wievielen?"), QStringLiteral("4")),
             QStringLiteral("3"));
    QCOMPARE(prompt, QStringLiteral("Bei wievielen?"));
  }

  void dateifilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("eintraege");
    QTest::newRow("einer") << "Werteliste|*.zpn" << QStringList{"Werteliste (*.zpn)"};
    QTest::newRow("zwei") << "Tippdatei|*.zpk|Textdatei|*.txt" << QStringList{"Tippdatei (*.zpk)", "Textdatei (*.txt)"};
    QTest::newRow("mehrere Muster") << "Bilder|*.png;*.jpg" << QStringList{"Bilder (*.png *.jpg)"};
    QTest::newRow("Qt-Form bleibt") << "Bilder (*.png);;Alle (*)" << QStringList{"Bilder (*.png)", "Alle (*)"};
    QTest::newRow("leer") << "" << QStringList{};
    QTest::newRow("Name ohne Muster") << "Liste|*.zpn|Rest" << QStringList{"Liste (*.zpn)"};
  }
  void dateifilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, eintraege);
    QCOMPARE(qtFilter(filter), eintraege);
  }

  // The save dialog proposes the name in its folder, appends the default extension to a name
  // typed without one and replaces an existing file without asking.
  void dateiDialogMitEndung() {
    QTemporaryDir ordner;
    const QString alt = ordner.path() + QStringLiteral("/neu.zpn");
    QFile f(alt);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QStringList filter;
    QString endung, vorgeschlagen, verzeichnis;
    beimDialog([&](QWidget* w) {
      auto* d = qobject_cast<QFileDialog*>(w);
      QVERIFY(d);
      filter = d->nameFilters();
      endung = d->defaultSuffix();
      vorgeschlagen = d->selectedFiles().value(0);
      verzeichnis = d->directory().absolutePath();
      d->selectFile(QStringLiteral("neu"));
      static_cast<QDialog*>(d)->accept();
    });
    const QString gewaehlt =
        dialoge().speichernMitEndung(QStringLiteral("Speichern"), ordner.path() + QStringLiteral("/20240115.zpn"),
                                     QStringLiteral("Werteliste|*.zpn"), QStringLiteral("zpn"));
    QCOMPARE(filter, QStringList{"Werteliste (*.zpn)"});
    QCOMPARE(endung, QStringLiteral("zpn"));
    QCOMPARE(QFileInfo(vorgeschlagen).fileName(), QStringLiteral("20240115.zpn"));
    QCOMPARE(verzeichnis, QDir(ordner.path()).absolutePath());
    QCOMPARE(QFileInfo(gewaehlt).absoluteFilePath(), QFileInfo(alt).absoluteFilePath());
    QVERIFY(!QApplication::activeModalWidget());  // no question about replacing it

    beimDialog([](QWidget* w) { qobject_cast<QFileDialog*>(w)->reject(); });
    QVERIFY(dialoge().oeffnenMitEndung(QString(), ordner.path(), QStringLiteral("Werteliste|*.zpn"),
                                       QStringLiteral("zpn")).isEmpty());
  }

  // Without an audio device the sound must neither block nor crash; a missing file beeps.
  void klangBlockiertNicht() {
    QTemporaryDir ordner;
    const QString lang = ordner.path() + QStringLiteral("/lang.wav");
    QFile f(lang);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wav(3.0));
    f.close();
    QElapsedTimer uhr;
    uhr.start();
    klang().spielen(lang);
    klang().spielen(lang);  // replaces the running one
    klang().spielen(ordner.path() + QStringLiteral("/fehlt.wav"));
    klang().spielen(lang);
    QVERIFY2(uhr.elapsed() < 1500, qPrintable(QString::number(uhr.elapsed())));
    QTest::qWait(200);
  }

  void doublesZeichnenAuf() {
    SkriptDialoge d;
    d.antworten = {true, QStringLiteral("7"), QVariant()};
    QVERIFY(d.frage(QStringLiteral("t"), QStringLiteral("c")));
    QCOMPARE(d.eingabe(QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("v")), QStringLiteral("7"));
    QCOMPARE(d.eingabe(QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("v")), QStringLiteral("v"));
    QVERIFY(!d.frage(QStringLiteral("u"), QStringLiteral("c")));  // script used up: No
    d.nachricht(QStringLiteral("n"));
    QCOMPARE(d.arten(), (QStringList{"frage", "eingabe", "eingabe", "frage", "nachricht"}));
    QCOMPARE(d.texte(), (QStringList{"t", "p", "p", "u", "n"}));
    QCOMPARE(d.unbeantwortet, 1);

    ShellProtokoll s;
    s.oeffnen(QStringLiteral("http://x/"));
    s.bearbeiten(QStringLiteral("/h/Tipp.txt"));
    s.starten(QStringLiteral("/p/klick"), {QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(s.aufrufe, (QStringList{"open http://x/", "edit /h/Tipp.txt", "start /p/klick a b"}));
    KlangProtokoll k;
    k.spielen(QStringLiteral("/p/yippee.wav"));
    QCOMPARE(k.gespielt, QStringList{"/p/yippee.wav"});
  }
};

QTEST_MAIN(TstDienste)
#include "tst_dienste.moc"
