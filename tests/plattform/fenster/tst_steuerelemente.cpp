#include <QtTest>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "plattform/fenster/steuerelemente.h"
#include "plattform/fenster/zoom.h"

using namespace plattform;

class TstSteuerelemente : public QObject {
  Q_OBJECT
 private slots:
  void upDownMitPartner() {
    QWidget w;
    auto* edit = neu<QLineEdit>(&w, plattform::Elementart::ohne, "Edit55", QRect(10, 10, 40, 21));
    auto* ud = neu<UpDown>(&w, plattform::Elementart::ohne, "UpDown7", QRect(50, 10, 16, 21));
    ud->setMin(1);
    ud->setMax(30000);
    ud->setPosition(50);
    ud->setAssociate(edit);
    QCOMPARE(edit->text(), QStringLiteral("50"));
    QSignalSpy spy(ud, &UpDown::positionGeaendert);
    ud->schritt(+1);
    QCOMPARE(ud->Position(), 51);
    QCOMPARE(edit->text(), QStringLiteral("51"));
    QCOMPARE(spy.size(), 1);
    edit->setText(QStringLiteral("07"));  // typed: a whole number in range moves the arrows
    QCOMPARE(ud->Position(), 7);
    edit->setText(QStringLiteral("x"));
    edit->setText(QStringLiteral("40000"));
    QCOMPARE(ud->Position(), 7);  // neither moves them
    ud->setPosition(99999);
    QCOMPARE(ud->Position(), 30000);
    ud->setMax(5);
    QCOMPARE(ud->Position(), 5);
    QCOMPARE(edit->text(), QStringLiteral("5"));
    ud->setPosition(-3);
    QCOMPARE(ud->Position(), 1);
  }

  // An arrow steps on the press, so that a press handler sees the new value; holding it repeats;
  // only the arrows report a change as theirs.
  void upDownPfeile() {
    QWidget w;
    auto* edit = neu<QLineEdit>(&w, plattform::Elementart::ohne, "Edit39", QRect(10, 10, 40, 21));
    auto* ud = neu<UpDown>(&w, plattform::Elementart::ohne, "UpDown3", QRect(50, 10, 16, 21));
    ud->setMin(0);
    ud->setMax(5);
    ud->setPosition(2);
    ud->setAssociate(edit);
    w.show();
    QSignalSpy pfeil(ud, &UpDown::pfeilGeaendert);
    QSignalSpy los(ud, &UpDown::losgelassen);
    QList<int> beimDruck;
    connect(ud, &UpDown::gedrueckt, &w, [&] { beimDruck << ud->Position(); });

    QTest::mousePress(ud->pfeil(+1), Qt::LeftButton);
    QCOMPARE(ud->Position(), 3);
    QCOMPARE(beimDruck, QList<int>{3});
    QCOMPARE(los.size(), 0);
    QTest::mouseRelease(ud->pfeil(+1), Qt::LeftButton);
    QCOMPARE(ud->Position(), 3);  // the release adds no step
    QCOMPARE(los.size(), 1);
    QTest::mouseClick(ud->pfeil(-1), Qt::LeftButton);
    QCOMPARE(ud->Position(), 2);
    QCOMPARE(pfeil.size(), 2);

    // Typed values and callers are no arrow changes.
    edit->setText(QStringLiteral("4"));
    ud->setPosition(1);
    QCOMPARE(pfeil.size(), 2);

    // At the limit the arrow changes nothing and reports nothing, the press still comes.
    ud->setPosition(5);
    QTest::mouseClick(ud->pfeil(+1), Qt::LeftButton);
    QCOMPARE(ud->Position(), 5);
    QCOMPARE(pfeil.size(), 2);
    QCOMPARE(beimDruck.size(), 3);

    // Held down, the arrow repeats until it is released.
    ud->setMax(100);
    ud->setPosition(10);
    QTest::mousePress(ud->pfeil(+1), Qt::LeftButton);
    QTRY_VERIFY(ud->Position() >= 13);
    QTest::mouseRelease(ud->pfeil(+1), Qt::LeftButton);
    const int gehalten = ud->Position();
    QTest::qWait(250);
    QCOMPARE(ud->Position(), gehalten);
    QCOMPARE(edit->text(), QString::number(gehalten));
  }

  // A held arrow that never sees its release (its page is put away, or a message box opens
  // meanwhile) stops repeating at once and reports the release, instead of running to the limit.
  void upDownOhneLoslassen_data() {
    QTest::addColumn<QString>("weg");
    QTest::newRow("versteckt") << "versteckt";
    QTest::newRow("modaler Dialog") << "modal";
  }
  void upDownOhneLoslassen() {
    QFETCH(QString, weg);
    QWidget w;
    auto* edit = neu<QLineEdit>(&w, plattform::Elementart::ohne, "Edit55", QRect(10, 10, 40, 21));
    auto* ud = neu<UpDown>(&w, plattform::Elementart::ohne, "UpDown7", QRect(50, 10, 16, 21));
    ud->setMin(1);
    ud->setMax(30000);
    ud->setPosition(50);
    ud->setAssociate(edit);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy los(ud, &UpDown::losgelassen);
    QTest::mousePress(ud->pfeil(+1), Qt::LeftButton);
    QCOMPARE(ud->Position(), 51);
    if (weg == QLatin1String("versteckt")) {
      ud->hide();
      QTest::qWait(1000);
    } else {
      QDialog meldung;
      QTimer::singleShot(1000, &meldung, &QDialog::accept);
      meldung.exec();
    }
    QCOMPARE(ud->Position(), 51);
    QCOMPARE(los.size(), 1);
    QVERIFY(!ud->pfeil(+1)->isDown());
    // The next press steps and repeats as ever.
    ud->show();
    QTest::mousePress(ud->pfeil(+1), Qt::LeftButton);
    QTRY_VERIFY(ud->Position() >= 54);
    QTest::mouseRelease(ud->pfeil(+1), Qt::LeftButton);
  }

  void radioGroup() {
    RadioGroup g;
    g.setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QCOMPARE(g.ItemIndex(), -1);
    g.setItemIndex(2);
    QCOMPARE(g.ItemIndex(), 2);
    auto knoepfe = g.findChildren<QRadioButton*>();
    QCOMPARE(knoepfe.size(), 3);
    QSignalSpy spy(&g, &RadioGroup::geklickt);
    knoepfe.at(0)->click();
    QCOMPARE(g.ItemIndex(), 0);
    QCOMPARE(spy.size(), 1);
    g.setItemIndex(2);
    g.setItems({QStringLiteral("x"), QStringLiteral("y")});  // a shorter list: the last item
    QCOMPARE(g.ItemIndex(), 1);
    QCOMPARE(g.findChildren<QRadioButton*>().size(), 2);
    g.setItemIndex(7);
    QCOMPARE(g.ItemIndex(), -1);
  }

  // Panel texts are read back; a new text, however long, leaves the panels' places as they
  // are and asks no layout of the bar or the window (a catch-up sets one per day).
  void statusLeiste() {
    struct Zaehler : QObject {
      int anfragen = 0;
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::LayoutRequest) ++anfragen;
        return false;
      }
    } zaehler;
    QMainWindow fenster;
    auto* leiste = new StatusLeiste({150, 50}, &fenster);
    fenster.setStatusBar(leiste);
    fenster.setCentralWidget(new QWidget);
    fenster.resize(562, 491);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QCOMPARE(leiste->panelAnzahl(), 2);
    QCOMPARE(leiste->panel(0), QString());
    QCOMPARE(leiste->panel(2), QString());
    leiste->setzePanel(2, QStringLiteral("kein Panel"));
    QLabel* p0 = leiste->panelLabel(0);
    QLabel* p1 = leiste->panelLabel(1);
    QTRY_COMPARE(p0->width(), 150);
    const QRect r0 = p0->geometry(), r1 = p1->geometry();
    const int hoehe = leiste->height();
    QVERIFY(p1->mapTo(leiste, QPoint()).x() >= 150);
    QVERIFY(p1->width() > 300);  // the last panel takes the rest of the bar
    QVERIFY(p0->height() >= p0->fontMetrics().height());

    fenster.installEventFilter(&zaehler);
    leiste->installEventFilter(&zaehler);
    for (int i = 0; i < 50; ++i) {
      leiste->setzePanel(0, QString(i, QLatin1Char('W')));
      leiste->setzePanel(1, QStringLiteral("Lade Ziehung %1 ").arg(i) + QString(i * 4, QLatin1Char('x')));
      QCoreApplication::processEvents();
    }
    QCOMPARE(zaehler.anfragen, 0);
    QCOMPARE(leiste->panel(0), QString(49, QLatin1Char('W')));
    QVERIFY(leiste->panel(1).startsWith(QStringLiteral("Lade Ziehung 49 ")));
    QCOMPARE(p0->geometry(), r0);
    QCOMPARE(p1->geometry(), r1);
    QCOMPARE(leiste->height(), hoehe);

    // A wider window widens the last panel only.
    fenster.resize(700, 491);
    QTRY_COMPARE(p1->width(), r1.width() + 138);
    QCOMPARE(p0->geometry(), r0);
  }

  void zoomMultipliziertUndSummiert() {
    QWidget fenster;
    fenster.resize(562, 472);
    auto* seite = neu<QWidget>(&fenster, plattform::Elementart::ohne, "Seite", QRect(0, 0, 546, 400));
    auto* box = neu<QCheckBox>(seite, plattform::Elementart::ohne, "CheckBox1", QRect(16, 40, 300, 17), QStringLiteral("Paare"));
    auto* label = neu<QLabel>(seite, plattform::Elementart::ohne, "Label1", QRect(100, 273, 50, 13), QStringLiteral("x"));
    QFont klein = label->font();
    klein.setPixelSize(11);
    label->setFont(klein);
    auto* geordnet = neu<QWidget>(seite, plattform::Elementart::ohne, "Geordnet", QRect(300, 300, 100, 60));
    auto* lay = new QVBoxLayout(geordnet);
    auto* imLayout = new QLabel(QStringLiteral("y"));
    lay->addWidget(imLayout);
    const qreal punkte = box->font().pointSizeF();

    zoomen(seite, 700.0 / 546.0);
    QCOMPARE(box->geometry(), QRect(21, 51, 385, 22));
    QCOMPARE(label->geometry(), QRect(128, 350, 64, 17));
    QCOMPARE(label->font().pixelSize(), 14);
    QCOMPARE(box->font().pointSizeF(), punkte * 700.0 / 546.0);
    QCOMPARE(imLayout->font().pointSizeF(), punkte * 700.0 / 546.0);  // inherited font zoomed once
    QCOMPARE(fenster.size(), QSize(562, 472));  // only the tree below the root

    // 546 -> 600 -> 700 equals one step by 700/546, up to rounding.
    QWidget zwei;
    auto* s2 = neu<QWidget>(&zwei, plattform::Elementart::ohne, "Seite", QRect(0, 0, 546, 400));
    auto* b2 = neu<QCheckBox>(s2, plattform::Elementart::ohne, "CheckBox1", QRect(16, 40, 300, 17), QStringLiteral("Paare"));
    zoomen(s2, 600.0 / 546.0);
    zoomen(s2, 700.0 / 600.0);
    const QRect g = b2->geometry();
    QVERIFY(qAbs(g.x() - 21) <= 1 && qAbs(g.y() - 51) <= 1 && qAbs(g.width() - 385) <= 1 && qAbs(g.height() - 22) <= 1);
    QVERIFY(qAbs(b2->font().pointSizeF() - punkte * 700.0 / 546.0) < 1e-6);

    // A window keeps its place and changes its size.
    QWidget dialog;
    dialog.setGeometry(200, 150, 400, 300);
    const QPoint ort = dialog.pos();
    zoomen(&dialog, 0.5);
    QCOMPARE(dialog.size(), QSize(200, 150));
    QCOMPARE(dialog.pos(), ort);
    // A fixed-size dialog takes its new size and stays fixed at it.
    QWidget fest;
    fest.setFixedSize(400, 272);
    zoomen(&fest, 700.0 / 546.0);
    QCOMPARE(fest.size(), QSize(513, 349));
    QCOMPARE(fest.minimumSize(), fest.maximumSize());
    zoomen(&dialog, 0);  // nonsense factors change nothing
    zoomen(&dialog, std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(dialog.size(), QSize(200, 150));
  }
};

QTEST_MAIN(TstSteuerelemente)
#include "tst_steuerelemente.moc"
