#pragma once
#include <QList>
#include <QString>

class QWidget;

namespace plattform {

// True when something other than the designed geometry decides where w lies (a layout, a tab
// widget, a scroll area or a compound control's own parts).
bool wirdPlatziert(const QWidget* w);

// Pixels that the caption of a control lacks at its present size: the text's width in the
// control's font (mnemonics and pictures counted) against the room the style leaves it inside
// its frame and margins; for a label that wraps its words, the height instead. 0 when the
// caption fits or the control shows none.
struct Fehlbetrag {
  int breite = 0;
  int hoehe = 0;
};
// `zusatz`: pixels the text needs beyond the width its font reports (a font that lacks the
// text's letters measures them narrow).
Fehlbetrag fehlendeCaption(const QWidget* w, int zusatz = 0);

// Lets each caption of a window take the room its text needs: a control whose caption does not
// fit grows into the free room beside it (towards its text's open side), never over a
// neighbour and never past its parent's edge. Controls widened by an earlier call first get
// their designed size back, so that a language whose texts fit leaves the designed layout
// exactly as it is.
void passeCaptionsAn(QWidget* fenster);
// The property that holds the designed place of a control passeCaptionsAn widened.
inline constexpr const char* kEntwurfsplatz = "zkEntwurf";

}  // namespace plattform
