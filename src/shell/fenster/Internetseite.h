#pragma once
#include <QObject>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class TForm1;

// The tab "Internet-Optionen": the proxy that every request goes through, and the hidden
// values the hand-offs and the settings carry (portal name, prices, link page, address).
class Internetseite : public QObject {
  Q_OBJECT
 public:
  Internetseite(TForm1& form, QWidget* TabSheet3);

  QLineEdit* ProxyHostEdit = nullptr;  // empty: no proxy
  QLineEdit* ProxyPortEdit = nullptr;  // "80"
  // Hidden.
  QComboBox* Lottoportal = nullptr;  // the broker's portal name, part of the cart request
  QLineEdit* Edit81 = nullptr;       // "ZWEIPREIS"
  QLineEdit* Edit82 = nullptr;       // "EINPREIS"
  QCheckBox* CheckBox21 = nullptr;   // "Linkseite aktivieren"
  QLineEdit* URLEdit = nullptr;      // the maker's web address, disabled

  // Defaults of the hidden values that outside parties own.
  static QString portalVorgabe();
  static QString urlVorgabe();

 private:
  TForm1& form_;
};
