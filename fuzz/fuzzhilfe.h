#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// The readers that take a path get the fuzz input as a file in a folder of the run's own.
namespace fuzzhilfe {

QByteArray bytes(const std::uint8_t* daten, std::size_t n);
// The run's folder (removed at exit), with a trailing separator.
QString ordner();
// Writes the bytes as ordner() + name and returns the path.
QString alsDatei(const QString& name, const QByteArray& inhalt);

}  // namespace fuzzhilfe
