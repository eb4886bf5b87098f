#include <QtTest>

#include <QStringEncoder>
#include <unistd.h>

#include "hilfen/testumgebung.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"

using namespace plattform;

namespace {
const QString kSchluessel = QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano");

QByteArray utf16(const QString& text) {
  QStringEncoder e(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
  return e(text);
}
}  // namespace

class TstRegistry : public QObject {
  Q_OBJECT
 private slots:
  void unlesbareAblageBleibtStehen() {
    if (::geteuid() == 0) QSKIP("root reads every file");
    Testumgebung u;
    const QString datei = Registry::ablageDatei(Hive::CurrentUser);
    const QByteArray alt = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=dword:00000001\r\n";
    Testumgebung::schreibe(datei, alt);
    QFile::setPermissions(datei, QFileDevice::Permissions());
    {
      Registry r;
      QVERIFY(r.OpenKey(QStringLiteral("A"), true));
      QVERIFY(!r.ValueExists(QStringLiteral("x")));
      r.WriteInteger(QStringLiteral("y"), 2);
      QVERIFY_THROWS_EXCEPTION(plattform::RegistryFehler, r.CloseKey());
    }
    QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(Testumgebung::lies(datei), alt);
  }
  void typenUeberleben() {
    Testumgebung u;
    const QString text = QString::fromUtf8("Grüße \"€\" C:\\Pfad\\ zwei\nZeilen");
    {
      Registry r;
      QVERIFY(r.OpenKey(kSchluessel, true));
      r.WriteInteger(QStringLiteral("UpDown7"), 50);
      r.WriteInteger(QStringLiteral("negativ"), -5);
      r.WriteBool(QStringLiteral("Chekcbox3"), true);
      r.WriteString(QStringLiteral("Lottoportal"), text);
      r.WriteString(QStringLiteral("leer"), QString());
      r.WriteDateTime(QStringLiteral("DateTimePicker2"), 43138.0);
      r.WriteBinaryData(QStringLiteral("roh"), QByteArray("\x00\xFF\x10", 3));
      r.CloseKey();
    }
    Registry::verwerfen();  // read back from the file, not from memory
    Registry r;
    QVERIFY(r.OpenKey(QStringLiteral("software\\kestrell\\zelano\\"), false));
    QCOMPARE(r.ReadInteger(QStringLiteral("UpDown7")), 50);
    QCOMPARE(r.ReadInteger(QStringLiteral("negativ")), -5);
    QCOMPARE(r.ReadBool(QStringLiteral("Chekcbox3")), true);
    QCOMPARE(r.ReadString(QStringLiteral("lottoportal")), text);
    QVERIFY(r.ValueExists(QStringLiteral("leer")));
    QCOMPARE(r.ReadString(QStringLiteral("leer")), QString());
    QCOMPARE(r.ReadDateTime(QStringLiteral("DateTimePicker2")), 43138.0);
    QCOMPARE(r.ReadBinaryData(QStringLiteral("roh")), QByteArray("\x00\xFF\x10", 3));
    QVERIFY(!r.ValueExists(QStringLiteral("fehlt")));
  }

  void falscherTypScheitert() {
    Testumgebung u;
    Registry r;
    QVERIFY(!r.OpenKey(kSchluessel, false));
    QVERIFY(r.OpenKey(kSchluessel, true));
    r.WriteString(QStringLiteral("text"), QStringLiteral("5"));
    r.WriteInteger(QStringLiteral("zahl"), 5);
    r.WriteBinaryData(QStringLiteral("kurz"), QByteArray(4, '\0'));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadInteger(QStringLiteral("text")));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadBool(QStringLiteral("text")));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadString(QStringLiteral("zahl")));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadDateTime(QStringLiteral("text")));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadDateTime(QStringLiteral("kurz")));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadInteger(QStringLiteral("fehlt")));
    QCOMPARE(r.ReadString(QStringLiteral("fehlt")), QString());
    r.CloseKey();
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.WriteInteger(QStringLiteral("zu"), 1));
  }

  // A store from an older run or another tool: every line that makes sense is read, a value
  // that cannot be decoded exists with a foreign type, never a crash. UTF-16 is read with or
  // without its byte-order mark. A store with text of which nothing makes sense counts as one
  // that cannot be read: it is never overwritten.
  void kaputteAblage_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QStringList>("lesbar");
    QTest::addColumn<QStringList>("fremd");
    QTest::addColumn<bool>("unlesbar");
    const QByteArray kopf =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrell\\Zelano]\r\n"
        "\"a\"=dword:00000001\r\n";
    QTest::newRow("kaputte Zeile") << kopf + "\"b\"=dword:zz\r\n\"c\"=dword:3\r\n" << QStringList{"a", "c"}
                                   << QStringList{"b"} << false;
    QTest::newRow("offenes Zitat") << kopf + "\"b\"=\"ohne Ende\r\n\"c\"=dword:3\r\n" << QStringList{"a", "c"}
                                   << QStringList{"b"} << false;
    QTest::newRow("fremder Typ") << kopf + "\"b\"=hex(2):41,00\r\n\"c\"=\"x\"\r\n" << QStringList{"a", "c"}
                                 << QStringList{"b"} << false;
    QTest::newRow("Zeile ohne Namen") << kopf + "b=dword:2\r\n\"c\"=dword:3\r\n" << QStringList{"a", "c"}
                                      << QStringList{} << false;
    QTest::newRow("fremde Wurzel") << kopf + "[HKEY_USERS\\x]\r\n\"b\"=dword:3\r\n"
                                          "[HKEY_CURRENT_USER\\SOFTWARE\\Kestrell\\Zelano]\r\n\"c\"=dword:3\r\n"
                                   << QStringList{"a", "c"} << QStringList{} << false;
    QTest::newRow("Schlüssel offen") << kopf + "[HKEY_CURRENT_USER\\x\r\n\"b\"=dword:3\r\n" << QStringList{"a"}
                                     << QStringList{} << false;
    QTest::newRow("Wert ohne Schlüssel") << QByteArray("\"a\"=dword:1\r\n") << QStringList{} << QStringList{} << true;
    QTest::newRow("abgeschnitten") << kopf + "\"b\"=hex:01,0" << QStringList{"a", "b"} << QStringList{} << false;
    // A hex value continued with "\\" but no continuation line: at the end of the store, or
    // before another entry. It keeps its bytes and swallows nothing, now or after a write.
    QTest::newRow("Hex am Ende fortgesetzt") << kopf + "\"c\"=dword:3\r\n\"b\"=hex:01,02,\\"
                                             << QStringList{"a", "b", "c"} << QStringList{} << false;
    QTest::newRow("Hex vor Eintrag fortgesetzt") << kopf + "\"b\"=hex:01,\\\r\n\"c\"=dword:3\r\n"
                                                 << QStringList{"a", "b", "c"} << QStringList{} << false;
    QTest::newRow("fremder Hex-Typ fortgesetzt") << kopf + "\"c\"=dword:3\r\n\"b\"=hex(2):41,00, \\\r\n"
                                                 << QStringList{"a", "c"} << QStringList{"b"} << false;
    QTest::newRow("Hex zu groß") << kopf + "\"b\"=hex:100\r\n" << QStringList{"a"} << QStringList{"b"} << false;
    QTest::newRow("Binärmüll") << QByteArray("\x00\xFF\xFE\x00[\x01\x02", 7) << QStringList{} << QStringList{}
                               << true;
    QTest::newRow("Text ohne Sinn") << QByteArray("Hallo Welt\r\n") << QStringList{} << QStringList{} << true;
    QTest::newRow("leer") << QByteArray() << QStringList{} << QStringList{} << false;
    QTest::newRow("nur Zeilenenden") << QByteArray("\r\n\r\n") << QStringList{} << QStringList{} << false;
    const QString text = QString::fromUtf8(kopf + "\"c\"=\"Grüße\"\r\n");
    for (auto [name, art] : {std::pair{"UTF-16 LE ohne BOM", QStringConverter::Utf16LE},
                             std::pair{"UTF-16 BE ohne BOM", QStringConverter::Utf16BE}}) {
      QStringEncoder e(art);
      QTest::newRow(name) << QByteArray(e(text)) << QStringList{"a", "c"} << QStringList{} << false;
    }
    QStringEncoder mitBom(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-16 LE mit BOM") << QByteArray(mitBom(text)) << QStringList{"a", "c"} << QStringList{} << false;
  }
  void kaputteAblage() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QStringList, lesbar);
    QFETCH(QStringList, fremd);
    QFETCH(bool, unlesbar);
    Testumgebung u;
    const QString datei = Registry::ablageDatei(Hive::CurrentUser);
    Testumgebung::schreibe(datei, inhalt);
    QByteArray geschrieben;
    for (int runde = 0; runde < 2; ++runde) {
      Registry r;
      QCOMPARE(Registry::ablageUnlesbar(), unlesbar);
      QCOMPARE(r.OpenKeyReadOnly(kSchluessel), !lesbar.isEmpty());
      for (const char* n : {"a", "b", "c"}) {
        const QString name = QString::fromLatin1(n);
        QCOMPARE(r.ValueExists(name), lesbar.contains(name) || fremd.contains(name));
      }
      for (const QString& name : fremd) {
        QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadInteger(name));
        QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadString(name));
        QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.ReadBinaryData(name));
      }
      if (lesbar.contains("c") && inhalt.contains('\0')) QCOMPARE(r.ReadString("c"), QString::fromUtf8("Grüße"));
      // The second round reads what a write of another value left: nothing readable is lost,
      // and a store that cannot be read stays as it is.
      r.CloseKey();
      QVERIFY(r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell\\Anderes"), true));
      r.WriteInteger(QStringLiteral("neu"), 1);
      if (unlesbar) {
        QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.CloseKey());
        QCOMPARE(Testumgebung::lies(datei), inhalt);
      } else {
        r.CloseKey();
        // Written and read again, the store holds the same values: the same write gives the same file.
        if (runde == 1) QCOMPARE(Testumgebung::lies(datei), geschrieben);
        geschrieben = Testumgebung::lies(datei);
      }
      Registry::verwerfen();
    }
  }

  // A store that never ends or is far larger than any store: refused at once, never overwritten.
  void endloseAblage_data() {
    QTest::addColumn<bool>("geraet");
    QTest::newRow("Verweis auf /dev/zero") << true;
    QTest::newRow("17 MiB") << false;
  }
  void endloseAblage() {
    QFETCH(bool, geraet);
    Testumgebung u;
    const QString datei = Registry::ablageDatei(Hive::CurrentUser);
    QVERIFY(QDir().mkpath(u.registryOrdner()));
    if (geraet) {
      QVERIFY(QFile::link(QStringLiteral("/dev/zero"), datei));
    } else {
      QFile f(datei);
      QVERIFY(f.open(QIODevice::WriteOnly));
      QVERIFY(f.resize(17 * 1024 * 1024));  // sparse: no disk taken
    }
    QElapsedTimer uhr;
    uhr.start();
    Registry r;
    QVERIFY(Registry::ablageUnlesbar());
    QVERIFY(r.OpenKey(kSchluessel, true));
    r.WriteInteger(QStringLiteral("x"), 1);
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.CloseKey());
    QVERIFY(uhr.elapsed() < 2000);
    QCOMPARE(QFileInfo(datei).isSymLink(), geraet);
    if (!geraet) QCOMPARE(QFileInfo(datei).size(), 17 * 1024 * 1024);
  }

  // A key exists when a key below it does, as an export may hold only the sub-key.
  void schluesselDurchUnterschluessel() {
    Testumgebung u;
    Testumgebung::schreibe(Registry::ablageDatei(Hive::LocalMachine),
                           "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrell\\Zugvogel\\Settings]\r\n"
                           "\"Path\"=\"/opt/zugvogel\"\r\n");
    Registry r(Hive::LocalMachine);
    for (const char* k : {"\\SOFTWARE\\Kestrell\\Zugvogel", "software\\kestrell", "SOFTWARE",
                          "\\SOFTWARE\\Kestrell\\Zugvogel\\Settings"})
      QVERIFY2(r.KeyExists(QString::fromLatin1(k)), k);
    for (const char* k : {"\\SOFTWARE\\Kestrell\\Zug", "\\SOFTWARE\\Kestrell\\Zugvogel\\Settings\\X", "Kestrell"})
      QVERIFY2(!r.KeyExists(QString::fromLatin1(k)), k);
    QVERIFY(r.OpenKeyReadOnly(QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel")));
    QVERIFY(!r.ValueExists(QStringLiteral("Path")));
    QVERIFY(r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell"), false));
    QVERIFY(!r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrel"), false));
  }

  void exportMitFortsetzungszeilen() {
    Testumgebung u;
    Testumgebung::schreibe(Registry::ablageDatei(Hive::CurrentUser),
                           utf16(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                                "[HKEY_CURRENT_USER\\SOFTWARE\\Kestrell\\Zelano]\r\n"
                                                "\"Datum\"=hex:00,00,00,00,\\\r\n  40,10,e5,40\r\n"
                                                "\"Pfad\"=\"C:\\\\\"\r\n"
                                                "\"Name\"=\"M\u00fcller\"\r\n")));
    Registry r;
    QVERIFY(r.OpenKeyReadOnly(kSchluessel));
    QCOMPARE(r.ReadDateTime(QStringLiteral("Datum")), 43138.0);
    QCOMPARE(r.ReadString(QStringLiteral("Pfad")), QStringLiteral("C:\\"));
    QCOMPARE(r.ReadString(QStringLiteral("Name")), QString::fromUtf8("Müller"));
  }

  void lokaleMaschineNurLesen() {
    Testumgebung u;
    const QByteArray lm =
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrell\\Zugvogel]\r\n\"Pfad\"=\"/opt/zugvogel\"\r\n";
    Testumgebung::schreibe(Registry::ablageDatei(Hive::LocalMachine), lm);
    Registry r(Hive::LocalMachine);
    QVERIFY(!r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell\\Neu"), true));
    QVERIFY(r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel"), true));
    QCOMPARE(r.ReadString(QStringLiteral("Pfad")), QStringLiteral("/opt/zugvogel"));
    QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.WriteString(QStringLiteral("Pfad"), QStringLiteral("x")));
    r.CloseKey();
    QCOMPARE(Testumgebung::lies(Registry::ablageDatei(Hive::LocalMachine)), lm);
  }

  void schreibfehlerLaesstAlteAblage() {
    Testumgebung u;
    Registry r;
    QVERIFY(r.OpenKey(kSchluessel, true));
    r.WriteInteger(QStringLiteral("alt"), 1);
    r.CloseKey();
    const QByteArray vorher = Testumgebung::lies(Registry::ablageDatei(Hive::CurrentUser));
    QVERIFY(!vorher.isEmpty());
    QVERIFY(r.OpenKey(kSchluessel, true));
    r.WriteInteger(QStringLiteral("neu"), 2);
    schreibfehlerNach(0);  // the store file breaks off half-way while it is replaced
    QVERIFY_THROWS_EXCEPTION(Fehler, r.CloseKey());
    schreibfehlerNach(-1);
    QCOMPARE(Testumgebung::lies(Registry::ablageDatei(Hive::CurrentUser)), vorher);
    // A temp file left by a crash in the middle of a replace does not disturb the next start.
    Testumgebung::schreibe(Registry::ablageDatei(Hive::CurrentUser) + QStringLiteral(".Ab12Cd"), "[HKEY_CURR");
    Registry::verwerfen();
    QVERIFY(r.OpenKeyReadOnly(kSchluessel));
    QCOMPARE(r.ReadInteger(QStringLiteral("alt")), 1);
    QVERIFY(!r.ValueExists(QStringLiteral("neu")));
  }

  void schreibHaken() {
    Testumgebung u;
    {
      Registry r;
      QVERIFY(r.OpenKey(kSchluessel, true));
      Registry::fehlerNachSchreibvorgaengen(2);
      r.WriteInteger(QStringLiteral("eins"), 1);
      r.WriteString(QStringLiteral("zwei"), QStringLiteral("2"));
      QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.WriteInteger(QStringLiteral("drei"), 3));
      QVERIFY_THROWS_EXCEPTION(RegistryFehler, r.WriteInteger(QStringLiteral("vier"), 4));
      Registry::fehlerNachSchreibvorgaengen(-1);
    }  // closing at destruction flushes what was written
    Registry::verwerfen();
    Registry r;
    QVERIFY(r.OpenKeyReadOnly(kSchluessel));
    QVERIFY(r.ValueExists(QStringLiteral("eins")));
    QVERIFY(r.ValueExists(QStringLiteral("zwei")));
    QVERIFY(!r.ValueExists(QStringLiteral("drei")));
    QVERIFY(!r.ValueExists(QStringLiteral("vier")));
  }
};

QTEST_GUILESS_MAIN(TstRegistry)
#include "tst_registry.moc"
