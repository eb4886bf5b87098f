#pragma once
#include <QString>
#include <QTemporaryDir>

#include "hilfen/doubles.h"

// Every test gets its own APPDATA, registry store and program folder (a copy of data/),
// and the dialog, shell and sound doubles. Nothing touches the real home folder.
class Testumgebung {
 public:
  Testumgebung();
  ~Testumgebung();
  Testumgebung(const Testumgebung&) = delete;
  Testumgebung& operator=(const Testumgebung&) = delete;

  QString appdata() const;       // with trailing '/'
  QString home() const;          // appdata + "ZahlenKennerQV/"
  QString programmordner() const;  // with trailing '/'
  QString registryOrdner() const;

  SkriptDialoge& dialoge() { return *dialoge_; }
  ShellProtokoll& shell() { return *shell_; }
  KlangProtokoll& klang() { return *klang_; }

  // Writes a file (creating its folder).
  static void schreibe(const QString& pfad, const QByteArray& inhalt);
  static QByteArray lies(const QString& pfad);

 private:
  QTemporaryDir wurzel_;
  SkriptDialoge* dialoge_;
  ShellProtokoll* shell_;
  KlangProtokoll* klang_;
};
