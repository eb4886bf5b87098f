#include "shell/fenster/Einstellungen.h"

#include "shell/fenster/LottoZahlen.h"

namespace Einstellungen {
void lesen(TForm1&) {}
void schreiben(TForm1&) {}
}  // namespace Einstellungen
