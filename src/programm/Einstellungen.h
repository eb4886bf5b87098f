#pragma once
#include <QString>

class TForm1;

// The settings: one typed value per persisted control under the current user's key
// "\SOFTWARE\Kestrell\Zelano", read at start into the controls and written back at exit.
namespace Einstellungen {
// The key below HKEY_CURRENT_USER; created when missing, at start and at exit.
const QString& schluessel();
// At creation: every group in its order; a failure inside a group ends that group only.
void lesen(TForm1& form);
// Once every window exists: "Edit1F8" to "Edit6F8" into the coupon dialog's Edit1 to Edit6, in a
// group of their own; a value of another type is skipped.
void scheinLesen();
// Shutdown: the write-back in its order under one guard (the first failure ends it silently),
// the list-view files right after the window size.
void schreiben(TForm1& form);
}  // namespace Einstellungen
