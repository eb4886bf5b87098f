#include "shell/fenster/Laufsperre.h"

#include "plattform/fenster/dienste.h"

bool abgelehntWeilBerechnungLaeuft(const Programmzustand& z) {
  if (!z.Berechnunglaeuft) return false;
  plattform::dialoge().nachricht(QStringLiteral(
      "Die Tipps werden gerade berechnet. Bitte warten Sie, bis die Berechnung beendet ist, oder stoppen Sie sie."));
  return true;
}
