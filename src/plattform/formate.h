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
