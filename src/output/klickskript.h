#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Filling click-script templates of the browser-automation program with the tips of a tip
// file, twelve tips per script.
namespace klickskript {

inline constexpr int kSlots = 12;
inline const QString kStandardvorlage = QStringLiteral("Quintavola.qzt");
inline const QString kInstallation = QStringLiteral("http://www.kestrell.example/klick-lotse/");
inline const QString kFertig = QStringLiteral("Please check the numbers, then you are ready to play.");
inline const QString kWeiter = QStringLiteral("Klicken Sie OK wenn es weitergehen kann. Click OK if it can continue!");
// A template is a script of a few KiB: a larger file or server answer is refused, so that
// filling it for thousands of tips stays within memory.
inline constexpr qint64 kVorlageGrenze = 256 * 1024;

// A tip file line made comparable: "  " -> " " three times, " " -> ",", TAB TAB -> TAB twice,
// TAB -> ",".
QString normalisiere(const QString& zeile);
// Five numbers and two extras: each the text up to the next ",", or the rest of the line.
std::array<QString, 7> felder(const QString& normalisierteZeile);

struct Schalter {
  bool dauer = false;  // CheckBox1
  bool di = false;     // CheckBox2
  bool fr = false;     // CheckBox3
};
// Tuesday to Friday: the Friday draw; Saturday to Monday: the Tuesday draw.
Schalter schalterFuer(const QDate& heute, bool dauer);

// The slots of one script: five numbers and two extras per tip line.
using Belegung = std::vector<std::array<QString, 7>>;

// One filled script: the tips of belegung 1.. (at most twelve), the other belegung blank, the
// switches, the fixed message and the tip file's path. Works on the text as the ANSI code
// page holds it; every placeholder is replaced in one pass, so no inserted text is read as a
// placeholder again.
QString fuelle(const QString& vorlage, const Belegung& belegung, const Schalter& schalter, const QString& tippdatei);

// The slots of the scripts of a whole tip file, one script per twelve lines; an empty file gives
// one script with every slot blank. Each script is filled when its turn comes, so that only one
// filled template is held at a time.
std::vector<Belegung> belegungen(const QStringList& tippzeilen);

// The tip file's folder + today's date "YYYYMMDD" + ".qzt".
QString skriptpfad(const QString& tippdatei, const QDate& heute);

// The arguments for the program: START, the script, ZAHL1, TEXT1, ZAHL2, TEXT2.
QStringList parameter(const QString& skript, const QString& zahl1, const QString& text1, const QString& zahl2,
                      const QString& text2);

// The program below the first folder named Kestrell (any letter case) of the program's own
// folder: the path up to that folder and its separator, else the program folder itself, then
// "Lenkfix/lenkfix.exe". The path keeps its letters.
QString programmNachOrt(const QString& programmpfad);

}  // namespace klickskript
