#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

#include "shell/sprachdateien.h"

// The translation tables from which the language files beside the program are written.
//
// A table file holds blocks separated by blank lines. A block starts with the German text in
// double quotes; each further line gives one language's text: its file suffix, a blank, the text
// in double quotes. "*" stands for every language that the block does not list itself. The text
// is everything between the first and the last double quote of the line, so blanks at either end
// and quotes inside stay. "{n}" in a German text stands for a number, which the translation takes
// over. Lines starting with "#" are comments.
namespace sprachquellen {

// The 18 suffixes a table translates into; "de" is the German text itself.
const QStringList& uebersetzteEndungen();

class Glossar {
 public:
  // Every *.txt of the folder. Raises plattform::Fehler naming the file and line of a fault.
  static Glossar ausOrdner(const QString& ordner);
  void lies(const QString& inhalt, const QString& quelle);

  // The text in that language; German texts without a letter (numbers, arrows, "…") stay as
  // they are, and so does the empty text. nullopt: the table lacks it.
  std::optional<QString> uebersetze(const QString& endung, const QString& deutsch) const;

 private:
  struct Eintrag {
    QHash<QString, QString> je;
    std::optional<QString> alle;
    QString quelle;
  };
  void aufnehmen(const QString& deutsch, const Eintrag& e);
  QHash<QString, Eintrag> eintraege_;
  QList<std::pair<QRegularExpression, Eintrag>> muster_;
};

// The files of data/land/ by name, and the German texts without an entry.
struct Sprachdateien {
  QMap<QString, QByteArray> dateien;
  QMap<QString, QStringList> fehlend;  // German text -> the suffixes that lack it
};

// The master as the export writes it, and per language the translation (two lines per master
// entry), the option item file and the message file, each in UTF-8 with a mark and CR LF.
Sprachdateien erzeuge(const Glossar& glossar, const sprache::Exportzeilen& exportzeilen, const QStringList& optionen,
                      const QStringList& meldungen);

// The missing texts as blocks to fill in.
QString alsVorlage(const QMap<QString, QStringList>& fehlend);

}  // namespace sprachquellen
