#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace plattform {

// Binary data files that must survive a crash: whatever these functions report as written
// has reached the disk. Each raises Fehler with a readable text when it fails.

// Reads the whole file with one read.
QByteArray liesDatei(const QString& pfad);

// A file's size and modification time (ns since the epoch), nothing for a missing file. No time
// zone is involved, so it is cheap enough to ask before every read.
struct Dateistand {
  qint64 groesse = -1;
  qint64 zeit = 0;
  bool operator==(const Dateistand&) const = default;
};
std::optional<Dateistand> dateistand(const QString& pfad);

// Writes the bytes as the complete new content of pfad (created or truncated), flushed to the
// disk. A failure removes the partial file.
void schreibeGesichert(const QString& pfad, const QByteArray& inhalt);

// Puts the file quelle in the place of ziel in one step: afterwards ziel holds either its old
// content or the new one, never a mixture. On failure both files stay as they were.
void ersetzeDurch(const QString& ziel, const QString& quelle);

// Appends the bytes to pfad (created when missing) and flushes them to the disk. When the
// file's length is not a multiple of raster, the trailing short piece is cut off first, so
// that what is appended starts on a whole unit.
void haengeAnImRaster(const QString& pfad, const QByteArray& inhalt, qint64 raster);

// Test hook: the writes of this module fail at the chosen step.
enum class Dateifehler { keiner, schreiben, ersetzen };
void simuliereDateifehler(Dateifehler stelle);

}  // namespace plattform
