#include "plattform/registry.h"

#include "plattform/pfade.h"
#include "plattform/textdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <cstring>
#include <map>

namespace plattform {
namespace {

// Fremd: a value of a type this store does not know (hex(2), a broken line); kept as its
// raw text so that it reads as a wrong type and survives the next write.
enum class Typ { Dword, Text, Binaer, Fremd };

struct Wert {
  Typ typ = Typ::Text;
  quint32 dword = 0;
  QString text;
  QByteArray bytes;
};

struct OhneGross {
  bool operator()(const QString& a, const QString& b) const {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  }
};

using Werte = std::map<QString, Wert, OhneGross>;
using Schluessel = std::map<QString, Werte, OhneGross>;

struct Ablage {
  bool geladen = false;
  bool unlesbar = false;  // the file is there but could not be read: never overwrite it
  Schluessel schluessel;
};

constexpr qint64 kAblageMax = 16 * 1024 * 1024;

Ablage& ablage(Hive h) {
  static Ablage cu, lm;
  return h == Hive::CurrentUser ? cu : lm;
}

int& fehlerZaehler() {
  static int n = -1;
  return n;
}

QString hiveName(Hive h) {
  return h == Hive::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER") : QStringLiteral("HKEY_LOCAL_MACHINE");
}

QString normalisiere(QString key) {
  key.replace(QLatin1Char('/'), QLatin1Char('\\'));
  while (key.startsWith(QLatin1Char('\\'))) key.remove(0, 1);
  while (key.endsWith(QLatin1Char('\\'))) key.chop(1);
  return key;
}

QString escape(const QString& s) {
  QString out;
  for (const QChar c : s) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('"')) out.append(QLatin1Char('\\'));
    if (c == QLatin1Char('\n')) {
      out.append(QStringLiteral("\\n"));
      continue;
    }
    if (c == QLatin1Char('\r')) {
      out.append(QStringLiteral("\\r"));
      continue;
    }
    out.append(c);
  }
  return out;
}

// Reads a quoted text starting at s[i] == '"'; returns false when it is not closed.
bool liesZitat(const QString& s, qsizetype& i, QString& out) {
  if (i >= s.size() || s.at(i) != QLatin1Char('"')) return false;
  ++i;
  out.clear();
  while (i < s.size()) {
    const QChar c = s.at(i++);
    if (c == QLatin1Char('"')) return true;
    if (c == QLatin1Char('\\') && i < s.size()) {
      const QChar e = s.at(i++);
      out.append(e == QLatin1Char('n') ? QChar('\n') : e == QLatin1Char('r') ? QChar('\r') : e);
      continue;
    }
    out.append(c);
  }
  return false;
}

bool liesHex(const QString& s, QByteArray& out) {
  out.clear();
  const QStringList teile = s.split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& t : teile) {
    bool ok = false;
    const uint b = t.trimmed().toUInt(&ok, 16);
    if (!ok || b > 0xFF) return false;
    out.append(static_cast<char>(b));
  }
  return true;
}

// A value line whose value is of a hex type ("hex:", "hex(2):", ...), its name read as the
// value lines are.
bool istHexWert(const QString& z) {
  qsizetype i = 0;
  QString name;
  if (z.startsWith(QLatin1Char('@'))) i = 1;
  else if (!liesZitat(z, i, name)) return false;
  return QStringView(z).sliced(i).startsWith(QLatin1String("=hex"));
}

// A line that can only be the continuation of a hex value: bytes, commas, blanks, a final "\".
bool istHexFortsetzung(const QString& zeile) {
  QStringView z = QStringView(zeile).trimmed();
  if (z.endsWith(QLatin1Char('\\'))) z.chop(1);
  for (const QChar c : z) {
    const bool hex = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                     (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    if (!hex && c != QLatin1Char(',') && !c.isSpace()) return false;
  }
  return true;
}

// The store as text: with a byte-order mark as it says; without one, UTF-16 is told by its zero
// bytes (an export is plain text, which in the ANSI code page never holds a zero byte).
QString alsText(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
    return dekodiereMitBom(bytes);
  if (bytes.size() >= 2) {
    const bool nullGerade = bytes.at(0) == '\0', nullUngerade = bytes.at(1) == '\0';
    if (nullUngerade && !nullGerade) return QStringDecoder(QStringDecoder::Utf16LE)(bytes);
    if (nullGerade && !nullUngerade) return QStringDecoder(QStringDecoder::Utf16BE)(bytes);
  }
  return dekodiereMitBom(bytes);
}

// Reads what it can: a line it cannot make sense of is skipped, values of a section outside
// this hive are ignored, and a value it cannot decode is kept as a foreign value, so that
// nothing of an edited or damaged store is lost at the next write.
void lade(Hive h, Ablage& a) {
  a.geladen = true;
  a.unlesbar = false;
  a.schluessel.clear();
  const QString datei = Registry::ablageDatei(h);
  if (!QFileInfo::exists(datei)) return;
  // A store is a few KiB; a larger file (or one that never ends) is kept like an unreadable one.
  std::optional<QByteArray> bytes;
  try {
    bytes = liesHoechstens(datei, kAblageMax);
  } catch (const Fehler&) {
  }
  if (!bytes) {
    a.unlesbar = true;
    return;
  }
  const QString text = alsText(*bytes);
  const QStringList zeilen = zerlegeZeilen(text);
  const QString praefix = hiveName(h) + QLatin1Char('\\');
  Werte* aktuell = nullptr;
  bool erkannt = false;  // a header, a key or a value was understood
  for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
    QString z = zeilen.at(nr).trimmed();
    // An export breaks long hex values over several lines, each but the last ending in "\".
    // Only lines of hex bytes continue a value: a truncated value never swallows the next
    // entry, and a value never keeps a dangling "\" that would swallow it after the next write.
    if (istHexWert(z)) {
      while (z.endsWith(QLatin1Char('\\'))) {
        z.chop(1);
        z = z.trimmed();
        if (nr + 1 < zeilen.size() && istHexFortsetzung(zeilen.at(nr + 1))) z += zeilen.at(++nr).trimmed();
      }
    }
    if (z.isEmpty() || z.startsWith(QLatin1Char(';'))) continue;
    if (z.startsWith(QStringLiteral("Windows Registry")) || z == QStringLiteral("REGEDIT4")) {
      erkannt = true;
      continue;
    }
    if (z.startsWith(QLatin1Char('['))) {
      aktuell = nullptr;
      if (!z.endsWith(QLatin1Char(']'))) continue;
      QString key = z.mid(1, z.size() - 2);
      if (key.startsWith(praefix, Qt::CaseInsensitive)) key = key.mid(praefix.size());
      else if (key.compare(hiveName(h), Qt::CaseInsensitive) == 0) key.clear();
      else continue;
      aktuell = &a.schluessel[normalisiere(key)];
      erkannt = true;
      continue;
    }
    if (!aktuell) continue;
    qsizetype i = 0;
    QString name;
    if (z.startsWith(QLatin1Char('@'))) {
      i = 1;
    } else if (!liesZitat(z, i, name)) {
      continue;
    }
    if (i >= z.size() || z.at(i) != QLatin1Char('=')) continue;
    ++i;
    const QString rest = z.mid(i);
    Wert w;
    bool ok = false;
    if (rest.startsWith(QLatin1Char('"'))) {
      qsizetype j = 0;
      ok = liesZitat(rest, j, w.text) && j == rest.size();
      w.typ = Typ::Text;
    } else if (rest.startsWith(QStringLiteral("dword:"))) {
      w.dword = rest.mid(6).toUInt(&ok, 16);
      w.typ = Typ::Dword;
    } else if (rest.startsWith(QStringLiteral("hex:"))) {
      ok = liesHex(rest.mid(4), w.bytes);
      w.typ = Typ::Binaer;
    }
    if (!ok) {
      w = Wert{};
      w.typ = Typ::Fremd;
      w.text = rest;
    }
    (*aktuell)[name] = w;
    erkannt = true;
  }
  // A store with text in it of which nothing could be understood is kept like one that cannot be
  // read: writing the defaults over it would lose every setting it holds.
  if (!erkannt && !text.trimmed().remove(QChar()).isEmpty()) {
    a.unlesbar = true;
    a.schluessel.clear();
  }
}

// A key exists when it is stored or any key below it is: an export may name only the sub-key.
bool vorhanden(const Ablage& a, const QString& k) {
  if (a.schluessel.find(k) != a.schluessel.end()) return true;
  const QString unter = k + QLatin1Char('\\');
  const auto it = a.schluessel.lower_bound(unter);
  return it != a.schluessel.end() && it->first.startsWith(unter, Qt::CaseInsensitive);
}

Ablage& geladen(Hive h) {
  Ablage& a = ablage(h);
  if (!a.geladen) lade(h, a);
  return a;
}

void speichere(Hive h) {
  const Ablage& a = geladen(h);
  if (a.unlesbar)
    throw RegistryFehler(QStringLiteral("Die Einstellungen in %1 sind nicht lesbar und werden nicht überschrieben."),
                             {Registry::ablageDatei(h)});
  QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n");
  for (const auto& [key, werte] : a.schluessel) {
    text += QStringLiteral("\r\n[") + hiveName(h) + (key.isEmpty() ? QString() : QStringLiteral("\\") + key) +
            QStringLiteral("]\r\n");
    for (const auto& [name, w] : werte) {
      text += name.isEmpty() ? QStringLiteral("@=") : QLatin1Char('"') + escape(name) + QStringLiteral("\"=");
      switch (w.typ) {
        case Typ::Text:
          text += QLatin1Char('"') + escape(w.text) + QLatin1Char('"');
          break;
        case Typ::Dword:
          text += QStringLiteral("dword:%1").arg(w.dword, 8, 16, QLatin1Char('0'));
          break;
        case Typ::Fremd:
          text += w.text;
          break;
        case Typ::Binaer: {
          QStringList hex;
          for (const char b : w.bytes) hex << QStringLiteral("%1").arg(static_cast<uchar>(b), 2, 16, QLatin1Char('0'));
          text += QStringLiteral("hex:") + hex.join(QLatin1Char(','));
          break;
        }
      }
      text += QStringLiteral("\r\n");
    }
  }
  QDir().mkpath(Registry::ablageOrdner());
  // UTF-16 little-endian with a byte-order mark, as the registry editor exports.
  QStringEncoder kodierer(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
  const QByteArray bytes = kodierer(text);
  schreibeDateiAtomar(Registry::ablageDatei(h), bytes);
}

}  // namespace

struct Registry::Zugriff {
  static const Wert* wert(const Registry& r, const QString& name) {
    if (!r.offen_) return nullptr;
    Ablage& a = geladen(r.hive_);
    const auto k = a.schluessel.find(r.schluessel_);
    if (k == a.schluessel.end()) return nullptr;
    const auto v = k->second.find(name);
    return v == k->second.end() ? nullptr : &v->second;
  }
  static const Wert& lies(const Registry& r, const QString& name, Typ typ) {
    const Wert* w = wert(r, name);
    if (!w || w->typ != typ) throw RegistryFehler(QStringLiteral("Ungültiger Datentyp für '%1'"), {name});
    return *w;
  }
  static void schreibe(Registry& r, const QString& name, Wert w) {
    r.pruefeSchreibbar(name);
    geladen(r.hive_).schluessel[r.schluessel_][name] = std::move(w);
    r.geaendert_ = true;
  }
};

Registry::Registry(Hive hive) : hive_(hive) {}

Registry::~Registry() {
  try {
    CloseKey();
  } catch (...) {
    // A store that cannot be written keeps its old file; nothing to tell at this point.
  }
}

QString Registry::ablageOrdner() {
  const QString env = qEnvironmentVariable("ZK_REGISTRY_DIR");
  if (!env.isEmpty()) return env;
  return benutzerOrdner("XDG_CONFIG_HOME", ".config") + QStringLiteral("ZahlenKenner");
}

QString Registry::ablageDatei(Hive hive) {
  return ablageOrdner() + QLatin1Char('/') + hiveName(hive) + QStringLiteral(".reg");
}

bool Registry::ablageUnlesbar(Hive hive) { return geladen(hive).unlesbar; }

void Registry::verwerfen() {
  ablage(Hive::CurrentUser) = Ablage{};
  ablage(Hive::LocalMachine) = Ablage{};
}

void Registry::fehlerNachSchreibvorgaengen(int n) { fehlerZaehler() = n; }

bool Registry::OpenKey(const QString& key, bool anlegen) {
  CloseKey();
  const QString k = normalisiere(key);
  Ablage& a = geladen(hive_);
  if (!vorhanden(a, k)) {
    if (!anlegen || hive_ == Hive::LocalMachine) return false;
    a.schluessel[k];
    geaendert_ = true;
  }
  schluessel_ = k;
  offen_ = true;
  schreibbar_ = hive_ == Hive::CurrentUser;
  return true;
}

bool Registry::OpenKeyReadOnly(const QString& key) {
  CloseKey();
  const QString k = normalisiere(key);
  if (!vorhanden(geladen(hive_), k)) return false;
  schluessel_ = k;
  offen_ = true;
  schreibbar_ = false;
  return true;
}

bool Registry::KeyExists(const QString& key) const {
  return vorhanden(geladen(hive_), normalisiere(key));
}

void Registry::CloseKey() {
  offen_ = false;
  schreibbar_ = false;
  if (geaendert_) {
    geaendert_ = false;
    speichere(hive_);
  }
}

bool Registry::ValueExists(const QString& name) const { return Zugriff::wert(*this, name) != nullptr; }

int Registry::ReadInteger(const QString& name) const {
  return static_cast<int>(Zugriff::lies(*this, name, Typ::Dword).dword);
}

bool Registry::ReadBool(const QString& name) const { return ReadInteger(name) != 0; }

QString Registry::ReadString(const QString& name) const {
  if (!Zugriff::wert(*this, name)) return QString();
  return Zugriff::lies(*this, name, Typ::Text).text;
}

double Registry::ReadDateTime(const QString& name) const {
  const QByteArray b = ReadBinaryData(name);
  if (b.size() != static_cast<qsizetype>(sizeof(double)))
    throw RegistryFehler(QStringLiteral("Ungültiger Datentyp für '%1'"), {name});
  double d = 0;
  std::memcpy(&d, b.constData(), sizeof d);
  return d;
}

QByteArray Registry::ReadBinaryData(const QString& name) const { return Zugriff::lies(*this, name, Typ::Binaer).bytes; }

void Registry::pruefeSchreibbar(const QString& name) {
  if (!offen_ || !schreibbar_)
    throw RegistryFehler(QStringLiteral("Fehler beim Schreiben des Werts '%1'"), {name});
  int& n = fehlerZaehler();
  if (n == 0) throw RegistryFehler(QStringLiteral("Fehler beim Schreiben des Werts '%1'"), {name});
  if (n > 0) --n;
}

void Registry::WriteInteger(const QString& name, int wert) {
  Wert w;
  w.typ = Typ::Dword;
  w.dword = static_cast<quint32>(wert);
  Zugriff::schreibe(*this, name, std::move(w));
}

void Registry::WriteBool(const QString& name, bool wert) { WriteInteger(name, wert ? 1 : 0); }

void Registry::WriteString(const QString& name, const QString& wert) {
  Wert w;
  w.typ = Typ::Text;
  w.text = wert;
  Zugriff::schreibe(*this, name, std::move(w));
}

void Registry::WriteDateTime(const QString& name, double wert) {
  QByteArray b(sizeof wert, '\0');
  std::memcpy(b.data(), &wert, sizeof wert);
  WriteBinaryData(name, b);
}

void Registry::WriteBinaryData(const QString& name, const QByteArray& wert) {
  Wert w;
  w.typ = Typ::Binaer;
  w.bytes = wert;
  Zugriff::schreibe(*this, name, std::move(w));
}

bool Registry::DeleteValue(const QString& name) {
  pruefeSchreibbar(name);
  Ablage& a = geladen(hive_);
  auto& werte = a.schluessel[schluessel_];
  const bool da = werte.erase(name) > 0;
  geaendert_ = geaendert_ || da;
  return da;
}

}  // namespace plattform
