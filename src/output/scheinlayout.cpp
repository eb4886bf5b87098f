#include "output/scheinlayout.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace schein {

Punkt markenposition(const Scheinlayout& l, int spalten, int j, int k, long long b) {
  const long long c = spalten;
  const long long n = b - 1;
  // A column count of 0 never comes from its up-down (1..50); a cell then stands for every number.
  const long long zeile = c != 0 ? n / c : 0;
  const long long spalte = c != 0 ? n % c : 0;
  Punkt p;
  p.Top = l.AnfangTop + (k - 1) * l.BlockTop + static_cast<double>(zeile) * l.Hoehe;
  p.Left = l.AnfangLeft + (j - 1) * l.BlockLeft + static_cast<double>(spalte) * l.Breite;
  return p;
}

std::optional<QString> kalibriere(const plattform::Report& r, const Feldgroessen& g, Scheinlayout& l) {
  const plattform::Berichtsobjekt* z11 = r.objekt(QStringLiteral("Zahl1_1"));
  const plattform::Berichtsobjekt* z21 = r.objekt(QStringLiteral("Zahl2_1"));
  const plattform::Berichtsobjekt* z41 = r.objekt(QStringLiteral("Zahl4_1"));
  const plattform::Berichtsobjekt* z12 = r.objekt(QStringLiteral("Zahl1_2"));
  const plattform::Berichtsobjekt* z13 = r.objekt(QStringLiteral("Zahl1_3"));
  const std::pair<const plattform::Berichtsobjekt*, const char*> noetig[] = {
      {z11, "Zahl1_1"}, {z21, "Zahl2_1"}, {z41, "Zahl4_1"}, {z12, "Zahl1_2"}, {z13, "Zahl1_3"}};
  for (const auto& [o, name] : noetig)
    if (!o) return QString::fromLatin1(name);

  const double breite = z21->Left - z11->Left;
  const double hoehe = z41->Top - z11->Top;
  l.Breite = g.spalten > 1 ? breite / (g.spalten - 1) : breite;
  l.Hoehe = g.zeilen > 1 ? hoehe / (g.zeilen - 1) : hoehe;
  l.AnfangTop = z11->Top;
  l.AnfangLeft = z11->Left;
  l.BlockTop = z13->Top - z11->Top;
  l.BlockLeft = z12->Left - z11->Left;
  const plattform::Berichtsobjekt* s1 = r.objekt(QStringLiteral("Stern1_1"));
  const plattform::Berichtsobjekt* s2 = r.objekt(QStringLiteral("Stern2_1"));
  if (s1 && s2) {
    l.EuroLeft = s1->Left - z11->Left;
    l.EuroTop = s1->Top - z11->Top;
    l.EuroBreit = g.euroSpalten > 1 ? (s2->Left - s1->Left) / (g.euroSpalten - 1) : 0;
    l.EuroHoch = g.euroZeilen > 1 ? (s2->Top - s1->Top) / (g.euroZeilen - 1) : 0;
  }
  return std::nullopt;
}

std::optional<double> layoutzahl(const QString& text) {
  const auto w = plattform::liesRealPunktOderKomma(text);
  if (!w || *w < -kLayoutMax || *w > kLayoutMax) return std::nullopt;
  return w;
}

double layoutwert(const QString& text) {
  if (const auto w = layoutzahl(text)) return *w;
  throw plattform::keinGleitkommawert(text);
}

QString allgemein(double wert) {
  if (wert == 0) wert = 0.0;  // never "-0"
  QString s = QString::number(wert, 'g', 15);
  s.replace(QLatin1Char('.'), plattform::dezimaltrenner());
  return s;
}

QString anzeigewert(double wert) {
  if (!std::isfinite(wert)) return allgemein(wert);
  return allgemein(static_cast<double>(plattform::rundeGerade(wert * 100)) / 100);
}

int euroPosition(double wert) {
  if (!std::isfinite(wert)) return 0;
  return static_cast<int>(std::clamp<long long>(plattform::rundeGerade(std::clamp(wert, -1e6, 1e6)), -1000, 1000));
}

QString dateinamensteil(const QString& pfad) {
  const qsizetype i = std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
  return pfad.mid(i + 1);
}

namespace {
bool istDatei(const QString& p) { return !p.isEmpty() && QFileInfo(p).isFile(); }
}  // namespace

QString vorlagenpfad(const QString& reportvorlage, const QString& programmpfad) {
  if (istDatei(reportvorlage)) return reportvorlage;
  const QString imProgramm = programmpfad + dateinamensteil(reportvorlage);
  if (istDatei(imProgramm)) return imProgramm;
  return kVorlage;
}

QString bildpfad(const QString& backImage, const QString& programmpfad) {
  if (backImage.isEmpty() || istDatei(backImage)) return backImage;
  const QString imProgramm = programmpfad + dateinamensteil(backImage);
  return istDatei(imProgramm) ? imProgramm : QString();
}

QStringList normalisiere(const QStringList& zeilen) {
  QStringList getrimmt;
  getrimmt.reserve(zeilen.size());
  for (const QString& z : zeilen) {
    // Blanks and control characters at both ends, as the memo's trim takes them.
    qsizetype a = 0, e = z.size();
    while (a < e && z[a].unicode() <= 32) ++a;
    while (e > a && z[e - 1].unicode() <= 32) --e;
    getrimmt << z.mid(a, e - a);
  }
  QString text = getrimmt.join(QStringLiteral("\r\n"));
  for (int i = 0; i < 4; ++i) text.replace(QStringLiteral("  "), QStringLiteral(" "));
  text.replace(QLatin1Char(' '), QLatin1Char(','));
  text.replace(QStringLiteral("\t\t"), QStringLiteral("\t"));
  text.replace(QLatin1Char('\t'), QLatin1Char(','));
  text.replace(QStringLiteral(",,"), QStringLiteral(","));
  return text.split(QStringLiteral("\r\n"));
}

std::vector<QStringList> zahlenraster(int zeilen, int spalten, bool horizontal, bool untenBeginnen, int maxZahl) {
  zeilen = std::max(zeilen, 0);
  spalten = std::max(spalten, 0);
  std::vector<QStringList> r(static_cast<std::size_t>(zeilen), QStringList(spalten, QString()));
  long long zaehler = 1;
  auto setze = [&](int z, int s) {
    r[static_cast<std::size_t>(z)][s] = zaehler <= maxZahl ? QString::number(zaehler) : QStringLiteral(" ");
    ++zaehler;
  };
  auto zeile = [&](int i) { return untenBeginnen ? zeilen - 1 - i : i; };
  if (horizontal) {
    for (int i = 0; i < zeilen; ++i)
      for (int s = 0; s < spalten; ++s) setze(zeile(i), s);
  } else {
    for (int s = 0; s < spalten; ++s)
      for (int i = 0; i < zeilen; ++i) setze(zeile(i), s);
  }
  return r;
}

std::optional<int> rasterzelle(const QString& text) {
  const auto w = layoutzahl(text);
  if (!w) return std::nullopt;
  return static_cast<int>(std::max<long long>(plattform::rundeGerade(*w), 1));
}

}  // namespace schein
