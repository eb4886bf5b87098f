#include "plattform/fenster/zoom.h"

#include "plattform/fenster/passform.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QTabBar>
#include <QTabWidget>
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

  for (QWidget* w : alle) {
    if (w->isWindow()) {
      const QSize neu(mal(w->width(), faktor), mal(w->height(), faktor));
      // A fixed-size dialog stays fixed, at its new size.
      if (w->minimumSize() == w->maximumSize()) w->setFixedSize(neu);
      else w->resize(neu);
    } else if (!wirdPlatziert(w)) {
      const QRect g = w->geometry();
      // Both edges are rounded, so that a control that ends at its parent's edge still does.
      const int x = mal(g.x(), faktor), y = mal(g.y(), faktor);
      w->setGeometry(x, y, mal(g.x() + g.width(), faktor) - x, mal(g.y() + g.height(), faktor) - y);
    }
  }
  for (std::size_t i = 0; i < alle.size(); ++i) alle[i]->setFont(schriften[i]);
}

}  // namespace plattform
