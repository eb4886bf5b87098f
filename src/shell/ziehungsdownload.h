#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "shell/ziehung.h"

class Meldungstabelle;
class Ziehungsdaten;
namespace plattform {
class HttpClient;
}

// The daily draw download: one request per calendar day from the first day the history does
// not hold completely up to today, every draw of each answer appended as a record.

// One line of an answer: a leading field up to the first ",", four numbers each followed by
// ",", the fifth followed by ";", then optionally the draw-time value followed by ";" (non-zero
// for the 13:00 draw). Blanks and control characters around each number are ignored. A number
// outside 1..55 or a draw-time value outside 0..255 makes the line unreadable: stored in its
// byte it would become another number.
struct Antwortzeile {
  std::array<std::uint8_t, 5> zahlen{};
  std::uint8_t mittag = 0;
};
std::optional<Antwortzeile> liesAntwortzeile(const QString& zeile);

// The answer as text in the ANSI code page, split at its line breaks (a break at the very end
// gives no empty last line).
QString antworttext(const QByteArray& inhalt);
QStringList antwortzeilen(const QString& text);

// The request for one day: server + "/zahlen/lotto_neu.asp?Programm=Zelano&Datum=" + yyyymmdd.
QString ziehungsanfrage(const QString& server, const QDate& tag);

// A day has two draws of a few dozen bytes each: a larger answer is a failed request, and an
// answer of more lines than a day has draws is a damaged one, of which nothing is stored.
inline constexpr qint64 kAntwortGrenze = 4096;
inline constexpr int kZiehungenProTag = 2;
// The message for such an answer, in the language of the table.
QString zuVieleZiehungen(const Meldungstabelle& meldungen, const QDate& tag);

// The lowest date of the end-date picker; an empty history starts the day after it.
inline const QDate kErsterDownloadTag = kKleinstesDatum.addDays(1);

// Where a download begins, from the newest stored record (none for an empty history): on the
// newest record's day again when it is a 13:00 draw (its first answer line is then the stored
// draw and is skipped), else on the day after it; a date before the picker's lowest date, or
// none at all, counts as that lowest date. The appended records take the reserved bytes of
// the newest record.
struct Downloadbeginn {
  QDate tag;
  bool ersteZeileUeberspringen = false;
  std::array<std::uint8_t, 16> reserve{};
};
Downloadbeginn downloadBeginn(const std::optional<Ziehung>& neuester);

// The record appended for one answer line.
Ziehung downloadSatz(const QDate& tag, const Antwortzeile& zeile, const std::array<std::uint8_t, 16>& reserve);

// After the download the prize evaluation opens when the best score is 200 or more (a tip with
// two hits), the list view is shown, and no first-line skip is pending (a history that ended
// with a 13:00 draw and no answer line since has nothing new to evaluate).
bool auswertungOeffnen(int besterTreffer, bool listenansicht, bool ueberspringenOffen);

// What the window gives the download and shows of it.
class Downloadfenster {
 public:
  virtual ~Downloadfenster() = default;
  virtual QString proxyHost() const = 0;
  virtual QString proxyPort() const = 0;
  virtual void beginnt(const QDate& tag) = 0;   // the first day to request
  virtual void tagZeigen(const QDate& tag) = 0;  // the day being requested
  virtual void status(int panel, const QString& text) = 0;
  virtual void antwortZeigen(const QString& text) = 0;  // the text of the last answer
  virtual void zeileGelesen(const QDate& tag) = 0;      // a line is parsed for that day
  virtual void gespeichert(const QDate& tag) = 0;       // a record of that day was appended
  // A damaged answer ends the download with a message: the whole answer when a line cannot be
  // read, a short text when the answer holds more lines than a day has draws.
  virtual void unlesbar(const QString& meldung) = 0;
  virtual void eingabenVerarbeiten() = 0;               // handles pending input once
  virtual bool stoppGezeigt() const = 0;                // false once the stop button was clicked
};

struct Downloadergebnis {
  QDate tag;                      // the day after the last one requested (where the picker stands)
  bool ueberspringenOffen = false;  // the skip was set and no answer line has come since
  bool unlesbareZeile = false;   // a line that cannot be read, or more lines than draws
  int anfragen = 0;
  int gespeichert = 0;
};

// Runs the whole download over a history that exists (an empty one is fine). Raises
// plattform::Fehler when the proxy port is not a whole number (before the request that would
// use it) and when a record cannot be appended; what was appended before stays. The records of
// a day are on the disk before the window handles input or a message box opens. The status
// and the messages take their texts from the table.
Downloadergebnis ladeZiehungen(const Ziehungsdaten& historie, plattform::HttpClient& http, Downloadfenster& fenster,
                               const QString& server, const Meldungstabelle& meldungen);
