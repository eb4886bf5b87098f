#pragma once
#include <functional>

namespace plattform {

// SIGTERM, SIGINT and SIGHUP (a session that logs out, Ctrl+C in a terminal) do not end the
// program at once: `beimEnde` runs in the event loop instead, as the closing of the main window
// would, so the settings are written. Installing again replaces the callback; nullptr keeps the
// signals caught and does nothing with them.
void beiEndesignal(std::function<void()> beimEnde);

}  // namespace plattform
