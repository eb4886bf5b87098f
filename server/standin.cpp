#include "standin.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

namespace standin {
namespace fs = std::filesystem;

namespace {

const std::string* wert(const Parameter& p, const std::string& schluessel) {
  const auto it = p.find(schluessel);
  return it == p.end() ? nullptr : &it->second;
}

std::optional<int> positiveZahl(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1) return std::nullopt;
  return n;
}

// Plain file names only: no folders, no way out of the scripts folder.
bool sichererName(const std::string& name) {
  if (name.empty() || name.size() > 200 || name.front() == '.') return false;
  for (const unsigned char c : name) {
    if (c < 0x20 || c == '/' || c == '\\' || c == ':') return false;
  }
  return name.find("..") == std::string::npos;
}

void ersetzeAlle(std::string& text, std::string_view was, std::string_view durch) {
  for (auto pos = text.find(was); pos != std::string::npos; pos = text.find(was, pos + durch.size()))
    text.replace(pos, was.size(), durch);
}

// The portal name goes back into a URL: percent-encoded, unreserved characters and "," kept.
std::string kodiert(std::string_view text) {
  static const char* const hex = "0123456789ABCDEF";
  std::string aus;
  for (const unsigned char c : text) {
    const bool bleibt = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                        c == '.' || c == '_' || c == '~' || c == ',';
    if (bleibt) {
      aus += static_cast<char>(c);
    } else {
      aus += '%';
      aus += hex[c >> 4];
      aus += hex[c & 0xF];
    }
  }
  return aus;
}

Antwort mitteilung(int status, const std::string& text) {
  Antwort a;
  a.status = status;
  a.typ = "text/html; charset=windows-1252";
  a.inhalt = "<html><head><title>Mitteilung</title></head><body><h1>Mitteilung</h1><p>" + text +
             "</p></body></html>\r\n";
  return a;
}

}  // namespace

std::optional<Datum> liesDatum(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  int z[8];
  for (int i = 0; i < 8; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    z[i] = text[i] - '0';
  }
  const int jahr = z[0] * 1000 + z[1] * 100 + z[2] * 10 + z[3];
  const unsigned monat = static_cast<unsigned>(z[4] * 10 + z[5]);
  const unsigned tag = static_cast<unsigned>(z[6] * 10 + z[7]);
  const Datum d{std::chrono::year(jahr), std::chrono::month(monat), std::chrono::day(tag)};
  if (!d.ok()) return std::nullopt;
  return d;
}

std::string alsText(const Datum& tag) {
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "%04d%02u%02u", static_cast<int>(tag.year()),
                static_cast<unsigned>(tag.month()), static_cast<unsigned>(tag.day()));
  return puffer;
}

std::string httpDatum(std::time_t zeit) {
  static const char* const tage[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const monate[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm t{};
  gmtime_r(&zeit, &t);
  char puffer[40];
  std::snprintf(puffer, sizeof puffer, "%s, %02d %s %04d %02d:%02d:%02d GMT", tage[t.tm_wday], t.tm_mday,
                monate[t.tm_mon], t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
  return puffer;
}

std::string pfadOhneUrsprung(const std::string& ziel) {
  const auto schema = ziel.find("://");
  if (schema == std::string::npos || ziel.compare(0, 1, "/") == 0) return ziel;
  const auto pfad = ziel.find('/', schema + 3);
  return pfad == std::string::npos ? "/" : ziel.substr(pfad);
}

std::optional<std::string> liesDatei(const fs::path& datei) {
  std::error_code ec;
  if (!fs::is_regular_file(datei, ec)) return std::nullopt;
  std::ifstream in(datei, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return s.str();
}

bool schreibeDatei(const fs::path& datei, std::string_view inhalt) {
  std::error_code ec;
  fs::create_directories(datei.parent_path(), ec);
  fs::path temp = datei;
  temp += ".neu";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    out.flush();
    if (!out) return false;
  }
  fs::rename(temp, datei, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

std::optional<std::string> abschnitt(std::string_view jahr, const Datum& tag) {
  const std::string kopf = "[" + alsText(tag) + "]";
  std::optional<std::string> antwort;
  size_t pos = 0;
  while (pos < jahr.size()) {
    size_t ende = jahr.find('\n', pos);
    const size_t naechste = ende == std::string_view::npos ? jahr.size() : ende + 1;
    if (ende == std::string_view::npos) ende = jahr.size();
    std::string_view zeile = jahr.substr(pos, ende - pos);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    pos = naechste;
    if (!zeile.empty() && zeile.front() == '[') {
      if (antwort) break;
      if (zeile == kopf) antwort.emplace();
      continue;
    }
    if (antwort) {
      antwort->append(zeile);
      antwort->append("\r\n");
    }
  }
  return antwort;
}

std::string alsAbschnitt(const Datum& tag, std::string_view antwort) {
  std::string s = "[" + alsText(tag) + "]\r\n";
  s.append(antwort);
  if (!antwort.empty() && antwort.back() != '\n') s += "\r\n";
  return s;
}

fs::path Datenordner::jahresdatei(const char* art, const Datum& tag) const {
  return ordner_ / art / (std::to_string(static_cast<int>(tag.year())) + ".txt");
}

fs::path Datenordner::tagesdatei(const char* art, const Datum& tag) const {
  return ordner_ / art / (alsText(tag) + ".txt");
}

std::optional<std::string> Datenordner::tagesantwort(const char* art, const Datum& tag) const {
  if (auto ganz = liesDatei(tagesdatei(art, tag))) return ganz;
  const auto jahr = liesDatei(jahresdatei(art, tag));
  if (!jahr) return std::nullopt;
  return abschnitt(*jahr, tag);
}

Antwort Datenordner::beantworte(const std::string& pfad, const Parameter& parameter) const {
  if (pfad == "/zahlen/lotto_neu.asp") return ziehungenOderQuoten(parameter);
  if (pfad == "/lotto/lotto.asp") return warenkorb(parameter);
  constexpr std::string_view kSkripte = "/scripts/";
  if (pfad.size() > kSkripte.size() && pfad.compare(0, kSkripte.size(), kSkripte) == 0)
    return skript(pfad.substr(kSkripte.size()));
  return {};
}

Antwort Datenordner::ziehungenOderQuoten(const Parameter& parameter) const {
  const auto* programm = wert(parameter, "Programm");
  const auto* datum = wert(parameter, "Datum");
  if (!programm || !datum) return {};
  const auto tag = liesDatum(*datum);
  if (!tag) return {};
  const char* art = nullptr;
  if (*programm == "Zelano") {
    art = "zahlen";
  } else if (*programm == "Kalvatro") {
    art = "quoten";
  } else {
    return {};
  }
  auto inhalt = tagesantwort(art, *tag);
  if (!inhalt) return {};
  Antwort a;
  a.status = 200;
  a.inhalt = std::move(*inhalt);
  return a;
}

Antwort Datenordner::warenkorb(const Parameter& parameter) const {
  const auto* spiel = wert(parameter, "Spiel");
  if (!spiel || *spiel != "Kalvatro") return {};
  if (auto seite = liesDatei(ordner_ / "lotto" / "mitteilung.htm")) {
    Antwort a;
    a.status = 503;
    a.typ = "text/html; charset=windows-1252";
    a.inhalt = std::move(*seite);
    return a;
  }
  const auto* wo = wert(parameter, "Wo");
  const auto* tipps = wert(parameter, "Tipps");
  if (!wo || wo->empty()) return mitteilung(400, "Kein Portal angegeben.");
  if (!tipps || !positiveZahl(*tipps)) return mitteilung(400, "Die Anzahl der Tipps fehlt oder ist ung&uuml;ltig.");
  auto vorlage = liesDatei(ordner_ / "lotto" / "warenkorb.txt");
  if (!vorlage) return {};
  ersetzeAlle(*vorlage, "{WO}", kodiert(*wo));
  ersetzeAlle(*vorlage, "{TIPPS}", *tipps);
  Antwort a;
  a.status = 200;
  a.inhalt = std::move(*vorlage);
  return a;
}

Antwort Datenordner::skript(const std::string& name) const {
  if (!sichererName(name)) return {};
  const fs::path datei = ordner_ / "scripts" / name;
  auto inhalt = liesDatei(datei);
  if (!inhalt) return {};
  Antwort a;
  a.status = 200;
  // NAME.txt.status beside it: the status to answer with (an error page with a date).
  if (auto status = liesDatei(fs::path(datei.string() + ".status"))) {
    const auto zahl = positiveZahl(std::string(status->substr(0, status->find_first_of("\r\n"))));
    if (zahl && *zahl >= 100 && *zahl <= 599) a.status = *zahl;
  }
  a.inhalt = std::move(*inhalt);
  struct stat st {};
  if (::stat(datei.c_str(), &st) == 0) a.geaendert = st.st_mtime;
  return a;
}

}  // namespace standin
