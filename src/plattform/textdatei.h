#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace plattform {

// The system's ANSI code page is Windows-1252.
QString ausAnsi(const QByteArray& bytes);
QByteArray zuAnsi(const QString& text);  // characters outside the code page become '?'

// Lines split at CR LF, LF or CR; a last line without ending counts. Raises Fehler when
// the file cannot be read.
QStringList leseAnsiZeilen(const QString& pfad);
// Reads UTF-8 or UTF-16 (LE/BE) when a byte-order mark says so, else the ANSI code page.
QStringList leseZeilenMitBom(const QString& pfad);
QString dekodiereMitBom(const QByteArray& bytes);

// Writes the lines with CR LF after each, completely, before it replaces the old file.
// Raises Fehler when that fails; the old file then stays as it was.
void schreibeAnsiZeilen(const QString& pfad, const QStringList& zeilen);
// Writes bytes atomically (temp file, flush, rename); raises Fehler on failure.
void schreibeDateiAtomar(const QString& pfad, const QByteArray& inhalt);
// Test hook: after n further successful writes every write fails half-way; -1 switches it off.
void schreibfehlerNach(int n);

QStringList zerlegeZeilen(const QString& text);

}  // namespace plattform
