#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>

#include "plattform/fehler.h"

namespace plattform {

struct HttpAntwort {
  int status = 0;           // 0: no answer came
  QString statuszeile;      // "HTTP/1.1 200 OK" of the last answer
  QByteArray inhalt;
  QDateTime geaendert;      // Last-Modified (UTC); invalid when the answer has none
};

// A request that failed: no connection, a time-out, too many redirects, an answer over its
// bound, or an answer the client reports as an error. `antwort()` holds what came back (status 0
// when nothing did); a transfer that did not end keeps no body.
class HttpFehler : public Fehler {
 public:
  // Why a request failed, so that a window can say it in the user's language; the text is the
  // client's own (English) wording.
  enum class Grund { Antwort, Zeitlimit, KeineVerbindung, Uebertragung };
  HttpFehler(const QString& text, HttpAntwort antwort, Grund grund = Grund::Antwort)
      : Fehler(text), antwort_(std::move(antwort)), grund_(grund) {}
  const HttpAntwort& antwort() const { return antwort_; }
  int status() const { return antwort_.status; }
  Grund grund() const { return grund_; }
  // The answer came whole and its status is an error (400 or more, or a redirect not followed);
  // false when the transfer itself failed.
  bool statusfehler() const { return grund_ == Grund::Antwort; }

 private:
  HttpAntwort antwort_;
  Grund grund_;
};

// GET into memory over libcurl, one thread, blocking. The handle and its connection stay
// between requests until trennen(); cookies live as long as the client. Every request ends
// within kFristMs, however slowly the server sends, and takes no body larger than its bound.
class HttpClient {
 public:
  static constexpr int kFristMs = 5000;
  static constexpr qint64 kStandardgrenze = 1024 * 1024;

  enum class Profil {
    ZahlenKenner,  // User-Agent "Zahlen-Kenner", redirects followed (at most 15)
    Indy,          // User-Agent "Mozilla/3.0 (compatible; Indy Library)", redirects not followed
  };
  explicit HttpClient(Profil profil = Profil::ZahlenKenner);
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // An empty host means no proxy (the environment's proxy settings are never used).
  void setzeProxy(const QString& host, int port);
  // 0 means no limit of our own. The read time-out ends a request that receives nothing for
  // that long (rounded up to whole seconds).
  void setzeZeitlimits(int verbindenMs, int lesenMs);
  // 0: a redirect is not followed; its answer counts as an error (as 400 and more do).
  void setzeWeiterleitungen(int maximal);
  // The largest body an answer may have (kStandardgrenze until set): a longer one ends the
  // transfer as soon as it is seen and the request fails without a body.
  void setzeGrenze(qint64 bytes);

  // Raises HttpFehler for a failed request and for an answer with status 400 or more.
  HttpAntwort get(const QString& url);

  // The last answer as the client holds it (also after an error).
  const HttpAntwort& letzteAntwort() const { return letzte_; }
  int ResponseCode() const { return letzte_.status; }
  const QString& Statuszeile() const { return letzte_.statuszeile; }

  // Closes the connection; the next request opens a new one. Cookies stay.
  void trennen();

  // What the client sends, for the tests.
  QString userAgent() const;
  static QString accept();

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
  HttpAntwort letzte_;
};

}  // namespace plattform
