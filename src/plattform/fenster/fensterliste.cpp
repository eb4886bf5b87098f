#include "plattform/fenster/fensterliste.h"

#include <QPointer>
#include <QWidget>

namespace plattform {
namespace {
QList<QPointer<QWidget>>& liste() {
  static QList<QPointer<QWidget>> l;
  return l;
}
}  // namespace

void fensterAnmelden(QWidget* fenster) {
  auto& l = liste();
  l.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
  if (fenster && !l.contains(fenster)) l.append(fenster);
}

QList<QWidget*> programmfenster() {
  QList<QWidget*> r;
  for (const QPointer<QWidget>& w : liste())
    if (w) r.append(w);
  return r;
}

QWidget* programmfenster(const QString& name) {
  for (QWidget* w : programmfenster())
    if (w->objectName() == name) return w;
  return nullptr;
}

}  // namespace plattform
