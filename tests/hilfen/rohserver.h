#pragma once
#include <QByteArray>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

// A socket on 127.0.0.1 that takes connections into its backlog and never answers.
class StummerServer {
 public:
  StummerServer();
  ~StummerServer();
  StummerServer(const StummerServer&) = delete;
  StummerServer& operator=(const StummerServer&) = delete;
  int port() const { return port_; }
  QString url() const;

 private:
  int fd_ = -1;
  int port_ = 0;
};

// Answers every request on 127.0.0.1 with the same raw HTTP answer (status line, headers and
// body as given), for what the stand-in never sends (redirects, odd status lines). One request
// per connection.
class Rohserver {
 public:
  explicit Rohserver(QByteArray antwort);
  ~Rohserver();
  Rohserver(const Rohserver&) = delete;
  Rohserver& operator=(const Rohserver&) = delete;
  int port() const { return port_; }
  QString url() const;
  int anfragen() const { return anfragen_; }
  QByteArray letzteAnfrage() const;

 private:
  void bedienen();
  QByteArray antwort_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<int> anfragen_{0};
  mutable std::mutex sperre_;
  QByteArray letzte_;
  std::thread faden_;
};
