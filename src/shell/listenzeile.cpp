#include "shell/listenzeile.h"

#include "plattform/fehler.h"
#include "plattform/textdatei.h"

namespace listenzeile {
namespace {
constexpr char16_t kTab = u'\t';

bool dreiTabs(QStringView s, qsizetype i) {
  return i + 2 < s.size() && s[i] == kTab && s[i + 1] == kTab && s[i + 2] == kTab;
}
}  // namespace

Felder liesListenzeile(QStringView zeile) {
  Felder f;
  const qsizetype n = zeile.size();
  qsizetype start = 0;
  qsizetype i = 0;
  int feld = 0;
  while (i < n && feld < 6) {
    if (zeile[i] != kTab) {
      ++i;
      continue;
    }
    f.felder_[feld++] = zeile.mid(start, i - start);
    i += dreiTabs(zeile, i) ? 3 : 1;
    start = i;
  }
  f.felder_[feld] = zeile.mid(start);
  if (feld < 6) return f;

  // The last field is the rest of the collapsed line: its own runs of three TABs shrink too.
  const QStringView rest = f.felder_[6];
  bool hatDreier = false;
  for (qsizetype j = 0; j < rest.size() && !hatDreier; ++j) hatDreier = dreiTabs(rest, j);
  if (!hatDreier) return f;
  QString verdichtet;
  verdichtet.reserve(rest.size());
  for (qsizetype j = 0; j < rest.size();) {
    verdichtet.append(rest[j]);
    j += dreiTabs(rest, j) ? 3 : 1;
  }
  f.feld7_ = verdichtet;
  return f;
}

QString kurzform(const std::array<QString, 5>& zahlen) {
  QString z = zahlen[0];
  for (int i = 1; i < 5; ++i) z += QLatin1Char('\t') + zahlen[i];
  return z;
}

QString langform(const std::array<QString, 5>& zahlen, const QString& extra1, const QString& extra2) {
  return kurzform(zahlen) + QStringLiteral("\t\t\t") + extra1 + QLatin1Char('\t') + extra2;
}

QStringList liesDatei(const QString& pfad, Kodierung kodierung) {
  const auto keine = [&] {
    return plattform::Fehler(QStringLiteral("Die Datei \"%1\" ist keine Tippdatei."), {pfad});
  };
  const std::optional<QByteArray> bytes = plattform::liesHoechstens(pfad, kDateiMax);
  if (!bytes) throw keine();
  const QString text = kodierung == Kodierung::ansi ? plattform::ausAnsi(*bytes) : plattform::dekodiereMitBom(*bytes);
  if (text.contains(QChar(u'\0'))) throw keine();
  QStringList zeilen = plattform::zerlegeZeilen(text);
  for (const QString& z : zeilen)
    if (z.size() > kZeileMax) throw keine();
  return zeilen;
}

}  // namespace listenzeile
