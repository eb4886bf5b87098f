#include "plattform/fenster/elemente.h"

#include "plattform/fenster/steuerelemente.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace plattform {

int Element::tag() const { return objekt ? plattform::tag(objekt) : 0; }

Elementliste::Elementliste(QWidget* fenster) : QObject(fenster) {
  setObjectName(QStringLiteral("Elementliste"));
  liste_.append({Elementart::Fenster, fenster});
}

void Elementliste::anhaengen(Elementart art, QObject* objekt) {
  if (art != Elementart::ohne && objekt) liste_.append({art, objekt});
}

QList<Element> Elementliste::elemente() const {
  QList<Element> l;
  l.reserve(liste_.size());
  for (const Element& e : liste_)
    if (e.objekt) l.append(e);
  return l;
}

Elementliste& elementliste(QWidget* fenster) {
  auto* l = fenster->findChild<Elementliste*>(QStringLiteral("Elementliste"), Qt::FindDirectChildrenOnly);
  return l ? *l : *new Elementliste(fenster);
}

void alsElement(QWidget* fenster, Elementart art, QObject* objekt) {
  if (fenster && art != Elementart::ohne) elementliste(fenster->window()).anhaengen(art, objekt);
}

namespace {

// The tab widget that shows the page, and the page's index in it.
QTabWidget* tabsVon(QWidget* seite, int& index) {
  for (QWidget* p = seite->parentWidget(); p; p = p->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
      index = tabs->indexOf(seite);
      if (index >= 0) return tabs;
    }
  }
  return nullptr;
}

}  // namespace

QString caption(const Element& e) {
  QObject* o = e.objekt;
  if (!o) return {};
  switch (e.art) {
    case Elementart::ohne:
      return {};
    case Elementart::Fenster:
      return static_cast<QWidget*>(o)->windowTitle();
    case Elementart::Menuepunkt:
      if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
      if (auto* a = qobject_cast<QAction*>(o)) return a->text();
      return {};
    case Elementart::Label:
      if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
      return {};
    case Elementart::Panel:
    case Elementart::RadioGroup:
      if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
      // A panel that shows its caption is a framed label.
      if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
      return o->property("caption").toString();
    case Elementart::BitBtn:
    case Elementart::Button:
    case Elementart::SpeedButton:
    case Elementart::CheckBox:
    case Elementart::RadioButton:
      if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
      return {};
    case Elementart::TabSheet: {
      int i = -1;
      if (auto* w = qobject_cast<QWidget*>(o))
        if (QTabWidget* tabs = tabsVon(w, i)) return tabs->tabText(i);
      return {};
    }
    case Elementart::Edit:
      if (auto* l = qobject_cast<QLineEdit*>(o)) return l->text();
      return {};
  }
  return {};
}

void setzeCaption(const Element& e, const QString& text) {
  QObject* o = e.objekt;
  if (!o) return;
  switch (e.art) {
    case Elementart::ohne:
      return;
    case Elementart::Fenster:
      static_cast<QWidget*>(o)->setWindowTitle(text);
      return;
    case Elementart::Menuepunkt:
      if (auto* m = qobject_cast<QMenu*>(o)) m->setTitle(text);
      else if (auto* a = qobject_cast<QAction*>(o)) a->setText(text);
      return;
    case Elementart::Label:
      if (auto* l = qobject_cast<QLabel*>(o)) l->setText(text);
      return;
    case Elementart::Panel:
    case Elementart::RadioGroup:
      if (auto* g = qobject_cast<QGroupBox*>(o)) g->setTitle(text);
      else if (auto* l = qobject_cast<QLabel*>(o)) l->setText(text);
      else o->setProperty("caption", text);
      return;
    case Elementart::BitBtn:
    case Elementart::Button:
    case Elementart::SpeedButton:
    case Elementart::CheckBox:
    case Elementart::RadioButton:
      if (auto* b = qobject_cast<QAbstractButton*>(o)) b->setText(text);
      return;
    case Elementart::TabSheet: {
      int i = -1;
      if (auto* w = qobject_cast<QWidget*>(o))
        if (QTabWidget* tabs = tabsVon(w, i)) tabs->setTabText(i, text);
      return;
    }
    case Elementart::Edit:
      if (auto* l = qobject_cast<QLineEdit*>(o)) l->setText(text);
      return;
  }
}

QString hint(const Element& e) { return e.objekt ? e.objekt->property("hint").toString() : QString(); }

void setzeHint(const Element& e, const QString& text) {
  QObject* o = e.objekt;
  if (!o) return;
  const QString alt = o->property("hint").toString();
  o->setProperty("hint", text);
  // The tooltip follows only where it showed the hint before.
  if (auto* w = qobject_cast<QWidget*>(o)) {
    if (w->toolTip() == alt && !alt.isEmpty()) w->setToolTip(text);
  } else if (auto* a = qobject_cast<QAction*>(o)) {
    if (a->toolTip() == alt && !alt.isEmpty()) a->setToolTip(text);
  }
}

}  // namespace plattform
