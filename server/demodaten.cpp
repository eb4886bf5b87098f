#include "demodaten.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <system_error>

namespace standin::demo {
namespace fs = std::filesystem;
using std::chrono::days;
using std::chrono::sys_days;

namespace {

class Generator {
 public:
  explicit Generator(std::uint64_t saat) : zustand_(saat) {}
  std::uint64_t naechste() {  // splitmix64
    std::uint64_t z = (zustand_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int unter(int n) { return static_cast<int>(naechste() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t zustand_;
};

std::uint64_t saat(const Datum& tag, int art) {
  const auto n = static_cast<std::int64_t>(sys_days(tag).time_since_epoch().count());
  return static_cast<std::uint64_t>(n) * 4u + static_cast<std::uint64_t>(art) + 0x5A454C414E4FULL;
}

// German form: dots between thousands, a comma before the two decimals.
std::string deutscheZahl(long long cent) {
  std::string ganz = std::to_string(cent / 100);
  for (int i = static_cast<int>(ganz.size()) - 3; i > 0; i -= 3) ganz.insert(static_cast<size_t>(i), ".");
  char rest[4];
  std::snprintf(rest, sizeof rest, "%02lld", cent % 100);
  return ganz + "," + rest;
}

const char* const kMarkentext =
    "DEMODATEN - nicht echt\r\n"
    "\r\n"
    "Dieser Ordner haelt die Demodaten des Stand-in-Servers von Kestrells Zahlen-Kenner\r\n"
    "(zahlenkenner-server --demo). Alle Ziehungen, Quoten, die Warenkorb-Vorlage und die\r\n"
    "Klick-Skripte sind erfunden: sie werden aus dem Datum berechnet und haben mit keiner\r\n"
    "echten Ziehung zu tun. Solange diese Datei hier liegt, ergaenzt der Server beim Start\r\n"
    "und bei jeder Anfrage die Ziehungen, die seitdem dazugekommen sind.\r\n"
    "\r\n"
    "Demo data of the stand-in server: every draw and quota is made up from the date.\r\n";

const char* const kWarenkorb = "https://www.example.com/warenkorb/quintavola?partner={WO}&Tipps={TIPPS}&";

std::string klickskriptText() {
  std::string s =
      "; Demo-Klickskript des Stand-in-Servers (Demodaten, kein echtes Skript)\r\n"
      "MELDUNG \"[MELDUNGFERTIG]\"\r\n"
      "TIPPDATEI \"[TIPPDATEI]\"\r\n"
      "DAUERSPIEL [DAUER]\r\n"
      "DIENSTAG [DI]\r\n"
      "FREITAG [FR]\r\n"
      "DIENSTAG_UND_FREITAG [DIFR]\r\n";
  for (int slot = 1; slot <= 12; ++slot) {
    const std::string n = std::to_string(slot);
    s += "TIPP " + n;
    for (int k = 1; k <= 5; ++k) s += " [Z" + std::to_string(k) + "_" + n + "]";
    s += " [S1_" + n + "] [S2_" + n + "]\r\n";
  }
  return s;
}

bool enthaeltDaten(const fs::path& ordner) {
  for (const char* unter : {"zahlen", "quoten", "lotto", "scripts"}) {
    std::error_code ec;
    const fs::path p = ordner / unter;
    if (fs::is_directory(p, ec) && !fs::is_empty(p, ec)) return true;
  }
  return false;
}

// Writes `soll` unless the file holds it already or holds something that is not an earlier
// state of it (someone edited the file: theirs stays). Days and draws only ever come out at
// the end, so every earlier state of a year file is a first part of its present one.
bool schreibeWennAlt(const fs::path& datei, const std::string& soll, bool nurFehlende) {
  if (nurFehlende) {
    const auto ist = liesDatei(datei);
    if (ist && (*ist == soll || soll.compare(0, ist->size(), *ist) != 0)) return true;
  }
  return schreibeDatei(datei, soll);
}

}  // namespace

std::string klickskript() { return klickskriptText(); }

Zeitpunkt jetzt() {
  const std::time_t t = std::time(nullptr);
  std::tm lokal{};
  localtime_r(&t, &lokal);
  return {Datum{std::chrono::year(lokal.tm_year + 1900), std::chrono::month(static_cast<unsigned>(lokal.tm_mon + 1)),
                std::chrono::day(static_cast<unsigned>(lokal.tm_mday))},
          lokal.tm_hour * 60 + lokal.tm_min};
}

std::array<int, 5> ziehung(const Datum& tag, bool mittag) {
  Generator g(saat(tag, mittag ? 0 : 1));
  std::array<int, 55> topf{};
  for (int i = 0; i < 55; ++i) topf[static_cast<size_t>(i)] = i + 1;
  std::array<int, 5> zahlen{};
  for (int i = 0; i < 5; ++i) {
    const int j = i + g.unter(55 - i);
    std::swap(topf[static_cast<size_t>(i)], topf[static_cast<size_t>(j)]);
    zahlen[static_cast<size_t>(i)] = topf[static_cast<size_t>(i)];
  }
  return zahlen;
}

int veroeffentlicht(const Datum& tag, const Zeitpunkt& zeit) {
  if (sys_days(tag) < sys_days(zeit.tag)) return 2;
  if (sys_days(tag) > sys_days(zeit.tag)) return 0;
  if (zeit.minuten >= 20 * 60 + 30) return 2;
  return zeit.minuten >= 13 * 60 ? 1 : 0;
}

std::string ziehungsAntwort(const Datum& tag, int anzahl) {
  std::string s;
  for (int i = 0; i < anzahl && i < 2; ++i) {
    const bool mittag = i == 0;
    s += alsText(tag);
    const auto z = ziehung(tag, mittag);
    for (const int zahl : z) s += "," + std::to_string(zahl);
    s += mittag ? ";1;\r\n" : ";0;\r\n";
  }
  return s;
}

std::string quotenAntwort(const Datum& tag) {
  Generator g(saat(tag, 2));
  const auto z = ziehung(tag, false);
  std::string s = alsText(tag) + ",";
  for (size_t k = 0; k < 5; ++k) s += (k ? "," : "") + std::to_string(z[k]);
  s += ";" + deutscheZahl(50'000'000 + static_cast<long long>(g.unter(250'000'000))) + ";";
  // Highest class first: 5+E+E, 5+E, 5, 4+E+E, ... 2+E.
  static const long long kMittel[12] = {10000000, 250000, 50000, 5000, 200, 100, 50, 20, 15, 15, 10, 8};
  for (int i = 0; i < 12; ++i) {
    if (i < 3 && g.unter(3) != 0) {
      s += "unbesetzt;";
      continue;
    }
    const long long cent = kMittel[i] * (70 + g.unter(61));  // 70 % to 130 % of the average
    s += deutscheZahl(cent) + ";";
  }
  return s + "\r\n";
}

Stand Demodaten::bereitstellen(const Zeitpunkt& zeit) {
  std::lock_guard<std::mutex> halt(sperre_);
  const fs::path& wurzel = ordner_.pfad();
  std::error_code ec;
  Stand stand = Stand::Ergaenzt;
  if (!fs::exists(wurzel / kMarke, ec)) {
    if (enthaeltDaten(wurzel)) {
      aktiv_ = false;
      return Stand::Fremd;
    }
    if (!schreibe(wurzel / kMarke, kMarkentext) || !schreibe(wurzel / "lotto" / "warenkorb.txt", kWarenkorb) ||
        !schreibe(wurzel / "scripts" / "Quintavola.qzt.txt", klickskriptText())) {
      aktiv_ = false;
      return Stand::Unschreibbar;
    }
    stand = Stand::Angelegt;
  }
  aktiv_ = true;
  if (!schreibeBis(kErsterTag.year(), zeit, stand == Stand::Ergaenzt)) {
    aktiv_ = false;
    return Stand::Unschreibbar;
  }
  return stand;
}

bool Demodaten::schreibe(const fs::path& datei, std::string_view inhalt) {
  if (schreibeDatei(datei, inhalt)) return true;
  if (fehler_.empty()) fehler_ = datei.string();
  return false;
}

std::string Demodaten::fehler() const {
  std::lock_guard<std::mutex> halt(sperre_);
  return fehler_;
}

void Demodaten::nachfuehren(const Zeitpunkt& zeit) {
  std::lock_guard<std::mutex> halt(sperre_);
  if (!aktiv_) return;
  if (sys_days(zeit.tag) < sys_days(stand_)) return;  // the clock went back: keep what is out
  if (sys_days(zeit.tag) == sys_days(stand_) && veroeffentlicht(zeit.tag, zeit) == standAnzahl_) return;
  schreibeBis(stand_.year(), zeit, true);
}

bool Demodaten::schreibeBis(std::chrono::year von, const Zeitpunkt& zeit, bool nurFehlende) {
  for (auto jahr = std::max(von, kErsterTag.year()); jahr <= zeit.tag.year(); ++jahr) {
    std::string zahlen;
    std::string quoten;
    const sys_days erster = std::max(sys_days(kErsterTag), sys_days(jahr / std::chrono::January / 1));
    const sys_days letzter = std::min(sys_days(zeit.tag), sys_days(jahr / std::chrono::December / 31));
    for (sys_days d = erster; d <= letzter; d += days(1)) {
      const Datum tag(d);
      const int n = veroeffentlicht(tag, zeit);
      zahlen += alsAbschnitt(tag, ziehungsAntwort(tag, n));
      // The quotas of a day come out with its last draw.
      if (n == 2) quoten += alsAbschnitt(tag, quotenAntwort(tag));
      stand_ = tag;
      standAnzahl_ = n;
    }
    const Datum imJahr{jahr / std::chrono::January / 1};
    for (const auto& [datei, inhalt] : {std::pair{ordner_.jahresdatei("zahlen", imJahr), &zahlen},
                                        std::pair{ordner_.jahresdatei("quoten", imJahr), &quoten}}) {
      if (!schreibeWennAlt(datei, *inhalt, nurFehlende)) {
        if (fehler_.empty()) fehler_ = datei.string();
        return false;
      }
    }
  }
  return true;
}

}  // namespace standin::demo
