#include "glossar.h"

#include "plattform/fehler.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace sprachquellen {

const QStringList& uebersetzteEndungen() {
  static const QStringList endungen = [] {
    QStringList l;
    for (const sprache::Sprache& s : sprache::Sprachtabelle()) {
      if (QLatin1String(s.endung) != QLatin1String("de")) l << QString::fromLatin1(s.endung);
    }
    return l;
  }();
  return endungen;
}

namespace {

bool hatBuchstaben(const QString& text) {
  for (QChar c : text) {
    if (c.isLetter()) return true;
  }
  return false;
}

// The text between the first and the last double quote of the line.
std::optional<QString> inAnfuehrung(const QString& zeile) {
  const qsizetype a = zeile.indexOf(QLatin1Char('"'));
  const qsizetype b = zeile.lastIndexOf(QLatin1Char('"'));
  if (a < 0 || b <= a) return std::nullopt;
  return zeile.mid(a + 1, b - a - 1);
}

const QString kZahl = QStringLiteral("{n}");

}  // namespace

Glossar Glossar::ausOrdner(const QString& ordner) {
  Glossar g;
  const QDir dir(ordner);
  const QStringList dateien = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
  if (dateien.isEmpty()) throw plattform::Fehler(QStringLiteral("%1: keine Tabellen").arg(ordner));
  for (const QString& name : dateien) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) throw plattform::Fehler(QStringLiteral("%1 kann nicht gelesen werden").arg(name));
    g.lies(QString::fromUtf8(f.readAll()), name);
  }
  return g;
}

void Glossar::lies(const QString& inhalt, const QString& quelle) {
  const QStringList zeilen = inhalt.split(QLatin1Char('\n'));
  std::optional<QString> deutsch;
  Eintrag e;
  int beginn = 0;
  const auto fehler = [&](int nr, const QString& was) {
    return plattform::Fehler(QStringLiteral("%1:%2: %3").arg(quelle).arg(nr).arg(was));
  };
  const auto abschliessen = [&] {
    if (!deutsch) return;
    e.quelle = QStringLiteral("%1:%2").arg(quelle).arg(beginn);
    aufnehmen(*deutsch, e);
    deutsch.reset();
    e = Eintrag{};
  };
  for (int i = 0; i < zeilen.size(); ++i) {
    QString z = zeilen.at(i);
    if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
    const int nr = i + 1;
    if (z.trimmed().isEmpty()) {
      abschliessen();
      continue;
    }
    if (z.startsWith(QLatin1Char('#'))) continue;
    const auto text = inAnfuehrung(z);
    if (!text) throw fehler(nr, QStringLiteral("Text in Anführungszeichen erwartet"));
    if (z.startsWith(QLatin1Char('"'))) {
      if (deutsch) throw fehler(nr, QStringLiteral("Leerzeile vor dem nächsten deutschen Text erwartet"));
      deutsch = *text;
      beginn = nr;
      continue;
    }
    if (!deutsch) throw fehler(nr, QStringLiteral("Übersetzung ohne deutschen Text davor"));
    const QString code = z.left(z.indexOf(QLatin1Char(' '))).trimmed();
    if (code == QStringLiteral("*")) {
      e.alle = *text;
    } else if (uebersetzteEndungen().contains(code)) {
      if (e.je.contains(code)) throw fehler(nr, QStringLiteral("%1 doppelt").arg(code));
      e.je.insert(code, *text);
    } else {
      throw fehler(nr, QStringLiteral("unbekannte Sprache \"%1\"").arg(code));
    }
  }
  abschliessen();
}

void Glossar::aufnehmen(const QString& deutsch, const Eintrag& e) {
  if (deutsch.contains(kZahl)) {
    const QString muster = QRegularExpression::escape(deutsch).replace(QRegularExpression::escape(kZahl), QStringLiteral("(\\d+)"));
    muster_.append({QRegularExpression(QLatin1Char('^') + muster + QLatin1Char('$')), e});
    return;
  }
  const auto it = eintraege_.constFind(deutsch);
  if (it != eintraege_.constEnd()) {
    // The same text twice is fine when both say the same.
    for (const QString& endung : uebersetzteEndungen()) {
      const auto a = it->je.contains(endung) ? std::optional(it->je.value(endung)) : it->alle;
      const auto b = e.je.contains(endung) ? std::optional(e.je.value(endung)) : e.alle;
      if (a != b)
        throw plattform::Fehler(QStringLiteral("%1: \"%2\" steht schon in %3 mit anderer Übersetzung (%4)")
                                    .arg(e.quelle, deutsch, it->quelle, endung));
    }
    return;
  }
  eintraege_.insert(deutsch, e);
}

std::optional<QString> Glossar::uebersetze(const QString& endung, const QString& deutsch) const {
  if (endung == QStringLiteral("de") || !hatBuchstaben(deutsch)) return deutsch;
  const auto wahl = [&](const Eintrag& e) -> std::optional<QString> {
    if (e.je.contains(endung)) return e.je.value(endung);
    return e.alle;
  };
  const auto it = eintraege_.constFind(deutsch);
  if (it != eintraege_.constEnd()) return wahl(*it);
  for (const auto& [re, e] : muster_) {
    const QRegularExpressionMatch m = re.match(deutsch);
    if (!m.hasMatch()) continue;
    auto t = wahl(e);
    if (t) t->replace(kZahl, m.captured(1));
    return t;
  }
  return std::nullopt;
}

Sprachdateien erzeuge(const Glossar& glossar, const sprache::Exportzeilen& exportzeilen, const QStringList& optionen,
                      const QStringList& meldungen) {
  Sprachdateien d;
  d.dateien.insert(sprache::stammName(), sprache::kodiereStamm(exportzeilen.stamm));
  QStringList endungen{QStringLiteral("de")};
  endungen << uebersetzteEndungen();
  const auto uebersetzt = [&](const QString& endung, const QStringList& zeilen) {
    QStringList aus;
    aus.reserve(zeilen.size());
    for (const QString& z : zeilen) {
      const auto t = glossar.uebersetze(endung, z);
      if (!t) {
        QStringList& l = d.fehlend[z];
        if (!l.contains(endung)) l << endung;
      }
      aus << t.value_or(z);
    }
    return aus;
  };
  for (const QString& endung : endungen) {
    d.dateien.insert(sprache::stammName() + QLatin1Char('.') + endung,
                     sprache::kodiereUtf8(uebersetzt(endung, exportzeilen.vorlage)));
    d.dateien.insert(sprache::radioName(endung), sprache::kodiereUtf8(uebersetzt(endung, optionen)));
    d.dateien.insert(sprache::meldungsName(endung), sprache::kodiereUtf8(uebersetzt(endung, meldungen)));
  }
  return d;
}

QString alsVorlage(const QMap<QString, QStringList>& fehlend) {
  QString s;
  for (auto it = fehlend.constBegin(); it != fehlend.constEnd(); ++it) {
    s += QLatin1Char('"') + it.key() + QStringLiteral("\"\n");
    for (const QString& endung : it.value()) s += endung + QStringLiteral(" \"\"\n");
    s += QLatin1Char('\n');
  }
  return s;
}

}  // namespace sprachquellen
