#include "engine/zahlentopf.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"

#include <algorithm>

namespace engine {

long long rundeBruch(long long z, long long n) {
  long long q = z / n;
  long long r = z % n;
  if (r < 0) {
    r += n;
    --q;
  }
  if (2 * r > n || (2 * r == n && (q % 2 != 0))) ++q;
  return q;
}

void Zahlentopf::leeren() {
  plaetze.assign(kSlots, 0);
  Fuellstand = 0;
  Topfende = -1;
}

void Zahlentopf::platzFuer(long long index) {
  if (index >= static_cast<long long>(plaetze.size()))
    plaetze.resize(static_cast<std::size_t>(std::max<long long>(index + 1, 2 * static_cast<long long>(plaetze.size()))), 0);
}

void Zahlentopf::anhaengen(int n) {
  platzFuer(Fuellstand);
  plaetze[static_cast<std::size_t>(Fuellstand)] = static_cast<std::uint8_t>(n);
  ++Fuellstand;
}

void Zahlentopf::InTopfLegen(int n, int gewicht) {
  const int mal = gewicht == 0 ? 1 : gewicht;
  if (mal < 0) return;
  if (static_cast<long long>(Fuellstand) + mal > kHoechstens)
    throw plattform::Fehler(QStringLiteral("Der Zahlentopf fasst höchstens %1 Einträge."), {QString::number(kHoechstens)});
  platzFuer(static_cast<long long>(Fuellstand) + mal);
  for (int i = 0; i < mal; ++i) plaetze[static_cast<std::size_t>(++Fuellstand)] = static_cast<std::uint8_t>(n);
}

int Zahlentopf::ZahlImTopf(int n) const {
  int c = 0;
  for (int i = 0; i <= Topfende; ++i) c += plaetze[static_cast<std::size_t>(i)] == n ? 1 : 0;
  return c;
}

void Zahlentopf::leereSlotsMit(Maske zahlen) {
  for (int i = 0; i <= Topfende; ++i) {
    std::uint8_t& s = plaetze[static_cast<std::size_t>(i)];
    if (s >= 1 && s <= 55 && ((zahlen >> s) & 1u)) s = 0;
  }
}

void Zahlentopf::leereErstenSlot(int n) {
  for (int i = 0; i <= Topfende; ++i) {
    if (plaetze[static_cast<std::size_t>(i)] == n) {
      plaetze[static_cast<std::size_t>(i)] = 0;
      return;
    }
  }
}

void Zahlentopf::verdichten() {
  for (int i = 0; i <= Topfende; ++i) {
    while (i <= Topfende && plaetze[static_cast<std::size_t>(i)] == 0) {
      plaetze[static_cast<std::size_t>(i)] = plaetze[static_cast<std::size_t>(Topfende)];
      if (Topfende != i) plaetze[static_cast<std::size_t>(Topfende)] = 0;
      --Topfende;
    }
  }
}

void Zahlentopf::TopfAusZahlenwahl(const Werteliste& wahl) {
  leeren();
  for (int n = 1; n <= 55; ++n)
    if (wahl.haken(n)) InTopfLegen(n, plattform::StrToInt(wahl.gewicht(n)));
  Topfende = Fuellstand;
}

Maske Zahlentopf::zahlen() const {
  Maske m = 0;
  for (int i = 0; i <= Topfende; ++i) {
    const std::uint8_t s = plaetze[static_cast<std::size_t>(i)];
    if (s >= 1 && s <= 55) m |= Maske{1} << s;
  }
  return m;
}

namespace {

QString bandtext(long long lo, long long hi, int fuellstand, bool einLeerzeichen) {
  return QStringLiteral("Min: ") + QString::number(lo) + (einLeerzeichen ? QStringLiteral(" Max: ") : QStringLiteral("  Max: ")) +
         QString::number(hi) + QStringLiteral("  ") + QString::number(fuellstand);
}

enum class Vergleich { offenUnten, geschlossen };  // lo < y <= hi, or lo <= y <= hi

struct Band {
  long long lo, hi;
  Vergleich art;
  bool einLeerzeichen;
};

void wendeAn(Zahlentopf& topf, Laufumgebung& env, const Bandstatistik& s, const Band& b, int gruppe, int mal) {
  env.setzePanel(1, bandtext(b.lo, b.hi, topf.Fuellstand, b.einLeerzeichen));
  env.zeichneStatus();
  const int letzterBalken = gruppe == 1 ? 55 : 56 - gruppe;
  for (int x = 1; x <= letzterBalken; ++x) {
    const long long y = s.wert(x);
    const bool drin = b.art == Vergleich::offenUnten ? (b.lo < y && y <= b.hi) : (b.lo <= y && y <= b.hi);
    if (!drin) continue;
    for (int m = 0; m < mal; ++m)
      for (int g = 0; g < gruppe; ++g) topf.anhaengen(x + g);
  }
}

// The frequent and rare bands of one group statistic.
void gruppenbaender(Zahlentopf& topf, Laufumgebung& env, const Statistikquelle& statistik, Topfstatistik art,
                    int gruppe, int meldung, bool haeufig, bool selten, bool seltenEinLeerzeichen) {
  if (!haeufig && !selten) return;
  env.setzePanel(1, env.meldung(meldung));
  env.zeichneStatus();
  const Bandstatistik s = statistik(art);
  const long long mn = s.minimum, mx = s.maximum;
  if (haeufig) wendeAn(topf, env, s, {rundeBruch(10 * mx - 3 * (mx - mn), 10), mx, Vergleich::offenUnten, false}, gruppe, 1);
  if (selten) wendeAn(topf, env, s, {0, rundeBruch(10 * mn + 3 * (mx - mn), 10), Vergleich::offenUnten, seltenEinLeerzeichen}, gruppe, 1);
}

}  // namespace

bool baueZahlentopf(Zahlentopf& topf, Laufumgebung& env, const std::array<std::array<int, 5>, 3>& referenz,
                    const Statistikquelle& statistik) {
  topf.leeren();

  gruppenbaender(topf, env, statistik, Topfstatistik::paare, 2, 21, env.optionen().CheckBox1, env.optionen().CheckBox11, false);
  gruppenbaender(topf, env, statistik, Topfstatistik::dreier, 3, 22, env.optionen().CheckBox6, env.optionen().CheckBox12, false);
  gruppenbaender(topf, env, statistik, Topfstatistik::vierer, 4, 23, env.optionen().CheckBox7, env.optionen().CheckBox13, true);

  if (env.optionen().CheckBox2 || env.optionen().CheckBox14) {
    env.setzePanel(1, env.meldung(24));
    env.zeichneStatus();
    const Bandstatistik s = statistik(Topfstatistik::haeufigkeit);
    const long long mn = s.minimum, mx = s.maximum;
    if (env.optionen().CheckBox2) {
      const long long p = env.optionen().UpDown12;
      wendeAn(topf, env, s, {rundeBruch(100 * mx - p * (mx - mn), 100), mx, Vergleich::geschlossen, false}, 1, 2);
      wendeAn(topf, env, s, {rundeBruch(200 * mx - p * (mx - mn), 200), mx, Vergleich::geschlossen, false}, 1, 1);
    }
    if (env.optionen().CheckBox14) {
      const long long p = env.optionen().UpDown14;
      wendeAn(topf, env, s, {mn, rundeBruch(100 * mn + p * (mx - mn), 100), Vergleich::geschlossen, false}, 1, 2);
      wendeAn(topf, env, s, {mn, rundeBruch(200 * mn + p * (mx - mn), 200), Vergleich::geschlossen, false}, 1, 1);
    }
  }

  if (env.optionen().CheckBox10) {
    env.setzePanel(1, env.meldung(25));
    env.zeichneStatus();
    const Bandstatistik s = statistik(Topfstatistik::ueberfaellige);
    const long long x = env.optionen().UpDown13;
    const long long hi = s.maximum;
    wendeAn(topf, env, s, {x, hi, Vergleich::geschlossen, true}, 1, 2);
    wendeAn(topf, env, s, {x + (hi - x) / 2, hi, Vergleich::geschlossen, false}, 1, 1);
  }

  if (env.optionen().CheckBox19) {
    env.setzePanel(1, env.meldung(26));
    env.zeichneStatus();
    for (int v : referenz[0]) {
      if (v > 1)
        for (int m = 0; m < 4; ++m) topf.anhaengen(v - 1);
      if (v < 55)
        for (int m = 0; m < 4; ++m) topf.anhaengen(v + 1);
    }
  }

  if (env.optionen().CheckBox15) {
    topf.Topfende = topf.Fuellstand;
    topf.anhaengen(0);  // the empty slot after the last entry exists, and compaction drops it
    topf.Fuellstand = topf.Topfende;
  } else {
    topf.anhaengen(0);
    for (int n = 1; n <= 55; ++n) topf.anhaengen(n);
    topf.anhaengen(1);
    topf.Topfende = topf.Fuellstand - 1;
  }

  const std::array<bool, 3> an = {env.optionen().CheckBox4 && env.optionen().UpDown4 == 0,
                                  env.optionen().CheckBox5 && env.optionen().UpDown5 == 0,
                                  env.optionen().CheckBox23 && env.optionen().UpDown11 == 0};
  for (std::size_t i = 0; i < 3; ++i)
    if (an[i]) topf.leereSlotsMit(maskeVon(std::span<const int, 5>(referenz[i])));
  if (env.optionen().CheckBox29) {
    Maske eins_bis_zwoelf = 0;
    for (int n = 1; n <= 12; ++n) eins_bis_zwoelf |= Maske{1} << n;
    topf.leereSlotsMit(eins_bis_zwoelf);
  }
  if (env.optionen().CheckBox30)
    for (int v = 1; v <= 31; ++v) topf.leereErstenSlot(v);
  topf.verdichten();

  if (env.optionen().CheckBox20) {
    env.zeigeTippUebersicht();
    Werteliste& wahl = env.werteliste();
    // The tick first: its weight rule may change the weight, which the count then replaces.
    for (int n = 1; n <= 55; ++n) {
      const int c = topf.ZahlImTopf(n);
      wahl.setzeHaken(n, c > 0);
      wahl.setzeGewicht(n, QString::number(c));
    }
    env.sanduhr(false);
    switch (env.zeigeZahlenwahl()) {
      case Zahlenwahlergebnis::ok:
        break;
      case Zahlenwahlergebnis::rechnen:
        topf.TopfAusZahlenwahl(wahl);
        break;
      case Zahlenwahlergebnis::abbruch:
        return false;
    }
  }
  topf.kopieren();
  return true;
}

}  // namespace engine
