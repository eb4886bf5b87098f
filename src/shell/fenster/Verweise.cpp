#include "shell/fenster/Verweise.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "shell/fenster/Internetseite.h"
#include "shell/hinweise.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

using plattform::Elementart;
using plattform::neu;

#ifndef ZK_VERSION
#define ZK_VERSION "1.0"
#endif

namespace {
constexpr int kLinkTag = 8;

struct Link {
  const char* name;
  const char* adresse;
};
constexpr std::array<Link, 10> kLinks{{
    {"Label12", "https://www.kestrell.example/"},
    {"Label52", "https://www.kestrell.example/zahlenkenner/"},
    {"Label54", "https://www.kestrell.example/klick-lotse/"},
    {"Label56", "https://www.kestrell.example/hilfe/"},
    {"Label98", "https://www.quintavola.example/"},
    {"Label99", "https://www.quintavola.example/gewinnzahlen/"},
    {"Label100", "https://www.quintavola.example/quoten/"},
    {"Label101", "https://www.lottoportal.example/quintavola/"},
    {"Label102", "https://www.lottoinfo.example/statistik/"},
    {"Label103", "https://www.lottoinfo.example/archiv/"},
}};

QFrame* seitenpanel(QWidget* seite, const char* name, const QRect& platz) {
  auto* p = neu<QFrame>(seite, Elementart::Panel, name, platz);
  p->setProperty("caption", QString());
  p->setAutoFillBackground(true);
  QPalette pal = p->palette();
  pal.setColor(QPalette::Window, QColor(255, 255, 0));
  p->setPalette(pal);
  return p;
}

void alsLink(QLabel* l) {
  plattform::setzeTag(l, kLinkTag);
  l->setCursor(Qt::PointingHandCursor);
}
}  // namespace

void Senkrechtlabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.translate(0, height());
  p.rotate(-90);
  p.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
}

Verweise::Verweise(QWidget* TabSheet1, QWidget* TabSheet3, QObject* eltern) : QObject(eltern) {
  setObjectName(QStringLiteral("Verweise"));
  // The banner uses the strips left and right of the sheet.
  Panel2 = seitenpanel(TabSheet1, "Panel2", QRect(3, 40, 38, 318));
  Label43 = neu<Senkrechtlabel>(Panel2, Elementart::Label, "Label43", QRect(2, 4, 34, 310),
                                QStringLiteral("www.kestrell.example"));
  Panel8 = seitenpanel(TabSheet1, "Panel8", QRect(512, 40, 38, 318));
  Label44 = neu<Senkrechtlabel>(Panel8, Elementart::Label, "Label44", QRect(2, 4, 34, 310),
                                QStringLiteral("Zahlen-Kenner Quintavola " ZK_VERSION));
  for (QLabel* l : {static_cast<QLabel*>(Label43), static_cast<QLabel*>(Label44)}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    alsLink(l);
  }

  Panel1 = neu<QFrame>(TabSheet3, Elementart::Panel, "Panel1", QRect(16, 84, 520, 252));
  Panel1->setProperty("caption", QString());
  Panel1->setFrameShape(QFrame::StyledPanel);
  for (size_t i = 0; i < kLinks.size(); ++i) {
    QLabel* l = neu<QLabel>(Panel1, Elementart::Label, kLinks[i].name, QRect(12, 8 + static_cast<int>(i) * 24, 496, 18),
                            QString::fromLatin1(kLinks[i].adresse));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    l->setPalette(pal);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    alsLink(l);
    Links[i] = l;
  }

  for (QObject* o : {static_cast<QObject*>(Panel2), static_cast<QObject*>(Label43), static_cast<QObject*>(Panel8),
                     static_cast<QObject*>(Label44)})
    o->installEventFilter(this);
  for (QLabel* l : Links) l->installEventFilter(this);
}

bool Verweise::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonDblClick && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    // The second press of a double click: its release is no further click, so the page opens once.
    doppelklick_ = true;
    return true;
  }
  if (e->type() != QEvent::MouseButtonRelease) return QObject::eventFilter(o, e);
  const auto* m = static_cast<QMouseEvent*>(e);
  auto* w = qobject_cast<QWidget*>(o);
  if (m->button() == Qt::LeftButton && std::exchange(doppelklick_, false)) return true;
  // A click: the left button released over the control.
  if (m->button() != Qt::LeftButton || !w || !w->rect().contains(m->position().toPoint())) return false;
  plattform::mitMeldung([&] {
    if (o == Panel2 || o == Label43 || o == Panel8 || o == Label44) Label43Click();
    else Label52Click(o);
  });
  return true;  // a label's click must not reach its panel as a second one
}

void Verweise::oeffne(const QString& adresse) {
  if (hinweise::oeffenbareAdresse(adresse)) plattform::shell().oeffnen(adresse);
}

void Verweise::Label43Click() { oeffne(Internetseite::urlVorgabe()); }

void Verweise::Label52Click(QObject* Sender) {
  if (auto* l = qobject_cast<QLabel*>(Sender)) oeffne(l->text());
}
