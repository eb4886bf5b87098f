// Report templates (coupon layouts): any bytes, plain or compressed, are loaded (or refused)
// and prepared without a crash.
#include "fuzzhilfe.h"
#include "plattform/reportvorlage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  plattform::Report r;
  if (r.ladeDaten(fuzzhilfe::bytes(daten, n)) != plattform::Report::Laden::geladen) return 0;
  for (const plattform::Berichtsseite& s : r.seiten()) {
    (void)r.objekt(s.Name);
    for (const plattform::Berichtsobjekt& o : s.objekte) (void)r.objekt(o.Name);
  }
  (void)r.vorbereiten();
  return 0;
}
