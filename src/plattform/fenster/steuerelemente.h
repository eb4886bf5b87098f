#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QStatusBar>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "plattform/fenster/elemente.h"

class QRadioButton;
class QTimer;
class QTabWidget;
class QToolButton;

namespace plattform {

// Delphi control properties, mapped once: caption = the widget's text, hint = property
// "hint" (shown in panel 1 of the status bar), tag = property "tag", font character set =
// property "charset".
void setzeHint(QWidget* w, const QString& hint);
QString hint(const QWidget* w);
void setzeTag(QObject* o, int tag);
int tag(const QObject* o);
void setzeCharset(QObject* o, int charset);

// Hides a page's tab so that no key reaches it either: Ctrl+Tab and the tab bar's arrow keys
// step onto every enabled tab, shown or not. The page itself keeps its state.
void verbergeSeite(QTabWidget* tabs, QWidget* seite);

// Creates a child control with its object name and designed place (pixels at 96 dpi). The kind
// says whether and as what it joins the element list of its window (`Elementart::ohne`: not).
template <class T, class... A>
T* neu(QWidget* eltern, Elementart art, const char* name, const QRect& platz, A&&... args) {
  auto* w = new T(std::forward<A>(args)..., eltern);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(platz);
  alsElement(eltern, art, w);
  return w;
}

// The up-down arrows bound to a partner edit, with Min, Max and Position;
// the position is always clamped to Min..Max and written into the partner as a number. An
// arrow steps when it is pressed and repeats while it is held, as the system's control does.
class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* eltern = nullptr);
  void setAssociate(QLineEdit* partner);
  QLineEdit* associate() const { return partner_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const;
  void setMin(int v);
  void setMax(int v);
  void setPosition(int v);
  void setIncrement(int v) { schritt_ = v; }
  void schritt(int richtung);  // one step of an arrow: +1 up, -1 down
  QToolButton* pfeil(int richtung) const { return richtung > 0 ? hoch_ : runter_; }

 signals:
  void positionGeaendert(int position);
  // The arrows changed the position (never a typed value or a caller).
  void pfeilGeaendert(int position);
  // A press on an arrow, after its first step, and its release.
  void gedrueckt();
  void losgelassen();

 private:
  void druck(int richtung);
  void loslassen();
  void schreibePartner();
  QTimer* wiederholung_ = nullptr;
  int richtung_ = 0;
  QLineEdit* partner_ = nullptr;
  QToolButton* hoch_ = nullptr;
  QToolButton* runter_ = nullptr;
  int min_ = 0, max_ = 100, pos_ = 0, schritt_ = 1;
};

// A radio group: a caption, an item list and the index of the chosen item (-1 for none).
// New items keep the index when it still points at an item, else the last item is chosen.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit RadioGroup(QWidget* eltern = nullptr);
  void setItems(const QStringList& items);
  QStringList Items() const { return items_; }
  int ItemIndex() const;
  void setItemIndex(int index);  // out of range: none chosen

 signals:
  void geklickt(int index);

 private:
  QStringList items_;
  QList<QRadioButton*> knoepfe_;
};

// Status bar with fixed panels; panel texts can be read back whole. A text wider than its panel
// is shown shortened with "…" and whole as the panel's tool tip. Each panel's label sits in a
// frame of its own that the bar lays out; a new text repaints the label and leaves the frame,
// the bar and the window's layout alone (a long catch-up sets texts once per day).
class StatusLeiste : public QStatusBar {
  Q_OBJECT
 public:
  StatusLeiste(const QList<int>& breiten, QWidget* eltern = nullptr);
  void setzePanel(int index, const QString& text);
  QString panel(int index) const;
  int panelAnzahl() const { return static_cast<int>(panels_.size()); }
  QLabel* panelLabel(int index) const { return panels_.value(index); }

 protected:
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void passeHoeheAn();
  void zeigeText(int index);
  QList<QLabel*> panels_;
  QStringList texte_;  // whole, as set; a label may show its text shortened
  QList<QWidget*> rahmen_;
};

}  // namespace plattform
