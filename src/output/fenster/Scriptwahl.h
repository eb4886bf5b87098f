#pragma once
#include <QDialog>
#include <QString>

#include "plattform/http.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Script für Zahlenübergabe auswählen!": the click-script template and the four parameters
// of the browser-automation program; OK refreshes the template from the maker's server.
class TQZTForm : public QDialog {
  Q_OBJECT
 public:
  explicit TQZTForm(QWidget* eltern = nullptr);
  ~TQZTForm() override;

  void FormShow();     // the templates in the "Script" folder
  void BitBtn1Click();  // browse for a template
  void BitBtn2Click();  // OK: refresh the template, close with OK
  void FormClose();     // an empty ZAHL1 or ZAHL2 becomes "0"

  // Set by the hand-over before it shows the dialog.
  QString InitialDir;          // of the browse dialog
  QString DefaultExt = QStringLiteral("qzt");

  QLabel* Label1 = nullptr;
  QComboBox* LabeledEdit1 = nullptr;  // the template's path; its list holds the templates found
  QPushButton* BitBtn1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* LabeledEdit2 = nullptr;  // ZAHL1
  QLineEdit* LabeledEdit3 = nullptr;  // ZAHL2
  QLineEdit* LabeledEdit4 = nullptr;  // TEXT1
  QLineEdit* LabeledEdit5 = nullptr;  // TEXT2
  QPushButton* BitBtn3 = nullptr;     // Cancel
  QPushButton* BitBtn2 = nullptr;     // OK

  plattform::HttpClient IdHTTP1{plattform::HttpClient::Profil::Indy};

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int ergebnis) override;
};

extern TQZTForm* QZTForm;
