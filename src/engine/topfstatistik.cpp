#include "engine/generierungslauf.h"
#include "plattform/fehler.h"

namespace engine {
Bandstatistik berechneTopfstatistik(Topfstatistik, Laufhistorie&, const Berechnungsparameter&, const QDate&, Laufumgebung&) {
  throw plattform::Fehler(QStringLiteral("TEMP"));
}
}
