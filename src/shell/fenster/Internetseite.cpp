#include "shell/fenster/Internetseite.h"

#include "plattform/fenster/steuerelemente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using plattform::neu;

QString Internetseite::portalVorgabe() { return QStringLiteral("Tippland"); }
// The product page on the maker's web site; the banner links open the same address.
QString Internetseite::urlVorgabe() { return QStringLiteral("http://www.kestrell.example/zahlenkenner-quintavola/"); }

QString Internetseite::proxyHost() const { return ProxyHostEdit->text(); }
QString Internetseite::proxyPort() const { return ProxyPortEdit->text(); }

Internetseite::Internetseite(QWidget* s, QObject* eltern) : QObject(eltern) {
  setObjectName(QStringLiteral("Internetseite"));
  auto* host = neu<QLabel>(s, plattform::Elementart::Label, "ProxyHostLabel", QRect(16, 20, 90, 17), QStringLiteral("Proxy-Server"));
  ProxyHostEdit = neu<QLineEdit>(s, plattform::Elementart::Edit, "ProxyHostEdit", QRect(112, 18, 240, 21));
  auto* port = neu<QLabel>(s, plattform::Elementart::Label, "ProxyPortLabel", QRect(16, 48, 90, 17), QStringLiteral("Proxy-Port"));
  ProxyPortEdit = neu<QLineEdit>(s, plattform::Elementart::Edit, "ProxyPortEdit", QRect(112, 46, 60, 21));
  ProxyPortEdit->setText(QStringLiteral("80"));
  host->setBuddy(ProxyHostEdit);
  port->setBuddy(ProxyPortEdit);

  Lottoportal = neu<QComboBox>(s, plattform::Elementart::ohne, "Lottoportal", QRect(380, 18, 150, 21));
  Lottoportal->setEditable(true);
  Lottoportal->addItem(portalVorgabe());
  Lottoportal->setCurrentIndex(0);
  Edit81 = neu<QLineEdit>(s, plattform::Elementart::Edit, "Edit81", QRect(380, 46, 60, 21));
  Edit81->setText(QStringLiteral("0,50"));
  Edit82 = neu<QLineEdit>(s, plattform::Elementart::Edit, "Edit82", QRect(450, 46, 60, 21));
  Edit82->setText(QStringLiteral("1,00"));
  CheckBox21 = neu<QCheckBox>(s, plattform::Elementart::CheckBox, "CheckBox21", QRect(380, 74, 150, 17), QStringLiteral("Linkseite aktivieren"));
  URLEdit = neu<QLineEdit>(s, plattform::Elementart::Edit, "URLEdit", QRect(380, 100, 150, 21));
  URLEdit->setText(urlVorgabe());
  URLEdit->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{Lottoportal, Edit81, Edit82, CheckBox21, URLEdit}) w->hide();
}
