#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

#include "shell/tippblatt.h"
#include "shell/ziehung.h"
#include "shell/ziehungssuche.h"

// What the panels of the main window ask of one another. Each panel takes the program state and
// the one or two of these it needs, never the whole window, so no panel reaches into another
// panel's controls.

// The main window's status bar.
class Statusanzeige {
 public:
  virtual ~Statusanzeige() = default;
  virtual void setzeStatus(int panel, const QString& text) = 0;
};

// The tip checks against the current draw; each returns the best Trefferwert.
class Tippvergleicher {
 public:
  virtual ~Tippvergleicher() = default;
  virtual int Komplettcheck() = 0;       // the tip sheet
  virtual int Listengewinncheck() = 0;   // the list view
  virtual bool listenansichtGezeigt() const = 0;
  // The list when the list view is shown, otherwise the sheet.
  int Tippvergleich() { return listenansichtGezeigt() ? Listengewinncheck() : Komplettcheck(); }
};

// The proxy every request goes through, as the options tab holds it.
class Proxyangaben {
 public:
  virtual ~Proxyangaben() = default;
  virtual QString proxyHost() const = 0;
  virtual QString proxyPort() const = 0;
};

// What the draw download shows on the draw history's panel.
class Downloadanzeige {
 public:
  virtual ~Downloadanzeige() = default;
  virtual void startknoepfe(bool laeuft) = 0;  // start buttons off and the stop button shown while it runs
  virtual bool stoppGezeigt() const = 0;       // false once the stop button was clicked
  virtual void stoppen() = 0;                  // hides the stop button: the loop ends after this day
  virtual void tagZeigen(const QDate& tag) = 0;
  virtual void antwortZeigen(const QString& text) = 0;
  virtual void gespeichertZeigen(const QDate& tag) = 0;
  // After the download: the newest text in the draw panel, then the draw of the end date
  // becomes the current draw and the tips are compared with it.
  virtual void nachDownloadZeigen() = 0;
};

// The tip sheet's rows as the history search and the historical analysis walk them.
class Tippzeilen {
 public:
  virtual ~Tippzeilen() = default;
  // The seven field texts of rows 1..12 (five numbers, two extras) as they stand.
  virtual std::array<std::array<QString, 7>, 12> zeilentexte() const = 0;
  // A row's hit label: the count, red from two hits on, black below.
  virtual void trefferZeigen(int zeile, int treffer) = 0;
  // The hidden hint of a row's hit label (rows 1 and 2 name the extras in the draw text).
  virtual QString trefferHint(int zeile) const = 0;
  // The draw's five numbers and two extras into the first row's fields, through their checks.
  virtual void ersteZeileSetzen(const Ziehung& z) = 0;
  // "Löschen aller Tipps" without the question.
  virtual void alleTippsLoeschen() = 0;
};

// The draw panel's steps that other panels drive.
class Ziehungsschritte {
 public:
  virtual ~Ziehungsschritte() = default;
  virtual QDate startDatum() const = 0;  // DateTimePicker2
  virtual QDate endDatum() const = 0;    // DateTimePicker1
  virtual Ziehungszeitfilter zeitfilter() const = 0;
  // Shows the draw of the end date (the button beside the end date).
  virtual void zeigeZiehungDesEnddatums() = 0;
  // The next-draw step on a record already read: it becomes the current draw at that
  // position, is shown, the end date follows; the tips are compared when `vergleichen`.
  virtual void zeigeSchritt(const Ziehung& z, int position, bool vergleichen) = 0;
  // The draw text of the shown draw (Label29 and its copy Label35) and its sum (Label13).
  virtual void anzeigeSetzen(const QString& text, const QString& summe) = 0;
};

// What the tip files, the text list, the coupon and the hand-offs ask of the panels.

// The tip sheet and the list view.
class Tippablage {
 public:
  virtual ~Tippablage() = default;
  virtual bool listenansichtGezeigt() const = 0;
  // The texts of the seven fields of rows 1..12, as they stand.
  virtual tippblatt::Blatt blatt() const = 0;
  virtual QStringList listenzeilen() const = 0;
  // The tip count (UpDown8).
  virtual int tippanzahl() const = 0;
  // Row k (1..12), locked or not, receives the texts; each field keeps what its own check
  // leaves of them.
  virtual void zeileSetzen(int k, const tippblatt::Feldtexte& texte) = 0;
  virtual void listeErsetzen(const QStringList& zeilen) = 0;
  // Clearing all tips, with its question.
  virtual void SpeedButton11Click() = 0;
  virtual int Listengewinncheck() = 0;
};

// The end date of the date window and showing its draw.
class Ziehungswahl {
 public:
  virtual ~Ziehungswahl() = default;
  virtual QDate endeDatum() const = 0;  // DateTimePicker1
  // Shows the draw of the end date and checks the tips against it.
  virtual void SpeedButton5Click() = 0;
};
