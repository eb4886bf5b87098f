// The settings store: whatever the file holds, reading never crashes, and a store that is read and
// written again holds the same values, so the same write gives the same file twice.
#include "fuzzhilfe.h"
#include "plattform/registry.h"

#include <QFile>
#include <cstdlib>

namespace {
using plattform::Registry;

// Reads the store as the program's start does, writes it back as its exit does; the file after it,
// or a null array when the store is not written (one that cannot be read is never overwritten).
QByteArray lesenUndSchreiben() {
  Registry::verwerfen();
  try {
    Registry r;
    r.OpenKey(QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano"), true);
    for (const char* name : {"Sprache", "Edit1", "DateTimePicker2", "Chekcbox5"}) {
      const QString n = QString::fromLatin1(name);
      if (!r.ValueExists(n)) continue;
      try {
        (void)r.ReadInteger(n);
      } catch (const plattform::Fehler&) {
      }
      try {
        (void)r.ReadString(n);
      } catch (const plattform::Fehler&) {
      }
      try {
        (void)r.ReadDateTime(n);
      } catch (const plattform::Fehler&) {
      }
    }
    (void)r.KeyExists(QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel"));
    r.WriteInteger(QStringLiteral("NeuerSchein"), 0);
    r.CloseKey();
  } catch (const plattform::Fehler&) {
    return QByteArray();
  }
  QFile f(Registry::ablageDatei(plattform::Hive::CurrentUser));
  if (!f.open(QIODevice::ReadOnly)) std::abort();
  return f.readAll();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  static const bool umgebung = qputenv("ZK_REGISTRY_DIR", fuzzhilfe::ordner().toUtf8());
  (void)umgebung;
  fuzzhilfe::alsDatei(QStringLiteral("HKEY_CURRENT_USER.reg"), fuzzhilfe::bytes(daten, n));
  const QByteArray erste = lesenUndSchreiben();
  if (erste.isNull()) return 0;
  if (lesenUndSchreiben() != erste) std::abort();  // the write changed a value it kept
  return 0;
}
