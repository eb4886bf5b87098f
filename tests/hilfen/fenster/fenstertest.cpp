#include "hilfen/fenster/fenstertest.h"

#include <QTest>
#include <memory>

#include "plattform/fenster/dienste.h"

Fensterumgebung::Fensterumgebung() {
  auto d = std::make_unique<SkriptDialoge>();
  auto s = std::make_unique<ShellProtokoll>();
  auto k = std::make_unique<KlangProtokoll>();
  dialoge_ = d.get();
  shell_ = s.get();
  klang_ = k.get();
  plattform::setzeDialoge(std::move(d));
  plattform::setzeShell(std::move(s));
  plattform::setzeKlang(std::move(k));
}

namespace fenstertest {

void fehlt(const QString& name, const QObject* wurzel) {
  qFatal("control %s missing in %s", qPrintable(name), qPrintable(wurzel->objectName()));
}

void klick(QWidget* w) {
  for (QWidget* p = w; p; p = p->parentWidget()) {
    QWidget* stapel = p->parentWidget();
    if (auto* tabs = stapel ? qobject_cast<QTabWidget*>(stapel->parentWidget()) : nullptr) {
      if (tabs->indexOf(p) >= 0) tabs->setCurrentWidget(p);
    }
  }
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

bool zeigen(QWidget* fenster) {
  fenster->show();
  return QTest::qWaitForWindowExposed(fenster);
}

}  // namespace fenstertest
