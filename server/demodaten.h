#pragma once
#include <array>
#include <mutex>
#include <string>

#include "standin.h"

// A deterministic demo data set: two draws a day from 08.02.2018 on, five different numbers
// 1..55 each, drawn from a generator seeded by the day and the draw time, with quotas for
// every draw day, a cart template and click-script templates. A day's 13:00 draw comes out
// once 13:00 local time has passed, its 20:30 draw and the day's quotas once 20:30 has
// passed; before 13:00 the day's answer is empty. None of it is real.
namespace standin::demo {

inline constexpr Datum kErsterTag{std::chrono::year(2018), std::chrono::month(2), std::chrono::day(8)};
inline constexpr const char* kMarke = "DEMODATEN.txt";

struct Zeitpunkt {
  Datum tag;
  int minuten = 0;  // minutes since local midnight
};
Zeitpunkt jetzt();  // local time

// Numbers of one draw in drawing order.
std::array<int, 5> ziehung(const Datum& tag, bool mittag);
// How many draws of the day are out at that moment (0, 1 or 2).
int veroeffentlicht(const Datum& tag, const Zeitpunkt& zeit);

// The bodies the demo serves: `anzahl` draw lines, the 13:00 draw first, CR LF after each.
std::string ziehungsAntwort(const Datum& tag, int anzahl);
// The day's quota text, published with its 20:30 draw.
std::string quotenAntwort(const Datum& tag);
// The demo click-script template; the program ships the same text as data/Script/Quintavola.qzt.
std::string klickskript();

// Unschreibbar: a file of the set could not be written (fehler() names it); nothing is served
// as demo data then.
enum class Stand { Angelegt, Ergaenzt, Fremd, Unschreibbar };

// Keeps a demo folder up to the moment: creates the set in a folder that holds no data,
// adds the draws that came out since in a folder that holds the demo set, and leaves a
// folder with other data alone. Safe to call from several request threads.
class Demodaten {
 public:
  explicit Demodaten(const Datenordner& ordner) : ordner_(ordner) {}
  Stand bereitstellen(const Zeitpunkt& zeit);
  // Cheap when nothing came out since the last call.
  void nachfuehren(const Zeitpunkt& zeit);
  // The first file that could not be written, empty while every write succeeded.
  std::string fehler() const;

 private:
  bool schreibeBis(std::chrono::year von, const Zeitpunkt& zeit, bool nurFehlende);
  bool schreibe(const std::filesystem::path& datei, std::string_view inhalt);
  std::string fehler_;
  const Datenordner& ordner_;
  mutable std::mutex sperre_;
  bool aktiv_ = false;
  Datum stand_{};  // newest day written
  int standAnzahl_ = -1;
};

}  // namespace standin::demo
