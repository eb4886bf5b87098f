#pragma once
#include <QString>
#include <QTemporaryDir>



// Every test gets its own APPDATA, registry store and program folder (a copy of data/).
// Nothing touches the real home folder. Window tests use Fensterumgebung, which adds the
// dialog, shell and sound doubles.
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

  // Writes a file (creating its folder).
  static void schreibe(const QString& pfad, const QByteArray& inhalt);
  static QByteArray lies(const QString& pfad);

 private:
  QTemporaryDir wurzel_;
};
