#include "hilfen/testumgebung.h"

#include "plattform/dateien.h"
#include "plattform/pfade.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
void kopiereOrdner(const QString& von, const QString& nach) {
  QDir().mkpath(nach);
  QDirIterator it(von, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString quelle = it.next();
    const QString ziel = nach + QLatin1Char('/') + QDir(von).relativeFilePath(quelle);
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    QFile::copy(quelle, ziel);
  }
}
}  // namespace

Testumgebung::Testumgebung() {
  QStandardPaths::setTestModeEnabled(true);
  QDir(wurzel_.path()).mkpath(QStringLiteral("appdata"));
  QDir(wurzel_.path()).mkpath(QStringLiteral("registry"));
  kopiereOrdner(QStringLiteral(ZK_QUELLDATEN), wurzel_.path() + QStringLiteral("/programm"));
  qputenv("APPDATA", appdata().toUtf8());
  qputenv("ZK_REGISTRY_DIR", registryOrdner().toUtf8());
  qputenv("XDG_DATA_HOME", (wurzel_.path() + QStringLiteral("/xdg-data")).toUtf8());
  qputenv("XDG_CONFIG_HOME", (wurzel_.path() + QStringLiteral("/xdg-config")).toUtf8());
  // No test reaches a server by chance: showing the main window runs the download, which finds
  // no server under this address at once. Network tests start their own stand-in.
  qputenv("ZK_DOWNLOAD_URL", "kein-server://");
  qputenv("ZK_WEB_URL", "kein-server://");
  plattform::setzeProgrammpfad(programmordner());
  plattform::Registry::verwerfen();
  plattform::Registry::fehlerNachSchreibvorgaengen(-1);
  plattform::schreibfehlerNach(-1);
  plattform::zugriffVerweigertIn(QString());
  plattform::simuliereDateifehler(plattform::Dateifehler::keiner);
}

Testumgebung::~Testumgebung() {
  plattform::Registry::verwerfen();
  plattform::Registry::fehlerNachSchreibvorgaengen(-1);
  plattform::schreibfehlerNach(-1);
  plattform::zugriffVerweigertIn(QString());
  plattform::simuliereDateifehler(plattform::Dateifehler::keiner);
}

QString Testumgebung::appdata() const { return wurzel_.path() + QStringLiteral("/appdata/"); }
QString Testumgebung::home() const { return appdata() + QStringLiteral("ZahlenKennerQV/"); }
QString Testumgebung::programmordner() const { return wurzel_.path() + QStringLiteral("/programm/"); }
QString Testumgebung::registryOrdner() const { return wurzel_.path() + QStringLiteral("/registry"); }

void Testumgebung::schreibe(const QString& pfad, const QByteArray& inhalt) {
  QDir().mkpath(QFileInfo(pfad).absolutePath());
  QFile f(pfad);
  if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
}

QByteArray Testumgebung::lies(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
