#pragma once

namespace plattform {

// Sets a "command running" flag for its lifetime: every way out of the command, an exception
// included, clears it again.
class Laufschutz {
 public:
  explicit Laufschutz(bool& flagge) : flagge_(flagge) { flagge_ = true; }
  ~Laufschutz() { flagge_ = false; }
  Laufschutz(const Laufschutz&) = delete;
  Laufschutz& operator=(const Laufschutz&) = delete;

 private:
  bool& flagge_;
};

}  // namespace plattform
