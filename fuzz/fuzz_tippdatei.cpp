// Tip files and the list file: any file is read (or refused), loaded into the sheet and the
// list, checked against a draw and filled into click scripts without a crash.
#include "fuzzhilfe.h"
#include "output/klickskript.h"
#include "output/tippdatei.h"
#include "plattform/fehler.h"
#include "shell/listenzeile.h"
#include "shell/tippcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const QString pfad = fuzzhilfe::alsDatei(QStringLiteral("tipps.zpk"), fuzzhilfe::bytes(daten, n));
  QStringList zeilen;
  try {
    (void)listenzeile::liesDatei(pfad, listenzeile::Kodierung::ansi);
    zeilen = tippdatei::lies(pfad);
  } catch (const plattform::Fehler&) {
    return 0;
  }
  const std::array<int, 9> ziehung{0, 3, 12, 25, 33, 47, 0, 4, 9};
  const QStringList liste = tippdatei::listeAusZeilen(zeilen);
  (void)tippcheck::pruefeListe(ziehung, liste);
  (void)tippdatei::blattAusZeilen(zeilen);
  (void)klickskript::skripte(QStringLiteral("[Z1_1] [Z5_12] [S2_3] [TIPPDATEI] [DIFR]"), liste.mid(0, 100),
                             klickskript::Schalter{}, pfad);
  return 0;
}
