#include "hilfen/fenster/doubles.h"

QVariant SkriptDialoge::naechste() {
  if (antworten.empty()) {
    ++unbeantwortet;
    return {};
  }
  QVariant v = antworten.front();
  antworten.pop_front();
  return v;
}

void SkriptDialoge::nachricht(const QString& text) { gezeigt.append({QStringLiteral("nachricht"), text, {}, {}, {}, {}}); }

bool SkriptDialoge::frage(const QString& text, const QString& titel) {
  gezeigt.append({QStringLiteral("frage"), text, titel, {}, {}, {}});
  const QVariant v = naechste();
  return v.isValid() && v.toBool();
}

QString SkriptDialoge::eingabe(const QString& titel, const QString& prompt, const QString& vorgabe) {
  gezeigt.append({QStringLiteral("eingabe"), prompt, titel, vorgabe, {}, {}});
  const QVariant v = naechste();
  return v.isValid() ? v.toString() : vorgabe;
}

QString SkriptDialoge::oeffnen(const QString& titel, const QString& ordner, const QString& filter) {
  return oeffnenMitEndung(titel, ordner, filter, QString());
}

QString SkriptDialoge::oeffnenMitEndung(const QString& titel, const QString& ordner, const QString& filter,
                                        const QString& endung) {
  gezeigt.append({QStringLiteral("oeffnen"), ordner, titel, {}, filter, endung});
  return naechste().toString();
}

QString SkriptDialoge::speichern(const QString& titel, const QString& vorschlag, const QString& filter) {
  return speichernMitEndung(titel, vorschlag, filter, QString());
}

QString SkriptDialoge::speichernMitEndung(const QString& titel, const QString& vorschlag, const QString& filter,
                                          const QString& endung) {
  gezeigt.append({QStringLiteral("speichern"), vorschlag, titel, vorschlag, filter, endung});
  return naechste().toString();
}

QStringList SkriptDialoge::arten() const {
  QStringList l;
  for (const auto& g : gezeigt) l << g.art;
  return l;
}

QStringList SkriptDialoge::texte() const {
  QStringList l;
  for (const auto& g : gezeigt) l << g.text;
  return l;
}

bool ShellProtokoll::oeffnen(const QString& ziel) {
  aufrufe << QStringLiteral("open ") + ziel;
  return erfolg;
}

bool ShellProtokoll::bearbeiten(const QString& datei) {
  aufrufe << QStringLiteral("edit ") + datei;
  return erfolg;
}

bool ShellProtokoll::starten(const QString& programm, const QStringList& parameter) {
  aufrufe << (QStringLiteral("start ") + programm + QLatin1Char(' ') + parameter.join(QLatin1Char(' '))).trimmed();
  starts << (QStringList{programm} + parameter);
  if (beimStart) beimStart(programm, parameter);
  return erfolg;
}
