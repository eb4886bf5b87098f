#include "shell/lebenszyklus.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"

#include <QFile>
#include <QStringList>

namespace {
constexpr qsizetype kSatzLaenge = 32;
}

QDate Formateinstellungen::StrToDate(const QString& text) const {
  const auto fehler = [&] { return plattform::Fehler(QStringLiteral("'%1' ist kein gültiges Datum").arg(text)); };
  // Day, month, year as ShortDateFormat orders them.
  const QStringList teile = text.trimmed().split(DateSeparator);
  if (teile.size() != 3) throw fehler();
  int werte[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto v = plattform::liesGanzzahl(teile.at(i));
    if (!v || *v < 0) throw fehler();
    werte[i] = *v;
  }
  int jahr = werte[2];
  if (teile.at(2).trimmed().size() <= 2) {
    const int heute = QDate::currentDate().year();
    jahr += (heute - 50) / 100 * 100;
    if (jahr < heute - 50) jahr += 100;
  }
  const QDate d(jahr, werte[1], werte[0]);
  if (!d.isValid()) throw fehler();
  return d;
}

int sternenzahlMax(const QDate& heute) { return heute < QDate(2014, 10, 4) ? 8 : 10; }

QDate startdatumNachRegel(const QDate& start, const QDate& heute) {
  if (!start.isValid() || start > heute.addDays(-7)) return kErstesStartdatum;
  return start;
}

void kopiereZiehungsdaten(const QString& quelle, const QString& ziel) {
  QFile f(quelle);
  if (!f.open(QIODevice::ReadOnly))
    throw plattform::Fehler(QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(quelle));
  QByteArray daten = f.readAll();
  daten.truncate(daten.size() / kSatzLaenge * kSatzLaenge);
  plattform::schreibeDateiAtomar(ziel, daten);
}
