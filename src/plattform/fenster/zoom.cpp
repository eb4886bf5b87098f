#include "plattform/fenster/zoom.h"

#include "plattform/fenster/passform.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QTabBar>
#include <QHash>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <vector>

namespace plattform {
namespace {

QFont gezoomt(QFont f, double faktor) {
  if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * faktor);
  else if (f.pixelSize() > 0) f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * faktor))));
  return f;
}

int mal(int v, double faktor) { return static_cast<int>(std::lround(v * faktor)); }

}  // namespace

void zoomen(QWidget* wurzel, double faktor) {
  if (!wurzel || !std::isfinite(faktor) || faktor <= 0) return;
  std::vector<QWidget*> alle{wurzel};
  for (QWidget* w : wurzel->findChildren<QWidget*>()) {
    if (!w->isWindow()) alle.push_back(w);  // popups and owned dialogs are windows of their own
  }
  // Every font is taken before any is set, so a font a child inherits is not zoomed twice.
  std::vector<QFont> schriften;
  schriften.reserve(alle.size());
  for (QWidget* w : alle) schriften.push_back(gezoomt(w->font(), faktor));

  // The sizes before the zoom: a control that ended at its parent's right or bottom edge ends
  // there after it too (the status bar of a dialog, the chart), whatever the rounding of its size.
  QHash<const QWidget*, QSize> vorher;
  for (QWidget* w : alle) vorher.insert(w, w->size());

  for (QWidget* w : alle) {
    if (w->isWindow()) {
      const QSize neu(mal(w->width(), faktor), mal(w->height(), faktor));
      // A fixed-size dialog stays fixed, at its new size.
      if (w->minimumSize() == w->maximumSize()) w->setFixedSize(neu);
      else w->resize(neu);
    } else if (!wirdPlatziert(w)) {
      const auto skaliert = [faktor](const QRect& g) {
        return QRect(mal(g.x(), faktor), mal(g.y(), faktor), mal(g.width(), faktor), mal(g.height(), faktor));
      };
      const QRect alt = w->geometry();
      QRect neu = skaliert(alt);
      const QWidget* p = w->parentWidget();
      const QSize pAlt = vorher.value(p, p->size());
      // Stretched, not moved: a control that fills its page below a row of buttons must not
      // slide up over them.
      if (alt.right() == pAlt.width() - 1 && p->width() - 1 > neu.left()) neu.setRight(p->width() - 1);
      if (alt.bottom() == pAlt.height() - 1 && p->height() - 1 > neu.top()) neu.setBottom(p->height() - 1);
      w->setGeometry(neu);
      // A control that a language widened keeps its designed place at the same zoom.
      const QVariant entwurf = w->property(kEntwurfsplatz);
      if (entwurf.isValid()) w->setProperty(kEntwurfsplatz, skaliert(entwurf.toRect()));
    }
  }
  for (std::size_t i = 0; i < alle.size(); ++i) alle[i]->setFont(schriften[i]);
}

}  // namespace plattform
