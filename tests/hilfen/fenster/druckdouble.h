#pragma once
#include <QImage>
#include <QList>
#include <optional>

#include "plattform/fenster/berichtsdruck.h"

// Prints into pictures (96 dpi, no background, as a print draws the page) and answers the page
// setup from a script. Installed for as long as the object lives.
class DruckProtokoll final : public plattform::Berichtsdruck {
 public:
  struct Einrichtung {
    int PaperSize;
    double PaperWidth, PaperHeight;  // mm, as the page lies
    bool Querformat;
  };
  QList<QList<QImage>> drucke;         // one entry per print: its pages
  QList<plattform::VorbereiteterBericht> berichte;
  bool druckAbbrechen = false;         // Cancel in the print dialog
  std::optional<Einrichtung> einrichtung;  // empty: Cancel in the page setup
  int seitenEinrichtungen = 0;

  bool drucken(const plattform::VorbereiteterBericht& b) override;
  bool seiteEinrichten(plattform::Berichtsseite& s) override;
};

// Installs a fresh print double and returns it (owned by the platform layer).
DruckProtokoll& installiereDruckDouble();
