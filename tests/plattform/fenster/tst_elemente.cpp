#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

#include "plattform/fenster/elemente.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"

using plattform::Element;
using plattform::Elementart;

namespace {

QStringList namen(const QList<Element>& l) {
  QStringList n;
  for (const Element& e : l) n << e.name();
  return n;
}

}  // namespace

class TstElemente : public QObject {
  Q_OBJECT
 private slots:
  // The creator fills the list of the control's window in creation order, with the kind it was
  // given; the window itself comes first; `ohne` adds nothing; a control that has gone drops out.
  void listeInErstellungsfolge() {
    QMainWindow fenster;
    fenster.setObjectName(QStringLiteral("FormX"));
    auto* seite = new QWidget(&fenster);
    fenster.setCentralWidget(seite);
    auto* b = plattform::neu<QPushButton>(seite, Elementart::BitBtn, "BitBtn1", QRect(0, 0, 10, 10));
    plattform::neu<QLineEdit>(seite, Elementart::ohne, "Versteckt", QRect(0, 0, 10, 10));
    auto* panel = plattform::neu<QFrame>(seite, Elementart::Panel, "Panel1", QRect(0, 0, 10, 10));
    plattform::neu<QLabel>(panel, Elementart::Label, "Label1", QRect(0, 0, 10, 10), QStringLiteral("a"));
    auto* weg = plattform::neu<QCheckBox>(seite, Elementart::CheckBox, "CheckBox1", QRect(0, 0, 10, 10));
    plattform::neu<QLineEdit>(seite, Elementart::Edit, "Edit1", QRect(0, 0, 10, 10));
    const QList<Element> l = plattform::elementliste(&fenster).elemente();
    QCOMPARE(namen(l), (QStringList{"FormX", "BitBtn1", "Panel1", "Label1", "CheckBox1", "Edit1"}));
    QCOMPARE(l[0].art, Elementart::Fenster);
    QCOMPARE(l[1].art, Elementart::BitBtn);
    QCOMPARE(l[2].art, Elementart::Panel);
    QCOMPARE(l[3].art, Elementart::Label);
    QCOMPARE(l[4].art, Elementart::CheckBox);
    QCOMPARE(l[5].art, Elementart::Edit);
    plattform::setzeTag(b, 8);
    QCOMPARE(plattform::elementliste(&fenster).elemente()[1].tag(), 8);
    delete weg;
    QCOMPARE(namen(plattform::elementliste(&fenster).elemente()),
             (QStringList{"FormX", "BitBtn1", "Panel1", "Label1", "Edit1"}));
  }

  // One accessor pair for every kind: the caption lands where the control shows it, the hint in
  // the property; a shown tooltip follows the hint, a hint that shows none stays without one.
  void captionUndHint_data() {
    QTest::addColumn<int>("art");
    for (auto [name, art] : std::initializer_list<std::pair<const char*, Elementart>>{
             {"Fenster", Elementart::Fenster},
             {"Menüpunkt", Elementart::Menuepunkt},
             {"Menü", Elementart::Menuepunkt},
             {"Label", Elementart::Label},
             {"Panel", Elementart::Panel},
             {"Panel mit Beschriftung", Elementart::Panel},
             {"BitBtn", Elementart::BitBtn},
             {"Button", Elementart::Button},
             {"SpeedButton", Elementart::SpeedButton},
             {"CheckBox", Elementart::CheckBox},
             {"RadioButton", Elementart::RadioButton},
             {"RadioGroup", Elementart::RadioGroup},
             {"TabSheet", Elementart::TabSheet},
             {"Edit", Elementart::Edit}})
      QTest::newRow(name) << static_cast<int>(art);
  }
  void captionUndHint() {
    QFETCH(int, art);
    const auto a = static_cast<Elementart>(art);
    QMainWindow fenster;
    auto* tabs = new QTabWidget(&fenster);
    fenster.setCentralWidget(tabs);
    auto* seite = new QWidget;
    tabs->addTab(seite, QStringLiteral("Seite"));
    QObject* o = nullptr;
    // What the control shows as its caption, read straight from Qt.
    std::function<QString()> gezeigt;
    const QString tag = QString::fromUtf8(QTest::currentDataTag());
    if (tag == "Fenster") {
      fenster.setWindowTitle(QStringLiteral("alt"));
      o = &fenster;
      gezeigt = [&] { return fenster.windowTitle(); };
    } else if (tag == "Menüpunkt") {
      auto* act = fenster.menuBar()->addAction(QStringLiteral("alt"));
      o = act;
      gezeigt = [act] { return act->text(); };
    } else if (tag == "Menü") {
      auto* m = fenster.menuBar()->addMenu(QStringLiteral("alt"));
      o = m;
      gezeigt = [m] { return m->title(); };
    } else if (tag == "Label") {
      auto* l = new QLabel(QStringLiteral("alt"), seite);
      o = l;
      gezeigt = [l] { return l->text(); };
    } else if (tag == "Panel") {
      o = new QFrame(seite);
      o->setProperty("caption", QStringLiteral("alt"));
      gezeigt = [o] { return o->property("caption").toString(); };
    } else if (tag == "Panel mit Beschriftung") {
      auto* l = new QLabel(QStringLiteral("alt"), seite);
      l->setFrameShape(QFrame::Panel);
      o = l;
      gezeigt = [l] { return l->text(); };
    } else if (tag == "BitBtn" || tag == "Button" || tag == "SpeedButton" || tag == "CheckBox" ||
               tag == "RadioButton") {
      QAbstractButton* b = tag == "SpeedButton"   ? static_cast<QAbstractButton*>(new QToolButton(seite))
                           : tag == "CheckBox"    ? static_cast<QAbstractButton*>(new QCheckBox(seite))
                           : tag == "RadioButton" ? static_cast<QAbstractButton*>(new QRadioButton(seite))
                                                  : static_cast<QAbstractButton*>(new QPushButton(seite));
      b->setText(QStringLiteral("alt"));
      o = b;
      gezeigt = [b] { return b->text(); };
    } else if (tag == "RadioGroup") {
      auto* g = new plattform::RadioGroup(seite);
      g->setTitle(QStringLiteral("alt"));
      o = g;
      gezeigt = [g] { return g->title(); };
    } else if (tag == "TabSheet") {
      tabs->setTabText(0, QStringLiteral("alt"));
      o = seite;
      gezeigt = [tabs] { return tabs->tabText(0); };
    } else if (tag == "Edit") {
      auto* e = new QLineEdit(QStringLiteral("alt"), seite);
      o = e;
      gezeigt = [e] { return e->text(); };
    }
    QVERIFY(o);
    const Element e{a, o};
    QCOMPARE(plattform::caption(e), QStringLiteral("alt"));
    plattform::setzeCaption(e, QStringLiteral("neu"));
    QCOMPARE(gezeigt(), QStringLiteral("neu"));
    QCOMPARE(plattform::caption(e), QStringLiteral("neu"));

    // A hint shown as a tooltip follows; one kept without a tooltip stays without.
    o->setProperty("hint", QStringLiteral("Hinweis"));
    auto tooltip = [o]() -> QString {
      if (auto* w = qobject_cast<QWidget*>(o)) return w->toolTip();
      return qobject_cast<QAction*>(o) ? qobject_cast<QAction*>(o)->toolTip() : QString();
    };
    if (auto* w = qobject_cast<QWidget*>(o)) w->setToolTip(QStringLiteral("Hinweis"));
    else if (auto* act = qobject_cast<QAction*>(o)) act->setToolTip(QStringLiteral("Hinweis"));
    QCOMPARE(plattform::hint(e), QStringLiteral("Hinweis"));
    plattform::setzeHint(e, QStringLiteral("Tipp"));
    QCOMPARE(plattform::hint(e), QStringLiteral("Tipp"));
    QCOMPARE(tooltip(), QStringLiteral("Tipp"));
    if (auto* w = qobject_cast<QWidget*>(o)) w->setToolTip(QString());
    else if (auto* act = qobject_cast<QAction*>(o)) act->setToolTip(QString());
    plattform::setzeHint(e, QStringLiteral("still"));
    QCOMPARE(plattform::hint(e), QStringLiteral("still"));
    QVERIFY(tooltip().isEmpty() || tooltip() == caption(e));  // a QAction's tooltip defaults to its text
  }

  // The program's windows in creation order; a window that has gone drops out; lookup by name.
  void fensterliste() {
    auto a = std::make_unique<QWidget>();
    auto b = std::make_unique<QWidget>();
    auto c = std::make_unique<QWidget>();
    a->setObjectName(QStringLiteral("Form1"));
    b->setObjectName(QStringLiteral("Form5"));
    c->setObjectName(QStringLiteral("Form6"));
    for (QWidget* w : {a.get(), b.get(), c.get(), a.get()}) plattform::fensterAnmelden(w);
    QCOMPARE(plattform::programmfenster(), (QList<QWidget*>{a.get(), b.get(), c.get()}));
    QCOMPARE(plattform::programmfenster(QStringLiteral("Form5")), b.get());
    b.reset();
    QCOMPARE(plattform::programmfenster(), (QList<QWidget*>{a.get(), c.get()}));
    QCOMPARE(plattform::programmfenster(QStringLiteral("Form5")), nullptr);
  }
};

QTEST_MAIN(TstElemente)
#include "tst_elemente.moc"
