#include "plattform/fenster/dienste.h"
#include "programm/Hauptprogramm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Declared after the application object, so the platform services end before it does.
  const plattform::Dienstende dienste;
  return Hauptprogramm();
}
