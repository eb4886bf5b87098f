#include "plattform/formate.h"

#include "plattform/fehler.h"

#include <QLocale>
#include <cfenv>
#include <cmath>
#include <limits>

namespace plattform {
namespace {
const QDate kNullTag(1899, 12, 30);
}

std::optional<int> liesGanzzahl(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text.at(i) == QLatin1Char(' ')) ++i;
  bool negativ = false;
  if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
    negativ = text.at(i) == QLatin1Char('-');
    ++i;
  }
  if (i >= n) return std::nullopt;
  long long wert = 0;
  for (; i < n; ++i) {
    const QChar c = text.at(i);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    wert = wert * 10 + (c.unicode() - '0');
    if (wert > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negativ) wert = -wert;
  if (wert > std::numeric_limits<int>::max() || wert < std::numeric_limits<int>::min()) return std::nullopt;
  return static_cast<int>(wert);
}

int StrToInt(const QString& text) {
  const auto wert = liesGanzzahl(text);
  if (!wert) throw Fehler(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
  return *wert;
}

long long rundeGerade(double wert) {
  // A value no long long holds would be undefined to convert; such values only come from bad data.
  if (!std::isfinite(wert)) return 0;
  if (wert >= 9.2e18) return std::numeric_limits<long long>::max();
  if (wert <= -9.2e18) return std::numeric_limits<long long>::min();
  const int alt = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(wert);
  std::fesetround(alt);
  return static_cast<long long>(r);
}

double alsTagzahl(const QDate& datum) { return static_cast<double>(kNullTag.daysTo(datum)); }

QDate ausTagzahl(double tage) {
  if (!std::isfinite(tage) || std::fabs(tage) > 3.0e6) return {};
  return kNullTag.addDays(static_cast<qint64>(std::floor(tage)));
}

QString yyyymmdd(const QDate& datum) { return datum.toString(QStringLiteral("yyyyMMdd")); }

QString kurzerTagesname(const QDate& datum) {
  // The stand-alone form: "Mi", not "Mi.", as the regional settings of the original platform give it.
  return QLocale().standaloneDayName(datum.dayOfWeek(), QLocale::ShortFormat);
}

QString DDDddmmyy(const QDate& datum) {
  return kurzerTagesname(datum) + QLatin1Char(' ') + datum.toString(QStringLiteral("dd.MM.yy"));
}

QString kurzesDatum(const QDate& datum) { return QLocale().toString(datum, QLocale::ShortFormat); }

QChar dezimaltrenner() {
  const QString s = QLocale().decimalPoint();
  return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

}  // namespace plattform
