#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "output/tippdatei.h"

class Meldungstabelle;

// The numbered text list of the tips ("Tipp.txt" in the data folder).
namespace tippausdruck {

// The date the list is for: the current draw's date plus 1 day in the list view, plus 7 on
// the sheet. Without a current draw the end date of the date window stands in for it.
QDate datumDerTipps(const QDate& datum1, const QDate& endeDatum, bool listenansicht);

// Head line (message 32, " ", the date in the user's short format), 46 "~", an empty line,
// then one line per tip: in the list view "%3d. " of the line's position, on the sheet the
// row's own prefix " 1. " .. "12. " of each row whose first field is filled; then message 28,
// ": " and the five numbers as "%2d" joined by three blanks. Extras are never printed.
// Raises plattform::Fehler "'<text>' ist kein gültiger Integerwert" for a field that is no
// whole number (an empty field or a list line of fewer than five fields too).
QStringList zeilen(const Meldungstabelle& meldungen, const QDate& datum, bool listenansicht,
                   const tippdatei::Blatt& blatt, const QStringList& liste);

// Writes the lines whole to Home + "Tipp.txt", replacing the older file only once complete;
// Windows-1252 when every letter fits, else UTF-8 with a byte-order mark. Returns the path.
QString schreibe(const QString& home, const QStringList& zeilen);

}  // namespace tippausdruck
