#pragma once
#include <QByteArray>
#include <QDate>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The project's stand-in server as a real process on 127.0.0.1 with a free port and its own
// data folder. Stops with SIGTERM when the object goes.
class StandInServer {
 public:
  explicit StandInServer(bool demo = false);
  ~StandInServer();
  StandInServer(const StandInServer&) = delete;
  StandInServer& operator=(const StandInServer&) = delete;

  bool laeuft() const { return port_ > 0; }
  int port() const { return port_; }
  QString url() const;  // "http://127.0.0.1:<port>"
  QString daten() const { return ordner_.path(); }

  // Points the program's download and web server addresses at this server.
  void alsServerDesProgramms() const;

  // The body of the draw request for one day (byte for byte).
  void setzeZiehungen(const QDate& tag, const QByteArray& antwort) const;
  void setzeDatei(const QString& relativ, const QByteArray& inhalt) const;

  // The request targets logged so far ("/zahlen/lotto_neu.asp?Programm=..."), oldest first.
  QStringList anfragen();
  // Only the days asked for with the draw request, as "yyyymmdd".
  QStringList angefragteTage();
  // Stops the server and returns its exit code (for the clean-stop test).
  int stoppen(int signal);
  QString protokoll() {
    liesProtokoll();
    return QString::fromUtf8(log_);
  }

 private:
  void liesProtokoll();
  QString logdatei() const { return protokollOrdner_.filePath(QStringLiteral("server.log")); }
  QTemporaryDir ordner_;
  QTemporaryDir protokollOrdner_;
  QProcess prozess_;
  QByteArray log_;
  int port_ = 0;
};
