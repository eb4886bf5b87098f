#pragma once
#include <QObject>

#include "shell/panelschnittstellen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

// The tab "Internet-Optionen": the proxy that every request goes through, and the hidden
// values the hand-offs and the settings carry (portal name, prices, link page, address).
class Internetseite : public QObject, public Proxyangaben {
  Q_OBJECT
 public:
  Internetseite(QWidget* TabSheet3, QObject* eltern);

  QString proxyHost() const override;
  QString proxyPort() const override;

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

};
