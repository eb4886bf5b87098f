#include <QtTest>

#include "plattform/pfade.h"

using namespace plattform;

// Runs without Testumgebung: these tests set APPDATA, XDG_DATA_HOME and HOME themselves.
class TstPfade : public QObject {
  Q_OBJECT
  QTemporaryDir wurzel_;
  QString w(const QString& rest) const { return wurzel_.path() + rest; }

 private slots:
  void initTestCase() {
    QVERIFY(wurzel_.isValid());
    qputenv("HOME", w("/home").toUtf8());
    QDir().mkpath(w("/arbeit"));
    QDir::setCurrent(w("/arbeit"));
  }

  void appDatenPfad_data() {
    QTest::addColumn<QVariant>("appdata");  // invalid: unset
    QTest::addColumn<QVariant>("xdg");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("APPDATA gesetzt") << QVariant(w("/roaming")) << QVariant() << w("/roaming/");
    QTest::newRow("APPDATA mit Trenner") << QVariant(w("/roaming/")) << QVariant(w("/xdg")) << w("/roaming/");
    QTest::newRow("APPDATA leer") << QVariant(QString()) << QVariant(w("/xdg/daten")) << w("/xdg/daten/");
    QTest::newRow("APPDATA fehlt") << QVariant() << QVariant(w("/xdg/daten")) << w("/xdg/daten/");
    QTest::newRow("beides fehlt") << QVariant() << QVariant() << w("/home/.local/share/");
    QTest::newRow("XDG relativ gilt nicht") << QVariant() << QVariant(QStringLiteral("relativ")) << w("/home/.local/share/");
  }
  void appDatenPfad() {
    QFETCH(QVariant, appdata);
    QFETCH(QVariant, xdg);
    QFETCH(QString, erwartet);
    const auto setze = [](const char* name, const QVariant& v) {
      if (v.isValid()) qputenv(name, v.toString().toUtf8());
      else qunsetenv(name);
    };
    setze("APPDATA", appdata);
    setze("XDG_DATA_HOME", xdg);
    const QString pfad = AppDatenPfad();
    QCOMPARE(pfad, erwartet);
    QVERIFY(!pfad.startsWith(QDir::currentPath()));
    // Without APPDATA the user's data folder exists afterwards, so that one level can be made below it.
    if (appdata.toString().isEmpty()) QVERIFY(QDir(pfad).exists());
  }

  void programmpfad() {
    setzeProgrammpfad(QString());
    QCOMPARE(Programmpfad(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    setzeProgrammpfad(w("/programm"));
    QCOMPARE(Programmpfad(), w("/programm/"));
    setzeProgrammpfad(w("/programm/"));
    QCOMPARE(Programmpfad(), w("/programm/"));
    setzeProgrammpfad(QString());
  }
};

QTEST_GUILESS_MAIN(TstPfade)
#include "tst_pfade.moc"
