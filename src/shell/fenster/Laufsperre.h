#pragma once
#include "shell/programmzustand.h"

// While a generation run draws its tips, the window still handles input (so that "Stoppen"
// works). Commands that would change the draw history, the current draw, the tip sheet, the
// list or the language meanwhile are refused with one plain message.
bool abgelehntWeilBerechnungLaeuft(const Programmzustand& z);
