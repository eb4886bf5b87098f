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

// How a Rohserver's answer goes out. A client that hangs up ends it early.
struct Rohsendung {
  int tropfenMs = 0;    // > 0: one byte of the answer every tropfenMs
  qint64 fuellung = 0;  // then this many bytes 'x' without a line break, made as they go
};

// Answers every request on 127.0.0.1 with the same raw HTTP answer (status line, headers and
// body as given), for what the stand-in never sends (redirects, odd status lines, hostile
// answers). One request per connection, one connection at a time.
class Rohserver {
 public:
  explicit Rohserver(QByteArray antwort, Rohsendung art = {});
  ~Rohserver();
  Rohserver(const Rohserver&) = delete;
  Rohserver& operator=(const Rohserver&) = delete;
  int port() const { return port_; }
  QString url() const;
  int anfragen() const { return anfragen_; }
  QByteArray letzteAnfrage() const;
  qint64 gesendet() const { return gesendet_; }  // bytes that left, over all connections

 private:
  void bedienen();
  void senden(int c);
  QByteArray antwort_;
  Rohsendung art_;
  std::atomic<bool> ende_{false};
  std::atomic<qint64> gesendet_{0};
  int fd_ = -1;
  int port_ = 0;
  std::atomic<int> anfragen_{0};
  mutable std::mutex sperre_;
  QByteArray letzte_;
  std::thread faden_;
};
