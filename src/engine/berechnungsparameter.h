#pragma once
#include <QDate>

// The options of the tab "Parameter" as the engine reads them: plain values, taken afresh
// from the window each time a rule or a pool step applies. Defaults are the designed ones.
// The core never clamps them to the control ranges.
struct Berechnungsparameter {
  // Overlap with the other tips.
  bool CheckBox27 = true;  // per-row bounds
  bool CheckBox3 = true;   // maximum
  int UpDown3 = 2;
  bool CheckBox24 = true;  // minimum
  int UpDown9 = 2;
  // Shape of the tip.
  bool CheckBox8 = false;   // force a pair
  bool CheckBox18 = true;   // no runs of three
  int UpDown1 = 50;         // sum from
  int UpDown2 = 200;        // sum to
  // The last three draws.
  bool CheckBox4 = true;
  int UpDown4 = 0;
  bool CheckBox5 = true;
  int UpDown5 = 1;
  bool CheckBox23 = true;
  int UpDown11 = 2;
  // Minimum counts.
  bool CheckBox25 = false;  // even
  int UpDown15 = 2;
  bool CheckBox26 = false;  // odd
  int UpDown16 = 2;
  bool CheckBox22 = false;  // primes
  int UpDown10 = 2;
  // History filters.
  bool CheckBox9 = true;  // date window
  int UpDown6 = 4;
  bool CheckBox28 = true;  // recent spans of 14 days
  int UpDown17 = 3;
  int UpDown18 = 50;
  bool CheckBox31 = false;  // extra numbers in matches; candidates carry none

  // Pool: statistical bands.
  bool CheckBox1 = false;   // frequent pairs
  bool CheckBox11 = false;  // rare pairs
  bool CheckBox6 = false;   // frequent triples
  bool CheckBox12 = false;  // rare triples
  bool CheckBox7 = false;   // frequent quadruples
  bool CheckBox13 = false;  // rare quadruples
  bool CheckBox2 = false;   // frequently drawn
  int UpDown12 = 30;
  bool CheckBox14 = false;  // rarely drawn
  int UpDown14 = 20;
  bool CheckBox10 = true;  // overdue
  int UpDown13 = 34;
  bool CheckBox19 = false;  // neighbours of the last draw
  // Pool: base numbers and exclusions.
  bool CheckBox15 = false;  // preferred numbers only
  bool CheckBox29 = false;  // avoid 1..12
  bool CheckBox30 = false;  // one entry less of 1..31
  bool CheckBox20 = false;  // show the number-selection dialog

  // Date window start (DateTimePicker2) and the draw-time filter of the statistics.
  QDate DateTimePicker2{2018, 2, 7};
  bool Mittag = true;
  bool Abend = true;
};
