#pragma once
#include <QDialog>
#include <QString>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
namespace plattform {
class RadioGroup;
class UpDown;
}  // namespace plattform

// The cart options: the add-on games "Spiel 77", "Super 6" and "Glücksspirale" with their
// cost, and the 7-digit ticket number, whose generator can avoid the numbers the sibling
// 6-of-49 product has drawn. Made at start, shown only by the cart hand-off.
class TForm5 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* eltern = nullptr);
  ~TForm5() override;

  void FormShow();
  void glueckClick();        // the cost display
  void BitBtn3Click();       // takes the ticket number and closes
  void SpeedButton2Click();  // a new ticket number
  void SpeedButton3Click();  // was the number drawn?
  // Shows the coupon print dialog modally; no control is bound to it.
  void DruckenClick();

  QString LosNr;         // empty until the first number was taken
  int Tipp = 0;          // the tip count of the cost display
  int SpielzahlTest = 0;  // ticket-number mode 0..4

  QCheckBox* Spiel77 = nullptr;
  QCheckBox* Super6 = nullptr;
  QCheckBox* glueck = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  std::array<QLineEdit*, 7> Ziffer{};             // Edit3 .. Edit9
  std::array<plattform::UpDown*, 7> ZifferAuf{};  // UpDown3 .. UpDown9
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  plattform::RadioGroup* RadioGroup2 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn3 = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QString Homedir;       // folder and name of the sibling history, set only when it exists
  QString Zahlenfile08;
};

extern TForm5* Form5;
