#include "output/scheinablage.h"

#include "plattform/formate.h"
#include "plattform/registry.h"

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
  if (const auto w = plattform::liesReal(text)) return *w;
  text = n(vorgabe);
  return plattform::liesReal(text).value_or(0);
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

void liesLayout(const QString& schluessel, Layoutsteuerung& s) {
  plattform::Registry reg;
  if (!reg.OpenKeyReadOnly(layoutschluessel(schluessel))) return;
  for (const Hakenwert& h : kHaken)
    if (const auto w = lies<bool>(reg, n(h.name), &plattform::Registry::ReadBool)) s.*h.feld = *w;
  for (const Textwert& t : kTexte) {
    const auto w = lies<QString>(reg, n(t.name), &plattform::Registry::ReadString);
    if (!w || (t.zahl && !plattform::liesReal(*w))) continue;
    s.*t.feld = *w;
  }
  if (s.Reportvorlage.isEmpty()) s.Reportvorlage = kVorlage;
  for (const Ganzwert& g : kGanz)
    if (const auto w = lies<int>(reg, n(g.name), &plattform::Registry::ReadInteger)) s.*g.feld = std::clamp(*w, g.min, g.max);
  reg.CloseKey();
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
  if (const auto t = lies<QString>(reg, QStringLiteral("PaperSize"), &plattform::Registry::ReadString))
    if (const auto code = plattform::liesGanzzahl(*t); code && *code > 0) p.PaperSize = code;
  if (const auto o = lies<int>(reg, QStringLiteral("PaperOr"), &plattform::Registry::ReadInteger)) p.Querformat = *o != 1;
  auto groesse = [&](const char* name) -> std::optional<double> {
    const auto t = lies<QString>(reg, n(name), &plattform::Registry::ReadString);
    if (!t) return std::nullopt;
    const auto w = plattform::liesReal(*t);
    if (!w || !(*w > 0)) return std::nullopt;
    return w;
  };
  p.PaperHeight = groesse("PaperHeight");
  p.PaperWidth = groesse("PaperWidth");
  reg.CloseKey();
  return p;
}

bool schreibeLayout(const QString& schluessel, const Layoutsteuerung& s, const std::optional<Papier>& papier) {
  plattform::Registry reg;
  if (!reg.OpenKey(layoutschluessel(schluessel), true)) return false;
  for (const Hakenwert& h : kHaken) reg.WriteBool(n(h.name), s.*h.feld);
  for (const Textwert& t : kTexte) reg.WriteString(n(t.name), s.*t.feld);
  for (const Ganzwert& g : kGanz) reg.WriteInteger(n(g.name), s.*g.feld);
  if (papier) {
    reg.WriteString(QStringLiteral("PaperSize"), QString::number(papier->PaperSize));
    reg.WriteString(QStringLiteral("PaperHeight"), allgemein(papier->PaperHeight));
    reg.WriteString(QStringLiteral("PaperWidth"), allgemein(papier->PaperWidth));
    reg.WriteInteger(QStringLiteral("PaperOr"), papier->Querformat ? 2 : 1);
  }
  reg.CloseKey();
  return true;
}

}  // namespace schein
