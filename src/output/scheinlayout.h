#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "plattform/reportvorlage.h"

// The geometry of the pre-printed play coupon: where the cells of each tip block lie, in the
// units of the template's object positions (1/96 inch from the paper's top-left corner).
namespace schein {

struct Scheinlayout {
  double AnfangLeft = 5, AnfangTop = 5;  // number 1 of slot 1
  double BlockLeft = 5, BlockTop = 5;    // pitch of the block columns and rows
  double Breite = 14, Hoehe = 14;        // pitch of the number cells
  double EuroLeft = 0, EuroTop = 14;     // offset of the extra-number field
  double EuroBreit = 14, EuroHoch = 14;  // pitch of its cells
};

struct Punkt {
  double Left = 0;
  double Top = 0;
};

// Number b of the tip in block column j and block row k (both from 1), with `spalten`
// columns in a block's number field. Row and column of b are taken in 64-bit arithmetic,
// truncating toward zero, so that any whole number lands somewhere (0 one cell left of 1).
Punkt markenposition(const Scheinlayout& l, int spalten, int j, int k, long long b);

// What the calibration reads: the number field's rows and columns and the extra field's.
struct Feldgroessen {
  int zeilen = 5, spalten = 10;
  int euroZeilen = 1, euroSpalten = 10;
};

// "Einstellungen einlesen": the layout from the reference views of a template. Without one of
// Zahl1_1, Zahl2_1, Zahl4_1, Zahl1_2, Zahl1_3 nothing changes and the name of the first one
// missing comes back; without Stern1_1 or Stern2_1 the extra-field values stay.
std::optional<QString> kalibriere(const plattform::Report& r, const Feldgroessen& g, Scheinlayout& l);

// A position or pitch of the layout reaches at most from one template position to another.
inline constexpr double kLayoutMax = 2 * plattform::kLageMax;
// A layout value as its edit or the store holds it: a number written with either decimal
// separator, within -kLayoutMax..kLayoutMax; empty otherwise.
std::optional<double> layoutzahl(const QString& text);
// The same, but a text that gives none raises the conversion message.
double layoutwert(const QString& text);

// A calibrated value as its edit shows it: rounded to two decimals (half to even), in the
// shortest form with the user's decimal separator, never "-0" (13.7, 136.06, 0).
QString anzeigewert(double wert);
// A stored paper value: the shortest general form without thousands separators (1189, 197,5).
QString allgemein(double wert);
// EuroLeft and EuroTop as their up-downs take them: whole, half to even, within -1000..1000.
int euroPosition(double wert);

// The template named by the dialog, else the file of that name in the program folder, else
// the bare name "schein.fr3". The picture the same way, else none.
inline const QString kVorlage = QStringLiteral("schein.fr3");
QString vorlagenpfad(const QString& reportvorlage, const QString& programmpfad);
QString bildpfad(const QString& backImage, const QString& programmpfad);
// The file-name part of a path written with "\" or "/".
QString dateinamensteil(const QString& pfad);

// The memo's tip lines as the placement reads them: each line trimmed, runs of blanks and
// TABs become single commas, so that list lines and blank-separated numbers become comma lines.
QStringList normalisiere(const QStringList& zeilen);

// A preview grid: rows x columns of texts, filled with a counter from 1 row by row
// (horizontal) or column by column, from the bottom row up when untenBeginnen; a cell whose
// counter exceeds maxZahl shows " ".
std::vector<QStringList> zahlenraster(int zeilen, int spalten, bool horizontal, bool untenBeginnen, int maxZahl);
// A grid cell's pixels from its edit's text (rounded, at least 1); empty when it is no layout value.
std::optional<int> rasterzelle(const QString& text);

}  // namespace schein
