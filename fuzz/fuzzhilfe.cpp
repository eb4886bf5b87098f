#include "fuzzhilfe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

namespace fuzzhilfe {

QByteArray bytes(const std::uint8_t* daten, std::size_t n) {
  return QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(n));
}

QString ordner() {
  // In memory where there is such a folder: the store is written with a sync to the disk.
  static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm/zkfuzz-XXXXXX")
                                                                          : QDir::tempPath() + QStringLiteral("/zkfuzz-XXXXXX"));
  return dir.path() + QLatin1Char('/');
}

QString alsDatei(const QString& name, const QByteArray& inhalt) {
  const QString pfad = ordner() + name;
  QFile f(pfad);
  if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size()) std::abort();
  return pfad;
}

}  // namespace fuzzhilfe
