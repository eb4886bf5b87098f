#include "hilfen/fenster/druckdouble.h"

bool DruckProtokoll::drucken(const plattform::VorbereiteterBericht& b) {
  if (druckAbbrechen) return false;
  QList<QImage> seiten;
  for (const plattform::Berichtsseite& s : b.seiten) seiten << plattform::seitenbild(s, 1.0, false);
  drucke << seiten;
  berichte << b;
  return true;
}

bool DruckProtokoll::seiteEinrichten(plattform::Berichtsseite& s) {
  ++seitenEinrichtungen;
  if (!einrichtung) return false;
  s.PaperSize = einrichtung->PaperSize;
  s.PaperWidth = einrichtung->PaperWidth;
  s.PaperHeight = einrichtung->PaperHeight;
  s.Querformat = einrichtung->Querformat;
  return true;
}

DruckProtokoll& installiereDruckDouble() {
  auto d = std::make_unique<DruckProtokoll>();
  DruckProtokoll& r = *d;
  plattform::setzeBerichtsdruck(std::move(d));
  return r;
}
