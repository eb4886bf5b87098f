#include "plattform/fenster/steuerelemente.h"

#include "plattform/formate.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace plattform {
namespace {
// Holding an arrow: the first repeat after this delay, then one step per interval (ms).
constexpr int kVerzoegerung = 400;
constexpr int kWiederholung = 80;
}  // namespace

void setzeHint(QWidget* w, const QString& h) {
  w->setProperty("hint", h);
  w->setToolTip(h);
}
QString hint(const QWidget* w) { return w->property("hint").toString(); }
void setzeTag(QObject* o, int t) { o->setProperty("tag", t); }
int tag(const QObject* o) { return o->property("tag").toInt(); }
void setzeCharset(QObject* o, int c) { o->setProperty("charset", c); }

UpDown::UpDown(QWidget* eltern) : QWidget(eltern) {
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  hoch_ = new QToolButton(this);
  runter_ = new QToolButton(this);
  hoch_->setArrowType(Qt::UpArrow);
  runter_->setArrowType(Qt::DownArrow);
  for (auto* b : {hoch_, runter_}) {
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    lay->addWidget(b);
  }
  wiederholung_ = new QTimer(this);
  connect(wiederholung_, &QTimer::timeout, this, [this] {
    // An arrow that went out of sight, or whose mouse a modal window took, gets no release:
    // the repeat ends there as a release would end it, never running on to the limit.
    QToolButton* gehalten = richtung_ > 0 ? hoch_ : runter_;
    const QWidget* modal = QApplication::activeModalWidget();
    if (!gehalten->isDown() || !gehalten->isVisible() || (modal && modal != window())) {
      gehalten->setDown(false);
      loslassen();
      return;
    }
    wiederholung_->setInterval(kWiederholung);
    schritt(richtung_);
  });
  connect(hoch_, &QToolButton::pressed, this, [this] { druck(+1); });
  connect(runter_, &QToolButton::pressed, this, [this] { druck(-1); });
  connect(hoch_, &QToolButton::released, this, &UpDown::loslassen);
  connect(runter_, &QToolButton::released, this, &UpDown::loslassen);
}

void verbergeSeite(QTabWidget* tabs, QWidget* seite) {
  const int i = tabs->indexOf(seite);
  tabs->setTabVisible(i, false);
  tabs->tabBar()->setTabEnabled(i, false);
}

void UpDown::druck(int richtung) {
  richtung_ = richtung;
  schritt(richtung);
  wiederholung_->start(kVerzoegerung);
  emit gedrueckt();
}

void UpDown::loslassen() {
  wiederholung_->stop();
  emit losgelassen();
}

void UpDown::setAssociate(QLineEdit* partner) {
  partner_ = partner;
  if (!partner_) return;
  schreibePartner();
  connect(partner_, &QLineEdit::textChanged, this, [this](const QString& t) {
    const auto v = liesGanzzahl(t);
    if (v && *v >= min_ && *v <= max_ && *v != pos_) {
      pos_ = *v;
      emit positionGeaendert(pos_);
    }
  });
}

int UpDown::Position() const { return pos_; }

void UpDown::setMin(int v) {
  min_ = v;
  if (max_ < min_) max_ = min_;
  setPosition(pos_);
}

void UpDown::setMax(int v) {
  max_ = v;
  if (min_ > max_) min_ = max_;
  setPosition(pos_);
}

void UpDown::setPosition(int v) {
  const int neu = std::clamp(v, min_, max_);
  const bool anders = neu != pos_;
  pos_ = neu;
  schreibePartner();
  if (anders) emit positionGeaendert(pos_);
}

void UpDown::schritt(int richtung) {
  const int alt = pos_;
  setPosition(pos_ + richtung * schritt_);
  if (pos_ != alt) emit pfeilGeaendert(pos_);
}

void UpDown::schreibePartner() {
  if (partner_ && partner_->text() != QString::number(pos_)) partner_->setText(QString::number(pos_));
}

RadioGroup::RadioGroup(QWidget* eltern) : QGroupBox(eltern) {
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(8, 4, 8, 4);
  lay->setSpacing(2);
}

void RadioGroup::setItems(const QStringList& items) {
  const int alt = ItemIndex();
  for (auto* k : knoepfe_) delete k;
  knoepfe_.clear();
  items_ = items;
  for (qsizetype i = 0; i < items_.size(); ++i) {
    auto* k = new QRadioButton(items_.at(i), this);
    // Exclusive by hand, so that "none chosen" stays possible.
    k->setAutoExclusive(false);
    connect(k, &QRadioButton::clicked, this, [this, i] {
      setItemIndex(static_cast<int>(i));
      emit geklickt(static_cast<int>(i));
    });
    layout()->addWidget(k);
    knoepfe_.append(k);
  }
  setItemIndex(alt >= static_cast<int>(items_.size()) ? static_cast<int>(items_.size()) - 1 : alt);
}

int RadioGroup::ItemIndex() const {
  for (qsizetype i = 0; i < knoepfe_.size(); ++i) {
    if (knoepfe_.at(i)->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

void RadioGroup::setItemIndex(int index) {
  for (qsizetype i = 0; i < knoepfe_.size(); ++i) knoepfe_.at(i)->setChecked(i == index);
}

namespace {
// A panel's frame: no layout of its own, so that a label's new text (which asks its parent for
// a new layout) costs nothing beyond the label's repaint. The label fills the frame.
class Panelrahmen : public QWidget {
 public:
  Panelrahmen(QWidget* eltern) : QWidget(eltern) {}
  QLabel* label = nullptr;

 protected:
  void resizeEvent(QResizeEvent*) override {
    if (label) label->setGeometry(rect());
  }
};
}  // namespace

StatusLeiste::StatusLeiste(const QList<int>& breiten, QWidget* eltern) : QStatusBar(eltern) {
  setSizeGripEnabled(false);
  for (qsizetype i = 0; i < breiten.size(); ++i) {
    const bool letztes = i + 1 == breiten.size();
    auto* r = new Panelrahmen(this);
    r->setObjectName(QStringLiteral("Statusrahmen%1").arg(i));
    auto* l = new QLabel(r);
    l->setObjectName(QStringLiteral("Statusfeld%1").arg(i));
    r->label = l;
    // The last panel takes the rest of the bar, the others keep their width. The rest is what
    // the bar's margins leave: a width of its own would push the last panel past the bar's edge
    // when it is as wide as the bar.
    if (!letztes) {
      r->setFixedWidth(breiten[i]);
      l->setFixedWidth(breiten[i]);
    }
    addWidget(r, letztes ? 1 : 0);
    // A zoom sets the labels' fonts after the bar's: the frames follow the labels' own.
    l->installEventFilter(this);
    panels_.append(l);
    rahmen_.append(r);
    texte_.append(QString());
  }
  passeHoeheAn();
}

void StatusLeiste::passeHoeheAn() {
  // One text line of the bar's font, as the labels showed it when they sized themselves.
  int h = 0;
  for (QLabel* l : panels_) h = std::max(h, QFontMetrics(l->font()).height());
  for (QWidget* r : rahmen_) r->setFixedHeight(h);
}

void StatusLeiste::changeEvent(QEvent* e) {
  QStatusBar::changeEvent(e);
  if (e->type() == QEvent::FontChange) passeHoeheAn();
}

bool StatusLeiste::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FontChange) passeHoeheAn();
  if (e->type() == QEvent::FontChange || e->type() == QEvent::Resize)
    if (const qsizetype i = panels_.indexOf(qobject_cast<QLabel*>(o)); i >= 0) zeigeText(static_cast<int>(i));
  return QStatusBar::eventFilter(o, e);
}

void StatusLeiste::setzePanel(int index, const QString& text) {
  // An unchanged text costs nothing: the hints set it at every mouse move.
  if (index < 0 || index >= texte_.size() || texte_.at(index) == text) return;
  texte_[index] = text;
  zeigeText(index);
}

void StatusLeiste::zeigeText(int index) {
  // A text wider than its panel ends in "…" and stands whole in the panel's tool tip.
  QLabel* l = panels_.at(index);
  const QString& text = texte_.at(index);
  const QFontMetrics fm(l->font());
  const int platz = l->contentsRect().width();
  const bool passt = fm.horizontalAdvance(text) <= platz;
  const QString gezeigt = passt ? text : fm.elidedText(text, Qt::ElideRight, platz);
  if (l->text() != gezeigt) l->setText(gezeigt);
  const QString tipp = passt ? QString() : text;
  if (l->toolTip() != tipp) l->setToolTip(tipp);
}

QString StatusLeiste::panel(int index) const { return texte_.value(index); }

}  // namespace plattform
