#include "shell/ziehungssuche.h"

#include "plattform/formate.h"

#include <algorithm>

Fundstelle sucheAbTag(const std::vector<Ziehung>& saetze, qint64 zieltag) {
  Fundstelle f;
  const int n = static_cast<int>(saetze.size());
  for (int i = 0; i < n; ++i) {
    const auto t = saetze[static_cast<std::size_t>(i)].tag();
    if (!t) {
      if (f.lesefehler++ == 0) f.ersterFehler = i;
      continue;
    }
    if (*t >= zieltag) {
      f.index = i;
      return f;
    }
  }
  f.index = n - 1;
  return f;
}

int vorherigePosition(int position, bool doppelschritt) {
  return std::max(0, position - (doppelschritt ? 2 : 1));
}

int erreichterSatz(int position, int anzahl) {
  if (anzahl <= 0) return -1;
  return std::clamp(position, 0, anzahl - 1);
}

int naechsterSatz(const std::vector<Ziehung>& saetze, int position, const Ziehungszeitfilter& filter) {
  const long long n = static_cast<long long>(saetze.size());
  if (n == 0) return -1;
  const long long ziel = static_cast<long long>(position) + 1;
  long long gelesen = 1;
  while (gelesen < n && gelesen <= ziel) {
    const bool doppelt = filter.doppelschritt(saetze[static_cast<std::size_t>(gelesen - 1)].mittag());
    gelesen += doppelt ? std::min(2LL, n - gelesen) : 1;
  }
  return static_cast<int>(gelesen - 1);
}

std::vector<Ziehung> ohneTag(const std::vector<Ziehung>& saetze, qint64 tag) {
  std::vector<Ziehung> rest;
  rest.reserve(saetze.size());
  for (const Ziehung& z : saetze)
    if (z.tag() != tag) rest.push_back(z);
  return rest;
}

int referenzSatz(const std::vector<Ziehung>& saetze, qint64 endtag) {
  const int n = static_cast<int>(saetze.size());
  for (int i = 0; i < n; ++i)
    if (saetze[static_cast<std::size_t>(i)].tag() == endtag) return i;
  return n - 1;
}

bool wirdAngehaengt(const std::vector<Ziehung>& saetze, const Ziehung& neu) {
  const auto t = neu.tag();
  return std::none_of(saetze.begin(), saetze.end(), [&](const Ziehung& z) {
    const auto s = z.tag();
    return s && t && *s >= *t;
  });
}

std::vector<Ziehung> mitEingabe(const std::vector<Ziehung>& saetze, const Ziehung& neu) {
  const auto t = neu.tag();
  std::vector<Ziehung> aus;
  aus.reserve(saetze.size() + 1);
  bool geschrieben = false;
  for (const Ziehung& z : saetze) {
    const auto s = z.tag();
    if (!geschrieben && s && t && *s >= *t) {
      aus.push_back(neu);
      geschrieben = true;
    }
    if (s && s == t) continue;
    aus.push_back(z);
  }
  if (!geschrieben) aus.push_back(neu);
  return aus;
}

QString anzeigetext(const Ziehung& z, Anzeigeart art, bool ersterVonMehreren) {
  QString s = plattform::DDDddmmyy(z.datum());
  s += (art == Anzeigeart::zeigen && ersterVonMehreren) ? QStringLiteral("   ") : QStringLiteral("  ");
  for (int k = 1; k <= 5; ++k) s += QStringLiteral("  ") + QString::number(z.zahl(k));
  if (art == Anzeigeart::zeigen)
    s += QStringLiteral("  ");
  else if (z.mittag())
    s += QStringLiteral("   (13:00)");
  return s;
}

QStringList textExport(const std::vector<Ziehung>& saetze) {
  QStringList zeilen;
  zeilen.reserve(static_cast<qsizetype>(saetze.size()));
  for (const Ziehung& z : saetze) {
    QString s = plattform::yyyymmdd(z.datum());
    for (int k = 1; k <= 5; ++k) s += QLatin1Char(',') + QString::number(z.zahl(k));
    for (int k = 7; k <= 8; ++k) s += QLatin1Char(',') + QString::number(z.zahl(k));
    zeilen.append(s);
  }
  return zeilen;
}
