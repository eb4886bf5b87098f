#include "output/tippsetzen.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/reportvorlage.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace schein {

namespace {
QString zahlName(int m, int i) { return QStringLiteral("Zahl%1_%2").arg(m).arg(i); }
QString sternName(int k, int i) { return QStringLiteral("Stern%1_%2").arg(k).arg(i); }
}  // namespace

std::array<int, 5> fuenfZahlen(const QString& zeile) {
  std::array<int, 5> z{};
  QStringView rest(zeile);
  for (int& b : z) {
    const qsizetype komma = rest.indexOf(QLatin1Char(','));
    const QStringView text = komma < 0 ? rest : rest.left(komma);
    const std::optional<int> w = plattform::liesGanzzahl(text);
    b = w ? *w : plattform::StrToInt(text.toString());  // the latter raises the conversion message
    if (komma >= 0) rest = rest.mid(komma + 1);
  }
  return z;
}

namespace {

// The views of the coupon's slots, looked up once per placement.
struct Ansichten {
  std::vector<std::array<plattform::Berichtsobjekt*, 5>> zahl;   // slot i at i - 1
  std::vector<std::array<plattform::Berichtsobjekt*, 2>> stern;

  Ansichten(plattform::Report& r, const Platzierung& p) {
    // A coupon of more blocks than tippanzahlMax would carry old marks in its last slots.
    const long long bloecke = static_cast<long long>(p.blockZeilen) * p.blockSpalten;
    const auto n = static_cast<std::size_t>(std::clamp<long long>(std::max<long long>(p.tippanzahlMax, bloecke), 0, 10000));
    zahl.resize(n);
    stern.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      const int slot = static_cast<int>(i) + 1;
      for (int m = 1; m <= 5; ++m) zahl[i][static_cast<std::size_t>(m - 1)] = r.objekt(zahlName(m, slot));
      for (int k = 1; k <= 2; ++k) stern[i][static_cast<std::size_t>(k - 1)] = r.objekt(sternName(k, slot));
    }
  }

  void leeren() {
    for (auto& z : zahl)
      for (plattform::Berichtsobjekt* o : z)
        if (o) o->Text.clear();
    for (auto& s : stern)
      for (plattform::Berichtsobjekt* o : s)
        if (o) {
          o->Visible = false;
          o->Text.clear();
        }
  }
};

}  // namespace

void leeren(plattform::Report& r, const Platzierung& p) { Ansichten(r, p).leeren(); }

Setzen tippsetzen(plattform::Report& r, const QStringList& zeilen, const Platzierung& p, Scheindialog& d) {
  if (zeilen.isEmpty()) return Setzen::nichts;
  Ansichten ansichten(r, p);
  ansichten.leeren();
  int i = 1, j = 1, k = 1;
  for (qsizetype n = 0; n < zeilen.size(); ++n) {
    const std::array<int, 5> zahlen = fuenfZahlen(zeilen[n]);
    for (int m = 1; m <= 5; ++m) {
      plattform::Berichtsobjekt* o =
          static_cast<std::size_t>(i) <= ansichten.zahl.size() ? ansichten.zahl[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(m - 1)]
                                                               : r.objekt(zahlName(m, i));
      if (!o) {
        d.meldung(plattform::uebersetzt(QStringLiteral("Fehler kann Feld Zahl%1_%2 nicht finden"),
                                        {QString::number(m), QString::number(i)}));
        return Setzen::abgebrochen;
      }
      const Punkt pos = markenposition(p.layout, p.spalten, j, k, zahlen[static_cast<std::size_t>(m - 1)]);
      o->Top = pos.Top;
      o->Left = pos.Left;
      o->Text = p.zeichen;
      o->FontSize = p.schriftgroesse;
    }
    d.eurozahlenVerbergen();
    ++i;
    if (++j > p.blockSpalten) {
      j = 1;
      ++k;
    }
    if (k > p.blockZeilen) {
      i = j = k = 1;
      d.vorschauAuffrischen();
      if (p.oeffnen) return Setzen::durchgelaufen;
      if (n + 1 < zeilen.size()) {
        if (d.druckenFragen()) d.drucken();
        ansichten.leeren();
      }
    }
  }
  d.vorschauAuffrischen();
  return Setzen::durchgelaufen;
}

}  // namespace schein
