// The draw history file: every record of any bytes is read and shown, searched and exported
// without a crash.
#include "fuzzhilfe.h"
#include "shell/ziehungsdaten.h"
#include "shell/ziehungsdownload.h"
#include "shell/ziehungssuche.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::vector<Ziehung> saetze = Ziehungsdaten::zerlege(fuzzhilfe::bytes(daten, n));
  for (const Ziehung& z : saetze) {
    (void)z.maske();
    (void)z.quersumme();
    (void)anzeigetext(z, Anzeigeart::zeigen, false);
    if (const auto tag = z.tag()) (void)sucheAbTag(saetze, *tag);
  }
  (void)downloadBeginn(saetze.empty() ? std::nullopt : std::optional<Ziehung>(saetze.back()));
  (void)textExport(saetze);
  (void)naechsterSatz(saetze, 0, Ziehungszeitfilter{});
  return 0;
}
