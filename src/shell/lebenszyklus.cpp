#include "shell/lebenszyklus.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QDate Formateinstellungen::StrToDate(const QString& text) const {
  const auto fehler = [&] { return plattform::Fehler(QStringLiteral("'%1' ist kein gültiges Datum"), {text}); };
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
  if (!start.isValid() || start > heute.addDays(-7)) return kKleinstesDatum;
  return start;
}

std::optional<int> nutzbareGroesse(int gespeichert, int entworfen, int verfuegbar) {
  if (gespeichert < (entworfen + 1) / 2 || gespeichert > verfuegbar) return std::nullopt;
  return gespeichert;
}

void legeDatenordnerAn(const QString& ordner) {
  if (!QFileInfo(ordner).isDir() && !QDir().mkdir(ordner))
    throw plattform::Fehler(QStringLiteral("Das Verzeichnis %1 kann nicht erstellt werden."), {ordner});
}
