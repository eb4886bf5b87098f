#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "output/scheinlayout.h"

namespace plattform {
class Registry;
struct Berichtsseite;
}

// The coupon layout in the registry: HKEY_CURRENT_USER, schluessel + "\druck", one value per
// control of the coupon dialog.
namespace schein {

// The values of the dialog's layout controls: the texts of the edits, the positions of the
// up-downs (within their ranges) and the ticks of the check boxes.
struct Layoutsteuerung {
  QString Edit16 = QStringLiteral("5"), Edit17 = QStringLiteral("5");  // AnfangLeft, AnfangTop
  QString Edit4 = QStringLiteral("5"), Edit3 = QStringLiteral("5");    // BlockLeft, BlockTop
  QString Edit2 = QStringLiteral("14"), Edit1 = QStringLiteral("14");  // Breite, Hoehe
  QString Edit12 = QStringLiteral("14"), Edit11 = QStringLiteral("14");  // EuroBreit, EuroHoch
  int UpDown1 = 5, UpDown2 = 10;  // number-field rows, columns (1..50)
  int UpDown5 = 5, UpDown6 = 2;   // block rows, columns (1..10)
  int fontsize = 10;              // 3..16
  int UpDown12 = 0, UpDown11 = 14;  // EuroLeft, EuroTop (-1000..1000)
  int UpDown7 = 1, UpDown8 = 10;    // extra-field rows, columns (1..11)
  QString Zeichen = QStringLiteral("x");
  QString Reportvorlage = kVorlage;
  QString BackImage;
  bool CheckBox1 = true, CheckBox2 = false, CheckBox3 = true, CheckBox4 = false;

  // Each up-down position within its range, as the up-down itself keeps it.
  void begrenzen();
};

// The page's paper as the layout stores it.
struct Papier {
  int PaperSize = 9;
  double PaperHeight = 297, PaperWidth = 210;  // mm
  bool Querformat = false;
  bool operator==(const Papier&) const = default;
};

// Stored values that could not be read (another type, no number, a paper no printer has) and
// the controls and the paper as the showing left them: the closing keeps such a stored value
// unless the user changed what stands in its place.
struct Behalten {
  QStringList namen;
  Layoutsteuerung steuerung;
  std::optional<Papier> papier;
};

QString layoutschluessel(const QString& schluessel);
bool layoutVorhanden(const QString& schluessel);

// Reads every stored value into its control. A position or pitch text reads with either
// decimal separator, so that a layout stored under other regional settings keeps its values
// (the text stays as stored). A value of the wrong type, or a text that gives no layout value,
// is skipped and its name returned, so a damaged layout never keeps the dialog from opening.
// An empty "Reportvorlage" gives "schein.fr3".
QStringList liesLayout(const QString& schluessel, Layoutsteuerung& s);

// The fields from the controls; an edit that still holds no layout value takes its default,
// and its text with it.
Scheinlayout felderAusSteuerung(Layoutsteuerung& s);

// The stored paper values that read: a paper code and sizes (with either decimal separator) a
// printer takes, "PaperOr" 1 for portrait and anything else for landscape; the names of those
// that exist and do not read.
struct GespeichertesPapier {
  std::optional<int> PaperSize;
  std::optional<bool> Querformat;
  std::optional<double> PaperHeight, PaperWidth;
  QStringList unlesbar;
};
GespeichertesPapier liesPapier(const QString& schluessel);

// Writes every value, the paper only when the template has its page, except a position or
// pitch text that gives no layout value and what `behalten` keeps. False when the key cannot
// be opened: nothing was written. Raises plattform::Fehler when a write fails.
bool schreibeLayout(const QString& schluessel, const Layoutsteuerung& s, const std::optional<Papier>& papier,
                    const Behalten& behalten = {});

}  // namespace schein
