#pragma once
#include <QChar>
#include <QDate>
#include <QString>
#include <optional>

#include "shell/ziehung.h"

// The pure rules of the main window's start.

// The German format record the main window fills at creation. Only the fixed German date text
// of the extra-number statistics is read with it; everything else follows the user's settings.
struct Formateinstellungen {
  int Gebietsschema = 7;  // German
  QChar DateSeparator = QLatin1Char('.');
  QString ShortDateFormat = QStringLiteral("dd.mm.yyyy");
  QString ShortTimeFormat = QStringLiteral("hh:nn");
  QChar DecimalSeparator = QLatin1Char(',');
  QChar ThousandSeparator = QLatin1Char('.');
  int CurrencyFormat = 3;  // amount, blank, currency sign

  // Day, month and year split at DateSeparator ("1.8.1995");
  // a two-digit year lies within 50 years of today. Raises plattform::Fehler for anything else.
  QDate StrToDate(const QString& text) const;
};


// 8 before 04.10.2014, else 10.
int sternenzahlMax(const QDate& heute);

// A start date later than 7 days before today falls back to the first start date;
// exactly 7 days before today (or earlier) stays. An invalid date falls back too.
QDate startdatumNachRegel(const QDate& start, const QDate& heute);

// A stored window extent (outer height or width) is used only when the window stays usable with
// it: at least half the designed extent, at most what the screen has room for. Empty: take the
// designed extent.
std::optional<int> nutzbareGroesse(int gespeichert, int entworfen, int verfuegbar);

// Creates the data folder when it is missing (its parent must exist). Raises plattform::Fehler
// when it cannot be made.
void legeDatenordnerAn(const QString& ordner);
