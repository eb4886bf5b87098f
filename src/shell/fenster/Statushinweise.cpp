#include "shell/fenster/Statushinweise.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/steuerelemente.h"
#include "shell/panelschnittstellen.h"

#include <QEvent>
#include <QWidget>

Statushinweise::Statushinweise(Statusanzeige& status, QWidget* fenster, QObject* eltern)
    : QObject(eltern), status_(status), fenster_(fenster) {
  setObjectName(QStringLiteral("Statushinweise"));
}

void Statushinweise::binden() {
  for (const hinweise::Eintrag& e : hinweise::tabelle()) {
    const QString name = QString::fromLatin1(e.name);
    for (QWidget* w : fenster_->findChildren<QWidget*>(name)) {
      if (w->window() != fenster_ || art_.contains(w)) continue;
      art_.insert(w, e.art);
      w->setMouseTracking(true);  // moves without a pressed button reach the control
      w->installEventFilter(this);
      connect(w, &QObject::destroyed, this, [this](QObject* o) { art_.remove(o); });
    }
  }
}

bool Statushinweise::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseMove) {
    const auto it = art_.constFind(o);
    if (it != art_.cend()) {
      plattform::mitMeldung([&] {
        switch (*it) {
          case hinweise::Art::Label: Label30MouseMove(o); break;
          case hinweise::Art::SpeedButton: SpeedButton4MouseMove(o); break;
          case hinweise::Art::BitBtn: BitBtn7MouseMove(o); break;
          case hinweise::Art::Button: Button6MouseMove(o); break;
          case hinweise::Art::CheckBox: CheckBox16MouseMove(o); break;
          case hinweise::Art::Edit: Edit85MouseMove(o); break;
        }
      });
    }
  }
  return QObject::eventFilter(o, e);
}

void Statushinweise::zeigeHint(QObject* Sender) {
  if (auto* w = qobject_cast<QWidget*>(Sender)) status_.setzeStatus(1, plattform::hint(w));
}

void Statushinweise::Label30MouseMove(QObject* Sender) { zeigeHint(Sender); }
void Statushinweise::SpeedButton4MouseMove(QObject* Sender) { zeigeHint(Sender); }
void Statushinweise::BitBtn7MouseMove(QObject* Sender) { zeigeHint(Sender); }
void Statushinweise::Button6MouseMove(QObject* Sender) { zeigeHint(Sender); }
void Statushinweise::CheckBox16MouseMove(QObject* Sender) { zeigeHint(Sender); }
void Statushinweise::Edit85MouseMove(QObject* Sender) { zeigeHint(Sender); }
