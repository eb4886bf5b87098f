#pragma once
#include <QCursor>
#include <QGuiApplication>

namespace plattform {

// The hourglass cursor for the length of a command, restored on every way out.
class Sanduhr {
 public:
  Sanduhr() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Sanduhr() { QGuiApplication::restoreOverrideCursor(); }
  Sanduhr(const Sanduhr&) = delete;
  Sanduhr& operator=(const Sanduhr&) = delete;
};

}  // namespace plattform
