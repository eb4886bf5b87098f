#pragma once
#include <QDate>
#include <QString>

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
