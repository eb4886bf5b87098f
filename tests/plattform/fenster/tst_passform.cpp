#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "plattform/fenster/passform.h"
#include "plattform/fenster/zoom.h"

// A caption that does not fit takes the free room beside it, up to its neighbour or its parent's
// edge, and gives it back when a later text fits again.
class TstPassform : public QObject {
  Q_OBJECT

  struct Fenster {
    QWidget w;
    QWidget* seite = new QWidget(&w);
    QCheckBox* box = new QCheckBox(QStringLiteral("kurz"), seite);
    QLineEdit* feld = new QLineEdit(seite);
    QLabel* rechtsbuendig = new QLabel(QStringLiteral("x"), seite);
    QPushButton* knopf = new QPushButton(QStringLiteral("OK"), seite);
    Fenster() {
      w.resize(400, 200);
      seite->setGeometry(0, 0, 400, 200);
      box->setGeometry(8, 10, 100, 20);
      feld->setGeometry(300, 10, 40, 20);  // the neighbour on the box's row
      rechtsbuendig->setGeometry(200, 50, 60, 20);
      rechtsbuendig->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      knopf->setGeometry(150, 100, 60, 26);
    }
  };

 private slots:
  void waechstInDenFreienPlatz() {
    Fenster f;
    const QRect box = f.box->geometry(), label = f.rechtsbuendig->geometry(), knopf = f.knopf->geometry();
    plattform::passeCaptionsAn(&f.w);
    QCOMPARE(f.box->geometry(), box);  // fits: the designed place stays
    QCOMPARE(plattform::fehlendeCaption(f.box).breite, 0);

    f.box->setText(QString(40, QLatin1Char('W')));
    f.rechtsbuendig->setText(QStringLiteral("ein deutlich längerer Text"));
    f.knopf->setText(QStringLiteral("Ein viel längerer Knopftext"));
    QVERIFY(plattform::fehlendeCaption(f.box).breite > 0);
    QVERIFY(plattform::fehlendeCaption(f.knopf).breite > 0);
    plattform::passeCaptionsAn(&f.w);
    // The box stops short of the field; what it still lacks the measurement names.
    QCOMPARE(f.box->x(), box.x());
    QCOMPARE(f.box->geometry().right(), f.feld->x() - 2);
    QVERIFY(plattform::fehlendeCaption(f.box).breite > 0);
    // A right-aligned label grows to the left, a button to both sides.
    QCOMPARE(f.rechtsbuendig->geometry().right(), label.right());
    QVERIFY(f.rechtsbuendig->x() < label.x());
    QCOMPARE(plattform::fehlendeCaption(f.rechtsbuendig).breite, 0);
    QVERIFY(f.knopf->x() < knopf.x() && f.knopf->geometry().right() > knopf.right());
    QCOMPARE(plattform::fehlendeCaption(f.knopf).breite, 0);

    // Short texts again: every control is back in its designed place.
    f.box->setText(QStringLiteral("kurz"));
    f.rechtsbuendig->setText(QStringLiteral("x"));
    f.knopf->setText(QStringLiteral("OK"));
    plattform::passeCaptionsAn(&f.w);
    QCOMPARE(f.box->geometry(), box);
    QCOMPARE(f.rechtsbuendig->geometry(), label);
    QCOMPARE(f.knopf->geometry(), knopf);
  }

  // A zoom after a widening moves the designed place with it.
  void zoomNachVerbreiterung() {
    Fenster f;
    const QRect knopf = f.knopf->geometry();
    f.knopf->setText(QStringLiteral("Ein viel längerer Knopftext"));
    plattform::passeCaptionsAn(&f.w);
    plattform::zoomen(&f.w, 2.0);
    f.knopf->setText(QStringLiteral("OK"));
    plattform::passeCaptionsAn(&f.w);
    QCOMPARE(f.knopf->geometry(), QRect(knopf.x() * 2, knopf.y() * 2, knopf.width() * 2, knopf.height() * 2));
  }

  void wortumbruchZaehltDieHoehe() {
    QWidget w;
    auto* l = new QLabel(QStringLiteral("Ein Satz, der in seiner schmalen Box auf mehrere Zeilen umbricht."), &w);
    l->setWordWrap(true);
    l->setGeometry(0, 0, 80, 16);
    const plattform::Fehlbetrag f = plattform::fehlendeCaption(l);
    QCOMPARE(f.breite, 0);
    QVERIFY(f.hoehe > 0);
    l->resize(80, l->heightForWidth(80));
    QCOMPARE(plattform::fehlendeCaption(l).hoehe, 0);
  }
};

QTEST_MAIN(TstPassform)
#include "tst_passform.moc"
