#include "output/tippdatei.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"

#include <QDir>
#include <QFileInfo>

namespace tippdatei {

QString filterSpeichern() { return plattform::uebersetzt(QStringLiteral("Tippdatei")) + QStringLiteral("|*.zpk"); }

QString filterLaden() {
  return filterSpeichern() + QLatin1Char('|') +
         plattform::uebersetzt(QStringLiteral("Textdatei")) + QStringLiteral("|*.txt");
}

QString tippordner(const QString& home) { return plattform::mitTrenner(home) + QStringLiteral("Tipps/"); }

void tippordnerAnlegen(const QString& home) {
  const QString ordner = tippordner(home);
  if (QFileInfo(ordner).isDir()) return;
  if (!QDir().mkpath(ordner))
    throw plattform::Fehler(QStringLiteral("Das Verzeichnis %1 kann nicht erstellt werden."), {ordner});
}

QString datumsname(const QDate& datum, int tage) { return plattform::yyyymmdd(datum.addDays(tage)) + QStringLiteral(".zpk"); }

QStringList zeilen(Form form, const Blatt& blatt, const QStringList& liste) {
  if (form == Form::liste) return liste;
  const int felder = form == Form::voll ? 7 : 5;
  QStringList aus;
  for (const Feldtexte& z : blatt) {
    if (z[0].isEmpty()) continue;
    QString zeile = z[0];
    for (int i = 1; i < felder; ++i) zeile += QLatin1Char(',') + z[static_cast<size_t>(i)];
    aus.append(zeile);
  }
  return aus;
}

void schreibe(const QString& pfad, Form form, const Blatt& blatt, const QStringList& liste) {
  try {
    plattform::schreibeAnsiZeilen(pfad, zeilen(form, blatt, liste));
  } catch (const plattform::Schreibfehler& f) {
    if (form == Form::liste)
      throw plattform::Fehler(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2"), {pfad, f.grund()});
    if (f.zugriffVerweigert()) throw plattform::Fehler(QStringLiteral("Dateizugriff verweigert"), {});
    throw plattform::Fehler(f.grund());
  }
}

QString schreibeUebergabe(const QString& home, const QDate& datum, int tage, bool listenansicht, const Blatt& blatt,
                          const QStringList& liste) {
  tippordnerAnlegen(home);
  const QString pfad = tippordner(home) + datumsname(datum, tage);
  schreibe(pfad, listenansicht ? Form::liste : Form::kurz, blatt, liste);
  return pfad;
}

QStringList lies(const QString& pfad) { return listenzeile::liesDatei(pfad, listenzeile::Kodierung::mitBom); }

Feldtexte teileZeile(QStringView zeile) {
  Feldtexte f;
  qsizetype start = 0;
  for (int i = 0; i < 6; ++i) {
    const qsizetype komma = zeile.indexOf(QLatin1Char(','), start);
    if (komma < 0) {
      f[static_cast<size_t>(i)] = zeile.mid(start).toString();
      return f;
    }
    f[static_cast<size_t>(i)] = zeile.mid(start, komma - start).toString();
    start = komma + 1;
  }
  f[6] = zeile.mid(start).toString();
  return f;
}

Blatt blattAusZeilen(const QStringList& zeilen) {
  Blatt b;
  const qsizetype n = std::min<qsizetype>(zeilen.size(), 12);
  for (qsizetype k = 0; k < n; ++k) b[static_cast<size_t>(k)] = teileZeile(zeilen.at(k));
  return b;
}

namespace {
// Blanks and control characters at both ends go, as the list reading of text files has it.
QStringView gestutzt(QStringView s) {
  qsizetype a = 0;
  qsizetype e = s.size();
  while (a < e && s[a].unicode() <= u' ') ++a;
  while (e > a && s[e - 1].unicode() <= u' ') --e;
  return s.mid(a, e - a);
}
}  // namespace

QStringList listeAusZeilen(const QStringList& zeilen) {
  QStringList aus;
  aus.reserve(zeilen.size());
  for (const QString& z : zeilen) {
    QString s = gestutzt(z).toString();
    // A line never holds a line break, so doing it per line is doing it on the whole text.
    if (s.contains(QLatin1Char(' '))) {
      for (int i = 0; i < 4; ++i) s.replace(QStringLiteral("  "), QStringLiteral(" "));
      s.replace(QLatin1Char(' '), QLatin1Char(','));
    }
    s.replace(QLatin1Char(','), QLatin1Char('\t'));
    aus.append(s);
  }
  return aus;
}

}  // namespace tippdatei
