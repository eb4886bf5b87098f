#include "shell/fenster/Einstellungen.h"

#include "shell/fenster/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"

namespace Einstellungen {
void lesen(TForm1&) {}
void schreiben(TForm1& form) {
  // Right after the window size: the list files when the list view is shown and holds lines.
  form.Schein->listendateienSchreiben();
}
}  // namespace Einstellungen
