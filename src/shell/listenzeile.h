#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// One tip of the list view. Every reader takes the fields out with liesListenzeile.
namespace listenzeile {

// The seven fields of a line: 0 to 4 the numbers, 5 and 6 the two extras. The views point
// into the line that was read and live as long as it does.
class Felder {
 public:
  QStringView operator[](int i) const { return i == 6 && !feld7_.isNull() ? QStringView(feld7_) : felder_[i]; }
  QString text(int i) const { return (*this)[i].toString(); }

 private:
  friend Felder liesListenzeile(QStringView zeile);
  std::array<QStringView, 7> felder_{};
  QString feld7_;  // only when the last field itself held a run of three TABs
};

// Each run of three TABs counts as one TAB, scanning once from the left without overlap
// (four TABs are two separators, six are two); then the line splits at TAB into seven fields
// from the left, the last field taking everything after the sixth separator. Fields beyond
// the last separator are empty. Works on views: an ordinary line costs no allocation.
Felder liesListenzeile(QStringView zeile);

// Short form: the five number texts joined by single TABs.
QString kurzform(const std::array<QString, 5>& zahlen);
// Long form: the short form, three TABs, the first extra, one TAB, the second extra.
QString langform(const std::array<QString, 5>& zahlen, const QString& extra1, const QString& extra2);

// A line of tips longer than this is no tip: every form of a tip takes a few dozen characters.
inline constexpr qsizetype kZeileMax = 1024;
// A file of tips beyond this size is no tip file: 6500 tips take about 160 KiB, and a list of
// millions of lines would hold the window for the best part of a minute when it is shown.
inline constexpr qint64 kDateiMax = 1024 * 1024;

enum class Kodierung {
  ansi,    // Windows-1252 only (the list file)
  mitBom,  // UTF-8 or UTF-16 when a byte-order mark says so, else Windows-1252 (tip files)
};
// Reads a file of tips (a tip file, the list file) line by line. Raises plattform::Fehler when it
// cannot be read, and "Die Datei "<path>" ist keine Tippdatei." when it is larger than kDateiMax,
// is no regular file (a device or pipe may never end), holds a NUL character or a line longer
// than kZeileMax. Nothing beyond kDateiMax is read.
QStringList liesDatei(const QString& pfad, Kodierung kodierung);

}  // namespace listenzeile
