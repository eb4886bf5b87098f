#include <QtTest>

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "hilfen/fenster/fenstertest.h"
#include "plattform/fenster/steuerelemente.h"
#include "shell/fenster/Internetseite.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Statushinweise.h"
#include "shell/fenster/Verweise.h"
#include "shell/fenster/Zahlenwahl.h"
#include "shell/hinweise.h"

namespace {
const QString kVorher = QStringLiteral("vorher");

// The mouse moves over w as a user moves it: the control lies on the page in front.
void bewege(QWidget* w) {
  for (QWidget* p = w; p; p = p->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
      if (tabs->indexOf(p) >= 0) tabs->setCurrentWidget(p);
  // A page that just came to the front is shown and laid out before the mouse reaches it.
  QCoreApplication::processEvents();
  QTest::mouseMove(w, w->rect().center());
  QTest::mouseMove(w, w->rect().center() + QPoint(1, 0));
}

QStringList bannerUndLinks() {
  return {"Label43", "Label44", "Label12", "Label52", "Label54", "Label56", "Label98", "Label99", "Label100", "Label101",
          "Label102", "Label103"};
}

plattform::UpDown* ud(TForm1& f, int n) { return f.Parameter->upDown(n); }

// A press (and, unless told otherwise, the release) on one arrow of an up-down.
void pfeil(plattform::UpDown* u, int richtung, bool loslassen = true) {
  QTest::mousePress(u->pfeil(richtung), Qt::LeftButton);
  if (loslassen) QTest::mouseRelease(u->pfeil(richtung), Qt::LeftButton);
}
}  // namespace

class TstHinweise : public QObject {
  Q_OBJECT
  Fensterumgebung* umgebung_ = nullptr;
  TForm1* form_ = nullptr;

  QString panel() const { return form_->StatusBar1->panel(1); }

 private slots:
  void initTestCase() {
    umgebung_ = new Fensterumgebung;
    form_ = new TForm1;
    QVERIFY(fenstertest::zeigen(form_));
  }
  void cleanupTestCase() {
    delete form_;
    delete umgebung_;
  }
  void init() {
    form_->StatusBar1->setzePanel(1, kVorher);
    umgebung_->shell().aufrufe.clear();
  }

  // Every name of the table that the window holds shows its hint; an empty hint empties the panel.
  void hinweisDerTabelle_data() {
    QTest::addColumn<QString>("name");
    int gefunden = 0;
    for (const hinweise::Eintrag& e : hinweise::tabelle()) {
      const QString n = QString::fromLatin1(e.name);
      if (!form_->findChild<QWidget*>(n)) continue;  // built by a part of the program still to come
      QTest::newRow(e.name) << n;
      ++gefunden;
    }
    QVERIFY(gefunden >= 40);
  }
  void hinweisDerTabelle() {
    QFETCH(QString, name);
    QWidget* w = fenstertest::ctl(form_, name);
    QVERIFY(w->window() == form_);
    QVERIFY(form_->Hinweise->gebunden(w));
    // A control hidden for now (a stop button, the list view's button) is shown while the mouse comes.
    const bool versteckt = w->isHidden();
    w->show();
    bewege(w);
    QCOMPARE(panel(), plattform::hint(w));
    // Without a hint the panel empties.
    const QString alt = plattform::hint(w);
    w->setProperty("hint", QString());
    form_->StatusBar1->setzePanel(1, kVorher);
    bewege(w);
    QCOMPARE(panel(), QString());
    w->setProperty("hint", alt);
    w->setHidden(versteckt);
  }

  // Controls outside the table, leaving a control and the dialogs' own boxes keep the text.
  void andereLassenDasPanel_data() {
    QTest::addColumn<QString>("name");
    for (const char* n : {"Label22", "Label23", "DateTimePicker1", "DateTimePicker2", "Edit1", "Label36", "Label35",
                          "Edit80", "ProxyHostEdit", "Label12", "CheckBox15", "CheckBox20", "Edit55"})
      QTest::newRow(n) << QString::fromLatin1(n);
  }
  void andereLassenDasPanel() {
    QFETCH(QString, name);
    QWidget* w = fenstertest::ctl(form_, name);
    QVERIFY(!form_->Hinweise->gebunden(w));
    bewege(w);
    QCOMPARE(panel(), kVorher);
  }

  // The date pickers hold their hint and show it nowhere, not as a tool tip either.
  void datumsfelderOhneTooltip() {
    for (const char* n : {"DateTimePicker1", "DateTimePicker2"}) {
      QWidget* w = fenstertest::ctl(form_, QString::fromLatin1(n));
      QVERIFY(!plattform::hint(w).isEmpty());
      QVERIFY2(w->toolTip().isEmpty(), n);
    }
  }

  void verlassenUndDialoge() {
    QWidget* knopf = fenstertest::ctl(form_, QStringLiteral("Tipp3Edit"));
    bewege(knopf);
    QCOMPARE(panel(), plattform::hint(knopf));
    form_->StatusBar1->setzePanel(1, kVorher);
    QEvent verlassen(QEvent::Leave);
    QApplication::sendEvent(knopf, &verlassen);
    QCOMPARE(panel(), kVorher);

    TForm6 dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    plattform::setzeHint(dialog.BitBtn1, QStringLiteral("fremd"));
    QTest::mouseMove(dialog.box(1));
    QTest::mouseMove(dialog.BitBtn1);
    QCOMPARE(panel(), kVorher);
    // Made after the binding, its controls are never bound, even under the names of the table.
    QVERIFY(!form_->Hinweise->gebunden(dialog.box(1)));
  }

  // A control of the table that a panel makes after the window's creation is bound when the
  // window is first shown.
  void spaeterGebauteSteuerelemente() {
    // The mouse finds the topmost window at its place: the shared window steps aside meanwhile.
    form_->hide();
    const auto zurueck = qScopeGuard([this] { QVERIFY(fenstertest::zeigen(form_)); });
    TForm1 f;
    QString frei;
    for (const hinweise::Eintrag& e : hinweise::tabelle())
      if (!f.findChild<QWidget*>(QString::fromLatin1(e.name))) {
        frei = QString::fromLatin1(e.name);
        break;
      }
    if (frei.isEmpty()) QSKIP("every control of the table is built");
    auto* spaet = plattform::neu<QToolButton>(f.TabSheet1, plattform::Elementart::SpeedButton,
                                              frei.toLatin1().constData(), QRect(46, 362, 20, 20));
    plattform::setzeHint(spaet, QStringLiteral("spät"));
    QVERIFY(!f.Hinweise->gebunden(spaet));
    QVERIFY(fenstertest::zeigen(&f));
    QVERIFY(f.Hinweise->gebunden(spaet));
    f.StatusBar1->setzePanel(1, kVorher);
    bewege(spaet);
    QCOMPARE(f.StatusBar1->panel(1), QStringLiteral("spät"));
  }

  void statusfelderHeissenNichtPanel() {
    auto* p = fenstertest::ctl<QFrame>(form_, QStringLiteral("Panel1"));
    QCOMPARE(p, form_->verweise->Panel1);
    QCOMPARE(form_->findChildren<QWidget*>(QStringLiteral("Panel1")).size(), 1);
    QCOMPARE(form_->StatusBar1->panelLabel(1)->objectName(), QStringLiteral("Statusfeld1"));
  }

  void bannerOeffnetDieProduktseite_data() {
    QTest::addColumn<QString>("name");
    for (const char* n : {"Panel2", "Label43", "Panel8", "Label44"}) QTest::newRow(n) << QString::fromLatin1(n);
  }
  void bannerOeffnetDieProduktseite() {
    QFETCH(QString, name);
    fenstertest::klick(fenstertest::ctl(form_, name));
    QCOMPARE(umgebung_->shell().aufrufe, QStringList{"open " + Internetseite::urlVorgabe()});
  }

  void bannerLiegtNebenDemSchein() {
    for (QFrame* p : {form_->verweise->Panel2, form_->verweise->Panel8}) {
      QCOMPARE(p->parentWidget(), form_->TabSheet1);
      QVERIFY(p->geometry().right() < form_->TabSheet1->width());
      for (QWidget* w : form_->TabSheet1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == form_->verweise->Panel2 || w == form_->verweise->Panel8 || !w->isVisibleTo(form_)) continue;
        QVERIFY2(!p->geometry().intersects(w->geometry()), qPrintable(p->objectName() + " " + w->objectName()));
      }
    }
    QVERIFY(fenstertest::ctl<QLabel>(form_, QStringLiteral("Label44"))->text().contains(QStringLiteral("Quintavola")));
  }

  void linksOeffnenIhreAdresse() {
    QStringList erwartet;
    for (QLabel* l : form_->verweise->Links) {
      QCOMPARE(l->parentWidget(), form_->verweise->Panel1);
      QVERIFY(hinweise::oeffenbareAdresse(l->text()));
      fenstertest::klick(l);
      erwartet << QStringLiteral("open ") + l->text();
    }
    QCOMPARE(umgebung_->shell().aufrufe, erwartet);
    QCOMPARE(erwartet.size(), 10);
    for (const QString& n : bannerUndLinks()) {
      auto* l = fenstertest::ctl<QLabel>(form_, n);
      QCOMPARE(plattform::tag(l), 8);
      QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
    }
  }

  // A double click is one click and a double click: the page opens once, and the next click opens it again.
  void doppelklickOeffnetEinmal_data() {
    QTest::addColumn<QString>("name");
    for (const char* n : {"Label99", "Label43", "Panel8"}) QTest::newRow(n) << QString::fromLatin1(n);
  }
  void doppelklickOeffnetEinmal() {
    QFETCH(QString, name);
    QWidget* w = fenstertest::ctl(form_, name);
    const QString erwartet = QStringLiteral("open ") + (name == QLatin1String("Label99")
                                                           ? qobject_cast<QLabel*>(w)->text()
                                                           : Internetseite::urlVorgabe());
    form_->PageControl1->setCurrentWidget(name == QLatin1String("Label99") ? form_->TabSheet3 : form_->TabSheet1);
    // Through the window, as the mouse comes: the second press arrives as a double click.
    // A panel at its lower edge, beside its label.
    const int y = name.startsWith(QLatin1String("Panel")) ? w->height() - 2 : 10;
    const QPoint stelle = w->mapTo(form_, QPoint(w->width() / 2, y));
    QCOMPARE(form_->childAt(stelle), w);
    QTest::mouseDClick(form_->windowHandle(), Qt::LeftButton, {}, stelle);
    QCOMPARE(umgebung_->shell().aufrufe, QStringList{erwartet});
    QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, stelle);
    QCOMPARE(umgebung_->shell().aufrufe, (QStringList{erwartet, erwartet}));
  }

  void unsichereAdressenOeffnenNichts_data() {
    QTest::addColumn<QString>("adresse");
    QTest::newRow("Datei") << "file:///home/nutzer/geheim.txt";
    QTest::newRow("javascript") << "javascript:alert(1)";
    QTest::newRow("Programm") << "calc.exe";
    QTest::newRow("ohne Schema") << "www.kestrell.example";
    QTest::newRow("1025 Zeichen") << QStringLiteral("https://www.kestrell.example/") + QString(996, QLatin1Char('a'));
  }
  void unsichereAdressenOeffnenNichts() {
    QFETCH(QString, adresse);
    QLabel* l = form_->verweise->Links[0];
    const QString alt = l->text();
    const qsizetype meldungen = umgebung_->meldungen().size();
    l->setText(adresse);
    fenstertest::klick(l);
    l->setText(alt);
    QCOMPARE(umgebung_->shell().aufrufe, QStringList{});
    QCOMPARE(umgebung_->meldungen().size(), meldungen);
  }

  // At the designed size every hint can be read whole: in the panel, or, where it is wider,
  // shortened there with "…" and whole in the panel's tool tip; a short one clears the tip again.
  void hinweiseGanzLesbar() {
    form_->resize(546, 578);
    QLabel* feld = form_->StatusBar1->panelLabel(1);
    QTRY_VERIFY(feld->contentsRect().width() > 300);
    int gekuerzt = 0;
    for (const hinweise::Eintrag& e : hinweise::tabelle()) {
      auto* w = form_->findChild<QWidget*>(QString::fromLatin1(e.name));
      if (!w || !form_->Hinweise->gebunden(w)) continue;
      bewege(w);
      if (!w->isVisible()) continue;  // hidden by design, never under the mouse
      const QString hint = plattform::hint(w);
      QTRY_COMPARE(panel(), hint);
      const bool passt = feld->fontMetrics().horizontalAdvance(hint) <= feld->contentsRect().width();
      QCOMPARE(feld->text(), passt ? hint : feld->fontMetrics().elidedText(hint, Qt::ElideRight, feld->contentsRect().width()));
      QVERIFY2(feld->fontMetrics().horizontalAdvance(feld->text()) <= feld->contentsRect().width(), e.name);
      QCOMPARE(feld->toolTip(), passt ? QString() : hint);
      if (!passt) ++gekuerzt;
    }
    QVERIFY(gekuerzt > 0);  // the hint of Tipp5Edit among them
    // A wider window shows more of a hint whole.
    bewege(fenstertest::ctl(form_, QStringLiteral("Tipp5Edit")));
    form_->resize(1200, 578);
    QTRY_COMPARE(feld->text(), panel());
    QCOMPARE(feld->toolTip(), QString());
    form_->resize(546, 578);
    QTRY_COMPARE(feld->toolTip(), panel());
  }

  void laufbudgetFolgtDenPfeilen() {
    plattform::UpDown* u = ud(*form_, 7);
    u->setPosition(50);
    form_->zustand().LaufMax = 50000;
    pfeil(u, +1);
    QCOMPARE(u->Position(), 51);
    QCOMPARE(form_->zustand().LaufMax, 51000);
    pfeil(u, -1);
    QCOMPARE(form_->zustand().LaufMax, 50000);
    auto* feld = fenstertest::ctl<QLineEdit>(form_, QStringLiteral("Edit55"));
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("70"));
    QCOMPARE(u->Position(), 70);
    QCOMPARE(form_->zustand().LaufMax, 50000);  // typed: the next run reads it
  }

  void geradeUndUngerade_data() {
    QTest::addColumn<int>("andere");
    QTest::addColumn<int>("maximum");
    QTest::newRow("4") << 4 << 2;
    QTest::newRow("0") << 0 << 6;
    QTest::newRow("6") << 6 << 0;
  }
  void geradeUndUngerade() {
    QFETCH(int, andere);
    QFETCH(int, maximum);
    for (auto [ich, du] : {std::pair{15, 16}, std::pair{16, 15}}) {
      ud(*form_, ich)->setMax(6);
      ud(*form_, du)->setMax(6);
      ud(*form_, ich)->setPosition(1);
      ud(*form_, du)->setPosition(andere);
      pfeil(ud(*form_, ich), +1, false);
      QCOMPARE(ud(*form_, ich)->Max(), maximum);
      QVERIFY(ud(*form_, ich)->Position() <= maximum);
      QTest::mouseRelease(ud(*form_, ich)->pfeil(+1), Qt::LeftButton);
      QCOMPARE(ud(*form_, ich)->Max(), maximum);
    }
    // A typed value is not limited until the next press.
    ud(*form_, 16)->setMax(6);
    ud(*form_, 16)->setPosition(4);
    pfeil(ud(*form_, 15), -1);
    QCOMPARE(ud(*form_, 15)->Max(), 2);
    fenstertest::ctl<QLineEdit>(form_, QStringLiteral("Edit90"))->setText(QStringLiteral("1"));
    QCOMPARE(ud(*form_, 15)->Max(), 2);
    pfeil(ud(*form_, 15), -1);
    QCOMPARE(ud(*form_, 15)->Max(), 5);
  }

  void ueberschneidungen() {
    plattform::UpDown* max = ud(*form_, 3);
    plattform::UpDown* min = ud(*form_, 9);
    max->setMin(0);
    max->setMax(5);
    min->setMin(0);
    min->setMax(5);
    min->setPosition(3);
    max->setPosition(4);
    pfeil(max, +1);
    QCOMPARE(max->Position(), 5);
    QCOMPARE(max->Min(), 3);
    QCOMPARE(min->Max(), 5);  // the value after the press
    for (int i = 0; i < 4; ++i) pfeil(max, -1);
    QCOMPARE(max->Position(), 3);  // cannot go below the minimum overlap
    QCOMPARE(min->Max(), 3);

    // Raising the minimum above the maximum: the release takes the maximum along.
    max->setMin(0);
    min->setMax(5);
    min->setPosition(3);
    max->setPosition(2);
    pfeil(min, +1);
    QCOMPARE(max->Position(), 4);
    QCOMPARE(fenstertest::ctl<QLineEdit>(form_, QStringLiteral("Edit39"))->text(), QStringLiteral("4"));
    QCOMPARE(min->Position(), 4);

    // A typed value stays unlimited until the next press.
    fenstertest::ctl<QLineEdit>(form_, QStringLiteral("Edit88"))->setText(QStringLiteral("5"));
    QCOMPARE(max->Min(), 4);
    pfeil(min, -1);
    QCOMPARE(max->Min(), 4);  // 5 - 1
  }
};

QTEST_MAIN(TstHinweise)
#include "tst_hinweise.moc"
