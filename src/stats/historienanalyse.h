#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "shell/meldungstabelle.h"
#include "shell/ziehung.h"
#include "shell/ziehungssuche.h"
#include "stats/historiensuche.h"

// "Historische Analyse": each draw D from the chosen one on goes into the first tip row and is
// compared with the earlier draws (first table) and with the draw that follows it (second
// table). The cycles run on one read of the history; the window takes their state only at a
// question and at the end.

// Counts by hits 0..6; a draw that repeats a number can give more than five, which count in 6.
using Analysetabelle = std::array<int, 7>;

struct Analysetabellen {
  Analysetabelle vorgaenger{};  // D against each earlier draw of its window
  Analysetabelle naechste{};    // D against the draw after it
};

// Where the window stands. Indices are those of the records the analysis was given.
struct Analysestand {
  int vorher = -1;     // the D of the cycle before, which the first row held when d was shown; -1 in the first cycle
  int d = -1;          // the draw in the first row
  QDate bis;           // panel 0: the date up to which the cycles run
  int aktuell = -1;    // at a question: the record that is the current draw
  int naechster = -1;  // at the end: the draw shown after the last cycle, -1 when there is none
};

class Analysefenster {
 public:
  virtual ~Analysefenster() = default;
  // A comparison reached the threshold: the window takes the state and asks; false ends the
  // analysis at once (no report).
  virtual bool weiter(const Analysestand& stand) = 0;
};

struct Analyseeingabe {
  int d = -1;         // the first D: the record the show step made current
  QDate gewaehlt;     // the end date before the show step moved it: the first cycle's window starts there
  QDate beginn;       // DateTimePicker2: the window start of every later cycle
  Ziehungszeitfilter filter;
  int schwelle = 5;
  int sternenzahlMax = 10;
};

struct Analyseergebnis {
  Analysetabellen tabellen;
  Analysestand ende;
  int zyklen = 0;
  bool abgebrochen = false;
};

// The next-draw rule (naechsterSatz) for a walk whose position only grows. The rule scans from
// record 0 and moves one or two records by the record read last, so its path does not depend on
// the target: walked once, it answers each step without a scan of its own.
class Naechstschritt {
 public:
  Naechstschritt(const std::vector<Ziehung>& saetze, const Ziehungszeitfilter& filter);
  // The record reached from position; position never goes down between two calls.
  int nach(int position);

 private:
  long long n_;
  std::vector<long long> pfad_;
  std::size_t i_ = 0;
};

// saetze must not be empty and eingabe.d must index it.
Analyseergebnis analysiere(const std::vector<Ziehung>& saetze, const Analyseeingabe& eingabe, Analysefenster& fenster);

// The first row's texts for a draw, as its validated fields hold them: numbers outside 1..55
// and extras outside 1..sternenzahlMax (the zero extras of this game) become empty.
Zeilentexte ersteZeile(const Ziehung& z, int sternenzahlMax);

// The fifteen lines of "Test.txt".
QStringList analysebericht(const Analysetabellen& t, const Meldungstabelle& m);

// Writes the report whole as home + "Test.txt" (CR LF, ANSI code page), replacing an older one;
// returns its path. Raises plattform::Fehler when it cannot be written.
QString schreibeTestbericht(const QString& home, const QStringList& zeilen);
