#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace plattform {

// The kinds of translatable elements. A control of another kind (list box, combo box, date
// picker, up-down, memo, status bar, chart, group box) is created with `ohne` and takes no part.
// Labels of our own that carry German text (the sentence parts on "Parameter", the proxy
// labels, the units) join as labels, so that a language can translate them; the inner parts of
// a compound control (an up-down's arrows, a radio group's buttons, the status bar's panels) do not.
enum class Elementart {
  ohne,
  Fenster,      // the window itself: its title
  Menuepunkt,   // QAction, or a QMenu by its title
  Label,        // QLabel
  Panel,        // QFrame (caption kept as the property "caption"; a QLabel shows it), QGroupBox by its title
  BitBtn,       // push button with a picture
  Button,       // plain push button
  SpeedButton,  // QToolButton
  CheckBox,
  RadioButton,
  RadioGroup,   // its title
  TabSheet,     // a tab page: its caption is its tab's text in the tab widget
  Edit,         // QLineEdit
};

// One translatable element of a window.
struct Element {
  Elementart art = Elementart::ohne;
  QPointer<QObject> objekt;
  QString name() const { return objekt ? objekt->objectName() : QString(); }
  int tag() const;  // the tag of the object (0 when it has none)
};

// The translatable elements of one window in the order it created them; the window itself is
// the first. Kept as a child of the window, so it goes with it.
class Elementliste : public QObject {
  Q_OBJECT
 public:
  explicit Elementliste(QWidget* fenster);
  void anhaengen(Elementart art, QObject* objekt);
  // The elements whose object still exists, in creation order.
  QList<Element> elemente() const;

 private:
  QList<Element> liste_;
};

// The list of the window (created on first use, with the window as its first element).
Elementliste& elementliste(QWidget* fenster);
// Adds an object that plattform::neu did not create (tab pages, menu items, the window's own
// sub-objects) to the list of `fenster`. `ohne` adds nothing.
void alsElement(QWidget* fenster, Elementart art, QObject* objekt);

// Caption and hint of every kind, read and set in one place. The hint is the property "hint"; a
// control that shows its hint as a tooltip keeps doing so with the new one, one that shows none
// stays without.
QString caption(const Element& e);
void setzeCaption(const Element& e, const QString& text);
QString hint(const Element& e);
void setzeHint(const Element& e, const QString& text);

}  // namespace plattform
