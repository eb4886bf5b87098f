#pragma once
#include <QObject>

#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"

class QListWidget;
class QPushButton;
class QToolButton;
class QWidget;

// The tip files and the text list on "Tipp-Übersicht": save and load beside the clearing
// button, the text list in the panel of the tip count, and the save with the editor on a
// double click into the list.
class Tippausgabe : public QObject {
  Q_OBJECT
 public:
  // seite: "Tipp-Übersicht"; Panel3 holds the tip count; Gewinnzahlen is the list of the list view.
  Tippausgabe(Programmzustand& zustand, Tippablage& tipps, Ziehungswahl& ziehung, QWidget* seite, QWidget* Panel3,
              QListWidget* Gewinnzahlen);

  void SpeedButton15Click();    // save the tips as a tip file
  void SpeedButton16Click();    // load a tip file
  void GewinnzahlenDblClick();  // save, then the file in the editor
  void BitBtn7Click();          // the text list "Tipp.txt", opened

  QToolButton* SpeedButton15 = nullptr;
  QToolButton* SpeedButton16 = nullptr;
  QPushButton* BitBtn7 = nullptr;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  Programmzustand& z_;
  Tippablage& tipps_;
  Ziehungswahl& ziehung_;
  QWidget* liste_;
};
