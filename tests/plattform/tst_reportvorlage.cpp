#include <QtTest>

#include "hilfen/testumgebung.h"
#include "plattform/fehler.h"
#include "plattform/reportvorlage.h"

#include <zlib.h>

using plattform::Report;

namespace {

const QByteArray kVorlage =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<TfrxReport Version=\"1\" ReportOptions.Name=\" Quintavola-Spielschein \">\n"
    " <TfrxReportPage Name=\"Page1\" PaperWidth=\"105\" PaperHeight=\"198.5\" PaperSize=\"256\" Orientation=\"poLandscape\">\n"
    "  <TfrxMemoView Name=\"Zahl1_1\" Left=\"37.8\" Top=\"75.59\" Width=\"11.34\" Height=\"15.12\" Text=\"a&#13;&#10;b\" Font.Size=\"12\"/>\n"
    "  <TfrxMasterData Name=\"Band1\" Top=\"300\">\n"
    "   <TfrxMemoView Name=\"Stern1_1\" Left=\"-4.5\" Visible=\"False\"/>\n"
    "  </TfrxMasterData>\n"
    "  <TfrxMemoView Name=\"Zahl1_1\" Left=\"999\"/>\n"
    " </TfrxReportPage>\n"
    " <TfrxReportPage Name=\"Page2\"><TfrxMemoView Name=\"Zahl1_2\" Left=\"1\"/></TfrxReportPage>\n"
    "</TfrxReport>\n";

QByteArray packe(const QByteArray& d, bool gzip) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, gzip ? 31 : 15, 8, Z_DEFAULT_STRATEGY);
  QByteArray aus(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(d.size()))) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(d.constData()));
  z.avail_in = static_cast<uInt>(d.size());
  z.next_out = reinterpret_cast<Bytef*>(aus.data());
  z.avail_out = static_cast<uInt>(aus.size());
  deflate(&z, Z_FINISH);
  aus.resize(static_cast<qsizetype>(z.total_out));
  deflateEnd(&z);
  return aus;
}

}  // namespace

class TstReportvorlage : public QObject {
  Q_OBJECT
 private slots:
  void lesen_data() {
    QTest::addColumn<QByteArray>("daten");
    QTest::newRow("XML") << kVorlage;
    QTest::newRow("zlib") << packe(kVorlage, false);
    QTest::newRow("gzip") << packe(kVorlage, true);
  }
  void lesen() {
    QFETCH(QByteArray, daten);
    Report r;
    QCOMPARE(r.ladeDaten(daten), Report::Laden::geladen);
    QCOMPARE(r.seiten().size(), std::size_t{2});
    plattform::Berichtsseite* s = r.seite("Page1");
    QVERIFY(s);
    QCOMPARE(s->PaperSize, 256);
    QCOMPARE(s->PaperWidth, 105.0);
    QCOMPARE(s->PaperHeight, 198.5);
    QCOMPARE(r.name(), QStringLiteral("Quintavola-Spielschein"));
    QVERIFY(s->Querformat);
    plattform::Berichtsobjekt* z = r.objekt("Zahl1_1");
    QVERIFY(z && z->istMemo());
    QCOMPARE(z->Left, 37.8);  // the first of two objects of one name
    QCOMPARE(z->Top, 75.59);
    QCOMPARE(z->Width, 11.34);
    QCOMPARE(z->Text, QStringLiteral("a\r\nb"));
    QCOMPARE(z->FontSize, 12);
    QVERIFY(z->Visible);
    // Objects inside a band belong to the page; the band itself is an object too.
    QVERIFY(r.objekt("Band1") && !r.objekt("Band1")->istMemo());
    QCOMPARE(r.objekt("Stern1_1")->Left, -4.5);
    QVERIFY(!r.objekt("Stern1_1")->Visible);
    QVERIFY(r.objekt("Zahl1_2"));
    QVERIFY(!r.objekt("Page1") && !r.seite("Zahl1_1") && !r.objekt("zahl1_1") && !r.objekt("Fehlt"));
    // Changes reach the object the index points at; a prepared copy keeps them.
    z->Left = 1;
    QCOMPARE(r.vorbereiten().seiten[0].objekte[0].Left, 1.0);
  }

  void unlesbar_data() {
    QTest::addColumn<QByteArray>("daten");
    QTest::newRow("kein XML") << QByteArray("Hallo\x01\x02");
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("andere Wurzel") << QByteArray("<Bericht><TfrxReportPage Name=\"Page1\"/></Bericht>");
    QTest::newRow("abgebrochenes XML") << kVorlage.left(kVorlage.size() / 2);
    QTest::newRow("gepackt abgebrochen") << packe(kVorlage, false).chopped(8);
    QTest::newRow("gzip beschaedigt") << [] {
      QByteArray b = packe(kVorlage, true);
      for (qsizetype i = 12; i < b.size() - 8; ++i) b[i] = static_cast<char>(b[i] ^ 0x5a);
      return b;
    }();
    QTest::newRow("Entitaeten") << QByteArray(
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>"
        "<TfrxReport><TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Zahl1_1\" Text=\"&b;\"/></TfrxReportPage></TfrxReport>");
    QTest::newRow("externe Entitaet") << QByteArray(
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><TfrxReport>&x;</TfrxReport>");
    // Numbers that do not read or that no page holds: a paper no printer has, a position far
    // off every page, a font no mark has.
    auto mit = [](const char* alt, const char* neu) { return QByteArray(kVorlage).replace(alt, neu); };
    QTest::newRow("Left nan") << mit("Left=\"37.8\"", "Left=\"nan\"");
    QTest::newRow("Top inf") << mit("Top=\"75.59\"", "Top=\"inf\"");
    QTest::newRow("Left 1e308") << mit("Left=\"999\"", "Left=\"1e308\"");
    QTest::newRow("Left -8000") << mit("Left=\"-4.5\"", "Left=\"-8000\"");
    QTest::newRow("Width negativ") << mit("Width=\"11.34\"", "Width=\"-1\"");
    QTest::newRow("Komma") << mit("198.5", "198,5");
    QTest::newRow("PaperWidth 5000") << mit("PaperWidth=\"105\"", "PaperWidth=\"5000\"");
    QTest::newRow("PaperHeight 20000") << mit("198.5", "20000");
    QTest::newRow("PaperHeight -5") << mit("198.5", "-5");
    QTest::newRow("PaperWidth 1e300") << mit("PaperWidth=\"105\"", "PaperWidth=\"1e300\"");
    QTest::newRow("PaperSize 0") << mit("PaperSize=\"256\"", "PaperSize=\"0\"");
    QTest::newRow("Font.Size 100000") << mit("Font.Size=\"12\"", "Font.Size=\"100000\"");
    // Inflated beyond 32 MiB: refused before it fills the memory.
    QTest::newRow("zu gross entpackt") << packe(QByteArray("<TfrxReport>") + QByteArray(33 * 1024 * 1024, ' '), false);
  }
  void unlesbar() {
    QFETCH(QByteArray, daten);
    Report r;
    QCOMPARE(r.ladeDaten(kVorlage), Report::Laden::geladen);
    QCOMPARE(r.ladeDaten(daten), Report::Laden::unlesbar);
    QVERIFY(r.leer());
    QVERIFY(!r.objekt("Zahl1_1") && !r.seite("Page1"));
    QVERIFY(!r.grund().isEmpty());
  }

  void dateien() {
    Testumgebung u;
    const QString pfad = u.home() + "schein.fr3";
    Report r;
    QCOMPARE(r.laden(pfad), Report::Laden::fehlt);
    QVERIFY(r.leer());
    Testumgebung::schreibe(pfad, packe(kVorlage, true));
    QCOMPARE(r.laden(pfad), Report::Laden::geladen);
    QVERIFY(r.objekt("Zahl1_1"));
    QCOMPARE(r.vorbereiten().name, QStringLiteral("Quintavola-Spielschein"));
    // Without a name of its own the report takes the file's.
    Testumgebung::schreibe(pfad, QByteArray(kVorlage).replace("ReportOptions.Name", "x"));
    QCOMPARE(r.laden(pfad), Report::Laden::geladen);
    QCOMPARE(r.name(), QStringLiteral("schein"));
    // Loading discards what was there, also when the new file does not exist.
    QCOMPARE(r.laden(pfad + "x"), Report::Laden::fehlt);
    QVERIFY(!r.objekt("Zahl1_1"));
    QCOMPARE(r.laden(u.home()), Report::Laden::fehlt);  // a folder is no template

    Testumgebung::schreibe(u.home() + "b.JPG", "jpegbytes");
    plattform::Berichtsseite s;
    Report::ladeHintergrund(s, u.home() + "b.JPG");
    QCOMPARE(s.Hintergrund, QByteArray("jpegbytes"));
    QCOMPARE(s.HintergrundFormat, QStringLiteral("jpg"));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, Report::ladeHintergrund(s, u.home() + "fehlt.png"));
  }
};

QTEST_GUILESS_MAIN(TstReportvorlage)
#include "tst_reportvorlage.moc"
