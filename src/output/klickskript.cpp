#include "output/klickskript.h"

#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace klickskript {

QString normalisiere(const QString& zeile) {
  QString s = zeile;
  for (int i = 0; i < 3; ++i) s.replace(QStringLiteral("  "), QStringLiteral(" "));
  s.replace(QLatin1Char(' '), QLatin1Char(','));
  for (int i = 0; i < 2; ++i) s.replace(QStringLiteral("\t\t"), QStringLiteral("\t"));
  s.replace(QLatin1Char('\t'), QLatin1Char(','));
  return s;
}

std::array<QString, 7> felder(const QString& zeile) {
  std::array<QString, 7> f;
  qsizetype start = 0;
  for (size_t i = 0; i < f.size() && start <= zeile.size(); ++i) {
    const qsizetype komma = zeile.indexOf(QLatin1Char(','), start);
    if (komma < 0) {
      f[i] = zeile.mid(start);
      break;
    }
    f[i] = zeile.mid(start, komma - start);
    start = komma + 1;
  }
  return f;
}

Schalter schalterFuer(const QDate& heute, bool dauer) {
  const int tag = heute.dayOfWeek();  // 1 Monday .. 7 Sunday
  const bool dienstagBisFreitag = tag >= 2 && tag <= 5;
  return Schalter{dauer, !dienstagBisFreitag, dienstagBisFreitag};
}

QString fuelle(const QString& vorlage, const Belegung& belegung, const Schalter& schalter, const QString& tippdatei) {
  const QString text = plattform::ausAnsi(plattform::zuAnsi(vorlage));
  const auto ja = [](bool an) { return an ? QStringLiteral("JA") : QStringLiteral("NEIN"); };
  static const QRegularExpression muster(
      QStringLiteral("\\[(?:Z([1-5])_([1-9]|1[0-2])|S([12])_([1-9]|1[0-2])|DAUER|DI|FR|DIFR|MELDUNGFERTIG|TIPPDATEI)\\]"));
  QString aus;
  aus.reserve(text.size());
  qsizetype pos = 0;
  for (auto it = muster.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    aus += QStringView(text).mid(pos, m.capturedStart() - pos);
    pos = m.capturedEnd();
    const QString name = m.captured(0);
    QString wert;
    if (m.hasCaptured(1) || m.hasCaptured(3)) {
      const bool zahl = m.hasCaptured(1);
      const int k = (zahl ? m.captured(1) : m.captured(3)).toInt();
      const size_t slot = static_cast<size_t>((zahl ? m.captured(2) : m.captured(4)).toInt());
      if (slot <= belegung.size()) wert = belegung[slot - 1][static_cast<size_t>(zahl ? k - 1 : 4 + k)];
    } else if (name == QLatin1String("[DAUER]")) {
      wert = ja(schalter.dauer);
    } else if (name == QLatin1String("[DI]")) {
      wert = ja(schalter.di);
    } else if (name == QLatin1String("[FR]")) {
      wert = ja(schalter.fr);
    } else if (name == QLatin1String("[DIFR]")) {
      wert = ja(schalter.di && schalter.fr);
    } else if (name == QLatin1String("[MELDUNGFERTIG]")) {
      wert = kFertig;
    } else {
      wert = tippdatei;
    }
    aus += wert;
  }
  aus += QStringView(text).mid(pos);
  return aus;
}

std::vector<Belegung> belegungen(const QStringList& tippzeilen) {
  std::vector<Belegung> aus(1);
  for (const QString& z : tippzeilen) {
    if (static_cast<int>(aus.back().size()) == kSlots) aus.emplace_back();
    aus.back().push_back(felder(normalisiere(z)));
  }
  return aus;
}

QString skriptpfad(const QString& tippdatei, const QDate& heute) {
  return plattform::mitTrenner(QFileInfo(tippdatei).absolutePath()) + plattform::yyyymmdd(heute) + QStringLiteral(".qzt");
}

QStringList parameter(const QString& skript, const QString& zahl1, const QString& text1, const QString& zahl2,
                      const QString& text2) {
  return {QStringLiteral("START"), skript, zahl1, text1, zahl2, text2};
}

QString programmNachOrt(const QString& programmpfad) {
  const QString pfad = plattform::mitTrenner(programmpfad);
  // The first folder named Kestrell: the name between two separators.
  static const QRegularExpression kestrell(QStringLiteral("(^|/)kestrell/"), QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = kestrell.match(pfad);
  const QString basis = m.hasMatch() ? pfad.left(m.capturedEnd()) : pfad;
  return basis + QStringLiteral("Lenkfix/lenkfix.exe");
}

}  // namespace klickskript
