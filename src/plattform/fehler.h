#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

namespace plattform {

// Texts of the lower layers that a user reads, in the chosen language. The program sets the
// lookup from a German text with its "%1".."%9" to that text in the chosen language whenever the
// language changes; without one, or where it knows no text, the German one stays.
using Uebersetzer = std::function<QString(const QString& deutsch)>;
void setzeUebersetzer(Uebersetzer uebersetzer);
// The German text in the chosen language, with "%1".."%9" replaced by the arguments in one pass
// (an argument that holds "%2" itself stays as it is).
QString uebersetzt(const QString& deutsch, const QStringList& argumente = {});

// A failure that ends a command with its message; the handler boundary shows the text.
class Fehler : public std::runtime_error {
 public:
  explicit Fehler(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  // A message the user reads: the German text with its arguments, shown in the language that is
  // chosen when it is shown.
  Fehler(const QString& deutsch, const QStringList& argumente);
  QString text() const { return vorlage_.isEmpty() ? text_ : uebersetzt(vorlage_, argumente_); }

 private:
  QString text_;
  QString vorlage_;
  QStringList argumente_;
};

}  // namespace plattform
