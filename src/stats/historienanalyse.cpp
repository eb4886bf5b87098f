#include "stats/historienanalyse.h"

#include "plattform/formate.h"
#include "plattform/textdatei.h"
#include "shell/tippcheck.h"
#include "stats/vergleichstipp.h"

#include <algorithm>
#include <bit>

namespace {

QDate datumVon(qint64 tag) {
  return tag == Vergleichsziehung::kOhneTag ? QDate() : plattform::ausTagzahl(static_cast<double>(tag));
}

int zeile(int g) { return std::clamp(g, 0, 6); }

// The hot loop of the analysis: one draw's mask against a run of masks of five different
// numbers each, counted until the first record that reaches the threshold (returned, not
// counted; anzahl when none does). Four tables side by side keep the counters of neighbouring
// records apart; the popcount instruction is used where the processor has it.
__attribute__((target_clones("popcnt", "default"))) std::size_t zaehleMasken(std::uint64_t m,
                                                                              const std::uint64_t* masken,
                                                                              std::size_t anzahl, int schwelle,
                                                                              Analysetabelle& tabelle) {
  std::array<std::array<int, 8>, 4> t{};
  std::size_t i = 0;
  for (; i + 4 <= anzahl; i += 4) {
    const int a = std::popcount(m & masken[i]);
    const int b = std::popcount(m & masken[i + 1]);
    const int c = std::popcount(m & masken[i + 2]);
    const int d = std::popcount(m & masken[i + 3]);
    if (std::max(std::max(a, b), std::max(c, d)) >= schwelle) break;  // the record-wise loop finds it
    ++t[0][static_cast<std::size_t>(a)];
    ++t[1][static_cast<std::size_t>(b)];
    ++t[2][static_cast<std::size_t>(c)];
    ++t[3][static_cast<std::size_t>(d)];
  }
  for (; i < anzahl; ++i) {
    const int a = std::popcount(m & masken[i]);
    if (a >= schwelle) break;
    ++t[0][static_cast<std::size_t>(a)];
  }
  for (std::size_t g = 0; g <= 5; ++g) tabelle[g] += t[0][g] + t[1][g] + t[2][g] + t[3][g];
  return i;
}

}  // namespace

Naechstschritt::Naechstschritt(const std::vector<Ziehung>& saetze, const Ziehungszeitfilter& filter)
    : n_(static_cast<long long>(saetze.size())) {
  long long gelesen = 1;
  pfad_.push_back(gelesen);
  while (gelesen < n_) {
    const bool doppelt = filter.doppelschritt(saetze[static_cast<std::size_t>(gelesen - 1)].mittag());
    gelesen += doppelt ? std::min(2LL, n_ - gelesen) : 1;
    pfad_.push_back(gelesen);
  }
}

int Naechstschritt::nach(int position) {
  const long long ziel = static_cast<long long>(position) + 1;
  while (pfad_[i_] < n_ && pfad_[i_] <= ziel) ++i_;
  return static_cast<int>(pfad_[i_] - 1);
}

Zeilentexte ersteZeile(const Ziehung& z, int sternenzahlMax) {
  Zeilentexte t;
  for (int k = 1; k <= 5; ++k)
    t[static_cast<std::size_t>(k - 1)] = tippcheck::gueltigerFeldtext(QString::number(z.zahl(k)), 55);
  for (int k = 7; k <= 8; ++k)
    t[static_cast<std::size_t>(k - 2)] = tippcheck::gueltigerFeldtext(QString::number(z.zahl(k)), sternenzahlMax);
  return t;
}

Analyseergebnis analysiere(const std::vector<Ziehung>& saetze, const Analyseeingabe& ein, Analysefenster& fenster) {
  const std::vector<Vergleichsziehung> v = vergleichsziehungen(saetze);
  const int n = static_cast<int>(v.size());

  // In a history in date order the window of a cycle is one run of records.
  bool geordnet = true;
  for (int i = 0; i < n && geordnet; ++i)
    geordnet = v[static_cast<std::size_t>(i)].hatTag() && (i == 0 || v[static_cast<std::size_t>(i - 1)].tag <= v[static_cast<std::size_t>(i)].tag);
  std::vector<qint64> tage;
  std::vector<std::uint64_t> masken;
  std::vector<int> ohneMaskeBis;  // records before index i that are no five different numbers
  if (geordnet) {
    tage.reserve(v.size());
    masken.reserve(v.size());
    ohneMaskeBis.reserve(v.size() + 1);
    ohneMaskeBis.push_back(0);
    for (const Vergleichsziehung& z : v) {
      tage.push_back(z.tag);
      masken.push_back(z.maske);
      ohneMaskeBis.push_back(ohneMaskeBis.back() + (z.nurMaske ? 0 : 1));
    }
  }
  // The newest date the history holds; a trailing record without a readable date gives none.
  qint64 letzterTag = Vergleichsziehung::kOhneTag;
  for (int i = n - 1; i >= 0 && letzterTag == Vergleichsziehung::kOhneTag; --i) letzterTag = v[static_cast<std::size_t>(i)].tag;

  const auto gewaehltTag = static_cast<qint64>(plattform::alsTagzahl(ein.gewaehlt));
  const auto beginnTag = static_cast<qint64>(plattform::alsTagzahl(ein.beginn));
  Naechstschritt schritt(saetze, ein.filter);

  Analyseergebnis e;
  Analysestand s;
  s.d = ein.d;
  bool erster = true;
  for (;;) {
    const auto di = static_cast<std::size_t>(s.d);
    const Vergleichsziehung& d = v[di];
    const Zeilentexte texte = ersteZeile(saetze[di], ein.sternenzahlMax);
    const Vergleichstipp tipp = Vergleichstipp::aus({texte[0], texte[1], texte[2], texte[3], texte[4]});
    s.bis = erster ? datumVon(d.tag).addDays(10) : datumVon(letzterTag);
    s.aktuell = -1;
    s.naechster = -1;
    ++e.zyklen;

    // The earlier draws: start <= date < D's date, so the other draw of D's day never counts.
    if (d.hatTag()) {
      const qint64 start = erster ? gewaehltTag : beginnTag;
      auto vergleiche = [&](int i) {
        const int g = treffer(tipp, v[static_cast<std::size_t>(i)]);
        ++e.tabellen.vorgaenger[static_cast<std::size_t>(zeile(g))];
        if (g < ein.schwelle) return true;
        s.aktuell = i;
        const bool weiter = fenster.weiter(s);
        s.aktuell = weiter ? -1 : i;
        return weiter;
      };
      bool weiter = true;
      if (geordnet) {
        const auto von = std::lower_bound(tage.begin(), tage.end(), start) - tage.begin();
        const auto bis = std::lower_bound(tage.begin(), tage.end(), d.tag) - tage.begin();
        const bool nurMasken = tipp.nurMaske && von < bis &&
                               ohneMaskeBis[static_cast<std::size_t>(bis)] == ohneMaskeBis[static_cast<std::size_t>(von)];
        if (nurMasken) {
          // Counted in runs; each record that reaches the threshold asks on its own.
          for (auto i = von; i < bis && weiter;) {
            i += static_cast<std::ptrdiff_t>(zaehleMasken(tipp.maske, masken.data() + i, static_cast<std::size_t>(bis - i),
                                                          ein.schwelle, e.tabellen.vorgaenger));
            if (i < bis) weiter = vergleiche(static_cast<int>(i++));
          }
        } else
          for (auto i = von; i < bis && weiter; ++i) weiter = vergleiche(static_cast<int>(i));
      } else {
        for (int i = 0; i < n && weiter; ++i) {
          const Vergleichsziehung& z = v[static_cast<std::size_t>(i)];
          if (z.hatTag() && z.tag >= start && z.tag < d.tag) weiter = vergleiche(i);
        }
      }
      if (!weiter) {
        e.abgebrochen = true;
        e.ende = s;
        return e;
      }
    }

    // The next draw. When D is the last record there is none: the rule would stay on D and
    // count D against itself, so the cycles end here.
    const int naechster = schritt.nach(s.d);
    if (naechster == s.d) {
      e.ende = s;
      return e;
    }
    const Vergleichsziehung& nz = v[static_cast<std::size_t>(naechster)];
    if (nz.hatTag()) ++e.tabellen.naechste[static_cast<std::size_t>(zeile(treffer(tipp, nz)))];
    const bool nochEiner = nz.hatTag() && letzterTag != Vergleichsziehung::kOhneTag && nz.tag < letzterTag;
    if (!nochEiner) {
      s.naechster = naechster;
      e.ende = s;
      return e;
    }
    s.vorher = s.d;
    s.d = naechster;
    erster = false;
  }
}

QStringList analysebericht(const Analysetabellen& t, const Meldungstabelle& m) {
  QStringList z;
  auto block = [&](int titel, const Analysetabelle& tab) {
    z << m.text(titel);
    for (int i = 0; i <= 5; ++i)
      z << QString::number(i) + QStringLiteral("x    =>") + QString::number(tab[static_cast<std::size_t>(i)]);
  };
  block(63, t.vorgaenger);
  z << QStringLiteral(" ");
  block(64, t.naechste);
  return z;
}

QString schreibeTestbericht(const QString& home, const QStringList& zeilen) {
  const QString pfad = home + QStringLiteral("Test.txt");
  // A translation's letters that the ANSI code page lacks would turn into '?'.
  plattform::schreibeTextZeilen(pfad, zeilen);
  return pfad;
}
