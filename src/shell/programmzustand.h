#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>

#include "shell/lebenszyklus.h"
#include "shell/meldungstabelle.h"
#include "shell/tippblatt.h"
#include "shell/tippcheck.h"
#include "shell/ziehungsdaten.h"

// The state of the running program, under the names the program has always used. The main
// window owns one; its panels, the engine and the statistics work on it without the window.
struct Programmzustand {
  // The data folder (ends with a separator) and the draw history's file name in it.
  QString Home;
  QString ZahlenFile = QStringLiteral("ZahlenQV.dat");
  // The hit sound beside the program.
  QString SoundName;
  // Upper bound of the two extra numbers.
  int SternenzahlMax = 10;
  // Candidates a generation run may try.
  int LaufMax = 100000;
  // False while the settings are read: the tip checks wait until the sheet is restored.
  bool sortieren = false;
  bool Berechnunglaeuft = false;
  // Set by the draw download while it runs: deleting, rebuilding or re-entering the history
  // is refused meanwhile.
  bool downloadLaeuft = false;
  QDate dfb;
  QDateTime aktDatum;
  Formateinstellungen FormatSettings;  // the fixed German date text only
  int sprache = 0;  // language code 0..19 (0: the built-in German texts)
  // Carried by the settings from start to exit; nothing else uses them.
  int neuerSchein = 0;
  int TippTop = 39;
  int TippLeft = 47;
  int Land = 1;
  Meldungstabelle Meldungen;

  // The current draw: the record every tip is compared with. Zahl[1..8] are its slots,
  // Position its record index in the history counted from 0.
  QDate Datum1;
  std::array<int, 9> Zahl{};
  int Position = 0;

  // Hit classes of the last check, and the hit state of the last compared tip.
  tippcheck::Statistiktabelle Statistik{};
  tippcheck::Trefferstand Stand;

  // Idle caption of the calculate button BitBtn4, taken by the first run.
  QString Tippsberechnen;

  // What the main window's save dialog holds: set by the tip-file save and by the hand-offs
  // that write tip files; the tip-file load proposes that name.
  tippblatt::Dialogname SaveDialog1;

  QString M(int index) const { return Meldungen.text(index); }
  // The draw history in the data folder.
  Ziehungsdaten historie() const { return Ziehungsdaten(Home, ZahlenFile, &historienpuffer); }
  // Switched on by a generation run (see Historienpuffer).
  mutable Historienpuffer historienpuffer;
  // Compares one tip (five numbers, two extras as typed) with the current draw into Stand.
  void Zettelcheck(const std::array<QStringView, 7>& texte) { tippcheck::Zettelcheck(Zahl, texte, Stand); }
};
