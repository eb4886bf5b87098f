#include "output/scheinablage.h"

#include "plattform/formate.h"
#include "plattform/registry.h"
#include "plattform/reportvorlage.h"

#include <algorithm>
#include <functional>

namespace schein {

namespace {

struct Textwert {
  const char* name;
  QString Layoutsteuerung::*feld;
  bool zahl;  // must read as a number
  const char* vorgabe;
};
const Textwert kTexte[] = {
    {"Anfangleft", &Layoutsteuerung::Edit16, true, "5"}, {"AnfangTop", &Layoutsteuerung::Edit17, true, "5"},
    {"BlockLeft", &Layoutsteuerung::Edit4, true, "5"},   {"BlockTop", &Layoutsteuerung::Edit3, true, "5"},
    {"Breite", &Layoutsteuerung::Edit2, true, "14"},     {"Hoehe", &Layoutsteuerung::Edit1, true, "14"},
    {"EuroBreit", &Layoutsteuerung::Edit12, true, "14"}, {"EuroHoch", &Layoutsteuerung::Edit11, true, "14"},
    {"Zeichen", &Layoutsteuerung::Zeichen, false, "x"},  {"Reportvorlage", &Layoutsteuerung::Reportvorlage, false, ""},
    {"BackImage", &Layoutsteuerung::BackImage, false, ""},
};

struct Ganzwert {
  const char* name;
  int Layoutsteuerung::*feld;
  int min, max;
};
const Ganzwert kGanz[] = {
    {"BlockZeilen", &Layoutsteuerung::UpDown1, 1, 50}, {"BlockSpalten", &Layoutsteuerung::UpDown2, 1, 50},
    {"Zeilen", &Layoutsteuerung::UpDown5, 1, 10},      {"Spalten", &Layoutsteuerung::UpDown6, 1, 10},
    {"FontSize", &Layoutsteuerung::fontsize, 3, 16},   {"EuroLeft", &Layoutsteuerung::UpDown12, -1000, 1000},
    {"EuroTop", &Layoutsteuerung::UpDown11, -1000, 1000}, {"EuroZeilen", &Layoutsteuerung::UpDown7, 1, 11},
    {"EuroSpalten", &Layoutsteuerung::UpDown8, 1, 11},
};

struct Hakenwert {
  const char* name;
  bool Layoutsteuerung::*feld;
};
const Hakenwert kHaken[] = {{"Checkbox1", &Layoutsteuerung::CheckBox1},
                            {"Checkbox2", &Layoutsteuerung::CheckBox2},
                            {"Checkbox3", &Layoutsteuerung::CheckBox3},
                            {"Checkbox4", &Layoutsteuerung::CheckBox4}};

QString n(const char* s) { return QString::fromLatin1(s); }

// One value read; a value of another type than expected stays out.
template <class T>
std::optional<T> lies(const plattform::Registry& reg, const QString& name, T (plattform::Registry::*leser)(const QString&) const) {
  if (!reg.ValueExists(name)) return std::nullopt;
  try {
    return (reg.*leser)(name);
  } catch (const plattform::Fehler&) {
    return std::nullopt;
  }
}

double zahlOder(QString& text, const char* vorgabe) {
  if (const auto w = layoutzahl(text)) return *w;
  text = n(vorgabe);
  return layoutzahl(text).value_or(0);
}

// A value that exists and does not read is named in `unlesbar`.
template <class T>
std::optional<T> lies(const plattform::Registry& reg, const char* name, T (plattform::Registry::*leser)(const QString&) const,
                      QStringList& unlesbar, const std::function<bool(const T&)>& gut = {}) {
  if (!reg.ValueExists(n(name))) return std::nullopt;
  const auto w = lies<T>(reg, n(name), leser);
  if (w && (!gut || gut(*w))) return w;
  unlesbar << n(name);
  return std::nullopt;
}

}  // namespace

void Layoutsteuerung::begrenzen() {
  for (const Ganzwert& g : kGanz) this->*g.feld = std::clamp(this->*g.feld, g.min, g.max);
}

QString layoutschluessel(const QString& schluessel) { return schluessel + QStringLiteral("\\druck"); }

bool layoutVorhanden(const QString& schluessel) {
  plattform::Registry reg;
  return reg.KeyExists(layoutschluessel(schluessel));
}

QStringList liesLayout(const QString& schluessel, Layoutsteuerung& s) {
  QStringList unlesbar;
  plattform::Registry reg;
  if (!reg.OpenKeyReadOnly(layoutschluessel(schluessel))) return unlesbar;
  for (const Hakenwert& h : kHaken)
    if (const auto w = lies<bool>(reg, h.name, &plattform::Registry::ReadBool, unlesbar)) s.*h.feld = *w;
  const std::function<bool(const QString&)> zahl = [](const QString& t) { return layoutzahl(t).has_value(); };
  for (const Textwert& t : kTexte)
    if (const auto w = lies<QString>(reg, t.name, &plattform::Registry::ReadString, unlesbar, t.zahl ? zahl : nullptr))
      s.*t.feld = *w;
  if (s.Reportvorlage.isEmpty()) s.Reportvorlage = kVorlage;
  for (const Ganzwert& g : kGanz)
    if (const auto w = lies<int>(reg, g.name, &plattform::Registry::ReadInteger, unlesbar)) s.*g.feld = std::clamp(*w, g.min, g.max);
  reg.CloseKey();
  return unlesbar;
}

Scheinlayout felderAusSteuerung(Layoutsteuerung& s) {
  Scheinlayout l;
  l.AnfangLeft = zahlOder(s.Edit16, "5");
  l.AnfangTop = zahlOder(s.Edit17, "5");
  l.BlockLeft = zahlOder(s.Edit4, "5");
  l.BlockTop = zahlOder(s.Edit3, "5");
  l.Breite = zahlOder(s.Edit2, "14");
  l.Hoehe = zahlOder(s.Edit1, "14");
  l.EuroBreit = zahlOder(s.Edit12, "14");
  l.EuroHoch = zahlOder(s.Edit11, "14");
  l.EuroLeft = s.UpDown12;
  l.EuroTop = s.UpDown11;
  return l;
}

GespeichertesPapier liesPapier(const QString& schluessel) {
  GespeichertesPapier p;
  plattform::Registry reg;
  if (!reg.OpenKeyReadOnly(layoutschluessel(schluessel))) return p;
  const std::function<bool(const QString&)> code = [](const QString& t) {
    const auto c = plattform::liesGanzzahl(t);
    return c && plattform::papiercode(*c);
  };
  if (const auto t = lies<QString>(reg, "PaperSize", &plattform::Registry::ReadString, p.unlesbar, code))
    p.PaperSize = plattform::liesGanzzahl(*t);
  if (const auto o = lies<int>(reg, "PaperOr", &plattform::Registry::ReadInteger, p.unlesbar)) p.Querformat = *o != 1;
  const std::function<bool(const QString&)> mass = [](const QString& t) {
    const auto w = plattform::liesRealPunktOderKomma(t);
    return w && plattform::papiermass(*w);
  };
  for (const auto& [name, feld] : {std::pair{"PaperHeight", &GespeichertesPapier::PaperHeight},
                                   std::pair{"PaperWidth", &GespeichertesPapier::PaperWidth}})
    if (const auto t = lies<QString>(reg, name, &plattform::Registry::ReadString, p.unlesbar, mass))
      p.*feld = plattform::liesRealPunktOderKomma(*t);
  reg.CloseKey();
  return p;
}

bool schreibeLayout(const QString& schluessel, const Layoutsteuerung& s, const std::optional<Papier>& papier,
                    const Behalten& behalten) {
  plattform::Registry reg;
  if (!reg.OpenKey(layoutschluessel(schluessel), true)) return false;
  // A stored value that did not read stays while its control still holds what the reading left.
  auto bleibt = [&](const char* name, bool unveraendert) { return unveraendert && behalten.namen.contains(n(name)); };
  for (const Hakenwert& h : kHaken)
    if (!bleibt(h.name, s.*h.feld == behalten.steuerung.*h.feld)) reg.WriteBool(n(h.name), s.*h.feld);
  for (const Textwert& t : kTexte)
    if (!bleibt(t.name, s.*t.feld == behalten.steuerung.*t.feld) && (!t.zahl || layoutzahl(s.*t.feld)))
      reg.WriteString(n(t.name), s.*t.feld);
  for (const Ganzwert& g : kGanz)
    if (!bleibt(g.name, s.*g.feld == behalten.steuerung.*g.feld)) reg.WriteInteger(n(g.name), s.*g.feld);
  if (papier) {
    const bool gleich = papier == behalten.papier;
    if (!bleibt("PaperSize", gleich)) reg.WriteString(QStringLiteral("PaperSize"), QString::number(papier->PaperSize));
    if (!bleibt("PaperHeight", gleich)) reg.WriteString(QStringLiteral("PaperHeight"), allgemein(papier->PaperHeight));
    if (!bleibt("PaperWidth", gleich)) reg.WriteString(QStringLiteral("PaperWidth"), allgemein(papier->PaperWidth));
    if (!bleibt("PaperOr", gleich)) reg.WriteInteger(QStringLiteral("PaperOr"), papier->Querformat ? 2 : 1);
  }
  reg.CloseKey();
  return true;
}

}  // namespace schein
