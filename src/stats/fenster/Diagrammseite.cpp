#include "stats/fenster/Diagrammseite.h"

#include "plattform/fehler.h"
#include "plattform/fenster/balkendiagramm.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/sanduhr.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"

#include <QEvent>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using plattform::Elementart;
using plattform::neu;
using statistik::Statistikart;

namespace {

constexpr int kZeile2 = 32;   // the pairs-with-N row
constexpr int kChartY = 60;   // the chart fills the page below both rows
constexpr int kKnopfHoehe = 24;

const char* kHintPaareMitN = "wie oft wurde die Kombination mit der gewählten Zahl";
const char* kHintAnimation = "Verlauf der Häufigkeit der gezogenen Zahlen beginnend mit dem aktuellen Datum";

QColor farbe(statistik::Balkenfarbe f) {
  switch (f) {
    case statistik::Balkenfarbe::rot:
      return QColor(255, 0, 0);
    case statistik::Balkenfarbe::gruen:
      return QColor(0, 128, 0);
    case statistik::Balkenfarbe::blau:
      return QColor(0, 0, 255);
    case statistik::Balkenfarbe::serie:
      break;
  }
  return QColor();
}

// The glyph of the frequency button: a few bars, one of them red.
QIcon balkenGlyphe() {
  QPixmap p(18, 16);
  p.fill(Qt::transparent);
  QPainter m(&p);
  const int hoehen[4] = {9, 14, 6, 11};
  for (int i = 0; i < 4; ++i)
    m.fillRect(1 + i * 4, 16 - hoehen[i], 3, hoehen[i], i == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0));
  return QIcon(p);
}

QToolButton* knopf(QWidget* seite, const char* name, const QRect& platz, const QString& text = QString()) {
  auto* b = neu<QToolButton>(seite, Elementart::SpeedButton, name, platz);
  b->setText(text);
  b->setAutoRaise(true);
  return b;
}

// A small chart button at the right end of an option row.
QToolButton* diagrammknopf(QWidget* neben, const char* name) {
  QWidget* seite = neben->parentWidget();
  auto* b = knopf(seite, name, QRect(518, neben->y() - 3, 24, 22));
  b->setIcon(balkenGlyphe());
  return b;
}

}  // namespace

Diagrammseite::Diagrammseite(Programmzustand& zustand, Statusanzeige& status, plattform::DatumsWahl* DateTimePicker2,
                             plattform::DatumsWahl* DateTimePicker1, std::function<Ziehungszeitfilter()> zeitfilter,
                             Tippzugang tipps, const Diagrammorte& orte, QObject* eltern)
    : QObject(eltern),
      z_(zustand),
      status_(status),
      start_(DateTimePicker2),
      ende_(DateTimePicker1),
      zeitfilter_(std::move(zeitfilter)),
      tipps_(std::move(tipps)),
      PageControl1_(orte.PageControl1),
      TabSheet5_(orte.TabSheet5) {
  setObjectName(QStringLiteral("Diagrammseite"));
  baueDiagramm(orte.TabSheet5);
  baueDatenbank(orte.TabSheet4);
  baueParameter(orte);

  Button6 = knopf(orte.TabSheet1, "Button6", QRect(230, 284, 150, 25), QStringLiteral("Verteilung der Tipps"));
  Button6->setAutoRaise(false);
  plattform::setzeHint(Button6, QStringLiteral("Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden"));
  plattform::verbinde(Button6, &QToolButton::clicked, this, &Diagrammseite::Button6Click);
}

void Diagrammseite::baueDiagramm(QWidget* seite) {
  SpeedButton2 = knopf(seite, "SpeedButton2", QRect(4, 4, 30, kKnopfHoehe));
  SpeedButton2->setIcon(balkenGlyphe());
  plattform::setzeHint(SpeedButton2, QStringLiteral("Verteilung der gezogenen Zahlen"));
  SpeedButton9 = knopf(seite, "SpeedButton9", QRect(38, 4, 40, kKnopfHoehe), QStringLiteral("QS"));
  SpeedButton1 = knopf(seite, "SpeedButton1", QRect(82, 4, 40, kKnopfHoehe), QStringLiteral("2er"));
  SpeedButton3 = knopf(seite, "SpeedButton3", QRect(126, 4, 40, kKnopfHoehe), QStringLiteral("3er"));
  SpeedButton12 = knopf(seite, "SpeedButton12", QRect(170, 4, 40, kKnopfHoehe), QStringLiteral("4er"));
  SpeedButton19 = knopf(seite, "SpeedButton19", QRect(214, 4, 96, kKnopfHoehe), QStringLiteral("Ausstehende"));

  SpeedButton30 = knopf(seite, "SpeedButton30", QRect(4, kZeile2, 76, kKnopfHoehe), QStringLiteral("Paare mit "));
  Edit107 = neu<QLineEdit>(seite, Elementart::Edit, "Edit107", QRect(82, kZeile2 + 1, 30, 22));
  UpDown21 = neu<plattform::UpDown>(seite, Elementart::ohne, "UpDown21", QRect(112, kZeile2 + 1, 16, 22));
  UpDown21->setMin(1);
  UpDown21->setMax(55);
  UpDown21->setPosition(1);
  UpDown21->setAssociate(Edit107);
  SpeedButton29 = knopf(seite, "SpeedButton29", QRect(132, kZeile2, 64, kKnopfHoehe), QStringLiteral("nächste"));
  for (QWidget* w : {static_cast<QWidget*>(SpeedButton30), static_cast<QWidget*>(SpeedButton29)})
    plattform::setzeHint(w, QString::fromUtf8(kHintPaareMitN));

  BitBtn20 = neu<QPushButton>(seite, Elementart::BitBtn, "BitBtn20", QRect(500, kZeile2, 50, kKnopfHoehe));
  BitBtn20->setIcon(seite->style()->standardIcon(QStyle::SP_MediaPlay));
  BitBtn21 = neu<QPushButton>(seite, Elementart::BitBtn, "BitBtn21", QRect(500, kZeile2, 50, kKnopfHoehe));
  BitBtn21->setIcon(seite->style()->standardIcon(QStyle::SP_MediaStop));
  BitBtn21->hide();
  for (QWidget* w : {static_cast<QWidget*>(BitBtn20), static_cast<QWidget*>(BitBtn21)})
    plattform::setzeHint(w, QString::fromUtf8(kHintAnimation));
  plattform::setzeTag(BitBtn20, 0);

  Chart1 = neu<plattform::Balkendiagramm>(seite, Elementart::ohne, "Chart1", QRect(0, kChartY, 556, 360));
  seite->installEventFilter(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(250);

  plattform::verbinde(SpeedButton2, &QToolButton::clicked, this, &Diagrammseite::SpeedButton2Click);
  plattform::verbinde(SpeedButton9, &QToolButton::clicked, this, &Diagrammseite::SpeedButton9Click);
  plattform::verbinde(SpeedButton1, &QToolButton::clicked, this, &Diagrammseite::Button2Click);
  plattform::verbinde(SpeedButton3, &QToolButton::clicked, this, &Diagrammseite::Button3Click);
  plattform::verbinde(SpeedButton12, &QToolButton::clicked, this, &Diagrammseite::Button4Click);
  plattform::verbinde(SpeedButton19, &QToolButton::clicked, this, &Diagrammseite::Button5Click);
  plattform::verbinde(SpeedButton30, &QToolButton::clicked, this, &Diagrammseite::SpeedButton30Click);
  plattform::verbinde(SpeedButton29, &QToolButton::clicked, this, &Diagrammseite::SpeedButton29Click);
  plattform::verbinde(BitBtn20, &QPushButton::clicked, this, &Diagrammseite::BitBtn20Click);
  plattform::verbinde(BitBtn21, &QPushButton::clicked, this, &Diagrammseite::BitBtn21Click);
  plattform::verbinde(Timer1, &QTimer::timeout, this, &Diagrammseite::Timer1Timer);
}

void Diagrammseite::baueDatenbank(QWidget* seite) {
  auto taste = [&](const char* name, int y, const QString& text) {
    return neu<QPushButton>(seite, Elementart::Button, name, QRect(16, y, 190, 26), text);
  };
  Button2 = taste("Button2", 200, QStringLiteral("Paare suchen"));
  Button3 = taste("Button3", 232, QStringLiteral("Dreier suchen"));
  Button4 = taste("Button4", 264, QStringLiteral("Vierer suchen"));
  Button5 = taste("Button5", 296, QStringLiteral("Ausstehende"));
  Button8 = taste("Button8", 328, QStringLiteral("Sternzahl ausstehende"));
  plattform::verbinde(Button2, &QPushButton::clicked, this, &Diagrammseite::Button2Click);
  plattform::verbinde(Button3, &QPushButton::clicked, this, &Diagrammseite::Button3Click);
  plattform::verbinde(Button4, &QPushButton::clicked, this, &Diagrammseite::Button4Click);
  plattform::verbinde(Button5, &QPushButton::clicked, this, &Diagrammseite::Button5Click);
  plattform::verbinde(Button8, &QPushButton::clicked, this, &Diagrammseite::Button8Click);
}

QLabel* Diagrammseite::verweis(QWidget* neben, const char* name, const QString& text, int dx) {
  QWidget* seite = neben->parentWidget();
  const int x = neben->x() + 16 + dx;
  auto* l = neu<QLabel>(seite, Elementart::Label, name, QRect(x, neben->y() + 22, 540 - x, 17), text);
  // A long link wraps below itself within the page.
  l->setWordWrap(true);
  l->resize(540 - x, l->heightForWidth(540 - x));
  l->setCursor(Qt::PointingHandCursor);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  l->setPalette(p);
  QFont f = l->font();
  f.setUnderline(true);
  l->setFont(f);
  l->installEventFilter(this);
  return l;
}

void Diagrammseite::baueParameter(const Diagrammorte& orte) {
  SpeedButton23 = diagrammknopf(orte.CheckBox1, "SpeedButton23");
  SpeedButton24 = diagrammknopf(orte.CheckBox6, "SpeedButton24");
  SpeedButton25 = diagrammknopf(orte.CheckBox7, "SpeedButton25");
  SpeedButton26 = diagrammknopf(orte.CheckBox2, "SpeedButton26");
  SpeedButton22 = diagrammknopf(orte.CheckBox10, "SpeedButton22");
  plattform::verbinde(SpeedButton23, &QToolButton::clicked, this, &Diagrammseite::Label89Click);
  plattform::verbinde(SpeedButton24, &QToolButton::clicked, this, &Diagrammseite::Label91Click);
  plattform::verbinde(SpeedButton25, &QToolButton::clicked, this, &Diagrammseite::Label90Click);
  plattform::verbinde(SpeedButton26, &QToolButton::clicked, this, &Diagrammseite::SpeedButton26Click);
  plattform::verbinde(SpeedButton22, &QToolButton::clicked, this, &Diagrammseite::Button5Click);

  Label88 = verweis(orte.QuersummenLabel, "Label88",
                    QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "), 0);
  Label89 = verweis(orte.CheckBox8, "Label89",
                    QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."), 0);
  Label91 = verweis(orte.CheckBox18, "Label91", QStringLiteral("Dreier, "), 0);
  Label91->setWordWrap(false);
  Label90 = verweis(orte.CheckBox18, "Label90",
                    QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier ganz verhindert werden"),
                    0);
  anordnen();
}

void Diagrammseite::anordnen() {
  // The links keep their right edge; "Vierer ..." follows "Dreier, " on the same line.
  const int rechts = Label89->geometry().right() + 1;
  for (QLabel* l : {Label88, Label89}) l->resize(l->width(), l->heightForWidth(l->width()));
  Label91->resize(Label91->sizeHint().width(), Label91->height());
  const int x = Label91->x() + Label91->width();
  Label90->setGeometry(x, Label91->y(), rechts - x, Label90->heightForWidth(rechts - x));
}

bool Diagrammseite::eventFilter(QObject* o, QEvent* e) {
  if (o == TabSheet5_ && e->type() == QEvent::Resize) {
    // The chart fills the page below its two rows of buttons, at any zoom.
    Chart1->resize(TabSheet5_->width() - Chart1->x(), TabSheet5_->height() - Chart1->y());
  } else if (e->type() == QEvent::MouseButtonRelease) {
    auto klick = [&](auto befehl) {
      plattform::mitMeldung([&] { (this->*befehl)(); });
      return true;
    };
    if (o == Label88) return klick(&Diagrammseite::Label88Click);
    if (o == Label89) return klick(&Diagrammseite::Label89Click);
    if (o == Label90) return klick(&Diagrammseite::Label90Click);
    if (o == Label91) return klick(&Diagrammseite::Label91Click);
  }
  return QObject::eventFilter(o, e);
}

int Diagrammseite::diagrammart() const { return plattform::tag(BitBtn20); }
void Diagrammseite::setzeDiagrammart(int art) { plattform::setzeTag(BitBtn20, art); }

void Diagrammseite::zeigeDiagrammseite() { PageControl1_->setCurrentWidget(TabSheet5_); }

void Diagrammseite::berechneUndZeige(Statistikart art) {
  using namespace statistik;
  plattform::Sanduhr sanduhr;
  const Fenster f{start_->Datum(), ende_->Datum()};
  std::vector<Ziehung> saetze;
  if (art == Statistikart::sternUeberfaellige) {
    // This one reports no file error: without a history its bars are 0.
    try {
      saetze = z_.historie().lesen();
    } catch (const plattform::Fehler&) {
    }
  } else {
    saetze = z_.historie().lesen();
  }
  z_.aktDatum = QDateTime(f.start, QTime(0, 0));
  if (art != Statistikart::paare && art != Statistikart::sternUeberfaellige) z_.dfb = f.ende;
  const Ziehungszeitfilter filter = zeitfilter_();
  Zahlenstatistik s;
  switch (art) {
    case Statistikart::haeufigkeit:
      s = haeufigkeit(saetze, f, filter);
      break;
    case Statistikart::quersummen:
      s = quersummen(saetze, f, filter);
      break;
    case Statistikart::paare:
      s = paare(saetze, f, filter);
      break;
    case Statistikart::dreier:
      s = dreier(saetze, f, filter);
      break;
    case Statistikart::vierer:
      s = vierer(saetze, f, filter);
      break;
    case Statistikart::ueberfaellige:
      s = ueberfaellige(saetze, f, filter);
      break;
    case Statistikart::paareMitN:
      // A typed text the up-down refused (56, 0, letters) gives way to the N counted.
      UpDown21->setPosition(UpDown21->Position());
      s = paareMitN(saetze, f, UpDown21->Position());
      break;
    case Statistikart::sternUeberfaellige:
      s = sternUeberfaellige(saetze, f, z_.SternenzahlMax);
      break;
    case Statistikart::sternHaeufigkeit:
      s = sternHaeufigkeit(saetze, f, z_.SternenzahlMax);
      break;
    case Statistikart::tippverteilung:
      return;
  }
  anzeigen(art, s);
}

Diagrammseite::Laufschritt Diagrammseite::schritt(Statistikart art, const statistik::Zahlenstatistik& s) const {
  return {art, s.balken, s.minimum, s.maximum, titel(art, s, z_.Meldungen), false};
}

void Diagrammseite::anzeigen(Statistikart art, const statistik::Zahlenstatistik& s) {
  const Laufschritt l = schritt(art, s);
  if (zeichne(l)) gezeigt(art);
}

bool Diagrammseite::zeichne(const Laufschritt& l) {
  using namespace statistik;
  const Anzeigeregel regel = anzeigeregel(l.art);
  plattform::Balkenserie& serie = Chart1->serie(2);
  serie.setAktiv(true);
  Chart1->serie(1).setAktiv(false);
  if (regel.wertebeschriftungAus) {
    Chart1->serie(1).wertebeschriftungAus();
    serie.wertebeschriftungAus();
  }
  std::vector<plattform::Balkenserie::Balken> balken;
  balken.reserve(l.balken.size());
  for (const Balken& b : l.balken) balken.push_back({b.x, b.y, farbe(balkenfarbe(regel, b.x))});
  serie.setzeBalken(balken);
  try {
    switch (regel.achse) {
      case Achsenschritte::nullMaxMin:
      case Achsenschritte::minus100MaxMin:
        Chart1->setLinksMinimum(regel.achse == Achsenschritte::nullMaxMin ? 0 : -100);
        Chart1->setLinksMaximum(l.maximum);
        Chart1->setLinksMinimum(l.minimum);
        Chart1->setLinksAutomatisch(false);
        break;
      case Achsenschritte::automatisch:
        Chart1->setLinksAutomatisch(true);
        break;
    }
  } catch (const plattform::Fehler&) {
    return false;  // a refused range step ends the display quietly, bars shown
  }
  Chart1->setUntenAutomatisch();
  Chart1->setUntenTitel(l.titel);
  return true;
}

void Diagrammseite::gezeigt(Statistikart art) {
  const statistik::Anzeigeregel regel = statistik::anzeigeregel(art);
  // While a generation run is going, the extra-number chart leaves the page where it is.
  if (regel.seiteWechseln && !(art == Statistikart::sternUeberfaellige && z_.Berechnunglaeuft)) zeigeDiagrammseite();
  if (regel.statusDatum) status_.setzeStatus(0, plattform::kurzesDatum(ende_->Datum()));
  if (regel.diagrammart != 0) setzeDiagrammart(regel.diagrammart);
}

void Diagrammseite::zeigeStatistik(Statistikart art, const statistik::Zahlenstatistik& s, bool aufschieben) {
  Laufschritt l = schritt(art, s);
  Laufzyklus& z = lauf_;
  zyklusBeginnen();
  const std::size_t k = z.schritte.size();
  z.folgt = z.folgt && k < z.bekannteSchritte.size() && z.bekannteSchritte[k] == l;
  if (aufschieben && z.folgt && z.offen == k) {
    // The steps before took the chart nowhere yet, and from this state this step went the
    // same way before: it draws only if the chart is seen before the bars are emptied.
    l.gezeigt = z.bekannteSchritte[k].gezeigt;
    z.schritte.push_back(l);
    ++z.offen;
    if (l.gezeigt) gezeigt(art);
    return;
  }
  abgleichen();
  pruefeFremd();
  try {
    l.gezeigt = zeichne(l);
  } catch (...) {
    lauf_ = Laufzyklus{};
    throw;
  }
  z.schritte.push_back(l);
  z.erwartet = Chart1->stand();
  if (l.gezeigt) gezeigt(art);
}

void Diagrammseite::zyklusBeginnen() {
  // A cycle's first step notes the chart it starts from; it follows the known cycle only from
  // the state that cycle ended in.
  Laufzyklus& z = lauf_;
  if (!z.schritte.empty()) return;
  z.vorher = Chart1->stand();
  z.folgt = z.bekannt && z.vorher == z.stand;
}

void Diagrammseite::pruefeFremd() {
  // The chart should be as the cycle's own steps left it; if anything else changed it, this
  // cycle teaches nothing.
  Laufzyklus& z = lauf_;
  if (z.schritte.empty() || z.fremd) return;
  z.fremd = Chart1->stand() != (z.offen == z.schritte.size() ? z.vorher : z.erwartet);
}

void Diagrammseite::leeren() {
  Laufzyklus& z = lauf_;
  zyklusBeginnen();
  if (z.folgt && z.offen == z.schritte.size() && z.schritte.size() == z.bekannteSchritte.size()) {
    // The statistics since the last emptying, then the emptying, gave this very state before:
    // they change nothing, so the chart is left as it is.
    z.schritte.clear();
    z.offen = 0;
    return;
  }
  abgleichen();
  pruefeFremd();
  Chart1->serie(2).setAktiv(true);
  Chart1->serie(2).leeren();
  Chart1->serie(1).setAktiv(false);
  z.bekannt = !z.fremd && Chart1->stand() == z.vorher;
  if (z.bekannt) {
    z.stand = z.vorher;
    z.bekannteSchritte = std::move(z.schritte);
  }
  z.schritte.clear();
  z.offen = 0;
  z.fremd = false;
}

void Diagrammseite::abgleichen() {
  Laufzyklus& z = lauf_;
  if (z.offen == 0) return;
  pruefeFremd();
  const std::size_t offen = z.offen;
  z.offen = 0;
  try {
    for (std::size_t i = 0; i < offen; ++i) zeichne(z.schritte[i]);
  } catch (...) {
    lauf_ = Laufzyklus{};
    throw;
  }
  z.erwartet = Chart1->stand();
}

void Diagrammseite::SpeedButton2Click() { berechneUndZeige(Statistikart::haeufigkeit); }
void Diagrammseite::SpeedButton9Click() { berechneUndZeige(Statistikart::quersummen); }
void Diagrammseite::Button2Click() { berechneUndZeige(Statistikart::paare); }
void Diagrammseite::Button3Click() { berechneUndZeige(Statistikart::dreier); }
void Diagrammseite::Button4Click() { berechneUndZeige(Statistikart::vierer); }
void Diagrammseite::Button5Click() { berechneUndZeige(Statistikart::ueberfaellige); }
void Diagrammseite::SpeedButton30Click() { berechneUndZeige(Statistikart::paareMitN); }
void Diagrammseite::Button8Click() { berechneUndZeige(Statistikart::sternUeberfaellige); }
void Diagrammseite::SuperAusClick() { Button8Click(); }
void Diagrammseite::SpeedButton3Click() {
  zeigeDiagrammseite();
  berechneUndZeige(Statistikart::sternHaeufigkeit);
}
void Diagrammseite::SuperseltenClick() { SpeedButton3Click(); }

void Diagrammseite::SpeedButton26Click() {
  zeigeDiagrammseite();
  SpeedButton2Click();
}
void Diagrammseite::Label88Click() {
  zeigeDiagrammseite();
  SpeedButton9Click();
}
void Diagrammseite::Label89Click() {
  zeigeDiagrammseite();
  Button2Click();
}
void Diagrammseite::Label91Click() {
  zeigeDiagrammseite();
  Button3Click();
}
void Diagrammseite::Label90Click() {
  zeigeDiagrammseite();
  Button4Click();
}

void Diagrammseite::SpeedButton29Click() {
  setzeDiagrammart(6);
  UpDown21->setPosition(UpDown21->Position() == UpDown21->Max() ? UpDown21->Min() : UpDown21->Position() + 1);
  SpeedButton30Click();
}

void Diagrammseite::BitBtn20Click() {
  merkdatum = ende_->Datum();
  if (diagrammart() != 6) ende_->setzeDatum(start_->Datum());
  Timer1->start();
  BitBtn20->hide();
  BitBtn21->show();
}

void Diagrammseite::animationAus() {
  Timer1->stop();
  BitBtn20->show();
  BitBtn21->hide();
}

void Diagrammseite::BitBtn21Click() {
  ende_->setzeDatum(merkdatum);
  animationAus();
}

void Diagrammseite::Timer1Timer() {
  try {
    if (diagrammart() == 6) {
      SpeedButton29Click();  // cycles through N = 1..55 until stopped
      return;
    }
    if (ende_->Datum() == merkdatum) {
      animationAus();
      return;
    }
    ende_->setzeDatum(ende_->Datum().addDays(1));
    switch (diagrammart()) {
      case 1:
        SpeedButton2Click();
        break;
      case 2:
        SpeedButton9Click();
        break;
      case 3:
        Button5Click();
        break;
      default:
        break;  // the other kinds only move the date
    }
  } catch (...) {
    // A tick that fails (the history gone meanwhile) ends the animation before its one message,
    // so that no further tick piles up another box.
    BitBtn21Click();
    throw;
  }
}

void Diagrammseite::Button6Click() {
  plattform::Sanduhr sanduhr;
  statistik::Zahlenstatistik s;
  if (tipps_.listenansicht()) {
    tipps_.gewinneLeeren();
    s = statistik::tippverteilungListe(tipps_.listenzeilen());
  } else {
    const auto zeilen = tipps_.scheinzeilen();
    s = statistik::tippverteilungSchein(zeilen);
  }
  anzeigen(Statistikart::tippverteilung, s);
}
