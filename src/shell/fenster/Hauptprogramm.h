#pragma once

// The program entry once the application object exists: locale, title, the windows in their
// creation order, the completion of the start, the message loop. Returns the loop's exit code.
int Hauptprogramm();
