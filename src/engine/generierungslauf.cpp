#include "engine/generierungslauf.h"

#include "plattform/formate.h"
#include "plattform/zufall.h"
#include "shell/listenzeile.h"
#include "shell/meldungstabelle.h"

#include <algorithm>

namespace engine {

QString kandidatenstatus(int t, const std::array<int, 8>& r, int qs, const QString& tipp) {
  QString s = QString::number(t) + QLatin1Char('.') + tipp + QStringLiteral(":  ") + QString::number(r[1]) +
              QLatin1Char(' ') + QString::number(r[2]) + QStringLiteral("  ") + QString::number(r[3]) +
              QStringLiteral("  ") + QString::number(r[4]) + QStringLiteral("  ") + QString::number(r[5]);
  if (t == 7 || t == 9) s += QStringLiteral("  ") + QString::number(r[6]);
  if (t == 2 || t == 4)
    s += QStringLiteral("   QS: ");
  else if (t == 3)
    s += QStringLiteral("    QS: ");
  else
    s += QStringLiteral("  QS: ");
  return s + QString::number(qs);
}

std::array<int, 5> listenzahlen(const QString& zeile) {
  const listenzeile::Felder f = listenzeile::liesListenzeile(zeile);
  std::array<int, 5> z{};
  for (int i = 0; i < 5; ++i) z[static_cast<std::size_t>(i)] = plattform::liesGanzzahl(f[i]).value_or(0);
  return z;
}

Bandstatistik berechneTopfstatistik(Topfstatistik art, Laufhistorie& historie, const Berechnungsparameter& p,
                                    const QDate& ende, Laufumgebung& env);

namespace {
int feldwert(const QString& text) { return plattform::liesGanzzahl(text).value_or(0); }
}  // namespace

void Generierung::Label28Click() {
  // A call while a run goes is only a stop request: nothing of a new run starts.
  if (env_.laeuftBerechnung()) {
    if (env_.Tippsberechnen().isEmpty()) env_.Tippsberechnen() = env_.knopftext();
    env_.setzeKnopftext(env_.Tippsberechnen());
    stopImLauf_ = true;
    return;
  }
  ergebnis_ = Ergebnis{};

  AnzahlSoll = env_.upDown8();
  Tippliste.leeren();
  listenmodus_ = env_.listeSichtbar();
  if (listenmodus_) {
    const int zeilen = env_.listenzeilen();
    if (zeilen >= env_.upDown8()) {
      env_.nachricht(env_.meldung(Meldungstabelle::kReihenErreicht).arg(env_.upDown8()));
      return;
    }
    for (int m = 0; m < zeilen; ++m) {
      const std::array<int, 5> z = listenzahlen(env_.listenzeile(m));
      Tippliste.hinzu(Vergleichsreihe::aus(std::span<const int, 5>(z)));
    }
    Listenzeilen = zeilen;
    env_.StandardansichtClick();
    env_.setzeUpDown8(12, AnzahlSoll - zeilen > 12 ? 12 : AnzahlSoll - zeilen);
  } else {
    Listenzeilen = 0;
  }

  if (env_.Tippsberechnen().isEmpty()) env_.Tippsberechnen() = env_.knopftext();
  env_.setzeKnopftext(env_.meldung(20));
  env_.setzeSortieren(false);
  env_.setzeLaufMax(env_.upDown7() * 1000);
  {
    const Berechnungsparameter& p = env_.optionen();
    gespeichertCheckBox8_ = p.CheckBox8;
    gespeichertUpDown4_ = p.UpDown4;
    gespeichertUpDown5_ = p.UpDown5;
    gespeichertUpDown6_ = p.UpDown6;
  }
  gespeichertDatum_ = env_.DateTimePicker1();
  env_.sanduhr(true);
  laeuft_ = true;
  stopImLauf_ = false;
  referenzGelesen_ = false;
  TippNr = 0;
  Lauf = 0;
  topfZuKlein_ = false;

  try {
    lauf();
  } catch (...) {
    ruecksetzen();
    if (listenmodus_) {
      env_.listeZeigen();
      env_.setzeUpDown8(6500, AnzahlSoll);
    }
    throw;
  }
}

void Generierung::ruecksetzen() {
  laeuft_ = false;
  env_.sanduhr(false);
  env_.setzeSortieren(true);
  env_.setzeBerechnunglaeuft(false);
  env_.setzeKnopftext(env_.Tippsberechnen());
  env_.setzeCheckBox8(gespeichertCheckBox8_);
  env_.setzeUpDown4(gespeichertUpDown4_);
  env_.setzeUpDown5(gespeichertUpDown5_);
  env_.setzeUpDown6(gespeichertUpDown6_);
  if (referenzGelesen_) env_.setzeAktuelleZiehung(zahlDesEnddatums_, datumDesEnddatums_);
}

void Generierung::lauf() {
  // Reference draws: the draw of the end date and the two before it.
  const bool hatZiehung = env_.SpeedButton5Click();
  referenz_[0] = hatZiehung ? env_.Zahl() : std::array<int, 9>{};
  env_.SpeedButton6Click();
  referenz_[1] = hatZiehung ? env_.Zahl() : std::array<int, 9>{};
  env_.SpeedButton6Click();
  referenz_[2] = hatZiehung ? env_.Zahl() : std::array<int, 9>{};
  try {
    env_.setzeDateTimePicker1(gespeichertDatum_);
  } catch (...) {
  }
  env_.SpeedButton5Click();
  zahlDesEnddatums_ = env_.Zahl();
  datumDesEnddatums_ = env_.Datum1();
  referenzGelesen_ = true;

  env_.alleTippsLoeschen();

  Laufhistorie historie([this] { return env_.historie(); });
  historie.beiErstemFilter = [this] { env_.leereDiagramm(); };
  const QDate ende = env_.DateTimePicker1();
  std::array<std::array<int, 5>, 3> refZahlen{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t s = 0; s < 5; ++s) refZahlen[i][s] = referenz_[i][s + 1];
  const Statistikquelle quelle = [&](Topfstatistik art) {
    return berechneTopfstatistik(art, historie, env_.optionen(), ende, env_);
  };
  if (!baueZahlentopf(topf_, env_, refZahlen, quelle)) {
    ergebnis_.abgebrochen = true;
    ruecksetzen();
    if (listenmodus_) {
      env_.listeZeigen();
      env_.setzeUpDown8(6500, AnzahlSoll);
    }
    return;
  }
  topfZahlen_ = topf_.zahlen();

  env_.setzePanel(1, env_.meldung(27));
  env_.zeichneStatus();
  env_.setzeBerechnunglaeuft(true);
  env_.zeigeTippUebersicht();

  Regelkontext kontext;
  for (std::size_t i = 0; i < 3; ++i)
    kontext.referenz[i] = Vergleichsreihe::aus(std::span<const int, 5>(refZahlen[i]));
  kontext.historie = &historie;
  kontext.tippliste = &Tippliste;
  kontext.enddatum = ende;  // read again with the options
  kontext_ = &kontext;
  for (int t = 1; t <= 12; ++t) position(t);
  kontext_ = nullptr;
  beenden();
}

bool Generierung::erschoepft() { return topfZuKlein_ || Lauf >= env_.laufMax(); }

bool Generierung::lockern() {
  const int lm = env_.laufMax();
  bool geaendert = false;
  if (Lauf == lm / 2) {
    env_.setzeCheckBox8(false);
    geaendert = true;
  }
  if (Lauf == lm - 20000) {
    env_.setzeUpDown6(6);
    geaendert = true;
  }
  if (Lauf == lm - 10000) {
    env_.setzeUpDown5(2);
    env_.setzeUpDown4(1);
    geaendert = true;
  }
  if (Lauf == lm - 5000) {
    env_.setzeUpDown5(3);
    env_.setzeUpDown4(2);
    geaendert = true;
  }
  return geaendert;
}

void Generierung::position(int t) {
  // The sheet is read-only while a run goes, so the row is read once per position.
  const Zeilenstand zeile = env_.Tippzeile(t);
  Kandidat k;
  auto& R = k.Reihe;
  if (zeile.gesperrt && !zeile.felder[4].isEmpty()) {
    for (std::size_t i = 1; i <= 7; ++i) R[i] = feldwert(zeile.felder[i - 1]);
  } else {
    if (t == 1 || !(erschoepft() || TippNr >= env_.upDown8())) {
      const bool uebernehmen = zeile.gesperrt && !zeile.felder[0].isEmpty();
      std::array<int, 3> vorgabe{};
      for (std::size_t i = 0; i < 3; ++i) vorgabe[i] = zeile.felder[i].isEmpty() ? 0 : feldwert(zeile.felder[i]);
      const std::uint8_t* const plaetze = topf_.plaetze.data();
      // The caption, the options and the end date change only while input is handled or when
      // the run loosens an option, so they are read again only then.
      bool knopfNeu = true, optionenNeu = true, laeuft = false;
      const Berechnungsparameter* optionen = nullptr;
      int j = 1;
      while (j < 6 && !erschoepft() && (knopfNeu ? (laeuft = env_.laeuftBerechnung()) : laeuft)) {
        knopfNeu = false;
        if (env_.eingabenVerarbeiten()) knopfNeu = optionenNeu = true;
        Maske vorher = 0;
        if (uebernehmen) {
          if (j == 1 && vorgabe[0]) {
            R[1] = vorgabe[0];
            j = 2;
          }
          if (j == 2 && vorgabe[1]) {
            R[2] = vorgabe[1];
            j = 3;
          }
          if (j == 3 && vorgabe[2]) {
            R[3] = vorgabe[2];
            j = 4;
          }
          for (int i = 1; i < j; ++i)
            if (R[static_cast<std::size_t>(i)] >= 1 && R[static_cast<std::size_t>(i)] <= 55)
              vorher |= Maske{1} << R[static_cast<std::size_t>(i)];
        }
        // A pool that cannot complete the row ends the run as a used-up budget would.
        if (std::popcount(topfZahlen_ & ~vorher) < 6 - j) {
          topfZuKlein_ = true;
          break;
        }
        ++Lauf;
        if (lockern()) optionenNeu = true;
        const std::uint32_t bereich = static_cast<std::uint32_t>(topf_.Topfende + 1);
        Maske drin = vorher;
        while (R[5] == 0) {
          int v = plaetze[plattform::Zufall::Random(bereich)];
          if (v != 0 && ((drin >> v) & 1u)) v = 0;
          R[static_cast<std::size_t>(j)] = v;
          if (v != 0) {
            drin |= Maske{1} << v;
            ++j;
          }
        }
        k.abschliessen();
        env_.kandidat(t, R, k.QS);
        if (optionenNeu) {
          optionen = &env_.optionen();
          kontext_->enddatum = env_.DateTimePicker1();
          optionenNeu = false;
        }
        if (Regelkette(k, t, *optionen, *kontext_) != 0) {
          // The pool is never written while candidates are drawn, so it equals its copy.
          R = {};
          j = 1;
        }
      }
    }
    if (erschoepft()) R = {};
    std::sort(R.begin() + 1, R.begin() + 6);
    env_.setzeSummenlabel(t, R[1] + R[2] + R[3] + R[4] + R[5]);
  }
  env_.schreibeZeile(t, R);
  TippNr = t;
  Tippliste.hinzu(Vergleichsreihe::aus(std::span<const int, 5>(R.data() + 1, 5)));
  env_.zeichneFenster();
  env_.positionsende(t);
}

void Generierung::beenden() {
  ergebnis_.Lauf = Lauf;
  ergebnis_.topfZuKlein = topfZuKlein_;
  ergebnis_.erschoepft = erschoepft();
  ergebnis_.gestoppt = stopImLauf_;
  laeuft_ = false;
  env_.setzeSortieren(true);
  env_.setzeAktuelleZiehung(zahlDesEnddatums_, datumDesEnddatums_);
  env_.Komplettcheck();
  env_.sanduhr(false);
  env_.setzePanel(1, env_.meldung(ergebnis_.erschoepft ? 29 : 30));
  env_.setzeCheckBox8(gespeichertCheckBox8_);
  env_.setzeUpDown4(gespeichertUpDown4_);
  env_.setzeUpDown5(gespeichertUpDown5_);
  env_.setzeUpDown6(gespeichertUpDown6_);
  env_.zeichneStatus();
  env_.setzeBerechnunglaeuft(false);
  env_.setzeKnopftext(env_.Tippsberechnen());
  env_.ListenansichtOhneClick();
  env_.setzeUpDown8(6500, AnzahlSoll);
  env_.setzePanel(0, QString::number(env_.listenzeilen()) + QStringLiteral(" Rows"));
}

void Generierung::BrechnungStart() {
  if (env_.laeuftBerechnung()) {
    Label28Click();  // only stops; the click never starts a batch
    return;
  }
  const bool sichtbar = env_.listeSichtbar();
  Label28Click();
  env_.setzeListeSichtbar(sichtbar);
  while (!stopImLauf_ && !ergebnis_.abgebrochen && env_.listeSichtbar() && env_.listenzeilen() >= 1 &&
         env_.listenzeilen() < env_.upDown8())
    Label28Click();
}

}  // namespace engine
