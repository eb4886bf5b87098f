#include "hilfen/rohserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

Rohserver::Rohserver(QByteArray antwort) : antwort_(std::move(antwort)) {
  fd_ = lauschen(port_);
  if (fd_ >= 0) faden_ = std::thread([this] { bedienen(); });
}

Rohserver::~Rohserver() {
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
    ::send(c, antwort_.constData(), static_cast<size_t>(antwort_.size()), MSG_NOSIGNAL);
    ::close(c);
  }
}
