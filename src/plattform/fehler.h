#pragma once
#include <QString>
#include <stdexcept>

namespace plattform {

// A failure that ends a command with its message; the handler boundary shows the text.
class Fehler : public std::runtime_error {
 public:
  explicit Fehler(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

}  // namespace plattform
