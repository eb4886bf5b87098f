#pragma once
#include <cstdint>

namespace plattform {

// The one shared random generator: state := state * 134775813 + 1 (mod 2^32),
// Random(N) = high 32 bits of state * N. Engine, tip editor, number dialog and
// ticket numbers all draw from it, so a lucky number reproduces a whole run.
struct Zufall {
  static std::uint32_t RandSeed;
  static std::uint32_t Random(std::uint32_t n) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandSeed) * n) >> 32);
  }
  // Seeds from the clock: the milliseconds of the day.
  static void Randomize();
};

}  // namespace plattform
