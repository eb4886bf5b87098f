#pragma once
#include <QHash>
#include <QObject>

#include "shell/hinweise.h"

class Statusanzeige;
class QWidget;

// The status hints of the main window: while the mouse moves over one of the controls of the
// hint table, its hint stands in panel 1 of the status bar (an empty hint empties it). Other
// controls, and leaving a control, leave the panel alone.
class Statushinweise : public QObject {
  Q_OBJECT
 public:
  Statushinweise(Statusanzeige& status, QWidget* fenster, QObject* eltern = nullptr);

  // Binds every control of the table that the window holds now, by object name. Controls of
  // other windows (the dialogs have their own BitBtn1 and CheckBox1) are never bound.
  void binden();
  bool gebunden(const QObject* o) const { return art_.contains(o); }

  // One handler per kind of control, all alike.
  void Label30MouseMove(QObject* Sender);
  void SpeedButton4MouseMove(QObject* Sender);
  void BitBtn7MouseMove(QObject* Sender);
  void Button6MouseMove(QObject* Sender);
  void CheckBox16MouseMove(QObject* Sender);
  void Edit85MouseMove(QObject* Sender);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void zeigeHint(QObject* Sender);

  Statusanzeige& status_;
  QWidget* fenster_;
  QHash<const QObject*, hinweise::Art> art_;
};
