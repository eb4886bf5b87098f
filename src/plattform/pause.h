#pragma once
#include <functional>

namespace plattform {

// Blocks the calling thread for ms milliseconds; no input is handled meanwhile.
void pause(int ms);
// Tests record the pauses instead of waiting; an empty function restores the real pause.
void setzePause(std::function<void(int)> ersatz);

}  // namespace plattform
