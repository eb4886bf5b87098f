#include "shell/werteliste.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

Werteliste::Werteliste(QObject* eltern) : QObject(eltern) { haken_.fill(true); }

bool Werteliste::haken(int n) const { return gueltig(n) && haken_[n - 1]; }

QString Werteliste::gewicht(int n) const { return gueltig(n) ? gewicht_[n - 1] : QString(); }

void Werteliste::setzeHaken(int n, bool an) {
  if (!gueltig(n) || haken_[n - 1] == an) return;
  haken_[n - 1] = an;
  emit geaendert(n);
  gewichtsregel(n);
}

void Werteliste::setzeGewicht(int n, const QString& gewicht) {
  if (!gueltig(n) || gewicht_[n - 1] == gewicht) return;
  gewicht_[n - 1] = gewicht;
  emit geaendert(n);
}

void Werteliste::setzeRoh(int n, bool an, const QString& gewicht) {
  if (!gueltig(n) || (haken_[n - 1] == an && gewicht_[n - 1] == gewicht)) return;
  haken_[n - 1] = an;
  gewicht_[n - 1] = gewicht;
  emit geaendert(n);
}

void Werteliste::gewichtsregel(int n) {
  if (!gueltig(n)) return;
  const int schritt = minus_ ? -1 : 1;
  QString neu = gewicht_[n - 1];
  bool ganz = true;
  if (haken_[n - 1]) {
    const auto wert = plattform::liesGanzzahl(neu);
    // A sum outside 32 bits reads as no whole number.
    const long long summe = wert ? static_cast<long long>(*wert) + schritt : 0;
    ganz = wert && summe >= std::numeric_limits<int>::min() && summe <= std::numeric_limits<int>::max();
    if (ganz) neu = QString::number(summe);
  }
  if (ganz) {
    const auto wert = plattform::liesGanzzahl(neu);
    if (!wert) ganz = false;
    else if (*wert < 0) neu = QStringLiteral("0");
  }
  if (!ganz) neu = QStringLiteral("0");
  setzeGewicht(n, neu);
  if (neu == QLatin1String("0") && haken_[n - 1]) {
    setzeHaken(n, false);  // runs the rule once more, now unticked
    return;
  }
  emit regelGelaufen(n);
}

QStringList Werteliste::alsZeilen(int maxZahl) {
  const int bis = begrenzeMaxZahl(maxZahl);
  QStringList zeilen;
  for (int n = 1; n <= bis; ++n) {
    if (haken(n) && gewicht(n).isEmpty()) setzeGewicht(n, QStringLiteral("1"));
    zeilen << (haken(n) ? gewicht(n) : QString());
  }
  return zeilen;
}

void Werteliste::speichern(const QString& pfad, int maxZahl) {
  plattform::schreibeAnsiZeilen(pfad, alsZeilen(maxZahl));
}

QStringList Werteliste::liesDatei(const QString& pfad) {
  if (!QFile::exists(pfad)) throw plattform::Fehler(QStringLiteral("Die Datei %1 wurde nicht gefunden."), {pfad});
  const auto keineListe = [&] {
    return plattform::Fehler(QStringLiteral("Die Datei %1 ist keine gültige Werteliste."), {QFileInfo(pfad).fileName()});
  };
  // A file that cannot be opened raises "Die Datei %1 kann nicht geöffnet werden.".
  const std::optional<QByteArray> inhalt = plattform::liesHoechstens(pfad, kMaxDateigroesse);
  // Larger than any value list, or a device or pipe that may never end.
  if (!inhalt || inhalt->contains('\0')) throw keineListe();
  return plattform::zerlegeZeilen(plattform::ausAnsi(*inhalt));
}

void Werteliste::laden(const QString& pfad, int maxZahl) { uebernimm(liesDatei(pfad), maxZahl); }

void Werteliste::uebernimm(const QStringList& zeilen, int maxZahl) {
  const int bis = begrenzeMaxZahl(maxZahl);
  for (int n = 1; n <= bis; ++n) {
    const QString zeile = zeilen.value(n - 1);
    if (zeile.isEmpty()) setzeRoh(n, false, QStringLiteral("1"));
    else setzeRoh(n, true, zeile);
  }
}

int Werteliste::begrenzeMaxZahl(int maxZahl) { return std::clamp(maxZahl, 1, kAnzahl); }

int Werteliste::begrenzeMaxTipp(int maxTipp, int maxZahl) {
  return std::clamp(maxTipp, 1, std::min(26, begrenzeMaxZahl(maxZahl)));
}

QString wertelisteStatus(const QString& format, const QString& beschriftung, const QString& gewicht) {
  QString text = format;
  const QString platzhalter = QStringLiteral("%s");
  qsizetype pos = text.indexOf(platzhalter);
  if (pos < 0) return text;
  text.replace(pos, platzhalter.size(), beschriftung);
  pos = text.indexOf(platzhalter, pos + beschriftung.size());
  if (pos >= 0) text.replace(pos, platzhalter.size(), gewicht);
  return text;
}
