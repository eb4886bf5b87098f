#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <functional>

#include "plattform/fenster/dienste.h"

// Dialog answers come from a script; everything shown is recorded.
// frage() takes a bool, eingabe() a QString (or an invalid QVariant for Cancel),
// oeffnen()/speichern() a file name ("" for Cancel). An empty script answers No/Cancel.
class SkriptDialoge final : public plattform::Dialoge {
 public:
  struct Gezeigt {
    QString art;  // "nachricht", "frage", "eingabe", "oeffnen", "speichern"
    QString text;
    QString titel;
    QString vorgabe;
    QString filter;  // file dialogs
    QString endung;
  };
  std::deque<QVariant> antworten;
  QList<Gezeigt> gezeigt;
  int unbeantwortet = 0;

  void nachricht(const QString& text) override;
  bool frage(const QString& text, const QString& titel) override;
  QString eingabe(const QString& titel, const QString& prompt, const QString& vorgabe) override;
  QString oeffnen(const QString& titel, const QString& ordner, const QString& filter) override;
  QString speichern(const QString& titel, const QString& vorschlag, const QString& filter) override;
  QString oeffnenMitEndung(const QString& titel, const QString& ordner, const QString& filter,
                           const QString& endung) override;
  QString speichernMitEndung(const QString& titel, const QString& vorschlag, const QString& filter,
                             const QString& endung) override;

  QStringList arten() const;
  QStringList texte() const;

 private:
  QVariant naechste();
};

class ShellProtokoll final : public plattform::Shell {
 public:
  QStringList aufrufe;  // "open <ziel>", "edit <datei>", "start <programm> <parameter...>"
  bool erfolg = true;
  // Each start's program and arguments, one list per start; beimStart runs at the start itself
  // (a test reads the script file then, before the next start overwrites it).
  QList<QStringList> starts;
  std::function<void(const QString& programm, const QStringList& parameter)> beimStart;
  bool oeffnen(const QString& ziel) override;
  bool bearbeiten(const QString& datei) override;
  bool starten(const QString& programm, const QStringList& parameter) override;
};

class KlangProtokoll final : public plattform::Klang {
 public:
  QStringList gespielt;
  void spielen(const QString& wavDatei) override { gespielt << wavDatei; }
};
