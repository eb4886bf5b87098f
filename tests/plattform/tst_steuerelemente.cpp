#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plattform/fenster/steuerelemente.h"
#include "plattform/fenster/zoom.h"

using namespace plattform;

class TstSteuerelemente : public QObject {
  Q_OBJECT
 private slots:
  void upDownMitPartner() {
    QWidget w;
    auto* edit = neu<QLineEdit>(&w, "Edit55", QRect(10, 10, 40, 21));
    auto* ud = neu<UpDown>(&w, "UpDown7", QRect(50, 10, 16, 21));
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

  void zoomMultipliziertUndSummiert() {
    QWidget fenster;
    fenster.resize(562, 472);
    auto* seite = neu<QWidget>(&fenster, "Seite", QRect(0, 0, 546, 400));
    auto* box = neu<QCheckBox>(seite, "CheckBox1", QRect(16, 40, 300, 17), QStringLiteral("Paare"));
    auto* label = neu<QLabel>(seite, "Label1", QRect(100, 273, 50, 13), QStringLiteral("x"));
    QFont klein = label->font();
    klein.setPixelSize(11);
    label->setFont(klein);
    auto* geordnet = neu<QWidget>(seite, "Geordnet", QRect(300, 300, 100, 60));
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
    auto* s2 = neu<QWidget>(&zwei, "Seite", QRect(0, 0, 546, 400));
    auto* b2 = neu<QCheckBox>(s2, "CheckBox1", QRect(16, 40, 300, 17), QStringLiteral("Paare"));
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
    zoomen(&dialog, 0);  // nonsense factors change nothing
    zoomen(&dialog, std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(dialog.size(), QSize(200, 150));
  }
};

QTEST_MAIN(TstSteuerelemente)
#include "tst_steuerelemente.moc"
