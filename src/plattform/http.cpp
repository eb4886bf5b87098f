#include "plattform/http.h"

#include <curl/curl.h>

#include <cstring>
#include <mutex>

namespace plattform {
namespace {

constexpr const char* kAccept = "Accept: text/html, */*";

void curlStarten() {
  static std::once_flag einmal;
  std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Where the body goes, and how much of it the caller takes.
struct Inhaltsziel {
  QByteArray* inhalt = nullptr;
  qint64 grenze = 0;
  bool zuGross = false;
};

// A body that grows past its bound ends the transfer at once: returning less than was given
// makes curl stop with a write error.
size_t nimmInhalt(char* daten, size_t groesse, size_t anzahl, void* ziel) {
  auto* z = static_cast<Inhaltsziel*>(ziel);
  const size_t n = groesse * anzahl;
  if (static_cast<qint64>(n) > z->grenze - z->inhalt->size()) {
    z->zuGross = true;
    return 0;
  }
  z->inhalt->append(daten, static_cast<qsizetype>(n));
  return n;
}

// Keeps the status line of the last answer ("HTTP/1.1 200 OK"); after a redirect that is
// the answer at the end of the chain.
size_t nimmKopf(char* daten, size_t groesse, size_t anzahl, void* ziel) {
  const size_t n = groesse * anzahl;
  if (n >= 5 && std::memcmp(daten, "HTTP/", 5) == 0) {
    QByteArray zeile(daten, static_cast<qsizetype>(n));
    *static_cast<QString*>(ziel) = QString::fromLatin1(zeile.trimmed());
  }
  return n;
}

}  // namespace

struct HttpClient::Impl {
  Profil profil;
  CURL* handle = nullptr;
  CURLSH* teilen = nullptr;  // the cookies, so that they survive a new handle
  curl_slist* koepfe = nullptr;
  QByteArray proxyHost;
  long proxyPort = 0;
  long verbindenMs = 0;
  long lesenMs = 0;
  long weiterleitungen = 0;
  qint64 grenze = kStandardgrenze;
  Inhaltsziel ziel;
  char fehlertext[CURL_ERROR_SIZE] = {};

  CURL* griff() {
    if (handle) return handle;
    handle = curl_easy_init();
    if (!handle) return nullptr;
    curl_easy_setopt(handle, CURLOPT_SHARE, teilen);
    curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");  // cookie engine on, nothing read from disk
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, fehlertext);
    curl_easy_setopt(handle, CURLOPT_FILETIME, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, koepfe);
    curl_easy_setopt(handle, CURLOPT_USERAGENT,
                     profil == Profil::Indy ? "Mozilla/3.0 (compatible; Indy Library)" : "Zahlen-Kenner");
    return handle;
  }
};

HttpClient::HttpClient(Profil profil) : d_(std::make_unique<Impl>()) {
  curlStarten();
  d_->profil = profil;
  d_->weiterleitungen = profil == Profil::Indy ? 0 : 15;
  d_->teilen = curl_share_init();
  curl_share_setopt(d_->teilen, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
  d_->koepfe = curl_slist_append(nullptr, kAccept);
}

HttpClient::~HttpClient() {
  trennen();
  curl_share_cleanup(d_->teilen);
  curl_slist_free_all(d_->koepfe);
}

void HttpClient::setzeProxy(const QString& host, int port) {
  d_->proxyHost = host.trimmed().toUtf8();
  d_->proxyPort = port;
}

void HttpClient::setzeZeitlimits(int verbindenMs, int lesenMs) {
  d_->verbindenMs = verbindenMs > 0 ? verbindenMs : 0;
  d_->lesenMs = lesenMs > 0 ? lesenMs : 0;
}

void HttpClient::setzeWeiterleitungen(int maximal) { d_->weiterleitungen = maximal > 0 ? maximal : 0; }

void HttpClient::setzeGrenze(qint64 bytes) { d_->grenze = bytes > 0 ? bytes : 0; }

void HttpClient::trennen() {
  if (d_->handle) curl_easy_cleanup(d_->handle);
  d_->handle = nullptr;
}

QString HttpClient::userAgent() const {
  return d_->profil == Profil::Indy ? QStringLiteral("Mozilla/3.0 (compatible; Indy Library)")
                                    : QStringLiteral("Zahlen-Kenner");
}

QString HttpClient::accept() { return QString::fromLatin1(kAccept + 8); }

HttpAntwort HttpClient::get(const QString& url) {
  letzte_ = HttpAntwort{};
  CURL* h = d_->griff();
  if (!h) throw HttpFehler(QStringLiteral("HTTP-Client nicht verfügbar"), letzte_, HttpFehler::Grund::Uebertragung);

  const QByteArray adresse = url.toUtf8();
  curl_easy_setopt(h, CURLOPT_URL, adresse.constData());
  curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
  // "" switches every proxy off, including those of the environment.
  curl_easy_setopt(h, CURLOPT_PROXY, d_->proxyHost.constData());
  // Without this, curl would take the exceptions of no_proxy from the environment and go
  // around the proxy that is set.
  curl_easy_setopt(h, CURLOPT_NOPROXY, "");
  curl_easy_setopt(h, CURLOPT_PROXYPORT, d_->proxyHost.isEmpty() ? 0L : d_->proxyPort);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, d_->verbindenMs);
  // The read time-out only ends a silence; a server that trickles a byte now and then is ended
  // by the deadline of the whole request.
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(kFristMs));
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, d_->lesenMs > 0 ? 1L : 0L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, d_->lesenMs > 0 ? (d_->lesenMs + 999) / 1000 : 0L);
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, d_->weiterleitungen > 0 ? 1L : 0L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, d_->weiterleitungen);
  d_->ziel = Inhaltsziel{&letzte_.inhalt, d_->grenze, false};
  // A length announced beyond the bound is refused before any of the body comes.
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(d_->grenze));
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, nimmInhalt);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &d_->ziel);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, nimmKopf);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &letzte_.statuszeile);
  d_->fehlertext[0] = '\0';

  const CURLcode ergebnis = curl_easy_perform(h);
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  letzte_.status = static_cast<int>(status);
  curl_off_t zeit = -1;
  if (curl_easy_getinfo(h, CURLINFO_FILETIME_T, &zeit) == CURLE_OK && zeit >= 0)
    letzte_.geaendert = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(zeit), Qt::UTC);

  if (ergebnis != CURLE_OK) {
    // Half an answer is no answer: nothing of it may be taken.
    letzte_.inhalt = QByteArray();
    QString text;
    if (d_->ziel.zuGross || ergebnis == CURLE_FILESIZE_EXCEEDED)
      text = QString::fromUtf8(curl_easy_strerror(CURLE_FILESIZE_EXCEEDED));
    else
      text = d_->fehlertext[0] ? QString::fromUtf8(d_->fehlertext) : QString::fromUtf8(curl_easy_strerror(ergebnis));
    HttpFehler::Grund grund = HttpFehler::Grund::Uebertragung;
    if (ergebnis == CURLE_OPERATION_TIMEDOUT) grund = HttpFehler::Grund::Zeitlimit;
    else if (ergebnis == CURLE_COULDNT_CONNECT || ergebnis == CURLE_COULDNT_RESOLVE_HOST ||
             ergebnis == CURLE_COULDNT_RESOLVE_PROXY)
      grund = HttpFehler::Grund::KeineVerbindung;
    throw HttpFehler(text, letzte_, grund);
  }
  const bool umleitung = status >= 300 && status < 400 && d_->weiterleitungen == 0;
  if (status >= 400 || umleitung) throw HttpFehler(letzte_.statuszeile, letzte_);
  return letzte_;
}

}  // namespace plattform
