#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace plattform {

// A report template (".fr3"): an XML file, stored plain or compressed (zlib or gzip), whose
// pages hold named objects. The coupon dialog moves, fills and hides the memo views of one
// page; the renderer draws what a prepared copy holds.
//
// Read: the root element "TfrxReport"; each "TfrxReportPage" element below it is a page
// (attributes Name, PaperWidth and PaperHeight in mm, PaperSize as the paper code,
// Orientation "poPortrait" or "poLandscape"); every element inside a page that carries a
// Name is an object of that page (Left, Top, Width, Height in 1/96 inch from the paper's
// top-left corner, Text, Font.Size in points, Visible "True"/"False"). Numbers are written
// with "." as decimal separator. Everything else is ignored. A document type declaration
// is refused, so that no entity is ever expanded.

struct Berichtsobjekt {
  QString klasse;  // the element name, "TfrxMemoView" for a memo view
  QString Name;
  double Left = 0, Top = 0, Width = 0, Height = 0;
  QString Text;
  int FontSize = 10;
  bool Visible = true;

  bool istMemo() const { return klasse == QLatin1String("TfrxMemoView"); }
};

// Paper codes as the page stores them; 256 is a size of the user's own.
inline constexpr int kPapierEigen = 256;

// The paper a printer can take, in mm, each side: from a small label up to beyond the largest
// standard sheet (JIS B0, 1030 x 1456). Also bounds what the preview and a print allocate.
inline constexpr double kPapierMinMm = 10;
inline constexpr double kPapierMaxMm = 2000;
// A paper side within those bounds (never NaN or infinite).
bool papiermass(double mm);
// A paper code as a printer takes it (a positive 16-bit number).
bool papiercode(int code);
// Positions, sizes and font sizes of a template's objects that a page can show: a position
// reaches at most one largest page beyond the paper's corner (1/96 inch units).
inline constexpr double kLageMax = kPapierMaxMm * 96 / 25.4;
inline constexpr int kSchriftMax = 1000;

struct Berichtsseite {
  QString Name;
  int PaperSize = 9;  // A4
  double PaperWidth = 210, PaperHeight = 297;  // mm
  bool Querformat = false;
  QByteArray Hintergrund;      // picture file bytes, empty for none
  QString HintergrundFormat;   // "png" or "jpg", by the picture file's extension
  std::vector<Berichtsobjekt> objekte;
};

// The prepared report: the pages with their objects as they stood when it was prepared, and
// the report's name (a print job's name and the proposed file name of a print to a file).
struct VorbereiteterBericht {
  std::vector<Berichtsseite> seiten;
  QString name;
};

class Report {
 public:
  static constexpr qint64 kGroesseMax = 32 * 1024 * 1024;

  enum class Laden { geladen, fehlt, unlesbar };
  // Discards the current content, then reads the file. A file that does not exist leaves an
  // empty report (fehlt); one that cannot be read or parsed, or that inflates beyond
  // kGroesseMax, leaves an empty report too (unlesbar, with grund()).
  Laden laden(const QString& pfad);
  // The same on the bytes of a file.
  Laden ladeDaten(const QByteArray& daten);
  void leeren();
  const QString& grund() const { return grund_; }

  // Objects and pages by name (an index, no search); nullptr when there is none.
  Berichtsobjekt* objekt(const QString& name);
  const Berichtsobjekt* objekt(const QString& name) const;
  Berichtsseite* seite(const QString& name);
  const std::vector<Berichtsseite>& seiten() const { return seiten_; }
  bool leer() const { return seiten_.empty(); }
  // ReportOptions.Name, else the template file's name without its extension; empty when
  // neither is known.
  const QString& name() const { return name_; }

  // Loads a picture file as a page's background (its bytes; the renderer decodes them).
  // Raises Fehler when the file cannot be read.
  static void ladeHintergrund(Berichtsseite& seite, const QString& pfad);

  VorbereiteterBericht vorbereiten() const { return {seiten_, name_}; }

 private:
  void indexieren();
  std::vector<Berichtsseite> seiten_;
  QHash<QString, std::pair<int, int>> objekte_;  // name -> page, object (-1 for the page itself)
  QString grund_;
  QString name_;
};

// Inflates zlib or gzip data; empty when it is neither, broken, or larger than `max`.
std::optional<QByteArray> entpacke(const QByteArray& daten, qint64 max);
bool istGepackt(const QByteArray& daten);

}  // namespace plattform
