#include "shell/fenster/Hauptprogramm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  return Hauptprogramm();
}
