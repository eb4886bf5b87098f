#include "plattform/fenster/balkendiagramm.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "plattform/fehler.h"

namespace plattform {

namespace {
// A tick step of 1, 2 or 5 times a power of ten that gives about eight steps.
double tickschritt(int spanne) {
  const double roh = std::max(1.0, spanne / 8.0);
  const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
  for (double f : {1.0, 2.0, 5.0})
    if (roh <= f * zehner) return f * zehner;
  return 10.0 * zehner;
}
}  // namespace

Balkenserie::Balkenserie(Balkendiagramm* diagramm, QBarSeries* serie, QBarSet* satz)
    : diagramm_(diagramm), serie_(serie), satz_(satz) {}

bool Balkenserie::aktiv() const { return serie_->isVisible(); }

void Balkenserie::setAktiv(bool aktiv) {
  if (aktiv == serie_->isVisible()) return;
  serie_->setVisible(aktiv);
  diagramm_->balkenGeaendert();
}

void Balkenserie::leeren() {
  if (satz_->count() > 0) satz_->remove(0, satz_->count());
  satz_->deselectAllBars();
  xs_.clear();
  diagramm_->balkenGeaendert();
}

void Balkenserie::wertebeschriftungAus() { serie_->setLabelsVisible(false); }
bool Balkenserie::wertebeschriftung() const { return serie_->isLabelsVisible(); }

QColor Balkenserie::serienfarbe() const { return satz_->color(); }

void Balkenserie::setzeBalken(const std::vector<Balken>& balken) {
  QColor andere;
  QList<int> markiert;
  for (std::size_t k = 0; k < balken.size(); ++k) {
    const QColor& f = balken[k].farbe;
    if (!f.isValid() || f == satz_->color()) continue;
    if (andere.isValid() && f != andere)
      throw Fehler(QStringLiteral("Eine Balkenreihe kennt nur eine Farbe neben ihrer eigenen"));
    andere = f;
    markiert << static_cast<int>(k);
  }
  const int n = static_cast<int>(balken.size());
  if (satz_->count() > n) satz_->remove(n, satz_->count() - n);
  const int alt = satz_->count();
  for (int k = 0; k < alt; ++k) {
    const double y = balken[static_cast<std::size_t>(k)].y;
    if (satz_->at(k) != y) satz_->replace(k, y);
  }
  if (n > alt) {
    QList<qreal> neu;
    neu.reserve(n - alt);
    for (int k = alt; k < n; ++k) neu << balken[static_cast<std::size_t>(k)].y;
    satz_->append(neu);
  }
  if (andere.isValid() && satz_->selectedColor() != andere) satz_->setSelectedColor(andere);
  QList<int> vorher = satz_->selectedBars();
  std::sort(vorher.begin(), vorher.end());
  if (vorher != markiert) {
    satz_->deselectAllBars();
    satz_->selectBars(markiert);
  }
  xs_.resize(balken.size());
  for (std::size_t k = 0; k < balken.size(); ++k) xs_[k] = balken[k].x;
  diagramm_->balkenGeaendert();
}

void Balkenserie::hinzufuegen(int x, int y, const QColor& farbe) {
  std::vector<Balken> alle;
  alle.reserve(xs_.size() + 1);
  for (int k = 0; k < anzahl(); ++k) alle.push_back({xs_[static_cast<std::size_t>(k)], this->y(k), this->farbe(k)});
  alle.push_back({x, y, farbe});
  setzeBalken(alle);
}

int Balkenserie::anzahl() const { return satz_->count(); }
int Balkenserie::x(int k) const { return xs_.at(static_cast<std::size_t>(k)); }
int Balkenserie::y(int k) const { return static_cast<int>(std::lround(satz_->at(k))); }
QColor Balkenserie::farbe(int k) const { return satz_->isBarSelected(k) ? satz_->selectedColor() : satz_->color(); }

Balkendiagramm::Balkendiagramm(QWidget* eltern) : QChartView(eltern) {
  auto* chart = new QChart();
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 4, 4));
  unten_ = new QCategoryAxis(chart);
  links_ = new QValueAxis(chart);
  links_->setLabelFormat(QStringLiteral("%d"));
  links_->setTickType(QValueAxis::TicksDynamic);
  links_->setTickAnchor(0);
  unten_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  unten_->setGridLineVisible(false);
  QFont klein = unten_->labelsFont();
  klein.setPointSize(8);
  unten_->setLabelsFont(klein);
  QFont titel = unten_->titleFont();
  titel.setPointSize(8);
  titel.setBold(false);
  unten_->setTitleFont(titel);
  chart->addAxis(unten_, Qt::AlignBottom);
  chart->addAxis(links_, Qt::AlignLeft);
  const QColor farben[2] = {QColor(255, 0, 0), QColor(0, 128, 0)};
  serien_.reserve(2);
  for (int nr = 1; nr <= 2; ++nr) {
    auto* serie = new QBarSeries(chart);
    serie->setObjectName(QStringLiteral("Series%1").arg(nr));
    auto* satz = new QBarSet(QString(), serie);
    satz->setColor(farben[nr - 1]);
    satz->setPen(Qt::NoPen);  // thin bars show their fill colour, the selected ones too
    serie->append(satz);
    serie->setBarWidth(0.7);
    chart->addSeries(serie);
    serie->attachAxis(unten_);
    serie->attachAxis(links_);
    serien_.push_back(Balkenserie(this, serie, satz));
  }
  serien_[0].serie_->setVisible(false);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing, false);
  zeigeBereich();
}

Balkendiagramm::~Balkendiagramm() = default;

Balkenserie& Balkendiagramm::serie(int nr) { return serien_.at(static_cast<std::size_t>(nr == 1 ? 0 : 1)); }

void Balkendiagramm::setLinksMinimum(int wert) {
  if (wert > max_) throw Fehler(QStringLiteral("Das Minimum der Achse muss kleiner oder gleich dem Maximum sein"));
  min_ = wert;
  zeigeBereich();
}

void Balkendiagramm::setLinksMaximum(int wert) {
  if (wert < min_) throw Fehler(QStringLiteral("Das Maximum der Achse muss größer oder gleich dem Minimum sein"));
  max_ = wert;
  zeigeBereich();
}

void Balkendiagramm::setLinksAutomatisch(bool automatisch) {
  automatisch_ = automatisch;
  if (automatisch_) balkenGeaendert();
}

void Balkendiagramm::setUntenAutomatisch() { balkenGeaendert(); }
void Balkendiagramm::setUntenTitel(const QString& titel) {
  if (titel == titel_) return;
  titel_ = titel;
  // The axis title is laid out like rich text: blanks kept as non-breaking ones keep their width.
  QString gezeigt = titel;
  gezeigt.replace(QLatin1Char(' '), QChar(0x00A0));
  unten_->setTitleText(gezeigt);
  passeTitelAn();
}

void Balkendiagramm::passeTitelAn() {
  // A long title (the pairs with N) takes a smaller font rather than losing its end.
  QFont f = unten_->titleFont();
  const int platz = width() - 16;
  int punkte = 8;
  for (; punkte > 6; --punkte) {
    f.setPointSize(punkte);
    if (QFontMetrics(f).horizontalAdvance(unten_->titleText()) <= platz) break;
  }
  f.setPointSize(punkte);
  if (f != unten_->titleFont()) unten_->setTitleFont(f);
}

void Balkendiagramm::resizeEvent(QResizeEvent* e) {
  QChartView::resizeEvent(e);
  passeTitelAn();
}
QString Balkendiagramm::untenTitel() const { return titel_; }

Balkendiagramm::Stand Balkendiagramm::stand() const {
  Stand s;
  s.min = min_;
  s.max = max_;
  s.automatisch = automatisch_;
  s.achseVon = links_->min();
  s.achseBis = links_->max();
  s.achseSchritt = links_->tickInterval();
  s.titel = titel_;
  s.titelschrift = unten_->titleFont();
  s.beschriftet = beschriftet_;
  for (std::size_t i = 0; i < 2; ++i) {
    const Balkenserie& b = serien_[i];
    Serienstand& z = s.serien[i];
    z.aktiv = b.aktiv();
    z.wertebeschriftung = b.wertebeschriftung();
    const int n = b.satz_->count();
    z.werte.reserve(n);
    for (int k = 0; k < n; ++k) z.werte << b.satz_->at(k);
    z.markiert = b.satz_->selectedBars();
    std::sort(z.markiert.begin(), z.markiert.end());
    z.markierfarbe = b.satz_->selectedColor();
    z.xs = b.xs_;
  }
  return s;
}

void Balkendiagramm::balkenGeaendert() {
  // The bottom axis labels the bars of the shown series (Series2 before Series1).
  const Balkenserie* gezeigt = nullptr;
  for (auto it = serien_.rbegin(); it != serien_.rend(); ++it)
    if (it->aktiv()) {
      gezeigt = &*it;
      break;
    }
  setzeBeschriftung(gezeigt ? gezeigt->xs_ : std::vector<int>());
  if (!automatisch_) return;
  int groesste = 0;
  for (const Balkenserie& s : serien_)
    if (s.aktiv())
      for (int k = 0; k < s.anzahl(); ++k) groesste = std::max(groesste, s.y(k));
  min_ = 0;
  max_ = groesste;
  zeigeBereich();
}

void Balkendiagramm::setzeBeschriftung(const std::vector<int>& xs) {
  if (xs == beschriftet_) return;
  beschriftet_ = xs;
  for (const QString& l : unten_->categoriesLabels()) unten_->remove(l);
  // Bar k stands at k; a label at every x that is a multiple of a step that leaves about 16.
  const int n = static_cast<int>(xs.size());
  unten_->setRange(-0.5, std::max(1, n) - 0.5);
  int schritt = 1;
  for (int s : {1, 2, 5, 10, 20, 50, 100}) {
    schritt = s;
    if (n <= 16 * s) break;
  }
  for (int k = 0; k < n; ++k) {
    const int x = xs[static_cast<std::size_t>(k)];
    if (x % schritt == 0 || n <= 16) unten_->append(QString::number(x), k);
  }
}

void Balkendiagramm::zeigeBereich() {
  // An empty span is drawn one unit high; the range read back stays as set.
  const int oben = max_ > min_ ? max_ : min_ + 1;
  // The axis lays out one tick per step at each of the two changes, so the step must never
  // meet a range many times its size on the way: a coarser step goes first, a finer one last.
  const double schritt = tickschritt(oben - min_);
  if (schritt >= links_->tickInterval()) {
    links_->setTickInterval(schritt);
    links_->setRange(min_, oben);
  } else {
    links_->setRange(min_, oben);
    links_->setTickInterval(schritt);
  }
}

}  // namespace plattform
