#include "engine/rueckblick.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/zufall.h"

#include <algorithm>

namespace engine {

std::optional<int> liesGlueckszahl(const QString& text) { return plattform::liesGanzzahl(text); }

void setzeGlueckszahl(int zahl) { plattform::Zufall::RandSeed = static_cast<std::uint32_t>(zahl); }

QString glueckszahlVorschlag() { return QString::number(plattform::Zufall::Random(99999)); }

QString saatVorgabe() { return QString::number(static_cast<std::int32_t>(plattform::Zufall::RandSeed)); }

QString glueckszahlText(const Meldungstabelle& m, int zahl) {
  return m.text(37) + QLatin1Char(' ') + QString::number(zahl) + QLatin1Char(' ') + m.text(38);
}

Rueckblick wochenschleife(Rueckblickumgebung& env, const QString& saattext, const QDate& start, const QDate& heute) {
  const int saat = plattform::StrToInt(saattext);
  Rueckblick r;
  QDate vorher = heute;
  QDate aktuell = start;
  while (vorher != aktuell) {
    vorher = aktuell;
    setzeGlueckszahl(saat);
    env.lauf();
    env.setzeDateTimePicker1(env.DateTimePicker1().addDays(7));
    const bool gefunden = env.SpeedButton5Click();
    ++r.wochen;
    const auto& s = env.Statistik();
    for (size_t h = 0; h < 6; ++h)
      for (size_t e = 0; e < 3; ++e) r.summe[h][e] += s[h][e];
    aktuell = env.DateTimePicker1();
    // A draw step that found no draw leaves the end date a week on; it would go on forever.
    if (!gefunden || aktuell > heute) break;
  }
  return r;
}

QStringList rueckblickbericht(const Rueckblick& r, int tippzahl, const Meldungstabelle& m) {
  const QString tab(QLatin1Char('\t'));
  QStringList z;
  z << m.text(43) << QString();
  z << m.text(44) + tab + QStringLiteral("1x ") + m.text(33) + tab + QStringLiteral("2x ") + m.text(33);
  for (size_t h = 0; h < 6; ++h) {
    z << QString::number(h) + QStringLiteral("x") + tab + QStringLiteral("=> ") + QString::number(r.summe[h][0]) + tab +
             tab + QStringLiteral("=> ") + QString::number(r.summe[h][1]) + tab + tab + QStringLiteral("=> ") +
             QString::number(r.summe[h][2]);
  }
  z << QString();
  const int tipps = std::min(tippzahl, 12);
  z << m.text(7) + QString::number(r.wochen) + QStringLiteral("      ") + m.text(28) + QStringLiteral(": ") +
           QString::number(tipps) + QStringLiteral(" => ") + QString::number(static_cast<long long>(tipps) * r.wochen) +
           m.text(45);
  return z;
}

}  // namespace engine
