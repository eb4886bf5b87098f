#pragma once
#include <QDialog>

#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "shell/ziehung.h"

class QLineEdit;
class QPushButton;

// "Zahlen der Ziehung eingeben": the manual entry of one draw. The main window makes a fresh
// dialog for each entry, fills it from a reference record, shows it modally and, on OK, takes
// the record that eingabe() builds.
class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* eltern = nullptr);

  // The five number up-downs get the upper limit 55, the two extra-number up-downs
  // sternenzahlMax; the date and the eight fields take the reference's date and slots 1-8.
  void fuelle(const Ziehung& referenz, int sternenzahlMax);
  // The entered record: the dialog's date, the five numbers as typed (a text that is not a
  // whole number in range gives the last valid value of its up-down), the hidden slots 6-8
  // unchanged, and the reference's reserved bytes. The numbers are not sorted here.
  Ziehung eingabe(const Ziehung& referenz) const;

  plattform::DatumsWahl* DateTimePicker1 = nullptr;
  std::array<QLineEdit*, 9> Edit{};               // Edit1..Edit8 at 1..8
  std::array<plattform::UpDown*, 9> UpDown{};     // UpDown1..UpDown8 at 1..8
  QPushButton* BitBtn1 = nullptr;  // abort
  QPushButton* BitBtn2 = nullptr;  // OK
};

// The dialog of the entry that is going; empty outside an entry.
extern TForm3* Form3;
