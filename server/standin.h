#pragma once
#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The stand-in's answers. Everything it serves comes from one data folder:
//
//   zahlen/YYYY.txt       the draw answers of a year: a line "[yyyymmdd]" opens a day, the
//                         lines after it up to the next such line are that day's answer,
//                         sent with CR LF after each line; a day without a section gets 404
//   zahlen/YYYYMMDD.txt   when present, the whole answer for that day, sent byte for byte
//   quoten/YYYY.txt, quoten/YYYYMMDD.txt   the same for the quota request
//   lotto/warenkorb.txt   cart URL template; {WO} (percent-encoded) and {TIPPS} are filled from the query
//   lotto/mitteilung.htm  when present, every cart request gets this page with status 503
//   scripts/NAME.txt      click-script templates, with the file time as Last-Modified;
//   scripts/NAME.txt.status  when present, the status (100..599) that answer is sent with
namespace standin {

using Datum = std::chrono::year_month_day;
using Parameter = std::multimap<std::string, std::string>;

// "yyyymmdd" with a valid calendar date, else nothing.
std::optional<Datum> liesDatum(std::string_view text);
std::string alsText(const Datum& tag);

// RFC 7231 date ("Mon, 15 Jan 2024 10:00:00 GMT").
std::string httpDatum(std::time_t zeit);

struct Antwort {
  int status = 404;
  std::string typ = "text/plain; charset=windows-1252";
  std::string inhalt;
  std::optional<std::time_t> geaendert;  // Last-Modified
};

class Datenordner {
 public:
  explicit Datenordner(std::filesystem::path ordner) : ordner_(std::move(ordner)) {}
  const std::filesystem::path& pfad() const { return ordner_; }

  // Answers one GET; anything that is not one of the four requests gets 404.
  Antwort beantworte(const std::string& pfad, const Parameter& parameter) const;

  // Folder "zahlen" or "quoten"; the year file and the day file of a day in it.
  std::filesystem::path jahresdatei(const char* art, const Datum& tag) const;
  std::filesystem::path tagesdatei(const char* art, const Datum& tag) const;
  std::optional<std::string> tagesantwort(const char* art, const Datum& tag) const;

 private:
  Antwort ziehungenOderQuoten(const Parameter& parameter) const;
  Antwort warenkorb(const Parameter& parameter) const;
  Antwort skript(const std::string& name) const;
  std::filesystem::path ordner_;
};

// The answer of one day in the text of a year file; nothing when the day has no section.
std::optional<std::string> abschnitt(std::string_view jahr, const Datum& tag);
// The section of a day, as the year file holds it.
std::string alsAbschnitt(const Datum& tag, std::string_view antwort);

// A request sent through a proxy names the whole address ("http://host/path"); the path is
// what counts.
std::string pfadOhneUrsprung(const std::string& ziel);

// A reader that finds a file missing gets nothing; a folder or a file that cannot be read
// counts as missing too.
std::optional<std::string> liesDatei(const std::filesystem::path& datei);
// Writes through a temporary file and a rename, so that a request never sees half a file.
bool schreibeDatei(const std::filesystem::path& datei, std::string_view inhalt);

}  // namespace standin
