// Value lists of the number-selection dialog: any file is read (or refused) and applied, and the
// weight rule runs over every number, without a crash.
#include "fuzzhilfe.h"
#include "plattform/fehler.h"
#include "shell/werteliste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  QStringList zeilen;
  try {
    zeilen = Werteliste::liesDatei(fuzzhilfe::alsDatei(QStringLiteral("werte.txt"), fuzzhilfe::bytes(daten, n)));
  } catch (const plattform::Fehler&) {
    return 0;
  }
  Werteliste w;
  w.uebernimm(zeilen, 55);
  for (int k = 1; k <= Werteliste::kAnzahl; ++k) {
    w.setzeMinus(k % 2 == 0);
    w.gewichtsregel(k);
  }
  (void)w.alsZeilen(55);
  return 0;
}
