#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "plattform/fehler.h"

namespace plattform {

// A file that could not be written. text() names the file; grund() is the reason in the chosen
// language ("Zugriff verweigert." when the system refused access to the file or its folder, the
// full disk, or else the system's own words).
class Schreibfehler : public Fehler {
 public:
  Schreibfehler(const QString& pfad, const QString& grund, bool verweigert);
  QString grund() const { return uebersetzt(grund_); }
  bool zugriffVerweigert() const { return verweigert_; }

 private:
  QString grund_;
  bool verweigert_;
};

// A file that could not be opened for reading.
class NichtGeoeffnet : public Fehler {
 public:
  explicit NichtGeoeffnet(const QString& pfad);
};

// A file beyond the size its reader takes.
class DateiZuGross : public Fehler {
 public:
  explicit DateiZuGross(const QString& pfad);
};

// The system's ANSI code page is Windows-1252.
QString ausAnsi(const QByteArray& bytes);
QByteArray zuAnsi(const QString& text);  // characters outside the code page become '?'
bool ansiDarstellbar(const QString& text);  // every character has its own byte in the code page

// The bytes of a file of at most `max` bytes, read without taking more: nullopt for a larger
// file and for one that is no regular file (a device or a pipe may never end). Raises
// NichtGeoeffnet when it cannot be opened or read.
std::optional<QByteArray> liesHoechstens(const QString& pfad, qint64 max);

// Lines split at CR LF, LF or CR; a last line without ending counts. Raises Fehler when
// the file cannot be read.
QStringList leseAnsiZeilen(const QString& pfad);
// Reads UTF-8 or UTF-16 (LE/BE) when a byte-order mark says so, else the ANSI code page.
QStringList leseZeilenMitBom(const QString& pfad);
// The same for a file of at most grenze bytes: a larger one, or one without end, raises
// DateiZuGross after reading no more than one byte past the bound.
QStringList leseZeilenMitBom(const QString& pfad, qint64 grenze);
QString dekodiereMitBom(const QByteArray& bytes);

// Writes the lines with CR LF after each, completely, before it replaces the old file.
// Raises Fehler when that fails; the old file then stays as it was.
void schreibeAnsiZeilen(const QString& pfad, const QStringList& zeilen);
// Text for people: the ANSI code page when every character fits, else UTF-8 with a byte-order
// mark, so that no letter of a translation turns into '?'. CR LF after each line, atomic.
void schreibeTextZeilen(const QString& pfad, const QStringList& zeilen);
// Writes bytes atomically (temp file, flush, rename); raises Schreibfehler on failure.
void schreibeDateiAtomar(const QString& pfad, const QByteArray& inhalt);
// Test hook: after n further successful writes every write fails half-way; -1 switches it off.
void schreibfehlerNach(int n);
// Test hook: writes into this folder are refused as by missing write access ("" switches it
// off). Tests run as root, whom a read-only folder does not stop.
void zugriffVerweigertIn(const QString& ordner);

QStringList zerlegeZeilen(const QString& text);

}  // namespace plattform
