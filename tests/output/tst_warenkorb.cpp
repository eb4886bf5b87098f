#include <QtTest>

#include "output/warenkorb.h"
#include "plattform/fehler.h"

using namespace warenkorb;

namespace {
const QString kVorlage = QStringLiteral("https://cart.example/k?partner=P&Tipps=[ANZAHL]&");
std::array<QString, 6> baueKaesten(const QStringList& k) {
  std::array<QString, 6> a;
  for (size_t i = 0; i < 6; ++i) a[i] = i < static_cast<size_t>(k.size()) ? k.at(static_cast<qsizetype>(i)) : leererKasten(Suffix::einfach);
  return a;
}
QString fehlerText(const std::function<void()>& f) {
  try {
    f();
  } catch (const plattform::Fehler& e) {
    return e.text();
  }
  return QStringLiteral("<kein Fehler>");
}
}  // namespace

class TstWarenkorb : public QObject {
  Q_OBJECT
 private slots:
  void anfrage() {
    QCOMPARE(warenkorb::anfrage(QStringLiteral("Tippland"), 13), QStringLiteral("/lotto/lotto.asp?Spiel=Kalvatro&Wo=Tippland&Tipps=13"));
    QCOMPARE(warenkorb::anfrage(QStringLiteral("A&B C"), 5), QStringLiteral("/lotto/lotto.asp?Spiel=Kalvatro&Wo=A%26B%20C&Tipps=5"));
  }

  void vorlage_data() {
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("vorlage");
    QTest::newRow("ersetzt") << "http://a/?x=1&Tipps=13&y=Tipps=13" << 13 << "http://a/?x=1&Tipps=[ANZAHL]&y=Tipps=13";
    QTest::newRow("gestutzt") << " http://a/?Tipps=5&\r\n" << 5 << "http://a/?Tipps=[ANZAHL]&";
    QTest::newRow("nur ohne Ziffer dahinter") << "http://a/?Tipps=13&b=Tipps=1" << 1 << "http://a/?Tipps=13&b=Tipps=[ANZAHL]";
    QTest::newRow("andere Zahl") << "http://a/?Tipps=7" << 5 << "http://a/?Tipps=7";
  }
  void vorlage() {
    QFETCH(QString, antwort);
    QFETCH(int, n);
    QFETCH(QString, vorlage);
    QCOMPARE(vorlageAusAntwort(antwort, n), vorlage);
  }

  void kaesten_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("einfach");
    QTest::addColumn<QString>("kodiert");
    QTest::newRow("kurz") << "3\t12\t25\t33\t47" << "3,12,25,33,47" << "3,12,25,33,47";
    QTest::newRow("mit Extras") << "3\t12\t25\t33\t47\t\t\t4\t9" << "3,12,25,33,47,4,9" << "3,12,25,33,47%2F4,9";
    QTest::newRow("fremder Text") << "1,2&x=3\t5" << "1,2%26x%3D3,5" << "1,2%2526x%253D3,5";
  }
  void kaesten() {
    QFETCH(QString, zeile);
    QFETCH(QString, einfach);
    QFETCH(QString, kodiert);
    QCOMPARE(kastenAusListe(zeile, Suffix::einfach), einfach);
    QCOMPARE(kastenAusListe(zeile, Suffix::kodiert), kodiert);
  }
  void kastenDerZeile() {
    const tippdatei::Feldtexte z{"1", "2", "3", "4", "5", "6", ""};
    QCOMPARE(kastenAusZeile(z, Suffix::einfach), QStringLiteral("1,2,3,4,5,6,"));
    QCOMPARE(kastenAusZeile(z, Suffix::kodiert), QStringLiteral("1,2,3,4,5%2F6,"));
    QCOMPARE(kastenAusZeile({}, Suffix::einfach), leererKasten(Suffix::einfach));
    QCOMPARE(leererKasten(Suffix::kodiert), QStringLiteral(",,,,%2F,"));
  }

  void suffixTabelle_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("portal");
    QTest::addColumn<bool>("kodiert");
    QTest::addColumn<bool>("tippsAngehaengt");  // template without "Tipps="
    QTest::newRow("Liste, anderes Portal") << int(Art::liste) << "Tippland" << false << true;
    QTest::newRow("Liste, Portal 1") << int(Art::liste) << kPortal1 << true << false;
    QTest::newRow("Liste, Portal 2") << int(Art::liste) << kPortal2 << false << true;
    QTest::newRow("erste, Portal 1") << int(Art::ersteStandard) << kPortal1 << true << true;
    QTest::newRow("erste, anderes") << int(Art::ersteStandard) << "x" << false << true;
    QTest::newRow("zweite, Portal 1") << int(Art::zweiteStandard) << kPortal1 << false << true;
    QTest::newRow("zweite, Portal 2") << int(Art::zweiteStandard) << kPortal2 << true << false;
  }
  void suffixTabelle() {
    QFETCH(int, art);
    QFETCH(QString, portal);
    QFETCH(bool, kodiert);
    QFETCH(bool, tippsAngehaengt);
    const QString u = url(QStringLiteral("http://cart.example/?"), Art(art), portal, 4, QString(), {}, baueKaesten({}));
    QCOMPARE(u.contains(QStringLiteral("spielscheinnummer%3D")), kodiert);
    QCOMPARE(u.contains(QStringLiteral("Tipps=4&")), tippsAngehaengt);
  }

  void vollstaendig() {
    const QString einfach = url(kVorlage, Art::liste, QStringLiteral("Tippland"), 2, QStringLiteral("0123456"),
                                {true, false, true}, baueKaesten({QStringLiteral("1,2,3,4,5"), QStringLiteral("6,7,8,9,10,,1,2")}));
    QCOMPARE(einfach, QStringLiteral("https://cart.example/k?partner=P&Tipps=2&spielscheinnummer=0123456&spiel77_teilnahme=1&"
                                     "super6_teilnahme=0&gs_teilnahme=1&kasten1=1,2,3,4,5&kasten2=6,7,8,9,10,,1,2&"
                                     "kasten3=,,,,,,&kasten4=,,,,,,&kasten5=,,,,,,&kasten6=,,,,,,"));
    const QString kodiert = url(kVorlage, Art::ersteStandard, kPortal1, 1, QString(), {}, baueKaesten({QStringLiteral("1,2,3,4,5%2F,")}));
    QCOMPARE(kodiert, QStringLiteral("https://cart.example/k?partner=P&Tipps=1&spielscheinnummer%3D%26spiel77_teilnahme%3D0%26"
                                     "super6_teilnahme%3D0%26gs_teilnahme%3D0%26kasten1%3D1,2,3,4,5%2F,%26kasten2%3D,,,,,,%26"
                                     "kasten3%3D,,,,,,%26kasten4%3D,,,,,,%26kasten5%3D,,,,,,%26kasten6%3D,,,,,,%26"
                                     "kasten7%3D[KASTEN7]%26kasten8%3D[KASTEN8]%26laufzeit%3D1%26is_dauerspiel%3D0%26"
                                     "dauerspiel_name%3D0%26name%3D0%26mc%3Dzahlenkenner%26redirect_warenkorb%3D1%26"
                                     "jackpot-knacker%3D0%26ref%3D%24ref%24"));
  }

  void ungueltigeAdressen_data() {
    QTest::addColumn<QString>("vorlage");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("file") << "file:///etc/passwd?" << kUngueltig;
    QTest::newRow("ohne Host") << "http:///nur/pfad?" << kUngueltig;
    QTest::newRow("Programm") << "calc.exe " << kUngueltig;
    QTest::newRow("zu lang") << "https://cart.example/?" + QString(2000, 'a') << kZuLang;
  }
  void ungueltigeAdressen() {
    QFETCH(QString, vorlage);
    QFETCH(QString, meldung);
    QCOMPARE(fehlerText([&] { url(vorlage, Art::liste, QStringLiteral("x"), 1, QString(), {}, baueKaesten({})); }), meldung);
  }
  void grenzeGenau() {
    const QString basis = QStringLiteral("https://cart.example/?");
    const QString u = url(basis, Art::liste, QStringLiteral("x"), 1, QString(), {}, baueKaesten({}));
    const QString voll = basis + QString(kUrlMax - static_cast<int>(u.size()), QLatin1Char('a'));
    QCOMPARE(url(voll, Art::liste, QStringLiteral("x"), 1, QString(), {}, baueKaesten({})).size(), kUrlMax);
    QCOMPARE(fehlerText([&] { url(voll + 'a', Art::liste, QStringLiteral("x"), 1, QString(), {}, baueKaesten({})); }), kZuLang);
  }
};

QTEST_GUILESS_MAIN(TstWarenkorb)
#include "tst_warenkorb.moc"
