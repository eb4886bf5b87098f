#pragma once
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

#include "shell/sprachdateien.h"

class QAction;
class QMenu;
class QWidget;
struct Programmzustand;

// What the language menu needs of the main window beyond the program state.
class Sprachumgebung {
 public:
  virtual ~Sprachumgebung() = default;
  // A generation run goes (the calculate button shows message 20): a switch would replace the
  // stop caption and the text it is compared with.
  virtual bool berechnungLaeuft() const = 0;
  // The items of both option groups RadioGroup1 and RadioGroup2.
  virtual void optionenSetzen(const QStringList& items) = 0;
  // After the captions changed: rows that place fields behind their words lay them out again.
  virtual void nachSprachwechsel() = 0;
};

// The menu "Sprache/&Language": one checkable item per language, each with its own handler,
// then the export "Datei &speichern". Applies the language files to every window of the program.
class Sprachmenue : public QObject {
  Q_OBJECT
 public:
  // The items join the element list of `fenster`, the window whose menu bar holds the menu.
  Sprachmenue(QMenu* SpracheLanguage1, QWidget* fenster, Programmzustand& zustand, Sprachumgebung& umgebung);
  ~Sprachmenue() override;

  // Ticks its own item and unticks the rest, applies the language from the files beside the
  // program, then `sprache` := its number. A file that cannot be read shows its message and
  // changes nothing, neither texts nor tick nor `sprache`.
  void Deutsch1Click();
  void Englich1Click();
  void Franz1Click();
  void Spanisch1Click();
  void Italenisch1Click();
  void Russisch1Click();
  void rkisch1Click();
  void Niederlndisch1Click();
  void Polnisch1Click();
  void schechisch1Click();
  void Slowakisch1Click();
  void Ungarisch1Click();
  void Grischisch1Click();
  void Schwedisch1Click();
  void Norwegisch1Click();
  void Finnisch1Click();
  void Dnisch1Click();
  void Portugisisch1Click();
  void Chinese1Click();

  // The handler of that language number; false for a number outside 1..19 (nothing happens).
  bool sprachHandler(int nummer);

  // The messages of the stored language (and Qt's own texts) before its texts are applied when
  // the window shows, so that what the start reports reads in that language already. A message
  // file that cannot be read leaves them as they are; the switch reports it.
  void meldungenVorab(int nummer);

  // Applies the master file with the translation, option item and message files of the suffix.
  // Every file is read before anything changes; a damaged one raises Fehler.
  void DateiLaden1Click(const QString& Dateiname, const QString& Sprache);

  // Writes the master file and the translation template of the windows as they stand.
  void Dateispeichern1Click();

  // The elements of every window in the element order, a fresh manual entry dialog after the
  // main window; what the export writes and a switch walks.
  static QList<sprache::Element> alleElemente();

  QAction* menuepunkt(int nummer) const;
  QAction* Dateispeichern1 = nullptr;

  // What the switches so far gave a window that is made afresh for each command.
  void fuerNeuesFenster(QWidget* fenster) const;

 private:
  void waehle(int nummer);
  void hakenZeigen();

  Programmzustand& z_;
  Sprachumgebung& umgebung_;
  std::array<QAction*, 19> punkte_{};
  int angehakt_ = 0;  // the number whose item carries the tick, 0 for none
  // Per window name and element index; a later switch overrides field by field, as it would on
  // a window that stayed.
  QHash<QString, QMap<qsizetype, sprache::Aenderung>> spaetere_;
};

// A dialog made afresh for one command (the manual draw entry) takes the texts of the language
// last applied.
void wendeLetzteSpracheAn(QWidget* fenster);
