#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "plattform/fehler.h"

// The language files beside the program and what a switch or an export does with them.
// The windows hand their elements over as plain values and write back what comes out.
namespace sprache {

struct Sprache {
  int nummer;              // the value of `sprache`
  const char* menuepunkt;  // object name of the menu item
  const char* caption;     // German caption of the menu item
  const char* endung;      // file suffix
};

// The 19 languages in menu order.
const std::array<Sprache, 19>& Sprachtabelle();
// The language of that number, nullptr outside 1..19.
const Sprache* sprachMitNummer(int nummer);

inline constexpr int kZeilenlaengeMax = 4096;
// A language file beyond this size is taken as damaged rather than read into memory.
inline constexpr qint64 kDateiMax = 16 * 1024 * 1024;

inline QString stammName() { return QStringLiteral("Zelano.txt"); }
inline QString radioName(const QString& endung) { return QStringLiteral("Radio.txt.") + endung; }
inline QString meldungsName(const QString& endung) { return QStringLiteral("meldungen.txt.") + endung; }

// A language file that cannot be read or is damaged. Its text is German; the language menu
// names the file in the texts of the language that stays.
class Sprachdateifehler : public plattform::Fehler {
 public:
  Sprachdateifehler(const QString& text, const QString& pfad, bool beschaedigt)
      : plattform::Fehler(text), pfad_(pfad), beschaedigt_(beschaedigt) {}
  const QString& pfad() const { return pfad_; }  // in the system's notation
  bool beschaedigt() const { return beschaedigt_; }

 private:
  QString pfad_;
  bool beschaedigt_;
};

// Reads a language file whole: a byte-order mark chooses UTF-8 or UTF-16, any other file is
// Windows-1252. Each line is cut at 4096 characters. Raises Fehler naming the file when it cannot
// be read or is damaged (over 16 MiB, a NUL after decoding, invalid UTF-8 or UTF-16 after its
// mark).
QStringList liesSprachdatei(const QString& pfad);
// Line i, or the empty text beyond the end.
QString zeile(const QStringList& zeilen, qsizetype i);

enum class Art {
  Fenster,
  Menue,  // menu item or submenu
  Label,
  Panel,
  BitBtn,
  Button,
  SpeedButton,
  CheckBox,
  RadioButton,  // a form's own radio button, not an item of a radio group
  TabSheet,
  RadioGroup,
  Edit,  // its hint only; the text is the user's
};

// One element as the windows see it. A window's own element has its name as owner and name.
struct Element {
  Art art = Art::Label;
  QString besitzer;
  QString name;
  QString caption;
  QString hint;
  int charset = 1;
  int tag = 0;
  bool sichtbar = true;  // read for menu items only
};

// Every file of one switch, read before anything is applied.
struct Sprachstand {
  QStringList stamm;
  QStringList uebersetzung;
  bool uebersetzungsmodus = false;
  std::optional<QStringList> radio;      // items of both option groups, when the file exists
  std::optional<QStringList> meldungen;  // the new message table, when the file exists

  qsizetype eintraege() const { return (stamm.size() + 4) / 5; }
};

// Reads the master file and, where they exist, the translation (master + "." + suffix), option
// item and message files of the suffix, all from the master's folder. No master file: nullopt.
// A file that exists but cannot be read raises Fehler, and nothing has been applied yet.
std::optional<Sprachstand> liesSprache(const QString& stammdatei, const QString& endung);

// The lookup with its position `last`, which moves forward only, over all windows of a switch.
class Suche {
 public:
  static constexpr int kFenster = 11;

  explicit Suche(const Sprachstand& stand);
  struct Eintrag {
    qsizetype index;
    QString caption;
    QString hint;
    QString charset;  // the master's line; empty in translation mode
  };
  // Entries last .. last+10 in ascending order; the first match moves last to it.
  std::optional<Eintrag> EintragSuchen(const QString& besitzer, const QString& name);
  qsizetype last() const { return last_; }

 private:
  const Sprachstand& stand_;
  QStringList besitzer_;  // trimmed once, so that a lookup costs 22 comparisons at most
  QStringList namen_;
  qsizetype last_ = 0;
};

// What a switch sets on element `index` of the walked list.
struct Aenderung {
  qsizetype index = 0;
  std::optional<QString> caption;
  std::optional<QString> hint;
  std::optional<int> charset;
};

// Walks the elements of every window in their order (one lookup position for all) and says
// what each one receives. Elements whose translation lines lie beyond the end of the
// translation file take the master's caption and hint.
QList<Aenderung> wendeAn(const Sprachstand& stand, const QList<Element>& elemente);

// The rows an export writes: five master lines per written element, two template lines.
struct Exportzeilen {
  QStringList stamm;
  QStringList vorlage;
};
Exportzeilen exportZeilen(const QList<Element>& elemente);

// The master in Windows-1252 when every text fits, else UTF-8 with a byte-order mark; CR LF.
QByteArray kodiereStamm(const QStringList& zeilen);
// UTF-16 little-endian with a byte-order mark, CR LF.
QByteArray kodiereVorlage(const QStringList& zeilen);
// UTF-8 with a byte-order mark, CR LF (the shipped translation files).
QByteArray kodiereUtf8(const QStringList& zeilen);

// Writes the master as `pfad` and the template as `pfad` + ".trans", each whole before it
// replaces an older file. Raises Fehler; a file that was not written keeps its old content.
void schreibeExport(const QString& pfad, const Exportzeilen& zeilen);

}  // namespace sprache
