#pragma once
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <type_traits>

#include "plattform/fehler.h"
#include "plattform/fenster/dienste.h"

namespace plattform {

// The boundary of every command: a failure that ends the command shows its text in one message
// box, and the program keeps running. Returns false when the command ended that way.
template <class F>
bool mitMeldung(F&& befehl) {
  try {
    befehl();
    return true;
  } catch (const Fehler& f) {
    dialoge().nachricht(f.text());
  } catch (const std::exception& e) {
    dialoge().nachricht(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    dialoge().nachricht(QStringLiteral("Unbekannter Fehler"));
  }
  return false;
}

// Connects a command to the signal that runs it, inside mitMeldung, so that no exception of a
// handler reaches the event loop. The handler is a member function of the receiver without
// parameters, or a callable without parameters; the signal's arguments are not passed on.
template <class Sender, class Signal, class Empfaenger, class Handler>
QMetaObject::Connection verbinde(Sender* sender, Signal signal, Empfaenger* empfaenger, Handler handler) {
  return QObject::connect(sender, signal, empfaenger, [empfaenger, handler] {
    mitMeldung([&] {
      if constexpr (std::is_member_function_pointer_v<Handler>)
        std::invoke(handler, empfaenger);
      else
        handler();
    });
  });
}

}  // namespace plattform
