#include "plattform/formate.h"

#include "plattform/fehler.h"

#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cfenv>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

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
  if (!wert) throw keinIntegerwert(text);
  return *wert;
}

namespace {

// The C locale, so that strtod reads "." whatever LC_NUMERIC the process runs with.
locale_t cLocale() {
  static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

bool ziffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

std::optional<double> liesReal(QStringView text, QChar dezimal) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text.at(i) == QLatin1Char(' ')) ++i;
  qsizetype ende = n;
  while (ende > i && text.at(ende - 1) == QLatin1Char(' ')) --ende;
  if (i >= ende || ende - i > 400) return std::nullopt;

  // The text again in the C form, checked character by character.
  std::string c;
  c.reserve(static_cast<size_t>(ende - i));
  if (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')) c += static_cast<char>(text.at(i++).unicode());
  int ziffern = 0;
  while (i < ende && ziffer(text.at(i))) {
    c += static_cast<char>(text.at(i++).unicode());
    ++ziffern;
  }
  if (i < ende && text.at(i) == dezimal) {
    c += '.';
    ++i;
    while (i < ende && ziffer(text.at(i))) {
      c += static_cast<char>(text.at(i++).unicode());
      ++ziffern;
    }
  }
  if (ziffern == 0) return std::nullopt;
  if (i < ende && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
    c += 'e';
    ++i;
    if (i < ende && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
      c += static_cast<char>(text.at(i++).unicode());
    int exponent = 0;
    while (i < ende && ziffer(text.at(i))) {
      c += static_cast<char>(text.at(i++).unicode());
      ++exponent;
    }
    if (exponent == 0) return std::nullopt;
  }
  if (i != ende) return std::nullopt;

  errno = 0;
  char* rest = nullptr;
  const double wert = strtod_l(c.c_str(), &rest, cLocale());
  if (rest != c.c_str() + c.size() || !std::isfinite(wert)) return std::nullopt;
  return wert;
}

std::optional<double> liesReal(QStringView text) { return liesReal(text, dezimaltrenner()); }

Fehler keinIntegerwert(const QString& text) { return Fehler(QStringLiteral("'%1' ist kein gültiger Integerwert"), {text}); }

Fehler keinGleitkommawert(const QString& text) {
  return Fehler(QStringLiteral("'%1' ist kein gültiger Gleitkommawert"), {text});
}

double StrToFloat(const QString& text) {
  const auto wert = liesReal(text);
  if (!wert) throw keinGleitkommawert(text);
  return *wert;
}

std::optional<double> liesRealPunktOderKomma(QStringView text) {
  if (const auto w = liesReal(text)) return w;
  if (const auto w = liesReal(text, QLatin1Char('.'))) return w;
  return liesReal(text, QLatin1Char(','));
}

QString festkomma(double wert, int stellen, int nachkomma, QChar dezimal) {
  if (std::isnan(wert)) return QStringLiteral("NAN");
  if (std::isinf(wert)) return wert < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  stellen = std::clamp(stellen, 1, 18);
  nachkomma = std::clamp(nachkomma, 0, 18);
  char puffer[400];
  // The significant digits decide between the two forms.
  auto r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, stellen - 1);
  std::string wissenschaftlich(puffer, r.ptr);
  const auto e = wissenschaftlich.find('e');
  const int exponent = std::stoi(wissenschaftlich.substr(e + 1));
  QString text;
  if (exponent + 1 > stellen) {
    text = QString::fromLatin1(wissenschaftlich.data(), static_cast<qsizetype>(e));
    const char vorzeichen = wissenschaftlich[e + 1] == '-' ? '-' : '+';
    QString hoch = QString::number(std::abs(exponent));
    if (hoch.size() < 2) hoch.prepend(QLatin1Char('0'));
    text += QLatin1Char('E');
    text += QLatin1Char(vorzeichen);
    text += hoch;
  } else {
    const int stellenNachKomma = std::min(nachkomma, stellen - 1 - exponent);
    r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellenNachKomma);
    text = QString::fromLatin1(puffer, static_cast<qsizetype>(r.ptr - puffer));
    if (nachkomma > stellenNachKomma) {
      if (stellenNachKomma == 0) text += QLatin1Char('.');
      text += QString(nachkomma - stellenNachKomma, QLatin1Char('0'));
    }
    // A value that rounds to zero carries no sign.
    if (text.startsWith(QLatin1Char('-')) &&
        std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); }))
      text.remove(0, 1);
  }
  text.replace(QLatin1Char('.'), dezimal);
  return text;
}

QString FloatToStrF(double wert, int stellen, int nachkomma) {
  return festkomma(wert, stellen, nachkomma, dezimaltrenner());
}

QString waehrung(double wert, int stellen, int nachkomma) {
  if (std::isfinite(wert) && wert != 0 && stellen > 0) {
    const int ziffern = static_cast<int>(std::floor(std::log10(std::fabs(wert)))) + 1;
    const double faktor = std::pow(10.0, stellen - ziffern);
    wert = std::round(wert * faktor) / faktor;
  }
  // The blank between amount and sign is a plain one, as the regional settings write it.
  QString text = QLocale().toCurrencyString(wert, QString(), nachkomma);
  text.replace(QChar(0x00A0), QLatin1Char(' '));
  text.replace(QChar(0x202F), QLatin1Char(' '));
  return text;
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
  // The stand-alone form: "Mi", not "Mi.", as German regional settings write the short day name.
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
