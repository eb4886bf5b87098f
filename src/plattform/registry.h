#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "plattform/fehler.h"

namespace plattform {

enum class Hive { CurrentUser, LocalMachine };

class RegistryFehler : public Fehler {
 public:
  using Fehler::Fehler;
};

// Typed key/value store in the manner of the Windows registry. Each hive lives in one
// text file in the format of a registry export; the local machine's is read-only.
// Writes collect in memory and reach the file on CloseKey (and at destruction), always
// through a temp file and a rename, so a crash never leaves a half-written store.
class Registry {
 public:
  explicit Registry(Hive hive = Hive::CurrentUser);
  ~Registry();
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  bool OpenKey(const QString& key, bool anlegen);
  bool OpenKeyReadOnly(const QString& key);
  bool KeyExists(const QString& key) const;
  void CloseKey();

  bool ValueExists(const QString& name) const;
  // Each read raises RegistryFehler when the value is missing or of another type,
  // except ReadString, which gives "" for a missing value.
  int ReadInteger(const QString& name) const;
  bool ReadBool(const QString& name) const;
  QString ReadString(const QString& name) const;
  double ReadDateTime(const QString& name) const;  // 8 raw bytes, day count since 30.12.1899
  QByteArray ReadBinaryData(const QString& name) const;

  // Each write raises RegistryFehler when no key is open for writing.
  void WriteInteger(const QString& name, int wert);
  void WriteBool(const QString& name, bool wert);
  void WriteString(const QString& name, const QString& wert);
  void WriteDateTime(const QString& name, double wert);
  void WriteBinaryData(const QString& name, const QByteArray& wert);
  bool DeleteValue(const QString& name);

  // Folder of the store files (ZK_REGISTRY_DIR, else the user's configuration folder).
  static QString ablageOrdner();
  static QString ablageDatei(Hive hive);
  // True when the store file is there but could not be read, is larger than any store (or never
  // ends), or holds text of which nothing could be understood: it is never overwritten.
  static bool ablageUnlesbar(Hive hive = Hive::CurrentUser);
  // Forgets what was read, so the next open reads the files again (tests, a second instance).
  static void verwerfen();
  // Test hook: after n further successful writes the next write fails; -1 switches it off.
  static void fehlerNachSchreibvorgaengen(int n);

 private:
  struct Zugriff;
  void pruefeSchreibbar(const QString& name);
  Hive hive_;
  QString schluessel_;
  bool offen_ = false;
  bool schreibbar_ = false;
  bool geaendert_ = false;
};

}  // namespace plattform
