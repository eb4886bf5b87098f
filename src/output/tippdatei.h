#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

#include "shell/listenzeile.h"
#include "shell/tippblatt.h"

// Tip files (".zpk"): one tip per line, Windows-1252, CR LF, no header. Written by the save
// and by both hand-offs; read back by the load and by the coupon dialog.
namespace tippdatei {

using tippblatt::Blatt;
using tippblatt::Dialogname;
using tippblatt::Feldtexte;

enum class Form {
  voll,   // the save in the standard view: seven fields joined by ","
  kurz,   // the hand-offs in the standard view: the five numbers joined by ","
  liste,  // the list view: the lines of Gewinnzahlen unchanged
};

inline const QString kEndung = QStringLiteral("zpk");
// The save and open dialogs' filters, their kinds in the chosen language.
QString filterSpeichern();
QString filterLaden();
// Larger files are no tip files (listenzeile::kDateiMax).
inline constexpr qint64 kGroesseMax = listenzeile::kDateiMax;

// Home + "Tipps" with a trailing separator.
QString tippordner(const QString& home);
// Creates the tip folder when missing; raises plattform::Fehler
// "Das Verzeichnis <folder> kann nicht erstellt werden." when that fails.
void tippordnerAnlegen(const QString& home);
// The date name: datum + tage as "yyyymmdd" + ".zpk".
QString datumsname(const QDate& datum, int tage);

// The lines of a file in the given form. Full and short form take the rows whose first
// number field is not empty, in row order, each field as its text stands.
QStringList zeilen(Form form, const Blatt& blatt, const QStringList& liste);

// Writes the lines (complete before they replace an older file). Raises plattform::Fehler:
// in the list form "Datei "<path>" kann nicht erstellt werden. <reason>", in the sheet forms
// the run-time file error ("Dateizugriff verweigert" when access is refused, else the reason).
void schreibe(const QString& pfad, Form form, const Blatt& blatt, const QStringList& liste);

// The hand-offs: creates the tip folder and writes the file of datum + tage there without a
// dialog (list form in the list view, else short form). Returns the path written, which the
// caller puts into the save dialog's Dialogname.
QString schreibeUebergabe(const QString& home, const QDate& datum, int tage, bool listenansicht, const Blatt& blatt,
                          const QStringList& liste);

// Reads a tip file whole: UTF-8 or UTF-16 when a byte-order mark says so, else Windows-1252.
// Raises plattform::Fehler when it cannot be read, and "Die Datei "<path>" ist keine
// Tippdatei." when it is larger than kGroesseMax, no regular file, or holds a NUL character or
// a line longer than listenzeile::kZeileMax (listenzeile::liesDatei).
QStringList lies(const QString& pfad);

// One line of the sheet forms: split at commas into at most seven fields, the seventh taking
// everything after the sixth comma; fields the line lacks are empty.
Feldtexte teileZeile(QStringView zeile);
// Rows 1..12 from the first twelve lines; rows without a line get empty fields.
Blatt blattAusZeilen(const QStringList& zeilen);

// The list view's reading of a file: each line trimmed, then over the whole text "  " -> " "
// four times, " " -> ",", "," -> TAB. Sheet-form lines become list lines; list lines stay.
QStringList listeAusZeilen(const QStringList& zeilen);

}  // namespace tippdatei
