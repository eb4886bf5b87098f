#include <QtTest>

#include "plattform/fehler.h"
#include "plattform/textdatei.h"
#include "shell/sprachdateien.h"

using sprache::Art;
using sprache::Element;
using sprache::Sprachstand;

Q_DECLARE_METATYPE(sprache::Art)

namespace {

void schreibe(const QString& pfad, const QByteArray& inhalt) {
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(inhalt);
}

QByteArray utf16le(const QString& text, bool bom) {
  QByteArray out = bom ? QByteArray("\xFF\xFE") : QByteArray();
  for (QChar c : text) {
    out.append(static_cast<char>(c.unicode() & 0xFF));
    out.append(static_cast<char>(c.unicode() >> 8));
  }
  return out;
}

// A master of n entries "Form1"/"E<i>" with caption "C<i>", hint "H<i>", set "<i % 200>".
QStringList stammMit(int n) {
  QStringList z;
  for (int i = 0; i < n; ++i)
    z << QStringLiteral("Form1") << QStringLiteral("E%1").arg(i) << QStringLiteral("C%1").arg(i)
      << QStringLiteral("H%1").arg(i) << QString::number(i % 200);
  return z;
}

Element element(Art art, const QString& name, int tag = 0) {
  Element e;
  e.art = art;
  e.besitzer = QStringLiteral("Form1");
  e.name = name;
  e.caption = QStringLiteral("alt");
  e.hint = QStringLiteral("alter Hint");
  e.charset = 1;
  e.tag = tag;
  return e;
}

}  // namespace

class TstSprachdateien : public QObject {
  Q_OBJECT
 private slots:
  void sprachtabelle() {
    const auto& t = sprache::Sprachtabelle();
    // Menu order is not number order: Slowakisch (16) follows Tschechisch (10).
    QCOMPARE(QString::fromLatin1(t[10].menuepunkt), QStringLiteral("Slowakisch1"));
    QCOMPARE(t[10].nummer, 16);
    QCOMPARE(QString::fromLatin1(t[18].endung), QStringLiteral("cn"));
    QSet<int> nummern;
    for (const auto& s : t) nummern.insert(s.nummer);
    QCOMPARE(nummern.size(), 19);
    QVERIFY(!nummern.contains(0) && !nummern.contains(20));
    QCOMPARE(QString::fromLatin1(sprache::sprachMitNummer(2)->menuepunkt), QStringLiteral("Englich1"));
    QVERIFY(sprache::sprachMitNummer(0) == nullptr);
    QVERIFY(sprache::sprachMitNummer(20) == nullptr);
    QVERIFY(sprache::sprachMitNummer(-3) == nullptr);
  }

  // -- reading ---------------------------------------------------------------------------------

  void lesen_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QStringList>("zeilen");
    const QString wort = QString::fromUtf8("Größe €");
    QTest::newRow("Windows-1252") << QByteArray("Gr\xF6\xDF" "e \x80\r\nzwei\r\n") << QStringList{wort, QStringLiteral("zwei")};
    QTest::newRow("UTF-8 mit BOM") << (QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("Größe €\r\nРусский").toUtf8())
                                   << QStringList{wort, QString::fromUtf8("Русский")};
    QTest::newRow("UTF-16 LE mit BOM") << utf16le(QString::fromUtf8("Größe €\r\n中文\r\n"), true)
                                       << QStringList{wort, QString::fromUtf8("中文")};
    QTest::newRow("UTF-16 BE mit BOM") << QByteArray("\xFE\xFF\x00G\x00r\x00\xF6\x00\xDF\x00" "e\x00 \x20\xAC", 16)
                                       << QStringList{wort};
    QTest::newRow("Blanks bleiben") << QByteArray("  a  \r\n\r\n b") << QStringList{QStringLiteral("  a  "), QString(), QStringLiteral(" b")};
    QTest::newRow("leer") << QByteArray() << QStringList{};
  }
  void lesen() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QStringList, zeilen);
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("f.txt"));
    schreibe(p, inhalt);
    QCOMPARE(sprache::liesSprachdatei(p), zeilen);
  }

  void langeZeilenUndEnde() {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("f.txt"));
    schreibe(p, QByteArray(5000, 'x') + "\r\nkurz");
    const QStringList z = sprache::liesSprachdatei(p);
    QCOMPARE(z.size(), 2);
    QCOMPARE(z[0], QString(4096, QLatin1Char('x')));
    QCOMPARE(sprache::zeile(z, 1), QStringLiteral("kurz"));
    QCOMPARE(sprache::zeile(z, 2), QString());
    QCOMPARE(sprache::zeile(z, -1), QString());
  }

  void beschaedigt_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("grund");
    QTest::newRow("UTF-16 ohne BOM") << utf16le(QStringLiteral("Form1\r\n"), false) << QStringLiteral("beschädigt");
    QTest::newRow("NUL-Bytes") << QByteArray("abc\0\0def", 8) << QStringLiteral("beschädigt");
    QTest::newRow("UTF-8 ungültig nach BOM") << QByteArray("\xEF\xBB\xBFgut\xC3(") << QStringLiteral("beschädigt");
    QTest::newRow("UTF-16 ungerade Länge") << QByteArray("\xFF\xFE" "a\0b", 5) << QStringLiteral("beschädigt");
    QTest::newRow("über 16 MiB") << QByteArray(sprache::kDateiMax + 1, 'a') << QStringLiteral("beschädigt");
    QTest::newRow("Ordner") << QByteArray() << QStringLiteral("nicht gelesen");
  }
  void beschaedigt() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, grund);
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Zelano.txt.en"));
    if (grund == QStringLiteral("nicht gelesen"))
      QVERIFY(QDir().mkdir(p));
    else
      schreibe(p, inhalt);
    try {
      sprache::liesSprachdatei(p);
      QFAIL("read a damaged file");
    } catch (const plattform::Fehler& e) {
      QVERIFY2(e.text().contains(QStringLiteral("Zelano.txt.en")), qPrintable(e.text()));
      QVERIFY2(e.text().contains(grund), qPrintable(e.text()));
    }
  }

  void genau16MiB() {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("f.txt"));
    schreibe(p, QByteArray(sprache::kDateiMax, 'a'));
    QCOMPARE(sprache::liesSprachdatei(p).size(), 1);
  }

  // Every file of a switch is read before anything is applied; a damaged one stops it all.
  void liesSprache() {
    QTemporaryDir dir;
    const QString stamm = dir.filePath(QStringLiteral("Zelano.txt"));
    QVERIFY(!sprache::liesSprache(stamm, QStringLiteral("en")));  // no master: nothing at all
    schreibe(dir.filePath(QStringLiteral("meldungen.txt.en")), "m0\r\nm1\r\n");
    QVERIFY(!sprache::liesSprache(stamm, QStringLiteral("en")));

    schreibe(stamm, "Form1\r\nForm1\r\nTitel\r\n\r\n1\r\n");
    auto s = sprache::liesSprache(stamm, QStringLiteral("en"));
    QVERIFY(s);
    QVERIFY(!s->uebersetzungsmodus);
    QVERIFY(!s->radio);
    QCOMPARE(*s->meldungen, (QStringList{QStringLiteral("m0"), QStringLiteral("m1")}));
    QCOMPARE(s->eintraege(), 1);

    schreibe(stamm + QStringLiteral(".en"), "Title\r\n");
    schreibe(dir.filePath(QStringLiteral("Radio.txt.en")), "a\r\nb\r\n");
    s = sprache::liesSprache(stamm, QStringLiteral("en"));
    QVERIFY(s->uebersetzungsmodus);
    QCOMPARE(s->uebersetzung, QStringList{QStringLiteral("Title")});
    QCOMPARE(*s->radio, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    schreibe(dir.filePath(QStringLiteral("Radio.txt.en")), QByteArray("\0\0", 2));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, sprache::liesSprache(stamm, QStringLiteral("en")));
  }

  // -- lookup ----------------------------------------------------------------------------------

  void suche() {
    Sprachstand st;
    st.stamm = stammMit(40);
    st.stamm[5 * 3] = QStringLiteral("  Form1 ");  // names are compared trimmed
    st.stamm[5 * 3 + 1] = QStringLiteral("\tE3  ");
    sprache::Suche s(st);
    auto e = s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E0"));
    QVERIFY(e);  // the first entry at once
    QCOMPARE(e->index, 0);
    QCOMPARE(e->caption, QStringLiteral("C0"));
    QCOMPARE(e->hint, QStringLiteral("H0"));
    QCOMPARE(e->charset, QStringLiteral("0"));
    QCOMPARE(s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E3"))->index, 3);
    // 10 entries on from the last match is found, 11 is not, and a miss leaves last alone.
    QVERIFY(!s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E14")));
    QCOMPARE(s.last(), 3);
    QCOMPARE(s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E13"))->index, 13);
    // Before the last match: not found.
    QVERIFY(!s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E12")));
    // The same entry again is found (last itself is inside the window).
    QVERIFY(s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E13")));
    // Case counts, and the owner must match as well.
    QVERIFY(!s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("e14")));
    QVERIFY(!s.EintragSuchen(QStringLiteral("Form3"), QStringLiteral("E14")));
    // Near the end the window is shorter; nothing past the last entry matches.
    QCOMPARE(s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E23"))->index, 23);
    QCOMPARE(s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E33"))->index, 33);
    QCOMPARE(s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("E39"))->index, 39);
    QVERIFY(!s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("")));
  }

  // A master cut off inside an entry: its missing lines read as empty.
  void abgeschnittenerStamm() {
    Sprachstand st;
    st.stamm = {QStringLiteral("Form1"), QStringLiteral("Label1"), QStringLiteral("Text")};
    sprache::Suche s(st);
    const auto e = s.EintragSuchen(QStringLiteral("Form1"), QStringLiteral("Label1"));
    QVERIFY(e);
    QCOMPARE(e->caption, QStringLiteral("Text"));
    QCOMPARE(e->hint, QString());
    QCOMPARE(e->charset, QString());
  }

  // -- applying --------------------------------------------------------------------------------

  void anwenden_data() {
    QTest::addColumn<Art>("art");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("uebersetzung");
    QTest::addColumn<QString>("setLine");
    QTest::addColumn<bool>("caption");
    QTest::addColumn<bool>("hint");
    QTest::addColumn<int>("charset");  // -1: not set
    QTest::newRow("Label Stamm") << Art::Label << 0 << false << "238" << true << true << 238;
    QTest::newRow("Label Tag 5: nur Hint") << Art::Label << 5 << false << "238" << false << true << 238;
    QTest::newRow("Label Tag 8: nichts") << Art::Label << 8 << false << "238" << false << false << -1;
    QTest::newRow("Label Tag 8 Übersetzung") << Art::Label << 8 << true << "238" << false << false << -1;
    QTest::newRow("Label Übersetzung: kein Satz") << Art::Label << 0 << true << "238" << true << true << -1;
    QTest::newRow("Menü: kein Satz") << Art::Menue << 0 << false << "238" << true << true << -1;
    QTest::newRow("Fenster: kein Satz") << Art::Fenster << 0 << false << "238" << true << true << -1;
    QTest::newRow("Edit: nur Hint") << Art::Edit << 0 << false << "238" << false << true << 238;
    QTest::newRow("Edit Übersetzung") << Art::Edit << 0 << true << "238" << false << true << -1;
    QTest::newRow("Panel") << Art::Panel << 0 << false << "0" << true << true << 0;
    QTest::newRow("BitBtn") << Art::BitBtn << 0 << false << "204" << true << true << 204;
    QTest::newRow("Button") << Art::Button << 0 << false << "1" << true << true << 1;
    QTest::newRow("SpeedButton Tag 1") << Art::SpeedButton << 1 << false << "1" << true << true << 1;
    QTest::newRow("CheckBox") << Art::CheckBox << 0 << false << "255" << true << true << 255;
    QTest::newRow("RadioButton") << Art::RadioButton << 0 << false << "1" << true << true << 1;
    QTest::newRow("TabSheet") << Art::TabSheet << 0 << false << "1" << true << true << 1;
    QTest::newRow("RadioGroup") << Art::RadioGroup << 0 << false << "1" << true << true << 1;
    QTest::newRow("Satz aus Buchstaben") << Art::CheckBox << 0 << false << "ANSI" << true << true << -1;
    QTest::newRow("Satz über 255") << Art::CheckBox << 0 << false << "256" << true << true << -1;
    QTest::newRow("Satz negativ") << Art::CheckBox << 0 << false << "-1" << true << true << -1;
    QTest::newRow("Satz leer") << Art::CheckBox << 0 << false << "" << true << true << -1;
  }
  void anwenden() {
    QFETCH(Art, art);
    QFETCH(int, tag);
    QFETCH(bool, uebersetzung);
    QFETCH(QString, setLine);
    QFETCH(bool, caption);
    QFETCH(bool, hint);
    QFETCH(int, charset);
    Sprachstand st;
    const QString name = art == Art::Fenster ? QStringLiteral("Form1") : QStringLiteral("X1");
    st.stamm = {QStringLiteral("Form1"), name, QStringLiteral("Stammtext"), QStringLiteral("Stammhint"), setLine};
    if (uebersetzung) {
      st.uebersetzungsmodus = true;
      st.uebersetzung = {QStringLiteral("Caption"), QStringLiteral("Hint")};
    }
    const auto a = sprache::wendeAn(st, {element(art, name, tag)});
    if (!caption && !hint) {
      QVERIFY(a.isEmpty());
      return;
    }
    QCOMPARE(a.size(), 1);
    QCOMPARE(a[0].caption.has_value(), caption);
    QCOMPARE(a[0].hint.has_value(), hint);
    if (caption) QCOMPARE(*a[0].caption, uebersetzung ? QStringLiteral("Caption") : QStringLiteral("Stammtext"));
    if (hint) QCOMPARE(*a[0].hint, uebersetzung ? QStringLiteral("Hint") : QStringLiteral("Stammhint"));
    QCOMPARE(a[0].charset.value_or(-1), charset);
  }

  // One lookup position for all windows: the second window's first element is found from where
  // the first window left off, and a tag-8 label moves it too.
  void einPositionFuerAlleFenster() {
    Sprachstand st;
    st.stamm = stammMit(30);
    for (int i : {20, 21}) st.stamm[5 * i] = QStringLiteral("Form3");
    QList<Element> el;
    for (int i : {0, 9, 19}) el << element(Art::Button, QStringLiteral("E%1").arg(i));
    el.last().tag = 8;
    Element f = element(Art::Fenster, QStringLiteral("E20"));
    f.besitzer = QStringLiteral("Form3");
    el << f;
    Element b = element(Art::Button, QStringLiteral("E21"));
    b.besitzer = QStringLiteral("Form3");
    el << b << element(Art::Button, QStringLiteral("E5"));  // before the last match
    const auto a = sprache::wendeAn(st, el);
    QCOMPARE(a.size(), 4);
    QCOMPARE(a[0].index, 0);
    QCOMPARE(a[1].index, 1);
    QCOMPARE(a[2].index, 3);
    QCOMPARE(*a[2].caption, QStringLiteral("C20"));
    QCOMPARE(a[3].index, 4);
  }

  // Elements beyond a short translation's end take the master's caption and hint, never blanks.
  void kurzeUebersetzung() {
    Sprachstand st;
    st.stamm = stammMit(3);
    st.uebersetzungsmodus = true;
    st.uebersetzung = {QStringLiteral("T0"), QStringLiteral("U0"), QStringLiteral("T1")};
    QList<Element> el;
    for (int i = 0; i < 3; ++i) el << element(Art::Button, QStringLiteral("E%1").arg(i));
    const auto a = sprache::wendeAn(st, el);
    QCOMPARE(a.size(), 3);
    QCOMPARE(*a[0].caption, QStringLiteral("T0"));
    QCOMPARE(*a[0].hint, QStringLiteral("U0"));
    QCOMPARE(*a[1].caption, QStringLiteral("T1"));
    QCOMPARE(*a[1].hint, QStringLiteral("H1"));
    QCOMPARE(*a[2].caption, QStringLiteral("C2"));
    QCOMPARE(*a[2].hint, QStringLiteral("H2"));
    QVERIFY(!a[2].charset);
  }

  // -- export ----------------------------------------------------------------------------------

  void exportZeilen_data() {
    QTest::addColumn<Art>("art");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("sichtbar");
    QTest::addColumn<QString>("zeile");  // caption line, or "-" when left out
    QTest::newRow("Menü sichtbar") << Art::Menue << "&Datei" << "" << 0 << true << "&Datei";
    QTest::newRow("Menü leer sichtbar") << Art::Menue << "" << "" << 0 << true << "";
    QTest::newRow("Menü versteckt") << Art::Menue << "&Abgeben" << "" << 0 << false << "-";
    QTest::newRow("Label") << Art::Label << "Proxy" << "" << 0 << true << "Proxy";
    QTest::newRow("Label nur Hint") << Art::Label << "" << "E1" << 0 << true << "";
    QTest::newRow("Label leer") << Art::Label << "" << "" << 0 << true << "-";
    QTest::newRow("Label Zahl") << Art::Label << " 12" << "h" << 0 << true << "-";
    QTest::newRow("Label mit Tag") << Art::Label << "Text" << "h" << 1 << true << "-";
    QTest::newRow("Label Link") << Art::Label << "http://x" << "" << 8 << true << "-";
    QTest::newRow("Panel Zahl") << Art::Panel << "5" << "" << 0 << true << "5";
    QTest::newRow("Panel leer") << Art::Panel << "" << "" << 0 << true << "-";
    QTest::newRow("Button") << Art::Button << "OK" << "" << 0 << true << "OK";
    QTest::newRow("BitBtn nur Hint") << Art::BitBtn << "" << "Start" << 0 << true << "";
    QTest::newRow("SpeedButton Zahl") << Art::SpeedButton << "7" << "" << 0 << true << "7";
    QTest::newRow("CheckBox") << Art::CheckBox << "13:00" << "" << 0 << true << "13:00";
    QTest::newRow("CheckBox Zahl") << Art::CheckBox << "17" << "Gewicht" << 0 << true << "-";
    QTest::newRow("CheckBox leer") << Art::CheckBox << "" << "" << 0 << true << "-";
    QTest::newRow("RadioButton leer") << Art::RadioButton << "" << "" << 0 << true << "";
    QTest::newRow("TabSheet leer") << Art::TabSheet << "" << "" << 0 << true << "";
    QTest::newRow("RadioGroup Zahl") << Art::RadioGroup << "3" << "" << 0 << true << "3";
    QTest::newRow("Edit Hint") << Art::Edit << "Text" << "Port" << 0 << true << "Port";
    QTest::newRow("Edit ohne Hint") << Art::Edit << "Text" << "" << 0 << true << "-";
    QTest::newRow("Edit Hint Zahl") << Art::Edit << "Text" << "12" << 0 << true << "-";
    QTest::newRow("Fenster") << Art::Fenster << "Titel" << "" << 0 << true << "Titel";
    QTest::newRow("Fenster leer") << Art::Fenster << "" << "" << 0 << true << "-";
  }
  void exportZeilen() {
    QFETCH(Art, art);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(int, tag);
    QFETCH(bool, sichtbar);
    QFETCH(QString, zeile);
    Element e = element(art, QStringLiteral("X1"), tag);
    e.caption = caption;
    e.hint = hint;
    e.sichtbar = sichtbar;
    e.charset = 238;
    const auto ex = sprache::exportZeilen({e});
    if (zeile == QStringLiteral("-")) {
      QVERIFY(ex.stamm.isEmpty());
      QVERIFY(ex.vorlage.isEmpty());
      return;
    }
    const QString satz = art == Art::Menue ? QStringLiteral("1") : QStringLiteral("238");
    QCOMPARE(ex.stamm, (QStringList{QStringLiteral("Form1"), QStringLiteral("X1"), zeile, hint, satz}));
    QCOMPARE(ex.vorlage, (QStringList{zeile, hint}));
  }

  void exportZeilenumbruch() {
    Element e = element(Art::Label, QStringLiteral("Label1"));
    e.caption = QStringLiteral("zwei\r\nZeilen\nund\rmehr");
    e.hint = QStringLiteral("a\nb");
    const auto ex = sprache::exportZeilen({e, element(Art::Button, QStringLiteral("B"))});
    QCOMPARE(ex.stamm.size(), 10);
    QCOMPARE(ex.stamm[2], QStringLiteral("zwei Zeilen und mehr"));
    QCOMPARE(ex.stamm[3], QStringLiteral("a b"));
    QCOMPARE(ex.stamm[6], QStringLiteral("B"));
    QCOMPARE(ex.vorlage.size(), 4);
  }

  void kodierung() {
    const QStringList deutsch{QString::fromUtf8("Größe €"), QStringLiteral("x")};
    QCOMPARE(sprache::kodiereStamm(deutsch), QByteArray("Gr\xF6\xDF" "e \x80\r\nx\r\n"));
    const QStringList russisch{QString::fromUtf8("Русский"), QStringLiteral("x")};
    const QByteArray u = sprache::kodiereStamm(russisch);
    QVERIFY(u.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(u.mid(3), QString::fromUtf8("Русский\r\nx\r\n").toUtf8());
    QCOMPARE(sprache::kodiereVorlage({QStringLiteral("a"), QString::fromUtf8("中")}),
             utf16le(QString::fromUtf8("a\r\n中\r\n"), true));
  }

  // Export, then the unedited template as translation: every element gets its texts back.
  void vorlageAlsUebersetzung() {
    QTemporaryDir dir;
    QList<Element> el;
    Element f = element(Art::Fenster, QStringLiteral("Form1"));
    f.caption = QString::fromUtf8("Главное окно");
    el << f;
    for (int i = 0; i < 30; ++i) {
      Element e = element(i % 3 ? Art::CheckBox : Art::Edit, QStringLiteral("E%1").arg(i));
      e.caption = QStringLiteral(" Text %1 &").arg(i);
      e.hint = QString::fromUtf8("Hinweis ä %1  ").arg(i);
      el << e;
    }
    const QString stamm = dir.filePath(QStringLiteral("Zelano.txt"));
    sprache::schreibeExport(stamm, sprache::exportZeilen(el));
    QVERIFY(Testdatei(stamm).startsWith("\xEF\xBB\xBF"));  // Cyrillic does not fit Windows-1252
    QVERIFY(Testdatei(stamm + QStringLiteral(".trans")).startsWith("\xFF\xFE"));
    QVERIFY(QFile::copy(stamm + QStringLiteral(".trans"), stamm + QStringLiteral(".xx")));
    for (bool uebersetzung : {true, false}) {
      if (!uebersetzung) QVERIFY(QFile::remove(stamm + QStringLiteral(".xx")));
      const auto st = sprache::liesSprache(stamm, QStringLiteral("xx"));
      QVERIFY(st);
      QCOMPARE(st->uebersetzungsmodus, uebersetzung);
      QList<Element> leer = el;
      for (Element& e : leer) e.caption = e.hint = QStringLiteral("?");
      const auto a = sprache::wendeAn(*st, leer);
      QCOMPARE(a.size(), el.size());
      for (const auto& x : a) {
        const Element& e = el[x.index];
        if (e.art != Art::Edit) QCOMPARE(*x.caption, e.caption);
        QCOMPARE(*x.hint, e.hint);
        if (e.art != Art::Fenster) QCOMPARE(x.charset.has_value(), !uebersetzung);
      }
    }
  }

  // A target that cannot be written: a message, and the old files stay as they were.
  void exportSchreibfehler() {
    QTemporaryDir dir;
    const QString stamm = dir.filePath(QStringLiteral("Zelano.txt"));
    schreibe(stamm, "alt");
    schreibe(stamm + QStringLiteral(".trans"), "alt");
    const auto ex = sprache::exportZeilen({element(Art::Button, QStringLiteral("B"))});
    plattform::schreibfehlerNach(0);
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler, sprache::schreibeExport(stamm, ex));
    plattform::schreibfehlerNach(-1);
    QCOMPARE(Testdatei(stamm), QByteArray("alt"));
    QCOMPARE(Testdatei(stamm + QStringLiteral(".trans")), QByteArray("alt"));
    QVERIFY_THROWS_EXCEPTION(plattform::Fehler,
                             sprache::schreibeExport(dir.filePath(QStringLiteral("fehlt/Zelano.txt")), ex));
  }

 private:
  static QByteArray Testdatei(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

QTEST_GUILESS_MAIN(TstSprachdateien)
#include "tst_sprachdateien.moc"
