#include "output/tippsetzen.h"

#include "plattform/formate.h"
#include "plattform/reportvorlage.h"

#include <algorithm>

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
    b = plattform::StrToInt(text.toString());
    if (komma >= 0) rest = rest.mid(komma + 1);
  }
  return z;
}

void leeren(plattform::Report& r, const Platzierung& p) {
  // A coupon of more blocks than tippanzahlMax would carry old marks in its last slots.
  const long long bloecke = static_cast<long long>(p.blockZeilen) * p.blockSpalten;
  const long long bis = std::min<long long>(std::max<long long>(p.tippanzahlMax, bloecke), 10000);
  for (int i = 1; i <= bis; ++i) {
    for (int m = 1; m <= 5; ++m)
      if (plattform::Berichtsobjekt* o = r.objekt(zahlName(m, i))) o->Text.clear();
    for (int k = 1; k <= 2; ++k)
      if (plattform::Berichtsobjekt* o = r.objekt(sternName(k, i))) {
        o->Visible = false;
        o->Text.clear();
      }
  }
}

Setzen tippsetzen(plattform::Report& r, const QStringList& zeilen, const Platzierung& p, Scheindialog& d) {
  if (zeilen.isEmpty()) return Setzen::nichts;
  leeren(r, p);
  int i = 1, j = 1, k = 1;
  for (qsizetype n = 0; n < zeilen.size(); ++n) {
    const std::array<int, 5> zahlen = fuenfZahlen(zeilen[n]);
    for (int m = 1; m <= 5; ++m) {
      plattform::Berichtsobjekt* o = r.objekt(zahlName(m, i));
      if (!o) {
        d.meldung(QStringLiteral("Fehler kann Feld Zahl%1_%2 nicht finden").arg(m).arg(i));
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
        leeren(r, p);
      }
    }
  }
  d.vorschauAuffrischen();
  return Setzen::durchgelaufen;
}

}  // namespace schein
