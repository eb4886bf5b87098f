#pragma once
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "shell/ziehung.h"

// "Tipps in DB suchen": every draw of the date window in turn is compared with the twelve
// tips; a tip that reaches the threshold asks whether the search goes on. The walk runs on
// plain values; the window is brought up to date only where the user sees it (at each
// question and at the end), so that nothing is painted per draw.

// The seven texts of one tip row: five numbers, two extras.
using Zeilentexte = std::array<QString, 7>;

// What the window shows of the walk: the draw it stands on and the hit labels written since
// the window was last brought up to date (-1: the label keeps its text).
struct Suchstand {
  Ziehung ziehung;
  std::array<int, 12> treffer{};
  int zeile = 0;  // the row compared last (1..12), 0 before any comparison
};

class Suchfenster {
 public:
  virtual ~Suchfenster() = default;
  // A row reached the threshold: the window takes the state, checks the whole sheet against
  // the draw and asks; false ends the search at once.
  virtual bool weiter(const Suchstand& stand) = 0;
};

struct Suchergebnis {
  std::optional<Suchstand> ende;  // empty: the window holds no draw
  bool abgebrochen = false;       // No at a question; the window already shows that state
};

// The window is von <= date <= bis in whole days; a record whose date cannot be read lies
// outside it. The rows are compared in order 1..12 with every draw, in file order.
Suchergebnis suche(const std::vector<Ziehung>& saetze, const QDate& von, const QDate& bis, int schwelle,
                   const std::array<Zeilentexte, 12>& zeilen, Suchfenster& fenster);

// Label29 and Label35 during the search: the date "DDD dd.mm.yy", two blanks, each number
// after two blanks, three blanks, then the extras after the hint texts of Label22 and Label23.
QString suchanzeige(const Ziehung& z, const QString& hintE1, const QString& hintE2);
