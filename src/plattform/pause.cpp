#include "plattform/pause.h"

#include <QThread>

namespace plattform {
namespace {
std::function<void(int)>& ersatz() {
  static std::function<void(int)> f;
  return f;
}
}  // namespace

void pause(int ms) {
  if (ersatz()) {
    ersatz()(ms);
    return;
  }
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void setzePause(std::function<void(int)> f) { ersatz() = std::move(f); }

}  // namespace plattform
