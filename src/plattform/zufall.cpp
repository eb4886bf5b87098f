#include "plattform/zufall.h"

#include <QDateTime>

namespace plattform {

std::uint32_t Zufall::RandSeed = 0;

void Zufall::Randomize() {
  const QDateTime jetzt = QDateTime::currentDateTime();
  RandSeed = static_cast<std::uint32_t>(jetzt.time().msecsSinceStartOfDay()) ^
             static_cast<std::uint32_t>(jetzt.date().toJulianDay() * 86400000ll);
}

}  // namespace plattform
