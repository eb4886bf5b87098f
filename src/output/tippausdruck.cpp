#include "output/tippausdruck.h"

#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"
#include "shell/listenzeile.h"
#include "shell/meldungstabelle.h"

namespace tippausdruck {
namespace {
// "%2d": right-aligned in two characters, wider when it needs more.
void haengeZahlAn(QString& z, QStringView text) {
  const std::optional<int> gelesen = plattform::liesGanzzahl(text);
  const int wert = gelesen ? *gelesen : plattform::StrToInt(text.toString());  // the latter raises
  if (wert >= 0 && wert < 10) z += QLatin1Char(' ');
  z += QString::number(wert);
}

QString tippzeile(const QString& praefix, const QString& wort, const std::array<QStringView, 5>& zahlen) {
  QString z;
  z.reserve(praefix.size() + wort.size() + 32);
  z += praefix;
  z += wort;
  z += QLatin1String(": ");
  for (size_t i = 0; i < 5; ++i) {
    if (i > 0) z += QLatin1String("   ");
    haengeZahlAn(z, zahlen[i]);
  }
  return z;
}
}  // namespace

QDate datumDerTipps(const QDate& datum1, const QDate& endeDatum, bool listenansicht) {
  const QDate basis = datum1.isValid() ? datum1 : endeDatum;
  return basis.addDays(listenansicht ? 1 : 7);
}

QStringList zeilen(const Meldungstabelle& meldungen, const QDate& datum, bool listenansicht,
                   const tippdatei::Blatt& blatt, const QStringList& liste) {
  const QString wort = meldungen.text(28);
  QStringList aus;
  aus.reserve(3 + (listenansicht ? liste.size() : 12));
  aus << meldungen.text(32) + QLatin1Char(' ') + plattform::kurzesDatum(datum) << QString(46, QLatin1Char('~'))
      << QString();
  if (listenansicht) {
    for (qsizetype i = 0; i < liste.size(); ++i) {
      const listenzeile::Felder f = listenzeile::liesListenzeile(liste.at(i));
      aus << tippzeile(QString::number(i + 1).rightJustified(3, QLatin1Char(' ')) + QLatin1String(". "), wort,
                       {f[0], f[1], f[2], f[3], f[4]});
    }
    return aus;
  }
  for (size_t k = 0; k < blatt.size(); ++k) {
    const tippdatei::Feldtexte& z = blatt[k];
    if (z[0].isEmpty()) continue;
    aus << tippzeile(QString::number(k + 1).rightJustified(2, QLatin1Char(' ')) + QLatin1String(". "), wort,
                     {z[0], z[1], z[2], z[3], z[4]});
  }
  return aus;
}

QString schreibe(const QString& home, const QStringList& zeilen) {
  const QString pfad = plattform::mitTrenner(home) + QStringLiteral("Tipp.txt");
  plattform::schreibeTextZeilen(pfad, zeilen);
  return pfad;
}

}  // namespace tippausdruck
