#include "output/tippausdruck.h"

#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"
#include "shell/listenzeile.h"
#include "shell/meldungstabelle.h"

namespace tippausdruck {
namespace {
QString zahl2(const QString& text) { return QStringLiteral("%1").arg(plattform::StrToInt(text), 2); }

QString tippzeile(const QString& praefix, const QString& wort, const std::array<QString, 5>& zahlen) {
  QString z = praefix + wort + QStringLiteral(": ");
  for (size_t i = 0; i < 5; ++i) {
    if (i > 0) z += QStringLiteral("   ");
    z += zahl2(zahlen[i]);
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
      aus << tippzeile(QStringLiteral("%1. ").arg(i + 1, 3), wort, {f.text(0), f.text(1), f.text(2), f.text(3), f.text(4)});
    }
    return aus;
  }
  for (size_t k = 0; k < blatt.size(); ++k) {
    const tippdatei::Feldtexte& z = blatt[k];
    if (z[0].isEmpty()) continue;
    aus << tippzeile(QStringLiteral("%1. ").arg(k + 1, 2), wort, {z[0], z[1], z[2], z[3], z[4]});
  }
  return aus;
}

QString schreibe(const QString& home, const QStringList& zeilen) {
  const QString pfad = plattform::mitTrenner(home) + QStringLiteral("Tipp.txt");
  plattform::schreibeTextZeilen(pfad, zeilen);
  return pfad;
}

}  // namespace tippausdruck
