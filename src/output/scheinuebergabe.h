#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "output/tippdatei.h"

// "Schein drucken (Test)": the current tips as a tip file of the next day, which the coupon
// dialog then loads into its memo.
namespace schein {

// Writes Home + "Tipps/" + yyyymmdd(datum + 1) + ".zpk" without a dialog: the list lines
// unchanged in the list view, else the five numbers of each filled row. Written whole before it
// replaces an older file of that name. Any failure, the tip folder included, raises
// plattform::Fehler "Datei "<path>" kann nicht erstellt werden. <reason>", so that an older
// file is never taken for the new one.
QString uebergabeSchreiben(const QString& home, const QDate& datum, bool listenansicht, const tippdatei::Blatt& blatt,
                           const QStringList& liste);

// The memo's lines from the written file; raises plattform::Fehler
// "Datei <path> kann nicht geöffnet werden. <reason>" when it cannot be read.
QStringList uebergabeLesen(const QString& pfad);

}  // namespace schein
