#include "stats/fenster/Historienbefehle.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/sanduhr.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "shell/fenster/Laufsperre.h"
#include "stats/historienanalyse.h"
#include "stats/historiensuche.h"

#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <utility>

namespace {

void alsAktuelleZiehung(Programmzustand& z, const Ziehung& d) {
  z.Datum1 = d.datum();
  for (int k = 1; k <= 8; ++k) z.Zahl[static_cast<std::size_t>(k)] = d.zahl(k);
}

// The search's questions: the window takes the draw and the hit labels written since the last
// question, the whole sheet is checked against the draw, then the user decides.
class Suche final : public Suchfenster {
 public:
  Suche(Programmzustand& z, Tippvergleicher& v, Tippzeilen& t, Ziehungsschritte& s) : z_(z), v_(v), t_(t), s_(s) {}

  void uebernehmen(const Suchstand& st) {
    alsAktuelleZiehung(z_, st.ziehung);
    s_.anzeigeSetzen(suchanzeige(st.ziehung, t_.trefferHint(1), t_.trefferHint(2)),
                     z_.M(8) + QLatin1Char(' ') + QString::number(st.ziehung.quersumme()));
    for (int k = 1; k <= 12; ++k)
      if (const int g = st.treffer[static_cast<std::size_t>(k - 1)]; g >= 0) t_.trefferZeigen(k, g);
  }

  bool weiter(const Suchstand& st) override {
    uebernehmen(st);
    v_.Komplettcheck();
    return plattform::dialoge().frage(z_.M(12) + plattform::kurzesDatum(st.ziehung.datum()) + z_.M(13), z_.M(14));
  }

 private:
  Programmzustand& z_;
  Tippvergleicher& v_;
  Tippzeilen& t_;
  Ziehungsschritte& s_;
};

// The analysis as the window shows it: the state a cycle has reached, taken at a question and at
// the end, so that nothing is painted between two cycles.
class Analyse final : public Analysefenster {
 public:
  Analyse(Programmzustand& z, Tippzeilen& t, Ziehungsschritte& s, Statusanzeige& st, const std::vector<Ziehung>& saetze)
      : z_(z), t_(t), s_(s), st_(st), saetze_(saetze) {}

  bool weiter(const Analysestand& a) override {
    zyklus(a);
    if (a.vorher >= 0) s_.zeigeSchritt(satz(a.d), a.d, false);
    alsAktuelleZiehung(z_, satz(a.aktuell));
    const Ziehung& r = satz(a.aktuell);
    return plattform::dialoge().frage(
        z_.M(60) + QStringLiteral(" :  ") + plattform::kurzesDatum(r.datum()) + QStringLiteral(". ") + z_.M(61), z_.M(62));
  }

  void ende(const Analysestand& a) {
    if (a.naechster >= 0) {
      // The last cycle's next draw, shown and checked with the last analysed draw in row 1.
      zyklus(a);
      s_.zeigeSchritt(satz(a.naechster), a.naechster, true);
      return;
    }
    // No next draw: the analysed draw stays the current one, as it was shown in its cycle.
    if (a.vorher >= 0) {
      t_.alleTippsLoeschen();
      t_.ersteZeileSetzen(satz(a.vorher));
      s_.zeigeSchritt(satz(a.d), a.d, true);
    }
    zyklus(a);
    alsAktuelleZiehung(z_, satz(a.d));
  }

 private:
  const Ziehung& satz(int i) const { return saetze_[static_cast<std::size_t>(i)]; }

  // Tips cleared, the analysed draw in row 1, the two panels.
  void zyklus(const Analysestand& a) {
    t_.alleTippsLoeschen();
    t_.ersteZeileSetzen(satz(a.d));
    st_.setzeStatus(0, plattform::kurzesDatum(a.bis));
    st_.setzeStatus(1, plattform::kurzesDatum(satz(a.d).datum()));
  }

  Programmzustand& z_;
  Tippzeilen& t_;
  Ziehungsschritte& s_;
  Statusanzeige& st_;
  const std::vector<Ziehung>& saetze_;
};

}  // namespace

Historienbefehle::Historienbefehle(Programmzustand& zustand, Tippvergleicher& vergleich, Tippzeilen& zeilen,
                                   Ziehungsschritte& ziehung, Statusanzeige& status, QWidget* TabSheet1,
                                   QWidget* TabSheet4, std::function<bool()> eurozahlen,
                                   std::function<void()> tippUebersicht)
    : QObject(TabSheet1),
      z_(zustand),
      vergleich_(vergleich),
      zeilen_(zeilen),
      ziehung_(ziehung),
      status_(status),
      eurozahlen_(std::move(eurozahlen)),
      tippUebersicht_(std::move(tippUebersicht)) {
  setObjectName(QStringLiteral("Historienbefehle"));
  using plattform::neu;
  SpeedButton4 = neu<QToolButton>(TabSheet1, plattform::Elementart::SpeedButton, "SpeedButton4", QRect(166, 284, 25, 25));
  SpeedButton4->setIcon(TabSheet1->style()->standardIcon(QStyle::SP_FileDialogContentsView));
  plattform::setzeHint(SpeedButton4, QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"));

  BitBtn19 = neu<QPushButton>(TabSheet4, plattform::Elementart::BitBtn, "BitBtn19", QRect(16, 160, 460, 28),
                              QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"));
  BitBtn19->setIcon(TabSheet4->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  // Its hint is held, never shown.
  plattform::setzeHint(BitBtn19, QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum"));
  BitBtn19->setToolTip(QString());

  plattform::verbinde(SpeedButton4, &QToolButton::clicked, this, &Historienbefehle::SpeedButton4Click);
  plattform::verbinde(BitBtn19, &QPushButton::clicked, this, &Historienbefehle::BitBtn19Click);
}

void Historienbefehle::SpeedButton4Click() {
  // Both commands change the current draw, and the analysis the tips, which a run is filling.
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  plattform::mitMeldung([&] {
    const QString vorgabe = eurozahlen_() ? QStringLiteral("7") : QStringLiteral("5");
    const int schwelle = plattform::StrToInt(plattform::dialoge().eingabe(z_.M(10), z_.M(11), vorgabe));
    const std::vector<Ziehung> saetze = z_.historie().lesen();
    z_.Stand.Gewinn = 0;
    const std::array<std::array<QString, 7>, 12> texte = zeilen_.zeilentexte();
    Suche fenster(z_, vergleich_, zeilen_, ziehung_);
    const Suchergebnis e = suche(saetze, ziehung_.startDatum(), ziehung_.endDatum(), schwelle, texte, fenster);
    if (!e.ende || e.abgebrochen) return;
    fenster.uebernehmen(*e.ende);
    // The hit state of the last single-tip check: the last row against the last draw.
    const std::array<QString, 7> t = zeilen_.zeilentexte()[static_cast<std::size_t>(e.ende->zeile - 1)];
    z_.Zettelcheck({t[0], t[1], t[2], t[3], t[4], t[5], t[6]});
  });
}

void Historienbefehle::BitBtn19Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  const QDate gewaehlt = ziehung_.endDatum();
  const QString frage = z_.M(55) + QLatin1Char(' ') + plattform::kurzesDatum(gewaehlt) + QLatin1Char(' ') + z_.M(56);
  if (!plattform::dialoge().frage(frage, z_.M(57))) return;
  ziehung_.zeigeZiehungDesEnddatums();
  tippUebersicht_();
  plattform::mitMeldung([&] {
    // The show step has met a missing or unreadable history with its message; an empty one
    // has no draw to analyse.
    std::vector<Ziehung> saetze;
    try {
      saetze = z_.historie().lesen();
    } catch (const plattform::Fehler&) {
      return;
    }
    if (saetze.empty() || z_.Position < 0 || z_.Position >= static_cast<int>(saetze.size())) return;
    const int schwelle = plattform::StrToInt(plattform::dialoge().eingabe(z_.M(58), z_.M(59), QStringLiteral("5")));

    Analyseeingabe ein;
    ein.d = z_.Position;
    ein.gewaehlt = gewaehlt;
    ein.beginn = ziehung_.startDatum();
    ein.filter = ziehung_.zeitfilter();
    ein.schwelle = schwelle;
    ein.sternenzahlMax = z_.SternenzahlMax;
    Analyse fenster(z_, zeilen_, ziehung_, status_, saetze);
    Analyseergebnis e;
    {
      const plattform::Sanduhr sanduhr;
      e = analysiere(saetze, ein, fenster);
      if (e.abgebrochen) return;
      fenster.ende(e.ende);
    }
    const QString pfad = schreibeTestbericht(z_.Home, analysebericht(e.tabellen, z_.Meldungen));
    plattform::shell().oeffnen(pfad);
  });
}
