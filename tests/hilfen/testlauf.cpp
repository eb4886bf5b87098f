#include "hilfen/testlauf.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "shell/listenzeile.h"
#include "shell/tippcheck.h"
#include "shell/ziehungssuche.h"

#include <stdexcept>

Testlauf::Testlauf() = default;

Ziehung Testlauf::ziehung(const QDate& d, std::array<int, 5> z, bool mittag) {
  Ziehung r;
  r.setzeDatum(d);
  for (std::size_t i = 0; i < 5; ++i) r.Ziehungszahlen[i] = static_cast<std::uint8_t>(z[i]);
  r.Ziehungszahlen[5] = mittag ? 1 : 0;
  return r;
}

void Testlauf::tagesziehungen(const QDate& ab, int tage) {
  for (int i = 0; i < tage; ++i) {
    std::array<int, 5> z{};
    int n = 0;
    std::uint32_t s = static_cast<std::uint32_t>(i) * 2654435761u + 12345u;
    while (n < 5) {
      s = s * 1103515245u + 12345u;
      const int v = static_cast<int>((s >> 16) % 55) + 1;
      bool neu = true;
      for (int k = 0; k < n; ++k) neu = neu && z[static_cast<std::size_t>(k)] != v;
      if (neu) z[static_cast<std::size_t>(n++)] = v;
    }
    saetze.push_back(ziehung(ab.addDays(i), z));
  }
}

void Testlauf::sperre(int t, std::array<QString, 5> zahlen) {
  Zeile& z = schein[static_cast<std::size_t>(t)];
  z.gesperrt = true;
  for (std::size_t i = 0; i < 5; ++i) z.felder[i] = zahlen[i];
}

std::array<int, 5> Testlauf::reihe(int t) const {
  std::array<int, 5> r{};
  for (std::size_t i = 0; i < 5; ++i)
    r[i] = plattform::liesGanzzahl(schein[static_cast<std::size_t>(t)].felder[i]).value_or(0);
  return r;
}

QStringList Testlauf::zeilenTexte(int t) const {
  QStringList l;
  for (const QString& f : schein[static_cast<std::size_t>(t)].felder) l << f;
  return l;
}

void Testlauf::setzeCheckBox8(bool an) {
  aenderungen.push_back({eingaben, QStringLiteral("CheckBox8=%1").arg(an)});
  p.CheckBox8 = an;
}
void Testlauf::setzeUpDown4(int w) {
  aenderungen.push_back({eingaben, QStringLiteral("UpDown4=%1").arg(w)});
  p.UpDown4 = w;
}
void Testlauf::setzeUpDown5(int w) {
  aenderungen.push_back({eingaben, QStringLiteral("UpDown5=%1").arg(w)});
  p.UpDown5 = w;
}
void Testlauf::setzeUpDown6(int w) {
  aenderungen.push_back({eingaben, QStringLiteral("UpDown6=%1").arg(w)});
  p.UpDown6 = w;
}

void Testlauf::setzeUpDown8(int maximum, int pos) {
  UpDown8Max = maximum;
  UpDown8 = std::clamp(pos, 1, maximum);
}

void Testlauf::StandardansichtClick() {
  UpDown8Max = 12;
  if (UpDown8 > 12) UpDown8 = 12;
  liste = false;
}

void Testlauf::ListenansichtOhneClick() {
  liste = true;
  for (int t = 1; t <= 12; ++t) {
    const Zeile& z = schein[static_cast<std::size_t>(t)];
    if (z.felder[0].isEmpty()) continue;
    zeilen << listenzeile::langform({z.felder[0], z.felder[1], z.felder[2], z.felder[3], z.felder[4]}, z.felder[5], z.felder[6]);
  }
}

void Testlauf::zeige(int index) {
  const Ziehung& z = saetze[static_cast<std::size_t>(index)];
  position = index;
  datum1 = z.datum();
  for (int s = 1; s <= 8; ++s) zahl[static_cast<std::size_t>(s)] = z.zahl(s);
  setzeDateTimePicker1(datum1);
}

bool Testlauf::SpeedButton5Click() {
  if (saetze.empty()) return false;
  zeige(sucheAbTag(saetze, engine::tagzahl(dtp1)).index);
  return true;
}

bool Testlauf::SpeedButton6Click() {
  if (saetze.empty()) return false;
  const Ziehungszeitfilter f{p.Mittag, p.Abend};
  position = vorherigePosition(position, f.doppelschritt(zahl[6] != 0));
  const int p0 = position;
  zeige(erreichterSatz(position, static_cast<int>(saetze.size())));
  position = p0;
  return true;
}

std::vector<Ziehung> Testlauf::historie() {
  ++historieGelesen;
  if (historieFehler) throw plattform::Fehler(QStringLiteral("Die Datei ZahlenQV.dat kann nicht gelesen werden."));
  return saetze;
}

void Testlauf::alleTippsLoeschen() {
  if (liste) {
    zeilen.clear();
    return;
  }
  for (int t = 1; t <= 12; ++t) {
    Zeile& z = schein[static_cast<std::size_t>(t)];
    if (z.gesperrt) continue;
    z.felder = {};
    z.summe.clear();
  }
}

engine::Zeilenstand Testlauf::Tippzeile(int t) {
  const Zeile& z = schein[static_cast<std::size_t>(t)];
  return {z.gesperrt, z.felder};
}

void Testlauf::schreibeZeile(int t, const std::array<int, 8>& r) {
  Zeile& z = schein[static_cast<std::size_t>(t)];
  for (std::size_t i = 0; i < 5; ++i) z.felder[i] = tippcheck::gueltigerFeldtext(QString::number(r[i + 1]), 55);
  z.felder[5] = tippcheck::gueltigerFeldtext(QString::number(r[6]), 10);
  z.felder[6] = tippcheck::gueltigerFeldtext(QString::number(r[7]), 10);
}

int Testlauf::Komplettcheck() {
  ++komplettchecks;
  return 0;
}

void Testlauf::setzePanel(int i, const QString& text) {
  panel[static_cast<std::size_t>(i)] = text;
  if (i == 1) panel1Verlauf << text;
}

engine::Zahlenwahlergebnis Testlauf::zeigeZahlenwahl() {
  ++zahlenwahlGezeigt;
  if (zahlenwahl) return zahlenwahl(wahl);
  return engine::Zahlenwahlergebnis::ok;
}
