#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <span>
#include <vector>

// The hits of tips against the current draw.
namespace tippcheck {

// Hit classes of the last check: row = hits 0..6, column = matched extras none, one, both.
using Statistiktabelle = std::array<std::array<int, 3>, 7>;

// The hit state of the last compared tip.
struct Trefferstand {
  int Gewinn = 0;
  std::array<bool, 9> Treffer{};  // 1..5 written
  bool Zusatz = false;
  bool Super = false;
};

// Compares one tip (texts 0..4 the numbers, 5 and 6 the extras, which are not compared) with
// the draw slots zahl[1..5]. The draw slots form the outer loop; the first text that is not a
// whole number ends both loops, keeping the hits counted so far. Treffer[6..8] stay as given.
void Zettelcheck(const std::array<int, 9>& zahl, const std::array<QStringView, 7>& texte, Trefferstand& stand);

// 100 per hit; the last two digits would belong to matched extras, which this game never has.
int Trefferwert(const Trefferstand& stand);

// Counts a compared tip in its hit class. A draw that repeats a number can give more than
// five hits; such a tip counts in the top row, so the count never leaves the table.
void zaehle(Statistiktabelle& statistik, const Trefferstand& stand);

// Field validation of the tip sheet: the text a field ends with after typing `text` into it.
// Not a whole number, or outside 1..max: empty. Otherwise the plain decimal form.
QString gueltigerFeldtext(const QString& text, int max);

// The check of a whole list: one result per line, the hit classes, the best score.
struct Listenergebnis {
  QStringList gewinne;  // decimal hits per line
  Statistiktabelle statistik{};
  int bester = 0;
  int mitZweiTreffern = 0;  // lines with two hits or more
  Trefferstand letzter;     // hit state of the last line
};
Listenergebnis pruefeListe(const std::array<int, 9>& zahl, const QStringList& zeilen);

// The check of the tip sheet: each row's seven texts (five numbers, two extras) as the fields
// hold them. A row whose five numbers all read as whole numbers gets its sum, its numbers in
// ascending order (the exchange sort) and, compared as so sorted, its hits; it counts in its hit
// class. Other rows are left out. `stand` carries the hit state from row to row and ends with
// that of the last complete row.
struct Scheinzeile {
  bool vollstaendig = false;
  long long summe = 0;
  std::array<int, 5> zahlen{};
  Trefferstand stand;
};
struct Scheinergebnis {
  std::vector<Scheinzeile> zeilen;
  Statistiktabelle statistik{};
  int bester = 0;
};
Scheinergebnis pruefeSchein(const std::array<int, 9>& zahl, std::span<const std::array<QString, 7>> zeilen,
                            Trefferstand& stand);

// Panel 0 after a list check: "<lines> Rows  <best / 100>+<best mod 100> max win".
QString listenstatus(int zeilen, int bester);

}  // namespace tippcheck
