#include <QtTest>

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <optional>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QWindow>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/dateien.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/textdatei.h"
#include "plattform/zufall.h"
#include "shell/fenster/Internetseite.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"

namespace {
QByteArray saetze(int bytes) {
  QByteArray b;
  for (int i = 0; i < bytes; ++i) b.append(static_cast<char>(i % 251));
  return b;
}

bool nahe(const QRect& a, const QRect& b) {
  return qAbs(a.x() - b.x()) <= 1 && qAbs(a.y() - b.y()) <= 1 && qAbs(a.width() - b.width()) <= 1 &&
         qAbs(a.height() - b.height()) <= 1;
}

QRect mal(const QRect& r, double f) {
  return QRect(qRound(r.x() * f), qRound(r.y() * f), qRound(r.width() * f), qRound(r.height() * f));
}
}  // namespace

class TstHauptfenster : public QObject {
  Q_OBJECT
 private slots:
  void rahmen() {
    Fensterumgebung umgebung;
    TForm1 form;
    QCOMPARE(form.windowTitle(), QString::fromUtf8("Kestrells Zahlen-Kenner  für Quintavola"));
    QCOMPARE(form.pos(), QPoint(366, 100));
    QCOMPARE(form.Height(), 546);
    QCOMPARE(form.Width(), 578);
    QCOMPARE(form.width(), 562);
    QCOMPARE(form.height() - form.menuBar()->sizeHint().height(), 472);  // the client area
    auto* pc = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(pc);
    QStringList titel;
    for (int i = 0; i < pc->count(); ++i) titel << pc->tabText(i);
    QCOMPARE(titel, (QStringList{"Tipp-Übersicht", "Zahlen der letzten Ziehung", "Parameter", "Diagramm",
                                 "Datenbank", "Internet-Optionen"}));
    QVERIFY(!pc->isTabVisible(1));
    QCOMPARE(pc->currentIndex(), 0);
    QStringList menue;
    for (QAction* a : form.menuBar()->actions())
      menue << (a->menu() ? a->menu()->objectName() : a->objectName()) + QLatin1Char('=') + a->text();
    QCOMPARE(menue, (QStringList{"Aktualisieren1=&Ziehungsdaten laden", "Berechnen1=&Berechnen",
                                 "SpracheLanguage1=Sprache/&Language", "Abgeben1=&Abgeben",
                                 QString::fromUtf8("Schlieen1=&Schließen")}));
    QCOMPARE(form.Aktualisieren1->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    QCOMPARE(form.Berechnen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QCOMPARE(form.Abgeben1->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    QVERIFY(!form.Abgeben1->isVisible());
    QCOMPARE(form.StatusBar1->panelAnzahl(), 2);
    QCOMPARE(form.StatusBar1->panelLabel(0)->minimumWidth(), 150);
    // The last panel takes the rest of the bar, and no more than the bar shows.
    QVERIFY(fenstertest::zeigen(&form));
    const QLabel* letztes = form.StatusBar1->panelLabel(1);
    QVERIFY(letztes->width() >= 50);
    QVERIFY(letztes->mapTo(form.StatusBar1, QPoint(letztes->width(), 0)).x() <= form.StatusBar1->width());
  }

  // The hidden pages ("Zahlen der letzten Ziehung", "Eurozahlen") stay out of reach of the keys
  // that step through the tabs, as of the mouse.
  void verborgeneSeitenOhneTaste() {
    Fensterumgebung umgebung;
    TForm1 form;
    QVERIFY(fenstertest::zeigen(&form));
    for (const char* name : {"PageControl1", "PageControl2"}) {
      auto* pc = form.findChild<QTabWidget*>(QLatin1String(name));
      QVERIFY(pc);
      form.PageControl1->setCurrentIndex(name == QByteArray("PageControl1") ? 0 : 2);
      QList<int> gesehen;
      pc->setCurrentIndex(0);
      for (int i = 0; i < pc->count(); ++i) {
        QTest::keyClick(pc->currentWidget(), Qt::Key_Tab, Qt::ControlModifier);
        gesehen << pc->currentIndex();
      }
      pc->setCurrentIndex(0);
      for (int i = 0; i < pc->count(); ++i) {
        QTest::keyClick(pc->currentWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        gesehen << pc->currentIndex();
      }
      pc->setCurrentIndex(0);
      pc->tabBar()->setFocus();
      for (int i = 0; i < pc->count(); ++i) {
        QTest::keyClick(pc->tabBar(), Qt::Key_Right);
        gesehen << pc->currentIndex();
      }
      for (int i : gesehen) QVERIFY2(pc->isTabVisible(i), qPrintable(QStringLiteral("%1 reached hidden tab %2").arg(QLatin1String(name)).arg(i)));
    }
  }

  // Every translatable control of the main window is in its element list once, with the kind its
  // class gives it, in the order the window creates them; the window is its first element. List
  // boxes, combo boxes, date pickers, up-downs, memos and the status bar take no part.
  void elementliste() {
    Fensterumgebung umgebung;
    TForm1 form;
    const QList<plattform::Element> liste = plattform::elementliste(&form).elemente();
    QVERIFY(!liste.isEmpty());
    QCOMPARE(liste.first().objekt.data(), &form);
    QCOMPARE(liste.first().art, plattform::Elementart::Fenster);
    QHash<QObject*, plattform::Elementart> inListe;
    QStringList namen;
    for (const plattform::Element& e : liste) {
      QVERIFY2(!inListe.contains(e.objekt), qPrintable(e.name()));
      inListe.insert(e.objekt, e.art);
      namen << e.name();
    }
    using A = plattform::Elementart;
    const auto artVon = [](QObject* o) -> std::optional<A> {
      if (qobject_cast<QAction*>(o) || qobject_cast<QMenu*>(o)) return A::Menuepunkt;
      if (qobject_cast<QLabel*>(o)) return A::Label;
      if (qobject_cast<QCheckBox*>(o)) return A::CheckBox;
      if (qobject_cast<QRadioButton*>(o)) return A::RadioButton;
      if (qobject_cast<QToolButton*>(o)) return A::SpeedButton;
      if (qobject_cast<QPushButton*>(o)) return o->objectName().startsWith("BitBtn") ? A::BitBtn : A::Button;
      if (qobject_cast<plattform::RadioGroup*>(o)) return A::RadioGroup;
      if (qobject_cast<QLineEdit*>(o)) return A::Edit;
      if (qobject_cast<QAbstractScrollArea*>(o) || qobject_cast<QTabWidget*>(o) || qobject_cast<QMenuBar*>(o) ||
          qobject_cast<QStatusBar*>(o) || qobject_cast<QAbstractSpinBox*>(o) || qobject_cast<QComboBox*>(o) ||
          qobject_cast<plattform::UpDown*>(o))
        return std::nullopt;
      if (qobject_cast<QFrame*>(o)) return A::Panel;
      auto* w = qobject_cast<QWidget*>(o);
      auto* tabs = w && w->parentWidget() ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()) : nullptr;
      if (tabs && tabs->indexOf(w) >= 0) return A::TabSheet;
      return std::nullopt;
    };
    for (QObject* o : form.findChildren<QObject*>()) {
      const QString n = o->objectName();
      if (n.isEmpty() || n.startsWith("qt_") || form.StatusBar1->isAncestorOf(qobject_cast<QWidget*>(o))) continue;
      // The inner parts of compound controls (a date picker's field, a tab bar's scroll buttons).
      if (auto* w = qobject_cast<QWidget*>(o); w && w->parentWidget() &&
                                               (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
                                                qobject_cast<QTabBar*>(w->parentWidget())))
        continue;
      const std::optional<A> art = artVon(o);
      if (!art) {
        QVERIFY2(!inListe.contains(o), qPrintable(n));
        continue;
      }
      QVERIFY2(inListe.contains(o), qPrintable(n));
      QVERIFY2(inListe.value(o) == *art, qPrintable(n));
    }
    // Creation order: the menu with the language items inside their submenu, the tabs, the option
    // pages, the proxy tab, the tip sheet row by row, the draw panel, the tab "Datenbank".
    QStringList kopf{"Form1", "Aktualisieren1", "Berechnen1", "SpracheLanguage1"};
    for (const char* n : {"Deutsch1", "Englich1", "Franz1", "Spanisch1", "Italenisch1", "Russisch1", "rkisch1",
                          "Niederlndisch1", "Polnisch1", "schechisch1", "Slowakisch1", "Ungarisch1", "Grischisch1",
                          "Schwedisch1", "Norwegisch1", "Finnisch1", "Dnisch1", "Portugisisch1", "Chinese1",
                          "Dateispeichern1"})
      kopf << QString::fromLatin1(n);
    kopf << QStringList{"Abgeben1",  "Schlieen1", "TabSheet1", "TabSheet2",  "TabSheet6", "TabSheet5",
                        "TabSheet4", "TabSheet3", "TabSheet7", "TabSheet8",  "TabSheet9", "TabSheet10",
                        "TabSheet11"};
    QCOMPARE(namen.mid(0, kopf.size()), kopf);
    const QStringList folge{"CheckBox1",  "CheckBox11", "CheckBox27",    "Label9Satz", "QuersummenLabel",
                            "CheckBox15", "LaufMaxLabel", "ProxyHostLabel", "Standardansicht", "Label28",
                            "Edit1",      "Edit5",      "Edit6",         "Edit93",     "Tipp1Edit",
                            "Label22",    "Label36",    "Label30",       "Edit7",      "SpeedButton11",
                            "BitBtn4",    "Edit80",     "Panel4",        "SpeedButton10", "Label35",
                            "Label29",    "BitBtn1",    "BitBtn6"};
    qsizetype vorher = -1;
    for (const QString& n : folge) {
      const qsizetype i = namen.indexOf(n);
      QVERIFY2(i > vorher, qPrintable(n));
      vorher = i;
    }
  }

  void frischerStart() {
    Fensterumgebung umgebung;
    const QByteArray vorlage = saetze(100);
    Testumgebung::schreibe(umgebung.programmordner() + QStringLiteral("ZahlenQV.dat"), vorlage);
    plattform::Zufall::RandSeed = 0;
    TForm1 form;
    QCOMPARE(Form1, &form);
    QVERIFY(umgebung.dialoge().gezeigt.isEmpty());
    QCOMPARE(form.zustand().Home, umgebung.home());
    QVERIFY(QFileInfo(umgebung.home()).isDir());
    QCOMPARE(form.zustand().ZahlenFile, QStringLiteral("ZahlenQV.dat"));
    QCOMPARE(Testumgebung::lies(form.zustand().Home + form.zustand().ZahlenFile), vorlage.left(96));  // three whole records
    QCOMPARE(form.zustand().SoundName, umgebung.programmordner() + QStringLiteral("yippee.wav"));
    QCOMPARE(form.zustand().SternenzahlMax, 10);
    QCOMPARE(form.zustand().LaufMax, 50000);
    QVERIFY(form.zustand().sortieren);
    QVERIFY(!form.zustand().Berechnunglaeuft);
    QCOMPARE(form.zustand().dfb, QDate::currentDate());
    QCOMPARE(form.zustand().aktDatum, QDateTime(QDate(2018, 2, 7), QTime(0, 0)));
    QVERIFY(plattform::Zufall::RandSeed != 0);
    QCOMPARE(form.Groesse, 546);
    QCOMPARE(form.zustand().FormatSettings.StrToDate(QStringLiteral("1.8.1995")), QDate(1995, 8, 1));
    QCOMPARE(form.Internet->ProxyPortEdit->text(), QStringLiteral("80"));
    QCOMPARE(form.zustand().Zahl, (std::array<int, 9>{}));  // no current draw yet
    QCOMPARE(form.zustand().Position, 0);
  }

  void vorhandeneDatenBleiben() {
    Fensterumgebung umgebung;
    Testumgebung::schreibe(umgebung.programmordner() + QStringLiteral("ZahlenQV.dat"), saetze(320));
    Testumgebung::schreibe(umgebung.home() + QStringLiteral("ZahlenQV.dat"), saetze(64));
    TForm1 form;
    QCOMPARE(Testumgebung::lies(umgebung.home() + QStringLiteral("ZahlenQV.dat")), saetze(64));
    QVERIFY(umgebung.dialoge().gezeigt.isEmpty());
  }

  void ohneVorlageKeineDatei() {
    Fensterumgebung umgebung;
    QFile::remove(umgebung.programmordner() + QStringLiteral("ZahlenQV.dat"));
    TForm1 form;
    QVERIFY(!QFile::exists(umgebung.home() + QStringLiteral("ZahlenQV.dat")));
    QVERIFY(umgebung.dialoge().gezeigt.isEmpty());
  }

  // The data folder cannot be made (its parent is missing): the message is shown, the
  // steps that do not need the folder still run.
  void ordnerFehltDieAnderenSchritteLaufen() {
    Fensterumgebung umgebung;
    const QString fehlt = umgebung.appdata() + QStringLiteral("gibt/es/nicht/");
    qputenv("APPDATA", fehlt.toUtf8());
    Testumgebung::schreibe(umgebung.programmordner() + QStringLiteral("ZahlenQV.dat"), saetze(64));
    plattform::Zufall::RandSeed = 0;
    TForm1 form;
    QCOMPARE(umgebung.dialoge().arten(), QStringList{QStringLiteral("nachricht")});
    QVERIFY(umgebung.dialoge().texte().constFirst().contains(fehlt + QStringLiteral("ZahlenKennerQV")));
    QCOMPARE(form.zustand().Home, fehlt + QStringLiteral("ZahlenKennerQV/"));
    QVERIFY(!QFileInfo::exists(form.zustand().Home));
    QCOMPARE(form.zustand().ZahlenFile, QStringLiteral("ZahlenQV.dat"));
    QVERIFY(plattform::Zufall::RandSeed != 0);
    QCOMPARE(form.zustand().dfb, QDate::currentDate());
    QCOMPARE(form.zustand().aktDatum.date(), QDate(2018, 2, 7));
    QCOMPARE(form.zustand().LaufMax, 50000);
    QVERIFY(form.zustand().sortieren);
  }

  // A seed copy that fails half-way is shown, leaves no history behind, and the start goes on.
  void saatkopieScheitert() {
    Fensterumgebung umgebung;
    Testumgebung::schreibe(umgebung.programmordner() + QStringLiteral("ZahlenQV.dat"), saetze(64));
    plattform::simuliereDateifehler(plattform::Dateifehler::schreiben);
    plattform::Zufall::RandSeed = 0;
    TForm1 form;
    plattform::simuliereDateifehler(plattform::Dateifehler::keiner);
    QCOMPARE(umgebung.dialoge().arten(), QStringList{QStringLiteral("nachricht")});
    QVERIFY(!QFile::exists(umgebung.home() + QStringLiteral("ZahlenQV.dat")));
    QVERIFY(plattform::Zufall::RandSeed != 0);
    QCOMPARE(form.zustand().aktDatum.date(), QDate(2018, 2, 7));
  }

  void zoomMitDerHoehe() {
    Fensterumgebung umgebung;
    TForm1 form;
    QWidget* box = form.Parameter->CheckBox3;
    QWidget* edit = form.Parameter->Edit39;
    const QRect b0 = box->geometry(), e0 = edit->geometry();
    const qreal pt0 = box->font().pointSizeF();
    const double f = 700.0 / 546.0;

    form.setWidth(700);  // the width alone zooms nothing
    QCOMPARE(box->geometry(), b0);
    form.setHeight(546);
    QCOMPARE(box->geometry(), b0);

    form.setHeight(700);
    QCOMPARE(form.Height(), 700);
    QCOMPARE(form.Groesse, 700);
    QCOMPARE(box->geometry(), mal(b0, f));
    QCOMPARE(edit->geometry(), mal(e0, f));
    QCOMPARE(box->font().pointSizeF(), pt0 * f);
    form.show();  // the resize event that reaches the shown window finds nothing left to do
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(box->geometry(), mal(b0, f));

    // Two steps compound to one.
    TForm1 zwei;
    zwei.setHeight(600);
    zwei.setHeight(700);
    QVERIFY(nahe(zwei.Parameter->CheckBox3->geometry(), mal(b0, f)));
    QVERIFY(qAbs(zwei.Parameter->CheckBox3->font().pointSizeF() - pt0 * f) < 1e-6);
  }

  // Stand-ins with the dialogs' names: the zoom finds the windows that exist, in their order.
  void dialogeZoomen() {
    Fensterumgebung umgebung;
    QWidget form6, form5, form9;
    form6.setObjectName(QStringLiteral("Form6"));
    form5.setObjectName(QStringLiteral("Form5"));
    form9.setObjectName(QStringLiteral("Form9"));
    for (QWidget* w : {&form6, &form5, &form9}) {
      w->resize(546, 546);
      plattform::fensterAnmelden(w);
    }
    TForm1 form;
    form.setHeight(700);  // in the creation step the dialogs do not exist yet
    form6.resize(546, 546);
    form5.resize(546, 546);
    form9.resize(546, 546);
    form.StartAbschliessen();  // Form6 and Form5 by Groesse / 546, not Form9
    QCOMPARE(form6.size(), QSize(700, 700));
    QCOMPARE(form5.size(), QSize(700, 700));
    QCOMPARE(form9.size(), QSize(546, 546));
    form.setHeight(350);  // every later zoom takes all three
    QCOMPARE(form6.size(), QSize(350, 350));
    QCOMPARE(form5.size(), QSize(350, 350));
    QCOMPARE(form9.size(), QSize(273, 273));

    TForm1 normal;  // the designed height zooms no dialog when the start completes
    normal.StartAbschliessen();
    QCOMPARE(form6.size(), QSize(350, 350));
  }

  void schliessenOhneFrage() {
    Fensterumgebung umgebung;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.normalerZustand());
    form.showMaximized();
    QVERIFY(!form.normalerZustand());
    form.showMinimized();
    QVERIFY(!form.normalerZustand());
    form.showNormal();
    const auto vorher = umgebung.dialoge().gezeigt.size();  // the show road may have told something
    form.Schlieen1->trigger();
    QVERIFY(!form.isVisible());
    QCOMPARE(umgebung.dialoge().gezeigt.size(), vorher);
  }

  // The show road runs once, with the main window already on the screen behind its messages.
  void zeigenMitFensterDahinter() {
    struct Sicht final : plattform::Dialoge {
      QList<bool> fensterDa;
      void nachricht(const QString&) override {
        fensterDa << (Form1 && Form1->windowHandle() && Form1->windowHandle()->isVisible());
      }
      bool frage(const QString&, const QString&) override { return false; }
      QString eingabe(const QString&, const QString&, const QString& v) override { return v; }
      QString oeffnen(const QString&, const QString&, const QString&) override { return {}; }
      QString speichern(const QString&, const QString&, const QString&) override { return {}; }
    };
    Fensterumgebung umgebung;
    auto eigene = std::make_unique<Sicht>();
    Sicht* sicht = eigene.get();
    plattform::setzeDialoge(std::move(eigene));
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(sicht->fensterDa, QList<bool>{true});  // no history yet: its message, once
    form.hide();
    form.show();
    QTest::qWait(20);
    QCOMPARE(sicht->fensterDa.size(), 1);
  }

  void textwege() {
    Fensterumgebung umgebung;
    TForm1 form;
    auto& d = umgebung.dialoge();
    d.antworten = {true, false, QVariant()};
    QVERIFY(form.Frage(3, QStringLiteral("08.02.2018"), 4, 5));
    QVERIFY(!form.Frage(71, 72));
    QCOMPARE(form.Eingabe(10, 11, QStringLiteral("4")), QStringLiteral("4"));  // Cancel
    form.Nachricht(17);
    QCOMPARE(d.gezeigt.at(0).text, form.M(3) + QStringLiteral("08.02.2018") + form.M(4));
    QCOMPARE(d.gezeigt.at(0).titel, QString::fromUtf8("Ziehungsdaten löschen?"));
    QCOMPARE(d.gezeigt.at(1).titel, form.M(72));
    QCOMPARE(d.gezeigt.at(2).titel, form.M(10));
    QCOMPARE(d.gezeigt.at(2).text, QStringLiteral("Tipp-Test"));
    QCOMPARE(d.gezeigt.at(3).text, QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
    form.Statustext(37, QStringLiteral(" 12345 ") + form.M(38));
    QCOMPARE(form.StatusBar1->panel(1), QString::fromUtf8("Glückszahl 12345 gesetzt"));
  }
};

QTEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
