#include "shell/fenster/Zahlenwahl.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/zufall.h"

#include <QCheckBox>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>

TForm6* Form6 = nullptr;

using plattform::Elementart;
using plattform::neu;

namespace {
const QString kFilter = QStringLiteral("Werteliste|*.zpn");
const QString kEndung = QStringLiteral("zpn");
constexpr int kBreite = 400;
constexpr int kHoehe = 272;
}  // namespace

TForm6::TForm6(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFixedSize(kBreite, kHoehe);
  plattform::fensterAnmelden(this);
  plattform::elementliste(this);
  Form6 = this;

  for (int n = 1; n <= Werteliste::kAnzahl; ++n) {
    const int x = 14 + ((n - 1) % 7) * 54;
    const int y = 10 + ((n - 1) / 7) * 24;
    const QByteArray name = "CheckBox" + QByteArray::number(n);
    QCheckBox* b = neu<QCheckBox>(this, Elementart::CheckBox, name.constData(), QRect(x, y, 44, 20));
    b->setText(QString::number(n));
    b->setAutoFillBackground(true);
    b->setMouseTracking(true);
    b->setProperty("hint", QString());
    b->installEventFilter(this);
    CheckBox[static_cast<size_t>(n)] = b;
    connect(b, &QCheckBox::toggled, this, [this, n] { plattform::mitMeldung([&] { CheckBox49Click(n); }); });
  }

  Panel1 = neu<QFrame>(this, Elementart::Panel, "Panel1", QRect(0, 206, kBreite, 44));
  Panel1->setFrameShape(QFrame::StyledPanel);
  // Only the status format: never shown as a tooltip.
  Panel1->setProperty("hint", QStringLiteral("Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein"));

  BitBtn2 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn2", QRect(166, 8, 96, 28), QStringLiteral("&Abbrechen"));
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  SpeedButton1 = neu<QToolButton>(Panel1, Elementart::SpeedButton, "SpeedButton1", QRect(8, 9, 26, 26));
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  plattform::setzeHint(SpeedButton1, QStringLiteral("Speichern der Liste"));
  SpeedButton2 = neu<QToolButton>(Panel1, Elementart::SpeedButton, "SpeedButton2", QRect(38, 9, 26, 26));
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  plattform::setzeHint(SpeedButton2, QStringLiteral("Laden der Liste"));
  BitBtn4 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn4", QRect(70, 8, 90, 28), QStringLiteral("&Zufall"));
  BitBtn4->hide();
  BitBtn3 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn3", QRect(270, 8, 122, 28), QStringLiteral("&Rechnen"));
  BitBtn3->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  BitBtn1 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn1", QRect(270, 8, 122, 28), QStringLiteral("OK"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn1->lower();  // beneath BitBtn3: seen and clicked only while BitBtn3 is hidden
  for (QPushButton* k : {BitBtn1, BitBtn2, BitBtn3, BitBtn4}) k->setAutoDefault(false);
  BitBtn1->setDefault(true);  // Enter gives OK in both appearances

  StatusBar1 = neu<plattform::StatusLeiste>(this, Elementart::ohne, "StatusBar1", QRect(0, 250, kBreite, 22),
                                           QList<int>{kBreite});
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(25);

  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrAbort); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { done(mrRetry); });
  plattform::verbinde(BitBtn4, &QPushButton::clicked, this, &TForm6::BitBtn4Click);
  plattform::verbinde(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
  plattform::verbinde(SpeedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
  plattform::verbinde(SpeedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);

  connect(&liste_, &Werteliste::geaendert, this, &TForm6::zeigeBox);
  connect(&liste_, &Werteliste::regelGelaufen, this, [this](int n) {
    // Tooltips are always on here; the box's tooltip already shows its weight.
    schreibeStatus(n);
  });
  for (int n = 1; n <= Werteliste::kAnzahl; ++n) zeigeBox(n);
  alleNeutral();
}

TForm6::~TForm6() {
  if (Form6 == this) Form6 = nullptr;
}

QCheckBox* TForm6::box(int n) const {
  return (n >= 1 && n <= Werteliste::kAnzahl) ? CheckBox[static_cast<size_t>(n)] : nullptr;
}

int TForm6::boxNummer(QObject* o) const {
  for (int n = 1; n <= Werteliste::kAnzahl; ++n)
    if (CheckBox[static_cast<size_t>(n)] == o) return n;
  return 0;
}

void TForm6::zeigeBox(int n) {
  QCheckBox* b = box(n);
  if (!b) return;
  {
    const QSignalBlocker still(b);
    b->setChecked(liste_.haken(n));
  }
  const QString g = liste_.gewicht(n);
  if (b->property("hint").toString() != g) b->setProperty("hint", g);
  b->setToolTip(g);
}

void TForm6::CheckBox49Click(int n) {
  QCheckBox* b = box(n);
  if (!b) return;
  // The box already shows the new tick; the list takes it and runs the weight rule.
  liste_.setzeHaken(n, b->isChecked());
}

void TForm6::CheckBox1MouseDown(int n, Qt::MouseButton taste) {
  if (taste == Qt::RightButton) {
    liste_.setzeMinus(true);
    liste_.gewichtsregel(n);
  } else {
    liste_.setzeMinus(false);
  }
}

void TForm6::CheckBox2MouseMove(int n) { schreibeStatus(n); }

void TForm6::CheckBox1MouseActivate(int n) { schreibeStatus(n); }

void TForm6::schreibeStatus(int n) {
  QCheckBox* b = box(n);
  if (!b) return;
  StatusBar1->setzePanel(0, wertelisteStatus(Panel1->property("hint").toString(), b->text(), liste_.gewicht(n)));
}

bool TForm6::eventFilter(QObject* o, QEvent* e) {
  const int n = boxNummer(o);
  if (n == 0) return QDialog::eventFilter(o, e);
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto taste = static_cast<QMouseEvent*>(e)->button();
      plattform::mitMeldung([&] {
        CheckBox1MouseActivate(n);
        CheckBox1MouseDown(n, taste);
      });
      break;
    }
    case QEvent::MouseMove:
      plattform::mitMeldung([&] { CheckBox2MouseMove(n); });
      break;
    case QEvent::DynamicPropertyChange:
      // Whoever writes a box's hint (a language file, a caller) writes the weight.
      if (static_cast<QDynamicPropertyChangeEvent*>(e)->propertyName() == "hint") {
        const QString g = o->property("hint").toString();
        if (g != liste_.gewicht(n)) liste_.setzeGewicht(n, g);
      }
      break;
    default:
      break;
  }
  return QDialog::eventFilter(o, e);
}

QColor TForm6::neutral() const { return palette().color(QPalette::ToolTipBase); }

void TForm6::faerbe(int n, const QColor& farbe) {
  QCheckBox* b = box(n);
  if (!b) return;
  QPalette p = b->palette();
  p.setColor(QPalette::Window, farbe);
  p.setColor(QPalette::Button, farbe);
  b->setPalette(p);
}

void TForm6::alleNeutral() {
  for (int n = 1; n <= Werteliste::kAnzahl; ++n) faerbe(n, neutral());
}

QColor TForm6::farbe(int n) const {
  QCheckBox* b = box(n);
  return b ? b->palette().color(QPalette::Window) : QColor();
}

bool TForm6::dreht() const { return Timer1->isActive(); }

void TForm6::BitBtn4Click() {
  const int maxTipp = Werteliste::begrenzeMaxTipp(MaxTipp, MaxZahl);
  if (!dreht()) {
    tippreihe_.fill(0);
    losgeht_ = 1;
    for (int n = 1; n <= Werteliste::kAnzahl; ++n) liste_.setzeHaken(n, false);
    alleNeutral();
    Timer1->start();
  } else if (losgeht_ < maxTipp) {
    ++losgeht_;  // the number last drawn for the previous position stays
  } else {
    Timer1->stop();
    BitBtn4->setText(Zufall);
    losgeht_ = 1;
  }
}

void TForm6::Timer1Timer() {
  const int maxZahl = Werteliste::begrenzeMaxZahl(MaxZahl);
  const int maxTipp = Werteliste::begrenzeMaxTipp(MaxTipp, MaxZahl);
  BitBtn4->setText(QString::number(losgeht_) + QLatin1Char(' ') + Stopp);
  for (int n = 1; n <= maxZahl; ++n) liste_.setzeHaken(n, false);
  for (int n = 1; n <= maxZahl; ++n) faerbe(n, neutral());
  for (int i = 1; i < losgeht_ && i <= maxTipp; ++i) {
    const int z = tippreihe_[static_cast<size_t>(i)];
    liste_.setzeHaken(z, true);
    faerbe(z, gelb());
  }
  for (int i = losgeht_; i <= maxTipp; ++i) {
    // Fewer than maxTipp boxes are ticked here, and maxTipp <= maxZahl: a free one is found.
    for (;;) {
      const int r = static_cast<int>(plattform::Zufall::Random(static_cast<std::uint32_t>(maxZahl))) + 1;
      tippreihe_[static_cast<size_t>(i)] = r;
      if (liste_.haken(r)) continue;
      liste_.setzeHaken(r, true);
      faerbe(r, gelb());
      break;
    }
  }
}

void TForm6::FormClose() {
  Timer1->stop();
  BitBtn4->setText(Zufall);
  losgeht_ = 1;
}

void TForm6::done(int ergebnis) {
  FormClose();
  QDialog::done(ergebnis);
}

void TForm6::reject() { done(mrCancel); }

QString TForm6::dateiname() const {
  return Ordner + plattform::yyyymmdd(QDate::currentDate()) + QLatin1Char('.') + kEndung;
}

void TForm6::SpeedButton1Click() {
  const QString pfad = plattform::dialoge().speichernMitEndung(QString(), dateiname(), kFilter, kEndung);
  if (pfad.isEmpty()) return;
  liste_.speichern(pfad, MaxZahl);
}

void TForm6::SpeedButton2Click() {
  const QString pfad = plattform::dialoge().oeffnenMitEndung(QString(), dateiname(), kFilter, kEndung);
  if (pfad.isEmpty()) return;
  liste_.laden(pfad, MaxZahl);
}

void TForm6::showEvent(QShowEvent* e) {
  // Centred on the main window.
  if (QWidget* haupt = plattform::hauptfenster(); haupt && haupt != this)
    move(haupt->frameGeometry().center() - rect().center());
  QDialog::showEvent(e);
}
