#pragma once
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QScrollArea>
#include <QSizeF>
#include <memory>
#include <optional>

#include "plattform/reportvorlage.h"

class QPainter;

namespace plattform {

// 1/96 inch per unit of the template's positions.
inline constexpr double kEinheitenProMm = 96.0 / 25.4;

// The page in units, as its paper lies (width and height as the page holds them).
QSizeF seitengroesse(const Berichtsseite& s);

// Draws one page of a prepared report: positions from the paper's top-left corner, `faktor`
// device pixels per unit; the visible objects with a text show it in their rectangle at their font
// size; the background picture only when asked (the preview shows it, a print never). Whatever
// lies off the page is clipped.
void zeichneSeite(QPainter& p, const Berichtsseite& s, double faktor, bool mitHintergrund);
QImage seitenbild(const Berichtsseite& s, double faktor, bool mitHintergrund);

// The page's background picture decoded; empty when there is none or it does not decode.
std::optional<QImage> hintergrund(const Berichtsseite& s);
bool bildLesbar(const QByteArray& daten, const QString& format);

// Printing a prepared report and setting up its page. Tests install a double.
class Berichtsdruck {
 public:
  virtual ~Berichtsdruck() = default;
  // The print dialog, then every page of the report; false when it was cancelled.
  virtual bool drucken(const VorbereiteterBericht& bericht) = 0;
  // The page setup for the page; on OK the page takes paper code, size and orientation and
  // the result is true; Cancel changes nothing.
  virtual bool seiteEinrichten(Berichtsseite& seite) = 0;
};
Berichtsdruck& berichtsdruck();
void setzeBerichtsdruck(std::unique_ptr<Berichtsdruck> d);

// Paper codes of the page and Qt's page sizes (Windows paper ids; 256 a size of its own).
QPageSize seitenformat(const Berichtsseite& s);
void uebernimmFormat(Berichtsseite& s, const QPageSize& format, bool quer);
// The printer's page for a report page: its paper, its orientation, no margins.
QPageLayout seitenlayout(const Berichtsseite& s);
bool gleicheSeite(const QPageLayout& a, const QPageLayout& b);
// Sets the controls of a page setup of Qt's print dialogs (the page setup dialog, the printer's
// properties) to the page; false when it has none of them.
bool zeigeSeite(QWidget& einrichtung, const QPageLayout& l);
// The file a print to a file proposes: the report's name (characters no file name holds
// replaced) with ".pdf" in the user's documents folder, else the home folder.
QString druckdateiname(const QString& name);

// The embedded preview: the prepared report's shown page at 96 dpi with its background
// picture. A new report keeps the page number (page 1 when that page no longer exists) and the
// scroll position.
class Berichtsvorschau : public QScrollArea {
  Q_OBJECT
 public:
  explicit Berichtsvorschau(QWidget* eltern = nullptr);
  void zeigen(const VorbereiteterBericht& bericht);
  const VorbereiteterBericht& bericht() const { return bericht_; }
  int seite() const { return seite_; }
  void setzeSeite(int seite);
  // The picture of the shown page as the preview draws it.
  QImage bild() const;

 private:
  class Blatt;
  void neuZeichnen();
  void malen(QPainter& p);
  VorbereiteterBericht bericht_;
  int seite_ = 0;
  Blatt* blatt_ = nullptr;
  QByteArray bildDaten_;  // the last decoded background, kept while it does not change
  QImage bildCache_;
};

}  // namespace plattform
