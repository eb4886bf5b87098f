#include "shell/fenster/Laufsperre.h"

#include "plattform/fenster/dienste.h"

bool abgelehntWeilBerechnungLaeuft(const Programmzustand& z) {
  if (!z.Berechnunglaeuft) return false;
  plattform::dialoge().nachricht(z.M(Meldungstabelle::kBerechnungLaeuft));
  return true;
}
