#include "shell/fenster/Internetseite.h"

#include "plattform/fenster/steuerelemente.h"
#include "shell/fenster/LottoZahlen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using plattform::neu;

QString Internetseite::portalVorgabe() { return QStringLiteral("Tippland"); }
// The product page on the maker's web site; the banner links open the same address.
QString Internetseite::urlVorgabe() { return QStringLiteral("http://www.kestrell.example/zahlenkenner-quintavola/"); }

Internetseite::Internetseite(TForm1& form, QWidget* s) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("Internetseite"));
  auto* host = neu<QLabel>(s, "ProxyHostLabel", QRect(16, 20, 90, 17), QStringLiteral("Proxy-Server"));
  ProxyHostEdit = neu<QLineEdit>(s, "ProxyHostEdit", QRect(112, 18, 240, 21));
  auto* port = neu<QLabel>(s, "ProxyPortLabel", QRect(16, 48, 90, 17), QStringLiteral("Proxy-Port"));
  ProxyPortEdit = neu<QLineEdit>(s, "ProxyPortEdit", QRect(112, 46, 60, 21));
  ProxyPortEdit->setText(QStringLiteral("80"));
  host->setBuddy(ProxyHostEdit);
  port->setBuddy(ProxyPortEdit);

  Lottoportal = neu<QComboBox>(s, "Lottoportal", QRect(380, 18, 150, 21));
  Lottoportal->setEditable(true);
  Lottoportal->addItem(portalVorgabe());
  Lottoportal->setCurrentIndex(0);
  Edit81 = neu<QLineEdit>(s, "Edit81", QRect(380, 46, 60, 21));
  Edit81->setText(QStringLiteral("0,50"));
  Edit82 = neu<QLineEdit>(s, "Edit82", QRect(450, 46, 60, 21));
  Edit82->setText(QStringLiteral("1,00"));
  CheckBox21 = neu<QCheckBox>(s, "CheckBox21", QRect(380, 74, 150, 17), QStringLiteral("Linkseite aktivieren"));
  URLEdit = neu<QLineEdit>(s, "URLEdit", QRect(380, 100, 150, 21));
  URLEdit->setText(urlVorgabe());
  URLEdit->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{Lottoportal, Edit81, Edit82, CheckBox21, URLEdit}) w->hide();
}
