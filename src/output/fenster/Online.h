#pragma once
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class QPushButton;
class Meldungstabelle;

// "Tipp Online abgaben": the hand-over to the browser-automation program. The main window
// makes it on first use, fills it and runs it without showing it; its settings are not kept.
class TAbgabeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAbgabeForm(QWidget* eltern = nullptr);

  void ComboBox1Change();    // the price
  void SpeedButton14Click();  // the hand-over; closes the dialog at its end

  // The texts of its question and messages in the chosen language; set by its owner.
  const Meldungstabelle* Meldungen = nullptr;
  QString TippDateiName;  // full path of the tip file
  int TippAnzahl = 0;     // tip count of the price

  QLabel* Label1 = nullptr;
  QComboBox* ComboBox1 = nullptr;  // number of draws
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QCheckBox* CheckBox1 = nullptr;  // "[DAUER]"
  QCheckBox* CheckBox2 = nullptr;  // "[DI]"
  QCheckBox* CheckBox3 = nullptr;  // "[FR]"
  QPlainTextEdit* Memo1 = nullptr;  // the template while it is filled
  QToolButton* SpeedButton14 = nullptr;
  QPushButton* BitBtn1 = nullptr;

 private:
  const Meldungstabelle& meldungen() const;  // German while no owner set them
  // The outside program, or "" when none is found.
  QString programm() const;
  void uebergeben(const QString& programm);
};
