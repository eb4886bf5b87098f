#include <QtTest>

#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStringEncoder>
#include <QToolButton>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"
#include "engine/fenster/Berechnung.h"
#include "programm/Einstellungen.h"
#include "shell/fenster/Internetseite.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"

using plattform::Hive;
using plattform::Registry;
using plattform::RegistryFehler;

namespace {

using Werte = QList<QPair<QString, QVariant>>;

QByteArray tagzahl(double tage) {
  QByteArray b(8, '\0');
  std::memcpy(b.data(), &tage, 8);
  return b;
}

constexpr double k07022018 = 43138.0;

QString nr(const char* art, int n) { return QString::fromLatin1(art) + QString::number(n); }

// Every value of a fresh account's first exit, in the order of the write-back.
Werte frischeWerte() {
  Werte w;
  w.append({"NeuerSchein", 0});
  const QList<int> an{3, 4, 5, 9, 10, 18, 23, 24, 27, 28};
  for (int n = 1; n <= 31; ++n)
    if (n != 21) w.append({nr("Chekcbox", n), an.contains(n) ? 1 : 0});
  w.append({"height", 546});
  w.append({"width", 578});
  w.append({"Ansicht", 0});
  w.append({"Sprache", 0});
  w.append({"TippTop", 39});
  w.append({"TippLeft", 47});
  w.append({"RadioGroup1", 0});
  w.append({"RadioGroup2", 0});
  const int ud[] = {50, 200, 2, 0, 1, 4, 50, 5, 2, 2, 2, 30, 34, 20, 2, 2, 3, 50, 1, 1};
  for (int n = 1; n <= 20; ++n) w.append({nr("UpDown", n), ud[n - 1]});
  w.append({"Lottoportal", Internetseite::portalVorgabe()});
  QList<int> felder{1, 2, 3, 7, 8, 9, 4, 5, 6};
  for (int n = 10; n <= 36; ++n) felder << n;
  for (int n = 43; n <= 54; ++n) felder << n;
  for (int n = 56; n <= 79; ++n) felder << n;
  for (int n = 93; n <= 104; ++n) felder << n;
  for (int n : felder) w.append({nr("Edit", n), QString()});
  w.append({"ZWEIPREIS", QStringLiteral("0,50")});
  w.append({"EINPREIS", QStringLiteral("1,00")});
  w.append({"Browser", 0});
  w.append({"URLEdit", Internetseite::urlVorgabe()});
  w.append({"ProxyHostEdit", QString()});
  w.append({"ProxyPortEdit", QStringLiteral("80")});
  w.append({"DateTimePicker2", tagzahl(k07022018)});
  w.append({"Land", 1});
  return w;
}

// Values an earlier run left in the store.
void ablegen(const std::function<void(Registry&)>& schreibe) {
  {
    Registry r;
    QVERIFY(r.OpenKey(Einstellungen::schluessel(), true));
    schreibe(r);
    r.CloseKey();
  }
  Registry::verwerfen();
}

// What the store file holds now, value by value (integer, raw bytes or text).
QMap<QString, QVariant> gespeichert() {
  Registry::verwerfen();
  QMap<QString, QVariant> m;
  Registry r;
  if (!r.OpenKeyReadOnly(Einstellungen::schluessel())) return m;
  QStringList namen;
  for (const auto& [name, wert] : frischeWerte()) namen << name;
  namen << QStringLiteral("Losnummer") << QStringLiteral("fremd");
  for (const QString& name : namen) {
    if (!r.ValueExists(name)) continue;
    try {
      m[name] = r.ReadInteger(name);
    } catch (const RegistryFehler&) {
      try {
        m[name] = r.ReadBinaryData(name);
      } catch (const RegistryFehler&) {
        m[name] = r.ReadString(name);
      }
    }
  }
  return m;
}

template <class T>
T* c(TForm1& f, const QString& name) {
  return fenstertest::ctl<T>(&f, name);
}

plattform::UpDown* ud(TForm1& f, int n) { return c<plattform::UpDown>(f, nr("UpDown", n)); }
QCheckBox* box(TForm1& f, int n) { return c<QCheckBox>(f, nr("CheckBox", n)); }
QLineEdit* edit(TForm1& f, int n) { return c<QLineEdit>(f, nr("Edit", n)); }
QDate startdatumVon(TForm1& f) { return c<plattform::DatumsWahl>(f, QStringLiteral("DateTimePicker2"))->Datum(); }

}  // namespace

class TstEinstellungen : public QObject {
  Q_OBJECT
 private slots:
  // After a press on the arrows has coupled a field's limit, a value typed beyond it is what
  // the run reads, what is stored and what the next start shows; the next press couples again.
  void gekoppelterWertGetippt_data() {
    QTest::addColumn<int>("updown");  // the up-down of the typed field
    QTest::addColumn<int>("feld");    // its field
    QTest::addColumn<int>("pfeil");   // the up-down whose press couples its limit
    QTest::addColumn<QString>("getippt");
    QTest::newRow("Edit90 ueber 6 - UpDown15") << 16 << 90 << 16 << "6";
    QTest::newRow("Edit88 ueber UpDown3") << 9 << 88 << 3 << "4";
    QTest::newRow("Edit39 unter UpDown9") << 3 << 39 << 9 << "0";
  }
  void gekoppelterWertGetippt() {
    QFETCH(int, updown);
    QFETCH(int, feld);
    QFETCH(int, pfeil);
    QFETCH(QString, getippt);
    const int wert = getippt.toInt();
    auto druecke = [](plattform::UpDown* u, int richtung) {
      QTest::mousePress(u->pfeil(richtung), Qt::LeftButton);
      QTest::mouseRelease(u->pfeil(richtung), Qt::LeftButton);
    };
    auto ausserhalb = [&](TForm1& form) { return wert < ud(form, updown)->Min() || wert > ud(form, updown)->Max(); };
    Fensterumgebung u;
    {
      TForm1 form;
      if (pfeil == 9) ud(form, 9)->setPosition(2);  // the release lifts UpDown3's minimum to 3
      druecke(ud(form, pfeil), pfeil == 9 ? +1 : -1);
      QVERIFY(ausserhalb(form));
      QLineEdit* e = edit(form, feld);
      e->selectAll();
      QTest::keyClicks(e, getippt);
      QCOMPARE(e->text(), getippt);
      QCOMPARE(ud(form, updown)->Position(), wert);
      const Berechnungsparameter& p = form.Rechner->optionen();
      QCOMPARE(updown == 16 ? p.UpDown16 : updown == 9 ? p.UpDown9 : p.UpDown3, wert);
      QVERIFY(form.close());
    }
    QCOMPARE(gespeichert().value(nr("UpDown", updown)).toInt(), wert);
    TForm1 form;
    QCOMPARE(edit(form, feld)->text(), getippt);
    QCOMPARE(ud(form, updown)->Position(), wert);
    // The next press on the coupling's arrows limits the value again.
    druecke(ud(form, pfeil), pfeil == 9 ? +1 : -1);
    QVERIFY(ausserhalb(form));
    QVERIFY(ud(form, updown)->Position() != wert);
    QCOMPARE(edit(form, feld)->text(), QString::number(ud(form, updown)->Position()));
  }

  // A fresh account: the controls keep their defaults; the first exit stores every value with
  // its type and default, but never "Losnummer".
  void frischesKonto() {
    Fensterumgebung u;
    {
      TForm1 form;
      QCOMPARE(c<QLineEdit>(form, QStringLiteral("URLEdit"))->text(), Internetseite::urlVorgabe());
      QCOMPARE(startdatumVon(form), QDate(2018, 2, 7));
      QCOMPARE(ud(form, 6)->Max(), 5);
      QCOMPARE(form.zustand().sprache, 0);
      QVERIFY(form.close());
    }
    const QMap<QString, QVariant> ist = gespeichert();
    const Werte soll = frischeWerte();
    for (const auto& [name, wert] : soll) {
      QVERIFY2(ist.contains(name), qPrintable(name));
      QVERIFY2(ist.value(name) == wert, qPrintable(name + QStringLiteral(": ") + ist.value(name).toString()));
    }
    QCOMPARE(ist.size(), soll.size());
    QVERIFY(!ist.contains(QStringLiteral("Losnummer")));
    QVERIFY(u.dialoge().gezeigt.isEmpty());
  }

  // A store written in UTF-16 without its byte-order mark is read; a store with text of which
  // nothing can be read is said once at start and never overwritten at exit.
  void ablageOhneBomOderUnlesbar_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<bool>("lesbar");
    const QString export_ = QStringLiteral(
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrell\\Zelano]\r\n"
        "\"Edit1\"=\"17\"\r\n\"UpDown7\"=dword:00000019\r\n");
    QStringEncoder le(QStringConverter::Utf16LE);
    QTest::newRow("UTF-16 LE ohne BOM") << QByteArray(le(export_)) << true;
    QTest::newRow("kein lesbarer Wert") << QByteArray("\x01\x02 kaputt \x03\r\n") << false;
  }
  void ablageOhneBomOderUnlesbar() {
    QFETCH(QByteArray, inhalt);
    QFETCH(bool, lesbar);
    Fensterumgebung u;
    const QString datei = Registry::ablageDatei(Hive::CurrentUser);
    Testumgebung::schreibe(datei, inhalt);
    {
      TForm1 form;
      QCOMPARE(edit(form, 1)->text(), lesbar ? QStringLiteral("17") : QString());
      QCOMPARE(ud(form, 7)->Position(), lesbar ? 25 : 50);
      if (lesbar) {
        QVERIFY(u.meldungen().isEmpty());
      } else {
        QCOMPARE(u.meldungen().size(), 1);
        QVERIFY(u.meldungen().constFirst().contains(QStringLiteral("nicht gespeichert")));
      }
      edit(form, 2)->setText(QStringLiteral("18"));
      QVERIFY(form.close());
    }
    if (lesbar) {
      QCOMPARE(gespeichert().value(QStringLiteral("Edit1")).toString(), QStringLiteral("17"));
      QCOMPARE(gespeichert().value(QStringLiteral("Edit2")).toString(), QStringLiteral("18"));
    } else {
      QCOMPARE(Testumgebung::lies(datei), inhalt);
      QCOMPARE(u.meldungen().size(), 1);  // once, at start
    }
  }

  // What the user set comes back at the next start, in every kind of control.
  void rundreise() {
    Fensterumgebung u;
    ablegen([](Registry& r) { r.WriteString(QStringLiteral("Losnummer"), QStringLiteral("1234567")); });
    std::array<int, 21> positionen{};
    {
      TForm1 form;
      for (int n = 1; n <= 31; ++n) box(form, n)->setChecked(!box(form, n)->isChecked());
      for (int n = 1; n <= 20; ++n) {
        ud(form, n)->setPosition(n == 8 ? 7 : ud(form, n)->Max());
        positionen[n] = ud(form, n)->Position();
      }
      c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup1"))->setItemIndex(2);
      c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup2"))->setItemIndex(1);
      edit(form, 1)->setText(QStringLiteral("7"));
      edit(form, 78)->setText(QStringLiteral("55"));
      edit(form, 79)->setText(QStringLiteral("10"));
      edit(form, 104)->setText(QStringLiteral("9"));
      c<QComboBox>(form, QStringLiteral("Lottoportal"))->setCurrentText(QStringLiteral("Mein Portal"));
      edit(form, 81)->setText(QStringLiteral("0,75"));
      edit(form, 82)->setText(QStringLiteral("1,50"));
      c<QLineEdit>(form, QStringLiteral("URLEdit"))->setText(QStringLiteral("http://anders.example/"));
      c<QLineEdit>(form, QStringLiteral("ProxyHostEdit"))->setText(QStringLiteral("proxy.example"));
      c<QLineEdit>(form, QStringLiteral("ProxyPortEdit"))->setText(QStringLiteral("3128"));
      c<plattform::DatumsWahl>(form, QStringLiteral("DateTimePicker2"))->setzeDatum(QDate(2020, 3, 1));
      c<QLabel>(form, QStringLiteral("Losnummer"))->setText(QStringLiteral("geändert"));
      form.setWidth(640);
      form.zustand().neuerSchein = 3;
      form.zustand().TippTop = 41;
      form.zustand().TippLeft = 49;
      form.zustand().Land = 2;
      form.zustand().sprache = 4;
      QVERIFY(form.close());
    }
    QCOMPARE(gespeichert().value(QStringLiteral("Losnummer")), QVariant(QStringLiteral("1234567")));
    TForm1 form;
    for (int n = 1; n <= 31; ++n) {
      const bool designt = QList<int>{3, 4, 5, 9, 10, 18, 23, 24, 27, 28}.contains(n);
      QVERIFY2(box(form, n)->isChecked() == !designt, qPrintable(nr("CheckBox", n)));
    }
    for (int n = 1; n <= 20; ++n) {
      QCOMPARE(ud(form, n)->Position(), positionen[n]);
      QCOMPARE(ud(form, n)->associate()->text(), QString::number(ud(form, n)->Position()));
    }
    QCOMPARE(ud(form, 6)->Max(), 7);  // CheckBox31 is ticked now
    QCOMPARE(c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup1"))->ItemIndex(), 2);
    QCOMPARE(c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup2"))->ItemIndex(), 1);
    QCOMPARE(edit(form, 1)->text(), QStringLiteral("7"));
    QCOMPARE(edit(form, 78)->text(), QStringLiteral("55"));
    QCOMPARE(edit(form, 79)->text(), QStringLiteral("10"));
    QCOMPARE(edit(form, 104)->text(), QStringLiteral("9"));
    QCOMPARE(c<QComboBox>(form, QStringLiteral("Lottoportal"))->currentText(), QStringLiteral("Mein Portal"));
    QCOMPARE(edit(form, 81)->text(), QStringLiteral("0,75"));
    QCOMPARE(edit(form, 82)->text(), QStringLiteral("1,50"));
    QCOMPARE(c<QLineEdit>(form, QStringLiteral("URLEdit"))->text(), QStringLiteral("http://anders.example/"));
    QCOMPARE(c<QLineEdit>(form, QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.example"));
    QCOMPARE(c<QLineEdit>(form, QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("3128"));
    QCOMPARE(startdatumVon(form), QDate(2020, 3, 1));
    QCOMPARE(c<QLabel>(form, QStringLiteral("Losnummer"))->text(), QStringLiteral("1234567"));
    QCOMPARE(form.Width(), 640);
    QCOMPARE(form.zustand().neuerSchein, 3);
    QCOMPARE(form.zustand().TippTop, 41);
    QCOMPARE(form.zustand().TippLeft, 49);
    QCOMPARE(form.zustand().Land, 2);
    QCOMPARE(form.zustand().sprache, 4);
    QCOMPARE(form.zustand().LaufMax, 30000 * 1000);
  }

  // Only the normal window state stores its size; otherwise the older size stays.
  void fenstergroesse_data() {
    QTest::addColumn<Qt::WindowState>("zustand");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("breite");
    QTest::newRow("normal") << Qt::WindowNoState << 620 << 660;
    QTest::newRow("maximiert") << Qt::WindowMaximized << 600 << 700;
    QTest::newRow("minimiert") << Qt::WindowMinimized << 600 << 700;
  }
  void fenstergroesse() {
    QFETCH(Qt::WindowState, zustand);
    QFETCH(int, hoehe);
    QFETCH(int, breite);
    Fensterumgebung u;
    ablegen([](Registry& r) {
      r.WriteInteger(QStringLiteral("height"), 600);
      r.WriteInteger(QStringLiteral("width"), 700);
    });
    {
      TForm1 form;
      QCOMPARE(form.Height(), 600);
      QCOMPARE(form.Width(), 700);
      QCOMPARE(form.Groesse, 600);  // the stored height zoomed the tabs within the read
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      if (zustand == Qt::WindowNoState) {
        form.setHeight(620);
        form.setWidth(660);
      } else {
        form.resize(790, 580);  // this test platform keeps the size in the new state
        form.setWindowState(zustand);
        QTRY_VERIFY(!form.normalerZustand());
      }
      QVERIFY(form.close());
    }
    QCOMPARE(::gespeichert().value(QStringLiteral("height")).toInt(), hoehe);
    QCOMPARE(::gespeichert().value(QStringLiteral("width")).toInt(), breite);
  }

  // A stored size is used only while the window stays usable with it: at least half the designed
  // outer size (546 high, 578 wide), at most the screen's available area; otherwise the designed
  // size, which the next exit stores.
  void fenstergroesseBeschaedigt_data() {
    QTest::addColumn<int>("gespeichert");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("breite");
    const QRect platz = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("700") << 700 << 700 << 700;
    QTest::newRow("0") << 0 << 546 << 578;
    QTest::newRow("negativ") << -546 << 546 << 578;
    QTest::newRow("riesig") << std::numeric_limits<int>::max() << 546 << 578;
    QTest::newRow("halbe Höhe") << 273 << 273 << 578;
    QTest::newRow("halbe Breite") << 289 << 289 << 289;
    QTest::newRow("unter der halben Höhe") << 272 << 546 << 578;
    QTest::newRow("Bildschirmhöhe") << platz.height() << platz.height() << platz.height();
    QTest::newRow("über der Bildschirmbreite") << platz.width() + 1 << 546 << 578;
  }
  void fenstergroesseBeschaedigt() {
    QFETCH(int, gespeichert);
    QFETCH(int, hoehe);
    QFETCH(int, breite);
    Fensterumgebung u;
    ablegen([&](Registry& r) {
      r.WriteInteger(QStringLiteral("height"), gespeichert);
      r.WriteInteger(QStringLiteral("width"), gespeichert);
    });
    {
      TForm1 form;
      QCOMPARE(form.Height(), hoehe);
      QCOMPARE(form.Width(), breite);
      QCOMPARE(form.Groesse, hoehe);
      QVERIFY(form.close());
    }
    QCOMPARE(::gespeichert().value(QStringLiteral("height")).toInt(), hoehe);
    QCOMPARE(::gespeichert().value(QStringLiteral("width")).toInt(), breite);
  }

  // The list view comes back before the stored tip count, so that it may exceed 12.
  void ansicht_data() {
    QTest::addColumn<QVariant>("ansicht");
    QTest::addColumn<bool>("liste");
    QTest::addColumn<int>("tipps");
    QTest::newRow("Liste") << QVariant(1) << true << 100;
    QTest::newRow("Standard") << QVariant(0) << false << 12;
    QTest::newRow("fehlt") << QVariant() << false << 12;
    QTest::newRow("anderer Wert") << QVariant(2) << false << 12;
  }
  void ansicht() {
    QFETCH(QVariant, ansicht);
    QFETCH(bool, liste);
    QFETCH(int, tipps);
    Fensterumgebung u;
    ablegen([&](Registry& r) {
      if (ansicht.isValid()) r.WriteInteger(QStringLiteral("Ansicht"), ansicht.toInt());
      r.WriteInteger(QStringLiteral("UpDown8"), 100);
    });
    TForm1 form;
    for (const char* name : {"Gewinnzahlen", "Gewinne"})
      QCOMPARE(!c<QListWidget>(form, QString::fromLatin1(name))->isHidden(), liste);
    QCOMPARE(!c<QToolButton>(form, QStringLiteral("SpeedButton28"))->isHidden(), liste);
    QCOMPARE(ud(form, 8)->Max(), liste ? 6000 : 12);
    QCOMPARE(ud(form, 8)->Position(), tipps);
    QCOMPARE(edit(form, 80)->text(), QString::number(tipps));
    QVERIFY(form.close());
    QCOMPARE(gespeichert().value(QStringLiteral("Ansicht")), QVariant(liste ? 1 : 0));
    QCOMPARE(gespeichert().value(QStringLiteral("UpDown8")), QVariant(tipps));
  }

  // A stored height of 700 zooms the tabs by 700/546 within the read, and the completion of
  // the start zooms the number-selection and cart-options dialogs by the same factor.
  void gespeicherteHoeheZoomt() {
    Fensterumgebung u;
    QRect b0;
    qreal pt0 = 0;
    {
      TForm1 designt;
      b0 = box(designt, 3)->geometry();
      pt0 = box(designt, 3)->font().pointSizeF();
    }
    ablegen([](Registry& r) { r.WriteInteger(QStringLiteral("height"), 700); });
    TForm1 form;
    const double f = 700.0 / 546.0;
    QCOMPARE(form.Height(), 700);
    QCOMPARE(form.Groesse, 700);
    QCOMPARE(box(form, 3)->geometry(),
             QRect(qRound(b0.x() * f), qRound(b0.y() * f), qRound(b0.width() * f), qRound(b0.height() * f)));
    QCOMPARE(box(form, 3)->font().pointSizeF(), pt0 * f);
    // The dialogs are made after the main window, then the start is completed.
    QWidget form6, form5, form9;
    form6.setObjectName(QStringLiteral("Form6"));
    form5.setObjectName(QStringLiteral("Form5"));
    form9.setObjectName(QStringLiteral("Form9"));
    for (QWidget* w : {&form6, &form5, &form9}) {
      w->resize(546, 273);
      plattform::fensterAnmelden(w);
    }
    form.StartAbschliessen();
    QCOMPARE(form6.size(), QSize(700, 350));
    QCOMPARE(form5.size(), QSize(700, 350));
    QCOMPARE(form9.size(), QSize(546, 273));
    QCOMPARE(box(form, 3)->geometry().width(), qRound(b0.width() * f));  // the tabs only once
  }

  // Closing in the list view with lines writes both list files alike; the next start shows
  // the list view again with its tip count, loads the text file and scores every line.
  void listenansichtRundreise() {
    Fensterumgebung u;
    const QStringList zeilen{QStringLiteral("1\t2\t3\t4\t5"), QStringLiteral("6\t7\t8\t9\t10\t\t\t\t"),
                             QString::fromUtf8("11\t12\t13\t14\t15\tüber")};
    {
      TForm1 form;
      form.Schein->listenansichtBeimStart();
      form.Schein->listeErsetzen(zeilen);
      ud(form, 8)->setPosition(250);
      QVERIFY(form.close());
    }
    const QByteArray txt = Testumgebung::lies(u.home() + QStringLiteral("gewinnzahlen.txt"));
    QCOMPARE(txt, plattform::zuAnsi(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    QCOMPARE(Testumgebung::lies(u.home() + QStringLiteral("gewinnzahlen.zpk")), txt);
    QCOMPARE(gespeichert().value(QStringLiteral("Ansicht")), QVariant(1));
    // The .zpk file is never read at start.
    Testumgebung::schreibe(u.home() + QStringLiteral("gewinnzahlen.zpk"), "20\t21\t22\t23\t24\r\n");
    TForm1 form;
    QVERIFY(form.Schein->listenansichtGezeigt());
    QCOMPARE(ud(form, 8)->Position(), 250);
    QCOMPARE(form.Schein->listenzeilen(), zeilen);
    QCOMPARE(form.Schein->Gewinne->count(), 3);
    QVERIFY(u.dialoge().gezeigt.isEmpty());
  }

  // The upper limit of UpDown6 is set from CheckBox31 before the stored position applies.
  void upDown6Grenze_data() {
    QTest::addColumn<QVariant>("box31");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("ohne Wert, 7") << QVariant() << 7 << 5 << 5;
    QTest::newRow("nicht angekreuzt, 6") << QVariant(0) << 6 << 5 << 5;
    QTest::newRow("angekreuzt, 7") << QVariant(1) << 7 << 7 << 7;
    QTest::newRow("angekreuzt, 3") << QVariant(1) << 3 << 7 << 3;
    QTest::newRow("beliebig ungleich 0, 7") << QVariant(5) << 7 << 7 << 7;
  }
  void upDown6Grenze() {
    QFETCH(QVariant, box31);
    QFETCH(int, position);
    QFETCH(int, max);
    QFETCH(int, ergebnis);
    Fensterumgebung u;
    ablegen([&](Registry& r) {
      if (box31.isValid()) r.WriteInteger(QStringLiteral("Chekcbox31"), box31.toInt());
      r.WriteInteger(QStringLiteral("UpDown6"), position);
    });
    TForm1 form;
    QCOMPARE(ud(form, 6)->Max(), max);
    QCOMPARE(ud(form, 6)->Position(), ergebnis);
    QCOMPARE(edit(form, 42)->text(), QString::number(ergebnis));
  }

  // A stored tip text goes through its field's check.
  void tippfelder_data() {
    QTest::addColumn<int>("feld");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("Edit12 x") << 12 << "x" << "";
    QTest::newRow("Edit12 10") << 12 << "10" << "10";
    QTest::newRow("Edit12 11") << 12 << "11" << "";
    QTest::newRow("Edit93 11") << 93 << "11" << "";
    QTest::newRow("Edit1 55") << 1 << "55" << "55";
    QTest::newRow("Edit1 56") << 1 << "56" << "";
    QTest::newRow("Edit78 0") << 78 << "0" << "";
    QTest::newRow("Edit43 abc") << 43 << "abc" << "";
  }
  void tippfelder() {
    QFETCH(int, feld);
    QFETCH(QString, text);
    QFETCH(QString, ergebnis);
    Fensterumgebung u;
    ablegen([&](Registry& r) {
      r.WriteString(nr("Edit", feld), text);
      r.WriteString(QStringLiteral("Edit2"), QStringLiteral("17"));
    });
    TForm1 form;
    QCOMPARE(edit(form, feld)->text(), ergebnis);
    QCOMPARE(edit(form, 2)->text(), QStringLiteral("17"));
    QVERIFY(form.zustand().sortieren);
  }

  // A start date that is no date, or one the picker refuses, gives 07.02.2018; the groups
  // before it are read all the same.
  void startdatum_data() {
    QTest::addColumn<QVariant>("wert");
    QTest::addColumn<QDate>("ergebnis");
    QTest::newRow("Text") << QVariant(QStringLiteral("01.03.2020")) << QDate(2018, 2, 7);
    QTest::newRow("Ganzzahl") << QVariant(43891) << QDate(2018, 2, 7);
    QTest::newRow("vier Bytes") << QVariant(QByteArray(4, '\1')) << QDate(2018, 2, 7);
    QTest::newRow("NaN") << QVariant(tagzahl(std::nan(""))) << QDate(2018, 2, 7);
    QTest::newRow("unendlich") << QVariant(tagzahl(std::numeric_limits<double>::infinity())) << QDate(2018, 2, 7);
    QTest::newRow("vor dem Minimum") << QVariant(tagzahl(k07022018 - 400)) << QDate(2018, 2, 7);
    QTest::newRow("gültig") << QVariant(tagzahl(43891.75)) << QDate(2020, 3, 1);
    // The start rule: later than 7 days before today falls back.
    const QDate heute = QDate::currentDate();
    for (const int tage : {3, 7, 8}) {
      const QDate d = heute.addDays(-tage);
      QTest::addRow("%d Tage vor heute", tage)
          << QVariant(tagzahl(plattform::alsTagzahl(d))) << (tage < 7 ? QDate(2018, 2, 7) : d);
    }
  }
  void startdatum() {
    QFETCH(QVariant, wert);
    QFETCH(QDate, ergebnis);
    Fensterumgebung u;
    ablegen([&](Registry& r) {
      const QString n = QStringLiteral("DateTimePicker2");
      if (wert.typeId() == QMetaType::QString) r.WriteString(n, wert.toString());
      else if (wert.typeId() == QMetaType::Int) r.WriteInteger(n, wert.toInt());
      else r.WriteBinaryData(n, wert.toByteArray());
      r.WriteString(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
    });
    TForm1 form;
    QCOMPARE(startdatumVon(form), ergebnis);
    QCOMPARE(form.zustand().aktDatum.date(), ergebnis);
    QCOMPARE(c<QLineEdit>(form, QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.example"));
    QVERIFY(u.dialoge().gezeigt.isEmpty());
  }

  // A value of the wrong type inside a group ends that group: the rest of group 1 keeps its
  // defaults, the later groups are read.
  void falscherTypInGruppe1() {
    Fensterumgebung u;
    ablegen([](Registry& r) {
      r.WriteInteger(QStringLiteral("Ansicht"), 1);
      for (int n = 1; n <= 31; ++n) r.WriteBool(nr("Chekcbox", n), n < 5);
      r.WriteString(QStringLiteral("Chekcbox5"), QStringLiteral("1"));
      r.WriteBool(QStringLiteral("Chekcbox31"), true);
      r.WriteInteger(QStringLiteral("Land"), 3);
      r.WriteInteger(QStringLiteral("height"), 700);
      r.WriteInteger(QStringLiteral("width"), 700);
      r.WriteInteger(QStringLiteral("TippTop"), 1);
      r.WriteInteger(QStringLiteral("TippLeft"), 2);
      r.WriteInteger(QStringLiteral("Sprache"), 3);
      r.WriteInteger(QStringLiteral("RadioGroup1"), 2);
      r.WriteInteger(QStringLiteral("UpDown1"), 99);
      r.WriteInteger(QStringLiteral("UpDown8"), 100);
      r.WriteString(QStringLiteral("Edit1"), QStringLiteral("12"));
      r.WriteString(QStringLiteral("ZWEIPREIS"), QStringLiteral("0,60"));
      r.WriteBool(QStringLiteral("Browser"), true);
      r.WriteString(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
      r.WriteDateTime(QStringLiteral("DateTimePicker2"), 43891.0);
    });
    TForm1 form;
    // Before the broken value.
    QVERIFY(!c<QListWidget>(form, QStringLiteral("Gewinnzahlen"))->isHidden());
    for (int n = 1; n <= 4; ++n) QVERIFY(box(form, n)->isChecked());
    // From the broken value to the end of the group: the designed values.
    const QList<int> an{3, 4, 5, 9, 10, 18, 23, 24, 27, 28};
    for (int n = 5; n <= 31; ++n)
      if (n != 21) QVERIFY2(box(form, n)->isChecked() == an.contains(n), qPrintable(nr("CheckBox", n)));
    QCOMPARE(ud(form, 6)->Max(), 7);
    QCOMPARE(form.zustand().Land, 1);
    QCOMPARE(form.Height(), 546);
    QCOMPARE(form.Width(), 578);
    QCOMPARE(form.zustand().TippTop, 39);
    QCOMPARE(form.zustand().TippLeft, 47);
    QCOMPARE(form.zustand().sprache, 0);
    // The values after the group.
    QCOMPARE(c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup1"))->ItemIndex(), 2);
    QCOMPARE(ud(form, 1)->Position(), 99);
    QCOMPARE(ud(form, 8)->Position(), 100);
    QCOMPARE(edit(form, 1)->text(), QStringLiteral("12"));
    QCOMPARE(edit(form, 81)->text(), QStringLiteral("0,60"));
    QVERIFY(box(form, 21)->isChecked());
    QCOMPARE(c<QLineEdit>(form, QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.example"));
    QCOMPARE(startdatumVon(form), QDate(2020, 3, 1));
    QVERIFY(u.dialoge().gezeigt.isEmpty());
  }

  // The values read outside the groups count as missing when their type is wrong; the start
  // goes on with every other value.
  void falscherTypAusserhalb_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Losnummer") << "Losnummer";
    QTest::newRow("NeuerSchein") << "NeuerSchein";
    QTest::newRow("RadioGroup1") << "RadioGroup1";
    QTest::newRow("RadioGroup2") << "RadioGroup2";
  }
  void falscherTypAusserhalb() {
    QFETCH(QString, name);
    Fensterumgebung u;
    ablegen([&](Registry& r) {
      r.WriteString(QStringLiteral("Losnummer"), QStringLiteral("7654321"));
      r.WriteInteger(QStringLiteral("NeuerSchein"), 2);
      r.WriteInteger(QStringLiteral("RadioGroup1"), 1);
      r.WriteInteger(QStringLiteral("RadioGroup2"), 2);
      if (name == QStringLiteral("Losnummer")) r.WriteBinaryData(name, QByteArray("\1\2", 2));
      else r.WriteString(name, QStringLiteral("1"));
      r.WriteInteger(QStringLiteral("Sprache"), 3);
      r.WriteInteger(QStringLiteral("UpDown7"), 20);
      r.WriteDateTime(QStringLiteral("DateTimePicker2"), 43891.0);
    });
    TForm1 form;
    QCOMPARE(c<QLabel>(form, QStringLiteral("Losnummer"))->text(),
             name == QStringLiteral("Losnummer") ? QString() : QStringLiteral("7654321"));
    QCOMPARE(form.zustand().neuerSchein, name == QStringLiteral("NeuerSchein") ? 0 : 2);
    QCOMPARE(c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup1"))->ItemIndex(),
             name == QStringLiteral("RadioGroup1") ? 0 : 1);
    QCOMPARE(c<plattform::RadioGroup>(form, QStringLiteral("RadioGroup2"))->ItemIndex(),
             name == QStringLiteral("RadioGroup2") ? 0 : 2);
    QCOMPARE(form.zustand().sprache, 3);
    QCOMPARE(form.zustand().LaufMax, 20000);
    QCOMPARE(startdatumVon(form), QDate(2020, 3, 1));
    QCOMPARE(form.zustand().ZahlenFile, QStringLiteral("ZahlenQV.dat"));
    QVERIFY(u.dialoge().gezeigt.isEmpty());
    QVERIFY(form.close());
    // The broken Losnummer stays as it was: it is never written.
    if (name == QStringLiteral("Losnummer"))
      QCOMPARE(gespeichert().value(name), QVariant(QByteArray("\1\2", 2)));
    else
      QVERIFY(gespeichert().value(name).typeId() == QMetaType::Int);
  }

  // The write-back order: a failure at any write leaves exactly the values before it.
  void schreibreihenfolge() {
    Fensterumgebung u;
    TForm1 form;
    const Werte soll = frischeWerte();
    for (int k = 0; k <= soll.size(); ++k) {
      QFile::remove(Registry::ablageDatei(Hive::CurrentUser));
      Registry::verwerfen();
      Registry::fehlerNachSchreibvorgaengen(k);
      bool abgebrochen = false;
      try {
        Einstellungen::schreiben(form);
      } catch (const RegistryFehler&) {
        abgebrochen = true;
      }
      Registry::fehlerNachSchreibvorgaengen(-1);
      QCOMPARE(abgebrochen, k < soll.size());
      const QMap<QString, QVariant> ist = gespeichert();
      QStringList erwartet, vorhanden = ist.keys();
      for (int i = 0; i < k && i < soll.size(); ++i) erwartet << soll.at(i).first;
      erwartet.sort();
      vorhanden.sort();
      QCOMPARE(vorhanden, erwartet);
    }
  }

  // A failure half-way: what came before is written, what follows keeps its older value.
  void schreibfehlerHalbwegs_data() {
    QTest::addColumn<QString>("stelle");
    QTest::newRow("Registry vor Lottoportal") << "Lottoportal";
    QTest::newRow("Listendatei") << "Liste";
  }
  void schreibfehlerHalbwegs() {
    QFETCH(QString, stelle);
    Fensterumgebung u;
    ablegen([](Registry& r) {
      r.WriteInteger(QStringLiteral("UpDown7"), 10);
      r.WriteInteger(QStringLiteral("Sprache"), 1);
      r.WriteString(QStringLiteral("Edit1"), QStringLiteral("9"));
      r.WriteString(QStringLiteral("ProxyHostEdit"), QStringLiteral("alt.example"));
      r.WriteInteger(QStringLiteral("Land"), 5);
    });
    const QString liste = u.home() + QStringLiteral("gewinnzahlen.txt");
    {
      TForm1 form;
      box(form, 1)->setChecked(true);
      ud(form, 7)->setPosition(30);
      form.zustand().sprache = 2;
      edit(form, 1)->setText(QStringLiteral("33"));
      c<QLineEdit>(form, QStringLiteral("ProxyHostEdit"))->setText(QStringLiteral("neu.example"));
      form.zustand().Land = 6;
      if (stelle == QStringLiteral("Liste")) {
        form.Schein->listenansichtBeimStart();
        form.Schein->listeErsetzen({QStringLiteral("1\t2\t3\t4\t5")});
        QVERIFY(QDir().mkpath(liste));  // the list file cannot take the place of a folder
      } else {
        int k = 0;
        while (frischeWerte().at(k).first != stelle) ++k;
        Registry::fehlerNachSchreibvorgaengen(k);
      }
      QVERIFY(form.close());
      Registry::fehlerNachSchreibvorgaengen(-1);
    }
    const QMap<QString, QVariant> ist = gespeichert();
    QCOMPARE(ist.value(QStringLiteral("Chekcbox1")), QVariant(1));
    QCOMPARE(ist.value(QStringLiteral("Ansicht")), QVariant(stelle == QStringLiteral("Liste") ? 1 : 0));
    // After the list files: older values.
    QCOMPARE(ist.value(QStringLiteral("Sprache")), QVariant(stelle == QStringLiteral("Liste") ? 1 : 2));
    QCOMPARE(ist.value(QStringLiteral("UpDown7")), QVariant(stelle == QStringLiteral("Liste") ? 10 : 30));
    QCOMPARE(ist.value(QStringLiteral("Edit1")), QVariant(QStringLiteral("9")));
    QCOMPARE(ist.value(QStringLiteral("ProxyHostEdit")), QVariant(QStringLiteral("alt.example")));
    QCOMPARE(ist.value(QStringLiteral("Land")), QVariant(5));
    QVERIFY(!ist.contains(QStringLiteral("URLEdit")));
    QCOMPARE(QFileInfo::exists(liste), stelle == QStringLiteral("Liste"));
    QVERIFY(!QFile::exists(u.home() + QStringLiteral("gewinnzahlen.zpk")));
    QVERIFY(u.dialoge().gezeigt.isEmpty());
  }

  // The process dies while it writes the store (its file size limit is hit half-way): the
  // store file still holds the complete older settings.
  void absturzBeimSchreiben() {
    Fensterumgebung u;
    ablegen([](Registry& r) {
      r.WriteInteger(QStringLiteral("UpDown7"), 10);
      r.WriteString(QStringLiteral("Edit1"), QStringLiteral("9"));
      r.WriteString(QStringLiteral("fremd"), QString(4000, QLatin1Char('a')));
    });
    const QString datei = Registry::ablageDatei(Hive::CurrentUser);
    const QByteArray vorher = Testumgebung::lies(datei);
    QVERIFY(vorher.size() > 8000);
    TForm1 form;
    ud(form, 7)->setPosition(30);
    edit(form, 1)->setText(QStringLiteral("33"));

    const pid_t kind = fork();
    QVERIFY(kind >= 0);
    if (kind == 0) {
      const rlimit kern{0, 0};
      setrlimit(RLIMIT_CORE, &kern);
      const rlimit groesse{4096, 4096};
      setrlimit(RLIMIT_FSIZE, &groesse);
      try {
        Einstellungen::schreiben(form);
      } catch (...) {
      }
      _exit(0);  // only reached when the write did not die
    }
    int status = 0;
    QCOMPARE(waitpid(kind, &status, 0), kind);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGXFSZ);

    QCOMPARE(Testumgebung::lies(datei), vorher);
    const QMap<QString, QVariant> ist = gespeichert();
    QCOMPARE(ist.value(QStringLiteral("UpDown7")), QVariant(10));
    QCOMPARE(ist.value(QStringLiteral("Edit1")), QVariant(QStringLiteral("9")));
    // The next start reads the older settings.
    TForm1 neu;
    QCOMPARE(ud(neu, 7)->Position(), 10);
    QCOMPARE(edit(neu, 1)->text(), QStringLiteral("9"));
  }
};

QTEST_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
