#include "plattform/endesignal.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace plattform {
namespace {

int rohr[2] = {-1, -1};

std::function<void()>& rueckruf() {
  static std::function<void()> f;
  return f;
}

// Only what a signal handler may do: one byte into the pipe.
extern "C" void signalErhalten(int) {
  const char b = 1;
  [[maybe_unused]] const ssize_t n = ::write(rohr[1], &b, 1);
}

}  // namespace

void beiEndesignal(std::function<void()> beimEnde) {
  rueckruf() = std::move(beimEnde);
  if (rohr[0] >= 0) return;
  if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
  // The notifier lives as long as the program; it reads in the event loop what the handler wrote.
  auto* melder = new QSocketNotifier(rohr[0], QSocketNotifier::Read);
  QObject::connect(melder, &QSocketNotifier::activated, [] {
    char puffer[16];
    while (::read(rohr[0], puffer, sizeof puffer) > 0) {
    }
    if (rueckruf()) rueckruf()();
  });
  struct sigaction sa {};
  sa.sa_handler = signalErhalten;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  for (int s : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(s, &sa, nullptr);
}

}  // namespace plattform
