#pragma once
#include <QString>
#include <array>

// The tip sheet as the panels hand it on: field texts of its rows, and the file name that the
// shared save dialog holds. Tip files, the coupon and the hand-offs read and write these.
namespace tippblatt {

// The seven field texts of one row of the sheet: 0..4 the numbers, 5 and 6 the extras.
using Feldtexte = std::array<QString, 7>;
// Rows 1..12 of the sheet at index 0..11.
using Blatt = std::array<Feldtexte, 12>;

// The file name that the shared save dialog holds; the load proposes it. The save sets it to
// the chosen path (after a cancel, to the proposed name), the hand-offs to their fixed path.
struct Dialogname {
  QString FileName;
  QString InitialDir;
};

}  // namespace tippblatt
