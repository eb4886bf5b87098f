#include "shell/ziehungsdownload.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/http.h"
#include "plattform/textdatei.h"
#include "shell/meldungstabelle.h"
#include "shell/ziehungsdaten.h"

namespace {

constexpr int kZeitlimitMs = 5000;
constexpr int kWeiterleitungen = 15;

// Delphi's Trim: blanks and control characters at both ends.
QStringView getrimmt(QStringView s) {
  while (!s.isEmpty() && s.front().unicode() <= 0x20) s = s.mid(1);
  while (!s.isEmpty() && s.back().unicode() <= 0x20) s.chop(1);
  return s;
}

std::optional<int> zahlImBereich(QStringView text, int von, int bis) {
  const auto wert = plattform::liesGanzzahl(getrimmt(text).toString());
  if (!wert || *wert < von || *wert > bis) return std::nullopt;
  return wert;
}

}  // namespace

std::optional<Antwortzeile> liesAntwortzeile(const QString& zeile) {
  QStringView rest(zeile);
  const auto komma = rest.indexOf(QLatin1Char(','));
  if (komma < 0) return std::nullopt;
  rest = rest.mid(komma + 1);
  Antwortzeile a;
  for (int i = 0; i < 5; ++i) {
    const QLatin1Char ende(i < 4 ? ',' : ';');
    const auto pos = rest.indexOf(ende);
    if (pos < 0) return std::nullopt;
    const auto zahl = zahlImBereich(rest.left(pos), 1, 55);
    if (!zahl) return std::nullopt;
    a.zahlen[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*zahl);
    rest = rest.mid(pos + 1);
  }
  const auto pos = rest.indexOf(QLatin1Char(';'));
  if (pos >= 0) {
    const auto zeit = zahlImBereich(rest.left(pos), 0, 255);
    if (!zeit) return std::nullopt;
    a.mittag = static_cast<std::uint8_t>(*zeit);
  }
  return a;
}

QString antworttext(const QByteArray& inhalt) { return plattform::ausAnsi(inhalt); }

QStringList antwortzeilen(const QString& text) { return plattform::zerlegeZeilen(text); }

QString zuVieleZiehungen(const Meldungstabelle& meldungen, const QDate& tag) {
  return meldungen.text(Meldungstabelle::kZuVieleZiehungen).arg(plattform::kurzesDatum(tag));
}

QString ziehungsanfrage(const QString& server, const QDate& tag) {
  return server + QStringLiteral("/zahlen/lotto_neu.asp?Programm=Zelano&Datum=") + plattform::yyyymmdd(tag);
}

Downloadbeginn downloadBeginn(const std::optional<Ziehung>& neuester) {
  Downloadbeginn b;
  b.tag = kKleinstesDatum;
  if (neuester) {
    const QDate d = neuester->datum();
    if (d.isValid() && d >= kKleinstesDatum) b.tag = d;
    b.reserve = neuester->Reserve;
    b.ersteZeileUeberspringen = neuester->mittag();
  }
  if (!b.ersteZeileUeberspringen) b.tag = b.tag.addDays(1);
  return b;
}

Ziehung downloadSatz(const QDate& tag, const Antwortzeile& zeile, const std::array<std::uint8_t, 16>& reserve) {
  Ziehung z;
  z.setzeDatum(tag);
  for (std::size_t i = 0; i < 5; ++i) z.Ziehungszahlen[i] = zeile.zahlen[i];
  z.Ziehungszahlen[5] = zeile.mittag;
  z.Reserve = reserve;
  return z;
}

bool auswertungOeffnen(int besterTreffer, bool listenansicht, bool ueberspringenOffen) {
  return besterTreffer >= 200 && listenansicht && !ueberspringenOffen;
}

Downloadergebnis ladeZiehungen(const Ziehungsdaten& historie, plattform::HttpClient& http, Downloadfenster& fenster,
                               const QString& server, const Meldungstabelle& meldungen) {
  historie.erzeugeLeerWennFehlt();
  const std::vector<Ziehung> saetze = historie.lesen();
  const Downloadbeginn beginn =
      downloadBeginn(saetze.empty() ? std::nullopt : std::optional<Ziehung>(saetze.back()));

  Downloadergebnis e;
  e.ueberspringenOffen = beginn.ersteZeileUeberspringen;
  // The day is the download's own: the picker only shows it, and a command that moves the
  // picker while input is handled cannot send the download back over stored days.
  QDate tag = beginn.tag;
  fenster.tagZeigen(tag);
  fenster.beginnt(tag);
  std::vector<Ziehung> neue;

  while (tag <= QDate::currentDate() && fenster.stoppGezeigt()) {
    http.setzeProxy(fenster.proxyHost(), plattform::StrToInt(fenster.proxyPort()));
    http.setzeZeitlimits(kZeitlimitMs, kZeitlimitMs);
    http.setzeWeiterleitungen(kWeiterleitungen);
    http.setzeGrenze(kAntwortGrenze);
    fenster.status(0, plattform::uebersetzt(QStringLiteral("Loading")));

    std::optional<plattform::HttpAntwort> antwort;
    ++e.anfragen;
    try {
      antwort = http.get(ziehungsanfrage(server, tag));
    } catch (const plattform::HttpFehler&) {
      // No connection, a time-out or an error status: nothing of this day is stored.
    }
    fenster.status(0, http.Statuszeile());
    fenster.status(1, meldungen.text(2));

    if (antwort && antwort->status < 400) {
      const QString text = antworttext(antwort->inhalt);
      fenster.antwortZeigen(text);
      http.trennen();
      neue.clear();
      const QStringList zeilen = antwortzeilen(text);
      if (zeilen.size() > kZiehungenProTag) {
        // Damaged as a whole: nothing of it is stored, and the skip stays as it was.
        e.unlesbareZeile = true;
        fenster.unlesbar(zuVieleZiehungen(meldungen, tag));
        break;
      }
      for (const QString& zeile : zeilen) {
        if (e.ueberspringenOffen) {
          e.ueberspringenOffen = false;
          // Only the first line of the stored 13:00 draw's own day is that draw; when its
          // answer did not come, the next day's first line is a new draw.
          if (tag == beginn.tag) continue;
        }
        fenster.zeileGelesen(tag);
        const auto gelesen = liesAntwortzeile(zeile);
        if (!gelesen) {
          e.unlesbareZeile = true;
          break;
        }
        neue.push_back(downloadSatz(tag, *gelesen, beginn.reserve));
      }
      if (!neue.empty()) {
        historie.anhaengen(neue);
        e.gespeichert += static_cast<int>(neue.size());
        for (std::size_t i = 0; i < neue.size(); ++i) fenster.gespeichert(tag);
      }
      if (e.unlesbareZeile) {
        fenster.unlesbar(text);
        break;
      }
    }
    tag = tag.addDays(1);
    fenster.tagZeigen(tag);
    fenster.eingabenVerarbeiten();
  }
  e.tag = tag;
  return e;
}
