#include "stats/auswertung.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/http.h"
#include "plattform/textdatei.h"
#include "shell/meldungstabelle.h"

#include <cmath>

namespace auswertung {
namespace {

constexpr int kZeitlimitMs = 5000;

// Blanks and control characters at both ends.
QString getrimmt(const QString& s) {
  qsizetype a = 0;
  qsizetype b = s.size();
  while (a < b && s.at(a).unicode() <= 0x20) ++a;
  while (b > a && s.at(b - 1).unicode() <= 0x20) --b;
  return s.mid(a, b - a);
}

// Takes the text up to the next ";" and drops it with its ";"; with no ";" left the field is
// empty and the rest stays.
QString naechstesFeld(QStringView& rest) {
  const auto pos = rest.indexOf(QLatin1Char(';'));
  if (pos < 0) return {};
  QString feld = rest.left(pos).toString();
  rest = rest.mid(pos + 1);
  return feld;
}

// The reason phrase of a status line "HTTP/1.1 404 Not Found".
QString grund(const QString& statuszeile) {
  const auto erstes = statuszeile.indexOf(QLatin1Char(' '));
  if (erstes < 0) return {};
  const auto zweites = statuszeile.indexOf(QLatin1Char(' '), erstes + 1);
  return zweites < 0 ? QString() : statuszeile.mid(zweites + 1);
}

}  // namespace

std::array<Gewinnklasse, kKlassen> gewinnklassen(const QDate& datum) {
  const bool neu = !datum.isValid() || datum >= kUmstellung;
  auto k = [](const char* name, const char* chance, int treffer, int extras) {
    return Gewinnklasse{QString::fromUtf8(name), QString::fromUtf8(chance), treffer, extras};
  };
  return {
      k("2 + E", "1:35", 2, 1),
      k("1 + E + E", "1:80", 1, 2),
      k("3", "1:399", 3, 0),
      neu ? k("3 + E", "1:418", 3, 1) : k("2 + S + S", "1:418", 2, 2),
      neu ? k("2 + E + E", "1:499", 2, 2) : k("3 + S", "1:499", 3, 1),
      k("3 + E + E", "1:5992", 3, 2),
      k("4", "1:17.578", 4, 0),
      k("4 + E", "1:21.972", 4, 1),
      k("4 + E + E", "1 : 263.668", 4, 2),
      k("5", "1 : 3.955.019", 5, 0),
      k("5 + E", "1 : 4.943.773", 5, 1),
      k("5 + E + E", "1 : 59.325.280", 5, 2),
  };
}

std::array<int, kKlassen> anzahlen(const tippcheck::Statistiktabelle& statistik, const QDate& datum) {
  std::array<int, kKlassen> n{};
  const auto klassen = gewinnklassen(datum);
  for (int i = 0; i < kKlassen; ++i) {
    const auto& k = klassen[static_cast<size_t>(i)];
    n[static_cast<size_t>(i)] = statistik[static_cast<size_t>(k.treffer)][static_cast<size_t>(k.extras)];
  }
  return n;
}

const std::array<QString, kKlassen>& durchschnittsquoten() {
  static const std::array<QString, kKlassen> q = {
      QStringLiteral("8"),   QStringLiteral("10"),   QStringLiteral("15"),    QStringLiteral("15"),
      QStringLiteral("20"),  QStringLiteral("50"),   QStringLiteral("100"),   QStringLiteral("200"),
      QStringLiteral("5000"), QStringLiteral("50000"), QStringLiteral("250000"), QStringLiteral("10000000")};
  return q;
}

QString ergebnistext(double wert, QChar dezimal) { return plattform::festkomma(wert, 7, 2, dezimal); }
QString summentext(double wert, QChar dezimal) { return plattform::festkomma(wert, 9, 2, dezimal); }
QString quotentext(double wert, QChar dezimal) { return plattform::festkomma(wert, 9, 2, dezimal); }
QString einsatztext(double wert, QChar dezimal) { return plattform::festkomma(wert, 9, 0, dezimal); }

Neuberechnung neuberechnen(const std::array<QString, kKlassen>& anzahl, const std::array<QString, kKlassen>& quote,
                           QChar dezimal) {
  Neuberechnung n;
  for (size_t i = 0; i < kKlassen; ++i) {
    const auto a = plattform::liesGanzzahl(anzahl[i]);
    n.aktiv[i] = a && *a > 0;
  }
  double summe = 0;
  for (size_t i = 0; i < kKlassen; ++i) {
    std::optional<double> q = quote[i] == QLatin1String("-") ? 0.0 : plattform::liesReal(quote[i], dezimal);
    if (!q) {
      n.fehler = plattform::keinGleitkommawert(quote[i]).text();
      return n;
    }
    const auto a = plattform::liesGanzzahl(anzahl[i]);
    if (!a) {
      n.fehler = plattform::keinIntegerwert(anzahl[i]).text();
      return n;
    }
    // A quota whose prize is beyond every number stops here, as one that does not read.
    const double ergebnis = *q * *a;
    if (!std::isfinite(ergebnis)) {
      n.fehler = plattform::keinGleitkommawert(quote[i]).text();
      return n;
    }
    n.ergebnisse << ergebnistext(ergebnis, dezimal);
  }
  // The total adds the results as they are shown.
  for (size_t i = 0; i < kKlassen; ++i) {
    const QString& e = n.ergebnisse.at(static_cast<qsizetype>(i));
    const auto wert = plattform::liesReal(e, dezimal);
    if (!wert) {
      n.fehler = plattform::keinGleitkommawert(e).text();
      return n;
    }
    summe += *wert;
    if (!std::isfinite(summe)) {
      n.fehler = plattform::keinGleitkommawert(quote[i]).text();
      return n;
    }
  }
  n.summe = summentext(summe, dezimal);
  return n;
}

QString quotenanfrage(const QString& server, const QDate& datum) {
  return server + QStringLiteral("/zahlen/lotto_neu.asp?Programm=Kalvatro&Datum=") + plattform::yyyymmdd(datum);
}

std::optional<double> liesServerzahl(QString feld) {
  for (int i = 0; i < 3; ++i) {
    const auto punkt = feld.indexOf(QLatin1Char('.'));
    if (punkt < 0) break;
    feld.remove(punkt, 1);
  }
  return plattform::liesReal(feld, QLatin1Char(','));
}

Quotenantwort liesQuotenantwort(const QString& text) {
  Quotenantwort a;
  QStringView rest(text);
  const auto komma = rest.indexOf(QLatin1Char(','));
  if (komma >= 0) rest = rest.mid(komma + 1);
  naechstesFeld(rest);  // the drawn numbers
  a.einsatz = liesServerzahl(getrimmt(naechstesFeld(rest)));
  for (auto& quote : a.quoten) {
    QString feld = getrimmt(naechstesFeld(rest));
    // Dots first: "1.234,56 EUR" keeps its number whole.
    for (int i = 0; i < 3; ++i) {
      const auto punkt = feld.indexOf(QLatin1Char('.'));
      if (punkt < 0) break;
      feld.remove(punkt, 1);
    }
    const auto blank = feld.indexOf(QLatin1Char(' '));
    if (blank >= 0) feld.truncate(blank);
    if (feld == QLatin1String("unbesetzt")) feld = QStringLiteral("0");
    quote = plattform::liesReal(feld, QLatin1Char(','));
  }
  return a;
}

bool rechenbar(const Quotenantwort& antwort, std::array<QString, kKlassen> anzahl, QChar dezimal) {
  // A count the user left unreadable is no fault of the answer.
  for (QString& a : anzahl)
    if (!plattform::liesGanzzahl(a)) a = QStringLiteral("0");
  return neuberechnen(anzahl, quotenfelder(antwort, dezimal), dezimal).fehler.isEmpty();
}

std::array<QString, kKlassen> quotenfelder(const Quotenantwort& antwort, QChar dezimal) {
  std::array<QString, kKlassen> felder;
  for (size_t i = 0; i < kKlassen; ++i) {
    const auto& q = antwort.quoten[i];
    felder[kKlassen - 1 - i] = q ? quotentext(*q, dezimal) : QStringLiteral("-");
  }
  return felder;
}

void richteQuotenclientEin(plattform::HttpClient& http, const QString& proxy, const QString& port) {
  http.setzeProxy(proxy, plattform::StrToInt(port));
  http.setzeZeitlimits(kZeitlimitMs, kZeitlimitMs);
  http.setzeWeiterleitungen(0);
  http.setzeGrenze(kAntwortGrenze);
}

Quotenabruf holeQuoten(plattform::HttpClient& http, const QString& server, const QDate& datum,
                       const Meldungstabelle& meldungen) {
  Quotenabruf r;
  QString fehlertext;
  bool uebertragungsfehler = false;
  try {
    http.get(quotenanfrage(server, datum));
  } catch (const plattform::HttpFehler& f) {
    r.fehler = true;
    using G = plattform::HttpFehler::Grund;
    fehlertext = meldungen.text(f.grund() == G::Zeitlimit          ? Meldungstabelle::kServerZeitlimit
                                : f.grund() == G::KeineVerbindung ? Meldungstabelle::kServerNichtErreicht
                                                                  : Meldungstabelle::kUebertragungFehlgeschlagen);
    uebertragungsfehler = !f.statusfehler();
  }
  http.trennen();
  const plattform::HttpAntwort& antwort = http.letzteAntwort();
  r.status = antwort.status;
  r.bytes = antwort.inhalt.size();
  r.text = plattform::ausAnsi(antwort.inhalt);
  if (!r.fehler) {
    r.panel0 = plattform::uebersetzt(QStringLiteral("Received %1 bytes"), {QString::number(r.bytes)});
  } else if (uebertragungsfehler) {
    // No answer, a time-out or an answer over its bound: the client's reason.
    r.panel0 = plattform::uebersetzt(QStringLiteral("Failed : %1 "), {QString::number(r.status)}) + fehlertext;
  } else {
    r.panel0 = plattform::uebersetzt(QStringLiteral("Failed : %1 "), {QString::number(r.status)}) + grund(antwort.statuszeile);
  }
  r.genommen = (!r.fehler || r.status < 400) && r.text.contains(QLatin1Char(';'));
  return r;
}

QString mitWert(const QString& vorlage, const QString& wert) {
  QString s = vorlage;
  const auto pos = s.indexOf(QLatin1String("%s"));
  if (pos >= 0) s.replace(pos, 2, wert);
  return s;
}

}  // namespace auswertung
