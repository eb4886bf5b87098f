#pragma once
#include <QAbstractButton>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

#include "hilfen/fenster/doubles.h"
#include "hilfen/testumgebung.h"

// The environment of a window test: its own folders and store (Testumgebung) and the dialog,
// shell and sound doubles, which stay installed when it goes (windows of a test may outlive it
// by a few lines).
class Fensterumgebung : public Testumgebung {
 public:
  Fensterumgebung();

  SkriptDialoge& dialoge() { return *dialoge_; }
  ShellProtokoll& shell() { return *shell_; }
  KlangProtokoll& klang() { return *klang_; }
  // The texts of every message box and question shown so far, oldest first.
  QStringList meldungen() const { return dialoge_->texte(); }

 private:
  SkriptDialoge* dialoge_;
  ShellProtokoll* shell_;
  KlangProtokoll* klang_;
};

namespace fenstertest {

// The control of that object name below wurzel. A missing one ends the run at once with its name:
// a test must never go on with a control it did not find.
[[noreturn]] void fehlt(const QString& name, const QObject* wurzel);
template <class T = QWidget>
T* ctl(const QObject* wurzel, const QString& name) {
  T* w = wurzel->findChild<T*>(name);
  if (!w) fehlt(name, wurzel);
  return w;
}

// Brings every tab page that holds w to the front, then clicks w in its middle with the mouse.
void klick(QWidget* w);
// Shows the window and waits until it is on the screen; false when it never came.
[[nodiscard]] bool zeigen(QWidget* fenster);

}  // namespace fenstertest

// A window test: the environment first (the window's creation reads it), then the window; controls
// are found by name, clicked as a user clicks them, and the messages shown are recorded.
template <class F>
struct Fenstertest {
  Fensterumgebung u;
  F form;

  template <class T = QWidget>
  T* ctl(const QString& name) {
    return fenstertest::ctl<T>(&form, name);
  }
  template <class T = QWidget>
  T* ctl(const char* name) {
    return fenstertest::ctl<T>(&form, QString::fromUtf8(name));
  }
  void klick(const QString& name) { fenstertest::klick(ctl(name)); }
  void klick(const char* name) { fenstertest::klick(ctl(name)); }
  [[nodiscard]] bool zeigen() { return fenstertest::zeigen(&form); }
  QStringList meldungen() const { return u.meldungen(); }
};
