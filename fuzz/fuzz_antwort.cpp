// Server answers: a day's draws and a day's quotas; any bytes are read line by line (or as a
// whole) without a crash, and a line that is read holds only numbers a record can keep.
#include "fuzzhilfe.h"
#include "shell/ziehungsdownload.h"
#include "stats/auswertung.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const QString text = antworttext(fuzzhilfe::bytes(daten, n));
  for (const QString& zeile : antwortzeilen(text)) {
    const auto z = liesAntwortzeile(zeile);
    if (!z) continue;
    for (const auto zahl : z->zahlen)
      if (zahl < 1 || zahl > 55) std::abort();
    (void)downloadSatz(QDate(2024, 1, 15), *z, {});
  }
  const auswertung::Quotenantwort a = auswertung::liesQuotenantwort(text);
  for (const QChar dezimal : {QLatin1Char(','), QLatin1Char('.')}) (void)auswertung::quotenfelder(a, dezimal);
  return 0;
}
