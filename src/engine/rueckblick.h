#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "shell/meldungstabelle.h"
#include "shell/tippcheck.h"

// The lucky number, which fixes the shared generator for the next run, and the back-test, which
// replays the generation week by week from the end date to the newest draw.
namespace engine {

// A lucky number is any signed 32-bit whole number ("007" is 7, "-5" is -5); other texts are none.
std::optional<int> liesGlueckszahl(const QString& text);
// RandSeed takes the number's bit pattern.
void setzeGlueckszahl(int zahl);
// The proposal of the lucky-number box: Random(99999) as decimal text.
QString glueckszahlVorschlag();
// The default of the back-test's seed box: RandSeed as a signed 32-bit number, so that an
// untouched box reads back as the same state.
QString saatVorgabe();
// Panel 1 after a lucky number: message 37, the number, message 38, blank-separated.
QString glueckszahlText(const Meldungstabelle& m, int zahl);

// What the window does for the back-test.
class Rueckblickumgebung {
 public:
  virtual ~Rueckblickumgebung() = default;
  // One generation run; an error raises after the run restored its state.
  virtual void lauf() = 0;
  virtual QDate DateTimePicker1() = 0;
  virtual void setzeDateTimePicker1(const QDate& tag) = 0;
  // Shows the first draw on or after the end date, else the newest, moves the end date to it
  // and compares the tips, which fills Statistik. False when the history holds no draw.
  virtual bool SpeedButton5Click() = 0;
  virtual const tippcheck::Statistiktabelle& Statistik() = 0;
};

// The totals of a back-test: rows hits 0 to 5, columns matched extras none, one, both.
struct Rueckblick {
  std::array<std::array<int, 3>, 6> summe{};
  int wochen = 0;
};

// The week loop from `start`: every week the generator takes the seed again, one run, the end
// date one week on with its draw shown, the hit classes added; it ends after the week in which
// showing the draw one week on no longer moves the end date (no week when `start` is `heute`),
// or when the draw step found no draw or left the end date after `heute`.
// Raises plattform::Fehler when the seed text is not a whole number, before any run; a run's
// error reaches the caller.
Rueckblick wochenschleife(Rueckblickumgebung& env, const QString& saattext, const QDate& start, const QDate& heute);

// The report "Test.txt", line by line. Each week's run fills the tip sheet, so a week holds at
// most twelve tips whatever the requested count.
QStringList rueckblickbericht(const Rueckblick& r, int tippzahl, const Meldungstabelle& m);

}  // namespace engine
