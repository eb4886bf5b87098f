#include "hilfen/rohserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace {

// A listening socket on 127.0.0.1 with a free port; -1 when that fails.
int lauschen(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t l = sizeof a;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), l) != 0 || ::listen(fd, 16) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l) != 0) {
    if (fd >= 0) ::close(fd);
    return -1;
  }
  port = ntohs(a.sin_port);
  return fd;
}

QString adresse(int port) { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

}  // namespace

StummerServer::StummerServer() { fd_ = lauschen(port_); }
StummerServer::~StummerServer() {
  if (fd_ >= 0) ::close(fd_);
}
QString StummerServer::url() const { return adresse(port_); }

Rohserver::Rohserver(QByteArray antwort, Rohsendung art) : antwort_(std::move(antwort)), art_(art) {
  fd_ = lauschen(port_);
  if (fd_ >= 0) faden_ = std::thread([this] { bedienen(); });
}

Rohserver::~Rohserver() {
  ende_ = true;
  if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);  // wakes accept()
  if (faden_.joinable()) faden_.join();
  if (fd_ >= 0) ::close(fd_);
}

QString Rohserver::url() const { return adresse(port_); }

QByteArray Rohserver::letzteAnfrage() const {
  std::lock_guard<std::mutex> halt(sperre_);
  return letzte_;
}

void Rohserver::bedienen() {
  for (;;) {
    const int c = ::accept(fd_, nullptr, nullptr);
    if (c < 0) return;
    // A client that neither sends nor reads cannot hold the server, nor the test that ends it.
    const timeval warten{2, 0};
    ::setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &warten, sizeof warten);
    ::setsockopt(c, SOL_SOCKET, SO_SNDTIMEO, &warten, sizeof warten);
    QByteArray anfrage;
    char puffer[1024];
    while (!anfrage.contains("\r\n\r\n")) {
      const ssize_t n = ::recv(c, puffer, sizeof puffer, 0);
      if (n <= 0) break;
      anfrage.append(puffer, static_cast<qsizetype>(n));
    }
    {
      std::lock_guard<std::mutex> halt(sperre_);
      letzte_ = anfrage;
    }
    ++anfragen_;
    senden(c);
    ::close(c);
  }
}

void Rohserver::senden(int c) {
  const auto schicke = [this, c](const char* daten, size_t n) {
    const ssize_t r = ::send(c, daten, n, MSG_NOSIGNAL);
    if (r > 0) gesendet_ += r;
    return r == ssize_t(n);
  };
  if (art_.tropfenMs <= 0) {
    if (!schicke(antwort_.constData(), static_cast<size_t>(antwort_.size()))) return;
  } else {
    for (qsizetype i = 0; i < antwort_.size(); ++i) {
      if (ende_ || !schicke(antwort_.constData() + i, 1)) return;
      // Short naps, so that the server ends soon when the test is over.
      for (int ms = 0; ms < art_.tropfenMs && !ende_; ms += 10) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  const QByteArray stueck(64 * 1024, 'x');
  for (qint64 rest = art_.fuellung; rest > 0 && !ende_;) {
    const qint64 n = std::min<qint64>(rest, stueck.size());
    if (!schicke(stueck.constData(), static_cast<size_t>(n))) return;
    rest -= n;
  }
}
