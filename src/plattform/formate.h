#pragma once
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace plattform {

// Whole-number reading used wherever a text becomes a number: optional leading blanks,
// optional sign, decimal digits, nothing after them ("07" is 7; "7 " and "7a" fail).
std::optional<int> liesGanzzahl(QStringView text);
inline std::optional<int> liesGanzzahl(const QString& text) { return liesGanzzahl(QStringView(text)); }
// The same, but a failure raises Fehler with the conversion message.
int StrToInt(const QString& text);

// Real reading as a typed number is read: optional blanks, an optional sign, digits with at
// most one decimal separator `dezimal` (digits on at least one side of it), optionally "E" or
// "e" with an optional sign and digits, optional blanks. No thousands separators. A value
// beyond the range of a double does not read; one too small for it reads as 0.
std::optional<double> liesReal(QStringView text, QChar dezimal);
// The same with the user's decimal separator.
std::optional<double> liesReal(QStringView text);
// The same, but a failure raises Fehler with the conversion message.
double StrToFloat(const QString& text);
class Fehler;
// Those messages, in the chosen language when shown.
Fehler keinIntegerwert(const QString& text);
Fehler keinGleitkommawert(const QString& text);
// A number that either regional setting may have written: with the user's decimal separator,
// else with "." or ",".
std::optional<double> liesRealPunktOderKomma(QStringView text);

// Fixed-point output: the value rounded to at most `stellen` significant digits and at most
// `nachkomma` decimals (a half going to the even neighbour), written with exactly `nachkomma`
// decimals and no thousands separators. A value with more than `stellen` digits before the
// separator is written in exponent form instead: the mantissa with `stellen` significant
// digits, "E", the sign and at least two exponent digits (10000000 with seven: "1,000000E+07").
// Not a number: "NAN"; infinite: "INF" or "-INF".
QString festkomma(double wert, int stellen, int nachkomma, QChar dezimal);
// The same with the user's decimal separator.
QString FloatToStrF(double wert, int stellen, int nachkomma);
// A currency amount in the user's currency format: rounded to `stellen` significant digits,
// written with `nachkomma` decimals ("16,25 €" in German).
QString waehrung(double wert, int stellen, int nachkomma);

// Real to whole number, a half going to the even neighbour.
long long rundeGerade(double wert);

// Day count since 30.12.1899 (the stored draw date) and back; the time part is dropped.
double alsTagzahl(const QDate& datum);
QDate ausTagzahl(double tage);

// Fixed forms.
QString yyyymmdd(const QDate& datum);
QString DDDddmmyy(const QDate& datum);  // short day name (user's settings), then dd.mm.yy

// User's regional settings (the default locale, which the program sets from them at start).
QString kurzesDatum(const QDate& datum);
QString kurzerTagesname(const QDate& datum);
QChar dezimaltrenner();

}  // namespace plattform
