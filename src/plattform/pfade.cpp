#include "plattform/pfade.h"

#include <QCoreApplication>
#include <QDir>

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

QString benutzerOrdner(const char* xdgVariable, const char* unterHome) {
  // The XDG rule itself rather than QStandardPaths, which a test mode would bend.
  const QString xdg = umgebung(xdgVariable);
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return mitTrenner(QDir::cleanPath(xdg));
  return mitTrenner(QDir::homePath() + QLatin1Char('/') + QLatin1String(unterHome));
}

QString AppDatenPfad() {
  const QString appdata = umgebung("APPDATA");
  if (!appdata.isEmpty()) return mitTrenner(QDir::fromNativeSeparators(appdata));
  // Windows always has the APPDATA folder; a fresh account here may still lack the data home.
  const QString ordner = benutzerOrdner("XDG_DATA_HOME", ".local/share");
  QDir().mkpath(ordner);
  return ordner;
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
