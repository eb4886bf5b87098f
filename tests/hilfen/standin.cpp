#include "hilfen/standin.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

#include "plattform/formate.h"

StandInServer::StandInServer(bool demo) {
  QStringList args{QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                   QStringLiteral("0"), QStringLiteral("--data"), ordner_.path()};
  if (demo) args << QStringLiteral("--demo");
  // The log goes to a file: a pipe that nobody drains while a test waits for its answers would
  // fill up and stop the server.
  prozess_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  prozess_.setStandardOutputFile(logdatei());
  // A test that dies on the way takes its server with it.
  prozess_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
  prozess_.start(QStringLiteral(ZK_SERVER_EXE), args);
  if (!prozess_.waitForStarted(10000)) return;
  static const QRegularExpression bereit(QStringLiteral("listening on http://127\\.0\\.0\\.1:(\\d+)"));
  QElapsedTimer uhr;
  uhr.start();
  while (uhr.elapsed() < 20000 && prozess_.state() == QProcess::Running) {
    liesProtokoll();
    const auto m = bereit.match(QString::fromUtf8(log_));
    if (m.hasMatch()) {
      port_ = m.captured(1).toInt();
      return;
    }
    QThread::msleep(10);
  }
}

StandInServer::~StandInServer() {
  if (prozess_.state() != QProcess::NotRunning) stoppen(SIGTERM);
}

int StandInServer::stoppen(int signal) {
  if (prozess_.state() == QProcess::NotRunning) return prozess_.exitCode();
  ::kill(static_cast<pid_t>(prozess_.processId()), signal);
  if (!prozess_.waitForFinished(10000)) {
    prozess_.kill();
    prozess_.waitForFinished(5000);
    return -1;
  }
  liesProtokoll();
  return prozess_.exitStatus() == QProcess::NormalExit ? prozess_.exitCode() : -1;
}

QString StandInServer::url() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }

void StandInServer::alsServerDesProgramms() const {
  qputenv("ZK_DOWNLOAD_URL", url().toUtf8());
  qputenv("ZK_WEB_URL", url().toUtf8());
}

void StandInServer::setzeDatei(const QString& relativ, const QByteArray& inhalt) const {
  const QString pfad = ordner_.path() + QLatin1Char('/') + relativ;
  QDir().mkpath(QFileInfo(pfad).absolutePath());
  QFile f(pfad);
  if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
}

void StandInServer::setzeZiehungen(const QDate& tag, const QByteArray& antwort) const {
  setzeDatei(QStringLiteral("zahlen/") + plattform::yyyymmdd(tag) + QStringLiteral(".txt"), antwort);
}

void StandInServer::liesProtokoll() {
  // The server logs a request before its answer leaves, so whatever a client has received
  // is in the file already.
  QFile f(logdatei());
  if (f.open(QIODevice::ReadOnly)) log_ = f.readAll();
}

QStringList StandInServer::anfragen() {
  liesProtokoll();
  static const QRegularExpression zeile(QStringLiteral(" (?:GET|HEAD) (\\S+) \\d+ \\d+ \""),
                                        QRegularExpression::MultilineOption);
  QStringList ziele;
  auto it = zeile.globalMatch(QString::fromUtf8(log_));
  while (it.hasNext()) ziele << it.next().captured(1);
  return ziele;
}

QStringList StandInServer::angefragteTage() {
  static const QRegularExpression tag(QStringLiteral("^/zahlen/lotto_neu\\.asp\\?Programm=Zelano&Datum=(\\d{8})$"));
  QStringList tage;
  for (const QString& z : anfragen()) {
    const auto m = tag.match(z);
    if (m.hasMatch()) tage << m.captured(1);
  }
  return tage;
}
