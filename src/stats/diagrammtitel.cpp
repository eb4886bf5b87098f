#include "stats/diagrammtitel.h"

namespace statistik {

namespace {
QString zahl(int n) { return QString::number(n); }
QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

QString paareMitNTitel(const PaareMitNZahlen& p, const Meldungstabelle& m) {
  return QStringLiteral("Max (") + zahl(p.maxA) + QLatin1Char(',') + zahl(p.maxB) + QStringLiteral("): ") +
         zahl(p.maxWert) + QStringLiteral("   Min (") + zahl(p.minA) + QLatin1Char(',') + zahl(p.minB) +
         QStringLiteral("): ") + zahl(p.minWert) + blanks(3) + m[Meldungstabelle::kPaareGesamt] + zahl(p.gesamt) +
         QStringLiteral("  Max (") + zahl(p.n) + QLatin1Char(',') + zahl(p.spalteMaxA) + QStringLiteral("): ") +
         zahl(p.spalteMax) + QStringLiteral("  Min (") + zahl(p.n) + QLatin1Char(',') + zahl(p.spalteMinA) +
         QStringLiteral("): ") + zahl(p.spalteMin) + blanks(2) + m[Meldungstabelle::kPaareMit].arg(p.n) +
         QLatin1Char(' ') + zahl(p.spalteGesamt);
}
}  // namespace

QString titel(Statistikart art, const Zahlenstatistik& s, const Meldungstabelle& m) {
  const Kennzahlen& k = s.zahlen;
  switch (art) {
    case Statistikart::haeufigkeit:
      return m[6] + blanks(5) + m[7] + zahl(k.ziehungen) + blanks(4) + m[8] + zahl(k.durchschnitt);
    case Statistikart::quersummen:
      return m[18] + blanks(4) + m[7] + zahl(k.ziehungen) + blanks(5) + m[8] + zahl(k.durchschnitt);
    case Statistikart::paare:
      return m[7] + zahl(k.ziehungen) + blanks(8) + m[15] + zahl(k.gefunden);
    case Statistikart::dreier:
      return m[7] + zahl(k.ziehungen) + blanks(8) + m[16] + zahl(k.gefunden);
    case Statistikart::vierer:
      return m[7] + zahl(k.ziehungen) + blanks(8) + m[19] + zahl(k.gefunden);
    case Statistikart::ueberfaellige:
      return m[34];
    case Statistikart::paareMitN:
      return paareMitNTitel(k.paare, m);
    case Statistikart::sternUeberfaellige:
      return m[54];
    case Statistikart::sternHaeufigkeit:
      return m[9];
    case Statistikart::tippverteilung:
      return m[39];
  }
  return {};
}

}  // namespace statistik
