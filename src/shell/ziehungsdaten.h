#pragma once
#include <QString>
#include <memory>
#include <span>
#include <vector>

#include "plattform/dateien.h"
#include "shell/ziehung.h"

// What a run that reads the history again and again keeps of it: while it is switched on (a
// count of the commands that want it) and the file keeps its size and modification time, a
// read gives the records read before instead of reading the file again.
struct Historienpuffer {
  int an = 0;
  bool gueltig = false;
  QString pfad;
  plattform::Dateistand stand;
  std::shared_ptr<const std::vector<Ziehung>> saetze;
};

// The draw history: the file Home + ZahlenFile, a plain sequence of Ziehung records in date
// order. Every command reads it whole with one read and works in whole records; a trailing
// piece shorter than a record is never read and never built upon. Nothing keeps the file open
// between two calls. Failures raise plattform::Fehler with a readable text.
class Ziehungsdaten {
 public:
  // home ends with a separator; dateiname is ZahlenFile ("ZahlenQV.dat").
  Ziehungsdaten(QString home, QString dateiname, Historienpuffer* puffer = nullptr);

  const QString& pfad() const { return pfad_; }
  bool existiert() const;
  // The temporary names of the two rebuilds.
  QString tempLoeschen() const { return home_ + QStringLiteral("ZahlenQV.da~"); }
  QString tempEingabe() const { return pfad_ + QLatin1Char('~'); }

  // Every whole record, in file order. A missing file is an error.
  std::vector<Ziehung> lesen() const;
  // The same records, shared with the buffer while it is on instead of copied.
  std::shared_ptr<const std::vector<Ziehung>> lesenGeteilt() const;
  static std::vector<Ziehung> zerlege(const QByteArray& inhalt);

  // Deletes the history file; a missing file is fine. Raises plattform::Fehler when it stays.
  void loeschen() const;

  // Creates an empty history when there is none.
  void erzeugeLeerWennFehlt() const;

  // Appends at the end (the file is created when missing), after cutting off a trailing short
  // piece; the records have reached the disk when this returns.
  void anhaengen(const Ziehung& z) const;
  void anhaengen(std::span<const Ziehung> saetze) const;

  // Writes the complete new history under tempName, flushed, then puts it in the place of the
  // history in one step. When writing fails, the history stays as it was and the partial
  // temporary file is removed; when the replacement fails, the history stays as it was and the
  // temporary file remains beside it.
  void ersetzen(const std::vector<Ziehung>& saetze, const QString& tempName) const;

  // Copies the whole records of quelle to ziel (the seed copy of the program folder).
  static void kopiereGanzeSaetze(const QString& quelle, const QString& ziel);

 private:
  QString home_;
  QString pfad_;
  Historienpuffer* puffer_ = nullptr;
};
