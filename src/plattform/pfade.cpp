#include "plattform/pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace plattform {
namespace {
QString& programmpfadUeberschrieben() {
  static QString pfad;
  return pfad;
}
QString umgebung(const char* name) { return qEnvironmentVariable(name); }
}  // namespace

QString mitTrenner(const QString& ordner) {
  if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/'))) return ordner;
  return ordner + QLatin1Char('/');
}

QString AppDatenPfad() {
  const QString appdata = umgebung("APPDATA");
  if (!appdata.isEmpty()) return mitTrenner(QDir::fromNativeSeparators(appdata));
  QString xdg = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (xdg.isEmpty()) xdg = QDir::homePath() + QStringLiteral("/.local/share");
  return mitTrenner(xdg);
}

QString Programmpfad() {
  if (!programmpfadUeberschrieben().isEmpty()) return programmpfadUeberschrieben();
  return mitTrenner(QCoreApplication::applicationDirPath());
}

void setzeProgrammpfad(const QString& ordner) { programmpfadUeberschrieben() = mitTrenner(ordner); }

QString DownloadServer() {
  const QString s = umgebung("ZK_DOWNLOAD_URL");
  return s.isEmpty() ? QStringLiteral(ZK_DOWNLOAD_URL_DEFAULT) : s;
}

QString WebServer() {
  const QString s = umgebung("ZK_WEB_URL");
  return s.isEmpty() ? QStringLiteral(ZK_WEB_URL_DEFAULT) : s;
}

}  // namespace plattform
