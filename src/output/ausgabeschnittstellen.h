#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "output/tippdatei.h"

// What the tip files, the text list and the hand-offs ask of the main window's panels.

// The tip sheet and the list view.
class Tippablage {
 public:
  virtual ~Tippablage() = default;
  virtual bool listenansichtGezeigt() const = 0;
  // The texts of the seven fields of rows 1..12, as they stand.
  virtual tippdatei::Blatt blatt() const = 0;
  virtual QStringList listenzeilen() const = 0;
  // The tip count (UpDown8).
  virtual int tippanzahl() const = 0;
  // Row k (1..12), locked or not, receives the texts; each field keeps what its own check
  // leaves of them.
  virtual void zeileSetzen(int k, const tippdatei::Feldtexte& texte) = 0;
  virtual void listeErsetzen(const QStringList& zeilen) = 0;
  // Clearing all tips, with its question.
  virtual void SpeedButton11Click() = 0;
  virtual int Listengewinncheck() = 0;
};

// The end date of the date window and showing its draw.
class Ziehungswahl {
 public:
  virtual ~Ziehungswahl() = default;
  virtual QDate endeDatum() const = 0;  // DateTimePicker1
  // Shows the draw of the end date and checks the tips against it.
  virtual void SpeedButton5Click() = 0;
};
