#pragma once
#include <QObject>
#include <functional>

#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"

class QPushButton;
class QToolButton;
class QWidget;

// The history search "Tipps in DB suchen" (SpeedButton4 on "Tipp-Übersicht", beside the
// clearing button) and the historical analysis (BitBtn19 on "Datenbank"). Both walk one read
// of the history in the core; the window takes their state at each question and at the end.
class Historienbefehle : public QObject {
  Q_OBJECT
 public:
  // eurozahlen: whether CheckBox31 of the options is ticked; tippUebersicht switches the main
  // window to the tab "Tipp-Übersicht".
  Historienbefehle(Programmzustand& zustand, Tippvergleicher& vergleich, Tippzeilen& zeilen, Ziehungsschritte& ziehung,
                   Statusanzeige& status, QWidget* TabSheet1, QWidget* TabSheet4, std::function<bool()> eurozahlen,
                   std::function<void()> tippUebersicht);

  void SpeedButton4Click();  // history search
  void BitBtn19Click();      // historical analysis

  QToolButton* SpeedButton4 = nullptr;
  QPushButton* BitBtn19 = nullptr;

 private:
  Programmzustand& z_;
  Tippvergleicher& vergleich_;
  Tippzeilen& zeilen_;
  Ziehungsschritte& ziehung_;
  Statusanzeige& status_;
  std::function<bool()> eurozahlen_;
  std::function<void()> tippUebersicht_;
};
