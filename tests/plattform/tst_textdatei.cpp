#include <QtTest>

#include "plattform/fehler.h"
#include "plattform/textdatei.h"

#include <unistd.h>

using namespace plattform;

class TstTextdatei : public QObject {
  Q_OBJECT
  QTemporaryDir ordner_;
  QString datei(const char* name) const { return ordner_.path() + QLatin1Char('/') + QLatin1String(name); }
  static QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
  }

 private slots:
  void cleanup() {
    schreibfehlerNach(-1);
    zugriffVerweigertIn(QString());
  }

  void ansiZeichen() {
    const QString text = QString::fromUtf8("€ äöüÄÖÜß „Grüße“ – Œ™ š ž Ÿ");
    const QByteArray ansi = zuAnsi(text);
    QCOMPARE(ansi, QByteArray("\x80 \xE4\xF6\xFC\xC4\xD6\xDC\xDF \x84Gr\xFC\xDF\x65\x93 \x96 \x8C\x99 \x9A \x9E \x9F"));
    QCOMPARE(ausAnsi(ansi), text);
    QCOMPARE(zuAnsi(QString::fromUtf8("ł中")), QByteArray("??"));
  }
  void jedesByteHinUndZurueck() {
    QByteArray alle;
    for (int b = 0; b < 256; ++b) alle.append(static_cast<char>(b));
    QCOMPARE(zuAnsi(ausAnsi(alle)), alle);
  }

  void zeilenMitCrLf() {
    const QStringList zeilen{QStringLiteral("1\t2\t3"), QString::fromUtf8("Gewähr €"), QString()};
    schreibeAnsiZeilen(datei("z.txt"), zeilen);
    QCOMPARE(lies(datei("z.txt")), QByteArray("1\t2\t3\r\nGew\xE4hr \x80\r\n\r\n"));
    QCOMPARE(leseAnsiZeilen(datei("z.txt")), zeilen);
  }
  void gemischteZeilenenden() {
    QCOMPARE(zerlegeZeilen(QStringLiteral("a\nb\r\nc\rd")), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(zerlegeZeilen(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    QCOMPARE(zerlegeZeilen(QString()), QStringList());
  }
  void fehlendeDatei() { QVERIFY_THROWS_EXCEPTION(Fehler, leseAnsiZeilen(datei("gibtsnicht.txt"))); }

  void bom_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString t = QString::fromUtf8("Ä€\r\nzwei");
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF") + t.toUtf8() << t;
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (const QChar c : t) {
      le.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
      be.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xFF));
    }
    QTest::newRow("UTF-16LE") << le << t;
    QTest::newRow("UTF-16BE") << be << t;
    QTest::newRow("ANSI") << QByteArray("\xC4\x80\r\nzwei") << t;
    QTest::newRow("UTF-16 ungerade") << QByteArray("\xFF\xFE\x41\x00\x42", 5) << QStringLiteral("A");
  }
  void bom() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(dekodiereMitBom(bytes), text);
    QFile f(datei("bom.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QCOMPARE(leseZeilenMitBom(datei("bom.txt")), zerlegeZeilen(text));
  }

  void fehlschlagLaesstAlteDatei() {
    schreibeAnsiZeilen(datei("a.txt"), {QStringLiteral("alt")});
    schreibfehlerNach(1);
    schreibeAnsiZeilen(datei("b.txt"), {QStringLiteral("neu")});  // the one write still allowed
    QVERIFY_THROWS_EXCEPTION(Fehler, schreibeAnsiZeilen(datei("a.txt"), {QStringLiteral("neu"), QStringLiteral("x")}));
    QVERIFY_THROWS_EXCEPTION(Fehler, schreibeDateiAtomar(datei("a.txt"), "neu"));
    QCOMPARE(lies(datei("a.txt")), QByteArray("alt\r\n"));
    QCOMPARE(lies(datei("b.txt")), QByteArray("neu\r\n"));
    // No half-written temp file stays behind.
    QCOMPARE(QDir(ordner_.path()).entryList({QStringLiteral("a.txt*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("a.txt")});
  }
  void textZeilenAnsiOderUtf8() {
    QVERIFY(ansiDarstellbar(QString::fromUtf8("Grüße € – Ÿ")));
    QVERIFY(!ansiDarstellbar(QString::fromUtf8("Grüße ł")));
    schreibeTextZeilen(datei("t.txt"), {QString::fromUtf8("für €"), QStringLiteral("2")});
    QCOMPARE(lies(datei("t.txt")), QByteArray("f\xFCr \x80\r\n2\r\n"));
    // One letter outside the code page switches the whole file to UTF-8.
    schreibeTextZeilen(datei("t.txt"), {QString::fromUtf8("für"), QString::fromUtf8("Тип")});
    QCOMPARE(lies(datei("t.txt")), QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("für\r\nТип\r\n").toUtf8());
    QCOMPARE(leseZeilenMitBom(datei("t.txt")), (QStringList{QString::fromUtf8("für"), QString::fromUtf8("Тип")}));
  }

  void schreibfehlerNenntGrund() {
    schreibeAnsiZeilen(datei("g.txt"), {QStringLiteral("alt")});
    zugriffVerweigertIn(ordner_.path());
    try {
      schreibeAnsiZeilen(datei("g.txt"), {QStringLiteral("neu")});
      QFAIL("no failure");
    } catch (const Schreibfehler& f) {
      QVERIFY(f.zugriffVerweigert());
      QCOMPARE(f.grund(), QStringLiteral("Zugriff verweigert."));
      QCOMPARE(f.text(), QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei("g.txt")));
    }
    zugriffVerweigertIn(QString());
    try {
      schreibeAnsiZeilen(datei("fehlt/g.txt"), {QStringLiteral("neu")});
      QFAIL("no failure");
    } catch (const Schreibfehler& f) {
      QVERIFY(!f.zugriffVerweigert());
      QVERIFY(!f.grund().isEmpty());
    }
    QCOMPARE(lies(datei("g.txt")), QByteArray("alt\r\n"));
  }
  void schreibgeschuetzterOrdner() {
    if (::geteuid() == 0) QSKIP("root writes into every folder");
    QTemporaryDir nur;
    QVERIFY(QFile::setPermissions(nur.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    try {
      schreibeAnsiZeilen(nur.path() + QStringLiteral("/x.txt"), {QStringLiteral("x")});
      QFAIL("no failure");
    } catch (const Schreibfehler& f) {
      QVERIFY(f.zugriffVerweigert());
    }
    QFile::setPermissions(nur.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  void ordnerFehltIstFehler() {
    QVERIFY_THROWS_EXCEPTION(Fehler, schreibeAnsiZeilen(datei("fehlt/x.txt"), {QStringLiteral("x")}));
  }
};

QTEST_GUILESS_MAIN(TstTextdatei)
#include "tst_textdatei.moc"
