// Language files: any file as master, translation, option items and messages is read and
// applied to a list of elements without a crash.
#include "fuzzhilfe.h"
#include "plattform/fehler.h"
#include "shell/sprachdateien.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  QStringList zeilen;
  try {
    zeilen = sprache::liesSprachdatei(fuzzhilfe::alsDatei(QStringLiteral("Zelano.txt"), fuzzhilfe::bytes(daten, n)));
  } catch (const plattform::Fehler&) {
    return 0;
  }
  QList<sprache::Element> elemente;
  for (const char* name : {"Form1", "Label1", "CheckBox1", "Edit1", "Datei1"}) {
    sprache::Element e;
    e.art = name[0] == 'C' ? sprache::Art::CheckBox : name[0] == 'E' ? sprache::Art::Edit : sprache::Art::Label;
    e.besitzer = QStringLiteral("Form1");
    e.name = QString::fromLatin1(name);
    elemente << e;
  }
  for (const bool uebersetzung : {false, true}) {
    sprache::Sprachstand stand;
    stand.stamm = zeilen;
    if (uebersetzung) {
      stand.uebersetzung = zeilen;
      stand.uebersetzungsmodus = true;
    }
    stand.radio = zeilen;
    stand.meldungen = zeilen;
    (void)sprache::wendeAn(stand, elemente);
  }
  return 0;
}
