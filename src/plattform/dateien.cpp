#include "plattform/dateien.h"

#include "plattform/fehler.h"

#include <QFile>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace plattform {
namespace {

Dateifehler& simuliert() {
  static Dateifehler stelle = Dateifehler::keiner;
  return stelle;
}

Fehler nichtGeschrieben(const QString& pfad) {
  return Fehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden."), {pfad});
}

// write() may take the bytes in pieces; a short write that makes no progress is a failure.
bool schreibeAlles(QFile& f, const QByteArray& inhalt) {
  qint64 geschrieben = 0;
  const qint64 n = inhalt.size();
  if (simuliert() == Dateifehler::schreiben) {
    f.write(inhalt.constData(), n / 2);
    return false;
  }
  while (geschrieben < n) {
    const qint64 k = f.write(inhalt.constData() + geschrieben, n - geschrieben);
    if (k <= 0) return false;
    geschrieben += k;
  }
  return f.flush() && ::fsync(f.handle()) == 0;
}

}  // namespace

void simuliereDateifehler(Dateifehler stelle) { simuliert() = stelle; }

QByteArray liesDatei(const QString& pfad) {
  QFile f(pfad);
  if (!f.exists()) throw Fehler(QStringLiteral("Die Datei %1 wurde nicht gefunden."), {pfad});
  if (!f.open(QIODevice::ReadOnly))
    throw Fehler(QStringLiteral("Die Datei %1 kann nicht geöffnet werden."), {pfad});
  QByteArray inhalt = f.readAll();
  if (f.error() != QFileDevice::NoError)
    throw Fehler(QStringLiteral("Die Datei %1 kann nicht gelesen werden."), {pfad});
  return inhalt;
}

void schreibeGesichert(const QString& pfad, const QByteArray& inhalt) {
  QFile f(pfad);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw nichtGeschrieben(pfad);
  if (!schreibeAlles(f, inhalt)) {
    f.close();
    f.remove();
    throw nichtGeschrieben(pfad);
  }
  f.close();
}

void ersetzeDurch(const QString& ziel, const QString& quelle) {
  // rename() replaces the target atomically; QFile::rename would refuse an existing target.
  if (simuliert() == Dateifehler::ersetzen ||
      std::rename(QFile::encodeName(quelle).constData(), QFile::encodeName(ziel).constData()) != 0)
    throw Fehler(QStringLiteral("Die Datei %1 kann nicht durch %2 ersetzt werden."), {ziel, quelle});
}

void haengeAnImRaster(const QString& pfad, const QByteArray& inhalt, qint64 raster) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadWrite)) throw nichtGeschrieben(pfad);
  const qint64 laenge = f.size();
  const qint64 ganz = raster > 0 ? laenge - laenge % raster : laenge;
  if (ganz != laenge && !f.resize(ganz)) throw nichtGeschrieben(pfad);
  if (!f.seek(ganz) || !schreibeAlles(f, inhalt)) {
    // Take back a partial append so that the file stays on whole units.
    f.resize(ganz);
    throw nichtGeschrieben(pfad);
  }
}

std::optional<Dateistand> dateistand(const QString& pfad) {
  struct stat st {};
  if (::stat(QFile::encodeName(pfad).constData(), &st) != 0) return std::nullopt;
  return Dateistand{static_cast<qint64>(st.st_size),
                    static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace plattform
