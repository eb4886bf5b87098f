#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "shell/tippcheck.h"

namespace plattform {
class HttpClient;
}

// The prize evaluation: twelve prize classes of a game with five numbers and two extra
// numbers, their counts from the hit classes of the last check, their quotas (downloaded,
// averages or typed) and the prizes.
class Meldungstabelle;

namespace auswertung {

inline constexpr int kKlassen = 12;

// From this day on rows 4 and 5 are "3 + E" and "2 + E + E"; before it "2 + S + S" and "3 + S".
inline const QDate kUmstellung(2014, 10, 10);

struct Gewinnklasse {
  QString name;    // the class label
  QString chance;  // the odds, hint of the quota field
  int treffer = 0;  // Statistik row: hits
  int extras = 0;   // Statistik column: matched extra numbers
};

// The twelve rows top to bottom for the evaluated draw's date.
std::array<Gewinnklasse, kKlassen> gewinnklassen(const QDate& datum);

// The counts of the rows from the hit classes, in row order.
std::array<int, kKlassen> anzahlen(const tippcheck::Statistiktabelle& statistik, const QDate& datum);

// The average quotas of rows 1 to 12 as the texts they are written with.
const std::array<QString, kKlassen>& durchschnittsquoten();

// The recalculation over the 24 texts of the count and quota fields. A quota "-" (one that did
// not download) reads as 0. The first field that does not read stops it with the conversion
// message: the rows before it have their results, the total is not written. A quota whose
// prize, or whose share of the total, runs beyond every number counts as not read.
struct Neuberechnung {
  std::array<bool, kKlassen> aktiv{};  // quota field enabled: the count reads and is above 0
  QStringList ergebnisse;              // result texts of rows 1.. up to the failing field
  std::optional<QString> summe;        // the total, when every field read
  QString fehler;                      // the conversion message, empty when every field read
};
Neuberechnung neuberechnen(const std::array<QString, kKlassen>& anzahl, const std::array<QString, kKlassen>& quote,
                           QChar dezimal);

// Result and total texts; the total read back from the result texts.
QString ergebnistext(double wert, QChar dezimal);  // two decimals, at most seven digits
QString summentext(double wert, QChar dezimal);    // two decimals, at most nine digits
QString quotentext(double wert, QChar dezimal);    // two decimals, at most nine digits
QString einsatztext(double wert, QChar dezimal);   // whole, at most nine digits

// The request for the quotas of one draw day.
QString quotenanfrage(const QString& server, const QDate& datum);

// A number of the server's text: German form whatever the user's settings, with up to three
// thousands dots (the first three from the left) removed and "," as the decimal separator.
std::optional<double> liesServerzahl(QString feld);

// The quota answer: a lead ended by ",", the drawn numbers, the stake and twelve quotas, each
// ended by ";", the highest class first. A field with no ";" after it is empty; a missing ","
// leaves the text whole. A quota field drops everything from its first blank on; "unbesetzt"
// is a class without winner (0). What does not read stays empty.
struct Quotenantwort {
  std::optional<double> einsatz;
  std::array<std::optional<double>, kKlassen> quoten{};  // quoten[0] belongs to row 12
};
Quotenantwort liesQuotenantwort(const QString& text);

// The texts of the quota fields of rows 1 to 12 from an answer: the quota or "-".
std::array<QString, kKlassen> quotenfelder(const Quotenantwort& antwort, QChar dezimal);

// The answer's quotas give a prize and a total that are numbers with the counts of the fields
// (a count that does not read counts 0); an answer whose prizes run beyond every number is a
// damaged one.
bool rechenbar(const Quotenantwort& antwort, std::array<QString, kKlassen> anzahl, QChar dezimal);

// A quota answer is one line of a few hundred bytes: a larger one is a failed request.
inline constexpr qint64 kAntwortGrenze = 64 * 1024;

// The quota client: the proxy (the port read as a whole number: a failure raises Fehler, so
// that no request goes out), time-outs of 5000 ms for connecting and reading, no redirect
// followed, answers up to kAntwortGrenze.
void richteQuotenclientEin(plattform::HttpClient& http, const QString& proxy, const QString& port);

// The quota request of one draw day through a client set up as above.
struct Quotenabruf {
  bool fehler = false;  // the request failed (no answer, a time-out, over the bound, a redirect, status 400 or more)
  int status = 0;
  QString text;        // the body in the ANSI code page
  qsizetype bytes = 0;  // the body's size
  QString panel0;      // "Received N bytes" or "Failed : <code> <reason>"
  // Taken: no error, or one whose status is below 400, and at least one ";" in the text.
  bool genommen = false;
};
// A failure without an answer is named with the texts of `meldungen`, in the user's language.
Quotenabruf holeQuoten(plattform::HttpClient& http, const QString& server, const QDate& datum,
                       const Meldungstabelle& meldungen);

// A hint text with its "%s" filled in.
QString mitWert(const QString& vorlage, const QString& wert);

}  // namespace auswertung
