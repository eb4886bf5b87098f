#pragma once
#include <exception>

#include "plattform/fehler.h"
#include "plattform/fenster/dienste.h"

namespace plattform {

// The boundary of an event handler: a failure that ends the command shows its text in a
// message box, and the program keeps running.
template <class F>
bool mitMeldung(F&& befehl) {
  try {
    befehl();
    return true;
  } catch (const Fehler& f) {
    dialoge().nachricht(f.text());
  } catch (const std::exception& e) {
    dialoge().nachricht(QString::fromLocal8Bit(e.what()));
  }
  return false;
}

}  // namespace plattform
