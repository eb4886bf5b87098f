#pragma once
#include <QObject>

#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"

class QToolButton;
class QWidget;

// "Schein drucken (Test)" on "Tipp-Übersicht": the tips as the next day's tip file, loaded into
// the coupon dialog, which then shows modally.
class Scheinknopf : public QObject {
  Q_OBJECT
 public:
  Scheinknopf(Programmzustand& zustand, Tippablage& tipps, Ziehungswahl& ziehung, QWidget* seite);

  void SpeedButton27Click();

  QToolButton* SpeedButton27 = nullptr;

 private:
  Programmzustand& z_;
  Tippablage& tipps_;
  Ziehungswahl& ziehung_;
};
