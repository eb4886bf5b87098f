#include "plattform/fehler.h"

#include <QMutex>
#include <QMutexLocker>
#include <memory>

namespace plattform {
namespace {

QString fuelle(const QString& vorlage, const QStringList& argumente) {
  QString text;
  text.reserve(vorlage.size());
  for (qsizetype i = 0; i < vorlage.size(); ++i) {
    const QChar c = vorlage.at(i);
    if (c == QLatin1Char('%') && i + 1 < vorlage.size()) {
      const int n = vorlage.at(i + 1).digitValue();
      if (n >= 1 && n <= argumente.size()) {
        text += argumente.at(n - 1);
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

// Every "%n" the German text uses must stay in the translation, or an argument would be lost.
bool gleichePlatzhalter(const QString& deutsch, const QString& uebersetzt, qsizetype anzahl) {
  for (qsizetype n = 1; n <= anzahl && n <= 9; ++n) {
    const QString p = QLatin1Char('%') + QString::number(n);
    if (deutsch.contains(p) != uebersetzt.contains(p)) return false;
  }
  return true;
}

QMutex& sperre() {
  static QMutex m;
  return m;
}

std::shared_ptr<const Uebersetzer>& aktueller() {
  static std::shared_ptr<const Uebersetzer> u;
  return u;
}

}  // namespace

void setzeUebersetzer(Uebersetzer uebersetzer) {
  auto neu = uebersetzer ? std::make_shared<const Uebersetzer>(std::move(uebersetzer)) : nullptr;
  const QMutexLocker lock(&sperre());
  aktueller() = std::move(neu);
}

QString uebersetzt(const QString& deutsch, const QStringList& argumente) {
  std::shared_ptr<const Uebersetzer> u;
  {
    const QMutexLocker lock(&sperre());
    u = aktueller();
  }
  QString vorlage = deutsch;
  if (u) {
    const QString t = (*u)(deutsch);
    if (!t.isEmpty() && gleichePlatzhalter(deutsch, t, argumente.size())) vorlage = t;
  }
  return fuelle(vorlage, argumente);
}

Fehler::Fehler(const QString& deutsch, const QStringList& argumente)
    : std::runtime_error(fuelle(deutsch, argumente).toStdString()),
      text_(fuelle(deutsch, argumente)),
      vorlage_(deutsch),
      argumente_(argumente) {}

}  // namespace plattform
