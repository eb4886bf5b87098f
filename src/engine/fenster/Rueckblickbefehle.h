#pragma once
#include <QObject>

#include "engine/fenster/Berechnung.h"
#include "engine/rueckblick.h"

class QLabel;
class QPushButton;
class QToolButton;

// The lucky number (SpeedButton13 beside the calculate button on "Tipp-Übersicht") and the
// back-test of the options (BitBtn9 on "Datenbank"), over the generation run of the main window.
class Rueckblickbefehle : public QObject, private engine::Rueckblickumgebung {
  Q_OBJECT
 public:
  Rueckblickbefehle(const Berechnungsorte& orte, Berechnung& rechner, QWidget* TabSheet4, QObject* eltern);

  void SpeedButton13Click();  // lucky number
  void BitBtn9Click();        // back-test

  QToolButton* SpeedButton13 = nullptr;
  QPushButton* BitBtn9 = nullptr;
  QLabel* RueckblickLabel = nullptr;  // the label beside BitBtn9

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // engine::Rueckblickumgebung
  void lauf() override;
  QDate DateTimePicker1() override;
  void setzeDateTimePicker1(const QDate& tag) override;
  bool SpeedButton5Click() override;
  const tippcheck::Statistiktabelle& Statistik() override;

  Berechnungsorte o_;
  Berechnung& rechner_;
  bool laeuft_ = false;       // a back-test goes
  bool geschlossen_ = false;  // the window was asked to close during it
};
