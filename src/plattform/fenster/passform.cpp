#include "plattform/fenster/passform.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVariant>
#include <algorithm>

namespace plattform {
namespace {

// Room kept free towards a neighbour or the parent's edge.
constexpr int kAbstand = 1;

int textbreite(const QWidget* w, const QString& text) {
  return w->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

int fehltKnopf(const QPushButton* b) {
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  opt.icon = b->icon();
  opt.iconSize = b->iconSize();
  if (b->autoDefault() || b->isDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
  if (b->isFlat()) opt.features |= QStyleOptionButton::Flat;
  const QRect innen = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
  int noetig = textbreite(b, b->text());
  if (!b->icon().isNull()) noetig += b->iconSize().width() + 4;  // the style's gap beside a picture
  return noetig - innen.width();
}

bool zeigtText(const QToolButton* t) {
  const bool nurBild = t->toolButtonStyle() == Qt::ToolButtonIconOnly && !t->icon().isNull();
  return !t->text().isEmpty() && !nurBild && t->toolButtonStyle() != Qt::ToolButtonTextUnderIcon;
}

int fehltWerkzeugknopf(const QToolButton* t) {
  // The label is drawn inside the button's frame.
  const int rahmen = t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, t);
  int noetig = textbreite(t, t->text());
  if (t->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !t->icon().isNull()) noetig += t->iconSize().width() + 4;
  return noetig - (t->width() - 2 * rahmen);
}

int fehltRahmen(const QGroupBox* g) {
  QStyleOptionGroupBox opt;
  opt.initFrom(g);
  opt.text = g->title();
  opt.textAlignment = g->alignment();
  opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  if (g->isCheckable()) opt.subControls |= QStyle::SC_GroupBoxCheckBox;
  if (g->isFlat()) opt.features |= QStyleOptionFrame::Flat;
  const QRect titel = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
  // The title keeps the same margin to the right edge as to the left one.
  return titel.left() + titel.width() + std::max(0, titel.left()) - g->width();
}

}  // namespace

bool wirdPlatziert(const QWidget* w) {
  const QWidget* p = w->parentWidget();
  if (!p) return false;
  if (p->layout() || w->objectName().startsWith(QLatin1String("qt_")) ||
      p->objectName().startsWith(QLatin1String("qt_")))
    return true;
  return qobject_cast<const QTabWidget*>(p) || qobject_cast<const QTabBar*>(p) ||
         qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
         qobject_cast<const QComboBox*>(p);
}

Fehlbetrag fehlendeCaption(const QWidget* w, int zusatz) {
  int breite = 0;
  if (const auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return {};
    if (l->wordWrap()) return {0, std::max(0, l->heightForWidth(l->width()) - l->height())};
    breite = l->sizeHint().width() - l->width();
  } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
    if (b->text().isEmpty()) return {};
    breite = fehltKnopf(b);
  } else if (const auto* t = qobject_cast<const QToolButton*>(w)) {
    if (!zeigtText(t)) return {};
    breite = fehltWerkzeugknopf(t);
  } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    if (static_cast<const QAbstractButton*>(w)->text().isEmpty()) return {};
    breite = w->sizeHint().width() - w->width();
  } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
    if (g->title().isEmpty()) return {};
    breite = fehltRahmen(g);
  } else {
    return {};
  }
  return {std::max(0, breite + zusatz), 0};
}

void passeCaptionsAn(QWidget* fenster) {
  const QList<QWidget*> alle = fenster->findChildren<QWidget*>();
  for (QWidget* w : alle) {
    const QVariant entwurf = w->property(kEntwurfsplatz);
    if (!entwurf.isValid()) continue;
    w->setGeometry(entwurf.toRect());
    w->setProperty(kEntwurfsplatz, QVariant());
  }
  for (QWidget* w : alle) {
    if (w->isWindow() || wirdPlatziert(w)) continue;
    const int fehlt = fehlendeCaption(w).breite;
    if (fehlt == 0) continue;
    const QWidget* p = w->parentWidget();
    const QRect g = w->geometry();
    // Free room on either side on the control's rows, up to the nearest neighbour there.
    int rechts = p->width() - 1 - g.right() - kAbstand;
    int links = g.left() - kAbstand;
    for (const QObject* o : p->children()) {
      const auto* s = qobject_cast<const QWidget*>(o);
      if (!s || s == w || s->isWindow()) continue;
      const QRect h = s->geometry();
      if (h.bottom() < g.top() || h.top() > g.bottom()) continue;
      if (h.left() > g.right()) rechts = std::min(rechts, h.left() - g.right() - 1 - kAbstand);
      else if (h.right() < g.left()) links = std::min(links, g.left() - h.right() - 1 - kAbstand);
    }
    rechts = std::max(0, rechts);
    links = std::max(0, links);
    // A caption grows towards its open side: a right-aligned label to the left, a centred
    // caption to both sides, every other one to the right.
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    if (const auto* l = qobject_cast<const QLabel*>(w)) ausrichtung = l->alignment();
    else if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w)) ausrichtung = Qt::AlignHCenter;
    int nachRechts = 0, nachLinks = 0;
    if (ausrichtung & Qt::AlignRight) {
      nachLinks = std::min(fehlt, links);
    } else if (ausrichtung & Qt::AlignHCenter) {
      nachRechts = std::min((fehlt + 1) / 2, rechts);
      nachLinks = std::min(fehlt - nachRechts, links);
      nachRechts = std::min(fehlt - nachLinks, rechts);
    } else {
      nachRechts = std::min(fehlt, rechts);
    }
    if (nachRechts == 0 && nachLinks == 0) continue;
    w->setProperty(kEntwurfsplatz, g);
    w->setGeometry(g.adjusted(-nachLinks, 0, nachRechts, 0));
  }
}

}  // namespace plattform
