#include "plattform/textdatei.h"

#include "plattform/fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace plattform {
namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes (kept as the control character of the same value).
constexpr std::array<char16_t, 32> kCp1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QString ausAnsi(const QByteArray& bytes) {
  // Latin-1 in one step, then the 32 bytes where Windows-1252 differs from it.
  QString s = QString::fromLatin1(bytes);
  char16_t* p = reinterpret_cast<char16_t*>(s.data());
  const qsizetype n = s.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = p[i];
    if (c >= 0x80 && c <= 0x9F && kCp1252[c - 0x80] != 0) p[i] = kCp1252[c - 0x80];
  }
  return s;
}

QByteArray zuAnsi(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.append(static_cast<char>(c));
      continue;
    }
    char ersatz = '?';
    for (int i = 0; i < 32; ++i) {
      if (kCp1252[i] == c || (kCp1252[i] == 0 && c == 0x80 + i)) {
        ersatz = static_cast<char>(0x80 + i);
        break;
      }
    }
    out.append(ersatz);
  }
  return out;
}

bool ansiDarstellbar(const QString& text) {
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) continue;
    bool gefunden = false;
    for (int i = 0; i < 32 && !gefunden; ++i) gefunden = kCp1252[i] == c || (kCp1252[i] == 0 && c == 0x80 + i);
    if (!gefunden) return false;
  }
  return true;
}

QStringList zerlegeZeilen(const QString& text) {
  QStringList zeilen;
  qsizetype start = 0;
  const qsizetype n = text.size();
  const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = p[i];
    if (c == u'\r' || c == u'\n') {
      zeilen.append(text.mid(start, i - start));
      if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) zeilen.append(text.mid(start));
  return zeilen;
}

DateiZuGross::DateiZuGross(const QString& pfad)
    : Fehler(QStringLiteral("Die Datei %1 ist zu groß."), {pfad}) {}

NichtGeoeffnet::NichtGeoeffnet(const QString& pfad)
    : Fehler(QStringLiteral("Die Datei %1 kann nicht geöffnet werden."), {pfad}) {}

Schreibfehler::Schreibfehler(const QString& pfad, const QString& grund, bool verweigert)
    : Fehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden."), {pfad}), grund_(grund), verweigert_(verweigert) {}

static QByteArray liesAlles(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) throw NichtGeoeffnet(pfad);
  return f.readAll();
}

std::optional<QByteArray> liesHoechstens(const QString& pfad, qint64 max) {
  // Checked before opening: opening a pipe would wait for a writer.
  const QFileInfo info(pfad);
  if (info.exists() && !info.isFile() && !info.isDir()) return std::nullopt;
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) throw NichtGeoeffnet(pfad);
  if (f.size() > max) return std::nullopt;
  // In pieces up to one byte beyond the bound: a file that grows while it is read, or one whose
  // size is not known up front, still stops there, and a small file takes no large buffer.
  QByteArray inhalt;
  inhalt.reserve(std::min(f.size(), max) + 1);
  char stueck[64 * 1024];
  for (;;) {
    const qint64 n = f.read(stueck, static_cast<qint64>(sizeof stueck));
    if (n < 0) throw NichtGeoeffnet(pfad);
    if (n == 0) break;
    inhalt.append(stueck, static_cast<qsizetype>(n));
    if (inhalt.size() > max) return std::nullopt;
  }
  return inhalt;
}

QStringList leseAnsiZeilen(const QString& pfad) { return zerlegeZeilen(ausAnsi(liesAlles(pfad))); }

QString dekodiereMitBom(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE")) {
    QStringDecoder d(QStringDecoder::Utf16LE);
    return d(bytes.mid(2));
  }
  if (bytes.startsWith("\xFE\xFF")) {
    QStringDecoder d(QStringDecoder::Utf16BE);
    return d(bytes.mid(2));
  }
  return ausAnsi(bytes);
}

QStringList leseZeilenMitBom(const QString& pfad) { return zerlegeZeilen(dekodiereMitBom(liesAlles(pfad))); }

QStringList leseZeilenMitBom(const QString& pfad, qint64 grenze) {
  const std::optional<QByteArray> bytes = liesHoechstens(pfad, grenze);
  if (!bytes) throw DateiZuGross(pfad);
  return zerlegeZeilen(dekodiereMitBom(*bytes));
}

namespace {
int& schreibfehlerZaehler() {
  static int n = -1;
  return n;
}

QString& verweigerterOrdner() {
  static QString ordner;
  return ordner;
}

const QString kVerweigert = QStringLiteral("Zugriff verweigert.");
const QString kPlatte = QStringLiteral("Auf dem Datenträger ist nicht genügend Speicherplatz.");

// The system's reason, or the full disk in the program's words when too little room is left.
QString schreibgrund(const QSaveFile& f, const QString& pfad, qint64 bytes) {
  const QStorageInfo platte(QFileInfo(pfad).absolutePath());
  if (platte.isValid() && platte.bytesAvailable() >= 0 && platte.bytesAvailable() < bytes + 4096) return kPlatte;
  return f.errorString();
}

// Access is refused when the file exists and may not be written, or its folder may not.
bool zugriffFehlt(const QString& pfad) {
  const QFileInfo datei(pfad);
  if (datei.exists()) return !datei.isWritable();
  const QFileInfo ordner(datei.absolutePath());
  return ordner.isDir() && !ordner.isWritable();
}
}  // namespace

void schreibfehlerNach(int n) { schreibfehlerZaehler() = n; }
void zugriffVerweigertIn(const QString& ordner) {
  verweigerterOrdner() = ordner.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
}

void schreibeDateiAtomar(const QString& pfad, const QByteArray& inhalt) {
  const auto fehler = [&](const QString& grund, bool verweigert) {
    return Schreibfehler(pfad, grund, verweigert);
  };
  const QString& gesperrt = verweigerterOrdner();
  if (!gesperrt.isEmpty() && QDir::cleanPath(QFileInfo(pfad).absolutePath()) == gesperrt) throw fehler(kVerweigert, true);
  QSaveFile f(pfad);
  if (!f.open(QIODevice::WriteOnly)) {
    if (zugriffFehlt(pfad)) throw fehler(kVerweigert, true);
    throw fehler(schreibgrund(f, pfad, inhalt.size()), false);
  }
  int& n = schreibfehlerZaehler();
  if (n == 0) {
    // The test hook breaks off half-way, as a full disk or a crash would.
    f.write(inhalt.left(inhalt.size() / 2));
    f.cancelWriting();
    f.commit();
    throw fehler(kPlatte, false);
  }
  if (n > 0) --n;
  if (f.write(inhalt) != inhalt.size() || !f.commit()) throw fehler(schreibgrund(f, pfad, inhalt.size()), false);
}

void schreibeAnsiZeilen(const QString& pfad, const QStringList& zeilen) {
  QByteArray inhalt;
  for (const QString& z : zeilen) {
    inhalt.append(zuAnsi(z));
    inhalt.append("\r\n");
  }
  schreibeDateiAtomar(pfad, inhalt);
}

void schreibeTextZeilen(const QString& pfad, const QStringList& zeilen) {
  bool ansi = true;
  for (const QString& z : zeilen) ansi = ansi && ansiDarstellbar(z);
  if (ansi) {
    schreibeAnsiZeilen(pfad, zeilen);
    return;
  }
  QByteArray inhalt("\xEF\xBB\xBF");
  for (const QString& z : zeilen) {
    inhalt.append(z.toUtf8());
    inhalt.append("\r\n");
  }
  schreibeDateiAtomar(pfad, inhalt);
}

}  // namespace plattform
