#include "plattform/meldung.h"

namespace plattform {

QString meldungstext(const QString& text) {
  if (text.size() <= kMeldungslaengeMax) return text;
  qsizetype n = kMeldungslaengeMax;
  // Never half a character outside the basic plane.
  if (text.at(n - 1).isHighSurrogate()) --n;
  return text.left(n) + QChar(0x2026);
}

}  // namespace plattform
