#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

// The 55 numbers of the number-selection dialog: per number a tick (chosen, or in the pool)
// and a weight text. The dialog is a view over it; the tip editor and the engine's pool read
// and write ticks and weights here.
class Werteliste : public QObject {
  Q_OBJECT
 public:
  static constexpr int kAnzahl = 55;

  explicit Werteliste(QObject* eltern = nullptr);

  // n is 1..55; other numbers read as unticked with an empty weight and are never written.
  bool haken(int n) const;
  QString gewicht(int n) const;

  // A tick change: when the tick really changes, the weight rule runs for n.
  void setzeHaken(int n, bool an);
  // A plain weight write; no rule runs.
  void setzeGewicht(int n, const QString& gewicht);
  // Tick and weight as they stand, no rule (a loaded value list holds exactly its line).
  void setzeRoh(int n, bool an, const QString& gewicht);

  // The weight rule for n: while ticked, the weight moves by one (down while Minus is set);
  // a weight that is no whole number, or below 0, becomes "0"; a ticked box at "0" is unticked.
  void gewichtsregel(int n);

  bool minus() const { return minus_; }
  void setzeMinus(bool an) { minus_ = an; }

  // The value-list file: line n holds the weight of a ticked n, an empty line an unticked n.
  // Saving first gives a ticked box with an empty weight the weight "1".
  QStringList alsZeilen(int maxZahl);
  // Writes completely before the old file is replaced; raises plattform::Fehler on failure.
  void speichern(const QString& pfad, int maxZahl);
  // Reads and checks the whole file before anything changes; raises plattform::Fehler for a
  // file that cannot be read or is plainly no text list (over 64 KiB, a NUL byte, a device or a
  // pipe).
  void laden(const QString& pfad, int maxZahl);
  // Applies the lines: a non-empty line ticks n with the line as weight, an empty or missing
  // line unticks n with weight "1".
  void uebernimm(const QStringList& zeilen, int maxZahl);

  static constexpr qint64 kMaxDateigroesse = 64 * 1024;
  static QStringList liesDatei(const QString& pfad);

  // Loop bounds: MaxZahl within 1..55, MaxTipp within 1..min(26, MaxZahl).
  static int begrenzeMaxZahl(int maxZahl);
  static int begrenzeMaxTipp(int maxTipp, int maxZahl);

 signals:
  // Tick or weight of n changed (the view redraws box n).
  void geaendert(int n);
  // The weight rule ran for n (the view shows the status text).
  void regelGelaufen(int n);

 private:
  static bool gueltig(int n) { return n >= 1 && n <= kAnzahl; }
  std::array<bool, kAnzahl> haken_{};
  std::array<QString, kAnzahl> gewicht_{};
  bool minus_ = false;
};

// The status text: the first "%s" of the format becomes the caption, the next one the weight;
// a format with fewer placeholders keeps what it has.
QString wertelisteStatus(const QString& format, const QString& beschriftung, const QString& gewicht);
